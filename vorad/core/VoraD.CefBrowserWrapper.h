#pragma once
// The page registry: one record per open page (its browser, last loading bits, title, address
// and favicon) and the dictionary from page id to record that the page manager owns. The
// registry takes no lock; the page manager calls it under BrowserLocker. Main thread only.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "rtl/Handles.h"
#include "rtl/Interfaces.h"
#include "rtl/Streams.h"
#include "vorad/cef3/VoraD.Cef3.Interfaces.h"
#include "vorad/core/VoraD.Events.h"

class TBrowserWrapperDic;
class TFaviconGetter;

// A page's icon, owned by its record. Empty until loaded.
class TFavIcon {
public:
  TFavIcon() = default;
  ~TFavIcon();
  TFavIcon(const TFavIcon&) = delete;
  TFavIcon& operator=(const TFavIcon&) = delete;

  // Loads the first image of an icon file; false (and still empty) when the data is no icon.
  bool LoadFromBytes(std::string_view data);
  HICON Handle() const { return FHandle.Get(); }
  bool Empty() const { return !FHandle; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }

private:
  rtl::TIcon FHandle;
  int FWidth = 0, FHeight = 0;
};

// Icon file header check on the data from its position to its end: type 0 or 1 passes, any
// other type (2 is a cursor) fails; fewer than six bytes pass, and loading then decides.
bool IsIconStream(rtl::TMemoryStream& data);

class TCefBrowserWrapper {
public:
  TCefBrowserWrapper(const rtl::TRef<ICefBrowser>& browser, TBrowserWrapperDic* parent);
  ~TCefBrowserWrapper();
  TCefBrowserWrapper(const TCefBrowserWrapper&) = delete;
  TCefBrowserWrapper& operator=(const TCefBrowserWrapper&) = delete;

  const rtl::TRef<ICefBrowser>& Browser() const { return FBrowser; }
  int32_t LoadingState() const { return FLoadingState; }
  void SetLoadingState(int32_t v) { FLoadingState = v; }
  const std::wstring& LastTitle() const { return FLastTitle; }
  void SetLastTitle(const std::wstring& v) { FLastTitle = v; }
  const std::wstring& LastAddress() const { return FLastAddress; }
  void SetLastAddress(const std::wstring& v) { FLastAddress = v; }
  const std::wstring& LastFavUrl() const { return FLastFavUrl; }
  // Starts an icon download for the URL; an earlier download is left to finish and ignored.
  void SetLastFavUrl(const std::wstring& url);
  TFavIcon* Favicon() const { return FFavicon.get(); }
  void SetFavicon(std::unique_ptr<TFavIcon> icon) { FFavicon = std::move(icon); }

  // Completion of an icon download (success only), on the main thread.
  void FaviconLoaded(const std::wstring& url, rtl::TMemoryStream& data);

private:
  TBrowserWrapperDic* FParent;
  rtl::TRef<ICefBrowser> FBrowser;
  int32_t FLoadingState = 1;
  std::wstring FLastTitle = L"\u6B63\u5728\u52A0\u8F7D";  // "正在加载" (loading)
  std::wstring FLastAddress;
  std::wstring FLastFavUrl;
  rtl::TRef<TFaviconGetter> FFaviconGetter;
  std::unique_ptr<TFavIcon> FFavicon;
};

class TBrowserWrapperDic {
public:
  using TMap = std::unordered_map<int32_t, std::unique_ptr<TCefBrowserWrapper>>;

  explicit TBrowserWrapperDic(const rtl::TRef<IVoraDBrowser>& events);
  ~TBrowserWrapperDic();
  TBrowserWrapperDic(const TBrowserWrapperDic&) = delete;
  TBrowserWrapperDic& operator=(const TBrowserWrapperDic&) = delete;

  // Nil browsers and browsers with id -1 are not added; a duplicate id raises EListError.
  void Add(const rtl::TRef<ICefBrowser>& browser);
  // StopLoad on every page, then frees every record.
  void Clear();
  bool TryGetValue(int32_t id, TCefBrowserWrapper*& wrapper) const;
  TCefBrowserWrapper* Find(int32_t id) const;
  void Remove(int32_t id);
  size_t Count() const { return FItems.size(); }
  const TMap& Items() const { return FItems; }
  const rtl::TRef<IVoraDBrowser>& Events() const { return FEvents; }

private:
  rtl::TRef<IVoraDBrowser> FEvents;
  TMap FItems;
};
