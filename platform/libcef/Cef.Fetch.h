#pragma once
// Fetching one address: http and https through WinHTTP (redirects followed unless asked not to), file: from disk,
// data: decoded in place. Runs on the calling (worker) thread and reports through callbacks on
// that thread; used by URL requests and by page loading.
#include <atomic>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "Cef.Common.h"

namespace standin {

struct TFetchRequest {
  std::wstring url;
  std::wstring method = L"GET";
  std::vector<std::pair<std::wstring, std::wstring>> headers;
  std::string body;
  std::wstring userAgent;
  std::wstring username, password;  // basic credentials, sent when the server asks
  bool followRedirects = true;  // false: a redirect is the response (its Location header says where)
};

struct TFetchResponse {
  int status = 0;  // HTTP status; 200 for file: and data: that were found
  std::wstring statusText;
  std::wstring mimeType;
  std::wstring charset;
  std::wstring finalUrl;
  std::vector<std::pair<std::wstring, std::wstring>> headers;
  std::int64_t contentLength = -1;  // -1 when unknown
  std::wstring Header(const std::wstring& name) const;
};

struct TFetchCallbacks {
  // Headers are in; return false to stop (nothing more is read).
  std::function<bool(const TFetchResponse&)> onResponse;
  // A piece of the body; return false to stop.
  std::function<bool(const char* data, size_t size, std::int64_t received, std::int64_t total)> onData;
  // The server wants credentials (HTTP 401, no credentials given yet): fill them in and return
  // true to send the request again, false to take the 401 as the answer.
  std::function<bool(const std::wstring& host, int port, const std::wstring& realm, const std::wstring& scheme,
                     std::wstring& username, std::wstring& password)>
      onAuth;
  // The server's certificate is not good (ERR_CERT_...): true goes on all the same, false
  // fails the fetch with that error.
  std::function<bool(cef_errorcode_t certificateError)> onCertificateError;
  const std::atomic<bool>* cancelled = nullptr;
};

// The outcome: ERR_NONE when the whole response was read (whatever its HTTP status), ERR_ABORTED
// when cancelled or stopped by a callback, another network error code otherwise.
cef_errorcode_t Fetch(const TFetchRequest& request, const TFetchCallbacks& callbacks);

// data: URL contents (base64 or percent-encoded) with its media type; false when malformed.
bool DecodeDataUrl(const std::wstring& url, std::string& bytes, std::wstring& mimeType, std::wstring& charset);

// The mime type for a file extension ("html" -> "text/html"), empty when unknown.
std::wstring MimeTypeForExtension(const std::wstring& ext);
// The extensions known for a mime type.
std::vector<std::wstring> ExtensionsForMimeType(const std::wstring& mime);

}  // namespace standin
