#pragma once
// The program's view of the runtime's reference-counted structures: one interface per
// structure. A runtime object reaches the program as a Ref wrapper implementing its interface;
// a program object the runtime calls (client, handlers, visitors) is an Own object implementing
// its interface (VoraD.Cef3.Classes.h).
//
// Conversions at the boundary: strings are std::wstring (UTF-16); string lists are
// std::vector<std::wstring>; objects are counted references, null for none; an `int*` or other
// scalar out-argument is a reference; records (cef_*_t structs without a header) keep their C
// type. Structures that have no wrapper here pass as raw C pointers: when the runtime hands one
// to a callback, the reference it carries is the callee's to keep or release.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "rtl/Interfaces.h"
#include "vorad/cef3/VoraD.Cef3.Api.h"

// Root of every wrapper interface.
class ICefBase : public virtual rtl::IInterface {
public:
  // The runtime structure behind the object, with one reference added for the receiver.
  virtual void* Wrap() = 0;
};

class ICefBrowserHost;
class ICefBrowser;
class ICefFrame;
class ICefPostData;
class ICefPostDataElement;
class ICefRequest;
class ICefv8Value;
class ICefv8Context;
class ICefV8StackFrame;
class ICefV8StackTrace;
class ICefv8Handler;
class ICefRequestCallback;
class ICefCallback;
class ICefTaskRunner;
class ICefDomDocument;
class ICefDomNode;
class ICefResponse;
class ICefV8Exception;
class ICefCookieManager;
class ICefWebPluginInfo;
class ICefProcessMessage;
class ICefDownloadItem;
class ICefBeforeDownloadCallback;
class ICefDownloadItemCallback;
class ICefAuthCallback;
class ICefJsDialogCallback;
class ICefCommandLine;
class ICefSchemeRegistrar;
class ICefGeolocationCallback;
class ICefContextMenuParams;
class ICefMenuModel;
class ICefListValue;
class ICefValue;
class ICefBinaryValue;
class ICefDictionaryValue;
class ICefUrlRequest;
class ICefFileDialogCallback;
class ICefDragData;
class ICefRequestContext;
class ICefRequestContextHandler;
class ICefNavigationEntry;
class ICefSslCertPrincipal;
class ICefSslInfo;
class ICefRunContextMenuCallback;
class ICefClient;
class ICefLifeSpanHandler;
class ICefLoadHandler;
class ICefRequestHandler;
class ICefDisplayHandler;
class ICefFocusHandler;
class ICefKeyboardHandler;
class ICefJsDialogHandler;
class ICefContextMenuHandler;
class ICefDialogHandler;
class ICefDownloadHandler;
class ICefGeolocationHandler;
class ICefRenderHandler;
class ICefDragHandler;
class ICefFindHandler;
class ICefApp;
class ICefBrowserProcessHandler;
class ICefRenderProcessHandler;
class ICefResourceBundleHandler;
class ICefResourceHandler;
class ICefSchemeHandlerFactory;
class ICefUrlrequestClient;
class ICefV8Accessor;
class ICefDomVisitor;
class ICefStringVisitor;
class ICefCookieVisitor;
class ICefSetCookieCallback;
class ICefDeleteCookiesCallback;
class ICefCompletionCallback;
class ICefRunFileDialogCallback;
class ICefWebPluginInfoVisitor;
class ICefWebPluginUnstableCallback;
class ICefNavigationEntryVisitor;
class ICefPdfPrintCallback;
class ICefTask;

using TCefv8ValueArray = std::vector<rtl::TRef<ICefv8Value>>;
using TCefTime = cef_time_t;  // UTC
using TCefWindowInfo = cef_window_info_t;
using TCefBrowserSettings = cef_browser_settings_t;

// The nine parts of a URL, in the order of the runtime's URL-parts record.
struct TUrlParts {
  std::wstring spec, scheme, username, password, host, port, origin, path, query;
};

// Makes the resource handler a scheme handler factory hands out for one request.
using TCefResourceHandlerClass = std::function<rtl::TRef<ICefResourceHandler>(
    const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
    const std::wstring& schemeName, const rtl::TRef<ICefRequest>& request)>;

// Callables behind the callable wrappers (TCefFast*), with the signature of the operation
// they stand for.
using TCefCompletionCallbackProc = std::function<void()>;
using TCefCookieVisitorProc = std::function<bool(const cef_cookie_t*, int, int, int&)>;
using TCefSetCookieCallbackProc = std::function<void(bool)>;
using TCefDeleteCookiesCallbackProc = std::function<void(int)>;
using TCefDomVisitorProc = std::function<void(const rtl::TRef<ICefDomDocument>&)>;
using TCefStringVisitorProc = std::function<void(const std::wstring&)>;
using TCefV8AccessorGetterProc = std::function<bool(const std::wstring&,
    const rtl::TRef<ICefv8Value>&, rtl::TRef<ICefv8Value>&, std::wstring&)>;
using TCefV8AccessorSetterProc = std::function<bool(const std::wstring&,
    const rtl::TRef<ICefv8Value>&, const rtl::TRef<ICefv8Value>&, std::wstring&)>;
using TCefRunFileDialogCallbackProc = std::function<void(int, const std::vector<std::wstring>&)>;
using TCefWebPluginInfoVisitorProc = std::function<bool(const rtl::TRef<ICefWebPluginInfo>&, int,
    int)>;
using TCefWebPluginIsUnstableProc = std::function<void(const std::wstring&, bool)>;
using TCefNavigationEntryVisitorProc = std::function<bool(const rtl::TRef<ICefNavigationEntry>&,
    bool, int, int)>;
using TOnPdfPrintFinishedProc = std::function<void(const std::wstring&, bool)>;

// ---- Interfaces over the runtime structures. Each operation is the structure entry of the
// same name in CamelCase (get_main_frame: GetMainFrame).

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

// cef_post_data_t: runtime object.
class ICefPostData : public virtual ICefBase {
public:
  virtual bool IsReadOnly() = 0;
  virtual bool HasExcludedElements() = 0;
  virtual size_t GetElementCount() = 0;
  virtual void GetElements(std::vector<rtl::TRef<ICefPostDataElement>>& elements) = 0;
  virtual bool RemoveElement(const rtl::TRef<ICefPostDataElement>& element) = 0;
  virtual bool AddElement(const rtl::TRef<ICefPostDataElement>& element) = 0;
  virtual void RemoveElements() = 0;
};

// cef_post_data_element_t: runtime object.
class ICefPostDataElement : public virtual ICefBase {
public:
  virtual bool IsReadOnly() = 0;
  virtual void SetToEmpty() = 0;
  virtual void SetToFile(const std::wstring& fileName) = 0;
  virtual void SetToBytes(size_t size, const void* bytes) = 0;
  virtual cef_postdataelement_type_t GetType() = 0;
  virtual std::wstring GetFile() = 0;
  virtual size_t GetBytesCount() = 0;
  virtual size_t GetBytes(size_t size, void* bytes) = 0;
};

// cef_request_t: runtime object.
class ICefRequest : public virtual ICefBase {
public:
  virtual bool IsReadOnly() = 0;
  virtual std::wstring GetUrl() = 0;
  virtual void SetUrl(const std::wstring& url) = 0;
  virtual std::wstring GetMethod() = 0;
  virtual void SetMethod(const std::wstring& method) = 0;
  virtual void SetReferrer(const std::wstring& referrer_url, cef_referrer_policy_t policy) = 0;
  virtual std::wstring GetReferrerUrl() = 0;
  virtual cef_referrer_policy_t GetReferrerPolicy() = 0;
  virtual rtl::TRef<ICefPostData> GetPostData() = 0;
  virtual void SetPostData(const rtl::TRef<ICefPostData>& postData) = 0;
  virtual void GetHeaderMap(cef_string_multimap_t headerMap) = 0;
  virtual void SetHeaderMap(cef_string_multimap_t headerMap) = 0;
  virtual void Set(const std::wstring& url, const std::wstring& method,
      const rtl::TRef<ICefPostData>& postData, cef_string_multimap_t headerMap) = 0;
  virtual int GetFlags() = 0;
  virtual void SetFlags(int flags) = 0;
  virtual std::wstring GetFirstPartyForCookies() = 0;
  virtual void SetFirstPartyForCookies(const std::wstring& url) = 0;
  virtual cef_resource_type_t GetResourceType() = 0;
  virtual cef_transition_type_t GetTransitionType() = 0;
  virtual uint64_t GetIdentifier() = 0;
};

// cef_v8value_t: runtime object.
class ICefv8Value : public virtual ICefBase {
public:
  virtual bool IsValid() = 0;
  virtual bool IsUndefined() = 0;
  virtual bool IsNull() = 0;
  virtual bool IsBool() = 0;
  virtual bool IsInt() = 0;
  virtual bool IsUint() = 0;
  virtual bool IsDouble() = 0;
  virtual bool IsDate() = 0;
  virtual bool IsString() = 0;
  virtual bool IsObject() = 0;
  virtual bool IsArray() = 0;
  virtual bool IsFunction() = 0;
  virtual bool IsSame(const rtl::TRef<ICefv8Value>& that) = 0;
  virtual bool GetBoolValue() = 0;
  virtual int32_t GetIntValue() = 0;
  virtual uint32_t GetUintValue() = 0;
  virtual double GetDoubleValue() = 0;
  virtual cef_time_t GetDateValue() = 0;
  virtual std::wstring GetStringValue() = 0;
  virtual bool IsUserCreated() = 0;
  virtual bool HasException() = 0;
  virtual rtl::TRef<ICefV8Exception> GetException() = 0;
  virtual bool ClearException() = 0;
  virtual bool WillRethrowExceptions() = 0;
  virtual bool SetRethrowExceptions(bool rethrow) = 0;
  virtual bool HasValueBykey(const std::wstring& key) = 0;
  virtual bool HasValueByindex(int index) = 0;
  virtual bool DeleteValueBykey(const std::wstring& key) = 0;
  virtual bool DeleteValueByindex(int index) = 0;
  virtual rtl::TRef<ICefv8Value> GetValueBykey(const std::wstring& key) = 0;
  virtual rtl::TRef<ICefv8Value> GetValueByindex(int index) = 0;
  virtual bool SetValueBykey(const std::wstring& key, const rtl::TRef<ICefv8Value>& value,
      cef_v8_propertyattribute_t attribute) = 0;
  virtual bool SetValueByindex(int index, const rtl::TRef<ICefv8Value>& value) = 0;
  virtual bool SetValueByaccessor(const std::wstring& key, cef_v8_accesscontrol_t settings,
      cef_v8_propertyattribute_t attribute) = 0;
  virtual bool GetKeys(std::vector<std::wstring>& keys) = 0;
  virtual bool SetUserData(cef_base_t* user_data) = 0;
  virtual cef_base_t* GetUserData() = 0;
  virtual int GetExternallyAllocatedMemory() = 0;
  virtual int AdjustExternallyAllocatedMemory(int change_in_bytes) = 0;
  virtual int GetArrayLength() = 0;
  virtual std::wstring GetFunctionName() = 0;
  virtual rtl::TRef<ICefv8Handler> GetFunctionHandler() = 0;
  virtual rtl::TRef<ICefv8Value> ExecuteFunction(const rtl::TRef<ICefv8Value>& object,
      const TCefv8ValueArray& arguments) = 0;
  virtual rtl::TRef<ICefv8Value> ExecuteFunctionWithContext(const rtl::TRef<ICefv8Context>& context,
      const rtl::TRef<ICefv8Value>& object, const TCefv8ValueArray& arguments) = 0;
};

// cef_v8context_t: runtime object.
class ICefv8Context : public virtual ICefBase {
public:
  virtual rtl::TRef<ICefTaskRunner> GetTaskRunner() = 0;
  virtual bool IsValid() = 0;
  virtual rtl::TRef<ICefBrowser> GetBrowser() = 0;
  virtual rtl::TRef<ICefFrame> GetFrame() = 0;
  virtual rtl::TRef<ICefv8Value> GetGlobal() = 0;
  virtual bool Enter() = 0;
  virtual bool Exit() = 0;
  virtual bool IsSame(const rtl::TRef<ICefv8Context>& that) = 0;
  virtual bool Eval(const std::wstring& code, rtl::TRef<ICefv8Value>& retval,
      rtl::TRef<ICefV8Exception>& exception) = 0;
};

// cef_v8stack_frame_t: runtime object.
class ICefV8StackFrame : public virtual ICefBase {
public:
  virtual bool IsValid() = 0;
  virtual std::wstring GetScriptName() = 0;
  virtual std::wstring GetScriptNameOrSourceUrl() = 0;
  virtual std::wstring GetFunctionName() = 0;
  virtual int GetLineNumber() = 0;
  virtual int GetColumn() = 0;
  virtual bool IsEval() = 0;
  virtual bool IsConstructor() = 0;
};

// cef_v8stack_trace_t: runtime object.
class ICefV8StackTrace : public virtual ICefBase {
public:
  virtual bool IsValid() = 0;
  virtual int GetFrameCount() = 0;
  virtual rtl::TRef<ICefV8StackFrame> GetFrame(int index) = 0;
};

// cef_v8handler_t: runtime or program object.
class ICefv8Handler : public virtual ICefBase {
public:
  virtual bool Execute(const std::wstring& name, const rtl::TRef<ICefv8Value>& object,
      const TCefv8ValueArray& arguments, rtl::TRef<ICefv8Value>& retval,
      std::wstring& exception) = 0;
};

// cef_request_callback_t: runtime object.
class ICefRequestCallback : public virtual ICefBase {
public:
  virtual void Cont(bool allow) = 0;
  virtual void Cancel() = 0;
};

// cef_callback_t: runtime object.
class ICefCallback : public virtual ICefBase {
public:
  virtual void Cont() = 0;
  virtual void Cancel() = 0;
};

// cef_task_runner_t: runtime object.
class ICefTaskRunner : public virtual ICefBase {
public:
  virtual bool IsSame(const rtl::TRef<ICefTaskRunner>& that) = 0;
  virtual bool BelongsToCurrentThread() = 0;
  virtual bool BelongsToThread(cef_thread_id_t threadId) = 0;
  virtual bool PostTask(const rtl::TRef<ICefTask>& task) = 0;
  virtual bool PostDelayedTask(const rtl::TRef<ICefTask>& task, int64_t delay_ms) = 0;
};

// cef_domdocument_t: runtime object.
class ICefDomDocument : public virtual ICefBase {
public:
  virtual cef_dom_document_type_t GetType() = 0;
  virtual rtl::TRef<ICefDomNode> GetDocument() = 0;
  virtual rtl::TRef<ICefDomNode> GetBody() = 0;
  virtual rtl::TRef<ICefDomNode> GetHead() = 0;
  virtual std::wstring GetTitle() = 0;
  virtual rtl::TRef<ICefDomNode> GetElementById(const std::wstring& id) = 0;
  virtual rtl::TRef<ICefDomNode> GetFocusedNode() = 0;
  virtual bool HasSelection() = 0;
  virtual int GetSelectionStartOffset() = 0;
  virtual int GetSelectionEndOffset() = 0;
  virtual std::wstring GetSelectionAsMarkup() = 0;
  virtual std::wstring GetSelectionAsText() = 0;
  virtual std::wstring GetBaseUrl() = 0;
  virtual std::wstring GetCompleteUrl(const std::wstring& partialURL) = 0;
};

// cef_domnode_t: runtime object.
class ICefDomNode : public virtual ICefBase {
public:
  virtual cef_dom_node_type_t GetType() = 0;
  virtual bool IsText() = 0;
  virtual bool IsElement() = 0;
  virtual bool IsEditable() = 0;
  virtual bool IsFormControlElement() = 0;
  virtual std::wstring GetFormControlElementType() = 0;
  virtual bool IsSame(const rtl::TRef<ICefDomNode>& that) = 0;
  virtual std::wstring GetName() = 0;
  virtual std::wstring GetValue() = 0;
  virtual bool SetValue(const std::wstring& value) = 0;
  virtual std::wstring GetAsMarkup() = 0;
  virtual rtl::TRef<ICefDomDocument> GetDocument() = 0;
  virtual rtl::TRef<ICefDomNode> GetParent() = 0;
  virtual rtl::TRef<ICefDomNode> GetPreviousSibling() = 0;
  virtual rtl::TRef<ICefDomNode> GetNextSibling() = 0;
  virtual bool HasChildren() = 0;
  virtual rtl::TRef<ICefDomNode> GetFirstChild() = 0;
  virtual rtl::TRef<ICefDomNode> GetLastChild() = 0;
  virtual std::wstring GetElementTagName() = 0;
  virtual bool HasElementAttributes() = 0;
  virtual bool HasElementAttribute(const std::wstring& attrName) = 0;
  virtual std::wstring GetElementAttribute(const std::wstring& attrName) = 0;
  virtual void GetElementAttributes(cef_string_map_t attrMap) = 0;
  virtual bool SetElementAttribute(const std::wstring& attrName, const std::wstring& value) = 0;
  virtual std::wstring GetElementInnerText() = 0;
};

// cef_response_t: runtime object.
class ICefResponse : public virtual ICefBase {
public:
  virtual bool IsReadOnly() = 0;
  virtual int GetStatus() = 0;
  virtual void SetStatus(int status) = 0;
  virtual std::wstring GetStatusText() = 0;
  virtual void SetStatusText(const std::wstring& statusText) = 0;
  virtual std::wstring GetMimeType() = 0;
  virtual void SetMimeType(const std::wstring& mimeType) = 0;
  virtual std::wstring GetHeader(const std::wstring& name) = 0;
  virtual void GetHeaderMap(cef_string_multimap_t headerMap) = 0;
  virtual void SetHeaderMap(cef_string_multimap_t headerMap) = 0;
};

// cef_v8exception_t: runtime object.
class ICefV8Exception : public virtual ICefBase {
public:
  virtual std::wstring GetMessage() = 0;
  virtual std::wstring GetSourceLine() = 0;
  virtual std::wstring GetScriptResourceName() = 0;
  virtual int GetLineNumber() = 0;
  virtual int GetStartPosition() = 0;
  virtual int GetEndPosition() = 0;
  virtual int GetStartColumn() = 0;
  virtual int GetEndColumn() = 0;
};

// cef_cookie_manager_t: runtime object.
class ICefCookieManager : public virtual ICefBase {
public:
  virtual void SetSupportedSchemes(const std::vector<std::wstring>& schemes,
      const rtl::TRef<ICefCompletionCallback>& callback) = 0;
  virtual bool VisitAllCookies(const rtl::TRef<ICefCookieVisitor>& visitor) = 0;
  virtual bool VisitUrlCookies(const std::wstring& url, bool includeHttpOnly,
      const rtl::TRef<ICefCookieVisitor>& visitor) = 0;
  virtual bool SetCookie(const std::wstring& url, const cef_cookie_t* cookie,
      const rtl::TRef<ICefSetCookieCallback>& callback) = 0;
  virtual bool DeleteCookies(const std::wstring& url, const std::wstring& cookie_name,
      const rtl::TRef<ICefDeleteCookiesCallback>& callback) = 0;
  virtual bool SetStoragePath(const std::wstring& path, bool persist_session_cookies,
      const rtl::TRef<ICefCompletionCallback>& callback) = 0;
  virtual bool FlushStore(const rtl::TRef<ICefCompletionCallback>& callback) = 0;
};

// cef_web_plugin_info_t: runtime object.
class ICefWebPluginInfo : public virtual ICefBase {
public:
  virtual std::wstring GetName() = 0;
  virtual std::wstring GetPath() = 0;
  virtual std::wstring GetVersion() = 0;
  virtual std::wstring GetDescription() = 0;
};

// cef_process_message_t: runtime object.
class ICefProcessMessage : public virtual ICefBase {
public:
  virtual bool IsValid() = 0;
  virtual bool IsReadOnly() = 0;
  virtual rtl::TRef<ICefProcessMessage> Copy() = 0;
  virtual std::wstring GetName() = 0;
  virtual rtl::TRef<ICefListValue> GetArgumentList() = 0;
};

// cef_download_item_t: runtime object.
class ICefDownloadItem : public virtual ICefBase {
public:
  virtual bool IsValid() = 0;
  virtual bool IsInProgress() = 0;
  virtual bool IsComplete() = 0;
  virtual bool IsCanceled() = 0;
  virtual int64_t GetCurrentSpeed() = 0;
  virtual int GetPercentComplete() = 0;
  virtual int64_t GetTotalBytes() = 0;
  virtual int64_t GetReceivedBytes() = 0;
  virtual cef_time_t GetStartTime() = 0;
  virtual cef_time_t GetEndTime() = 0;
  virtual std::wstring GetFullPath() = 0;
  virtual uint32_t GetId() = 0;
  virtual std::wstring GetUrl() = 0;
  virtual std::wstring GetOriginalUrl() = 0;
  virtual std::wstring GetSuggestedFileName() = 0;
  virtual std::wstring GetContentDisposition() = 0;
  virtual std::wstring GetMimeType() = 0;
};

// cef_before_download_callback_t: runtime object.
class ICefBeforeDownloadCallback : public virtual ICefBase {
public:
  virtual void Cont(const std::wstring& download_path, bool show_dialog) = 0;
};

// cef_download_item_callback_t: runtime object.
class ICefDownloadItemCallback : public virtual ICefBase {
public:
  virtual void Cancel() = 0;
  virtual void Pause() = 0;
  virtual void Resume() = 0;
};

// cef_auth_callback_t: runtime object.
class ICefAuthCallback : public virtual ICefBase {
public:
  virtual void Cont(const std::wstring& username, const std::wstring& password) = 0;
  virtual void Cancel() = 0;
};

// cef_jsdialog_callback_t: runtime object.
class ICefJsDialogCallback : public virtual ICefBase {
public:
  virtual void Cont(bool success, const std::wstring& user_input) = 0;
};

// cef_command_line_t: runtime object.
class ICefCommandLine : public virtual ICefBase {
public:
  virtual bool IsValid() = 0;
  virtual bool IsReadOnly() = 0;
  virtual rtl::TRef<ICefCommandLine> Copy() = 0;
  virtual void InitFromArgv(int argc, const char* const* argv) = 0;
  virtual void InitFromString(const std::wstring& command_line) = 0;
  virtual void Reset() = 0;
  virtual void GetArgv(std::vector<std::wstring>& argv) = 0;
  virtual std::wstring GetCommandLineString() = 0;
  virtual std::wstring GetProgram() = 0;
  virtual void SetProgram(const std::wstring& program) = 0;
  virtual bool HasSwitches() = 0;
  virtual bool HasSwitch(const std::wstring& name) = 0;
  virtual std::wstring GetSwitchValue(const std::wstring& name) = 0;
  virtual void GetSwitches(cef_string_map_t switches) = 0;
  virtual void AppendSwitch(const std::wstring& name) = 0;
  virtual void AppendSwitchWithValue(const std::wstring& name, const std::wstring& value) = 0;
  virtual bool HasArguments() = 0;
  virtual void GetArguments(std::vector<std::wstring>& arguments) = 0;
  virtual void AppendArgument(const std::wstring& argument) = 0;
  virtual void PrependWrapper(const std::wstring& wrapper) = 0;
};

// cef_scheme_registrar_t: runtime object.
class ICefSchemeRegistrar : public virtual ICefBase {
public:
  virtual bool AddCustomScheme(const std::wstring& scheme_name, bool is_standard, bool is_local,
      bool is_display_isolated) = 0;
};

// cef_geolocation_callback_t: runtime object.
class ICefGeolocationCallback : public virtual ICefBase {
public:
  virtual void Cont(bool allow) = 0;
};

// cef_context_menu_params_t: runtime object.
class ICefContextMenuParams : public virtual ICefBase {
public:
  virtual int GetXcoord() = 0;
  virtual int GetYcoord() = 0;
  virtual cef_context_menu_type_flags_t GetTypeFlags() = 0;
  virtual std::wstring GetLinkUrl() = 0;
  virtual std::wstring GetUnfilteredLinkUrl() = 0;
  virtual std::wstring GetSourceUrl() = 0;
  virtual bool HasImageContents() = 0;
  virtual std::wstring GetPageUrl() = 0;
  virtual std::wstring GetFrameUrl() = 0;
  virtual std::wstring GetFrameCharset() = 0;
  virtual cef_context_menu_media_type_t GetMediaType() = 0;
  virtual cef_context_menu_media_state_flags_t GetMediaStateFlags() = 0;
  virtual std::wstring GetSelectionText() = 0;
  virtual std::wstring GetMisspelledWord() = 0;
  virtual bool GetDictionarySuggestions(std::vector<std::wstring>& suggestions) = 0;
  virtual bool IsEditable() = 0;
  virtual bool IsSpellCheckEnabled() = 0;
  virtual cef_context_menu_edit_state_flags_t GetEditStateFlags() = 0;
  virtual bool IsCustomMenu() = 0;
  virtual bool IsPepperMenu() = 0;
};

// cef_menu_model_t: runtime object.
class ICefMenuModel : public virtual ICefBase {
public:
  virtual bool Clear() = 0;
  virtual int GetCount() = 0;
  virtual bool AddSeparator() = 0;
  virtual bool AddItem(int command_id, const std::wstring& label) = 0;
  virtual bool AddCheckItem(int command_id, const std::wstring& label) = 0;
  virtual bool AddRadioItem(int command_id, const std::wstring& label, int group_id) = 0;
  virtual rtl::TRef<ICefMenuModel> AddSubMenu(int command_id, const std::wstring& label) = 0;
  virtual bool InsertSeparatorAt(int index) = 0;
  virtual bool InsertItemAt(int index, int command_id, const std::wstring& label) = 0;
  virtual bool InsertCheckItemAt(int index, int command_id, const std::wstring& label) = 0;
  virtual bool InsertRadioItemAt(int index, int command_id, const std::wstring& label,
      int group_id) = 0;
  virtual rtl::TRef<ICefMenuModel> InsertSubMenuAt(int index, int command_id,
      const std::wstring& label) = 0;
  virtual bool Remove(int command_id) = 0;
  virtual bool RemoveAt(int index) = 0;
  virtual int GetIndexOf(int command_id) = 0;
  virtual int GetCommandIdAt(int index) = 0;
  virtual bool SetCommandIdAt(int index, int command_id) = 0;
  virtual std::wstring GetLabel(int command_id) = 0;
  virtual std::wstring GetLabelAt(int index) = 0;
  virtual bool SetLabel(int command_id, const std::wstring& label) = 0;
  virtual bool SetLabelAt(int index, const std::wstring& label) = 0;
  virtual cef_menu_item_type_t GetType(int command_id) = 0;
  virtual cef_menu_item_type_t GetTypeAt(int index) = 0;
  virtual int GetGroupId(int command_id) = 0;
  virtual int GetGroupIdAt(int index) = 0;
  virtual bool SetGroupId(int command_id, int group_id) = 0;
  virtual bool SetGroupIdAt(int index, int group_id) = 0;
  virtual rtl::TRef<ICefMenuModel> GetSubMenu(int command_id) = 0;
  virtual rtl::TRef<ICefMenuModel> GetSubMenuAt(int index) = 0;
  virtual bool IsVisible(int command_id) = 0;
  virtual bool IsVisibleAt(int index) = 0;
  virtual bool SetVisible(int command_id, bool visible) = 0;
  virtual bool SetVisibleAt(int index, bool visible) = 0;
  virtual bool IsEnabled(int command_id) = 0;
  virtual bool IsEnabledAt(int index) = 0;
  virtual bool SetEnabled(int command_id, bool enabled) = 0;
  virtual bool SetEnabledAt(int index, bool enabled) = 0;
  virtual bool IsChecked(int command_id) = 0;
  virtual bool IsCheckedAt(int index) = 0;
  virtual bool SetChecked(int command_id, bool checked) = 0;
  virtual bool SetCheckedAt(int index, bool checked) = 0;
  virtual bool HasAccelerator(int command_id) = 0;
  virtual bool HasAcceleratorAt(int index) = 0;
  virtual bool SetAccelerator(int command_id, int key_code, bool shift_pressed, bool ctrl_pressed,
      bool alt_pressed) = 0;
  virtual bool SetAcceleratorAt(int index, int key_code, bool shift_pressed, bool ctrl_pressed,
      bool alt_pressed) = 0;
  virtual bool RemoveAccelerator(int command_id) = 0;
  virtual bool RemoveAcceleratorAt(int index) = 0;
  virtual bool GetAccelerator(int command_id, int& key_code, int& shift_pressed, int& ctrl_pressed,
      int& alt_pressed) = 0;
  virtual bool GetAcceleratorAt(int index, int& key_code, int& shift_pressed, int& ctrl_pressed,
      int& alt_pressed) = 0;
};

// cef_list_value_t: runtime object.
class ICefListValue : public virtual ICefBase {
public:
  virtual bool IsValid() = 0;
  virtual bool IsOwned() = 0;
  virtual bool IsReadOnly() = 0;
  virtual bool IsSame(const rtl::TRef<ICefListValue>& that) = 0;
  virtual bool IsEqual(const rtl::TRef<ICefListValue>& that) = 0;
  virtual rtl::TRef<ICefListValue> Copy() = 0;
  virtual bool SetSize(size_t size) = 0;
  virtual size_t GetSize() = 0;
  virtual bool Clear() = 0;
  virtual bool Remove(int index) = 0;
  virtual cef_value_type_t GetType(int index) = 0;
  virtual rtl::TRef<ICefValue> GetValue(int index) = 0;
  virtual bool GetBool(int index) = 0;
  virtual int GetInt(int index) = 0;
  virtual double GetDouble(int index) = 0;
  virtual std::wstring GetString(int index) = 0;
  virtual rtl::TRef<ICefBinaryValue> GetBinary(int index) = 0;
  virtual rtl::TRef<ICefDictionaryValue> GetDictionary(int index) = 0;
  virtual rtl::TRef<ICefListValue> GetList(int index) = 0;
  virtual bool SetValue(int index, const rtl::TRef<ICefValue>& value) = 0;
  virtual bool SetNull(int index) = 0;
  virtual bool SetBool(int index, int value) = 0;
  virtual bool SetInt(int index, int value) = 0;
  virtual bool SetDouble(int index, double value) = 0;
  virtual bool SetString(int index, const std::wstring& value) = 0;
  virtual bool SetBinary(int index, const rtl::TRef<ICefBinaryValue>& value) = 0;
  virtual bool SetDictionary(int index, const rtl::TRef<ICefDictionaryValue>& value) = 0;
  virtual bool SetList(int index, const rtl::TRef<ICefListValue>& value) = 0;
};

// cef_value_t: runtime object.
class ICefValue : public virtual ICefBase {
public:
  virtual bool IsValid() = 0;
  virtual bool IsOwned() = 0;
  virtual bool IsReadOnly() = 0;
  virtual bool IsSame(const rtl::TRef<ICefValue>& that) = 0;
  virtual bool IsEqual(const rtl::TRef<ICefValue>& that) = 0;
  virtual rtl::TRef<ICefValue> Copy() = 0;
  virtual cef_value_type_t GetType() = 0;
  virtual bool GetBool() = 0;
  virtual int GetInt() = 0;
  virtual double GetDouble() = 0;
  virtual std::wstring GetString() = 0;
  virtual rtl::TRef<ICefBinaryValue> GetBinary() = 0;
  virtual rtl::TRef<ICefDictionaryValue> GetDictionary() = 0;
  virtual rtl::TRef<ICefListValue> GetList() = 0;
  virtual bool SetNull() = 0;
  virtual bool SetBool(int value) = 0;
  virtual bool SetInt(int value) = 0;
  virtual bool SetDouble(double value) = 0;
  virtual bool SetString(const std::wstring& value) = 0;
  virtual bool SetBinary(const rtl::TRef<ICefBinaryValue>& value) = 0;
  virtual bool SetDictionary(const rtl::TRef<ICefDictionaryValue>& value) = 0;
  virtual bool SetList(const rtl::TRef<ICefListValue>& value) = 0;
};

// cef_binary_value_t: runtime object.
class ICefBinaryValue : public virtual ICefBase {
public:
  virtual bool IsValid() = 0;
  virtual bool IsOwned() = 0;
  virtual bool IsSame(const rtl::TRef<ICefBinaryValue>& that) = 0;
  virtual bool IsEqual(const rtl::TRef<ICefBinaryValue>& that) = 0;
  virtual rtl::TRef<ICefBinaryValue> Copy() = 0;
  virtual size_t GetSize() = 0;
  virtual size_t GetData(void* buffer, size_t buffer_size, size_t data_offset) = 0;
};

// cef_dictionary_value_t: runtime object.
class ICefDictionaryValue : public virtual ICefBase {
public:
  virtual bool IsValid() = 0;
  virtual bool IsOwned() = 0;
  virtual bool IsReadOnly() = 0;
  virtual bool IsSame(const rtl::TRef<ICefDictionaryValue>& that) = 0;
  virtual bool IsEqual(const rtl::TRef<ICefDictionaryValue>& that) = 0;
  virtual rtl::TRef<ICefDictionaryValue> Copy(bool exclude_empty_children) = 0;
  virtual size_t GetSize() = 0;
  virtual bool Clear() = 0;
  virtual bool HasKey(const std::wstring& key) = 0;
  virtual bool GetKeys(std::vector<std::wstring>& keys) = 0;
  virtual bool Remove(const std::wstring& key) = 0;
  virtual cef_value_type_t GetType(const std::wstring& key) = 0;
  virtual rtl::TRef<ICefValue> GetValue(const std::wstring& key) = 0;
  virtual bool GetBool(const std::wstring& key) = 0;
  virtual int GetInt(const std::wstring& key) = 0;
  virtual double GetDouble(const std::wstring& key) = 0;
  virtual std::wstring GetString(const std::wstring& key) = 0;
  virtual rtl::TRef<ICefBinaryValue> GetBinary(const std::wstring& key) = 0;
  virtual rtl::TRef<ICefDictionaryValue> GetDictionary(const std::wstring& key) = 0;
  virtual rtl::TRef<ICefListValue> GetList(const std::wstring& key) = 0;
  virtual bool SetValue(const std::wstring& key, const rtl::TRef<ICefValue>& value) = 0;
  virtual bool SetNull(const std::wstring& key) = 0;
  virtual bool SetBool(const std::wstring& key, int value) = 0;
  virtual bool SetInt(const std::wstring& key, int value) = 0;
  virtual bool SetDouble(const std::wstring& key, double value) = 0;
  virtual bool SetString(const std::wstring& key, const std::wstring& value) = 0;
  virtual bool SetBinary(const std::wstring& key, const rtl::TRef<ICefBinaryValue>& value) = 0;
  virtual bool SetDictionary(const std::wstring& key,
      const rtl::TRef<ICefDictionaryValue>& value) = 0;
  virtual bool SetList(const std::wstring& key, const rtl::TRef<ICefListValue>& value) = 0;
};

// cef_urlrequest_t: runtime object.
class ICefUrlRequest : public virtual ICefBase {
public:
  virtual rtl::TRef<ICefRequest> GetRequest() = 0;
  virtual rtl::TRef<ICefUrlrequestClient> GetClient() = 0;
  virtual cef_urlrequest_status_t GetRequestStatus() = 0;
  virtual cef_errorcode_t GetRequestError() = 0;
  virtual rtl::TRef<ICefResponse> GetResponse() = 0;
  virtual void Cancel() = 0;
};

// cef_file_dialog_callback_t: runtime object.
class ICefFileDialogCallback : public virtual ICefBase {
public:
  virtual void Cont(int selected_accept_filter, const std::vector<std::wstring>& file_paths) = 0;
  virtual void Cancel() = 0;
};

// cef_drag_data_t: runtime object.
class ICefDragData : public virtual ICefBase {
public:
  virtual rtl::TRef<ICefDragData> Clone() = 0;
  virtual bool IsReadOnly() = 0;
  virtual bool IsLink() = 0;
  virtual bool IsFragment() = 0;
  virtual bool IsFile() = 0;
  virtual std::wstring GetLinkUrl() = 0;
  virtual std::wstring GetLinkTitle() = 0;
  virtual std::wstring GetLinkMetadata() = 0;
  virtual std::wstring GetFragmentText() = 0;
  virtual std::wstring GetFragmentHtml() = 0;
  virtual std::wstring GetFragmentBaseUrl() = 0;
  virtual std::wstring GetFileName() = 0;
  virtual size_t GetFileContents(cef_stream_writer_t* writer) = 0;
  virtual bool GetFileNames(std::vector<std::wstring>& names) = 0;
  virtual void SetLinkUrl(const std::wstring& url) = 0;
  virtual void SetLinkTitle(const std::wstring& title) = 0;
  virtual void SetLinkMetadata(const std::wstring& data) = 0;
  virtual void SetFragmentText(const std::wstring& text) = 0;
  virtual void SetFragmentHtml(const std::wstring& html) = 0;
  virtual void SetFragmentBaseUrl(const std::wstring& base_url) = 0;
  virtual void ResetFileContents() = 0;
  virtual void AddFile(const std::wstring& path, const std::wstring& display_name) = 0;
};

// cef_request_context_t: runtime object.
class ICefRequestContext : public virtual ICefBase {
public:
  virtual bool IsSame(const rtl::TRef<ICefRequestContext>& other) = 0;
  virtual bool IsSharingWith(const rtl::TRef<ICefRequestContext>& other) = 0;
  virtual bool IsGlobal() = 0;
  virtual rtl::TRef<ICefRequestContextHandler> GetHandler() = 0;
  virtual std::wstring GetCachePath() = 0;
  virtual rtl::TRef<ICefCookieManager> GetDefaultCookieManager(
      const rtl::TRef<ICefCompletionCallback>& callback) = 0;
  virtual bool RegisterSchemeHandlerFactory(const std::wstring& scheme_name,
      const std::wstring& domain_name, const rtl::TRef<ICefSchemeHandlerFactory>& factory) = 0;
  virtual bool ClearSchemeHandlerFactories() = 0;
  virtual void PurgePluginListCache(bool reload_pages) = 0;
  virtual bool HasPreference(const std::wstring& name) = 0;
  virtual rtl::TRef<ICefValue> GetPreference(const std::wstring& name) = 0;
  virtual rtl::TRef<ICefDictionaryValue> GetAllPreferences(bool include_defaults) = 0;
  virtual bool CanSetPreference(const std::wstring& name) = 0;
  virtual bool SetPreference(const std::wstring& name, const rtl::TRef<ICefValue>& value,
      std::wstring& error) = 0;
  virtual void ClearCertificateExceptions(const rtl::TRef<ICefCompletionCallback>& callback) = 0;
  virtual void CloseAllConnections(const rtl::TRef<ICefCompletionCallback>& callback) = 0;
  virtual void ResolveHost(const std::wstring& origin, cef_resolve_callback_t* callback) = 0;
  virtual cef_errorcode_t ResolveHostCached(const std::wstring& origin,
      const std::vector<std::wstring>& resolved_ips) = 0;
};

// cef_request_context_handler_t: runtime object.
class ICefRequestContextHandler : public virtual ICefBase {
public:
  virtual rtl::TRef<ICefCookieManager> GetCookieManager() = 0;
  virtual bool OnBeforePluginLoad(const std::wstring& mime_type, const std::wstring& plugin_url,
      const std::wstring& top_origin_url, const rtl::TRef<ICefWebPluginInfo>& plugin_info,
      cef_plugin_policy_t& plugin_policy) = 0;
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

// cef_sslcert_principal_t: runtime object.
class ICefSslCertPrincipal : public virtual ICefBase {
public:
  virtual std::wstring GetDisplayName() = 0;
  virtual std::wstring GetCommonName() = 0;
  virtual std::wstring GetLocalityName() = 0;
  virtual std::wstring GetStateOrProvinceName() = 0;
  virtual std::wstring GetCountryName() = 0;
  virtual void GetStreetAddresses(std::vector<std::wstring>& addresses) = 0;
  virtual void GetOrganizationNames(std::vector<std::wstring>& names) = 0;
  virtual void GetOrganizationUnitNames(std::vector<std::wstring>& names) = 0;
  virtual void GetDomainComponents(std::vector<std::wstring>& components) = 0;
};

// cef_sslinfo_t: runtime object.
class ICefSslInfo : public virtual ICefBase {
public:
  virtual cef_cert_status_t GetCertStatus() = 0;
  virtual bool IsCertStatusError() = 0;
  virtual bool IsCertStatusMinorError() = 0;
  virtual rtl::TRef<ICefSslCertPrincipal> GetSubject() = 0;
  virtual rtl::TRef<ICefSslCertPrincipal> GetIssuer() = 0;
  virtual rtl::TRef<ICefBinaryValue> GetSerialNumber() = 0;
  virtual cef_time_t GetValidStart() = 0;
  virtual cef_time_t GetValidExpiry() = 0;
  virtual rtl::TRef<ICefBinaryValue> GetDerencoded() = 0;
  virtual rtl::TRef<ICefBinaryValue> GetPemencoded() = 0;
  virtual size_t GetIssuerChainSize() = 0;
  virtual void GetDerencodedIssuerChain(std::vector<rtl::TRef<ICefBinaryValue>>& chain) = 0;
  virtual void GetPemencodedIssuerChain(std::vector<rtl::TRef<ICefBinaryValue>>& chain) = 0;
};

// cef_run_context_menu_callback_t: runtime object.
class ICefRunContextMenuCallback : public virtual ICefBase {
public:
  virtual void Cont(int command_id, cef_event_flags_t event_flags) = 0;
  virtual void Cancel() = 0;
};

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
