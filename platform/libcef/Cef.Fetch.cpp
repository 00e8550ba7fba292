#include "Cef.Fetch.h"

#include <shlwapi.h>
#include <winhttp.h>

#include <algorithm>

#include "Cef.Parse.h"
#include "Cef.Threads.h"
#include "Cef.Trace.h"
#include "rtl/Handles.h"

namespace standin {

namespace {

std::wstring Trim(const std::wstring& s) {
  const size_t a = s.find_first_not_of(L" \t");
  if (a == std::wstring::npos) return {};
  const size_t b = s.find_last_not_of(L" \t\r\n");
  return s.substr(a, b - a + 1);
}

void SplitContentType(const std::wstring& value, std::wstring& mime, std::wstring& charset) {
  const size_t semi = value.find(L';');
  mime = Lower(Trim(value.substr(0, semi)));
  charset.clear();
  if (semi == std::wstring::npos) return;
  const std::wstring rest = Lower(value.substr(semi + 1));
  const size_t cs = rest.find(L"charset=");
  if (cs != std::wstring::npos) {
    std::wstring c = Trim(rest.substr(cs + 8));
    c = c.substr(0, c.find(L';'));
    c.erase(std::remove(c.begin(), c.end(), L'"'), c.end());
    charset = c;
  }
}

cef_errorcode_t MapWinHttpError(DWORD e) {
  switch (e) {
    case ERROR_WINHTTP_CANNOT_CONNECT: return ERR_CONNECTION_REFUSED;
    case ERROR_WINHTTP_NAME_NOT_RESOLVED: return ERR_NAME_NOT_RESOLVED;
    case ERROR_WINHTTP_TIMEOUT: return ERR_TIMED_OUT;
    case ERROR_WINHTTP_INVALID_URL:
    case ERROR_WINHTTP_UNRECOGNIZED_SCHEME: return ERR_INVALID_URL;
    case ERROR_WINHTTP_CONNECTION_ERROR: return ERR_CONNECTION_RESET;
    case ERROR_WINHTTP_REDIRECT_FAILED: return ERR_TOO_MANY_REDIRECTS;
    case ERROR_WINHTTP_INVALID_SERVER_RESPONSE: return ERR_INVALID_RESPONSE;
    case ERROR_WINHTTP_SECURE_FAILURE:
    case ERROR_WINHTTP_SECURE_CHANNEL_ERROR: return ERR_SSL_PROTOCOL_ERROR;
    case ERROR_WINHTTP_OPERATION_CANCELLED: return ERR_ABORTED;
    default: return ERR_FAILED;
  }
}

// Why a secure connection failed, as WinHTTP reports it to the status callback.
void CALLBACK SecureFailure(HINTERNET, DWORD_PTR context, DWORD status, LPVOID info, DWORD length) {
  if (status == WINHTTP_CALLBACK_STATUS_SECURE_FAILURE && context && info && length >= sizeof(DWORD))
    *reinterpret_cast<DWORD*>(context) |= *static_cast<DWORD*>(info);
}

// The certificate error behind a WinHTTP failure; ERR_NONE for a failure of another kind.
cef_errorcode_t CertificateError(DWORD e, DWORD flags) {
  switch (e) {
    case ERROR_WINHTTP_SECURE_INVALID_CA: return ERR_CERT_AUTHORITY_INVALID;
    case ERROR_WINHTTP_SECURE_CERT_DATE_INVALID: return ERR_CERT_DATE_INVALID;
    case ERROR_WINHTTP_SECURE_CERT_CN_INVALID: return ERR_CERT_COMMON_NAME_INVALID;
    case ERROR_WINHTTP_SECURE_INVALID_CERT: return ERR_CERT_INVALID;
    case ERROR_WINHTTP_SECURE_CERT_REVOKED: return ERR_CERT_REVOKED;
    case ERROR_WINHTTP_SECURE_CERT_REV_FAILED: return ERR_CERT_UNABLE_TO_CHECK_REVOCATION;
    case ERROR_WINHTTP_SECURE_FAILURE: break;
    default: return ERR_NONE;
  }
  if (flags & WINHTTP_CALLBACK_STATUS_FLAG_CERT_REVOKED) return ERR_CERT_REVOKED;
  if (flags & WINHTTP_CALLBACK_STATUS_FLAG_CERT_DATE_INVALID) return ERR_CERT_DATE_INVALID;
  if (flags & WINHTTP_CALLBACK_STATUS_FLAG_CERT_CN_INVALID) return ERR_CERT_COMMON_NAME_INVALID;
  if (flags & WINHTTP_CALLBACK_STATUS_FLAG_CERT_REV_FAILED) return ERR_CERT_UNABLE_TO_CHECK_REVOCATION;
  if (flags & (WINHTTP_CALLBACK_STATUS_FLAG_INVALID_CERT | WINHTTP_CALLBACK_STATUS_FLAG_CERT_WRONG_USAGE))
    return ERR_CERT_INVALID;
  // Unknown authority, or a failure WinHTTP did not explain: the certificate is not trusted.
  return ERR_CERT_AUTHORITY_INVALID;
}

void IgnoreCertificateFaults(HINTERNET req) {
  DWORD ignore = SECURITY_FLAG_IGNORE_UNKNOWN_CA | SECURITY_FLAG_IGNORE_CERT_DATE_INVALID |
                 SECURITY_FLAG_IGNORE_CERT_CN_INVALID | SECURITY_FLAG_IGNORE_CERT_WRONG_USAGE;
  WinHttpSetOption(req, WINHTTP_OPTION_SECURITY_FLAGS, &ignore, sizeof(ignore));
}

std::wstring QueryString(HINTERNET req, DWORD what) {
  DWORD size = 0;
  WinHttpQueryHeaders(req, what, WINHTTP_HEADER_NAME_BY_INDEX, nullptr, &size, WINHTTP_NO_HEADER_INDEX);
  if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size == 0) return {};
  std::wstring s(size / sizeof(wchar_t) + 1, L'\0');
  if (!WinHttpQueryHeaders(req, what, WINHTTP_HEADER_NAME_BY_INDEX, s.data(), &size, WINHTTP_NO_HEADER_INDEX))
    return {};
  s.resize(size / sizeof(wchar_t));
  return s;
}

// Cancelled by its owner, or the runtime is shutting down.
bool Cancelled(const TFetchCallbacks& cb) { return (cb.cancelled && cb.cancelled->load()) || RuntimeStopping(); }

cef_errorcode_t FetchHttp(const TFetchRequest& rq, const TFetchCallbacks& cb) {
  URL_COMPONENTS uc{};
  uc.dwStructSize = sizeof(uc);
  uc.dwSchemeLength = uc.dwHostNameLength = uc.dwUrlPathLength = uc.dwExtraInfoLength = static_cast<DWORD>(-1);
  if (!WinHttpCrackUrl(rq.url.c_str(), 0, 0, &uc)) return ERR_INVALID_URL;
  const std::wstring host(uc.lpszHostName, uc.dwHostNameLength);
  std::wstring path(uc.lpszUrlPath, uc.dwUrlPathLength);
  std::wstring extra(uc.lpszExtraInfo, uc.dwExtraInfoLength);
  // The fragment never goes to the server.
  if (const size_t hash = extra.find(L'#'); hash != std::wstring::npos) extra.resize(hash);
  if (path.empty()) path = L"/";
  rtl::TInternetHandle session(WinHttpOpen(rq.userAgent.empty() ? L"StandInRuntime/1" : rq.userAgent.c_str(),
                                           WINHTTP_ACCESS_TYPE_NO_PROXY, WINHTTP_NO_PROXY_NAME,
                                           WINHTTP_NO_PROXY_BYPASS, 0));
  if (!session.Get()) return ERR_FAILED;
  WinHttpSetTimeouts(session.Get(), 10000, 10000, 30000, 30000);
  rtl::TInternetHandle connect(WinHttpConnect(session.Get(), host.c_str(), uc.nPort, 0));
  if (!connect.Get()) return MapWinHttpError(GetLastError());
  const bool secure = uc.nScheme == INTERNET_SCHEME_HTTPS;
  rtl::TInternetHandle req(WinHttpOpenRequest(connect.Get(), rq.method.c_str(), (path + extra).c_str(), nullptr,
                                              WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES,
                                              secure ? WINHTTP_FLAG_SECURE : 0));
  if (!req.Get()) return MapWinHttpError(GetLastError());
  if (!rq.followRedirects) {
    DWORD policy = WINHTTP_OPTION_REDIRECT_POLICY_NEVER;
    WinHttpSetOption(req.Get(), WINHTTP_OPTION_REDIRECT_POLICY, &policy, sizeof(policy));
  }
  for (const auto& [k, v] : rq.headers) {
    const std::wstring line = k + L": " + v;
    WinHttpAddRequestHeaders(req.Get(), line.c_str(), static_cast<DWORD>(line.size()),
                             WINHTTP_ADDREQ_FLAG_ADD | WINHTTP_ADDREQ_FLAG_REPLACE);
  }
  DWORD secureFailure = 0;
  if (secure) {
    WinHttpSetStatusCallback(req.Get(), &SecureFailure, WINHTTP_CALLBACK_FLAG_SECURE_FAILURE, 0);
    DWORD_PTR context = reinterpret_cast<DWORD_PTR>(&secureFailure);
    WinHttpSetOption(req.Get(), WINHTTP_OPTION_CONTEXT_VALUE, &context, sizeof(context));
  }
  bool triedCredentials = false, certificateAccepted = false, probing = false;
  DWORD status = 0;
  for (;;) {
    if (Cancelled(cb)) return ERR_ABORTED;
    const DWORD bodyLen = static_cast<DWORD>(rq.body.size());
    if (!WinHttpSendRequest(req.Get(), WINHTTP_NO_ADDITIONAL_HEADERS, 0,
                            bodyLen ? const_cast<char*>(rq.body.data()) : WINHTTP_NO_REQUEST_DATA, bodyLen, bodyLen, 0) ||
        !WinHttpReceiveResponse(req.Get(), nullptr)) {
      const DWORD e = GetLastError();
      Trace("fetch", L"failed " + rq.url + L": WinHTTP error " + std::to_wstring(e) + L", secure failure flags " +
                         std::to_wstring(secureFailure));
      if (certificateAccepted || probing) return MapWinHttpError(e);
      const cef_errorcode_t certificate = CertificateError(e, secureFailure);
      if (certificate == ERR_NONE) {
        // Some WinHTTPs report an untrusted certificate as a channel error: a GET is tried once
        // more with certificate faults ignored, and if that works the certificate was at fault.
        if (e != ERROR_WINHTTP_SECURE_CHANNEL_ERROR || rq.method != L"GET") return MapWinHttpError(e);
        probing = true;
        IgnoreCertificateFaults(req.Get());
        continue;
      }
      if (!cb.onCertificateError || !cb.onCertificateError(certificate)) return certificate;
      // Accepted: the same request again, this certificate's faults ignored.
      certificateAccepted = true;
      IgnoreCertificateFaults(req.Get());
      continue;
    }
    if (probing) {
      probing = false;
      certificateAccepted = true;
      if (!cb.onCertificateError || !cb.onCertificateError(ERR_CERT_AUTHORITY_INVALID)) return ERR_CERT_AUTHORITY_INVALID;
    }
    DWORD size = sizeof(status);
    WinHttpQueryHeaders(req.Get(), WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER, WINHTTP_HEADER_NAME_BY_INDEX,
                        &status, &size, WINHTTP_NO_HEADER_INDEX);
    if (status == 401 && !triedCredentials) {
      triedCredentials = true;
      std::wstring user = rq.username, pass = rq.password;
      bool retry = !user.empty();
      if (!retry && cb.onAuth) {
        // WWW-Authenticate: Basic realm="..."
        const std::wstring challenge = QueryString(req.Get(), WINHTTP_QUERY_WWW_AUTHENTICATE);
        std::wstring scheme = challenge.substr(0, challenge.find(L' '));
        std::wstring realm;
        const size_t r = Lower(challenge).find(L"realm=");
        if (r != std::wstring::npos) {
          realm = challenge.substr(r + 6);
          if (!realm.empty() && realm[0] == L'"') realm = realm.substr(1, realm.find(L'"', 1) - 1);
        }
        retry = cb.onAuth(host, uc.nPort, realm, Lower(scheme), user, pass);
      }
      if (retry && !Cancelled(cb)) {
        // The body of the 401 is not needed; the request is sent again with credentials.
        WinHttpSetCredentials(req.Get(), WINHTTP_AUTH_TARGET_SERVER, WINHTTP_AUTH_SCHEME_BASIC, user.c_str(),
                              pass.c_str(), nullptr);
        continue;
      }
    }
    break;
  }
  TFetchResponse resp;
  resp.status = static_cast<int>(status);
  resp.statusText = QueryString(req.Get(), WINHTTP_QUERY_STATUS_TEXT);
  const std::wstring raw = QueryString(req.Get(), WINHTTP_QUERY_RAW_HEADERS_CRLF);
  size_t pos = raw.find(L"\r\n");  // the status line comes first
  while (pos != std::wstring::npos && pos + 2 < raw.size()) {
    const size_t start = pos + 2;
    pos = raw.find(L"\r\n", start);
    const std::wstring line = raw.substr(start, pos == std::wstring::npos ? std::wstring::npos : pos - start);
    const size_t colon = line.find(L':');
    if (colon == std::wstring::npos || colon == 0) continue;
    resp.headers.emplace_back(Trim(line.substr(0, colon)), Trim(line.substr(colon + 1)));
  }
  SplitContentType(resp.Header(L"Content-Type"), resp.mimeType, resp.charset);
  const std::wstring length = resp.Header(L"Content-Length");
  if (!length.empty()) resp.contentLength = _wcstoi64(length.c_str(), nullptr, 10);
  {
    DWORD urlSize = 0;
    WinHttpQueryOption(req.Get(), WINHTTP_OPTION_URL, nullptr, &urlSize);
    if (urlSize > 0) {
      std::wstring u(urlSize / sizeof(wchar_t) + 1, L'\0');
      if (WinHttpQueryOption(req.Get(), WINHTTP_OPTION_URL, u.data(), &urlSize)) {
        u.resize(wcslen(u.c_str()));
        resp.finalUrl = u;
      }
    }
    if (resp.finalUrl.empty()) resp.finalUrl = rq.url;
  }
  if (cb.onResponse && !cb.onResponse(resp)) return ERR_ABORTED;
  std::vector<char> buf(1 << 16);
  std::int64_t received = 0;
  for (;;) {
    if (Cancelled(cb)) return ERR_ABORTED;
    // Only what has arrived: a read of the whole buffer could wait long on a slow server, and
    // a stopped load is noticed between reads.
    DWORD available = 0, got = 0;
    if (!WinHttpQueryDataAvailable(req.Get(), &available)) return MapWinHttpError(GetLastError());
    if (available == 0) break;
    if (!WinHttpReadData(req.Get(), buf.data(), std::min<DWORD>(available, static_cast<DWORD>(buf.size())), &got))
      return MapWinHttpError(GetLastError());
    if (got == 0) break;
    received += got;
    if (cb.onData && !cb.onData(buf.data(), got, received, resp.contentLength)) return ERR_ABORTED;
  }
  return ERR_NONE;
}

cef_errorcode_t FetchFile(const TFetchRequest& rq, const TFetchCallbacks& cb) {
  wchar_t path[MAX_PATH * 4] = {};
  DWORD len = MAX_PATH * 4;
  std::wstring url = rq.url.substr(0, rq.url.find_first_of(L"?#"));
  if (FAILED(PathCreateFromUrlW(url.c_str(), path, &len, 0))) return ERR_INVALID_URL;
  rtl::TFileHandle h(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!h) {
    const DWORD e = GetLastError();
    return e == ERROR_ACCESS_DENIED ? ERR_ACCESS_DENIED : ERR_FILE_NOT_FOUND;
  }
  TFetchResponse resp;
  resp.status = 200;
  resp.statusText = L"OK";
  resp.finalUrl = rq.url;
  LARGE_INTEGER size{};
  if (GetFileSizeEx(h.Get(), &size)) resp.contentLength = size.QuadPart;
  const wchar_t* ext = PathFindExtensionW(path);
  resp.mimeType = MimeTypeForExtension(ext && *ext ? ext + 1 : L"");
  if (cb.onResponse && !cb.onResponse(resp)) return ERR_ABORTED;
  std::vector<char> buf(1 << 16);
  std::int64_t received = 0;
  for (;;) {
    if (Cancelled(cb)) return ERR_ABORTED;
    DWORD got = 0;
    if (!ReadFile(h.Get(), buf.data(), static_cast<DWORD>(buf.size()), &got, nullptr)) return ERR_FAILED;
    if (got == 0) break;
    received += got;
    if (cb.onData && !cb.onData(buf.data(), got, received, resp.contentLength)) return ERR_ABORTED;
  }
  return ERR_NONE;
}

cef_errorcode_t FetchData(const TFetchRequest& rq, const TFetchCallbacks& cb) {
  TFetchResponse resp;
  std::string bytes;
  if (!DecodeDataUrl(rq.url, bytes, resp.mimeType, resp.charset)) return ERR_INVALID_URL;
  resp.status = 200;
  resp.statusText = L"OK";
  resp.finalUrl = rq.url;
  resp.contentLength = static_cast<std::int64_t>(bytes.size());
  if (cb.onResponse && !cb.onResponse(resp)) return ERR_ABORTED;
  if (!bytes.empty() && cb.onData &&
      !cb.onData(bytes.data(), bytes.size(), resp.contentLength, resp.contentLength))
    return ERR_ABORTED;
  return ERR_NONE;
}

struct TMime {
  const wchar_t* ext;
  const wchar_t* mime;
};
// First match wins in both directions.
const TMime kMimes[] = {
    {L"html", L"text/html"}, {L"htm", L"text/html"}, {L"shtml", L"text/html"}, {L"css", L"text/css"},
    {L"txt", L"text/plain"}, {L"text", L"text/plain"}, {L"js", L"application/javascript"},
    {L"json", L"application/json"}, {L"xml", L"text/xml"}, {L"xhtml", L"application/xhtml+xml"},
    {L"png", L"image/png"}, {L"jpg", L"image/jpeg"}, {L"jpeg", L"image/jpeg"}, {L"gif", L"image/gif"},
    {L"ico", L"image/x-icon"}, {L"bmp", L"image/bmp"}, {L"svg", L"image/svg+xml"}, {L"webp", L"image/webp"},
    {L"pdf", L"application/pdf"}, {L"zip", L"application/zip"}, {L"gz", L"application/gzip"},
    {L"mp4", L"video/mp4"}, {L"webm", L"video/webm"}, {L"mp3", L"audio/mpeg"}, {L"wav", L"audio/wav"},
    {L"ogg", L"audio/ogg"}, {L"woff", L"application/font-woff"}, {L"swf", L"application/x-shockwave-flash"},
    {L"exe", L"application/octet-stream"}, {L"bin", L"application/octet-stream"},
};

}  // namespace

std::wstring TFetchResponse::Header(const std::wstring& name) const {
  const std::wstring want = Lower(name);
  for (const auto& [k, v] : headers)
    if (Lower(k) == want) return v;
  return {};
}

cef_errorcode_t Fetch(const TFetchRequest& request, const TFetchCallbacks& callbacks) {
  return Guard(ERR_FAILED, [&] {
    const std::wstring lower = Lower(request.url.substr(0, std::min<size_t>(request.url.size(), 8)));
    if (lower.rfind(L"http://", 0) == 0 || lower.rfind(L"https://", 0) == 0) return FetchHttp(request, callbacks);
    if (lower.rfind(L"file:", 0) == 0) return FetchFile(request, callbacks);
    if (lower.rfind(L"data:", 0) == 0) return FetchData(request, callbacks);
    return ERR_UNKNOWN_URL_SCHEME;
  });
}

bool DecodeDataUrl(const std::wstring& url, std::string& bytes, std::wstring& mimeType, std::wstring& charset) {
  if (Lower(url.substr(0, 5)) != L"data:") return false;
  const size_t comma = url.find(L',');
  if (comma == std::wstring::npos) return false;
  std::wstring meta = url.substr(5, comma - 5);
  const std::string payload = ToUtf8(url.substr(comma + 1));
  bool base64 = false;
  const std::wstring lowerMeta = Lower(meta);
  if (lowerMeta.size() >= 7 && lowerMeta.compare(lowerMeta.size() - 7, 7, L";base64") == 0) {
    base64 = true;
    meta.resize(meta.size() - 7);
  }
  SplitContentType(meta, mimeType, charset);
  if (mimeType.empty()) {
    mimeType = L"text/plain";
    if (charset.empty()) charset = L"us-ascii";
  }
  if (base64) return Base64Decode(PercentDecodeBytes(payload), bytes);
  bytes = PercentDecodeBytes(payload);
  return true;
}

std::wstring MimeTypeForExtension(const std::wstring& ext) {
  const std::wstring e = Lower(ext);
  for (const auto& m : kMimes)
    if (e == m.ext) return m.mime;
  return {};
}

std::vector<std::wstring> ExtensionsForMimeType(const std::wstring& mime) {
  std::vector<std::wstring> out;
  const std::wstring m = Lower(mime);
  // "image/*" names every image type.
  const bool wildcard = m.size() > 2 && m.compare(m.size() - 2, 2, L"/*") == 0;
  for (const auto& entry : kMimes) {
    const std::wstring em = entry.mime;
    if (em == m || (wildcard && em.compare(0, m.size() - 1, m, 0, m.size() - 1) == 0)) out.push_back(entry.ext);
  }
  return out;
}

}  // namespace standin
