#pragma once
// The browser component's event types and its event sink IVoraDBrowser. The browser control
// implements the sink; the page manager, the page registry and the per-area handlers raise every
// event through it. Events marked "handler" in the control's documentation run on the runtime
// thread that delivered the callback; all others on the main thread.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "rtl/Interfaces.h"
#include "vorad/cef3/VoraD.Cef3.Interfaces.h"

namespace toolkit {
class TObject;
}
class TFavIcon;

enum TCloseBrowserType : int32_t { CLOSETYPE_DEFAULT = 0, CLOSETYPE_JS = 1 };

enum TBrowserDataChangeKind : int32_t {
  BrowserDataChange_StatusMessage = 0,
  BrowserDataChange_Address = 1,
  BrowserDataChange_Title = 2,
};

using TCefWindowOpenDisposition = cef_window_open_disposition_t;
using PCefKeyEvent = const cef_key_event_t*;
using PMsg = MSG*;
using TCefReturnValue = cef_return_value_t;
using TCefUrlRequestStatus = cef_urlrequest_status_t;
using TCefFocusSource = cef_focus_source_t;
using TCefEventFlags = cef_event_flags_t;
using TCefJsDialogType = cef_jsdialog_type_t;
using TCefFileDialogMode = cef_file_dialog_mode_t;
using TCefDragOperations = cef_drag_operations_mask_t;
using TCefDragOperation = cef_drag_operations_mask_t;
using PCefDraggableRegionArray = const cef_draggable_region_t*;
using TCefCursorType = cef_cursor_type_t;
using PCefCursorInfo = const cef_cursor_info_t*;
using TCefTerminationStatus = cef_termination_status_t;
using TCefPopupFeatures = cef_popup_features_t;
using TCefWindowInfo = cef_window_info_t;
using TCefBrowserSettings = cef_browser_settings_t;
using PCefRect = const cef_rect_t*;
using TBrowserIdArray = std::vector<int32_t>;
using TStringList = std::vector<std::wstring>;

using PBrowser = const rtl::TRef<ICefBrowser>&;
using PFrame = const rtl::TRef<ICefFrame>&;
using PRequest = const rtl::TRef<ICefRequest>&;
using PResponse = const rtl::TRef<ICefResponse>&;

// The tab strip's two events.
using TOnDefaultTabChanged = std::function<void(toolkit::TObject* Sender)>;
using TOnDefaultTabChanging = std::function<void(toolkit::TObject* Sender, bool& Allow)>;

using TOnLoadingStateChange = std::function<void(PBrowser browser, bool isLoading, bool canGoBack, bool canGoForward)>;
using TOnStateChange = std::function<void(PBrowser browser, TBrowserDataChangeKind Kind, const std::wstring& Value)>;
using TOnFavIconChange = std::function<void(PBrowser browser, const std::wstring& favUrl, TFavIcon* icon)>;
using TOnFullScreenModeChange = std::function<void(PBrowser browser, bool fullscreen)>;
using TOnAddBrowser = std::function<void(PBrowser browser)>;
using TOnCloseBrowser = std::function<void(const TBrowserIdArray& CloseBrowserIdArr, int32_t ShowBrowserId)>;
using TOnBeforeCloseBrowser = std::function<void(const TBrowserIdArray& CloseBrowserIdArr,
                                                 TCloseBrowserType aCloseBrowserType, int32_t& ShowBrowserId)>;
using TOnLoadStart = std::function<void(PBrowser browser, PFrame frame)>;
using TOnLoadEnd = std::function<void(PBrowser browser, PFrame frame, int32_t httpStatusCode)>;
using TOnLoadError = std::function<void(PBrowser browser, PFrame frame, int32_t errorCode, const std::wstring& errorText,
                                        const std::wstring& failedUrl, bool& CancelDefaultEvent)>;
using TOnBeforeBrowse = std::function<void(PBrowser browser, PFrame frame, PRequest request, bool isRedirect, bool& Cancel)>;
using TOnOpenUrlFromTab = std::function<void(PBrowser browser, PFrame frame, const std::wstring& targetUrl,
                                             TCefWindowOpenDisposition targetDisposition, bool userGesture, bool& Cancel)>;
using TOnPreKeyEvent = std::function<void(PBrowser browser, PCefKeyEvent event, PMsg osEvent, bool& isKeyboardShortcut,
                                          bool& Cancel, bool& CancelDefaultEvent)>;
using TOnKeyEvent = std::function<void(PBrowser browser, PCefKeyEvent event, PMsg osEvent, bool& Cancel)>;
using TOnBeforeResourceLoad = std::function<void(PBrowser browser, PFrame frame, PRequest request,
                                                 const rtl::TRef<ICefRequestCallback>& callback, TCefReturnValue& Result)>;
using TOnGetResourceHandler = std::function<void(PBrowser browser, PFrame frame, PRequest request,
                                                 rtl::TRef<ICefResourceHandler>& ResourceHandler)>;
using TOnResourceRedirect = std::function<void(PBrowser browser, PFrame frame, PRequest request, std::wstring& newUrl)>;
using TOnResourceResponse = std::function<void(PBrowser browser, PFrame frame, PRequest request, PResponse response, bool& Result)>;
using TOnGetResourceResponseFilter = std::function<void(PBrowser browser, PFrame frame, PRequest request, PResponse response,
                                                        cef_response_filter_t*& Result)>;
using TOnResourceLoadComplete = std::function<void(PBrowser browser, PFrame frame, PRequest request, PResponse response,
                                                   TCefUrlRequestStatus status, int64_t receivedContentLength)>;
using TOnGotFocus = std::function<void(PBrowser browser, bool& CancelDefaultEvent)>;
using TOnSetFocus = std::function<void(PBrowser browser, TCefFocusSource source, bool& Cancel, bool& CancelDefaultEvent)>;
using TOnTakeFocus = std::function<void(PBrowser browser, bool next)>;
using TOnBeforeContextMenu = std::function<void(PBrowser browser, PFrame frame, const rtl::TRef<ICefContextMenuParams>& params,
                                                const rtl::TRef<ICefMenuModel>& model)>;
using TOnContextMenuCommand = std::function<void(PBrowser browser, PFrame frame, const rtl::TRef<ICefContextMenuParams>& params,
                                                 int32_t commandId, TCefEventFlags eventFlags, bool& CancelDefaultEvent)>;
using TOnContextMenuDismissed = std::function<void(PBrowser browser, PFrame frame)>;
using TOnJsdialog = std::function<void(PBrowser browser, const std::wstring& originUrl, TCefJsDialogType dialogType,
                                       const std::wstring& messageText, const std::wstring& defaultPromptText,
                                       const rtl::TRef<ICefJsDialogCallback>& callback, bool& suppressMessage,
                                       bool& Cancel, bool& CancelDefaultEvent)>;
using TOnBeforeUnloadDialog = std::function<void(PBrowser browser, const std::wstring& messageText, bool isReload,
                                                 const rtl::TRef<ICefJsDialogCallback>& callback, bool& Cancel,
                                                 bool& CancelDefaultEvent)>;
using TOnDialogClosed = std::function<void(PBrowser browser)>;
using TOnPluginCrashed = std::function<void(PBrowser browser, const std::wstring& pluginPath)>;
using TOnBeforeDownload = std::function<void(PBrowser browser, const rtl::TRef<ICefDownloadItem>& downloadItem,
                                             const std::wstring& suggestedName,
                                             const rtl::TRef<ICefBeforeDownloadCallback>& callback, bool& CancelDefaultEvent)>;
using TOnDownloadUpdated = std::function<void(PBrowser browser, const rtl::TRef<ICefDownloadItem>& downloadItem,
                                              const rtl::TRef<ICefDownloadItemCallback>& callback)>;
using TOnGetAuthCredentials = std::function<void(PBrowser browser, PFrame frame, bool isProxy, const std::wstring& host,
                                                 int32_t port, const std::wstring& realm, const std::wstring& scheme,
                                                 const rtl::TRef<ICefAuthCallback>& callback, bool& CancelDefaultEvent)>;
using TOnConsoleMessage = std::function<void(PBrowser browser, const std::wstring& message, const std::wstring& source,
                                             int32_t line, bool& Cancel)>;
using TOnProtocolExecution = std::function<void(PBrowser browser, const std::wstring& url, bool& allowOsExecution)>;
using TOnFileDialog = std::function<void(PBrowser browser, TCefFileDialogMode mode, const std::wstring& title,
                                         const std::wstring& defaultFilePath, const TStringList& acceptFilters,
                                         int32_t selectedAcceptFilter, const rtl::TRef<ICefFileDialogCallback>& callback,
                                         bool& Cancel)>;
using TOnRequestGeolocationPermission = std::function<void(PBrowser browser, const std::wstring& requestingUrl,
                                                           int32_t requestId,
                                                           const rtl::TRef<ICefGeolocationCallback>& callback, bool& Cancel)>;
using TOnCancelGeolocationPermission = std::function<void(PBrowser browser, int32_t requestId)>;
using TOnQuotaRequest = std::function<void(PBrowser browser, const std::wstring& originUrl, int64_t newSize,
                                           const rtl::TRef<ICefRequestCallback>& callback, bool& Cancel)>;
using TOnCertificateError = std::function<void(PBrowser browser, int32_t certError, const std::wstring& requestUrl,
                                               const rtl::TRef<ICefSslInfo>& sslInfo,
                                               const rtl::TRef<ICefRequestCallback>& callback, bool& Cancel)>;
using TOnDragEnter = std::function<void(PBrowser browser, const rtl::TRef<ICefDragData>& dragData, TCefDragOperations mask,
                                        bool& Cancel)>;
using TOnStartDragging = std::function<void(PBrowser browser, const rtl::TRef<ICefDragData>& dragData,
                                            TCefDragOperations allowedOps, int32_t x, int32_t y, bool& Cancel)>;
using TOnDraggableRegionsChanged = std::function<void(PBrowser browser, size_t regionsCount, PCefDraggableRegionArray regions)>;
using TOnUpdateDragCursor = std::function<void(PBrowser browser, TCefDragOperation operation)>;
using TOnScrollOffsetChanged = std::function<void(PBrowser browser, double x, double y)>;
using TOnCursorChange = std::function<void(PBrowser browser, HCURSOR cursor, TCefCursorType cursorType,
                                           PCefCursorInfo customCursorInfo)>;
using TOnTooltip = std::function<void(PBrowser browser, std::wstring& text, bool& Cancel)>;
using TOnResetDialogState = std::function<void(PBrowser browser)>;
using TOnRenderProcessTerminated = std::function<void(PBrowser browser, TCefTerminationStatus status)>;
using TOnBeforePopup = std::function<void(PBrowser browser, PFrame frame, const std::wstring& targetUrl,
                                          const std::wstring& targetFrameName, TCefWindowOpenDisposition targetDisposition,
                                          bool userGesture, TCefPopupFeatures& popupFeatures, TCefWindowInfo& windowInfo,
                                          rtl::TRef<ICefClient>& client, TCefBrowserSettings& settings,
                                          bool& noJavascriptAccess, bool& Cancel, bool& CancelDefaultEvent)>;
using TOnFindResult = std::function<void(PBrowser browser, int32_t identifier, int32_t count, PCefRect selectionRect,
                                         int32_t activeMatchOrdinal, bool finalUpdate)>;

// The event sink: one operation per control event, in slot order after the counted root.
class IVoraDBrowser : public virtual rtl::IInterface {
public:
  virtual void GetBrowserSettings(TCefBrowserSettings& settings) = 0;
  virtual void ShowDevTools(PBrowser browser) = 0;
  virtual void CloseDevTools(PBrowser browser) = 0;

  virtual void DoLoadingStateChange(PBrowser browser, bool isLoading, bool canGoBack, bool canGoForward) = 0;
  virtual void DoStateChange(PBrowser browser, TBrowserDataChangeKind Kind, const std::wstring& Value) = 0;
  virtual void DoFavIconChange(PBrowser browser, const std::wstring& favUrl, TFavIcon* icon) = 0;
  virtual void DoFullScreenModeChange(PBrowser browser, bool fullscreen) = 0;
  virtual void DoAddBrowser(PBrowser browser) = 0;
  virtual void DoCloseBrowser(const TBrowserIdArray& CloseBrowserIdArr, int32_t ShowBrowserId) = 0;
  virtual void DoBeforeCloseBrowser(const TBrowserIdArray& CloseBrowserIdArr, TCloseBrowserType aCloseBrowserType,
                                    int32_t& ShowBrowserId) = 0;
  virtual void DoLoadStart(PBrowser browser, PFrame frame) = 0;
  virtual void DoLoadEnd(PBrowser browser, PFrame frame, int32_t httpStatusCode) = 0;
  virtual void DoLoadError(PBrowser browser, PFrame frame, int32_t errorCode, const std::wstring& errorText,
                           const std::wstring& failedUrl, bool& CancelDefaultEvent) = 0;
  virtual void DoBeforeBrowse(PBrowser browser, PFrame frame, PRequest request, bool isRedirect, bool& Cancel) = 0;
  virtual void DoOpenUrlFromTab(PBrowser browser, PFrame frame, const std::wstring& targetUrl,
                                TCefWindowOpenDisposition targetDisposition, bool userGesture, bool& Cancel) = 0;
  virtual void DoPreKeyEvent(PBrowser browser, PCefKeyEvent event, PMsg osEvent, bool& isKeyboardShortcut,
                             bool& Cancel, bool& CancelDefaultEvent) = 0;
  virtual void DoKeyEvent(PBrowser browser, PCefKeyEvent event, PMsg osEvent, bool& Cancel) = 0;
  virtual void DoBeforeResourceLoad(PBrowser browser, PFrame frame, PRequest request,
                                    const rtl::TRef<ICefRequestCallback>& callback, TCefReturnValue& Result) = 0;
  virtual void DoGetResourceHandler(PBrowser browser, PFrame frame, PRequest request,
                                    rtl::TRef<ICefResourceHandler>& ResourceHandler) = 0;
  virtual void DoResourceRedirect(PBrowser browser, PFrame frame, PRequest request, std::wstring& newUrl) = 0;
  virtual void DoResourceResponse(PBrowser browser, PFrame frame, PRequest request, PResponse response, bool& Result) = 0;
  virtual void DoGetResourceResponseFilter(PBrowser browser, PFrame frame, PRequest request, PResponse response,
                                           cef_response_filter_t*& Result) = 0;
  virtual void DoResourceLoadComplete(PBrowser browser, PFrame frame, PRequest request, PResponse response,
                                      TCefUrlRequestStatus status, int64_t receivedContentLength) = 0;
  virtual void DoGotFocus(PBrowser browser, bool& CancelDefaultEvent) = 0;
  virtual void DoSetFocus(PBrowser browser, TCefFocusSource source, bool& Cancel, bool& CancelDefaultEvent) = 0;
  virtual void DoTakeFocus(PBrowser browser, bool next) = 0;
  virtual void DoBeforeContextMenu(PBrowser browser, PFrame frame, const rtl::TRef<ICefContextMenuParams>& params,
                                   const rtl::TRef<ICefMenuModel>& model) = 0;
  virtual void DoContextMenuCommand(PBrowser browser, PFrame frame, const rtl::TRef<ICefContextMenuParams>& params,
                                    int32_t commandId, TCefEventFlags eventFlags, bool& CancelDefaultEvent) = 0;
  virtual void DoContextMenuDismissed(PBrowser browser, PFrame frame) = 0;
  virtual void DoJsdialog(PBrowser browser, const std::wstring& originUrl, TCefJsDialogType dialogType,
                          const std::wstring& messageText, const std::wstring& defaultPromptText,
                          const rtl::TRef<ICefJsDialogCallback>& callback, bool& suppressMessage, bool& Cancel,
                          bool& CancelDefaultEvent) = 0;
  virtual void DoBeforeUnloadDialog(PBrowser browser, const std::wstring& messageText, bool isReload,
                                    const rtl::TRef<ICefJsDialogCallback>& callback, bool& Cancel,
                                    bool& CancelDefaultEvent) = 0;
  virtual void DoDialogClosed(PBrowser browser) = 0;
  virtual void DoBeforeDownload(PBrowser browser, const rtl::TRef<ICefDownloadItem>& downloadItem,
                                const std::wstring& suggestedName, const rtl::TRef<ICefBeforeDownloadCallback>& callback,
                                bool& CancelDefaultEvent) = 0;
  virtual void DoDownloadUpdated(PBrowser browser, const rtl::TRef<ICefDownloadItem>& downloadItem,
                                 const rtl::TRef<ICefDownloadItemCallback>& callback) = 0;
  virtual void DoGetAuthCredentials(PBrowser browser, PFrame frame, bool isProxy, const std::wstring& host, int32_t port,
                                    const std::wstring& realm, const std::wstring& scheme,
                                    const rtl::TRef<ICefAuthCallback>& callback, bool& CancelDefaultEvent) = 0;
  virtual void DoConsoleMessage(PBrowser browser, const std::wstring& message, const std::wstring& source, int32_t line,
                                bool& Cancel) = 0;
  virtual void DoProtocolExecution(PBrowser browser, const std::wstring& url, bool& allowOsExecution) = 0;
  virtual void DoCertificateError(PBrowser browser, int32_t certError, const std::wstring& requestUrl,
                                  const rtl::TRef<ICefSslInfo>& sslInfo, const rtl::TRef<ICefRequestCallback>& callback,
                                  bool& Cancel) = 0;
  virtual void DoFileDialog(PBrowser browser, TCefFileDialogMode mode, const std::wstring& title,
                            const std::wstring& defaultFilePath, const TStringList& acceptFilters,
                            int32_t selectedAcceptFilter, const rtl::TRef<ICefFileDialogCallback>& callback,
                            bool& Cancel) = 0;
  virtual void DoPluginCrashed(PBrowser browser, const std::wstring& pluginPath) = 0;
  virtual void DoRequestGeolocationPermission(PBrowser browser, const std::wstring& requestingUrl, int32_t requestId,
                                              const rtl::TRef<ICefGeolocationCallback>& callback, bool& Cancel) = 0;
  virtual void DoCancelGeolocationPermission(PBrowser browser, int32_t requestId) = 0;
  virtual void DoQuotaRequest(PBrowser browser, const std::wstring& originUrl, int64_t newSize,
                              const rtl::TRef<ICefRequestCallback>& callback, bool& Cancel) = 0;
  virtual void DoDragEnter(PBrowser browser, const rtl::TRef<ICefDragData>& dragData, TCefDragOperations mask,
                           bool& Cancel) = 0;
  virtual void DoStartDragging(PBrowser browser, const rtl::TRef<ICefDragData>& dragData, TCefDragOperations allowedOps,
                               int32_t x, int32_t y, bool& Cancel) = 0;
  virtual void DoDraggableRegionsChanged(PBrowser browser, size_t regionsCount, PCefDraggableRegionArray regions) = 0;
  virtual void DoUpdateDragCursor(PBrowser browser, TCefDragOperation operation) = 0;
  virtual void DoScrollOffsetChanged(PBrowser browser, double x, double y) = 0;
  virtual void DoFindResult(PBrowser browser, int32_t identifier, int32_t count, PCefRect selectionRect,
                            int32_t activeMatchOrdinal, bool finalUpdate) = 0;
  virtual void DoCursorChange(PBrowser browser, HCURSOR cursor, TCefCursorType cursorType,
                              PCefCursorInfo customCursorInfo) = 0;
  virtual void DoTooltip(PBrowser browser, std::wstring& text, bool& Cancel) = 0;
  virtual void DoResetDialogState(PBrowser browser) = 0;
  virtual void DoRenderProcessTerminated(PBrowser browser, TCefTerminationStatus status) = 0;
  virtual void DoBeforePopup(PBrowser browser, PFrame frame, const std::wstring& targetUrl,
                             const std::wstring& targetFrameName, TCefWindowOpenDisposition targetDisposition,
                             bool userGesture, TCefPopupFeatures& popupFeatures, TCefWindowInfo& windowInfo,
                             rtl::TRef<ICefClient>& client, TCefBrowserSettings& settings, bool& noJavascriptAccess,
                             bool& Cancel, bool& CancelDefaultEvent) = 0;
};
