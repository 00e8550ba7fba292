#pragma once
// TCefBaseOwn: a program object the runtime calls. Its structure lives in one block right after
// a pointer back to the object, so an entry recovers its object without a table. The
// structure's add_ref/release/has_one_ref work on the object's own count, shared with the
// program's interface references. TCefOwn<S> is the root for structure S.
#include <cstddef>
#include <utility>

#include "rtl/Interfaces.h"
#include "vorad/cef3/VoraD.Cef3.Interfaces.h"

class TCefBaseOwn : public rtl::TInterfacedObject, public virtual ICefBase {
public:
  void* Wrap() override;
  void* Data() const { return FData; }

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
