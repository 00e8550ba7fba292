#include "Cef.Channel.h"

#include <bcrypt.h>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "Cef.Common.h"
#include "rtl/Handles.h"

namespace standin {

namespace {

// A security descriptor whose only entry gives the user this process runs as full access: no
// other account, service or anonymous caller can open the pipe.
class TOwnerOnly {
public:
  TOwnerOnly() {
    rtl::TUniqueHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.Put())) return;
    DWORD size = 0;
    if (!GetTokenInformation(token.Get(), TokenUser, FUser, sizeof FUser, &size)) return;
    const PSID sid = reinterpret_cast<TOKEN_USER*>(FUser)->User.Sid;
    FOk = InitializeAcl(reinterpret_cast<ACL*>(FAcl), sizeof FAcl, ACL_REVISION) &&
          AddAccessAllowedAce(reinterpret_cast<ACL*>(FAcl), ACL_REVISION, GENERIC_ALL, sid) &&
          InitializeSecurityDescriptor(&FDescriptor, SECURITY_DESCRIPTOR_REVISION) &&
          SetSecurityDescriptorDacl(&FDescriptor, TRUE, reinterpret_cast<ACL*>(FAcl), FALSE);
    FAttributes.nLength = sizeof FAttributes;
    FAttributes.lpSecurityDescriptor = &FDescriptor;
    FAttributes.bInheritHandle = FALSE;
  }
  // Null when the descriptor could not be made: the caller must then not create the object.
  SECURITY_ATTRIBUTES* Get() { return FOk ? &FAttributes : nullptr; }

private:
  alignas(8) unsigned char FUser[sizeof(TOKEN_USER) + SECURITY_MAX_SID_SIZE] = {};
  alignas(8) unsigned char FAcl[sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) + SECURITY_MAX_SID_SIZE] = {};
  SECURITY_DESCRIPTOR FDescriptor{};
  SECURITY_ATTRIBUTES FAttributes{};
  bool FOk = false;
};

}  // namespace

struct TChannel::TImpl {
  rtl::TFileHandle pipe;
  bool server = false;
  rtl::TUniqueHandle closeEvent{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  rtl::TUniqueHandle connectedEvent{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  std::mutex lock;
  std::condition_variable cv;
  std::deque<std::string> outgoing;
  size_t outgoingBytes = 0;
  bool closed = false;
  std::thread reader, writer;

  // Waits for an overlapped operation; false when it failed or the channel is closing.
  bool Finish(OVERLAPPED& ov, BOOL started, DWORD& transferred) {
    if (!started && GetLastError() != ERROR_IO_PENDING) return false;
    HANDLE handles[2] = {ov.hEvent, closeEvent.Get()};
    const DWORD r = WaitForMultipleObjects(2, handles, FALSE, INFINITE);
    if (r != WAIT_OBJECT_0) {
      CancelIoEx(pipe.Get(), &ov);
      GetOverlappedResult(pipe.Get(), &ov, &transferred, TRUE);
      return false;
    }
    return GetOverlappedResult(pipe.Get(), &ov, &transferred, FALSE) != FALSE;
  }

  bool ReadExact(char* buf, size_t n) {
    rtl::TUniqueHandle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    OVERLAPPED ov{};
    ov.hEvent = event.Get();
    bool ok = true;
    while (n > 0 && ok) {
      ResetEvent(ov.hEvent);
      DWORD got = 0;
      const DWORD ask = static_cast<DWORD>(std::min<size_t>(n, 1 << 20));
      const BOOL started = ReadFile(pipe.Get(), buf, ask, nullptr, &ov);
      ok = Finish(ov, started, got) && got > 0;
      buf += got;
      n -= got;
    }
    return ok;
  }

  bool WriteAll(const std::string& data) {
    rtl::TUniqueHandle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    OVERLAPPED ov{};
    ov.hEvent = event.Get();
    size_t done = 0;
    bool ok = true;
    while (done < data.size() && ok) {
      ResetEvent(ov.hEvent);
      DWORD put = 0;
      const DWORD ask = static_cast<DWORD>(std::min<size_t>(data.size() - done, 1 << 20));
      const BOOL started = WriteFile(pipe.Get(), data.data() + done, ask, nullptr, &ov);
      ok = Finish(ov, started, put) && put > 0;
      done += put;
    }
    return ok;
  }

  bool WaitForClient() {
    rtl::TUniqueHandle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    OVERLAPPED ov{};
    ov.hEvent = event.Get();
    DWORD dummy = 0;
    bool ok;
    if (ConnectNamedPipe(pipe.Get(), &ov)) ok = true;
    else if (GetLastError() == ERROR_PIPE_CONNECTED) ok = true;
    else ok = Finish(ov, FALSE, dummy);
    return ok;
  }

  void ReaderLoop(const TOnFrame& onFrame, const TOnClosed& onClosed) {
    if (!server || WaitForClient()) {
      SetEvent(connectedEvent.Get());
      for (;;) {
        unsigned char head[4];
        if (!ReadExact(reinterpret_cast<char*>(head), 4)) break;
        const size_t len = head[0] | (head[1] << 8) | (head[2] << 16) | (static_cast<size_t>(head[3]) << 24);
        if (len > kMaxFrame) break;  // a broken peer; nothing sensible can follow
        std::string frame(len, '\0');
        if (len && !ReadExact(frame.data(), len)) break;
        GuardVoid([&] { onFrame(std::move(frame)); });
      }
    }
    {
      std::lock_guard<std::mutex> l(lock);
      closed = true;
    }
    cv.notify_all();
    GuardVoid([&] { onClosed(); });
  }

  void WriterLoop() {
    HANDLE handles[2] = {connectedEvent.Get(), closeEvent.Get()};
    if (WaitForMultipleObjects(2, handles, FALSE, INFINITE) != WAIT_OBJECT_0) return;
    for (;;) {
      std::string frame;
      {
        std::unique_lock<std::mutex> l(lock);
        cv.wait(l, [&] { return closed || !outgoing.empty(); });
        if (closed) return;
        frame = std::move(outgoing.front());
        outgoing.pop_front();
        outgoingBytes -= frame.size();
      }
      if (!WriteAll(frame)) return;
    }
  }
};

TChannel::TChannel() : FImpl(std::make_shared<TImpl>()) {}

TChannel::~TChannel() { Close(); }

std::wstring TChannel::NewName() {
  // 128 random bits: another program can neither guess the name nor create it first.
  unsigned char bits[16];
  if (!BCRYPT_SUCCESS(BCryptGenRandom(nullptr, bits, sizeof bits, BCRYPT_USE_SYSTEM_PREFERRED_RNG))) return {};
  std::wstring name = L"\\\\.\\pipe\\standin-cef-";
  for (unsigned char b : bits) {
    name += L"0123456789abcdef"[b >> 4];
    name += L"0123456789abcdef"[b & 15];
  }
  return name;
}

std::shared_ptr<TChannel> TChannel::Listen(const std::wstring& name) {
  TOwnerOnly security;
  if (name.empty() || !security.Get()) return nullptr;
  rtl::TFileHandle h(CreateNamedPipeW(name.c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE,
                                      PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT | PIPE_REJECT_REMOTE_CLIENTS, 1,
                                      1 << 16, 1 << 16, 0, security.Get()));
  if (!h) return nullptr;
  std::shared_ptr<TChannel> c(new TChannel());
  c->FImpl->pipe = std::move(h);
  c->FImpl->server = true;
  return c;
}

std::shared_ptr<TChannel> TChannel::Connect(const std::wstring& name, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    // Identification only: whoever holds the server end may not act as this process.
    rtl::TFileHandle h(CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                   FILE_FLAG_OVERLAPPED | SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION, nullptr));
    if (h) {
      std::shared_ptr<TChannel> c(new TChannel());
      c->FImpl->pipe = std::move(h);
      return c;
    }
    if (GetTickCount64() >= deadline) return nullptr;
    if (GetLastError() == ERROR_PIPE_BUSY) WaitNamedPipeW(name.c_str(), 100);
    else Sleep(20);
  }
}

void TChannel::Start(TOnFrame onFrame, TOnClosed onClosed) {
  std::shared_ptr<TImpl> impl = FImpl;
  impl->reader = std::thread([impl, onFrame = std::move(onFrame), onClosed = std::move(onClosed)] {
    impl->ReaderLoop(onFrame, onClosed);
  });
  impl->writer = std::thread([impl] { impl->WriterLoop(); });
}

bool TChannel::Send(std::string frame) {
  if (frame.size() > kMaxFrame) return false;
  std::string framed;
  framed.reserve(frame.size() + 4);
  const size_t n = frame.size();
  for (int k = 0; k < 4; ++k) framed += static_cast<char>((n >> (8 * k)) & 0xFF);
  framed += frame;
  {
    std::lock_guard<std::mutex> l(FImpl->lock);
    if (FImpl->closed) return false;
    FImpl->outgoingBytes += framed.size();
    FImpl->outgoing.push_back(std::move(framed));
  }
  FImpl->cv.notify_one();
  return true;
}

void TChannel::Close() {
  {
    std::lock_guard<std::mutex> l(FImpl->lock);
    FImpl->closed = true;
    FImpl->outgoing.clear();
  }
  FImpl->cv.notify_all();
  SetEvent(FImpl->closeEvent.Get());
  const auto self = std::this_thread::get_id();
  // Close may run on the reader thread (from its own callback): that thread is then left to end.
  for (std::thread* t : {&FImpl->reader, &FImpl->writer}) {
    if (!t->joinable()) continue;
    if (t->get_id() == self) t->detach();
    else t->join();
  }
}

}  // namespace standin
