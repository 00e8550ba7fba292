#include "vorad/core/VoraD.Handler.Dialog.h"

bool TVoraDDialogHandler::OnFileDialog(const rtl::TRef<ICefBrowser>& browser, cef_file_dialog_mode_t mode,
                                       const std::wstring& title, const std::wstring& default_file_path,
                                       const std::vector<std::wstring>& accept_filters, int selected_accept_filter,
                                       const rtl::TRef<ICefFileDialogCallback>& callback) {
  bool result = false;
  uint8_t modeCopy = uint8_t(mode);
  int32_t selected = selected_accept_filter;
  SendRecord(browser, WM_VORAD_FILEDIALOG,
             TFileDialogParams{&modeCopy, &title, &default_file_path, &accept_filters, &selected, &callback, &result});
  return result;
}
