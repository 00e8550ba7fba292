#include "support/TestSupport.h"

#include <windows.h>
#include <wincrypt.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <thread>
#include <vector>

#include "rtl/StrConv.h"

namespace testing_support {

namespace {

std::map<std::wstring, TChildMain>& Children() {
  static std::map<std::wstring, TChildMain> children;
  return children;
}

std::wstring EnvVar(const wchar_t* name) {
  wchar_t buffer[32768];
  const DWORD n = GetEnvironmentVariableW(name, buffer, 32768);
  return n && n < 32768 ? std::wstring(buffer, n) : std::wstring();
}

// ctest hands Unix paths through the environment; Wine's own mapping finds the drive that holds
// them (the test prefix has no drive for the host's root).
std::wstring UnixToWindowsPath(std::wstring path) {
  using TDosFileName = WCHAR*(CDECL*)(const char*);
  const auto dosFileName = reinterpret_cast<TDosFileName>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_dos_file_name")));
  if (!path.empty() && path[0] == L'/' && dosFileName) {
    if (WCHAR* dos = dosFileName(rtl::Utf16ToUtf8(path).c_str())) {
      path = dos;
      HeapFree(GetProcessHeap(), 0, dos);
    }
  }
  for (auto& c : path)
    if (c == L'/') c = L'\\';
  if (!path.empty() && path.back() != L'\\') path.push_back(L'\\');
  return path;
}

}  // namespace

bool RegisterChild(const wchar_t* name, TChildMain main) {
  Children()[name] = main;
  return true;
}

int RunRegisteredChild(const std::wstring& name, const std::vector<std::wstring>& args) {
  auto it = Children().find(name);
  if (it == Children().end()) return 99;
  return it->second(args);
}

TChildProcess::TChildProcess(TChildProcess&& other) noexcept { *this = std::move(other); }

TChildProcess& TChildProcess::operator=(TChildProcess&& other) noexcept {
  std::swap(FProcess, other.FProcess);
  std::swap(FJob, other.FJob);
  std::swap(FId, other.FId);
  return *this;
}

TChildProcess::~TChildProcess() {
  if (FProcess) TerminateProcess(FProcess.Get(), 1);
}

int TChildProcess::Wait(DWORD timeoutMs) {
  if (!FProcess || WaitForSingleObject(FProcess.Get(), timeoutMs) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(FProcess.Get(), &code);
  return int(code);
}

std::wstring ExecutablePath() {
  wchar_t buffer[MAX_PATH * 4];
  const DWORD n = GetModuleFileNameW(nullptr, buffer, MAX_PATH * 4);
  return std::wstring(buffer, n);
}

std::wstring QuoteArg(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) return arg;
  std::wstring out = L"\"";
  size_t slashes = 0;
  for (wchar_t c : arg) {
    if (c == L'\\') { ++slashes; continue; }
    if (c == L'"') out.append(slashes * 2 + 1, L'\\');
    else out.append(slashes, L'\\');
    slashes = 0;
    out.push_back(c);
  }
  out.append(slashes * 2, L'\\');
  return out + L"\"";
}

TChildProcess StartProcess(const std::wstring& commandLine) {
  TChildProcess child;
  child.FJob.Reset(CreateJobObjectW(nullptr, nullptr));
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  SetInformationJobObject(child.FJob.Get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::wstring cmd = commandLine;
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                      nullptr, &si, &pi))
    return child;
  const rtl::TUniqueHandle thread(pi.hThread);
  child.FProcess.Reset(pi.hProcess);
  AssignProcessToJobObject(child.FJob.Get(), pi.hProcess);
  ResumeThread(thread.Get());
  child.FId = pi.dwProcessId;
  return child;
}

TChildProcess StartChild(const wchar_t* name, const std::vector<std::wstring>& args) {
  std::wstring cmd = QuoteArg(ExecutablePath()) + L" --child " + name;
  for (const auto& a : args) cmd += L" " + QuoteArg(a);
  return StartProcess(cmd);
}

int RunChild(const wchar_t* name, const std::vector<std::wstring>& args, DWORD timeoutMs) {
  TChildProcess child = StartChild(name, args);
  return child.Wait(timeoutMs);
}

TTempDir::TTempDir() {
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  static LONG counter = 0;
  for (;;) {
    FPath = std::wstring(base) + L"tavlo-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(InterlockedIncrement(&counter)) + L"\\";
    if (CreateDirectoryW(FPath.c_str(), nullptr)) break;
  }
}

TTempDir::~TTempDir() {
  std::error_code ec;
  std::filesystem::remove_all(std::filesystem::path(FPath), ec);
}

std::string ReadFileBytes(const std::wstring& path) {
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFileBytes(const std::wstring& path, const std::string& data) {
  std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
  out.write(data.data(), std::streamsize(data.size()));
}

bool FileExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

namespace {

// The fixture's port file: http port, server process id, https ports (untrusted, trusted), one per line.
std::vector<int> ServerFileNumbers() {
  static const std::vector<int> numbers = [] {
    std::vector<int> out;
    const std::wstring file = EnvVar(L"TAVLO_HTTPD_PORT_FILE");
    if (file.empty()) return out;
    std::wstring path = UnixToWindowsPath(file);
    path.pop_back();
    // The fixture writes the file once the server listens; allow it a moment.
    for (int i = 0; i < 100; ++i) {
      const std::string text = ReadFileBytes(path);
      if (!text.empty()) {
        for (size_t pos = 0; pos < text.size();) {
          out.push_back(std::atoi(text.c_str() + pos));
          const size_t next = text.find('\n', pos);
          if (next == std::string::npos) break;
          pos = next + 1;
        }
        return out;
      }
      Sleep(50);
    }
    return out;
  }();
  return numbers;
}

}  // namespace

int HttpServerPort() {
  const auto n = ServerFileNumbers();
  return n.empty() ? 0 : n[0];
}

int HttpsServerPort(bool trusted) {
  const auto n = ServerFileNumbers();
  const size_t line = trusted ? 3 : 2;
  return n.size() <= line ? 0 : n[line];
}

std::wstring HttpUrl(const std::wstring& path) {
  return L"http://127.0.0.1:" + std::to_wstring(HttpServerPort()) + path;
}

std::wstring HttpsUrl(const std::wstring& path, bool trusted) {
  return L"https://127.0.0.1:" + std::to_wstring(HttpsServerPort(trusted)) + path;
}

bool WaitFor(const std::function<bool()>& cond, std::chrono::milliseconds timeout, bool pumpMessages) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (cond()) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    if (pumpMessages) {
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } else {
      Sleep(5);
    }
  }
}

std::wstring SourceDir() { return UnixToWindowsPath(EnvVar(L"TAVLO_SOURCE_DIR")); }
std::wstring BuildDir() { return UnixToWindowsPath(EnvVar(L"TAVLO_BUILD_DIR")); }

void PointerTo(POINT at) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  // Normalised to 0..65535 over the primary screen, rounded up so that scaling back lands on the
  // very pixel.
  const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
  in.mi.dx = (at.x * 65536 + sw - 1) / sw;
  in.mi.dy = (at.y * 65536 + sh - 1) / sh;
  SendInput(1, &in, sizeof(in));
}

void LeftButton(bool down) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &in, sizeof(in));
}

bool InMoveSizeLoop(DWORD threadId) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  return GetGUIThreadInfo(threadId, &info) && (info.flags & GUI_INMOVESIZE);
}

bool DragWindow(HWND wnd, POINT from, POINT to, const std::function<bool()>& arrived) {
  using namespace std::chrono_literals;
  const DWORD thread = GetWindowThreadProcessId(wnd, nullptr);
  const auto poll = [](const std::function<bool()>& cond, std::chrono::milliseconds timeout) {
    return WaitFor(cond, timeout, false);
  };
  const auto inLoop = [thread] { return InMoveSizeLoop(thread); };
  bool started = false;
  for (int attempt = 0; attempt < 3 && !started; ++attempt) {
    SetForegroundWindow(wnd);
    PointerTo(from);
    LeftButton(true);
    started = poll(inLoop, 5s);
    if (!started) {
      LeftButton(false);
      poll([&] { return !inLoop(); }, 1s);
    }
  }
  if (!started) return false;
  bool there = false;
  for (int attempt = 0; attempt < 3 && !there; ++attempt) {
    if (attempt) SetForegroundWindow(wnd);
    PointerTo(POINT{(from.x + to.x) / 2, (from.y + to.y) / 2});
    PointerTo(to);
    there = poll(arrived, 3s);
  }
  for (int attempt = 0; attempt < 5 && inLoop(); ++attempt) {
    if (attempt) {
      SetForegroundWindow(wnd);
      PointerTo(to);
    }
    LeftButton(false);
    poll([&] { return !inLoop(); }, 3s);
  }
  // The loop may have lost the capture with the foreground, and then looks ended while it still
  // waits for a release: one over the window itself reaches its thread all the same.
  if (!there || GetForegroundWindow() != wnd) {
    RECT r{};
    GetWindowRect(wnd, &r);
    PointerTo(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    LeftButton(false);
  }
  return there && !inLoop() && arrived();
}

bool TrustTestCertificate() {
  const std::string pem = ReadFileBytes(SourceDir() + L"tests\\servers\\tls-trusted-cert.pem");
  DWORD size = 0;
  if (pem.empty() || !CryptStringToBinaryA(pem.c_str(), DWORD(pem.size()), CRYPT_STRING_BASE64HEADER, nullptr, &size,
                                           nullptr, nullptr))
    return false;
  std::vector<BYTE> der(size);
  if (!CryptStringToBinaryA(pem.c_str(), DWORD(pem.size()), CRYPT_STRING_BASE64HEADER, der.data(), &size, nullptr,
                            nullptr))
    return false;
  HCERTSTORE root = CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_CURRENT_USER, L"Root");
  if (!root) return false;
  const bool added = CertAddEncodedCertificateToStore(root, X509_ASN_ENCODING, der.data(), size,
                                                      CERT_STORE_ADD_USE_EXISTING, nullptr) != 0;
  CertCloseStore(root, 0);
  return added;
}

}  // namespace testing_support
