#pragma once
// Interfaces over the runtime structures: the browser, its host, frames, navigation entries.
// Part of VoraD.Cef3.Interfaces.h, which declares every name used here: include that header.

// cef_browser_host_t: runtime object.
#define VORAD_CEF3_BROWSER_HOST_OPS(X, W)                                                                   \
  X(rtl::TRef<ICefBrowser>, GetBrowser, (), get_browser, ())                                                \
  X(void, CloseBrowser, (bool force_close), close_browser, (force_close))                                   \
  X(void, SetFocus, (bool focus), set_focus, (focus))                                                       \
  X(void, SetWindowVisibility, (bool visible), set_window_visibility, (visible))                            \
  X(cef_window_handle_t, GetWindowHandle, (), get_window_handle, ())                                        \
  X(cef_window_handle_t, GetOpenerWindowHandle, (), get_opener_window_handle, ())                           \
  X(rtl::TRef<ICefClient>, GetClient, (), get_client, ())                                                   \
  X(rtl::TRef<ICefRequestContext>, GetRequestContext, (), get_request_context, ())                          \
  X(double, GetZoomLevel, (), get_zoom_level, ())                                                           \
  X(void, SetZoomLevel, (double zoomLevel), set_zoom_level, (zoomLevel))                                    \
  X(void, RunFileDialog, (cef_file_dialog_mode_t mode, const std::wstring& title,                           \
      const std::wstring& default_file_path, const std::vector<std::wstring>& accept_filters,               \
      int selected_accept_filter, const rtl::TRef<ICefRunFileDialogCallback>& callback),                    \
      run_file_dialog, (mode, title, default_file_path, accept_filters, selected_accept_filter, callback))  \
  X(void, StartDownload, (const std::wstring& url), start_download, (url))                                  \
  X(void, Print, (), print, ())                                                                             \
  X(void, PrintToPdf, (const std::wstring& path, const cef_pdf_print_settings_t* settings,                  \
      const rtl::TRef<ICefPdfPrintCallback>& callback), print_to_pdf, (path, settings, callback))           \
  X(void, Find, (int identifier, const std::wstring& searchText, bool forward, bool matchCase,              \
      bool findNext), find, (identifier, searchText, forward, matchCase, findNext))                         \
  X(void, StopFinding, (bool clearSelection), stop_finding, (clearSelection))                               \
  X(void, ShowDevTools, (const cef_window_info_t* windowInfo, const rtl::TRef<ICefClient>& client,          \
      const cef_browser_settings_t* settings, const cef_point_t* inspect_element_at),                       \
      show_dev_tools, (windowInfo, client, settings, inspect_element_at))                                   \
  X(void, CloseDevTools, (), close_dev_tools, ())                                                           \
  X(void, GetNavigationEntries, (const rtl::TRef<ICefNavigationEntryVisitor>& visitor, bool current_only),  \
      get_navigation_entries, (visitor, current_only))                                                      \
  X(void, SetMouseCursorChangeDisabled, (bool disabled), set_mouse_cursor_change_disabled, (disabled))      \
  X(bool, IsMouseCursorChangeDisabled, (), is_mouse_cursor_change_disabled, ())                             \
  X(void, ReplaceMisspelling, (const std::wstring& word), replace_misspelling, (word))                      \
  X(void, AddWordToDictionary, (const std::wstring& word), add_word_to_dictionary, (word))                  \
  X(bool, IsWindowRenderingDisabled, (), is_window_rendering_disabled, ())                                  \
  X(void, WasResized, (), was_resized, ())                                                                  \
  X(void, WasHidden, (bool hidden), was_hidden, (hidden))                                                   \
  X(void, NotifyScreenInfoChanged, (), notify_screen_info_changed, ())                                      \
  X(void, Invalidate, (cef_paint_element_type_t type), invalidate, (type))                                  \
  X(void, SendKeyEvent, (const cef_key_event_t* event), send_key_event, (event))                            \
  X(void, SendMouseClickEvent, (const cef_mouse_event_t* event, cef_mouse_button_type_t type, bool mouseUp, \
      int clickCount), send_mouse_click_event, (event, type, mouseUp, clickCount))                          \
  X(void, SendMouseMoveEvent, (const cef_mouse_event_t* event, bool mouseLeave),                            \
      send_mouse_move_event, (event, mouseLeave))                                                           \
  X(void, SendMouseWheelEvent, (const cef_mouse_event_t* event, int deltaX, int deltaY),                    \
      send_mouse_wheel_event, (event, deltaX, deltaY))                                                      \
  X(void, SendFocusEvent, (bool setFocus), send_focus_event, (setFocus))                                    \
  X(void, SendCaptureLostEvent, (), send_capture_lost_event, ())                                            \
  X(void, NotifyMoveOrResizeStarted, (), notify_move_or_resize_started, ())                                 \
  X(int, GetWindowlessFrameRate, (), get_windowless_frame_rate, ())                                         \
  X(void, SetWindowlessFrameRate, (int frame_rate), set_windowless_frame_rate, (frame_rate))                \
  X(cef_text_input_context_t, GetNstextInputContext, (), get_nstext_input_context, ())                      \
  X(void, HandleKeyEventBeforeTextInputClient, (cef_event_handle_t keyEvent),                               \
      handle_key_event_before_text_input_client, (keyEvent))                                                \
  X(void, HandleKeyEventAfterTextInputClient, (cef_event_handle_t keyEvent),                                \
      handle_key_event_after_text_input_client, (keyEvent))                                                 \
  X(void, DragTargetDragEnter, (const rtl::TRef<ICefDragData>& drag_data, const cef_mouse_event_t* event,   \
      cef_drag_operations_mask_t allowed_ops), drag_target_drag_enter, (drag_data, event, allowed_ops))     \
  X(void, DragTargetDragOver, (const cef_mouse_event_t* event, cef_drag_operations_mask_t allowed_ops),     \
      drag_target_drag_over, (event, allowed_ops))                                                          \
  X(void, DragTargetDragLeave, (), drag_target_drag_leave, ())                                              \
  X(void, DragTargetDrop, (const cef_mouse_event_t* event), drag_target_drop, (event))                      \
  X(void, DragSourceEndedAt, (int x, int y, cef_drag_operations_mask_t op),                                 \
      drag_source_ended_at, (x, y, op))                                                                     \
  X(void, DragSourceSystemDragEnded, (), drag_source_system_drag_ended, ())
class ICefBrowserHost : public virtual ICefBase {
public:
  VORAD_CEF3_BROWSER_HOST_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_browser_t: runtime object.
#define VORAD_CEF3_BROWSER_OPS(X, W)                                                                  \
  X(rtl::TRef<ICefBrowserHost>, GetHost, (), get_host, ())                                            \
  X(bool, CanGoBack, (), can_go_back, ())                                                             \
  X(void, GoBack, (), go_back, ())                                                                    \
  X(bool, CanGoForward, (), can_go_forward, ())                                                       \
  X(void, GoForward, (), go_forward, ())                                                              \
  X(bool, IsLoading, (), is_loading, ())                                                              \
  X(void, Reload, (), reload, ())                                                                     \
  X(void, ReloadIgnoreCache, (), reload_ignore_cache, ())                                             \
  X(void, StopLoad, (), stop_load, ())                                                                \
  X(int, GetIdentifier, (), get_identifier, ())                                                       \
  X(bool, IsSame, (const rtl::TRef<ICefBrowser>& that), is_same, (that))                              \
  X(bool, IsPopup, (), is_popup, ())                                                                  \
  X(bool, HasDocument, (), has_document, ())                                                          \
  X(rtl::TRef<ICefFrame>, GetMainFrame, (), get_main_frame, ())                                       \
  X(rtl::TRef<ICefFrame>, GetFocusedFrame, (), get_focused_frame, ())                                 \
  X(rtl::TRef<ICefFrame>, GetFrameByident, (int64_t identifier), get_frame_byident, (identifier))     \
  X(rtl::TRef<ICefFrame>, GetFrame, (const std::wstring& name), get_frame, (name))                    \
  X(size_t, GetFrameCount, (), get_frame_count, ())                                                   \
  W(void, GetFrameIdentifiers, (std::vector<int64_t>& identifiers))                                   \
  X(void, GetFrameNames, (std::vector<std::wstring>& names), get_frame_names, (names))                \
  X(bool, SendProcessMessage, (cef_process_id_t target_process,                                       \
      const rtl::TRef<ICefProcessMessage>& message), send_process_message, (target_process, message))
class ICefBrowser : public virtual ICefBase {
public:
  VORAD_CEF3_BROWSER_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_frame_t: runtime object.
#define VORAD_CEF3_FRAME_OPS(X, W)                                                                       \
  X(bool, IsValid, (), is_valid, ())                                                                     \
  X(void, Undo, (), undo, ())                                                                            \
  X(void, Redo, (), redo, ())                                                                            \
  X(void, Cut, (), cut, ())                                                                              \
  X(void, Copy, (), copy, ())                                                                            \
  X(void, Paste, (), paste, ())                                                                          \
  X(void, Del, (), del, ())                                                                              \
  X(void, SelectAll, (), select_all, ())                                                                 \
  X(void, ViewSource, (), view_source, ())                                                               \
  X(void, GetSource, (const rtl::TRef<ICefStringVisitor>& visitor), get_source, (visitor))               \
  X(void, GetText, (const rtl::TRef<ICefStringVisitor>& visitor), get_text, (visitor))                   \
  X(void, LoadRequest, (const rtl::TRef<ICefRequest>& request), load_request, (request))                 \
  X(void, LoadUrl, (const std::wstring& url), load_url, (url))                                           \
  X(void, LoadString, (const std::wstring& string_val, const std::wstring& url),                         \
      load_string, (string_val, url))                                                                    \
  X(void, ExecuteJavaScript, (const std::wstring& code, const std::wstring& script_url, int start_line), \
      execute_java_script, (code, script_url, start_line))                                               \
  X(bool, IsMain, (), is_main, ())                                                                       \
  X(bool, IsFocused, (), is_focused, ())                                                                 \
  X(std::wstring, GetName, (), get_name, ())                                                             \
  X(int64_t, GetIdentifier, (), get_identifier, ())                                                      \
  X(rtl::TRef<ICefFrame>, GetParent, (), get_parent, ())                                                 \
  X(std::wstring, GetUrl, (), get_url, ())                                                               \
  X(rtl::TRef<ICefBrowser>, GetBrowser, (), get_browser, ())                                             \
  X(rtl::TRef<ICefv8Context>, GetV8context, (), get_v8context, ())                                       \
  X(void, VisitDom, (const rtl::TRef<ICefDomVisitor>& visitor), visit_dom, (visitor))
class ICefFrame : public virtual ICefBase {
public:
  VORAD_CEF3_FRAME_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_navigation_entry_t: runtime object.
#define VORAD_CEF3_NAVIGATION_ENTRY_OPS(X, W)                              \
  X(bool, IsValid, (), is_valid, ())                                       \
  X(std::wstring, GetUrl, (), get_url, ())                                 \
  X(std::wstring, GetDisplayUrl, (), get_display_url, ())                  \
  X(std::wstring, GetOriginalUrl, (), get_original_url, ())                \
  X(std::wstring, GetTitle, (), get_title, ())                             \
  X(cef_transition_type_t, GetTransitionType, (), get_transition_type, ()) \
  X(bool, HasPostData, (), has_post_data, ())                              \
  X(cef_time_t, GetCompletionTime, (), get_completion_time, ())            \
  X(int, GetHttpStatusCode, (), get_http_status_code, ())
class ICefNavigationEntry : public virtual ICefBase {
public:
  VORAD_CEF3_NAVIGATION_ENTRY_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};
