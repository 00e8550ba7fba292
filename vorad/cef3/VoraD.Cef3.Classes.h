#pragma once
// The wrapper object family.
//
// TCefBaseRef (VoraD.Cef3.Ref.h): a runtime structure the program holds; the Ref classes are
// split by area into VoraD.Cef3.Ref.*.h.
//
// TCefBaseOwn: a program object the runtime calls. Its structure lives in one block right
// after a pointer back to the object, so an entry recovers its object without a table. The
// structure's add_ref/release/has_one_ref work on the object's own count, shared with the
// program's interface references.
//
// Threads: the runtime calls Own entries on whichever of its threads the callback belongs to;
// counts are atomic, and the adapters use only the object and temporaries.
//
// Exceptions: nothing may unwind into the runtime. Every adapter runs its body under
// AdapterGuard, which stops an escaping exception at the boundary, reports it through
// TCef3Helper::OnAdapterException and answers the runtime with the entry's default (false,
// null, empty), as if the operation had not been overridden. Handlers should still not throw.
#include <functional>
#include <string>
#include <vector>

#include "vorad/cef3/VoraD.Cef3.Helper.h"
#include "vorad/cef3/VoraD.Cef3.Interfaces.h"

class TCefBaseOwn : public rtl::TInterfacedObject, public virtual ICefBase {
public:
  void* Wrap() override;
  void* Data() const { return FData; }

protected:
  // Allocates the block (back-pointer + zeroed structure of `size` bytes) and fills the header.
  explicit TCefBaseOwn(size_t size);
  ~TCefBaseOwn() override;

  void* FData;
};

// ---- Ref classes, by area (each operation one call of one entry: VoraD.Cef3.Call.h).
#include "vorad/cef3/VoraD.Cef3.Ref.Browser.h"
#include "vorad/cef3/VoraD.Cef3.Ref.Dom.h"
#include "vorad/cef3/VoraD.Cef3.Ref.Misc.h"
#include "vorad/cef3/VoraD.Cef3.Ref.Request.h"
#include "vorad/cef3/VoraD.Cef3.Ref.Script.h"
#include "vorad/cef3/VoraD.Cef3.Ref.Values.h"

// ---- Own classes: program objects the runtime calls. The virtual operations do nothing
// and return false, null or empty until a subclass overrides them.

class TCefClientOwn : public TCefBaseOwn, public virtual ICefClient {
public:
  TCefClientOwn();
  cef_client_t* Data() const { return static_cast<cef_client_t*>(FData); }

  rtl::TRef<ICefContextMenuHandler> GetContextMenuHandler() override;
  rtl::TRef<ICefDialogHandler> GetDialogHandler() override;
  rtl::TRef<ICefDisplayHandler> GetDisplayHandler() override;
  rtl::TRef<ICefDownloadHandler> GetDownloadHandler() override;
  rtl::TRef<ICefDragHandler> GetDragHandler() override;
  rtl::TRef<ICefFindHandler> GetFindHandler() override;
  rtl::TRef<ICefFocusHandler> GetFocusHandler() override;
  rtl::TRef<ICefGeolocationHandler> GetGeolocationHandler() override;
  rtl::TRef<ICefJsDialogHandler> GetJsdialogHandler() override;
  rtl::TRef<ICefKeyboardHandler> GetKeyboardHandler() override;
  rtl::TRef<ICefLifeSpanHandler> GetLifeSpanHandler() override;
  rtl::TRef<ICefLoadHandler> GetLoadHandler() override;
  rtl::TRef<ICefRenderHandler> GetRenderHandler() override;
  rtl::TRef<ICefRequestHandler> GetRequestHandler() override;
  bool OnProcessMessageReceived(const rtl::TRef<ICefBrowser>& browser,
      cef_process_id_t source_process, const rtl::TRef<ICefProcessMessage>& message) override;
};

class TCefLifeSpanHandlerOwn : public TCefBaseOwn, public virtual ICefLifeSpanHandler {
public:
  TCefLifeSpanHandlerOwn();
  cef_life_span_handler_t* Data() const { return static_cast<cef_life_span_handler_t*>(FData); }

  bool OnBeforePopup(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
      const std::wstring& target_url, const std::wstring& target_frame_name,
      cef_window_open_disposition_t target_disposition, bool user_gesture,
      const cef_popup_features_t* popupFeatures, cef_window_info_t* windowInfo,
      rtl::TRef<ICefClient>& client, cef_browser_settings_t* settings,
      int& no_javascript_access) override;
  void OnAfterCreated(const rtl::TRef<ICefBrowser>& browser) override;
  bool RunModal(
      const rtl::TRef<ICefBrowser>& browser) override;  // entry left null: never called by the runtime
  bool DoClose(const rtl::TRef<ICefBrowser>& browser) override;
  void OnBeforeClose(const rtl::TRef<ICefBrowser>& browser) override;
};

class TCefLoadHandlerOwn : public TCefBaseOwn, public virtual ICefLoadHandler {
public:
  TCefLoadHandlerOwn();
  cef_load_handler_t* Data() const { return static_cast<cef_load_handler_t*>(FData); }

  void OnLoadingStateChange(const rtl::TRef<ICefBrowser>& browser, bool isLoading, bool canGoBack,
      bool canGoForward) override;
  void OnLoadStart(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame) override;
  void OnLoadEnd(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
      int httpStatusCode) override;
  void OnLoadError(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
      cef_errorcode_t errorCode, const std::wstring& errorText,
      const std::wstring& failedUrl) override;
};

class TCefRequestHandlerOwn : public TCefBaseOwn, public virtual ICefRequestHandler {
public:
  TCefRequestHandlerOwn();
  cef_request_handler_t* Data() const { return static_cast<cef_request_handler_t*>(FData); }

  bool OnBeforeBrowse(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
      const rtl::TRef<ICefRequest>& request, bool is_redirect) override;
  bool OnOpenUrlfromTab(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
      const std::wstring& target_url, cef_window_open_disposition_t target_disposition,
      bool user_gesture) override;
  cef_return_value_t OnBeforeResourceLoad(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefRequest>& request,
      const rtl::TRef<ICefRequestCallback>& callback) override;  // entry left null: never called by the runtime
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
  void OnPluginCrashed(const rtl::TRef<ICefBrowser>& browser,
      const std::wstring& plugin_path) override;
  void OnRenderViewReady(const rtl::TRef<ICefBrowser>& browser) override;
  void OnRenderProcessTerminated(const rtl::TRef<ICefBrowser>& browser,
      cef_termination_status_t status) override;
};

class TCefDisplayHandlerOwn : public TCefBaseOwn, public virtual ICefDisplayHandler {
public:
  TCefDisplayHandlerOwn();
  cef_display_handler_t* Data() const { return static_cast<cef_display_handler_t*>(FData); }

  void OnAddressChange(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
      const std::wstring& url) override;
  void OnTitleChange(const rtl::TRef<ICefBrowser>& browser, const std::wstring& title) override;
  void OnFaviconUrlchange(const rtl::TRef<ICefBrowser>& browser,
      const std::vector<std::wstring>& icon_urls) override;
  void OnFullscreenModeChange(const rtl::TRef<ICefBrowser>& browser, bool fullscreen) override;
  bool OnTooltip(const rtl::TRef<ICefBrowser>& browser, std::wstring& text) override;
  void OnStatusMessage(const rtl::TRef<ICefBrowser>& browser, const std::wstring& value) override;
  bool OnConsoleMessage(const rtl::TRef<ICefBrowser>& browser, const std::wstring& message,
      const std::wstring& source, int line) override;
};

class TCefFocusHandlerOwn : public TCefBaseOwn, public virtual ICefFocusHandler {
public:
  TCefFocusHandlerOwn();
  cef_focus_handler_t* Data() const { return static_cast<cef_focus_handler_t*>(FData); }

  void OnTakeFocus(const rtl::TRef<ICefBrowser>& browser, bool next) override;
  bool OnSetFocus(const rtl::TRef<ICefBrowser>& browser, cef_focus_source_t source) override;
  void OnGotFocus(const rtl::TRef<ICefBrowser>& browser) override;
};

class TCefKeyboardHandlerOwn : public TCefBaseOwn, public virtual ICefKeyboardHandler {
public:
  TCefKeyboardHandlerOwn();
  cef_keyboard_handler_t* Data() const { return static_cast<cef_keyboard_handler_t*>(FData); }

  bool OnPreKeyEvent(const rtl::TRef<ICefBrowser>& browser, const cef_key_event_t* event,
      cef_event_handle_t os_event, int& is_keyboard_shortcut) override;
  bool OnKeyEvent(const rtl::TRef<ICefBrowser>& browser, const cef_key_event_t* event,
      cef_event_handle_t os_event) override;
};

class TCefJsDialogHandlerOwn : public TCefBaseOwn, public virtual ICefJsDialogHandler {
public:
  TCefJsDialogHandlerOwn();
  cef_jsdialog_handler_t* Data() const { return static_cast<cef_jsdialog_handler_t*>(FData); }

  bool OnJsdialog(const rtl::TRef<ICefBrowser>& browser, const std::wstring& origin_url,
      const std::wstring& accept_lang, cef_jsdialog_type_t dialog_type,
      const std::wstring& message_text, const std::wstring& default_prompt_text,
      const rtl::TRef<ICefJsDialogCallback>& callback, int& suppress_message) override;
  bool OnBeforeUnloadDialog(const rtl::TRef<ICefBrowser>& browser, const std::wstring& message_text,
      bool is_reload, const rtl::TRef<ICefJsDialogCallback>& callback) override;
  void OnResetDialogState(const rtl::TRef<ICefBrowser>& browser) override;
  void OnDialogClosed(const rtl::TRef<ICefBrowser>& browser) override;
};

class TCefContextMenuHandlerOwn : public TCefBaseOwn, public virtual ICefContextMenuHandler {
public:
  TCefContextMenuHandlerOwn();
  cef_context_menu_handler_t* Data() const { return static_cast<cef_context_menu_handler_t*>(FData); }

  void OnBeforeContextMenu(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
      const rtl::TRef<ICefContextMenuParams>& params,
      const rtl::TRef<ICefMenuModel>& model) override;
  bool RunContextMenu(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
      const rtl::TRef<ICefContextMenuParams>& params, const rtl::TRef<ICefMenuModel>& model,
      const rtl::TRef<ICefRunContextMenuCallback>& callback) override;
  bool OnContextMenuCommand(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefContextMenuParams>& params,
      int command_id, cef_event_flags_t event_flags) override;
  void OnContextMenuDismissed(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame) override;
};

class TCefDialogHandlerOwn : public TCefBaseOwn, public virtual ICefDialogHandler {
public:
  TCefDialogHandlerOwn();
  cef_dialog_handler_t* Data() const { return static_cast<cef_dialog_handler_t*>(FData); }

  bool OnFileDialog(const rtl::TRef<ICefBrowser>& browser, cef_file_dialog_mode_t mode,
      const std::wstring& title, const std::wstring& default_file_path,
      const std::vector<std::wstring>& accept_filters, int selected_accept_filter,
      const rtl::TRef<ICefFileDialogCallback>& callback) override;
};

class TCefDownloadHandlerOwn : public TCefBaseOwn, public virtual ICefDownloadHandler {
public:
  TCefDownloadHandlerOwn();
  cef_download_handler_t* Data() const { return static_cast<cef_download_handler_t*>(FData); }

  void OnBeforeDownload(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefDownloadItem>& download_item, const std::wstring& suggested_name,
      const rtl::TRef<ICefBeforeDownloadCallback>& callback) override;
  void OnDownloadUpdated(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefDownloadItem>& download_item,
      const rtl::TRef<ICefDownloadItemCallback>& callback) override;
};

class TCefGeolocationHandlerOwn : public TCefBaseOwn, public virtual ICefGeolocationHandler {
public:
  TCefGeolocationHandlerOwn();
  cef_geolocation_handler_t* Data() const { return static_cast<cef_geolocation_handler_t*>(FData); }

  bool OnRequestGeolocationPermission(const rtl::TRef<ICefBrowser>& browser,
      const std::wstring& requesting_url, int request_id,
      const rtl::TRef<ICefGeolocationCallback>& callback) override;
  void OnCancelGeolocationPermission(const rtl::TRef<ICefBrowser>& browser,
      int request_id) override;
};

class TCefRenderHandlerOwn : public TCefBaseOwn, public virtual ICefRenderHandler {
public:
  TCefRenderHandlerOwn();
  cef_render_handler_t* Data() const { return static_cast<cef_render_handler_t*>(FData); }

  bool GetRootScreenRect(const rtl::TRef<ICefBrowser>& browser, cef_rect_t* rect) override;
  bool GetViewRect(const rtl::TRef<ICefBrowser>& browser, cef_rect_t* rect) override;
  bool GetScreenPoint(const rtl::TRef<ICefBrowser>& browser, int viewX, int viewY, int& screenX,
      int& screenY) override;
  bool GetScreenInfo(const rtl::TRef<ICefBrowser>& browser,
      cef_screen_info_t* screen_info) override;  // entry left null: never called by the runtime
  void OnPopupShow(const rtl::TRef<ICefBrowser>& browser, bool show) override;
  void OnPopupSize(const rtl::TRef<ICefBrowser>& browser, const cef_rect_t* rect) override;
  void OnPaint(const rtl::TRef<ICefBrowser>& browser, cef_paint_element_type_t type,
      size_t dirtyRectsCount, const cef_rect_t* dirtyRects, const void* buffer, int width,
      int height) override;
  void OnCursorChange(const rtl::TRef<ICefBrowser>& browser, cef_cursor_handle_t cursor,
      cef_cursor_type_t type, const cef_cursor_info_t* custom_cursor_info) override;
  bool StartDragging(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefDragData>& drag_data, cef_drag_operations_mask_t allowed_ops, int x,
      int y) override;
  void UpdateDragCursor(const rtl::TRef<ICefBrowser>& browser,
      cef_drag_operations_mask_t operation) override;
  void OnScrollOffsetChanged(const rtl::TRef<ICefBrowser>& browser, double x, double y) override;
};

class TCefDragHandlerOwn : public TCefBaseOwn, public virtual ICefDragHandler {
public:
  TCefDragHandlerOwn();
  cef_drag_handler_t* Data() const { return static_cast<cef_drag_handler_t*>(FData); }

  bool OnDragEnter(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefDragData>& dragData,
      cef_drag_operations_mask_t mask) override;
  void OnDraggableRegionsChanged(const rtl::TRef<ICefBrowser>& browser, size_t regionsCount,
      const cef_draggable_region_t* regions) override;
};

class TCefFindHandlerOwn : public TCefBaseOwn, public virtual ICefFindHandler {
public:
  TCefFindHandlerOwn();
  cef_find_handler_t* Data() const { return static_cast<cef_find_handler_t*>(FData); }

  void OnFindResult(const rtl::TRef<ICefBrowser>& browser, int identifier, int count,
      const cef_rect_t* selectionRect, int activeMatchOrdinal, bool finalUpdate) override;
};

class TCefAppOwn : public TCefBaseOwn, public virtual ICefApp {
public:
  TCefAppOwn();
  cef_app_t* Data() const { return static_cast<cef_app_t*>(FData); }

  void OnBeforeCommandLineProcessing(const std::wstring& process_type,
      const rtl::TRef<ICefCommandLine>& command_line) override;
  void OnRegisterCustomSchemes(const rtl::TRef<ICefSchemeRegistrar>& registrar) override;
  rtl::TRef<ICefResourceBundleHandler> GetResourceBundleHandler() override;
  rtl::TRef<ICefBrowserProcessHandler> GetBrowserProcessHandler() override;
  rtl::TRef<ICefRenderProcessHandler> GetRenderProcessHandler() override;
};

class TCefBrowserProcessHandlerOwn : public TCefBaseOwn, public virtual ICefBrowserProcessHandler {
public:
  TCefBrowserProcessHandlerOwn();
  cef_browser_process_handler_t* Data() const { return static_cast<cef_browser_process_handler_t*>(FData); }

  void OnContextInitialized() override;
  void OnBeforeChildProcessLaunch(const rtl::TRef<ICefCommandLine>& command_line) override;
  void OnRenderProcessThreadCreated(const rtl::TRef<ICefListValue>& extra_info) override;
  cef_print_handler_t* GetPrintHandler() override;  // entry left null: never called by the runtime
};

class TCefRenderProcessHandlerOwn : public TCefBaseOwn, public virtual ICefRenderProcessHandler {
public:
  TCefRenderProcessHandlerOwn();
  cef_render_process_handler_t* Data() const { return static_cast<cef_render_process_handler_t*>(FData); }

  void OnRenderThreadCreated(const rtl::TRef<ICefListValue>& extra_info) override;
  void OnWebKitInitialized() override;
  void OnBrowserCreated(const rtl::TRef<ICefBrowser>& browser) override;
  void OnBrowserDestroyed(const rtl::TRef<ICefBrowser>& browser) override;
  rtl::TRef<ICefLoadHandler> GetLoadHandler() override;
  bool OnBeforeNavigation(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
      const rtl::TRef<ICefRequest>& request, cef_navigation_type_t navigation_type,
      bool is_redirect) override;
  void OnContextCreated(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
      const rtl::TRef<ICefv8Context>& context) override;
  void OnContextReleased(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
      const rtl::TRef<ICefv8Context>& context) override;
  void OnUncaughtException(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
      const rtl::TRef<ICefv8Context>& context, const rtl::TRef<ICefV8Exception>& exception,
      const rtl::TRef<ICefV8StackTrace>& stackTrace) override;
  void OnFocusedNodeChanged(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefDomNode>& node) override;
  bool OnProcessMessageReceived(const rtl::TRef<ICefBrowser>& browser,
      cef_process_id_t source_process, const rtl::TRef<ICefProcessMessage>& message) override;
};

class TCefResourceBundleHandlerOwn : public TCefBaseOwn, public virtual ICefResourceBundleHandler {
public:
  TCefResourceBundleHandlerOwn();
  cef_resource_bundle_handler_t* Data() const { return static_cast<cef_resource_bundle_handler_t*>(FData); }

  bool GetLocalizedString(int string_id, std::wstring& string) override;
  bool GetDataResource(int resource_id, void*& data, size_t& data_size) override;
  bool GetDataResourceForScale(int resource_id, cef_scale_factor_t scale_factor, void*& data,
      size_t& data_size) override;
};

class TCefResourceHandlerOwn : public TCefBaseOwn, public virtual ICefResourceHandler {
public:
  TCefResourceHandlerOwn();
  // The constructor a scheme handler factory uses for every request.
  TCefResourceHandlerOwn(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
                         const std::wstring& schemeName, const rtl::TRef<ICefRequest>& request);
  cef_resource_handler_t* Data() const { return static_cast<cef_resource_handler_t*>(FData); }

  bool ProcessRequest(const rtl::TRef<ICefRequest>& request,
      const rtl::TRef<ICefCallback>& callback) override;
  void GetResponseHeaders(const rtl::TRef<ICefResponse>& response, int64_t& response_length,
      std::wstring& redirectUrl) override;
  bool ReadResponse(void* data_out, int bytes_to_read, int& bytes_read,
      const rtl::TRef<ICefCallback>& callback) override;
  bool CanGetCookie(const cef_cookie_t* cookie) override;
  bool CanSetCookie(const cef_cookie_t* cookie) override;
  void Cancel() override;
};

class TCefSchemeHandlerFactoryOwn : public TCefBaseOwn, public virtual ICefSchemeHandlerFactory {
public:
  TCefSchemeHandlerFactoryOwn();
  explicit TCefSchemeHandlerFactoryOwn(TCefResourceHandlerClass handlerClass);
  cef_scheme_handler_factory_t* Data() const { return static_cast<cef_scheme_handler_factory_t*>(FData); }

  rtl::TRef<ICefResourceHandler> Create(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const std::wstring& scheme_name,
      const rtl::TRef<ICefRequest>& request) override;

private:
  TCefResourceHandlerClass FClass;
};

class TCefUrlrequestClientOwn : public TCefBaseOwn, public virtual ICefUrlrequestClient {
public:
  TCefUrlrequestClientOwn();
  cef_urlrequest_client_t* Data() const { return static_cast<cef_urlrequest_client_t*>(FData); }

  void OnRequestComplete(const rtl::TRef<ICefUrlRequest>& request) override;
  void OnUploadProgress(const rtl::TRef<ICefUrlRequest>& request, int64_t current,
      int64_t total) override;
  void OnDownloadProgress(const rtl::TRef<ICefUrlRequest>& request, int64_t current,
      int64_t total) override;
  void OnDownloadData(const rtl::TRef<ICefUrlRequest>& request, const void* data,
      size_t data_length) override;
  bool GetAuthCredentials(bool isProxy, const std::wstring& host, int port,
      const std::wstring& realm, const std::wstring& scheme,
      const rtl::TRef<ICefAuthCallback>& callback) override;
};

class TCefv8HandlerOwn : public TCefBaseOwn, public virtual ICefv8Handler {
public:
  TCefv8HandlerOwn();
  cef_v8handler_t* Data() const { return static_cast<cef_v8handler_t*>(FData); }

  bool Execute(const std::wstring& name, const rtl::TRef<ICefv8Value>& object,
      const TCefv8ValueArray& arguments, rtl::TRef<ICefv8Value>& retval,
      std::wstring& exception) override;
};

class TCefV8AccessorOwn : public TCefBaseOwn, public virtual ICefV8Accessor {
public:
  TCefV8AccessorOwn();
  cef_v8accessor_t* Data() const { return static_cast<cef_v8accessor_t*>(FData); }

  bool Get(const std::wstring& name, const rtl::TRef<ICefv8Value>& object,
      rtl::TRef<ICefv8Value>& retval, std::wstring& exception) override;
  bool Set(const std::wstring& name, const rtl::TRef<ICefv8Value>& object,
      const rtl::TRef<ICefv8Value>& value, std::wstring& exception) override;
};

class TCefDomVisitorOwn : public TCefBaseOwn, public virtual ICefDomVisitor {
public:
  TCefDomVisitorOwn();
  cef_domvisitor_t* Data() const { return static_cast<cef_domvisitor_t*>(FData); }

  void Visit(const rtl::TRef<ICefDomDocument>& document) override;
};

class TCefStringVisitorOwn : public TCefBaseOwn, public virtual ICefStringVisitor {
public:
  TCefStringVisitorOwn();
  cef_string_visitor_t* Data() const { return static_cast<cef_string_visitor_t*>(FData); }

  void Visit(const std::wstring& string) override;
};

class TCefCookieVisitorOwn : public TCefBaseOwn, public virtual ICefCookieVisitor {
public:
  TCefCookieVisitorOwn();
  cef_cookie_visitor_t* Data() const { return static_cast<cef_cookie_visitor_t*>(FData); }

  bool Visit(const cef_cookie_t* cookie, int count, int total, int& deleteCookie) override;
};

class TCefSetCookieCallbackOwn : public TCefBaseOwn, public virtual ICefSetCookieCallback {
public:
  TCefSetCookieCallbackOwn();
  cef_set_cookie_callback_t* Data() const { return static_cast<cef_set_cookie_callback_t*>(FData); }

  void OnComplete(bool success) override;
};

class TCefDeleteCookiesCallbackOwn : public TCefBaseOwn, public virtual ICefDeleteCookiesCallback {
public:
  TCefDeleteCookiesCallbackOwn();
  cef_delete_cookies_callback_t* Data() const { return static_cast<cef_delete_cookies_callback_t*>(FData); }

  void OnComplete(int num_deleted) override;
};

class TCefCompletionCallbackOwn : public TCefBaseOwn, public virtual ICefCompletionCallback {
public:
  TCefCompletionCallbackOwn();
  cef_completion_callback_t* Data() const { return static_cast<cef_completion_callback_t*>(FData); }

  void OnComplete() override;
};

class TCefRunFileDialogCallbackOwn : public TCefBaseOwn, public virtual ICefRunFileDialogCallback {
public:
  TCefRunFileDialogCallbackOwn();
  cef_run_file_dialog_callback_t* Data() const { return static_cast<cef_run_file_dialog_callback_t*>(FData); }

  void OnFileDialogDismissed(int selected_accept_filter,
      const std::vector<std::wstring>& file_paths) override;
};

class TCefWebPluginInfoVisitorOwn : public TCefBaseOwn, public virtual ICefWebPluginInfoVisitor {
public:
  TCefWebPluginInfoVisitorOwn();
  cef_web_plugin_info_visitor_t* Data() const { return static_cast<cef_web_plugin_info_visitor_t*>(FData); }

  bool Visit(const rtl::TRef<ICefWebPluginInfo>& info, int count, int total) override;
};

class TCefWebPluginUnstableCallbackOwn : public TCefBaseOwn, public virtual ICefWebPluginUnstableCallback {
public:
  TCefWebPluginUnstableCallbackOwn();
  cef_web_plugin_unstable_callback_t* Data() const { return static_cast<cef_web_plugin_unstable_callback_t*>(FData); }

  void IsUnstable(const std::wstring& path, bool unstable) override;
};

class TCefNavigationEntryVisitorOwn : public TCefBaseOwn, public virtual ICefNavigationEntryVisitor {
public:
  TCefNavigationEntryVisitorOwn();
  cef_navigation_entry_visitor_t* Data() const { return static_cast<cef_navigation_entry_visitor_t*>(FData); }

  bool Visit(const rtl::TRef<ICefNavigationEntry>& entry, bool current, int index,
      int total) override;
};

class TCefPdfPrintCallbackOwn : public TCefBaseOwn, public virtual ICefPdfPrintCallback {
public:
  TCefPdfPrintCallbackOwn();
  cef_pdf_print_callback_t* Data() const { return static_cast<cef_pdf_print_callback_t*>(FData); }

  void OnPdfPrintFinished(const std::wstring& path, bool ok) override;
};

class TCefTaskOwn : public TCefBaseOwn, public virtual ICefTask {
public:
  TCefTaskOwn();
  cef_task_t* Data() const { return static_cast<cef_task_t*>(FData); }

  void Execute() override;
};


// ---- Callable wrappers: an Own object whose one operation (two for the accessor) calls the
// callable it was made with. An empty callable answers false / does nothing.

class TCefFastCompletionCallback : public TCefCompletionCallbackOwn {
public:
  explicit TCefFastCompletionCallback(TCefCompletionCallbackProc proc) : FProc(std::move(proc)) {}
  void OnComplete() override {
    if (FProc) FProc();
  }

private:
  TCefCompletionCallbackProc FProc;
};

class TCefFastCookieVisitor : public TCefCookieVisitorOwn {
public:
  explicit TCefFastCookieVisitor(TCefCookieVisitorProc proc) : FProc(std::move(proc)) {}
  bool Visit(const cef_cookie_t* cookie, int count, int total, int& deleteCookie) override {
    return FProc ? FProc(cookie, count, total, deleteCookie) : bool{};
  }

private:
  TCefCookieVisitorProc FProc;
};

class TCefFastSetCookieCallback : public TCefSetCookieCallbackOwn {
public:
  explicit TCefFastSetCookieCallback(TCefSetCookieCallbackProc proc) : FProc(std::move(proc)) {}
  void OnComplete(bool success) override {
    if (FProc) FProc(success);
  }

private:
  TCefSetCookieCallbackProc FProc;
};

class TCefFastDeleteCookiesCallback : public TCefDeleteCookiesCallbackOwn {
public:
  explicit TCefFastDeleteCookiesCallback(TCefDeleteCookiesCallbackProc proc) : FProc(std::move(proc)) {}
  void OnComplete(int num_deleted) override {
    if (FProc) FProc(num_deleted);
  }

private:
  TCefDeleteCookiesCallbackProc FProc;
};

class TCefFastDomVisitor : public TCefDomVisitorOwn {
public:
  explicit TCefFastDomVisitor(TCefDomVisitorProc proc) : FProc(std::move(proc)) {}
  void Visit(const rtl::TRef<ICefDomDocument>& document) override {
    if (FProc) FProc(document);
  }

private:
  TCefDomVisitorProc FProc;
};

class TCefFastStringVisitor : public TCefStringVisitorOwn {
public:
  explicit TCefFastStringVisitor(TCefStringVisitorProc proc) : FProc(std::move(proc)) {}
  void Visit(const std::wstring& string) override {
    if (FProc) FProc(string);
  }

private:
  TCefStringVisitorProc FProc;
};

class TCefFastV8Accessor : public TCefV8AccessorOwn {
public:
  TCefFastV8Accessor(TCefV8AccessorGetterProc getter, TCefV8AccessorSetterProc setter)
      : FGetter(std::move(getter)), FSetter(std::move(setter)) {}
  bool Get(const std::wstring& name, const rtl::TRef<ICefv8Value>& object,
      rtl::TRef<ICefv8Value>& retval, std::wstring& exception) override {
    return FGetter ? FGetter(name, object, retval, exception) : bool{};
  }
  bool Set(const std::wstring& name, const rtl::TRef<ICefv8Value>& object,
      const rtl::TRef<ICefv8Value>& value, std::wstring& exception) override {
    return FSetter ? FSetter(name, object, value, exception) : bool{};
  }

private:
  TCefV8AccessorGetterProc FGetter;
  TCefV8AccessorSetterProc FSetter;
};

class TCefFastRunFileDialogCallback : public TCefRunFileDialogCallbackOwn {
public:
  explicit TCefFastRunFileDialogCallback(TCefRunFileDialogCallbackProc proc) : FProc(std::move(proc)) {}
  void OnFileDialogDismissed(int selected_accept_filter,
      const std::vector<std::wstring>& file_paths) override {
    if (FProc) FProc(selected_accept_filter, file_paths);
  }

private:
  TCefRunFileDialogCallbackProc FProc;
};

class TCefFastWebPluginInfoVisitor : public TCefWebPluginInfoVisitorOwn {
public:
  explicit TCefFastWebPluginInfoVisitor(TCefWebPluginInfoVisitorProc proc) : FProc(std::move(proc)) {}
  bool Visit(const rtl::TRef<ICefWebPluginInfo>& info, int count, int total) override {
    return FProc ? FProc(info, count, total) : bool{};
  }

private:
  TCefWebPluginInfoVisitorProc FProc;
};

class TCefFastWebPluginUnstableCallback : public TCefWebPluginUnstableCallbackOwn {
public:
  explicit TCefFastWebPluginUnstableCallback(TCefWebPluginIsUnstableProc proc) : FProc(std::move(proc)) {}
  void IsUnstable(const std::wstring& path, bool unstable) override {
    if (FProc) FProc(path, unstable);
  }

private:
  TCefWebPluginIsUnstableProc FProc;
};

class TCefFastNavigationEntryVisitor : public TCefNavigationEntryVisitorOwn {
public:
  explicit TCefFastNavigationEntryVisitor(TCefNavigationEntryVisitorProc proc) : FProc(std::move(proc)) {}
  bool Visit(const rtl::TRef<ICefNavigationEntry>& entry, bool current, int index,
      int total) override {
    return FProc ? FProc(entry, current, index, total) : bool{};
  }

private:
  TCefNavigationEntryVisitorProc FProc;
};

class TCefFastPdfPrintCallback : public TCefPdfPrintCallbackOwn {
public:
  explicit TCefFastPdfPrintCallback(TOnPdfPrintFinishedProc proc) : FProc(std::move(proc)) {}
  void OnPdfPrintFinished(const std::wstring& path, bool ok) override {
    if (FProc) FProc(path, ok);
  }

private:
  TOnPdfPrintFinishedProc FProc;
};

// The RTTI script extension (TRegExtentionPar, TCefRTTIExtension).
#include "vorad/cef3/VoraD.Cef3.Classes.Rtti.h"
