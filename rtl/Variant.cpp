#include "rtl/Variant.h"

#include <cerrno>
#include <cmath>
#include <cwchar>
#include <cwctype>
#include <limits>

#include "rtl/StrConv.h"
#include "rtl/SysUtils.h"

namespace rtl {

namespace {

[[noreturn]] void CannotConvert(TVarType from, const wchar_t* to) {
  throw EConvertError(L"Could not convert variant of type (" + VarTypeName(from) + L") into type (" +
                      to + L")");
}

std::wstring Trim(std::wstring s) {
  size_t b = 0, e = s.size();
  while (b < e && iswspace(s[b])) ++b;
  while (e > b && iswspace(s[e - 1])) --e;
  return s.substr(b, e - b);
}

// The whole text as a number: an integer when it is one, otherwise a double.
bool ParseNumber(const std::wstring& text, int64_t& asInt, double& asDouble, bool& isInt) {
  const std::wstring s = Trim(text);
  if (s.empty()) return false;
  wchar_t* end = nullptr;
  errno = 0;
  const long long i = wcstoll(s.c_str(), &end, 10);
  if (end && *end == 0 && errno == 0) {
    asInt = i;
    asDouble = double(i);
    isInt = true;
    return true;
  }
  errno = 0;
  const double d = wcstod(s.c_str(), &end);
  if (end && *end == 0 && errno == 0 && std::isfinite(d)) {
    asDouble = d;
    isInt = false;
    return true;
  }
  return false;
}

int64_t RoundToInt64(double d, TVarType from, const wchar_t* to) {
  if (!std::isfinite(d) || d < -9223372036854775808.0 || d >= 9223372036854775808.0)
    CannotConvert(from, to);
  return int64_t(std::nearbyint(d));
}

}  // namespace

std::wstring VarTypeName(TVarType t) {
  switch (t) {
    case TVarType::Empty: return L"Empty";
    case TVarType::Null: return L"Null";
    case TVarType::Boolean: return L"Boolean";
    case TVarType::Int32: return L"Integer";
    case TVarType::UInt32: return L"Cardinal";
    case TVarType::Int64: return L"Int64";
    case TVarType::Double: return L"Double";
    case TVarType::AnsiString: return L"AnsiString";
    case TVarType::String: return L"UnicodeString";
    case TVarType::Array: return L"Array Variant";
  }
  return L"Unknown";
}

bool TVariant::IsOrdinal() const {
  switch (VarType()) {
    case TVarType::Boolean: case TVarType::Int32: case TVarType::UInt32: case TVarType::Int64:
      return true;
    default:
      return false;
  }
}

bool TVariant::IsNumeric() const {
  switch (VarType()) {
    case TVarType::Int32: case TVarType::UInt32: case TVarType::Int64: case TVarType::Double:
      return true;
    default:
      return false;
  }
}

int64_t TVariant::AsInt64() const {
  switch (VarType()) {
    case TVarType::Empty: case TVarType::Null: return 0;
    case TVarType::Boolean: return Get<bool>() ? 1 : 0;
    case TVarType::Int32: return Get<int32_t>();
    case TVarType::UInt32: return Get<uint32_t>();
    case TVarType::Int64: return Get<int64_t>();
    case TVarType::Double: return RoundToInt64(Get<double>(), VarType(), L"Int64");
    case TVarType::AnsiString: case TVarType::String: {
      int64_t i = 0; double d = 0; bool isInt = false;
      if (!ParseNumber(AsString(), i, d, isInt)) CannotConvert(VarType(), L"Int64");
      return isInt ? i : RoundToInt64(d, VarType(), L"Int64");
    }
    case TVarType::Array: break;
  }
  CannotConvert(VarType(), L"Int64");
}

int32_t TVariant::AsInteger() const {
  const int64_t v = AsInt64();
  if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
    CannotConvert(VarType(), L"Integer");
  return int32_t(v);
}

uint32_t TVariant::AsCardinal() const {
  const int64_t v = AsInt64();
  if (v < 0 || v > int64_t(std::numeric_limits<uint32_t>::max())) CannotConvert(VarType(), L"Cardinal");
  return uint32_t(v);
}

double TVariant::AsDouble() const {
  switch (VarType()) {
    case TVarType::Double: return Get<double>();
    case TVarType::AnsiString: case TVarType::String: {
      int64_t i = 0; double d = 0; bool isInt = false;
      if (!ParseNumber(AsString(), i, d, isInt)) CannotConvert(VarType(), L"Double");
      return d;
    }
    case TVarType::Array: CannotConvert(VarType(), L"Double");
    default: return double(AsInt64());
  }
}

bool TVariant::AsBoolean() const {
  switch (VarType()) {
    case TVarType::Boolean: return Get<bool>();
    case TVarType::Double: return Get<double>() != 0;
    case TVarType::AnsiString: case TVarType::String: {
      std::wstring s = Trim(AsString());
      for (auto& c : s) c = wchar_t(towlower(c));
      if (s == L"true") return true;
      if (s == L"false") return false;
      int64_t i = 0; double d = 0; bool isInt = false;
      if (!ParseNumber(s, i, d, isInt)) CannotConvert(VarType(), L"Boolean");
      return d != 0;
    }
    case TVarType::Array: CannotConvert(VarType(), L"Boolean");
    default: return AsInt64() != 0;
  }
}

std::wstring TVariant::AsString() const {
  switch (VarType()) {
    case TVarType::Empty: case TVarType::Null: return L"";
    case TVarType::Boolean: return Get<bool>() ? L"True" : L"False";
    case TVarType::Int32: return std::to_wstring(Get<int32_t>());
    case TVarType::UInt32: return std::to_wstring(Get<uint32_t>());
    case TVarType::Int64: return std::to_wstring(Get<int64_t>());
    case TVarType::Double: {
      wchar_t buf[64];
      swprintf(buf, 64, L"%.15g", Get<double>());
      return buf;
    }
    case TVarType::AnsiString: return AnsiToUtf16(Get<std::string>());
    case TVarType::String: return Get<std::wstring>();
    case TVarType::Array: break;
  }
  CannotConvert(VarType(), L"String");
}

const TVariantArray& TVariant::Elements() const {
  if (!IsArray()) throw EConvertError(L"Variant is not an array");
  return std::get<TVariantArray>(FValue);
}

TVariantArray& TVariant::Elements() {
  if (!IsArray()) throw EConvertError(L"Variant is not an array");
  return std::get<TVariantArray>(FValue);
}

const TVariant& TVariant::operator[](size_t index) const {
  const TVariantArray& a = Elements();
  if (index >= a.size()) throw EConvertError(L"Variant array index out of bounds");
  return a[index];
}

TVariant& TVariant::operator[](size_t index) {
  TVariantArray& a = Elements();
  if (index >= a.size()) throw EConvertError(L"Variant array index out of bounds");
  return a[index];
}

}  // namespace rtl
