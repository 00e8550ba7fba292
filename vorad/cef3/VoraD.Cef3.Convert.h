#pragma once
// The rules by which an object crosses the boundary, the same in both directions:
// CallEntry (VoraD.Cef3.Call.h, program -> runtime) and Adapter (VoraD.Cef3.Adapter.h,
// runtime -> program) both convert through these. Strings and string lists cross by the
// helpers of VoraD.Cef3.Helper.h.
#include "vorad/cef3/VoraD.Cef3.Helper.h"

template <class T>
struct TCefRefTraits {
  static constexpr bool IsRef = false;
};
template <class I>
struct TCefRefTraits<rtl::TRef<I>> {
  static constexpr bool IsRef = true;
  using Interface = I;
};
template <class T>
inline constexpr bool IsCefRef = TCefRefTraits<T>::IsRef;

// A structure handed over with one reference, taken over by a wrapper: the free UnWrap of the
// structure (VoraD.Cef3.Ref.h, one per structure, found by argument-dependent lookup) gives its
// Ref class, or the Own object behind a structure of ours. Null gives null.
template <class I, class S>
rtl::TRef<I> CefAdopt(S* data) {
  return UnWrap(data);
}

// An object handed to the runtime: its structure, with one added reference for the receiver.
template <class S, class I>
S* CefHandOver(const rtl::TRef<I>& object) {
  return static_cast<S*>(TCef3Helper::CefGetData(object));
}
