#pragma once
// The timer: OnTimer runs on the thread that made the timer (the UI thread), from its message
// loop, every Interval milliseconds while Enabled.
#include "toolkit/Controls.h"

namespace toolkit {

class TTimer : public TObject {
public:
  // Runs at once (enabled, 1000 ms), like a timer placed on a form; OnTimer is called once set.
  TTimer();
  ~TTimer() override;
  TTimer(const TTimer&) = delete;
  TTimer& operator=(const TTimer&) = delete;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled);
  UINT Interval() const { return FInterval; }
  // Restarts the count when the timer runs; 0 stops it.
  void SetInterval(UINT interval);
  TNotifyEvent OnTimer;

private:
  void UpdateTimer();
  static LRESULT CALLBACK TimerWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

  HWND FWindow = nullptr;
  bool FEnabled = true;
  bool FRunning = false;
  UINT FInterval = 1000;
};

}  // namespace toolkit
