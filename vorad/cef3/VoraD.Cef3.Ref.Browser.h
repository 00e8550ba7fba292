#pragma once
// Ref classes. The browser and its frames: browser, host, frame, navigation entry.
#include <string>
#include <vector>

#include "vorad/cef3/VoraD.Cef3.Ref.h"

class TCefBrowserHostRef : public TCefRef<cef_browser_host_t, ICefBrowserHost> {
public:
  using TCefRef::TCefRef;
  rtl::TRef<ICefBrowser> GetBrowser() override { return Call<&C::get_browser>(); }
  void CloseBrowser(bool force_close) override { Call<&C::close_browser>(force_close); }
  void SetFocus(bool focus) override { Call<&C::set_focus>(focus); }
  void SetWindowVisibility(bool visible) override { Call<&C::set_window_visibility>(visible); }
  cef_window_handle_t GetWindowHandle() override { return Call<&C::get_window_handle>(); }
  cef_window_handle_t GetOpenerWindowHandle() override { return Call<&C::get_opener_window_handle>(); }
  rtl::TRef<ICefClient> GetClient() override { return Call<&C::get_client>(); }
  rtl::TRef<ICefRequestContext> GetRequestContext() override { return Call<&C::get_request_context>(); }
  double GetZoomLevel() override { return Call<&C::get_zoom_level>(); }
  void SetZoomLevel(double zoomLevel) override { Call<&C::set_zoom_level>(zoomLevel); }
  void RunFileDialog(cef_file_dialog_mode_t mode, const std::wstring& title,
      const std::wstring& default_file_path, const std::vector<std::wstring>& accept_filters,
      int selected_accept_filter, const rtl::TRef<ICefRunFileDialogCallback>& callback) override {
    Call<&C::run_file_dialog>(mode, title, default_file_path, accept_filters, selected_accept_filter, callback);
  }
  void StartDownload(const std::wstring& url) override { Call<&C::start_download>(url); }
  void Print() override { Call<&C::print>(); }
  void PrintToPdf(const std::wstring& path, const cef_pdf_print_settings_t* settings,
      const rtl::TRef<ICefPdfPrintCallback>& callback) override {
    Call<&C::print_to_pdf>(path, settings, callback);
  }
  void Find(int identifier, const std::wstring& searchText, bool forward, bool matchCase,
      bool findNext) override {
    Call<&C::find>(identifier, searchText, forward, matchCase, findNext);
  }
  void StopFinding(bool clearSelection) override { Call<&C::stop_finding>(clearSelection); }
  void ShowDevTools(const cef_window_info_t* windowInfo, const rtl::TRef<ICefClient>& client,
      const cef_browser_settings_t* settings, const cef_point_t* inspect_element_at) override {
    Call<&C::show_dev_tools>(windowInfo, client, settings, inspect_element_at);
  }
  void CloseDevTools() override { Call<&C::close_dev_tools>(); }
  void GetNavigationEntries(const rtl::TRef<ICefNavigationEntryVisitor>& visitor,
      bool current_only) override {
    Call<&C::get_navigation_entries>(visitor, current_only);
  }
  void SetMouseCursorChangeDisabled(bool disabled) override {
    Call<&C::set_mouse_cursor_change_disabled>(disabled);
  }
  bool IsMouseCursorChangeDisabled() override { return Call<&C::is_mouse_cursor_change_disabled>(); }
  void ReplaceMisspelling(const std::wstring& word) override { Call<&C::replace_misspelling>(word); }
  void AddWordToDictionary(const std::wstring& word) override { Call<&C::add_word_to_dictionary>(word); }
  bool IsWindowRenderingDisabled() override { return Call<&C::is_window_rendering_disabled>(); }
  void WasResized() override { Call<&C::was_resized>(); }
  void WasHidden(bool hidden) override { Call<&C::was_hidden>(hidden); }
  void NotifyScreenInfoChanged() override { Call<&C::notify_screen_info_changed>(); }
  void Invalidate(cef_paint_element_type_t type) override { Call<&C::invalidate>(type); }
  void SendKeyEvent(const cef_key_event_t* event) override { Call<&C::send_key_event>(event); }
  void SendMouseClickEvent(const cef_mouse_event_t* event, cef_mouse_button_type_t type,
      bool mouseUp, int clickCount) override {
    Call<&C::send_mouse_click_event>(event, type, mouseUp, clickCount);
  }
  void SendMouseMoveEvent(const cef_mouse_event_t* event, bool mouseLeave) override {
    Call<&C::send_mouse_move_event>(event, mouseLeave);
  }
  void SendMouseWheelEvent(const cef_mouse_event_t* event, int deltaX, int deltaY) override {
    Call<&C::send_mouse_wheel_event>(event, deltaX, deltaY);
  }
  void SendFocusEvent(bool setFocus) override { Call<&C::send_focus_event>(setFocus); }
  void SendCaptureLostEvent() override { Call<&C::send_capture_lost_event>(); }
  void NotifyMoveOrResizeStarted() override { Call<&C::notify_move_or_resize_started>(); }
  int GetWindowlessFrameRate() override { return Call<&C::get_windowless_frame_rate>(); }
  void SetWindowlessFrameRate(int frame_rate) override { Call<&C::set_windowless_frame_rate>(frame_rate); }
  cef_text_input_context_t GetNstextInputContext() override { return Call<&C::get_nstext_input_context>(); }
  void HandleKeyEventBeforeTextInputClient(cef_event_handle_t keyEvent) override {
    Call<&C::handle_key_event_before_text_input_client>(keyEvent);
  }
  void HandleKeyEventAfterTextInputClient(cef_event_handle_t keyEvent) override {
    Call<&C::handle_key_event_after_text_input_client>(keyEvent);
  }
  void DragTargetDragEnter(const rtl::TRef<ICefDragData>& drag_data, const cef_mouse_event_t* event,
      cef_drag_operations_mask_t allowed_ops) override {
    Call<&C::drag_target_drag_enter>(drag_data, event, allowed_ops);
  }
  void DragTargetDragOver(const cef_mouse_event_t* event,
      cef_drag_operations_mask_t allowed_ops) override {
    Call<&C::drag_target_drag_over>(event, allowed_ops);
  }
  void DragTargetDragLeave() override { Call<&C::drag_target_drag_leave>(); }
  void DragTargetDrop(const cef_mouse_event_t* event) override { Call<&C::drag_target_drop>(event); }
  void DragSourceEndedAt(int x, int y, cef_drag_operations_mask_t op) override {
    Call<&C::drag_source_ended_at>(x, y, op);
  }
  void DragSourceSystemDragEnded() override { Call<&C::drag_source_system_drag_ended>(); }
};

class TCefBrowserRef : public TCefRef<cef_browser_t, ICefBrowser> {
public:
  using TCefRef::TCefRef;
  rtl::TRef<ICefBrowserHost> GetHost() override { return Call<&C::get_host>(); }
  bool CanGoBack() override { return Call<&C::can_go_back>(); }
  void GoBack() override { Call<&C::go_back>(); }
  bool CanGoForward() override { return Call<&C::can_go_forward>(); }
  void GoForward() override { Call<&C::go_forward>(); }
  bool IsLoading() override { return Call<&C::is_loading>(); }
  void Reload() override { Call<&C::reload>(); }
  void ReloadIgnoreCache() override { Call<&C::reload_ignore_cache>(); }
  void StopLoad() override { Call<&C::stop_load>(); }
  int GetIdentifier() override { return Call<&C::get_identifier>(); }
  bool IsSame(const rtl::TRef<ICefBrowser>& that) override { return Call<&C::is_same>(that); }
  bool IsPopup() override { return Call<&C::is_popup>(); }
  bool HasDocument() override { return Call<&C::has_document>(); }
  rtl::TRef<ICefFrame> GetMainFrame() override { return Call<&C::get_main_frame>(); }
  rtl::TRef<ICefFrame> GetFocusedFrame() override { return Call<&C::get_focused_frame>(); }
  rtl::TRef<ICefFrame> GetFrameByident(int64_t identifier) override {
    return Call<&C::get_frame_byident>(identifier);
  }
  rtl::TRef<ICefFrame> GetFrame(const std::wstring& name) override { return Call<&C::get_frame>(name); }
  size_t GetFrameCount() override { return Call<&C::get_frame_count>(); }
  void GetFrameIdentifiers(std::vector<int64_t>& identifiers) override {
    CallCounted<&C::get_frame_identifiers, &C::get_frame_count>(identifiers);
  }
  void GetFrameNames(std::vector<std::wstring>& names) override { Call<&C::get_frame_names>(names); }
  bool SendProcessMessage(cef_process_id_t target_process,
      const rtl::TRef<ICefProcessMessage>& message) override {
    return Call<&C::send_process_message>(target_process, message);
  }
};

class TCefFrameRef : public TCefRef<cef_frame_t, ICefFrame> {
public:
  using TCefRef::TCefRef;
  bool IsValid() override { return Call<&C::is_valid>(); }
  void Undo() override { Call<&C::undo>(); }
  void Redo() override { Call<&C::redo>(); }
  void Cut() override { Call<&C::cut>(); }
  void Copy() override { Call<&C::copy>(); }
  void Paste() override { Call<&C::paste>(); }
  void Del() override { Call<&C::del>(); }
  void SelectAll() override { Call<&C::select_all>(); }
  void ViewSource() override { Call<&C::view_source>(); }
  void GetSource(const rtl::TRef<ICefStringVisitor>& visitor) override { Call<&C::get_source>(visitor); }
  void GetText(const rtl::TRef<ICefStringVisitor>& visitor) override { Call<&C::get_text>(visitor); }
  void LoadRequest(const rtl::TRef<ICefRequest>& request) override { Call<&C::load_request>(request); }
  void LoadUrl(const std::wstring& url) override { Call<&C::load_url>(url); }
  void LoadString(const std::wstring& string_val, const std::wstring& url) override {
    Call<&C::load_string>(string_val, url);
  }
  void ExecuteJavaScript(const std::wstring& code, const std::wstring& script_url,
      int start_line) override {
    Call<&C::execute_java_script>(code, script_url, start_line);
  }
  bool IsMain() override { return Call<&C::is_main>(); }
  bool IsFocused() override { return Call<&C::is_focused>(); }
  std::wstring GetName() override { return Call<&C::get_name>(); }
  int64_t GetIdentifier() override { return Call<&C::get_identifier>(); }
  rtl::TRef<ICefFrame> GetParent() override { return Call<&C::get_parent>(); }
  std::wstring GetUrl() override { return Call<&C::get_url>(); }
  rtl::TRef<ICefBrowser> GetBrowser() override { return Call<&C::get_browser>(); }
  rtl::TRef<ICefv8Context> GetV8context() override { return Call<&C::get_v8context>(); }
  void VisitDom(const rtl::TRef<ICefDomVisitor>& visitor) override { Call<&C::visit_dom>(visitor); }
};

class TCefNavigationEntryRef : public TCefRef<cef_navigation_entry_t, ICefNavigationEntry> {
public:
  using TCefRef::TCefRef;
  bool IsValid() override { return Call<&C::is_valid>(); }
  std::wstring GetUrl() override { return Call<&C::get_url>(); }
  std::wstring GetDisplayUrl() override { return Call<&C::get_display_url>(); }
  std::wstring GetOriginalUrl() override { return Call<&C::get_original_url>(); }
  std::wstring GetTitle() override { return Call<&C::get_title>(); }
  cef_transition_type_t GetTransitionType() override { return Call<&C::get_transition_type>(); }
  bool HasPostData() override { return Call<&C::has_post_data>(); }
  cef_time_t GetCompletionTime() override { return Call<&C::get_completion_time>(); }
  int GetHttpStatusCode() override { return Call<&C::get_http_status_code>(); }
};
