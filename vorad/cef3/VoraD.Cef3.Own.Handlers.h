#pragma once
// Own classes the browser side calls: the client and the handlers it hands out.
//
// Every operation does nothing and answers false, null or empty until a subclass overrides it;
// parameter names and threads are those of the interface (VoraD.Cef3.Interfaces.h). The
// structure's entries are filled in the constructor (VoraD.Cef3.Adapter.h shows how).
#include <string>
#include <vector>

#include "vorad/cef3/VoraD.Cef3.Own.Base.h"

class TCefClientOwn : public TCefOwn<cef_client_t>, public virtual ICefClient {
public:
  TCefClientOwn();
  rtl::TRef<ICefContextMenuHandler> GetContextMenuHandler() override { return {}; }
  rtl::TRef<ICefDialogHandler> GetDialogHandler() override { return {}; }
  rtl::TRef<ICefDisplayHandler> GetDisplayHandler() override { return {}; }
  rtl::TRef<ICefDownloadHandler> GetDownloadHandler() override { return {}; }
  rtl::TRef<ICefDragHandler> GetDragHandler() override { return {}; }
  rtl::TRef<ICefFindHandler> GetFindHandler() override { return {}; }
  rtl::TRef<ICefFocusHandler> GetFocusHandler() override { return {}; }
  rtl::TRef<ICefGeolocationHandler> GetGeolocationHandler() override { return {}; }
  rtl::TRef<ICefJsDialogHandler> GetJsdialogHandler() override { return {}; }
  rtl::TRef<ICefKeyboardHandler> GetKeyboardHandler() override { return {}; }
  rtl::TRef<ICefLifeSpanHandler> GetLifeSpanHandler() override { return {}; }
  rtl::TRef<ICefLoadHandler> GetLoadHandler() override { return {}; }
  rtl::TRef<ICefRenderHandler> GetRenderHandler() override { return {}; }
  rtl::TRef<ICefRequestHandler> GetRequestHandler() override { return {}; }
  bool OnProcessMessageReceived(const rtl::TRef<ICefBrowser>&, cef_process_id_t,
      const rtl::TRef<ICefProcessMessage>&) override { return false; }
};

class TCefLifeSpanHandlerOwn : public TCefOwn<cef_life_span_handler_t>, public virtual ICefLifeSpanHandler {
public:
  TCefLifeSpanHandlerOwn();
  bool OnBeforePopup(const rtl::TRef<ICefBrowser>&, const rtl::TRef<ICefFrame>&, const std::wstring&,
      const std::wstring&, cef_window_open_disposition_t, bool, const cef_popup_features_t*,
      cef_window_info_t*, rtl::TRef<ICefClient>&, cef_browser_settings_t*,
      int&) override { return false; }
  void OnAfterCreated(const rtl::TRef<ICefBrowser>&) override {}
  // entry left null: never called by the runtime
  bool RunModal(const rtl::TRef<ICefBrowser>&) override { return false; }
  bool DoClose(const rtl::TRef<ICefBrowser>&) override { return false; }
  void OnBeforeClose(const rtl::TRef<ICefBrowser>&) override {}
};

class TCefLoadHandlerOwn : public TCefOwn<cef_load_handler_t>, public virtual ICefLoadHandler {
public:
  TCefLoadHandlerOwn();
  void OnLoadingStateChange(const rtl::TRef<ICefBrowser>&, bool, bool, bool) override {}
  void OnLoadStart(const rtl::TRef<ICefBrowser>&, const rtl::TRef<ICefFrame>&) override {}
  void OnLoadEnd(const rtl::TRef<ICefBrowser>&, const rtl::TRef<ICefFrame>&, int) override {}
  void OnLoadError(const rtl::TRef<ICefBrowser>&, const rtl::TRef<ICefFrame>&, cef_errorcode_t,
      const std::wstring&, const std::wstring&) override {}
};

class TCefRequestHandlerOwn : public TCefOwn<cef_request_handler_t>, public virtual ICefRequestHandler {
public:
  TCefRequestHandlerOwn();
  bool OnBeforeBrowse(const rtl::TRef<ICefBrowser>&, const rtl::TRef<ICefFrame>&,
      const rtl::TRef<ICefRequest>&, bool) override { return false; }
  bool OnOpenUrlfromTab(const rtl::TRef<ICefBrowser>&, const rtl::TRef<ICefFrame>&, const std::wstring&,
      cef_window_open_disposition_t, bool) override { return false; }
  // entry left null: never called by the runtime
  cef_return_value_t OnBeforeResourceLoad(const rtl::TRef<ICefBrowser>&, const rtl::TRef<ICefFrame>&,
      const rtl::TRef<ICefRequest>&, const rtl::TRef<ICefRequestCallback>&) override { return {}; }
  rtl::TRef<ICefResourceHandler> GetResourceHandler(const rtl::TRef<ICefBrowser>&,
      const rtl::TRef<ICefFrame>&, const rtl::TRef<ICefRequest>&) override { return {}; }
  void OnResourceRedirect(const rtl::TRef<ICefBrowser>&, const rtl::TRef<ICefFrame>&,
      const rtl::TRef<ICefRequest>&, std::wstring&) override {}
  bool OnResourceResponse(const rtl::TRef<ICefBrowser>&, const rtl::TRef<ICefFrame>&,
      const rtl::TRef<ICefRequest>&, const rtl::TRef<ICefResponse>&) override { return false; }
  cef_response_filter_t* GetResourceResponseFilter(const rtl::TRef<ICefBrowser>&,
      const rtl::TRef<ICefFrame>&, const rtl::TRef<ICefRequest>&,
      const rtl::TRef<ICefResponse>&) override { return {}; }
  void OnResourceLoadComplete(const rtl::TRef<ICefBrowser>&, const rtl::TRef<ICefFrame>&,
      const rtl::TRef<ICefRequest>&, const rtl::TRef<ICefResponse>&, cef_urlrequest_status_t,
      int64_t) override {}
  bool GetAuthCredentials(const rtl::TRef<ICefBrowser>&, const rtl::TRef<ICefFrame>&, bool,
      const std::wstring&, int, const std::wstring&, const std::wstring&,
      const rtl::TRef<ICefAuthCallback>&) override { return false; }
  bool OnQuotaRequest(const rtl::TRef<ICefBrowser>&, const std::wstring&, int64_t,
      const rtl::TRef<ICefRequestCallback>&) override { return false; }
  void OnProtocolExecution(const rtl::TRef<ICefBrowser>&, const std::wstring&, int&) override {}
  bool OnCertificateError(const rtl::TRef<ICefBrowser>&, cef_errorcode_t, const std::wstring&,
      const rtl::TRef<ICefSslInfo>&, const rtl::TRef<ICefRequestCallback>&) override { return false; }
  void OnPluginCrashed(const rtl::TRef<ICefBrowser>&, const std::wstring&) override {}
  void OnRenderViewReady(const rtl::TRef<ICefBrowser>&) override {}
  void OnRenderProcessTerminated(const rtl::TRef<ICefBrowser>&, cef_termination_status_t) override {}
};

class TCefDisplayHandlerOwn : public TCefOwn<cef_display_handler_t>, public virtual ICefDisplayHandler {
public:
  TCefDisplayHandlerOwn();
  void OnAddressChange(const rtl::TRef<ICefBrowser>&, const rtl::TRef<ICefFrame>&,
      const std::wstring&) override {}
  void OnTitleChange(const rtl::TRef<ICefBrowser>&, const std::wstring&) override {}
  void OnFaviconUrlchange(const rtl::TRef<ICefBrowser>&, const std::vector<std::wstring>&) override {}
  void OnFullscreenModeChange(const rtl::TRef<ICefBrowser>&, bool) override {}
  bool OnTooltip(const rtl::TRef<ICefBrowser>&, std::wstring&) override { return false; }
  void OnStatusMessage(const rtl::TRef<ICefBrowser>&, const std::wstring&) override {}
  bool OnConsoleMessage(const rtl::TRef<ICefBrowser>&, const std::wstring&, const std::wstring&,
      int) override { return false; }
};

class TCefFocusHandlerOwn : public TCefOwn<cef_focus_handler_t>, public virtual ICefFocusHandler {
public:
  TCefFocusHandlerOwn();
  void OnTakeFocus(const rtl::TRef<ICefBrowser>&, bool) override {}
  bool OnSetFocus(const rtl::TRef<ICefBrowser>&, cef_focus_source_t) override { return false; }
  void OnGotFocus(const rtl::TRef<ICefBrowser>&) override {}
};

class TCefKeyboardHandlerOwn : public TCefOwn<cef_keyboard_handler_t>, public virtual ICefKeyboardHandler {
public:
  TCefKeyboardHandlerOwn();
  bool OnPreKeyEvent(const rtl::TRef<ICefBrowser>&, const cef_key_event_t*, cef_event_handle_t,
      int&) override { return false; }
  bool OnKeyEvent(const rtl::TRef<ICefBrowser>&, const cef_key_event_t*,
      cef_event_handle_t) override { return false; }
};

class TCefJsDialogHandlerOwn : public TCefOwn<cef_jsdialog_handler_t>, public virtual ICefJsDialogHandler {
public:
  TCefJsDialogHandlerOwn();
  bool OnJsdialog(const rtl::TRef<ICefBrowser>&, const std::wstring&, const std::wstring&,
      cef_jsdialog_type_t, const std::wstring&, const std::wstring&,
      const rtl::TRef<ICefJsDialogCallback>&, int&) override { return false; }
  bool OnBeforeUnloadDialog(const rtl::TRef<ICefBrowser>&, const std::wstring&, bool,
      const rtl::TRef<ICefJsDialogCallback>&) override { return false; }
  void OnResetDialogState(const rtl::TRef<ICefBrowser>&) override {}
  void OnDialogClosed(const rtl::TRef<ICefBrowser>&) override {}
};

class TCefContextMenuHandlerOwn : public TCefOwn<cef_context_menu_handler_t>,
    public virtual ICefContextMenuHandler {
public:
  TCefContextMenuHandlerOwn();
  void OnBeforeContextMenu(const rtl::TRef<ICefBrowser>&, const rtl::TRef<ICefFrame>&,
      const rtl::TRef<ICefContextMenuParams>&, const rtl::TRef<ICefMenuModel>&) override {}
  bool RunContextMenu(const rtl::TRef<ICefBrowser>&, const rtl::TRef<ICefFrame>&,
      const rtl::TRef<ICefContextMenuParams>&, const rtl::TRef<ICefMenuModel>&,
      const rtl::TRef<ICefRunContextMenuCallback>&) override { return false; }
  bool OnContextMenuCommand(const rtl::TRef<ICefBrowser>&, const rtl::TRef<ICefFrame>&,
      const rtl::TRef<ICefContextMenuParams>&, int, cef_event_flags_t) override { return false; }
  void OnContextMenuDismissed(const rtl::TRef<ICefBrowser>&, const rtl::TRef<ICefFrame>&) override {}
};

class TCefDialogHandlerOwn : public TCefOwn<cef_dialog_handler_t>, public virtual ICefDialogHandler {
public:
  TCefDialogHandlerOwn();
  bool OnFileDialog(const rtl::TRef<ICefBrowser>&, cef_file_dialog_mode_t, const std::wstring&,
      const std::wstring&, const std::vector<std::wstring>&, int,
      const rtl::TRef<ICefFileDialogCallback>&) override { return false; }
};

class TCefDownloadHandlerOwn : public TCefOwn<cef_download_handler_t>, public virtual ICefDownloadHandler {
public:
  TCefDownloadHandlerOwn();
  void OnBeforeDownload(const rtl::TRef<ICefBrowser>&, const rtl::TRef<ICefDownloadItem>&,
      const std::wstring&, const rtl::TRef<ICefBeforeDownloadCallback>&) override {}
  void OnDownloadUpdated(const rtl::TRef<ICefBrowser>&, const rtl::TRef<ICefDownloadItem>&,
      const rtl::TRef<ICefDownloadItemCallback>&) override {}
};

class TCefGeolocationHandlerOwn : public TCefOwn<cef_geolocation_handler_t>,
    public virtual ICefGeolocationHandler {
public:
  TCefGeolocationHandlerOwn();
  bool OnRequestGeolocationPermission(const rtl::TRef<ICefBrowser>&, const std::wstring&, int,
      const rtl::TRef<ICefGeolocationCallback>&) override { return false; }
  void OnCancelGeolocationPermission(const rtl::TRef<ICefBrowser>&, int) override {}
};

class TCefRenderHandlerOwn : public TCefOwn<cef_render_handler_t>, public virtual ICefRenderHandler {
public:
  TCefRenderHandlerOwn();
  bool GetRootScreenRect(const rtl::TRef<ICefBrowser>&, cef_rect_t*) override { return false; }
  bool GetViewRect(const rtl::TRef<ICefBrowser>&, cef_rect_t*) override { return false; }
  bool GetScreenPoint(const rtl::TRef<ICefBrowser>&, int, int, int&, int&) override { return false; }
  // entry left null: never called by the runtime
  bool GetScreenInfo(const rtl::TRef<ICefBrowser>&, cef_screen_info_t*) override { return false; }
  void OnPopupShow(const rtl::TRef<ICefBrowser>&, bool) override {}
  void OnPopupSize(const rtl::TRef<ICefBrowser>&, const cef_rect_t*) override {}
  void OnPaint(const rtl::TRef<ICefBrowser>&, cef_paint_element_type_t, size_t, const cef_rect_t*,
      const void*, int, int) override {}
  void OnCursorChange(const rtl::TRef<ICefBrowser>&, cef_cursor_handle_t, cef_cursor_type_t,
      const cef_cursor_info_t*) override {}
  bool StartDragging(const rtl::TRef<ICefBrowser>&, const rtl::TRef<ICefDragData>&,
      cef_drag_operations_mask_t, int, int) override { return false; }
  void UpdateDragCursor(const rtl::TRef<ICefBrowser>&, cef_drag_operations_mask_t) override {}
  void OnScrollOffsetChanged(const rtl::TRef<ICefBrowser>&, double, double) override {}
};

class TCefDragHandlerOwn : public TCefOwn<cef_drag_handler_t>, public virtual ICefDragHandler {
public:
  TCefDragHandlerOwn();
  bool OnDragEnter(const rtl::TRef<ICefBrowser>&, const rtl::TRef<ICefDragData>&,
      cef_drag_operations_mask_t) override { return false; }
  void OnDraggableRegionsChanged(const rtl::TRef<ICefBrowser>&, size_t,
      const cef_draggable_region_t*) override {}
};

class TCefFindHandlerOwn : public TCefOwn<cef_find_handler_t>, public virtual ICefFindHandler {
public:
  TCefFindHandlerOwn();
  void OnFindResult(const rtl::TRef<ICefBrowser>&, int, int, const cef_rect_t*, int, bool) override {}
};
