#include "rtl/SysUtils.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <cwctype>

#include "rtl/Handles.h"
#include "rtl/StrConv.h"

namespace rtl {

Exception::Exception(std::wstring message)
    : FMessage(std::move(message)), FUtf8(Utf16ToUtf8(FMessage)) {}

namespace {

struct TSpec {
  bool left = false, zero = false;
  int width = -1, precision = -1;
  wchar_t conv = 0;
};

[[noreturn]] void BadFormat(std::wstring_view format) {
  throw EConvertError(L"Format '" + std::wstring(format) + L"' invalid or incompatible with argument");
}

std::wstring Pad(std::wstring body, const TSpec& s, bool numeric) {
  if (s.width < 0 || int(body.size()) >= s.width) return body;
  const size_t fill = size_t(s.width) - body.size();
  if (s.left) return body + std::wstring(fill, L' ');
  if (s.zero && numeric) {
    const size_t sign = (!body.empty() && (body[0] == L'-' || body[0] == L'+')) ? 1 : 0;
    return body.insert(sign, fill, L'0');
  }
  return std::wstring(fill, L' ') + body;
}

std::wstring Digits(uint64_t v, unsigned base, bool upper) {
  const wchar_t* d = upper ? L"0123456789ABCDEF" : L"0123456789abcdef";
  std::wstring out;
  do { out.insert(out.begin(), d[v % base]); v /= base; } while (v);
  return out;
}

}  // namespace

std::wstring FormatArgs(std::wstring_view format, std::initializer_list<TFormatArg> args) {
  std::wstring out;
  auto next = args.begin();
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] != L'%') { out.push_back(format[i]); continue; }
    if (++i >= format.size()) BadFormat(format);
    if (format[i] == L'%') { out.push_back(L'%'); continue; }
    TSpec s;
    for (; i < format.size() && (format[i] == L'-' || format[i] == L'0'); ++i)
      (format[i] == L'-' ? s.left : s.zero) = true;
    auto number = [&](int& into) {
      if (i < format.size() && iswdigit(format[i])) {
        into = 0;
        while (i < format.size() && iswdigit(format[i]) && into < 100000) into = into * 10 + (format[i++] - L'0');
      }
    };
    number(s.width);
    if (i < format.size() && format[i] == L'.') { ++i; s.precision = 0; number(s.precision); }
    if (i >= format.size()) BadFormat(format);
    s.conv = format[i];
    if (next == args.end()) BadFormat(format);
    const TFormatArg& a = *next++;
    switch (s.conv) {
      case L'd': case L'u': case L'x': case L'X': {
        bool negative = false;
        uint64_t mag;
        if (auto p = std::get_if<int64_t>(&a)) { negative = *p < 0; mag = negative ? 0 - uint64_t(*p) : uint64_t(*p); }
        else if (auto q = std::get_if<uint64_t>(&a)) mag = *q;
        else BadFormat(format);
        if (s.conv != L'd' && negative) { mag = uint64_t(std::get<int64_t>(a)); negative = false; }
        std::wstring body = Digits(mag, s.conv == L'd' || s.conv == L'u' ? 10 : 16, s.conv == L'X');
        if (s.precision > int(body.size())) body.insert(0, size_t(s.precision) - body.size(), L'0');
        if (negative) body.insert(0, 1, L'-');
        out += Pad(std::move(body), s, s.precision < 0);
        break;
      }
      case L'f': case L'e': case L'g': {
        double v;
        if (auto p = std::get_if<double>(&a)) v = *p;
        else if (auto q = std::get_if<int64_t>(&a)) v = double(*q);
        else if (auto r = std::get_if<uint64_t>(&a)) v = double(*r);
        else BadFormat(format);
        char spec[16];
        std::snprintf(spec, sizeof spec, "%%.%d%c", s.precision < 0 ? (s.conv == L'g' ? 15 : 2) : s.precision, char(s.conv));
        char buf[512];
        std::snprintf(buf, sizeof buf, spec, v);
        std::wstring body(buf, buf + std::strlen(buf));
        out += Pad(std::move(body), s, true);
        break;
      }
      case L's': {
        auto p = std::get_if<std::wstring>(&a);
        if (!p) BadFormat(format);
        std::wstring body = s.precision >= 0 && size_t(s.precision) < p->size() ? p->substr(0, s.precision) : *p;
        out += Pad(std::move(body), s, false);
        break;
      }
      case L'p': {
        uintptr_t v;
        if (auto p = std::get_if<const void*>(&a)) v = reinterpret_cast<uintptr_t>(*p);
        else BadFormat(format);
        std::wstring body = Digits(v, 16, true);
        body.insert(0, sizeof(void*) * 2 - body.size(), L'0');
        out += Pad(std::move(body), s, false);
        break;
      }
      default:
        BadFormat(format);
    }
  }
  return out;
}

std::wstring SysErrorMessage(uint32_t code) {
  TLocalMemory<wchar_t*> buffer;
  const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                     FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, code, 0, reinterpret_cast<wchar_t*>(buffer.Put()), 0, nullptr);
  std::wstring text(buffer ? buffer.Get() : L"", n);
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' '))
    text.pop_back();
  return text;
}

}  // namespace rtl
