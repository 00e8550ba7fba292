#pragma once
// File dialogs, sent to the page manager. UI thread.
#include "vorad/cef3/VoraD.Cef3.Classes.h"
#include "vorad/core/VoraD.Handler.Basic.h"

class TVoraDDialogHandler : public TVoraDHandlerBase<TCefDialogHandlerOwn> {
public:
  using TVoraDHandlerBase::TVoraDHandlerBase;

  bool OnFileDialog(const rtl::TRef<ICefBrowser>& browser, cef_file_dialog_mode_t mode,
      const std::wstring& title, const std::wstring& default_file_path,
      const std::vector<std::wstring>& accept_filters, int selected_accept_filter,
      const rtl::TRef<ICefFileDialogCallback>& callback) override;
};
