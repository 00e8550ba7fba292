// The wrappers adopting each structure of this area (declared in VoraD.Cef3.Ref.h).
#include "vorad/cef3/VoraD.Cef3.Ref.Dom.h"

rtl::TRef<ICefDomDocument> UnWrap(cef_domdocument_t* data) {
  return data ? new TCefDomDocumentRef(data) : nullptr;
}
rtl::TRef<ICefDomNode> UnWrap(cef_domnode_t* data) { return data ? new TCefDomNodeRef(data) : nullptr; }
