#pragma once
// The pipe between the browser process and one render side (a process, or a thread in
// single-process mode): a named pipe carrying length-prefixed frames both ways.
//
// Neither end ever blocks its caller: Send only queues (a writer thread writes), and a reader
// thread hands each received frame to a callback, which posts it to the receiving thread.
#include <functional>
#include <memory>
#include <string>

#include <windows.h>

namespace standin {

class TChannel {
public:
  using TOnFrame = std::function<void(std::string frame)>;  // on the reader thread
  using TOnClosed = std::function<void()>;                  // on the reader thread, once

  ~TChannel();
  // The server end, created by the browser process before it starts the render side: for the
  // current user only, local clients only, one client. Null on failure.
  static std::shared_ptr<TChannel> Listen(const std::wstring& name);
  // The client end; waits up to timeoutMs for the pipe to exist.
  static std::shared_ptr<TChannel> Connect(const std::wstring& name, DWORD timeoutMs);

  // Starts the reader and writer threads (the server first waits for its client).
  void Start(TOnFrame onFrame, TOnClosed onClosed);
  // Queues one frame; false once the channel is closed. Frames arrive in order.
  bool Send(std::string frame);
  // Stops both threads and closes the pipe; frames still queued are dropped.
  void Close();

  // A new pipe name nobody can guess (128 random bits); empty when no random bits were to be had.
  static std::wstring NewName();

  // Frames larger than this are refused on both ends.
  static constexpr size_t kMaxFrame = 64u << 20;

private:
  TChannel();
  struct TImpl;
  std::shared_ptr<TImpl> FImpl;  // shared with the threads, which may outlive Close
};

}  // namespace standin
