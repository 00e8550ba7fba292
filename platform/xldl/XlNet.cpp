#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>
#include <winhttp.h>

#include "platform/xldl/XlNet.h"
#include "rtl/Handles.h"

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <vector>

namespace xldl {

namespace {

constexpr DWORD kConnectTimeoutMs = 15000;
constexpr DWORD kStallTimeoutMs = 30000;  // nothing received for this long: the connection stalled
constexpr DWORD kSliceMs = 100;  // how soon a blocked wait notices cancellation
constexpr int kSocketBuffer = 1 << 20;
constexpr std::size_t kMaxHead = 64 * 1024;
constexpr int kMaxInterim = 8;  // "100 Continue" and the like before the answer
const char kUserAgent[] = "xldl/1.0";

// The stall timeout in force. Tests shorten it with STANDIN_XLDL_STALL_MS (100 to 30000 ms, read
// once per process), so that a stalled body can be tested without waiting 30 s per try.
DWORD StallTimeoutMs() {
  static const DWORD ms = [] {
    wchar_t text[16] = {};
    const DWORD n = GetEnvironmentVariableW(L"STANDIN_XLDL_STALL_MS", text, 16);
    const long value = n > 0 && n < 16 ? std::wcstol(text, nullptr, 10) : 0;
    return value >= 100 && value <= long(kStallTimeoutMs) ? DWORD(value) : kStallTimeoutMs;
  }();
  return ms;
}

std::string RequestHeaders(const TRequest& r) {
  std::string h;
  if (r.RangeFirst >= 0) {
    h += "Range: bytes=" + std::to_string(r.RangeFirst) + "-";
    if (r.RangeLast >= 0) h += std::to_string(r.RangeLast);
    h += "\r\n";
    if (!r.IfRange.empty()) h += "If-Range: " + r.IfRange + "\r\n";
  }
  if (!r.Referer.empty()) h += "Referer: " + r.Referer + "\r\n";
  h += "Accept: */*\r\nAccept-Encoding: identity\r\n";
  return h;
}

// Our own HTTP/1.1 client: one request per connection.
class TPlainStream final : public THttpStream {
public:
  explicit TPlainStream(TCancelToken& cancel) : FCancel(cancel) {}

  bool Open(const TRequest& request, TResponse& response) override {
    if (!Connect(request.Url)) return false;
    std::string head = "GET " + request.Url.Target + " HTTP/1.1\r\nHost: " +
                       request.Url.HostHeader() + "\r\nUser-Agent: " + kUserAgent + "\r\n" +
                       RequestHeaders(request) + "Connection: close\r\n\r\n";
    if (!SendAll(head)) return false;
    return ReadHead(response);
  }

  int Read(char* buffer, int size) override {
    for (;;) {
      if (FEnded) return 0;
      int want = size;
      if (!FResponse.Chunked && FLeft >= 0) want = int(std::min<std::int64_t>(want, FLeft));
      int n;
      if (FPendingPos < FPending.size()) {
        n = int(std::min<std::size_t>(std::size_t(want), FPending.size() - FPendingPos));
        std::memcpy(buffer, FPending.data() + FPendingPos, std::size_t(n));
        FPendingPos += std::size_t(n);
      } else {
        n = Recv(buffer, want);
      }
      if (n < 0) return -1;
      if (n == 0) {
        if (FResponse.CloseDelimited) {
          FEnded = true;
          return 0;
        }
        FError = ENetError::Lost;  // closed before the announced end
        return -1;
      }
      if (FResponse.Chunked) {
        const std::size_t m = FChunks.Decode(buffer, std::size_t(n));
        if (FChunks.Failed()) {
          FError = ENetError::Malformed;
          return -1;
        }
        if (FChunks.Done()) FEnded = true;
        if (m > 0) return int(m);
        continue;
      }
      if (FLeft >= 0) {
        FLeft -= n;
        if (FLeft == 0) FEnded = true;
      }
      return n;
    }
  }

private:
  bool Connect(const TUrl& url) {
    ADDRINFOW hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    ADDRINFOW* list = nullptr;
    const std::wstring host = Utf8ToWide(url.Host), port = std::to_wstring(url.Port);
    if (GetAddrInfoW(host.c_str(), port.c_str(), &hints, &list) != 0 || !list) {
      FError = ENetError::Connect;
      return false;
    }
    bool connected = false;
    for (ADDRINFOW* a = list; a && !connected && !FCancel.Cancelled(); a = a->ai_next) {
      SOCKET s = socket(a->ai_family, a->ai_socktype, a->ai_protocol);
      if (s == INVALID_SOCKET) continue;
      setsockopt(s, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&kSocketBuffer),
                 sizeof kSocketBuffer);
      u_long nonBlocking = 1;
      ioctlsocket(s, FIONBIO, &nonBlocking);
      FSocket.Reset(s);
      if (connect(s, a->ai_addr, int(a->ai_addrlen)) == 0) {
        connected = true;
      } else if (WSAGetLastError() == WSAEWOULDBLOCK && Wait(true, kConnectTimeoutMs)) {
        int err = 0;
        int len = sizeof err;
        getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&err), &len);
        connected = err == 0;
      }
      if (!connected) FSocket.Reset();
    }
    FreeAddrInfoW(list);
    if (!connected) FError = FCancel.Cancelled() ? ENetError::Cancelled : ENetError::Connect;
    return connected;
  }

  // Waits until the socket is readable (or writable); false on cancellation or timeout.
  bool Wait(bool write, DWORD timeoutMs) {
    DWORD waited = 0;
    for (;;) {
      if (FCancel.Cancelled()) {
        FError = ENetError::Cancelled;
        return false;
      }
      fd_set set, errors;
      FD_ZERO(&set);
      FD_ZERO(&errors);
      FD_SET(FSocket.Get(), &set);
      FD_SET(FSocket.Get(), &errors);
      timeval tv{0, long(kSliceMs * 1000)};
      const int r = select(0, write ? nullptr : &set, write ? &set : nullptr, &errors, &tv);
      if (r > 0) return FD_ISSET(FSocket.Get(), &set) || !write;
      if (r < 0) {
        FError = ENetError::Lost;
        return false;
      }
      waited += kSliceMs;
      if (waited >= timeoutMs) {
        FError = write && timeoutMs == kConnectTimeoutMs ? ENetError::Connect : ENetError::Stalled;
        return false;
      }
    }
  }

  bool SendAll(const std::string& data) {
    std::size_t sent = 0;
    while (sent < data.size()) {
      const int n = send(FSocket.Get(), data.data() + sent, int(data.size() - sent), 0);
      if (n > 0) {
        sent += std::size_t(n);
      } else if (n < 0 && WSAGetLastError() == WSAEWOULDBLOCK) {
        if (!Wait(true, StallTimeoutMs())) return false;
      } else {
        FError = ENetError::Lost;
        return false;
      }
    }
    return true;
  }

  // >0 bytes, 0 orderly close, -1 failure.
  int Recv(char* buffer, int size) {
    for (;;) {
      const int n = recv(FSocket.Get(), buffer, size, 0);
      if (n == 0 && send(FSocket.Get(), buffer, 0, 0) != 0) {
        // Under Wine a reset that select has seen reads as an orderly close; a connection that
        // was reset refuses even an empty send, one the server merely closed does not.
        FError = ENetError::Lost;
        return -1;
      }
      if (n >= 0) return n;
      if (WSAGetLastError() != WSAEWOULDBLOCK) {
        FError = ENetError::Lost;
        return -1;
      }
      if (!Wait(false, StallTimeoutMs())) return -1;
    }
  }

  bool ReadHead(TResponse& response) {
    std::string data;
    char chunk[16 * 1024];
    int interim = 0;
    for (;;) {
      const std::size_t end = FindHeadEnd(data.data(), data.size());
      if (end) {
        TResponse r;
        if (!ParseResponseHead(data.substr(0, end), r)) {
          FError = ENetError::Malformed;
          return false;
        }
        if (r.Status >= 100 && r.Status < 200) {  // interim answer: the real one follows
          // ...unless the server sends nothing else: a bounded number of them.
          if (++interim > kMaxInterim) {
            FError = ENetError::Malformed;
            return false;
          }
          data.erase(0, end);
          continue;
        }
        FResponse = r;
        FPending = data.substr(end);
        FPendingPos = 0;
        FLeft = r.Chunked ? -1 : r.ContentLength;
        FEnded = !r.Chunked && FLeft == 0;
        response = r;
        return true;
      }
      if (data.size() > kMaxHead) {
        FError = ENetError::Malformed;
        return false;
      }
      const int n = Recv(chunk, sizeof chunk);
      if (n <= 0) {
        if (n == 0) FError = ENetError::Lost;
        return false;
      }
      data.append(chunk, std::size_t(n));
    }
  }

  TCancelToken& FCancel;
  rtl::TSocket FSocket;
  TResponse FResponse;
  std::string FPending;
  std::size_t FPendingPos = 0;
  std::int64_t FLeft = -1;
  bool FEnded = false;
  TChunkedDecoder FChunks;
};

// What WinHTTP's callbacks share with a stream. WinHTTP owns it once the request handle has it:
// it is freed on HANDLE_CLOSING, the last callback of the request, which under Wine may come long
// after a cancelled stream has gone (a read on a stalled connection ends only at its timeout).
// Reads land in its own buffer for the same reason.
struct TWinHttpState {
  std::mutex Lock;
  rtl::TUniqueHandle Event{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  bool Done = false;
  DWORD Status = 0, Bytes = 0, Error = 0;
  std::vector<char> Buffer = std::vector<char>(256 * 1024);
};

bool IsSecureFailure(DWORD error) {
  switch (error) {
    case ERROR_WINHTTP_SECURE_FAILURE:
    case ERROR_WINHTTP_SECURE_CHANNEL_ERROR:
    case ERROR_WINHTTP_SECURE_INVALID_CA:
    case ERROR_WINHTTP_SECURE_INVALID_CERT:
    case ERROR_WINHTTP_SECURE_CERT_CN_INVALID:
    case ERROR_WINHTTP_SECURE_CERT_DATE_INVALID:
    case ERROR_WINHTTP_SECURE_CERT_REVOKED:
    case ERROR_WINHTTP_SECURE_CERT_REV_FAILED:
    case ERROR_WINHTTP_SECURE_CERT_WRONG_USAGE: return true;
    default: return false;
  }
}

void CALLBACK WinHttpCallback(HINTERNET, DWORD_PTR context, DWORD status, LPVOID info,
                              DWORD length) {
  auto* state = reinterpret_cast<TWinHttpState*>(context);
  if (!state) return;
  DWORD bytes = 0, error = 0;
  switch (status) {
    case WINHTTP_CALLBACK_STATUS_HANDLE_CLOSING:
      delete state;
      return;
    case WINHTTP_CALLBACK_STATUS_SENDREQUEST_COMPLETE:
    case WINHTTP_CALLBACK_STATUS_HEADERS_AVAILABLE:
      break;
    case WINHTTP_CALLBACK_STATUS_DATA_AVAILABLE:
      bytes = info ? *static_cast<DWORD*>(info) : 0;
      break;
    case WINHTTP_CALLBACK_STATUS_READ_COMPLETE:
      bytes = length;
      break;
    case WINHTTP_CALLBACK_STATUS_REQUEST_ERROR:
      error = info ? static_cast<WINHTTP_ASYNC_RESULT*>(info)->dwError : 0;
      if (!error) error = ERROR_WINHTTP_INTERNAL_ERROR;
      break;
    default:
      return;
  }
  std::lock_guard<std::mutex> lock(state->Lock);
  state->Done = true;
  state->Status = status;
  state->Bytes = bytes;
  state->Error = error;
  SetEvent(state->Event.Get());
}

// WinHTTP in asynchronous mode: every wait is ours, in slices, so a cancellation ends it at once.
class TWinHttpStream final : public THttpStream {
public:
  explicit TWinHttpStream(TCancelToken& cancel) : FCancel(cancel) {}
  ~TWinHttpStream() override {
    // Once the request is closed (first of the members) the state belongs to the callback alone.
    if (!FRequest) delete FState;
  }

  bool Open(const TRequest& request, TResponse& response) override {
    const TUrl& url = request.Url;
    FError = ENetError::Connect;
    FSession.Reset(WinHttpOpen(Utf8ToWide(kUserAgent).c_str(), WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                               WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, WINHTTP_FLAG_ASYNC));
    if (!FSession) return false;
    WinHttpSetTimeouts(FSession.Get(), int(kConnectTimeoutMs), int(kConnectTimeoutMs),
                       int(StallTimeoutMs()), int(StallTimeoutMs()));
    FConnect.Reset(WinHttpConnect(FSession.Get(), Utf8ToWide(url.Host).c_str(), url.Port, 0));
    if (!FConnect) return false;
    FState = new TWinHttpState;
    rtl::TInternetHandle req(WinHttpOpenRequest(FConnect.Get(), L"GET", Utf8ToWide(url.Target).c_str(), nullptr,
                                                WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES,
                                                url.Secure ? WINHTTP_FLAG_SECURE : 0));
    if (!req) return false;
    DWORD_PTR context = reinterpret_cast<DWORD_PTR>(FState);
    if (!WinHttpSetOption(req.Get(), WINHTTP_OPTION_CONTEXT_VALUE, &context, sizeof context) ||
        WinHttpSetStatusCallback(req.Get(), WinHttpCallback,
                                 WINHTTP_CALLBACK_FLAG_ALL_COMPLETIONS | WINHTTP_CALLBACK_FLAG_HANDLES,
                                 0) == WINHTTP_INVALID_STATUS_CALLBACK) {
      return false;  // no callback knows the state yet: it stays ours to free
    }
    FRequest = std::move(req);
    // Redirects are ours to follow (bounded, and also between http and https).
    DWORD policy = WINHTTP_OPTION_REDIRECT_POLICY_NEVER;
    WinHttpSetOption(FRequest.Get(), WINHTTP_OPTION_REDIRECT_POLICY, &policy, sizeof policy);
    const std::wstring headers = Utf8ToWide(RequestHeaders(request));
    Begin();
    if (!WinHttpSendRequest(FRequest.Get(), headers.c_str(), DWORD(headers.size()),
                            WINHTTP_NO_REQUEST_DATA, 0, 0, context) ||
        !Await(ENetError::Connect))
      return false;
    Begin();
    if (!WinHttpReceiveResponse(FRequest.Get(), nullptr) || !Await(ENetError::Connect)) return false;
    DWORD bytes = 0;
    WinHttpQueryHeaders(FRequest.Get(), WINHTTP_QUERY_RAW_HEADERS_CRLF, WINHTTP_HEADER_NAME_BY_INDEX,
                        WINHTTP_NO_OUTPUT_BUFFER, &bytes, WINHTTP_NO_HEADER_INDEX);
    std::wstring raw(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = DWORD(raw.size() * sizeof(wchar_t));
    if (!WinHttpQueryHeaders(FRequest.Get(), WINHTTP_QUERY_RAW_HEADERS_CRLF, WINHTTP_HEADER_NAME_BY_INDEX,
                             raw.data(), &bytes, WINHTTP_NO_HEADER_INDEX)) {
      FError = ENetError::Malformed;
      return false;
    }
    raw.resize(bytes / sizeof(wchar_t));
    // WinHTTP has already taken the body out of its chunks; our parser only reads the head.
    if (!ParseResponseHead(WideToUtf8(raw), FResponse)) {
      FError = ENetError::Malformed;
      return false;
    }
    FError = ENetError::None;
    FLeft = FResponse.BodyLength();
    response = FResponse;
    return true;
  }

  int Read(char* buffer, int size) override {
    if (FError != ENetError::None) return -1;  // an abandoned operation may still be pending
    if (FLeft >= 0) size = int(std::min<std::int64_t>(size, FLeft));
    if (size <= 0) return 0;
    // What has arrived, then at most that: WinHTTP's read would wait for a full buffer.
    Begin();
    if (!WinHttpQueryDataAvailable(FRequest.Get(), nullptr) || !Await(ENetError::Lost)) return -1;
    DWORD available = FState->Bytes;
    if (available == 0) {
      if (FLeft > 0) {  // ended before the announced length
        FError = ENetError::Lost;
        return -1;
      }
      return 0;
    }
    const DWORD want = std::min<DWORD>({DWORD(size), available, DWORD(FState->Buffer.size())});
    Begin();
    if (!WinHttpReadData(FRequest.Get(), FState->Buffer.data(), want, nullptr) || !Await(ENetError::Lost))
      return -1;
    const DWORD n = FState->Bytes;
    if (n == 0) {
      FError = ENetError::Lost;
      return -1;
    }
    std::memcpy(buffer, FState->Buffer.data(), n);
    if (FLeft >= 0) FLeft -= n;
    return int(n);
  }

private:
  void Begin() {
    std::lock_guard<std::mutex> lock(FState->Lock);
    FState->Done = false;
    FState->Error = 0;
    ResetEvent(FState->Event.Get());
  }

  // Waits for the operation begun last; false on its error, a cancellation or a stall.
  bool Await(ENetError onError) {
    for (DWORD waited = 0;; waited += kSliceMs) {
      if (FCancel.Cancelled()) {
        FError = ENetError::Cancelled;
        return false;
      }
      if (waited > 2 * StallTimeoutMs()) {  // WinHTTP's own timeouts should have come first
        FError = ENetError::Stalled;
        return false;
      }
      if (WaitForSingleObject(FState->Event.Get(), kSliceMs) != WAIT_OBJECT_0) continue;
      std::lock_guard<std::mutex> lock(FState->Lock);
      if (!FState->Done) continue;
      if (FState->Error) {
        FError = FState->Error == ERROR_WINHTTP_TIMEOUT ? ENetError::Stalled
                 : IsSecureFailure(FState->Error)       ? ENetError::Secure
                                                        : onError;
        return false;
      }
      return true;
    }
  }

  TCancelToken& FCancel;
  rtl::TInternetHandle FSession, FConnect, FRequest;  // closed in the reverse order
  TWinHttpState* FState = nullptr;  // see TWinHttpState for who frees it
  TResponse FResponse;
  std::int64_t FLeft = -1;
};

std::mutex gNetLock;
int gNetUsers = 0;

}  // namespace

TCancelToken::TCancelToken() : FEvent(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

TCancelToken::~TCancelToken() = default;

void TCancelToken::Cancel() {
  std::lock_guard<std::mutex> lock(FLock);
  if (FCancelled.exchange(true)) return;
  if (FEvent) SetEvent(FEvent.Get());
  for (auto& [id, hook] : FHooks) hook();
  FHooks.clear();
}

bool TCancelToken::Sleep(DWORD ms) const {
  if (Cancelled()) return true;
  if (FEvent) WaitForSingleObject(FEvent.Get(), ms);
  else ::Sleep(ms);
  return Cancelled();
}

int TCancelToken::AddHook(std::function<void()> hook) {
  std::lock_guard<std::mutex> lock(FLock);
  if (Cancelled()) return 0;
  const int id = FNextHook++;
  FHooks.emplace(id, std::move(hook));
  return id;
}

void TCancelToken::RemoveHook(int id) {
  std::lock_guard<std::mutex> lock(FLock);
  FHooks.erase(id);
}

std::unique_ptr<THttpStream> MakeStream(const TUrl& url, TCancelToken& cancel, bool forceWinHttp) {
  if (url.Secure || forceWinHttp) return std::make_unique<TWinHttpStream>(cancel);
  return std::make_unique<TPlainStream>(cancel);
}

bool NetStartup() {
  std::lock_guard<std::mutex> lock(gNetLock);
  if (gNetUsers == 0) {
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return false;
  }
  ++gNetUsers;
  return true;
}

void NetCleanup() {
  std::lock_guard<std::mutex> lock(gNetLock);
  if (gNetUsers > 0 && --gNetUsers == 0) WSACleanup();
}

std::string WideToUtf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0,
                                    nullptr, nullptr);
  std::string out(std::size_t(std::max(n, 0)), '\0');
  if (n > 0)
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), n, nullptr,
                        nullptr);
  return out;
}

std::wstring Utf8ToWide(const std::string& text) {
  if (text.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
  std::wstring out(std::size_t(std::max(n, 0)), L'\0');
  if (n > 0) MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), out.data(), n);
  return out;
}

}  // namespace xldl
