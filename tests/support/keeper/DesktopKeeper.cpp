// Holds Wine's desktop open for a whole test run. The first process that needs a desktop starts
// it, and the desktop process inherits that process's output pipes; started from inside ctest,
// that test would then wait until the desktop closes. scripts/test starts this first, with its
// output on /dev/null, so the desktop never belongs to a test. It ends after at most two hours.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = instance;
  wc.lpszClassName = L"TavloDesktopKeeper";
  RegisterClassW(&wc);
  // A hidden top-level window: it keeps this process on the desktop without showing anything.
  CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, instance, nullptr);
  SetTimer(nullptr, 0, 2 * 60 * 60 * 1000, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_TIMER) break;
    DispatchMessageW(&msg);
  }
  return 0;
}
