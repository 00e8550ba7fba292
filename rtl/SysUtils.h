#pragma once
// Language-runtime services every unit may use: the error classes and Format.
#include <cstdint>
#include <exception>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace rtl {

// Root of every error the system raises. The message is the fixed text of the error.
class Exception : public std::exception {
public:
  explicit Exception(std::wstring message);
  const std::wstring& Message() const noexcept { return FMessage; }
  const char* what() const noexcept override { return FUtf8.c_str(); }

private:
  std::wstring FMessage;
  std::string FUtf8;
};

class EConvertError : public Exception { using Exception::Exception; };
class EArgumentError : public Exception { using Exception::Exception; };
class EInOutError : public Exception { using Exception::Exception; };
// An operating-system failure; Code is the GetLastError value.
class EOSError : public Exception {
public:
  EOSError(std::wstring message, uint32_t code) : Exception(std::move(message)), Code(code) {}
  uint32_t Code;
};

// One argument of Format: integers, floating point, wide text or a pointer.
using TFormatArg = std::variant<int64_t, uint64_t, double, std::wstring, const void*>;

std::wstring FormatArgs(std::wstring_view format, std::initializer_list<TFormatArg> args);

inline TFormatArg ToFormatArg(const std::wstring& v) { return v; }
inline TFormatArg ToFormatArg(std::wstring_view v) { return std::wstring(v); }
inline TFormatArg ToFormatArg(const wchar_t* v) { return std::wstring(v ? v : L""); }
inline TFormatArg ToFormatArg(double v) { return v; }
inline TFormatArg ToFormatArg(float v) { return double(v); }
inline TFormatArg ToFormatArg(bool v) { return int64_t(v); }
inline TFormatArg ToFormatArg(const void* v) { return v; }
template <class T>
  requires std::is_integral_v<T>
TFormatArg ToFormatArg(T v) {
  if constexpr (std::is_signed_v<T>) return int64_t(v);
  else return uint64_t(v);
}

// Format("%s failed: %d", name, code): the directives %s %d %u %x %X %f %e %g %p %%, with the
// flags '-' and '0', a width and a precision. For %d a precision is the least number of digits
// ("%.2d" of 5 is "05"). A directive without a fitting argument raises EConvertError.
template <class... A>
std::wstring Format(std::wstring_view format, const A&... args) {
  return FormatArgs(format, {ToFormatArg(args)...});
}

// Operating-system error text for a GetLastError code, without the trailing line break.
std::wstring SysErrorMessage(uint32_t code);

}  // namespace rtl
