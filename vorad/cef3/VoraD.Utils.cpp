#include "vorad/cef3/VoraD.Utils.h"

#include <objbase.h>

#include <algorithm>
#include <atomic>
#include <limits>
#include <mutex>
#include <set>
#include <vector>

#include "rtl/SysUtils.h"

namespace {

std::atomic<DWORD> GMainThreadId{0};

// The sends of SendToBrowserWindow still waiting for their answer, so the receiver can tell
// them from anyone else's message with the same id. Sends nest, so the list stays short.
struct TBrowserWindowSend {
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
  bool operator==(const TBrowserWindowSend&) const = default;
};
std::mutex SendsLock;
std::vector<TBrowserWindowSend> SendsInFlight;

// A send listed while it waits.
struct TSendInFlight {
  explicit TSendInFlight(const TBrowserWindowSend& send) : Send(send) {
    std::lock_guard<std::mutex> hold(SendsLock);
    SendsInFlight.push_back(send);
  }
  ~TSendInFlight() {
    std::lock_guard<std::mutex> hold(SendsLock);
    const auto it = std::find(SendsInFlight.begin(), SendsInFlight.end(), Send);
    if (it != SendsInFlight.end()) SendsInFlight.erase(it);
  }
  const TBrowserWindowSend Send;
};

const wchar_t kNotConvertible[] = L"指定的JavaScript变量无法转换为 Variant";

}  // namespace

DWORD MainThreadId() {
  return GMainThreadId.load();
}

void SetMainThreadId(DWORD threadId) {
  GMainThreadId.store(threadId);
}

HWND BrowserParentWindow(const rtl::TRef<ICefBrowser>& browser) {
  if (!browser) return nullptr;
  rtl::TRef<ICefBrowserHost> host = browser->GetHost();
  if (!host) return nullptr;
  HWND own = host->GetWindowHandle();
  return own ? GetParent(own) : nullptr;
}

bool SendToBrowserWindow(const rtl::TRef<ICefBrowser>& browser, UINT msg, LPARAM lParam) {
  rtl::TRef<ICefBrowser> held = browser;
  const WPARAM wParam = reinterpret_cast<WPARAM>(&held);
  const TSendInFlight registered({msg, wParam, lParam});
  return SendMessageW(BrowserParentWindow(held), msg, wParam, lParam) != 1;
}

bool IsBrowserWindowSend(UINT msg, WPARAM wParam, LPARAM lParam) {
  std::lock_guard<std::mutex> hold(SendsLock);
  return std::find(SendsInFlight.begin(), SendsInFlight.end(), TBrowserWindowSend{msg, wParam, lParam}) !=
         SendsInFlight.end();
}

std::wstring NewGuidString() {
  GUID guid{};
  if (FAILED(CoCreateGuid(&guid))) throw rtl::EOSError(L"CoCreateGuid failed", GetLastError());
  wchar_t text[64] = {};
  StringFromGUID2(guid, text, 64);  // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper case
  return text;
}

void ProcessPendingMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

TWaitResult WaitEventWithMessages(HANDLE event, DWORD timeoutMs) {
  auto map = [](DWORD r) {
    switch (r) {
      case WAIT_OBJECT_0: return TWaitResult::wrSignaled;
      case WAIT_TIMEOUT: return TWaitResult::wrTimeout;
      case WAIT_ABANDONED: return TWaitResult::wrAbandoned;
      case WAIT_FAILED: return TWaitResult::wrError;
      case WAIT_IO_COMPLETION: return TWaitResult::wrIOCompletion;
      default: return TWaitResult::wrTimeout;
    }
  };
  if (GetCurrentThreadId() != MainThreadId()) return map(WaitForSingleObject(event, timeoutMs));

  for (;;) {
    const DWORD start = GetTickCount();
    const DWORD r = MsgWaitForMultipleObjects(1, &event, FALSE, timeoutMs, QS_ALLINPUT);
    if (r != WAIT_OBJECT_0 + 1) return map(r);
    ProcessPendingMessages();
    if (timeoutMs == INFINITE) continue;  // an endless wait stays endless
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= timeoutMs) return TWaitResult::wrTimeout;
    timeoutMs -= elapsed;
  }
}

void VariantToListValue(const rtl::TRef<ICefListValue>& list, int index, const rtl::TVariant& value) {
  if (!list) return;
  using rtl::TVarType;
  auto setInteger = [&](int64_t v) {
    // Out of the 32-bit range the value is kept as a double rather than cut off.
    if (v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max())
      list->SetInt(index, int(v));
    else
      list->SetDouble(index, double(v));
  };
  switch (value.VarType()) {
    case TVarType::Int32: setInteger(value.Get<int32_t>()); break;
    case TVarType::UInt32: setInteger(value.Get<uint32_t>()); break;
    case TVarType::Int64: setInteger(value.Get<int64_t>()); break;
    case TVarType::Double: list->SetDouble(index, value.Get<double>()); break;
    case TVarType::Boolean: list->SetBool(index, value.Get<bool>() ? 1 : 0); break;
    case TVarType::AnsiString:
    case TVarType::String: list->SetString(index, value.AsString()); break;
    default: break;
  }
}

void ListValueToVariant(rtl::TVariant& value, const rtl::TRef<ICefListValue>& list, int index) {
  if (!list) return;
  switch (list->GetType(index)) {
    case VTYPE_BOOL: value = rtl::TVariant(list->GetBool(index)); break;
    case VTYPE_INT: value = rtl::TVariant(int32_t(list->GetInt(index))); break;
    case VTYPE_DOUBLE: value = rtl::TVariant(list->GetDouble(index)); break;
    case VTYPE_STRING: value = rtl::TVariant(list->GetString(index)); break;
    default: break;
  }
}

namespace {

// A page may hold any graph of objects (a cycle such as `o.self = o`, or `window` itself):
// containers deeper than kMaxNesting, past the first kMaxContainers, or met a second time become
// null, so every conversion ends with a bounded result.
constexpr int kMaxNesting = 32;
constexpr size_t kMaxContainers = 1024;

class TV8Conversion {
public:
  void Convert(const rtl::TRef<ICefv8Value>& value, rtl::TVariant& result, int depth) {
    if (!value) throw rtl::Exception(kNotConvertible);
    if (value->IsString()) {
      result = rtl::TVariant(value->GetStringValue());
    } else if (value->IsBool()) {
      result = rtl::TVariant(value->GetBoolValue());
    } else if (value->IsInt()) {
      result = rtl::TVariant(int32_t(value->GetIntValue()));
    } else if (value->IsUint()) {
      result = rtl::TVariant(uint32_t(value->GetUintValue()));
    } else if (value->IsDouble()) {
      result = rtl::TVariant(value->GetDoubleValue());
    } else if (value->IsUndefined()) {
      result = rtl::TVariant();
    } else if (value->IsNull()) {
      result = rtl::TVariant::Null();
    } else if (value->IsFunction()) {
      result = rtl::TVariant(value->GetFunctionName());
    } else if (value->IsArray() || value->IsObject()) {
      if (!Enter(value, depth)) {
        result = rtl::TVariant::Null();
      } else if (value->IsArray()) {
        const int length = value->GetArrayLength();
        rtl::TVariantArray items(length > 0 ? size_t(length) : 0);
        for (size_t i = 0; i < items.size(); ++i) Convert(value->GetValueByindex(int(i)), items[i], depth + 1);
        result = rtl::TVariant(std::move(items));
      } else {
        std::vector<std::wstring> keys;
        value->GetKeys(keys);
        rtl::TVariantArray pairs;
        for (const auto& key : keys) {
          rtl::TRef<ICefv8Value> item = value->GetValueBykey(key);
          if (item && item->IsFunction()) continue;
          rtl::TVariant converted;
          Convert(item, converted, depth + 1);
          pairs.emplace_back(key);
          pairs.push_back(std::move(converted));
        }
        result = rtl::TVariant(std::move(pairs));
      }
    } else {
      throw rtl::Exception(kNotConvertible);
    }
  }

private:
  // True when the container is to be converted: within the limits and not seen before.
  bool Enter(const rtl::TRef<ICefv8Value>& value, int depth) {
    if (depth >= kMaxNesting || FSeen.size() >= kMaxContainers) return false;
    for (const auto& seen : FSeen)
      if (seen->IsSame(value)) return false;
    FSeen.push_back(value);
    return true;
  }

  std::vector<rtl::TRef<ICefv8Value>> FSeen;
};

}  // namespace

void V8ValueToVariant(const rtl::TRef<ICefv8Value>& value, rtl::TVariant& result) {
  TV8Conversion().Convert(value, result, 0);
}

// ---- TFaviconGetter

namespace {

// Getters whose request is running. A running getter and its request hold each other (the
// request's client is the getter): completion, Cancel or shutdown breaks that cycle.
std::mutex GRunningGettersLock;
std::set<TFaviconGetter*>& RunningGetters() {
  static auto* getters = new std::set<TFaviconGetter*>();  // outlives every getter
  return *getters;
}

}  // namespace

rtl::TRef<TFaviconGetter> TFaviconGetter::Create(const std::wstring& Url, TFaviconReady Callback) {
  // Held before the runtime sees it, so a request that ends at once cannot free it mid-start.
  rtl::TRef<TFaviconGetter> getter(new TFaviconGetter());
  getter->fCallback = std::move(Callback);
  getter->fStream = std::make_unique<rtl::TMemoryStream>();
  rtl::TRef<ICefRequest> request = TCefRequestRef::New();
  if (request) {
    request->SetUrl(Url);
    rtl::TRef<ICefUrlRequest> running =
        TCefUrlRequestRef::New(request, rtl::TRef<ICefUrlrequestClient>(getter.Get()), nullptr);
    if (running) {
      std::lock_guard<std::mutex> lock(GRunningGettersLock);
      getter->fUrlRequest = running;
      RunningGetters().insert(getter.Get());
    }
  }
  return getter;
}

rtl::TRef<ICefUrlRequest> TFaviconGetter::TakeRequest() {
  std::lock_guard<std::mutex> lock(GRunningGettersLock);
  RunningGetters().erase(this);
  return std::move(fUrlRequest);
}

void TFaviconGetter::Cancel() {
  // Alive to the end of this call even when the request held the last reference.
  rtl::TRef<TFaviconGetter> self(this);
  fCallback = nullptr;
  fStream.reset();
  // Let go of the request at once: a request that never completes must not keep both alive.
  if (rtl::TRef<ICefUrlRequest> request = TakeRequest()) request->Cancel();
}

void CancelFaviconGetters() {
  std::vector<rtl::TRef<TFaviconGetter>> running;
  {
    std::lock_guard<std::mutex> lock(GRunningGettersLock);
    for (TFaviconGetter* getter : RunningGetters()) running.emplace_back(getter);
  }
  for (const auto& getter : running) getter->Cancel();
}

void TFaviconGetter::OnDownloadData(const rtl::TRef<ICefUrlRequest>& /*request*/, const void* data,
                                    size_t data_length) {
  if (fStream && data) fStream->Write(data, data_length);
}

void TFaviconGetter::OnRequestComplete(const rtl::TRef<ICefUrlRequest>& request) {
  std::unique_ptr<rtl::TMemoryStream> stream = std::move(fStream);
  TFaviconReady callback = fCallback;
  TakeRequest();  // done: no cycle with the runtime's request
  if (callback && stream && request && request->GetRequestStatus() == UR_SUCCESS) {
    try {
      stream->SetPosition(0);
      std::wstring url;
      if (rtl::TRef<ICefRequest> original = request->GetRequest()) url = original->GetUrl();
      callback(url, *stream);
    } catch (...) {
      // A failing consumer must not disturb the runtime's callback.
    }
  }
}
