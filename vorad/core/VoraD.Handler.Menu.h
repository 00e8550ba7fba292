#pragma once
// Context menus: the runtime shows its own menu; commands go to the page manager. UI thread.
#include "vorad/cef3/VoraD.Cef3.Classes.h"
#include "vorad/core/VoraD.Handler.Basic.h"

class TVoraDContextMenuHandler : public TVoraDHandlerBase<TCefContextMenuHandlerOwn> {
public:
  using TVoraDHandlerBase::TVoraDHandlerBase;

  void OnBeforeContextMenu(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
      const rtl::TRef<ICefContextMenuParams>& params, const rtl::TRef<ICefMenuModel>& model) override;
  bool OnContextMenuCommand(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
      const rtl::TRef<ICefContextMenuParams>& params, int command_id,
      cef_event_flags_t event_flags) override;
  void OnContextMenuDismissed(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame) override;
};
