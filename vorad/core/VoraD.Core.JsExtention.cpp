#include "vorad/core/VoraD.Core.JsExtention.h"

#include <cstdio>
#include <cwchar>
#include <set>
#include <vector>

#include "rtl/SysUtils.h"
#include "toolkit/Forms.h"
#include "vorad/cef3/VoraD.Cef3.Classes.h"
#include "vorad/cef3/VoraD.Core.App.h"
#include "vorad/cef3/VoraD.Handler.RenderProcess.h"
#include "vorad/core/VoraD.Locker.h"

TVoraDJsExtention* CurrentJsExtention = nullptr;

namespace {

const wchar_t kMissingVariable[] = L"变量 %s 不存在或类型不匹配";
const wchar_t kScriptException[] = L"执行脚本时发生异常：\r\n信息：%s\r\n位置:第 %d 行 %d 列\r\n脚本:\r\n%s";

// Tolerates the locker being gone already (an extention freed after the unit's end).
struct TLockerHold {
  TLockerHold() : FLocker(JsExtentionLocker.get()) {
    if (FLocker) FLocker->Enter();
  }
  ~TLockerHold() {
    if (FLocker) FLocker->Exit();
  }
  TVoraDLocker* FLocker;
  TLockerHold(const TLockerHold&) = delete;
  TLockerHold& operator=(const TLockerHold&) = delete;
};

// The conversions of the blocking forms' result slots.
struct TToVariant {
  static rtl::TVariant From(const rtl::TVariant& v) { return v; }
};
struct TToBoolean {
  static bool From(const rtl::TVariant& v) { return v.AsBoolean(); }
};
struct TToDouble {
  static double From(const rtl::TVariant& v) { return v.AsDouble(); }
};
struct TToInteger {
  static int32_t From(const rtl::TVariant& v) { return v.AsInteger(); }
};
struct TToString {
  static std::wstring From(const rtl::TVariant& v) { return v.AsString(); }
};
struct TNoResult {};
struct TToNothing {
  static TNoResult From(const rtl::TVariant&) { return {}; }
};

// Every extention of the process, so that a page's end reaches the one its requests wait in.
// Guarded by JsExtentionLocker.
std::set<TVoraDJsExtention*>& Extentions() {
  static auto* extentions = new std::set<TVoraDJsExtention*>();  // outlives every extention
  return *extentions;
}

std::wstring HexAddress(const void* p) {
  wchar_t buf[32];
  std::swprintf(buf, 32, L"%04llX", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(p)));
  return buf;
}

}  // namespace

// The reply procedure of a blocking form: converts the answer into its slot, releases the
// waiting caller in every case, then raises the answer's error (or the conversion's).
template <class TResult, class TConvert>
class TBlockingReply : public rtl::TInterfacedObject, public TJsExtentionProc {
public:
  explicit TBlockingReply(TVoraDJsExtention* owner) : FOwner(owner) {}

  void Invoke(const rtl::TVariant& value, const std::wstring& errorText) override {
    std::wstring conversionError;
    try {
      Result = TConvert::From(value);
    } catch (...) {
      Result = TResult{};
      conversionError = toolkit::CurrentExceptionText();
    }
    Answered = true;
    // The extention that waits: one blocking call is outstanding at a time, and it is ours.
    FOwner->SignalReply();
    TVoraDJsExtention::RaiseScriptError(!errorText.empty() ? errorText : conversionError);
  }

  TResult Result{};
  bool Answered = false;

private:
  TVoraDJsExtention* FOwner;
};

// ---- TVoraDJsExtention

TVoraDJsExtention::TVoraDJsExtention() : FEvent(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
  if (!FEvent) throw rtl::EOSError(L"CreateEvent failed", GetLastError());
  TLockerHold hold;
  Extentions().insert(this);
}

TVoraDJsExtention::~TVoraDJsExtention() {
  if (CurrentJsExtention == this) CurrentJsExtention = nullptr;
  FEvent.Reset();
  TLockerHold hold;
  Extentions().erase(this);
  FHandlers.clear();
}

void TVoraDJsExtention::RaiseScriptError(const std::wstring& text) {
  if (!text.empty()) throw rtl::Exception(text);
}

TWaitResult TVoraDJsExtention::WaitForReply(DWORD timeoutMs) { return WaitEventWithMessages(FEvent.Get(), timeoutMs); }

void TVoraDJsExtention::SignalReply() {
  if (FEvent) SetEvent(FEvent.Get());
}

void TVoraDJsExtention::RegisterHandler(const std::wstring& id, const rtl::TRef<TJsExtentionProc>& proc,
                                        int32_t pageId) {
  TLockerHold hold;
  FHandlers[id] = TPendingRequest{proc, pageId};
}

void TVoraDJsExtention::UnRegisterHandler(const std::wstring& aId, const std::wstring& aExpStr,
                                          const rtl::TVariant& aValue) {
  TLockerHold hold;
  const auto it = FHandlers.find(aId);
  if (it == FHandlers.end()) return;
  // Removed whatever the procedure does; kept alive by this reference during the call.
  rtl::TRef<TJsExtentionProc> proc = it->second.proc;
  FHandlers.erase(it);
  if (proc) proc->Invoke(aValue, aExpStr);
}

size_t TVoraDJsExtention::PendingCount() const {
  TLockerHold hold;
  return FHandlers.size();
}

void TVoraDJsExtention::TakePageRequests(int32_t pageId, std::vector<rtl::TRef<TJsExtentionProc>>& taken) {
  TLockerHold hold;
  for (auto it = FHandlers.begin(); it != FHandlers.end();) {
    const int32_t page = it->second.pageId;
    if (page >= 0 && (pageId < 0 || page == pageId)) {
      taken.push_back(it->second.proc);
      it = FHandlers.erase(it);
    } else {
      ++it;
    }
  }
}

void TVoraDJsExtention::AnswerPageGone(const std::vector<rtl::TRef<TJsExtentionProc>>& abandoned,
                                       bool reportErrors) {
  for (const auto& proc : abandoned) {
    try {
      if (proc) proc->Invoke(rtl::TVariant(), kJsRequestPageGone);
    } catch (...) {
      if (reportErrors) toolkit::Application().HandleException();
    }
  }
}

void TVoraDJsExtention::AbandonPageRequests(int32_t pageId, bool reportErrors) {
  std::vector<rtl::TRef<TJsExtentionProc>> abandoned;
  TakePageRequests(pageId, abandoned);
  AnswerPageGone(abandoned, reportErrors);
}

void JsExtentionPageGone(int32_t pageId) {
  if (pageId < 0) return;
  // Taken out of every extention at once under the locker (an extention may be freed on another
  // thread), answered afterwards.
  std::vector<rtl::TRef<TJsExtentionProc>> abandoned;
  {
    TLockerHold hold;
    for (TVoraDJsExtention* extention : Extentions()) extention->TakePageRequests(pageId, abandoned);
  }
  TVoraDJsExtention::AnswerPageGone(abandoned, true);
}

bool TVoraDJsExtention::SendReadRequest(const rtl::TRef<ICefBrowser>& browser, int32_t kind,
                                        const std::wstring& name, const std::wstring& id) {
  auto message = TCefProcessMessageRef::New(kToRenderJsExtentionMessage);
  auto args = message ? message->GetArgumentList() : nullptr;
  if (!args) return false;
  args->SetSize(3);
  args->SetString(0, id);
  args->SetInt(1, kind);
  args->SetString(2, name);
  return browser->SendProcessMessage(PID_RENDERER, message);
}

bool TVoraDJsExtention::SendWriteRequest(const rtl::TRef<ICefBrowser>& browser, int32_t kind,
                                         const rtl::TVariant& value, const std::wstring& name,
                                         const std::wstring& id) {
  auto message = TCefProcessMessageRef::New(kToRenderJsExtentionMessage);
  auto args = message ? message->GetArgumentList() : nullptr;
  if (!args) return false;
  args->SetSize(4);
  args->SetString(0, id);
  args->SetInt(1, kind);
  args->SetString(2, name);
  VariantToListValue(args, 3, value);  // other variant kinds leave the entry null
  return browser->SendProcessMessage(PID_RENDERER, message);
}

std::wstring TVoraDJsExtention::RequestRead(const rtl::TRef<TJsExtentionProc>& proc,
                                            const rtl::TRef<ICefBrowser>& browser, const std::wstring& name,
                                            int32_t kind, bool* sent) {
  const std::wstring id = NewGuidString();
  RegisterHandler(id, proc, browser ? browser->GetIdentifier() : -1);
  const bool ok = browser && SendReadRequest(browser, kind, name, id);
  if (sent) *sent = ok;
  return id;
}

std::wstring TVoraDJsExtention::RequestWrite(const rtl::TRef<TJsExtentionProc>& proc,
                                             const rtl::TRef<ICefBrowser>& browser, const rtl::TVariant& value,
                                             const std::wstring& name, int32_t kind, bool* sent) {
  const std::wstring id = NewGuidString();
  RegisterHandler(id, proc, browser ? browser->GetIdentifier() : -1);
  const bool ok = browser && SendWriteRequest(browser, kind, value, name, id);
  if (sent) *sent = ok;
  return id;
}

template <class TResult, class TConvert>
TResult TVoraDJsExtention::Wait(const rtl::TRef<ICefBrowser>& browser, const std::wstring& name, int32_t kind,
                                const rtl::TVariant* value) {
  // Without a browser no answer can ever come.
  if (!browser) return TResult{};
  // Alive until the wait is over, even when a message handler frees its owner meanwhile.
  rtl::TRef<TVoraDJsExtention> self(this);
  rtl::TRef<TBlockingReply<TResult, TConvert>> reply(new TBlockingReply<TResult, TConvert>(this));
  CurrentJsExtention = this;
  bool sent = false;
  const std::wstring id = value ? RequestWrite(reply, browser, *value, name, kind, &sent)
                                : RequestRead(reply, browser, name, kind, &sent);
  if (!sent) {
    // The runtime refused the message: nothing will answer it.
    TLockerHold hold;
    FHandlers.erase(id);
    return TResult{};
  }
  // Also on an abandoned or failed wait the slot is what the caller gets.
  while (!reply->Answered && WaitForReply(INFINITE) == TWaitResult::wrSignaled) {
  }
  return reply->Result;
}

void TVoraDJsExtention::GetExecuteScriptResultProc(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aScript,
                                                   const rtl::TRef<TJsExtentionProc>& aPorc) {
  RequestRead(aPorc, aBrowser, aScript, jrkScript);
}

void TVoraDJsExtention::GetDefinedProc(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName,
                                       const rtl::TRef<TJsExtentionProc>& aPorc) {
  RequestRead(aPorc, aBrowser, aName, jrkDefined);
}

void TVoraDJsExtention::GetAsBooleanProc(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName,
                                         const rtl::TRef<TJsExtentionProc>& aPorc) {
  RequestRead(aPorc, aBrowser, aName, jrkRead);
}

void TVoraDJsExtention::GetAsFloatProc(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName,
                                       const rtl::TRef<TJsExtentionProc>& aPorc) {
  RequestRead(aPorc, aBrowser, aName, jrkRead);
}

void TVoraDJsExtention::GetAsIntegerProc(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName,
                                         const rtl::TRef<TJsExtentionProc>& aPorc) {
  RequestRead(aPorc, aBrowser, aName, jrkRead);
}

void TVoraDJsExtention::GetAsStringProc(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName,
                                        const rtl::TRef<TJsExtentionProc>& aPorc) {
  RequestRead(aPorc, aBrowser, aName, jrkRead);
}

void TVoraDJsExtention::SetAsBooleanProc(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName, bool Value,
                                         const rtl::TRef<TJsExtentionProc>& aPorc) {
  RequestWrite(aPorc, aBrowser, rtl::TVariant(Value), aName, jrkWrite);
}

void TVoraDJsExtention::SetAsFloatProc(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName, double Value,
                                       const rtl::TRef<TJsExtentionProc>& aPorc) {
  RequestWrite(aPorc, aBrowser, rtl::TVariant(Value), aName, jrkWrite);
}

void TVoraDJsExtention::SetAsIntegerProc(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName,
                                         int64_t Value, const rtl::TRef<TJsExtentionProc>& aPorc) {
  RequestWrite(aPorc, aBrowser, rtl::TVariant(Value), aName, jrkWrite);
}

void TVoraDJsExtention::SetAsStringProc(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName,
                                        const std::wstring& Value, const rtl::TRef<TJsExtentionProc>& aPorc) {
  RequestWrite(aPorc, aBrowser, rtl::TVariant(Value), aName, jrkWrite);
}

rtl::TVariant TVoraDJsExtention::GetExecuteScriptResult(const rtl::TRef<ICefBrowser>& aBrowser,
                                                        const std::wstring& aScript) {
  return Wait<rtl::TVariant, TToVariant>(aBrowser, aScript, jrkScript, nullptr);
}

bool TVoraDJsExtention::GetDefined(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName) {
  return Wait<bool, TToBoolean>(aBrowser, aName, jrkDefined, nullptr);
}

bool TVoraDJsExtention::GetAsBoolean(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName) {
  return Wait<bool, TToBoolean>(aBrowser, aName, jrkRead, nullptr);
}

double TVoraDJsExtention::GetAsFloat(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName) {
  return Wait<double, TToDouble>(aBrowser, aName, jrkRead, nullptr);
}

int32_t TVoraDJsExtention::GetAsInteger(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName) {
  return Wait<int32_t, TToInteger>(aBrowser, aName, jrkRead, nullptr);
}

std::wstring TVoraDJsExtention::GetAsString(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName) {
  return Wait<std::wstring, TToString>(aBrowser, aName, jrkRead, nullptr);
}

void TVoraDJsExtention::SetAsBoolean(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName, bool Value) {
  const rtl::TVariant v(Value);
  Wait<TNoResult, TToNothing>(aBrowser, aName, jrkWrite, &v);
}

void TVoraDJsExtention::SetAsFloat(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName, double Value) {
  const rtl::TVariant v(Value);
  Wait<TNoResult, TToNothing>(aBrowser, aName, jrkWrite, &v);
}

void TVoraDJsExtention::SetAsInteger(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName,
                                     int64_t Value) {
  const rtl::TVariant v(Value);
  Wait<TNoResult, TToNothing>(aBrowser, aName, jrkWrite, &v);
}

void TVoraDJsExtention::SetAsString(const rtl::TRef<ICefBrowser>& aBrowser, const std::wstring& aName,
                                    const std::wstring& Value) {
  const rtl::TVariant v(Value);
  Wait<TNoResult, TToNothing>(aBrowser, aName, jrkWrite, &v);
}

// ---- render side

namespace {

// Entered for one request only; left on every path.
class TContextScope {
public:
  explicit TContextScope(const rtl::TRef<ICefv8Context>& context) : FContext(context) {
    FEntered = FContext && FContext->Enter();
  }
  ~TContextScope() {
    if (FEntered) FContext->Exit();
  }
  TContextScope(const TContextScope&) = delete;
  TContextScope& operator=(const TContextScope&) = delete;
  bool Entered() const { return FEntered; }

private:
  rtl::TRef<ICefv8Context> FContext;
  bool FEntered = false;
};

rtl::TRef<ICefv8Context> MainFrameContext(const rtl::TRef<ICefBrowser>& browser) {
  if (!browser) return nullptr;
  const rtl::TRef<ICefFrame> frame = browser->GetMainFrame();
  return frame ? frame->GetV8context() : nullptr;
}

// Kind 0: the global object's own property, or else the name evaluated as script, so that a
// dotted path reads through.
void ReadVariable(const rtl::TRef<ICefv8Context>& context, const std::wstring& name, rtl::TVariant& result,
                  std::wstring& error) {
  const rtl::TRef<ICefv8Value> global = context->GetGlobal();
  const rtl::TRef<ICefv8Value> value = global ? global->GetValueBykey(name) : nullptr;
  if (!value || !value->IsValid()) {
    error = rtl::Format(kMissingVariable, name);
  } else if (!value->IsUndefined()) {
    V8ValueToVariant(value, result);
  } else {
    rtl::TRef<ICefv8Value> evaluated;
    rtl::TRef<ICefV8Exception> exception;
    if (context->Eval(name, evaluated, exception) && evaluated) V8ValueToVariant(evaluated, result);
    else error = rtl::Format(kMissingVariable, name);
  }
}

void WriteVariable(const rtl::TRef<ICefv8Context>& context, const std::wstring& name,
                   const rtl::TRef<ICefListValue>& args) {
  rtl::TRef<ICefv8Value> value;
  switch (args->GetType(3)) {
    case VTYPE_BOOL: value = TCefv8ValueRef::NewBool(args->GetBool(3)); break;
    case VTYPE_INT: value = TCefv8ValueRef::NewInt(args->GetInt(3)); break;
    case VTYPE_DOUBLE: value = TCefv8ValueRef::NewDouble(args->GetDouble(3)); break;
    case VTYPE_STRING: value = TCefv8ValueRef::NewString(args->GetString(3)); break;
    default: return;
  }
  const rtl::TRef<ICefv8Value> global = context->GetGlobal();
  if (global && value) global->SetValueBykey(name, value, V8_PROPERTY_ATTRIBUTE_NONE);
}

void RunScript(const rtl::TRef<ICefv8Context>& context, const std::wstring& script, rtl::TVariant& result,
               std::wstring& error) {
  rtl::TRef<ICefv8Value> evaluated;
  rtl::TRef<ICefV8Exception> exception;
  if (context->Eval(script, evaluated, exception) && evaluated) {
    V8ValueToVariant(evaluated, result);
    return;
  }
  if (exception)
    error = rtl::Format(kScriptException, exception->GetMessage(), exception->GetLineNumber(),
                        exception->GetStartColumn(), exception->GetSourceLine());
  else
    error = rtl::Format(kScriptException, std::wstring(), 0, 0, std::wstring());
}

void* ParseAddress(const std::wstring& text) {
  if (text.empty()) return nullptr;
  wchar_t* end = nullptr;
  const unsigned long long v = std::wcstoull(text.c_str(), &end, 16);
  if (!end || *end != L'\0') return nullptr;
  return reinterpret_cast<void*>(static_cast<uintptr_t>(v));
}

}  // namespace

void HandleJsRequest(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefProcessMessage>& message) {
  if (!browser || !message) return;
  const rtl::TRef<ICefListValue> args = message->GetArgumentList();
  if (!args) return;
  const std::wstring id = args->GetString(0);
  const int32_t kind = args->GetInt(1);
  const std::wstring name = args->GetString(2);
  if (kind < jrkRead || kind > jrkScript) return;  // no answer for other kinds

  rtl::TVariant result;
  std::wstring error;
  try {
    const rtl::TRef<ICefv8Context> context = MainFrameContext(browser);
    TContextScope scope(context);
    if (scope.Entered()) {
      switch (kind) {
        case jrkRead: ReadVariable(context, name, result, error); break;
        case jrkWrite:
          if (args->GetSize() == 4) WriteVariable(context, name, args);
          break;
        case jrkDefined: {
          const rtl::TRef<ICefv8Value> global = context->GetGlobal();
          result = rtl::TVariant(global && global->HasValueBykey(name));
          break;
        }
        case jrkScript: RunScript(context, name, result, error); break;
      }
    }
  } catch (...) {
    // A value that cannot be carried (V8ValueToVariant) or anything else: the caller learns why
    // instead of waiting for an answer that never comes.
    result = rtl::TVariant();
    error = toolkit::CurrentExceptionText();
  }

  const rtl::TRef<ICefProcessMessage> answer = TCefProcessMessageRef::New(kToBrowserJsExtentionMessage);
  const rtl::TRef<ICefListValue> out = answer ? answer->GetArgumentList() : nullptr;
  if (!out) return;
  out->SetSize(3);
  out->SetString(0, id);
  VariantToListValue(out, 1, result);
  out->SetString(2, error);
  browser->SendProcessMessage(PID_BROWSER, answer);
}

void HandleRunInRender(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefProcessMessage>& message) {
  if (!message) return;
  const rtl::TRef<ICefListValue> args = message->GetArgumentList();
  if (!args || args->GetSize() < 3) return;
  // Addresses of the browser process: dereferencing them anywhere else would crash the page.
  if (!VoraDApp || !VoraDApp->IsMainProcess()) return;
  void* const pageAddress = ParseAddress(args->GetString(0));
  void* const procAddress = ParseAddress(args->GetString(1));
  void* const data = ParseAddress(args->GetString(2));
  // Adopt the references the sender added for us (SendRunInRender).
  const auto page = rtl::TRef<ICefBrowser>::Adopt(static_cast<ICefBrowser*>(pageAddress));
  const auto proc = rtl::TRef<TRenderProcessCallbackA>::Adopt(static_cast<TRenderProcessCallbackA*>(procAddress));
  if (proc) proc->Invoke(page, MainFrameContext(browser), data);
}

bool SendRunInRender(const rtl::TRef<ICefBrowser>& page, const rtl::TRef<TRenderProcessCallbackA>& proc,
                     void* data) {
  if (!page) return false;
  const auto message = TCefProcessMessageRef::New(kRunInRenderMessage);
  const auto args = message ? message->GetArgumentList() : nullptr;
  if (!args) return false;
  args->SetString(0, HexAddress(page.Get()));
  args->SetString(1, HexAddress(proc.Get()));
  args->SetString(2, HexAddress(data));
  // Taken before the send: the render thread may run the message before the send returns.
  page->AddRef();
  if (proc) proc->AddRef();
  if (page->SendProcessMessage(PID_RENDERER, message)) return true;
  page->Release();
  if (proc) proc->Release();
  return false;
}

void InitVoraDCoreJsExtention() {
  GlobalHandleJsRequest = &HandleJsRequest;
  GlobalHandleRunInRender = &HandleRunInRender;
}

void FinalVoraDCoreJsExtention() {
  GlobalHandleJsRequest = nullptr;
  GlobalHandleRunInRender = nullptr;
}
