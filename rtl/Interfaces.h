#pragma once
// The counted root of every interface and the intrusive pointer that holds one.
//
// An interface is an abstract class deriving virtually from IInterface; an implementation
// derives from TInterfacedObject (which supplies the atomic count) and from its interfaces.
// "Query" is dynamic_cast. Counts start at 0: the first TRef that takes the object makes it 1,
// and the last one to let go destroys it.
#include <atomic>
#include <cstddef>
#include <type_traits>
#include <utility>

namespace rtl {

class IInterface {
public:
  virtual long AddRef() noexcept = 0;
  // Returns the count that remains; 0 means the object is gone.
  virtual long Release() noexcept = 0;

protected:
  virtual ~IInterface() = default;
};

class TInterfacedObject : public virtual IInterface {
public:
  long AddRef() noexcept override { return FRefCount.fetch_add(1, std::memory_order_relaxed) + 1; }
  long Release() noexcept override {
    const long left = FRefCount.fetch_sub(1, std::memory_order_acq_rel) - 1;
    if (left == 0) delete this;
    return left;
  }
  long RefCount() const noexcept { return FRefCount.load(std::memory_order_acquire); }

protected:
  TInterfacedObject() = default;
  TInterfacedObject(const TInterfacedObject&) = delete;
  TInterfacedObject& operator=(const TInterfacedObject&) = delete;
  ~TInterfacedObject() override = default;

private:
  std::atomic<long> FRefCount{0};
};

// Intrusive counted pointer. Constructing from a raw pointer adds a reference; Adopt takes
// over one that is already counted for the holder.
template <class T>
class TRef {
public:
  TRef() noexcept = default;
  TRef(std::nullptr_t) noexcept {}
  TRef(T* p) noexcept : FPtr(p) {
    if (FPtr) FPtr->AddRef();
  }
  TRef(const TRef& other) noexcept : TRef(other.FPtr) {}
  TRef(TRef&& other) noexcept : FPtr(std::exchange(other.FPtr, nullptr)) {}
  template <class U>
    requires std::is_convertible_v<U*, T*>
  TRef(const TRef<U>& other) noexcept : TRef(static_cast<T*>(other.Get())) {}
  template <class U>
    requires std::is_convertible_v<U*, T*>
  TRef(TRef<U>&& other) noexcept : FPtr(other.Detach()) {}
  ~TRef() { Reset(); }

  TRef& operator=(TRef other) noexcept {
    std::swap(FPtr, other.FPtr);
    return *this;
  }

  static TRef Adopt(T* p) noexcept {
    TRef r;
    r.FPtr = p;
    return r;
  }
  T* Detach() noexcept { return std::exchange(FPtr, nullptr); }
  void Reset() noexcept {
    if (T* p = std::exchange(FPtr, nullptr)) p->Release();
  }

  T* Get() const noexcept { return FPtr; }
  T* operator->() const noexcept { return FPtr; }
  T& operator*() const noexcept { return *FPtr; }
  explicit operator bool() const noexcept { return FPtr != nullptr; }
  friend bool operator==(const TRef& a, const TRef& b) noexcept { return a.FPtr == b.FPtr; }
  friend bool operator==(const TRef& a, std::nullptr_t) noexcept { return a.FPtr == nullptr; }

private:
  T* FPtr = nullptr;
};

// Query: the same object through another of its interfaces, or null.
template <class T, class U>
TRef<T> Supports(const TRef<U>& from) noexcept {
  return TRef<T>(dynamic_cast<T*>(from.Get()));
}

}  // namespace rtl
