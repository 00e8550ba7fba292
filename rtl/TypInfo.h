#pragma once
// Type descriptions: what a value of a native type is (its kind, range, width, precision) and
// how to hold one in raw memory. Structured types (classes, records, interfaces) and TValue live
// in Rtti.h; this unit holds the simple kinds and the mapping from C++ types to descriptions.
//
// Every description is created once, owned by the process-wide type registry and never freed,
// so a `const TTypeInfo*` stays valid until the process ends and identity compares by pointer.
// Each also gets a small id (1, 2, ...) that fits a 32-bit slot (see TRttiContext::TypeById).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace rtl {

enum class TTypeKind : uint8_t {
  Unknown,
  Integer,        // 1, 2 or 4 bytes, with a declared minimum and maximum
  Char,           // 8-bit character
  WChar,          // UTF-16 code unit
  Enumeration,    // named ordinals; Boolean is one (BooleanType())
  Float,          // single, double, extended, comp, currency; TDateTime is a double
  Set,            // bit set stored in 1, 2 or 4 bytes
  AnsiString,     // 8-bit string in the system code page (std::string)
  WideString,     // wide string (std::wstring)
  UnicodeString,  // UTF-16 string (std::wstring)
  Int64,          // signed or unsigned 64-bit integer
  ClassRef,       // a class (TClass)
  Class,          // an object reference (TObject*)
  Interface,      // a counted interface
  Record,         // a struct with described fields
  Variant,        // TVariant
  Pointer,        // an untyped address; no conversion accepts it
};

// Storage of an ordinal: width and signedness.
enum class TOrdType : uint8_t { SByte, UByte, SWord, UWord, SLong, ULong };
enum class TFloatType : uint8_t { Single, Double, Extended, Comp, Currency };

int OrdTypeWidth(TOrdType t);
bool OrdTypeSigned(TOrdType t);

// Value types with a kind of their own but no C++ built-in to stand for them.
struct TDateTime {  // days since 1899-12-30, fraction = time of day
  double Value = 0;
  friend bool operator==(TDateTime, TDateTime) = default;
};
struct TCurrency {  // fixed point, four decimals: Scaled = value * 10,000
  int64_t Scaled = 0;
  friend bool operator==(TCurrency, TCurrency) = default;
};
struct TComp {  // a whole number carried as floating point
  int64_t Value = 0;
  friend bool operator==(TComp, TComp) = default;
};

// How to construct, copy and destroy a value of a type in raw memory.
struct TTypeOps {
  size_t Size;
  size_t Align;
  bool Trivial;                              // memcpy copies it, nothing to destroy
  void (*Construct)(void* dst);              // default value
  void (*CopyConstruct)(void* dst, const void* src);
  void (*Assign)(void* dst, const void* src);
  void (*Destroy)(void* p);
};

template <class T>
const TTypeOps& TypeOpsOf() {
  static_assert(alignof(T) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__, "over-aligned value type");
  static constexpr TTypeOps ops{
      sizeof(T),
      alignof(T),
      std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>,
      [](void* dst) { ::new (dst) T(); },
      [](void* dst, const void* src) { ::new (dst) T(*static_cast<const T*>(src)); },
      [](void* dst, const void* src) { *static_cast<T*>(dst) = *static_cast<const T*>(src); },
      [](void* p) { static_cast<T*>(p)->~T(); },
  };
  return ops;
}

class TOrdinalTypeInfo;
class TEnumTypeInfo;
class TSetTypeInfo;
class TFloatTypeInfo;
class TInt64TypeInfo;
class TClassInfo;
class TClassRefTypeInfo;
class TRecordTypeInfo;
class TInterfaceTypeInfo;

class TTypeInfo {
public:
  TTypeInfo(TTypeKind kind, std::wstring name, const TTypeOps& ops);
  TTypeInfo(const TTypeInfo&) = delete;
  TTypeInfo& operator=(const TTypeInfo&) = delete;
  virtual ~TTypeInfo();

  TTypeKind Kind() const { return FKind; }
  const std::wstring& Name() const { return FName; }
  const TTypeOps& Ops() const { return FOps; }
  uint32_t Id() const { return FId; }

  bool IsOrdinal() const;  // Integer, Char, WChar, Enumeration, Set
  bool IsString() const;   // AnsiString, WideString, UnicodeString

  // Checked downcasts: null when the kind does not match.
  const TOrdinalTypeInfo* AsOrdinal() const;
  const TEnumTypeInfo* AsEnum() const;
  const TSetTypeInfo* AsSet() const;
  const TFloatTypeInfo* AsFloat() const;
  const TInt64TypeInfo* AsInt64() const;
  const TClassInfo* AsClass() const;
  const TClassRefTypeInfo* AsClassRef() const;
  const TRecordTypeInfo* AsRecord() const;
  const TInterfaceTypeInfo* AsInterface() const;

private:
  friend const TTypeInfo* RegisterType(std::unique_ptr<TTypeInfo> type);
  TTypeKind FKind;
  std::wstring FName;
  const TTypeOps& FOps;
  uint32_t FId = 0;
};

// Hands a new description to the registry, which owns it from then on and numbers it.
const TTypeInfo* RegisterType(std::unique_ptr<TTypeInfo> type);
template <class T>
const T* RegisterTypeAs(std::unique_ptr<T> type) {
  return static_cast<const T*>(RegisterType(std::move(type)));
}
// Lookups in the registry (TRttiContext wraps them): by id, by exact name (the latest
// description of that name), and a snapshot of all.
const TTypeInfo* RegisteredTypeById(uint32_t id);
const TTypeInfo* RegisteredTypeByName(std::wstring_view name);
std::vector<const TTypeInfo*> RegisteredTypes();

// Integer, Char, WChar, Enumeration and Set: a whole number stored in 1, 2 or 4 bytes.
class TOrdinalTypeInfo : public TTypeInfo {
public:
  TOrdinalTypeInfo(TTypeKind kind, std::wstring name, const TTypeOps& ops, TOrdType ordType,
                   int64_t minValue, int64_t maxValue);
  TOrdType OrdType() const { return FOrdType; }
  int Width() const { return OrdTypeWidth(FOrdType); }
  int64_t MinValue() const { return FMin; }
  int64_t MaxValue() const { return FMax; }
  bool InRange(int64_t v) const { return v >= FMin && v <= FMax; }
  int64_t ReadOrdinal(const void* p) const;
  void WriteOrdinal(void* p, int64_t v) const;  // stores the low Width() bytes

private:
  TOrdType FOrdType;
  int64_t FMin, FMax;
};

class TEnumTypeInfo : public TOrdinalTypeInfo {
public:
  TEnumTypeInfo(std::wstring name, const TTypeOps& ops, TOrdType ordType, std::vector<std::wstring> names);
  const std::vector<std::wstring>& Names() const { return FNames; }
  std::wstring NameOf(int64_t v) const;           // empty when out of range
  int64_t ValueOf(std::wstring_view name) const;  // -1 when unknown (case-insensitive)
  bool IsBoolean() const;

private:
  std::vector<std::wstring> FNames;
};

class TSetTypeInfo : public TOrdinalTypeInfo {
public:
  TSetTypeInfo(std::wstring name, const TTypeOps& ops, TOrdType ordType, const TTypeInfo* elementType);
  const TTypeInfo* ElementType() const { return FElement; }

private:
  const TTypeInfo* FElement;
};

class TFloatTypeInfo : public TTypeInfo {
public:
  TFloatTypeInfo(std::wstring name, const TTypeOps& ops, TFloatType floatType);
  TFloatType FloatType() const { return FFloatType; }
  long double ReadFloat(const void* p) const;
  // Comp rounds to a whole number, Currency multiplies by 10,000 and rounds. False when the
  // value does not fit the type (NaN or out of range for comp and currency).
  bool WriteFloat(void* p, long double v) const;

private:
  TFloatType FFloatType;
};

class TInt64TypeInfo : public TTypeInfo {
public:
  TInt64TypeInfo(std::wstring name, const TTypeOps& ops, bool isUnsigned);
  bool IsUnsigned() const { return FUnsigned; }

private:
  bool FUnsigned;
};

// C++ type -> description. Specialise TTypeInfoOf<T> with `static const TTypeInfo* Get();` for
// a type of your own (enumerations, sets, records); classes deriving from TObject map through
// their StaticClassInfo() (Rtti.h).
template <class T, class Enable = void>
struct TTypeInfoOf;

template <class T>
const TTypeInfo* TypeInfoOf() {
  return TTypeInfoOf<std::remove_cvref_t<T>>::Get();
}

#define RTL_BUILTIN_TYPEINFO(T)                 \
  template <>                                   \
  struct TTypeInfoOf<T, void> {                 \
    static const TTypeInfo* Get();              \
  }
RTL_BUILTIN_TYPEINFO(int8_t);
RTL_BUILTIN_TYPEINFO(uint8_t);
RTL_BUILTIN_TYPEINFO(int16_t);
RTL_BUILTIN_TYPEINFO(uint16_t);
RTL_BUILTIN_TYPEINFO(int32_t);
RTL_BUILTIN_TYPEINFO(uint32_t);
RTL_BUILTIN_TYPEINFO(long);
RTL_BUILTIN_TYPEINFO(unsigned long);
RTL_BUILTIN_TYPEINFO(int64_t);
RTL_BUILTIN_TYPEINFO(uint64_t);
RTL_BUILTIN_TYPEINFO(bool);
RTL_BUILTIN_TYPEINFO(char);
RTL_BUILTIN_TYPEINFO(wchar_t);
RTL_BUILTIN_TYPEINFO(float);
RTL_BUILTIN_TYPEINFO(double);
RTL_BUILTIN_TYPEINFO(long double);
RTL_BUILTIN_TYPEINFO(TDateTime);
RTL_BUILTIN_TYPEINFO(TCurrency);
RTL_BUILTIN_TYPEINFO(TComp);
RTL_BUILTIN_TYPEINFO(std::string);
RTL_BUILTIN_TYPEINFO(std::wstring);
RTL_BUILTIN_TYPEINFO(void*);
#undef RTL_BUILTIN_TYPEINFO

// The distinguished descriptions the conversions test for by identity.
const TEnumTypeInfo* BooleanType();
const TFloatTypeInfo* DateTimeType();
// std::wstring as the wide-string kind (TypeInfoOf<std::wstring>() is the UTF-16 kind).
const TTypeInfo* WideStringType();

// An integer type with a narrower range than its storage, e.g. 0..100 in one byte.
template <class T>
const TOrdinalTypeInfo* MakeIntegerType(std::wstring name, int64_t minValue, int64_t maxValue);
// An enumeration over the C++ enum E with the given names for 0, 1, ...
template <class E>
const TEnumTypeInfo* MakeEnumType(std::wstring name, std::vector<std::wstring> names);
// A set stored in S (an integer or enum of 1, 2 or 4 bytes) over the element type.
template <class S>
const TSetTypeInfo* MakeSetType(std::wstring name, const TTypeInfo* elementType);

// ---- implementation of the templates

template <size_t Size, bool Signed>
constexpr TOrdType OrdTypeFor() {
  static_assert(Size == 1 || Size == 2 || Size == 4, "ordinals are 1, 2 or 4 bytes wide");
  if constexpr (Size == 1) return Signed ? TOrdType::SByte : TOrdType::UByte;
  else if constexpr (Size == 2) return Signed ? TOrdType::SWord : TOrdType::UWord;
  else return Signed ? TOrdType::SLong : TOrdType::ULong;
}

template <class T>
const TOrdinalTypeInfo* MakeIntegerType(std::wstring name, int64_t minValue, int64_t maxValue) {
  constexpr TOrdType ot = OrdTypeFor<sizeof(T), std::is_signed_v<T>>();
  return RegisterTypeAs(std::make_unique<TOrdinalTypeInfo>(TTypeKind::Integer, std::move(name),
                                                           TypeOpsOf<T>(), ot, minValue, maxValue));
}

template <class E>
const TEnumTypeInfo* MakeEnumType(std::wstring name, std::vector<std::wstring> names) {
  static_assert(std::is_enum_v<E>, "MakeEnumType needs an enum");
  constexpr TOrdType ot = OrdTypeFor<sizeof(E), std::is_signed_v<std::underlying_type_t<E>>>();
  return RegisterTypeAs(std::make_unique<TEnumTypeInfo>(std::move(name), TypeOpsOf<E>(), ot, std::move(names)));
}

template <class S>
const TSetTypeInfo* MakeSetType(std::wstring name, const TTypeInfo* elementType) {
  static_assert(std::is_trivially_copyable_v<S>, "a set is plain bits");
  constexpr TOrdType ot = OrdTypeFor<sizeof(S), false>();
  return RegisterTypeAs(std::make_unique<TSetTypeInfo>(std::move(name), TypeOpsOf<S>(), ot, elementType));
}

}  // namespace rtl
