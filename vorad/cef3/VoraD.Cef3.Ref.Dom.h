#pragma once
// Ref classes. The document and its nodes.
#include <string>
#include <vector>

#include "vorad/cef3/VoraD.Cef3.Ref.h"

class TCefDomDocumentRef : public TCefRef<cef_domdocument_t, ICefDomDocument> {
public:
  using TCefRef::TCefRef;
  VORAD_CEF3_DOMDOCUMENT_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefDomNodeRef : public TCefRef<cef_domnode_t, ICefDomNode> {
public:
  using TCefRef::TCefRef;
  VORAD_CEF3_DOMNODE_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};
