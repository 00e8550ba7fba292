// The Own classes' structures: each entry made from its operation (see VoraD.Cef3.Adapter.h).
#include "vorad/cef3/VoraD.Cef3.Own.Handlers.h"

#include "vorad/cef3/VoraD.Cef3.Adapter.h"

using cef3own::Fill;

TCefClientOwn::TCefClientOwn() {
  using S = cef_client_t;
  using T = TCefClientOwn;
  Fill<&S::get_context_menu_handler, &T::GetContextMenuHandler>(this);
  Fill<&S::get_dialog_handler, &T::GetDialogHandler>(this);
  Fill<&S::get_display_handler, &T::GetDisplayHandler>(this);
  Fill<&S::get_download_handler, &T::GetDownloadHandler>(this);
  Fill<&S::get_drag_handler, &T::GetDragHandler>(this);
  Fill<&S::get_find_handler, &T::GetFindHandler>(this);
  Fill<&S::get_focus_handler, &T::GetFocusHandler>(this);
  Fill<&S::get_geolocation_handler, &T::GetGeolocationHandler>(this);
  Fill<&S::get_jsdialog_handler, &T::GetJsdialogHandler>(this);
  Fill<&S::get_keyboard_handler, &T::GetKeyboardHandler>(this);
  Fill<&S::get_life_span_handler, &T::GetLifeSpanHandler>(this);
  Fill<&S::get_load_handler, &T::GetLoadHandler>(this);
  Fill<&S::get_render_handler, &T::GetRenderHandler>(this);
  Fill<&S::get_request_handler, &T::GetRequestHandler>(this);
  Fill<&S::on_process_message_received, &T::OnProcessMessageReceived>(this);
}

TCefLifeSpanHandlerOwn::TCefLifeSpanHandlerOwn() {
  using S = cef_life_span_handler_t;
  using T = TCefLifeSpanHandlerOwn;
  Fill<&S::on_before_popup, &T::OnBeforePopup>(this);
  Fill<&S::on_after_created, &T::OnAfterCreated>(this);
  // run_modal stays null: the runtime uses its own default
  Fill<&S::do_close, &T::DoClose>(this);
  Fill<&S::on_before_close, &T::OnBeforeClose>(this);
}

TCefLoadHandlerOwn::TCefLoadHandlerOwn() {
  using S = cef_load_handler_t;
  using T = TCefLoadHandlerOwn;
  Fill<&S::on_loading_state_change, &T::OnLoadingStateChange>(this);
  Fill<&S::on_load_start, &T::OnLoadStart>(this);
  Fill<&S::on_load_end, &T::OnLoadEnd>(this);
  Fill<&S::on_load_error, &T::OnLoadError>(this);
}

TCefRequestHandlerOwn::TCefRequestHandlerOwn() {
  using S = cef_request_handler_t;
  using T = TCefRequestHandlerOwn;
  Fill<&S::on_before_browse, &T::OnBeforeBrowse>(this);
  Fill<&S::on_open_urlfrom_tab, &T::OnOpenUrlfromTab>(this);
  // on_before_resource_load stays null: the runtime uses its own default
  Fill<&S::get_resource_handler, &T::GetResourceHandler>(this);
  Fill<&S::on_resource_redirect, &T::OnResourceRedirect>(this);
  Fill<&S::on_resource_response, &T::OnResourceResponse>(this);
  Fill<&S::get_resource_response_filter, &T::GetResourceResponseFilter>(this);
  Fill<&S::on_resource_load_complete, &T::OnResourceLoadComplete>(this);
  Fill<&S::get_auth_credentials, &T::GetAuthCredentials>(this);
  Fill<&S::on_quota_request, &T::OnQuotaRequest>(this);
  Fill<&S::on_protocol_execution, &T::OnProtocolExecution>(this);
  Fill<&S::on_certificate_error, &T::OnCertificateError>(this);
  Fill<&S::on_plugin_crashed, &T::OnPluginCrashed>(this);
  Fill<&S::on_render_view_ready, &T::OnRenderViewReady>(this);
  Fill<&S::on_render_process_terminated, &T::OnRenderProcessTerminated>(this);
}

TCefDisplayHandlerOwn::TCefDisplayHandlerOwn() {
  using S = cef_display_handler_t;
  using T = TCefDisplayHandlerOwn;
  Fill<&S::on_address_change, &T::OnAddressChange>(this);
  Fill<&S::on_title_change, &T::OnTitleChange>(this);
  Fill<&S::on_favicon_urlchange, &T::OnFaviconUrlchange>(this);
  Fill<&S::on_fullscreen_mode_change, &T::OnFullscreenModeChange>(this);
  Fill<&S::on_tooltip, &T::OnTooltip>(this);
  Fill<&S::on_status_message, &T::OnStatusMessage>(this);
  Fill<&S::on_console_message, &T::OnConsoleMessage>(this);
}

TCefFocusHandlerOwn::TCefFocusHandlerOwn() {
  using S = cef_focus_handler_t;
  using T = TCefFocusHandlerOwn;
  Fill<&S::on_take_focus, &T::OnTakeFocus>(this);
  Fill<&S::on_set_focus, &T::OnSetFocus>(this);
  Fill<&S::on_got_focus, &T::OnGotFocus>(this);
}

TCefKeyboardHandlerOwn::TCefKeyboardHandlerOwn() {
  using S = cef_keyboard_handler_t;
  using T = TCefKeyboardHandlerOwn;
  Fill<&S::on_pre_key_event, &T::OnPreKeyEvent>(this);
  Fill<&S::on_key_event, &T::OnKeyEvent>(this);
}

TCefJsDialogHandlerOwn::TCefJsDialogHandlerOwn() {
  using S = cef_jsdialog_handler_t;
  using T = TCefJsDialogHandlerOwn;
  Fill<&S::on_jsdialog, &T::OnJsdialog>(this);
  Fill<&S::on_before_unload_dialog, &T::OnBeforeUnloadDialog>(this);
  Fill<&S::on_reset_dialog_state, &T::OnResetDialogState>(this);
  Fill<&S::on_dialog_closed, &T::OnDialogClosed>(this);
}

TCefContextMenuHandlerOwn::TCefContextMenuHandlerOwn() {
  using S = cef_context_menu_handler_t;
  using T = TCefContextMenuHandlerOwn;
  Fill<&S::on_before_context_menu, &T::OnBeforeContextMenu>(this);
  Fill<&S::run_context_menu, &T::RunContextMenu>(this);
  Fill<&S::on_context_menu_command, &T::OnContextMenuCommand>(this);
  Fill<&S::on_context_menu_dismissed, &T::OnContextMenuDismissed>(this);
}

TCefDialogHandlerOwn::TCefDialogHandlerOwn() {
  Fill<&cef_dialog_handler_t::on_file_dialog, &TCefDialogHandlerOwn::OnFileDialog>(this);
}

TCefDownloadHandlerOwn::TCefDownloadHandlerOwn() {
  using S = cef_download_handler_t;
  using T = TCefDownloadHandlerOwn;
  Fill<&S::on_before_download, &T::OnBeforeDownload>(this);
  Fill<&S::on_download_updated, &T::OnDownloadUpdated>(this);
}

TCefGeolocationHandlerOwn::TCefGeolocationHandlerOwn() {
  using S = cef_geolocation_handler_t;
  using T = TCefGeolocationHandlerOwn;
  Fill<&S::on_request_geolocation_permission, &T::OnRequestGeolocationPermission>(this);
  Fill<&S::on_cancel_geolocation_permission, &T::OnCancelGeolocationPermission>(this);
}

TCefRenderHandlerOwn::TCefRenderHandlerOwn() {
  using S = cef_render_handler_t;
  using T = TCefRenderHandlerOwn;
  Fill<&S::get_root_screen_rect, &T::GetRootScreenRect>(this);
  Fill<&S::get_view_rect, &T::GetViewRect>(this);
  Fill<&S::get_screen_point, &T::GetScreenPoint>(this);
  // get_screen_info stays null: the runtime uses its own default
  Fill<&S::on_popup_show, &T::OnPopupShow>(this);
  Fill<&S::on_popup_size, &T::OnPopupSize>(this);
  Fill<&S::on_paint, &T::OnPaint>(this);
  Fill<&S::on_cursor_change, &T::OnCursorChange>(this);
  Fill<&S::start_dragging, &T::StartDragging>(this);
  Fill<&S::update_drag_cursor, &T::UpdateDragCursor>(this);
  Fill<&S::on_scroll_offset_changed, &T::OnScrollOffsetChanged>(this);
}

TCefDragHandlerOwn::TCefDragHandlerOwn() {
  using S = cef_drag_handler_t;
  using T = TCefDragHandlerOwn;
  Fill<&S::on_drag_enter, &T::OnDragEnter>(this);
  Fill<&S::on_draggable_regions_changed, &T::OnDraggableRegionsChanged>(this);
}

TCefFindHandlerOwn::TCefFindHandlerOwn() {
  Fill<&cef_find_handler_t::on_find_result, &TCefFindHandlerOwn::OnFindResult>(this);
}
