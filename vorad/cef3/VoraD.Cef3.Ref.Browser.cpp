// Ref operations whose contract the call template does not cover, each with the reason.
#include <algorithm>

#include "vorad/cef3/VoraD.Cef3.Ref.Browser.h"

// Counted out-array: sized by the count entry; the entry reports how many it wrote.
void TCefBrowserRef::GetFrameIdentifiers(std::vector<int64_t>& identifiers) {
  cef_browser_t* self_ = Data();
  if (!self_->get_frame_identifiers) return;
  size_t identifiersCount_ = self_->get_frame_count ? self_->get_frame_count(self_) : 0;
  identifiers.assign(identifiersCount_, {});
  self_->get_frame_identifiers(self_, &identifiersCount_, identifiers.data());
  identifiers.resize(std::min(identifiersCount_, identifiers.size()));
}
