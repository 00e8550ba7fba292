// Ref classes: each operation takes the structure, converts the arguments (views of strings,
// wrapped objects), calls the entry and adopts or copies the result.
#include <algorithm>

#include "vorad/cef3/VoraD.Cef3.Classes.h"

// ---- TCefBrowserHostRef

rtl::TRef<ICefBrowserHost> TCefBrowserHostRef::UnWrap(cef_browser_host_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefBrowserHost>(new TCefBrowserHostRef(data));
}

rtl::TRef<ICefBrowser> TCefBrowserHostRef::GetBrowser() {
  cef_browser_host_t* self_ = Data();
  if (!self_->get_browser) return nullptr;
  auto result_ = self_->get_browser(self_);
  auto converted_ = TCefBrowserRef::UnWrap(result_);
  return converted_;
}

void TCefBrowserHostRef::CloseBrowser(bool force_close) {
  cef_browser_host_t* self_ = Data();
  if (!self_->close_browser) return;
  self_->close_browser(self_, force_close ? 1 : 0);
}

void TCefBrowserHostRef::SetFocus(bool focus) {
  cef_browser_host_t* self_ = Data();
  if (!self_->set_focus) return;
  self_->set_focus(self_, focus ? 1 : 0);
}

void TCefBrowserHostRef::SetWindowVisibility(bool visible) {
  cef_browser_host_t* self_ = Data();
  if (!self_->set_window_visibility) return;
  self_->set_window_visibility(self_, visible ? 1 : 0);
}

cef_window_handle_t TCefBrowserHostRef::GetWindowHandle() {
  cef_browser_host_t* self_ = Data();
  if (!self_->get_window_handle) return {};
  return self_->get_window_handle(self_);
}

cef_window_handle_t TCefBrowserHostRef::GetOpenerWindowHandle() {
  cef_browser_host_t* self_ = Data();
  if (!self_->get_opener_window_handle) return {};
  return self_->get_opener_window_handle(self_);
}

rtl::TRef<ICefClient> TCefBrowserHostRef::GetClient() {
  cef_browser_host_t* self_ = Data();
  if (!self_->get_client) return nullptr;
  auto result_ = self_->get_client(self_);
  auto converted_ = TCef3Helper::AdoptOwn<ICefClient>(result_);
  return converted_;
}

rtl::TRef<ICefRequestContext> TCefBrowserHostRef::GetRequestContext() {
  cef_browser_host_t* self_ = Data();
  if (!self_->get_request_context) return nullptr;
  auto result_ = self_->get_request_context(self_);
  auto converted_ = TCefRequestContextRef::UnWrap(result_);
  return converted_;
}

double TCefBrowserHostRef::GetZoomLevel() {
  cef_browser_host_t* self_ = Data();
  if (!self_->get_zoom_level) return {};
  return self_->get_zoom_level(self_);
}

void TCefBrowserHostRef::SetZoomLevel(double zoomLevel) {
  cef_browser_host_t* self_ = Data();
  if (!self_->set_zoom_level) return;
  self_->set_zoom_level(self_, zoomLevel);
}

void TCefBrowserHostRef::RunFileDialog(cef_file_dialog_mode_t mode, const std::wstring& title,
    const std::wstring& default_file_path, const std::vector<std::wstring>& accept_filters,
    int selected_accept_filter, const rtl::TRef<ICefRunFileDialogCallback>& callback) {
  cef_browser_host_t* self_ = Data();
  if (!self_->run_file_dialog) return;
  const cef_string_t title_ = TCef3Helper::CefString(title);
  const cef_string_t default_file_path_ = TCef3Helper::CefString(default_file_path);
  TCefStringListArg accept_filters_(accept_filters);
  self_->run_file_dialog(self_, mode, &title_, &default_file_path_, accept_filters_.Handle(),
      selected_accept_filter,
      static_cast<cef_run_file_dialog_callback_t*>(TCef3Helper::CefGetData(callback.Get())));
}

void TCefBrowserHostRef::StartDownload(const std::wstring& url) {
  cef_browser_host_t* self_ = Data();
  if (!self_->start_download) return;
  const cef_string_t url_ = TCef3Helper::CefString(url);
  self_->start_download(self_, &url_);
}

void TCefBrowserHostRef::Print() {
  cef_browser_host_t* self_ = Data();
  if (!self_->print) return;
  self_->print(self_);
}

void TCefBrowserHostRef::PrintToPdf(const std::wstring& path,
    const cef_pdf_print_settings_t* settings, const rtl::TRef<ICefPdfPrintCallback>& callback) {
  cef_browser_host_t* self_ = Data();
  if (!self_->print_to_pdf) return;
  const cef_string_t path_ = TCef3Helper::CefString(path);
  self_->print_to_pdf(self_, &path_, settings,
      static_cast<cef_pdf_print_callback_t*>(TCef3Helper::CefGetData(callback.Get())));
}

void TCefBrowserHostRef::Find(int identifier, const std::wstring& searchText, bool forward,
    bool matchCase, bool findNext) {
  cef_browser_host_t* self_ = Data();
  if (!self_->find) return;
  const cef_string_t searchText_ = TCef3Helper::CefString(searchText);
  self_->find(self_, identifier, &searchText_, forward ? 1 : 0, matchCase ? 1 : 0,
      findNext ? 1 : 0);
}

void TCefBrowserHostRef::StopFinding(bool clearSelection) {
  cef_browser_host_t* self_ = Data();
  if (!self_->stop_finding) return;
  self_->stop_finding(self_, clearSelection ? 1 : 0);
}

void TCefBrowserHostRef::ShowDevTools(const cef_window_info_t* windowInfo,
    const rtl::TRef<ICefClient>& client, const cef_browser_settings_t* settings,
    const cef_point_t* inspect_element_at) {
  cef_browser_host_t* self_ = Data();
  if (!self_->show_dev_tools) return;
  self_->show_dev_tools(self_, windowInfo,
      static_cast<cef_client_t*>(TCef3Helper::CefGetData(client.Get())), settings,
      inspect_element_at);
}

void TCefBrowserHostRef::CloseDevTools() {
  cef_browser_host_t* self_ = Data();
  if (!self_->close_dev_tools) return;
  self_->close_dev_tools(self_);
}

void TCefBrowserHostRef::GetNavigationEntries(const rtl::TRef<ICefNavigationEntryVisitor>& visitor,
    bool current_only) {
  cef_browser_host_t* self_ = Data();
  if (!self_->get_navigation_entries) return;
  self_->get_navigation_entries(self_,
      static_cast<cef_navigation_entry_visitor_t*>(TCef3Helper::CefGetData(visitor.Get())),
      current_only ? 1 : 0);
}

void TCefBrowserHostRef::SetMouseCursorChangeDisabled(bool disabled) {
  cef_browser_host_t* self_ = Data();
  if (!self_->set_mouse_cursor_change_disabled) return;
  self_->set_mouse_cursor_change_disabled(self_, disabled ? 1 : 0);
}

bool TCefBrowserHostRef::IsMouseCursorChangeDisabled() {
  cef_browser_host_t* self_ = Data();
  if (!self_->is_mouse_cursor_change_disabled) return false;
  return self_->is_mouse_cursor_change_disabled(self_) != 0;
}

void TCefBrowserHostRef::ReplaceMisspelling(const std::wstring& word) {
  cef_browser_host_t* self_ = Data();
  if (!self_->replace_misspelling) return;
  const cef_string_t word_ = TCef3Helper::CefString(word);
  self_->replace_misspelling(self_, &word_);
}

void TCefBrowserHostRef::AddWordToDictionary(const std::wstring& word) {
  cef_browser_host_t* self_ = Data();
  if (!self_->add_word_to_dictionary) return;
  const cef_string_t word_ = TCef3Helper::CefString(word);
  self_->add_word_to_dictionary(self_, &word_);
}

bool TCefBrowserHostRef::IsWindowRenderingDisabled() {
  cef_browser_host_t* self_ = Data();
  if (!self_->is_window_rendering_disabled) return false;
  return self_->is_window_rendering_disabled(self_) != 0;
}

void TCefBrowserHostRef::WasResized() {
  cef_browser_host_t* self_ = Data();
  if (!self_->was_resized) return;
  self_->was_resized(self_);
}

void TCefBrowserHostRef::WasHidden(bool hidden) {
  cef_browser_host_t* self_ = Data();
  if (!self_->was_hidden) return;
  self_->was_hidden(self_, hidden ? 1 : 0);
}

void TCefBrowserHostRef::NotifyScreenInfoChanged() {
  cef_browser_host_t* self_ = Data();
  if (!self_->notify_screen_info_changed) return;
  self_->notify_screen_info_changed(self_);
}

void TCefBrowserHostRef::Invalidate(cef_paint_element_type_t type) {
  cef_browser_host_t* self_ = Data();
  if (!self_->invalidate) return;
  self_->invalidate(self_, type);
}

void TCefBrowserHostRef::SendKeyEvent(const cef_key_event_t* event) {
  cef_browser_host_t* self_ = Data();
  if (!self_->send_key_event) return;
  self_->send_key_event(self_, event);
}

void TCefBrowserHostRef::SendMouseClickEvent(const cef_mouse_event_t* event,
    cef_mouse_button_type_t type, bool mouseUp, int clickCount) {
  cef_browser_host_t* self_ = Data();
  if (!self_->send_mouse_click_event) return;
  self_->send_mouse_click_event(self_, event, type, mouseUp ? 1 : 0, clickCount);
}

void TCefBrowserHostRef::SendMouseMoveEvent(const cef_mouse_event_t* event, bool mouseLeave) {
  cef_browser_host_t* self_ = Data();
  if (!self_->send_mouse_move_event) return;
  self_->send_mouse_move_event(self_, event, mouseLeave ? 1 : 0);
}

void TCefBrowserHostRef::SendMouseWheelEvent(const cef_mouse_event_t* event, int deltaX,
    int deltaY) {
  cef_browser_host_t* self_ = Data();
  if (!self_->send_mouse_wheel_event) return;
  self_->send_mouse_wheel_event(self_, event, deltaX, deltaY);
}

void TCefBrowserHostRef::SendFocusEvent(bool setFocus) {
  cef_browser_host_t* self_ = Data();
  if (!self_->send_focus_event) return;
  self_->send_focus_event(self_, setFocus ? 1 : 0);
}

void TCefBrowserHostRef::SendCaptureLostEvent() {
  cef_browser_host_t* self_ = Data();
  if (!self_->send_capture_lost_event) return;
  self_->send_capture_lost_event(self_);
}

void TCefBrowserHostRef::NotifyMoveOrResizeStarted() {
  cef_browser_host_t* self_ = Data();
  if (!self_->notify_move_or_resize_started) return;
  self_->notify_move_or_resize_started(self_);
}

int TCefBrowserHostRef::GetWindowlessFrameRate() {
  cef_browser_host_t* self_ = Data();
  if (!self_->get_windowless_frame_rate) return {};
  return self_->get_windowless_frame_rate(self_);
}

void TCefBrowserHostRef::SetWindowlessFrameRate(int frame_rate) {
  cef_browser_host_t* self_ = Data();
  if (!self_->set_windowless_frame_rate) return;
  self_->set_windowless_frame_rate(self_, frame_rate);
}

cef_text_input_context_t TCefBrowserHostRef::GetNstextInputContext() {
  cef_browser_host_t* self_ = Data();
  if (!self_->get_nstext_input_context) return {};
  return self_->get_nstext_input_context(self_);
}

void TCefBrowserHostRef::HandleKeyEventBeforeTextInputClient(cef_event_handle_t keyEvent) {
  cef_browser_host_t* self_ = Data();
  if (!self_->handle_key_event_before_text_input_client) return;
  self_->handle_key_event_before_text_input_client(self_, keyEvent);
}

void TCefBrowserHostRef::HandleKeyEventAfterTextInputClient(cef_event_handle_t keyEvent) {
  cef_browser_host_t* self_ = Data();
  if (!self_->handle_key_event_after_text_input_client) return;
  self_->handle_key_event_after_text_input_client(self_, keyEvent);
}

void TCefBrowserHostRef::DragTargetDragEnter(const rtl::TRef<ICefDragData>& drag_data,
    const cef_mouse_event_t* event, cef_drag_operations_mask_t allowed_ops) {
  cef_browser_host_t* self_ = Data();
  if (!self_->drag_target_drag_enter) return;
  self_->drag_target_drag_enter(self_,
      static_cast<cef_drag_data_t*>(TCef3Helper::CefGetData(drag_data.Get())), event, allowed_ops);
}

void TCefBrowserHostRef::DragTargetDragOver(const cef_mouse_event_t* event,
    cef_drag_operations_mask_t allowed_ops) {
  cef_browser_host_t* self_ = Data();
  if (!self_->drag_target_drag_over) return;
  self_->drag_target_drag_over(self_, event, allowed_ops);
}

void TCefBrowserHostRef::DragTargetDragLeave() {
  cef_browser_host_t* self_ = Data();
  if (!self_->drag_target_drag_leave) return;
  self_->drag_target_drag_leave(self_);
}

void TCefBrowserHostRef::DragTargetDrop(const cef_mouse_event_t* event) {
  cef_browser_host_t* self_ = Data();
  if (!self_->drag_target_drop) return;
  self_->drag_target_drop(self_, event);
}

void TCefBrowserHostRef::DragSourceEndedAt(int x, int y, cef_drag_operations_mask_t op) {
  cef_browser_host_t* self_ = Data();
  if (!self_->drag_source_ended_at) return;
  self_->drag_source_ended_at(self_, x, y, op);
}

void TCefBrowserHostRef::DragSourceSystemDragEnded() {
  cef_browser_host_t* self_ = Data();
  if (!self_->drag_source_system_drag_ended) return;
  self_->drag_source_system_drag_ended(self_);
}

// ---- TCefBrowserRef

rtl::TRef<ICefBrowser> TCefBrowserRef::UnWrap(cef_browser_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefBrowser>(new TCefBrowserRef(data));
}

rtl::TRef<ICefBrowserHost> TCefBrowserRef::GetHost() {
  cef_browser_t* self_ = Data();
  if (!self_->get_host) return nullptr;
  auto result_ = self_->get_host(self_);
  auto converted_ = TCefBrowserHostRef::UnWrap(result_);
  return converted_;
}

bool TCefBrowserRef::CanGoBack() {
  cef_browser_t* self_ = Data();
  if (!self_->can_go_back) return false;
  return self_->can_go_back(self_) != 0;
}

void TCefBrowserRef::GoBack() {
  cef_browser_t* self_ = Data();
  if (!self_->go_back) return;
  self_->go_back(self_);
}

bool TCefBrowserRef::CanGoForward() {
  cef_browser_t* self_ = Data();
  if (!self_->can_go_forward) return false;
  return self_->can_go_forward(self_) != 0;
}

void TCefBrowserRef::GoForward() {
  cef_browser_t* self_ = Data();
  if (!self_->go_forward) return;
  self_->go_forward(self_);
}

bool TCefBrowserRef::IsLoading() {
  cef_browser_t* self_ = Data();
  if (!self_->is_loading) return false;
  return self_->is_loading(self_) != 0;
}

void TCefBrowserRef::Reload() {
  cef_browser_t* self_ = Data();
  if (!self_->reload) return;
  self_->reload(self_);
}

void TCefBrowserRef::ReloadIgnoreCache() {
  cef_browser_t* self_ = Data();
  if (!self_->reload_ignore_cache) return;
  self_->reload_ignore_cache(self_);
}

void TCefBrowserRef::StopLoad() {
  cef_browser_t* self_ = Data();
  if (!self_->stop_load) return;
  self_->stop_load(self_);
}

int TCefBrowserRef::GetIdentifier() {
  cef_browser_t* self_ = Data();
  if (!self_->get_identifier) return {};
  return self_->get_identifier(self_);
}

bool TCefBrowserRef::IsSame(const rtl::TRef<ICefBrowser>& that) {
  cef_browser_t* self_ = Data();
  if (!self_->is_same) return false;
  return self_->is_same(self_,
      static_cast<cef_browser_t*>(TCef3Helper::CefGetData(that.Get()))) != 0;
}

bool TCefBrowserRef::IsPopup() {
  cef_browser_t* self_ = Data();
  if (!self_->is_popup) return false;
  return self_->is_popup(self_) != 0;
}

bool TCefBrowserRef::HasDocument() {
  cef_browser_t* self_ = Data();
  if (!self_->has_document) return false;
  return self_->has_document(self_) != 0;
}

rtl::TRef<ICefFrame> TCefBrowserRef::GetMainFrame() {
  cef_browser_t* self_ = Data();
  if (!self_->get_main_frame) return nullptr;
  auto result_ = self_->get_main_frame(self_);
  auto converted_ = TCefFrameRef::UnWrap(result_);
  return converted_;
}

rtl::TRef<ICefFrame> TCefBrowserRef::GetFocusedFrame() {
  cef_browser_t* self_ = Data();
  if (!self_->get_focused_frame) return nullptr;
  auto result_ = self_->get_focused_frame(self_);
  auto converted_ = TCefFrameRef::UnWrap(result_);
  return converted_;
}

rtl::TRef<ICefFrame> TCefBrowserRef::GetFrameByident(int64_t identifier) {
  cef_browser_t* self_ = Data();
  if (!self_->get_frame_byident) return nullptr;
  auto result_ = self_->get_frame_byident(self_, identifier);
  auto converted_ = TCefFrameRef::UnWrap(result_);
  return converted_;
}

rtl::TRef<ICefFrame> TCefBrowserRef::GetFrame(const std::wstring& name) {
  cef_browser_t* self_ = Data();
  if (!self_->get_frame) return nullptr;
  const cef_string_t name_ = TCef3Helper::CefString(name);
  auto result_ = self_->get_frame(self_, &name_);
  auto converted_ = TCefFrameRef::UnWrap(result_);
  return converted_;
}

size_t TCefBrowserRef::GetFrameCount() {
  cef_browser_t* self_ = Data();
  if (!self_->get_frame_count) return {};
  return self_->get_frame_count(self_);
}

void TCefBrowserRef::GetFrameIdentifiers(std::vector<int64_t>& identifiers) {
  cef_browser_t* self_ = Data();
  if (!self_->get_frame_identifiers) return;
  size_t identifiersCount_ = self_->get_frame_count ? self_->get_frame_count(self_) : 0;
  identifiers.assign(identifiersCount_, {});
  self_->get_frame_identifiers(self_, &identifiersCount_, identifiers.data());
  identifiers.resize(std::min(identifiersCount_, identifiers.size()));
}

void TCefBrowserRef::GetFrameNames(std::vector<std::wstring>& names) {
  cef_browser_t* self_ = Data();
  if (!self_->get_frame_names) return;
  TCefStringListArg names_;
  self_->get_frame_names(self_, names_.Handle());
  names = names_.Strings();
}

bool TCefBrowserRef::SendProcessMessage(cef_process_id_t target_process,
    const rtl::TRef<ICefProcessMessage>& message) {
  cef_browser_t* self_ = Data();
  if (!self_->send_process_message) return false;
  return self_->send_process_message(self_, target_process,
      static_cast<cef_process_message_t*>(TCef3Helper::CefGetData(message.Get()))) != 0;
}

// ---- TCefFrameRef

rtl::TRef<ICefFrame> TCefFrameRef::UnWrap(cef_frame_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefFrame>(new TCefFrameRef(data));
}

bool TCefFrameRef::IsValid() {
  cef_frame_t* self_ = Data();
  if (!self_->is_valid) return false;
  return self_->is_valid(self_) != 0;
}

void TCefFrameRef::Undo() {
  cef_frame_t* self_ = Data();
  if (!self_->undo) return;
  self_->undo(self_);
}

void TCefFrameRef::Redo() {
  cef_frame_t* self_ = Data();
  if (!self_->redo) return;
  self_->redo(self_);
}

void TCefFrameRef::Cut() {
  cef_frame_t* self_ = Data();
  if (!self_->cut) return;
  self_->cut(self_);
}

void TCefFrameRef::Copy() {
  cef_frame_t* self_ = Data();
  if (!self_->copy) return;
  self_->copy(self_);
}

void TCefFrameRef::Paste() {
  cef_frame_t* self_ = Data();
  if (!self_->paste) return;
  self_->paste(self_);
}

void TCefFrameRef::Del() {
  cef_frame_t* self_ = Data();
  if (!self_->del) return;
  self_->del(self_);
}

void TCefFrameRef::SelectAll() {
  cef_frame_t* self_ = Data();
  if (!self_->select_all) return;
  self_->select_all(self_);
}

void TCefFrameRef::ViewSource() {
  cef_frame_t* self_ = Data();
  if (!self_->view_source) return;
  self_->view_source(self_);
}

void TCefFrameRef::GetSource(const rtl::TRef<ICefStringVisitor>& visitor) {
  cef_frame_t* self_ = Data();
  if (!self_->get_source) return;
  self_->get_source(self_,
      static_cast<cef_string_visitor_t*>(TCef3Helper::CefGetData(visitor.Get())));
}

void TCefFrameRef::GetText(const rtl::TRef<ICefStringVisitor>& visitor) {
  cef_frame_t* self_ = Data();
  if (!self_->get_text) return;
  self_->get_text(self_,
      static_cast<cef_string_visitor_t*>(TCef3Helper::CefGetData(visitor.Get())));
}

void TCefFrameRef::LoadRequest(const rtl::TRef<ICefRequest>& request) {
  cef_frame_t* self_ = Data();
  if (!self_->load_request) return;
  self_->load_request(self_, static_cast<cef_request_t*>(TCef3Helper::CefGetData(request.Get())));
}

void TCefFrameRef::LoadUrl(const std::wstring& url) {
  cef_frame_t* self_ = Data();
  if (!self_->load_url) return;
  const cef_string_t url_ = TCef3Helper::CefString(url);
  self_->load_url(self_, &url_);
}

void TCefFrameRef::LoadString(const std::wstring& string_val, const std::wstring& url) {
  cef_frame_t* self_ = Data();
  if (!self_->load_string) return;
  const cef_string_t string_val_ = TCef3Helper::CefString(string_val);
  const cef_string_t url_ = TCef3Helper::CefString(url);
  self_->load_string(self_, &string_val_, &url_);
}

void TCefFrameRef::ExecuteJavaScript(const std::wstring& code, const std::wstring& script_url,
    int start_line) {
  cef_frame_t* self_ = Data();
  if (!self_->execute_java_script) return;
  const cef_string_t code_ = TCef3Helper::CefString(code);
  const cef_string_t script_url_ = TCef3Helper::CefString(script_url);
  self_->execute_java_script(self_, &code_, &script_url_, start_line);
}

bool TCefFrameRef::IsMain() {
  cef_frame_t* self_ = Data();
  if (!self_->is_main) return false;
  return self_->is_main(self_) != 0;
}

bool TCefFrameRef::IsFocused() {
  cef_frame_t* self_ = Data();
  if (!self_->is_focused) return false;
  return self_->is_focused(self_) != 0;
}

std::wstring TCefFrameRef::GetName() {
  cef_frame_t* self_ = Data();
  if (!self_->get_name) return {};
  auto result_ = self_->get_name(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

int64_t TCefFrameRef::GetIdentifier() {
  cef_frame_t* self_ = Data();
  if (!self_->get_identifier) return {};
  return self_->get_identifier(self_);
}

rtl::TRef<ICefFrame> TCefFrameRef::GetParent() {
  cef_frame_t* self_ = Data();
  if (!self_->get_parent) return nullptr;
  auto result_ = self_->get_parent(self_);
  auto converted_ = TCefFrameRef::UnWrap(result_);
  return converted_;
}

std::wstring TCefFrameRef::GetUrl() {
  cef_frame_t* self_ = Data();
  if (!self_->get_url) return {};
  auto result_ = self_->get_url(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

rtl::TRef<ICefBrowser> TCefFrameRef::GetBrowser() {
  cef_frame_t* self_ = Data();
  if (!self_->get_browser) return nullptr;
  auto result_ = self_->get_browser(self_);
  auto converted_ = TCefBrowserRef::UnWrap(result_);
  return converted_;
}

rtl::TRef<ICefv8Context> TCefFrameRef::GetV8context() {
  cef_frame_t* self_ = Data();
  if (!self_->get_v8context) return nullptr;
  auto result_ = self_->get_v8context(self_);
  auto converted_ = TCefv8ContextRef::UnWrap(result_);
  return converted_;
}

void TCefFrameRef::VisitDom(const rtl::TRef<ICefDomVisitor>& visitor) {
  cef_frame_t* self_ = Data();
  if (!self_->visit_dom) return;
  self_->visit_dom(self_, static_cast<cef_domvisitor_t*>(TCef3Helper::CefGetData(visitor.Get())));
}

// ---- TCefPostDataRef

rtl::TRef<ICefPostData> TCefPostDataRef::UnWrap(cef_post_data_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefPostData>(new TCefPostDataRef(data));
}

bool TCefPostDataRef::IsReadOnly() {
  cef_post_data_t* self_ = Data();
  if (!self_->is_read_only) return false;
  return self_->is_read_only(self_) != 0;
}

bool TCefPostDataRef::HasExcludedElements() {
  cef_post_data_t* self_ = Data();
  if (!self_->has_excluded_elements) return false;
  return self_->has_excluded_elements(self_) != 0;
}

size_t TCefPostDataRef::GetElementCount() {
  cef_post_data_t* self_ = Data();
  if (!self_->get_element_count) return {};
  return self_->get_element_count(self_);
}

void TCefPostDataRef::GetElements(std::vector<rtl::TRef<ICefPostDataElement>>& elements) {
  cef_post_data_t* self_ = Data();
  if (!self_->get_elements) return;
  size_t elementsCount_ = self_->get_element_count ? self_->get_element_count(self_) : 0;
  std::vector<cef_post_data_element_t*> elements_(elementsCount_, nullptr);
  self_->get_elements(self_, &elementsCount_, elements_.data());
  elements.clear();
  for (size_t i = 0; i < elementsCount_ && i < elements_.size(); ++i) elements.push_back(TCefPostDataElementRef::UnWrap(elements_[i]));
}

bool TCefPostDataRef::RemoveElement(const rtl::TRef<ICefPostDataElement>& element) {
  cef_post_data_t* self_ = Data();
  if (!self_->remove_element) return false;
  return self_->remove_element(self_,
      static_cast<cef_post_data_element_t*>(TCef3Helper::CefGetData(element.Get()))) != 0;
}

bool TCefPostDataRef::AddElement(const rtl::TRef<ICefPostDataElement>& element) {
  cef_post_data_t* self_ = Data();
  if (!self_->add_element) return false;
  return self_->add_element(self_,
      static_cast<cef_post_data_element_t*>(TCef3Helper::CefGetData(element.Get()))) != 0;
}

void TCefPostDataRef::RemoveElements() {
  cef_post_data_t* self_ = Data();
  if (!self_->remove_elements) return;
  self_->remove_elements(self_);
}

// ---- TCefPostDataElementRef

rtl::TRef<ICefPostDataElement> TCefPostDataElementRef::UnWrap(cef_post_data_element_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefPostDataElement>(new TCefPostDataElementRef(data));
}

bool TCefPostDataElementRef::IsReadOnly() {
  cef_post_data_element_t* self_ = Data();
  if (!self_->is_read_only) return false;
  return self_->is_read_only(self_) != 0;
}

void TCefPostDataElementRef::SetToEmpty() {
  cef_post_data_element_t* self_ = Data();
  if (!self_->set_to_empty) return;
  self_->set_to_empty(self_);
}

void TCefPostDataElementRef::SetToFile(const std::wstring& fileName) {
  cef_post_data_element_t* self_ = Data();
  if (!self_->set_to_file) return;
  const cef_string_t fileName_ = TCef3Helper::CefString(fileName);
  self_->set_to_file(self_, &fileName_);
}

void TCefPostDataElementRef::SetToBytes(size_t size, const void* bytes) {
  cef_post_data_element_t* self_ = Data();
  if (!self_->set_to_bytes) return;
  self_->set_to_bytes(self_, size, bytes);
}

cef_postdataelement_type_t TCefPostDataElementRef::GetType() {
  cef_post_data_element_t* self_ = Data();
  if (!self_->get_type) return {};
  return self_->get_type(self_);
}

std::wstring TCefPostDataElementRef::GetFile() {
  cef_post_data_element_t* self_ = Data();
  if (!self_->get_file) return {};
  auto result_ = self_->get_file(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

size_t TCefPostDataElementRef::GetBytesCount() {
  cef_post_data_element_t* self_ = Data();
  if (!self_->get_bytes_count) return {};
  return self_->get_bytes_count(self_);
}

size_t TCefPostDataElementRef::GetBytes(size_t size, void* bytes) {
  cef_post_data_element_t* self_ = Data();
  if (!self_->get_bytes) return {};
  return self_->get_bytes(self_, size, bytes);
}

// ---- TCefRequestRef

rtl::TRef<ICefRequest> TCefRequestRef::UnWrap(cef_request_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefRequest>(new TCefRequestRef(data));
}

bool TCefRequestRef::IsReadOnly() {
  cef_request_t* self_ = Data();
  if (!self_->is_read_only) return false;
  return self_->is_read_only(self_) != 0;
}

std::wstring TCefRequestRef::GetUrl() {
  cef_request_t* self_ = Data();
  if (!self_->get_url) return {};
  auto result_ = self_->get_url(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

void TCefRequestRef::SetUrl(const std::wstring& url) {
  cef_request_t* self_ = Data();
  if (!self_->set_url) return;
  const cef_string_t url_ = TCef3Helper::CefString(url);
  self_->set_url(self_, &url_);
}

std::wstring TCefRequestRef::GetMethod() {
  cef_request_t* self_ = Data();
  if (!self_->get_method) return {};
  auto result_ = self_->get_method(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

void TCefRequestRef::SetMethod(const std::wstring& method) {
  cef_request_t* self_ = Data();
  if (!self_->set_method) return;
  const cef_string_t method_ = TCef3Helper::CefString(method);
  self_->set_method(self_, &method_);
}

void TCefRequestRef::SetReferrer(const std::wstring& referrer_url, cef_referrer_policy_t policy) {
  cef_request_t* self_ = Data();
  if (!self_->set_referrer) return;
  const cef_string_t referrer_url_ = TCef3Helper::CefString(referrer_url);
  self_->set_referrer(self_, &referrer_url_, policy);
}

std::wstring TCefRequestRef::GetReferrerUrl() {
  cef_request_t* self_ = Data();
  if (!self_->get_referrer_url) return {};
  auto result_ = self_->get_referrer_url(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

cef_referrer_policy_t TCefRequestRef::GetReferrerPolicy() {
  cef_request_t* self_ = Data();
  if (!self_->get_referrer_policy) return {};
  return self_->get_referrer_policy(self_);
}

rtl::TRef<ICefPostData> TCefRequestRef::GetPostData() {
  cef_request_t* self_ = Data();
  if (!self_->get_post_data) return nullptr;
  auto result_ = self_->get_post_data(self_);
  auto converted_ = TCefPostDataRef::UnWrap(result_);
  return converted_;
}

void TCefRequestRef::SetPostData(const rtl::TRef<ICefPostData>& postData) {
  cef_request_t* self_ = Data();
  if (!self_->set_post_data) return;
  self_->set_post_data(self_,
      static_cast<cef_post_data_t*>(TCef3Helper::CefGetData(postData.Get())));
}

void TCefRequestRef::GetHeaderMap(cef_string_multimap_t headerMap) {
  cef_request_t* self_ = Data();
  if (!self_->get_header_map) return;
  self_->get_header_map(self_, headerMap);
}

void TCefRequestRef::SetHeaderMap(cef_string_multimap_t headerMap) {
  cef_request_t* self_ = Data();
  if (!self_->set_header_map) return;
  self_->set_header_map(self_, headerMap);
}

void TCefRequestRef::Set(const std::wstring& url, const std::wstring& method,
    const rtl::TRef<ICefPostData>& postData, cef_string_multimap_t headerMap) {
  cef_request_t* self_ = Data();
  if (!self_->set) return;
  const cef_string_t url_ = TCef3Helper::CefString(url);
  const cef_string_t method_ = TCef3Helper::CefString(method);
  self_->set(self_, &url_, &method_,
      static_cast<cef_post_data_t*>(TCef3Helper::CefGetData(postData.Get())), headerMap);
}

int TCefRequestRef::GetFlags() {
  cef_request_t* self_ = Data();
  if (!self_->get_flags) return {};
  return self_->get_flags(self_);
}

void TCefRequestRef::SetFlags(int flags) {
  cef_request_t* self_ = Data();
  if (!self_->set_flags) return;
  self_->set_flags(self_, flags);
}

std::wstring TCefRequestRef::GetFirstPartyForCookies() {
  cef_request_t* self_ = Data();
  if (!self_->get_first_party_for_cookies) return {};
  auto result_ = self_->get_first_party_for_cookies(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

void TCefRequestRef::SetFirstPartyForCookies(const std::wstring& url) {
  cef_request_t* self_ = Data();
  if (!self_->set_first_party_for_cookies) return;
  const cef_string_t url_ = TCef3Helper::CefString(url);
  self_->set_first_party_for_cookies(self_, &url_);
}

cef_resource_type_t TCefRequestRef::GetResourceType() {
  cef_request_t* self_ = Data();
  if (!self_->get_resource_type) return {};
  return self_->get_resource_type(self_);
}

cef_transition_type_t TCefRequestRef::GetTransitionType() {
  cef_request_t* self_ = Data();
  if (!self_->get_transition_type) return {};
  return self_->get_transition_type(self_);
}

uint64_t TCefRequestRef::GetIdentifier() {
  cef_request_t* self_ = Data();
  if (!self_->get_identifier) return {};
  return self_->get_identifier(self_);
}

// ---- TCefv8ValueRef

rtl::TRef<ICefv8Value> TCefv8ValueRef::UnWrap(cef_v8value_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefv8Value>(new TCefv8ValueRef(data));
}

bool TCefv8ValueRef::IsValid() {
  cef_v8value_t* self_ = Data();
  if (!self_->is_valid) return false;
  return self_->is_valid(self_) != 0;
}

bool TCefv8ValueRef::IsUndefined() {
  cef_v8value_t* self_ = Data();
  if (!self_->is_undefined) return false;
  return self_->is_undefined(self_) != 0;
}

bool TCefv8ValueRef::IsNull() {
  cef_v8value_t* self_ = Data();
  if (!self_->is_null) return false;
  return self_->is_null(self_) != 0;
}

bool TCefv8ValueRef::IsBool() {
  cef_v8value_t* self_ = Data();
  if (!self_->is_bool) return false;
  return self_->is_bool(self_) != 0;
}

bool TCefv8ValueRef::IsInt() {
  cef_v8value_t* self_ = Data();
  if (!self_->is_int) return false;
  return self_->is_int(self_) != 0;
}

bool TCefv8ValueRef::IsUint() {
  cef_v8value_t* self_ = Data();
  if (!self_->is_uint) return false;
  return self_->is_uint(self_) != 0;
}

bool TCefv8ValueRef::IsDouble() {
  cef_v8value_t* self_ = Data();
  if (!self_->is_double) return false;
  return self_->is_double(self_) != 0;
}

bool TCefv8ValueRef::IsDate() {
  cef_v8value_t* self_ = Data();
  if (!self_->is_date) return false;
  return self_->is_date(self_) != 0;
}

bool TCefv8ValueRef::IsString() {
  cef_v8value_t* self_ = Data();
  if (!self_->is_string) return false;
  return self_->is_string(self_) != 0;
}

bool TCefv8ValueRef::IsObject() {
  cef_v8value_t* self_ = Data();
  if (!self_->is_object) return false;
  return self_->is_object(self_) != 0;
}

bool TCefv8ValueRef::IsArray() {
  cef_v8value_t* self_ = Data();
  if (!self_->is_array) return false;
  return self_->is_array(self_) != 0;
}

bool TCefv8ValueRef::IsFunction() {
  cef_v8value_t* self_ = Data();
  if (!self_->is_function) return false;
  return self_->is_function(self_) != 0;
}

bool TCefv8ValueRef::IsSame(const rtl::TRef<ICefv8Value>& that) {
  cef_v8value_t* self_ = Data();
  if (!self_->is_same) return false;
  return self_->is_same(self_,
      static_cast<cef_v8value_t*>(TCef3Helper::CefGetData(that.Get()))) != 0;
}

bool TCefv8ValueRef::GetBoolValue() {
  cef_v8value_t* self_ = Data();
  if (!self_->get_bool_value) return false;
  return self_->get_bool_value(self_) != 0;
}

int32_t TCefv8ValueRef::GetIntValue() {
  cef_v8value_t* self_ = Data();
  if (!self_->get_int_value) return {};
  return self_->get_int_value(self_);
}

uint32_t TCefv8ValueRef::GetUintValue() {
  cef_v8value_t* self_ = Data();
  if (!self_->get_uint_value) return {};
  return self_->get_uint_value(self_);
}

double TCefv8ValueRef::GetDoubleValue() {
  cef_v8value_t* self_ = Data();
  if (!self_->get_double_value) return {};
  return self_->get_double_value(self_);
}

cef_time_t TCefv8ValueRef::GetDateValue() {
  cef_v8value_t* self_ = Data();
  if (!self_->get_date_value) return {};
  return self_->get_date_value(self_);
}

std::wstring TCefv8ValueRef::GetStringValue() {
  cef_v8value_t* self_ = Data();
  if (!self_->get_string_value) return {};
  auto result_ = self_->get_string_value(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

bool TCefv8ValueRef::IsUserCreated() {
  cef_v8value_t* self_ = Data();
  if (!self_->is_user_created) return false;
  return self_->is_user_created(self_) != 0;
}

bool TCefv8ValueRef::HasException() {
  cef_v8value_t* self_ = Data();
  if (!self_->has_exception) return false;
  return self_->has_exception(self_) != 0;
}

rtl::TRef<ICefV8Exception> TCefv8ValueRef::GetException() {
  cef_v8value_t* self_ = Data();
  if (!self_->get_exception) return nullptr;
  auto result_ = self_->get_exception(self_);
  auto converted_ = TCefV8ExceptionRef::UnWrap(result_);
  return converted_;
}

bool TCefv8ValueRef::ClearException() {
  cef_v8value_t* self_ = Data();
  if (!self_->clear_exception) return false;
  return self_->clear_exception(self_) != 0;
}

bool TCefv8ValueRef::WillRethrowExceptions() {
  cef_v8value_t* self_ = Data();
  if (!self_->will_rethrow_exceptions) return false;
  return self_->will_rethrow_exceptions(self_) != 0;
}

bool TCefv8ValueRef::SetRethrowExceptions(bool rethrow) {
  cef_v8value_t* self_ = Data();
  if (!self_->set_rethrow_exceptions) return false;
  return self_->set_rethrow_exceptions(self_, rethrow ? 1 : 0) != 0;
}

bool TCefv8ValueRef::HasValueBykey(const std::wstring& key) {
  cef_v8value_t* self_ = Data();
  if (!self_->has_value_bykey) return false;
  const cef_string_t key_ = TCef3Helper::CefString(key);
  return self_->has_value_bykey(self_, &key_) != 0;
}

bool TCefv8ValueRef::HasValueByindex(int index) {
  cef_v8value_t* self_ = Data();
  if (!self_->has_value_byindex) return false;
  return self_->has_value_byindex(self_, index) != 0;
}

bool TCefv8ValueRef::DeleteValueBykey(const std::wstring& key) {
  cef_v8value_t* self_ = Data();
  if (!self_->delete_value_bykey) return false;
  const cef_string_t key_ = TCef3Helper::CefString(key);
  return self_->delete_value_bykey(self_, &key_) != 0;
}

bool TCefv8ValueRef::DeleteValueByindex(int index) {
  cef_v8value_t* self_ = Data();
  if (!self_->delete_value_byindex) return false;
  return self_->delete_value_byindex(self_, index) != 0;
}

rtl::TRef<ICefv8Value> TCefv8ValueRef::GetValueBykey(const std::wstring& key) {
  cef_v8value_t* self_ = Data();
  if (!self_->get_value_bykey) return nullptr;
  const cef_string_t key_ = TCef3Helper::CefString(key);
  auto result_ = self_->get_value_bykey(self_, &key_);
  auto converted_ = TCefv8ValueRef::UnWrap(result_);
  return converted_;
}

rtl::TRef<ICefv8Value> TCefv8ValueRef::GetValueByindex(int index) {
  cef_v8value_t* self_ = Data();
  if (!self_->get_value_byindex) return nullptr;
  auto result_ = self_->get_value_byindex(self_, index);
  auto converted_ = TCefv8ValueRef::UnWrap(result_);
  return converted_;
}

bool TCefv8ValueRef::SetValueBykey(const std::wstring& key, const rtl::TRef<ICefv8Value>& value,
    cef_v8_propertyattribute_t attribute) {
  cef_v8value_t* self_ = Data();
  if (!self_->set_value_bykey) return false;
  const cef_string_t key_ = TCef3Helper::CefString(key);
  return self_->set_value_bykey(self_, &key_,
      static_cast<cef_v8value_t*>(TCef3Helper::CefGetData(value.Get())), attribute) != 0;
}

bool TCefv8ValueRef::SetValueByindex(int index, const rtl::TRef<ICefv8Value>& value) {
  cef_v8value_t* self_ = Data();
  if (!self_->set_value_byindex) return false;
  return self_->set_value_byindex(self_, index,
      static_cast<cef_v8value_t*>(TCef3Helper::CefGetData(value.Get()))) != 0;
}

bool TCefv8ValueRef::SetValueByaccessor(const std::wstring& key, cef_v8_accesscontrol_t settings,
    cef_v8_propertyattribute_t attribute) {
  cef_v8value_t* self_ = Data();
  if (!self_->set_value_byaccessor) return false;
  const cef_string_t key_ = TCef3Helper::CefString(key);
  return self_->set_value_byaccessor(self_, &key_, settings, attribute) != 0;
}

bool TCefv8ValueRef::GetKeys(std::vector<std::wstring>& keys) {
  cef_v8value_t* self_ = Data();
  if (!self_->get_keys) return false;
  TCefStringListArg keys_;
  auto result_ = self_->get_keys(self_, keys_.Handle());
  keys = keys_.Strings();
  return result_ != 0;
}

bool TCefv8ValueRef::SetUserData(cef_base_t* user_data) {
  cef_v8value_t* self_ = Data();
  if (!self_->set_user_data) return false;
  return self_->set_user_data(self_, user_data) != 0;
}

cef_base_t* TCefv8ValueRef::GetUserData() {
  cef_v8value_t* self_ = Data();
  if (!self_->get_user_data) return {};
  return self_->get_user_data(self_);
}

int TCefv8ValueRef::GetExternallyAllocatedMemory() {
  cef_v8value_t* self_ = Data();
  if (!self_->get_externally_allocated_memory) return {};
  return self_->get_externally_allocated_memory(self_);
}

int TCefv8ValueRef::AdjustExternallyAllocatedMemory(int change_in_bytes) {
  cef_v8value_t* self_ = Data();
  if (!self_->adjust_externally_allocated_memory) return {};
  return self_->adjust_externally_allocated_memory(self_, change_in_bytes);
}

int TCefv8ValueRef::GetArrayLength() {
  cef_v8value_t* self_ = Data();
  if (!self_->get_array_length) return {};
  return self_->get_array_length(self_);
}

std::wstring TCefv8ValueRef::GetFunctionName() {
  cef_v8value_t* self_ = Data();
  if (!self_->get_function_name) return {};
  auto result_ = self_->get_function_name(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

rtl::TRef<ICefv8Handler> TCefv8ValueRef::GetFunctionHandler() {
  cef_v8value_t* self_ = Data();
  if (!self_->get_function_handler) return nullptr;
  auto result_ = self_->get_function_handler(self_);
  auto converted_ = TCefv8HandlerRef::UnWrap(result_);
  return converted_;
}

rtl::TRef<ICefv8Value> TCefv8ValueRef::ExecuteFunction(const rtl::TRef<ICefv8Value>& object,
    const TCefv8ValueArray& arguments) {
  cef_v8value_t* self_ = Data();
  if (!self_->execute_function) return nullptr;
  std::vector<cef_v8value_t*> arguments_;
  arguments_.reserve(arguments.size());
  for (const auto& v : arguments) arguments_.push_back(static_cast<cef_v8value_t*>(TCef3Helper::CefGetData(v.Get())));
  auto result_ = self_->execute_function(self_,
      static_cast<cef_v8value_t*>(TCef3Helper::CefGetData(object.Get())), arguments_.size(),
      arguments_.data());
  auto converted_ = TCefv8ValueRef::UnWrap(result_);
  return converted_;
}

rtl::TRef<ICefv8Value> TCefv8ValueRef::ExecuteFunctionWithContext(
    const rtl::TRef<ICefv8Context>& context, const rtl::TRef<ICefv8Value>& object,
    const TCefv8ValueArray& arguments) {
  cef_v8value_t* self_ = Data();
  if (!self_->execute_function_with_context) return nullptr;
  std::vector<cef_v8value_t*> arguments_;
  arguments_.reserve(arguments.size());
  for (const auto& v : arguments) arguments_.push_back(static_cast<cef_v8value_t*>(TCef3Helper::CefGetData(v.Get())));
  auto result_ = self_->execute_function_with_context(self_,
      static_cast<cef_v8context_t*>(TCef3Helper::CefGetData(context.Get())),
      static_cast<cef_v8value_t*>(TCef3Helper::CefGetData(object.Get())), arguments_.size(),
      arguments_.data());
  auto converted_ = TCefv8ValueRef::UnWrap(result_);
  return converted_;
}

// ---- TCefv8ContextRef

rtl::TRef<ICefv8Context> TCefv8ContextRef::UnWrap(cef_v8context_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefv8Context>(new TCefv8ContextRef(data));
}

rtl::TRef<ICefTaskRunner> TCefv8ContextRef::GetTaskRunner() {
  cef_v8context_t* self_ = Data();
  if (!self_->get_task_runner) return nullptr;
  auto result_ = self_->get_task_runner(self_);
  auto converted_ = TCefTaskRunnerRef::UnWrap(result_);
  return converted_;
}

bool TCefv8ContextRef::IsValid() {
  cef_v8context_t* self_ = Data();
  if (!self_->is_valid) return false;
  return self_->is_valid(self_) != 0;
}

rtl::TRef<ICefBrowser> TCefv8ContextRef::GetBrowser() {
  cef_v8context_t* self_ = Data();
  if (!self_->get_browser) return nullptr;
  auto result_ = self_->get_browser(self_);
  auto converted_ = TCefBrowserRef::UnWrap(result_);
  return converted_;
}

rtl::TRef<ICefFrame> TCefv8ContextRef::GetFrame() {
  cef_v8context_t* self_ = Data();
  if (!self_->get_frame) return nullptr;
  auto result_ = self_->get_frame(self_);
  auto converted_ = TCefFrameRef::UnWrap(result_);
  return converted_;
}

rtl::TRef<ICefv8Value> TCefv8ContextRef::GetGlobal() {
  cef_v8context_t* self_ = Data();
  if (!self_->get_global) return nullptr;
  auto result_ = self_->get_global(self_);
  auto converted_ = TCefv8ValueRef::UnWrap(result_);
  return converted_;
}

bool TCefv8ContextRef::Enter() {
  cef_v8context_t* self_ = Data();
  if (!self_->enter) return false;
  return self_->enter(self_) != 0;
}

bool TCefv8ContextRef::Exit() {
  cef_v8context_t* self_ = Data();
  if (!self_->exit) return false;
  return self_->exit(self_) != 0;
}

bool TCefv8ContextRef::IsSame(const rtl::TRef<ICefv8Context>& that) {
  cef_v8context_t* self_ = Data();
  if (!self_->is_same) return false;
  return self_->is_same(self_,
      static_cast<cef_v8context_t*>(TCef3Helper::CefGetData(that.Get()))) != 0;
}

bool TCefv8ContextRef::Eval(const std::wstring& code, rtl::TRef<ICefv8Value>& retval,
    rtl::TRef<ICefV8Exception>& exception) {
  cef_v8context_t* self_ = Data();
  if (!self_->eval) return false;
  const cef_string_t code_ = TCef3Helper::CefString(code);
  cef_v8value_t* retval_ = nullptr;
  cef_v8exception_t* exception_ = nullptr;
  auto result_ = self_->eval(self_, &code_, &retval_, &exception_);
  retval = TCefv8ValueRef::UnWrap(retval_);
  exception = TCefV8ExceptionRef::UnWrap(exception_);
  return result_ != 0;
}

// ---- TCefV8StackFrameRef

rtl::TRef<ICefV8StackFrame> TCefV8StackFrameRef::UnWrap(cef_v8stack_frame_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefV8StackFrame>(new TCefV8StackFrameRef(data));
}

bool TCefV8StackFrameRef::IsValid() {
  cef_v8stack_frame_t* self_ = Data();
  if (!self_->is_valid) return false;
  return self_->is_valid(self_) != 0;
}

std::wstring TCefV8StackFrameRef::GetScriptName() {
  cef_v8stack_frame_t* self_ = Data();
  if (!self_->get_script_name) return {};
  auto result_ = self_->get_script_name(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefV8StackFrameRef::GetScriptNameOrSourceUrl() {
  cef_v8stack_frame_t* self_ = Data();
  if (!self_->get_script_name_or_source_url) return {};
  auto result_ = self_->get_script_name_or_source_url(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefV8StackFrameRef::GetFunctionName() {
  cef_v8stack_frame_t* self_ = Data();
  if (!self_->get_function_name) return {};
  auto result_ = self_->get_function_name(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

int TCefV8StackFrameRef::GetLineNumber() {
  cef_v8stack_frame_t* self_ = Data();
  if (!self_->get_line_number) return {};
  return self_->get_line_number(self_);
}

int TCefV8StackFrameRef::GetColumn() {
  cef_v8stack_frame_t* self_ = Data();
  if (!self_->get_column) return {};
  return self_->get_column(self_);
}

bool TCefV8StackFrameRef::IsEval() {
  cef_v8stack_frame_t* self_ = Data();
  if (!self_->is_eval) return false;
  return self_->is_eval(self_) != 0;
}

bool TCefV8StackFrameRef::IsConstructor() {
  cef_v8stack_frame_t* self_ = Data();
  if (!self_->is_constructor) return false;
  return self_->is_constructor(self_) != 0;
}

// ---- TCefV8StackTraceRef

rtl::TRef<ICefV8StackTrace> TCefV8StackTraceRef::UnWrap(cef_v8stack_trace_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefV8StackTrace>(new TCefV8StackTraceRef(data));
}

bool TCefV8StackTraceRef::IsValid() {
  cef_v8stack_trace_t* self_ = Data();
  if (!self_->is_valid) return false;
  return self_->is_valid(self_) != 0;
}

int TCefV8StackTraceRef::GetFrameCount() {
  cef_v8stack_trace_t* self_ = Data();
  if (!self_->get_frame_count) return {};
  return self_->get_frame_count(self_);
}

rtl::TRef<ICefV8StackFrame> TCefV8StackTraceRef::GetFrame(int index) {
  cef_v8stack_trace_t* self_ = Data();
  if (!self_->get_frame) return nullptr;
  auto result_ = self_->get_frame(self_, index);
  auto converted_ = TCefV8StackFrameRef::UnWrap(result_);
  return converted_;
}

// ---- TCefv8HandlerRef

rtl::TRef<ICefv8Handler> TCefv8HandlerRef::UnWrap(cef_v8handler_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefv8Handler>(new TCefv8HandlerRef(data));
}

bool TCefv8HandlerRef::Execute(const std::wstring& name, const rtl::TRef<ICefv8Value>& object,
    const TCefv8ValueArray& arguments, rtl::TRef<ICefv8Value>& retval, std::wstring& exception) {
  cef_v8handler_t* self_ = Data();
  if (!self_->execute) return false;
  const cef_string_t name_ = TCef3Helper::CefString(name);
  std::vector<cef_v8value_t*> arguments_;
  arguments_.reserve(arguments.size());
  for (const auto& v : arguments) arguments_.push_back(static_cast<cef_v8value_t*>(TCef3Helper::CefGetData(v.Get())));
  cef_v8value_t* retval_ = nullptr;
  cef_string_t exception_{};
  auto result_ = self_->execute(self_, &name_,
      static_cast<cef_v8value_t*>(TCef3Helper::CefGetData(object.Get())), arguments_.size(),
      arguments_.data(), &retval_, &exception_);
  retval = TCefv8ValueRef::UnWrap(retval_);
  exception = TCef3Helper::CefStringClearAndGet(&exception_);
  return result_ != 0;
}

// ---- TCefRequestCallbackRef

rtl::TRef<ICefRequestCallback> TCefRequestCallbackRef::UnWrap(cef_request_callback_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefRequestCallback>(new TCefRequestCallbackRef(data));
}

void TCefRequestCallbackRef::Cont(bool allow) {
  cef_request_callback_t* self_ = Data();
  if (!self_->cont) return;
  self_->cont(self_, allow ? 1 : 0);
}

void TCefRequestCallbackRef::Cancel() {
  cef_request_callback_t* self_ = Data();
  if (!self_->cancel) return;
  self_->cancel(self_);
}

// ---- TCefCallbackRef

rtl::TRef<ICefCallback> TCefCallbackRef::UnWrap(cef_callback_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefCallback>(new TCefCallbackRef(data));
}

void TCefCallbackRef::Cont() {
  cef_callback_t* self_ = Data();
  if (!self_->cont) return;
  self_->cont(self_);
}

void TCefCallbackRef::Cancel() {
  cef_callback_t* self_ = Data();
  if (!self_->cancel) return;
  self_->cancel(self_);
}

// ---- TCefTaskRunnerRef

rtl::TRef<ICefTaskRunner> TCefTaskRunnerRef::UnWrap(cef_task_runner_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefTaskRunner>(new TCefTaskRunnerRef(data));
}

bool TCefTaskRunnerRef::IsSame(const rtl::TRef<ICefTaskRunner>& that) {
  cef_task_runner_t* self_ = Data();
  if (!self_->is_same) return false;
  return self_->is_same(self_,
      static_cast<cef_task_runner_t*>(TCef3Helper::CefGetData(that.Get()))) != 0;
}

bool TCefTaskRunnerRef::BelongsToCurrentThread() {
  cef_task_runner_t* self_ = Data();
  if (!self_->belongs_to_current_thread) return false;
  return self_->belongs_to_current_thread(self_) != 0;
}

bool TCefTaskRunnerRef::BelongsToThread(cef_thread_id_t threadId) {
  cef_task_runner_t* self_ = Data();
  if (!self_->belongs_to_thread) return false;
  return self_->belongs_to_thread(self_, threadId) != 0;
}

bool TCefTaskRunnerRef::PostTask(const rtl::TRef<ICefTask>& task) {
  cef_task_runner_t* self_ = Data();
  if (!self_->post_task) return false;
  return self_->post_task(self_,
      static_cast<cef_task_t*>(TCef3Helper::CefGetData(task.Get()))) != 0;
}

bool TCefTaskRunnerRef::PostDelayedTask(const rtl::TRef<ICefTask>& task, int64_t delay_ms) {
  cef_task_runner_t* self_ = Data();
  if (!self_->post_delayed_task) return false;
  return self_->post_delayed_task(self_,
      static_cast<cef_task_t*>(TCef3Helper::CefGetData(task.Get())), delay_ms) != 0;
}

// ---- TCefDomDocumentRef

rtl::TRef<ICefDomDocument> TCefDomDocumentRef::UnWrap(cef_domdocument_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefDomDocument>(new TCefDomDocumentRef(data));
}

cef_dom_document_type_t TCefDomDocumentRef::GetType() {
  cef_domdocument_t* self_ = Data();
  if (!self_->get_type) return {};
  return self_->get_type(self_);
}

rtl::TRef<ICefDomNode> TCefDomDocumentRef::GetDocument() {
  cef_domdocument_t* self_ = Data();
  if (!self_->get_document) return nullptr;
  auto result_ = self_->get_document(self_);
  auto converted_ = TCefDomNodeRef::UnWrap(result_);
  return converted_;
}

rtl::TRef<ICefDomNode> TCefDomDocumentRef::GetBody() {
  cef_domdocument_t* self_ = Data();
  if (!self_->get_body) return nullptr;
  auto result_ = self_->get_body(self_);
  auto converted_ = TCefDomNodeRef::UnWrap(result_);
  return converted_;
}

rtl::TRef<ICefDomNode> TCefDomDocumentRef::GetHead() {
  cef_domdocument_t* self_ = Data();
  if (!self_->get_head) return nullptr;
  auto result_ = self_->get_head(self_);
  auto converted_ = TCefDomNodeRef::UnWrap(result_);
  return converted_;
}

std::wstring TCefDomDocumentRef::GetTitle() {
  cef_domdocument_t* self_ = Data();
  if (!self_->get_title) return {};
  auto result_ = self_->get_title(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

rtl::TRef<ICefDomNode> TCefDomDocumentRef::GetElementById(const std::wstring& id) {
  cef_domdocument_t* self_ = Data();
  if (!self_->get_element_by_id) return nullptr;
  const cef_string_t id_ = TCef3Helper::CefString(id);
  auto result_ = self_->get_element_by_id(self_, &id_);
  auto converted_ = TCefDomNodeRef::UnWrap(result_);
  return converted_;
}

rtl::TRef<ICefDomNode> TCefDomDocumentRef::GetFocusedNode() {
  cef_domdocument_t* self_ = Data();
  if (!self_->get_focused_node) return nullptr;
  auto result_ = self_->get_focused_node(self_);
  auto converted_ = TCefDomNodeRef::UnWrap(result_);
  return converted_;
}

bool TCefDomDocumentRef::HasSelection() {
  cef_domdocument_t* self_ = Data();
  if (!self_->has_selection) return false;
  return self_->has_selection(self_) != 0;
}

int TCefDomDocumentRef::GetSelectionStartOffset() {
  cef_domdocument_t* self_ = Data();
  if (!self_->get_selection_start_offset) return {};
  return self_->get_selection_start_offset(self_);
}

int TCefDomDocumentRef::GetSelectionEndOffset() {
  cef_domdocument_t* self_ = Data();
  if (!self_->get_selection_end_offset) return {};
  return self_->get_selection_end_offset(self_);
}

std::wstring TCefDomDocumentRef::GetSelectionAsMarkup() {
  cef_domdocument_t* self_ = Data();
  if (!self_->get_selection_as_markup) return {};
  auto result_ = self_->get_selection_as_markup(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefDomDocumentRef::GetSelectionAsText() {
  cef_domdocument_t* self_ = Data();
  if (!self_->get_selection_as_text) return {};
  auto result_ = self_->get_selection_as_text(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefDomDocumentRef::GetBaseUrl() {
  cef_domdocument_t* self_ = Data();
  if (!self_->get_base_url) return {};
  auto result_ = self_->get_base_url(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefDomDocumentRef::GetCompleteUrl(const std::wstring& partialURL) {
  cef_domdocument_t* self_ = Data();
  if (!self_->get_complete_url) return {};
  const cef_string_t partialURL_ = TCef3Helper::CefString(partialURL);
  auto result_ = self_->get_complete_url(self_, &partialURL_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

// ---- TCefDomNodeRef

rtl::TRef<ICefDomNode> TCefDomNodeRef::UnWrap(cef_domnode_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefDomNode>(new TCefDomNodeRef(data));
}

cef_dom_node_type_t TCefDomNodeRef::GetType() {
  cef_domnode_t* self_ = Data();
  if (!self_->get_type) return {};
  return self_->get_type(self_);
}

bool TCefDomNodeRef::IsText() {
  cef_domnode_t* self_ = Data();
  if (!self_->is_text) return false;
  return self_->is_text(self_) != 0;
}

bool TCefDomNodeRef::IsElement() {
  cef_domnode_t* self_ = Data();
  if (!self_->is_element) return false;
  return self_->is_element(self_) != 0;
}

bool TCefDomNodeRef::IsEditable() {
  cef_domnode_t* self_ = Data();
  if (!self_->is_editable) return false;
  return self_->is_editable(self_) != 0;
}

bool TCefDomNodeRef::IsFormControlElement() {
  cef_domnode_t* self_ = Data();
  if (!self_->is_form_control_element) return false;
  return self_->is_form_control_element(self_) != 0;
}

std::wstring TCefDomNodeRef::GetFormControlElementType() {
  cef_domnode_t* self_ = Data();
  if (!self_->get_form_control_element_type) return {};
  auto result_ = self_->get_form_control_element_type(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

bool TCefDomNodeRef::IsSame(const rtl::TRef<ICefDomNode>& that) {
  cef_domnode_t* self_ = Data();
  if (!self_->is_same) return false;
  return self_->is_same(self_,
      static_cast<cef_domnode_t*>(TCef3Helper::CefGetData(that.Get()))) != 0;
}

std::wstring TCefDomNodeRef::GetName() {
  cef_domnode_t* self_ = Data();
  if (!self_->get_name) return {};
  auto result_ = self_->get_name(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefDomNodeRef::GetValue() {
  cef_domnode_t* self_ = Data();
  if (!self_->get_value) return {};
  auto result_ = self_->get_value(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

bool TCefDomNodeRef::SetValue(const std::wstring& value) {
  cef_domnode_t* self_ = Data();
  if (!self_->set_value) return false;
  const cef_string_t value_ = TCef3Helper::CefString(value);
  return self_->set_value(self_, &value_) != 0;
}

std::wstring TCefDomNodeRef::GetAsMarkup() {
  cef_domnode_t* self_ = Data();
  if (!self_->get_as_markup) return {};
  auto result_ = self_->get_as_markup(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

rtl::TRef<ICefDomDocument> TCefDomNodeRef::GetDocument() {
  cef_domnode_t* self_ = Data();
  if (!self_->get_document) return nullptr;
  auto result_ = self_->get_document(self_);
  auto converted_ = TCefDomDocumentRef::UnWrap(result_);
  return converted_;
}

rtl::TRef<ICefDomNode> TCefDomNodeRef::GetParent() {
  cef_domnode_t* self_ = Data();
  if (!self_->get_parent) return nullptr;
  auto result_ = self_->get_parent(self_);
  auto converted_ = TCefDomNodeRef::UnWrap(result_);
  return converted_;
}

rtl::TRef<ICefDomNode> TCefDomNodeRef::GetPreviousSibling() {
  cef_domnode_t* self_ = Data();
  if (!self_->get_previous_sibling) return nullptr;
  auto result_ = self_->get_previous_sibling(self_);
  auto converted_ = TCefDomNodeRef::UnWrap(result_);
  return converted_;
}

rtl::TRef<ICefDomNode> TCefDomNodeRef::GetNextSibling() {
  cef_domnode_t* self_ = Data();
  if (!self_->get_next_sibling) return nullptr;
  auto result_ = self_->get_next_sibling(self_);
  auto converted_ = TCefDomNodeRef::UnWrap(result_);
  return converted_;
}

bool TCefDomNodeRef::HasChildren() {
  cef_domnode_t* self_ = Data();
  if (!self_->has_children) return false;
  return self_->has_children(self_) != 0;
}

rtl::TRef<ICefDomNode> TCefDomNodeRef::GetFirstChild() {
  cef_domnode_t* self_ = Data();
  if (!self_->get_first_child) return nullptr;
  auto result_ = self_->get_first_child(self_);
  auto converted_ = TCefDomNodeRef::UnWrap(result_);
  return converted_;
}

rtl::TRef<ICefDomNode> TCefDomNodeRef::GetLastChild() {
  cef_domnode_t* self_ = Data();
  if (!self_->get_last_child) return nullptr;
  auto result_ = self_->get_last_child(self_);
  auto converted_ = TCefDomNodeRef::UnWrap(result_);
  return converted_;
}

std::wstring TCefDomNodeRef::GetElementTagName() {
  cef_domnode_t* self_ = Data();
  if (!self_->get_element_tag_name) return {};
  auto result_ = self_->get_element_tag_name(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

bool TCefDomNodeRef::HasElementAttributes() {
  cef_domnode_t* self_ = Data();
  if (!self_->has_element_attributes) return false;
  return self_->has_element_attributes(self_) != 0;
}

bool TCefDomNodeRef::HasElementAttribute(const std::wstring& attrName) {
  cef_domnode_t* self_ = Data();
  if (!self_->has_element_attribute) return false;
  const cef_string_t attrName_ = TCef3Helper::CefString(attrName);
  return self_->has_element_attribute(self_, &attrName_) != 0;
}

std::wstring TCefDomNodeRef::GetElementAttribute(const std::wstring& attrName) {
  cef_domnode_t* self_ = Data();
  if (!self_->get_element_attribute) return {};
  const cef_string_t attrName_ = TCef3Helper::CefString(attrName);
  auto result_ = self_->get_element_attribute(self_, &attrName_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

void TCefDomNodeRef::GetElementAttributes(cef_string_map_t attrMap) {
  cef_domnode_t* self_ = Data();
  if (!self_->get_element_attributes) return;
  self_->get_element_attributes(self_, attrMap);
}

bool TCefDomNodeRef::SetElementAttribute(const std::wstring& attrName, const std::wstring& value) {
  cef_domnode_t* self_ = Data();
  if (!self_->set_element_attribute) return false;
  const cef_string_t attrName_ = TCef3Helper::CefString(attrName);
  const cef_string_t value_ = TCef3Helper::CefString(value);
  return self_->set_element_attribute(self_, &attrName_, &value_) != 0;
}

std::wstring TCefDomNodeRef::GetElementInnerText() {
  cef_domnode_t* self_ = Data();
  if (!self_->get_element_inner_text) return {};
  auto result_ = self_->get_element_inner_text(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

// ---- TCefResponseRef

rtl::TRef<ICefResponse> TCefResponseRef::UnWrap(cef_response_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefResponse>(new TCefResponseRef(data));
}

bool TCefResponseRef::IsReadOnly() {
  cef_response_t* self_ = Data();
  if (!self_->is_read_only) return false;
  return self_->is_read_only(self_) != 0;
}

int TCefResponseRef::GetStatus() {
  cef_response_t* self_ = Data();
  if (!self_->get_status) return {};
  return self_->get_status(self_);
}

void TCefResponseRef::SetStatus(int status) {
  cef_response_t* self_ = Data();
  if (!self_->set_status) return;
  self_->set_status(self_, status);
}

std::wstring TCefResponseRef::GetStatusText() {
  cef_response_t* self_ = Data();
  if (!self_->get_status_text) return {};
  auto result_ = self_->get_status_text(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

void TCefResponseRef::SetStatusText(const std::wstring& statusText) {
  cef_response_t* self_ = Data();
  if (!self_->set_status_text) return;
  const cef_string_t statusText_ = TCef3Helper::CefString(statusText);
  self_->set_status_text(self_, &statusText_);
}

std::wstring TCefResponseRef::GetMimeType() {
  cef_response_t* self_ = Data();
  if (!self_->get_mime_type) return {};
  auto result_ = self_->get_mime_type(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

void TCefResponseRef::SetMimeType(const std::wstring& mimeType) {
  cef_response_t* self_ = Data();
  if (!self_->set_mime_type) return;
  const cef_string_t mimeType_ = TCef3Helper::CefString(mimeType);
  self_->set_mime_type(self_, &mimeType_);
}

std::wstring TCefResponseRef::GetHeader(const std::wstring& name) {
  cef_response_t* self_ = Data();
  if (!self_->get_header) return {};
  const cef_string_t name_ = TCef3Helper::CefString(name);
  auto result_ = self_->get_header(self_, &name_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

void TCefResponseRef::GetHeaderMap(cef_string_multimap_t headerMap) {
  cef_response_t* self_ = Data();
  if (!self_->get_header_map) return;
  self_->get_header_map(self_, headerMap);
}

void TCefResponseRef::SetHeaderMap(cef_string_multimap_t headerMap) {
  cef_response_t* self_ = Data();
  if (!self_->set_header_map) return;
  self_->set_header_map(self_, headerMap);
}

// ---- TCefV8ExceptionRef

rtl::TRef<ICefV8Exception> TCefV8ExceptionRef::UnWrap(cef_v8exception_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefV8Exception>(new TCefV8ExceptionRef(data));
}

std::wstring TCefV8ExceptionRef::GetMessage() {
  cef_v8exception_t* self_ = Data();
  if (!self_->get_message) return {};
  auto result_ = self_->get_message(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefV8ExceptionRef::GetSourceLine() {
  cef_v8exception_t* self_ = Data();
  if (!self_->get_source_line) return {};
  auto result_ = self_->get_source_line(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefV8ExceptionRef::GetScriptResourceName() {
  cef_v8exception_t* self_ = Data();
  if (!self_->get_script_resource_name) return {};
  auto result_ = self_->get_script_resource_name(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

int TCefV8ExceptionRef::GetLineNumber() {
  cef_v8exception_t* self_ = Data();
  if (!self_->get_line_number) return {};
  return self_->get_line_number(self_);
}

int TCefV8ExceptionRef::GetStartPosition() {
  cef_v8exception_t* self_ = Data();
  if (!self_->get_start_position) return {};
  return self_->get_start_position(self_);
}

int TCefV8ExceptionRef::GetEndPosition() {
  cef_v8exception_t* self_ = Data();
  if (!self_->get_end_position) return {};
  return self_->get_end_position(self_);
}

int TCefV8ExceptionRef::GetStartColumn() {
  cef_v8exception_t* self_ = Data();
  if (!self_->get_start_column) return {};
  return self_->get_start_column(self_);
}

int TCefV8ExceptionRef::GetEndColumn() {
  cef_v8exception_t* self_ = Data();
  if (!self_->get_end_column) return {};
  return self_->get_end_column(self_);
}

// ---- TCefCookieManagerRef

rtl::TRef<ICefCookieManager> TCefCookieManagerRef::UnWrap(cef_cookie_manager_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefCookieManager>(new TCefCookieManagerRef(data));
}

void TCefCookieManagerRef::SetSupportedSchemes(const std::vector<std::wstring>& schemes,
    const rtl::TRef<ICefCompletionCallback>& callback) {
  cef_cookie_manager_t* self_ = Data();
  if (!self_->set_supported_schemes) return;
  TCefStringListArg schemes_(schemes);
  self_->set_supported_schemes(self_, schemes_.Handle(),
      static_cast<cef_completion_callback_t*>(TCef3Helper::CefGetData(callback.Get())));
}

bool TCefCookieManagerRef::VisitAllCookies(const rtl::TRef<ICefCookieVisitor>& visitor) {
  cef_cookie_manager_t* self_ = Data();
  if (!self_->visit_all_cookies) return false;
  return self_->visit_all_cookies(self_,
      static_cast<cef_cookie_visitor_t*>(TCef3Helper::CefGetData(visitor.Get()))) != 0;
}

bool TCefCookieManagerRef::VisitUrlCookies(const std::wstring& url, bool includeHttpOnly,
    const rtl::TRef<ICefCookieVisitor>& visitor) {
  cef_cookie_manager_t* self_ = Data();
  if (!self_->visit_url_cookies) return false;
  const cef_string_t url_ = TCef3Helper::CefString(url);
  return self_->visit_url_cookies(self_, &url_, includeHttpOnly ? 1 : 0,
      static_cast<cef_cookie_visitor_t*>(TCef3Helper::CefGetData(visitor.Get()))) != 0;
}

bool TCefCookieManagerRef::SetCookie(const std::wstring& url, const cef_cookie_t* cookie,
    const rtl::TRef<ICefSetCookieCallback>& callback) {
  cef_cookie_manager_t* self_ = Data();
  if (!self_->set_cookie) return false;
  const cef_string_t url_ = TCef3Helper::CefString(url);
  return self_->set_cookie(self_, &url_, cookie,
      static_cast<cef_set_cookie_callback_t*>(TCef3Helper::CefGetData(callback.Get()))) != 0;
}

bool TCefCookieManagerRef::DeleteCookies(const std::wstring& url, const std::wstring& cookie_name,
    const rtl::TRef<ICefDeleteCookiesCallback>& callback) {
  cef_cookie_manager_t* self_ = Data();
  if (!self_->delete_cookies) return false;
  const cef_string_t url_ = TCef3Helper::CefString(url);
  const cef_string_t cookie_name_ = TCef3Helper::CefString(cookie_name);
  return self_->delete_cookies(self_, &url_, &cookie_name_,
      static_cast<cef_delete_cookies_callback_t*>(TCef3Helper::CefGetData(callback.Get()))) != 0;
}

bool TCefCookieManagerRef::SetStoragePath(const std::wstring& path, bool persist_session_cookies,
    const rtl::TRef<ICefCompletionCallback>& callback) {
  cef_cookie_manager_t* self_ = Data();
  if (!self_->set_storage_path) return false;
  const cef_string_t path_ = TCef3Helper::CefString(path);
  return self_->set_storage_path(self_, &path_, persist_session_cookies ? 1 : 0,
      static_cast<cef_completion_callback_t*>(TCef3Helper::CefGetData(callback.Get()))) != 0;
}

bool TCefCookieManagerRef::FlushStore(const rtl::TRef<ICefCompletionCallback>& callback) {
  cef_cookie_manager_t* self_ = Data();
  if (!self_->flush_store) return false;
  return self_->flush_store(self_,
      static_cast<cef_completion_callback_t*>(TCef3Helper::CefGetData(callback.Get()))) != 0;
}

// ---- TCefWebPluginInfoRef

rtl::TRef<ICefWebPluginInfo> TCefWebPluginInfoRef::UnWrap(cef_web_plugin_info_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefWebPluginInfo>(new TCefWebPluginInfoRef(data));
}

std::wstring TCefWebPluginInfoRef::GetName() {
  cef_web_plugin_info_t* self_ = Data();
  if (!self_->get_name) return {};
  auto result_ = self_->get_name(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefWebPluginInfoRef::GetPath() {
  cef_web_plugin_info_t* self_ = Data();
  if (!self_->get_path) return {};
  auto result_ = self_->get_path(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefWebPluginInfoRef::GetVersion() {
  cef_web_plugin_info_t* self_ = Data();
  if (!self_->get_version) return {};
  auto result_ = self_->get_version(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefWebPluginInfoRef::GetDescription() {
  cef_web_plugin_info_t* self_ = Data();
  if (!self_->get_description) return {};
  auto result_ = self_->get_description(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

// ---- TCefProcessMessageRef

rtl::TRef<ICefProcessMessage> TCefProcessMessageRef::UnWrap(cef_process_message_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefProcessMessage>(new TCefProcessMessageRef(data));
}

bool TCefProcessMessageRef::IsValid() {
  cef_process_message_t* self_ = Data();
  if (!self_->is_valid) return false;
  return self_->is_valid(self_) != 0;
}

bool TCefProcessMessageRef::IsReadOnly() {
  cef_process_message_t* self_ = Data();
  if (!self_->is_read_only) return false;
  return self_->is_read_only(self_) != 0;
}

rtl::TRef<ICefProcessMessage> TCefProcessMessageRef::Copy() {
  cef_process_message_t* self_ = Data();
  if (!self_->copy) return nullptr;
  auto result_ = self_->copy(self_);
  auto converted_ = TCefProcessMessageRef::UnWrap(result_);
  return converted_;
}

std::wstring TCefProcessMessageRef::GetName() {
  cef_process_message_t* self_ = Data();
  if (!self_->get_name) return {};
  auto result_ = self_->get_name(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

rtl::TRef<ICefListValue> TCefProcessMessageRef::GetArgumentList() {
  cef_process_message_t* self_ = Data();
  if (!self_->get_argument_list) return nullptr;
  auto result_ = self_->get_argument_list(self_);
  auto converted_ = TCefListValueRef::UnWrap(result_);
  return converted_;
}

// ---- TCefDownLoadItemRef

rtl::TRef<ICefDownloadItem> TCefDownLoadItemRef::UnWrap(cef_download_item_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefDownloadItem>(new TCefDownLoadItemRef(data));
}

bool TCefDownLoadItemRef::IsValid() {
  cef_download_item_t* self_ = Data();
  if (!self_->is_valid) return false;
  return self_->is_valid(self_) != 0;
}

bool TCefDownLoadItemRef::IsInProgress() {
  cef_download_item_t* self_ = Data();
  if (!self_->is_in_progress) return false;
  return self_->is_in_progress(self_) != 0;
}

bool TCefDownLoadItemRef::IsComplete() {
  cef_download_item_t* self_ = Data();
  if (!self_->is_complete) return false;
  return self_->is_complete(self_) != 0;
}

bool TCefDownLoadItemRef::IsCanceled() {
  cef_download_item_t* self_ = Data();
  if (!self_->is_canceled) return false;
  return self_->is_canceled(self_) != 0;
}

int64_t TCefDownLoadItemRef::GetCurrentSpeed() {
  cef_download_item_t* self_ = Data();
  if (!self_->get_current_speed) return {};
  return self_->get_current_speed(self_);
}

int TCefDownLoadItemRef::GetPercentComplete() {
  cef_download_item_t* self_ = Data();
  if (!self_->get_percent_complete) return {};
  return self_->get_percent_complete(self_);
}

int64_t TCefDownLoadItemRef::GetTotalBytes() {
  cef_download_item_t* self_ = Data();
  if (!self_->get_total_bytes) return {};
  return self_->get_total_bytes(self_);
}

int64_t TCefDownLoadItemRef::GetReceivedBytes() {
  cef_download_item_t* self_ = Data();
  if (!self_->get_received_bytes) return {};
  return self_->get_received_bytes(self_);
}

cef_time_t TCefDownLoadItemRef::GetStartTime() {
  cef_download_item_t* self_ = Data();
  if (!self_->get_start_time) return {};
  return self_->get_start_time(self_);
}

cef_time_t TCefDownLoadItemRef::GetEndTime() {
  cef_download_item_t* self_ = Data();
  if (!self_->get_end_time) return {};
  return self_->get_end_time(self_);
}

std::wstring TCefDownLoadItemRef::GetFullPath() {
  cef_download_item_t* self_ = Data();
  if (!self_->get_full_path) return {};
  auto result_ = self_->get_full_path(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

uint32_t TCefDownLoadItemRef::GetId() {
  cef_download_item_t* self_ = Data();
  if (!self_->get_id) return {};
  return self_->get_id(self_);
}

std::wstring TCefDownLoadItemRef::GetUrl() {
  cef_download_item_t* self_ = Data();
  if (!self_->get_url) return {};
  auto result_ = self_->get_url(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefDownLoadItemRef::GetOriginalUrl() {
  cef_download_item_t* self_ = Data();
  if (!self_->get_original_url) return {};
  auto result_ = self_->get_original_url(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefDownLoadItemRef::GetSuggestedFileName() {
  cef_download_item_t* self_ = Data();
  if (!self_->get_suggested_file_name) return {};
  auto result_ = self_->get_suggested_file_name(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefDownLoadItemRef::GetContentDisposition() {
  cef_download_item_t* self_ = Data();
  if (!self_->get_content_disposition) return {};
  auto result_ = self_->get_content_disposition(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefDownLoadItemRef::GetMimeType() {
  cef_download_item_t* self_ = Data();
  if (!self_->get_mime_type) return {};
  auto result_ = self_->get_mime_type(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

// ---- TCefBeforeDownloadCallbackRef

rtl::TRef<ICefBeforeDownloadCallback> TCefBeforeDownloadCallbackRef::UnWrap(cef_before_download_callback_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefBeforeDownloadCallback>(new TCefBeforeDownloadCallbackRef(data));
}

void TCefBeforeDownloadCallbackRef::Cont(const std::wstring& download_path, bool show_dialog) {
  cef_before_download_callback_t* self_ = Data();
  if (!self_->cont) return;
  const cef_string_t download_path_ = TCef3Helper::CefString(download_path);
  self_->cont(self_, &download_path_, show_dialog ? 1 : 0);
}

// ---- TCefDownloadItemCallbackRef

rtl::TRef<ICefDownloadItemCallback> TCefDownloadItemCallbackRef::UnWrap(cef_download_item_callback_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefDownloadItemCallback>(new TCefDownloadItemCallbackRef(data));
}

void TCefDownloadItemCallbackRef::Cancel() {
  cef_download_item_callback_t* self_ = Data();
  if (!self_->cancel) return;
  self_->cancel(self_);
}

void TCefDownloadItemCallbackRef::Pause() {
  cef_download_item_callback_t* self_ = Data();
  if (!self_->pause) return;
  self_->pause(self_);
}

void TCefDownloadItemCallbackRef::Resume() {
  cef_download_item_callback_t* self_ = Data();
  if (!self_->resume) return;
  self_->resume(self_);
}

// ---- TCefAuthCallbackRef

rtl::TRef<ICefAuthCallback> TCefAuthCallbackRef::UnWrap(cef_auth_callback_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefAuthCallback>(new TCefAuthCallbackRef(data));
}

void TCefAuthCallbackRef::Cont(const std::wstring& username, const std::wstring& password) {
  cef_auth_callback_t* self_ = Data();
  if (!self_->cont) return;
  const cef_string_t username_ = TCef3Helper::CefString(username);
  const cef_string_t password_ = TCef3Helper::CefString(password);
  self_->cont(self_, &username_, &password_);
}

void TCefAuthCallbackRef::Cancel() {
  cef_auth_callback_t* self_ = Data();
  if (!self_->cancel) return;
  self_->cancel(self_);
}

// ---- TCefJsDialogCallbackRef

rtl::TRef<ICefJsDialogCallback> TCefJsDialogCallbackRef::UnWrap(cef_jsdialog_callback_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefJsDialogCallback>(new TCefJsDialogCallbackRef(data));
}

void TCefJsDialogCallbackRef::Cont(bool success, const std::wstring& user_input) {
  cef_jsdialog_callback_t* self_ = Data();
  if (!self_->cont) return;
  const cef_string_t user_input_ = TCef3Helper::CefString(user_input);
  self_->cont(self_, success ? 1 : 0, &user_input_);
}

// ---- TCefCommandLineRef

rtl::TRef<ICefCommandLine> TCefCommandLineRef::UnWrap(cef_command_line_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefCommandLine>(new TCefCommandLineRef(data));
}

bool TCefCommandLineRef::IsValid() {
  cef_command_line_t* self_ = Data();
  if (!self_->is_valid) return false;
  return self_->is_valid(self_) != 0;
}

bool TCefCommandLineRef::IsReadOnly() {
  cef_command_line_t* self_ = Data();
  if (!self_->is_read_only) return false;
  return self_->is_read_only(self_) != 0;
}

rtl::TRef<ICefCommandLine> TCefCommandLineRef::Copy() {
  cef_command_line_t* self_ = Data();
  if (!self_->copy) return nullptr;
  auto result_ = self_->copy(self_);
  auto converted_ = TCefCommandLineRef::UnWrap(result_);
  return converted_;
}

void TCefCommandLineRef::InitFromArgv(int argc, const char* const* argv) {
  cef_command_line_t* self_ = Data();
  if (!self_->init_from_argv) return;
  self_->init_from_argv(self_, argc, argv);
}

void TCefCommandLineRef::InitFromString(const std::wstring& command_line) {
  cef_command_line_t* self_ = Data();
  if (!self_->init_from_string) return;
  const cef_string_t command_line_ = TCef3Helper::CefString(command_line);
  self_->init_from_string(self_, &command_line_);
}

void TCefCommandLineRef::Reset() {
  cef_command_line_t* self_ = Data();
  if (!self_->reset) return;
  self_->reset(self_);
}

void TCefCommandLineRef::GetArgv(std::vector<std::wstring>& argv) {
  cef_command_line_t* self_ = Data();
  if (!self_->get_argv) return;
  TCefStringListArg argv_;
  self_->get_argv(self_, argv_.Handle());
  argv = argv_.Strings();
}

std::wstring TCefCommandLineRef::GetCommandLineString() {
  cef_command_line_t* self_ = Data();
  if (!self_->get_command_line_string) return {};
  auto result_ = self_->get_command_line_string(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefCommandLineRef::GetProgram() {
  cef_command_line_t* self_ = Data();
  if (!self_->get_program) return {};
  auto result_ = self_->get_program(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

void TCefCommandLineRef::SetProgram(const std::wstring& program) {
  cef_command_line_t* self_ = Data();
  if (!self_->set_program) return;
  const cef_string_t program_ = TCef3Helper::CefString(program);
  self_->set_program(self_, &program_);
}

bool TCefCommandLineRef::HasSwitches() {
  cef_command_line_t* self_ = Data();
  if (!self_->has_switches) return false;
  return self_->has_switches(self_) != 0;
}

bool TCefCommandLineRef::HasSwitch(const std::wstring& name) {
  cef_command_line_t* self_ = Data();
  if (!self_->has_switch) return false;
  const cef_string_t name_ = TCef3Helper::CefString(name);
  return self_->has_switch(self_, &name_) != 0;
}

std::wstring TCefCommandLineRef::GetSwitchValue(const std::wstring& name) {
  cef_command_line_t* self_ = Data();
  if (!self_->get_switch_value) return {};
  const cef_string_t name_ = TCef3Helper::CefString(name);
  auto result_ = self_->get_switch_value(self_, &name_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

void TCefCommandLineRef::GetSwitches(cef_string_map_t switches) {
  cef_command_line_t* self_ = Data();
  if (!self_->get_switches) return;
  self_->get_switches(self_, switches);
}

void TCefCommandLineRef::AppendSwitch(const std::wstring& name) {
  cef_command_line_t* self_ = Data();
  if (!self_->append_switch) return;
  const cef_string_t name_ = TCef3Helper::CefString(name);
  self_->append_switch(self_, &name_);
}

void TCefCommandLineRef::AppendSwitchWithValue(const std::wstring& name,
    const std::wstring& value) {
  cef_command_line_t* self_ = Data();
  if (!self_->append_switch_with_value) return;
  const cef_string_t name_ = TCef3Helper::CefString(name);
  const cef_string_t value_ = TCef3Helper::CefString(value);
  self_->append_switch_with_value(self_, &name_, &value_);
}

bool TCefCommandLineRef::HasArguments() {
  cef_command_line_t* self_ = Data();
  if (!self_->has_arguments) return false;
  return self_->has_arguments(self_) != 0;
}

void TCefCommandLineRef::GetArguments(std::vector<std::wstring>& arguments) {
  cef_command_line_t* self_ = Data();
  if (!self_->get_arguments) return;
  TCefStringListArg arguments_;
  self_->get_arguments(self_, arguments_.Handle());
  arguments = arguments_.Strings();
}

void TCefCommandLineRef::AppendArgument(const std::wstring& argument) {
  cef_command_line_t* self_ = Data();
  if (!self_->append_argument) return;
  const cef_string_t argument_ = TCef3Helper::CefString(argument);
  self_->append_argument(self_, &argument_);
}

void TCefCommandLineRef::PrependWrapper(const std::wstring& wrapper) {
  cef_command_line_t* self_ = Data();
  if (!self_->prepend_wrapper) return;
  const cef_string_t wrapper_ = TCef3Helper::CefString(wrapper);
  self_->prepend_wrapper(self_, &wrapper_);
}

// ---- TCefSchemeRegistrarRef

rtl::TRef<ICefSchemeRegistrar> TCefSchemeRegistrarRef::UnWrap(cef_scheme_registrar_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefSchemeRegistrar>(new TCefSchemeRegistrarRef(data));
}

bool TCefSchemeRegistrarRef::AddCustomScheme(const std::wstring& scheme_name, bool is_standard,
    bool is_local, bool is_display_isolated) {
  cef_scheme_registrar_t* self_ = Data();
  if (!self_->add_custom_scheme) return false;
  const cef_string_t scheme_name_ = TCef3Helper::CefString(scheme_name);
  return self_->add_custom_scheme(self_, &scheme_name_, is_standard ? 1 : 0, is_local ? 1 : 0,
      is_display_isolated ? 1 : 0) != 0;
}

// ---- TCefGeolocationCallbackRef

rtl::TRef<ICefGeolocationCallback> TCefGeolocationCallbackRef::UnWrap(cef_geolocation_callback_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefGeolocationCallback>(new TCefGeolocationCallbackRef(data));
}

void TCefGeolocationCallbackRef::Cont(bool allow) {
  cef_geolocation_callback_t* self_ = Data();
  if (!self_->cont) return;
  self_->cont(self_, allow ? 1 : 0);
}

// ---- TCefContextMenuParamsRef

rtl::TRef<ICefContextMenuParams> TCefContextMenuParamsRef::UnWrap(cef_context_menu_params_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefContextMenuParams>(new TCefContextMenuParamsRef(data));
}

int TCefContextMenuParamsRef::GetXcoord() {
  cef_context_menu_params_t* self_ = Data();
  if (!self_->get_xcoord) return {};
  return self_->get_xcoord(self_);
}

int TCefContextMenuParamsRef::GetYcoord() {
  cef_context_menu_params_t* self_ = Data();
  if (!self_->get_ycoord) return {};
  return self_->get_ycoord(self_);
}

cef_context_menu_type_flags_t TCefContextMenuParamsRef::GetTypeFlags() {
  cef_context_menu_params_t* self_ = Data();
  if (!self_->get_type_flags) return {};
  return self_->get_type_flags(self_);
}

std::wstring TCefContextMenuParamsRef::GetLinkUrl() {
  cef_context_menu_params_t* self_ = Data();
  if (!self_->get_link_url) return {};
  auto result_ = self_->get_link_url(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefContextMenuParamsRef::GetUnfilteredLinkUrl() {
  cef_context_menu_params_t* self_ = Data();
  if (!self_->get_unfiltered_link_url) return {};
  auto result_ = self_->get_unfiltered_link_url(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefContextMenuParamsRef::GetSourceUrl() {
  cef_context_menu_params_t* self_ = Data();
  if (!self_->get_source_url) return {};
  auto result_ = self_->get_source_url(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

bool TCefContextMenuParamsRef::HasImageContents() {
  cef_context_menu_params_t* self_ = Data();
  if (!self_->has_image_contents) return false;
  return self_->has_image_contents(self_) != 0;
}

std::wstring TCefContextMenuParamsRef::GetPageUrl() {
  cef_context_menu_params_t* self_ = Data();
  if (!self_->get_page_url) return {};
  auto result_ = self_->get_page_url(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefContextMenuParamsRef::GetFrameUrl() {
  cef_context_menu_params_t* self_ = Data();
  if (!self_->get_frame_url) return {};
  auto result_ = self_->get_frame_url(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefContextMenuParamsRef::GetFrameCharset() {
  cef_context_menu_params_t* self_ = Data();
  if (!self_->get_frame_charset) return {};
  auto result_ = self_->get_frame_charset(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

cef_context_menu_media_type_t TCefContextMenuParamsRef::GetMediaType() {
  cef_context_menu_params_t* self_ = Data();
  if (!self_->get_media_type) return {};
  return self_->get_media_type(self_);
}

cef_context_menu_media_state_flags_t TCefContextMenuParamsRef::GetMediaStateFlags() {
  cef_context_menu_params_t* self_ = Data();
  if (!self_->get_media_state_flags) return {};
  return self_->get_media_state_flags(self_);
}

std::wstring TCefContextMenuParamsRef::GetSelectionText() {
  cef_context_menu_params_t* self_ = Data();
  if (!self_->get_selection_text) return {};
  auto result_ = self_->get_selection_text(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefContextMenuParamsRef::GetMisspelledWord() {
  cef_context_menu_params_t* self_ = Data();
  if (!self_->get_misspelled_word) return {};
  auto result_ = self_->get_misspelled_word(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

bool TCefContextMenuParamsRef::GetDictionarySuggestions(std::vector<std::wstring>& suggestions) {
  cef_context_menu_params_t* self_ = Data();
  if (!self_->get_dictionary_suggestions) return false;
  TCefStringListArg suggestions_;
  auto result_ = self_->get_dictionary_suggestions(self_, suggestions_.Handle());
  suggestions = suggestions_.Strings();
  return result_ != 0;
}

bool TCefContextMenuParamsRef::IsEditable() {
  cef_context_menu_params_t* self_ = Data();
  if (!self_->is_editable) return false;
  return self_->is_editable(self_) != 0;
}

bool TCefContextMenuParamsRef::IsSpellCheckEnabled() {
  cef_context_menu_params_t* self_ = Data();
  if (!self_->is_spell_check_enabled) return false;
  return self_->is_spell_check_enabled(self_) != 0;
}

cef_context_menu_edit_state_flags_t TCefContextMenuParamsRef::GetEditStateFlags() {
  cef_context_menu_params_t* self_ = Data();
  if (!self_->get_edit_state_flags) return {};
  return self_->get_edit_state_flags(self_);
}

bool TCefContextMenuParamsRef::IsCustomMenu() {
  cef_context_menu_params_t* self_ = Data();
  if (!self_->is_custom_menu) return false;
  return self_->is_custom_menu(self_) != 0;
}

bool TCefContextMenuParamsRef::IsPepperMenu() {
  cef_context_menu_params_t* self_ = Data();
  if (!self_->is_pepper_menu) return false;
  return self_->is_pepper_menu(self_) != 0;
}

// ---- TCefMenuModelRef

rtl::TRef<ICefMenuModel> TCefMenuModelRef::UnWrap(cef_menu_model_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefMenuModel>(new TCefMenuModelRef(data));
}

bool TCefMenuModelRef::Clear() {
  cef_menu_model_t* self_ = Data();
  if (!self_->clear) return false;
  return self_->clear(self_) != 0;
}

int TCefMenuModelRef::GetCount() {
  cef_menu_model_t* self_ = Data();
  if (!self_->get_count) return {};
  return self_->get_count(self_);
}

bool TCefMenuModelRef::AddSeparator() {
  cef_menu_model_t* self_ = Data();
  if (!self_->add_separator) return false;
  return self_->add_separator(self_) != 0;
}

bool TCefMenuModelRef::AddItem(int command_id, const std::wstring& label) {
  cef_menu_model_t* self_ = Data();
  if (!self_->add_item) return false;
  const cef_string_t label_ = TCef3Helper::CefString(label);
  return self_->add_item(self_, command_id, &label_) != 0;
}

bool TCefMenuModelRef::AddCheckItem(int command_id, const std::wstring& label) {
  cef_menu_model_t* self_ = Data();
  if (!self_->add_check_item) return false;
  const cef_string_t label_ = TCef3Helper::CefString(label);
  return self_->add_check_item(self_, command_id, &label_) != 0;
}

bool TCefMenuModelRef::AddRadioItem(int command_id, const std::wstring& label, int group_id) {
  cef_menu_model_t* self_ = Data();
  if (!self_->add_radio_item) return false;
  const cef_string_t label_ = TCef3Helper::CefString(label);
  return self_->add_radio_item(self_, command_id, &label_, group_id) != 0;
}

rtl::TRef<ICefMenuModel> TCefMenuModelRef::AddSubMenu(int command_id, const std::wstring& label) {
  cef_menu_model_t* self_ = Data();
  if (!self_->add_sub_menu) return nullptr;
  const cef_string_t label_ = TCef3Helper::CefString(label);
  auto result_ = self_->add_sub_menu(self_, command_id, &label_);
  auto converted_ = TCefMenuModelRef::UnWrap(result_);
  return converted_;
}

bool TCefMenuModelRef::InsertSeparatorAt(int index) {
  cef_menu_model_t* self_ = Data();
  if (!self_->insert_separator_at) return false;
  return self_->insert_separator_at(self_, index) != 0;
}

bool TCefMenuModelRef::InsertItemAt(int index, int command_id, const std::wstring& label) {
  cef_menu_model_t* self_ = Data();
  if (!self_->insert_item_at) return false;
  const cef_string_t label_ = TCef3Helper::CefString(label);
  return self_->insert_item_at(self_, index, command_id, &label_) != 0;
}

bool TCefMenuModelRef::InsertCheckItemAt(int index, int command_id, const std::wstring& label) {
  cef_menu_model_t* self_ = Data();
  if (!self_->insert_check_item_at) return false;
  const cef_string_t label_ = TCef3Helper::CefString(label);
  return self_->insert_check_item_at(self_, index, command_id, &label_) != 0;
}

bool TCefMenuModelRef::InsertRadioItemAt(int index, int command_id, const std::wstring& label,
    int group_id) {
  cef_menu_model_t* self_ = Data();
  if (!self_->insert_radio_item_at) return false;
  const cef_string_t label_ = TCef3Helper::CefString(label);
  return self_->insert_radio_item_at(self_, index, command_id, &label_, group_id) != 0;
}

rtl::TRef<ICefMenuModel> TCefMenuModelRef::InsertSubMenuAt(int index, int command_id,
    const std::wstring& label) {
  cef_menu_model_t* self_ = Data();
  if (!self_->insert_sub_menu_at) return nullptr;
  const cef_string_t label_ = TCef3Helper::CefString(label);
  auto result_ = self_->insert_sub_menu_at(self_, index, command_id, &label_);
  auto converted_ = TCefMenuModelRef::UnWrap(result_);
  return converted_;
}

bool TCefMenuModelRef::Remove(int command_id) {
  cef_menu_model_t* self_ = Data();
  if (!self_->remove) return false;
  return self_->remove(self_, command_id) != 0;
}

bool TCefMenuModelRef::RemoveAt(int index) {
  cef_menu_model_t* self_ = Data();
  if (!self_->remove_at) return false;
  return self_->remove_at(self_, index) != 0;
}

int TCefMenuModelRef::GetIndexOf(int command_id) {
  cef_menu_model_t* self_ = Data();
  if (!self_->get_index_of) return {};
  return self_->get_index_of(self_, command_id);
}

int TCefMenuModelRef::GetCommandIdAt(int index) {
  cef_menu_model_t* self_ = Data();
  if (!self_->get_command_id_at) return {};
  return self_->get_command_id_at(self_, index);
}

bool TCefMenuModelRef::SetCommandIdAt(int index, int command_id) {
  cef_menu_model_t* self_ = Data();
  if (!self_->set_command_id_at) return false;
  return self_->set_command_id_at(self_, index, command_id) != 0;
}

std::wstring TCefMenuModelRef::GetLabel(int command_id) {
  cef_menu_model_t* self_ = Data();
  if (!self_->get_label) return {};
  auto result_ = self_->get_label(self_, command_id);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefMenuModelRef::GetLabelAt(int index) {
  cef_menu_model_t* self_ = Data();
  if (!self_->get_label_at) return {};
  auto result_ = self_->get_label_at(self_, index);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

bool TCefMenuModelRef::SetLabel(int command_id, const std::wstring& label) {
  cef_menu_model_t* self_ = Data();
  if (!self_->set_label) return false;
  const cef_string_t label_ = TCef3Helper::CefString(label);
  return self_->set_label(self_, command_id, &label_) != 0;
}

bool TCefMenuModelRef::SetLabelAt(int index, const std::wstring& label) {
  cef_menu_model_t* self_ = Data();
  if (!self_->set_label_at) return false;
  const cef_string_t label_ = TCef3Helper::CefString(label);
  return self_->set_label_at(self_, index, &label_) != 0;
}

cef_menu_item_type_t TCefMenuModelRef::GetType(int command_id) {
  cef_menu_model_t* self_ = Data();
  if (!self_->get_type) return {};
  return self_->get_type(self_, command_id);
}

cef_menu_item_type_t TCefMenuModelRef::GetTypeAt(int index) {
  cef_menu_model_t* self_ = Data();
  if (!self_->get_type_at) return {};
  return self_->get_type_at(self_, index);
}

int TCefMenuModelRef::GetGroupId(int command_id) {
  cef_menu_model_t* self_ = Data();
  if (!self_->get_group_id) return {};
  return self_->get_group_id(self_, command_id);
}

int TCefMenuModelRef::GetGroupIdAt(int index) {
  cef_menu_model_t* self_ = Data();
  if (!self_->get_group_id_at) return {};
  return self_->get_group_id_at(self_, index);
}

bool TCefMenuModelRef::SetGroupId(int command_id, int group_id) {
  cef_menu_model_t* self_ = Data();
  if (!self_->set_group_id) return false;
  return self_->set_group_id(self_, command_id, group_id) != 0;
}

bool TCefMenuModelRef::SetGroupIdAt(int index, int group_id) {
  cef_menu_model_t* self_ = Data();
  if (!self_->set_group_id_at) return false;
  return self_->set_group_id_at(self_, index, group_id) != 0;
}

rtl::TRef<ICefMenuModel> TCefMenuModelRef::GetSubMenu(int command_id) {
  cef_menu_model_t* self_ = Data();
  if (!self_->get_sub_menu) return nullptr;
  auto result_ = self_->get_sub_menu(self_, command_id);
  auto converted_ = TCefMenuModelRef::UnWrap(result_);
  return converted_;
}

rtl::TRef<ICefMenuModel> TCefMenuModelRef::GetSubMenuAt(int index) {
  cef_menu_model_t* self_ = Data();
  if (!self_->get_sub_menu_at) return nullptr;
  auto result_ = self_->get_sub_menu_at(self_, index);
  auto converted_ = TCefMenuModelRef::UnWrap(result_);
  return converted_;
}

bool TCefMenuModelRef::IsVisible(int command_id) {
  cef_menu_model_t* self_ = Data();
  if (!self_->is_visible) return false;
  return self_->is_visible(self_, command_id) != 0;
}

bool TCefMenuModelRef::IsVisibleAt(int index) {
  cef_menu_model_t* self_ = Data();
  if (!self_->is_visible_at) return false;
  return self_->is_visible_at(self_, index) != 0;
}

bool TCefMenuModelRef::SetVisible(int command_id, bool visible) {
  cef_menu_model_t* self_ = Data();
  if (!self_->set_visible) return false;
  return self_->set_visible(self_, command_id, visible ? 1 : 0) != 0;
}

bool TCefMenuModelRef::SetVisibleAt(int index, bool visible) {
  cef_menu_model_t* self_ = Data();
  if (!self_->set_visible_at) return false;
  return self_->set_visible_at(self_, index, visible ? 1 : 0) != 0;
}

bool TCefMenuModelRef::IsEnabled(int command_id) {
  cef_menu_model_t* self_ = Data();
  if (!self_->is_enabled) return false;
  return self_->is_enabled(self_, command_id) != 0;
}

bool TCefMenuModelRef::IsEnabledAt(int index) {
  cef_menu_model_t* self_ = Data();
  if (!self_->is_enabled_at) return false;
  return self_->is_enabled_at(self_, index) != 0;
}

bool TCefMenuModelRef::SetEnabled(int command_id, bool enabled) {
  cef_menu_model_t* self_ = Data();
  if (!self_->set_enabled) return false;
  return self_->set_enabled(self_, command_id, enabled ? 1 : 0) != 0;
}

bool TCefMenuModelRef::SetEnabledAt(int index, bool enabled) {
  cef_menu_model_t* self_ = Data();
  if (!self_->set_enabled_at) return false;
  return self_->set_enabled_at(self_, index, enabled ? 1 : 0) != 0;
}

bool TCefMenuModelRef::IsChecked(int command_id) {
  cef_menu_model_t* self_ = Data();
  if (!self_->is_checked) return false;
  return self_->is_checked(self_, command_id) != 0;
}

bool TCefMenuModelRef::IsCheckedAt(int index) {
  cef_menu_model_t* self_ = Data();
  if (!self_->is_checked_at) return false;
  return self_->is_checked_at(self_, index) != 0;
}

bool TCefMenuModelRef::SetChecked(int command_id, bool checked) {
  cef_menu_model_t* self_ = Data();
  if (!self_->set_checked) return false;
  return self_->set_checked(self_, command_id, checked ? 1 : 0) != 0;
}

bool TCefMenuModelRef::SetCheckedAt(int index, bool checked) {
  cef_menu_model_t* self_ = Data();
  if (!self_->set_checked_at) return false;
  return self_->set_checked_at(self_, index, checked ? 1 : 0) != 0;
}

bool TCefMenuModelRef::HasAccelerator(int command_id) {
  cef_menu_model_t* self_ = Data();
  if (!self_->has_accelerator) return false;
  return self_->has_accelerator(self_, command_id) != 0;
}

bool TCefMenuModelRef::HasAcceleratorAt(int index) {
  cef_menu_model_t* self_ = Data();
  if (!self_->has_accelerator_at) return false;
  return self_->has_accelerator_at(self_, index) != 0;
}

bool TCefMenuModelRef::SetAccelerator(int command_id, int key_code, bool shift_pressed,
    bool ctrl_pressed, bool alt_pressed) {
  cef_menu_model_t* self_ = Data();
  if (!self_->set_accelerator) return false;
  return self_->set_accelerator(self_, command_id, key_code, shift_pressed ? 1 : 0,
      ctrl_pressed ? 1 : 0, alt_pressed ? 1 : 0) != 0;
}

bool TCefMenuModelRef::SetAcceleratorAt(int index, int key_code, bool shift_pressed,
    bool ctrl_pressed, bool alt_pressed) {
  cef_menu_model_t* self_ = Data();
  if (!self_->set_accelerator_at) return false;
  return self_->set_accelerator_at(self_, index, key_code, shift_pressed ? 1 : 0,
      ctrl_pressed ? 1 : 0, alt_pressed ? 1 : 0) != 0;
}

bool TCefMenuModelRef::RemoveAccelerator(int command_id) {
  cef_menu_model_t* self_ = Data();
  if (!self_->remove_accelerator) return false;
  return self_->remove_accelerator(self_, command_id) != 0;
}

bool TCefMenuModelRef::RemoveAcceleratorAt(int index) {
  cef_menu_model_t* self_ = Data();
  if (!self_->remove_accelerator_at) return false;
  return self_->remove_accelerator_at(self_, index) != 0;
}

bool TCefMenuModelRef::GetAccelerator(int command_id, int& key_code, int& shift_pressed,
    int& ctrl_pressed, int& alt_pressed) {
  cef_menu_model_t* self_ = Data();
  if (!self_->get_accelerator) return false;
  return self_->get_accelerator(self_, command_id, &key_code, &shift_pressed, &ctrl_pressed,
      &alt_pressed) != 0;
}

bool TCefMenuModelRef::GetAcceleratorAt(int index, int& key_code, int& shift_pressed,
    int& ctrl_pressed, int& alt_pressed) {
  cef_menu_model_t* self_ = Data();
  if (!self_->get_accelerator_at) return false;
  return self_->get_accelerator_at(self_, index, &key_code, &shift_pressed, &ctrl_pressed,
      &alt_pressed) != 0;
}

// ---- TCefListValueRef

rtl::TRef<ICefListValue> TCefListValueRef::UnWrap(cef_list_value_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefListValue>(new TCefListValueRef(data));
}

bool TCefListValueRef::IsValid() {
  cef_list_value_t* self_ = Data();
  if (!self_->is_valid) return false;
  return self_->is_valid(self_) != 0;
}

bool TCefListValueRef::IsOwned() {
  cef_list_value_t* self_ = Data();
  if (!self_->is_owned) return false;
  return self_->is_owned(self_) != 0;
}

bool TCefListValueRef::IsReadOnly() {
  cef_list_value_t* self_ = Data();
  if (!self_->is_read_only) return false;
  return self_->is_read_only(self_) != 0;
}

bool TCefListValueRef::IsSame(const rtl::TRef<ICefListValue>& that) {
  cef_list_value_t* self_ = Data();
  if (!self_->is_same) return false;
  return self_->is_same(self_,
      static_cast<cef_list_value_t*>(TCef3Helper::CefGetData(that.Get()))) != 0;
}

bool TCefListValueRef::IsEqual(const rtl::TRef<ICefListValue>& that) {
  cef_list_value_t* self_ = Data();
  if (!self_->is_equal) return false;
  return self_->is_equal(self_,
      static_cast<cef_list_value_t*>(TCef3Helper::CefGetData(that.Get()))) != 0;
}

rtl::TRef<ICefListValue> TCefListValueRef::Copy() {
  cef_list_value_t* self_ = Data();
  if (!self_->copy) return nullptr;
  auto result_ = self_->copy(self_);
  auto converted_ = TCefListValueRef::UnWrap(result_);
  return converted_;
}

bool TCefListValueRef::SetSize(size_t size) {
  cef_list_value_t* self_ = Data();
  if (!self_->set_size) return false;
  return self_->set_size(self_, size) != 0;
}

size_t TCefListValueRef::GetSize() {
  cef_list_value_t* self_ = Data();
  if (!self_->get_size) return {};
  return self_->get_size(self_);
}

bool TCefListValueRef::Clear() {
  cef_list_value_t* self_ = Data();
  if (!self_->clear) return false;
  return self_->clear(self_) != 0;
}

bool TCefListValueRef::Remove(int index) {
  cef_list_value_t* self_ = Data();
  if (!self_->remove) return false;
  return self_->remove(self_, index) != 0;
}

cef_value_type_t TCefListValueRef::GetType(int index) {
  cef_list_value_t* self_ = Data();
  if (!self_->get_type) return {};
  return self_->get_type(self_, index);
}

rtl::TRef<ICefValue> TCefListValueRef::GetValue(int index) {
  cef_list_value_t* self_ = Data();
  if (!self_->get_value) return nullptr;
  auto result_ = self_->get_value(self_, index);
  auto converted_ = TCefValueRef::UnWrap(result_);
  return converted_;
}

bool TCefListValueRef::GetBool(int index) {
  cef_list_value_t* self_ = Data();
  if (!self_->get_bool) return false;
  return self_->get_bool(self_, index) != 0;
}

int TCefListValueRef::GetInt(int index) {
  cef_list_value_t* self_ = Data();
  if (!self_->get_int) return {};
  return self_->get_int(self_, index);
}

double TCefListValueRef::GetDouble(int index) {
  cef_list_value_t* self_ = Data();
  if (!self_->get_double) return {};
  return self_->get_double(self_, index);
}

std::wstring TCefListValueRef::GetString(int index) {
  cef_list_value_t* self_ = Data();
  if (!self_->get_string) return {};
  auto result_ = self_->get_string(self_, index);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

rtl::TRef<ICefBinaryValue> TCefListValueRef::GetBinary(int index) {
  cef_list_value_t* self_ = Data();
  if (!self_->get_binary) return nullptr;
  auto result_ = self_->get_binary(self_, index);
  auto converted_ = TCefBinaryValueRef::UnWrap(result_);
  return converted_;
}

rtl::TRef<ICefDictionaryValue> TCefListValueRef::GetDictionary(int index) {
  cef_list_value_t* self_ = Data();
  if (!self_->get_dictionary) return nullptr;
  auto result_ = self_->get_dictionary(self_, index);
  auto converted_ = TCefDictionaryValueRef::UnWrap(result_);
  return converted_;
}

rtl::TRef<ICefListValue> TCefListValueRef::GetList(int index) {
  cef_list_value_t* self_ = Data();
  if (!self_->get_list) return nullptr;
  auto result_ = self_->get_list(self_, index);
  auto converted_ = TCefListValueRef::UnWrap(result_);
  return converted_;
}

bool TCefListValueRef::SetValue(int index, const rtl::TRef<ICefValue>& value) {
  cef_list_value_t* self_ = Data();
  if (!self_->set_value) return false;
  return self_->set_value(self_, index,
      static_cast<cef_value_t*>(TCef3Helper::CefGetData(value.Get()))) != 0;
}

bool TCefListValueRef::SetNull(int index) {
  cef_list_value_t* self_ = Data();
  if (!self_->set_null) return false;
  return self_->set_null(self_, index) != 0;
}

bool TCefListValueRef::SetBool(int index, int value) {
  cef_list_value_t* self_ = Data();
  if (!self_->set_bool) return false;
  return self_->set_bool(self_, index, value) != 0;
}

bool TCefListValueRef::SetInt(int index, int value) {
  cef_list_value_t* self_ = Data();
  if (!self_->set_int) return false;
  return self_->set_int(self_, index, value) != 0;
}

bool TCefListValueRef::SetDouble(int index, double value) {
  cef_list_value_t* self_ = Data();
  if (!self_->set_double) return false;
  return self_->set_double(self_, index, value) != 0;
}

bool TCefListValueRef::SetString(int index, const std::wstring& value) {
  cef_list_value_t* self_ = Data();
  if (!self_->set_string) return false;
  const cef_string_t value_ = TCef3Helper::CefString(value);
  return self_->set_string(self_, index, &value_) != 0;
}

bool TCefListValueRef::SetBinary(int index, const rtl::TRef<ICefBinaryValue>& value) {
  cef_list_value_t* self_ = Data();
  if (!self_->set_binary) return false;
  return self_->set_binary(self_, index,
      static_cast<cef_binary_value_t*>(TCef3Helper::CefGetData(value.Get()))) != 0;
}

bool TCefListValueRef::SetDictionary(int index, const rtl::TRef<ICefDictionaryValue>& value) {
  cef_list_value_t* self_ = Data();
  if (!self_->set_dictionary) return false;
  return self_->set_dictionary(self_, index,
      static_cast<cef_dictionary_value_t*>(TCef3Helper::CefGetData(value.Get()))) != 0;
}

bool TCefListValueRef::SetList(int index, const rtl::TRef<ICefListValue>& value) {
  cef_list_value_t* self_ = Data();
  if (!self_->set_list) return false;
  return self_->set_list(self_, index,
      static_cast<cef_list_value_t*>(TCef3Helper::CefGetData(value.Get()))) != 0;
}

// ---- TCefValueRef

rtl::TRef<ICefValue> TCefValueRef::UnWrap(cef_value_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefValue>(new TCefValueRef(data));
}

bool TCefValueRef::IsValid() {
  cef_value_t* self_ = Data();
  if (!self_->is_valid) return false;
  return self_->is_valid(self_) != 0;
}

bool TCefValueRef::IsOwned() {
  cef_value_t* self_ = Data();
  if (!self_->is_owned) return false;
  return self_->is_owned(self_) != 0;
}

bool TCefValueRef::IsReadOnly() {
  cef_value_t* self_ = Data();
  if (!self_->is_read_only) return false;
  return self_->is_read_only(self_) != 0;
}

bool TCefValueRef::IsSame(const rtl::TRef<ICefValue>& that) {
  cef_value_t* self_ = Data();
  if (!self_->is_same) return false;
  return self_->is_same(self_, static_cast<cef_value_t*>(TCef3Helper::CefGetData(that.Get()))) != 0;
}

bool TCefValueRef::IsEqual(const rtl::TRef<ICefValue>& that) {
  cef_value_t* self_ = Data();
  if (!self_->is_equal) return false;
  return self_->is_equal(self_,
      static_cast<cef_value_t*>(TCef3Helper::CefGetData(that.Get()))) != 0;
}

rtl::TRef<ICefValue> TCefValueRef::Copy() {
  cef_value_t* self_ = Data();
  if (!self_->copy) return nullptr;
  auto result_ = self_->copy(self_);
  auto converted_ = TCefValueRef::UnWrap(result_);
  return converted_;
}

cef_value_type_t TCefValueRef::GetType() {
  cef_value_t* self_ = Data();
  if (!self_->get_type) return {};
  return self_->get_type(self_);
}

bool TCefValueRef::GetBool() {
  cef_value_t* self_ = Data();
  if (!self_->get_bool) return false;
  return self_->get_bool(self_) != 0;
}

int TCefValueRef::GetInt() {
  cef_value_t* self_ = Data();
  if (!self_->get_int) return {};
  return self_->get_int(self_);
}

double TCefValueRef::GetDouble() {
  cef_value_t* self_ = Data();
  if (!self_->get_double) return {};
  return self_->get_double(self_);
}

std::wstring TCefValueRef::GetString() {
  cef_value_t* self_ = Data();
  if (!self_->get_string) return {};
  auto result_ = self_->get_string(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

rtl::TRef<ICefBinaryValue> TCefValueRef::GetBinary() {
  cef_value_t* self_ = Data();
  if (!self_->get_binary) return nullptr;
  auto result_ = self_->get_binary(self_);
  auto converted_ = TCefBinaryValueRef::UnWrap(result_);
  return converted_;
}

rtl::TRef<ICefDictionaryValue> TCefValueRef::GetDictionary() {
  cef_value_t* self_ = Data();
  if (!self_->get_dictionary) return nullptr;
  auto result_ = self_->get_dictionary(self_);
  auto converted_ = TCefDictionaryValueRef::UnWrap(result_);
  return converted_;
}

rtl::TRef<ICefListValue> TCefValueRef::GetList() {
  cef_value_t* self_ = Data();
  if (!self_->get_list) return nullptr;
  auto result_ = self_->get_list(self_);
  auto converted_ = TCefListValueRef::UnWrap(result_);
  return converted_;
}

bool TCefValueRef::SetNull() {
  cef_value_t* self_ = Data();
  if (!self_->set_null) return false;
  return self_->set_null(self_) != 0;
}

bool TCefValueRef::SetBool(int value) {
  cef_value_t* self_ = Data();
  if (!self_->set_bool) return false;
  return self_->set_bool(self_, value) != 0;
}

bool TCefValueRef::SetInt(int value) {
  cef_value_t* self_ = Data();
  if (!self_->set_int) return false;
  return self_->set_int(self_, value) != 0;
}

bool TCefValueRef::SetDouble(double value) {
  cef_value_t* self_ = Data();
  if (!self_->set_double) return false;
  return self_->set_double(self_, value) != 0;
}

bool TCefValueRef::SetString(const std::wstring& value) {
  cef_value_t* self_ = Data();
  if (!self_->set_string) return false;
  const cef_string_t value_ = TCef3Helper::CefString(value);
  return self_->set_string(self_, &value_) != 0;
}

bool TCefValueRef::SetBinary(const rtl::TRef<ICefBinaryValue>& value) {
  cef_value_t* self_ = Data();
  if (!self_->set_binary) return false;
  return self_->set_binary(self_,
      static_cast<cef_binary_value_t*>(TCef3Helper::CefGetData(value.Get()))) != 0;
}

bool TCefValueRef::SetDictionary(const rtl::TRef<ICefDictionaryValue>& value) {
  cef_value_t* self_ = Data();
  if (!self_->set_dictionary) return false;
  return self_->set_dictionary(self_,
      static_cast<cef_dictionary_value_t*>(TCef3Helper::CefGetData(value.Get()))) != 0;
}

bool TCefValueRef::SetList(const rtl::TRef<ICefListValue>& value) {
  cef_value_t* self_ = Data();
  if (!self_->set_list) return false;
  return self_->set_list(self_,
      static_cast<cef_list_value_t*>(TCef3Helper::CefGetData(value.Get()))) != 0;
}

// ---- TCefBinaryValueRef

rtl::TRef<ICefBinaryValue> TCefBinaryValueRef::UnWrap(cef_binary_value_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefBinaryValue>(new TCefBinaryValueRef(data));
}

bool TCefBinaryValueRef::IsValid() {
  cef_binary_value_t* self_ = Data();
  if (!self_->is_valid) return false;
  return self_->is_valid(self_) != 0;
}

bool TCefBinaryValueRef::IsOwned() {
  cef_binary_value_t* self_ = Data();
  if (!self_->is_owned) return false;
  return self_->is_owned(self_) != 0;
}

bool TCefBinaryValueRef::IsSame(const rtl::TRef<ICefBinaryValue>& that) {
  cef_binary_value_t* self_ = Data();
  if (!self_->is_same) return false;
  return self_->is_same(self_,
      static_cast<cef_binary_value_t*>(TCef3Helper::CefGetData(that.Get()))) != 0;
}

bool TCefBinaryValueRef::IsEqual(const rtl::TRef<ICefBinaryValue>& that) {
  cef_binary_value_t* self_ = Data();
  if (!self_->is_equal) return false;
  return self_->is_equal(self_,
      static_cast<cef_binary_value_t*>(TCef3Helper::CefGetData(that.Get()))) != 0;
}

rtl::TRef<ICefBinaryValue> TCefBinaryValueRef::Copy() {
  cef_binary_value_t* self_ = Data();
  if (!self_->copy) return nullptr;
  auto result_ = self_->copy(self_);
  auto converted_ = TCefBinaryValueRef::UnWrap(result_);
  return converted_;
}

size_t TCefBinaryValueRef::GetSize() {
  cef_binary_value_t* self_ = Data();
  if (!self_->get_size) return {};
  return self_->get_size(self_);
}

size_t TCefBinaryValueRef::GetData(void* buffer, size_t buffer_size, size_t data_offset) {
  cef_binary_value_t* self_ = Data();
  if (!self_->get_data) return {};
  return self_->get_data(self_, buffer, buffer_size, data_offset);
}

// ---- TCefDictionaryValueRef

rtl::TRef<ICefDictionaryValue> TCefDictionaryValueRef::UnWrap(cef_dictionary_value_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefDictionaryValue>(new TCefDictionaryValueRef(data));
}

bool TCefDictionaryValueRef::IsValid() {
  cef_dictionary_value_t* self_ = Data();
  if (!self_->is_valid) return false;
  return self_->is_valid(self_) != 0;
}

bool TCefDictionaryValueRef::IsOwned() {
  cef_dictionary_value_t* self_ = Data();
  if (!self_->is_owned) return false;
  return self_->is_owned(self_) != 0;
}

bool TCefDictionaryValueRef::IsReadOnly() {
  cef_dictionary_value_t* self_ = Data();
  if (!self_->is_read_only) return false;
  return self_->is_read_only(self_) != 0;
}

bool TCefDictionaryValueRef::IsSame(const rtl::TRef<ICefDictionaryValue>& that) {
  cef_dictionary_value_t* self_ = Data();
  if (!self_->is_same) return false;
  return self_->is_same(self_,
      static_cast<cef_dictionary_value_t*>(TCef3Helper::CefGetData(that.Get()))) != 0;
}

bool TCefDictionaryValueRef::IsEqual(const rtl::TRef<ICefDictionaryValue>& that) {
  cef_dictionary_value_t* self_ = Data();
  if (!self_->is_equal) return false;
  return self_->is_equal(self_,
      static_cast<cef_dictionary_value_t*>(TCef3Helper::CefGetData(that.Get()))) != 0;
}

rtl::TRef<ICefDictionaryValue> TCefDictionaryValueRef::Copy(bool exclude_empty_children) {
  cef_dictionary_value_t* self_ = Data();
  if (!self_->copy) return nullptr;
  auto result_ = self_->copy(self_, exclude_empty_children ? 1 : 0);
  auto converted_ = TCefDictionaryValueRef::UnWrap(result_);
  return converted_;
}

size_t TCefDictionaryValueRef::GetSize() {
  cef_dictionary_value_t* self_ = Data();
  if (!self_->get_size) return {};
  return self_->get_size(self_);
}

bool TCefDictionaryValueRef::Clear() {
  cef_dictionary_value_t* self_ = Data();
  if (!self_->clear) return false;
  return self_->clear(self_) != 0;
}

bool TCefDictionaryValueRef::HasKey(const std::wstring& key) {
  cef_dictionary_value_t* self_ = Data();
  if (!self_->has_key) return false;
  const cef_string_t key_ = TCef3Helper::CefString(key);
  return self_->has_key(self_, &key_) != 0;
}

bool TCefDictionaryValueRef::GetKeys(std::vector<std::wstring>& keys) {
  cef_dictionary_value_t* self_ = Data();
  if (!self_->get_keys) return false;
  TCefStringListArg keys_;
  auto result_ = self_->get_keys(self_, keys_.Handle());
  keys = keys_.Strings();
  return result_ != 0;
}

bool TCefDictionaryValueRef::Remove(const std::wstring& key) {
  cef_dictionary_value_t* self_ = Data();
  if (!self_->remove) return false;
  const cef_string_t key_ = TCef3Helper::CefString(key);
  return self_->remove(self_, &key_) != 0;
}

cef_value_type_t TCefDictionaryValueRef::GetType(const std::wstring& key) {
  cef_dictionary_value_t* self_ = Data();
  if (!self_->get_type) return {};
  const cef_string_t key_ = TCef3Helper::CefString(key);
  return self_->get_type(self_, &key_);
}

rtl::TRef<ICefValue> TCefDictionaryValueRef::GetValue(const std::wstring& key) {
  cef_dictionary_value_t* self_ = Data();
  if (!self_->get_value) return nullptr;
  const cef_string_t key_ = TCef3Helper::CefString(key);
  auto result_ = self_->get_value(self_, &key_);
  auto converted_ = TCefValueRef::UnWrap(result_);
  return converted_;
}

bool TCefDictionaryValueRef::GetBool(const std::wstring& key) {
  cef_dictionary_value_t* self_ = Data();
  if (!self_->get_bool) return false;
  const cef_string_t key_ = TCef3Helper::CefString(key);
  return self_->get_bool(self_, &key_) != 0;
}

int TCefDictionaryValueRef::GetInt(const std::wstring& key) {
  cef_dictionary_value_t* self_ = Data();
  if (!self_->get_int) return {};
  const cef_string_t key_ = TCef3Helper::CefString(key);
  return self_->get_int(self_, &key_);
}

double TCefDictionaryValueRef::GetDouble(const std::wstring& key) {
  cef_dictionary_value_t* self_ = Data();
  if (!self_->get_double) return {};
  const cef_string_t key_ = TCef3Helper::CefString(key);
  return self_->get_double(self_, &key_);
}

std::wstring TCefDictionaryValueRef::GetString(const std::wstring& key) {
  cef_dictionary_value_t* self_ = Data();
  if (!self_->get_string) return {};
  const cef_string_t key_ = TCef3Helper::CefString(key);
  auto result_ = self_->get_string(self_, &key_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

rtl::TRef<ICefBinaryValue> TCefDictionaryValueRef::GetBinary(const std::wstring& key) {
  cef_dictionary_value_t* self_ = Data();
  if (!self_->get_binary) return nullptr;
  const cef_string_t key_ = TCef3Helper::CefString(key);
  auto result_ = self_->get_binary(self_, &key_);
  auto converted_ = TCefBinaryValueRef::UnWrap(result_);
  return converted_;
}

rtl::TRef<ICefDictionaryValue> TCefDictionaryValueRef::GetDictionary(const std::wstring& key) {
  cef_dictionary_value_t* self_ = Data();
  if (!self_->get_dictionary) return nullptr;
  const cef_string_t key_ = TCef3Helper::CefString(key);
  auto result_ = self_->get_dictionary(self_, &key_);
  auto converted_ = TCefDictionaryValueRef::UnWrap(result_);
  return converted_;
}

rtl::TRef<ICefListValue> TCefDictionaryValueRef::GetList(const std::wstring& key) {
  cef_dictionary_value_t* self_ = Data();
  if (!self_->get_list) return nullptr;
  const cef_string_t key_ = TCef3Helper::CefString(key);
  auto result_ = self_->get_list(self_, &key_);
  auto converted_ = TCefListValueRef::UnWrap(result_);
  return converted_;
}

bool TCefDictionaryValueRef::SetValue(const std::wstring& key, const rtl::TRef<ICefValue>& value) {
  cef_dictionary_value_t* self_ = Data();
  if (!self_->set_value) return false;
  const cef_string_t key_ = TCef3Helper::CefString(key);
  return self_->set_value(self_, &key_,
      static_cast<cef_value_t*>(TCef3Helper::CefGetData(value.Get()))) != 0;
}

bool TCefDictionaryValueRef::SetNull(const std::wstring& key) {
  cef_dictionary_value_t* self_ = Data();
  if (!self_->set_null) return false;
  const cef_string_t key_ = TCef3Helper::CefString(key);
  return self_->set_null(self_, &key_) != 0;
}

bool TCefDictionaryValueRef::SetBool(const std::wstring& key, int value) {
  cef_dictionary_value_t* self_ = Data();
  if (!self_->set_bool) return false;
  const cef_string_t key_ = TCef3Helper::CefString(key);
  return self_->set_bool(self_, &key_, value) != 0;
}

bool TCefDictionaryValueRef::SetInt(const std::wstring& key, int value) {
  cef_dictionary_value_t* self_ = Data();
  if (!self_->set_int) return false;
  const cef_string_t key_ = TCef3Helper::CefString(key);
  return self_->set_int(self_, &key_, value) != 0;
}

bool TCefDictionaryValueRef::SetDouble(const std::wstring& key, double value) {
  cef_dictionary_value_t* self_ = Data();
  if (!self_->set_double) return false;
  const cef_string_t key_ = TCef3Helper::CefString(key);
  return self_->set_double(self_, &key_, value) != 0;
}

bool TCefDictionaryValueRef::SetString(const std::wstring& key, const std::wstring& value) {
  cef_dictionary_value_t* self_ = Data();
  if (!self_->set_string) return false;
  const cef_string_t key_ = TCef3Helper::CefString(key);
  const cef_string_t value_ = TCef3Helper::CefString(value);
  return self_->set_string(self_, &key_, &value_) != 0;
}

bool TCefDictionaryValueRef::SetBinary(const std::wstring& key,
    const rtl::TRef<ICefBinaryValue>& value) {
  cef_dictionary_value_t* self_ = Data();
  if (!self_->set_binary) return false;
  const cef_string_t key_ = TCef3Helper::CefString(key);
  return self_->set_binary(self_, &key_,
      static_cast<cef_binary_value_t*>(TCef3Helper::CefGetData(value.Get()))) != 0;
}

bool TCefDictionaryValueRef::SetDictionary(const std::wstring& key,
    const rtl::TRef<ICefDictionaryValue>& value) {
  cef_dictionary_value_t* self_ = Data();
  if (!self_->set_dictionary) return false;
  const cef_string_t key_ = TCef3Helper::CefString(key);
  return self_->set_dictionary(self_, &key_,
      static_cast<cef_dictionary_value_t*>(TCef3Helper::CefGetData(value.Get()))) != 0;
}

bool TCefDictionaryValueRef::SetList(const std::wstring& key,
    const rtl::TRef<ICefListValue>& value) {
  cef_dictionary_value_t* self_ = Data();
  if (!self_->set_list) return false;
  const cef_string_t key_ = TCef3Helper::CefString(key);
  return self_->set_list(self_, &key_,
      static_cast<cef_list_value_t*>(TCef3Helper::CefGetData(value.Get()))) != 0;
}

// ---- TCefUrlRequestRef

rtl::TRef<ICefUrlRequest> TCefUrlRequestRef::UnWrap(cef_urlrequest_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefUrlRequest>(new TCefUrlRequestRef(data));
}

rtl::TRef<ICefRequest> TCefUrlRequestRef::GetRequest() {
  cef_urlrequest_t* self_ = Data();
  if (!self_->get_request) return nullptr;
  auto result_ = self_->get_request(self_);
  auto converted_ = TCefRequestRef::UnWrap(result_);
  return converted_;
}

rtl::TRef<ICefUrlrequestClient> TCefUrlRequestRef::GetClient() {
  cef_urlrequest_t* self_ = Data();
  if (!self_->get_client) return nullptr;
  auto result_ = self_->get_client(self_);
  auto converted_ = TCef3Helper::AdoptOwn<ICefUrlrequestClient>(result_);
  return converted_;
}

cef_urlrequest_status_t TCefUrlRequestRef::GetRequestStatus() {
  cef_urlrequest_t* self_ = Data();
  if (!self_->get_request_status) return {};
  return self_->get_request_status(self_);
}

cef_errorcode_t TCefUrlRequestRef::GetRequestError() {
  cef_urlrequest_t* self_ = Data();
  if (!self_->get_request_error) return {};
  return self_->get_request_error(self_);
}

rtl::TRef<ICefResponse> TCefUrlRequestRef::GetResponse() {
  cef_urlrequest_t* self_ = Data();
  if (!self_->get_response) return nullptr;
  auto result_ = self_->get_response(self_);
  auto converted_ = TCefResponseRef::UnWrap(result_);
  return converted_;
}

void TCefUrlRequestRef::Cancel() {
  cef_urlrequest_t* self_ = Data();
  if (!self_->cancel) return;
  self_->cancel(self_);
}

// ---- TCefFileDialogCallbackRef

rtl::TRef<ICefFileDialogCallback> TCefFileDialogCallbackRef::UnWrap(cef_file_dialog_callback_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefFileDialogCallback>(new TCefFileDialogCallbackRef(data));
}

void TCefFileDialogCallbackRef::Cont(int selected_accept_filter,
    const std::vector<std::wstring>& file_paths) {
  cef_file_dialog_callback_t* self_ = Data();
  if (!self_->cont) return;
  TCefStringListArg file_paths_(file_paths);
  self_->cont(self_, selected_accept_filter, file_paths_.Handle());
}

void TCefFileDialogCallbackRef::Cancel() {
  cef_file_dialog_callback_t* self_ = Data();
  if (!self_->cancel) return;
  self_->cancel(self_);
}

// ---- TCefDragDataRef

rtl::TRef<ICefDragData> TCefDragDataRef::UnWrap(cef_drag_data_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefDragData>(new TCefDragDataRef(data));
}

rtl::TRef<ICefDragData> TCefDragDataRef::Clone() {
  cef_drag_data_t* self_ = Data();
  if (!self_->clone) return nullptr;
  auto result_ = self_->clone(self_);
  auto converted_ = TCefDragDataRef::UnWrap(result_);
  return converted_;
}

bool TCefDragDataRef::IsReadOnly() {
  cef_drag_data_t* self_ = Data();
  if (!self_->is_read_only) return false;
  return self_->is_read_only(self_) != 0;
}

bool TCefDragDataRef::IsLink() {
  cef_drag_data_t* self_ = Data();
  if (!self_->is_link) return false;
  return self_->is_link(self_) != 0;
}

bool TCefDragDataRef::IsFragment() {
  cef_drag_data_t* self_ = Data();
  if (!self_->is_fragment) return false;
  return self_->is_fragment(self_) != 0;
}

bool TCefDragDataRef::IsFile() {
  cef_drag_data_t* self_ = Data();
  if (!self_->is_file) return false;
  return self_->is_file(self_) != 0;
}

std::wstring TCefDragDataRef::GetLinkUrl() {
  cef_drag_data_t* self_ = Data();
  if (!self_->get_link_url) return {};
  auto result_ = self_->get_link_url(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefDragDataRef::GetLinkTitle() {
  cef_drag_data_t* self_ = Data();
  if (!self_->get_link_title) return {};
  auto result_ = self_->get_link_title(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefDragDataRef::GetLinkMetadata() {
  cef_drag_data_t* self_ = Data();
  if (!self_->get_link_metadata) return {};
  auto result_ = self_->get_link_metadata(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefDragDataRef::GetFragmentText() {
  cef_drag_data_t* self_ = Data();
  if (!self_->get_fragment_text) return {};
  auto result_ = self_->get_fragment_text(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefDragDataRef::GetFragmentHtml() {
  cef_drag_data_t* self_ = Data();
  if (!self_->get_fragment_html) return {};
  auto result_ = self_->get_fragment_html(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefDragDataRef::GetFragmentBaseUrl() {
  cef_drag_data_t* self_ = Data();
  if (!self_->get_fragment_base_url) return {};
  auto result_ = self_->get_fragment_base_url(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefDragDataRef::GetFileName() {
  cef_drag_data_t* self_ = Data();
  if (!self_->get_file_name) return {};
  auto result_ = self_->get_file_name(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

size_t TCefDragDataRef::GetFileContents(cef_stream_writer_t* writer) {
  cef_drag_data_t* self_ = Data();
  if (!self_->get_file_contents) return {};
  return self_->get_file_contents(self_, writer);
}

bool TCefDragDataRef::GetFileNames(std::vector<std::wstring>& names) {
  cef_drag_data_t* self_ = Data();
  if (!self_->get_file_names) return false;
  TCefStringListArg names_;
  auto result_ = self_->get_file_names(self_, names_.Handle());
  names = names_.Strings();
  return result_ != 0;
}

void TCefDragDataRef::SetLinkUrl(const std::wstring& url) {
  cef_drag_data_t* self_ = Data();
  if (!self_->set_link_url) return;
  const cef_string_t url_ = TCef3Helper::CefString(url);
  self_->set_link_url(self_, &url_);
}

void TCefDragDataRef::SetLinkTitle(const std::wstring& title) {
  cef_drag_data_t* self_ = Data();
  if (!self_->set_link_title) return;
  const cef_string_t title_ = TCef3Helper::CefString(title);
  self_->set_link_title(self_, &title_);
}

void TCefDragDataRef::SetLinkMetadata(const std::wstring& data) {
  cef_drag_data_t* self_ = Data();
  if (!self_->set_link_metadata) return;
  const cef_string_t data_ = TCef3Helper::CefString(data);
  self_->set_link_metadata(self_, &data_);
}

void TCefDragDataRef::SetFragmentText(const std::wstring& text) {
  cef_drag_data_t* self_ = Data();
  if (!self_->set_fragment_text) return;
  const cef_string_t text_ = TCef3Helper::CefString(text);
  self_->set_fragment_text(self_, &text_);
}

void TCefDragDataRef::SetFragmentHtml(const std::wstring& html) {
  cef_drag_data_t* self_ = Data();
  if (!self_->set_fragment_html) return;
  const cef_string_t html_ = TCef3Helper::CefString(html);
  self_->set_fragment_html(self_, &html_);
}

void TCefDragDataRef::SetFragmentBaseUrl(const std::wstring& base_url) {
  cef_drag_data_t* self_ = Data();
  if (!self_->set_fragment_base_url) return;
  const cef_string_t base_url_ = TCef3Helper::CefString(base_url);
  self_->set_fragment_base_url(self_, &base_url_);
}

void TCefDragDataRef::ResetFileContents() {
  cef_drag_data_t* self_ = Data();
  if (!self_->reset_file_contents) return;
  self_->reset_file_contents(self_);
}

void TCefDragDataRef::AddFile(const std::wstring& path, const std::wstring& display_name) {
  cef_drag_data_t* self_ = Data();
  if (!self_->add_file) return;
  const cef_string_t path_ = TCef3Helper::CefString(path);
  const cef_string_t display_name_ = TCef3Helper::CefString(display_name);
  self_->add_file(self_, &path_, &display_name_);
}

// ---- TCefRequestContextRef

rtl::TRef<ICefRequestContext> TCefRequestContextRef::UnWrap(cef_request_context_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefRequestContext>(new TCefRequestContextRef(data));
}

bool TCefRequestContextRef::IsSame(const rtl::TRef<ICefRequestContext>& other) {
  cef_request_context_t* self_ = Data();
  if (!self_->is_same) return false;
  return self_->is_same(self_,
      static_cast<cef_request_context_t*>(TCef3Helper::CefGetData(other.Get()))) != 0;
}

bool TCefRequestContextRef::IsSharingWith(const rtl::TRef<ICefRequestContext>& other) {
  cef_request_context_t* self_ = Data();
  if (!self_->is_sharing_with) return false;
  return self_->is_sharing_with(self_,
      static_cast<cef_request_context_t*>(TCef3Helper::CefGetData(other.Get()))) != 0;
}

bool TCefRequestContextRef::IsGlobal() {
  cef_request_context_t* self_ = Data();
  if (!self_->is_global) return false;
  return self_->is_global(self_) != 0;
}

rtl::TRef<ICefRequestContextHandler> TCefRequestContextRef::GetHandler() {
  cef_request_context_t* self_ = Data();
  if (!self_->get_handler) return nullptr;
  auto result_ = self_->get_handler(self_);
  auto converted_ = TCefRequestContextHandlerRef::UnWrap(result_);
  return converted_;
}

std::wstring TCefRequestContextRef::GetCachePath() {
  cef_request_context_t* self_ = Data();
  if (!self_->get_cache_path) return {};
  auto result_ = self_->get_cache_path(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

rtl::TRef<ICefCookieManager> TCefRequestContextRef::GetDefaultCookieManager(
    const rtl::TRef<ICefCompletionCallback>& callback) {
  cef_request_context_t* self_ = Data();
  if (!self_->get_default_cookie_manager) return nullptr;
  auto result_ = self_->get_default_cookie_manager(self_,
      static_cast<cef_completion_callback_t*>(TCef3Helper::CefGetData(callback.Get())));
  auto converted_ = TCefCookieManagerRef::UnWrap(result_);
  return converted_;
}

bool TCefRequestContextRef::RegisterSchemeHandlerFactory(const std::wstring& scheme_name,
    const std::wstring& domain_name, const rtl::TRef<ICefSchemeHandlerFactory>& factory) {
  cef_request_context_t* self_ = Data();
  if (!self_->register_scheme_handler_factory) return false;
  const cef_string_t scheme_name_ = TCef3Helper::CefString(scheme_name);
  const cef_string_t domain_name_ = TCef3Helper::CefString(domain_name);
  return self_->register_scheme_handler_factory(self_, &scheme_name_, &domain_name_,
      static_cast<cef_scheme_handler_factory_t*>(TCef3Helper::CefGetData(factory.Get()))) != 0;
}

bool TCefRequestContextRef::ClearSchemeHandlerFactories() {
  cef_request_context_t* self_ = Data();
  if (!self_->clear_scheme_handler_factories) return false;
  return self_->clear_scheme_handler_factories(self_) != 0;
}

void TCefRequestContextRef::PurgePluginListCache(bool reload_pages) {
  cef_request_context_t* self_ = Data();
  if (!self_->purge_plugin_list_cache) return;
  self_->purge_plugin_list_cache(self_, reload_pages ? 1 : 0);
}

bool TCefRequestContextRef::HasPreference(const std::wstring& name) {
  cef_request_context_t* self_ = Data();
  if (!self_->has_preference) return false;
  const cef_string_t name_ = TCef3Helper::CefString(name);
  return self_->has_preference(self_, &name_) != 0;
}

rtl::TRef<ICefValue> TCefRequestContextRef::GetPreference(const std::wstring& name) {
  cef_request_context_t* self_ = Data();
  if (!self_->get_preference) return nullptr;
  const cef_string_t name_ = TCef3Helper::CefString(name);
  auto result_ = self_->get_preference(self_, &name_);
  auto converted_ = TCefValueRef::UnWrap(result_);
  return converted_;
}

rtl::TRef<ICefDictionaryValue> TCefRequestContextRef::GetAllPreferences(bool include_defaults) {
  cef_request_context_t* self_ = Data();
  if (!self_->get_all_preferences) return nullptr;
  auto result_ = self_->get_all_preferences(self_, include_defaults ? 1 : 0);
  auto converted_ = TCefDictionaryValueRef::UnWrap(result_);
  return converted_;
}

bool TCefRequestContextRef::CanSetPreference(const std::wstring& name) {
  cef_request_context_t* self_ = Data();
  if (!self_->can_set_preference) return false;
  const cef_string_t name_ = TCef3Helper::CefString(name);
  return self_->can_set_preference(self_, &name_) != 0;
}

bool TCefRequestContextRef::SetPreference(const std::wstring& name,
    const rtl::TRef<ICefValue>& value, std::wstring& error) {
  cef_request_context_t* self_ = Data();
  if (!self_->set_preference) return false;
  const cef_string_t name_ = TCef3Helper::CefString(name);
  cef_string_t error_{};
  auto result_ = self_->set_preference(self_, &name_,
      static_cast<cef_value_t*>(TCef3Helper::CefGetData(value.Get())), &error_);
  error = TCef3Helper::CefStringClearAndGet(&error_);
  return result_ != 0;
}

void TCefRequestContextRef::ClearCertificateExceptions(
    const rtl::TRef<ICefCompletionCallback>& callback) {
  cef_request_context_t* self_ = Data();
  if (!self_->clear_certificate_exceptions) return;
  self_->clear_certificate_exceptions(self_,
      static_cast<cef_completion_callback_t*>(TCef3Helper::CefGetData(callback.Get())));
}

void TCefRequestContextRef::CloseAllConnections(const rtl::TRef<ICefCompletionCallback>& callback) {
  cef_request_context_t* self_ = Data();
  if (!self_->close_all_connections) return;
  self_->close_all_connections(self_,
      static_cast<cef_completion_callback_t*>(TCef3Helper::CefGetData(callback.Get())));
}

void TCefRequestContextRef::ResolveHost(const std::wstring& origin,
    cef_resolve_callback_t* callback) {
  cef_request_context_t* self_ = Data();
  if (!self_->resolve_host) return;
  const cef_string_t origin_ = TCef3Helper::CefString(origin);
  self_->resolve_host(self_, &origin_, callback);
}

cef_errorcode_t TCefRequestContextRef::ResolveHostCached(const std::wstring& origin,
    const std::vector<std::wstring>& resolved_ips) {
  cef_request_context_t* self_ = Data();
  if (!self_->resolve_host_cached) return {};
  const cef_string_t origin_ = TCef3Helper::CefString(origin);
  TCefStringListArg resolved_ips_(resolved_ips);
  return self_->resolve_host_cached(self_, &origin_, resolved_ips_.Handle());
}

// ---- TCefRequestContextHandlerRef

rtl::TRef<ICefRequestContextHandler> TCefRequestContextHandlerRef::UnWrap(cef_request_context_handler_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefRequestContextHandler>(new TCefRequestContextHandlerRef(data));
}

rtl::TRef<ICefCookieManager> TCefRequestContextHandlerRef::GetCookieManager() {
  cef_request_context_handler_t* self_ = Data();
  if (!self_->get_cookie_manager) return nullptr;
  auto result_ = self_->get_cookie_manager(self_);
  auto converted_ = TCefCookieManagerRef::UnWrap(result_);
  return converted_;
}

bool TCefRequestContextHandlerRef::OnBeforePluginLoad(const std::wstring& mime_type,
    const std::wstring& plugin_url, const std::wstring& top_origin_url,
    const rtl::TRef<ICefWebPluginInfo>& plugin_info, cef_plugin_policy_t& plugin_policy) {
  cef_request_context_handler_t* self_ = Data();
  if (!self_->on_before_plugin_load) return false;
  const cef_string_t mime_type_ = TCef3Helper::CefString(mime_type);
  const cef_string_t plugin_url_ = TCef3Helper::CefString(plugin_url);
  const cef_string_t top_origin_url_ = TCef3Helper::CefString(top_origin_url);
  return self_->on_before_plugin_load(self_, &mime_type_, &plugin_url_, &top_origin_url_,
      static_cast<cef_web_plugin_info_t*>(TCef3Helper::CefGetData(plugin_info.Get())),
      &plugin_policy) != 0;
}

// ---- TCefNavigationEntryRef

rtl::TRef<ICefNavigationEntry> TCefNavigationEntryRef::UnWrap(cef_navigation_entry_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefNavigationEntry>(new TCefNavigationEntryRef(data));
}

bool TCefNavigationEntryRef::IsValid() {
  cef_navigation_entry_t* self_ = Data();
  if (!self_->is_valid) return false;
  return self_->is_valid(self_) != 0;
}

std::wstring TCefNavigationEntryRef::GetUrl() {
  cef_navigation_entry_t* self_ = Data();
  if (!self_->get_url) return {};
  auto result_ = self_->get_url(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefNavigationEntryRef::GetDisplayUrl() {
  cef_navigation_entry_t* self_ = Data();
  if (!self_->get_display_url) return {};
  auto result_ = self_->get_display_url(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefNavigationEntryRef::GetOriginalUrl() {
  cef_navigation_entry_t* self_ = Data();
  if (!self_->get_original_url) return {};
  auto result_ = self_->get_original_url(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefNavigationEntryRef::GetTitle() {
  cef_navigation_entry_t* self_ = Data();
  if (!self_->get_title) return {};
  auto result_ = self_->get_title(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

cef_transition_type_t TCefNavigationEntryRef::GetTransitionType() {
  cef_navigation_entry_t* self_ = Data();
  if (!self_->get_transition_type) return {};
  return self_->get_transition_type(self_);
}

bool TCefNavigationEntryRef::HasPostData() {
  cef_navigation_entry_t* self_ = Data();
  if (!self_->has_post_data) return false;
  return self_->has_post_data(self_) != 0;
}

cef_time_t TCefNavigationEntryRef::GetCompletionTime() {
  cef_navigation_entry_t* self_ = Data();
  if (!self_->get_completion_time) return {};
  return self_->get_completion_time(self_);
}

int TCefNavigationEntryRef::GetHttpStatusCode() {
  cef_navigation_entry_t* self_ = Data();
  if (!self_->get_http_status_code) return {};
  return self_->get_http_status_code(self_);
}

// ---- TCefSslCertPrincipalRef

rtl::TRef<ICefSslCertPrincipal> TCefSslCertPrincipalRef::UnWrap(cef_sslcert_principal_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefSslCertPrincipal>(new TCefSslCertPrincipalRef(data));
}

std::wstring TCefSslCertPrincipalRef::GetDisplayName() {
  cef_sslcert_principal_t* self_ = Data();
  if (!self_->get_display_name) return {};
  auto result_ = self_->get_display_name(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefSslCertPrincipalRef::GetCommonName() {
  cef_sslcert_principal_t* self_ = Data();
  if (!self_->get_common_name) return {};
  auto result_ = self_->get_common_name(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefSslCertPrincipalRef::GetLocalityName() {
  cef_sslcert_principal_t* self_ = Data();
  if (!self_->get_locality_name) return {};
  auto result_ = self_->get_locality_name(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefSslCertPrincipalRef::GetStateOrProvinceName() {
  cef_sslcert_principal_t* self_ = Data();
  if (!self_->get_state_or_province_name) return {};
  auto result_ = self_->get_state_or_province_name(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

std::wstring TCefSslCertPrincipalRef::GetCountryName() {
  cef_sslcert_principal_t* self_ = Data();
  if (!self_->get_country_name) return {};
  auto result_ = self_->get_country_name(self_);
  auto converted_ = TCef3Helper::CefStringFreeAndGet(result_);
  return converted_;
}

void TCefSslCertPrincipalRef::GetStreetAddresses(std::vector<std::wstring>& addresses) {
  cef_sslcert_principal_t* self_ = Data();
  if (!self_->get_street_addresses) return;
  TCefStringListArg addresses_;
  self_->get_street_addresses(self_, addresses_.Handle());
  addresses = addresses_.Strings();
}

void TCefSslCertPrincipalRef::GetOrganizationNames(std::vector<std::wstring>& names) {
  cef_sslcert_principal_t* self_ = Data();
  if (!self_->get_organization_names) return;
  TCefStringListArg names_;
  self_->get_organization_names(self_, names_.Handle());
  names = names_.Strings();
}

void TCefSslCertPrincipalRef::GetOrganizationUnitNames(std::vector<std::wstring>& names) {
  cef_sslcert_principal_t* self_ = Data();
  if (!self_->get_organization_unit_names) return;
  TCefStringListArg names_;
  self_->get_organization_unit_names(self_, names_.Handle());
  names = names_.Strings();
}

void TCefSslCertPrincipalRef::GetDomainComponents(std::vector<std::wstring>& components) {
  cef_sslcert_principal_t* self_ = Data();
  if (!self_->get_domain_components) return;
  TCefStringListArg components_;
  self_->get_domain_components(self_, components_.Handle());
  components = components_.Strings();
}

// ---- TCefSslInfoRef

rtl::TRef<ICefSslInfo> TCefSslInfoRef::UnWrap(cef_sslinfo_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefSslInfo>(new TCefSslInfoRef(data));
}

cef_cert_status_t TCefSslInfoRef::GetCertStatus() {
  cef_sslinfo_t* self_ = Data();
  if (!self_->get_cert_status) return {};
  return self_->get_cert_status(self_);
}

bool TCefSslInfoRef::IsCertStatusError() {
  cef_sslinfo_t* self_ = Data();
  if (!self_->is_cert_status_error) return false;
  return self_->is_cert_status_error(self_) != 0;
}

bool TCefSslInfoRef::IsCertStatusMinorError() {
  cef_sslinfo_t* self_ = Data();
  if (!self_->is_cert_status_minor_error) return false;
  return self_->is_cert_status_minor_error(self_) != 0;
}

rtl::TRef<ICefSslCertPrincipal> TCefSslInfoRef::GetSubject() {
  cef_sslinfo_t* self_ = Data();
  if (!self_->get_subject) return nullptr;
  auto result_ = self_->get_subject(self_);
  auto converted_ = TCefSslCertPrincipalRef::UnWrap(result_);
  return converted_;
}

rtl::TRef<ICefSslCertPrincipal> TCefSslInfoRef::GetIssuer() {
  cef_sslinfo_t* self_ = Data();
  if (!self_->get_issuer) return nullptr;
  auto result_ = self_->get_issuer(self_);
  auto converted_ = TCefSslCertPrincipalRef::UnWrap(result_);
  return converted_;
}

rtl::TRef<ICefBinaryValue> TCefSslInfoRef::GetSerialNumber() {
  cef_sslinfo_t* self_ = Data();
  if (!self_->get_serial_number) return nullptr;
  auto result_ = self_->get_serial_number(self_);
  auto converted_ = TCefBinaryValueRef::UnWrap(result_);
  return converted_;
}

cef_time_t TCefSslInfoRef::GetValidStart() {
  cef_sslinfo_t* self_ = Data();
  if (!self_->get_valid_start) return {};
  return self_->get_valid_start(self_);
}

cef_time_t TCefSslInfoRef::GetValidExpiry() {
  cef_sslinfo_t* self_ = Data();
  if (!self_->get_valid_expiry) return {};
  return self_->get_valid_expiry(self_);
}

rtl::TRef<ICefBinaryValue> TCefSslInfoRef::GetDerencoded() {
  cef_sslinfo_t* self_ = Data();
  if (!self_->get_derencoded) return nullptr;
  auto result_ = self_->get_derencoded(self_);
  auto converted_ = TCefBinaryValueRef::UnWrap(result_);
  return converted_;
}

rtl::TRef<ICefBinaryValue> TCefSslInfoRef::GetPemencoded() {
  cef_sslinfo_t* self_ = Data();
  if (!self_->get_pemencoded) return nullptr;
  auto result_ = self_->get_pemencoded(self_);
  auto converted_ = TCefBinaryValueRef::UnWrap(result_);
  return converted_;
}

size_t TCefSslInfoRef::GetIssuerChainSize() {
  cef_sslinfo_t* self_ = Data();
  if (!self_->get_issuer_chain_size) return {};
  return self_->get_issuer_chain_size(self_);
}

void TCefSslInfoRef::GetDerencodedIssuerChain(std::vector<rtl::TRef<ICefBinaryValue>>& chain) {
  cef_sslinfo_t* self_ = Data();
  if (!self_->get_derencoded_issuer_chain) return;
  size_t chainCount_ = self_->get_issuer_chain_size ? self_->get_issuer_chain_size(self_) : 0;
  std::vector<cef_binary_value_t*> chain_(chainCount_, nullptr);
  self_->get_derencoded_issuer_chain(self_, &chainCount_, chain_.data());
  chain.clear();
  for (size_t i = 0; i < chainCount_ && i < chain_.size(); ++i) chain.push_back(TCefBinaryValueRef::UnWrap(chain_[i]));
}

void TCefSslInfoRef::GetPemencodedIssuerChain(std::vector<rtl::TRef<ICefBinaryValue>>& chain) {
  cef_sslinfo_t* self_ = Data();
  if (!self_->get_pemencoded_issuer_chain) return;
  size_t chainCount_ = self_->get_issuer_chain_size ? self_->get_issuer_chain_size(self_) : 0;
  std::vector<cef_binary_value_t*> chain_(chainCount_, nullptr);
  self_->get_pemencoded_issuer_chain(self_, &chainCount_, chain_.data());
  chain.clear();
  for (size_t i = 0; i < chainCount_ && i < chain_.size(); ++i) chain.push_back(TCefBinaryValueRef::UnWrap(chain_[i]));
}

// ---- TCefRunContextMenuCallbackRef

rtl::TRef<ICefRunContextMenuCallback> TCefRunContextMenuCallbackRef::UnWrap(cef_run_context_menu_callback_t* data) {
  if (!data) return nullptr;
  return rtl::TRef<ICefRunContextMenuCallback>(new TCefRunContextMenuCallbackRef(data));
}

void TCefRunContextMenuCallbackRef::Cont(int command_id, cef_event_flags_t event_flags) {
  cef_run_context_menu_callback_t* self_ = Data();
  if (!self_->cont) return;
  self_->cont(self_, command_id, event_flags);
}

void TCefRunContextMenuCallbackRef::Cancel() {
  cef_run_context_menu_callback_t* self_ = Data();
  if (!self_->cancel) return;
  self_->cancel(self_);
}
