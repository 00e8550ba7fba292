// Own classes: the adapters the runtime calls, and the default virtual operations. Every
// adapter has the same shape: find the owner, convert the arguments (copies of strings, adopted
// wrappers), call the virtual operation, convert the results (owned copies, added references).
#include "vorad/cef3/VoraD.Cef3.Classes.h"

namespace {

template <class T, class S>
T* OwnerOf(S* self) {
  return static_cast<T*>(TCef3Helper::CefGetOwner(self));
}

template <class R, class F>
R AdapterGuard(const char* entry, R fallback, F&& body) noexcept {
  try {
    return body();
  } catch (...) {
    TCef3Helper::AdapterFailed(entry, std::current_exception());
    return fallback;
  }
}

template <class F>
void AdapterGuard(const char* entry, F&& body) noexcept {
  try {
    body();
  } catch (...) {
    TCef3Helper::AdapterFailed(entry, std::current_exception());
  }
}

// An in/out object argument (`S** slot`): the reference the runtime passed in is adopted into
// Value, and whatever Value holds when the adapter leaves goes back into the slot with one
// reference for the runtime. On every path, also when the handler raised: otherwise the slot
// would keep an object whose reference the adapter has already given up.
template <class I, class S>
class TInOutObject {
public:
  TInOutObject(S** slot, rtl::TRef<I> adopted) : FSlot(slot), Value(std::move(adopted)) {}
  ~TInOutObject() {
    if (FSlot) *FSlot = static_cast<S*>(TCef3Helper::CefGetData(Value.Get()));
  }
  TInOutObject(const TInOutObject&) = delete;
  TInOutObject& operator=(const TInOutObject&) = delete;

private:
  S** FSlot;

public:
  rtl::TRef<I> Value;
};

}  // namespace

// ---- TCefClientOwn

namespace {

cef_context_menu_handler_t* CEF_CALLBACK client_get_context_menu_handler(cef_client_t* self) {
  return AdapterGuard<cef_context_menu_handler_t*>("cef_client_t.get_context_menu_handler", {}, [&]() -> cef_context_menu_handler_t* {
    auto* owner_ = OwnerOf<TCefClientOwn>(self);
    auto result_ = owner_->GetContextMenuHandler();
    return static_cast<cef_context_menu_handler_t*>(TCef3Helper::CefGetData(result_.Get()));
  });
}

cef_dialog_handler_t* CEF_CALLBACK client_get_dialog_handler(cef_client_t* self) {
  return AdapterGuard<cef_dialog_handler_t*>("cef_client_t.get_dialog_handler", {}, [&]() -> cef_dialog_handler_t* {
    auto* owner_ = OwnerOf<TCefClientOwn>(self);
    auto result_ = owner_->GetDialogHandler();
    return static_cast<cef_dialog_handler_t*>(TCef3Helper::CefGetData(result_.Get()));
  });
}

cef_display_handler_t* CEF_CALLBACK client_get_display_handler(cef_client_t* self) {
  return AdapterGuard<cef_display_handler_t*>("cef_client_t.get_display_handler", {}, [&]() -> cef_display_handler_t* {
    auto* owner_ = OwnerOf<TCefClientOwn>(self);
    auto result_ = owner_->GetDisplayHandler();
    return static_cast<cef_display_handler_t*>(TCef3Helper::CefGetData(result_.Get()));
  });
}

cef_download_handler_t* CEF_CALLBACK client_get_download_handler(cef_client_t* self) {
  return AdapterGuard<cef_download_handler_t*>("cef_client_t.get_download_handler", {}, [&]() -> cef_download_handler_t* {
    auto* owner_ = OwnerOf<TCefClientOwn>(self);
    auto result_ = owner_->GetDownloadHandler();
    return static_cast<cef_download_handler_t*>(TCef3Helper::CefGetData(result_.Get()));
  });
}

cef_drag_handler_t* CEF_CALLBACK client_get_drag_handler(cef_client_t* self) {
  return AdapterGuard<cef_drag_handler_t*>("cef_client_t.get_drag_handler", {}, [&]() -> cef_drag_handler_t* {
    auto* owner_ = OwnerOf<TCefClientOwn>(self);
    auto result_ = owner_->GetDragHandler();
    return static_cast<cef_drag_handler_t*>(TCef3Helper::CefGetData(result_.Get()));
  });
}

cef_find_handler_t* CEF_CALLBACK client_get_find_handler(cef_client_t* self) {
  return AdapterGuard<cef_find_handler_t*>("cef_client_t.get_find_handler", {}, [&]() -> cef_find_handler_t* {
    auto* owner_ = OwnerOf<TCefClientOwn>(self);
    auto result_ = owner_->GetFindHandler();
    return static_cast<cef_find_handler_t*>(TCef3Helper::CefGetData(result_.Get()));
  });
}

cef_focus_handler_t* CEF_CALLBACK client_get_focus_handler(cef_client_t* self) {
  return AdapterGuard<cef_focus_handler_t*>("cef_client_t.get_focus_handler", {}, [&]() -> cef_focus_handler_t* {
    auto* owner_ = OwnerOf<TCefClientOwn>(self);
    auto result_ = owner_->GetFocusHandler();
    return static_cast<cef_focus_handler_t*>(TCef3Helper::CefGetData(result_.Get()));
  });
}

cef_geolocation_handler_t* CEF_CALLBACK client_get_geolocation_handler(cef_client_t* self) {
  return AdapterGuard<cef_geolocation_handler_t*>("cef_client_t.get_geolocation_handler", {}, [&]() -> cef_geolocation_handler_t* {
    auto* owner_ = OwnerOf<TCefClientOwn>(self);
    auto result_ = owner_->GetGeolocationHandler();
    return static_cast<cef_geolocation_handler_t*>(TCef3Helper::CefGetData(result_.Get()));
  });
}

cef_jsdialog_handler_t* CEF_CALLBACK client_get_jsdialog_handler(cef_client_t* self) {
  return AdapterGuard<cef_jsdialog_handler_t*>("cef_client_t.get_jsdialog_handler", {}, [&]() -> cef_jsdialog_handler_t* {
    auto* owner_ = OwnerOf<TCefClientOwn>(self);
    auto result_ = owner_->GetJsdialogHandler();
    return static_cast<cef_jsdialog_handler_t*>(TCef3Helper::CefGetData(result_.Get()));
  });
}

cef_keyboard_handler_t* CEF_CALLBACK client_get_keyboard_handler(cef_client_t* self) {
  return AdapterGuard<cef_keyboard_handler_t*>("cef_client_t.get_keyboard_handler", {}, [&]() -> cef_keyboard_handler_t* {
    auto* owner_ = OwnerOf<TCefClientOwn>(self);
    auto result_ = owner_->GetKeyboardHandler();
    return static_cast<cef_keyboard_handler_t*>(TCef3Helper::CefGetData(result_.Get()));
  });
}

cef_life_span_handler_t* CEF_CALLBACK client_get_life_span_handler(cef_client_t* self) {
  return AdapterGuard<cef_life_span_handler_t*>("cef_client_t.get_life_span_handler", {}, [&]() -> cef_life_span_handler_t* {
    auto* owner_ = OwnerOf<TCefClientOwn>(self);
    auto result_ = owner_->GetLifeSpanHandler();
    return static_cast<cef_life_span_handler_t*>(TCef3Helper::CefGetData(result_.Get()));
  });
}

cef_load_handler_t* CEF_CALLBACK client_get_load_handler(cef_client_t* self) {
  return AdapterGuard<cef_load_handler_t*>("cef_client_t.get_load_handler", {}, [&]() -> cef_load_handler_t* {
    auto* owner_ = OwnerOf<TCefClientOwn>(self);
    auto result_ = owner_->GetLoadHandler();
    return static_cast<cef_load_handler_t*>(TCef3Helper::CefGetData(result_.Get()));
  });
}

cef_render_handler_t* CEF_CALLBACK client_get_render_handler(cef_client_t* self) {
  return AdapterGuard<cef_render_handler_t*>("cef_client_t.get_render_handler", {}, [&]() -> cef_render_handler_t* {
    auto* owner_ = OwnerOf<TCefClientOwn>(self);
    auto result_ = owner_->GetRenderHandler();
    return static_cast<cef_render_handler_t*>(TCef3Helper::CefGetData(result_.Get()));
  });
}

cef_request_handler_t* CEF_CALLBACK client_get_request_handler(cef_client_t* self) {
  return AdapterGuard<cef_request_handler_t*>("cef_client_t.get_request_handler", {}, [&]() -> cef_request_handler_t* {
    auto* owner_ = OwnerOf<TCefClientOwn>(self);
    auto result_ = owner_->GetRequestHandler();
    return static_cast<cef_request_handler_t*>(TCef3Helper::CefGetData(result_.Get()));
  });
}

int CEF_CALLBACK client_on_process_message_received(cef_client_t* self, cef_browser_t* browser,
    cef_process_id_t source_process, cef_process_message_t* message) {
  return AdapterGuard<int>("cef_client_t.on_process_message_received", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefClientOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const auto message_ = TCefProcessMessageRef::UnWrap(message);
    auto result_ = owner_->OnProcessMessageReceived(browser_, source_process, message_);
    return result_ ? 1 : 0;
  });
}

}  // namespace

TCefClientOwn::TCefClientOwn() : TCefBaseOwn(sizeof(cef_client_t)) {
  cef_client_t* d = Data();
  d->get_context_menu_handler = &client_get_context_menu_handler;
  d->get_dialog_handler = &client_get_dialog_handler;
  d->get_display_handler = &client_get_display_handler;
  d->get_download_handler = &client_get_download_handler;
  d->get_drag_handler = &client_get_drag_handler;
  d->get_find_handler = &client_get_find_handler;
  d->get_focus_handler = &client_get_focus_handler;
  d->get_geolocation_handler = &client_get_geolocation_handler;
  d->get_jsdialog_handler = &client_get_jsdialog_handler;
  d->get_keyboard_handler = &client_get_keyboard_handler;
  d->get_life_span_handler = &client_get_life_span_handler;
  d->get_load_handler = &client_get_load_handler;
  d->get_render_handler = &client_get_render_handler;
  d->get_request_handler = &client_get_request_handler;
  d->on_process_message_received = &client_on_process_message_received;
}

rtl::TRef<ICefContextMenuHandler> TCefClientOwn::GetContextMenuHandler() {
  return {};
}

rtl::TRef<ICefDialogHandler> TCefClientOwn::GetDialogHandler() {
  return {};
}

rtl::TRef<ICefDisplayHandler> TCefClientOwn::GetDisplayHandler() {
  return {};
}

rtl::TRef<ICefDownloadHandler> TCefClientOwn::GetDownloadHandler() {
  return {};
}

rtl::TRef<ICefDragHandler> TCefClientOwn::GetDragHandler() {
  return {};
}

rtl::TRef<ICefFindHandler> TCefClientOwn::GetFindHandler() {
  return {};
}

rtl::TRef<ICefFocusHandler> TCefClientOwn::GetFocusHandler() {
  return {};
}

rtl::TRef<ICefGeolocationHandler> TCefClientOwn::GetGeolocationHandler() {
  return {};
}

rtl::TRef<ICefJsDialogHandler> TCefClientOwn::GetJsdialogHandler() {
  return {};
}

rtl::TRef<ICefKeyboardHandler> TCefClientOwn::GetKeyboardHandler() {
  return {};
}

rtl::TRef<ICefLifeSpanHandler> TCefClientOwn::GetLifeSpanHandler() {
  return {};
}

rtl::TRef<ICefLoadHandler> TCefClientOwn::GetLoadHandler() {
  return {};
}

rtl::TRef<ICefRenderHandler> TCefClientOwn::GetRenderHandler() {
  return {};
}

rtl::TRef<ICefRequestHandler> TCefClientOwn::GetRequestHandler() {
  return {};
}

bool TCefClientOwn::OnProcessMessageReceived(const rtl::TRef<ICefBrowser>& /*browser*/,
    cef_process_id_t /*source_process*/, const rtl::TRef<ICefProcessMessage>& /*message*/) {
  return false;
}

// ---- TCefLifeSpanHandlerOwn

namespace {

int CEF_CALLBACK life_span_handler_on_before_popup(cef_life_span_handler_t* self,
    cef_browser_t* browser, cef_frame_t* frame, const cef_string_t* target_url,
    const cef_string_t* target_frame_name, cef_window_open_disposition_t target_disposition,
    int user_gesture, const cef_popup_features_t* popupFeatures, cef_window_info_t* windowInfo,
    cef_client_t** client, cef_browser_settings_t* settings, int* no_javascript_access) {
  return AdapterGuard<int>("cef_life_span_handler_t.on_before_popup", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefLifeSpanHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const auto frame_ = TCefFrameRef::UnWrap(frame);
    const std::wstring target_url_ = TCef3Helper::CefString(target_url);
    const std::wstring target_frame_name_ = TCef3Helper::CefString(target_frame_name);
    TInOutObject<ICefClient, cef_client_t> client_(
        client, (client && *client) ? TCef3Helper::AdoptOwn<ICefClient>(*client) : nullptr);
    int no_javascript_accessSpare_{};
    int& no_javascript_access_ = no_javascript_access ? *no_javascript_access : no_javascript_accessSpare_;
    auto result_ = owner_->OnBeforePopup(browser_, frame_, target_url_, target_frame_name_,
        target_disposition, user_gesture != 0, popupFeatures, windowInfo, client_.Value, settings,
        no_javascript_access_);
    return result_ ? 1 : 0;
  });
}

void CEF_CALLBACK life_span_handler_on_after_created(cef_life_span_handler_t* self,
    cef_browser_t* browser) {
  AdapterGuard("cef_life_span_handler_t.on_after_created", [&] {
    auto* owner_ = OwnerOf<TCefLifeSpanHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    owner_->OnAfterCreated(browser_);
  });
}

int CEF_CALLBACK life_span_handler_do_close(cef_life_span_handler_t* self, cef_browser_t* browser) {
  return AdapterGuard<int>("cef_life_span_handler_t.do_close", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefLifeSpanHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    auto result_ = owner_->DoClose(browser_);
    return result_ ? 1 : 0;
  });
}

void CEF_CALLBACK life_span_handler_on_before_close(cef_life_span_handler_t* self,
    cef_browser_t* browser) {
  AdapterGuard("cef_life_span_handler_t.on_before_close", [&] {
    auto* owner_ = OwnerOf<TCefLifeSpanHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    owner_->OnBeforeClose(browser_);
  });
}

}  // namespace

TCefLifeSpanHandlerOwn::TCefLifeSpanHandlerOwn() : TCefBaseOwn(sizeof(cef_life_span_handler_t)) {
  cef_life_span_handler_t* d = Data();
  d->on_before_popup = &life_span_handler_on_before_popup;
  d->on_after_created = &life_span_handler_on_after_created;
  d->run_modal = nullptr;  // the runtime uses its own default
  d->do_close = &life_span_handler_do_close;
  d->on_before_close = &life_span_handler_on_before_close;
}

bool TCefLifeSpanHandlerOwn::OnBeforePopup(const rtl::TRef<ICefBrowser>& /*browser*/,
    const rtl::TRef<ICefFrame>& /*frame*/, const std::wstring& /*target_url*/,
    const std::wstring& /*target_frame_name*/, cef_window_open_disposition_t /*target_disposition*/,
    bool /*user_gesture*/, const cef_popup_features_t* /*popupFeatures*/,
    cef_window_info_t* /*windowInfo*/, rtl::TRef<ICefClient>& /*client*/,
    cef_browser_settings_t* /*settings*/, int& /*no_javascript_access*/) {
  return false;
}

void TCefLifeSpanHandlerOwn::OnAfterCreated(const rtl::TRef<ICefBrowser>& /*browser*/) {
}

bool TCefLifeSpanHandlerOwn::RunModal(const rtl::TRef<ICefBrowser>& /*browser*/) {
  return false;
}

bool TCefLifeSpanHandlerOwn::DoClose(const rtl::TRef<ICefBrowser>& /*browser*/) {
  return false;
}

void TCefLifeSpanHandlerOwn::OnBeforeClose(const rtl::TRef<ICefBrowser>& /*browser*/) {
}

// ---- TCefLoadHandlerOwn

namespace {

void CEF_CALLBACK load_handler_on_loading_state_change(cef_load_handler_t* self,
    cef_browser_t* browser, int isLoading, int canGoBack, int canGoForward) {
  AdapterGuard("cef_load_handler_t.on_loading_state_change", [&] {
    auto* owner_ = OwnerOf<TCefLoadHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    owner_->OnLoadingStateChange(browser_, isLoading != 0, canGoBack != 0, canGoForward != 0);
  });
}

void CEF_CALLBACK load_handler_on_load_start(cef_load_handler_t* self, cef_browser_t* browser,
    cef_frame_t* frame) {
  AdapterGuard("cef_load_handler_t.on_load_start", [&] {
    auto* owner_ = OwnerOf<TCefLoadHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const auto frame_ = TCefFrameRef::UnWrap(frame);
    owner_->OnLoadStart(browser_, frame_);
  });
}

void CEF_CALLBACK load_handler_on_load_end(cef_load_handler_t* self, cef_browser_t* browser,
    cef_frame_t* frame, int httpStatusCode) {
  AdapterGuard("cef_load_handler_t.on_load_end", [&] {
    auto* owner_ = OwnerOf<TCefLoadHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const auto frame_ = TCefFrameRef::UnWrap(frame);
    owner_->OnLoadEnd(browser_, frame_, httpStatusCode);
  });
}

void CEF_CALLBACK load_handler_on_load_error(cef_load_handler_t* self, cef_browser_t* browser,
    cef_frame_t* frame, cef_errorcode_t errorCode, const cef_string_t* errorText,
    const cef_string_t* failedUrl) {
  AdapterGuard("cef_load_handler_t.on_load_error", [&] {
    auto* owner_ = OwnerOf<TCefLoadHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const auto frame_ = TCefFrameRef::UnWrap(frame);
    const std::wstring errorText_ = TCef3Helper::CefString(errorText);
    const std::wstring failedUrl_ = TCef3Helper::CefString(failedUrl);
    owner_->OnLoadError(browser_, frame_, errorCode, errorText_, failedUrl_);
  });
}

}  // namespace

TCefLoadHandlerOwn::TCefLoadHandlerOwn() : TCefBaseOwn(sizeof(cef_load_handler_t)) {
  cef_load_handler_t* d = Data();
  d->on_loading_state_change = &load_handler_on_loading_state_change;
  d->on_load_start = &load_handler_on_load_start;
  d->on_load_end = &load_handler_on_load_end;
  d->on_load_error = &load_handler_on_load_error;
}

void TCefLoadHandlerOwn::OnLoadingStateChange(const rtl::TRef<ICefBrowser>& /*browser*/,
    bool /*isLoading*/, bool /*canGoBack*/, bool /*canGoForward*/) {
}

void TCefLoadHandlerOwn::OnLoadStart(const rtl::TRef<ICefBrowser>& /*browser*/,
    const rtl::TRef<ICefFrame>& /*frame*/) {
}

void TCefLoadHandlerOwn::OnLoadEnd(const rtl::TRef<ICefBrowser>& /*browser*/,
    const rtl::TRef<ICefFrame>& /*frame*/, int /*httpStatusCode*/) {
}

void TCefLoadHandlerOwn::OnLoadError(const rtl::TRef<ICefBrowser>& /*browser*/,
    const rtl::TRef<ICefFrame>& /*frame*/, cef_errorcode_t /*errorCode*/,
    const std::wstring& /*errorText*/, const std::wstring& /*failedUrl*/) {
}

// ---- TCefRequestHandlerOwn

namespace {

int CEF_CALLBACK request_handler_on_before_browse(cef_request_handler_t* self,
    cef_browser_t* browser, cef_frame_t* frame, cef_request_t* request, int is_redirect) {
  return AdapterGuard<int>("cef_request_handler_t.on_before_browse", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefRequestHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const auto frame_ = TCefFrameRef::UnWrap(frame);
    const auto request_ = TCefRequestRef::UnWrap(request);
    auto result_ = owner_->OnBeforeBrowse(browser_, frame_, request_, is_redirect != 0);
    return result_ ? 1 : 0;
  });
}

int CEF_CALLBACK request_handler_on_open_urlfrom_tab(cef_request_handler_t* self,
    cef_browser_t* browser, cef_frame_t* frame, const cef_string_t* target_url,
    cef_window_open_disposition_t target_disposition, int user_gesture) {
  return AdapterGuard<int>("cef_request_handler_t.on_open_urlfrom_tab", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefRequestHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const auto frame_ = TCefFrameRef::UnWrap(frame);
    const std::wstring target_url_ = TCef3Helper::CefString(target_url);
    auto result_ = owner_->OnOpenUrlfromTab(browser_, frame_, target_url_, target_disposition,
        user_gesture != 0);
    return result_ ? 1 : 0;
  });
}

cef_resource_handler_t* CEF_CALLBACK request_handler_get_resource_handler(
    cef_request_handler_t* self, cef_browser_t* browser, cef_frame_t* frame,
    cef_request_t* request) {
  return AdapterGuard<cef_resource_handler_t*>("cef_request_handler_t.get_resource_handler", {}, [&]() -> cef_resource_handler_t* {
    auto* owner_ = OwnerOf<TCefRequestHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const auto frame_ = TCefFrameRef::UnWrap(frame);
    const auto request_ = TCefRequestRef::UnWrap(request);
    auto result_ = owner_->GetResourceHandler(browser_, frame_, request_);
    return static_cast<cef_resource_handler_t*>(TCef3Helper::CefGetData(result_.Get()));
  });
}

void CEF_CALLBACK request_handler_on_resource_redirect(cef_request_handler_t* self,
    cef_browser_t* browser, cef_frame_t* frame, cef_request_t* request, cef_string_t* new_url) {
  AdapterGuard("cef_request_handler_t.on_resource_redirect", [&] {
    auto* owner_ = OwnerOf<TCefRequestHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const auto frame_ = TCefFrameRef::UnWrap(frame);
    const auto request_ = TCefRequestRef::UnWrap(request);
    std::wstring new_url_ = TCef3Helper::CefString(new_url);
    owner_->OnResourceRedirect(browser_, frame_, request_, new_url_);
    TCef3Helper::CefStringSet(new_url, new_url_);
  });
}

int CEF_CALLBACK request_handler_on_resource_response(cef_request_handler_t* self,
    cef_browser_t* browser, cef_frame_t* frame, cef_request_t* request, cef_response_t* response) {
  return AdapterGuard<int>("cef_request_handler_t.on_resource_response", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefRequestHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const auto frame_ = TCefFrameRef::UnWrap(frame);
    const auto request_ = TCefRequestRef::UnWrap(request);
    const auto response_ = TCefResponseRef::UnWrap(response);
    auto result_ = owner_->OnResourceResponse(browser_, frame_, request_, response_);
    return result_ ? 1 : 0;
  });
}

cef_response_filter_t* CEF_CALLBACK request_handler_get_resource_response_filter(
    cef_request_handler_t* self, cef_browser_t* browser, cef_frame_t* frame, cef_request_t* request,
    cef_response_t* response) {
  return AdapterGuard<cef_response_filter_t*>("cef_request_handler_t.get_resource_response_filter", {}, [&]() -> cef_response_filter_t* {
    auto* owner_ = OwnerOf<TCefRequestHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const auto frame_ = TCefFrameRef::UnWrap(frame);
    const auto request_ = TCefRequestRef::UnWrap(request);
    const auto response_ = TCefResponseRef::UnWrap(response);
    auto result_ = owner_->GetResourceResponseFilter(browser_, frame_, request_, response_);
    return result_;
  });
}

void CEF_CALLBACK request_handler_on_resource_load_complete(cef_request_handler_t* self,
    cef_browser_t* browser, cef_frame_t* frame, cef_request_t* request, cef_response_t* response,
    cef_urlrequest_status_t status, int64_t received_content_length) {
  AdapterGuard("cef_request_handler_t.on_resource_load_complete", [&] {
    auto* owner_ = OwnerOf<TCefRequestHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const auto frame_ = TCefFrameRef::UnWrap(frame);
    const auto request_ = TCefRequestRef::UnWrap(request);
    const auto response_ = TCefResponseRef::UnWrap(response);
    owner_->OnResourceLoadComplete(browser_, frame_, request_, response_, status,
        received_content_length);
  });
}

int CEF_CALLBACK request_handler_get_auth_credentials(cef_request_handler_t* self,
    cef_browser_t* browser, cef_frame_t* frame, int isProxy, const cef_string_t* host, int port,
    const cef_string_t* realm, const cef_string_t* scheme, cef_auth_callback_t* callback) {
  return AdapterGuard<int>("cef_request_handler_t.get_auth_credentials", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefRequestHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const auto frame_ = TCefFrameRef::UnWrap(frame);
    const std::wstring host_ = TCef3Helper::CefString(host);
    const std::wstring realm_ = TCef3Helper::CefString(realm);
    const std::wstring scheme_ = TCef3Helper::CefString(scheme);
    const auto callback_ = TCefAuthCallbackRef::UnWrap(callback);
    auto result_ = owner_->GetAuthCredentials(browser_, frame_, isProxy != 0, host_, port, realm_,
        scheme_, callback_);
    return result_ ? 1 : 0;
  });
}

int CEF_CALLBACK request_handler_on_quota_request(cef_request_handler_t* self,
    cef_browser_t* browser, const cef_string_t* origin_url, int64_t new_size,
    cef_request_callback_t* callback) {
  return AdapterGuard<int>("cef_request_handler_t.on_quota_request", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefRequestHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const std::wstring origin_url_ = TCef3Helper::CefString(origin_url);
    const auto callback_ = TCefRequestCallbackRef::UnWrap(callback);
    auto result_ = owner_->OnQuotaRequest(browser_, origin_url_, new_size, callback_);
    return result_ ? 1 : 0;
  });
}

void CEF_CALLBACK request_handler_on_protocol_execution(cef_request_handler_t* self,
    cef_browser_t* browser, const cef_string_t* url, int* allow_os_execution) {
  AdapterGuard("cef_request_handler_t.on_protocol_execution", [&] {
    auto* owner_ = OwnerOf<TCefRequestHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const std::wstring url_ = TCef3Helper::CefString(url);
    int allow_os_executionSpare_{};
    int& allow_os_execution_ = allow_os_execution ? *allow_os_execution : allow_os_executionSpare_;
    owner_->OnProtocolExecution(browser_, url_, allow_os_execution_);
  });
}

int CEF_CALLBACK request_handler_on_certificate_error(cef_request_handler_t* self,
    cef_browser_t* browser, cef_errorcode_t cert_error, const cef_string_t* request_url,
    cef_sslinfo_t* ssl_info, cef_request_callback_t* callback) {
  return AdapterGuard<int>("cef_request_handler_t.on_certificate_error", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefRequestHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const std::wstring request_url_ = TCef3Helper::CefString(request_url);
    const auto ssl_info_ = TCefSslInfoRef::UnWrap(ssl_info);
    const auto callback_ = TCefRequestCallbackRef::UnWrap(callback);
    auto result_ = owner_->OnCertificateError(browser_, cert_error, request_url_, ssl_info_,
        callback_);
    return result_ ? 1 : 0;
  });
}

void CEF_CALLBACK request_handler_on_plugin_crashed(cef_request_handler_t* self,
    cef_browser_t* browser, const cef_string_t* plugin_path) {
  AdapterGuard("cef_request_handler_t.on_plugin_crashed", [&] {
    auto* owner_ = OwnerOf<TCefRequestHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const std::wstring plugin_path_ = TCef3Helper::CefString(plugin_path);
    owner_->OnPluginCrashed(browser_, plugin_path_);
  });
}

void CEF_CALLBACK request_handler_on_render_view_ready(cef_request_handler_t* self,
    cef_browser_t* browser) {
  AdapterGuard("cef_request_handler_t.on_render_view_ready", [&] {
    auto* owner_ = OwnerOf<TCefRequestHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    owner_->OnRenderViewReady(browser_);
  });
}

void CEF_CALLBACK request_handler_on_render_process_terminated(cef_request_handler_t* self,
    cef_browser_t* browser, cef_termination_status_t status) {
  AdapterGuard("cef_request_handler_t.on_render_process_terminated", [&] {
    auto* owner_ = OwnerOf<TCefRequestHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    owner_->OnRenderProcessTerminated(browser_, status);
  });
}

}  // namespace

TCefRequestHandlerOwn::TCefRequestHandlerOwn() : TCefBaseOwn(sizeof(cef_request_handler_t)) {
  cef_request_handler_t* d = Data();
  d->on_before_browse = &request_handler_on_before_browse;
  d->on_open_urlfrom_tab = &request_handler_on_open_urlfrom_tab;
  d->on_before_resource_load = nullptr;  // the runtime uses its own default
  d->get_resource_handler = &request_handler_get_resource_handler;
  d->on_resource_redirect = &request_handler_on_resource_redirect;
  d->on_resource_response = &request_handler_on_resource_response;
  d->get_resource_response_filter = &request_handler_get_resource_response_filter;
  d->on_resource_load_complete = &request_handler_on_resource_load_complete;
  d->get_auth_credentials = &request_handler_get_auth_credentials;
  d->on_quota_request = &request_handler_on_quota_request;
  d->on_protocol_execution = &request_handler_on_protocol_execution;
  d->on_certificate_error = &request_handler_on_certificate_error;
  d->on_plugin_crashed = &request_handler_on_plugin_crashed;
  d->on_render_view_ready = &request_handler_on_render_view_ready;
  d->on_render_process_terminated = &request_handler_on_render_process_terminated;
}

bool TCefRequestHandlerOwn::OnBeforeBrowse(const rtl::TRef<ICefBrowser>& /*browser*/,
    const rtl::TRef<ICefFrame>& /*frame*/, const rtl::TRef<ICefRequest>& /*request*/,
    bool /*is_redirect*/) {
  return false;
}

bool TCefRequestHandlerOwn::OnOpenUrlfromTab(const rtl::TRef<ICefBrowser>& /*browser*/,
    const rtl::TRef<ICefFrame>& /*frame*/, const std::wstring& /*target_url*/,
    cef_window_open_disposition_t /*target_disposition*/, bool /*user_gesture*/) {
  return false;
}

cef_return_value_t TCefRequestHandlerOwn::OnBeforeResourceLoad(
    const rtl::TRef<ICefBrowser>& /*browser*/, const rtl::TRef<ICefFrame>& /*frame*/,
    const rtl::TRef<ICefRequest>& /*request*/, const rtl::TRef<ICefRequestCallback>& /*callback*/) {
  return {};
}

rtl::TRef<ICefResourceHandler> TCefRequestHandlerOwn::GetResourceHandler(
    const rtl::TRef<ICefBrowser>& /*browser*/, const rtl::TRef<ICefFrame>& /*frame*/,
    const rtl::TRef<ICefRequest>& /*request*/) {
  return {};
}

void TCefRequestHandlerOwn::OnResourceRedirect(const rtl::TRef<ICefBrowser>& /*browser*/,
    const rtl::TRef<ICefFrame>& /*frame*/, const rtl::TRef<ICefRequest>& /*request*/,
    std::wstring& /*new_url*/) {
}

bool TCefRequestHandlerOwn::OnResourceResponse(const rtl::TRef<ICefBrowser>& /*browser*/,
    const rtl::TRef<ICefFrame>& /*frame*/, const rtl::TRef<ICefRequest>& /*request*/,
    const rtl::TRef<ICefResponse>& /*response*/) {
  return false;
}

cef_response_filter_t* TCefRequestHandlerOwn::GetResourceResponseFilter(
    const rtl::TRef<ICefBrowser>& /*browser*/, const rtl::TRef<ICefFrame>& /*frame*/,
    const rtl::TRef<ICefRequest>& /*request*/, const rtl::TRef<ICefResponse>& /*response*/) {
  return {};
}

void TCefRequestHandlerOwn::OnResourceLoadComplete(const rtl::TRef<ICefBrowser>& /*browser*/,
    const rtl::TRef<ICefFrame>& /*frame*/, const rtl::TRef<ICefRequest>& /*request*/,
    const rtl::TRef<ICefResponse>& /*response*/, cef_urlrequest_status_t /*status*/,
    int64_t /*received_content_length*/) {
}

bool TCefRequestHandlerOwn::GetAuthCredentials(const rtl::TRef<ICefBrowser>& /*browser*/,
    const rtl::TRef<ICefFrame>& /*frame*/, bool /*isProxy*/, const std::wstring& /*host*/,
    int /*port*/, const std::wstring& /*realm*/, const std::wstring& /*scheme*/,
    const rtl::TRef<ICefAuthCallback>& /*callback*/) {
  return false;
}

bool TCefRequestHandlerOwn::OnQuotaRequest(const rtl::TRef<ICefBrowser>& /*browser*/,
    const std::wstring& /*origin_url*/, int64_t /*new_size*/,
    const rtl::TRef<ICefRequestCallback>& /*callback*/) {
  return false;
}

void TCefRequestHandlerOwn::OnProtocolExecution(const rtl::TRef<ICefBrowser>& /*browser*/,
    const std::wstring& /*url*/, int& /*allow_os_execution*/) {
}

bool TCefRequestHandlerOwn::OnCertificateError(const rtl::TRef<ICefBrowser>& /*browser*/,
    cef_errorcode_t /*cert_error*/, const std::wstring& /*request_url*/,
    const rtl::TRef<ICefSslInfo>& /*ssl_info*/,
    const rtl::TRef<ICefRequestCallback>& /*callback*/) {
  return false;
}

void TCefRequestHandlerOwn::OnPluginCrashed(const rtl::TRef<ICefBrowser>& /*browser*/,
    const std::wstring& /*plugin_path*/) {
}

void TCefRequestHandlerOwn::OnRenderViewReady(const rtl::TRef<ICefBrowser>& /*browser*/) {
}

void TCefRequestHandlerOwn::OnRenderProcessTerminated(const rtl::TRef<ICefBrowser>& /*browser*/,
    cef_termination_status_t /*status*/) {
}

// ---- TCefDisplayHandlerOwn

namespace {

void CEF_CALLBACK display_handler_on_address_change(cef_display_handler_t* self,
    cef_browser_t* browser, cef_frame_t* frame, const cef_string_t* url) {
  AdapterGuard("cef_display_handler_t.on_address_change", [&] {
    auto* owner_ = OwnerOf<TCefDisplayHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const auto frame_ = TCefFrameRef::UnWrap(frame);
    const std::wstring url_ = TCef3Helper::CefString(url);
    owner_->OnAddressChange(browser_, frame_, url_);
  });
}

void CEF_CALLBACK display_handler_on_title_change(cef_display_handler_t* self,
    cef_browser_t* browser, const cef_string_t* title) {
  AdapterGuard("cef_display_handler_t.on_title_change", [&] {
    auto* owner_ = OwnerOf<TCefDisplayHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const std::wstring title_ = TCef3Helper::CefString(title);
    owner_->OnTitleChange(browser_, title_);
  });
}

void CEF_CALLBACK display_handler_on_favicon_urlchange(cef_display_handler_t* self,
    cef_browser_t* browser, cef_string_list_t icon_urls) {
  AdapterGuard("cef_display_handler_t.on_favicon_urlchange", [&] {
    auto* owner_ = OwnerOf<TCefDisplayHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const std::vector<std::wstring> icon_urls_ = TCef3Helper::CefStringListRead(icon_urls);
    owner_->OnFaviconUrlchange(browser_, icon_urls_);
  });
}

void CEF_CALLBACK display_handler_on_fullscreen_mode_change(cef_display_handler_t* self,
    cef_browser_t* browser, int fullscreen) {
  AdapterGuard("cef_display_handler_t.on_fullscreen_mode_change", [&] {
    auto* owner_ = OwnerOf<TCefDisplayHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    owner_->OnFullscreenModeChange(browser_, fullscreen != 0);
  });
}

int CEF_CALLBACK display_handler_on_tooltip(cef_display_handler_t* self, cef_browser_t* browser,
    cef_string_t* text) {
  return AdapterGuard<int>("cef_display_handler_t.on_tooltip", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefDisplayHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    std::wstring text_ = TCef3Helper::CefString(text);
    auto result_ = owner_->OnTooltip(browser_, text_);
    if (result_) TCef3Helper::CefStringSet(text, text_);
    return result_ ? 1 : 0;
  });
}

void CEF_CALLBACK display_handler_on_status_message(cef_display_handler_t* self,
    cef_browser_t* browser, const cef_string_t* value) {
  AdapterGuard("cef_display_handler_t.on_status_message", [&] {
    auto* owner_ = OwnerOf<TCefDisplayHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const std::wstring value_ = TCef3Helper::CefString(value);
    owner_->OnStatusMessage(browser_, value_);
  });
}

int CEF_CALLBACK display_handler_on_console_message(cef_display_handler_t* self,
    cef_browser_t* browser, const cef_string_t* message, const cef_string_t* source, int line) {
  return AdapterGuard<int>("cef_display_handler_t.on_console_message", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefDisplayHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const std::wstring message_ = TCef3Helper::CefString(message);
    const std::wstring source_ = TCef3Helper::CefString(source);
    auto result_ = owner_->OnConsoleMessage(browser_, message_, source_, line);
    return result_ ? 1 : 0;
  });
}

}  // namespace

TCefDisplayHandlerOwn::TCefDisplayHandlerOwn() : TCefBaseOwn(sizeof(cef_display_handler_t)) {
  cef_display_handler_t* d = Data();
  d->on_address_change = &display_handler_on_address_change;
  d->on_title_change = &display_handler_on_title_change;
  d->on_favicon_urlchange = &display_handler_on_favicon_urlchange;
  d->on_fullscreen_mode_change = &display_handler_on_fullscreen_mode_change;
  d->on_tooltip = &display_handler_on_tooltip;
  d->on_status_message = &display_handler_on_status_message;
  d->on_console_message = &display_handler_on_console_message;
}

void TCefDisplayHandlerOwn::OnAddressChange(const rtl::TRef<ICefBrowser>& /*browser*/,
    const rtl::TRef<ICefFrame>& /*frame*/, const std::wstring& /*url*/) {
}

void TCefDisplayHandlerOwn::OnTitleChange(const rtl::TRef<ICefBrowser>& /*browser*/,
    const std::wstring& /*title*/) {
}

void TCefDisplayHandlerOwn::OnFaviconUrlchange(const rtl::TRef<ICefBrowser>& /*browser*/,
    const std::vector<std::wstring>& /*icon_urls*/) {
}

void TCefDisplayHandlerOwn::OnFullscreenModeChange(const rtl::TRef<ICefBrowser>& /*browser*/,
    bool /*fullscreen*/) {
}

bool TCefDisplayHandlerOwn::OnTooltip(const rtl::TRef<ICefBrowser>& /*browser*/,
    std::wstring& /*text*/) {
  return false;
}

void TCefDisplayHandlerOwn::OnStatusMessage(const rtl::TRef<ICefBrowser>& /*browser*/,
    const std::wstring& /*value*/) {
}

bool TCefDisplayHandlerOwn::OnConsoleMessage(const rtl::TRef<ICefBrowser>& /*browser*/,
    const std::wstring& /*message*/, const std::wstring& /*source*/, int /*line*/) {
  return false;
}

// ---- TCefFocusHandlerOwn

namespace {

void CEF_CALLBACK focus_handler_on_take_focus(cef_focus_handler_t* self, cef_browser_t* browser,
    int next) {
  AdapterGuard("cef_focus_handler_t.on_take_focus", [&] {
    auto* owner_ = OwnerOf<TCefFocusHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    owner_->OnTakeFocus(browser_, next != 0);
  });
}

int CEF_CALLBACK focus_handler_on_set_focus(cef_focus_handler_t* self, cef_browser_t* browser,
    cef_focus_source_t source) {
  return AdapterGuard<int>("cef_focus_handler_t.on_set_focus", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefFocusHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    auto result_ = owner_->OnSetFocus(browser_, source);
    return result_ ? 1 : 0;
  });
}

void CEF_CALLBACK focus_handler_on_got_focus(cef_focus_handler_t* self, cef_browser_t* browser) {
  AdapterGuard("cef_focus_handler_t.on_got_focus", [&] {
    auto* owner_ = OwnerOf<TCefFocusHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    owner_->OnGotFocus(browser_);
  });
}

}  // namespace

TCefFocusHandlerOwn::TCefFocusHandlerOwn() : TCefBaseOwn(sizeof(cef_focus_handler_t)) {
  cef_focus_handler_t* d = Data();
  d->on_take_focus = &focus_handler_on_take_focus;
  d->on_set_focus = &focus_handler_on_set_focus;
  d->on_got_focus = &focus_handler_on_got_focus;
}

void TCefFocusHandlerOwn::OnTakeFocus(const rtl::TRef<ICefBrowser>& /*browser*/, bool /*next*/) {
}

bool TCefFocusHandlerOwn::OnSetFocus(const rtl::TRef<ICefBrowser>& /*browser*/,
    cef_focus_source_t /*source*/) {
  return false;
}

void TCefFocusHandlerOwn::OnGotFocus(const rtl::TRef<ICefBrowser>& /*browser*/) {
}

// ---- TCefKeyboardHandlerOwn

namespace {

int CEF_CALLBACK keyboard_handler_on_pre_key_event(cef_keyboard_handler_t* self,
    cef_browser_t* browser, const cef_key_event_t* event, cef_event_handle_t os_event,
    int* is_keyboard_shortcut) {
  return AdapterGuard<int>("cef_keyboard_handler_t.on_pre_key_event", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefKeyboardHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    int is_keyboard_shortcutSpare_{};
    int& is_keyboard_shortcut_ = is_keyboard_shortcut ? *is_keyboard_shortcut : is_keyboard_shortcutSpare_;
    auto result_ = owner_->OnPreKeyEvent(browser_, event, os_event, is_keyboard_shortcut_);
    return result_ ? 1 : 0;
  });
}

int CEF_CALLBACK keyboard_handler_on_key_event(cef_keyboard_handler_t* self, cef_browser_t* browser,
    const cef_key_event_t* event, cef_event_handle_t os_event) {
  return AdapterGuard<int>("cef_keyboard_handler_t.on_key_event", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefKeyboardHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    auto result_ = owner_->OnKeyEvent(browser_, event, os_event);
    return result_ ? 1 : 0;
  });
}

}  // namespace

TCefKeyboardHandlerOwn::TCefKeyboardHandlerOwn() : TCefBaseOwn(sizeof(cef_keyboard_handler_t)) {
  cef_keyboard_handler_t* d = Data();
  d->on_pre_key_event = &keyboard_handler_on_pre_key_event;
  d->on_key_event = &keyboard_handler_on_key_event;
}

bool TCefKeyboardHandlerOwn::OnPreKeyEvent(const rtl::TRef<ICefBrowser>& /*browser*/,
    const cef_key_event_t* /*event*/, cef_event_handle_t /*os_event*/,
    int& /*is_keyboard_shortcut*/) {
  return false;
}

bool TCefKeyboardHandlerOwn::OnKeyEvent(const rtl::TRef<ICefBrowser>& /*browser*/,
    const cef_key_event_t* /*event*/, cef_event_handle_t /*os_event*/) {
  return false;
}

// ---- TCefJsDialogHandlerOwn

namespace {

int CEF_CALLBACK jsdialog_handler_on_jsdialog(cef_jsdialog_handler_t* self, cef_browser_t* browser,
    const cef_string_t* origin_url, const cef_string_t* accept_lang,
    cef_jsdialog_type_t dialog_type, const cef_string_t* message_text,
    const cef_string_t* default_prompt_text, cef_jsdialog_callback_t* callback,
    int* suppress_message) {
  return AdapterGuard<int>("cef_jsdialog_handler_t.on_jsdialog", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefJsDialogHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const std::wstring origin_url_ = TCef3Helper::CefString(origin_url);
    const std::wstring accept_lang_ = TCef3Helper::CefString(accept_lang);
    const std::wstring message_text_ = TCef3Helper::CefString(message_text);
    const std::wstring default_prompt_text_ = TCef3Helper::CefString(default_prompt_text);
    const auto callback_ = TCefJsDialogCallbackRef::UnWrap(callback);
    int suppress_messageSpare_{};
    int& suppress_message_ = suppress_message ? *suppress_message : suppress_messageSpare_;
    auto result_ = owner_->OnJsdialog(browser_, origin_url_, accept_lang_, dialog_type,
        message_text_, default_prompt_text_, callback_, suppress_message_);
    return result_ ? 1 : 0;
  });
}

int CEF_CALLBACK jsdialog_handler_on_before_unload_dialog(cef_jsdialog_handler_t* self,
    cef_browser_t* browser, const cef_string_t* message_text, int is_reload,
    cef_jsdialog_callback_t* callback) {
  return AdapterGuard<int>("cef_jsdialog_handler_t.on_before_unload_dialog", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefJsDialogHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const std::wstring message_text_ = TCef3Helper::CefString(message_text);
    const auto callback_ = TCefJsDialogCallbackRef::UnWrap(callback);
    auto result_ = owner_->OnBeforeUnloadDialog(browser_, message_text_, is_reload != 0, callback_);
    return result_ ? 1 : 0;
  });
}

void CEF_CALLBACK jsdialog_handler_on_reset_dialog_state(cef_jsdialog_handler_t* self,
    cef_browser_t* browser) {
  AdapterGuard("cef_jsdialog_handler_t.on_reset_dialog_state", [&] {
    auto* owner_ = OwnerOf<TCefJsDialogHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    owner_->OnResetDialogState(browser_);
  });
}

void CEF_CALLBACK jsdialog_handler_on_dialog_closed(cef_jsdialog_handler_t* self,
    cef_browser_t* browser) {
  AdapterGuard("cef_jsdialog_handler_t.on_dialog_closed", [&] {
    auto* owner_ = OwnerOf<TCefJsDialogHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    owner_->OnDialogClosed(browser_);
  });
}

}  // namespace

TCefJsDialogHandlerOwn::TCefJsDialogHandlerOwn() : TCefBaseOwn(sizeof(cef_jsdialog_handler_t)) {
  cef_jsdialog_handler_t* d = Data();
  d->on_jsdialog = &jsdialog_handler_on_jsdialog;
  d->on_before_unload_dialog = &jsdialog_handler_on_before_unload_dialog;
  d->on_reset_dialog_state = &jsdialog_handler_on_reset_dialog_state;
  d->on_dialog_closed = &jsdialog_handler_on_dialog_closed;
}

bool TCefJsDialogHandlerOwn::OnJsdialog(const rtl::TRef<ICefBrowser>& /*browser*/,
    const std::wstring& /*origin_url*/, const std::wstring& /*accept_lang*/,
    cef_jsdialog_type_t /*dialog_type*/, const std::wstring& /*message_text*/,
    const std::wstring& /*default_prompt_text*/,
    const rtl::TRef<ICefJsDialogCallback>& /*callback*/, int& /*suppress_message*/) {
  return false;
}

bool TCefJsDialogHandlerOwn::OnBeforeUnloadDialog(const rtl::TRef<ICefBrowser>& /*browser*/,
    const std::wstring& /*message_text*/, bool /*is_reload*/,
    const rtl::TRef<ICefJsDialogCallback>& /*callback*/) {
  return false;
}

void TCefJsDialogHandlerOwn::OnResetDialogState(const rtl::TRef<ICefBrowser>& /*browser*/) {
}

void TCefJsDialogHandlerOwn::OnDialogClosed(const rtl::TRef<ICefBrowser>& /*browser*/) {
}

// ---- TCefContextMenuHandlerOwn

namespace {

void CEF_CALLBACK context_menu_handler_on_before_context_menu(cef_context_menu_handler_t* self,
    cef_browser_t* browser, cef_frame_t* frame, cef_context_menu_params_t* params,
    cef_menu_model_t* model) {
  AdapterGuard("cef_context_menu_handler_t.on_before_context_menu", [&] {
    auto* owner_ = OwnerOf<TCefContextMenuHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const auto frame_ = TCefFrameRef::UnWrap(frame);
    const auto params_ = TCefContextMenuParamsRef::UnWrap(params);
    const auto model_ = TCefMenuModelRef::UnWrap(model);
    owner_->OnBeforeContextMenu(browser_, frame_, params_, model_);
  });
}

int CEF_CALLBACK context_menu_handler_run_context_menu(cef_context_menu_handler_t* self,
    cef_browser_t* browser, cef_frame_t* frame, cef_context_menu_params_t* params,
    cef_menu_model_t* model, cef_run_context_menu_callback_t* callback) {
  return AdapterGuard<int>("cef_context_menu_handler_t.run_context_menu", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefContextMenuHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const auto frame_ = TCefFrameRef::UnWrap(frame);
    const auto params_ = TCefContextMenuParamsRef::UnWrap(params);
    const auto model_ = TCefMenuModelRef::UnWrap(model);
    const auto callback_ = TCefRunContextMenuCallbackRef::UnWrap(callback);
    auto result_ = owner_->RunContextMenu(browser_, frame_, params_, model_, callback_);
    return result_ ? 1 : 0;
  });
}

int CEF_CALLBACK context_menu_handler_on_context_menu_command(cef_context_menu_handler_t* self,
    cef_browser_t* browser, cef_frame_t* frame, cef_context_menu_params_t* params, int command_id,
    cef_event_flags_t event_flags) {
  return AdapterGuard<int>("cef_context_menu_handler_t.on_context_menu_command", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefContextMenuHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const auto frame_ = TCefFrameRef::UnWrap(frame);
    const auto params_ = TCefContextMenuParamsRef::UnWrap(params);
    auto result_ = owner_->OnContextMenuCommand(browser_, frame_, params_, command_id, event_flags);
    return result_ ? 1 : 0;
  });
}

void CEF_CALLBACK context_menu_handler_on_context_menu_dismissed(cef_context_menu_handler_t* self,
    cef_browser_t* browser, cef_frame_t* frame) {
  AdapterGuard("cef_context_menu_handler_t.on_context_menu_dismissed", [&] {
    auto* owner_ = OwnerOf<TCefContextMenuHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const auto frame_ = TCefFrameRef::UnWrap(frame);
    owner_->OnContextMenuDismissed(browser_, frame_);
  });
}

}  // namespace

TCefContextMenuHandlerOwn::TCefContextMenuHandlerOwn() : TCefBaseOwn(sizeof(cef_context_menu_handler_t)) {
  cef_context_menu_handler_t* d = Data();
  d->on_before_context_menu = &context_menu_handler_on_before_context_menu;
  d->run_context_menu = &context_menu_handler_run_context_menu;
  d->on_context_menu_command = &context_menu_handler_on_context_menu_command;
  d->on_context_menu_dismissed = &context_menu_handler_on_context_menu_dismissed;
}

void TCefContextMenuHandlerOwn::OnBeforeContextMenu(const rtl::TRef<ICefBrowser>& /*browser*/,
    const rtl::TRef<ICefFrame>& /*frame*/, const rtl::TRef<ICefContextMenuParams>& /*params*/,
    const rtl::TRef<ICefMenuModel>& /*model*/) {
}

bool TCefContextMenuHandlerOwn::RunContextMenu(const rtl::TRef<ICefBrowser>& /*browser*/,
    const rtl::TRef<ICefFrame>& /*frame*/, const rtl::TRef<ICefContextMenuParams>& /*params*/,
    const rtl::TRef<ICefMenuModel>& /*model*/,
    const rtl::TRef<ICefRunContextMenuCallback>& /*callback*/) {
  return false;
}

bool TCefContextMenuHandlerOwn::OnContextMenuCommand(const rtl::TRef<ICefBrowser>& /*browser*/,
    const rtl::TRef<ICefFrame>& /*frame*/, const rtl::TRef<ICefContextMenuParams>& /*params*/,
    int /*command_id*/, cef_event_flags_t /*event_flags*/) {
  return false;
}

void TCefContextMenuHandlerOwn::OnContextMenuDismissed(const rtl::TRef<ICefBrowser>& /*browser*/,
    const rtl::TRef<ICefFrame>& /*frame*/) {
}

// ---- TCefDialogHandlerOwn

namespace {

int CEF_CALLBACK dialog_handler_on_file_dialog(cef_dialog_handler_t* self, cef_browser_t* browser,
    cef_file_dialog_mode_t mode, const cef_string_t* title, const cef_string_t* default_file_path,
    cef_string_list_t accept_filters, int selected_accept_filter,
    cef_file_dialog_callback_t* callback) {
  return AdapterGuard<int>("cef_dialog_handler_t.on_file_dialog", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefDialogHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const std::wstring title_ = TCef3Helper::CefString(title);
    const std::wstring default_file_path_ = TCef3Helper::CefString(default_file_path);
    const std::vector<std::wstring> accept_filters_ = TCef3Helper::CefStringListRead(accept_filters);
    const auto callback_ = TCefFileDialogCallbackRef::UnWrap(callback);
    auto result_ = owner_->OnFileDialog(browser_, mode, title_, default_file_path_, accept_filters_,
        selected_accept_filter, callback_);
    return result_ ? 1 : 0;
  });
}

}  // namespace

TCefDialogHandlerOwn::TCefDialogHandlerOwn() : TCefBaseOwn(sizeof(cef_dialog_handler_t)) {
  cef_dialog_handler_t* d = Data();
  d->on_file_dialog = &dialog_handler_on_file_dialog;
}

bool TCefDialogHandlerOwn::OnFileDialog(const rtl::TRef<ICefBrowser>& /*browser*/,
    cef_file_dialog_mode_t /*mode*/, const std::wstring& /*title*/,
    const std::wstring& /*default_file_path*/, const std::vector<std::wstring>& /*accept_filters*/,
    int /*selected_accept_filter*/, const rtl::TRef<ICefFileDialogCallback>& /*callback*/) {
  return false;
}

// ---- TCefDownloadHandlerOwn

namespace {

void CEF_CALLBACK download_handler_on_before_download(cef_download_handler_t* self,
    cef_browser_t* browser, cef_download_item_t* download_item, const cef_string_t* suggested_name,
    cef_before_download_callback_t* callback) {
  AdapterGuard("cef_download_handler_t.on_before_download", [&] {
    auto* owner_ = OwnerOf<TCefDownloadHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const auto download_item_ = TCefDownLoadItemRef::UnWrap(download_item);
    const std::wstring suggested_name_ = TCef3Helper::CefString(suggested_name);
    const auto callback_ = TCefBeforeDownloadCallbackRef::UnWrap(callback);
    owner_->OnBeforeDownload(browser_, download_item_, suggested_name_, callback_);
  });
}

void CEF_CALLBACK download_handler_on_download_updated(cef_download_handler_t* self,
    cef_browser_t* browser, cef_download_item_t* download_item,
    cef_download_item_callback_t* callback) {
  AdapterGuard("cef_download_handler_t.on_download_updated", [&] {
    auto* owner_ = OwnerOf<TCefDownloadHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const auto download_item_ = TCefDownLoadItemRef::UnWrap(download_item);
    const auto callback_ = TCefDownloadItemCallbackRef::UnWrap(callback);
    owner_->OnDownloadUpdated(browser_, download_item_, callback_);
  });
}

}  // namespace

TCefDownloadHandlerOwn::TCefDownloadHandlerOwn() : TCefBaseOwn(sizeof(cef_download_handler_t)) {
  cef_download_handler_t* d = Data();
  d->on_before_download = &download_handler_on_before_download;
  d->on_download_updated = &download_handler_on_download_updated;
}

void TCefDownloadHandlerOwn::OnBeforeDownload(const rtl::TRef<ICefBrowser>& /*browser*/,
    const rtl::TRef<ICefDownloadItem>& /*download_item*/, const std::wstring& /*suggested_name*/,
    const rtl::TRef<ICefBeforeDownloadCallback>& /*callback*/) {
}

void TCefDownloadHandlerOwn::OnDownloadUpdated(const rtl::TRef<ICefBrowser>& /*browser*/,
    const rtl::TRef<ICefDownloadItem>& /*download_item*/,
    const rtl::TRef<ICefDownloadItemCallback>& /*callback*/) {
}

// ---- TCefGeolocationHandlerOwn

namespace {

int CEF_CALLBACK geolocation_handler_on_request_geolocation_permission(
    cef_geolocation_handler_t* self, cef_browser_t* browser, const cef_string_t* requesting_url,
    int request_id, cef_geolocation_callback_t* callback) {
  return AdapterGuard<int>("cef_geolocation_handler_t.on_request_geolocation_permission", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefGeolocationHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const std::wstring requesting_url_ = TCef3Helper::CefString(requesting_url);
    const auto callback_ = TCefGeolocationCallbackRef::UnWrap(callback);
    auto result_ = owner_->OnRequestGeolocationPermission(browser_, requesting_url_, request_id,
        callback_);
    return result_ ? 1 : 0;
  });
}

void CEF_CALLBACK geolocation_handler_on_cancel_geolocation_permission(
    cef_geolocation_handler_t* self, cef_browser_t* browser, int request_id) {
  AdapterGuard("cef_geolocation_handler_t.on_cancel_geolocation_permission", [&] {
    auto* owner_ = OwnerOf<TCefGeolocationHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    owner_->OnCancelGeolocationPermission(browser_, request_id);
  });
}

}  // namespace

TCefGeolocationHandlerOwn::TCefGeolocationHandlerOwn() : TCefBaseOwn(sizeof(cef_geolocation_handler_t)) {
  cef_geolocation_handler_t* d = Data();
  d->on_request_geolocation_permission = &geolocation_handler_on_request_geolocation_permission;
  d->on_cancel_geolocation_permission = &geolocation_handler_on_cancel_geolocation_permission;
}

bool TCefGeolocationHandlerOwn::OnRequestGeolocationPermission(
    const rtl::TRef<ICefBrowser>& /*browser*/, const std::wstring& /*requesting_url*/,
    int /*request_id*/, const rtl::TRef<ICefGeolocationCallback>& /*callback*/) {
  return false;
}

void TCefGeolocationHandlerOwn::OnCancelGeolocationPermission(
    const rtl::TRef<ICefBrowser>& /*browser*/, int /*request_id*/) {
}

// ---- TCefRenderHandlerOwn

namespace {

int CEF_CALLBACK render_handler_get_root_screen_rect(cef_render_handler_t* self,
    cef_browser_t* browser, cef_rect_t* rect) {
  return AdapterGuard<int>("cef_render_handler_t.get_root_screen_rect", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefRenderHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    auto result_ = owner_->GetRootScreenRect(browser_, rect);
    return result_ ? 1 : 0;
  });
}

int CEF_CALLBACK render_handler_get_view_rect(cef_render_handler_t* self, cef_browser_t* browser,
    cef_rect_t* rect) {
  return AdapterGuard<int>("cef_render_handler_t.get_view_rect", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefRenderHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    auto result_ = owner_->GetViewRect(browser_, rect);
    return result_ ? 1 : 0;
  });
}

int CEF_CALLBACK render_handler_get_screen_point(cef_render_handler_t* self, cef_browser_t* browser,
    int viewX, int viewY, int* screenX, int* screenY) {
  return AdapterGuard<int>("cef_render_handler_t.get_screen_point", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefRenderHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    int screenXSpare_{};
    int& screenX_ = screenX ? *screenX : screenXSpare_;
    int screenYSpare_{};
    int& screenY_ = screenY ? *screenY : screenYSpare_;
    auto result_ = owner_->GetScreenPoint(browser_, viewX, viewY, screenX_, screenY_);
    return result_ ? 1 : 0;
  });
}

void CEF_CALLBACK render_handler_on_popup_show(cef_render_handler_t* self, cef_browser_t* browser,
    int show) {
  AdapterGuard("cef_render_handler_t.on_popup_show", [&] {
    auto* owner_ = OwnerOf<TCefRenderHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    owner_->OnPopupShow(browser_, show != 0);
  });
}

void CEF_CALLBACK render_handler_on_popup_size(cef_render_handler_t* self, cef_browser_t* browser,
    const cef_rect_t* rect) {
  AdapterGuard("cef_render_handler_t.on_popup_size", [&] {
    auto* owner_ = OwnerOf<TCefRenderHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    owner_->OnPopupSize(browser_, rect);
  });
}

void CEF_CALLBACK render_handler_on_paint(cef_render_handler_t* self, cef_browser_t* browser,
    cef_paint_element_type_t type, size_t dirtyRectsCount, const cef_rect_t* dirtyRects,
    const void* buffer, int width, int height) {
  AdapterGuard("cef_render_handler_t.on_paint", [&] {
    auto* owner_ = OwnerOf<TCefRenderHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    owner_->OnPaint(browser_, type, dirtyRectsCount, dirtyRects, buffer, width, height);
  });
}

void CEF_CALLBACK render_handler_on_cursor_change(cef_render_handler_t* self,
    cef_browser_t* browser, cef_cursor_handle_t cursor, cef_cursor_type_t type,
    const cef_cursor_info_t* custom_cursor_info) {
  AdapterGuard("cef_render_handler_t.on_cursor_change", [&] {
    auto* owner_ = OwnerOf<TCefRenderHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    owner_->OnCursorChange(browser_, cursor, type, custom_cursor_info);
  });
}

int CEF_CALLBACK render_handler_start_dragging(cef_render_handler_t* self, cef_browser_t* browser,
    cef_drag_data_t* drag_data, cef_drag_operations_mask_t allowed_ops, int x, int y) {
  return AdapterGuard<int>("cef_render_handler_t.start_dragging", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefRenderHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const auto drag_data_ = TCefDragDataRef::UnWrap(drag_data);
    auto result_ = owner_->StartDragging(browser_, drag_data_, allowed_ops, x, y);
    return result_ ? 1 : 0;
  });
}

void CEF_CALLBACK render_handler_update_drag_cursor(cef_render_handler_t* self,
    cef_browser_t* browser, cef_drag_operations_mask_t operation) {
  AdapterGuard("cef_render_handler_t.update_drag_cursor", [&] {
    auto* owner_ = OwnerOf<TCefRenderHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    owner_->UpdateDragCursor(browser_, operation);
  });
}

void CEF_CALLBACK render_handler_on_scroll_offset_changed(cef_render_handler_t* self,
    cef_browser_t* browser, double x, double y) {
  AdapterGuard("cef_render_handler_t.on_scroll_offset_changed", [&] {
    auto* owner_ = OwnerOf<TCefRenderHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    owner_->OnScrollOffsetChanged(browser_, x, y);
  });
}

}  // namespace

TCefRenderHandlerOwn::TCefRenderHandlerOwn() : TCefBaseOwn(sizeof(cef_render_handler_t)) {
  cef_render_handler_t* d = Data();
  d->get_root_screen_rect = &render_handler_get_root_screen_rect;
  d->get_view_rect = &render_handler_get_view_rect;
  d->get_screen_point = &render_handler_get_screen_point;
  d->get_screen_info = nullptr;  // the runtime uses its own default
  d->on_popup_show = &render_handler_on_popup_show;
  d->on_popup_size = &render_handler_on_popup_size;
  d->on_paint = &render_handler_on_paint;
  d->on_cursor_change = &render_handler_on_cursor_change;
  d->start_dragging = &render_handler_start_dragging;
  d->update_drag_cursor = &render_handler_update_drag_cursor;
  d->on_scroll_offset_changed = &render_handler_on_scroll_offset_changed;
}

bool TCefRenderHandlerOwn::GetRootScreenRect(const rtl::TRef<ICefBrowser>& /*browser*/,
    cef_rect_t* /*rect*/) {
  return false;
}

bool TCefRenderHandlerOwn::GetViewRect(const rtl::TRef<ICefBrowser>& /*browser*/,
    cef_rect_t* /*rect*/) {
  return false;
}

bool TCefRenderHandlerOwn::GetScreenPoint(const rtl::TRef<ICefBrowser>& /*browser*/, int /*viewX*/,
    int /*viewY*/, int& /*screenX*/, int& /*screenY*/) {
  return false;
}

bool TCefRenderHandlerOwn::GetScreenInfo(const rtl::TRef<ICefBrowser>& /*browser*/,
    cef_screen_info_t* /*screen_info*/) {
  return false;
}

void TCefRenderHandlerOwn::OnPopupShow(const rtl::TRef<ICefBrowser>& /*browser*/, bool /*show*/) {
}

void TCefRenderHandlerOwn::OnPopupSize(const rtl::TRef<ICefBrowser>& /*browser*/,
    const cef_rect_t* /*rect*/) {
}

void TCefRenderHandlerOwn::OnPaint(const rtl::TRef<ICefBrowser>& /*browser*/,
    cef_paint_element_type_t /*type*/, size_t /*dirtyRectsCount*/, const cef_rect_t* /*dirtyRects*/,
    const void* /*buffer*/, int /*width*/, int /*height*/) {
}

void TCefRenderHandlerOwn::OnCursorChange(const rtl::TRef<ICefBrowser>& /*browser*/,
    cef_cursor_handle_t /*cursor*/, cef_cursor_type_t /*type*/,
    const cef_cursor_info_t* /*custom_cursor_info*/) {
}

bool TCefRenderHandlerOwn::StartDragging(const rtl::TRef<ICefBrowser>& /*browser*/,
    const rtl::TRef<ICefDragData>& /*drag_data*/, cef_drag_operations_mask_t /*allowed_ops*/,
    int /*x*/, int /*y*/) {
  return false;
}

void TCefRenderHandlerOwn::UpdateDragCursor(const rtl::TRef<ICefBrowser>& /*browser*/,
    cef_drag_operations_mask_t /*operation*/) {
}

void TCefRenderHandlerOwn::OnScrollOffsetChanged(const rtl::TRef<ICefBrowser>& /*browser*/,
    double /*x*/, double /*y*/) {
}

// ---- TCefDragHandlerOwn

namespace {

int CEF_CALLBACK drag_handler_on_drag_enter(cef_drag_handler_t* self, cef_browser_t* browser,
    cef_drag_data_t* dragData, cef_drag_operations_mask_t mask) {
  return AdapterGuard<int>("cef_drag_handler_t.on_drag_enter", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefDragHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const auto dragData_ = TCefDragDataRef::UnWrap(dragData);
    auto result_ = owner_->OnDragEnter(browser_, dragData_, mask);
    return result_ ? 1 : 0;
  });
}

void CEF_CALLBACK drag_handler_on_draggable_regions_changed(cef_drag_handler_t* self,
    cef_browser_t* browser, size_t regionsCount, const cef_draggable_region_t* regions) {
  AdapterGuard("cef_drag_handler_t.on_draggable_regions_changed", [&] {
    auto* owner_ = OwnerOf<TCefDragHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    owner_->OnDraggableRegionsChanged(browser_, regionsCount, regions);
  });
}

}  // namespace

TCefDragHandlerOwn::TCefDragHandlerOwn() : TCefBaseOwn(sizeof(cef_drag_handler_t)) {
  cef_drag_handler_t* d = Data();
  d->on_drag_enter = &drag_handler_on_drag_enter;
  d->on_draggable_regions_changed = &drag_handler_on_draggable_regions_changed;
}

bool TCefDragHandlerOwn::OnDragEnter(const rtl::TRef<ICefBrowser>& /*browser*/,
    const rtl::TRef<ICefDragData>& /*dragData*/, cef_drag_operations_mask_t /*mask*/) {
  return false;
}

void TCefDragHandlerOwn::OnDraggableRegionsChanged(const rtl::TRef<ICefBrowser>& /*browser*/,
    size_t /*regionsCount*/, const cef_draggable_region_t* /*regions*/) {
}

// ---- TCefFindHandlerOwn

namespace {

void CEF_CALLBACK find_handler_on_find_result(cef_find_handler_t* self, cef_browser_t* browser,
    int identifier, int count, const cef_rect_t* selectionRect, int activeMatchOrdinal,
    int finalUpdate) {
  AdapterGuard("cef_find_handler_t.on_find_result", [&] {
    auto* owner_ = OwnerOf<TCefFindHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    owner_->OnFindResult(browser_, identifier, count, selectionRect, activeMatchOrdinal,
        finalUpdate != 0);
  });
}

}  // namespace

TCefFindHandlerOwn::TCefFindHandlerOwn() : TCefBaseOwn(sizeof(cef_find_handler_t)) {
  cef_find_handler_t* d = Data();
  d->on_find_result = &find_handler_on_find_result;
}

void TCefFindHandlerOwn::OnFindResult(const rtl::TRef<ICefBrowser>& /*browser*/, int /*identifier*/,
    int /*count*/, const cef_rect_t* /*selectionRect*/, int /*activeMatchOrdinal*/,
    bool /*finalUpdate*/) {
}

// ---- TCefAppOwn

namespace {

void CEF_CALLBACK app_on_before_command_line_processing(cef_app_t* self,
    const cef_string_t* process_type, cef_command_line_t* command_line) {
  AdapterGuard("cef_app_t.on_before_command_line_processing", [&] {
    auto* owner_ = OwnerOf<TCefAppOwn>(self);
    const std::wstring process_type_ = TCef3Helper::CefString(process_type);
    const auto command_line_ = TCefCommandLineRef::UnWrap(command_line);
    owner_->OnBeforeCommandLineProcessing(process_type_, command_line_);
  });
}

void CEF_CALLBACK app_on_register_custom_schemes(cef_app_t* self,
    cef_scheme_registrar_t* registrar) {
  AdapterGuard("cef_app_t.on_register_custom_schemes", [&] {
    auto* owner_ = OwnerOf<TCefAppOwn>(self);
    const auto registrar_ = TCefSchemeRegistrarRef::UnWrap(registrar);
    owner_->OnRegisterCustomSchemes(registrar_);
  });
}

cef_resource_bundle_handler_t* CEF_CALLBACK app_get_resource_bundle_handler(cef_app_t* self) {
  return AdapterGuard<cef_resource_bundle_handler_t*>("cef_app_t.get_resource_bundle_handler", {}, [&]() -> cef_resource_bundle_handler_t* {
    auto* owner_ = OwnerOf<TCefAppOwn>(self);
    auto result_ = owner_->GetResourceBundleHandler();
    return static_cast<cef_resource_bundle_handler_t*>(TCef3Helper::CefGetData(result_.Get()));
  });
}

cef_browser_process_handler_t* CEF_CALLBACK app_get_browser_process_handler(cef_app_t* self) {
  return AdapterGuard<cef_browser_process_handler_t*>("cef_app_t.get_browser_process_handler", {}, [&]() -> cef_browser_process_handler_t* {
    auto* owner_ = OwnerOf<TCefAppOwn>(self);
    auto result_ = owner_->GetBrowserProcessHandler();
    return static_cast<cef_browser_process_handler_t*>(TCef3Helper::CefGetData(result_.Get()));
  });
}

cef_render_process_handler_t* CEF_CALLBACK app_get_render_process_handler(cef_app_t* self) {
  return AdapterGuard<cef_render_process_handler_t*>("cef_app_t.get_render_process_handler", {}, [&]() -> cef_render_process_handler_t* {
    auto* owner_ = OwnerOf<TCefAppOwn>(self);
    auto result_ = owner_->GetRenderProcessHandler();
    return static_cast<cef_render_process_handler_t*>(TCef3Helper::CefGetData(result_.Get()));
  });
}

}  // namespace

TCefAppOwn::TCefAppOwn() : TCefBaseOwn(sizeof(cef_app_t)) {
  cef_app_t* d = Data();
  d->on_before_command_line_processing = &app_on_before_command_line_processing;
  d->on_register_custom_schemes = &app_on_register_custom_schemes;
  d->get_resource_bundle_handler = &app_get_resource_bundle_handler;
  d->get_browser_process_handler = &app_get_browser_process_handler;
  d->get_render_process_handler = &app_get_render_process_handler;
}

void TCefAppOwn::OnBeforeCommandLineProcessing(const std::wstring& /*process_type*/,
    const rtl::TRef<ICefCommandLine>& /*command_line*/) {
}

void TCefAppOwn::OnRegisterCustomSchemes(const rtl::TRef<ICefSchemeRegistrar>& /*registrar*/) {
}

rtl::TRef<ICefResourceBundleHandler> TCefAppOwn::GetResourceBundleHandler() {
  return {};
}

rtl::TRef<ICefBrowserProcessHandler> TCefAppOwn::GetBrowserProcessHandler() {
  return {};
}

rtl::TRef<ICefRenderProcessHandler> TCefAppOwn::GetRenderProcessHandler() {
  return {};
}

// ---- TCefBrowserProcessHandlerOwn

namespace {

void CEF_CALLBACK browser_process_handler_on_context_initialized(
    cef_browser_process_handler_t* self) {
  AdapterGuard("cef_browser_process_handler_t.on_context_initialized", [&] {
    auto* owner_ = OwnerOf<TCefBrowserProcessHandlerOwn>(self);
    owner_->OnContextInitialized();
  });
}

void CEF_CALLBACK browser_process_handler_on_before_child_process_launch(
    cef_browser_process_handler_t* self, cef_command_line_t* command_line) {
  AdapterGuard("cef_browser_process_handler_t.on_before_child_process_launch", [&] {
    auto* owner_ = OwnerOf<TCefBrowserProcessHandlerOwn>(self);
    const auto command_line_ = TCefCommandLineRef::UnWrap(command_line);
    owner_->OnBeforeChildProcessLaunch(command_line_);
  });
}

void CEF_CALLBACK browser_process_handler_on_render_process_thread_created(
    cef_browser_process_handler_t* self, cef_list_value_t* extra_info) {
  AdapterGuard("cef_browser_process_handler_t.on_render_process_thread_created", [&] {
    auto* owner_ = OwnerOf<TCefBrowserProcessHandlerOwn>(self);
    const auto extra_info_ = TCefListValueRef::UnWrap(extra_info);
    owner_->OnRenderProcessThreadCreated(extra_info_);
  });
}

}  // namespace

TCefBrowserProcessHandlerOwn::TCefBrowserProcessHandlerOwn() : TCefBaseOwn(sizeof(cef_browser_process_handler_t)) {
  cef_browser_process_handler_t* d = Data();
  d->on_context_initialized = &browser_process_handler_on_context_initialized;
  d->on_before_child_process_launch = &browser_process_handler_on_before_child_process_launch;
  d->on_render_process_thread_created = &browser_process_handler_on_render_process_thread_created;
  d->get_print_handler = nullptr;  // the runtime uses its own default
}

void TCefBrowserProcessHandlerOwn::OnContextInitialized() {
}

void TCefBrowserProcessHandlerOwn::OnBeforeChildProcessLaunch(
    const rtl::TRef<ICefCommandLine>& /*command_line*/) {
}

void TCefBrowserProcessHandlerOwn::OnRenderProcessThreadCreated(
    const rtl::TRef<ICefListValue>& /*extra_info*/) {
}

cef_print_handler_t* TCefBrowserProcessHandlerOwn::GetPrintHandler() {
  return {};
}

// ---- TCefRenderProcessHandlerOwn

namespace {

void CEF_CALLBACK render_process_handler_on_render_thread_created(
    cef_render_process_handler_t* self, cef_list_value_t* extra_info) {
  AdapterGuard("cef_render_process_handler_t.on_render_thread_created", [&] {
    auto* owner_ = OwnerOf<TCefRenderProcessHandlerOwn>(self);
    const auto extra_info_ = TCefListValueRef::UnWrap(extra_info);
    owner_->OnRenderThreadCreated(extra_info_);
  });
}

void CEF_CALLBACK render_process_handler_on_web_kit_initialized(
    cef_render_process_handler_t* self) {
  AdapterGuard("cef_render_process_handler_t.on_web_kit_initialized", [&] {
    auto* owner_ = OwnerOf<TCefRenderProcessHandlerOwn>(self);
    owner_->OnWebKitInitialized();
  });
}

void CEF_CALLBACK render_process_handler_on_browser_created(cef_render_process_handler_t* self,
    cef_browser_t* browser) {
  AdapterGuard("cef_render_process_handler_t.on_browser_created", [&] {
    auto* owner_ = OwnerOf<TCefRenderProcessHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    owner_->OnBrowserCreated(browser_);
  });
}

void CEF_CALLBACK render_process_handler_on_browser_destroyed(cef_render_process_handler_t* self,
    cef_browser_t* browser) {
  AdapterGuard("cef_render_process_handler_t.on_browser_destroyed", [&] {
    auto* owner_ = OwnerOf<TCefRenderProcessHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    owner_->OnBrowserDestroyed(browser_);
  });
}

cef_load_handler_t* CEF_CALLBACK render_process_handler_get_load_handler(
    cef_render_process_handler_t* self) {
  return AdapterGuard<cef_load_handler_t*>("cef_render_process_handler_t.get_load_handler", {}, [&]() -> cef_load_handler_t* {
    auto* owner_ = OwnerOf<TCefRenderProcessHandlerOwn>(self);
    auto result_ = owner_->GetLoadHandler();
    return static_cast<cef_load_handler_t*>(TCef3Helper::CefGetData(result_.Get()));
  });
}

int CEF_CALLBACK render_process_handler_on_before_navigation(cef_render_process_handler_t* self,
    cef_browser_t* browser, cef_frame_t* frame, cef_request_t* request,
    cef_navigation_type_t navigation_type, int is_redirect) {
  return AdapterGuard<int>("cef_render_process_handler_t.on_before_navigation", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefRenderProcessHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const auto frame_ = TCefFrameRef::UnWrap(frame);
    const auto request_ = TCefRequestRef::UnWrap(request);
    auto result_ = owner_->OnBeforeNavigation(browser_, frame_, request_, navigation_type,
        is_redirect != 0);
    return result_ ? 1 : 0;
  });
}

void CEF_CALLBACK render_process_handler_on_context_created(cef_render_process_handler_t* self,
    cef_browser_t* browser, cef_frame_t* frame, cef_v8context_t* context) {
  AdapterGuard("cef_render_process_handler_t.on_context_created", [&] {
    auto* owner_ = OwnerOf<TCefRenderProcessHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const auto frame_ = TCefFrameRef::UnWrap(frame);
    const auto context_ = TCefv8ContextRef::UnWrap(context);
    owner_->OnContextCreated(browser_, frame_, context_);
  });
}

void CEF_CALLBACK render_process_handler_on_context_released(cef_render_process_handler_t* self,
    cef_browser_t* browser, cef_frame_t* frame, cef_v8context_t* context) {
  AdapterGuard("cef_render_process_handler_t.on_context_released", [&] {
    auto* owner_ = OwnerOf<TCefRenderProcessHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const auto frame_ = TCefFrameRef::UnWrap(frame);
    const auto context_ = TCefv8ContextRef::UnWrap(context);
    owner_->OnContextReleased(browser_, frame_, context_);
  });
}

void CEF_CALLBACK render_process_handler_on_uncaught_exception(cef_render_process_handler_t* self,
    cef_browser_t* browser, cef_frame_t* frame, cef_v8context_t* context,
    cef_v8exception_t* exception, cef_v8stack_trace_t* stackTrace) {
  AdapterGuard("cef_render_process_handler_t.on_uncaught_exception", [&] {
    auto* owner_ = OwnerOf<TCefRenderProcessHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const auto frame_ = TCefFrameRef::UnWrap(frame);
    const auto context_ = TCefv8ContextRef::UnWrap(context);
    const auto exception_ = TCefV8ExceptionRef::UnWrap(exception);
    const auto stackTrace_ = TCefV8StackTraceRef::UnWrap(stackTrace);
    owner_->OnUncaughtException(browser_, frame_, context_, exception_, stackTrace_);
  });
}

void CEF_CALLBACK render_process_handler_on_focused_node_changed(cef_render_process_handler_t* self,
    cef_browser_t* browser, cef_frame_t* frame, cef_domnode_t* node) {
  AdapterGuard("cef_render_process_handler_t.on_focused_node_changed", [&] {
    auto* owner_ = OwnerOf<TCefRenderProcessHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const auto frame_ = TCefFrameRef::UnWrap(frame);
    const auto node_ = TCefDomNodeRef::UnWrap(node);
    owner_->OnFocusedNodeChanged(browser_, frame_, node_);
  });
}

int CEF_CALLBACK render_process_handler_on_process_message_received(
    cef_render_process_handler_t* self, cef_browser_t* browser, cef_process_id_t source_process,
    cef_process_message_t* message) {
  return AdapterGuard<int>("cef_render_process_handler_t.on_process_message_received", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefRenderProcessHandlerOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const auto message_ = TCefProcessMessageRef::UnWrap(message);
    auto result_ = owner_->OnProcessMessageReceived(browser_, source_process, message_);
    return result_ ? 1 : 0;
  });
}

}  // namespace

TCefRenderProcessHandlerOwn::TCefRenderProcessHandlerOwn() : TCefBaseOwn(sizeof(cef_render_process_handler_t)) {
  cef_render_process_handler_t* d = Data();
  d->on_render_thread_created = &render_process_handler_on_render_thread_created;
  d->on_web_kit_initialized = &render_process_handler_on_web_kit_initialized;
  d->on_browser_created = &render_process_handler_on_browser_created;
  d->on_browser_destroyed = &render_process_handler_on_browser_destroyed;
  d->get_load_handler = &render_process_handler_get_load_handler;
  d->on_before_navigation = &render_process_handler_on_before_navigation;
  d->on_context_created = &render_process_handler_on_context_created;
  d->on_context_released = &render_process_handler_on_context_released;
  d->on_uncaught_exception = &render_process_handler_on_uncaught_exception;
  d->on_focused_node_changed = &render_process_handler_on_focused_node_changed;
  d->on_process_message_received = &render_process_handler_on_process_message_received;
}

void TCefRenderProcessHandlerOwn::OnRenderThreadCreated(
    const rtl::TRef<ICefListValue>& /*extra_info*/) {
}

void TCefRenderProcessHandlerOwn::OnWebKitInitialized() {
}

void TCefRenderProcessHandlerOwn::OnBrowserCreated(const rtl::TRef<ICefBrowser>& /*browser*/) {
}

void TCefRenderProcessHandlerOwn::OnBrowserDestroyed(const rtl::TRef<ICefBrowser>& /*browser*/) {
}

rtl::TRef<ICefLoadHandler> TCefRenderProcessHandlerOwn::GetLoadHandler() {
  return {};
}

bool TCefRenderProcessHandlerOwn::OnBeforeNavigation(const rtl::TRef<ICefBrowser>& /*browser*/,
    const rtl::TRef<ICefFrame>& /*frame*/, const rtl::TRef<ICefRequest>& /*request*/,
    cef_navigation_type_t /*navigation_type*/, bool /*is_redirect*/) {
  return false;
}

void TCefRenderProcessHandlerOwn::OnContextCreated(const rtl::TRef<ICefBrowser>& /*browser*/,
    const rtl::TRef<ICefFrame>& /*frame*/, const rtl::TRef<ICefv8Context>& /*context*/) {
}

void TCefRenderProcessHandlerOwn::OnContextReleased(const rtl::TRef<ICefBrowser>& /*browser*/,
    const rtl::TRef<ICefFrame>& /*frame*/, const rtl::TRef<ICefv8Context>& /*context*/) {
}

void TCefRenderProcessHandlerOwn::OnUncaughtException(const rtl::TRef<ICefBrowser>& /*browser*/,
    const rtl::TRef<ICefFrame>& /*frame*/, const rtl::TRef<ICefv8Context>& /*context*/,
    const rtl::TRef<ICefV8Exception>& /*exception*/,
    const rtl::TRef<ICefV8StackTrace>& /*stackTrace*/) {
}

void TCefRenderProcessHandlerOwn::OnFocusedNodeChanged(const rtl::TRef<ICefBrowser>& /*browser*/,
    const rtl::TRef<ICefFrame>& /*frame*/, const rtl::TRef<ICefDomNode>& /*node*/) {
}

bool TCefRenderProcessHandlerOwn::OnProcessMessageReceived(
    const rtl::TRef<ICefBrowser>& /*browser*/, cef_process_id_t /*source_process*/,
    const rtl::TRef<ICefProcessMessage>& /*message*/) {
  return false;
}

// ---- TCefResourceBundleHandlerOwn

namespace {

int CEF_CALLBACK resource_bundle_handler_get_localized_string(cef_resource_bundle_handler_t* self,
    int string_id, cef_string_t* string) {
  return AdapterGuard<int>("cef_resource_bundle_handler_t.get_localized_string", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefResourceBundleHandlerOwn>(self);
    std::wstring string_ = TCef3Helper::CefString(string);
    auto result_ = owner_->GetLocalizedString(string_id, string_);
    if (result_) TCef3Helper::CefStringSet(string, string_);
    return result_ ? 1 : 0;
  });
}

int CEF_CALLBACK resource_bundle_handler_get_data_resource(cef_resource_bundle_handler_t* self,
    int resource_id, void** data, size_t* data_size) {
  return AdapterGuard<int>("cef_resource_bundle_handler_t.get_data_resource", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefResourceBundleHandlerOwn>(self);
    void* dataSpare_{};
    void*& data_ = data ? *data : dataSpare_;
    size_t data_sizeSpare_{};
    size_t& data_size_ = data_size ? *data_size : data_sizeSpare_;
    auto result_ = owner_->GetDataResource(resource_id, data_, data_size_);
    return result_ ? 1 : 0;
  });
}

int CEF_CALLBACK resource_bundle_handler_get_data_resource_for_scale(
    cef_resource_bundle_handler_t* self, int resource_id, cef_scale_factor_t scale_factor,
    void** data, size_t* data_size) {
  return AdapterGuard<int>("cef_resource_bundle_handler_t.get_data_resource_for_scale", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefResourceBundleHandlerOwn>(self);
    void* dataSpare_{};
    void*& data_ = data ? *data : dataSpare_;
    size_t data_sizeSpare_{};
    size_t& data_size_ = data_size ? *data_size : data_sizeSpare_;
    auto result_ = owner_->GetDataResourceForScale(resource_id, scale_factor, data_, data_size_);
    return result_ ? 1 : 0;
  });
}

}  // namespace

TCefResourceBundleHandlerOwn::TCefResourceBundleHandlerOwn() : TCefBaseOwn(sizeof(cef_resource_bundle_handler_t)) {
  cef_resource_bundle_handler_t* d = Data();
  d->get_localized_string = &resource_bundle_handler_get_localized_string;
  d->get_data_resource = &resource_bundle_handler_get_data_resource;
  d->get_data_resource_for_scale = &resource_bundle_handler_get_data_resource_for_scale;
}

bool TCefResourceBundleHandlerOwn::GetLocalizedString(int /*string_id*/, std::wstring& /*string*/) {
  return false;
}

bool TCefResourceBundleHandlerOwn::GetDataResource(int /*resource_id*/, void*& /*data*/,
    size_t& /*data_size*/) {
  return false;
}

bool TCefResourceBundleHandlerOwn::GetDataResourceForScale(int /*resource_id*/,
    cef_scale_factor_t /*scale_factor*/, void*& /*data*/, size_t& /*data_size*/) {
  return false;
}

// ---- TCefResourceHandlerOwn

namespace {

int CEF_CALLBACK resource_handler_process_request(cef_resource_handler_t* self,
    cef_request_t* request, cef_callback_t* callback) {
  return AdapterGuard<int>("cef_resource_handler_t.process_request", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefResourceHandlerOwn>(self);
    const auto request_ = TCefRequestRef::UnWrap(request);
    const auto callback_ = TCefCallbackRef::UnWrap(callback);
    auto result_ = owner_->ProcessRequest(request_, callback_);
    return result_ ? 1 : 0;
  });
}

void CEF_CALLBACK resource_handler_get_response_headers(cef_resource_handler_t* self,
    cef_response_t* response, int64_t* response_length, cef_string_t* redirectUrl) {
  AdapterGuard("cef_resource_handler_t.get_response_headers", [&] {
    auto* owner_ = OwnerOf<TCefResourceHandlerOwn>(self);
    const auto response_ = TCefResponseRef::UnWrap(response);
    int64_t response_lengthSpare_{};
    int64_t& response_length_ = response_length ? *response_length : response_lengthSpare_;
    std::wstring redirectUrl_ = TCef3Helper::CefString(redirectUrl);
    owner_->GetResponseHeaders(response_, response_length_, redirectUrl_);
    TCef3Helper::CefStringSet(redirectUrl, redirectUrl_);
  });
}

int CEF_CALLBACK resource_handler_read_response(cef_resource_handler_t* self, void* data_out,
    int bytes_to_read, int* bytes_read, cef_callback_t* callback) {
  return AdapterGuard<int>("cef_resource_handler_t.read_response", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefResourceHandlerOwn>(self);
    int bytes_readSpare_{};
    int& bytes_read_ = bytes_read ? *bytes_read : bytes_readSpare_;
    const auto callback_ = TCefCallbackRef::UnWrap(callback);
    auto result_ = owner_->ReadResponse(data_out, bytes_to_read, bytes_read_, callback_);
    return result_ ? 1 : 0;
  });
}

int CEF_CALLBACK resource_handler_can_get_cookie(cef_resource_handler_t* self,
    const cef_cookie_t* cookie) {
  return AdapterGuard<int>("cef_resource_handler_t.can_get_cookie", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefResourceHandlerOwn>(self);
    auto result_ = owner_->CanGetCookie(cookie);
    return result_ ? 1 : 0;
  });
}

int CEF_CALLBACK resource_handler_can_set_cookie(cef_resource_handler_t* self,
    const cef_cookie_t* cookie) {
  return AdapterGuard<int>("cef_resource_handler_t.can_set_cookie", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefResourceHandlerOwn>(self);
    auto result_ = owner_->CanSetCookie(cookie);
    return result_ ? 1 : 0;
  });
}

void CEF_CALLBACK resource_handler_cancel(cef_resource_handler_t* self) {
  AdapterGuard("cef_resource_handler_t.cancel", [&] {
    auto* owner_ = OwnerOf<TCefResourceHandlerOwn>(self);
    owner_->Cancel();
  });
}

}  // namespace

TCefResourceHandlerOwn::TCefResourceHandlerOwn() : TCefBaseOwn(sizeof(cef_resource_handler_t)) {
  cef_resource_handler_t* d = Data();
  d->process_request = &resource_handler_process_request;
  d->get_response_headers = &resource_handler_get_response_headers;
  d->read_response = &resource_handler_read_response;
  d->can_get_cookie = &resource_handler_can_get_cookie;
  d->can_set_cookie = &resource_handler_can_set_cookie;
  d->cancel = &resource_handler_cancel;
}

bool TCefResourceHandlerOwn::ProcessRequest(const rtl::TRef<ICefRequest>& /*request*/,
    const rtl::TRef<ICefCallback>& /*callback*/) {
  return false;
}

void TCefResourceHandlerOwn::GetResponseHeaders(const rtl::TRef<ICefResponse>& /*response*/,
    int64_t& /*response_length*/, std::wstring& /*redirectUrl*/) {
}

bool TCefResourceHandlerOwn::ReadResponse(void* /*data_out*/, int /*bytes_to_read*/,
    int& /*bytes_read*/, const rtl::TRef<ICefCallback>& /*callback*/) {
  return false;
}

bool TCefResourceHandlerOwn::CanGetCookie(const cef_cookie_t* /*cookie*/) {
  return false;
}

bool TCefResourceHandlerOwn::CanSetCookie(const cef_cookie_t* /*cookie*/) {
  return false;
}

void TCefResourceHandlerOwn::Cancel() {
}

// ---- TCefSchemeHandlerFactoryOwn

namespace {

cef_resource_handler_t* CEF_CALLBACK scheme_handler_factory_create(
    cef_scheme_handler_factory_t* self, cef_browser_t* browser, cef_frame_t* frame,
    const cef_string_t* scheme_name, cef_request_t* request) {
  return AdapterGuard<cef_resource_handler_t*>("cef_scheme_handler_factory_t.create", {}, [&]() -> cef_resource_handler_t* {
    auto* owner_ = OwnerOf<TCefSchemeHandlerFactoryOwn>(self);
    const auto browser_ = TCefBrowserRef::UnWrap(browser);
    const auto frame_ = TCefFrameRef::UnWrap(frame);
    const std::wstring scheme_name_ = TCef3Helper::CefString(scheme_name);
    const auto request_ = TCefRequestRef::UnWrap(request);
    auto result_ = owner_->Create(browser_, frame_, scheme_name_, request_);
    return static_cast<cef_resource_handler_t*>(TCef3Helper::CefGetData(result_.Get()));
  });
}

}  // namespace

TCefSchemeHandlerFactoryOwn::TCefSchemeHandlerFactoryOwn() : TCefBaseOwn(sizeof(cef_scheme_handler_factory_t)) {
  cef_scheme_handler_factory_t* d = Data();
  d->create = &scheme_handler_factory_create;
}

// ---- TCefUrlrequestClientOwn

namespace {

void CEF_CALLBACK urlrequest_client_on_request_complete(cef_urlrequest_client_t* self,
    cef_urlrequest_t* request) {
  AdapterGuard("cef_urlrequest_client_t.on_request_complete", [&] {
    auto* owner_ = OwnerOf<TCefUrlrequestClientOwn>(self);
    const auto request_ = TCefUrlRequestRef::UnWrap(request);
    owner_->OnRequestComplete(request_);
  });
}

void CEF_CALLBACK urlrequest_client_on_upload_progress(cef_urlrequest_client_t* self,
    cef_urlrequest_t* request, int64_t current, int64_t total) {
  AdapterGuard("cef_urlrequest_client_t.on_upload_progress", [&] {
    auto* owner_ = OwnerOf<TCefUrlrequestClientOwn>(self);
    const auto request_ = TCefUrlRequestRef::UnWrap(request);
    owner_->OnUploadProgress(request_, current, total);
  });
}

void CEF_CALLBACK urlrequest_client_on_download_progress(cef_urlrequest_client_t* self,
    cef_urlrequest_t* request, int64_t current, int64_t total) {
  AdapterGuard("cef_urlrequest_client_t.on_download_progress", [&] {
    auto* owner_ = OwnerOf<TCefUrlrequestClientOwn>(self);
    const auto request_ = TCefUrlRequestRef::UnWrap(request);
    owner_->OnDownloadProgress(request_, current, total);
  });
}

void CEF_CALLBACK urlrequest_client_on_download_data(cef_urlrequest_client_t* self,
    cef_urlrequest_t* request, const void* data, size_t data_length) {
  AdapterGuard("cef_urlrequest_client_t.on_download_data", [&] {
    auto* owner_ = OwnerOf<TCefUrlrequestClientOwn>(self);
    const auto request_ = TCefUrlRequestRef::UnWrap(request);
    owner_->OnDownloadData(request_, data, data_length);
  });
}

int CEF_CALLBACK urlrequest_client_get_auth_credentials(cef_urlrequest_client_t* self, int isProxy,
    const cef_string_t* host, int port, const cef_string_t* realm, const cef_string_t* scheme,
    cef_auth_callback_t* callback) {
  return AdapterGuard<int>("cef_urlrequest_client_t.get_auth_credentials", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefUrlrequestClientOwn>(self);
    const std::wstring host_ = TCef3Helper::CefString(host);
    const std::wstring realm_ = TCef3Helper::CefString(realm);
    const std::wstring scheme_ = TCef3Helper::CefString(scheme);
    const auto callback_ = TCefAuthCallbackRef::UnWrap(callback);
    auto result_ = owner_->GetAuthCredentials(isProxy != 0, host_, port, realm_, scheme_,
        callback_);
    return result_ ? 1 : 0;
  });
}

}  // namespace

TCefUrlrequestClientOwn::TCefUrlrequestClientOwn() : TCefBaseOwn(sizeof(cef_urlrequest_client_t)) {
  cef_urlrequest_client_t* d = Data();
  d->on_request_complete = &urlrequest_client_on_request_complete;
  d->on_upload_progress = &urlrequest_client_on_upload_progress;
  d->on_download_progress = &urlrequest_client_on_download_progress;
  d->on_download_data = &urlrequest_client_on_download_data;
  d->get_auth_credentials = &urlrequest_client_get_auth_credentials;
}

void TCefUrlrequestClientOwn::OnRequestComplete(const rtl::TRef<ICefUrlRequest>& /*request*/) {
}

void TCefUrlrequestClientOwn::OnUploadProgress(const rtl::TRef<ICefUrlRequest>& /*request*/,
    int64_t /*current*/, int64_t /*total*/) {
}

void TCefUrlrequestClientOwn::OnDownloadProgress(const rtl::TRef<ICefUrlRequest>& /*request*/,
    int64_t /*current*/, int64_t /*total*/) {
}

void TCefUrlrequestClientOwn::OnDownloadData(const rtl::TRef<ICefUrlRequest>& /*request*/,
    const void* /*data*/, size_t /*data_length*/) {
}

bool TCefUrlrequestClientOwn::GetAuthCredentials(bool /*isProxy*/, const std::wstring& /*host*/,
    int /*port*/, const std::wstring& /*realm*/, const std::wstring& /*scheme*/,
    const rtl::TRef<ICefAuthCallback>& /*callback*/) {
  return false;
}

// ---- TCefv8HandlerOwn

namespace {

int CEF_CALLBACK v8handler_execute(cef_v8handler_t* self, const cef_string_t* name,
    cef_v8value_t* object, size_t argumentsCount, cef_v8value_t* const* arguments,
    cef_v8value_t** retval, cef_string_t* exception) {
  return AdapterGuard<int>("cef_v8handler_t.execute", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefv8HandlerOwn>(self);
    const std::wstring name_ = TCef3Helper::CefString(name);
    const auto object_ = TCefv8ValueRef::UnWrap(object);
    TCefv8ValueArray arguments_;
    arguments_.reserve(argumentsCount);
    for (size_t i = 0; i < argumentsCount; ++i) arguments_.push_back(TCefv8ValueRef::UnWrap(arguments[i]));
    TInOutObject<ICefv8Value, cef_v8value_t> retval_(
        retval, (retval && *retval) ? TCefv8ValueRef::UnWrap(*retval) : nullptr);
    std::wstring exception_ = TCef3Helper::CefString(exception);
    auto result_ = owner_->Execute(name_, object_, arguments_, retval_.Value, exception_);
    if (result_) TCef3Helper::CefStringSet(exception, exception_);
    return result_ ? 1 : 0;
  });
}

}  // namespace

TCefv8HandlerOwn::TCefv8HandlerOwn() : TCefBaseOwn(sizeof(cef_v8handler_t)) {
  cef_v8handler_t* d = Data();
  d->execute = &v8handler_execute;
}

bool TCefv8HandlerOwn::Execute(const std::wstring& /*name*/,
    const rtl::TRef<ICefv8Value>& /*object*/, const TCefv8ValueArray& /*arguments*/,
    rtl::TRef<ICefv8Value>& /*retval*/, std::wstring& /*exception*/) {
  return false;
}

// ---- TCefV8AccessorOwn

namespace {

int CEF_CALLBACK v8accessor_get(cef_v8accessor_t* self, const cef_string_t* name,
    cef_v8value_t* object, cef_v8value_t** retval, cef_string_t* exception) {
  return AdapterGuard<int>("cef_v8accessor_t.get", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefV8AccessorOwn>(self);
    const std::wstring name_ = TCef3Helper::CefString(name);
    const auto object_ = TCefv8ValueRef::UnWrap(object);
    TInOutObject<ICefv8Value, cef_v8value_t> retval_(
        retval, (retval && *retval) ? TCefv8ValueRef::UnWrap(*retval) : nullptr);
    std::wstring exception_ = TCef3Helper::CefString(exception);
    auto result_ = owner_->Get(name_, object_, retval_.Value, exception_);
    if (result_) TCef3Helper::CefStringSet(exception, exception_);
    return result_ ? 1 : 0;
  });
}

int CEF_CALLBACK v8accessor_set(cef_v8accessor_t* self, const cef_string_t* name,
    cef_v8value_t* object, cef_v8value_t* value, cef_string_t* exception) {
  return AdapterGuard<int>("cef_v8accessor_t.set", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefV8AccessorOwn>(self);
    const std::wstring name_ = TCef3Helper::CefString(name);
    const auto object_ = TCefv8ValueRef::UnWrap(object);
    const auto value_ = TCefv8ValueRef::UnWrap(value);
    std::wstring exception_ = TCef3Helper::CefString(exception);
    auto result_ = owner_->Set(name_, object_, value_, exception_);
    if (result_) TCef3Helper::CefStringSet(exception, exception_);
    return result_ ? 1 : 0;
  });
}

}  // namespace

TCefV8AccessorOwn::TCefV8AccessorOwn() : TCefBaseOwn(sizeof(cef_v8accessor_t)) {
  cef_v8accessor_t* d = Data();
  d->get = &v8accessor_get;
  d->set = &v8accessor_set;
}

bool TCefV8AccessorOwn::Get(const std::wstring& /*name*/, const rtl::TRef<ICefv8Value>& /*object*/,
    rtl::TRef<ICefv8Value>& /*retval*/, std::wstring& /*exception*/) {
  return false;
}

bool TCefV8AccessorOwn::Set(const std::wstring& /*name*/, const rtl::TRef<ICefv8Value>& /*object*/,
    const rtl::TRef<ICefv8Value>& /*value*/, std::wstring& /*exception*/) {
  return false;
}

// ---- TCefDomVisitorOwn

namespace {

void CEF_CALLBACK domvisitor_visit(cef_domvisitor_t* self, cef_domdocument_t* document) {
  AdapterGuard("cef_domvisitor_t.visit", [&] {
    auto* owner_ = OwnerOf<TCefDomVisitorOwn>(self);
    const auto document_ = TCefDomDocumentRef::UnWrap(document);
    owner_->Visit(document_);
  });
}

}  // namespace

TCefDomVisitorOwn::TCefDomVisitorOwn() : TCefBaseOwn(sizeof(cef_domvisitor_t)) {
  cef_domvisitor_t* d = Data();
  d->visit = &domvisitor_visit;
}

void TCefDomVisitorOwn::Visit(const rtl::TRef<ICefDomDocument>& /*document*/) {
}

// ---- TCefStringVisitorOwn

namespace {

void CEF_CALLBACK string_visitor_visit(cef_string_visitor_t* self, const cef_string_t* string) {
  AdapterGuard("cef_string_visitor_t.visit", [&] {
    auto* owner_ = OwnerOf<TCefStringVisitorOwn>(self);
    const std::wstring string_ = TCef3Helper::CefString(string);
    owner_->Visit(string_);
  });
}

}  // namespace

TCefStringVisitorOwn::TCefStringVisitorOwn() : TCefBaseOwn(sizeof(cef_string_visitor_t)) {
  cef_string_visitor_t* d = Data();
  d->visit = &string_visitor_visit;
}

void TCefStringVisitorOwn::Visit(const std::wstring& /*string*/) {
}

// ---- TCefCookieVisitorOwn

namespace {

int CEF_CALLBACK cookie_visitor_visit(cef_cookie_visitor_t* self, const cef_cookie_t* cookie,
    int count, int total, int* deleteCookie) {
  return AdapterGuard<int>("cef_cookie_visitor_t.visit", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefCookieVisitorOwn>(self);
    int deleteCookieSpare_{};
    int& deleteCookie_ = deleteCookie ? *deleteCookie : deleteCookieSpare_;
    auto result_ = owner_->Visit(cookie, count, total, deleteCookie_);
    return result_ ? 1 : 0;
  });
}

}  // namespace

TCefCookieVisitorOwn::TCefCookieVisitorOwn() : TCefBaseOwn(sizeof(cef_cookie_visitor_t)) {
  cef_cookie_visitor_t* d = Data();
  d->visit = &cookie_visitor_visit;
}

bool TCefCookieVisitorOwn::Visit(const cef_cookie_t* /*cookie*/, int /*count*/, int /*total*/,
    int& /*deleteCookie*/) {
  return false;
}

// ---- TCefSetCookieCallbackOwn

namespace {

void CEF_CALLBACK set_cookie_callback_on_complete(cef_set_cookie_callback_t* self, int success) {
  AdapterGuard("cef_set_cookie_callback_t.on_complete", [&] {
    auto* owner_ = OwnerOf<TCefSetCookieCallbackOwn>(self);
    owner_->OnComplete(success != 0);
  });
}

}  // namespace

TCefSetCookieCallbackOwn::TCefSetCookieCallbackOwn() : TCefBaseOwn(sizeof(cef_set_cookie_callback_t)) {
  cef_set_cookie_callback_t* d = Data();
  d->on_complete = &set_cookie_callback_on_complete;
}

void TCefSetCookieCallbackOwn::OnComplete(bool /*success*/) {
}

// ---- TCefDeleteCookiesCallbackOwn

namespace {

void CEF_CALLBACK delete_cookies_callback_on_complete(cef_delete_cookies_callback_t* self,
    int num_deleted) {
  AdapterGuard("cef_delete_cookies_callback_t.on_complete", [&] {
    auto* owner_ = OwnerOf<TCefDeleteCookiesCallbackOwn>(self);
    owner_->OnComplete(num_deleted);
  });
}

}  // namespace

TCefDeleteCookiesCallbackOwn::TCefDeleteCookiesCallbackOwn() : TCefBaseOwn(sizeof(cef_delete_cookies_callback_t)) {
  cef_delete_cookies_callback_t* d = Data();
  d->on_complete = &delete_cookies_callback_on_complete;
}

void TCefDeleteCookiesCallbackOwn::OnComplete(int /*num_deleted*/) {
}

// ---- TCefCompletionCallbackOwn

namespace {

void CEF_CALLBACK completion_callback_on_complete(cef_completion_callback_t* self) {
  AdapterGuard("cef_completion_callback_t.on_complete", [&] {
    auto* owner_ = OwnerOf<TCefCompletionCallbackOwn>(self);
    owner_->OnComplete();
  });
}

}  // namespace

TCefCompletionCallbackOwn::TCefCompletionCallbackOwn() : TCefBaseOwn(sizeof(cef_completion_callback_t)) {
  cef_completion_callback_t* d = Data();
  d->on_complete = &completion_callback_on_complete;
}

void TCefCompletionCallbackOwn::OnComplete() {
}

// ---- TCefRunFileDialogCallbackOwn

namespace {

void CEF_CALLBACK run_file_dialog_callback_on_file_dialog_dismissed(
    cef_run_file_dialog_callback_t* self, int selected_accept_filter,
    cef_string_list_t file_paths) {
  AdapterGuard("cef_run_file_dialog_callback_t.on_file_dialog_dismissed", [&] {
    auto* owner_ = OwnerOf<TCefRunFileDialogCallbackOwn>(self);
    const std::vector<std::wstring> file_paths_ = TCef3Helper::CefStringListRead(file_paths);
    owner_->OnFileDialogDismissed(selected_accept_filter, file_paths_);
  });
}

}  // namespace

TCefRunFileDialogCallbackOwn::TCefRunFileDialogCallbackOwn() : TCefBaseOwn(sizeof(cef_run_file_dialog_callback_t)) {
  cef_run_file_dialog_callback_t* d = Data();
  d->on_file_dialog_dismissed = &run_file_dialog_callback_on_file_dialog_dismissed;
}

void TCefRunFileDialogCallbackOwn::OnFileDialogDismissed(int /*selected_accept_filter*/,
    const std::vector<std::wstring>& /*file_paths*/) {
}

// ---- TCefWebPluginInfoVisitorOwn

namespace {

int CEF_CALLBACK web_plugin_info_visitor_visit(cef_web_plugin_info_visitor_t* self,
    cef_web_plugin_info_t* info, int count, int total) {
  return AdapterGuard<int>("cef_web_plugin_info_visitor_t.visit", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefWebPluginInfoVisitorOwn>(self);
    const auto info_ = TCefWebPluginInfoRef::UnWrap(info);
    auto result_ = owner_->Visit(info_, count, total);
    return result_ ? 1 : 0;
  });
}

}  // namespace

TCefWebPluginInfoVisitorOwn::TCefWebPluginInfoVisitorOwn() : TCefBaseOwn(sizeof(cef_web_plugin_info_visitor_t)) {
  cef_web_plugin_info_visitor_t* d = Data();
  d->visit = &web_plugin_info_visitor_visit;
}

bool TCefWebPluginInfoVisitorOwn::Visit(const rtl::TRef<ICefWebPluginInfo>& /*info*/, int /*count*/,
    int /*total*/) {
  return false;
}

// ---- TCefWebPluginUnstableCallbackOwn

namespace {

void CEF_CALLBACK web_plugin_unstable_callback_is_unstable(cef_web_plugin_unstable_callback_t* self,
    const cef_string_t* path, int unstable) {
  AdapterGuard("cef_web_plugin_unstable_callback_t.is_unstable", [&] {
    auto* owner_ = OwnerOf<TCefWebPluginUnstableCallbackOwn>(self);
    const std::wstring path_ = TCef3Helper::CefString(path);
    owner_->IsUnstable(path_, unstable != 0);
  });
}

}  // namespace

TCefWebPluginUnstableCallbackOwn::TCefWebPluginUnstableCallbackOwn() : TCefBaseOwn(sizeof(cef_web_plugin_unstable_callback_t)) {
  cef_web_plugin_unstable_callback_t* d = Data();
  d->is_unstable = &web_plugin_unstable_callback_is_unstable;
}

void TCefWebPluginUnstableCallbackOwn::IsUnstable(const std::wstring& /*path*/, bool /*unstable*/) {
}

// ---- TCefNavigationEntryVisitorOwn

namespace {

int CEF_CALLBACK navigation_entry_visitor_visit(cef_navigation_entry_visitor_t* self,
    cef_navigation_entry_t* entry, int current, int index, int total) {
  return AdapterGuard<int>("cef_navigation_entry_visitor_t.visit", {}, [&]() -> int {
    auto* owner_ = OwnerOf<TCefNavigationEntryVisitorOwn>(self);
    const auto entry_ = TCefNavigationEntryRef::UnWrap(entry);
    auto result_ = owner_->Visit(entry_, current != 0, index, total);
    return result_ ? 1 : 0;
  });
}

}  // namespace

TCefNavigationEntryVisitorOwn::TCefNavigationEntryVisitorOwn() : TCefBaseOwn(sizeof(cef_navigation_entry_visitor_t)) {
  cef_navigation_entry_visitor_t* d = Data();
  d->visit = &navigation_entry_visitor_visit;
}

bool TCefNavigationEntryVisitorOwn::Visit(const rtl::TRef<ICefNavigationEntry>& /*entry*/,
    bool /*current*/, int /*index*/, int /*total*/) {
  return false;
}

// ---- TCefPdfPrintCallbackOwn

namespace {

void CEF_CALLBACK pdf_print_callback_on_pdf_print_finished(cef_pdf_print_callback_t* self,
    const cef_string_t* path, int ok) {
  AdapterGuard("cef_pdf_print_callback_t.on_pdf_print_finished", [&] {
    auto* owner_ = OwnerOf<TCefPdfPrintCallbackOwn>(self);
    const std::wstring path_ = TCef3Helper::CefString(path);
    owner_->OnPdfPrintFinished(path_, ok != 0);
  });
}

}  // namespace

TCefPdfPrintCallbackOwn::TCefPdfPrintCallbackOwn() : TCefBaseOwn(sizeof(cef_pdf_print_callback_t)) {
  cef_pdf_print_callback_t* d = Data();
  d->on_pdf_print_finished = &pdf_print_callback_on_pdf_print_finished;
}

void TCefPdfPrintCallbackOwn::OnPdfPrintFinished(const std::wstring& /*path*/, bool /*ok*/) {
}

// ---- TCefTaskOwn

namespace {

void CEF_CALLBACK task_execute(cef_task_t* self) {
  AdapterGuard("cef_task_t.execute", [&] {
    auto* owner_ = OwnerOf<TCefTaskOwn>(self);
    owner_->Execute();
  });
}

}  // namespace

TCefTaskOwn::TCefTaskOwn() : TCefBaseOwn(sizeof(cef_task_t)) {
  cef_task_t* d = Data();
  d->execute = &task_execute;
}

void TCefTaskOwn::Execute() {
}
