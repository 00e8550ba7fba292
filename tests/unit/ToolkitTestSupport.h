#pragma once
// Driving real dialogs from a test: a second thread waits (bounded) for a visible top-level
// window of a class and caption, acts on it as a user would, and hands back what it saw.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace toolkit_test {

inline std::wstring WindowText(HWND wnd) {
  wchar_t text[512] = {};
  GetWindowTextW(wnd, text, 512);
  return text;
}

// The texts of the window's static children, joined by "|" (empty ones left out).
inline std::wstring StaticTexts(HWND parent) {
  std::wstring out;
  for (HWND c = FindWindowExW(parent, nullptr, L"Static", nullptr); c;
       c = FindWindowExW(parent, c, L"Static", nullptr)) {
    const std::wstring text = WindowText(c);
    if (text.empty()) continue;
    if (!out.empty()) out += L"|";
    out += text;
  }
  return out;
}

class TDialogDriver {
public:
  using TAction = std::function<std::wstring(HWND)>;
  TDialogDriver(std::wstring className, std::wstring caption, TAction action)
      : FThread([this, className, caption, action] {
          const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
          while (std::chrono::steady_clock::now() < end) {
            HWND wnd = FindWindowW(className.c_str(), caption.c_str());
            if (wnd && IsWindowVisible(wnd)) {
              FResult = action(wnd);
              return;
            }
            Sleep(10);
          }
          FResult = L"<no window>";
        }) {}
  ~TDialogDriver() {
    if (FThread.joinable()) FThread.join();
  }
  TDialogDriver(const TDialogDriver&) = delete;
  TDialogDriver& operator=(const TDialogDriver&) = delete;
  const std::wstring& Result() {
    if (FThread.joinable()) FThread.join();
    return FResult;
  }

private:
  std::wstring FResult;
  std::thread FThread;
};

}  // namespace toolkit_test
