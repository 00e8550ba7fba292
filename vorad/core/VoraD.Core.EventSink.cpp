#include "vorad/core/VoraD.Core.EventSink.h"

#include <algorithm>
#include <atomic>
#include <utility>

namespace {

std::atomic<int32_t> LiveSinks{0};

}  // namespace

TVoraDEventSink::TVoraDEventSink(IVoraDBrowser* target) : FTarget(target) { LiveSinks.fetch_add(1); }

TVoraDEventSink::~TVoraDEventSink() { LiveSinks.fetch_sub(1); }

int32_t TVoraDEventSink::LiveCount() { return LiveSinks.load(); }

IVoraDBrowser* TVoraDEventSink::Enter() {
  std::lock_guard<std::mutex> hold(FLock);
  if (FTarget) FInFlight.push_back(GetCurrentThreadId());
  return FTarget;
}

void TVoraDEventSink::Leave() {
  std::lock_guard<std::mutex> hold(FLock);
  const auto it = std::find(FInFlight.begin(), FInFlight.end(), GetCurrentThreadId());
  if (it != FInFlight.end()) FInFlight.erase(it);
}

bool TVoraDEventSink::OthersInFlight(DWORD thread) {
  std::lock_guard<std::mutex> hold(FLock);
  return std::any_of(FInFlight.begin(), FInFlight.end(), [thread](DWORD t) { return t != thread; });
}

void TVoraDEventSink::Detach() {
  {
    std::lock_guard<std::mutex> hold(FLock);
    FTarget = nullptr;
  }
  const DWORD self = GetCurrentThreadId();
  while (OthersInFlight(self)) {
    // Only sent messages: the control is going, nothing posted should run now.
    if (MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_SENDMESSAGE) == WAIT_OBJECT_0) {
      MSG msg;
      PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
  }
}

template <class... A, class... P>
void TVoraDEventSink::Forward(void (IVoraDBrowser::*op)(A...), P&&... args) {
  IVoraDBrowser* target = Enter();
  if (!target) return;
  struct TLeave {
    TVoraDEventSink* sink;
    ~TLeave() { sink->Leave(); }
  } leave{this};
  (target->*op)(std::forward<P>(args)...);
}

void TVoraDEventSink::GetBrowserSettings(TCefBrowserSettings& settings) {
  Forward(&IVoraDBrowser::GetBrowserSettings, settings);
}
void TVoraDEventSink::ShowDevTools(PBrowser browser) { Forward(&IVoraDBrowser::ShowDevTools, browser); }
void TVoraDEventSink::CloseDevTools(PBrowser browser) { Forward(&IVoraDBrowser::CloseDevTools, browser); }
void TVoraDEventSink::DoLoadingStateChange(PBrowser browser, bool isLoading, bool canGoBack, bool canGoForward) {
  Forward(&IVoraDBrowser::DoLoadingStateChange, browser, isLoading, canGoBack, canGoForward);
}
void TVoraDEventSink::DoStateChange(PBrowser browser, TBrowserDataChangeKind Kind, const std::wstring& Value) {
  Forward(&IVoraDBrowser::DoStateChange, browser, Kind, Value);
}
void TVoraDEventSink::DoFavIconChange(PBrowser browser, const std::wstring& favUrl, TFavIcon* icon) {
  Forward(&IVoraDBrowser::DoFavIconChange, browser, favUrl, icon);
}
void TVoraDEventSink::DoFullScreenModeChange(PBrowser browser, bool fullscreen) {
  Forward(&IVoraDBrowser::DoFullScreenModeChange, browser, fullscreen);
}
void TVoraDEventSink::DoAddBrowser(PBrowser browser) { Forward(&IVoraDBrowser::DoAddBrowser, browser); }
void TVoraDEventSink::DoCloseBrowser(const TBrowserIdArray& CloseBrowserIdArr, int32_t ShowBrowserId) {
  Forward(&IVoraDBrowser::DoCloseBrowser, CloseBrowserIdArr, ShowBrowserId);
}
void TVoraDEventSink::DoBeforeCloseBrowser(const TBrowserIdArray& CloseBrowserIdArr,
                                           TCloseBrowserType aCloseBrowserType, int32_t& ShowBrowserId) {
  Forward(&IVoraDBrowser::DoBeforeCloseBrowser, CloseBrowserIdArr, aCloseBrowserType, ShowBrowserId);
}
void TVoraDEventSink::DoLoadStart(PBrowser browser, PFrame frame) {
  Forward(&IVoraDBrowser::DoLoadStart, browser, frame);
}
void TVoraDEventSink::DoLoadEnd(PBrowser browser, PFrame frame, int32_t httpStatusCode) {
  Forward(&IVoraDBrowser::DoLoadEnd, browser, frame, httpStatusCode);
}
void TVoraDEventSink::DoLoadError(PBrowser browser, PFrame frame, int32_t errorCode, const std::wstring& errorText,
                                  const std::wstring& failedUrl, bool& CancelDefaultEvent) {
  Forward(&IVoraDBrowser::DoLoadError, browser, frame, errorCode, errorText, failedUrl, CancelDefaultEvent);
}
void TVoraDEventSink::DoBeforeBrowse(PBrowser browser, PFrame frame, PRequest request, bool isRedirect, bool& Cancel) {
  Forward(&IVoraDBrowser::DoBeforeBrowse, browser, frame, request, isRedirect, Cancel);
}
void TVoraDEventSink::DoOpenUrlFromTab(PBrowser browser, PFrame frame, const std::wstring& targetUrl,
                                       TCefWindowOpenDisposition targetDisposition, bool userGesture, bool& Cancel) {
  Forward(&IVoraDBrowser::DoOpenUrlFromTab, browser, frame, targetUrl, targetDisposition, userGesture, Cancel);
}
void TVoraDEventSink::DoPreKeyEvent(PBrowser browser, PCefKeyEvent event, PMsg osEvent, bool& isKeyboardShortcut,
                                    bool& Cancel, bool& CancelDefaultEvent) {
  Forward(&IVoraDBrowser::DoPreKeyEvent, browser, event, osEvent, isKeyboardShortcut, Cancel, CancelDefaultEvent);
}
void TVoraDEventSink::DoKeyEvent(PBrowser browser, PCefKeyEvent event, PMsg osEvent, bool& Cancel) {
  Forward(&IVoraDBrowser::DoKeyEvent, browser, event, osEvent, Cancel);
}
void TVoraDEventSink::DoBeforeResourceLoad(PBrowser browser, PFrame frame, PRequest request,
                                           const rtl::TRef<ICefRequestCallback>& callback, TCefReturnValue& Result) {
  Forward(&IVoraDBrowser::DoBeforeResourceLoad, browser, frame, request, callback, Result);
}
void TVoraDEventSink::DoGetResourceHandler(PBrowser browser, PFrame frame, PRequest request,
                                           rtl::TRef<ICefResourceHandler>& ResourceHandler) {
  Forward(&IVoraDBrowser::DoGetResourceHandler, browser, frame, request, ResourceHandler);
}
void TVoraDEventSink::DoResourceRedirect(PBrowser browser, PFrame frame, PRequest request, std::wstring& newUrl) {
  Forward(&IVoraDBrowser::DoResourceRedirect, browser, frame, request, newUrl);
}
void TVoraDEventSink::DoResourceResponse(PBrowser browser, PFrame frame, PRequest request, PResponse response,
                                         bool& Result) {
  Forward(&IVoraDBrowser::DoResourceResponse, browser, frame, request, response, Result);
}
void TVoraDEventSink::DoGetResourceResponseFilter(PBrowser browser, PFrame frame, PRequest request, PResponse response,
                                                  cef_response_filter_t*& Result) {
  Forward(&IVoraDBrowser::DoGetResourceResponseFilter, browser, frame, request, response, Result);
}
void TVoraDEventSink::DoResourceLoadComplete(PBrowser browser, PFrame frame, PRequest request, PResponse response,
                                             TCefUrlRequestStatus status, int64_t receivedContentLength) {
  Forward(&IVoraDBrowser::DoResourceLoadComplete, browser, frame, request, response, status, receivedContentLength);
}
void TVoraDEventSink::DoGotFocus(PBrowser browser, bool& CancelDefaultEvent) {
  Forward(&IVoraDBrowser::DoGotFocus, browser, CancelDefaultEvent);
}
void TVoraDEventSink::DoSetFocus(PBrowser browser, TCefFocusSource source, bool& Cancel, bool& CancelDefaultEvent) {
  Forward(&IVoraDBrowser::DoSetFocus, browser, source, Cancel, CancelDefaultEvent);
}
void TVoraDEventSink::DoTakeFocus(PBrowser browser, bool next) { Forward(&IVoraDBrowser::DoTakeFocus, browser, next); }
void TVoraDEventSink::DoBeforeContextMenu(PBrowser browser, PFrame frame,
                                          const rtl::TRef<ICefContextMenuParams>& params,
                                          const rtl::TRef<ICefMenuModel>& model) {
  Forward(&IVoraDBrowser::DoBeforeContextMenu, browser, frame, params, model);
}
void TVoraDEventSink::DoContextMenuCommand(PBrowser browser, PFrame frame,
                                           const rtl::TRef<ICefContextMenuParams>& params, int32_t commandId,
                                           TCefEventFlags eventFlags, bool& CancelDefaultEvent) {
  Forward(&IVoraDBrowser::DoContextMenuCommand, browser, frame, params, commandId, eventFlags, CancelDefaultEvent);
}
void TVoraDEventSink::DoContextMenuDismissed(PBrowser browser, PFrame frame) {
  Forward(&IVoraDBrowser::DoContextMenuDismissed, browser, frame);
}
void TVoraDEventSink::DoJsdialog(PBrowser browser, const std::wstring& originUrl, TCefJsDialogType dialogType,
                                 const std::wstring& messageText, const std::wstring& defaultPromptText,
                                 const rtl::TRef<ICefJsDialogCallback>& callback, bool& suppressMessage, bool& Cancel,
                                 bool& CancelDefaultEvent) {
  Forward(&IVoraDBrowser::DoJsdialog, browser, originUrl, dialogType, messageText, defaultPromptText, callback,
          suppressMessage, Cancel, CancelDefaultEvent);
}
void TVoraDEventSink::DoBeforeUnloadDialog(PBrowser browser, const std::wstring& messageText, bool isReload,
                                           const rtl::TRef<ICefJsDialogCallback>& callback, bool& Cancel,
                                           bool& CancelDefaultEvent) {
  Forward(&IVoraDBrowser::DoBeforeUnloadDialog, browser, messageText, isReload, callback, Cancel, CancelDefaultEvent);
}
void TVoraDEventSink::DoDialogClosed(PBrowser browser) { Forward(&IVoraDBrowser::DoDialogClosed, browser); }
void TVoraDEventSink::DoBeforeDownload(PBrowser browser, const rtl::TRef<ICefDownloadItem>& downloadItem,
                                       const std::wstring& suggestedName,
                                       const rtl::TRef<ICefBeforeDownloadCallback>& callback,
                                       bool& CancelDefaultEvent) {
  Forward(&IVoraDBrowser::DoBeforeDownload, browser, downloadItem, suggestedName, callback, CancelDefaultEvent);
}
void TVoraDEventSink::DoDownloadUpdated(PBrowser browser, const rtl::TRef<ICefDownloadItem>& downloadItem,
                                        const rtl::TRef<ICefDownloadItemCallback>& callback) {
  Forward(&IVoraDBrowser::DoDownloadUpdated, browser, downloadItem, callback);
}
void TVoraDEventSink::DoGetAuthCredentials(PBrowser browser, PFrame frame, bool isProxy, const std::wstring& host,
                                           int32_t port, const std::wstring& realm, const std::wstring& scheme,
                                           const rtl::TRef<ICefAuthCallback>& callback, bool& CancelDefaultEvent) {
  Forward(&IVoraDBrowser::DoGetAuthCredentials, browser, frame, isProxy, host, port, realm, scheme, callback,
          CancelDefaultEvent);
}
void TVoraDEventSink::DoConsoleMessage(PBrowser browser, const std::wstring& message, const std::wstring& source,
                                       int32_t line, bool& Cancel) {
  Forward(&IVoraDBrowser::DoConsoleMessage, browser, message, source, line, Cancel);
}
void TVoraDEventSink::DoProtocolExecution(PBrowser browser, const std::wstring& url, bool& allowOsExecution) {
  Forward(&IVoraDBrowser::DoProtocolExecution, browser, url, allowOsExecution);
}
void TVoraDEventSink::DoCertificateError(PBrowser browser, int32_t certError, const std::wstring& requestUrl,
                                         const rtl::TRef<ICefSslInfo>& sslInfo,
                                         const rtl::TRef<ICefRequestCallback>& callback, bool& Cancel) {
  Forward(&IVoraDBrowser::DoCertificateError, browser, certError, requestUrl, sslInfo, callback, Cancel);
}
void TVoraDEventSink::DoFileDialog(PBrowser browser, TCefFileDialogMode mode, const std::wstring& title,
                                   const std::wstring& defaultFilePath, const TStringList& acceptFilters,
                                   int32_t selectedAcceptFilter, const rtl::TRef<ICefFileDialogCallback>& callback,
                                   bool& Cancel) {
  Forward(&IVoraDBrowser::DoFileDialog, browser, mode, title, defaultFilePath, acceptFilters, selectedAcceptFilter,
          callback, Cancel);
}
void TVoraDEventSink::DoPluginCrashed(PBrowser browser, const std::wstring& pluginPath) {
  Forward(&IVoraDBrowser::DoPluginCrashed, browser, pluginPath);
}
void TVoraDEventSink::DoRequestGeolocationPermission(PBrowser browser, const std::wstring& requestingUrl,
                                                     int32_t requestId,
                                                     const rtl::TRef<ICefGeolocationCallback>& callback, bool& Cancel) {
  Forward(&IVoraDBrowser::DoRequestGeolocationPermission, browser, requestingUrl, requestId, callback, Cancel);
}
void TVoraDEventSink::DoCancelGeolocationPermission(PBrowser browser, int32_t requestId) {
  Forward(&IVoraDBrowser::DoCancelGeolocationPermission, browser, requestId);
}
void TVoraDEventSink::DoQuotaRequest(PBrowser browser, const std::wstring& originUrl, int64_t newSize,
                                     const rtl::TRef<ICefRequestCallback>& callback, bool& Cancel) {
  Forward(&IVoraDBrowser::DoQuotaRequest, browser, originUrl, newSize, callback, Cancel);
}
void TVoraDEventSink::DoDragEnter(PBrowser browser, const rtl::TRef<ICefDragData>& dragData, TCefDragOperations mask,
                                  bool& Cancel) {
  Forward(&IVoraDBrowser::DoDragEnter, browser, dragData, mask, Cancel);
}
void TVoraDEventSink::DoStartDragging(PBrowser browser, const rtl::TRef<ICefDragData>& dragData,
                                      TCefDragOperations allowedOps, int32_t x, int32_t y, bool& Cancel) {
  Forward(&IVoraDBrowser::DoStartDragging, browser, dragData, allowedOps, x, y, Cancel);
}
void TVoraDEventSink::DoDraggableRegionsChanged(PBrowser browser, size_t regionsCount,
                                                PCefDraggableRegionArray regions) {
  Forward(&IVoraDBrowser::DoDraggableRegionsChanged, browser, regionsCount, regions);
}
void TVoraDEventSink::DoUpdateDragCursor(PBrowser browser, TCefDragOperation operation) {
  Forward(&IVoraDBrowser::DoUpdateDragCursor, browser, operation);
}
void TVoraDEventSink::DoScrollOffsetChanged(PBrowser browser, double x, double y) {
  Forward(&IVoraDBrowser::DoScrollOffsetChanged, browser, x, y);
}
void TVoraDEventSink::DoFindResult(PBrowser browser, int32_t identifier, int32_t count, PCefRect selectionRect,
                                   int32_t activeMatchOrdinal, bool finalUpdate) {
  Forward(&IVoraDBrowser::DoFindResult, browser, identifier, count, selectionRect, activeMatchOrdinal, finalUpdate);
}
void TVoraDEventSink::DoCursorChange(PBrowser browser, HCURSOR cursor, TCefCursorType cursorType,
                                     PCefCursorInfo customCursorInfo) {
  Forward(&IVoraDBrowser::DoCursorChange, browser, cursor, cursorType, customCursorInfo);
}
void TVoraDEventSink::DoTooltip(PBrowser browser, std::wstring& text, bool& Cancel) {
  Forward(&IVoraDBrowser::DoTooltip, browser, text, Cancel);
}
void TVoraDEventSink::DoResetDialogState(PBrowser browser) { Forward(&IVoraDBrowser::DoResetDialogState, browser); }
void TVoraDEventSink::DoRenderProcessTerminated(PBrowser browser, TCefTerminationStatus status) {
  Forward(&IVoraDBrowser::DoRenderProcessTerminated, browser, status);
}
void TVoraDEventSink::DoBeforePopup(PBrowser browser, PFrame frame, const std::wstring& targetUrl,
                                    const std::wstring& targetFrameName, TCefWindowOpenDisposition targetDisposition,
                                    bool userGesture, TCefPopupFeatures& popupFeatures, TCefWindowInfo& windowInfo,
                                    rtl::TRef<ICefClient>& client, TCefBrowserSettings& settings,
                                    bool& noJavascriptAccess, bool& Cancel, bool& CancelDefaultEvent) {
  Forward(&IVoraDBrowser::DoBeforePopup, browser, frame, targetUrl, targetFrameName, targetDisposition, userGesture,
          popupFeatures, windowInfo, client, settings, noJavascriptAccess, Cancel, CancelDefaultEvent);
}
