// The trivial window the start-up and idle benchmarks compare the client with: a Win32 program
// like the client (windows subsystem), one plain window and nothing else.
//
//   trivial_window paint <ready file>   creates the file at the window's first paint
//   trivial_window timer [ready file [cycles]]
//                                       adds a 15 ms timer with an empty handler (the file once
//                                       the timer is set), or one that spins that many processor
//                                       cycles a tick: the idle benchmark's control of what it
//                                       can tell apart
#include <windows.h>
#include <x86intrin.h>

#include <cwchar>

#include <string>

namespace {

std::wstring gReadyFile;
bool gPainted = false;
unsigned long long gSpinCycles = 0;

void WriteReadyFile() {
  if (gReadyFile.empty()) return;
  HANDLE f = CreateFileW(gReadyFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (f != INVALID_HANDLE_VALUE) CloseHandle(f);
}

LRESULT CALLBACK TrivialWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(wnd, &ps);
      EndPaint(wnd, &ps);
      if (!gPainted) {
        gPainted = true;
        WriteReadyFile();
      }
      return 0;
    }
    case WM_TIMER:
      if (gSpinCycles) {
        const unsigned long long start = __rdtsc();
        while (__rdtsc() - start < gSpinCycles) {
        }
      }
      return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(wnd, msg, wp, lp);
  }
}

int RunTrivialWindow(bool timer) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = TrivialWndProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = L"TavloBenchTrivial";
  RegisterClassExW(&wc);
  HWND wnd = CreateWindowExW(0, wc.lpszClassName, L"bench", WS_OVERLAPPEDWINDOW, 40, 40, 640, 400, nullptr, nullptr,
                             wc.hInstance, nullptr);
  if (!wnd) return 1;
  ShowWindow(wnd, SW_SHOWNORMAL);
  UpdateWindow(wnd);
  if (timer) {
    SetTimer(wnd, 1, 15, nullptr);
    WriteReadyFile();
  }
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  const std::wstring mode = argc >= 2 ? argv[1] : L"";
  if (argc >= 3) gReadyFile = argv[2];
  if (argc >= 4) gSpinCycles = std::wcstoull(argv[3], nullptr, 10);
  if (mode == L"paint") return RunTrivialWindow(false);
  if (mode == L"timer") return RunTrivialWindow(true);
  return 2;
}
