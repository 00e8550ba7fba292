#include "vorad/core/VoraD.CefBrowserWrapper.h"

#include <algorithm>

#include "rtl/SysUtils.h"
#include "vorad/cef3/VoraD.Utils.h"
#include "vorad/core/VoraD.Core.BrowserView.Rules.h"

// --- TFavIcon --------------------------------------------------------------------------------

TFavIcon::~TFavIcon() = default;

bool TFavIcon::LoadFromBytes(std::string_view data) {
  FHandle.Reset();
  // ICONDIR (6 bytes), then 16-byte entries: width, height, colours, reserved, planes, bit
  // count, image size, image offset.
  if (data.size() < 6 + 16) return false;
  const auto b = reinterpret_cast<const unsigned char*>(data.data());
  const unsigned count = b[4] | (b[5] << 8);
  if (count == 0) return false;
  const unsigned char* entry = b + 6;
  const uint32_t size = entry[8] | (entry[9] << 8) | (entry[10] << 16) | (uint32_t(entry[11]) << 24);
  const uint32_t offset = entry[12] | (entry[13] << 8) | (entry[14] << 16) | (uint32_t(entry[15]) << 24);
  if (size == 0 || offset > data.size() || size > data.size() - offset) return false;
  const int width = entry[0] ? entry[0] : 256;
  const int height = entry[1] ? entry[1] : 256;
  HICON icon = CreateIconFromResourceEx(const_cast<PBYTE>(b + offset), size, TRUE, 0x00030000, width, height,
                                        LR_DEFAULTCOLOR);
  if (!icon) return false;
  FHandle.Reset(icon);
  FWidth = width;
  FHeight = height;
  return true;
}

bool IsIconStream(rtl::TMemoryStream& data) {
  const size_t position = std::min(data.Position(), data.Size());
  return IsIconBytes(std::string_view(reinterpret_cast<const char*>(data.Memory()) + position, data.Size() - position));
}

// --- TCefBrowserWrapper ----------------------------------------------------------------------

TCefBrowserWrapper::TCefBrowserWrapper(const rtl::TRef<ICefBrowser>& browser, TBrowserWrapperDic* parent)
    : FParent(parent), FBrowser(browser) {}

TCefBrowserWrapper::~TCefBrowserWrapper() {
  // The download may outlive the record; cancelling it makes its completion a no-op.
  if (FFaviconGetter) FFaviconGetter->Cancel();
  FFaviconGetter = nullptr;
  FFavicon.reset();
  FBrowser = nullptr;
}

void TCefBrowserWrapper::SetLastFavUrl(const std::wstring& url) {
  FLastFavUrl = url;
  // The earlier download's completion would be ignored anyway; cancelling it also makes sure it
  // never calls back into a record that is gone by then.
  if (FFaviconGetter) FFaviconGetter->Cancel();
  FFaviconGetter =
      TFaviconGetter::Create(url, [this](const std::wstring& aUrl, rtl::TMemoryStream& aStream) { FaviconLoaded(aUrl, aStream); });
}

void TCefBrowserWrapper::FaviconLoaded(const std::wstring& url, rtl::TMemoryStream& data) {
  if (url != FLastFavUrl) return;
  if (!IsIconStream(data)) return;
  FFavicon.reset();
  data.SetPosition(0);
  FFavicon = std::make_unique<TFavIcon>();
  if (!FFavicon->LoadFromBytes(std::string_view(reinterpret_cast<const char*>(data.Memory()), data.Size()))) return;  // keeps the new, empty icon; no event
  if (FParent && FParent->Events()) FParent->Events()->DoFavIconChange(FBrowser, url, FFavicon.get());
}

// --- TBrowserWrapperDic ----------------------------------------------------------------------

TBrowserWrapperDic::TBrowserWrapperDic(const rtl::TRef<IVoraDBrowser>& events) : FEvents(events) {}

TBrowserWrapperDic::~TBrowserWrapperDic() {
  FEvents = nullptr;
  FItems.clear();
}

void TBrowserWrapperDic::Add(const rtl::TRef<ICefBrowser>& browser) {
  if (!browser) return;
  const int32_t id = browser->GetIdentifier();
  if (id == -1) return;
  if (FItems.count(id)) throw rtl::Exception(L"Duplicates not allowed");
  FItems.emplace(id, std::make_unique<TCefBrowserWrapper>(browser, this));
}

void TBrowserWrapperDic::Clear() {
  for (auto& [id, wrapper] : FItems)
    if (wrapper->Browser()) wrapper->Browser()->StopLoad();
  FItems.clear();
}

bool TBrowserWrapperDic::TryGetValue(int32_t id, TCefBrowserWrapper*& wrapper) const {
  wrapper = Find(id);
  return wrapper != nullptr;
}

TCefBrowserWrapper* TBrowserWrapperDic::Find(int32_t id) const {
  const auto it = FItems.find(id);
  return it == FItems.end() ? nullptr : it->second.get();
}

void TBrowserWrapperDic::Remove(int32_t id) {
  // Take the record out first: its destruction may re-enter the registry through events.
  auto it = FItems.find(id);
  if (it == FItems.end()) return;
  auto wrapper = std::move(it->second);
  FItems.erase(it);
}
