// The stand-in runtime's URL parsing and resolution.
#include <string>

#include "FuzzSupport.h"
#include "platform/libcef/Cef.Url.h"

namespace {

void CheckParsed(const standin::TUrlParts& p) {
  FUZZ_CHECK(!p.scheme.empty());
  // What the parser hands out parses again to the same thing.
  standin::TUrlParts again;
  FUZZ_CHECK(standin::ParseUrl(p.spec, again));
  FUZZ_CHECK(again.spec == p.spec);
  FUZZ_CHECK(again.host == p.host && again.port == p.port && again.path == p.path && again.query == p.query);
  if (p.origin.empty()) return;
  // A URL with a host: the host holds no colon (outside an IPv6 literal) and no separator, the
  // port is a number up to 65535, the path starts at the root.
  if (p.host.empty() || p.host[0] != L'[') FUZZ_CHECK(p.host.find_first_of(L":/\\?#@") == std::wstring::npos);
  else FUZZ_CHECK(p.host.back() == L']' && p.host.find_first_of(L"/\\?#@") == std::wstring::npos);
  FUZZ_CHECK(p.port.size() <= 5);
  for (wchar_t c : p.port) FUZZ_CHECK(c >= L'0' && c <= L'9');
  if (!p.port.empty()) FUZZ_CHECK(std::stol(p.port) <= 65535);
  FUZZ_CHECK(!p.path.empty() && p.path[0] == L'/');
  FUZZ_CHECK(p.path.find(L"/../") == std::wstring::npos && p.path.find(L"/./") == std::wstring::npos);
  for (wchar_t c : p.path + p.query) FUZZ_CHECK(c > 0x20 && c < 0x7F);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto [first, second] = fuzz::SplitAtNul(data, size);
  const std::wstring text(first.begin(), first.end());
  standin::TUrlParts parts;
  if (standin::ParseUrl(text, parts)) CheckParsed(parts);

  // A link resolved against a page: an absolute link stays itself, and the result is a URL
  // that parses to itself whenever it is one.
  const std::wstring relative(second.begin(), second.end());
  const std::wstring resolved = standin::ResolveUrl(text, relative);
  standin::TUrlParts r;
  if (standin::ParseUrl(resolved, r)) CheckParsed(r);
  if (parts.origin.size() && relative.empty()) FUZZ_CHECK(resolved == parts.spec.substr(0, parts.spec.find(L'#')));

  // Base64 round trip and percent-decoding of plain text.
  std::string bytes;
  FUZZ_CHECK(standin::Base64Decode(standin::Base64Encode(first.data(), first.size()), bytes) && bytes == first);
  if (first.find('%') == std::string_view::npos) FUZZ_CHECK(standin::PercentDecodeBytes(std::string(first)) == first);
  return 0;
}
