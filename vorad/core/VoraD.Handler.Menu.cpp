#include "vorad/core/VoraD.Handler.Menu.h"

void TVoraDContextMenuHandler::OnBeforeContextMenu(const rtl::TRef<ICefBrowser>& browser,
                                                   const rtl::TRef<ICefFrame>& frame,
                                                   const rtl::TRef<ICefContextMenuParams>& params,
                                                   const rtl::TRef<ICefMenuModel>& model) {
  if (FEvents) FEvents->DoBeforeContextMenu(browser, frame, params, model);
}

bool TVoraDContextMenuHandler::OnContextMenuCommand(const rtl::TRef<ICefBrowser>& browser,
                                                    const rtl::TRef<ICefFrame>& frame,
                                                    const rtl::TRef<ICefContextMenuParams>& params, int command_id,
                                                    cef_event_flags_t event_flags) {
  bool result = false;
  cef_event_flags_t flags = event_flags;
  SendRecord(browser, WM_VORAD_CONTEXTMENUCOMMAND,
             TContextMenuCommandParams{&frame, &params, int32_t(command_id), &flags, &result});
  return result;
}

void TVoraDContextMenuHandler::OnContextMenuDismissed(const rtl::TRef<ICefBrowser>& browser,
                                                      const rtl::TRef<ICefFrame>& frame) {
  if (FEvents) FEvents->DoContextMenuDismissed(browser, frame);
}
