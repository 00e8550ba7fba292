#include "vorad/core/VoraD.Handler.Request.h"

#include "vorad/core/VoraD.Core.JsExtention.h"

bool TVoraDRequestHandler::OnBeforeBrowse(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
                                          const rtl::TRef<ICefRequest>& request, bool is_redirect) {
  bool cancel = false;
  if (FEvents) FEvents->DoBeforeBrowse(browser, frame, request, is_redirect, cancel);
  return cancel;
}

bool TVoraDRequestHandler::OnOpenUrlfromTab(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
                                            const std::wstring& target_url,
                                            cef_window_open_disposition_t target_disposition, bool user_gesture) {
  bool cancel = false;
  if (FEvents) FEvents->DoOpenUrlFromTab(browser, frame, target_url, target_disposition, user_gesture, cancel);
  return cancel;
}

// The binding leaves this entry null, so the runtime never calls it.
cef_return_value_t TVoraDRequestHandler::OnBeforeResourceLoad(const rtl::TRef<ICefBrowser>& browser,
                                                              const rtl::TRef<ICefFrame>& frame,
                                                              const rtl::TRef<ICefRequest>& request,
                                                              const rtl::TRef<ICefRequestCallback>& callback) {
  cef_return_value_t result = RV_CONTINUE;
  if (FEvents) FEvents->DoBeforeResourceLoad(browser, frame, request, callback, result);
  return result;
}

rtl::TRef<ICefResourceHandler> TVoraDRequestHandler::GetResourceHandler(const rtl::TRef<ICefBrowser>& browser,
                                                                         const rtl::TRef<ICefFrame>& frame,
                                                                         const rtl::TRef<ICefRequest>& request) {
  rtl::TRef<ICefResourceHandler> result;
  if (FEvents) FEvents->DoGetResourceHandler(browser, frame, request, result);
  return result;
}

void TVoraDRequestHandler::OnResourceRedirect(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
                                              const rtl::TRef<ICefRequest>& request, std::wstring& new_url) {
  if (FEvents) FEvents->DoResourceRedirect(browser, frame, request, new_url);
}

bool TVoraDRequestHandler::OnResourceResponse(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
                                              const rtl::TRef<ICefRequest>& request,
                                              const rtl::TRef<ICefResponse>& response) {
  bool result = false;
  if (FEvents) FEvents->DoResourceResponse(browser, frame, request, response, result);
  return result;
}

cef_response_filter_t* TVoraDRequestHandler::GetResourceResponseFilter(const rtl::TRef<ICefBrowser>& browser,
                                                                       const rtl::TRef<ICefFrame>& frame,
                                                                       const rtl::TRef<ICefRequest>& request,
                                                                       const rtl::TRef<ICefResponse>& response) {
  cef_response_filter_t* result = nullptr;
  if (FEvents) FEvents->DoGetResourceResponseFilter(browser, frame, request, response, result);
  return result;
}

void TVoraDRequestHandler::OnResourceLoadComplete(const rtl::TRef<ICefBrowser>& browser,
                                                  const rtl::TRef<ICefFrame>& frame,
                                                  const rtl::TRef<ICefRequest>& request,
                                                  const rtl::TRef<ICefResponse>& response,
                                                  cef_urlrequest_status_t status, int64_t received_content_length) {
  if (FEvents) FEvents->DoResourceLoadComplete(browser, frame, request, response, status, received_content_length);
}

bool TVoraDRequestHandler::GetAuthCredentials(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
                                              bool isProxy, const std::wstring& host, int port,
                                              const std::wstring& realm, const std::wstring& scheme,
                                              const rtl::TRef<ICefAuthCallback>& callback) {
  // True unless the page manager says otherwise: the request waits for the callback.
  bool result = true;
  bool proxy = isProxy;
  int32_t portCopy = port;
  SendRecord(browser, WM_VORAD_GETAUTHCREDENTIALS,
             TAuthCredentialsParams{&frame, &proxy, &host, &portCopy, &realm, &scheme, &callback, &result, false});
  return result;
}

bool TVoraDRequestHandler::OnQuotaRequest(const rtl::TRef<ICefBrowser>& browser, const std::wstring& origin_url,
                                          int64_t new_size, const rtl::TRef<ICefRequestCallback>& callback) {
  bool cancel = false;
  if (FEvents) FEvents->DoQuotaRequest(browser, origin_url, new_size, callback, cancel);
  return cancel;
}

void TVoraDRequestHandler::OnProtocolExecution(const rtl::TRef<ICefBrowser>& browser, const std::wstring& url,
                                               int& allow_os_execution) {
  bool allow = allow_os_execution != 0;
  if (FEvents) FEvents->DoProtocolExecution(browser, url, allow);
  allow_os_execution = allow ? 1 : 0;
}

bool TVoraDRequestHandler::OnCertificateError(const rtl::TRef<ICefBrowser>& browser, cef_errorcode_t cert_error,
                                              const std::wstring& request_url, const rtl::TRef<ICefSslInfo>& ssl_info,
                                              const rtl::TRef<ICefRequestCallback>& callback) {
  bool cancel = false;
  if (FEvents) FEvents->DoCertificateError(browser, int32_t(cert_error), request_url, ssl_info, callback, cancel);
  return cancel;
}

void TVoraDRequestHandler::OnPluginCrashed(const rtl::TRef<ICefBrowser>& browser, const std::wstring& plugin_path) {
  if (FEvents) FEvents->DoPluginCrashed(browser, plugin_path);
}

void TVoraDRequestHandler::OnRenderViewReady(const rtl::TRef<ICefBrowser>& /*browser*/) {}

void TVoraDRequestHandler::OnRenderProcessTerminated(const rtl::TRef<ICefBrowser>& browser,
                                                     cef_termination_status_t status) {
  // Nothing will answer the page's script requests now: their callers are released first.
  if (browser) JsExtentionPageGone(browser->GetIdentifier());
  if (FEvents) FEvents->DoRenderProcessTerminated(browser, status);
}
