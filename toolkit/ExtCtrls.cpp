#include "toolkit/ExtCtrls.h"

#include "rtl/SysUtils.h"
#include "rtl/WindowClass.h"
#include "toolkit/Forms.h"

namespace toolkit {

TTimer::TTimer() { UpdateTimer(); }

TTimer::~TTimer() {
  if (FWindow) {
    if (FRunning) KillTimer(FWindow, 1);
    SetWindowLongPtrW(FWindow, GWLP_USERDATA, 0);
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
    SetWindowLongPtrW(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  if (!SetTimer(FWindow, 1, FInterval, nullptr))
    throw rtl::EOSError(L"Not enough timers available", GetLastError());
  FRunning = true;
}

LRESULT CALLBACK TTimer::TimerWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER) {
    auto* self = reinterpret_cast<TTimer*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
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
