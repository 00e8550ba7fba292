#include "vorad/core/VoraD.Handler.Focus.h"

void TVoraDFocusHandler::OnTakeFocus(const rtl::TRef<ICefBrowser>& browser, bool next) {
  if (FEvents) FEvents->DoTakeFocus(browser, next);
}

bool TVoraDFocusHandler::OnSetFocus(const rtl::TRef<ICefBrowser>& browser, cef_focus_source_t source) {
  bool cancel = false, cancelDefault = false;
  if (FEvents) FEvents->DoSetFocus(browser, source, cancel, cancelDefault);
  // A page takes the focus from user input, never because a navigation asked for it.
  if (!cancelDefault) cancel = source == FOCUS_SOURCE_NAVIGATION;
  return cancel;
}

void TVoraDFocusHandler::OnGotFocus(const rtl::TRef<ICefBrowser>& browser) {
  SendToBrowserWindow(browser, WM_VORAD_GOTFOCUS, 0);
}
