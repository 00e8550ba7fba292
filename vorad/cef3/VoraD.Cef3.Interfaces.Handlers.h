#pragma once
// Interfaces over the runtime structures: what the program implements for the runtime to call.
// Part of VoraD.Cef3.Interfaces.h, which declares every name used here: include that header.

// cef_client_t: program object the runtime calls.
class ICefClient : public virtual ICefBase {
public:
  virtual rtl::TRef<ICefContextMenuHandler> GetContextMenuHandler() = 0;
  virtual rtl::TRef<ICefDialogHandler> GetDialogHandler() = 0;
  virtual rtl::TRef<ICefDisplayHandler> GetDisplayHandler() = 0;
  virtual rtl::TRef<ICefDownloadHandler> GetDownloadHandler() = 0;
  virtual rtl::TRef<ICefDragHandler> GetDragHandler() = 0;
  virtual rtl::TRef<ICefFindHandler> GetFindHandler() = 0;
  virtual rtl::TRef<ICefFocusHandler> GetFocusHandler() = 0;
  virtual rtl::TRef<ICefGeolocationHandler> GetGeolocationHandler() = 0;
  virtual rtl::TRef<ICefJsDialogHandler> GetJsdialogHandler() = 0;
  virtual rtl::TRef<ICefKeyboardHandler> GetKeyboardHandler() = 0;
  virtual rtl::TRef<ICefLifeSpanHandler> GetLifeSpanHandler() = 0;
  virtual rtl::TRef<ICefLoadHandler> GetLoadHandler() = 0;
  virtual rtl::TRef<ICefRenderHandler> GetRenderHandler() = 0;
  virtual rtl::TRef<ICefRequestHandler> GetRequestHandler() = 0;
  virtual bool OnProcessMessageReceived(const rtl::TRef<ICefBrowser>& browser,
      cef_process_id_t source_process, const rtl::TRef<ICefProcessMessage>& message) = 0;
};

// cef_life_span_handler_t: program object the runtime calls.
class ICefLifeSpanHandler : public virtual ICefBase {
public:
  virtual bool OnBeforePopup(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const std::wstring& target_url,
      const std::wstring& target_frame_name, cef_window_open_disposition_t target_disposition,
      bool user_gesture, const cef_popup_features_t* popupFeatures, cef_window_info_t* windowInfo,
      rtl::TRef<ICefClient>& client, cef_browser_settings_t* settings,
      int& no_javascript_access) = 0;
  virtual void OnAfterCreated(const rtl::TRef<ICefBrowser>& browser) = 0;
  virtual bool RunModal(const rtl::TRef<ICefBrowser>& browser) = 0;
  virtual bool DoClose(const rtl::TRef<ICefBrowser>& browser) = 0;
  virtual void OnBeforeClose(const rtl::TRef<ICefBrowser>& browser) = 0;
};

// cef_load_handler_t: program object the runtime calls.
class ICefLoadHandler : public virtual ICefBase {
public:
  virtual void OnLoadingStateChange(const rtl::TRef<ICefBrowser>& browser, bool isLoading,
      bool canGoBack, bool canGoForward) = 0;
  virtual void OnLoadStart(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame) = 0;
  virtual void OnLoadEnd(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
      int httpStatusCode) = 0;
  virtual void OnLoadError(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
      cef_errorcode_t errorCode, const std::wstring& errorText, const std::wstring& failedUrl) = 0;
};

// cef_request_handler_t: program object the runtime calls.
class ICefRequestHandler : public virtual ICefBase {
public:
  virtual bool OnBeforeBrowse(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefRequest>& request,
      bool is_redirect) = 0;
  virtual bool OnOpenUrlfromTab(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const std::wstring& target_url,
      cef_window_open_disposition_t target_disposition, bool user_gesture) = 0;
  virtual cef_return_value_t OnBeforeResourceLoad(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefRequest>& request,
      const rtl::TRef<ICefRequestCallback>& callback) = 0;
  virtual rtl::TRef<ICefResourceHandler> GetResourceHandler(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefRequest>& request) = 0;
  virtual void OnResourceRedirect(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefRequest>& request,
      std::wstring& new_url) = 0;
  virtual bool OnResourceResponse(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefRequest>& request,
      const rtl::TRef<ICefResponse>& response) = 0;
  virtual cef_response_filter_t* GetResourceResponseFilter(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefRequest>& request,
      const rtl::TRef<ICefResponse>& response) = 0;
  virtual void OnResourceLoadComplete(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefRequest>& request,
      const rtl::TRef<ICefResponse>& response, cef_urlrequest_status_t status,
      int64_t received_content_length) = 0;
  virtual bool GetAuthCredentials(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, bool isProxy, const std::wstring& host, int port,
      const std::wstring& realm, const std::wstring& scheme,
      const rtl::TRef<ICefAuthCallback>& callback) = 0;
  virtual bool OnQuotaRequest(const rtl::TRef<ICefBrowser>& browser, const std::wstring& origin_url,
      int64_t new_size, const rtl::TRef<ICefRequestCallback>& callback) = 0;
  virtual void OnProtocolExecution(const rtl::TRef<ICefBrowser>& browser, const std::wstring& url,
      int& allow_os_execution) = 0;
  virtual bool OnCertificateError(const rtl::TRef<ICefBrowser>& browser, cef_errorcode_t cert_error,
      const std::wstring& request_url, const rtl::TRef<ICefSslInfo>& ssl_info,
      const rtl::TRef<ICefRequestCallback>& callback) = 0;
  virtual void OnPluginCrashed(const rtl::TRef<ICefBrowser>& browser,
      const std::wstring& plugin_path) = 0;
  virtual void OnRenderViewReady(const rtl::TRef<ICefBrowser>& browser) = 0;
  virtual void OnRenderProcessTerminated(const rtl::TRef<ICefBrowser>& browser,
      cef_termination_status_t status) = 0;
};

// cef_display_handler_t: program object the runtime calls.
class ICefDisplayHandler : public virtual ICefBase {
public:
  virtual void OnAddressChange(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const std::wstring& url) = 0;
  virtual void OnTitleChange(const rtl::TRef<ICefBrowser>& browser, const std::wstring& title) = 0;
  virtual void OnFaviconUrlchange(const rtl::TRef<ICefBrowser>& browser,
      const std::vector<std::wstring>& icon_urls) = 0;
  virtual void OnFullscreenModeChange(const rtl::TRef<ICefBrowser>& browser, bool fullscreen) = 0;
  virtual bool OnTooltip(const rtl::TRef<ICefBrowser>& browser, std::wstring& text) = 0;
  virtual void OnStatusMessage(const rtl::TRef<ICefBrowser>& browser,
      const std::wstring& value) = 0;
  virtual bool OnConsoleMessage(const rtl::TRef<ICefBrowser>& browser, const std::wstring& message,
      const std::wstring& source, int line) = 0;
};

// cef_focus_handler_t: program object the runtime calls.
class ICefFocusHandler : public virtual ICefBase {
public:
  virtual void OnTakeFocus(const rtl::TRef<ICefBrowser>& browser, bool next) = 0;
  virtual bool OnSetFocus(const rtl::TRef<ICefBrowser>& browser, cef_focus_source_t source) = 0;
  virtual void OnGotFocus(const rtl::TRef<ICefBrowser>& browser) = 0;
};

// cef_keyboard_handler_t: program object the runtime calls.
class ICefKeyboardHandler : public virtual ICefBase {
public:
  virtual bool OnPreKeyEvent(const rtl::TRef<ICefBrowser>& browser, const cef_key_event_t* event,
      cef_event_handle_t os_event, int& is_keyboard_shortcut) = 0;
  virtual bool OnKeyEvent(const rtl::TRef<ICefBrowser>& browser, const cef_key_event_t* event,
      cef_event_handle_t os_event) = 0;
};

// cef_jsdialog_handler_t: program object the runtime calls.
class ICefJsDialogHandler : public virtual ICefBase {
public:
  virtual bool OnJsdialog(const rtl::TRef<ICefBrowser>& browser, const std::wstring& origin_url,
      const std::wstring& accept_lang, cef_jsdialog_type_t dialog_type,
      const std::wstring& message_text, const std::wstring& default_prompt_text,
      const rtl::TRef<ICefJsDialogCallback>& callback, int& suppress_message) = 0;
  virtual bool OnBeforeUnloadDialog(const rtl::TRef<ICefBrowser>& browser,
      const std::wstring& message_text, bool is_reload,
      const rtl::TRef<ICefJsDialogCallback>& callback) = 0;
  virtual void OnResetDialogState(const rtl::TRef<ICefBrowser>& browser) = 0;
  virtual void OnDialogClosed(const rtl::TRef<ICefBrowser>& browser) = 0;
};

// cef_context_menu_handler_t: program object the runtime calls.
class ICefContextMenuHandler : public virtual ICefBase {
public:
  virtual void OnBeforeContextMenu(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefContextMenuParams>& params,
      const rtl::TRef<ICefMenuModel>& model) = 0;
  virtual bool RunContextMenu(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefContextMenuParams>& params,
      const rtl::TRef<ICefMenuModel>& model,
      const rtl::TRef<ICefRunContextMenuCallback>& callback) = 0;
  virtual bool OnContextMenuCommand(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefContextMenuParams>& params,
      int command_id, cef_event_flags_t event_flags) = 0;
  virtual void OnContextMenuDismissed(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame) = 0;
};

// cef_dialog_handler_t: program object the runtime calls.
class ICefDialogHandler : public virtual ICefBase {
public:
  virtual bool OnFileDialog(const rtl::TRef<ICefBrowser>& browser, cef_file_dialog_mode_t mode,
      const std::wstring& title, const std::wstring& default_file_path,
      const std::vector<std::wstring>& accept_filters, int selected_accept_filter,
      const rtl::TRef<ICefFileDialogCallback>& callback) = 0;
};

// cef_download_handler_t: program object the runtime calls.
class ICefDownloadHandler : public virtual ICefBase {
public:
  virtual void OnBeforeDownload(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefDownloadItem>& download_item, const std::wstring& suggested_name,
      const rtl::TRef<ICefBeforeDownloadCallback>& callback) = 0;
  virtual void OnDownloadUpdated(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefDownloadItem>& download_item,
      const rtl::TRef<ICefDownloadItemCallback>& callback) = 0;
};

// cef_geolocation_handler_t: program object the runtime calls.
class ICefGeolocationHandler : public virtual ICefBase {
public:
  virtual bool OnRequestGeolocationPermission(const rtl::TRef<ICefBrowser>& browser,
      const std::wstring& requesting_url, int request_id,
      const rtl::TRef<ICefGeolocationCallback>& callback) = 0;
  virtual void OnCancelGeolocationPermission(const rtl::TRef<ICefBrowser>& browser,
      int request_id) = 0;
};

// cef_render_handler_t: program object the runtime calls.
class ICefRenderHandler : public virtual ICefBase {
public:
  virtual bool GetRootScreenRect(const rtl::TRef<ICefBrowser>& browser, cef_rect_t* rect) = 0;
  virtual bool GetViewRect(const rtl::TRef<ICefBrowser>& browser, cef_rect_t* rect) = 0;
  virtual bool GetScreenPoint(const rtl::TRef<ICefBrowser>& browser, int viewX, int viewY,
      int& screenX, int& screenY) = 0;
  virtual bool GetScreenInfo(const rtl::TRef<ICefBrowser>& browser,
      cef_screen_info_t* screen_info) = 0;
  virtual void OnPopupShow(const rtl::TRef<ICefBrowser>& browser, bool show) = 0;
  virtual void OnPopupSize(const rtl::TRef<ICefBrowser>& browser, const cef_rect_t* rect) = 0;
  virtual void OnPaint(const rtl::TRef<ICefBrowser>& browser, cef_paint_element_type_t type,
      size_t dirtyRectsCount, const cef_rect_t* dirtyRects, const void* buffer, int width,
      int height) = 0;
  virtual void OnCursorChange(const rtl::TRef<ICefBrowser>& browser, cef_cursor_handle_t cursor,
      cef_cursor_type_t type, const cef_cursor_info_t* custom_cursor_info) = 0;
  virtual bool StartDragging(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefDragData>& drag_data, cef_drag_operations_mask_t allowed_ops, int x,
      int y) = 0;
  virtual void UpdateDragCursor(const rtl::TRef<ICefBrowser>& browser,
      cef_drag_operations_mask_t operation) = 0;
  virtual void OnScrollOffsetChanged(const rtl::TRef<ICefBrowser>& browser, double x, double y) = 0;
};

// cef_drag_handler_t: program object the runtime calls.
class ICefDragHandler : public virtual ICefBase {
public:
  virtual bool OnDragEnter(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefDragData>& dragData, cef_drag_operations_mask_t mask) = 0;
  virtual void OnDraggableRegionsChanged(const rtl::TRef<ICefBrowser>& browser, size_t regionsCount,
      const cef_draggable_region_t* regions) = 0;
};

// cef_find_handler_t: program object the runtime calls.
class ICefFindHandler : public virtual ICefBase {
public:
  virtual void OnFindResult(const rtl::TRef<ICefBrowser>& browser, int identifier, int count,
      const cef_rect_t* selectionRect, int activeMatchOrdinal, bool finalUpdate) = 0;
};

// cef_app_t: program object the runtime calls.
class ICefApp : public virtual ICefBase {
public:
  virtual void OnBeforeCommandLineProcessing(const std::wstring& process_type,
      const rtl::TRef<ICefCommandLine>& command_line) = 0;
  virtual void OnRegisterCustomSchemes(const rtl::TRef<ICefSchemeRegistrar>& registrar) = 0;
  virtual rtl::TRef<ICefResourceBundleHandler> GetResourceBundleHandler() = 0;
  virtual rtl::TRef<ICefBrowserProcessHandler> GetBrowserProcessHandler() = 0;
  virtual rtl::TRef<ICefRenderProcessHandler> GetRenderProcessHandler() = 0;
};

// cef_browser_process_handler_t: program object the runtime calls.
class ICefBrowserProcessHandler : public virtual ICefBase {
public:
  virtual void OnContextInitialized() = 0;
  virtual void OnBeforeChildProcessLaunch(const rtl::TRef<ICefCommandLine>& command_line) = 0;
  virtual void OnRenderProcessThreadCreated(const rtl::TRef<ICefListValue>& extra_info) = 0;
  virtual cef_print_handler_t* GetPrintHandler() = 0;
};

// cef_render_process_handler_t: program object the runtime calls.
class ICefRenderProcessHandler : public virtual ICefBase {
public:
  virtual void OnRenderThreadCreated(const rtl::TRef<ICefListValue>& extra_info) = 0;
  virtual void OnWebKitInitialized() = 0;
  virtual void OnBrowserCreated(const rtl::TRef<ICefBrowser>& browser) = 0;
  virtual void OnBrowserDestroyed(const rtl::TRef<ICefBrowser>& browser) = 0;
  virtual rtl::TRef<ICefLoadHandler> GetLoadHandler() = 0;
  virtual bool OnBeforeNavigation(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefRequest>& request,
      cef_navigation_type_t navigation_type, bool is_redirect) = 0;
  virtual void OnContextCreated(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefv8Context>& context) = 0;
  virtual void OnContextReleased(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefv8Context>& context) = 0;
  virtual void OnUncaughtException(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefv8Context>& context,
      const rtl::TRef<ICefV8Exception>& exception,
      const rtl::TRef<ICefV8StackTrace>& stackTrace) = 0;
  virtual void OnFocusedNodeChanged(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefDomNode>& node) = 0;
  virtual bool OnProcessMessageReceived(const rtl::TRef<ICefBrowser>& browser,
      cef_process_id_t source_process, const rtl::TRef<ICefProcessMessage>& message) = 0;
};

// cef_resource_bundle_handler_t: program object the runtime calls.
class ICefResourceBundleHandler : public virtual ICefBase {
public:
  virtual bool GetLocalizedString(int string_id, std::wstring& string) = 0;
  virtual bool GetDataResource(int resource_id, void*& data, size_t& data_size) = 0;
  virtual bool GetDataResourceForScale(int resource_id, cef_scale_factor_t scale_factor,
      void*& data, size_t& data_size) = 0;
};

// cef_resource_handler_t: program object the runtime calls.
class ICefResourceHandler : public virtual ICefBase {
public:
  virtual bool ProcessRequest(const rtl::TRef<ICefRequest>& request,
      const rtl::TRef<ICefCallback>& callback) = 0;
  virtual void GetResponseHeaders(const rtl::TRef<ICefResponse>& response, int64_t& response_length,
      std::wstring& redirectUrl) = 0;
  virtual bool ReadResponse(void* data_out, int bytes_to_read, int& bytes_read,
      const rtl::TRef<ICefCallback>& callback) = 0;
  virtual bool CanGetCookie(const cef_cookie_t* cookie) = 0;
  virtual bool CanSetCookie(const cef_cookie_t* cookie) = 0;
  virtual void Cancel() = 0;
};

// cef_scheme_handler_factory_t: program object the runtime calls.
class ICefSchemeHandlerFactory : public virtual ICefBase {
public:
  virtual rtl::TRef<ICefResourceHandler> Create(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const std::wstring& scheme_name,
      const rtl::TRef<ICefRequest>& request) = 0;
};

// cef_urlrequest_client_t: program object the runtime calls.
class ICefUrlrequestClient : public virtual ICefBase {
public:
  virtual void OnRequestComplete(const rtl::TRef<ICefUrlRequest>& request) = 0;
  virtual void OnUploadProgress(const rtl::TRef<ICefUrlRequest>& request, int64_t current,
      int64_t total) = 0;
  virtual void OnDownloadProgress(const rtl::TRef<ICefUrlRequest>& request, int64_t current,
      int64_t total) = 0;
  virtual void OnDownloadData(const rtl::TRef<ICefUrlRequest>& request, const void* data,
      size_t data_length) = 0;
  virtual bool GetAuthCredentials(bool isProxy, const std::wstring& host, int port,
      const std::wstring& realm, const std::wstring& scheme,
      const rtl::TRef<ICefAuthCallback>& callback) = 0;
};

// cef_v8accessor_t: program object the runtime calls.
class ICefV8Accessor : public virtual ICefBase {
public:
  virtual bool Get(const std::wstring& name, const rtl::TRef<ICefv8Value>& object,
      rtl::TRef<ICefv8Value>& retval, std::wstring& exception) = 0;
  virtual bool Set(const std::wstring& name, const rtl::TRef<ICefv8Value>& object,
      const rtl::TRef<ICefv8Value>& value, std::wstring& exception) = 0;
};

// cef_domvisitor_t: program object the runtime calls.
class ICefDomVisitor : public virtual ICefBase {
public:
  virtual void Visit(const rtl::TRef<ICefDomDocument>& document) = 0;
};

// cef_string_visitor_t: program object the runtime calls.
class ICefStringVisitor : public virtual ICefBase {
public:
  virtual void Visit(const std::wstring& string) = 0;
};

// cef_cookie_visitor_t: program object the runtime calls.
class ICefCookieVisitor : public virtual ICefBase {
public:
  virtual bool Visit(const cef_cookie_t* cookie, int count, int total, int& deleteCookie) = 0;
};

// cef_set_cookie_callback_t: program object the runtime calls.
class ICefSetCookieCallback : public virtual ICefBase {
public:
  virtual void OnComplete(bool success) = 0;
};

// cef_delete_cookies_callback_t: program object the runtime calls.
class ICefDeleteCookiesCallback : public virtual ICefBase {
public:
  virtual void OnComplete(int num_deleted) = 0;
};

// cef_completion_callback_t: program object the runtime calls.
class ICefCompletionCallback : public virtual ICefBase {
public:
  virtual void OnComplete() = 0;
};

// cef_run_file_dialog_callback_t: program object the runtime calls.
class ICefRunFileDialogCallback : public virtual ICefBase {
public:
  virtual void OnFileDialogDismissed(int selected_accept_filter,
      const std::vector<std::wstring>& file_paths) = 0;
};

// cef_web_plugin_info_visitor_t: program object the runtime calls.
class ICefWebPluginInfoVisitor : public virtual ICefBase {
public:
  virtual bool Visit(const rtl::TRef<ICefWebPluginInfo>& info, int count, int total) = 0;
};

// cef_web_plugin_unstable_callback_t: program object the runtime calls.
class ICefWebPluginUnstableCallback : public virtual ICefBase {
public:
  virtual void IsUnstable(const std::wstring& path, bool unstable) = 0;
};

// cef_navigation_entry_visitor_t: program object the runtime calls.
class ICefNavigationEntryVisitor : public virtual ICefBase {
public:
  virtual bool Visit(const rtl::TRef<ICefNavigationEntry>& entry, bool current, int index,
      int total) = 0;
};

// cef_pdf_print_callback_t: program object the runtime calls.
class ICefPdfPrintCallback : public virtual ICefBase {
public:
  virtual void OnPdfPrintFinished(const std::wstring& path, bool ok) = 0;
};

// cef_task_t: program object the runtime calls.
class ICefTask : public virtual ICefBase {
public:
  virtual void Execute() = 0;
};
