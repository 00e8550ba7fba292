#pragma once
// Interfaces over the runtime structures: the browser, its host, frames, navigation entries.
// Part of VoraD.Cef3.Interfaces.h, which declares every name used here: include that header.

// cef_browser_host_t: runtime object.
class ICefBrowserHost : public virtual ICefBase {
public:
  virtual rtl::TRef<ICefBrowser> GetBrowser() = 0;
  virtual void CloseBrowser(bool force_close) = 0;
  virtual void SetFocus(bool focus) = 0;
  virtual void SetWindowVisibility(bool visible) = 0;
  virtual cef_window_handle_t GetWindowHandle() = 0;
  virtual cef_window_handle_t GetOpenerWindowHandle() = 0;
  virtual rtl::TRef<ICefClient> GetClient() = 0;
  virtual rtl::TRef<ICefRequestContext> GetRequestContext() = 0;
  virtual double GetZoomLevel() = 0;
  virtual void SetZoomLevel(double zoomLevel) = 0;
  virtual void RunFileDialog(cef_file_dialog_mode_t mode, const std::wstring& title,
      const std::wstring& default_file_path, const std::vector<std::wstring>& accept_filters,
      int selected_accept_filter, const rtl::TRef<ICefRunFileDialogCallback>& callback) = 0;
  virtual void StartDownload(const std::wstring& url) = 0;
  virtual void Print() = 0;
  virtual void PrintToPdf(const std::wstring& path, const cef_pdf_print_settings_t* settings,
      const rtl::TRef<ICefPdfPrintCallback>& callback) = 0;
  virtual void Find(int identifier, const std::wstring& searchText, bool forward, bool matchCase,
      bool findNext) = 0;
  virtual void StopFinding(bool clearSelection) = 0;
  virtual void ShowDevTools(const cef_window_info_t* windowInfo,
      const rtl::TRef<ICefClient>& client, const cef_browser_settings_t* settings,
      const cef_point_t* inspect_element_at) = 0;
  virtual void CloseDevTools() = 0;
  virtual void GetNavigationEntries(const rtl::TRef<ICefNavigationEntryVisitor>& visitor,
      bool current_only) = 0;
  virtual void SetMouseCursorChangeDisabled(bool disabled) = 0;
  virtual bool IsMouseCursorChangeDisabled() = 0;
  virtual void ReplaceMisspelling(const std::wstring& word) = 0;
  virtual void AddWordToDictionary(const std::wstring& word) = 0;
  virtual bool IsWindowRenderingDisabled() = 0;
  virtual void WasResized() = 0;
  virtual void WasHidden(bool hidden) = 0;
  virtual void NotifyScreenInfoChanged() = 0;
  virtual void Invalidate(cef_paint_element_type_t type) = 0;
  virtual void SendKeyEvent(const cef_key_event_t* event) = 0;
  virtual void SendMouseClickEvent(const cef_mouse_event_t* event, cef_mouse_button_type_t type,
      bool mouseUp, int clickCount) = 0;
  virtual void SendMouseMoveEvent(const cef_mouse_event_t* event, bool mouseLeave) = 0;
  virtual void SendMouseWheelEvent(const cef_mouse_event_t* event, int deltaX, int deltaY) = 0;
  virtual void SendFocusEvent(bool setFocus) = 0;
  virtual void SendCaptureLostEvent() = 0;
  virtual void NotifyMoveOrResizeStarted() = 0;
  virtual int GetWindowlessFrameRate() = 0;
  virtual void SetWindowlessFrameRate(int frame_rate) = 0;
  virtual cef_text_input_context_t GetNstextInputContext() = 0;
  virtual void HandleKeyEventBeforeTextInputClient(cef_event_handle_t keyEvent) = 0;
  virtual void HandleKeyEventAfterTextInputClient(cef_event_handle_t keyEvent) = 0;
  virtual void DragTargetDragEnter(const rtl::TRef<ICefDragData>& drag_data,
      const cef_mouse_event_t* event, cef_drag_operations_mask_t allowed_ops) = 0;
  virtual void DragTargetDragOver(const cef_mouse_event_t* event,
      cef_drag_operations_mask_t allowed_ops) = 0;
  virtual void DragTargetDragLeave() = 0;
  virtual void DragTargetDrop(const cef_mouse_event_t* event) = 0;
  virtual void DragSourceEndedAt(int x, int y, cef_drag_operations_mask_t op) = 0;
  virtual void DragSourceSystemDragEnded() = 0;
};

// cef_browser_t: runtime object.
class ICefBrowser : public virtual ICefBase {
public:
  virtual rtl::TRef<ICefBrowserHost> GetHost() = 0;
  virtual bool CanGoBack() = 0;
  virtual void GoBack() = 0;
  virtual bool CanGoForward() = 0;
  virtual void GoForward() = 0;
  virtual bool IsLoading() = 0;
  virtual void Reload() = 0;
  virtual void ReloadIgnoreCache() = 0;
  virtual void StopLoad() = 0;
  virtual int GetIdentifier() = 0;
  virtual bool IsSame(const rtl::TRef<ICefBrowser>& that) = 0;
  virtual bool IsPopup() = 0;
  virtual bool HasDocument() = 0;
  virtual rtl::TRef<ICefFrame> GetMainFrame() = 0;
  virtual rtl::TRef<ICefFrame> GetFocusedFrame() = 0;
  virtual rtl::TRef<ICefFrame> GetFrameByident(int64_t identifier) = 0;
  virtual rtl::TRef<ICefFrame> GetFrame(const std::wstring& name) = 0;
  virtual size_t GetFrameCount() = 0;
  virtual void GetFrameIdentifiers(std::vector<int64_t>& identifiers) = 0;
  virtual void GetFrameNames(std::vector<std::wstring>& names) = 0;
  virtual bool SendProcessMessage(cef_process_id_t target_process,
      const rtl::TRef<ICefProcessMessage>& message) = 0;
};

// cef_frame_t: runtime object.
class ICefFrame : public virtual ICefBase {
public:
  virtual bool IsValid() = 0;
  virtual void Undo() = 0;
  virtual void Redo() = 0;
  virtual void Cut() = 0;
  virtual void Copy() = 0;
  virtual void Paste() = 0;
  virtual void Del() = 0;
  virtual void SelectAll() = 0;
  virtual void ViewSource() = 0;
  virtual void GetSource(const rtl::TRef<ICefStringVisitor>& visitor) = 0;
  virtual void GetText(const rtl::TRef<ICefStringVisitor>& visitor) = 0;
  virtual void LoadRequest(const rtl::TRef<ICefRequest>& request) = 0;
  virtual void LoadUrl(const std::wstring& url) = 0;
  virtual void LoadString(const std::wstring& string_val, const std::wstring& url) = 0;
  virtual void ExecuteJavaScript(const std::wstring& code, const std::wstring& script_url,
      int start_line) = 0;
  virtual bool IsMain() = 0;
  virtual bool IsFocused() = 0;
  virtual std::wstring GetName() = 0;
  virtual int64_t GetIdentifier() = 0;
  virtual rtl::TRef<ICefFrame> GetParent() = 0;
  virtual std::wstring GetUrl() = 0;
  virtual rtl::TRef<ICefBrowser> GetBrowser() = 0;
  virtual rtl::TRef<ICefv8Context> GetV8context() = 0;
  virtual void VisitDom(const rtl::TRef<ICefDomVisitor>& visitor) = 0;
};

// cef_navigation_entry_t: runtime object.
class ICefNavigationEntry : public virtual ICefBase {
public:
  virtual bool IsValid() = 0;
  virtual std::wstring GetUrl() = 0;
  virtual std::wstring GetDisplayUrl() = 0;
  virtual std::wstring GetOriginalUrl() = 0;
  virtual std::wstring GetTitle() = 0;
  virtual cef_transition_type_t GetTransitionType() = 0;
  virtual bool HasPostData() = 0;
  virtual cef_time_t GetCompletionTime() = 0;
  virtual int GetHttpStatusCode() = 0;
};
