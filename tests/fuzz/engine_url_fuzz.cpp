// The download engine's URL parsing and redirect resolution.
#include <string>

#include "FuzzSupport.h"
#include "platform/xldl/XlHttp.h"

namespace {

void CheckUrl(const xldl::TUrl& u) {
  // The host is one name or address: no port, credentials or path inside it.
  FUZZ_CHECK(!u.Host.empty());
  FUZZ_CHECK(u.Host.find_first_of("/\\@?#[] ") == std::string::npos);
  FUZZ_CHECK(u.HostIsIPv6 || u.Host.find(':') == std::string::npos);
  FUZZ_CHECK(u.Port != 0);
  // The target can stand in a request line as it is.
  FUZZ_CHECK(!u.Target.empty() && u.Target[0] == '/');
  for (unsigned char c : u.Target) FUZZ_CHECK(c > 0x20 && c < 0x7F && c != '#');
  const std::string path = u.Target.substr(0, u.Target.find('?'));
  FUZZ_CHECK(xldl::RemoveDotSegments(path) == path);
  // The address it writes parses back to the same.
  xldl::TUrl again;
  FUZZ_CHECK(xldl::ParseUrl(u.Text(), again));
  FUZZ_CHECK(again.Secure == u.Secure && again.Host == u.Host && again.Port == u.Port && again.Target == u.Target);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto [first, second] = fuzz::SplitAtNul(data, size);
  const std::string text(first), location(second);
  xldl::TUrl base;
  if (!xldl::ParseUrl(text, base)) return 0;
  CheckUrl(base);

  xldl::TUrl target;
  if (xldl::ResolveUrl(base, location, target)) {
    CheckUrl(target);
    // An absolute location is the location itself; a relative one keeps the base's server.
    xldl::TUrl direct;
    if (xldl::ParseUrl(location, direct)) FUZZ_CHECK(direct.Text() == target.Text());
    else if (location.find("//") == std::string::npos)
      FUZZ_CHECK(target.Host == base.Host && target.Port == base.Port && target.Secure == base.Secure);
  }
  return 0;
}
