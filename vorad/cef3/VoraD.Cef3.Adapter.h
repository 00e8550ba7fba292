#pragma once
// How the runtime reaches an Own object: the entries of its structure are made from the
// object's virtual operations.
//
//   Fill<&cef_load_handler_t::on_load_end, &TCefLoadHandlerOwn::OnLoadEnd>(self);
//
// puts into the structure Adapter<...>::Entry, which finds the owner behind `self`, converts
// each runtime argument to the operation's parameter (TArg: one rule per pair of types), calls
// the operation, and converts its result (TResult), all under AdapterGuard. Only the sources of
// the Own classes include this header; each holds the tables (FillEntries) of its area.
#include <array>
#include <exception>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <vector>

#include "vorad/cef3/VoraD.Cef3.Classes.h"

namespace cef3own {

// Runs an adapter's body. An exception stops here: it is reported for `entry` and the runtime
// gets the entry's default (false, null, nothing), as if the operation had not been overridden.
template <class F>
auto AdapterGuard(const char* entry, F&& body) noexcept -> decltype(body()) {
  try {
    return body();
  } catch (...) {
    TCef3Helper::AdapterFailed(entry, std::current_exception());
    if constexpr (!std::is_void_v<decltype(body())>) return {};
  }
}

// "cef_load_handler_t.on_load_end" for &_cef_load_handler_t::on_load_end, read at compile time
// from the compiler's name of this instance, so the table names each entry only once.
template <auto Field>
constexpr std::string_view FieldSpelling() {
  constexpr std::string_view pretty = __PRETTY_FUNCTION__;  // "... [with auto Field = &_s::f]"
  static_assert(pretty.find("&_") != std::string_view::npos, "the compiler spells the entry");
  constexpr auto start = pretty.find("&_") + 2;
  return pretty.substr(start, pretty.find_first_of(";]", start) - start);
}
template <auto Field>
inline constexpr auto EntryName = [] {
  constexpr std::string_view spelling = FieldSpelling<Field>();
  std::array<char, spelling.size() + 1> name{};
  for (size_t i = 0, j = 0; i < spelling.size(); ++i, ++j) {
    name[j] = spelling[i] == ':' ? '.' : spelling[i];
    if (spelling[i] == ':') ++i;
  }
  return name;
}();

// ---- Arguments, runtime -> operation: TArg<runtime type, parameter type>. Get() gives what the
// operation takes; Commit(succeeded) writes an in/out string back after a call that did not raise.
// A number, enumeration, handle or record pointer goes as it is.

template <class C, class P>
struct TArg {
  static_assert(std::is_same_v<C, P>, "no conversion rule for this argument");
  C value;
  TArg(C v) : value(v) {}
  C Get() const { return value; }
};

template <>
struct TArg<int, bool> {
  int value;
  TArg(int v) : value(v) {}
  bool Get() const { return value != 0; }
};

// A runtime object: its wrapper adopts the reference the runtime handed with it.
template <class S, class I>
struct TArg<S*, const rtl::TRef<I>&> {
  rtl::TRef<I> value;
  TArg(S* data) : value(CefAdopt<I>(data)) {}
  const rtl::TRef<I>& Get() const { return value; }
};

template <>
struct TArg<const cef_string_t*, const std::wstring&> {
  std::wstring value;
  TArg(const cef_string_t* text) : value(TCef3Helper::CefString(text)) {}
  const std::wstring& Get() const { return value; }
};

template <>
struct TArg<cef_string_list_t, const std::vector<std::wstring>&> {
  std::vector<std::wstring> value;
  TArg(cef_string_list_t list) : value(TCef3Helper::CefStringListRead(list)) {}
  const std::vector<std::wstring>& Get() const { return value; }
};

// An in/out string: copied in; written back (an owned copy) when the operation succeeded.
template <>
struct TArg<cef_string_t*, std::wstring&> {
  cef_string_t* slot;
  std::wstring value;
  TArg(cef_string_t* text) : slot(text), value(TCef3Helper::CefString(text)) {}
  std::wstring& Get() { return value; }
  void Commit(bool succeeded) {
    if (succeeded) TCef3Helper::CefStringSet(slot, value);
  }
};

// An out number: the operation writes straight into the runtime's slot (a spare when null).
template <class T>
struct TArg<T*, T&> {
  T spare{};
  T* slot;
  TArg(T* target) : slot(target ? target : &spare) {}
  T& Get() const { return *slot; }
};

// An in/out object (`S** slot`): the reference the runtime passed in is adopted, and whatever
// the operation left goes back into the slot with one reference for the runtime. On every path,
// also when the operation raised: otherwise the slot would keep an object whose reference the
// adapter has already given up.
template <class S, class I>
struct TArg<S**, rtl::TRef<I>&> {
  S** slot;
  rtl::TRef<I> value;
  TArg(S** target) : slot(target), value(target ? CefAdopt<I>(*target) : nullptr) {}
  ~TArg() {
    if (slot) *slot = CefHandOver<S>(value);
  }
  TArg(const TArg&) = delete;
  TArg& operator=(const TArg&) = delete;
  rtl::TRef<I>& Get() { return value; }
};

// ---- Results, operation -> runtime: TResult<runtime type, operation's type>.

template <class C, class R>
struct TResult {
  static_assert(std::is_same_v<C, R>, "no conversion rule for this result");
  static C Convert(R result) { return result; }
};

template <>
struct TResult<int, bool> {
  static int Convert(bool result) { return result ? 1 : 0; }
};

// An object the runtime keeps: one added reference for it.
template <class S, class I>
struct TResult<S*, rtl::TRef<I>> {
  static S* Convert(const rtl::TRef<I>& result) { return CefHandOver<S>(result); }
};

// ---- The entry

template <class S, class F>
F FieldType(F S::*);

// `Own` is the Own class whose structure it is; the operation may be declared by its interface,
// and a virtual one reaches the subclass's override.
template <auto Field, auto Method, class Own, class Entry = decltype(FieldType(Field)),
          class Operation = decltype(Method)>
struct Adapter;

template <auto Field, auto Method, class Own, class CR, class S, class... C, class T, class R,
          class... P>
struct Adapter<Field, Method, Own, CR(CEF_CALLBACK*)(S*, C...), R (T::*)(P...)> {
  static_assert(sizeof...(C) == sizeof...(P), "the operation takes the entry's arguments");

  static CR CEF_CALLBACK Entry(S* self, C... arguments) {
    return AdapterGuard(EntryName<Field>.data(), [&]() -> CR {
      T* owner = static_cast<Own*>(TCefBaseOwn::OwnerOf(self));
      std::tuple<TArg<C, P>...> args(arguments...);
      const auto call = [&](auto&... a) { return (owner->*Method)(a.Get()...); };
      if constexpr (std::is_void_v<R>) {
        std::apply(call, args);
        Commit(args, true);
      } else {
        R result = std::apply(call, args);
        if constexpr (std::is_same_v<R, bool>) Commit(args, result);
        else Commit(args, true);
        return TResult<CR, R>::Convert(result);
      }
    });
  }

  template <class Args>
  static void Commit(Args& args, bool succeeded) {
    std::apply([&](auto&... a) { (CommitOne(a, succeeded), ...); }, args);
  }
  template <class A>
  static void CommitOne(A& arg, bool succeeded) {
    if constexpr (requires { arg.Commit(succeeded); }) arg.Commit(succeeded);
  }
};

template <auto Field, auto Method, class Own>
void Fill(Own* self) {
  self->Data()->*Field = &Adapter<Field, Method, Own>::Entry;
}

}  // namespace cef3own
