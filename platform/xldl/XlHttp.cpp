#include "platform/xldl/XlHttp.h"

#include <algorithm>
#include <cstring>

namespace xldl {

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

std::string LowerStr(std::string s) {
  for (auto& c : s) c = Lower(c);
  return s;
}

bool StartsWithNoCase(const std::string& s, const char* prefix) {
  const std::size_t n = std::strlen(prefix);
  if (s.size() < n) return false;
  for (std::size_t i = 0; i < n; ++i)
    if (Lower(s[i]) != prefix[i]) return false;
  return true;
}

std::string Trim(const std::string& s) {
  std::size_t a = 0, b = s.size();
  while (a < b && (s[a] == ' ' || s[a] == '\t' || s[a] == '\r' || s[a] == '\n')) ++a;
  while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t' || s[b - 1] == '\r' || s[b - 1] == '\n')) --b;
  return s.substr(a, b - a);
}

// Encodes what may not appear in a request line; existing %XX escapes stay as they are.
std::string EncodeTarget(const std::string& s) {
  static const char hex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(s.size());
  for (unsigned char c : s) {
    if (c <= 0x20 || c >= 0x7F || c == '"' || c == '<' || c == '>' || c == '\\' || c == '^' ||
        c == '`' || c == '{' || c == '|' || c == '}') {
      out.push_back('%');
      out.push_back(hex[c >> 4]);
      out.push_back(hex[c & 15]);
    } else {
      out.push_back(char(c));
    }
  }
  return out;
}

}  // namespace

bool ParseInt64(const std::string& s, std::int64_t& out) {
  if (s.empty() || s.size() > 18) return false;
  std::int64_t v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  out = v;
  return true;
}

std::string TUrl::HostHeader() const {
  std::string h;
  if (HostIsIPv6) h.push_back('[');
  h += Host;
  if (HostIsIPv6) h.push_back(']');
  if (Port != (Secure ? 443 : 80)) {
    h.push_back(':');
    h += std::to_string(Port);
  }
  return h;
}

std::string TUrl::Text() const { return (Secure ? "https://" : "http://") + HostHeader() + Target; }

bool ParseUrl(const std::string& input, TUrl& out) {
  const std::string text = Trim(input);
  TUrl url;
  std::size_t pos;
  if (StartsWithNoCase(text, "http://")) {
    pos = 7;
  } else if (StartsWithNoCase(text, "https://")) {
    url.Secure = true;
    pos = 8;
  } else {
    return false;
  }
  std::size_t end = text.find_first_of("/?#", pos);
  if (end == std::string::npos) end = text.size();
  std::string authority = text.substr(pos, end - pos);
  const std::size_t at = authority.rfind('@');
  if (at != std::string::npos) authority.erase(0, at + 1);  // credentials are not sent
  std::string portText;
  bool hasPort = false;  // a colon after the host, even with nothing behind it
  if (!authority.empty() && authority[0] == '[') {
    const std::size_t close = authority.find(']');
    if (close == std::string::npos) return false;
    url.Host = authority.substr(1, close - 1);
    url.HostIsIPv6 = true;
    const std::string rest = authority.substr(close + 1);
    if (!rest.empty()) {
      if (rest[0] != ':') return false;
      portText = rest.substr(1);
      hasPort = true;
    }
  } else {
    // The first colon ends the host: a second one makes the port invalid, where taking the
    // last would leave a host with a colon that the rebuilt address reads differently.
    const std::size_t colon = authority.find(':');
    hasPort = colon != std::string::npos;
    if (hasPort) {
      portText = authority.substr(colon + 1);
      authority.erase(colon);
    }
    url.Host = authority;
  }
  if (url.Host.empty()) return false;
  for (unsigned char c : url.Host)
    if (c <= 0x20 || c == '/' || c == '\\' || c == '%' || c == '[' || c == ']') return false;
  url.Host = LowerStr(url.Host);
  url.Port = url.Secure ? 443 : 80;
  if (hasPort) {
    std::int64_t port = 0;
    if (!ParseInt64(portText, port) || port < 1 || port > 65535) return false;
    url.Port = std::uint16_t(port);
  }
  std::string target = text.substr(end);
  const std::size_t hash = target.find('#');
  if (hash != std::string::npos) target.erase(hash);
  if (target.empty() || target[0] == '?') target = "/" + target;
  const std::size_t q = target.find('?');
  const std::string path = RemoveDotSegments(q == std::string::npos ? target : target.substr(0, q));
  url.Target = EncodeTarget(path + (q == std::string::npos ? "" : target.substr(q)));
  out = url;
  return true;
}

std::string RemoveDotSegments(const std::string& path) {
  // The algorithm of the URI standard, section 5.2.4; empty segments stay as they are.
  std::string in = path, out;
  auto dropLastSegment = [&out] {
    const std::size_t slash = out.rfind('/');
    out.erase(slash == std::string::npos ? 0 : slash);
  };
  while (!in.empty()) {
    if (in.compare(0, 3, "../") == 0) in.erase(0, 3);
    else if (in.compare(0, 2, "./") == 0) in.erase(0, 2);
    else if (in.compare(0, 3, "/./") == 0) in.erase(0, 2);
    else if (in == "/.") in = "/";
    else if (in.compare(0, 4, "/../") == 0) { in.erase(0, 3); dropLastSegment(); }
    else if (in == "/..") { in = "/"; dropLastSegment(); }
    else if (in == "." || in == "..") in.clear();
    else {
      const std::size_t next = in.find('/', 1);
      const std::size_t n = next == std::string::npos ? in.size() : next;
      out.append(in, 0, n);
      in.erase(0, n);
    }
  }
  return out.empty() || out[0] != '/' ? "/" + out : out;
}

bool ResolveUrl(const TUrl& base, const std::string& locationIn, TUrl& out) {
  const std::string location = Trim(locationIn);
  if (location.empty()) return false;
  if (StartsWithNoCase(location, "http://") || StartsWithNoCase(location, "https://"))
    return ParseUrl(location, out);
  // Any other scheme ("ftp:", "javascript:") is not ours to follow.
  const std::size_t colon = location.find(':');
  const std::size_t slash = location.find_first_of("/?#");
  if (colon != std::string::npos && (slash == std::string::npos || colon < slash)) return false;
  const std::string scheme = base.Secure ? "https:" : "http:";
  if (location.size() >= 2 && location[0] == '/' && location[1] == '/')
    return ParseUrl(scheme + location, out);
  const std::string origin = scheme + "//" + base.HostHeader();
  if (location[0] == '/') return ParseUrl(origin + location, out);
  std::string basePath = base.Target.substr(0, base.Target.find('?'));
  if (location[0] == '?') return ParseUrl(origin + basePath + location, out);
  if (location[0] == '#') return ParseUrl(origin + base.Target, out);
  basePath.erase(basePath.rfind('/') + 1);
  return ParseUrl(origin + basePath + location, out);
}

std::int64_t TResponse::ResourceSize() const {
  if (Status == 206) return HasContentRange ? RangeTotal : -1;
  if (Status >= 200 && Status < 300 && !Chunked) return ContentLength;
  return -1;
}

std::size_t FindHeadEnd(const char* data, std::size_t size) {
  for (std::size_t i = 0; i + 1 < size; ++i) {
    if (data[i] != '\n') continue;
    if (data[i + 1] == '\n') return i + 2;
    if (i + 2 < size && data[i + 1] == '\r' && data[i + 2] == '\n') return i + 3;
  }
  return 0;
}

bool ParseContentRange(const std::string& valueIn, std::int64_t& first, std::int64_t& last,
                       std::int64_t& total) {
  const std::string value = Trim(valueIn);
  if (!StartsWithNoCase(value, "bytes ")) return false;
  const std::string spec = Trim(value.substr(6));
  const std::size_t dash = spec.find('-'), slash = spec.find('/');
  if (dash == std::string::npos || slash == std::string::npos || dash > slash) return false;
  if (!ParseInt64(Trim(spec.substr(0, dash)), first)) return false;
  if (!ParseInt64(Trim(spec.substr(dash + 1, slash - dash - 1)), last)) return false;
  const std::string t = Trim(spec.substr(slash + 1));
  if (t == "*") {
    total = -1;
  } else if (!ParseInt64(t, total) || last >= total) {
    return false;
  }
  return first <= last;
}

bool ParseResponseHead(const std::string& head, TResponse& out) {
  TResponse r;
  std::size_t lineEnd = head.find('\n');
  if (lineEnd == std::string::npos) return false;
  const std::string status = Trim(head.substr(0, lineEnd));
  if (!StartsWithNoCase(status, "http/1.") || status.size() < 12 || status[8] != ' ') return false;
  for (int i = 9; i < 12; ++i)
    if (status[i] < '0' || status[i] > '9') return false;
  r.Status = (status[9] - '0') * 100 + (status[10] - '0') * 10 + (status[11] - '0');
  bool hasLength = false, identityEncoding = true;
  std::size_t pos = lineEnd + 1;
  while (pos < head.size()) {
    lineEnd = head.find('\n', pos);
    if (lineEnd == std::string::npos) lineEnd = head.size();
    const std::string line = head.substr(pos, lineEnd - pos);
    pos = lineEnd + 1;
    if (Trim(line).empty()) break;
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos) return false;
    const std::string name = LowerStr(Trim(line.substr(0, colon)));
    const std::string value = Trim(line.substr(colon + 1));
    if (name == "content-length") {
      std::int64_t n = 0;
      if (!ParseInt64(value, n)) return false;
      // Two different lengths make the body's end unknowable.
      if (hasLength && n != r.ContentLength) return false;
      r.ContentLength = n;
      hasLength = true;
    } else if (name == "transfer-encoding") {
      const std::string v = LowerStr(value);
      if (v.size() >= 7 && v.compare(v.size() - 7, 7, "chunked") == 0) r.Chunked = true;
      else if (v != "identity") identityEncoding = false;
    } else if (name == "content-range") {
      r.HasContentRange = ParseContentRange(value, r.RangeFirst, r.RangeLast, r.RangeTotal);
      if (!r.HasContentRange && r.Status == 206) return false;
    } else if (name == "accept-ranges") {
      r.AcceptRanges = LowerStr(value).find("bytes") != std::string::npos;
    } else if (name == "location") {
      r.Location = value;
    } else if (name == "etag") {
      r.ETag = value;
    } else if (name == "last-modified") {
      r.LastModified = value;
    } else if (name == "retry-after") {
      r.RetryAfter = value;
    }
  }
  if (!identityEncoding && !r.Chunked) return false;
  if (r.Chunked) r.ContentLength = -1;
  // Answers that carry no body by definition.
  if (r.Status == 204 || r.Status == 304 || (r.Status >= 100 && r.Status < 200)) {
    r.ContentLength = 0;
    r.Chunked = false;
  }
  r.CloseDelimited = !r.Chunked && r.ContentLength < 0;
  if (r.Status == 206 && !r.HasContentRange) return false;
  out = r;
  return true;
}

std::int64_t RetryAfterMs(const std::string& valueIn, std::int64_t now) {
  constexpr std::int64_t kCap = 60000;
  const std::string value = Trim(valueIn);
  std::int64_t seconds = 0;
  if (ParseInt64(value, seconds)) return std::min(seconds, kCap / 1000) * 1000;
  // The HTTP date: "Sun, 06 Nov 1994 08:49:37 GMT".
  static const char* const months[] = {"jan", "feb", "mar", "apr", "may", "jun",
                                       "jul", "aug", "sep", "oct", "nov", "dec"};
  const std::size_t comma = value.find(", ");
  if (comma == std::string::npos || value.size() != comma + 2 + 24) return -1;
  const std::string d = LowerStr(value.substr(comma + 2));
  if (d[2] != ' ' || d[6] != ' ' || d[11] != ' ' || d[14] != ':' || d[17] != ':' ||
      d.compare(20, 4, " gmt") != 0)
    return -1;
  std::int64_t day, year, hh, mm, ss;
  if (!ParseInt64(d.substr(0, 2), day) || !ParseInt64(d.substr(7, 4), year) ||
      !ParseInt64(d.substr(12, 2), hh) || !ParseInt64(d.substr(15, 2), mm) ||
      !ParseInt64(d.substr(18, 2), ss))
    return -1;
  int month = -1;
  for (int i = 0; i < 12; ++i)
    if (d.compare(3, 3, months[i]) == 0) month = i + 1;
  if (month < 0 || day < 1 || day > 31 || hh > 23 || mm > 59 || ss > 60) return -1;
  // Days since 1970-01-01 of a civil date (the proleptic Gregorian calendar).
  const std::int64_t y = year - (month <= 2), era = y / 400, yoe = y - era * 400;
  const std::int64_t doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const std::int64_t days = era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy - 719468;
  const std::int64_t at = days * 86400 + hh * 3600 + mm * 60 + ss;
  return std::clamp<std::int64_t>((at - now) * 1000, 0, kCap);
}

bool IsRedirect(int status) {
  return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

std::size_t TChunkedDecoder::Decode(char* data, std::size_t size) {
  std::size_t in = 0, out = 0;
  while (in < size && FState != EState::Done && FState != EState::Error) {
    const char c = data[in];
    switch (FState) {
      case EState::Size: {
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        if (digit >= 0) {
          if (++FDigits > 15) { FState = EState::Error; break; }
          FRemaining = FRemaining * 16 + unsigned(digit);
          ++in;
        } else if (FDigits == 0) {
          FState = EState::Error;
        } else if (c == ';' || c == ' ' || c == '\t') {
          FState = EState::Extension;
          ++in;
        } else if (c == '\r') {
          FState = EState::SizeLF;
          ++in;
        } else if (c == '\n') {
          FState = FRemaining ? EState::Data : EState::TrailerStart;
          ++in;
        } else {
          FState = EState::Error;
        }
        break;
      }
      case EState::Extension:
        if (c == '\n') FState = FRemaining ? EState::Data : EState::TrailerStart;
        ++in;
        break;
      case EState::SizeLF:
        if (c != '\n') { FState = EState::Error; break; }
        FState = FRemaining ? EState::Data : EState::TrailerStart;
        ++in;
        break;
      case EState::Data: {
        const std::size_t n = std::size_t(std::min<std::uint64_t>(FRemaining, size - in));
        if (out != in) std::memmove(data + out, data + in, n);
        out += n;
        in += n;
        FRemaining -= n;
        if (FRemaining == 0) FState = EState::DataCR;
        break;
      }
      case EState::DataCR:
        if (c == '\r') { FState = EState::DataLF; ++in; }
        else if (c == '\n') { FState = EState::Size; FDigits = 0; ++in; }
        else FState = EState::Error;
        break;
      case EState::DataLF:
        if (c != '\n') { FState = EState::Error; break; }
        FState = EState::Size;
        FDigits = 0;
        ++in;
        break;
      case EState::TrailerStart:
        if (c == '\r') FState = EState::TrailerLF;
        else if (c == '\n') FState = EState::Done;
        else FState = EState::Trailer;
        ++in;
        break;
      case EState::Trailer:
        if (c == '\n') FState = EState::TrailerStart;
        ++in;
        break;
      case EState::TrailerLF:
        FState = c == '\n' ? EState::Done : EState::Error;
        ++in;
        break;
      case EState::Done:
      case EState::Error:
        break;
    }
  }
  return out;
}

}  // namespace xldl
