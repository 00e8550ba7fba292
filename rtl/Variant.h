#pragma once
// TVariant: the system's tagged value. Kinds: empty, null, Boolean, 32-bit signed and unsigned
// integers, 64-bit signed integer, double, narrow (8-bit) and wide string, and a
// one-dimensional array of variants indexed from 0.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace rtl {

enum class TVarType { Empty, Null, Boolean, Int32, UInt32, Int64, Double, AnsiString, String, Array };

class TVariant;
using TVariantArray = std::vector<TVariant>;

class TVariant {
public:
  TVariant() = default;
  TVariant(bool v) : FValue(v) {}
  TVariant(int32_t v) : FValue(v) {}
  TVariant(uint32_t v) : FValue(v) {}
  TVariant(int64_t v) : FValue(v) {}
  TVariant(double v) : FValue(v) {}
  TVariant(std::string v) : FValue(std::move(v)) {}
  TVariant(std::wstring v) : FValue(std::move(v)) {}
  TVariant(const wchar_t* v) : FValue(std::wstring(v ? v : L"")) {}
  TVariant(TVariantArray v) : FValue(std::move(v)) {}

  static TVariant Null() {
    TVariant v;
    v.FValue = TNull{};
    return v;
  }
  // An array of `count` empty elements, lower bound 0.
  static TVariant ArrayOf(size_t count) { return TVariant(TVariantArray(count)); }

  TVarType VarType() const { return TVarType(FValue.index()); }
  bool IsEmpty() const { return VarType() == TVarType::Empty; }
  bool IsNull() const { return VarType() == TVarType::Null; }
  bool IsArray() const { return VarType() == TVarType::Array; }
  bool IsOrdinal() const;  // Boolean or one of the integer kinds
  bool IsNumeric() const;  // an integer kind or double
  bool IsString() const { return VarType() == TVarType::String || VarType() == TVarType::AnsiString; }

  // Conversions. Empty and null give false, 0, 0.0 or the empty text; numbers convert among
  // each other (a double is rounded to the nearest integer, ties to even); text converts to a
  // number when it holds one in full ("true"/"false" for Boolean, either case). A value that
  // does not fit or a text that is not a number raises EConvertError, as does an array.
  bool AsBoolean() const;
  int32_t AsInteger() const;
  uint32_t AsCardinal() const;
  int64_t AsInt64() const;
  double AsDouble() const;
  std::wstring AsString() const;  // Boolean gives "True"/"False"; narrow text is ANSI

  // Array access; raise EConvertError when this is not an array or the index is out of range.
  const TVariantArray& Elements() const;
  TVariantArray& Elements();
  size_t ArrayLength() const { return IsArray() ? Elements().size() : 0; }
  const TVariant& operator[](size_t index) const;
  TVariant& operator[](size_t index);

  friend bool operator==(const TVariant& a, const TVariant& b) { return a.FValue == b.FValue; }

  // Raw access for callers that switch on VarType.
  template <class T>
  const T& Get() const { return std::get<T>(FValue); }

private:
  struct TNull {
    friend bool operator==(TNull, TNull) { return true; }
  };
  std::variant<std::monostate, TNull, bool, int32_t, uint32_t, int64_t, double, std::string,
               std::wstring, TVariantArray>
      FValue;
};

std::wstring VarTypeName(TVarType t);

}  // namespace rtl
