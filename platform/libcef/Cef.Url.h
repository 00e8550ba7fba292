#pragma once
// URL parsing and resolution, base64 and percent-decoding, shared by the parser exports and page
// loading. Pure (no Win32).
#include <string>

namespace standin {

// Lower case, by the C runtime's wide-character rules.
std::wstring Lower(std::wstring s);

// The value of a hexadecimal digit; -1 for any other character.
int HexValue(int c);

std::string Base64Encode(const void* data, size_t size);
// Ignores whitespace; false on any other character outside the alphabet or bad padding.
bool Base64Decode(const std::string& text, std::string& bytes);
// %XX sequences to bytes; invalid sequences stay as they are.
std::string PercentDecodeBytes(const std::string& text);

struct TUrlParts {
  std::wstring spec, scheme, username, password, host, port, origin, path, query, fragment;
};
// Standard URLs (scheme://[user[:pass]@]host[:port][/path][?query][#fragment]) and the
// path-only schemes (about:, data:, javascript:, mailto:); false for text that is no URL.
bool ParseUrl(const std::wstring& text, TUrlParts& parts);
// A URL resolved against a base (for relative links and redirects).
std::wstring ResolveUrl(const std::wstring& base, const std::wstring& relative);

}  // namespace standin
