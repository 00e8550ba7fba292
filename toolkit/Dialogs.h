#pragma once
// Message boxes and the input-query dialog. Both are real, modal windows on the UI thread: the
// message box is the system's (class "#32770"), the input query a toolkit dialog form with an
// edit, "OK" and "Cancel".
#include <string>

#include "toolkit/Forms.h"

namespace toolkit {

// A message box owned by the given window; flags as for MessageBoxW (MB_OKCANCEL ...). Returns
// the button pressed (IDOK, IDCANCEL ...).
int MessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT flags);

// A plain message box with the application title as caption.
void ShowMessage(const std::wstring& text);

// Asks for one line of text. Value is shown first and, on "OK", replaced by what the user typed;
// on "Cancel" (or Esc, or the close box) it is left unchanged and the result is false.
bool InputQuery(const std::wstring& caption, const std::wstring& prompt, std::wstring& value);

}  // namespace toolkit
