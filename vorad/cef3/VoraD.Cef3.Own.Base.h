#pragma once
// TCefBaseOwn: a program object the runtime calls. Its structure lives in one block right after
// a pointer back to the object, so an entry recovers its object without a table. The
// structure's add_ref/release/has_one_ref work on the object's own count, shared with the
// program's interface references. TCefOwn<S> is the root for structure S.
#include <cstddef>
#include <utility>

#include "rtl/Interfaces.h"
#include "vorad/cef3/VoraD.Cef3.Helper.h"
#include "vorad/cef3/VoraD.Cef3.Interfaces.h"

class TCefBaseOwn : public rtl::TInterfacedObject, public virtual ICefBase {
public:
  void* Wrap() override;
  void* Data() const { return FData; }

  // The Own object a structure belongs to, read from the pointer stored just before it.
  // Only for structures made by TCefBaseOwn; null gives null.
  static TCefBaseOwn* OwnerOf(void* data);
  static ICefBase* ObjectOf(void* data);
  // A program object that came back from the runtime (for example the client of a browser):
  // takes over the reference the runtime handed with it. The structure must be one of ours.
  template <class I>
  static rtl::TRef<I> Adopt(void* data) {
    if (!data) return nullptr;
    rtl::TRef<I> result(dynamic_cast<I*>(ObjectOf(data)));
    TCef3Helper::ReleaseStruct(data);
    return result;
  }

protected:
  // Allocates the block (back-pointer + zeroed structure of `size` bytes) and fills the header.
  explicit TCefBaseOwn(size_t size);
  ~TCefBaseOwn() override;

  void* FData;
};

template <class S>
class TCefOwn : public TCefBaseOwn {
public:
  S* Data() const { return static_cast<S*>(FData); }

protected:
  TCefOwn() : TCefBaseOwn(sizeof(S)) {}
};

// A callable wrapper: an Own object whose operation calls the callable it was made with.
template <class Own, class Proc>
class TCefFast : public Own {
public:
  explicit TCefFast(Proc proc) : FProc(std::move(proc)) {}

protected:
  Proc FProc;
};
