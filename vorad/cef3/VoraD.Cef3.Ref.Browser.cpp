// Ref operations whose contract the call template does not cover, each with the reason.
#include <algorithm>

#include "vorad/cef3/VoraD.Cef3.Ref.Browser.h"

// Counted out-array: sized by the count entry; the entry reports how many it wrote.
void TCefBrowserRef::GetFrameIdentifiers(std::vector<int64_t>& identifiers) {
  cef_browser_t* self = Data();
  if (!self->get_frame_identifiers) return;
  size_t count = self->get_frame_count ? self->get_frame_count(self) : 0;
  identifiers.assign(count, {});
  self->get_frame_identifiers(self, &count, identifiers.data());
  identifiers.resize(std::min(count, identifiers.size()));
}
