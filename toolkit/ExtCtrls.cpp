#include "toolkit/ExtCtrls.h"

#include <algorithm>
#include <mutex>
#include <utility>
#include <vector>

#include "rtl/SysUtils.h"
#include "rtl/WindowClass.h"
#include "toolkit/Forms.h"

namespace toolkit {

namespace {

// The live timers by window. A tick looks its timer up here rather than in the window's data,
// which is a call into the window system, and the 15 ms pump ticks all day. Timers live on any
// thread.
struct TTimers {
  std::mutex lock;
  std::vector<std::pair<HWND, TTimer*>> byWindow;
};

TTimers& Timers() {
  static TTimers* timers = new TTimers();  // never destroyed: a timer may outlive the statics
  return *timers;
}

}  // namespace

TTimer::TTimer() { UpdateTimer(); }

TTimer::~TTimer() {
  if (FWindow) {
    if (FRunning) KillTimer(FWindow, 1);
    {
      TTimers& t = Timers();
      std::lock_guard<std::mutex> lock(t.lock);
      std::erase_if(t.byWindow, [this](const auto& entry) { return entry.second == this; });
    }
    DestroyWindow(FWindow);
  }
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == FEnabled) return;
  FEnabled = enabled;
  UpdateTimer();
}

void TTimer::SetInterval(UINT interval) {
  if (interval == FInterval) return;
  FInterval = interval;
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (FRunning) {
    KillTimer(FWindow, 1);
    FRunning = false;
  }
  if (!FEnabled || FInterval == 0) return;
  if (!FWindow) {
    static const bool registered = rtl::RegisterWindowClass({.Name = L"TavloTimer", .Proc = &TTimer::TimerWndProc});
    (void)registered;
    // A message-only window of the calling thread: its WM_TIMER comes through that thread's loop.
    FWindow = CreateWindowExW(0, L"TavloTimer", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    if (!FWindow) throw rtl::EOSError(L"Cannot create the timer window", GetLastError());
    TTimers& t = Timers();
    std::lock_guard<std::mutex> lock(t.lock);
    t.byWindow.emplace_back(FWindow, this);
  }
  if (!SetTimer(FWindow, 1, FInterval, nullptr))
    throw rtl::EOSError(L"Not enough timers available", GetLastError());
  FRunning = true;
}

LRESULT CALLBACK TTimer::TimerWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER) {
    TTimer* self = nullptr;
    {
      TTimers& t = Timers();
      std::lock_guard<std::mutex> lock(t.lock);
      const auto it = std::find_if(t.byWindow.begin(), t.byWindow.end(),
                                   [wnd](const auto& entry) { return entry.first == wnd; });
      if (it != t.byWindow.end()) self = it->second;
    }
    // A tick already queued when the timer was switched off is dropped.
    if (self && self->FRunning && self->OnTimer) {
      try {
        self->OnTimer(self);
      } catch (...) {
        Application().HandleException();
      }
    }
    return 0;
  }
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

}  // namespace toolkit
