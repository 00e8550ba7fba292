// The variant kind: TVariant's description and the casts between variants and other values.
#include <limits>

#include "rtl/Rtti.h"
#include "rtl/StrConv.h"
#include "rtl/Variant.h"

namespace rtl {

const TTypeInfo* TTypeInfoOf<TVariant, void>::Get() {
  static const TTypeInfo* const type =
      RegisterType(std::make_unique<TTypeInfo>(TTypeKind::Variant, L"Variant", TypeOpsOf<TVariant>()));
  return type;
}

namespace rtti_detail {

// A value as a variant: Boolean, integers (int32, else uint32, else int64), floats as double,
// characters and strings as text. A TDateTime has no variant kind here, so it does not convert.
bool CastToVariant(const TValue& from, TValue& result) {
  const TTypeInfo* t = from.TypeInfo();
  if (!t) return false;
  TVariant var;
  switch (t->Kind()) {
    case TTypeKind::Enumeration:
      if (t->AsEnum()->IsBoolean()) {
        var = TVariant(from.AsBoolean());
        break;
      }
      [[fallthrough]];
    case TTypeKind::Integer: case TTypeKind::Set: {
      const int64_t v = from.AsOrdinal();
      if (v >= std::numeric_limits<int32_t>::min() && v <= std::numeric_limits<int32_t>::max()) var = TVariant(int32_t(v));
      else var = TVariant(uint32_t(v));  // ordinals are at most 32 bits wide
      break;
    }
    case TTypeKind::Int64:
      if (t->AsInt64()->IsUnsigned() && from.AsInt64() < 0) return false;
      var = TVariant(from.AsInt64());
      break;
    case TTypeKind::Float:
      if (t == DateTimeType()) return false;
      var = TVariant(double(from.AsExtended()));
      break;
    case TTypeKind::AnsiString:
      var = TVariant(*static_cast<const std::string*>(from.GetReferenceToRawData()));
      break;
    case TTypeKind::Char: case TTypeKind::WChar: case TTypeKind::WideString: case TTypeKind::UnicodeString:
      var = TVariant(from.AsString());
      break;
    default:
      return false;
  }
  result = TValue::From(var);
  return true;
}

// A variant as another type, as strict as the other casts: integers and Booleans to ordinals
// within range, numbers to floats, text to strings. Empty, null and arrays convert to nothing.
bool CastFromVariant(const TValue& from, const TTypeInfo* target, TValue& result) {
  const TVariant& var = *static_cast<const TVariant*>(from.GetReferenceToRawData());
  try {
    if (var.VarType() == TVarType::Boolean) return TValue::From(var.AsBoolean()).TryCast(target, result);
    if (var.IsOrdinal()) {
      const TVarType vt = var.VarType();
      if (vt == TVarType::UInt32) return TValue::From(var.AsCardinal()).TryCast(target, result);
      return TValue::From(var.AsInt64()).TryCast(target, result);
    }
    if (var.VarType() == TVarType::Double) return TValue::From(var.AsDouble()).TryCast(target, result);
    if (var.VarType() == TVarType::AnsiString) return TValue::From(var.Get<std::string>()).TryCast(target, result);
    if (var.VarType() == TVarType::String) return TValue::From(var.Get<std::wstring>()).TryCast(target, result);
  } catch (const Exception&) {
  }
  return false;
}

}  // namespace rtti_detail

}  // namespace rtl
