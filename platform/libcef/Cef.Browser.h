#pragma once
// Browsers and frames. One TBrowserState per browser on each side: the browser process holds
// the client, the page window and the navigation state; the render side holds a proxy with the
// same id, through which page script and process messages reach the browser process.
#include <memory>
#include <mutex>
#include <string>

#include "Cef.Common.h"
#include "Cef.Runtime.h"

namespace standin {

struct TBrowserState {
  int id = 0;
  bool renderSide = false;
  bool popup = false;

  // Browser side.
  std::shared_ptr<TRenderHost> host;
  TCRef<cef_client_t> client;
  HWND window = nullptr;
  double zoomLevel = 0;
  bool closed = false;

  // Both sides; guarded by `lock` because other threads read it.
  mutable std::mutex lock;
  std::wstring url;
  bool loading = false, canGoBack = false, canGoForward = false, hasDocument = false;

  std::int64_t MainFrameId() const { return static_cast<std::int64_t>(id) * 1000 + 1; }
  std::wstring Url() const {
    std::lock_guard<std::mutex> l(lock);
    return url;
  }
};

// New structures with one reference each.
cef_browser_t* NewBrowserStruct(const std::shared_ptr<TBrowserState>& state);
cef_frame_t* NewFrameStruct(const std::shared_ptr<TBrowserState>& state);
std::shared_ptr<TBrowserState> BrowserStateOf(cef_browser_t* browser);

// The browser-process browser with that id (UI thread), or null.
std::shared_ptr<TBrowserState> FindBrowser(int id);
// The render-side browser with that id (render thread), or null.
std::shared_ptr<TBrowserState> FindRenderBrowser(int id);

}  // namespace standin
