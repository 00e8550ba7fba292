// The table of each Own class (FillEntries): each entry made from its operation (Adapter.h).
#include "vorad/cef3/VoraD.Cef3.Own.Handlers.h"

#include "vorad/cef3/VoraD.Cef3.Adapter.h"

using cef3own::Fill;

void FillEntries(TCefClientOwn* self) {
  using S = cef_client_t;
  using T = TCefClientOwn;
  Fill<&S::get_context_menu_handler, &T::GetContextMenuHandler>(self);
  Fill<&S::get_dialog_handler, &T::GetDialogHandler>(self);
  Fill<&S::get_display_handler, &T::GetDisplayHandler>(self);
  Fill<&S::get_download_handler, &T::GetDownloadHandler>(self);
  Fill<&S::get_drag_handler, &T::GetDragHandler>(self);
  Fill<&S::get_find_handler, &T::GetFindHandler>(self);
  Fill<&S::get_focus_handler, &T::GetFocusHandler>(self);
  Fill<&S::get_geolocation_handler, &T::GetGeolocationHandler>(self);
  Fill<&S::get_jsdialog_handler, &T::GetJsdialogHandler>(self);
  Fill<&S::get_keyboard_handler, &T::GetKeyboardHandler>(self);
  Fill<&S::get_life_span_handler, &T::GetLifeSpanHandler>(self);
  Fill<&S::get_load_handler, &T::GetLoadHandler>(self);
  Fill<&S::get_render_handler, &T::GetRenderHandler>(self);
  Fill<&S::get_request_handler, &T::GetRequestHandler>(self);
  Fill<&S::on_process_message_received, &T::OnProcessMessageReceived>(self);
}

void FillEntries(TCefLifeSpanHandlerOwn* self) {
  using S = cef_life_span_handler_t;
  using T = TCefLifeSpanHandlerOwn;
  Fill<&S::on_before_popup, &T::OnBeforePopup>(self);
  Fill<&S::on_after_created, &T::OnAfterCreated>(self);
  // run_modal stays null: the runtime uses its own default
  Fill<&S::do_close, &T::DoClose>(self);
  Fill<&S::on_before_close, &T::OnBeforeClose>(self);
}

void FillEntries(TCefLoadHandlerOwn* self) {
  using S = cef_load_handler_t;
  using T = TCefLoadHandlerOwn;
  Fill<&S::on_loading_state_change, &T::OnLoadingStateChange>(self);
  Fill<&S::on_load_start, &T::OnLoadStart>(self);
  Fill<&S::on_load_end, &T::OnLoadEnd>(self);
  Fill<&S::on_load_error, &T::OnLoadError>(self);
}

void FillEntries(TCefRequestHandlerOwn* self) {
  using S = cef_request_handler_t;
  using T = TCefRequestHandlerOwn;
  Fill<&S::on_before_browse, &T::OnBeforeBrowse>(self);
  Fill<&S::on_open_urlfrom_tab, &T::OnOpenUrlfromTab>(self);
  // on_before_resource_load stays null: the runtime uses its own default
  Fill<&S::get_resource_handler, &T::GetResourceHandler>(self);
  Fill<&S::on_resource_redirect, &T::OnResourceRedirect>(self);
  Fill<&S::on_resource_response, &T::OnResourceResponse>(self);
  Fill<&S::get_resource_response_filter, &T::GetResourceResponseFilter>(self);
  Fill<&S::on_resource_load_complete, &T::OnResourceLoadComplete>(self);
  Fill<&S::get_auth_credentials, &T::GetAuthCredentials>(self);
  Fill<&S::on_quota_request, &T::OnQuotaRequest>(self);
  Fill<&S::on_protocol_execution, &T::OnProtocolExecution>(self);
  Fill<&S::on_certificate_error, &T::OnCertificateError>(self);
  Fill<&S::on_plugin_crashed, &T::OnPluginCrashed>(self);
  Fill<&S::on_render_view_ready, &T::OnRenderViewReady>(self);
  Fill<&S::on_render_process_terminated, &T::OnRenderProcessTerminated>(self);
}

void FillEntries(TCefDisplayHandlerOwn* self) {
  using S = cef_display_handler_t;
  using T = TCefDisplayHandlerOwn;
  Fill<&S::on_address_change, &T::OnAddressChange>(self);
  Fill<&S::on_title_change, &T::OnTitleChange>(self);
  Fill<&S::on_favicon_urlchange, &T::OnFaviconUrlchange>(self);
  Fill<&S::on_fullscreen_mode_change, &T::OnFullscreenModeChange>(self);
  Fill<&S::on_tooltip, &T::OnTooltip>(self);
  Fill<&S::on_status_message, &T::OnStatusMessage>(self);
  Fill<&S::on_console_message, &T::OnConsoleMessage>(self);
}

void FillEntries(TCefFocusHandlerOwn* self) {
  using S = cef_focus_handler_t;
  using T = TCefFocusHandlerOwn;
  Fill<&S::on_take_focus, &T::OnTakeFocus>(self);
  Fill<&S::on_set_focus, &T::OnSetFocus>(self);
  Fill<&S::on_got_focus, &T::OnGotFocus>(self);
}

void FillEntries(TCefKeyboardHandlerOwn* self) {
  using S = cef_keyboard_handler_t;
  using T = TCefKeyboardHandlerOwn;
  Fill<&S::on_pre_key_event, &T::OnPreKeyEvent>(self);
  Fill<&S::on_key_event, &T::OnKeyEvent>(self);
}

void FillEntries(TCefJsDialogHandlerOwn* self) {
  using S = cef_jsdialog_handler_t;
  using T = TCefJsDialogHandlerOwn;
  Fill<&S::on_jsdialog, &T::OnJsdialog>(self);
  Fill<&S::on_before_unload_dialog, &T::OnBeforeUnloadDialog>(self);
  Fill<&S::on_reset_dialog_state, &T::OnResetDialogState>(self);
  Fill<&S::on_dialog_closed, &T::OnDialogClosed>(self);
}

void FillEntries(TCefContextMenuHandlerOwn* self) {
  using S = cef_context_menu_handler_t;
  using T = TCefContextMenuHandlerOwn;
  Fill<&S::on_before_context_menu, &T::OnBeforeContextMenu>(self);
  Fill<&S::run_context_menu, &T::RunContextMenu>(self);
  Fill<&S::on_context_menu_command, &T::OnContextMenuCommand>(self);
  Fill<&S::on_context_menu_dismissed, &T::OnContextMenuDismissed>(self);
}

void FillEntries(TCefDialogHandlerOwn* self) {
  Fill<&cef_dialog_handler_t::on_file_dialog, &TCefDialogHandlerOwn::OnFileDialog>(self);
}

void FillEntries(TCefDownloadHandlerOwn* self) {
  using S = cef_download_handler_t;
  using T = TCefDownloadHandlerOwn;
  Fill<&S::on_before_download, &T::OnBeforeDownload>(self);
  Fill<&S::on_download_updated, &T::OnDownloadUpdated>(self);
}

void FillEntries(TCefGeolocationHandlerOwn* self) {
  using S = cef_geolocation_handler_t;
  using T = TCefGeolocationHandlerOwn;
  Fill<&S::on_request_geolocation_permission, &T::OnRequestGeolocationPermission>(self);
  Fill<&S::on_cancel_geolocation_permission, &T::OnCancelGeolocationPermission>(self);
}

void FillEntries(TCefRenderHandlerOwn* self) {
  using S = cef_render_handler_t;
  using T = TCefRenderHandlerOwn;
  Fill<&S::get_root_screen_rect, &T::GetRootScreenRect>(self);
  Fill<&S::get_view_rect, &T::GetViewRect>(self);
  Fill<&S::get_screen_point, &T::GetScreenPoint>(self);
  // get_screen_info stays null: the runtime uses its own default
  Fill<&S::on_popup_show, &T::OnPopupShow>(self);
  Fill<&S::on_popup_size, &T::OnPopupSize>(self);
  Fill<&S::on_paint, &T::OnPaint>(self);
  Fill<&S::on_cursor_change, &T::OnCursorChange>(self);
  Fill<&S::start_dragging, &T::StartDragging>(self);
  Fill<&S::update_drag_cursor, &T::UpdateDragCursor>(self);
  Fill<&S::on_scroll_offset_changed, &T::OnScrollOffsetChanged>(self);
}

void FillEntries(TCefDragHandlerOwn* self) {
  using S = cef_drag_handler_t;
  using T = TCefDragHandlerOwn;
  Fill<&S::on_drag_enter, &T::OnDragEnter>(self);
  Fill<&S::on_draggable_regions_changed, &T::OnDraggableRegionsChanged>(self);
}

void FillEntries(TCefFindHandlerOwn* self) {
  Fill<&cef_find_handler_t::on_find_result, &TCefFindHandlerOwn::OnFindResult>(self);
}
