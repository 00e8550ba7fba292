#pragma once
// Connections of the download engine: one HTTP exchange per stream object, on a worker thread.
// Plain HTTP goes through our own client on Winsock (non-blocking sockets, 1 MiB receive
// buffers), HTTPS through WinHTTP. Every wait is bounded and ends early on cancellation.
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "platform/xldl/XlHttp.h"
#include "rtl/Handles.h"

namespace xldl {

// Shared by the connections of one transfer. Cancel() sets the flag, wakes sleepers and runs the
// hooks (which break blocking WinHTTP calls). Any thread.
class TCancelToken {
public:
  TCancelToken();
  ~TCancelToken();
  TCancelToken(const TCancelToken&) = delete;
  TCancelToken& operator=(const TCancelToken&) = delete;

  bool Cancelled() const { return FCancelled.load(std::memory_order_acquire); }
  void Cancel();
  // Sleeps up to ms; true when cancelled meanwhile (or before).
  bool Sleep(DWORD ms) const;
  // Hooks run under the token's lock, once, on Cancel(); after RemoveHook returns the hook is not
  // running and never will. AddHook returns 0, without adding, when already cancelled.
  int AddHook(std::function<void()> hook);
  void RemoveHook(int id);

private:
  std::atomic<bool> FCancelled{false};
  rtl::TUniqueHandle FEvent;
  std::mutex FLock;
  std::map<int, std::function<void()>> FHooks;
  int FNextHook = 1;
};

struct TRequest {
  TUrl Url;
  std::int64_t RangeFirst = -1;  // -1: no Range header
  std::int64_t RangeLast = -1;   // -1: to the end
  std::string IfRange;           // validator that makes a changed resource come back whole
  std::string Referer;
};

// Why a stream call failed, for the task's fail code.
// Secure: the TLS connection failed (an untrusted certificate, say), which trying again does
// not cure.
enum class ENetError { None, Connect, Lost, Stalled, Malformed, Cancelled, Secure };

class THttpStream {
public:
  virtual ~THttpStream() = default;
  // Sends the request and reads the answer's head. False on failure (see Error()).
  virtual bool Open(const TRequest& request, TResponse& response) = 0;
  // >0: bytes of body; 0: the body ended as announced; <0: failure (see Error()).
  virtual int Read(char* buffer, int size) = 0;
  ENetError Error() const { return FError; }

protected:
  ENetError FError = ENetError::None;
};

// Winsock for http, WinHTTP for https (or for http too when forced, for tests).
std::unique_ptr<THttpStream> MakeStream(const TUrl& url, TCancelToken& cancel,
                                        bool forceWinHttp = false);

// Winsock start-up, counted. False when Winsock cannot start.
bool NetStartup();
void NetCleanup();

std::string WideToUtf8(const std::wstring& text);
std::wstring Utf8ToWide(const std::string& text);

}  // namespace xldl
