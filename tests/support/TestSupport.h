#pragma once
// Shared test helpers: child roles of the test executable itself, temporary folders, the local
// HTTP test server, and bounded waiting.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "rtl/Handles.h"

namespace testing_support {

using TChildMain = int (*)(const std::vector<std::wstring>& args);
bool RegisterChild(const wchar_t* name, TChildMain main);

// TAVLO_CHILD(name) { ... return code; } defines a role that RunChild/StartChild start in a new
// process of the same test executable.
#define TAVLO_CHILD(name)                                                             \
  static int name##_child(const std::vector<std::wstring>& args);                     \
  static const bool name##_registered =                                               \
      ::testing_support::RegisterChild(L## #name, &name##_child);                     \
  static int name##_child([[maybe_unused]] const std::vector<std::wstring>& args)

// A test executable that plays a browser runtime's sub-processes registers their entry here;
// main() runs it, and exits with its result, when the command line holds a --type= switch.
using TProcessTypeMain = int (*)();
bool RegisterProcessTypeMain(TProcessTypeMain main);

// A child process that is killed when this object (or the test process) goes away.
class TChildProcess {
public:
  TChildProcess() = default;
  TChildProcess(TChildProcess&& other) noexcept;
  TChildProcess& operator=(TChildProcess&& other) noexcept;
  ~TChildProcess();
  bool Valid() const { return FProcess.Valid(); }
  // Exit code, or -1 when the process had not ended within the time.
  int Wait(DWORD timeoutMs);
  HANDLE Handle() const { return FProcess.Get(); }
  DWORD Id() const { return FId; }

private:
  friend TChildProcess StartProcess(const std::wstring& commandLine);
  rtl::TUniqueHandle FProcess;
  rtl::TUniqueHandle FJob;  // its close kills whatever the child started in turn
  DWORD FId = 0;
};

std::wstring ExecutablePath();
std::wstring QuoteArg(const std::wstring& arg);
TChildProcess StartProcess(const std::wstring& commandLine);
TChildProcess StartChild(const wchar_t* name, const std::vector<std::wstring>& args = {});
// Runs a child role to its end; -1 when it had not ended within the time (it is then killed).
int RunChild(const wchar_t* name, const std::vector<std::wstring>& args = {}, DWORD timeoutMs = 30000);

// A fresh, empty folder with a trailing backslash, removed with its contents on destruction.
class TTempDir {
public:
  TTempDir();
  ~TTempDir();
  const std::wstring& Path() const { return FPath; }

private:
  std::wstring FPath;
};

std::string ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, const std::string& data);
bool FileExists(const std::wstring& path);

// The local HTTP test server (tests/servers/httpd.py) that ctest starts for the tests needing it.
// Returns its port, or 0 when it is not running (the test then fails with a clear message).
int HttpServerPort();
std::wstring HttpUrl(const std::wstring& path);  // http://127.0.0.1:<port><path>
// The same server over https: with a certificate no client trusts, or (trusted) with
// tests/servers/tls-trusted-cert.pem, which TrustTestCertificate makes a trusted root.
int HttpsServerPort(bool trusted = false);
std::wstring HttpsUrl(const std::wstring& path, bool trusted = false);
// Adds tls-trusted-cert.pem to the current user's trusted roots (the test Wine prefix's); true
// when it is there.
bool TrustTestCertificate();

// Polls cond, pumping this thread's messages, until it holds or the time runs out.
bool WaitFor(const std::function<bool()>& cond, std::chrono::milliseconds timeout,
             bool pumpMessages = true);

// The project's source folder (set by ctest), with a trailing backslash, as a Windows path.
std::wstring SourceDir();
// The test build folder (set by ctest), the same way.
std::wstring BuildDir();

// Real pointer input, as the system gets it from a mouse: the pointer to a screen position, the
// left button down or up. Tests that use it hold the ctest resource lock "pointer".
void PointerTo(POINT at);
void LeftButton(bool down);
// True while the thread runs the system's move or size loop for one of its windows.
bool InMoveSizeLoop(DWORD threadId);
// A press at `from`, a move to `to` by way of the middle, a release, driving the system's size
// or move loop of `wnd`'s thread; true once `arrived` holds (the window's expected rectangle).
// Each step waits on the window's state, not on time. A window of a program running beside the
// test may take the foreground meanwhile; the loop's capture then no longer holds, and the
// pointer goes to whatever lies under it: moves are lost, and a release outside the window
// leaves the loop waiting for ever. So each step retakes the foreground and sends its input
// again, a bounded number of times, and the release ends over the window should the foreground
// have moved. Does not pump this thread's messages.
bool DragWindow(HWND wnd, POINT from, POINT to, const std::function<bool()>& arrived);

}  // namespace testing_support
