#pragma once
// Writing descriptions next to the described code.
//
//   // in the class body:            RTL_CLASSINFO
//   // in the class's source file:
//   rtl::TClass TShape::StaticClassInfo() {
//     static const rtl::TClass info = rtl::DescribeClass<TShape, rtl::TObject>(L"TShape", L"Shapes",
//       [](rtl::TClassBuilder<TShape>& c) {
//         c.Visibility(rtl::TMemberVisibility::Private).Field(L"FWidth", &TShape::FWidth);
//         c.Visibility(rtl::TMemberVisibility::Public)
//             .Method(L"Area", &TShape::Area)
//             .Method(L"Resize", &TShape::Resize, {L"w", L"h"})
//             .ClassMethod(L"Count", &TShape::Count)
//             .Property(L"Width", &TShape::GetWidth, &TShape::SetWidth);
//       });
//     return info;
//   }
//
// Visibility() works like a section label: it applies to the members that follow (the default is
// public). A static function whose first parameter is TClass receives the class it is called on.
// Records: MakeRecordType<T>(name).Field(...).Build(); interfaces: TInterfaceBuilder.
#include <type_traits>
#include <utility>

#include "rtl/Rtti.h"

namespace rtl {

namespace rtti_detail {

template <class A>
constexpr bool IsInParam = !std::is_lvalue_reference_v<A> || std::is_const_v<std::remove_reference_t<A>>;

template <class... A>
std::vector<TParamInfo> Params(std::vector<std::wstring> names) {
  static_assert((IsInParam<A> && ...), "parameters are passed by value or const reference");
  if (names.size() > sizeof...(A)) throw EArgumentError(L"more parameter names than parameters");
  std::vector<TParamInfo> params{TParamInfo{std::wstring(), TypeInfoOf<A>()}...};
  for (size_t i = 0; i < params.size(); ++i)
    params[i].Name = i < names.size() ? std::move(names[i]) : L"A" + std::to_wstring(i + 1);
  return params;
}

template <class R>
const TTypeInfo* ResultType() {
  if constexpr (std::is_void_v<R>) return nullptr;
  else return TypeInfoOf<R>();
}

// Arguments reach an invoker already cast to the parameter types, so they are read in place.
template <class R, class... A>
struct TCall {
  template <class F, size_t... I>
  static TValue Do(F&& f, std::span<const TValue> args, std::index_sequence<I...>) {
    if constexpr (std::is_void_v<R>) {
      f(args[I].template AsRaw<std::remove_cvref_t<A>>()...);
      return TValue();
    } else {
      return TValue::From<std::remove_cvref_t<R>>(
          f(args[I].template AsRaw<std::remove_cvref_t<A>>()...));
    }
  }
  template <class F>
  static TValue Do(F&& f, std::span<const TValue> args) {
    return Do(std::forward<F>(f), args, std::index_sequence_for<A...>{});
  }
};

template <class T>
T* Instance(const TValue& self) {
  TObject* obj = self.AsObject();
  if (!obj) throw EInvocationError(L"method called without an instance");
  return static_cast<T*>(obj);
}

template <class T>
TClass ClassOf(const TValue& self) {
  if (self.Kind() == TTypeKind::ClassRef) return self.AsClass() ? self.AsClass() : T::StaticClassInfo();
  TObject* obj = self.AsObject();
  return obj ? obj->ClassType() : T::StaticClassInfo();
}

}  // namespace rtti_detail

// Adds members to a class description; used inside the describe function.
class TClassBuilderBase {
public:
  explicit TClassBuilderBase(TClassInfo& cls) : FClass(cls) {}
  TClass Class() const { return &FClass; }
  TMemberVisibility CurrentVisibility() const { return FVisibility; }
  void SetVisibility(TMemberVisibility v) { FVisibility = v; }
  void AddMethod(std::wstring name, TMethodKind kind, std::vector<TParamInfo> params, const TTypeInfo* result,
                 TMethodInvoker invoker);
  void AddProperty(std::wstring name, const TTypeInfo* type, TPropertyInfo::TGetter getter,
                   TPropertyInfo::TSetter setter);
  void AddField(std::wstring name, const TTypeInfo* type, TFieldInfo::TAddress address,
                const TFieldAccess& access = RawFieldAccess());

private:
  TClassInfo& FClass;
  TMemberVisibility FVisibility = TMemberVisibility::Public;
};

template <class T>
class TClassBuilder {
public:
  explicit TClassBuilder(TClassBuilderBase& base) : FBase(base) {}
  TClassBuilderBase& Base() { return FBase; }

  TClassBuilder& Visibility(TMemberVisibility v) {
    FBase.SetVisibility(v);
    return *this;
  }

  // Instance procedures and functions.
  template <class R, class C, class... A>
  TClassBuilder& Method(std::wstring name, R (C::*m)(A...), std::vector<std::wstring> names = {}) {
    static_assert(std::is_base_of_v<C, T>);
    AddInstanceMethod<R, A...>(std::move(name), std::move(names), [m](T* obj, auto&&... a) { return (obj->*m)(a...); });
    return *this;
  }
  template <class R, class C, class... A>
  TClassBuilder& Method(std::wstring name, R (C::*m)(A...) const, std::vector<std::wstring> names = {}) {
    static_assert(std::is_base_of_v<C, T>);
    AddInstanceMethod<R, A...>(std::move(name), std::move(names), [m](T* obj, auto&&... a) { return (obj->*m)(a...); });
    return *this;
  }

  // Class procedures and functions: static functions, given the class when they ask for it.
  template <class R, class... A>
  TClassBuilder& ClassMethod(std::wstring name, R (*f)(TClass, A...), std::vector<std::wstring> names = {}) {
    FBase.AddMethod(std::move(name), std::is_void_v<R> ? TMethodKind::ClassProcedure : TMethodKind::ClassFunction,
                    rtti_detail::Params<A...>(std::move(names)), rtti_detail::ResultType<R>(),
                    [f](const TValue& self, std::span<const TValue> args) {
                      const TClass cls = rtti_detail::ClassOf<T>(self);
                      return rtti_detail::TCall<R, A...>::Do([&](auto&&... a) { return f(cls, a...); }, args);
                    });
    return *this;
  }
  template <class R, class... A>
  TClassBuilder& ClassMethod(std::wstring name, R (*f)(A...), std::vector<std::wstring> names = {}) {
    FBase.AddMethod(std::move(name), std::is_void_v<R> ? TMethodKind::ClassProcedure : TMethodKind::ClassFunction,
                    rtti_detail::Params<A...>(std::move(names)), rtti_detail::ResultType<R>(),
                    [f](const TValue&, std::span<const TValue> args) {
                      return rtti_detail::TCall<R, A...>::Do([&](auto&&... a) { return f(a...); }, args);
                    });
    return *this;
  }

  // Any other kind (constructors, destructors ...) with a hand-written invoker.
  TClassBuilder& CustomMethod(std::wstring name, TMethodKind kind, std::vector<TParamInfo> params,
                              const TTypeInfo* result, TMethodInvoker invoker) {
    FBase.AddMethod(std::move(name), kind, std::move(params), result, std::move(invoker));
    return *this;
  }

  // A property read and written straight through a field.
  template <class V, class C>
    requires(!std::is_function_v<V>)
  TClassBuilder& Property(std::wstring name, V C::*field) {
    static_assert(std::is_base_of_v<C, T>);
    FBase.AddProperty(
        std::move(name), TypeInfoOf<V>(),
        [field](TObject* obj) { return TValue::From<V>(static_cast<T*>(obj)->*field); },
        [field](TObject* obj, const TValue& v) { static_cast<T*>(obj)->*field = v.template AsRaw<V>(); });
    return *this;
  }
  // Read-only, through a getter.
  template <class R, class C>
  TClassBuilder& Property(std::wstring name, R (C::*getter)() const) {
    static_assert(std::is_base_of_v<C, T>);
    FBase.AddProperty(std::move(name), TypeInfoOf<R>(), Getter(getter), nullptr);
    return *this;
  }
  // Read-write, through a getter and a setter of the same type.
  template <class R, class C, class A, class C2>
  TClassBuilder& Property(std::wstring name, R (C::*getter)() const, void (C2::*setter)(A)) {
    static_assert(std::is_base_of_v<C, T> && std::is_base_of_v<C2, T>);
    static_assert(std::is_same_v<std::remove_cvref_t<R>, std::remove_cvref_t<A>>, "getter and setter types differ");
    FBase.AddProperty(std::move(name), TypeInfoOf<R>(), Getter(getter), Setter(setter));
    return *this;
  }
  // Write-only, through a setter.
  template <class A, class C2>
  TClassBuilder& Property(std::wstring name, std::nullptr_t, void (C2::*setter)(A)) {
    static_assert(std::is_base_of_v<C2, T>);
    FBase.AddProperty(std::move(name), TypeInfoOf<A>(), nullptr, Setter(setter));
    return *this;
  }

  template <class V, class C>
    requires(!std::is_function_v<V>)
  TClassBuilder& Field(std::wstring name, V C::*field) {
    static_assert(std::is_base_of_v<C, T>);
    FBase.AddField(
        std::move(name), TypeInfoOf<V>(), [field](TObject* obj) -> void* { return &(static_cast<T*>(obj)->*field); },
        FieldAccessOf<V>());
    return *this;
  }
  // With an explicit description of the same storage (a subrange, the wide-string kind ...).
  template <class V, class C>
    requires(!std::is_function_v<V>)
  TClassBuilder& Field(std::wstring name, V C::*field, const TTypeInfo* type) {
    static_assert(std::is_base_of_v<C, T> && !IsObjectPointer<V>);
    if (type->Ops().Size != sizeof(V)) throw EArgumentError(L"field type does not match its storage");
    FBase.AddField(std::move(name), type, [field](TObject* obj) -> void* { return &(static_cast<T*>(obj)->*field); });
    return *this;
  }

private:
  template <class R, class... A, class F>
  void AddInstanceMethod(std::wstring name, std::vector<std::wstring> names, F call) {
    FBase.AddMethod(std::move(name), std::is_void_v<R> ? TMethodKind::Procedure : TMethodKind::Function,
                    rtti_detail::Params<A...>(std::move(names)), rtti_detail::ResultType<R>(),
                    [call](const TValue& self, std::span<const TValue> args) {
                      T* obj = rtti_detail::Instance<T>(self);
                      return rtti_detail::TCall<R, A...>::Do([&](auto&&... a) { return call(obj, a...); }, args);
                    });
  }
  template <class R, class C>
  static TPropertyInfo::TGetter Getter(R (C::*getter)() const) {
    return [getter](TObject* obj) { return TValue::From<std::remove_cvref_t<R>>((static_cast<T*>(obj)->*getter)()); };
  }
  template <class A, class C>
  static TPropertyInfo::TSetter Setter(void (C::*setter)(A)) {
    return [setter](TObject* obj, const TValue& v) {
      (static_cast<T*>(obj)->*setter)(v.template AsRaw<std::remove_cvref_t<A>>());
    };
  }

  TClassBuilderBase& FBase;
};

// Creates the description of T (deriving from TParent) whose members describe(TClassBuilder<T>&)
// adds on first use. Call it once, from T::StaticClassInfo().
template <class T, class TParent, class F>
TClass DescribeClass(std::wstring name, std::wstring unitName, F describe) {
  static_assert(std::is_base_of_v<TParent, T> && std::is_base_of_v<TObject, T>);
  TClass parent = nullptr;
  if constexpr (!std::is_same_v<T, TParent>) parent = TParent::StaticClassInfo();
  auto info = std::make_unique<TClassInfo>(std::move(name), std::move(unitName), TypeOpsOf<TObject*>(), sizeof(T), parent,
                                           [describe](TClassBuilderBase& base) {
                                             TClassBuilder<T> builder(base);
                                             describe(builder);
                                           });
  TClassInfo* raw = info.get();
  RegisterType(std::move(info));
  raw->FClassRef = RegisterTypeAs(std::make_unique<TClassRefTypeInfo>(L"class of " + raw->Name(), raw));
  return raw;
}

// Records.
template <class R>
class TRecordBuilder {
public:
  explicit TRecordBuilder(std::wstring name) : FName(std::move(name)) {}
  template <class V>
  TRecordBuilder& Field(std::wstring name, V R::*field) {
    FFields.emplace_back(std::move(name), TypeInfoOf<V>(),
                         [field](void* rec) -> void* { return &(static_cast<R*>(rec)->*field); }, FieldAccessOf<V>());
    return *this;
  }
  // With an explicit description of the same storage (a subrange, the wide-string kind ...).
  template <class V>
  TRecordBuilder& Field(std::wstring name, V R::*field, const TTypeInfo* type) {
    static_assert(!IsObjectPointer<V>);
    if (type->Ops().Size != sizeof(V)) throw EArgumentError(L"field type does not match its storage");
    FFields.emplace_back(std::move(name), type, [field](void* rec) -> void* { return &(static_cast<R*>(rec)->*field); });
    return *this;
  }
  const TRecordTypeInfo* Build() {
    return RegisterTypeAs(std::make_unique<TRecordTypeInfo>(std::move(FName), TypeOpsOf<R>(), std::move(FFields)));
  }

private:
  std::wstring FName;
  std::vector<TRecordFieldInfo> FFields;
};

template <class R>
TRecordBuilder<R> MakeRecordType(std::wstring name) {
  return TRecordBuilder<R>(std::move(name));
}

// Interfaces: I is the interface class, TRef the counted reference that values of the type are
// (TRef<I>: constructible from I*, adding a reference, with Get()), IParent the C++ interface of
// the parent description (void for none).
template <class I, class TRef, class IParent = void>
class TInterfaceBuilder {
public:
  explicit TInterfaceBuilder(std::wstring name, const TInterfaceTypeInfo* parent = nullptr) {
    static_assert(std::is_void_v<IParent> || std::is_base_of_v<IParent, I>);
    if (bool(parent) == std::is_void_v<IParent>) throw EArgumentError(L"an interface's parent needs its C++ type");
    TInterfaceTypeInfo::TUpcast upcast = nullptr;
    if constexpr (!std::is_void_v<IParent>)
      upcast = [](void* p) -> void* { return static_cast<IParent*>(static_cast<I*>(p)); };
    FInfo = std::make_unique<TInterfaceTypeInfo>(
        std::move(name), TypeOpsOf<TRef>(), parent,
        [](const void* value) -> void* { return static_cast<const TRef*>(value)->Get(); },
        [](void* value, void* pointer) { *static_cast<TRef*>(value) = TRef(static_cast<I*>(pointer)); }, upcast);
  }
  template <class R, class C, class... A>
  TInterfaceBuilder& Method(std::wstring name, R (C::*m)(A...), std::vector<std::wstring> names = {}) {
    return Add<R, A...>(std::move(name), std::move(names), [m](I* p, auto&&... a) { return (p->*m)(a...); });
  }
  template <class R, class C, class... A>
  TInterfaceBuilder& Method(std::wstring name, R (C::*m)(A...) const, std::vector<std::wstring> names = {}) {
    return Add<R, A...>(std::move(name), std::move(names), [m](I* p, auto&&... a) { return (p->*m)(a...); });
  }
  const TInterfaceTypeInfo* Build() { return RegisterTypeAs(std::move(FInfo)); }

private:
  template <class R, class... A, class F>
  TInterfaceBuilder& Add(std::wstring name, std::vector<std::wstring> names, F call) {
    FInfo->AddMethod(std::make_unique<TMethodInfo>(
        FInfo.get(), std::move(name), TMemberVisibility::Public,
        std::is_void_v<R> ? TMethodKind::Procedure : TMethodKind::Function, rtti_detail::Params<A...>(std::move(names)),
        rtti_detail::ResultType<R>(), [call, info = FInfo.get()](const TValue& self, std::span<const TValue> args) {
          I* p = static_cast<I*>(info->PointerOf(self));
          if (!p) throw EInvocationError(L"method called on a nil interface");
          return rtti_detail::TCall<R, A...>::Do([&](auto&&... a) { return call(p, a...); }, args);
        }));
    return *this;
  }
  std::unique_ptr<TInterfaceTypeInfo> FInfo;
};

}  // namespace rtl
