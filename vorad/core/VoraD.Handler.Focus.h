#pragma once
// Focus: a navigation never takes the focus by default; got-focus goes to the page manager. UI thread.
#include "vorad/cef3/VoraD.Cef3.Classes.h"
#include "vorad/core/VoraD.Handler.Basic.h"

class TVoraDFocusHandler : public TVoraDHandlerBase<TCefFocusHandlerOwn> {
public:
  using TVoraDHandlerBase::TVoraDHandlerBase;

  void OnTakeFocus(const rtl::TRef<ICefBrowser>& browser, bool next) override;
  bool OnSetFocus(const rtl::TRef<ICefBrowser>& browser, cef_focus_source_t source) override;
  void OnGotFocus(const rtl::TRef<ICefBrowser>& browser) override;
};
