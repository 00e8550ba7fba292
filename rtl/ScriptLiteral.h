#pragma once
// Text placed into page script as a string literal. Header-only: the stand-ins may use it.
#include <string>
#include <string_view>

namespace rtl {

// The body of a script string literal, in single or double quotes, that evaluates to `text` and
// cannot end early: backslash and both quotes are escaped, line breaks and tabs by name; every
// other control character, the two script line terminators U+2028/U+2029 and "<" (so "</script>"
// stays harmless wherever the text ends up) as \uXXXX.
inline std::wstring EscapeScriptString(std::wstring_view text) {
  static constexpr wchar_t kHex[] = L"0123456789ABCDEF";
  std::wstring out;
  out.reserve(text.size() + 8);
  for (const wchar_t c : text) {
    switch (c) {
      case L'\\': out += L"\\\\"; break;
      case L'"': out += L"\\\""; break;
      case L'\'': out += L"\\'"; break;
      case L'\n': out += L"\\n"; break;
      case L'\r': out += L"\\r"; break;
      case L'\t': out += L"\\t"; break;
      default:
        if (c < 0x20 || c == 0x7F || c == 0x2028 || c == 0x2029 || c == L'<') {
          const unsigned u = unsigned(c) & 0xFFFF;
          out += {L'\\', L'u', kHex[u >> 12], kHex[(u >> 8) & 15], kHex[(u >> 4) & 15], kHex[u & 15]};
        } else {
          out.push_back(c);
        }
    }
  }
  return out;
}

}  // namespace rtl
