#include "vorad/core/VoraD.Handler.Keyboard.h"

#include "vorad/core/VoraD.Core.BrowserView.Rules.h"

bool TVoraDKeyboardHandler::OnPreKeyEvent(const rtl::TRef<ICefBrowser>& browser, const cef_key_event_t* event,
                                          cef_event_handle_t os_event, int& is_keyboard_shortcut) {
  bool cancel = false, cancelDefault = false;
  bool shortcut = is_keyboard_shortcut != 0;
  if (FEvents) FEvents->DoPreKeyEvent(browser, event, os_event, shortcut, cancel, cancelDefault);
  is_keyboard_shortcut = shortcut ? 1 : 0;
  if (cancelDefault || !event) return cancel;
  const TBuiltinKeyActions keys = BuiltinKeyActions(event->type, event->modifiers, event->windows_key_code);
  if (keys.ShowDevTools) SendToBrowserWindow(browser, WM_VORAD_SHOWDEVTOOLSKEY, 0);
  if (keys.Reload) SendToBrowserWindow(browser, WM_VORAD_RELOADKEY, 0);
  if (keys.Search) SendToBrowserWindow(browser, WM_VORAD_SEARCHKEY, 0);
  if (keys.Cancel) cancel = true;
  return cancel;
}

bool TVoraDKeyboardHandler::OnKeyEvent(const rtl::TRef<ICefBrowser>& browser, const cef_key_event_t* event,
                                       cef_event_handle_t os_event) {
  bool cancel = false;
  if (FEvents) FEvents->DoKeyEvent(browser, event, os_event, cancel);
  return cancel;
}
