#include "app/LinkDecode.h"

#include "rtl/StrConv.h"

namespace {

// The value of a character the filter keeps: RFC 4648 base64, with "=" as 0.
unsigned Base64Value(char c) {
  if (c >= 'A' && c <= 'Z') return unsigned(c - 'A');
  if (c >= 'a' && c <= 'z') return unsigned(c - 'a') + 26;
  if (c >= '0' && c <= '9') return unsigned(c - '0') + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return 0;  // '='
}

bool IsBase64Char(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '+' ||
         c == '/' || c == '=';
}

}  // namespace

std::string FilterBase64Chars(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (IsBase64Char(c)) out.push_back(c);
  return out;
}

std::string Base64DecodeText(std::string_view text, bool removeTrailingZeros) {
  if (text.empty()) return {};
  const std::string filtered = FilterBase64Chars(text);
  const size_t groups = filtered.size() / 4, leftover = filtered.size() % 4;
  std::string out;
  out.reserve(groups * 3 + 2);
  for (size_t g = 0; g < groups; ++g) {
    const unsigned a = Base64Value(filtered[g * 4]), b = Base64Value(filtered[g * 4 + 1]),
                   c = Base64Value(filtered[g * 4 + 2]), d = Base64Value(filtered[g * 4 + 3]);
    out.push_back(char(a * 4 + b / 16));
    out.push_back(char((b % 16) * 16 + c / 4));
    out.push_back(char((c % 4) * 64 + d));
  }
  // Unpadded base64 ends in a partial group: two characters carry one byte, three carry two.
  // A single character carries no whole byte.
  if (leftover >= 2) {
    const size_t at = groups * 4;
    const unsigned a = Base64Value(filtered[at]), b = Base64Value(filtered[at + 1]);
    out.push_back(char(a * 4 + b / 16));
    if (leftover == 3) out.push_back(char((b % 16) * 16 + Base64Value(filtered[at + 2]) / 4));
  }
  if (removeTrailingZeros)
    while (!out.empty() && out.back() == '\0') out.pop_back();
  return out;
}

std::wstring DecodeLinkAddress(std::string_view base64Text) {
  return rtl::Utf8ToUtf16(Base64DecodeText(base64Text, true));
}

std::wstring SlashesToBackslashes(std::wstring_view text) {
  std::wstring out(text);
  for (auto& c : out)
    if (c == L'/') c = L'\\';
  return out;
}

std::wstring PercentDecodeUtf8(std::wstring_view text) {
  auto hexValue = [](char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
  };
  const std::string bytes = rtl::Utf16ToUtf8(text);
  std::string out;
  out.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size(); ++i) {
    const int high = bytes[i] == '%' && i + 2 < bytes.size() ? hexValue(bytes[i + 1]) : -1;
    const int low = high >= 0 ? hexValue(bytes[i + 2]) : -1;
    if (low >= 0) {
      out.push_back(char(high * 16 + low));
      i += 2;
    } else {
      out.push_back(bytes[i]);
    }
  }
  return rtl::Utf8ToUtf16(out);
}

std::wstring FileNameFromAddress(std::wstring_view address) {
  // The query and the fragment are no part of the name; an escape in the path is.
  const std::wstring path = SlashesToBackslashes(PercentDecodeUtf8(address.substr(0, address.find_first_of(L"?#"))));
  const size_t last = path.find_last_of(L"\\:");
  const std::wstring_view name =
      std::wstring_view(path).substr(last == std::wstring::npos ? 0 : last + 1);
  // Every occurrence in the name as it stands, left to right; text that only forms the domain
  // once an occurrence is gone stays (a replace-all, not a repeat-until-gone).
  const std::wstring_view domain = AdvertisingDomainText;
  std::wstring out;
  size_t from = 0;
  for (size_t at = name.find(domain); at != std::wstring_view::npos; at = name.find(domain, from)) {
    out.append(name.substr(from, at - from));
    from = at + domain.size();
  }
  out.append(name.substr(from));
  return out;
}
