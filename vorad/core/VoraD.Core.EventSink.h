#pragma once
// TVoraDEventSink: the browser control's event sink as the rest of the component holds it. The
// page manager, the page registry and the per-area handlers keep counted references to it, and
// the runtime may keep the handlers (and so the sink) long after the control is gone, calling
// them on its own threads. The sink forwards every operation to the control until the control
// detaches it at the start of its destruction; from then on operations reach nothing.
// Operations: any thread. Detach: the thread that destroys the control (the main thread).
#include <windows.h>

#include <cstdint>
#include <mutex>
#include <vector>

#include "vorad/core/VoraD.Events.h"

class TVoraDEventSink : public rtl::TInterfacedObject, public IVoraDBrowser {
public:
  // `target` is borrowed: it must call Detach before it goes.
  explicit TVoraDEventSink(IVoraDBrowser* target);
  ~TVoraDEventSink() override;

  // Later operations find no target. Returns once every operation running on another thread has
  // returned; sent messages are handled meanwhile, since such an operation may be sending to
  // this thread. An operation of the calling thread further up its own stack is not waited for.
  void Detach();

  // Sinks alive in this process: each lives as long as a holder (possibly the runtime) keeps it.
  static int32_t LiveCount();

  void GetBrowserSettings(TCefBrowserSettings& settings) override;
  void ShowDevTools(PBrowser browser) override;
  void CloseDevTools(PBrowser browser) override;
  void DoLoadingStateChange(PBrowser browser, bool isLoading, bool canGoBack, bool canGoForward) override;
  void DoStateChange(PBrowser browser, TBrowserDataChangeKind Kind, const std::wstring& Value) override;
  void DoFavIconChange(PBrowser browser, const std::wstring& favUrl, TFavIcon* icon) override;
  void DoFullScreenModeChange(PBrowser browser, bool fullscreen) override;
  void DoAddBrowser(PBrowser browser) override;
  void DoCloseBrowser(const TBrowserIdArray& CloseBrowserIdArr, int32_t ShowBrowserId) override;
  void DoBeforeCloseBrowser(const TBrowserIdArray& CloseBrowserIdArr, TCloseBrowserType aCloseBrowserType,
                            int32_t& ShowBrowserId) override;
  void DoLoadStart(PBrowser browser, PFrame frame) override;
  void DoLoadEnd(PBrowser browser, PFrame frame, int32_t httpStatusCode) override;
  void DoLoadError(PBrowser browser, PFrame frame, int32_t errorCode, const std::wstring& errorText,
                   const std::wstring& failedUrl, bool& CancelDefaultEvent) override;
  void DoBeforeBrowse(PBrowser browser, PFrame frame, PRequest request, bool isRedirect, bool& Cancel) override;
  void DoOpenUrlFromTab(PBrowser browser, PFrame frame, const std::wstring& targetUrl,
                        TCefWindowOpenDisposition targetDisposition, bool userGesture, bool& Cancel) override;
  void DoPreKeyEvent(PBrowser browser, PCefKeyEvent event, PMsg osEvent, bool& isKeyboardShortcut, bool& Cancel,
                     bool& CancelDefaultEvent) override;
  void DoKeyEvent(PBrowser browser, PCefKeyEvent event, PMsg osEvent, bool& Cancel) override;
  void DoBeforeResourceLoad(PBrowser browser, PFrame frame, PRequest request,
                            const rtl::TRef<ICefRequestCallback>& callback, TCefReturnValue& Result) override;
  void DoGetResourceHandler(PBrowser browser, PFrame frame, PRequest request,
                            rtl::TRef<ICefResourceHandler>& ResourceHandler) override;
  void DoResourceRedirect(PBrowser browser, PFrame frame, PRequest request, std::wstring& newUrl) override;
  void DoResourceResponse(PBrowser browser, PFrame frame, PRequest request, PResponse response, bool& Result) override;
  void DoGetResourceResponseFilter(PBrowser browser, PFrame frame, PRequest request, PResponse response,
                                   cef_response_filter_t*& Result) override;
  void DoResourceLoadComplete(PBrowser browser, PFrame frame, PRequest request, PResponse response,
                              TCefUrlRequestStatus status, int64_t receivedContentLength) override;
  void DoGotFocus(PBrowser browser, bool& CancelDefaultEvent) override;
  void DoSetFocus(PBrowser browser, TCefFocusSource source, bool& Cancel, bool& CancelDefaultEvent) override;
  void DoTakeFocus(PBrowser browser, bool next) override;
  void DoBeforeContextMenu(PBrowser browser, PFrame frame, const rtl::TRef<ICefContextMenuParams>& params,
                           const rtl::TRef<ICefMenuModel>& model) override;
  void DoContextMenuCommand(PBrowser browser, PFrame frame, const rtl::TRef<ICefContextMenuParams>& params,
                            int32_t commandId, TCefEventFlags eventFlags, bool& CancelDefaultEvent) override;
  void DoContextMenuDismissed(PBrowser browser, PFrame frame) override;
  void DoJsdialog(PBrowser browser, const std::wstring& originUrl, TCefJsDialogType dialogType,
                  const std::wstring& messageText, const std::wstring& defaultPromptText,
                  const rtl::TRef<ICefJsDialogCallback>& callback, bool& suppressMessage, bool& Cancel,
                  bool& CancelDefaultEvent) override;
  void DoBeforeUnloadDialog(PBrowser browser, const std::wstring& messageText, bool isReload,
                            const rtl::TRef<ICefJsDialogCallback>& callback, bool& Cancel,
                            bool& CancelDefaultEvent) override;
  void DoDialogClosed(PBrowser browser) override;
  void DoBeforeDownload(PBrowser browser, const rtl::TRef<ICefDownloadItem>& downloadItem,
                        const std::wstring& suggestedName, const rtl::TRef<ICefBeforeDownloadCallback>& callback,
                        bool& CancelDefaultEvent) override;
  void DoDownloadUpdated(PBrowser browser, const rtl::TRef<ICefDownloadItem>& downloadItem,
                         const rtl::TRef<ICefDownloadItemCallback>& callback) override;
  void DoGetAuthCredentials(PBrowser browser, PFrame frame, bool isProxy, const std::wstring& host, int32_t port,
                            const std::wstring& realm, const std::wstring& scheme,
                            const rtl::TRef<ICefAuthCallback>& callback, bool& CancelDefaultEvent) override;
  void DoConsoleMessage(PBrowser browser, const std::wstring& message, const std::wstring& source, int32_t line,
                        bool& Cancel) override;
  void DoProtocolExecution(PBrowser browser, const std::wstring& url, bool& allowOsExecution) override;
  void DoCertificateError(PBrowser browser, int32_t certError, const std::wstring& requestUrl,
                          const rtl::TRef<ICefSslInfo>& sslInfo, const rtl::TRef<ICefRequestCallback>& callback,
                          bool& Cancel) override;
  void DoFileDialog(PBrowser browser, TCefFileDialogMode mode, const std::wstring& title,
                    const std::wstring& defaultFilePath, const TStringList& acceptFilters, int32_t selectedAcceptFilter,
                    const rtl::TRef<ICefFileDialogCallback>& callback, bool& Cancel) override;
  void DoPluginCrashed(PBrowser browser, const std::wstring& pluginPath) override;
  void DoRequestGeolocationPermission(PBrowser browser, const std::wstring& requestingUrl, int32_t requestId,
                                      const rtl::TRef<ICefGeolocationCallback>& callback, bool& Cancel) override;
  void DoCancelGeolocationPermission(PBrowser browser, int32_t requestId) override;
  void DoQuotaRequest(PBrowser browser, const std::wstring& originUrl, int64_t newSize,
                      const rtl::TRef<ICefRequestCallback>& callback, bool& Cancel) override;
  void DoDragEnter(PBrowser browser, const rtl::TRef<ICefDragData>& dragData, TCefDragOperations mask,
                   bool& Cancel) override;
  void DoStartDragging(PBrowser browser, const rtl::TRef<ICefDragData>& dragData, TCefDragOperations allowedOps,
                       int32_t x, int32_t y, bool& Cancel) override;
  void DoDraggableRegionsChanged(PBrowser browser, size_t regionsCount, PCefDraggableRegionArray regions) override;
  void DoUpdateDragCursor(PBrowser browser, TCefDragOperation operation) override;
  void DoScrollOffsetChanged(PBrowser browser, double x, double y) override;
  void DoFindResult(PBrowser browser, int32_t identifier, int32_t count, PCefRect selectionRect,
                    int32_t activeMatchOrdinal, bool finalUpdate) override;
  void DoCursorChange(PBrowser browser, HCURSOR cursor, TCefCursorType cursorType,
                      PCefCursorInfo customCursorInfo) override;
  void DoTooltip(PBrowser browser, std::wstring& text, bool& Cancel) override;
  void DoResetDialogState(PBrowser browser) override;
  void DoRenderProcessTerminated(PBrowser browser, TCefTerminationStatus status) override;
  void DoBeforePopup(PBrowser browser, PFrame frame, const std::wstring& targetUrl, const std::wstring& targetFrameName,
                     TCefWindowOpenDisposition targetDisposition, bool userGesture, TCefPopupFeatures& popupFeatures,
                     TCefWindowInfo& windowInfo, rtl::TRef<ICefClient>& client, TCefBrowserSettings& settings,
                     bool& noJavascriptAccess, bool& Cancel, bool& CancelDefaultEvent) override;

private:
  // Calls the target's operation, when there still is a target, counted as in flight.
  template <class... A, class... P>
  void Forward(void (IVoraDBrowser::*op)(A...), P&&... args);
  IVoraDBrowser* Enter();
  void Leave();
  bool OthersInFlight(DWORD thread);

  std::mutex FLock;
  IVoraDBrowser* FTarget;
  std::vector<DWORD> FInFlight;  // the thread of each operation in flight
};
