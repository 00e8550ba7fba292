// The Own classes' structures: each entry made from its operation (see VoraD.Cef3.Adapter.h).
#include "vorad/cef3/VoraD.Cef3.Own.Callbacks.h"

#include "vorad/cef3/VoraD.Cef3.Adapter.h"

using cef3own::Fill;

TCefUrlrequestClientOwn::TCefUrlrequestClientOwn() {
  using S = cef_urlrequest_client_t;
  using T = TCefUrlrequestClientOwn;
  Fill<&S::on_request_complete, &T::OnRequestComplete>(Data());
  Fill<&S::on_upload_progress, &T::OnUploadProgress>(Data());
  Fill<&S::on_download_progress, &T::OnDownloadProgress>(Data());
  Fill<&S::on_download_data, &T::OnDownloadData>(Data());
  Fill<&S::get_auth_credentials, &T::GetAuthCredentials>(Data());
}

TCefTaskOwn::TCefTaskOwn() { Fill<&cef_task_t::execute, &TCefTaskOwn::Execute>(Data()); }

TCefDomVisitorOwn::TCefDomVisitorOwn() { Fill<&cef_domvisitor_t::visit, &TCefDomVisitorOwn::Visit>(Data()); }

TCefStringVisitorOwn::TCefStringVisitorOwn() {
  Fill<&cef_string_visitor_t::visit, &TCefStringVisitorOwn::Visit>(Data());
}

TCefCookieVisitorOwn::TCefCookieVisitorOwn() {
  Fill<&cef_cookie_visitor_t::visit, &TCefCookieVisitorOwn::Visit>(Data());
}

TCefSetCookieCallbackOwn::TCefSetCookieCallbackOwn() {
  Fill<&cef_set_cookie_callback_t::on_complete, &TCefSetCookieCallbackOwn::OnComplete>(Data());
}

TCefDeleteCookiesCallbackOwn::TCefDeleteCookiesCallbackOwn() {
  Fill<&cef_delete_cookies_callback_t::on_complete, &TCefDeleteCookiesCallbackOwn::OnComplete>(Data());
}

TCefCompletionCallbackOwn::TCefCompletionCallbackOwn() {
  Fill<&cef_completion_callback_t::on_complete, &TCefCompletionCallbackOwn::OnComplete>(Data());
}

TCefRunFileDialogCallbackOwn::TCefRunFileDialogCallbackOwn() {
  Fill<&cef_run_file_dialog_callback_t::on_file_dialog_dismissed,
        &TCefRunFileDialogCallbackOwn::OnFileDialogDismissed>(Data());
}

TCefWebPluginInfoVisitorOwn::TCefWebPluginInfoVisitorOwn() {
  Fill<&cef_web_plugin_info_visitor_t::visit, &TCefWebPluginInfoVisitorOwn::Visit>(Data());
}

TCefWebPluginUnstableCallbackOwn::TCefWebPluginUnstableCallbackOwn() {
  Fill<&cef_web_plugin_unstable_callback_t::is_unstable,
        &TCefWebPluginUnstableCallbackOwn::IsUnstable>(Data());
}

TCefNavigationEntryVisitorOwn::TCefNavigationEntryVisitorOwn() {
  Fill<&cef_navigation_entry_visitor_t::visit, &TCefNavigationEntryVisitorOwn::Visit>(Data());
}

TCefPdfPrintCallbackOwn::TCefPdfPrintCallbackOwn() {
  Fill<&cef_pdf_print_callback_t::on_pdf_print_finished,
        &TCefPdfPrintCallbackOwn::OnPdfPrintFinished>(Data());
}
