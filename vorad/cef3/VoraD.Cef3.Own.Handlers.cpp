// The Own classes' structures: each entry made from its operation (see VoraD.Cef3.Adapter.h).
#include "vorad/cef3/VoraD.Cef3.Own.Handlers.h"

#include "vorad/cef3/VoraD.Cef3.Adapter.h"

using cef3own::Fill;

TCefClientOwn::TCefClientOwn() {
  using S = cef_client_t;
  using T = TCefClientOwn;
  Fill<&S::get_context_menu_handler, &T::GetContextMenuHandler>(Data());
  Fill<&S::get_dialog_handler, &T::GetDialogHandler>(Data());
  Fill<&S::get_display_handler, &T::GetDisplayHandler>(Data());
  Fill<&S::get_download_handler, &T::GetDownloadHandler>(Data());
  Fill<&S::get_drag_handler, &T::GetDragHandler>(Data());
  Fill<&S::get_find_handler, &T::GetFindHandler>(Data());
  Fill<&S::get_focus_handler, &T::GetFocusHandler>(Data());
  Fill<&S::get_geolocation_handler, &T::GetGeolocationHandler>(Data());
  Fill<&S::get_jsdialog_handler, &T::GetJsdialogHandler>(Data());
  Fill<&S::get_keyboard_handler, &T::GetKeyboardHandler>(Data());
  Fill<&S::get_life_span_handler, &T::GetLifeSpanHandler>(Data());
  Fill<&S::get_load_handler, &T::GetLoadHandler>(Data());
  Fill<&S::get_render_handler, &T::GetRenderHandler>(Data());
  Fill<&S::get_request_handler, &T::GetRequestHandler>(Data());
  Fill<&S::on_process_message_received, &T::OnProcessMessageReceived>(Data());
}

TCefLifeSpanHandlerOwn::TCefLifeSpanHandlerOwn() {
  using S = cef_life_span_handler_t;
  using T = TCefLifeSpanHandlerOwn;
  Fill<&S::on_before_popup, &T::OnBeforePopup>(Data());
  Fill<&S::on_after_created, &T::OnAfterCreated>(Data());
  // run_modal stays null: the runtime uses its own default
  Fill<&S::do_close, &T::DoClose>(Data());
  Fill<&S::on_before_close, &T::OnBeforeClose>(Data());
}

TCefLoadHandlerOwn::TCefLoadHandlerOwn() {
  using S = cef_load_handler_t;
  using T = TCefLoadHandlerOwn;
  Fill<&S::on_loading_state_change, &T::OnLoadingStateChange>(Data());
  Fill<&S::on_load_start, &T::OnLoadStart>(Data());
  Fill<&S::on_load_end, &T::OnLoadEnd>(Data());
  Fill<&S::on_load_error, &T::OnLoadError>(Data());
}

TCefRequestHandlerOwn::TCefRequestHandlerOwn() {
  using S = cef_request_handler_t;
  using T = TCefRequestHandlerOwn;
  Fill<&S::on_before_browse, &T::OnBeforeBrowse>(Data());
  Fill<&S::on_open_urlfrom_tab, &T::OnOpenUrlfromTab>(Data());
  // on_before_resource_load stays null: the runtime uses its own default
  Fill<&S::get_resource_handler, &T::GetResourceHandler>(Data());
  Fill<&S::on_resource_redirect, &T::OnResourceRedirect>(Data());
  Fill<&S::on_resource_response, &T::OnResourceResponse>(Data());
  Fill<&S::get_resource_response_filter, &T::GetResourceResponseFilter>(Data());
  Fill<&S::on_resource_load_complete, &T::OnResourceLoadComplete>(Data());
  Fill<&S::get_auth_credentials, &T::GetAuthCredentials>(Data());
  Fill<&S::on_quota_request, &T::OnQuotaRequest>(Data());
  Fill<&S::on_protocol_execution, &T::OnProtocolExecution>(Data());
  Fill<&S::on_certificate_error, &T::OnCertificateError>(Data());
  Fill<&S::on_plugin_crashed, &T::OnPluginCrashed>(Data());
  Fill<&S::on_render_view_ready, &T::OnRenderViewReady>(Data());
  Fill<&S::on_render_process_terminated, &T::OnRenderProcessTerminated>(Data());
}

TCefDisplayHandlerOwn::TCefDisplayHandlerOwn() {
  using S = cef_display_handler_t;
  using T = TCefDisplayHandlerOwn;
  Fill<&S::on_address_change, &T::OnAddressChange>(Data());
  Fill<&S::on_title_change, &T::OnTitleChange>(Data());
  Fill<&S::on_favicon_urlchange, &T::OnFaviconUrlchange>(Data());
  Fill<&S::on_fullscreen_mode_change, &T::OnFullscreenModeChange>(Data());
  Fill<&S::on_tooltip, &T::OnTooltip>(Data());
  Fill<&S::on_status_message, &T::OnStatusMessage>(Data());
  Fill<&S::on_console_message, &T::OnConsoleMessage>(Data());
}

TCefFocusHandlerOwn::TCefFocusHandlerOwn() {
  using S = cef_focus_handler_t;
  using T = TCefFocusHandlerOwn;
  Fill<&S::on_take_focus, &T::OnTakeFocus>(Data());
  Fill<&S::on_set_focus, &T::OnSetFocus>(Data());
  Fill<&S::on_got_focus, &T::OnGotFocus>(Data());
}

TCefKeyboardHandlerOwn::TCefKeyboardHandlerOwn() {
  using S = cef_keyboard_handler_t;
  using T = TCefKeyboardHandlerOwn;
  Fill<&S::on_pre_key_event, &T::OnPreKeyEvent>(Data());
  Fill<&S::on_key_event, &T::OnKeyEvent>(Data());
}

TCefJsDialogHandlerOwn::TCefJsDialogHandlerOwn() {
  using S = cef_jsdialog_handler_t;
  using T = TCefJsDialogHandlerOwn;
  Fill<&S::on_jsdialog, &T::OnJsdialog>(Data());
  Fill<&S::on_before_unload_dialog, &T::OnBeforeUnloadDialog>(Data());
  Fill<&S::on_reset_dialog_state, &T::OnResetDialogState>(Data());
  Fill<&S::on_dialog_closed, &T::OnDialogClosed>(Data());
}

TCefContextMenuHandlerOwn::TCefContextMenuHandlerOwn() {
  using S = cef_context_menu_handler_t;
  using T = TCefContextMenuHandlerOwn;
  Fill<&S::on_before_context_menu, &T::OnBeforeContextMenu>(Data());
  Fill<&S::run_context_menu, &T::RunContextMenu>(Data());
  Fill<&S::on_context_menu_command, &T::OnContextMenuCommand>(Data());
  Fill<&S::on_context_menu_dismissed, &T::OnContextMenuDismissed>(Data());
}

TCefDialogHandlerOwn::TCefDialogHandlerOwn() {
  Fill<&cef_dialog_handler_t::on_file_dialog, &TCefDialogHandlerOwn::OnFileDialog>(Data());
}

TCefDownloadHandlerOwn::TCefDownloadHandlerOwn() {
  using S = cef_download_handler_t;
  using T = TCefDownloadHandlerOwn;
  Fill<&S::on_before_download, &T::OnBeforeDownload>(Data());
  Fill<&S::on_download_updated, &T::OnDownloadUpdated>(Data());
}

TCefGeolocationHandlerOwn::TCefGeolocationHandlerOwn() {
  using S = cef_geolocation_handler_t;
  using T = TCefGeolocationHandlerOwn;
  Fill<&S::on_request_geolocation_permission, &T::OnRequestGeolocationPermission>(Data());
  Fill<&S::on_cancel_geolocation_permission, &T::OnCancelGeolocationPermission>(Data());
}

TCefRenderHandlerOwn::TCefRenderHandlerOwn() {
  using S = cef_render_handler_t;
  using T = TCefRenderHandlerOwn;
  Fill<&S::get_root_screen_rect, &T::GetRootScreenRect>(Data());
  Fill<&S::get_view_rect, &T::GetViewRect>(Data());
  Fill<&S::get_screen_point, &T::GetScreenPoint>(Data());
  // get_screen_info stays null: the runtime uses its own default
  Fill<&S::on_popup_show, &T::OnPopupShow>(Data());
  Fill<&S::on_popup_size, &T::OnPopupSize>(Data());
  Fill<&S::on_paint, &T::OnPaint>(Data());
  Fill<&S::on_cursor_change, &T::OnCursorChange>(Data());
  Fill<&S::start_dragging, &T::StartDragging>(Data());
  Fill<&S::update_drag_cursor, &T::UpdateDragCursor>(Data());
  Fill<&S::on_scroll_offset_changed, &T::OnScrollOffsetChanged>(Data());
}

TCefDragHandlerOwn::TCefDragHandlerOwn() {
  using S = cef_drag_handler_t;
  using T = TCefDragHandlerOwn;
  Fill<&S::on_drag_enter, &T::OnDragEnter>(Data());
  Fill<&S::on_draggable_regions_changed, &T::OnDraggableRegionsChanged>(Data());
}

TCefFindHandlerOwn::TCefFindHandlerOwn() {
  Fill<&cef_find_handler_t::on_find_result, &TCefFindHandlerOwn::OnFindResult>(Data());
}
