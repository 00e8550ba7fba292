// Ref operations whose contract the call template does not cover, each with the reason.
#include <algorithm>

#include "vorad/cef3/VoraD.Cef3.Ref.Browser.h"

// The wrappers adopting each structure of this area (declared in VoraD.Cef3.Ref.h).
rtl::TRef<ICefBrowserHost> UnWrap(cef_browser_host_t* data) {
  return data ? new TCefBrowserHostRef(data) : nullptr;
}
rtl::TRef<ICefBrowser> UnWrap(cef_browser_t* data) { return data ? new TCefBrowserRef(data) : nullptr; }
rtl::TRef<ICefFrame> UnWrap(cef_frame_t* data) { return data ? new TCefFrameRef(data) : nullptr; }
rtl::TRef<ICefNavigationEntry> UnWrap(cef_navigation_entry_t* data) {
  return data ? new TCefNavigationEntryRef(data) : nullptr;
}

// Counted out-array: sized by the count entry; the entry reports how many it wrote.
void TCefBrowserRef::GetFrameIdentifiers(std::vector<int64_t>& identifiers) {
  cef_browser_t* self = Data();
  if (!self->get_frame_identifiers) return;
  size_t count = self->get_frame_count ? self->get_frame_count(self) : 0;
  identifiers.assign(count, {});
  self->get_frame_identifiers(self, &count, identifiers.data());
  identifiers.resize(std::min(count, identifiers.size()));
}
