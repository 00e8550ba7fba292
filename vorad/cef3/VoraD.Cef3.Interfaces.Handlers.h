#pragma once
// Interfaces over the runtime structures: what the program implements for the runtime to call.
// Part of VoraD.Cef3.Interfaces.h, which declares every name used here: include that header.
//
// Every operation has a default body: it does nothing and answers false, null or an empty
// result, the entry's default. An Own class (VoraD.Cef3.Own.<Area>.h) fills the structure from
// these operations, so its subclass overrides only what it handles. The names of the unused
// parameters stay: they document the operation.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"

// cef_client_t: program object the runtime calls.
class ICefClient : public virtual ICefBase {
public:
  virtual rtl::TRef<ICefContextMenuHandler> GetContextMenuHandler() { return {}; }
  virtual rtl::TRef<ICefDialogHandler> GetDialogHandler() { return {}; }
  virtual rtl::TRef<ICefDisplayHandler> GetDisplayHandler() { return {}; }
  virtual rtl::TRef<ICefDownloadHandler> GetDownloadHandler() { return {}; }
  virtual rtl::TRef<ICefDragHandler> GetDragHandler() { return {}; }
  virtual rtl::TRef<ICefFindHandler> GetFindHandler() { return {}; }
  virtual rtl::TRef<ICefFocusHandler> GetFocusHandler() { return {}; }
  virtual rtl::TRef<ICefGeolocationHandler> GetGeolocationHandler() { return {}; }
  virtual rtl::TRef<ICefJsDialogHandler> GetJsdialogHandler() { return {}; }
  virtual rtl::TRef<ICefKeyboardHandler> GetKeyboardHandler() { return {}; }
  virtual rtl::TRef<ICefLifeSpanHandler> GetLifeSpanHandler() { return {}; }
  virtual rtl::TRef<ICefLoadHandler> GetLoadHandler() { return {}; }
  virtual rtl::TRef<ICefRenderHandler> GetRenderHandler() { return {}; }
  virtual rtl::TRef<ICefRequestHandler> GetRequestHandler() { return {}; }
  virtual bool OnProcessMessageReceived(const rtl::TRef<ICefBrowser>& browser,
      cef_process_id_t source_process, const rtl::TRef<ICefProcessMessage>& message) { return {}; }
};

// cef_life_span_handler_t: program object the runtime calls.
class ICefLifeSpanHandler : public virtual ICefBase {
public:
  virtual bool OnBeforePopup(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const std::wstring& target_url,
      const std::wstring& target_frame_name, cef_window_open_disposition_t target_disposition,
      bool user_gesture, const cef_popup_features_t* popupFeatures, cef_window_info_t* windowInfo,
      rtl::TRef<ICefClient>& client, cef_browser_settings_t* settings,
      int& no_javascript_access) { return {}; }
  virtual void OnAfterCreated(const rtl::TRef<ICefBrowser>& browser) {}
  virtual bool RunModal(const rtl::TRef<ICefBrowser>& browser) { return {}; }
  virtual bool DoClose(const rtl::TRef<ICefBrowser>& browser) { return {}; }
  virtual void OnBeforeClose(const rtl::TRef<ICefBrowser>& browser) {}
};

// cef_load_handler_t: program object the runtime calls.
class ICefLoadHandler : public virtual ICefBase {
public:
  virtual void OnLoadingStateChange(const rtl::TRef<ICefBrowser>& browser, bool isLoading,
      bool canGoBack, bool canGoForward) {}
  virtual void OnLoadStart(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame) {}
  virtual void OnLoadEnd(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
      int httpStatusCode) {}
  virtual void OnLoadError(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
      cef_errorcode_t errorCode, const std::wstring& errorText, const std::wstring& failedUrl) {}
};

// cef_request_handler_t: program object the runtime calls.
class ICefRequestHandler : public virtual ICefBase {
public:
  virtual bool OnBeforeBrowse(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefRequest>& request,
      bool is_redirect) { return {}; }
  virtual bool OnOpenUrlfromTab(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const std::wstring& target_url,
      cef_window_open_disposition_t target_disposition, bool user_gesture) { return {}; }
  virtual cef_return_value_t OnBeforeResourceLoad(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefRequest>& request,
      const rtl::TRef<ICefRequestCallback>& callback) { return {}; }
  virtual rtl::TRef<ICefResourceHandler> GetResourceHandler(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefRequest>& request) { return {}; }
  virtual void OnResourceRedirect(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefRequest>& request,
      std::wstring& new_url) {}
  virtual bool OnResourceResponse(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefRequest>& request,
      const rtl::TRef<ICefResponse>& response) { return {}; }
  virtual cef_response_filter_t* GetResourceResponseFilter(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefRequest>& request,
      const rtl::TRef<ICefResponse>& response) { return {}; }
  virtual void OnResourceLoadComplete(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefRequest>& request,
      const rtl::TRef<ICefResponse>& response, cef_urlrequest_status_t status,
      int64_t received_content_length) {}
  virtual bool GetAuthCredentials(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, bool isProxy, const std::wstring& host, int port,
      const std::wstring& realm, const std::wstring& scheme,
      const rtl::TRef<ICefAuthCallback>& callback) { return {}; }
  virtual bool OnQuotaRequest(const rtl::TRef<ICefBrowser>& browser, const std::wstring& origin_url,
      int64_t new_size, const rtl::TRef<ICefRequestCallback>& callback) { return {}; }
  virtual void OnProtocolExecution(const rtl::TRef<ICefBrowser>& browser, const std::wstring& url,
      int& allow_os_execution) {}
  virtual bool OnCertificateError(const rtl::TRef<ICefBrowser>& browser, cef_errorcode_t cert_error,
      const std::wstring& request_url, const rtl::TRef<ICefSslInfo>& ssl_info,
      const rtl::TRef<ICefRequestCallback>& callback) { return {}; }
  virtual void OnPluginCrashed(const rtl::TRef<ICefBrowser>& browser,
      const std::wstring& plugin_path) {}
  virtual void OnRenderViewReady(const rtl::TRef<ICefBrowser>& browser) {}
  virtual void OnRenderProcessTerminated(const rtl::TRef<ICefBrowser>& browser,
      cef_termination_status_t status) {}
};

// cef_display_handler_t: program object the runtime calls.
class ICefDisplayHandler : public virtual ICefBase {
public:
  virtual void OnAddressChange(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const std::wstring& url) {}
  virtual void OnTitleChange(const rtl::TRef<ICefBrowser>& browser, const std::wstring& title) {}
  virtual void OnFaviconUrlchange(const rtl::TRef<ICefBrowser>& browser,
      const std::vector<std::wstring>& icon_urls) {}
  virtual void OnFullscreenModeChange(const rtl::TRef<ICefBrowser>& browser, bool fullscreen) {}
  virtual bool OnTooltip(const rtl::TRef<ICefBrowser>& browser, std::wstring& text) { return {}; }
  virtual void OnStatusMessage(const rtl::TRef<ICefBrowser>& browser,
      const std::wstring& value) {}
  virtual bool OnConsoleMessage(const rtl::TRef<ICefBrowser>& browser, const std::wstring& message,
      const std::wstring& source, int line) { return {}; }
};

// cef_focus_handler_t: program object the runtime calls.
class ICefFocusHandler : public virtual ICefBase {
public:
  virtual void OnTakeFocus(const rtl::TRef<ICefBrowser>& browser, bool next) {}
  virtual bool OnSetFocus(const rtl::TRef<ICefBrowser>& browser, cef_focus_source_t source) {
    return {};
  }
  virtual void OnGotFocus(const rtl::TRef<ICefBrowser>& browser) {}
};

// cef_keyboard_handler_t: program object the runtime calls.
class ICefKeyboardHandler : public virtual ICefBase {
public:
  virtual bool OnPreKeyEvent(const rtl::TRef<ICefBrowser>& browser, const cef_key_event_t* event,
      cef_event_handle_t os_event, int& is_keyboard_shortcut) { return {}; }
  virtual bool OnKeyEvent(const rtl::TRef<ICefBrowser>& browser, const cef_key_event_t* event,
      cef_event_handle_t os_event) { return {}; }
};

// cef_jsdialog_handler_t: program object the runtime calls.
class ICefJsDialogHandler : public virtual ICefBase {
public:
  virtual bool OnJsdialog(const rtl::TRef<ICefBrowser>& browser, const std::wstring& origin_url,
      const std::wstring& accept_lang, cef_jsdialog_type_t dialog_type,
      const std::wstring& message_text, const std::wstring& default_prompt_text,
      const rtl::TRef<ICefJsDialogCallback>& callback, int& suppress_message) { return {}; }
  virtual bool OnBeforeUnloadDialog(const rtl::TRef<ICefBrowser>& browser,
      const std::wstring& message_text, bool is_reload,
      const rtl::TRef<ICefJsDialogCallback>& callback) { return {}; }
  virtual void OnResetDialogState(const rtl::TRef<ICefBrowser>& browser) {}
  virtual void OnDialogClosed(const rtl::TRef<ICefBrowser>& browser) {}
};

// cef_context_menu_handler_t: program object the runtime calls.
class ICefContextMenuHandler : public virtual ICefBase {
public:
  virtual void OnBeforeContextMenu(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefContextMenuParams>& params,
      const rtl::TRef<ICefMenuModel>& model) {}
  virtual bool RunContextMenu(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefContextMenuParams>& params,
      const rtl::TRef<ICefMenuModel>& model,
      const rtl::TRef<ICefRunContextMenuCallback>& callback) { return {}; }
  virtual bool OnContextMenuCommand(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefContextMenuParams>& params,
      int command_id, cef_event_flags_t event_flags) { return {}; }
  virtual void OnContextMenuDismissed(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame) {}
};

// cef_dialog_handler_t: program object the runtime calls.
class ICefDialogHandler : public virtual ICefBase {
public:
  virtual bool OnFileDialog(const rtl::TRef<ICefBrowser>& browser, cef_file_dialog_mode_t mode,
      const std::wstring& title, const std::wstring& default_file_path,
      const std::vector<std::wstring>& accept_filters, int selected_accept_filter,
      const rtl::TRef<ICefFileDialogCallback>& callback) { return {}; }
};

// cef_download_handler_t: program object the runtime calls.
class ICefDownloadHandler : public virtual ICefBase {
public:
  virtual void OnBeforeDownload(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefDownloadItem>& download_item, const std::wstring& suggested_name,
      const rtl::TRef<ICefBeforeDownloadCallback>& callback) {}
  virtual void OnDownloadUpdated(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefDownloadItem>& download_item,
      const rtl::TRef<ICefDownloadItemCallback>& callback) {}
};

// cef_geolocation_handler_t: program object the runtime calls.
class ICefGeolocationHandler : public virtual ICefBase {
public:
  virtual bool OnRequestGeolocationPermission(const rtl::TRef<ICefBrowser>& browser,
      const std::wstring& requesting_url, int request_id,
      const rtl::TRef<ICefGeolocationCallback>& callback) { return {}; }
  virtual void OnCancelGeolocationPermission(const rtl::TRef<ICefBrowser>& browser,
      int request_id) {}
};

// cef_render_handler_t: program object the runtime calls.
class ICefRenderHandler : public virtual ICefBase {
public:
  virtual bool GetRootScreenRect(const rtl::TRef<ICefBrowser>& browser, cef_rect_t* rect) {
    return {};
  }
  virtual bool GetViewRect(const rtl::TRef<ICefBrowser>& browser, cef_rect_t* rect) { return {}; }
  virtual bool GetScreenPoint(const rtl::TRef<ICefBrowser>& browser, int viewX, int viewY,
      int& screenX, int& screenY) { return {}; }
  virtual bool GetScreenInfo(const rtl::TRef<ICefBrowser>& browser,
      cef_screen_info_t* screen_info) { return {}; }
  virtual void OnPopupShow(const rtl::TRef<ICefBrowser>& browser, bool show) {}
  virtual void OnPopupSize(const rtl::TRef<ICefBrowser>& browser, const cef_rect_t* rect) {}
  virtual void OnPaint(const rtl::TRef<ICefBrowser>& browser, cef_paint_element_type_t type,
      size_t dirtyRectsCount, const cef_rect_t* dirtyRects, const void* buffer, int width,
      int height) {}
  virtual void OnCursorChange(const rtl::TRef<ICefBrowser>& browser, cef_cursor_handle_t cursor,
      cef_cursor_type_t type, const cef_cursor_info_t* custom_cursor_info) {}
  virtual bool StartDragging(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefDragData>& drag_data, cef_drag_operations_mask_t allowed_ops, int x,
      int y) { return {}; }
  virtual void UpdateDragCursor(const rtl::TRef<ICefBrowser>& browser,
      cef_drag_operations_mask_t operation) {}
  virtual void OnScrollOffsetChanged(const rtl::TRef<ICefBrowser>& browser, double x, double y) {}
};

// cef_drag_handler_t: program object the runtime calls.
class ICefDragHandler : public virtual ICefBase {
public:
  virtual bool OnDragEnter(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefDragData>& dragData, cef_drag_operations_mask_t mask) { return {}; }
  virtual void OnDraggableRegionsChanged(const rtl::TRef<ICefBrowser>& browser, size_t regionsCount,
      const cef_draggable_region_t* regions) {}
};

// cef_find_handler_t: program object the runtime calls.
class ICefFindHandler : public virtual ICefBase {
public:
  virtual void OnFindResult(const rtl::TRef<ICefBrowser>& browser, int identifier, int count,
      const cef_rect_t* selectionRect, int activeMatchOrdinal, bool finalUpdate) {}
};

// cef_app_t: program object the runtime calls.
class ICefApp : public virtual ICefBase {
public:
  virtual void OnBeforeCommandLineProcessing(const std::wstring& process_type,
      const rtl::TRef<ICefCommandLine>& command_line) {}
  virtual void OnRegisterCustomSchemes(const rtl::TRef<ICefSchemeRegistrar>& registrar) {}
  virtual rtl::TRef<ICefResourceBundleHandler> GetResourceBundleHandler() { return {}; }
  virtual rtl::TRef<ICefBrowserProcessHandler> GetBrowserProcessHandler() { return {}; }
  virtual rtl::TRef<ICefRenderProcessHandler> GetRenderProcessHandler() { return {}; }
};

// cef_browser_process_handler_t: program object the runtime calls.
class ICefBrowserProcessHandler : public virtual ICefBase {
public:
  virtual void OnContextInitialized() {}
  virtual void OnBeforeChildProcessLaunch(const rtl::TRef<ICefCommandLine>& command_line) {}
  virtual void OnRenderProcessThreadCreated(const rtl::TRef<ICefListValue>& extra_info) {}
  virtual cef_print_handler_t* GetPrintHandler() { return {}; }
};

// cef_render_process_handler_t: program object the runtime calls.
class ICefRenderProcessHandler : public virtual ICefBase {
public:
  virtual void OnRenderThreadCreated(const rtl::TRef<ICefListValue>& extra_info) {}
  virtual void OnWebKitInitialized() {}
  virtual void OnBrowserCreated(const rtl::TRef<ICefBrowser>& browser) {}
  virtual void OnBrowserDestroyed(const rtl::TRef<ICefBrowser>& browser) {}
  virtual rtl::TRef<ICefLoadHandler> GetLoadHandler() { return {}; }
  virtual bool OnBeforeNavigation(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefRequest>& request,
      cef_navigation_type_t navigation_type, bool is_redirect) { return {}; }
  virtual void OnContextCreated(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefv8Context>& context) {}
  virtual void OnContextReleased(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefv8Context>& context) {}
  virtual void OnUncaughtException(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefv8Context>& context,
      const rtl::TRef<ICefV8Exception>& exception,
      const rtl::TRef<ICefV8StackTrace>& stackTrace) {}
  virtual void OnFocusedNodeChanged(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefDomNode>& node) {}
  virtual bool OnProcessMessageReceived(const rtl::TRef<ICefBrowser>& browser,
      cef_process_id_t source_process, const rtl::TRef<ICefProcessMessage>& message) { return {}; }
};

// cef_resource_bundle_handler_t: program object the runtime calls.
class ICefResourceBundleHandler : public virtual ICefBase {
public:
  virtual bool GetLocalizedString(int string_id, std::wstring& string) { return {}; }
  virtual bool GetDataResource(int resource_id, void*& data, size_t& data_size) { return {}; }
  virtual bool GetDataResourceForScale(int resource_id, cef_scale_factor_t scale_factor,
      void*& data, size_t& data_size) { return {}; }
};

// cef_resource_handler_t: program object the runtime calls.
class ICefResourceHandler : public virtual ICefBase {
public:
  virtual bool ProcessRequest(const rtl::TRef<ICefRequest>& request,
      const rtl::TRef<ICefCallback>& callback) { return {}; }
  virtual void GetResponseHeaders(const rtl::TRef<ICefResponse>& response, int64_t& response_length,
      std::wstring& redirectUrl) {}
  virtual bool ReadResponse(void* data_out, int bytes_to_read, int& bytes_read,
      const rtl::TRef<ICefCallback>& callback) { return {}; }
  virtual bool CanGetCookie(const cef_cookie_t* cookie) { return {}; }
  virtual bool CanSetCookie(const cef_cookie_t* cookie) { return {}; }
  virtual void Cancel() {}
};

// cef_scheme_handler_factory_t: program object the runtime calls.
class ICefSchemeHandlerFactory : public virtual ICefBase {
public:
  virtual rtl::TRef<ICefResourceHandler> Create(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const std::wstring& scheme_name,
      const rtl::TRef<ICefRequest>& request) { return {}; }
};

// cef_urlrequest_client_t: program object the runtime calls.
class ICefUrlrequestClient : public virtual ICefBase {
public:
  virtual void OnRequestComplete(const rtl::TRef<ICefUrlRequest>& request) {}
  virtual void OnUploadProgress(const rtl::TRef<ICefUrlRequest>& request, int64_t current,
      int64_t total) {}
  virtual void OnDownloadProgress(const rtl::TRef<ICefUrlRequest>& request, int64_t current,
      int64_t total) {}
  virtual void OnDownloadData(const rtl::TRef<ICefUrlRequest>& request, const void* data,
      size_t data_length) {}
  virtual bool GetAuthCredentials(bool isProxy, const std::wstring& host, int port,
      const std::wstring& realm, const std::wstring& scheme,
      const rtl::TRef<ICefAuthCallback>& callback) { return {}; }
};

// cef_v8accessor_t: program object the runtime calls.
class ICefV8Accessor : public virtual ICefBase {
public:
  virtual bool Get(const std::wstring& name, const rtl::TRef<ICefv8Value>& object,
      rtl::TRef<ICefv8Value>& retval, std::wstring& exception) { return {}; }
  virtual bool Set(const std::wstring& name, const rtl::TRef<ICefv8Value>& object,
      const rtl::TRef<ICefv8Value>& value, std::wstring& exception) { return {}; }
};

// cef_domvisitor_t: program object the runtime calls.
class ICefDomVisitor : public virtual ICefBase {
public:
  virtual void Visit(const rtl::TRef<ICefDomDocument>& document) {}
};

// cef_string_visitor_t: program object the runtime calls.
class ICefStringVisitor : public virtual ICefBase {
public:
  virtual void Visit(const std::wstring& string) {}
};

// cef_cookie_visitor_t: program object the runtime calls.
class ICefCookieVisitor : public virtual ICefBase {
public:
  virtual bool Visit(const cef_cookie_t* cookie, int count, int total, int& deleteCookie) {
    return {};
  }
};

// cef_set_cookie_callback_t: program object the runtime calls.
class ICefSetCookieCallback : public virtual ICefBase {
public:
  virtual void OnComplete(bool success) {}
};

// cef_delete_cookies_callback_t: program object the runtime calls.
class ICefDeleteCookiesCallback : public virtual ICefBase {
public:
  virtual void OnComplete(int num_deleted) {}
};

// cef_completion_callback_t: program object the runtime calls.
class ICefCompletionCallback : public virtual ICefBase {
public:
  virtual void OnComplete() {}
};

// cef_run_file_dialog_callback_t: program object the runtime calls.
class ICefRunFileDialogCallback : public virtual ICefBase {
public:
  virtual void OnFileDialogDismissed(int selected_accept_filter,
      const std::vector<std::wstring>& file_paths) {}
};

// cef_web_plugin_info_visitor_t: program object the runtime calls.
class ICefWebPluginInfoVisitor : public virtual ICefBase {
public:
  virtual bool Visit(const rtl::TRef<ICefWebPluginInfo>& info, int count, int total) { return {}; }
};

// cef_web_plugin_unstable_callback_t: program object the runtime calls.
class ICefWebPluginUnstableCallback : public virtual ICefBase {
public:
  virtual void IsUnstable(const std::wstring& path, bool unstable) {}
};

// cef_navigation_entry_visitor_t: program object the runtime calls.
class ICefNavigationEntryVisitor : public virtual ICefBase {
public:
  virtual bool Visit(const rtl::TRef<ICefNavigationEntry>& entry, bool current, int index,
      int total) { return {}; }
};

// cef_pdf_print_callback_t: program object the runtime calls.
class ICefPdfPrintCallback : public virtual ICefBase {
public:
  virtual void OnPdfPrintFinished(const std::wstring& path, bool ok) {}
};

// cef_task_t: program object the runtime calls.
class ICefTask : public virtual ICefBase {
public:
  virtual void Execute() {}
};

#pragma GCC diagnostic pop
