#pragma once
// TCefBaseOwn: a program object the runtime calls. Its structure lives in one block right after
// a pointer back to the object, so an entry recovers its object without a table. The
// structure's add_ref/release/has_one_ref work on the object's own count, shared with the
// program's interface references.
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

// The Own class of structure S behind interface I, named in its area's header
// (TCefLoadHandlerOwn = TCefOwn<cef_load_handler_t, ICefLoadHandler>). The constructor fills the
// structure's entries by FillEntries, the table of S in the area's source, declared beside the
// name and found by its argument.
template <class S, class I>
class TCefOwn : public TCefBaseOwn, public virtual I {
public:
  TCefOwn() : TCefBaseOwn(sizeof(S)) { FillEntries(this); }
  S* Data() const { return static_cast<S*>(FData); }
};

// A callable wrapper: an Own object whose operation calls the callable it was made with.
template <class Own, class Proc>
class TCefFast : public Own {
public:
  explicit TCefFast(Proc proc) : FProc(std::move(proc)) {}

protected:
  Proc FProc;
};
