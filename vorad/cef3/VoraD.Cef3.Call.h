#pragma once
// CallEntry: how a Ref operation calls one entry of a runtime structure.
//
//   bool IsText() override { return Call<&C::is_text>(); }
//
// The entry's C signature drives everything: a null entry is not called and the operation
// answers the default of its type (false, 0, empty, null) without touching its arguments;
// otherwise each native argument is converted for the entry's parameter, the entry is called,
// and the result is converted to the type the operation returns.
//
// Arguments, native -> runtime (each conversion lives until the entry returns):
//   const std::wstring&               view (no copy, no destructor)
//   const std::vector<std::wstring>&  a runtime list filled for the call, freed after it
//   std::vector<std::wstring>&        a runtime list the entry fills, read back after the call
//   rtl::TRef<I>                      the structure with one added reference (the runtime's)
//   std::wstring& for a cef_string_t* an out-string: empty for the call, copied and cleared after
//   rtl::TRef<I>& for an S**          an out-object: null for the call, adopted after it
//   T& for a T* parameter             its address (scalar out-arguments)
//   anything else                     as it is (bool becomes 0/1 by the usual conversion)
// Out-arguments are written only when the entry was called.
// Results, runtime -> native, chosen by the operation's return type:
//   bool                              entry's int != 0
//   std::wstring                      copy of the user-free string, which is then freed
//   rtl::TRef<I>                      the returned reference adopted (CefAdopt, VoraD.Cef3.Convert.h)
//   anything else                     as it is
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "vorad/cef3/VoraD.Cef3.Convert.h"

template <class R, class... P>
struct TCefEntrySignature {};

// The signature of an entry `R (CEF_CALLBACK* S::*)(S*, P...)`, for decltype only.
template <class S, class R, class... P>
TCefEntrySignature<R, P...> CefEntrySignatureOf(R (CEF_CALLBACK* S::*)(S*, P...));

// ---- arguments

struct TCefStringView {
  cef_string_t Text;
  operator const cef_string_t*() const { return &Text; }
};

struct TCefStringListIn {
  explicit TCefStringListIn(const std::vector<std::wstring>& strings) : List(strings) {}
  operator cef_string_list_t() const { return List.Handle(); }
  TCefStringListArg List;
};

struct TCefStringListOut {
  explicit TCefStringListOut(std::vector<std::wstring>& target) : Target(target) {}
  // Reads back when the call is over; may throw (allocation), like the assignment it is.
  ~TCefStringListOut() noexcept(false) { Target = List.Strings(); }
  operator cef_string_list_t() const { return List.Handle(); }
  TCefStringListArg List;
  std::vector<std::wstring>& Target;
};

struct TCefStringOut {
  explicit TCefStringOut(std::wstring& target) : Target(target) {}
  ~TCefStringOut() noexcept(false) { Target = TCef3Helper::CefStringClearAndGet(&Text); }
  operator cef_string_t*() { return &Text; }
  cef_string_t Text{};
  std::wstring& Target;
};

template <class S, class I>
struct TCefObjectOut {
  explicit TCefObjectOut(rtl::TRef<I>& target) : Target(target) {}
  ~TCefObjectOut() noexcept(false) { Target = CefAdopt<I>(Slot); }
  operator S**() { return &Slot; }
  S* Slot = nullptr;
  rtl::TRef<I>& Target;
};

template <class P, class A>
auto CefEntryArg(A&& arg) {
  using N = std::remove_cvref_t<A>;
  if constexpr (std::is_same_v<N, std::wstring>) {
    if constexpr (std::is_same_v<P, cef_string_t*>) return TCefStringOut(arg);
    else return TCefStringView{TCef3Helper::CefString(arg)};
  } else if constexpr (std::is_same_v<N, std::vector<std::wstring>>) {
    if constexpr (std::is_const_v<std::remove_reference_t<A>>) return TCefStringListIn(arg);
    else return TCefStringListOut(arg);
  } else if constexpr (IsCefRef<N> && std::is_pointer_v<std::remove_pointer_t<P>>) {
    return TCefObjectOut<std::remove_pointer_t<std::remove_pointer_t<P>>,
                         typename TCefRefTraits<N>::Interface>(arg);
  } else if constexpr (IsCefRef<N>) {
    return CefHandOver<std::remove_pointer_t<P>>(arg);
  } else if constexpr (std::is_same_v<P, std::remove_reference_t<A>*>) {
    return &arg;
  } else {
    P converted = arg;
    return converted;
  }
}

// ---- results

// Holds the entry's result until the operation's return statement names the native type.
template <class R>
class [[nodiscard]] TCefEntryResult {
public:
  explicit TCefEntryResult(R value) : FValue(value) {}

  template <class N>
  operator N() && {
    if constexpr (std::is_same_v<N, bool>) {
      return FValue != 0;
    } else if constexpr (std::is_same_v<N, std::wstring>) {
      static_assert(std::is_same_v<R, cef_string_userfree_t>, "strings come back user-free");
      return TCef3Helper::CefStringFreeAndGet(FValue);
    } else if constexpr (IsCefRef<N>) {
      return CefAdopt<typename TCefRefTraits<N>::Interface>(FValue);
    } else {
      return FValue;
    }
  }

private:
  R FValue;
};

template <auto Entry, class S, class R, class... P, class... A>
auto CallEntryAs(TCefEntrySignature<R, P...>, S* self, A&&... args) {
  static_assert(sizeof...(P) == sizeof...(A), "one argument per parameter of the entry");
  const auto entry = self->*Entry;
  if constexpr (std::is_void_v<R>) {
    if (entry) entry(self, CefEntryArg<P>(std::forward<A>(args))...);
  } else {
    if (!entry) return TCefEntryResult<R>(R{});
    return TCefEntryResult<R>(entry(self, CefEntryArg<P>(std::forward<A>(args))...));
  }
}

// Calls `Entry` of `self` with the native `args` (see above).
template <auto Entry, class S, class... A>
auto CallEntry(S* self, A&&... args) {
  return CallEntryAs<Entry>(decltype(CefEntrySignatureOf(Entry)){}, self, std::forward<A>(args)...);
}

// A counted out-array: `entry` fills as many items as `CountEntry` answers and reports how many
// it wrote, which go to `out` converted as results (structures adopted). With `entry` missing
// `out` is left alone.
template <auto CountEntry, class S, class Item, class T>
void CallCountedOut(S* self, void(CEF_CALLBACK* entry)(S*, size_t*, Item*), std::vector<T>& out) {
  if (!entry) return;
  size_t count = CallEntry<CountEntry>(self);
  std::vector<Item> items(count, Item{});
  entry(self, &count, items.data());
  out.clear();
  for (size_t i = 0; i < count && i < items.size(); ++i)
    out.push_back(static_cast<T>(TCefEntryResult<Item>(items[i])));
}

// Calls an export of the runtime's table (CefApi) the same way: a missing export gives the
// default of the operation's type (or does nothing), the arguments and the result convert as for
// an entry.
template <class R, class... P, class... A>
auto CallExport(R(CEF_EXPORT* exported)(P...), A&&... args) {
  static_assert(sizeof...(P) == sizeof...(A), "one argument per parameter of the export");
  if constexpr (std::is_void_v<R>) {
    if (exported) exported(CefEntryArg<P>(std::forward<A>(args))...);
  } else {
    if (!exported) return TCefEntryResult<R>(R{});
    return TCefEntryResult<R>(exported(CefEntryArg<P>(std::forward<A>(args))...));
  }
}
