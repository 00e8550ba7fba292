#pragma once
// Keys before the page sees them: F12, F5 and Ctrl+F go to the page manager, Alt+F4 is swallowed. UI thread.
#include "vorad/cef3/VoraD.Cef3.Classes.h"
#include "vorad/core/VoraD.Handler.Basic.h"

class TVoraDKeyboardHandler : public TVoraDHandlerBase<TCefKeyboardHandlerOwn> {
public:
  using TVoraDHandlerBase::TVoraDHandlerBase;

  bool OnPreKeyEvent(const rtl::TRef<ICefBrowser>& browser, const cef_key_event_t* event,
      cef_event_handle_t os_event, int& is_keyboard_shortcut) override;
  bool OnKeyEvent(const rtl::TRef<ICefBrowser>& browser, const cef_key_event_t* event,
      cef_event_handle_t os_event) override;
};
