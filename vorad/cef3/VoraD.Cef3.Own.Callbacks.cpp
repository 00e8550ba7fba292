// The table of each Own class (FillEntries): each entry made from its operation (Adapter.h).
#include "vorad/cef3/VoraD.Cef3.Own.Callbacks.h"

#include "vorad/cef3/VoraD.Cef3.Adapter.h"

using cef3own::Fill;

void FillEntries(TCefUrlrequestClientOwn* self) {
  using S = cef_urlrequest_client_t;
  using T = TCefUrlrequestClientOwn;
  Fill<&S::on_request_complete, &T::OnRequestComplete>(self);
  Fill<&S::on_upload_progress, &T::OnUploadProgress>(self);
  Fill<&S::on_download_progress, &T::OnDownloadProgress>(self);
  Fill<&S::on_download_data, &T::OnDownloadData>(self);
  Fill<&S::get_auth_credentials, &T::GetAuthCredentials>(self);
}

void FillEntries(TCefTaskOwn* self) { Fill<&cef_task_t::execute, &TCefTaskOwn::Execute>(self); }

void FillEntries(TCefDomVisitorOwn* self) {
  Fill<&cef_domvisitor_t::visit, &TCefDomVisitorOwn::Visit>(self);
}

void FillEntries(TCefStringVisitorOwn* self) {
  Fill<&cef_string_visitor_t::visit, &TCefStringVisitorOwn::Visit>(self);
}

void FillEntries(TCefCookieVisitorOwn* self) {
  Fill<&cef_cookie_visitor_t::visit, &TCefCookieVisitorOwn::Visit>(self);
}

void FillEntries(TCefSetCookieCallbackOwn* self) {
  Fill<&cef_set_cookie_callback_t::on_complete, &TCefSetCookieCallbackOwn::OnComplete>(self);
}

void FillEntries(TCefDeleteCookiesCallbackOwn* self) {
  Fill<&cef_delete_cookies_callback_t::on_complete,
        &TCefDeleteCookiesCallbackOwn::OnComplete>(self);
}

void FillEntries(TCefCompletionCallbackOwn* self) {
  Fill<&cef_completion_callback_t::on_complete, &TCefCompletionCallbackOwn::OnComplete>(self);
}

void FillEntries(TCefRunFileDialogCallbackOwn* self) {
  Fill<&cef_run_file_dialog_callback_t::on_file_dialog_dismissed,
        &TCefRunFileDialogCallbackOwn::OnFileDialogDismissed>(self);
}

void FillEntries(TCefWebPluginInfoVisitorOwn* self) {
  Fill<&cef_web_plugin_info_visitor_t::visit, &TCefWebPluginInfoVisitorOwn::Visit>(self);
}

void FillEntries(TCefWebPluginUnstableCallbackOwn* self) {
  Fill<&cef_web_plugin_unstable_callback_t::is_unstable,
        &TCefWebPluginUnstableCallbackOwn::IsUnstable>(self);
}

void FillEntries(TCefNavigationEntryVisitorOwn* self) {
  Fill<&cef_navigation_entry_visitor_t::visit, &TCefNavigationEntryVisitorOwn::Visit>(self);
}

void FillEntries(TCefPdfPrintCallbackOwn* self) {
  Fill<&cef_pdf_print_callback_t::on_pdf_print_finished,
        &TCefPdfPrintCallbackOwn::OnPdfPrintFinished>(self);
}
