#pragma once
// Opens and closes the runtime's developer tools for a page and remembers for which pages it
// opened them. The developer tools appear in a top-level window of the runtime's; this
// control's own window is never made. Main thread; DevToolsLocker guards the dictionary.
#include <cstdint>

#include "rtl/Interfaces.h"
#include "toolkit/Controls.h"
#include "vorad/cef3/VoraD.Cef3.Interfaces.h"

// Popup, visible, caption, system menu, sizing border, maximise box; no minimise box.
inline constexpr DWORD DevToolsWindowStyle = 0x90CD0000;

class TDevToolsTable;

class TDevToolsView : public toolkit::TWinControl {
public:
  explicit TDevToolsView(toolkit::TWinControl* owner = nullptr);
  ~TDevToolsView() override;

  void ShowDevTools(const rtl::TRef<ICefBrowser>& browser, const cef_point_t* inspectElementAt = nullptr);
  void CloseDevTools(const rtl::TRef<ICefBrowser>& browser);
  bool IsOpenedFor(int32_t browserId);

private:
  void OpenDevToolsWindow(const rtl::TRef<ICefBrowser>& browser, const cef_point_t* inspectElementAt,
                          uint32_t windowNumber);

  // Page id -> inspected page, shared with the tools windows' clients: a tools window closed by
  // the user (its close box) removes its page's entry, so the tools can be opened again.
  rtl::TRef<TDevToolsTable> FBrowserDic;
};

// The window information of a developer tools window: the whole primary screen, titled "DevTools".
cef_window_info_t NewDevToolsWindowInfo(const std::wstring& windowName);
