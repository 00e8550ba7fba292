#include "vorad/cef3/VoraD.Cef3.Ref.h"

TCefBaseRef::TCefBaseRef(void* data) : FData(data) {}

TCefBaseRef::~TCefBaseRef() {
  auto* base = static_cast<cef_base_t*>(FData);
  if (base && base->release) base->release(base);
}

void* TCefBaseRef::Wrap() {
  auto* base = static_cast<cef_base_t*>(FData);
  if (base->add_ref) base->add_ref(base);
  return FData;
}
