// The Own classes' structures: each entry made from its operation (see VoraD.Cef3.Adapter.h).
#include "vorad/cef3/VoraD.Cef3.Own.Callbacks.h"

#include "vorad/cef3/VoraD.Cef3.Adapter.h"

using cef3own::Fill;

TCefUrlrequestClientOwn::TCefUrlrequestClientOwn() {
  using S = cef_urlrequest_client_t;
  using T = TCefUrlrequestClientOwn;
  Fill<&S::on_request_complete, &T::OnRequestComplete>(this);
  Fill<&S::on_upload_progress, &T::OnUploadProgress>(this);
  Fill<&S::on_download_progress, &T::OnDownloadProgress>(this);
  Fill<&S::on_download_data, &T::OnDownloadData>(this);
  Fill<&S::get_auth_credentials, &T::GetAuthCredentials>(this);
}

TCefTaskOwn::TCefTaskOwn() { Fill<&cef_task_t::execute, &TCefTaskOwn::Execute>(this); }

TCefDomVisitorOwn::TCefDomVisitorOwn() { Fill<&cef_domvisitor_t::visit, &TCefDomVisitorOwn::Visit>(this); }

TCefStringVisitorOwn::TCefStringVisitorOwn() {
  Fill<&cef_string_visitor_t::visit, &TCefStringVisitorOwn::Visit>(this);
}

TCefCookieVisitorOwn::TCefCookieVisitorOwn() {
  Fill<&cef_cookie_visitor_t::visit, &TCefCookieVisitorOwn::Visit>(this);
}

TCefSetCookieCallbackOwn::TCefSetCookieCallbackOwn() {
  Fill<&cef_set_cookie_callback_t::on_complete, &TCefSetCookieCallbackOwn::OnComplete>(this);
}

TCefDeleteCookiesCallbackOwn::TCefDeleteCookiesCallbackOwn() {
  Fill<&cef_delete_cookies_callback_t::on_complete, &TCefDeleteCookiesCallbackOwn::OnComplete>(this);
}

TCefCompletionCallbackOwn::TCefCompletionCallbackOwn() {
  Fill<&cef_completion_callback_t::on_complete, &TCefCompletionCallbackOwn::OnComplete>(this);
}

TCefRunFileDialogCallbackOwn::TCefRunFileDialogCallbackOwn() {
  Fill<&cef_run_file_dialog_callback_t::on_file_dialog_dismissed,
        &TCefRunFileDialogCallbackOwn::OnFileDialogDismissed>(this);
}

TCefWebPluginInfoVisitorOwn::TCefWebPluginInfoVisitorOwn() {
  Fill<&cef_web_plugin_info_visitor_t::visit, &TCefWebPluginInfoVisitorOwn::Visit>(this);
}

TCefWebPluginUnstableCallbackOwn::TCefWebPluginUnstableCallbackOwn() {
  Fill<&cef_web_plugin_unstable_callback_t::is_unstable,
        &TCefWebPluginUnstableCallbackOwn::IsUnstable>(this);
}

TCefNavigationEntryVisitorOwn::TCefNavigationEntryVisitorOwn() {
  Fill<&cef_navigation_entry_visitor_t::visit, &TCefNavigationEntryVisitorOwn::Visit>(this);
}

TCefPdfPrintCallbackOwn::TCefPdfPrintCallbackOwn() {
  Fill<&cef_pdf_print_callback_t::on_pdf_print_finished,
        &TCefPdfPrintCallbackOwn::OnPdfPrintFinished>(this);
}
