#pragma once
// Text conversions. UTF-8 decoding is lenient and pure (no Win32): every malformed sequence,
// overlong form, surrogate code point or value past U+10FFFF becomes one U+FFFD per maximal
// invalid subpart, so any byte string decodes and nothing is dropped silently.
#include <string>
#include <string_view>

namespace rtl {

std::wstring Utf8ToUtf16(std::string_view utf8);
// Unpaired surrogates are encoded as U+FFFD.
std::string Utf16ToUtf8(std::wstring_view utf16);

// The system's ANSI code page (CP_ACP), for the few places that need 8-bit text.
std::wstring AnsiToUtf16(std::string_view ansi);
std::string Utf16ToAnsi(std::wstring_view utf16);

}  // namespace rtl
