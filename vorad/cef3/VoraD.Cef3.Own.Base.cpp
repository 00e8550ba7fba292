#include "vorad/cef3/VoraD.Cef3.Own.Base.h"

#include <cstring>
#include <new>

namespace {

void CEF_CALLBACK OwnAddRef(cef_base_t* self) {
  TCefBaseOwn::OwnerOf(self)->AddRef();
}

// 1 when this dropped the last reference (the object is gone), else 0, as the runtime expects.
int CEF_CALLBACK OwnRelease(cef_base_t* self) {
  return TCefBaseOwn::OwnerOf(self)->Release() == 0 ? 1 : 0;
}

int CEF_CALLBACK OwnHasOneRef(cef_base_t* self) {
  return TCefBaseOwn::OwnerOf(self)->RefCount() == 1 ? 1 : 0;
}

}  // namespace

TCefBaseOwn* TCefBaseOwn::OwnerOf(void* data) {
  if (!data) return nullptr;
  return *reinterpret_cast<TCefBaseOwn**>(static_cast<char*>(data) - sizeof(void*));
}

ICefBase* TCefBaseOwn::ObjectOf(void* data) {
  TCefBaseOwn* owner = OwnerOf(data);
  return owner ? static_cast<ICefBase*>(owner) : nullptr;
}

TCefBaseOwn::TCefBaseOwn(size_t size) {
  // One block: the owner pointer, then the structure.
  char* block = static_cast<char*>(::operator new(sizeof(void*) + size));
  *reinterpret_cast<TCefBaseOwn**>(block) = this;
  FData = block + sizeof(void*);
  std::memset(FData, 0, size);
  auto* base = static_cast<cef_base_t*>(FData);
  base->size = size;
  base->add_ref = &OwnAddRef;
  base->release = &OwnRelease;
  base->has_one_ref = &OwnHasOneRef;
}

TCefBaseOwn::~TCefBaseOwn() {
  ::operator delete(static_cast<char*>(FData) - sizeof(void*));
}

void* TCefBaseOwn::Wrap() {
  auto* base = static_cast<cef_base_t*>(FData);
  base->add_ref(base);
  return FData;
}
