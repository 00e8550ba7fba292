#pragma once
// Script and leave-page dialogs, sent to the page manager (which shows the boxes). UI thread.
#include "vorad/cef3/VoraD.Cef3.Classes.h"
#include "vorad/core/VoraD.Handler.Basic.h"

class TVoraDJsDialogHandler : public TVoraDHandlerBase<TCefJsDialogHandlerOwn> {
public:
  using TVoraDHandlerBase::TVoraDHandlerBase;

  bool OnJsdialog(const rtl::TRef<ICefBrowser>& browser, const std::wstring& origin_url,
      const std::wstring& accept_lang, cef_jsdialog_type_t dialog_type,
      const std::wstring& message_text, const std::wstring& default_prompt_text,
      const rtl::TRef<ICefJsDialogCallback>& callback, int& suppress_message) override;
  bool OnBeforeUnloadDialog(const rtl::TRef<ICefBrowser>& browser, const std::wstring& message_text,
      bool is_reload, const rtl::TRef<ICefJsDialogCallback>& callback) override;
  void OnResetDialogState(const rtl::TRef<ICefBrowser>& browser) override;
  void OnDialogClosed(const rtl::TRef<ICefBrowser>& browser) override;
};
