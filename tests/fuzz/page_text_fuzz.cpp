// The texts the main window builds from page input: script string literals and search addresses.
#include <string>

#include "FuzzSupport.h"
#include "app/PageScripts.h"
#include "rtl/ScriptLiteral.h"
#include "rtl/StrConv.h"

namespace {

// What a script engine makes of the body of a double-quoted string literal; false when the body
// would end the literal early, break the line, or hold an escape the engine reads differently.
bool EvaluateLiteral(const std::wstring& body, std::wstring& value) {
  value.clear();
  for (size_t i = 0; i < body.size(); ++i) {
    const wchar_t c = body[i];
    if (c == L'"' || c == L'\n' || c == L'\r' || c == 0x2028 || c == 0x2029 || c == L'<') return false;
    if (c != L'\\') {
      value += c;
      continue;
    }
    if (++i >= body.size()) return false;
    switch (body[i]) {
      case L'\\': value += L'\\'; break;
      case L'"': value += L'"'; break;
      case L'\'': value += L'\''; break;
      case L'n': value += L'\n'; break;
      case L'r': value += L'\r'; break;
      case L't': value += L'\t'; break;
      case L'u': {
        if (i + 4 >= body.size()) return false;
        unsigned v = 0;
        for (int k = 1; k <= 4; ++k) {
          const wchar_t h = body[i + k];
          const int d = h >= L'0' && h <= L'9' ? h - L'0' : h >= L'A' && h <= L'F' ? h - L'A' + 10
                      : h >= L'a' && h <= L'f' ? h - L'a' + 10 : -1;
          if (d < 0) return false;
          v = v * 16 + unsigned(d);
        }
        value += static_cast<wchar_t>(v);
        i += 4;
        break;
      }
      default: return false;  // \0, \x, \b ... mean something else, or nothing
    }
  }
  return true;
}

int HexDigit(wchar_t c) {
  return c >= L'0' && c <= L'9' ? c - L'0' : c >= L'A' && c <= L'F' ? c - L'A' + 10 : -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::wstring text = fuzz::Utf16Of(data, size);

  // An escaped literal evaluates back to the text and cannot end early.
  const std::wstring body = rtl::EscapeScriptString(text);
  std::wstring value;
  FUZZ_CHECK(EvaluateLiteral(body, value));
  FUZZ_CHECK(value == text);
  FUZZ_CHECK(tavlo::TaskStartSuccessScript(text) == L"taskStartSuccess(\"" + body + L"\")");

  // Percent-encoding leaves only unreserved characters and escapes that give the UTF-8 back.
  const std::wstring encoded = tavlo::PercentEncodeUtf8(text);
  std::string back;
  for (size_t i = 0; i < encoded.size(); ++i) {
    const wchar_t c = encoded[i];
    if (c == L'%') {
      FUZZ_CHECK(i + 2 < encoded.size() && HexDigit(encoded[i + 1]) >= 0 && HexDigit(encoded[i + 2]) >= 0);
      back += static_cast<char>(HexDigit(encoded[i + 1]) * 16 + HexDigit(encoded[i + 2]));
      i += 2;
    } else {
      FUZZ_CHECK((c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9') || c == L'-' ||
                 c == L'.' || c == L'_' || c == L'~');
      back += static_cast<char>(c);
    }
  }
  FUZZ_CHECK(back == rtl::Utf16ToUtf8(text));

  // The words never reach the address's structure: it is the fixed head and the encoded words.
  const std::wstring head = L"http://search.example/cse/search?s=42&entry=1&q=";
  FUZZ_CHECK(tavlo::BuildSearchUrl(L"search.example", L"42", text) == head + encoded);

  // Only http and https addresses without blanks or controls go to the shell.
  if (tavlo::IsWebAddress(text)) {
    std::wstring lower = text.substr(0, 8);
    for (auto& c : lower) c = c >= L'A' && c <= L'Z' ? wchar_t(c - L'A' + L'a') : c;
    FUZZ_CHECK(lower.rfind(L"http://", 0) == 0 || lower.rfind(L"https://", 0) == 0);
    for (wchar_t c : text) FUZZ_CHECK(c > 0x20 && c != 0x7F);
  }
  return 0;
}
