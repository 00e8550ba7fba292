#include "vorad/core/VoraD.Core.VoraDBrowser.h"

#include "vorad/core/VoraD.Core.BrowserView.h"
#include "vorad/core/VoraD.Core.BrowserView.Rules.h"
#include "vorad/core/VoraD.Core.DevToolsView.h"
#include "vorad/core/VoraD.Core.EventSink.h"
#include "vorad/core/VoraD.Settings.h"

namespace {

cef_string_t StringView(const std::wstring& s) {
  cef_string_t v{};
  v.str = const_cast<wchar_t*>(s.c_str());
  v.length = s.size();
  v.dtor = nullptr;
  return v;
}

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (GetMonitorInfoW(monitor, &info)) *reinterpret_cast<int*>(data) = info.rcMonitor.right - info.rcMonitor.left;
  return TRUE;
}

}  // namespace

int LastMonitorWidth() {
  int width = GetSystemMetrics(SM_CXSCREEN);
  EnumDisplayMonitors(nullptr, nullptr, &CollectMonitor, reinterpret_cast<LPARAM>(&width));
  return width;
}

TCustomVoraDBrowser::TCustomVoraDBrowser(toolkit::TWinControl* owner) : TWinControl(owner) {
  FDefaultUrl = L"about:blank";
  FVoraDOptions = std::make_unique<TVoraDOptions>();
  FChromiumOptions = std::make_unique<TChromiumOptions>();
  FChromiumFontOptions = std::make_unique<TChromiumFontOptions>();
  FEventSink = rtl::TRef<TVoraDEventSink>(new TVoraDEventSink(this));
  FBrowserView = std::make_unique<TBrowserView>(this, EventSink(), FVoraDOptions.get());
  FBrowserView->SetParent(this);
  FBrowserView->SetAlign(toolkit::TAlign::alClient);
}

TCustomVoraDBrowser::~TCustomVoraDBrowser() {
  FDestroying = true;
  // First of all: events in flight on runtime threads finish while every member still exists,
  // and no event reaches the control from here on (stopping the pages below raises some).
  FEventSink->Detach();
  FDevToolsView.reset();
  FBrowserView.reset();
  FVoraDOptions.reset();
  FChromiumOptions.reset();
  FChromiumFontOptions.reset();
  FDefaultTabControl.reset();
  UnhookParentForm();
}

rtl::TRef<IVoraDBrowser> TCustomVoraDBrowser::EventSink() const { return rtl::TRef<IVoraDBrowser>(FEventSink); }

void TCustomVoraDBrowser::SetVoraDOptions(const TVoraDOptions& options) { *FVoraDOptions = options; }
void TCustomVoraDBrowser::SetChromiumOptions(const TChromiumOptions& options) { *FChromiumOptions = options; }

// --- operations ------------------------------------------------------------------------------

void TCustomVoraDBrowser::AddPage(const std::wstring& url) { FBrowserView->AddPage(url, FDefaultUrl); }

void TCustomVoraDBrowser::Load(const std::wstring& url) {
  if (FDestroying) return;
  FBrowserView->Load(url);
}

void TCustomVoraDBrowser::GoHome() { Load(FDefaultUrl); }
bool TCustomVoraDBrowser::ShowBrowser(const rtl::TRef<ICefBrowser>& browser) { return FBrowserView->ShowBrowser(browser); }
bool TCustomVoraDBrowser::ShowBrowser(int32_t browserId) { return FBrowserView->ShowBrowser(browserId); }
bool TCustomVoraDBrowser::CloseBrowser(int32_t closeBrowserId, int32_t showBrowserId) {
  return FBrowserView->CloseBrowser(closeBrowserId, showBrowserId);
}
bool TCustomVoraDBrowser::CloseAllOtherBrowser(int32_t keepBrowserId) {
  return FBrowserView->CloseAllOtherBrowser(keepBrowserId);
}
void TCustomVoraDBrowser::CloseAllBrowser(bool raiseEvents) { FBrowserView->CloseAllBrowser(raiseEvents); }
void TCustomVoraDBrowser::CopyBrowser(int32_t browserId) { FBrowserView->CopyBrowser(browserId); }
void TCustomVoraDBrowser::CopyBrowser(const rtl::TRef<ICefBrowser>& browser) { FBrowserView->CopyBrowser(browser); }
void TCustomVoraDBrowser::DownloadFile(const std::wstring& url) { FBrowserView->DownloadFile(url); }
void TCustomVoraDBrowser::GoBack() { FBrowserView->GoBack(); }
void TCustomVoraDBrowser::GoForward() { FBrowserView->GoForward(); }
void TCustomVoraDBrowser::Reload() { FBrowserView->Reload(); }
void TCustomVoraDBrowser::ReloadIgnoreCache() { FBrowserView->ReloadIgnoreCache(); }
void TCustomVoraDBrowser::StopLoad() { FBrowserView->StopLoad(); }
void TCustomVoraDBrowser::Print() { FBrowserView->Print(); }
void TCustomVoraDBrowser::ExecuteJavaScript(const std::wstring& script) { FBrowserView->ExecuteJavaScript(script); }
void TCustomVoraDBrowser::GetSourceInNewPage() { FBrowserView->GetSourceInNewPage(); }
void TCustomVoraDBrowser::AddZoomLevel() { FBrowserView->AddZoomLevel(); }
void TCustomVoraDBrowser::ReduceZoomLevel() { FBrowserView->ReduceZoomLevel(); }
void TCustomVoraDBrowser::ResetZoomLevel() { FBrowserView->ResetZoomLevel(); }
void TCustomVoraDBrowser::ReOpenClosedPage() { FBrowserView->ReOpenClosedPage(); }
void TCustomVoraDBrowser::RunInRenderProcess(const rtl::TRef<TRenderProcessCallbackA>& proc, void* data) {
  FBrowserView->RunInRenderProcess(proc, data);
}
void TCustomVoraDBrowser::SearchText() { FBrowserView->SearchText(); }
bool TCustomVoraDBrowser::GetSource(std::wstring& text, int32_t timeout) { return FBrowserView->GetSource(text, timeout); }
bool TCustomVoraDBrowser::GetText(std::wstring& text, int32_t timeout) { return FBrowserView->GetText(text, timeout); }
TCefBrowserWrapper* TCustomVoraDBrowser::GetWrapperBrowsers(int32_t browserId) {
  return FBrowserView->GetWrapperBrowsers(browserId);
}

rtl::TRef<ICefBrowser> TCustomVoraDBrowser::GetActiveBrowser() const {
  return FBrowserView ? FBrowserView->ActiveBrowser() : nullptr;
}
int32_t TCustomVoraDBrowser::ActiveBrowserId() const { return FBrowserView ? FBrowserView->ActiveBrowserId() : -1; }
int32_t TCustomVoraDBrowser::BrowserCount() const { return FBrowserView ? FBrowserView->BrowserCount() : 0; }
int32_t TCustomVoraDBrowser::ClosedUrlCount() const { return FBrowserView ? FBrowserView->ClosedUrlCount() : 0; }
bool TCustomVoraDBrowser::IsLoading() const { return FBrowserView && FBrowserView->IsLoading(); }
bool TCustomVoraDBrowser::CanGoBack() const { return FBrowserView && FBrowserView->CanGoBack(); }
bool TCustomVoraDBrowser::CanGoForward() const { return FBrowserView && FBrowserView->CanGoForward(); }
std::wstring TCustomVoraDBrowser::ZoomLevel() const { return FBrowserView ? FBrowserView->ZoomLevel() : L""; }
std::wstring TCustomVoraDBrowser::URL() const { return FBrowserView ? FBrowserView->Url() : L""; }
std::wstring TCustomVoraDBrowser::title() const { return FBrowserView ? FBrowserView->Title() : L""; }
TVoraDJsExtention* TCustomVoraDBrowser::JsExtention() const { return FBrowserView ? FBrowserView->JsExtention() : nullptr; }

void TCustomVoraDBrowser::ShowDevTools(PBrowser browser) {
  rtl::TRef<ICefBrowser> target = browser ? browser : GetActiveBrowser();
  if (!target) return;
  if (!FDevToolsView) FDevToolsView = std::make_unique<TDevToolsView>(nullptr);
  FDevToolsView->ShowDevTools(target, nullptr);
}

void TCustomVoraDBrowser::CloseDevTools(PBrowser browser) {
  rtl::TRef<ICefBrowser> target = browser ? browser : GetActiveBrowser();
  if (target && FDevToolsView) FDevToolsView->CloseDevTools(target);
}

void TCustomVoraDBrowser::GetBrowserSettings(TCefBrowserSettings& settings) {
  const TChromiumOptions& o = *FChromiumOptions;
  const TChromiumFontOptions& f = *FChromiumFontOptions;
  settings.windowless_frame_rate = o.WindowlessFrameRate();
  // Views of the option texts: the record is used while the options live.
  settings.standard_font_family = StringView(f.StandardFontFamily());
  settings.fixed_font_family = StringView(f.FixedFontFamily());
  settings.serif_font_family = StringView(f.SerifFontFamily());
  settings.sans_serif_font_family = StringView(f.SansSerifFontFamily());
  settings.cursive_font_family = StringView(f.CursiveFontFamily());
  settings.fantasy_font_family = StringView(f.FantasyFontFamily());
  settings.default_font_size = f.DefaultFontSize();
  settings.default_fixed_font_size = f.DefaultFixedFontSize();
  settings.minimum_font_size = f.MinimumFontSize();
  settings.minimum_logical_font_size = f.MinimumLogicalFontSize();
  settings.remote_fonts = cef_state_t(f.RemoteFonts());
  settings.default_encoding = StringView(FDefaultEncoding);
  const auto states = o.States();
  cef_state_t* fields[] = {&settings.javascript, &settings.javascript_open_windows, &settings.javascript_close_windows,
                           &settings.javascript_access_clipboard, &settings.javascript_dom_paste,
                           &settings.caret_browsing, &settings.plugins, &settings.universal_access_from_file_urls,
                           &settings.file_access_from_file_urls, &settings.web_security, &settings.image_loading,
                           &settings.image_shrink_standalone_to_fit, &settings.text_area_resize, &settings.tab_to_links,
                           &settings.local_storage, &settings.databases, &settings.application_cache, &settings.webgl};
  static_assert(sizeof(fields) / sizeof(fields[0]) == 18, "the 18 state fields");
  for (size_t i = 0; i < 18 && i < states.size(); ++i) *fields[i] = cef_state_t(states[i]);
  settings.background_color = o.BackgroundColor();
}

// --- tab strip -------------------------------------------------------------------------------

void TCustomVoraDBrowser::CreateDefaultTabsControl(int height) {
  if (FDefaultTabControl) return;
  FDefaultTabControl = std::make_unique<toolkit::TPageControl>(this);
  FDefaultTabControl->SetParent(this);
  FDefaultTabControl->SetAlign(toolkit::TAlign::alTop);
  FDefaultTabControl->SetHeight(height);
  FDefaultTabControl->OnChange = [this](toolkit::TObject* sender) { TabChange(sender); };
  FDefaultTabControl->OnChanging = [this](toolkit::TObject* sender, bool& allow) { TabChanging(sender, allow); };
}

void TCustomVoraDBrowser::TabChange(toolkit::TObject* sender) {
  if (toolkit::TTabSheet* sheet = FDefaultTabControl ? FDefaultTabControl->ActivePage() : nullptr)
    ShowBrowser(int32_t(sheet->Tag));
  if (OnDefaultTabChanged) OnDefaultTabChanged(sender);
}

void TCustomVoraDBrowser::TabChanging(toolkit::TObject* sender, bool& allow) {
  if (OnDefaultTabChanging) OnDefaultTabChanging(sender, allow);
}

toolkit::TTabSheet* TCustomVoraDBrowser::FindTabSheet(int32_t browserId) const {
  if (!FDefaultTabControl) return nullptr;
  for (int i = 0; i < FDefaultTabControl->PageCount(); ++i) {
    toolkit::TTabSheet* sheet = FDefaultTabControl->Pages(i);
    if (sheet && sheet->Tag == browserId) return sheet;
  }
  return nullptr;
}

// --- parent form hook ------------------------------------------------------------------------

void TCustomVoraDBrowser::WndProc(toolkit::TMessage& msg) {
  TWinControl::WndProc(msg);
  if (msg.Msg == WM_CREATE) HookParentForm();
}

void TCustomVoraDBrowser::HandleCreated() {
  TWinControl::HandleCreated();
  HookParentForm();
}

void TCustomVoraDBrowser::HookParentForm() {
  toolkit::TForm* form = GetParentForm();
  if (!form || form == static_cast<toolkit::TWinControl*>(this)) return;
  if (form == FParentForm) return;  // window recreated under the same form: chain unchanged
  UnhookParentForm();
  FParentForm = form;
  FLastWndProc = form->WindowProc();
  form->SetWindowProc([this](toolkit::TMessage& m) { ParentFormWndProc(m); });
}

void TCustomVoraDBrowser::UnhookParentForm() {
  if (!FParentForm) return;
  FParentForm->SetWindowProc(FLastWndProc);
  FParentForm = nullptr;
  FLastWndProc = nullptr;
}

void TCustomVoraDBrowser::ParentFormWndProc(toolkit::TMessage& msg) {
  if (FDestroying) return;
  bool moved = false;
  int x = 0, y = 0;
  switch (msg.Msg) {
    case WM_MOVE:
      moved = true;
      x = int16_t(LOWORD(msg.LParam));
      y = int16_t(HIWORD(msg.LParam));
      break;
    case WM_ACTIVATE:
      if (FBrowserView) {
        if (msg.LParam == 0) FBrowserView->SetIsActivating(false);
        else if (FParentForm)
          FBrowserView->SetIsActivating(FParentForm->ActiveControl() == FBrowserView.get());
      }
      break;
    case WM_MOVING:
      if (const RECT* r = reinterpret_cast<const RECT*>(msg.LParam)) {
        moved = true;
        x = r->left;
        y = r->top;
      }
      break;
    default:
      break;
  }
  if (moved && FParentForm && FBrowserView && FBrowserView->HandleAllocated() &&
      FParentForm->WindowState() == toolkit::TWindowState::wsNormal &&
      ShouldNotifyMove(x, y, FParentForm->Left(), FParentForm->Top(), FParentForm->Width(), FIsMoving,
                       LastMonitorWidth())) {
    FIsMoving = true;
    if (auto browser = GetActiveBrowser())
      if (auto host = browser->GetHost()) host->NotifyMoveOrResizeStarted();
    FIsMoving = false;
  }
  if (FLastWndProc) FLastWndProc(msg);
}

// --- event raising ---------------------------------------------------------------------------

void TCustomVoraDBrowser::DoLoadingStateChange(PBrowser browser, bool isLoading, bool canGoBack, bool canGoForward) {
  if (OnLoadingStateChange) OnLoadingStateChange(browser, isLoading, canGoBack, canGoForward);
}

void TCustomVoraDBrowser::DoStateChange(PBrowser browser, TBrowserDataChangeKind Kind, const std::wstring& Value) {
  if (OnStateChange) OnStateChange(browser, Kind, Value);
  if (FDefaultTabControl && browser && Kind == BrowserDataChange_Title)
    if (toolkit::TTabSheet* sheet = FindTabSheet(browser->GetIdentifier())) sheet->SetCaption(Value);
}

void TCustomVoraDBrowser::DoFavIconChange(PBrowser browser, const std::wstring& favUrl, TFavIcon* icon) {
  if (OnFavIconChange) OnFavIconChange(browser, favUrl, icon);
}

void TCustomVoraDBrowser::DoFullScreenModeChange(PBrowser browser, bool fullscreen) {
  if (OnFullScreenModeChange) OnFullScreenModeChange(browser, fullscreen);
}

void TCustomVoraDBrowser::DoAddBrowser(PBrowser browser) {
  if (OnAddBrowser) OnAddBrowser(browser);
  if (FDefaultTabControl && browser) {
    toolkit::TTabSheet* sheet = FDefaultTabControl->AddSheet(L"", browser->GetIdentifier());
    FDefaultTabControl->SetActivePage(sheet);
  }
}

void TCustomVoraDBrowser::DoCloseBrowser(const TBrowserIdArray& CloseBrowserIdArr, int32_t ShowBrowserId) {
  if (OnCloseBrowser) OnCloseBrowser(CloseBrowserIdArr, ShowBrowserId);
  if (!FDefaultTabControl) return;
  for (int32_t id : CloseBrowserIdArr)
    if (toolkit::TTabSheet* sheet = FindTabSheet(id)) FDefaultTabControl->FreeSheet(sheet);
  toolkit::TTabSheet* shown = FindTabSheet(ShowBrowserId);
  if (shown && FDefaultTabControl->ActivePage() != shown) FDefaultTabControl->SetActivePage(shown);
}

void TCustomVoraDBrowser::DoBeforeCloseBrowser(const TBrowserIdArray& CloseBrowserIdArr, TCloseBrowserType aCloseBrowserType, int32_t& ShowBrowserId) {
  if (OnBeforeCloseBrowser) OnBeforeCloseBrowser(CloseBrowserIdArr, aCloseBrowserType, ShowBrowserId);
}

void TCustomVoraDBrowser::DoLoadStart(PBrowser browser, PFrame frame) {
  if (OnLoadStart) OnLoadStart(browser, frame);
}

void TCustomVoraDBrowser::DoLoadEnd(PBrowser browser, PFrame frame, int32_t httpStatusCode) {
  if (OnLoadEnd) OnLoadEnd(browser, frame, httpStatusCode);
}

void TCustomVoraDBrowser::DoLoadError(PBrowser browser, PFrame frame, int32_t errorCode, const std::wstring& errorText, const std::wstring& failedUrl, bool& CancelDefaultEvent) {
  if (OnLoadError) OnLoadError(browser, frame, errorCode, errorText, failedUrl, CancelDefaultEvent);
}

void TCustomVoraDBrowser::DoBeforeBrowse(PBrowser browser, PFrame frame, PRequest request, bool isRedirect, bool& Cancel) {
  if (OnBeforeBrowse) OnBeforeBrowse(browser, frame, request, isRedirect, Cancel);
}

void TCustomVoraDBrowser::DoOpenUrlFromTab(PBrowser browser, PFrame frame, const std::wstring& targetUrl, TCefWindowOpenDisposition targetDisposition, bool userGesture, bool& Cancel) {
  if (OnOpenUrlFromTab) OnOpenUrlFromTab(browser, frame, targetUrl, targetDisposition, userGesture, Cancel);
}

void TCustomVoraDBrowser::DoPreKeyEvent(PBrowser browser, PCefKeyEvent event, PMsg osEvent, bool& isKeyboardShortcut, bool& Cancel, bool& CancelDefaultEvent) {
  if (OnPreKeyEvent) OnPreKeyEvent(browser, event, osEvent, isKeyboardShortcut, Cancel, CancelDefaultEvent);
}

void TCustomVoraDBrowser::DoKeyEvent(PBrowser browser, PCefKeyEvent event, PMsg osEvent, bool& Cancel) {
  if (OnKeyEvent) OnKeyEvent(browser, event, osEvent, Cancel);
}

void TCustomVoraDBrowser::DoBeforeResourceLoad(PBrowser browser, PFrame frame, PRequest request, const rtl::TRef<ICefRequestCallback>& callback, TCefReturnValue& Result) {
  if (OnBeforeResourceLoad) OnBeforeResourceLoad(browser, frame, request, callback, Result);
  else Result = RV_CONTINUE;
}

void TCustomVoraDBrowser::DoGetResourceHandler(PBrowser browser, PFrame frame, PRequest request, rtl::TRef<ICefResourceHandler>& ResourceHandler) {
  if (OnGetResourceHandler) OnGetResourceHandler(browser, frame, request, ResourceHandler);
}

void TCustomVoraDBrowser::DoResourceRedirect(PBrowser browser, PFrame frame, PRequest request, std::wstring& newUrl) {
  if (OnResourceRedirect) OnResourceRedirect(browser, frame, request, newUrl);
}

void TCustomVoraDBrowser::DoResourceResponse(PBrowser browser, PFrame frame, PRequest request, PResponse response, bool& Result) {
  if (OnResourceResponse) OnResourceResponse(browser, frame, request, response, Result);
}

void TCustomVoraDBrowser::DoGetResourceResponseFilter(PBrowser browser, PFrame frame, PRequest request, PResponse response, cef_response_filter_t*& Result) {
  Result = nullptr;
  if (OnGetResourceResponseFilter) OnGetResourceResponseFilter(browser, frame, request, response, Result);
}

void TCustomVoraDBrowser::DoResourceLoadComplete(PBrowser browser, PFrame frame, PRequest request, PResponse response, TCefUrlRequestStatus status, int64_t receivedContentLength) {
  if (OnResourceLoadComplete) OnResourceLoadComplete(browser, frame, request, response, status, receivedContentLength);
}

void TCustomVoraDBrowser::DoGotFocus(PBrowser browser, bool& CancelDefaultEvent) {
  if (OnGotFocus) OnGotFocus(browser, CancelDefaultEvent);
}

void TCustomVoraDBrowser::DoSetFocus(PBrowser browser, TCefFocusSource source, bool& Cancel, bool& CancelDefaultEvent) {
  if (OnSetFocus) OnSetFocus(browser, source, Cancel, CancelDefaultEvent);
}

void TCustomVoraDBrowser::DoTakeFocus(PBrowser browser, bool next) {
  if (OnTakeFocus) OnTakeFocus(browser, next);
}

void TCustomVoraDBrowser::DoBeforeContextMenu(PBrowser browser, PFrame frame, const rtl::TRef<ICefContextMenuParams>& params, const rtl::TRef<ICefMenuModel>& model) {
  if (OnBeforeContextMenu) OnBeforeContextMenu(browser, frame, params, model);
}

void TCustomVoraDBrowser::DoContextMenuCommand(PBrowser browser, PFrame frame, const rtl::TRef<ICefContextMenuParams>& params, int32_t commandId, TCefEventFlags eventFlags, bool& CancelDefaultEvent) {
  if (OnContextMenuCommand) OnContextMenuCommand(browser, frame, params, commandId, eventFlags, CancelDefaultEvent);
}

void TCustomVoraDBrowser::DoContextMenuDismissed(PBrowser browser, PFrame frame) {
  if (OnContextMenuDismissed) OnContextMenuDismissed(browser, frame);
}

void TCustomVoraDBrowser::DoJsdialog(PBrowser browser, const std::wstring& originUrl, TCefJsDialogType dialogType, const std::wstring& messageText, const std::wstring& defaultPromptText, const rtl::TRef<ICefJsDialogCallback>& callback, bool& suppressMessage, bool& Cancel, bool& CancelDefaultEvent) {
  if (OnJsdialog) OnJsdialog(browser, originUrl, dialogType, messageText, defaultPromptText, callback, suppressMessage, Cancel, CancelDefaultEvent);
}

void TCustomVoraDBrowser::DoBeforeUnloadDialog(PBrowser browser, const std::wstring& messageText, bool isReload, const rtl::TRef<ICefJsDialogCallback>& callback, bool& Cancel, bool& CancelDefaultEvent) {
  if (OnBeforeUnloadDialog) OnBeforeUnloadDialog(browser, messageText, isReload, callback, Cancel, CancelDefaultEvent);
}

void TCustomVoraDBrowser::DoDialogClosed(PBrowser browser) {
  if (OnDialogClosed) OnDialogClosed(browser);
}

void TCustomVoraDBrowser::DoBeforeDownload(PBrowser browser, const rtl::TRef<ICefDownloadItem>& downloadItem, const std::wstring& suggestedName, const rtl::TRef<ICefBeforeDownloadCallback>& callback, bool& CancelDefaultEvent) {
  if (OnBeforeDownload) OnBeforeDownload(browser, downloadItem, suggestedName, callback, CancelDefaultEvent);
}

void TCustomVoraDBrowser::DoDownloadUpdated(PBrowser browser, const rtl::TRef<ICefDownloadItem>& downloadItem, const rtl::TRef<ICefDownloadItemCallback>& callback) {
  if (OnDownloadUpdated) OnDownloadUpdated(browser, downloadItem, callback);
}

void TCustomVoraDBrowser::DoGetAuthCredentials(PBrowser browser, PFrame frame, bool isProxy, const std::wstring& host, int32_t port, const std::wstring& realm, const std::wstring& scheme, const rtl::TRef<ICefAuthCallback>& callback, bool& CancelDefaultEvent) {
  if (OnGetAuthCredentials) OnGetAuthCredentials(browser, frame, isProxy, host, port, realm, scheme, callback, CancelDefaultEvent);
}

void TCustomVoraDBrowser::DoConsoleMessage(PBrowser browser, const std::wstring& message, const std::wstring& source, int32_t line, bool& Cancel) {
  if (OnConsoleMessage) OnConsoleMessage(browser, message, source, line, Cancel);
}

void TCustomVoraDBrowser::DoProtocolExecution(PBrowser browser, const std::wstring& url, bool& allowOsExecution) {
  if (OnProtocolExecution) OnProtocolExecution(browser, url, allowOsExecution);
}

void TCustomVoraDBrowser::DoCertificateError(PBrowser browser, int32_t certError, const std::wstring& requestUrl, const rtl::TRef<ICefSslInfo>& sslInfo, const rtl::TRef<ICefRequestCallback>& callback, bool& Cancel) {
  if (OnCertificateError) OnCertificateError(browser, certError, requestUrl, sslInfo, callback, Cancel);
}

void TCustomVoraDBrowser::DoFileDialog(PBrowser browser, TCefFileDialogMode mode, const std::wstring& title, const std::wstring& defaultFilePath, const TStringList& acceptFilters, int32_t selectedAcceptFilter, const rtl::TRef<ICefFileDialogCallback>& callback, bool& Cancel) {
  if (OnFileDialog) OnFileDialog(browser, mode, title, defaultFilePath, acceptFilters, selectedAcceptFilter, callback, Cancel);
}

void TCustomVoraDBrowser::DoPluginCrashed(PBrowser browser, const std::wstring& pluginPath) {
  if (OnPluginCrashed) OnPluginCrashed(browser, pluginPath);
}

void TCustomVoraDBrowser::DoRequestGeolocationPermission(PBrowser browser, const std::wstring& requestingUrl, int32_t requestId, const rtl::TRef<ICefGeolocationCallback>& callback, bool& Cancel) {
  if (OnRequestGeolocationPermission) OnRequestGeolocationPermission(browser, requestingUrl, requestId, callback, Cancel);
}

void TCustomVoraDBrowser::DoCancelGeolocationPermission(PBrowser browser, int32_t requestId) {
  if (OnCancelGeolocationPermission) OnCancelGeolocationPermission(browser, requestId);
}

void TCustomVoraDBrowser::DoQuotaRequest(PBrowser browser, const std::wstring& originUrl, int64_t newSize, const rtl::TRef<ICefRequestCallback>& callback, bool& Cancel) {
  if (OnQuotaRequest) OnQuotaRequest(browser, originUrl, newSize, callback, Cancel);
}

void TCustomVoraDBrowser::DoDragEnter(PBrowser browser, const rtl::TRef<ICefDragData>& dragData, TCefDragOperations mask, bool& Cancel) {
  if (OnDragEnter) OnDragEnter(browser, dragData, mask, Cancel);
}

void TCustomVoraDBrowser::DoStartDragging(PBrowser browser, const rtl::TRef<ICefDragData>& dragData, TCefDragOperations allowedOps, int32_t x, int32_t y, bool& Cancel) {
  if (OnStartDragging) OnStartDragging(browser, dragData, allowedOps, x, y, Cancel);
}

void TCustomVoraDBrowser::DoDraggableRegionsChanged(PBrowser browser, size_t regionsCount, PCefDraggableRegionArray regions) {
  if (OnDraggableRegionsChanged) OnDraggableRegionsChanged(browser, regionsCount, regions);
}

void TCustomVoraDBrowser::DoUpdateDragCursor(PBrowser browser, TCefDragOperation operation) {
  if (OnUpdateDragCursor) OnUpdateDragCursor(browser, operation);
}

void TCustomVoraDBrowser::DoScrollOffsetChanged(PBrowser browser, double x, double y) {
  if (OnScrollOffsetChanged) OnScrollOffsetChanged(browser, x, y);
}

void TCustomVoraDBrowser::DoFindResult(PBrowser browser, int32_t identifier, int32_t count, PCefRect selectionRect, int32_t activeMatchOrdinal, bool finalUpdate) {
  if (OnFindResult) OnFindResult(browser, identifier, count, selectionRect, activeMatchOrdinal, finalUpdate);
}

void TCustomVoraDBrowser::DoCursorChange(PBrowser browser, HCURSOR cursor, TCefCursorType cursorType, PCefCursorInfo customCursorInfo) {
  if (OnCursorChange) OnCursorChange(browser, cursor, cursorType, customCursorInfo);
}

void TCustomVoraDBrowser::DoTooltip(PBrowser browser, std::wstring& text, bool& Cancel) {
  if (OnTooltip) OnTooltip(browser, text, Cancel);
}

void TCustomVoraDBrowser::DoResetDialogState(PBrowser browser) {
  if (OnResetDialogState) OnResetDialogState(browser);
}

void TCustomVoraDBrowser::DoRenderProcessTerminated(PBrowser browser, TCefTerminationStatus status) {
  if (OnRenderProcessTerminated) OnRenderProcessTerminated(browser, status);
}

void TCustomVoraDBrowser::DoBeforePopup(PBrowser browser, PFrame frame, const std::wstring& targetUrl, const std::wstring& targetFrameName, TCefWindowOpenDisposition targetDisposition, bool userGesture, TCefPopupFeatures& popupFeatures, TCefWindowInfo& windowInfo, rtl::TRef<ICefClient>& client, TCefBrowserSettings& settings, bool& noJavascriptAccess, bool& Cancel, bool& CancelDefaultEvent) {
  if (OnBeforePopup) OnBeforePopup(browser, frame, targetUrl, targetFrameName, targetDisposition, userGesture, popupFeatures, windowInfo, client, settings, noJavascriptAccess, Cancel, CancelDefaultEvent);
}
