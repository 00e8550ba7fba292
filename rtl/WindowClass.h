#pragma once
// Registering a window class of the program's module. Header-only: the stand-ins may use it.
#include <windows.h>

namespace rtl {

struct TWindowClass {
  const wchar_t* Name = nullptr;
  WNDPROC Proc = nullptr;
  UINT Style = 0;
  HCURSOR Cursor = nullptr;
  HBRUSH Background = nullptr;
};

// Registers the class under the program's module; true when it is registered afterwards, by
// this call or an earlier one (so callers need no flag of their own). On false GetLastError
// tells why.
inline bool RegisterWindowClass(const TWindowClass& cls) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = cls.Style;
  wc.lpfnWndProc = cls.Proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = cls.Cursor;
  wc.hbrBackground = cls.Background;
  wc.lpszClassName = cls.Name;
  return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace rtl
