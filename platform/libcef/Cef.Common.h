#pragma once
// Shared plumbing of the stand-in runtime: the runtime-side reference-counted object, string
// conversions and the guard that keeps C++ exceptions inside the DLL.
#include <windows.h>

#include <atomic>
#include <cstddef>
#include <type_traits>
#include <string>
#include <utility>

#ifndef VORAD_CEF3_DECLARE_EXPORTS
#define VORAD_CEF3_DECLARE_EXPORTS
#endif
#include "vorad/cef3/VoraD.Cef3.Types.h"
#include "vorad/cef3/VoraD.Cef3.Api.h"

namespace standin {

// Exceptions must never unwind into the caller (static libgcc cannot unwind across modules):
// every export and every structure entry runs its body through one of these.
template <class R, class F>
R Guard(R fallback, F&& body) noexcept {
  try {
    return body();
  } catch (...) {
    return fallback;
  }
}
template <class F>
void GuardVoid(F&& body) noexcept {
  try {
    body();
  } catch (...) {
  }
}

// A runtime-owned structure: the C structure sits at offset 0, so the `self` pointer of every
// entry is the object. Derived classes must not be polymorphic (a vtable pointer would come
// first). The count starts at 1: the reference handed to whoever asked for the object.
template <class Self, class CStruct>
class TCefObject {
public:
  TCefObject() {
    cef_base_t& base = reinterpret_cast<cef_base_t&>(FStruct);
    base.size = sizeof(CStruct);
    base.add_ref = &AddRefEntry;
    base.release = &ReleaseEntry;
    base.has_one_ref = &HasOneRefEntry;
  }
  TCefObject(const TCefObject&) = delete;
  TCefObject& operator=(const TCefObject&) = delete;

  CStruct* Struct() { return &FStruct; }
  // The structure with one added reference, for handing out.
  CStruct* Wrap() {
    AddRef();
    return &FStruct;
  }
  void AddRef() { FRefs.fetch_add(1, std::memory_order_relaxed); }
  bool Release() {
    if (FRefs.fetch_sub(1, std::memory_order_acq_rel) == 1) {
      delete static_cast<Self*>(this);
      return true;
    }
    return false;
  }
  bool HasOneRef() const { return FRefs.load(std::memory_order_acquire) == 1; }

  // The object behind a structure of ours; null for null or for a structure someone else made.
  static Self* From(const CStruct* s) {
    if (!s || reinterpret_cast<const cef_base_t*>(s)->add_ref != &AddRefEntry) return nullptr;
    return static_cast<Self*>(reinterpret_cast<TCefObject*>(const_cast<CStruct*>(s)));
  }

protected:
  CStruct FStruct{};

private:
  std::atomic<long> FRefs{1};

  static void CALLBACK AddRefEntry(cef_base_t* self) {
    reinterpret_cast<TCefObject*>(self)->AddRef();
  }
  static int CALLBACK ReleaseEntry(cef_base_t* self) {
    return Guard(0, [&] { return reinterpret_cast<TCefObject*>(self)->Release() ? 1 : 0; });
  }
  static int CALLBACK HasOneRefEntry(cef_base_t* self) {
    return reinterpret_cast<TCefObject*>(self)->HasOneRef() ? 1 : 0;
  }
};

// Holds one reference to a runtime structure (ours or the program's) and releases it.
template <class CStruct>
class TCRef {
public:
  TCRef() = default;
  // Adopts the reference that came with the pointer.
  static TCRef Adopt(CStruct* p) {
    TCRef r;
    r.FPtr = p;
    return r;
  }
  // Adds a reference of its own (for borrowed pointers).
  static TCRef Share(CStruct* p) {
    TCRef r;
    r.FPtr = p;
    if (p && Base(p)->add_ref) Base(p)->add_ref(Base(p));
    return r;
  }
  TCRef(const TCRef& o) : FPtr(o.FPtr) {
    if (FPtr && Base(FPtr)->add_ref) Base(FPtr)->add_ref(Base(FPtr));
  }
  TCRef(TCRef&& o) noexcept : FPtr(std::exchange(o.FPtr, nullptr)) {}
  TCRef& operator=(TCRef o) noexcept {
    std::swap(FPtr, o.FPtr);
    return *this;
  }
  ~TCRef() { Reset(); }
  void Reset() {
    if (CStruct* p = std::exchange(FPtr, nullptr)) {
      if (Base(p)->release) Base(p)->release(Base(p));
    }
  }
  CStruct* Get() const { return FPtr; }
  CStruct* operator->() const { return FPtr; }
  explicit operator bool() const { return FPtr != nullptr; }
  // A new reference for handing over.
  CStruct* Wrap() const {
    if (FPtr && Base(FPtr)->add_ref) Base(FPtr)->add_ref(Base(FPtr));
    return FPtr;
  }
  // Whether the structure is large enough to hold the entry at `offset` and the entry is set.
  bool Has(size_t offsetOfEntry) const {
    return FPtr && Base(FPtr)->size >= offsetOfEntry + sizeof(void*) &&
           *reinterpret_cast<void* const*>(reinterpret_cast<const char*>(FPtr) + offsetOfEntry);
  }

private:
  static cef_base_t* Base(CStruct* p) { return reinterpret_cast<cef_base_t*>(p); }
  CStruct* FPtr = nullptr;
};

// The entry is present and set (the runtime's member-presence rule: offset + size <= base.size).
#define STANDIN_HAS(ptr, member)                                                             \
  ((ptr) && reinterpret_cast<const cef_base_t*>(ptr)->size >=                                \
                offsetof(std::remove_reference_t<decltype(*(ptr))>, member) + sizeof(void*) && \
   (ptr)->member != nullptr)

// Strings. cef_char_t is wchar_t on Windows, so UTF-16 text maps onto std::wstring directly.
std::wstring ToW(const cef_string_t* s);
// Assigns an owned copy (the old value is freed through its destructor first).
void SetCefString(cef_string_t* out, const std::wstring& value);
// A string the caller frees with cef_string_userfree_utf16_free; empty text gives an empty
// (non-null) string, as callers may not expect null.
cef_string_userfree_t NewUserFree(const std::wstring& value);
// A view of `value` without destructor; valid while `value` lives unchanged.
cef_string_t ViewOf(const std::wstring& value);

std::string ToUtf8(const std::wstring& w);
std::wstring FromUtf8(const std::string& s);

}  // namespace standin
