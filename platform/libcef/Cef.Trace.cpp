#include "Cef.Trace.h"

#include <windows.h>

#include <cstdint>
#include <cwctype>
#include <mutex>

#include "Cef.Common.h"
#include "rtl/Handles.h"

namespace standin {

namespace {

std::mutex& TraceLock() {
  static std::mutex m;
  return m;
}
std::string& TraceRole() {
  static std::string role = "browser";
  return role;
}

const std::wstring& TracePath() {
  static const std::wstring path = [] {
    wchar_t buf[MAX_PATH * 2] = {};
    const DWORD n = GetEnvironmentVariableW(L"STANDIN_CEF_TRACE", buf, MAX_PATH * 2);
    return n > 0 && n < MAX_PATH * 2 ? std::wstring(buf, n) : std::wstring();
  }();
  return path;
}

// Under Wine, appends from several processes at once lose lines and tear others (each write lands
// where the end was when it looked), so the processes that share the file take turns: by a mutex
// named after the file.
HANDLE TraceTurn() {
  static const HANDLE turn = [] {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a of the path as written in lower case
    for (const wchar_t c : TracePath()) {
      hash ^= static_cast<std::uint64_t>(towlower(c));
      hash *= 1099511628211ull;
    }
    std::wstring name = L"Local\\standin-cef-trace-";
    for (int shift = 60; shift >= 0; shift -= 4) name += L"0123456789abcdef"[(hash >> shift) & 0xF];
    return CreateMutexW(nullptr, FALSE, name.c_str());  // the handle is kept for the process's life
  }();
  return turn;
}

// A process paused while it holds the turn holds up the others no longer than this.
constexpr DWORD kTraceTurnWaitMs = 2000;

}  // namespace

bool TraceEnabled() { return !TracePath().empty(); }

void SetTraceRole(const std::string& role) {
  std::lock_guard<std::mutex> lock(TraceLock());
  TraceRole() = role;
}

void Trace(const char* kind, const std::string& utf8Text) {
  if (!TraceEnabled()) return;
  GuardVoid([&] {
    std::string line;
    {
      std::lock_guard<std::mutex> lock(TraceLock());
      line = std::to_string(GetCurrentProcessId()) + " " + TraceRole() + " " + kind + " ";
    }
    // One event is one line: line breaks inside the text are shown as \n.
    for (char c : utf8Text) {
      if (c == '\n') line += "\\n";
      else if (c == '\r') line += "\\r";
      else line += c;
    }
    line += "\n";
    std::lock_guard<std::mutex> lock(TraceLock());
    const HANDLE turn = TraceTurn();
    const DWORD waited = turn ? WaitForSingleObject(turn, kTraceTurnWaitMs) : WAIT_FAILED;
    {
      // Opened per line in append mode so that several processes can share the file.
      const rtl::TFileHandle file(CreateFileW(TracePath().c_str(), FILE_APPEND_DATA,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
      DWORD written = 0;
      if (file) WriteFile(file.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    }
    // An abandoned turn (its holder ended) is this thread's now too.
    if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED) ReleaseMutex(turn);
  });
}

void Trace(const char* kind, const std::wstring& text) {
  if (!TraceEnabled()) return;
  Trace(kind, ToUtf8(text));
}

}  // namespace standin
