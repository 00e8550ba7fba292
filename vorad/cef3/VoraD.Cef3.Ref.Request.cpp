// The wrappers adopting each structure of this area (declared in VoraD.Cef3.Ref.h).
#include "vorad/cef3/VoraD.Cef3.Ref.Request.h"

#include "vorad/cef3/VoraD.Cef3.Own.Callbacks.h"

rtl::TRef<ICefPostData> UnWrap(cef_post_data_t* data) { return data ? new TCefPostDataRef(data) : nullptr; }
rtl::TRef<ICefPostDataElement> UnWrap(cef_post_data_element_t* data) {
  return data ? new TCefPostDataElementRef(data) : nullptr;
}
rtl::TRef<ICefRequest> UnWrap(cef_request_t* data) { return data ? new TCefRequestRef(data) : nullptr; }
rtl::TRef<ICefResponse> UnWrap(cef_response_t* data) { return data ? new TCefResponseRef(data) : nullptr; }
rtl::TRef<ICefCookieManager> UnWrap(cef_cookie_manager_t* data) {
  return data ? new TCefCookieManagerRef(data) : nullptr;
}
rtl::TRef<ICefWebPluginInfo> UnWrap(cef_web_plugin_info_t* data) {
  return data ? new TCefWebPluginInfoRef(data) : nullptr;
}
rtl::TRef<ICefUrlRequest> UnWrap(cef_urlrequest_t* data) {
  return data ? new TCefUrlRequestRef(data) : nullptr;
}
rtl::TRef<ICefRequestContext> UnWrap(cef_request_context_t* data) {
  return data ? new TCefRequestContextRef(data) : nullptr;
}
rtl::TRef<ICefRequestContextHandler> UnWrap(cef_request_context_handler_t* data) {
  return data ? new TCefRequestContextHandlerRef(data) : nullptr;
}

// ---- factory operations over a callable: its wrapper made here, where the Own classes are known

rtl::TRef<ICefCookieManager> TCefCookieManagerRef::GlobalProc(const TCefCompletionCallbackProc& callback) {
  return Global(rtl::TRef<ICefCompletionCallback>(new TCefFastCompletionCallback(callback)));
}

rtl::TRef<ICefCookieManager> TCefCookieManagerRef::NewProc(const std::wstring& path, bool persistSessionCookies,
                                                           const TCefCompletionCallbackProc& callback) {
  return New(path, persistSessionCookies,
             rtl::TRef<ICefCompletionCallback>(new TCefFastCompletionCallback(callback)));
}
