#pragma once
// The wrapper object family.
//
// TCefBaseRef: a runtime structure the program holds. The wrapper adopts the one reference the
// runtime handed over and returns it when destroyed; every operation calls one entry of the
// structure (a null entry is not called and gives the default result).
//
// TCefBaseOwn: a program object the runtime calls. Its structure lives in one block right
// after a pointer back to the object, so an entry recovers its object without a table. The
// structure's add_ref/release/has_one_ref work on the object's own count, shared with the
// program's interface references.
//
// Threads: the runtime calls Own entries on whichever of its threads the callback belongs to;
// counts are atomic, and the adapters use only the object and temporaries.
//
// Exceptions: nothing may unwind into the runtime. Every adapter runs its body under
// AdapterGuard, which stops an escaping exception at the boundary, reports it through
// TCef3Helper::OnAdapterException and answers the runtime with the entry's default (false,
// null, empty), as if the operation had not been overridden. Handlers should still not throw.
#include <functional>
#include <string>
#include <vector>

#include "vorad/cef3/VoraD.Cef3.Helper.h"
#include "vorad/cef3/VoraD.Cef3.Interfaces.h"

class TCefBaseRef : public rtl::TInterfacedObject, public virtual ICefBase {
public:
  // Adopts the reference `data` carries; `data` must not be null (UnWrap maps null to null).
  explicit TCefBaseRef(void* data);
  ~TCefBaseRef() override;
  void* Wrap() override;

protected:
  void* FData;
};

// ---- Ref classes: hold one reference to a runtime structure and call its entries.

class TCefBrowserHostRef : public TCefBaseRef, public ICefBrowserHost {
public:
  explicit TCefBrowserHostRef(cef_browser_host_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefBrowserHost> UnWrap(cef_browser_host_t* data);
  cef_browser_host_t* Data() const { return static_cast<cef_browser_host_t*>(FData); }

  rtl::TRef<ICefBrowser> GetBrowser() override;
  void CloseBrowser(bool force_close) override;
  void SetFocus(bool focus) override;
  void SetWindowVisibility(bool visible) override;
  cef_window_handle_t GetWindowHandle() override;
  cef_window_handle_t GetOpenerWindowHandle() override;
  rtl::TRef<ICefClient> GetClient() override;
  rtl::TRef<ICefRequestContext> GetRequestContext() override;
  double GetZoomLevel() override;
  void SetZoomLevel(double zoomLevel) override;
  void RunFileDialog(cef_file_dialog_mode_t mode, const std::wstring& title,
      const std::wstring& default_file_path, const std::vector<std::wstring>& accept_filters,
      int selected_accept_filter, const rtl::TRef<ICefRunFileDialogCallback>& callback) override;
  void StartDownload(const std::wstring& url) override;
  void Print() override;
  void PrintToPdf(const std::wstring& path, const cef_pdf_print_settings_t* settings,
      const rtl::TRef<ICefPdfPrintCallback>& callback) override;
  void Find(int identifier, const std::wstring& searchText, bool forward, bool matchCase,
      bool findNext) override;
  void StopFinding(bool clearSelection) override;
  void ShowDevTools(const cef_window_info_t* windowInfo, const rtl::TRef<ICefClient>& client,
      const cef_browser_settings_t* settings, const cef_point_t* inspect_element_at) override;
  void CloseDevTools() override;
  void GetNavigationEntries(const rtl::TRef<ICefNavigationEntryVisitor>& visitor,
      bool current_only) override;
  void SetMouseCursorChangeDisabled(bool disabled) override;
  bool IsMouseCursorChangeDisabled() override;
  void ReplaceMisspelling(const std::wstring& word) override;
  void AddWordToDictionary(const std::wstring& word) override;
  bool IsWindowRenderingDisabled() override;
  void WasResized() override;
  void WasHidden(bool hidden) override;
  void NotifyScreenInfoChanged() override;
  void Invalidate(cef_paint_element_type_t type) override;
  void SendKeyEvent(const cef_key_event_t* event) override;
  void SendMouseClickEvent(const cef_mouse_event_t* event, cef_mouse_button_type_t type,
      bool mouseUp, int clickCount) override;
  void SendMouseMoveEvent(const cef_mouse_event_t* event, bool mouseLeave) override;
  void SendMouseWheelEvent(const cef_mouse_event_t* event, int deltaX, int deltaY) override;
  void SendFocusEvent(bool setFocus) override;
  void SendCaptureLostEvent() override;
  void NotifyMoveOrResizeStarted() override;
  int GetWindowlessFrameRate() override;
  void SetWindowlessFrameRate(int frame_rate) override;
  cef_text_input_context_t GetNstextInputContext() override;
  void HandleKeyEventBeforeTextInputClient(cef_event_handle_t keyEvent) override;
  void HandleKeyEventAfterTextInputClient(cef_event_handle_t keyEvent) override;
  void DragTargetDragEnter(const rtl::TRef<ICefDragData>& drag_data, const cef_mouse_event_t* event,
      cef_drag_operations_mask_t allowed_ops) override;
  void DragTargetDragOver(const cef_mouse_event_t* event,
      cef_drag_operations_mask_t allowed_ops) override;
  void DragTargetDragLeave() override;
  void DragTargetDrop(const cef_mouse_event_t* event) override;
  void DragSourceEndedAt(int x, int y, cef_drag_operations_mask_t op) override;
  void DragSourceSystemDragEnded() override;
};

class TCefBrowserRef : public TCefBaseRef, public ICefBrowser {
public:
  explicit TCefBrowserRef(cef_browser_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefBrowser> UnWrap(cef_browser_t* data);
  cef_browser_t* Data() const { return static_cast<cef_browser_t*>(FData); }

  rtl::TRef<ICefBrowserHost> GetHost() override;
  bool CanGoBack() override;
  void GoBack() override;
  bool CanGoForward() override;
  void GoForward() override;
  bool IsLoading() override;
  void Reload() override;
  void ReloadIgnoreCache() override;
  void StopLoad() override;
  int GetIdentifier() override;
  bool IsSame(const rtl::TRef<ICefBrowser>& that) override;
  bool IsPopup() override;
  bool HasDocument() override;
  rtl::TRef<ICefFrame> GetMainFrame() override;
  rtl::TRef<ICefFrame> GetFocusedFrame() override;
  rtl::TRef<ICefFrame> GetFrameByident(int64_t identifier) override;
  rtl::TRef<ICefFrame> GetFrame(const std::wstring& name) override;
  size_t GetFrameCount() override;
  void GetFrameIdentifiers(std::vector<int64_t>& identifiers) override;
  void GetFrameNames(std::vector<std::wstring>& names) override;
  bool SendProcessMessage(cef_process_id_t target_process,
      const rtl::TRef<ICefProcessMessage>& message) override;
};

class TCefFrameRef : public TCefBaseRef, public ICefFrame {
public:
  explicit TCefFrameRef(cef_frame_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefFrame> UnWrap(cef_frame_t* data);
  cef_frame_t* Data() const { return static_cast<cef_frame_t*>(FData); }

  bool IsValid() override;
  void Undo() override;
  void Redo() override;
  void Cut() override;
  void Copy() override;
  void Paste() override;
  void Del() override;
  void SelectAll() override;
  void ViewSource() override;
  void GetSource(const rtl::TRef<ICefStringVisitor>& visitor) override;
  void GetText(const rtl::TRef<ICefStringVisitor>& visitor) override;
  void LoadRequest(const rtl::TRef<ICefRequest>& request) override;
  void LoadUrl(const std::wstring& url) override;
  void LoadString(const std::wstring& string_val, const std::wstring& url) override;
  void ExecuteJavaScript(const std::wstring& code, const std::wstring& script_url,
      int start_line) override;
  bool IsMain() override;
  bool IsFocused() override;
  std::wstring GetName() override;
  int64_t GetIdentifier() override;
  rtl::TRef<ICefFrame> GetParent() override;
  std::wstring GetUrl() override;
  rtl::TRef<ICefBrowser> GetBrowser() override;
  rtl::TRef<ICefv8Context> GetV8context() override;
  void VisitDom(const rtl::TRef<ICefDomVisitor>& visitor) override;
};

class TCefPostDataRef : public TCefBaseRef, public ICefPostData {
public:
  explicit TCefPostDataRef(cef_post_data_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefPostData> UnWrap(cef_post_data_t* data);
  static rtl::TRef<ICefPostData> New();
  cef_post_data_t* Data() const { return static_cast<cef_post_data_t*>(FData); }

  bool IsReadOnly() override;
  bool HasExcludedElements() override;
  size_t GetElementCount() override;
  void GetElements(std::vector<rtl::TRef<ICefPostDataElement>>& elements) override;
  bool RemoveElement(const rtl::TRef<ICefPostDataElement>& element) override;
  bool AddElement(const rtl::TRef<ICefPostDataElement>& element) override;
  void RemoveElements() override;
};

class TCefPostDataElementRef : public TCefBaseRef, public ICefPostDataElement {
public:
  explicit TCefPostDataElementRef(cef_post_data_element_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefPostDataElement> UnWrap(cef_post_data_element_t* data);
  static rtl::TRef<ICefPostDataElement> New();
  cef_post_data_element_t* Data() const { return static_cast<cef_post_data_element_t*>(FData); }

  bool IsReadOnly() override;
  void SetToEmpty() override;
  void SetToFile(const std::wstring& fileName) override;
  void SetToBytes(size_t size, const void* bytes) override;
  cef_postdataelement_type_t GetType() override;
  std::wstring GetFile() override;
  size_t GetBytesCount() override;
  size_t GetBytes(size_t size, void* bytes) override;
};

class TCefRequestRef : public TCefBaseRef, public ICefRequest {
public:
  explicit TCefRequestRef(cef_request_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefRequest> UnWrap(cef_request_t* data);
  static rtl::TRef<ICefRequest> New();
  cef_request_t* Data() const { return static_cast<cef_request_t*>(FData); }

  bool IsReadOnly() override;
  std::wstring GetUrl() override;
  void SetUrl(const std::wstring& url) override;
  std::wstring GetMethod() override;
  void SetMethod(const std::wstring& method) override;
  void SetReferrer(const std::wstring& referrer_url, cef_referrer_policy_t policy) override;
  std::wstring GetReferrerUrl() override;
  cef_referrer_policy_t GetReferrerPolicy() override;
  rtl::TRef<ICefPostData> GetPostData() override;
  void SetPostData(const rtl::TRef<ICefPostData>& postData) override;
  void GetHeaderMap(cef_string_multimap_t headerMap) override;
  void SetHeaderMap(cef_string_multimap_t headerMap) override;
  void Set(const std::wstring& url, const std::wstring& method,
      const rtl::TRef<ICefPostData>& postData, cef_string_multimap_t headerMap) override;
  int GetFlags() override;
  void SetFlags(int flags) override;
  std::wstring GetFirstPartyForCookies() override;
  void SetFirstPartyForCookies(const std::wstring& url) override;
  cef_resource_type_t GetResourceType() override;
  cef_transition_type_t GetTransitionType() override;
  uint64_t GetIdentifier() override;
};

class TCefv8ValueRef : public TCefBaseRef, public ICefv8Value {
public:
  explicit TCefv8ValueRef(cef_v8value_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefv8Value> UnWrap(cef_v8value_t* data);
  static rtl::TRef<ICefv8Value> NewUndefined();
  static rtl::TRef<ICefv8Value> NewNull();
  static rtl::TRef<ICefv8Value> NewBool(bool value);
  static rtl::TRef<ICefv8Value> NewInt(int32_t value);
  static rtl::TRef<ICefv8Value> NewUInt(uint32_t value);
  static rtl::TRef<ICefv8Value> NewDouble(double value);
  static rtl::TRef<ICefv8Value> NewDate(const TCefTime& value);
  static rtl::TRef<ICefv8Value> NewString(const std::wstring& value);
  static rtl::TRef<ICefv8Value> NewObject(const rtl::TRef<ICefV8Accessor>& accessor);
  static rtl::TRef<ICefv8Value> NewObjectProc(const TCefV8AccessorGetterProc& getter,
      const TCefV8AccessorSetterProc& setter);
  static rtl::TRef<ICefv8Value> NewArray(int32_t len);
  static rtl::TRef<ICefv8Value> NewFunction(const std::wstring& name,
      const rtl::TRef<ICefv8Handler>& handler);
  cef_v8value_t* Data() const { return static_cast<cef_v8value_t*>(FData); }

  bool IsValid() override;
  bool IsUndefined() override;
  bool IsNull() override;
  bool IsBool() override;
  bool IsInt() override;
  bool IsUint() override;
  bool IsDouble() override;
  bool IsDate() override;
  bool IsString() override;
  bool IsObject() override;
  bool IsArray() override;
  bool IsFunction() override;
  bool IsSame(const rtl::TRef<ICefv8Value>& that) override;
  bool GetBoolValue() override;
  int32_t GetIntValue() override;
  uint32_t GetUintValue() override;
  double GetDoubleValue() override;
  cef_time_t GetDateValue() override;
  std::wstring GetStringValue() override;
  bool IsUserCreated() override;
  bool HasException() override;
  rtl::TRef<ICefV8Exception> GetException() override;
  bool ClearException() override;
  bool WillRethrowExceptions() override;
  bool SetRethrowExceptions(bool rethrow) override;
  bool HasValueBykey(const std::wstring& key) override;
  bool HasValueByindex(int index) override;
  bool DeleteValueBykey(const std::wstring& key) override;
  bool DeleteValueByindex(int index) override;
  rtl::TRef<ICefv8Value> GetValueBykey(const std::wstring& key) override;
  rtl::TRef<ICefv8Value> GetValueByindex(int index) override;
  bool SetValueBykey(const std::wstring& key, const rtl::TRef<ICefv8Value>& value,
      cef_v8_propertyattribute_t attribute) override;
  bool SetValueByindex(int index, const rtl::TRef<ICefv8Value>& value) override;
  bool SetValueByaccessor(const std::wstring& key, cef_v8_accesscontrol_t settings,
      cef_v8_propertyattribute_t attribute) override;
  bool GetKeys(std::vector<std::wstring>& keys) override;
  bool SetUserData(cef_base_t* user_data) override;
  cef_base_t* GetUserData() override;
  int GetExternallyAllocatedMemory() override;
  int AdjustExternallyAllocatedMemory(int change_in_bytes) override;
  int GetArrayLength() override;
  std::wstring GetFunctionName() override;
  rtl::TRef<ICefv8Handler> GetFunctionHandler() override;
  rtl::TRef<ICefv8Value> ExecuteFunction(const rtl::TRef<ICefv8Value>& object,
      const TCefv8ValueArray& arguments) override;
  rtl::TRef<ICefv8Value> ExecuteFunctionWithContext(const rtl::TRef<ICefv8Context>& context,
      const rtl::TRef<ICefv8Value>& object, const TCefv8ValueArray& arguments) override;
};

class TCefv8ContextRef : public TCefBaseRef, public ICefv8Context {
public:
  explicit TCefv8ContextRef(cef_v8context_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefv8Context> UnWrap(cef_v8context_t* data);
  static rtl::TRef<ICefv8Context> Current();
  static rtl::TRef<ICefv8Context> Entered();
  cef_v8context_t* Data() const { return static_cast<cef_v8context_t*>(FData); }

  rtl::TRef<ICefTaskRunner> GetTaskRunner() override;
  bool IsValid() override;
  rtl::TRef<ICefBrowser> GetBrowser() override;
  rtl::TRef<ICefFrame> GetFrame() override;
  rtl::TRef<ICefv8Value> GetGlobal() override;
  bool Enter() override;
  bool Exit() override;
  bool IsSame(const rtl::TRef<ICefv8Context>& that) override;
  bool Eval(const std::wstring& code, rtl::TRef<ICefv8Value>& retval,
      rtl::TRef<ICefV8Exception>& exception) override;
};

class TCefV8StackFrameRef : public TCefBaseRef, public ICefV8StackFrame {
public:
  explicit TCefV8StackFrameRef(cef_v8stack_frame_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefV8StackFrame> UnWrap(cef_v8stack_frame_t* data);
  cef_v8stack_frame_t* Data() const { return static_cast<cef_v8stack_frame_t*>(FData); }

  bool IsValid() override;
  std::wstring GetScriptName() override;
  std::wstring GetScriptNameOrSourceUrl() override;
  std::wstring GetFunctionName() override;
  int GetLineNumber() override;
  int GetColumn() override;
  bool IsEval() override;
  bool IsConstructor() override;
};

class TCefV8StackTraceRef : public TCefBaseRef, public ICefV8StackTrace {
public:
  explicit TCefV8StackTraceRef(cef_v8stack_trace_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefV8StackTrace> UnWrap(cef_v8stack_trace_t* data);
  static rtl::TRef<ICefV8StackTrace> Current(int frameLimit);
  cef_v8stack_trace_t* Data() const { return static_cast<cef_v8stack_trace_t*>(FData); }

  bool IsValid() override;
  int GetFrameCount() override;
  rtl::TRef<ICefV8StackFrame> GetFrame(int index) override;
};

class TCefv8HandlerRef : public TCefBaseRef, public ICefv8Handler {
public:
  explicit TCefv8HandlerRef(cef_v8handler_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefv8Handler> UnWrap(cef_v8handler_t* data);
  cef_v8handler_t* Data() const { return static_cast<cef_v8handler_t*>(FData); }

  bool Execute(const std::wstring& name, const rtl::TRef<ICefv8Value>& object,
      const TCefv8ValueArray& arguments, rtl::TRef<ICefv8Value>& retval,
      std::wstring& exception) override;
};

class TCefRequestCallbackRef : public TCefBaseRef, public ICefRequestCallback {
public:
  explicit TCefRequestCallbackRef(cef_request_callback_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefRequestCallback> UnWrap(cef_request_callback_t* data);
  cef_request_callback_t* Data() const { return static_cast<cef_request_callback_t*>(FData); }

  void Cont(bool allow) override;
  void Cancel() override;
};

class TCefCallbackRef : public TCefBaseRef, public ICefCallback {
public:
  explicit TCefCallbackRef(cef_callback_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefCallback> UnWrap(cef_callback_t* data);
  cef_callback_t* Data() const { return static_cast<cef_callback_t*>(FData); }

  void Cont() override;
  void Cancel() override;
};

class TCefTaskRunnerRef : public TCefBaseRef, public ICefTaskRunner {
public:
  explicit TCefTaskRunnerRef(cef_task_runner_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefTaskRunner> UnWrap(cef_task_runner_t* data);
  static rtl::TRef<ICefTaskRunner> GetForCurrentThread();
  static rtl::TRef<ICefTaskRunner> GetForThread(cef_thread_id_t threadId);
  cef_task_runner_t* Data() const { return static_cast<cef_task_runner_t*>(FData); }

  bool IsSame(const rtl::TRef<ICefTaskRunner>& that) override;
  bool BelongsToCurrentThread() override;
  bool BelongsToThread(cef_thread_id_t threadId) override;
  bool PostTask(const rtl::TRef<ICefTask>& task) override;
  bool PostDelayedTask(const rtl::TRef<ICefTask>& task, int64_t delay_ms) override;
};

class TCefDomDocumentRef : public TCefBaseRef, public ICefDomDocument {
public:
  explicit TCefDomDocumentRef(cef_domdocument_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefDomDocument> UnWrap(cef_domdocument_t* data);
  cef_domdocument_t* Data() const { return static_cast<cef_domdocument_t*>(FData); }

  cef_dom_document_type_t GetType() override;
  rtl::TRef<ICefDomNode> GetDocument() override;
  rtl::TRef<ICefDomNode> GetBody() override;
  rtl::TRef<ICefDomNode> GetHead() override;
  std::wstring GetTitle() override;
  rtl::TRef<ICefDomNode> GetElementById(const std::wstring& id) override;
  rtl::TRef<ICefDomNode> GetFocusedNode() override;
  bool HasSelection() override;
  int GetSelectionStartOffset() override;
  int GetSelectionEndOffset() override;
  std::wstring GetSelectionAsMarkup() override;
  std::wstring GetSelectionAsText() override;
  std::wstring GetBaseUrl() override;
  std::wstring GetCompleteUrl(const std::wstring& partialURL) override;
};

class TCefDomNodeRef : public TCefBaseRef, public ICefDomNode {
public:
  explicit TCefDomNodeRef(cef_domnode_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefDomNode> UnWrap(cef_domnode_t* data);
  cef_domnode_t* Data() const { return static_cast<cef_domnode_t*>(FData); }

  cef_dom_node_type_t GetType() override;
  bool IsText() override;
  bool IsElement() override;
  bool IsEditable() override;
  bool IsFormControlElement() override;
  std::wstring GetFormControlElementType() override;
  bool IsSame(const rtl::TRef<ICefDomNode>& that) override;
  std::wstring GetName() override;
  std::wstring GetValue() override;
  bool SetValue(const std::wstring& value) override;
  std::wstring GetAsMarkup() override;
  rtl::TRef<ICefDomDocument> GetDocument() override;
  rtl::TRef<ICefDomNode> GetParent() override;
  rtl::TRef<ICefDomNode> GetPreviousSibling() override;
  rtl::TRef<ICefDomNode> GetNextSibling() override;
  bool HasChildren() override;
  rtl::TRef<ICefDomNode> GetFirstChild() override;
  rtl::TRef<ICefDomNode> GetLastChild() override;
  std::wstring GetElementTagName() override;
  bool HasElementAttributes() override;
  bool HasElementAttribute(const std::wstring& attrName) override;
  std::wstring GetElementAttribute(const std::wstring& attrName) override;
  void GetElementAttributes(cef_string_map_t attrMap) override;
  bool SetElementAttribute(const std::wstring& attrName, const std::wstring& value) override;
  std::wstring GetElementInnerText() override;
};

class TCefResponseRef : public TCefBaseRef, public ICefResponse {
public:
  explicit TCefResponseRef(cef_response_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefResponse> UnWrap(cef_response_t* data);
  static rtl::TRef<ICefResponse> New();
  cef_response_t* Data() const { return static_cast<cef_response_t*>(FData); }

  bool IsReadOnly() override;
  int GetStatus() override;
  void SetStatus(int status) override;
  std::wstring GetStatusText() override;
  void SetStatusText(const std::wstring& statusText) override;
  std::wstring GetMimeType() override;
  void SetMimeType(const std::wstring& mimeType) override;
  std::wstring GetHeader(const std::wstring& name) override;
  void GetHeaderMap(cef_string_multimap_t headerMap) override;
  void SetHeaderMap(cef_string_multimap_t headerMap) override;
};

class TCefV8ExceptionRef : public TCefBaseRef, public ICefV8Exception {
public:
  explicit TCefV8ExceptionRef(cef_v8exception_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefV8Exception> UnWrap(cef_v8exception_t* data);
  cef_v8exception_t* Data() const { return static_cast<cef_v8exception_t*>(FData); }

  std::wstring GetMessage() override;
  std::wstring GetSourceLine() override;
  std::wstring GetScriptResourceName() override;
  int GetLineNumber() override;
  int GetStartPosition() override;
  int GetEndPosition() override;
  int GetStartColumn() override;
  int GetEndColumn() override;
};

class TCefCookieManagerRef : public TCefBaseRef, public ICefCookieManager {
public:
  explicit TCefCookieManagerRef(cef_cookie_manager_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefCookieManager> UnWrap(cef_cookie_manager_t* data);
  static rtl::TRef<ICefCookieManager> Global(const rtl::TRef<ICefCompletionCallback>& callback);
  static rtl::TRef<ICefCookieManager> GlobalProc(const TCefCompletionCallbackProc& callback);
  static rtl::TRef<ICefCookieManager> New(const std::wstring& path, bool persistSessionCookies,
      const rtl::TRef<ICefCompletionCallback>& callback);
  static rtl::TRef<ICefCookieManager> NewProc(const std::wstring& path, bool persistSessionCookies,
      const TCefCompletionCallbackProc& callback);
  cef_cookie_manager_t* Data() const { return static_cast<cef_cookie_manager_t*>(FData); }

  void SetSupportedSchemes(const std::vector<std::wstring>& schemes,
      const rtl::TRef<ICefCompletionCallback>& callback) override;
  bool VisitAllCookies(const rtl::TRef<ICefCookieVisitor>& visitor) override;
  bool VisitUrlCookies(const std::wstring& url, bool includeHttpOnly,
      const rtl::TRef<ICefCookieVisitor>& visitor) override;
  bool SetCookie(const std::wstring& url, const cef_cookie_t* cookie,
      const rtl::TRef<ICefSetCookieCallback>& callback) override;
  bool DeleteCookies(const std::wstring& url, const std::wstring& cookie_name,
      const rtl::TRef<ICefDeleteCookiesCallback>& callback) override;
  bool SetStoragePath(const std::wstring& path, bool persist_session_cookies,
      const rtl::TRef<ICefCompletionCallback>& callback) override;
  bool FlushStore(const rtl::TRef<ICefCompletionCallback>& callback) override;
};

class TCefWebPluginInfoRef : public TCefBaseRef, public ICefWebPluginInfo {
public:
  explicit TCefWebPluginInfoRef(cef_web_plugin_info_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefWebPluginInfo> UnWrap(cef_web_plugin_info_t* data);
  cef_web_plugin_info_t* Data() const { return static_cast<cef_web_plugin_info_t*>(FData); }

  std::wstring GetName() override;
  std::wstring GetPath() override;
  std::wstring GetVersion() override;
  std::wstring GetDescription() override;
};

class TCefProcessMessageRef : public TCefBaseRef, public ICefProcessMessage {
public:
  explicit TCefProcessMessageRef(cef_process_message_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefProcessMessage> UnWrap(cef_process_message_t* data);
  static rtl::TRef<ICefProcessMessage> New(const std::wstring& name);
  cef_process_message_t* Data() const { return static_cast<cef_process_message_t*>(FData); }

  bool IsValid() override;
  bool IsReadOnly() override;
  rtl::TRef<ICefProcessMessage> Copy() override;
  std::wstring GetName() override;
  rtl::TRef<ICefListValue> GetArgumentList() override;
};

class TCefDownLoadItemRef : public TCefBaseRef, public ICefDownloadItem {
public:
  explicit TCefDownLoadItemRef(cef_download_item_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefDownloadItem> UnWrap(cef_download_item_t* data);
  cef_download_item_t* Data() const { return static_cast<cef_download_item_t*>(FData); }

  bool IsValid() override;
  bool IsInProgress() override;
  bool IsComplete() override;
  bool IsCanceled() override;
  int64_t GetCurrentSpeed() override;
  int GetPercentComplete() override;
  int64_t GetTotalBytes() override;
  int64_t GetReceivedBytes() override;
  cef_time_t GetStartTime() override;
  cef_time_t GetEndTime() override;
  std::wstring GetFullPath() override;
  uint32_t GetId() override;
  std::wstring GetUrl() override;
  std::wstring GetOriginalUrl() override;
  std::wstring GetSuggestedFileName() override;
  std::wstring GetContentDisposition() override;
  std::wstring GetMimeType() override;
};

class TCefBeforeDownloadCallbackRef : public TCefBaseRef, public ICefBeforeDownloadCallback {
public:
  explicit TCefBeforeDownloadCallbackRef(cef_before_download_callback_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefBeforeDownloadCallback> UnWrap(cef_before_download_callback_t* data);
  cef_before_download_callback_t* Data() const { return static_cast<cef_before_download_callback_t*>(FData); }

  void Cont(const std::wstring& download_path, bool show_dialog) override;
};

class TCefDownloadItemCallbackRef : public TCefBaseRef, public ICefDownloadItemCallback {
public:
  explicit TCefDownloadItemCallbackRef(cef_download_item_callback_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefDownloadItemCallback> UnWrap(cef_download_item_callback_t* data);
  cef_download_item_callback_t* Data() const { return static_cast<cef_download_item_callback_t*>(FData); }

  void Cancel() override;
  void Pause() override;
  void Resume() override;
};

class TCefAuthCallbackRef : public TCefBaseRef, public ICefAuthCallback {
public:
  explicit TCefAuthCallbackRef(cef_auth_callback_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefAuthCallback> UnWrap(cef_auth_callback_t* data);
  cef_auth_callback_t* Data() const { return static_cast<cef_auth_callback_t*>(FData); }

  void Cont(const std::wstring& username, const std::wstring& password) override;
  void Cancel() override;
};

class TCefJsDialogCallbackRef : public TCefBaseRef, public ICefJsDialogCallback {
public:
  explicit TCefJsDialogCallbackRef(cef_jsdialog_callback_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefJsDialogCallback> UnWrap(cef_jsdialog_callback_t* data);
  cef_jsdialog_callback_t* Data() const { return static_cast<cef_jsdialog_callback_t*>(FData); }

  void Cont(bool success, const std::wstring& user_input) override;
};

class TCefCommandLineRef : public TCefBaseRef, public ICefCommandLine {
public:
  explicit TCefCommandLineRef(cef_command_line_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefCommandLine> UnWrap(cef_command_line_t* data);
  static rtl::TRef<ICefCommandLine> New();
  static rtl::TRef<ICefCommandLine> Global();
  cef_command_line_t* Data() const { return static_cast<cef_command_line_t*>(FData); }

  bool IsValid() override;
  bool IsReadOnly() override;
  rtl::TRef<ICefCommandLine> Copy() override;
  void InitFromArgv(int argc, const char* const* argv) override;
  void InitFromString(const std::wstring& command_line) override;
  void Reset() override;
  void GetArgv(std::vector<std::wstring>& argv) override;
  std::wstring GetCommandLineString() override;
  std::wstring GetProgram() override;
  void SetProgram(const std::wstring& program) override;
  bool HasSwitches() override;
  bool HasSwitch(const std::wstring& name) override;
  std::wstring GetSwitchValue(const std::wstring& name) override;
  void GetSwitches(cef_string_map_t switches) override;
  void AppendSwitch(const std::wstring& name) override;
  void AppendSwitchWithValue(const std::wstring& name, const std::wstring& value) override;
  bool HasArguments() override;
  void GetArguments(std::vector<std::wstring>& arguments) override;
  void AppendArgument(const std::wstring& argument) override;
  void PrependWrapper(const std::wstring& wrapper) override;
};

class TCefSchemeRegistrarRef : public TCefBaseRef, public ICefSchemeRegistrar {
public:
  explicit TCefSchemeRegistrarRef(cef_scheme_registrar_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefSchemeRegistrar> UnWrap(cef_scheme_registrar_t* data);
  cef_scheme_registrar_t* Data() const { return static_cast<cef_scheme_registrar_t*>(FData); }

  bool AddCustomScheme(const std::wstring& scheme_name, bool is_standard, bool is_local,
      bool is_display_isolated) override;
};

class TCefGeolocationCallbackRef : public TCefBaseRef, public ICefGeolocationCallback {
public:
  explicit TCefGeolocationCallbackRef(cef_geolocation_callback_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefGeolocationCallback> UnWrap(cef_geolocation_callback_t* data);
  cef_geolocation_callback_t* Data() const { return static_cast<cef_geolocation_callback_t*>(FData); }

  void Cont(bool allow) override;
};

class TCefContextMenuParamsRef : public TCefBaseRef, public ICefContextMenuParams {
public:
  explicit TCefContextMenuParamsRef(cef_context_menu_params_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefContextMenuParams> UnWrap(cef_context_menu_params_t* data);
  cef_context_menu_params_t* Data() const { return static_cast<cef_context_menu_params_t*>(FData); }

  int GetXcoord() override;
  int GetYcoord() override;
  cef_context_menu_type_flags_t GetTypeFlags() override;
  std::wstring GetLinkUrl() override;
  std::wstring GetUnfilteredLinkUrl() override;
  std::wstring GetSourceUrl() override;
  bool HasImageContents() override;
  std::wstring GetPageUrl() override;
  std::wstring GetFrameUrl() override;
  std::wstring GetFrameCharset() override;
  cef_context_menu_media_type_t GetMediaType() override;
  cef_context_menu_media_state_flags_t GetMediaStateFlags() override;
  std::wstring GetSelectionText() override;
  std::wstring GetMisspelledWord() override;
  bool GetDictionarySuggestions(std::vector<std::wstring>& suggestions) override;
  bool IsEditable() override;
  bool IsSpellCheckEnabled() override;
  cef_context_menu_edit_state_flags_t GetEditStateFlags() override;
  bool IsCustomMenu() override;
  bool IsPepperMenu() override;
};

class TCefMenuModelRef : public TCefBaseRef, public ICefMenuModel {
public:
  explicit TCefMenuModelRef(cef_menu_model_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefMenuModel> UnWrap(cef_menu_model_t* data);
  cef_menu_model_t* Data() const { return static_cast<cef_menu_model_t*>(FData); }

  bool Clear() override;
  int GetCount() override;
  bool AddSeparator() override;
  bool AddItem(int command_id, const std::wstring& label) override;
  bool AddCheckItem(int command_id, const std::wstring& label) override;
  bool AddRadioItem(int command_id, const std::wstring& label, int group_id) override;
  rtl::TRef<ICefMenuModel> AddSubMenu(int command_id, const std::wstring& label) override;
  bool InsertSeparatorAt(int index) override;
  bool InsertItemAt(int index, int command_id, const std::wstring& label) override;
  bool InsertCheckItemAt(int index, int command_id, const std::wstring& label) override;
  bool InsertRadioItemAt(int index, int command_id, const std::wstring& label,
      int group_id) override;
  rtl::TRef<ICefMenuModel> InsertSubMenuAt(int index, int command_id,
      const std::wstring& label) override;
  bool Remove(int command_id) override;
  bool RemoveAt(int index) override;
  int GetIndexOf(int command_id) override;
  int GetCommandIdAt(int index) override;
  bool SetCommandIdAt(int index, int command_id) override;
  std::wstring GetLabel(int command_id) override;
  std::wstring GetLabelAt(int index) override;
  bool SetLabel(int command_id, const std::wstring& label) override;
  bool SetLabelAt(int index, const std::wstring& label) override;
  cef_menu_item_type_t GetType(int command_id) override;
  cef_menu_item_type_t GetTypeAt(int index) override;
  int GetGroupId(int command_id) override;
  int GetGroupIdAt(int index) override;
  bool SetGroupId(int command_id, int group_id) override;
  bool SetGroupIdAt(int index, int group_id) override;
  rtl::TRef<ICefMenuModel> GetSubMenu(int command_id) override;
  rtl::TRef<ICefMenuModel> GetSubMenuAt(int index) override;
  bool IsVisible(int command_id) override;
  bool IsVisibleAt(int index) override;
  bool SetVisible(int command_id, bool visible) override;
  bool SetVisibleAt(int index, bool visible) override;
  bool IsEnabled(int command_id) override;
  bool IsEnabledAt(int index) override;
  bool SetEnabled(int command_id, bool enabled) override;
  bool SetEnabledAt(int index, bool enabled) override;
  bool IsChecked(int command_id) override;
  bool IsCheckedAt(int index) override;
  bool SetChecked(int command_id, bool checked) override;
  bool SetCheckedAt(int index, bool checked) override;
  bool HasAccelerator(int command_id) override;
  bool HasAcceleratorAt(int index) override;
  bool SetAccelerator(int command_id, int key_code, bool shift_pressed, bool ctrl_pressed,
      bool alt_pressed) override;
  bool SetAcceleratorAt(int index, int key_code, bool shift_pressed, bool ctrl_pressed,
      bool alt_pressed) override;
  bool RemoveAccelerator(int command_id) override;
  bool RemoveAcceleratorAt(int index) override;
  bool GetAccelerator(int command_id, int& key_code, int& shift_pressed, int& ctrl_pressed,
      int& alt_pressed) override;
  bool GetAcceleratorAt(int index, int& key_code, int& shift_pressed, int& ctrl_pressed,
      int& alt_pressed) override;
};

class TCefListValueRef : public TCefBaseRef, public ICefListValue {
public:
  explicit TCefListValueRef(cef_list_value_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefListValue> UnWrap(cef_list_value_t* data);
  static rtl::TRef<ICefListValue> New();
  cef_list_value_t* Data() const { return static_cast<cef_list_value_t*>(FData); }

  bool IsValid() override;
  bool IsOwned() override;
  bool IsReadOnly() override;
  bool IsSame(const rtl::TRef<ICefListValue>& that) override;
  bool IsEqual(const rtl::TRef<ICefListValue>& that) override;
  rtl::TRef<ICefListValue> Copy() override;
  bool SetSize(size_t size) override;
  size_t GetSize() override;
  bool Clear() override;
  bool Remove(int index) override;
  cef_value_type_t GetType(int index) override;
  rtl::TRef<ICefValue> GetValue(int index) override;
  bool GetBool(int index) override;
  int GetInt(int index) override;
  double GetDouble(int index) override;
  std::wstring GetString(int index) override;
  rtl::TRef<ICefBinaryValue> GetBinary(int index) override;
  rtl::TRef<ICefDictionaryValue> GetDictionary(int index) override;
  rtl::TRef<ICefListValue> GetList(int index) override;
  bool SetValue(int index, const rtl::TRef<ICefValue>& value) override;
  bool SetNull(int index) override;
  bool SetBool(int index, int value) override;
  bool SetInt(int index, int value) override;
  bool SetDouble(int index, double value) override;
  bool SetString(int index, const std::wstring& value) override;
  bool SetBinary(int index, const rtl::TRef<ICefBinaryValue>& value) override;
  bool SetDictionary(int index, const rtl::TRef<ICefDictionaryValue>& value) override;
  bool SetList(int index, const rtl::TRef<ICefListValue>& value) override;
};

class TCefValueRef : public TCefBaseRef, public ICefValue {
public:
  explicit TCefValueRef(cef_value_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefValue> UnWrap(cef_value_t* data);
  static rtl::TRef<ICefValue> New();
  cef_value_t* Data() const { return static_cast<cef_value_t*>(FData); }

  bool IsValid() override;
  bool IsOwned() override;
  bool IsReadOnly() override;
  bool IsSame(const rtl::TRef<ICefValue>& that) override;
  bool IsEqual(const rtl::TRef<ICefValue>& that) override;
  rtl::TRef<ICefValue> Copy() override;
  cef_value_type_t GetType() override;
  bool GetBool() override;
  int GetInt() override;
  double GetDouble() override;
  std::wstring GetString() override;
  rtl::TRef<ICefBinaryValue> GetBinary() override;
  rtl::TRef<ICefDictionaryValue> GetDictionary() override;
  rtl::TRef<ICefListValue> GetList() override;
  bool SetNull() override;
  bool SetBool(int value) override;
  bool SetInt(int value) override;
  bool SetDouble(double value) override;
  bool SetString(const std::wstring& value) override;
  bool SetBinary(const rtl::TRef<ICefBinaryValue>& value) override;
  bool SetDictionary(const rtl::TRef<ICefDictionaryValue>& value) override;
  bool SetList(const rtl::TRef<ICefListValue>& value) override;
};

class TCefBinaryValueRef : public TCefBaseRef, public ICefBinaryValue {
public:
  explicit TCefBinaryValueRef(cef_binary_value_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefBinaryValue> UnWrap(cef_binary_value_t* data);
  static rtl::TRef<ICefBinaryValue> New(const void* data, size_t dataSize);
  cef_binary_value_t* Data() const { return static_cast<cef_binary_value_t*>(FData); }

  bool IsValid() override;
  bool IsOwned() override;
  bool IsSame(const rtl::TRef<ICefBinaryValue>& that) override;
  bool IsEqual(const rtl::TRef<ICefBinaryValue>& that) override;
  rtl::TRef<ICefBinaryValue> Copy() override;
  size_t GetSize() override;
  size_t GetData(void* buffer, size_t buffer_size, size_t data_offset) override;
};

class TCefDictionaryValueRef : public TCefBaseRef, public ICefDictionaryValue {
public:
  explicit TCefDictionaryValueRef(cef_dictionary_value_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefDictionaryValue> UnWrap(cef_dictionary_value_t* data);
  static rtl::TRef<ICefDictionaryValue> New();
  cef_dictionary_value_t* Data() const { return static_cast<cef_dictionary_value_t*>(FData); }

  bool IsValid() override;
  bool IsOwned() override;
  bool IsReadOnly() override;
  bool IsSame(const rtl::TRef<ICefDictionaryValue>& that) override;
  bool IsEqual(const rtl::TRef<ICefDictionaryValue>& that) override;
  rtl::TRef<ICefDictionaryValue> Copy(bool exclude_empty_children) override;
  size_t GetSize() override;
  bool Clear() override;
  bool HasKey(const std::wstring& key) override;
  bool GetKeys(std::vector<std::wstring>& keys) override;
  bool Remove(const std::wstring& key) override;
  cef_value_type_t GetType(const std::wstring& key) override;
  rtl::TRef<ICefValue> GetValue(const std::wstring& key) override;
  bool GetBool(const std::wstring& key) override;
  int GetInt(const std::wstring& key) override;
  double GetDouble(const std::wstring& key) override;
  std::wstring GetString(const std::wstring& key) override;
  rtl::TRef<ICefBinaryValue> GetBinary(const std::wstring& key) override;
  rtl::TRef<ICefDictionaryValue> GetDictionary(const std::wstring& key) override;
  rtl::TRef<ICefListValue> GetList(const std::wstring& key) override;
  bool SetValue(const std::wstring& key, const rtl::TRef<ICefValue>& value) override;
  bool SetNull(const std::wstring& key) override;
  bool SetBool(const std::wstring& key, int value) override;
  bool SetInt(const std::wstring& key, int value) override;
  bool SetDouble(const std::wstring& key, double value) override;
  bool SetString(const std::wstring& key, const std::wstring& value) override;
  bool SetBinary(const std::wstring& key, const rtl::TRef<ICefBinaryValue>& value) override;
  bool SetDictionary(const std::wstring& key, const rtl::TRef<ICefDictionaryValue>& value) override;
  bool SetList(const std::wstring& key, const rtl::TRef<ICefListValue>& value) override;
};

class TCefUrlRequestRef : public TCefBaseRef, public ICefUrlRequest {
public:
  explicit TCefUrlRequestRef(cef_urlrequest_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefUrlRequest> UnWrap(cef_urlrequest_t* data);
  static rtl::TRef<ICefUrlRequest> New(const rtl::TRef<ICefRequest>& request,
      const rtl::TRef<ICefUrlrequestClient>& client,
      const rtl::TRef<ICefRequestContext>& requestContext);
  cef_urlrequest_t* Data() const { return static_cast<cef_urlrequest_t*>(FData); }

  rtl::TRef<ICefRequest> GetRequest() override;
  rtl::TRef<ICefUrlrequestClient> GetClient() override;
  cef_urlrequest_status_t GetRequestStatus() override;
  cef_errorcode_t GetRequestError() override;
  rtl::TRef<ICefResponse> GetResponse() override;
  void Cancel() override;
};

class TCefFileDialogCallbackRef : public TCefBaseRef, public ICefFileDialogCallback {
public:
  explicit TCefFileDialogCallbackRef(cef_file_dialog_callback_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefFileDialogCallback> UnWrap(cef_file_dialog_callback_t* data);
  cef_file_dialog_callback_t* Data() const { return static_cast<cef_file_dialog_callback_t*>(FData); }

  void Cont(int selected_accept_filter, const std::vector<std::wstring>& file_paths) override;
  void Cancel() override;
};

class TCefDragDataRef : public TCefBaseRef, public ICefDragData {
public:
  explicit TCefDragDataRef(cef_drag_data_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefDragData> UnWrap(cef_drag_data_t* data);
  static rtl::TRef<ICefDragData> New();
  cef_drag_data_t* Data() const { return static_cast<cef_drag_data_t*>(FData); }

  rtl::TRef<ICefDragData> Clone() override;
  bool IsReadOnly() override;
  bool IsLink() override;
  bool IsFragment() override;
  bool IsFile() override;
  std::wstring GetLinkUrl() override;
  std::wstring GetLinkTitle() override;
  std::wstring GetLinkMetadata() override;
  std::wstring GetFragmentText() override;
  std::wstring GetFragmentHtml() override;
  std::wstring GetFragmentBaseUrl() override;
  std::wstring GetFileName() override;
  size_t GetFileContents(cef_stream_writer_t* writer) override;
  bool GetFileNames(std::vector<std::wstring>& names) override;
  void SetLinkUrl(const std::wstring& url) override;
  void SetLinkTitle(const std::wstring& title) override;
  void SetLinkMetadata(const std::wstring& data) override;
  void SetFragmentText(const std::wstring& text) override;
  void SetFragmentHtml(const std::wstring& html) override;
  void SetFragmentBaseUrl(const std::wstring& base_url) override;
  void ResetFileContents() override;
  void AddFile(const std::wstring& path, const std::wstring& display_name) override;
};

class TCefRequestContextRef : public TCefBaseRef, public ICefRequestContext {
public:
  explicit TCefRequestContextRef(cef_request_context_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefRequestContext> UnWrap(cef_request_context_t* data);
  static rtl::TRef<ICefRequestContext> Global();
  static rtl::TRef<ICefRequestContext> New(const cef_request_context_settings_t& settings,
      const rtl::TRef<ICefRequestContextHandler>& handler);
  static rtl::TRef<ICefRequestContext> Shared(const rtl::TRef<ICefRequestContext>& other,
      const rtl::TRef<ICefRequestContextHandler>& handler);
  cef_request_context_t* Data() const { return static_cast<cef_request_context_t*>(FData); }

  bool IsSame(const rtl::TRef<ICefRequestContext>& other) override;
  bool IsSharingWith(const rtl::TRef<ICefRequestContext>& other) override;
  bool IsGlobal() override;
  rtl::TRef<ICefRequestContextHandler> GetHandler() override;
  std::wstring GetCachePath() override;
  rtl::TRef<ICefCookieManager> GetDefaultCookieManager(
      const rtl::TRef<ICefCompletionCallback>& callback) override;
  bool RegisterSchemeHandlerFactory(const std::wstring& scheme_name,
      const std::wstring& domain_name, const rtl::TRef<ICefSchemeHandlerFactory>& factory) override;
  bool ClearSchemeHandlerFactories() override;
  void PurgePluginListCache(bool reload_pages) override;
  bool HasPreference(const std::wstring& name) override;
  rtl::TRef<ICefValue> GetPreference(const std::wstring& name) override;
  rtl::TRef<ICefDictionaryValue> GetAllPreferences(bool include_defaults) override;
  bool CanSetPreference(const std::wstring& name) override;
  bool SetPreference(const std::wstring& name, const rtl::TRef<ICefValue>& value,
      std::wstring& error) override;
  void ClearCertificateExceptions(const rtl::TRef<ICefCompletionCallback>& callback) override;
  void CloseAllConnections(const rtl::TRef<ICefCompletionCallback>& callback) override;
  void ResolveHost(const std::wstring& origin, cef_resolve_callback_t* callback) override;
  cef_errorcode_t ResolveHostCached(const std::wstring& origin,
      const std::vector<std::wstring>& resolved_ips) override;
};

class TCefRequestContextHandlerRef : public TCefBaseRef, public ICefRequestContextHandler {
public:
  explicit TCefRequestContextHandlerRef(cef_request_context_handler_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefRequestContextHandler> UnWrap(cef_request_context_handler_t* data);
  cef_request_context_handler_t* Data() const { return static_cast<cef_request_context_handler_t*>(FData); }

  rtl::TRef<ICefCookieManager> GetCookieManager() override;
  bool OnBeforePluginLoad(const std::wstring& mime_type, const std::wstring& plugin_url,
      const std::wstring& top_origin_url, const rtl::TRef<ICefWebPluginInfo>& plugin_info,
      cef_plugin_policy_t& plugin_policy) override;
};

class TCefNavigationEntryRef : public TCefBaseRef, public ICefNavigationEntry {
public:
  explicit TCefNavigationEntryRef(cef_navigation_entry_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefNavigationEntry> UnWrap(cef_navigation_entry_t* data);
  cef_navigation_entry_t* Data() const { return static_cast<cef_navigation_entry_t*>(FData); }

  bool IsValid() override;
  std::wstring GetUrl() override;
  std::wstring GetDisplayUrl() override;
  std::wstring GetOriginalUrl() override;
  std::wstring GetTitle() override;
  cef_transition_type_t GetTransitionType() override;
  bool HasPostData() override;
  cef_time_t GetCompletionTime() override;
  int GetHttpStatusCode() override;
};

class TCefSslCertPrincipalRef : public TCefBaseRef, public ICefSslCertPrincipal {
public:
  explicit TCefSslCertPrincipalRef(cef_sslcert_principal_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefSslCertPrincipal> UnWrap(cef_sslcert_principal_t* data);
  cef_sslcert_principal_t* Data() const { return static_cast<cef_sslcert_principal_t*>(FData); }

  std::wstring GetDisplayName() override;
  std::wstring GetCommonName() override;
  std::wstring GetLocalityName() override;
  std::wstring GetStateOrProvinceName() override;
  std::wstring GetCountryName() override;
  void GetStreetAddresses(std::vector<std::wstring>& addresses) override;
  void GetOrganizationNames(std::vector<std::wstring>& names) override;
  void GetOrganizationUnitNames(std::vector<std::wstring>& names) override;
  void GetDomainComponents(std::vector<std::wstring>& components) override;
};

class TCefSslInfoRef : public TCefBaseRef, public ICefSslInfo {
public:
  explicit TCefSslInfoRef(cef_sslinfo_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefSslInfo> UnWrap(cef_sslinfo_t* data);
  cef_sslinfo_t* Data() const { return static_cast<cef_sslinfo_t*>(FData); }

  cef_cert_status_t GetCertStatus() override;
  bool IsCertStatusError() override;
  bool IsCertStatusMinorError() override;
  rtl::TRef<ICefSslCertPrincipal> GetSubject() override;
  rtl::TRef<ICefSslCertPrincipal> GetIssuer() override;
  rtl::TRef<ICefBinaryValue> GetSerialNumber() override;
  cef_time_t GetValidStart() override;
  cef_time_t GetValidExpiry() override;
  rtl::TRef<ICefBinaryValue> GetDerencoded() override;
  rtl::TRef<ICefBinaryValue> GetPemencoded() override;
  size_t GetIssuerChainSize() override;
  void GetDerencodedIssuerChain(std::vector<rtl::TRef<ICefBinaryValue>>& chain) override;
  void GetPemencodedIssuerChain(std::vector<rtl::TRef<ICefBinaryValue>>& chain) override;
};

class TCefRunContextMenuCallbackRef : public TCefBaseRef, public ICefRunContextMenuCallback {
public:
  explicit TCefRunContextMenuCallbackRef(cef_run_context_menu_callback_t* data) : TCefBaseRef(data) {}
  // A new wrapper adopting the reference `data` carries; null gives null.
  static rtl::TRef<ICefRunContextMenuCallback> UnWrap(cef_run_context_menu_callback_t* data);
  cef_run_context_menu_callback_t* Data() const { return static_cast<cef_run_context_menu_callback_t*>(FData); }

  void Cont(int command_id, cef_event_flags_t event_flags) override;
  void Cancel() override;
};

// ---- Own classes: program objects the runtime calls, by area.
#include "vorad/cef3/VoraD.Cef3.Own.Handlers.h"
#include "vorad/cef3/VoraD.Cef3.Own.App.h"
#include "vorad/cef3/VoraD.Cef3.Own.Callbacks.h"
