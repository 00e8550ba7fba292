// Ref operations whose contract the call template does not cover, each with the reason.
#include "vorad/cef3/VoraD.Cef3.Ref.Request.h"

#include "vorad/cef3/VoraD.Cef3.Api.Table.h"
#include "vorad/cef3/VoraD.Cef3.Own.Callbacks.h"

// The wrappers adopting each structure of this area (declared in VoraD.Cef3.Ref.h).
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

// Counted out-array of structures, each adopted; sized by the count entry, and the entry
// reports how many it wrote.
void TCefPostDataRef::GetElements(std::vector<rtl::TRef<ICefPostDataElement>>& elements) {
  cef_post_data_t* self = Data();
  if (!self->get_elements) return;
  size_t count = self->get_element_count ? self->get_element_count(self) : 0;
  std::vector<cef_post_data_element_t*> items(count, nullptr);
  self->get_elements(self, &count, items.data());
  elements.clear();
  for (size_t i = 0; i < count && i < items.size(); ++i) elements.push_back(::UnWrap(items[i]));
}

// Out-string: the entry fills `error`, which is copied and cleared. Nothing is handed over when
// the entry is missing.
bool TCefRequestContextRef::SetPreference(const std::wstring& name,
    const rtl::TRef<ICefValue>& value, std::wstring& error) {
  if (!Data()->set_preference) return false;
  cef_string_t error_{};
  const bool result = Call<&C::set_preference>(name, value, &error_);
  error = TCef3Helper::CefStringClearAndGet(&error_);
  return result;
}

// ---- factory operations: create or fetch through an export and adopt the result

rtl::TRef<ICefPostData> TCefPostDataRef::New() {
  return CallExport(CefApi.cef_post_data_create);
}

rtl::TRef<ICefPostDataElement> TCefPostDataElementRef::New() {
  return CallExport(CefApi.cef_post_data_element_create);
}

rtl::TRef<ICefRequest> TCefRequestRef::New() {
  return CallExport(CefApi.cef_request_create);
}

rtl::TRef<ICefResponse> TCefResponseRef::New() {
  return CallExport(CefApi.cef_response_create);
}

rtl::TRef<ICefCookieManager> TCefCookieManagerRef::Global(const rtl::TRef<ICefCompletionCallback>& callback) {
  return CallExport(CefApi.cef_cookie_manager_get_global_manager, callback);
}

rtl::TRef<ICefCookieManager> TCefCookieManagerRef::GlobalProc(const TCefCompletionCallbackProc& callback) {
  return Global(rtl::TRef<ICefCompletionCallback>(new TCefFastCompletionCallback(callback)));
}

rtl::TRef<ICefCookieManager> TCefCookieManagerRef::New(const std::wstring& path, bool persistSessionCookies,
                                                       const rtl::TRef<ICefCompletionCallback>& callback) {
  return CallExport(CefApi.cef_cookie_manager_create_manager, path, persistSessionCookies, callback);
}

rtl::TRef<ICefCookieManager> TCefCookieManagerRef::NewProc(const std::wstring& path, bool persistSessionCookies,
                                                           const TCefCompletionCallbackProc& callback) {
  return New(path, persistSessionCookies,
             rtl::TRef<ICefCompletionCallback>(new TCefFastCompletionCallback(callback)));
}

rtl::TRef<ICefUrlRequest> TCefUrlRequestRef::New(const rtl::TRef<ICefRequest>& request,
                                                 const rtl::TRef<ICefUrlrequestClient>& client,
                                                 const rtl::TRef<ICefRequestContext>& requestContext) {
  return CallExport(CefApi.cef_urlrequest_create, request, client, requestContext);
}

rtl::TRef<ICefRequestContext> TCefRequestContextRef::Global() {
  return CallExport(CefApi.cef_request_context_get_global_context);
}

rtl::TRef<ICefRequestContext> TCefRequestContextRef::New(const cef_request_context_settings_t& settings,
                                                         const rtl::TRef<ICefRequestContextHandler>& handler) {
  return CallExport(CefApi.cef_request_context_create_context, settings, handler);
}

rtl::TRef<ICefRequestContext> TCefRequestContextRef::Shared(const rtl::TRef<ICefRequestContext>& other,
                                                            const rtl::TRef<ICefRequestContextHandler>& handler) {
  return CallExport(CefApi.create_context_shared, other, handler);
}
