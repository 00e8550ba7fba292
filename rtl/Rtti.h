#pragma once
// Reflection: TValue (a value together with its type description), the descriptions of classes,
// records and interfaces with their methods, properties and fields, and the root object class.
//
// A class publishes its description next to its own code (RttiBuilder.h): it declares
// RTL_CLASSINFO in its body and defines StaticClassInfo() with rtl::DescribeClass. Members are
// described lazily, on the first question about them, so descriptions may refer to each other
// (a class with a property of its own type) without any ordering of registrations.
//
// Thread safety: descriptions are immutable once described and may be read from any thread.
#include <functional>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "rtl/SysUtils.h"
#include "rtl/TypInfo.h"

namespace rtl {

class TObject;
class TVariant;
class TValue;
using TClass = const TClassInfo*;

// A value that does not convert to the asked type.
class EInvalidCast : public Exception { using Exception::Exception; };
// A method, property or field used the wrong way: wrong argument count, no instance, a property
// without getter read.
class EInvocationError : public Exception { using Exception::Exception; };

// ---- TValue

class TValue {
public:
  TValue() noexcept = default;  // empty: no type, no value
  TValue(const TValue& other);
  TValue(TValue&& other) noexcept;
  TValue& operator=(const TValue& other);
  TValue& operator=(TValue&& other) noexcept;
  ~TValue();

  // A copy of the value at data (a default value when data is null), of the given type.
  static TValue Make(const TTypeInfo* type, const void* data = nullptr);
  template <class T>
  static TValue From(const T& v);
  // Integer, char, enumeration, set: v must lie in the type's range (EInvalidCast otherwise).
  static TValue FromOrdinal(const TTypeInfo* type, int64_t v);
  // Float types: single, double, extended, comp, currency, TDateTime.
  static TValue FromFloat(const TTypeInfo* type, long double v);
  // An object reference typed as the object's own class (TObject's for null).
  static TValue FromObject(TObject* obj);
  // An object reference typed as the given class; obj must be null or of that class.
  static TValue FromObject(TObject* obj, TClass declared);
  // A class reference (TClass); typed as the metaclass of the class (of TObject for null).
  static TValue FromClass(TClass cls);

  bool IsEmpty() const { return FType == nullptr; }
  const TTypeInfo* TypeInfo() const { return FType; }
  TTypeKind Kind() const { return FType ? FType->Kind() : TTypeKind::Unknown; }
  const void* GetReferenceToRawData() const { return FType ? Data() : nullptr; }
  void* GetReferenceToRawData() { return FType ? Data() : nullptr; }

  // Exact readers; each raises EInvalidCast when the kind does not fit.
  int64_t AsOrdinal() const;       // integer, char, enumeration, set
  int64_t AsInt64() const;         // ordinals and Int64 (an unsigned one as its bits)
  long double AsExtended() const;  // floats (currency scaled back, TDateTime as its number)
  bool AsBoolean() const;          // enumerations of the Boolean type
  std::wstring AsString() const;   // chars and strings (8-bit from the system code page)
  TObject* AsObject() const;       // object references
  TClass AsClass() const;          // class references
  // The raw pointer an interface value holds (no reference added); null when empty.
  void* AsInterfacePointer() const;

  // Conversion to another type: same type; integer kinds and enumerations among each other
  // within the target's range; integers and floats to floats; chars and strings to strings;
  // objects to their class or an ancestor, or a descendant the object really is; class
  // references likewise; an interface to its own type or an ancestor interface; simple values
  // to and from the variant (empty, null and array variants convert to nothing else).
  bool TryCast(const TTypeInfo* target, TValue& result) const;
  TValue Cast(const TTypeInfo* target) const;  // EInvalidCast on failure

  template <class T>
  T AsType() const {
    return Cast(TypeInfoOf<T>()).template AsRaw<T>();
  }
  template <class T>
  bool TryAsType(T& out) const {
    TValue v;
    if (!TryCast(TypeInfoOf<T>(), v)) return false;
    out = v.template AsRaw<T>();
    return true;
  }
  // The value read as T, without a check or conversion: it must be of T's description. Object
  // references are held as TObject*, so T* of a class is converted from that.
  template <class T>
  decltype(auto) AsRaw() const;

private:
  void* Data() { return FHeap ? FHeap : static_cast<void*>(FInline); }
  const void* Data() const { return FHeap ? FHeap : static_cast<const void*>(FInline); }
  void Reset() noexcept;
  void Allocate(const TTypeInfo* type);

  const TTypeInfo* FType = nullptr;
  void* FHeap = nullptr;  // values that are not trivial or larger than the inline room
  alignas(16) unsigned char FInline[16] = {};
};

// Object references are stored as TObject*; a T* of a described class has other bits when
// TObject is not T's first base, so these convert on the way in and out.
template <class T>
constexpr bool IsObjectPointer =
    std::is_pointer_v<T> && std::is_base_of_v<TObject, std::remove_cv_t<std::remove_pointer_t<T>>>;

template <class T>
TValue TValue::From(const T& v) {
  if constexpr (IsObjectPointer<T>) {
    TObject* obj = const_cast<TObject*>(static_cast<const TObject*>(v));
    return Make(TypeInfoOf<T>(), &obj);
  } else {
    return Make(TypeInfoOf<T>(), &v);
  }
}

template <class T>
decltype(auto) TValue::AsRaw() const {
  if constexpr (IsObjectPointer<T>) return static_cast<T>(*static_cast<TObject* const*>(GetReferenceToRawData()));
  else return static_cast<const T&>(*static_cast<const T*>(GetReferenceToRawData()));
}

// How a field's storage is read into a value and written from one (already of the field's type).
struct TFieldAccess {
  TValue (*Read)(const TTypeInfo* type, const void* address);
  void (*Write)(const TTypeInfo* type, void* address, const TValue& value);
};
// Plain copies through the type's operations.
const TFieldAccess& RawFieldAccess();
template <class V>
const TFieldAccess& FieldAccessOf() {
  if constexpr (IsObjectPointer<V>) {
    static constexpr TFieldAccess access{
        [](const TTypeInfo*, const void* address) { return TValue::From(*static_cast<const V*>(address)); },
        [](const TTypeInfo*, void* address, const TValue& v) { *static_cast<V*>(address) = v.template AsRaw<V>(); }};
    return access;
  } else {
    return RawFieldAccess();
  }
}

// ---- members

enum class TMemberVisibility : uint8_t { Private, Protected, Public, Published };
// A set of visibilities, for filtering member lists.
using TVisibilitySet = uint8_t;
constexpr TVisibilitySet VisibilityBit(TMemberVisibility v) { return TVisibilitySet(1u << unsigned(v)); }
constexpr TVisibilitySet AllVisibilities = 0x0F;
constexpr TVisibilitySet PublicAndPublished =
    VisibilityBit(TMemberVisibility::Public) | VisibilityBit(TMemberVisibility::Published);

enum class TMethodKind : uint8_t {
  Procedure, Function, Constructor, Destructor, ClassProcedure, ClassFunction, ClassConstructor,
  ClassDestructor, OperatorOverload,
};

struct TParamInfo {
  std::wstring Name;
  const TTypeInfo* Type;
};

// The receiver of a call: the instance (an object-reference value), the class (a class-reference
// value) or the interface (an interface value). Arguments arrive cast to the parameter types.
using TMethodInvoker = std::function<TValue(const TValue& self, std::span<const TValue> args)>;

class TMethodInfo {
public:
  TMethodInfo(const TTypeInfo* parent, std::wstring name, TMemberVisibility visibility, TMethodKind kind,
              std::vector<TParamInfo> params, const TTypeInfo* returnType, TMethodInvoker invoker);

  const std::wstring& Name() const { return FName; }
  TMemberVisibility Visibility() const { return FVisibility; }
  TMethodKind MethodKind() const { return FKind; }
  const std::vector<TParamInfo>& Parameters() const { return FParams; }  // the implicit Self not counted
  const TTypeInfo* ReturnType() const { return FReturnType; }  // null for procedures
  const TTypeInfo* Parent() const { return FParent; }           // the declaring class or interface
  bool IsClassMethod() const;  // class procedure or class function
  bool HasResult() const { return FReturnType != nullptr; }

  // Checks the argument count (EInvocationError), casts each argument to its parameter's type
  // (EInvalidCast), checks the receiver and calls. An instance method needs an object of the
  // declaring class or a descendant; a class method takes a class reference or an instance (its
  // class is used). Errors of the method itself pass through. Returns the result, or an empty
  // value for a procedure.
  TValue Invoke(const TValue& self, std::span<const TValue> args) const;
  TValue Invoke(const TValue& self, std::initializer_list<TValue> args) const {
    return Invoke(self, std::span<const TValue>(args.begin(), args.size()));
  }

private:
  const TTypeInfo* FParent;
  std::wstring FName;
  TMemberVisibility FVisibility;
  TMethodKind FKind;
  std::vector<TParamInfo> FParams;
  const TTypeInfo* FReturnType;
  TMethodInvoker FInvoker;
};

class TPropertyInfo {
public:
  using TGetter = std::function<TValue(TObject* instance)>;
  using TSetter = std::function<void(TObject* instance, const TValue& value)>;
  TPropertyInfo(TClass parent, std::wstring name, TMemberVisibility visibility, const TTypeInfo* type,
                TGetter getter, TSetter setter);

  const std::wstring& Name() const { return FName; }
  TMemberVisibility Visibility() const { return FVisibility; }
  const TTypeInfo* PropertyType() const { return FType; }
  TClass Parent() const { return FParent; }
  bool IsReadable() const { return bool(FGetter); }
  bool IsWritable() const { return bool(FSetter); }
  // instance must be of the declaring class or a descendant (EInvocationError otherwise, also for
  // a missing getter or setter); SetValue casts the value to the property type (EInvalidCast).
  TValue GetValue(TObject* instance) const;
  void SetValue(TObject* instance, const TValue& value) const;

private:
  TClass FParent;
  std::wstring FName;
  TMemberVisibility FVisibility;
  const TTypeInfo* FType;
  TGetter FGetter;
  TSetter FSetter;
};

// A field of a class; always readable and writable.
class TFieldInfo {
public:
  using TAddress = std::function<void*(TObject* instance)>;
  TFieldInfo(TClass parent, std::wstring name, TMemberVisibility visibility, const TTypeInfo* type, TAddress address,
             const TFieldAccess& access = RawFieldAccess());

  const std::wstring& Name() const { return FName; }
  TMemberVisibility Visibility() const { return FVisibility; }
  const TTypeInfo* FieldType() const { return FType; }
  TClass Parent() const { return FParent; }
  void* Address(TObject* instance) const;  // checks the instance like TPropertyInfo
  TValue GetValue(TObject* instance) const;
  void SetValue(TObject* instance, const TValue& value) const;

private:
  TClass FParent;
  std::wstring FName;
  TMemberVisibility FVisibility;
  const TTypeInfo* FType;
  TAddress FAddress;
  const TFieldAccess& FAccess;
};

// ---- classes

class TClassBuilderBase;

class TClassInfo : public TTypeInfo {
public:
  using TDescribe = std::function<void(TClassBuilderBase& builder)>;
  TClassInfo(std::wstring name, std::wstring unitName, const TTypeOps& instanceOps, size_t instanceSize,
             TClass parent, TDescribe describe);

  TClass Parent() const { return FParent; }
  const std::wstring& UnitName() const { return FUnitName; }
  size_t InstanceSize() const { return FInstanceSize; }
  bool InheritsFrom(TClass ancestor) const;  // true for itself
  const TClassRefTypeInfo* ClassRefType() const { return FClassRef; }

  // Members of this class only, in declaration order.
  const std::vector<std::unique_ptr<TMethodInfo>>& DeclaredMethods() const;
  const std::vector<std::unique_ptr<TPropertyInfo>>& DeclaredProperties() const;
  const std::vector<std::unique_ptr<TFieldInfo>>& DeclaredFields() const;

  // Inherited members included: this class's first, then its parent's and so on. A member is
  // hidden by one of the same name declared in a descendant (the descendant's is listed).
  std::vector<const TMethodInfo*> GetMethods(TVisibilitySet filter = AllVisibilities) const;
  std::vector<const TPropertyInfo*> GetProperties(TVisibilitySet filter = AllVisibilities) const;
  std::vector<const TFieldInfo*> GetFields(TVisibilitySet filter = AllVisibilities) const;
  // Class procedures and class functions only.
  std::vector<const TMethodInfo*> GetClassMethods(TVisibilitySet filter = AllVisibilities) const;
  // Lookup by exact name, most derived first; null when there is none within the filter.
  const TMethodInfo* GetMethod(std::wstring_view name, TVisibilitySet filter = AllVisibilities) const;
  const TPropertyInfo* GetProperty(std::wstring_view name, TVisibilitySet filter = AllVisibilities) const;
  const TFieldInfo* GetField(std::wstring_view name, TVisibilitySet filter = AllVisibilities) const;

private:
  friend class TClassBuilderBase;
  template <class T, class TParent, class F>
  friend TClass DescribeClass(std::wstring name, std::wstring unitName, F describe);
  void EnsureDescribed() const;

  std::wstring FUnitName;
  size_t FInstanceSize;
  TClass FParent;
  const TClassRefTypeInfo* FClassRef = nullptr;
  TDescribe FDescribe;
  mutable std::once_flag FDescribed;
  mutable std::vector<std::unique_ptr<TMethodInfo>> FMethods;
  mutable std::vector<std::unique_ptr<TPropertyInfo>> FProperties;
  mutable std::vector<std::unique_ptr<TFieldInfo>> FFields;
};

// The type of a class reference ("class of X"): values are TClass, X or a descendant.
class TClassRefTypeInfo : public TTypeInfo {
public:
  TClassRefTypeInfo(std::wstring name, TClass instanceType);
  TClass InstanceType() const { return FInstanceType; }

private:
  TClass FInstanceType;
};

// ---- records

class TRecordFieldInfo {
public:
  using TAddress = std::function<void*(void* record)>;
  TRecordFieldInfo(std::wstring name, const TTypeInfo* type, TAddress address,
                   const TFieldAccess& access = RawFieldAccess());
  const std::wstring& Name() const { return FName; }
  const TTypeInfo* FieldType() const { return FType; }
  void* Address(void* record) const { return FAddress(record); }
  const void* Address(const void* record) const { return FAddress(const_cast<void*>(record)); }
  TValue GetValue(const void* record) const;
  void SetValue(void* record, const TValue& value) const;  // casts (EInvalidCast)

private:
  std::wstring FName;
  const TTypeInfo* FType;
  TAddress FAddress;
  const TFieldAccess* FAccess;  // a pointer, so fields stay copyable
};

class TRecordTypeInfo : public TTypeInfo {
public:
  TRecordTypeInfo(std::wstring name, const TTypeOps& ops, std::vector<TRecordFieldInfo> fields);
  const std::vector<TRecordFieldInfo>& Fields() const { return FFields; }
  const TRecordFieldInfo* GetField(std::wstring_view name) const;

private:
  std::vector<TRecordFieldInfo> FFields;
};

// ---- interfaces

// An interface type; its values are counted references (the C++ type chosen at registration,
// e.g. TRef<I>), so the description says how to get at the raw pointer and how to view it as
// the parent interface.
class TInterfaceTypeInfo : public TTypeInfo {
public:
  using TGetPointer = void* (*)(const void* value);
  using TSetPointer = void (*)(void* value, void* pointer);  // adds a reference
  using TUpcast = void* (*)(void* pointer);                 // this interface's pointer as its parent's
  TInterfaceTypeInfo(std::wstring name, const TTypeOps& ops, const TInterfaceTypeInfo* parent, TGetPointer get,
                     TSetPointer set, TUpcast upcast);

  const TInterfaceTypeInfo* Parent() const { return FParent; }
  bool InheritsFrom(const TInterfaceTypeInfo* ancestor) const;  // true for itself
  void* GetPointer(const void* value) const { return FGet(value); }
  // A value of this type holding pointer (which must be of this interface; null allowed).
  TValue FromPointer(void* pointer) const;
  // The pointer a value of this interface or a descendant holds, as a pointer of this interface;
  // null when the value is empty or of another interface.
  void* PointerOf(const TValue& value) const;

  // Methods of this interface and its ancestors, its own first.
  std::vector<const TMethodInfo*> GetMethods() const;
  const TMethodInfo* GetMethod(std::wstring_view name) const;
  void AddMethod(std::unique_ptr<TMethodInfo> method);  // while registering only

private:
  const TInterfaceTypeInfo* FParent;
  TGetPointer FGet;
  TSetPointer FSet;
  TUpcast FUpcast;
  std::vector<std::unique_ptr<TMethodInfo>> FMethods;
};

// ---- the root object class

// Root of the described classes. Derive from it (singly) and declare RTL_CLASSINFO to give a
// class its own description; a class without one is described as its nearest described ancestor.
class TObject {
public:
  virtual ~TObject();
  static TClass StaticClassInfo();
  virtual TClass ClassType() const { return StaticClassInfo(); }
  std::wstring ClassName() const;
  bool InheritsFrom(TClass ancestor) const;
  virtual std::wstring ToString() const;  // the class name unless overridden
};

#define RTL_CLASSINFO                                                  \
public:                                                                \
  static ::rtl::TClass StaticClassInfo();                              \
  ::rtl::TClass ClassType() const override { return StaticClassInfo(); }

// Object references: T* for T deriving from TObject maps to T's description.
template <class T>
struct TTypeInfoOf<T*, std::enable_if_t<std::is_base_of_v<TObject, T>>> {
  static const TTypeInfo* Get() { return T::StaticClassInfo(); }
};
// Class references: TClass maps to the metaclass of TObject.
template <>
struct TTypeInfoOf<TClass, void> {
  static const TTypeInfo* Get();
};
// The variant; its description is made where TVariant is complete.
template <>
struct TTypeInfoOf<TVariant, void> {
  static const TTypeInfo* Get();
};

// ---- lookup

// The place descriptions are looked up from; all contexts see the same process-wide registry.
class TRttiContext {
public:
  const TTypeInfo* FindType(std::wstring_view name) const { return RegisteredTypeByName(name); }
  const TClassInfo* FindClass(std::wstring_view name) const;
  const TTypeInfo* TypeById(uint32_t id) const { return RegisteredTypeById(id); }
  std::vector<const TTypeInfo*> GetTypes() const { return RegisteredTypes(); }
};

}  // namespace rtl
