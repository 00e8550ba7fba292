#pragma once
// Driving real dialogs from a test: a second thread waits (bounded) for a visible top-level
// window of a class and caption, acts on it as a user would, and hands back what it saw.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cwchar>
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
              EnsureClosed(wnd);
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
  // A dialog the action failed to close would hold the test's modal loop for ever: after a
  // bound, say what the window's thread saw (for the log) and close it, so the test fails.
  void EnsureClosed(HWND wnd) {
    const auto open = [wnd] { return IsWindow(wnd) && IsWindowVisible(wnd); };
    const auto wait = [&open](int ms) {
      for (int i = 0; i < ms / 10 && open(); ++i) Sleep(10);
      return !open();
    };
    if (wait(20000)) return;
    GUITHREADINFO info{sizeof(info)};
    GetGUIThreadInfo(GetWindowThreadProcessId(wnd, nullptr), &info);
    wchar_t state[256];
    swprintf(state, 256,
             L" <still open: focus %p active %p foreground %p ctrl %d alt %d shift %d lbutton %d>",
             static_cast<void*>(info.hwndFocus), static_cast<void*>(info.hwndActive),
             static_cast<void*>(GetForegroundWindow()), GetAsyncKeyState(VK_CONTROL) < 0,
             GetAsyncKeyState(VK_MENU) < 0, GetAsyncKeyState(VK_SHIFT) < 0,
             GetAsyncKeyState(VK_LBUTTON) < 0);
    FResult += state;
    fwprintf(stderr, L"dialog driver:%ls\n", state);
    PostMessageW(wnd, WM_CLOSE, 0, 0);
    if (!wait(5000)) PostThreadMessageW(GetWindowThreadProcessId(wnd, nullptr), WM_QUIT, 0, 0);
  }

  std::wstring FResult;
  std::thread FThread;
};

}  // namespace toolkit_test
