#include "Cef.Trace.h"

#include <windows.h>

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
    // Opened per line in append mode so that several processes can share the file.
    const rtl::TFileHandle file(CreateFileW(TracePath().c_str(), FILE_APPEND_DATA,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return;
    DWORD written = 0;
    WriteFile(file.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  });
}

void Trace(const char* kind, const std::wstring& text) {
  if (!TraceEnabled()) return;
  Trace(kind, ToUtf8(text));
}

}  // namespace standin
