// The real tavlo.exe, end to end: the stand-in runtime in multi-process mode, the real download
// engine, the local test server for the downloads, and a start page served by this test on the
// portal host the program was built with. What the page heard comes from the runtime's trace
// (the page's callbacks log what they receive); downloads are checked on disk.
#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <fstream>
#include <memory>
#include <thread>
#include <type_traits>

#include "app/Settings.h"
#include "app/ShellHelpers.h"
#include "bridge/mapshare.h"
#include "rtl/StrConv.h"
#include "support/TestSupport.h"

namespace ts = testing_support;
using namespace std::chrono_literals;

#ifndef TAVLO_PORTAL_HOST
#define TAVLO_PORTAL_HOST "127.0.0.1:8088"
#endif

namespace {

// ---- the start page server

// Answers GET /index.php/PC/ with the scenario's page, everything else with 404.
class TStartPageServer {
public:
  ~TStartPageServer() { Stop(); }

  // False (with the reason) when the port cannot be had.
  bool Start(int port, std::string page, std::string& why) {
    FPage = std::move(page);
    WSADATA wsa;
    WSAStartup(MAKEWORD(2, 2), &wsa);
    FListen = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<u_short>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (FListen == INVALID_SOCKET || bind(FListen, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)) != 0 ||
        listen(FListen, 16) != 0) {
      why = "port " + std::to_string(port) + " of the portal host is not free";
      Stop();
      return false;
    }
    FThread = std::thread([this] { Serve(); });
    return true;
  }

  void Stop() {
    if (FListen != INVALID_SOCKET) {
      closesocket(FListen);
      FListen = INVALID_SOCKET;
    }
    if (FThread.joinable()) FThread.join();
  }

  int PageRequests() const { return FPageRequests; }

private:
  void Serve() {
    for (int served = 0; served < 1000; ++served) {
      SOCKET c = accept(FListen, nullptr, nullptr);
      if (c == INVALID_SOCKET) return;
      DWORD timeout = 3000;
      setsockopt(c, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof(timeout));
      std::string request;
      char buf[4096];
      while (request.find("\r\n\r\n") == std::string::npos && request.size() < 65536) {
        const int n = recv(c, buf, sizeof(buf), 0);
        if (n <= 0) break;
        request.append(buf, n);
      }
      std::string reply;
      if (request.rfind("GET /index.php/PC/ ", 0) == 0) {
        ++FPageRequests;
        reply = "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: " +
                std::to_string(FPage.size()) + "\r\nConnection: close\r\n\r\n" + FPage;
      } else {
        reply = "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
      }
      send(c, reply.data(), static_cast<int>(reply.size()), 0);
      shutdown(c, SD_SEND);
      closesocket(c);
    }
  }

  SOCKET FListen = INVALID_SOCKET;
  std::thread FThread;
  std::string FPage;
  std::atomic<int> FPageRequests{0};
};

// ---- helpers

std::wstring BinDir() {
  const std::wstring exe = ts::ExecutablePath();
  return exe.substr(0, exe.find_last_of(L'\\') + 1);
}

int PortalPort() {
  const std::string host = TAVLO_PORTAL_HOST;
  if (host.rfind("127.0.0.1:", 0) != 0) return 0;
  return std::atoi(host.c_str() + 10);
}

std::string Replace(std::string text, const std::string& what, const std::string& with) {
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
    text.replace(at, what.size(), with);
  return text;
}

// Byte i of the test server's /bytes/<n> pattern.
std::string PatternBytes(size_t n) {
  std::string out(n, '\0');
  for (size_t i = 0; i < n; ++i) out[i] = static_cast<char>((i * 131 + i / 65536) & 255);
  return out;
}

std::string Base64(const std::string& bytes) {
  static const char a[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  for (size_t i = 0; i < bytes.size(); i += 3) {
    unsigned n = (unsigned char)bytes[i] << 16;
    if (i + 1 < bytes.size()) n |= (unsigned char)bytes[i + 1] << 8;
    if (i + 2 < bytes.size()) n |= (unsigned char)bytes[i + 2];
    out += a[n >> 18];
    out += a[(n >> 12) & 63];
    out += i + 1 < bytes.size() ? a[(n >> 6) & 63] : '=';
    out += i + 2 < bytes.size() ? a[n & 63] : '=';
  }
  return out;
}

bool SetClipboardText(const std::wstring& text) {
  bool opened = false;
  for (int i = 0; i < 50 && !opened; ++i) {
    opened = OpenClipboard(nullptr) != FALSE;
    if (!opened) Sleep(20);
  }
  if (!opened) return false;
  EmptyClipboard();
  bool ok = true;
  if (!text.empty()) {
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    auto* p = static_cast<wchar_t*>(GlobalLock(mem));
    memcpy(p, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(mem);
    ok = SetClipboardData(CF_UNICODETEXT, mem) != nullptr;
  }
  CloseClipboard();
  return ok;
}

// One start of tavlo.exe with its own trace file, download folder and start page.
class TTavloRun {
public:
  TTavloRun() {
    FTrace = FDir.Path() + L"trace.txt";
    FDownloads = FDir.Path() + L"dl\\";
    // The settings file is the machine's: kept and put back afterwards.
    FSettings = SettingsFilePath();
    FHadSettings = ts::FileExists(FSettings);
    if (FHadSettings) FSavedSettings = ts::ReadFileBytes(FSettings);
    CreateDirectoryTree(ExtractFilePath(FSettings));
    DeleteFileW(FSettings.c_str());
    WritePrivateProfileStringW(L"Setting", L"downpath", FDownloads.c_str(), FSettings.c_str());
  }

  ~TTavloRun() {
    FProcess = ts::TChildProcess();  // ends the program and its sub-processes
    FServer.Stop();
    if (FHadSettings) ts::WriteFileBytes(FSettings, FSavedSettings);
    else DeleteFileW(FSettings.c_str());
    WriteShareMainWindow(nullptr);
  }

  // Serves the test page with the scenario and starts the program. False with a reason when the
  // portal host is not one this test can serve.
  bool Start(const std::string& scenario, std::string& why) {
    std::string page = ts::ReadFileBytes(ts::SourceDir() + L"tests\\pages\\tavlo_portal.html");
    page = Replace(page, "{{HTTPD}}", "127.0.0.1:" + std::to_string(ts::HttpServerPort()));
    page = Replace(page, "{{SCENARIO}}", scenario);
    return StartPage(page, why);
  }

  // Serves `page` as the start page and starts the program.
  bool StartPage(const std::string& page, std::string& why) {
    const int port = PortalPort();
    if (!port) {
      why = "the build's portal host " TAVLO_PORTAL_HOST " is not on 127.0.0.1";
      return false;
    }
    if (ts::HttpServerPort() == 0) {
      why = "the local test server is not running";
      return false;
    }
    if (!FServer.Start(port, page, why)) return false;
    WriteShareMainWindow(nullptr);
    FProcess = StartTavlo();
    return FProcess.Valid();
  }

  ts::TChildProcess StartTavlo() {
    SetEnvironmentVariableW(L"STANDIN_CEF_TRACE", FTrace.c_str());
    ts::TChildProcess p = ts::StartProcess(ts::QuoteArg(BinDir() + L"tavlo.exe"));
    SetEnvironmentVariableW(L"STANDIN_CEF_TRACE", nullptr);
    return p;
  }

  std::vector<std::wstring> TraceLines() const {
    std::vector<std::wstring> lines;
    const std::string data = ts::ReadFileBytes(FTrace);
    size_t start = 0;
    while (start < data.size()) {
      size_t end = data.find('\n', start);
      if (end == std::string::npos) end = data.size();
      std::string line = data.substr(start, end - start);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(rtl::Utf8ToUtf16(line));
      start = end + 1;
    }
    return lines;
  }

  // What the page's callbacks reported, in order ("console page: <text> (<source>:<line>)").
  std::vector<std::wstring> PageSaid() const {
    std::vector<std::wstring> said;
    for (const std::wstring& line : TraceLines()) {
      const size_t at = line.find(L" console page: ");
      if (at == std::wstring::npos) continue;
      std::wstring text = line.substr(at + 15);
      const size_t source = text.rfind(L" (");
      if (source != std::wstring::npos) text.resize(source);
      said.push_back(text);
    }
    return said;
  }

  // The last `n` lines of the trace but the layouts (which would crowd out the rest), for a
  // failure's message.
  std::string TraceTail(size_t n) const {
    std::vector<std::wstring> lines = TraceLines();
    std::erase_if(lines, [](const std::wstring& line) { return line.find(L" layout ") != std::wstring::npos; });
    std::string tail;
    for (size_t i = lines.size() > n ? lines.size() - n : 0; i < lines.size(); ++i)
      tail += rtl::Utf16ToUtf8(lines[i]) + "\n";
    return tail;
  }

  static size_t Count(const std::vector<std::wstring>& said, const std::wstring& prefix) {
    size_t n = 0;
    for (const auto& s : said) n += s.rfind(prefix, 0) == 0;
    return n;
  }

  bool WaitSaid(const std::wstring& prefix, size_t count, std::chrono::milliseconds timeout) {
    return ts::WaitFor([&] { return Count(PageSaid(), prefix) >= count; }, timeout);
  }

  HWND MainWindow() const { return ReadShareMainWindow(); }
  ts::TChildProcess& Process() { return FProcess; }
  const std::wstring& Downloads() const { return FDownloads; }

private:
  ts::TTempDir FDir;
  std::wstring FTrace, FDownloads, FSettings;
  bool FHadSettings = false;
  std::string FSavedSettings;
  TStartPageServer FServer;
  ts::TChildProcess FProcess;
};

class Tavlo : public ::testing::Test {
protected:
  void SetUp() override { OpenShareBlock(); }
  void TearDown() override { CloseShareBlock(); }

  // Starts the program on a page running `scenario` and waits until the page is ready.
  void Launch(TTavloRun& run, const std::string& scenario) {
    std::string why;
    ASSERT_TRUE(run.Start(scenario, why)) << why;
    if (!run.WaitSaid(L"ready", 1, 60s)) FAIL() << "the start page never became ready; trace:\n" << run.TraceTail(40);
  }

  // The exit code once the program has ended, -1 if it did not within the time. Messages are
  // pumped meanwhile: the program sends to this test's clipboard viewers as it leaves.
  static int WaitExit(TTavloRun& run, std::chrono::milliseconds timeout = 60s) {
    HANDLE h = run.Process().Handle();
    if (!ts::WaitFor([&] { return WaitForSingleObject(h, 0) == WAIT_OBJECT_0; }, timeout)) return -1;
    DWORD code = 0;
    GetExitCodeProcess(h, &code);
    return static_cast<int>(code);
  }

  static std::wstring LinkTo(const std::wstring& path) {
    return L"tavlo" + rtl::Utf8ToUtf16(Base64(rtl::Utf16ToUtf8(ts::HttpUrl(path))));
  }
};

// ---- tests

TEST_F(Tavlo, StartShowsThePortalAndASecondStartEndsSilently) {
  TTavloRun run;
  Launch(run, "");
  if (IsSkipped() || HasFatalFailure()) return;
  const std::vector<std::wstring> said = run.PageSaid();
  EXPECT_EQ(said.front(), L"ready object") << "TApp is published to the page";

  HWND wnd = run.MainWindow();
  ASSERT_TRUE(IsWindow(wnd));
  EXPECT_TRUE(IsWindowVisible(wnd));
  wchar_t caption[64] = {};
  GetWindowTextW(wnd, caption, 64);
  EXPECT_STREQ(caption, L"Vellumo\u5BA2\u6237\u7AEF");
  RECT r{};
  GetWindowRect(wnd, &r);
  EXPECT_EQ(r.right - r.left, 1100);
  EXPECT_EQ(r.bottom - r.top, 640);

  // A second start: no window, no message, exit code 0; the first is unaffected.
  ts::TChildProcess second = run.StartTavlo();
  ASSERT_TRUE(second.Valid());
  const DWORD secondPid = second.Id();
  EXPECT_EQ(second.Wait(60000), 0);
  for (const std::wstring& line : run.TraceLines()) {
    if (line.rfind(std::to_wstring(secondPid) + L" ", 0) != 0) continue;
    EXPECT_EQ(line.find(L" browser created "), std::wstring::npos) << rtl::Utf16ToUtf8(line);
  }
  EXPECT_EQ(run.MainWindow(), wnd);
  EXPECT_TRUE(IsWindow(wnd));
  EXPECT_EQ(WaitForSingleObject(run.Process().Handle(), 0), static_cast<DWORD>(WAIT_TIMEOUT));

  PostMessageW(wnd, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitExit(run), 0);
}

TEST_F(Tavlo, PageDownloadReportsProgressThenCompletesOnce) {
  constexpr size_t size = 3 * 1024 * 1024;
  TTavloRun run;
  Launch(run, "TApp.hDwon(link('/bytes/" + std::to_string(size) + ";throttle=300000/film.mp4'));");
  if (IsSkipped() || HasFatalFailure()) return;
  ASSERT_TRUE(run.WaitSaid(L"DwonloadComplate()", 1, 120s));
  std::this_thread::sleep_for(2500ms);  // a further tick must not report again
  const std::vector<std::wstring> said = run.PageSaid();

  ASSERT_GE(said.size(), 3u);
  EXPECT_EQ(said[1], L"taskStartSuccess name=[film.mp4] type=string");
  EXPECT_EQ(TTavloRun::Count(said, L"DwonloadComplate()"), 1u);
  EXPECT_EQ(said.back(), L"DwonloadComplate()");
  EXPECT_GE(TTavloRun::Count(said, L"changeDownProgress "), 1u);
  long long lastDone = -1;
  for (const std::wstring& s : said) {
    double percent = 0;
    long long done = 0, total = 0;
    if (swscanf(s.c_str(), L"changeDownProgress %lf %lld %lld", &percent, &done, &total) != 3) continue;
    EXPECT_EQ(total, static_cast<long long>(size));
    EXPECT_GE(done, lastDone);
    EXPECT_NEAR(percent, 100.0 * double(done) / double(total), 0.0051) << rtl::Utf16ToUtf8(s);
    lastDone = done;
  }
  EXPECT_TRUE(ts::ReadFileBytes(run.Downloads() + L"film.mp4") == PatternBytes(size));
  PostMessageW(run.MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitExit(run), 0);
}

TEST_F(Tavlo, PauseThenResumeStillCompletesTheFile) {
  constexpr size_t size = 4 * 1024 * 1024;
  TTavloRun run;
  Launch(run,
         "onProgress = function () { TApp.hDwonPause(); };"
         "onStopped = function () { onStopped = null; later(2000, function () { TApp.hDwonStart(); }); };"
         "TApp.hDwon(link('/bytes/" + std::to_string(size) + ";throttle=200000/film.mp4'));");
  if (IsSkipped() || HasFatalFailure()) return;
  ASSERT_TRUE(run.WaitSaid(L"DwonloadComplate()", 1, 180s));
  const std::vector<std::wstring> said = run.PageSaid();
  auto find = [&](const std::wstring& text, size_t from) {
    for (size_t i = from; i < said.size(); ++i)
      if (said[i] == text) return i;
    return said.size();
  };
  const size_t started = find(L"taskStartSuccess name=[film.mp4] type=string", 0);
  const size_t stopped = find(L"taskStopSuccess()", started);
  const size_t resumed = find(L"taskStartSuccess()", stopped);
  const size_t complete = find(L"DwonloadComplate()", resumed);
  ASSERT_LT(complete, said.size()) << "start, pause, resume and completion in that order";
  for (size_t i = stopped + 1; i < resumed; ++i)
    EXPECT_NE(said[i].rfind(L"changeDownProgress ", 0), 0u) << "no progress while paused";
  EXPECT_EQ(TTavloRun::Count(said, L"DwonloadComplate()"), 1u);
  EXPECT_TRUE(ts::ReadFileBytes(run.Downloads() + L"film.mp4") == PatternBytes(size));
  PostMessageW(run.MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitExit(run), 0);
}

// A clipboard viewer of the test: counts the notices it gets and keeps the chain going.
struct TViewer {
  HWND Wnd = nullptr;
  HWND Next = nullptr;
  int Draws = 0;
  int ChainChanges = 0;

  static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<TViewer*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
    if (self && msg == WM_DRAWCLIPBOARD) {
      ++self->Draws;
      if (self->Next) SendMessageW(self->Next, msg, wParam, lParam);
      return 0;
    }
    if (self && msg == WM_CHANGECBCHAIN) {
      ++self->ChainChanges;
      if (reinterpret_cast<HWND>(wParam) == self->Next) self->Next = reinterpret_cast<HWND>(lParam);
      else if (self->Next) SendMessageW(self->Next, msg, wParam, lParam);
      return 0;
    }
    return DefWindowProcW(wnd, msg, wParam, lParam);
  }

  void Join() {
    static bool registered = false;
    if (!registered) {
      WNDCLASSW wc{};
      wc.lpfnWndProc = &Proc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = L"TavloTestViewer";
      RegisterClassW(&wc);
      registered = true;
    }
    Wnd = CreateWindowExW(0, L"TavloTestViewer", L"viewer", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                          GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(Wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    Next = SetClipboardViewer(Wnd);
  }
  void Leave() {
    if (!Wnd) return;
    ChangeClipboardChain(Wnd, Next);
    DestroyWindow(Wnd);
    Wnd = nullptr;
  }
  ~TViewer() { Leave(); }
};

TEST_F(Tavlo, ClipboardLinksStartDownloadsAndTheChainStaysWhole) {
  ASSERT_TRUE(SetClipboardText(L""));
  TViewer first, second;
  first.Join();
  second.Join();  // second.Next is first; the program joins after second
  ASSERT_EQ(second.Next, first.Wnd);
  TTavloRun run;
  Launch(run, "");
  if (IsSkipped() || HasFatalFailure()) return;
  // Joining sends the program one notice, which it forwards down the chain.
  ASSERT_TRUE(ts::WaitFor([&] { return second.Draws >= 1 && first.Draws >= 1; }, 10s));

  const std::wstring link = LinkTo(L"/bytes/65536/clip.bin");
  int before = second.Draws;
  ASSERT_TRUE(SetClipboardText(L"T" + link.substr(1)));  // "Tavlo...": not a link
  ASSERT_TRUE(ts::WaitFor([&] { return second.Draws > before; }, 10s)) << "forwarded";
  before = second.Draws;
  ASSERT_TRUE(SetClipboardText(L"tavl"));
  ASSERT_TRUE(ts::WaitFor([&] { return second.Draws > before; }, 10s)) << "forwarded";
  before = second.Draws;
  ASSERT_TRUE(SetClipboardText(link));
  ASSERT_TRUE(ts::WaitFor([&] { return second.Draws > before; }, 10s)) << "forwarded";
  ASSERT_TRUE(run.WaitSaid(L"DwonloadComplate()", 1, 60s));
  std::vector<std::wstring> said = run.PageSaid();
  EXPECT_EQ(TTavloRun::Count(said, L"taskStartSuccess name=[clip.bin]"), 1u) << "only the real link";
  EXPECT_EQ(TTavloRun::Count(said, L"taskStartFail()"), 0u);
  EXPECT_TRUE(ts::ReadFileBytes(run.Downloads() + L"clip.bin") == PatternBytes(65536));

  // Removing the program's next viewer re-links the chain: the notice now goes straight to
  // the first viewer.
  second.Leave();
  const int firstBefore = first.Draws;
  ASSERT_TRUE(SetClipboardText(L"hello"));
  EXPECT_TRUE(ts::WaitFor([&] { return first.Draws > firstBefore; }, 10s));

  PostMessageW(run.MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitExit(run), 0);
}

TEST_F(Tavlo, WindowCallsActOnTheWindowAndExitEndsTheProgram) {
  TTavloRun run;
  Launch(run,
         "TApp.hWMin(); say('after min');"
         "later(3000, function () { TApp.hWMax(); say('after max 1');"
         "  later(3000, function () { TApp.hWMax(); say('after max 2');"
         "    later(3000, function () { say('exiting'); TApp.hExitApp(); }); }); });");
  if (IsSkipped() || HasFatalFailure()) return;
  HWND wnd = run.MainWindow();
  ASSERT_TRUE(run.WaitSaid(L"after min", 1, 10s));
  EXPECT_TRUE(IsIconic(wnd));
  ASSERT_TRUE(run.WaitSaid(L"after max 1", 1, 10s));
  EXPECT_TRUE(IsZoomed(wnd));
  ASSERT_TRUE(run.WaitSaid(L"after max 2", 1, 10s));
  EXPECT_FALSE(IsZoomed(wnd));
  EXPECT_FALSE(IsIconic(wnd));
  ASSERT_TRUE(run.WaitSaid(L"exiting", 1, 10s));
  EXPECT_EQ(WaitExit(run), 0);

  // The runtime was shut down last: nothing of the browser process follows its shutdown.
  const std::wstring pid = std::to_wstring(run.Process().Id()) + L" ";
  std::vector<std::wstring> own;
  for (const std::wstring& line : run.TraceLines())
    if (line.rfind(pid, 0) == 0) own.push_back(line);
  size_t shutdown = own.size();
  for (size_t i = 0; i < own.size(); ++i)
    if (own[i].find(L" process shutdown") != std::wstring::npos) shutdown = i;
  ASSERT_LT(shutdown, own.size()) << "the runtime was shut down";
  for (size_t i = shutdown + 1; i < own.size(); ++i)
    EXPECT_EQ(own[i].find(L" callback "), std::wstring::npos) << rtl::Utf16ToUtf8(own[i]);
}

// Lines appended to the stand-in runtime's control file: it runs each `script * <code>` once
// in the page.
void AppendLine(const std::wstring& file, const std::string& line) {
  HANDLE h = CreateFileW(file.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  const std::string data = line + "\n";
  DWORD written = 0;
  WriteFile(h, data.data(), DWORD(data.size()), &written, nullptr);
  CloseHandle(h);
}

RECT WindowRect(HWND wnd) {
  RECT r{};
  GetWindowRect(wnd, &r);
  return r;
}

bool HasRect(HWND wnd, const RECT& expected) {
  const RECT r = WindowRect(wnd);
  return EqualRect(&r, &expected) != FALSE;
}

std::string Show(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + "x" +
         std::to_string(r.bottom - r.top);
}

TEST_F(Tavlo, PointerResizesOverThePageAndMovesOnlyWhileTheButtonIsHeld) {
  ts::TTempDir dir;
  const std::wstring control = dir.Path() + L"control.txt";
  ts::WriteFileBytes(control, "");
  TTavloRun run;
  SetEnvironmentVariableW(L"STANDIN_CEF_CONTROL", control.c_str());
  Launch(run, "");
  SetEnvironmentVariableW(L"STANDIN_CEF_CONTROL", nullptr);
  if (IsSkipped() || HasFatalFailure()) return;
  HWND wnd = run.MainWindow();
  // Above the windows of tests running beside this one, which would take the pointer.
  SetWindowPos(wnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  const DWORD uiThread = GetWindowThreadProcessId(wnd, nullptr);
  const RECT start = WindowRect(wnd);
  ASSERT_EQ(start.right - start.left, 1100);
  ASSERT_EQ(start.bottom - start.top, 640);

  // The bottom-right corner, over the page, grows the window; the left edge shrinks it no
  // further than 1100 wide.
  RECT grown = start;
  grown.right += 60;
  grown.bottom += 40;
  EXPECT_TRUE(ts::DragWindow(wnd, POINT{start.right - 2, start.bottom - 2},
                             POINT{start.right + 58, start.bottom + 38}, [&] { return HasRect(wnd, grown); }))
      << Show(WindowRect(wnd));
  // Wine's size loop may stop one pixel short of the limit on the left edge.
  const auto atTheLimit = [&] {
    const RECT r = WindowRect(wnd);
    return r.left != grown.left && r.right - r.left <= 1101;
  };
  EXPECT_TRUE(ts::DragWindow(wnd, POINT{grown.left + 2, grown.top + 300}, POINT{grown.left + 302, grown.top + 300},
                             atTheLimit))
      << Show(WindowRect(wnd));
  const RECT shrunk = WindowRect(wnd);
  EXPECT_GE(shrunk.right - shrunk.left, 1100) << Show(shrunk);
  EXPECT_LE(shrunk.right - shrunk.left, 1101) << Show(shrunk);
  EXPECT_EQ(shrunk.right, grown.right);
  EXPECT_EQ(shrunk.top, grown.top);
  EXPECT_EQ(shrunk.bottom, grown.bottom);

  // hWMove with the button up (a quick click on a drag area) returns at once, and page script
  // goes on.
  const RECT before = WindowRect(wnd);
  const POINT middle{(before.left + before.right) / 2, (before.top + before.bottom) / 2};
  ts::PointerTo(middle);
  AppendLine(control, "script * TApp.hWMove(); say('move 1 returned');");
  const bool returned = run.WaitSaid(L"move 1 returned", 1, 15s);
  if (!returned) {  // end the stuck move so that the program can be closed
    ts::LeftButton(true);
    ts::LeftButton(false);
  }
  EXPECT_TRUE(returned);
  EXPECT_TRUE(HasRect(wnd, before)) << Show(WindowRect(wnd));

  // With the button held on the page the window follows the pointer, and the call returns when
  // the button is released. The pointer goes to the loop only while the window is foreground.
  SetForegroundWindow(wnd);
  ts::LeftButton(true);
  Sleep(200);
  AppendLine(control, "script * TApp.hWMove(); say('move 2 returned');");
  EXPECT_TRUE(ts::WaitFor([&] { return ts::InMoveSizeLoop(uiThread); }, 15s));
  SetForegroundWindow(wnd);
  ts::PointerTo(POINT{middle.x + 20, middle.y + 15});
  Sleep(100);
  ts::PointerTo(POINT{middle.x + 40, middle.y + 30});
  Sleep(500);
  EXPECT_EQ(TTavloRun::Count(run.PageSaid(), L"move 2 returned"), 0u) << "returned while the button was held";
  ts::LeftButton(false);
  // A release that went astray (see DragWindow) is sent again, over the window.
  for (int i = 0; i < 5 && !run.WaitSaid(L"move 2 returned", 1, 3s); ++i) {
    SetForegroundWindow(wnd);
    ts::LeftButton(false);
  }
  EXPECT_TRUE(run.WaitSaid(L"move 2 returned", 1, 1s));
  RECT moved = before;
  OffsetRect(&moved, 40, 30);
  EXPECT_TRUE(HasRect(wnd, moved)) << Show(WindowRect(wnd));

  PostMessageW(wnd, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitExit(run), 0);
}

// The Wine prefix scripts/test prepares: the default download folder lands inside the build
// folder, not on a drive of the host's root.
TEST(TestPrefix, DefaultDownloadFolderIsInsideTheBuildFolder) {
  const std::wstring drive = FindLargestFreeDrive();
  ASSERT_EQ(drive, L"D");
  const std::wstring name = L"prefix-check-" + std::to_wstring(GetCurrentProcessId());
  ts::WriteFileBytes(drive + L":\\" + name, "here");
  EXPECT_EQ(ts::ReadFileBytes(ts::BuildDir() + L"downloads\\" + name), "here");
  DeleteFileW((drive + L":\\" + name).c_str());
  EXPECT_EQ(GetDriveTypeW(L"Z:\\"), static_cast<UINT>(DRIVE_NO_ROOT_DIR));
}

TEST_F(Tavlo, FileNamesReachThePageAsTextAndNothingElseRuns) {
  TTavloRun run;
  Launch(run,
         "TApp.hDwon(link(\"/bytes/1000/it's(1).mp4\"));"
         "later(1500, function () { TApp.hDwon(link('/bytes/1000/a\");say(\"INJECTED\");(\".mp4')); "
         "later(3000, function () { say('done'); }); });");
  if (IsSkipped() || HasFatalFailure()) return;
  ASSERT_TRUE(run.WaitSaid(L"done", 1, 30s));
  const std::vector<std::wstring> said = run.PageSaid();
  EXPECT_EQ(TTavloRun::Count(said, L"taskStartSuccess name=[it's(1).mp4] type=string"), 1u);
  EXPECT_EQ(TTavloRun::Count(said, L"INJECTED"), 0u);
  // The second name is not a file name the engine takes; if it did, it arrived as text.
  const size_t second = TTavloRun::Count(said, L"taskStartSuccess name=[a\");say(\"INJECTED\");(\".mp4]") +
                        TTavloRun::Count(said, L"taskStartFail()");
  EXPECT_EQ(second, 1u);
  PostMessageW(run.MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitExit(run), 0);
}

// A popup menu window (class "#32768") shown by the given process.
BOOL CALLBACK FindMenuWindow(HWND wnd, LPARAM data) {
  auto* found = reinterpret_cast<std::pair<DWORD, bool>*>(data);
  wchar_t cls[16] = {};
  GetClassNameW(wnd, cls, 16);
  DWORD pid = 0;
  GetWindowThreadProcessId(wnd, &pid);
  if (pid == found->first && IsWindowVisible(wnd) && std::wstring(cls) == L"#32768") found->second = true;
  return TRUE;
}

TEST_F(Tavlo, RightClickInThePageShowsNoMenu) {
  TTavloRun run;
  Launch(run, "");
  if (IsSkipped() || HasFatalFailure()) return;
  HWND wnd = run.MainWindow();
  // The page's own window: the deepest visible child under the middle of the window.
  HWND page = wnd;
  for (int depth = 0; depth < 8; ++depth) {
    RECT r{};
    GetClientRect(page, &r);
    HWND child = ChildWindowFromPointEx(page, POINT{r.right / 2, r.bottom / 2}, CWP_SKIPINVISIBLE);
    if (!child || child == page) break;
    page = child;
  }
  ASSERT_NE(page, wnd) << "the page has a window of its own";
  PostMessageW(page, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(100, 100));
  PostMessageW(page, WM_RBUTTONUP, 0, MAKELPARAM(100, 100));
  auto asked = [&] {
    for (const std::wstring& line : run.TraceLines())
      if (line.find(L"callback on_before_context_menu") != std::wstring::npos) return true;
    return false;
  };
  ASSERT_TRUE(ts::WaitFor(asked, 20s)) << "the right-click reached the runtime";
  std::pair<DWORD, bool> menu{run.Process().Id(), false};
  ts::WaitFor([&] {
    EnumWindows(&FindMenuWindow, reinterpret_cast<LPARAM>(&menu));
    return menu.second;
  }, 1500ms);
  EXPECT_FALSE(menu.second) << "a context menu was shown";
  PostMessageW(wnd, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitExit(run), 0);
}

// ---- failed downloads, link forms, chosen names, callbacks before the page has loaded

TEST_F(Tavlo, FailedDownloadIsReportedOnceAndResumeRetriesIt) {
  TTavloRun run;
  Launch(run,
         "var fails = 0;"
         "taskStartFail = function () { say('taskStartFail()'); fails++;"
         "  later(3000, fails == 1 ? function () { say('resuming'); TApp.hDwonStart(); }"
         "                         : function () { say('done'); }); };"
         "TApp.hDwon(link('/no-such-film/film.mp4'));");
  if (IsSkipped() || HasFatalFailure()) return;
  ASSERT_TRUE(run.WaitSaid(L"done", 1, 60s)) << "the 404 was never reported";
  std::vector<std::wstring> said = run.PageSaid();
  said.erase(said.begin());  // "ready object"
  EXPECT_EQ(said, (std::vector<std::wstring>{L"taskStartSuccess name=[film.mp4] type=string", L"taskStartFail()",
                                             L"resuming", L"taskStartSuccess()", L"taskStartFail()", L"done"}));
  EXPECT_FALSE(ts::FileExists(run.Downloads() + L"film.mp4"));
  PostMessageW(run.MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitExit(run), 0);
}

TEST_F(Tavlo, UnpaddedQueryAndEncodedLinksGetTheRightFileUnderTheNameTheEngineChose) {
  // Unpadded base64 of an address whose length is no multiple of 3 ends in a partial group.
  std::wstring unpadded;
  size_t unpaddedSize = 0;
  for (size_t size : {4000, 40000}) {
    const std::wstring path = L"/bytes/" + std::to_wstring(size) + L"/film.mp4";
    if (rtl::Utf16ToUtf8(ts::HttpUrl(path)).size() % 3 == 0) continue;
    unpadded = LinkTo(path);
    unpadded.erase(unpadded.find(L'='));
    unpaddedSize = size;
  }
  ASSERT_FALSE(unpadded.empty());
  TTavloRun run;
  // The engine never overwrites: a file already named taken.mp4 makes it take "taken (1).mp4".
  ASSERT_TRUE(CreateDirectoryTree(run.Downloads()));
  ts::WriteFileBytes(run.Downloads() + L"taken.mp4", "already here");
  const std::string links = "['" + rtl::Utf16ToUtf8(unpadded) + "','" +
                            rtl::Utf16ToUtf8(LinkTo(L"/bytes/6000/clip.mkv?token=abc&x=1#t=5")) + "','" +
                            rtl::Utf16ToUtf8(LinkTo(L"/bytes/7000/%E4%B8%AD%E6%96%87.mp4?sig=%2F")) + "','" +
                            rtl::Utf16ToUtf8(LinkTo(L"/bytes/8000/taken.mp4")) + "']";
  Launch(run,
         "var links = " + links + ";"
         "function next() { if (links.length) TApp.hDwon(links.shift()); else say('all done'); }"
         "var complete = DwonloadComplate;"
         "DwonloadComplate = function () { complete(); next(); };"
         "taskStartFail = function () { say('taskStartFail()'); next(); };"
         "next();");
  if (IsSkipped() || HasFatalFailure()) return;
  ASSERT_TRUE(run.WaitSaid(L"all done", 1, 120s));
  const std::vector<std::wstring> said = run.PageSaid();
  EXPECT_EQ(TTavloRun::Count(said, L"taskStartFail()"), 0u);
  for (const wchar_t* name : {L"film.mp4", L"clip.mkv", L"\u4E2D\u6587.mp4", L"taken (1).mp4"})
    EXPECT_EQ(TTavloRun::Count(said, L"taskStartSuccess name=[" + std::wstring(name) + L"] type=string"), 1u)
        << rtl::Utf16ToUtf8(name) << "; trace:\n" << run.TraceTail(80);
  EXPECT_TRUE(ts::ReadFileBytes(run.Downloads() + L"film.mp4") == PatternBytes(unpaddedSize));
  EXPECT_TRUE(ts::ReadFileBytes(run.Downloads() + L"clip.mkv") == PatternBytes(6000));
  EXPECT_TRUE(ts::ReadFileBytes(run.Downloads() + L"\u4E2D\u6587.mp4") == PatternBytes(7000));
  EXPECT_TRUE(ts::ReadFileBytes(run.Downloads() + L"taken (1).mp4") == PatternBytes(8000));
  EXPECT_EQ(ts::ReadFileBytes(run.Downloads() + L"taken.mp4"), "already here");
  PostMessageW(run.MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitExit(run), 0);
}

TEST_F(Tavlo, ClipboardLinkAtStartIsReportedOnceThePageHasLoaded) {
  // The program joins the clipboard chain while its window is created, long before the start
  // page has loaded, and the link already there starts at once.
  struct TClearClipboard {
    ~TClearClipboard() { SetClipboardText(L""); }
  } clear;
  ASSERT_TRUE(SetClipboardText(LinkTo(L"/bytes/65536/early.bin")));
  TTavloRun run;
  Launch(run, "");
  if (IsSkipped() || HasFatalFailure()) return;
  ASSERT_TRUE(run.WaitSaid(L"DwonloadComplate()", 1, 60s)) << "the completion was never reported";
  std::this_thread::sleep_for(1500ms);  // nothing more comes
  const std::vector<std::wstring> said = run.PageSaid();
  ASSERT_GE(said.size(), 3u);
  EXPECT_EQ(said[0], L"ready object");
  EXPECT_EQ(said[1], L"taskStartSuccess name=[early.bin] type=string");
  EXPECT_EQ(said.back(), L"DwonloadComplate()");
  EXPECT_EQ(TTavloRun::Count(said, L"taskStartSuccess"), 1u);
  EXPECT_EQ(TTavloRun::Count(said, L"DwonloadComplate()"), 1u);
  EXPECT_TRUE(ts::ReadFileBytes(run.Downloads() + L"early.bin") == PatternBytes(65536));
  PostMessageW(run.MainWindow(), WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitExit(run), 0);
}

// ---- the demo portal, used with the pointer as a person would

// The last place the runtime's layout gave an element ("layout <tag>#<id> x y w h text").
struct TPlaced {
  int x = 0, y = 0, w = 0, h = 0;
  std::wstring text;
  bool found = false;
};
TPlaced Placed(const TTavloRun& run, const std::wstring& element) {
  TPlaced p;
  const std::wstring key = L" layout " + element + L" ";
  for (const std::wstring& line : run.TraceLines()) {
    const size_t at = line.find(key);
    if (at == std::wstring::npos) continue;
    int used = 0;
    if (swscanf(line.c_str() + at + key.size(), L"%d %d %d %d %n", &p.x, &p.y, &p.w, &p.h, &used) < 4) continue;
    p.text = line.substr(at + key.size() + static_cast<size_t>(used));
    p.found = true;
  }
  return p;
}

bool Heard(const TTavloRun& run, const std::wstring& console) {
  for (const std::wstring& line : run.TraceLines())
    if (line.find(L" console " + console) != std::wstring::npos) return true;
  return false;
}

BOOL CALLBACK FindPageWindow(HWND wnd, LPARAM out) {
  wchar_t cls[64] = {};
  GetClassNameW(wnd, cls, 64);
  if (wcscmp(cls, L"StandInCefPage") != 0) return TRUE;
  *reinterpret_cast<HWND*>(out) = wnd;
  return FALSE;
}

// A left click with the mouse at the middle of the element: real input, through the system's
// queue to whatever window is under the pointer.
bool Press(const TTavloRun& run, HWND page, const std::wstring& element) {
  const TPlaced p = Placed(run, element);
  if (!p.found) return false;
  POINT pt{p.x + p.w / 2, p.y + p.h / 2};
  ClientToScreen(page, &pt);
  SetCursorPos(pt.x, pt.y);
  std::this_thread::sleep_for(100ms);
  INPUT in[2] = {};
  in[0].type = in[1].type = INPUT_MOUSE;
  in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(1, &in[0], sizeof(INPUT));
  std::this_thread::sleep_for(50ms);
  SendInput(1, &in[1], sizeof(INPUT));
  return true;
}

TEST_F(Tavlo, ThePortalsButtonsDownloadPauseAndResumeWithThePointer) {
  constexpr size_t size = 4 * 1024 * 1024;
  // The demo portal as it ships, its first film served by the test server (slowly, so that
  // there is time to pause it).
  std::string page = ts::ReadFileBytes(ts::SourceDir() + L"portal\\index.html");
  ASSERT_NE(page.find("var FILES = location.protocol + '//' + location.host;"), std::string::npos);
  page = Replace(page, "var FILES = location.protocol + '//' + location.host;",
                 "var FILES = 'http://127.0.0.1:" + std::to_string(ts::HttpServerPort()) + "';");
  page = Replace(page, "/files/67108864/film.mp4", "/bytes/" + std::to_string(size) + ";throttle=150000/film.mp4");
  TTavloRun run;
  std::string why;
  ASSERT_TRUE(run.StartPage(page, why)) << why;
  ASSERT_TRUE(ts::WaitFor([&] { return Heard(run, L"portal ready; TApp is object"); }, 60s));
  ASSERT_TRUE(ts::WaitFor([&] { return Placed(run, L"button#dl-film").found; }, 20s));
  HWND pageWnd = nullptr;
  EnumChildWindows(run.MainWindow(), &FindPageWindow, reinterpret_cast<LPARAM>(&pageWnd));
  ASSERT_NE(pageWnd, nullptr);
  SetForegroundWindow(run.MainWindow());

  ASSERT_TRUE(Press(run, pageWnd, L"button#dl-film"));
  ASSERT_TRUE(ts::WaitFor([&] { return Heard(run, L"taskStartSuccess(\"film.mp4\")"); }, 30s))
      << "the Download button was pressed; trace:\n" << run.TraceTail(60);
  // The page shows the progress: its bar fills and its text says how far.
  const int full = Placed(run, L"div#progress").w;
  ASSERT_GT(full, 0);
  ASSERT_TRUE(ts::WaitFor([&] { return Placed(run, L"div#bar-fill").w > 0; }, 30s));
  // The trace holds a layout a line at a time: the text's line may follow the bar's a moment later.
  EXPECT_TRUE(ts::WaitFor(
      [&] { return Placed(run, L"div#progress-text").text.find(L"% (") != std::wstring::npos; }, 10s));

  // Pause comes after the person was in another program: the click that brings the window back
  // must reach the button too.
  std::unique_ptr<std::remove_pointer_t<HWND>, decltype(&DestroyWindow)> otherWindow(
      CreateWindowExW(0, L"STATIC", L"another program", WS_POPUP | WS_VISIBLE, 1500, 900, 60, 60, nullptr, nullptr,
                      GetModuleHandleW(nullptr), nullptr),
      &DestroyWindow);
  const HWND other = otherWindow.get();
  ASSERT_NE(other, nullptr);
  SetForegroundWindow(other);
  EXPECT_TRUE(ts::WaitFor([&] { return GetForegroundWindow() == other; }, 1s));
  ASSERT_TRUE(Press(run, pageWnd, L"button#pause"));
  ASSERT_TRUE(ts::WaitFor([&] { return Heard(run, L"taskStopSuccess()"); }, 30s))
      << "Pause was pressed; trace:\n" << run.TraceTail(60);
  otherWindow.reset();  // its thread stops pumping messages from here on
  std::this_thread::sleep_for(1500ms);
  const TPlaced paused = Placed(run, L"div#bar-fill");
  EXPECT_LT(paused.w, full) << "paused before the end";
  EXPECT_EQ(Placed(run, L"p#status").text, L"Paused");
  std::this_thread::sleep_for(1500ms);
  EXPECT_EQ(Placed(run, L"div#bar-fill").w, paused.w) << "no progress while paused";
  EXPECT_FALSE(ts::FileExists(run.Downloads() + L"film.mp4"));

  ASSERT_TRUE(Press(run, pageWnd, L"button#resume"));
  ASSERT_TRUE(ts::WaitFor([&] { return Heard(run, L"taskStartSuccess() (resumed)"); }, 30s))
      << "Resume was pressed; trace:\n" << run.TraceTail(60);
  ASSERT_TRUE(ts::WaitFor([&] { return Heard(run, L"DwonloadComplate()"); }, 180s));
  ASSERT_TRUE(ts::WaitFor([&] { return Placed(run, L"div#bar-fill").w == full; }, 10s));
  EXPECT_EQ(Placed(run, L"p#status").text, L"Download complete");
  EXPECT_TRUE(ts::ReadFileBytes(run.Downloads() + L"film.mp4") == PatternBytes(size));

  ASSERT_TRUE(Press(run, pageWnd, L"button#close"));
  EXPECT_EQ(WaitExit(run), 0) << "the close button ends the program";
}

}  // namespace
