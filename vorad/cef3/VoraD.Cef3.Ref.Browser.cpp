// The wrappers adopting each structure of this area (declared in VoraD.Cef3.Ref.h).
#include "vorad/cef3/VoraD.Cef3.Ref.Browser.h"

rtl::TRef<ICefBrowserHost> UnWrap(cef_browser_host_t* data) {
  return data ? new TCefBrowserHostRef(data) : nullptr;
}
rtl::TRef<ICefBrowser> UnWrap(cef_browser_t* data) { return data ? new TCefBrowserRef(data) : nullptr; }
rtl::TRef<ICefFrame> UnWrap(cef_frame_t* data) { return data ? new TCefFrameRef(data) : nullptr; }
rtl::TRef<ICefNavigationEntry> UnWrap(cef_navigation_entry_t* data) {
  return data ? new TCefNavigationEntryRef(data) : nullptr;
}
