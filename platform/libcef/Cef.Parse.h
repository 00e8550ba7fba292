#pragma once
// Pure text routines behind the parser exports, shared with page loading.
#include <string>

#include "Cef.Common.h"

namespace standin {

// Lower case, by the C runtime's wide-character rules.
std::wstring Lower(std::wstring s);

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
// A CSS colour (#rgb, #rrggbb, names, rgb(), rgba(), transparent) as ARGB; strict refuses hex
// without '#'.
bool ParseCssColor(std::wstring text, bool strict, cef_color_t& color);

}  // namespace standin
