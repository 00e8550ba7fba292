#include "rtl/TypInfo.h"

#include <cmath>
#include <cstring>
#include <cwctype>
#include <limits>
#include <mutex>

namespace rtl {

int OrdTypeWidth(TOrdType t) {
  switch (t) {
    case TOrdType::SByte: case TOrdType::UByte: return 1;
    case TOrdType::SWord: case TOrdType::UWord: return 2;
    default: return 4;
  }
}

bool OrdTypeSigned(TOrdType t) {
  return t == TOrdType::SByte || t == TOrdType::SWord || t == TOrdType::SLong;
}

// ---- registry

namespace {

struct TRegistry {
  std::mutex Lock;
  std::vector<std::unique_ptr<TTypeInfo>> Types;  // index = id - 1
};

TRegistry& Registry() {
  static TRegistry* registry = new TRegistry;  // lives to the very end: descriptions outlive statics
  return *registry;
}

}  // namespace

const TTypeInfo* RegisterType(std::unique_ptr<TTypeInfo> type) {
  TRegistry& r = Registry();
  std::lock_guard guard(r.Lock);
  type->FId = uint32_t(r.Types.size() + 1);
  r.Types.push_back(std::move(type));
  return r.Types.back().get();
}

const TTypeInfo* RegisteredTypeById(uint32_t id) {
  TRegistry& r = Registry();
  std::lock_guard guard(r.Lock);
  return id >= 1 && id <= r.Types.size() ? r.Types[id - 1].get() : nullptr;
}

const TTypeInfo* RegisteredTypeByName(std::wstring_view name) {
  TRegistry& r = Registry();
  std::lock_guard guard(r.Lock);
  // The latest wins, so a description made again under a known name takes over.
  for (auto it = r.Types.rbegin(); it != r.Types.rend(); ++it)
    if ((*it)->Name() == name) return it->get();
  return nullptr;
}

std::vector<const TTypeInfo*> RegisteredTypes() {
  TRegistry& r = Registry();
  std::lock_guard guard(r.Lock);
  std::vector<const TTypeInfo*> all;
  all.reserve(r.Types.size());
  for (auto& t : r.Types) all.push_back(t.get());
  return all;
}

// ---- TTypeInfo

TTypeInfo::TTypeInfo(TTypeKind kind, std::wstring name, const TTypeOps& ops)
    : FKind(kind), FName(std::move(name)), FOps(ops) {}

TTypeInfo::~TTypeInfo() = default;

bool TTypeInfo::IsOrdinal() const {
  switch (FKind) {
    case TTypeKind::Integer: case TTypeKind::Char: case TTypeKind::WChar:
    case TTypeKind::Enumeration: case TTypeKind::Set:
      return true;
    default:
      return false;
  }
}

bool TTypeInfo::IsString() const {
  return FKind == TTypeKind::AnsiString || FKind == TTypeKind::WideString || FKind == TTypeKind::UnicodeString;
}

const TOrdinalTypeInfo* TTypeInfo::AsOrdinal() const {
  return IsOrdinal() ? static_cast<const TOrdinalTypeInfo*>(this) : nullptr;
}
const TEnumTypeInfo* TTypeInfo::AsEnum() const {
  return FKind == TTypeKind::Enumeration ? static_cast<const TEnumTypeInfo*>(this) : nullptr;
}
const TSetTypeInfo* TTypeInfo::AsSet() const {
  return FKind == TTypeKind::Set ? static_cast<const TSetTypeInfo*>(this) : nullptr;
}
const TFloatTypeInfo* TTypeInfo::AsFloat() const {
  return FKind == TTypeKind::Float ? static_cast<const TFloatTypeInfo*>(this) : nullptr;
}
const TInt64TypeInfo* TTypeInfo::AsInt64() const {
  return FKind == TTypeKind::Int64 ? static_cast<const TInt64TypeInfo*>(this) : nullptr;
}
// The casts to the structured kinds are in Rtti.cpp, where those classes are complete.

// ---- ordinals

TOrdinalTypeInfo::TOrdinalTypeInfo(TTypeKind kind, std::wstring name, const TTypeOps& ops, TOrdType ordType,
                                   int64_t minValue, int64_t maxValue)
    : TTypeInfo(kind, std::move(name), ops), FOrdType(ordType), FMin(minValue), FMax(maxValue) {}

int64_t TOrdinalTypeInfo::ReadOrdinal(const void* p) const {
  switch (FOrdType) {
    case TOrdType::SByte: { int8_t v; std::memcpy(&v, p, 1); return v; }
    case TOrdType::UByte: { uint8_t v; std::memcpy(&v, p, 1); return v; }
    case TOrdType::SWord: { int16_t v; std::memcpy(&v, p, 2); return v; }
    case TOrdType::UWord: { uint16_t v; std::memcpy(&v, p, 2); return v; }
    case TOrdType::SLong: { int32_t v; std::memcpy(&v, p, 4); return v; }
    default: { uint32_t v; std::memcpy(&v, p, 4); return v; }
  }
}

void TOrdinalTypeInfo::WriteOrdinal(void* p, int64_t v) const {
  const uint32_t bits = uint32_t(uint64_t(v));  // little-endian: the low bytes come first
  std::memcpy(p, &bits, size_t(Width()));
}

TEnumTypeInfo::TEnumTypeInfo(std::wstring name, const TTypeOps& ops, TOrdType ordType, std::vector<std::wstring> names)
    : TOrdinalTypeInfo(TTypeKind::Enumeration, std::move(name), ops, ordType, 0,
                       names.empty() ? 0 : int64_t(names.size()) - 1),
      FNames(std::move(names)) {}

std::wstring TEnumTypeInfo::NameOf(int64_t v) const {
  return v >= 0 && uint64_t(v) < FNames.size() ? FNames[size_t(v)] : std::wstring();
}

int64_t TEnumTypeInfo::ValueOf(std::wstring_view name) const {
  for (size_t i = 0; i < FNames.size(); ++i) {
    const std::wstring& n = FNames[i];
    if (n.size() != name.size()) continue;
    bool same = true;
    for (size_t k = 0; k < n.size() && same; ++k) same = std::towlower(n[k]) == std::towlower(name[k]);
    if (same) return int64_t(i);
  }
  return -1;
}

bool TEnumTypeInfo::IsBoolean() const { return this == BooleanType(); }

TSetTypeInfo::TSetTypeInfo(std::wstring name, const TTypeOps& ops, TOrdType ordType, const TTypeInfo* elementType)
    : TOrdinalTypeInfo(TTypeKind::Set, std::move(name), ops, ordType, 0,
                       int64_t((uint64_t(1) << (8 * OrdTypeWidth(ordType))) - 1)),
      FElement(elementType) {}

// ---- floating point

TFloatTypeInfo::TFloatTypeInfo(std::wstring name, const TTypeOps& ops, TFloatType floatType)
    : TTypeInfo(TTypeKind::Float, std::move(name), ops), FFloatType(floatType) {}

long double TFloatTypeInfo::ReadFloat(const void* p) const {
  switch (FFloatType) {
    case TFloatType::Single: { float v; std::memcpy(&v, p, sizeof v); return v; }
    case TFloatType::Double: { double v; std::memcpy(&v, p, sizeof v); return v; }
    case TFloatType::Extended: { long double v; std::memcpy(&v, p, sizeof v); return v; }
    case TFloatType::Comp: { int64_t v; std::memcpy(&v, p, sizeof v); return (long double)v; }
    default: { int64_t v; std::memcpy(&v, p, sizeof v); return (long double)v / 10000; }
  }
}

namespace {
// llroundl is undefined outside the int64 range; the bound is exclusive because 2^63 itself
// does not fit.
bool RoundToInt64(long double v, int64_t& out) {
  if (std::isnan(v) || v >= 9223372036854775808.0L || v < -9223372036854775808.0L) return false;
  out = std::llroundl(v);
  return true;
}
}  // namespace

bool TFloatTypeInfo::WriteFloat(void* p, long double v) const {
  switch (FFloatType) {
    case TFloatType::Single: { float f = float(v); std::memcpy(p, &f, sizeof f); return true; }
    case TFloatType::Double: { double d = double(v); std::memcpy(p, &d, sizeof d); return true; }
    case TFloatType::Extended: std::memcpy(p, &v, sizeof v); return true;
    case TFloatType::Comp: {
      int64_t i;
      if (!RoundToInt64(v, i)) return false;
      std::memcpy(p, &i, sizeof i);
      return true;
    }
    default: {
      int64_t i;
      if (!RoundToInt64(v * 10000, i)) return false;
      std::memcpy(p, &i, sizeof i);
      return true;
    }
  }
}

TInt64TypeInfo::TInt64TypeInfo(std::wstring name, const TTypeOps& ops, bool isUnsigned)
    : TTypeInfo(TTypeKind::Int64, std::move(name), ops), FUnsigned(isUnsigned) {}

// ---- the built-in descriptions

namespace {

template <class T>
const TTypeInfo* IntegerTypeOf(const wchar_t* name, TTypeKind kind = TTypeKind::Integer) {
  constexpr TOrdType ot = OrdTypeFor<sizeof(T), std::is_signed_v<T>>();
  return RegisterType(std::make_unique<TOrdinalTypeInfo>(kind, name, TypeOpsOf<T>(), ot,
                                                         int64_t(std::numeric_limits<T>::min()),
                                                         int64_t(std::numeric_limits<T>::max())));
}

template <class T>
const TTypeInfo* PlainTypeOf(TTypeKind kind, const wchar_t* name) {
  return RegisterType(std::make_unique<TTypeInfo>(kind, name, TypeOpsOf<T>()));
}

}  // namespace

#define RTL_DEFINE_TYPEINFO(T, expr)                 \
  const TTypeInfo* TTypeInfoOf<T, void>::Get() {     \
    static const TTypeInfo* const type = expr;       \
    return type;                                     \
  }

RTL_DEFINE_TYPEINFO(int8_t, IntegerTypeOf<int8_t>(L"ShortInt"))
RTL_DEFINE_TYPEINFO(uint8_t, IntegerTypeOf<uint8_t>(L"Byte"))
RTL_DEFINE_TYPEINFO(int16_t, IntegerTypeOf<int16_t>(L"SmallInt"))
RTL_DEFINE_TYPEINFO(uint16_t, IntegerTypeOf<uint16_t>(L"Word"))
RTL_DEFINE_TYPEINFO(int32_t, IntegerTypeOf<int32_t>(L"Integer"))
RTL_DEFINE_TYPEINFO(uint32_t, IntegerTypeOf<uint32_t>(L"Cardinal"))
RTL_DEFINE_TYPEINFO(long, IntegerTypeOf<long>(L"LongInt"))
RTL_DEFINE_TYPEINFO(unsigned long, IntegerTypeOf<unsigned long>(L"LongWord"))
RTL_DEFINE_TYPEINFO(int64_t, RegisterType(std::make_unique<TInt64TypeInfo>(L"Int64", TypeOpsOf<int64_t>(), false)))
RTL_DEFINE_TYPEINFO(uint64_t, RegisterType(std::make_unique<TInt64TypeInfo>(L"UInt64", TypeOpsOf<uint64_t>(), true)))
RTL_DEFINE_TYPEINFO(bool, BooleanType())
RTL_DEFINE_TYPEINFO(char, IntegerTypeOf<unsigned char>(L"AnsiChar", TTypeKind::Char))
RTL_DEFINE_TYPEINFO(wchar_t, IntegerTypeOf<uint16_t>(L"WideChar", TTypeKind::WChar))
RTL_DEFINE_TYPEINFO(float, RegisterType(std::make_unique<TFloatTypeInfo>(L"Single", TypeOpsOf<float>(), TFloatType::Single)))
RTL_DEFINE_TYPEINFO(double, RegisterType(std::make_unique<TFloatTypeInfo>(L"Double", TypeOpsOf<double>(), TFloatType::Double)))
RTL_DEFINE_TYPEINFO(long double, RegisterType(std::make_unique<TFloatTypeInfo>(L"Extended", TypeOpsOf<long double>(), TFloatType::Extended)))
RTL_DEFINE_TYPEINFO(TDateTime, DateTimeType())
RTL_DEFINE_TYPEINFO(TCurrency, RegisterType(std::make_unique<TFloatTypeInfo>(L"Currency", TypeOpsOf<TCurrency>(), TFloatType::Currency)))
RTL_DEFINE_TYPEINFO(TComp, RegisterType(std::make_unique<TFloatTypeInfo>(L"Comp", TypeOpsOf<TComp>(), TFloatType::Comp)))
RTL_DEFINE_TYPEINFO(std::string, PlainTypeOf<std::string>(TTypeKind::AnsiString, L"AnsiString"))
RTL_DEFINE_TYPEINFO(std::wstring, PlainTypeOf<std::wstring>(TTypeKind::UnicodeString, L"UnicodeString"))
RTL_DEFINE_TYPEINFO(void*, PlainTypeOf<void*>(TTypeKind::Pointer, L"Pointer"))
#undef RTL_DEFINE_TYPEINFO

static_assert(sizeof(char) == 1 && sizeof(wchar_t) == 2 && sizeof(bool) == 1, "character and Boolean widths");

const TEnumTypeInfo* BooleanType() {
  static const TEnumTypeInfo* const type = RegisterTypeAs(
      std::make_unique<TEnumTypeInfo>(L"Boolean", TypeOpsOf<bool>(), TOrdType::UByte,
                                      std::vector<std::wstring>{L"False", L"True"}));
  return type;
}

const TFloatTypeInfo* DateTimeType() {
  static const TFloatTypeInfo* const type = RegisterTypeAs(
      std::make_unique<TFloatTypeInfo>(L"TDateTime", TypeOpsOf<TDateTime>(), TFloatType::Double));
  return type;
}

const TTypeInfo* WideStringType() {
  static const TTypeInfo* const type = PlainTypeOf<std::wstring>(TTypeKind::WideString, L"WideString");
  return type;
}

}  // namespace rtl
