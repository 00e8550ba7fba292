#pragma once
// The browser control: an application puts a TVoraDBrowser on a form and gets pages, events and
// built-in defaults. The control owns its page manager (which fills its client area), the
// component options, an optional tab strip and, on first use, the developer tools view. It is
// the event sink of the whole component: every event of the page manager, the page registry
// and the per-area handlers arrives through IVoraDBrowser and is turned into the application's
// event when one is assigned. Operations and properties: main thread. Events raised by a
// per-area handler directly run on the runtime thread that delivered the callback.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "toolkit/ComCtrls.h"
#include "toolkit/Controls.h"
#include "toolkit/Forms.h"
#include "vorad/core/VoraD.Core.JsExtention.h"
#include "vorad/core/VoraD.Events.h"

class TBrowserView;
class TDevToolsView;
class TVoraDEventSink;
class TVoraDOptions;
class TChromiumOptions;
class TChromiumFontOptions;
class TCefBrowserWrapper;

class TCustomVoraDBrowser : public toolkit::TWinControl, public virtual IVoraDBrowser {
public:
  explicit TCustomVoraDBrowser(toolkit::TWinControl* owner = nullptr);
  ~TCustomVoraDBrowser() override;

  // The control's lifetime belongs to its owner. The component's holders count references on
  // EventSink instead, which outlives the control and reaches it only while it exists.
  long AddRef() noexcept override { return 1; }
  long Release() noexcept override { return 1; }

  void AddPage(const std::wstring& url = L"");
  void Load(const std::wstring& url);
  void GoHome();
  bool ShowBrowser(const rtl::TRef<ICefBrowser>& browser);
  bool ShowBrowser(int32_t browserId);
  bool CloseBrowser(int32_t closeBrowserId, int32_t showBrowserId);
  bool CloseAllOtherBrowser(int32_t keepBrowserId);
  void CloseAllBrowser(bool raiseEvents);
  void CopyBrowser(int32_t browserId);
  void CopyBrowser(const rtl::TRef<ICefBrowser>& browser);
  void DownloadFile(const std::wstring& url);
  void GoBack();
  void GoForward();
  void Reload();
  void ReloadIgnoreCache();
  void StopLoad();
  void Print();
  void ExecuteJavaScript(const std::wstring& script);
  void GetSourceInNewPage();
  void AddZoomLevel();
  void ReduceZoomLevel();
  void ResetZoomLevel();
  void ReOpenClosedPage();
  void RunInRenderProcess(const rtl::TRef<TRenderProcessCallbackA>& proc, void* data);
  void CreateDefaultTabsControl(int height);
  void SearchText();
  bool GetSource(std::wstring& text, int32_t timeout);
  bool GetText(std::wstring& text, int32_t timeout);
  TCefBrowserWrapper* GetWrapperBrowsers(int32_t browserId);

  // A nil browser means the active one.
  void ShowDevTools(PBrowser browser) override;
  void CloseDevTools(PBrowser browser) override;
  void GetBrowserSettings(TCefBrowserSettings& settings) override;

  rtl::TRef<ICefBrowser> GetActiveBrowser() const;
  rtl::TRef<ICefBrowser> ActiveBrowser() const { return GetActiveBrowser(); }
  int32_t ActiveBrowserId() const;
  int32_t BrowserCount() const;
  int32_t ClosedUrlCount() const;
  bool IsLoading() const;
  bool CanGoBack() const;
  bool CanGoForward() const;
  std::wstring ZoomLevel() const;
  std::wstring URL() const;
  std::wstring title() const;
  TVoraDJsExtention* JsExtention() const;

  const std::wstring& DefaultURL() const { return FDefaultUrl; }
  void SetDefaultURL(const std::wstring& url) { FDefaultUrl = url; }
  const std::wstring& DefaultEncoding() const { return FDefaultEncoding; }
  void SetDefaultEncoding(const std::wstring& v) { FDefaultEncoding = v; }
  TVoraDOptions* VoraDOptions() const { return FVoraDOptions.get(); }
  // Takes the values over: the page manager keeps pointing at the control's own object.
  void SetVoraDOptions(const TVoraDOptions& options);
  TChromiumOptions* ChromiumOptions() const { return FChromiumOptions.get(); }
  void SetChromiumOptions(const TChromiumOptions& options);
  TChromiumFontOptions* ChromiumFontOptions() const { return FChromiumFontOptions.get(); }

  TBrowserView* BrowserView() const { return FBrowserView.get(); }
  // The event sink the page manager, the page registry and the client handler hold.
  rtl::TRef<IVoraDBrowser> EventSink() const;
  TDevToolsView* DevToolsView() const { return FDevToolsView.get(); }
  toolkit::TPageControl* DefaultTabControl() const { return FDefaultTabControl.get(); }
  toolkit::TForm* ParentForm() const { return FParentForm; }

  // Events, in their published order.
  TOnDefaultTabChanged OnDefaultTabChanged;
  TOnDefaultTabChanging OnDefaultTabChanging;
  TOnLoadingStateChange OnLoadingStateChange;
  TOnStateChange OnStateChange;
  TOnFavIconChange OnFavIconChange;
  TOnFullScreenModeChange OnFullScreenModeChange;
  TOnAddBrowser OnAddBrowser;
  TOnCloseBrowser OnCloseBrowser;
  TOnBeforeCloseBrowser OnBeforeCloseBrowser;
  TOnLoadStart OnLoadStart;
  TOnLoadEnd OnLoadEnd;
  TOnLoadError OnLoadError;
  TOnBeforeBrowse OnBeforeBrowse;
  TOnOpenUrlFromTab OnOpenUrlFromTab;
  TOnPreKeyEvent OnPreKeyEvent;
  TOnKeyEvent OnKeyEvent;
  TOnBeforeResourceLoad OnBeforeResourceLoad;
  TOnGetResourceHandler OnGetResourceHandler;
  TOnResourceRedirect OnResourceRedirect;
  TOnResourceResponse OnResourceResponse;
  TOnGetResourceResponseFilter OnGetResourceResponseFilter;
  TOnResourceLoadComplete OnResourceLoadComplete;
  TOnGotFocus OnGotFocus;
  TOnSetFocus OnSetFocus;
  TOnTakeFocus OnTakeFocus;
  TOnBeforeContextMenu OnBeforeContextMenu;
  TOnContextMenuCommand OnContextMenuCommand;
  TOnContextMenuDismissed OnContextMenuDismissed;
  TOnJsdialog OnJsdialog;
  TOnBeforeUnloadDialog OnBeforeUnloadDialog;
  TOnDialogClosed OnDialogClosed;
  TOnPluginCrashed OnPluginCrashed;
  TOnBeforeDownload OnBeforeDownload;
  TOnDownloadUpdated OnDownloadUpdated;
  TOnGetAuthCredentials OnGetAuthCredentials;
  TOnConsoleMessage OnConsoleMessage;
  TOnProtocolExecution OnProtocolExecution;
  TOnFileDialog OnFileDialog;
  TOnRequestGeolocationPermission OnRequestGeolocationPermission;
  TOnCancelGeolocationPermission OnCancelGeolocationPermission;
  TOnQuotaRequest OnQuotaRequest;
  TOnCertificateError OnCertificateError;
  TOnDragEnter OnDragEnter;
  TOnStartDragging OnStartDragging;
  TOnDraggableRegionsChanged OnDraggableRegionsChanged;
  TOnUpdateDragCursor OnUpdateDragCursor;
  TOnScrollOffsetChanged OnScrollOffsetChanged;
  TOnCursorChange OnCursorChange;
  TOnTooltip OnTooltip;
  TOnResetDialogState OnResetDialogState;
  TOnRenderProcessTerminated OnRenderProcessTerminated;
  TOnBeforePopup OnBeforePopup;
  TOnFindResult OnFindResult;

  void DoLoadingStateChange(PBrowser browser, bool isLoading, bool canGoBack, bool canGoForward) override;
  void DoStateChange(PBrowser browser, TBrowserDataChangeKind Kind, const std::wstring& Value) override;
  void DoFavIconChange(PBrowser browser, const std::wstring& favUrl, TFavIcon* icon) override;
  void DoFullScreenModeChange(PBrowser browser, bool fullscreen) override;
  void DoAddBrowser(PBrowser browser) override;
  void DoCloseBrowser(const TBrowserIdArray& CloseBrowserIdArr, int32_t ShowBrowserId) override;
  void DoBeforeCloseBrowser(const TBrowserIdArray& CloseBrowserIdArr, TCloseBrowserType aCloseBrowserType, int32_t& ShowBrowserId) override;
  void DoLoadStart(PBrowser browser, PFrame frame) override;
  void DoLoadEnd(PBrowser browser, PFrame frame, int32_t httpStatusCode) override;
  void DoLoadError(PBrowser browser, PFrame frame, int32_t errorCode, const std::wstring& errorText, const std::wstring& failedUrl, bool& CancelDefaultEvent) override;
  void DoBeforeBrowse(PBrowser browser, PFrame frame, PRequest request, bool isRedirect, bool& Cancel) override;
  void DoOpenUrlFromTab(PBrowser browser, PFrame frame, const std::wstring& targetUrl, TCefWindowOpenDisposition targetDisposition, bool userGesture, bool& Cancel) override;
  void DoPreKeyEvent(PBrowser browser, PCefKeyEvent event, PMsg osEvent, bool& isKeyboardShortcut, bool& Cancel, bool& CancelDefaultEvent) override;
  void DoKeyEvent(PBrowser browser, PCefKeyEvent event, PMsg osEvent, bool& Cancel) override;
  void DoBeforeResourceLoad(PBrowser browser, PFrame frame, PRequest request, const rtl::TRef<ICefRequestCallback>& callback, TCefReturnValue& Result) override;
  void DoGetResourceHandler(PBrowser browser, PFrame frame, PRequest request, rtl::TRef<ICefResourceHandler>& ResourceHandler) override;
  void DoResourceRedirect(PBrowser browser, PFrame frame, PRequest request, std::wstring& newUrl) override;
  void DoResourceResponse(PBrowser browser, PFrame frame, PRequest request, PResponse response, bool& Result) override;
  void DoGetResourceResponseFilter(PBrowser browser, PFrame frame, PRequest request, PResponse response, cef_response_filter_t*& Result) override;
  void DoResourceLoadComplete(PBrowser browser, PFrame frame, PRequest request, PResponse response, TCefUrlRequestStatus status, int64_t receivedContentLength) override;
  void DoGotFocus(PBrowser browser, bool& CancelDefaultEvent) override;
  void DoSetFocus(PBrowser browser, TCefFocusSource source, bool& Cancel, bool& CancelDefaultEvent) override;
  void DoTakeFocus(PBrowser browser, bool next) override;
  void DoBeforeContextMenu(PBrowser browser, PFrame frame, const rtl::TRef<ICefContextMenuParams>& params, const rtl::TRef<ICefMenuModel>& model) override;
  void DoContextMenuCommand(PBrowser browser, PFrame frame, const rtl::TRef<ICefContextMenuParams>& params, int32_t commandId, TCefEventFlags eventFlags, bool& CancelDefaultEvent) override;
  void DoContextMenuDismissed(PBrowser browser, PFrame frame) override;
  void DoJsdialog(PBrowser browser, const std::wstring& originUrl, TCefJsDialogType dialogType, const std::wstring& messageText, const std::wstring& defaultPromptText, const rtl::TRef<ICefJsDialogCallback>& callback, bool& suppressMessage, bool& Cancel, bool& CancelDefaultEvent) override;
  void DoBeforeUnloadDialog(PBrowser browser, const std::wstring& messageText, bool isReload, const rtl::TRef<ICefJsDialogCallback>& callback, bool& Cancel, bool& CancelDefaultEvent) override;
  void DoDialogClosed(PBrowser browser) override;
  void DoBeforeDownload(PBrowser browser, const rtl::TRef<ICefDownloadItem>& downloadItem, const std::wstring& suggestedName, const rtl::TRef<ICefBeforeDownloadCallback>& callback, bool& CancelDefaultEvent) override;
  void DoDownloadUpdated(PBrowser browser, const rtl::TRef<ICefDownloadItem>& downloadItem, const rtl::TRef<ICefDownloadItemCallback>& callback) override;
  void DoGetAuthCredentials(PBrowser browser, PFrame frame, bool isProxy, const std::wstring& host, int32_t port, const std::wstring& realm, const std::wstring& scheme, const rtl::TRef<ICefAuthCallback>& callback, bool& CancelDefaultEvent) override;
  void DoConsoleMessage(PBrowser browser, const std::wstring& message, const std::wstring& source, int32_t line, bool& Cancel) override;
  void DoProtocolExecution(PBrowser browser, const std::wstring& url, bool& allowOsExecution) override;
  void DoCertificateError(PBrowser browser, int32_t certError, const std::wstring& requestUrl, const rtl::TRef<ICefSslInfo>& sslInfo, const rtl::TRef<ICefRequestCallback>& callback, bool& Cancel) override;
  void DoFileDialog(PBrowser browser, TCefFileDialogMode mode, const std::wstring& title, const std::wstring& defaultFilePath, const TStringList& acceptFilters, int32_t selectedAcceptFilter, const rtl::TRef<ICefFileDialogCallback>& callback, bool& Cancel) override;
  void DoPluginCrashed(PBrowser browser, const std::wstring& pluginPath) override;
  void DoRequestGeolocationPermission(PBrowser browser, const std::wstring& requestingUrl, int32_t requestId, const rtl::TRef<ICefGeolocationCallback>& callback, bool& Cancel) override;
  void DoCancelGeolocationPermission(PBrowser browser, int32_t requestId) override;
  void DoQuotaRequest(PBrowser browser, const std::wstring& originUrl, int64_t newSize, const rtl::TRef<ICefRequestCallback>& callback, bool& Cancel) override;
  void DoDragEnter(PBrowser browser, const rtl::TRef<ICefDragData>& dragData, TCefDragOperations mask, bool& Cancel) override;
  void DoStartDragging(PBrowser browser, const rtl::TRef<ICefDragData>& dragData, TCefDragOperations allowedOps, int32_t x, int32_t y, bool& Cancel) override;
  void DoDraggableRegionsChanged(PBrowser browser, size_t regionsCount, PCefDraggableRegionArray regions) override;
  void DoUpdateDragCursor(PBrowser browser, TCefDragOperation operation) override;
  void DoScrollOffsetChanged(PBrowser browser, double x, double y) override;
  void DoFindResult(PBrowser browser, int32_t identifier, int32_t count, PCefRect selectionRect, int32_t activeMatchOrdinal, bool finalUpdate) override;
  void DoCursorChange(PBrowser browser, HCURSOR cursor, TCefCursorType cursorType, PCefCursorInfo customCursorInfo) override;
  void DoTooltip(PBrowser browser, std::wstring& text, bool& Cancel) override;
  void DoResetDialogState(PBrowser browser) override;
  void DoRenderProcessTerminated(PBrowser browser, TCefTerminationStatus status) override;
  void DoBeforePopup(PBrowser browser, PFrame frame, const std::wstring& targetUrl, const std::wstring& targetFrameName, TCefWindowOpenDisposition targetDisposition, bool userGesture, TCefPopupFeatures& popupFeatures, TCefWindowInfo& windowInfo, rtl::TRef<ICefClient>& client, TCefBrowserSettings& settings, bool& noJavascriptAccess, bool& Cancel, bool& CancelDefaultEvent) override;

protected:
  void WndProc(toolkit::TMessage& msg) override;
  void HandleCreated() override;

  void HookParentForm();
  void UnhookParentForm();
  void ParentFormWndProc(toolkit::TMessage& msg);
  void TabChange(toolkit::TObject* sender);
  void TabChanging(toolkit::TObject* sender, bool& allow);
  toolkit::TTabSheet* FindTabSheet(int32_t browserId) const;

private:
  rtl::TRef<TVoraDEventSink> FEventSink;
  std::unique_ptr<TBrowserView> FBrowserView;
  std::unique_ptr<TDevToolsView> FDevToolsView;
  std::unique_ptr<toolkit::TPageControl> FDefaultTabControl;
  std::unique_ptr<TVoraDOptions> FVoraDOptions;
  std::unique_ptr<TChromiumOptions> FChromiumOptions;
  std::unique_ptr<TChromiumFontOptions> FChromiumFontOptions;
  std::wstring FDefaultUrl;
  std::wstring FDefaultEncoding;
  bool FIsMoving = false;
  toolkit::TWndMethod FLastWndProc;
  toolkit::TForm* FParentForm = nullptr;
};

// The control for form design: publishes the properties and events; no behaviour of its own.
class TVoraDBrowser : public TCustomVoraDBrowser {
public:
  using TCustomVoraDBrowser::TCustomVoraDBrowser;
};

// Width of the last monitor in the system's monitor list.
int LastMonitorWidth();
