#include "vorad/core/VoraD.Handler.JsDialog.h"

bool TVoraDJsDialogHandler::OnJsdialog(const rtl::TRef<ICefBrowser>& browser, const std::wstring& origin_url,
                                       const std::wstring& accept_lang, cef_jsdialog_type_t dialog_type,
                                       const std::wstring& message_text, const std::wstring& default_prompt_text,
                                       const rtl::TRef<ICefJsDialogCallback>& callback, int& suppress_message) {
  bool result = false;
  bool suppress = suppress_message != 0;
  cef_jsdialog_type_t type = dialog_type;
  SendRecord(browser, WM_VORAD_JSDIALOG,
             TJsDialogParams{&origin_url, &accept_lang, &type, &message_text, &default_prompt_text, &callback,
                             &suppress, &result, false});
  suppress_message = suppress ? 1 : 0;
  return result;
}

bool TVoraDJsDialogHandler::OnBeforeUnloadDialog(const rtl::TRef<ICefBrowser>& browser,
                                                 const std::wstring& message_text, bool is_reload,
                                                 const rtl::TRef<ICefJsDialogCallback>& callback) {
  bool result = false;
  SendRecord(browser, WM_VORAD_BEFOREUNLOADDIALOG, TBeforeUnloadParams{&message_text, is_reload, &callback, &result, false});
  return result;
}

void TVoraDJsDialogHandler::OnResetDialogState(const rtl::TRef<ICefBrowser>& browser) {
  if (FEvents) FEvents->DoResetDialogState(browser);
}

void TVoraDJsDialogHandler::OnDialogClosed(const rtl::TRef<ICefBrowser>& browser) {
  if (FEvents) FEvents->DoDialogClosed(browser);
}
