#pragma once
// Navigation and resource hooks, raised directly (resource hooks on the IO thread); authentication is sent to the page manager and blocks the IO thread until answered.
#include "vorad/cef3/VoraD.Cef3.Classes.h"
#include "vorad/core/VoraD.Handler.Basic.h"

class TVoraDRequestHandler : public TVoraDHandlerBase<TCefRequestHandlerOwn> {
public:
  using TVoraDHandlerBase::TVoraDHandlerBase;

  bool OnBeforeBrowse(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
      const rtl::TRef<ICefRequest>& request, bool is_redirect) override;
  bool OnOpenUrlfromTab(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
      const std::wstring& target_url, cef_window_open_disposition_t target_disposition,
      bool user_gesture) override;
  cef_return_value_t OnBeforeResourceLoad(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefRequest>& request,
      const rtl::TRef<ICefRequestCallback>& callback) override;
  rtl::TRef<ICefResourceHandler> GetResourceHandler(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefRequest>& request) override;
  void OnResourceRedirect(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
      const rtl::TRef<ICefRequest>& request, std::wstring& new_url) override;
  bool OnResourceResponse(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
      const rtl::TRef<ICefRequest>& request, const rtl::TRef<ICefResponse>& response) override;
  cef_response_filter_t* GetResourceResponseFilter(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefRequest>& request,
      const rtl::TRef<ICefResponse>& response) override;
  void OnResourceLoadComplete(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefRequest>& request,
      const rtl::TRef<ICefResponse>& response, cef_urlrequest_status_t status,
      int64_t received_content_length) override;
  bool GetAuthCredentials(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
      bool isProxy, const std::wstring& host, int port, const std::wstring& realm,
      const std::wstring& scheme, const rtl::TRef<ICefAuthCallback>& callback) override;
  bool OnQuotaRequest(const rtl::TRef<ICefBrowser>& browser, const std::wstring& origin_url,
      int64_t new_size, const rtl::TRef<ICefRequestCallback>& callback) override;
  void OnProtocolExecution(const rtl::TRef<ICefBrowser>& browser, const std::wstring& url,
      int& allow_os_execution) override;
  bool OnCertificateError(const rtl::TRef<ICefBrowser>& browser, cef_errorcode_t cert_error,
      const std::wstring& request_url, const rtl::TRef<ICefSslInfo>& ssl_info,
      const rtl::TRef<ICefRequestCallback>& callback) override;
  void OnPluginCrashed(const rtl::TRef<ICefBrowser>& browser, const std::wstring& plugin_path) override;
  void OnRenderViewReady(const rtl::TRef<ICefBrowser>& browser) override;
  void OnRenderProcessTerminated(const rtl::TRef<ICefBrowser>& browser,
      cef_termination_status_t status) override;
};
