// URL parsing and resolution, base64 and percent-decoding: pure text routines (no Win32), so the
// fuzz targets build them natively.
#include "Cef.Url.h"

#include <cstring>
#include <cwchar>
#include <cwctype>
#include <vector>

namespace standin {

std::wstring Lower(std::wstring s) {
  for (auto& c : s) c = static_cast<wchar_t>(towlower(c));
  return s;
}

int HexValue(int c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

namespace {

const char kB64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

bool IsStandardScheme(const std::wstring& s) {
  return s == L"http" || s == L"https" || s == L"ftp" || s == L"file" || s == L"ws" || s == L"wss" || s == L"gopher";
}

int DefaultPort(const std::wstring& s) {
  if (s == L"http" || s == L"ws") return 80;
  if (s == L"https" || s == L"wss") return 443;
  if (s == L"ftp") return 21;
  if (s == L"gopher") return 70;
  return -1;
}

// UTF-8 of UTF-16 code units (an unpaired surrogate becomes U+FFFD), without Win32.
std::string Utf8Of(const std::wstring& w) {
  std::string out;
  for (size_t i = 0; i < w.size(); ++i) {
    unsigned long cp = static_cast<unsigned long>(w[i]);
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < w.size() && w[i + 1] >= 0xDC00 && w[i + 1] <= 0xDFFF)
      cp = 0x10000 + ((cp - 0xD800) << 10) + (static_cast<unsigned long>(w[++i]) - 0xDC00);
    else if ((cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
      cp = 0xFFFD;
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }
  return out;
}

// Characters a URL path or query keeps as they are; others are percent-encoded as UTF-8.
std::wstring EscapeUrlPart(const std::wstring& part) {
  std::wstring out;
  const std::string utf8 = Utf8Of(part);
  for (unsigned char c : utf8) {
    if (c <= 0x20 || c >= 0x7F || c == '"' || c == '<' || c == '>' || c == '`' || c == '{' || c == '}') {
      wchar_t buf[4];
      swprintf(buf, 4, L"%%%02X", c);
      out += buf;
    } else {
      out += static_cast<wchar_t>(c);
    }
  }
  return out;
}

// Removes "." and ".." segments.
std::wstring NormalizePath(const std::wstring& path) {
  std::vector<std::wstring> segs;
  size_t i = 1;
  while (i <= path.size()) {
    size_t j = path.find(L'/', i);
    if (j == std::wstring::npos) j = path.size();
    const std::wstring seg = path.substr(i, j - i);
    if (seg == L"..") {
      if (!segs.empty()) segs.pop_back();
      if (j == path.size()) segs.push_back(L"");
    } else if (seg == L".") {
      if (j == path.size()) segs.push_back(L"");
    } else {
      segs.push_back(seg);
    }
    i = j + 1;
  }
  std::wstring out;
  for (const auto& s : segs) out += L"/" + s;
  return out.empty() ? L"/" : out;
}

bool ValidHost(const std::wstring& host) {
  if (host.empty()) return false;
  if (host.front() == L'[') return host.back() == L']' && host.size() > 2;
  for (wchar_t c : host) {
    if (c < 0x80 && !(iswalnum(c) || c == L'-' || c == L'.' || c == L'_')) return false;
  }
  return true;
}

}  // namespace

std::string Base64Encode(const void* data, size_t size) {
  const auto* p = static_cast<const unsigned char*>(data);
  std::string out;
  out.reserve((size + 2) / 3 * 4);
  for (size_t i = 0; i < size; i += 3) {
    const unsigned v = (p[i] << 16) | (i + 1 < size ? p[i + 1] << 8 : 0) | (i + 2 < size ? p[i + 2] : 0);
    out += kB64[(v >> 18) & 63];
    out += kB64[(v >> 12) & 63];
    out += i + 1 < size ? kB64[(v >> 6) & 63] : '=';
    out += i + 2 < size ? kB64[v & 63] : '=';
  }
  return out;
}

bool Base64Decode(const std::string& text, std::string& bytes) {
  bytes.clear();
  unsigned acc = 0;
  int bits = 0, pad = 0;
  for (char ch : text) {
    if (ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n') continue;
    if (ch == '=') {
      ++pad;
      continue;
    }
    if (pad) return false;  // data after padding
    const char* pos = std::strchr(kB64, ch);
    if (!pos || !ch) return false;
    acc = (acc << 6) | static_cast<unsigned>(pos - kB64);
    bits += 6;
    if (bits >= 8) {
      bits -= 8;
      bytes += static_cast<char>((acc >> bits) & 0xFF);
    }
  }
  // Leftover bits must be the zero padding of a 2- or 3-character tail.
  return pad <= 2 && bits < 6;
}

std::string PercentDecodeBytes(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() + 0 && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0) {
      out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

bool ParseUrl(const std::wstring& input, TUrlParts& p) {
  p = TUrlParts{};
  // Leading and trailing spaces and control characters are not part of a URL.
  size_t a = 0, b = input.size();
  while (a < b && input[a] <= 0x20) ++a;
  while (b > a && input[b - 1] <= 0x20) --b;
  const std::wstring text = input.substr(a, b - a);
  const size_t colon = text.find(L':');
  if (colon == std::wstring::npos || colon == 0) return false;
  std::wstring scheme = Lower(text.substr(0, colon));
  if (!iswalpha(scheme[0])) return false;
  for (wchar_t c : scheme)
    if (!(iswalnum(c) || c == L'+' || c == L'-' || c == L'.') || c >= 0x80) return false;
  std::wstring rest = text.substr(colon + 1);
  p.scheme = scheme;
  const size_t hashPos = rest.find(L'#');
  if (hashPos != std::wstring::npos) {
    p.fragment = rest.substr(hashPos + 1);
    rest.resize(hashPos);
  }
  const bool standard = IsStandardScheme(scheme) || rest.rfind(L"//", 0) == 0;
  if (!standard) {
    // A path URL: about:blank, data:..., mailto:...
    const size_t q = rest.find(L'?');
    p.path = rest.substr(0, q);
    if (q != std::wstring::npos) p.query = rest.substr(q + 1);
    p.spec = scheme + L":" + rest + (hashPos != std::wstring::npos ? L"#" + p.fragment : L"");
    return true;
  }
  // Backslashes count as slashes in standard URLs.
  for (auto& c : rest)
    if (c == L'\\') c = L'/';
  size_t i = 0;
  while (i < rest.size() && rest[i] == L'/') ++i;
  if (scheme != L"file" && i == 0) return false;
  // "file:///path": an empty host, the path from the third slash on.
  if (scheme == L"file" && i > 2) i = 2;
  const size_t authEnd = rest.find_first_of(L"/?", i);
  std::wstring authority = rest.substr(i, authEnd == std::wstring::npos ? std::wstring::npos : authEnd - i);
  std::wstring tail = authEnd == std::wstring::npos ? L"" : rest.substr(authEnd);
  if (scheme == L"file" && authority.size() == 2 && iswalpha(authority[0]) && authority[1] == L':') {
    // file:///C:/x written as file://C:/x
    tail = L"/" + authority + tail;
    authority.clear();
  }
  const size_t at = authority.rfind(L'@');
  if (at != std::wstring::npos) {
    const std::wstring user = authority.substr(0, at);
    authority = authority.substr(at + 1);
    const size_t c2 = user.find(L':');
    p.username = user.substr(0, c2);
    if (c2 != std::wstring::npos) p.password = user.substr(c2 + 1);
  }
  std::wstring host = authority, port;
  const size_t bracket = authority.rfind(L']');
  const size_t pc = authority.rfind(L':');
  if (pc != std::wstring::npos && (bracket == std::wstring::npos || pc > bracket)) {
    host = authority.substr(0, pc);
    port = authority.substr(pc + 1);
    if (!port.empty()) {
      for (wchar_t c : port)
        if (!iswdigit(c)) return false;
      const long n = wcstol(port.c_str(), nullptr, 10);
      if (port.size() > 5 || n > 65535) return false;
      port = std::to_wstring(n);
      if (n == DefaultPort(scheme)) port.clear();
    }
  }
  host = Lower(host);
  if (scheme == L"file") {
    if (!host.empty() && !ValidHost(host)) return false;
  } else if (!ValidHost(host)) {
    return false;
  }
  const size_t q = tail.find(L'?');
  std::wstring path = tail.substr(0, q);
  if (q != std::wstring::npos) p.query = EscapeUrlPart(tail.substr(q + 1));
  if (path.empty()) path = L"/";
  p.path = NormalizePath(EscapeUrlPart(path));
  p.host = host;
  p.port = port;
  std::wstring hostPort = host + (port.empty() ? L"" : L":" + port);
  std::wstring userInfo;
  if (!p.username.empty() || !p.password.empty())
    userInfo = p.username + (p.password.empty() ? L"" : L":" + p.password) + L"@";
  p.spec = scheme + L"://" + userInfo + hostPort + p.path + (q != std::wstring::npos ? L"?" + p.query : L"") +
           (hashPos != std::wstring::npos ? L"#" + p.fragment : L"");
  p.origin = scheme == L"file" ? L"" : scheme + L"://" + hostPort + L"/";
  return true;
}

std::wstring ResolveUrl(const std::wstring& base, const std::wstring& relative) {
  TUrlParts r;
  if (ParseUrl(relative, r) && (r.spec.find(L"://") != std::wstring::npos || !IsStandardScheme(r.scheme)) &&
      relative.find(L':') < relative.find_first_of(L"/?#"))
    return r.spec;
  TUrlParts b;
  if (!ParseUrl(base, b) || (b.origin.empty() && b.scheme != L"file")) return relative;
  // The base's credentials stay with every reference that keeps its host.
  std::wstring userInfo;
  if (!b.username.empty() || !b.password.empty())
    userInfo = b.username + (b.password.empty() ? L"" : L":" + b.password) + L"@";
  const std::wstring root = b.scheme + L"://" + userInfo + b.host + (b.port.empty() ? L"" : L":" + b.port);
  std::wstring target;
  if (relative.rfind(L"//", 0) == 0) target = b.scheme + L":" + relative;
  else if (!relative.empty() && relative[0] == L'/') target = root + relative;
  else if (!relative.empty() && relative[0] == L'?') target = root + b.path + relative;
  else if (relative.empty() || relative[0] == L'#') target = b.spec.substr(0, b.spec.find(L'#')) + relative;
  else target = root + b.path.substr(0, b.path.rfind(L'/') + 1) + relative;
  TUrlParts t;
  return ParseUrl(target, t) ? t.spec : target;
}

}  // namespace standin
