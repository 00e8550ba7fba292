#pragma once
// Ref classes. Requests and responses: request, post data, response, URL request, request context,
// cookies, plugin info.
#include <string>
#include <vector>

#include "vorad/cef3/VoraD.Cef3.Ref.h"

class TCefPostDataRef : public TCefRef<cef_post_data_t, ICefPostData> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefPostData> New() { return CallExport(CefApi.cef_post_data_create); }

  VORAD_CEF3_POST_DATA_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
  // A counted out-array: its length comes from another entry.
  void GetElements(std::vector<rtl::TRef<ICefPostDataElement>>& elements) override {
    CallCounted<&C::get_elements, &C::get_element_count>(elements);
  }
};

class TCefPostDataElementRef : public TCefRef<cef_post_data_element_t, ICefPostDataElement> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefPostDataElement> New() {
    return CallExport(CefApi.cef_post_data_element_create);
  }

  VORAD_CEF3_POST_DATA_ELEMENT_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefRequestRef : public TCefRef<cef_request_t, ICefRequest> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefRequest> New() { return CallExport(CefApi.cef_request_create); }

  VORAD_CEF3_REQUEST_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefResponseRef : public TCefRef<cef_response_t, ICefResponse> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefResponse> New() { return CallExport(CefApi.cef_response_create); }

  VORAD_CEF3_RESPONSE_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefCookieManagerRef : public TCefRef<cef_cookie_manager_t, ICefCookieManager> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefCookieManager> Global(const rtl::TRef<ICefCompletionCallback>& callback) {
    return CallExport(CefApi.cef_cookie_manager_get_global_manager, callback);
  }
  static rtl::TRef<ICefCookieManager> GlobalProc(const TCefCompletionCallbackProc& callback);
  static rtl::TRef<ICefCookieManager> New(const std::wstring& path, bool persistSessionCookies,
      const rtl::TRef<ICefCompletionCallback>& callback) {
    return CallExport(CefApi.cef_cookie_manager_create_manager, path, persistSessionCookies,
                      callback);
  }
  static rtl::TRef<ICefCookieManager> NewProc(const std::wstring& path, bool persistSessionCookies,
      const TCefCompletionCallbackProc& callback);

  VORAD_CEF3_COOKIE_MANAGER_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefWebPluginInfoRef : public TCefRef<cef_web_plugin_info_t, ICefWebPluginInfo> {
public:
  using TCefRef::TCefRef;
  VORAD_CEF3_WEB_PLUGIN_INFO_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefUrlRequestRef : public TCefRef<cef_urlrequest_t, ICefUrlRequest> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefUrlRequest> New(const rtl::TRef<ICefRequest>& request,
      const rtl::TRef<ICefUrlrequestClient>& client,
      const rtl::TRef<ICefRequestContext>& requestContext) {
    return CallExport(CefApi.cef_urlrequest_create, request, client, requestContext);
  }

  VORAD_CEF3_URLREQUEST_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefRequestContextRef : public TCefRef<cef_request_context_t, ICefRequestContext> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefRequestContext> Global() {
    return CallExport(CefApi.cef_request_context_get_global_context);
  }
  static rtl::TRef<ICefRequestContext> New(const cef_request_context_settings_t& settings,
      const rtl::TRef<ICefRequestContextHandler>& handler) {
    return CallExport(CefApi.cef_request_context_create_context, settings, handler);
  }
  static rtl::TRef<ICefRequestContext> Shared(const rtl::TRef<ICefRequestContext>& other,
      const rtl::TRef<ICefRequestContextHandler>& handler) {
    return CallExport(CefApi.create_context_shared, other, handler);
  }

  VORAD_CEF3_REQUEST_CONTEXT_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefRequestContextHandlerRef : public TCefRef<cef_request_context_handler_t, ICefRequestContextHandler> {
public:
  using TCefRef::TCefRef;
  VORAD_CEF3_REQUEST_CONTEXT_HANDLER_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};
