#include "vorad/core/VoraD.Core.BrowserView.h"

#include "rtl/SysUtils.h"
#include "toolkit/Forms.h"
#include "vorad/cef3/VoraD.Cef3.Classes.h"
#include "vorad/cef3/VoraD.Core.App.h"
#include "vorad/core/VoraD.CefBrowserWrapper.h"
#include "vorad/core/VoraD.Core.BrowserHandler.h"
#include "vorad/core/VoraD.Core.BrowserView.Rules.h"
#include "vorad/core/VoraD.Core.JsExtention.h"
#include "vorad/core/VoraD.Handler.Basic.h"
#include "vorad/core/VoraD.Locker.h"
#include "vorad/core/VoraD.Settings.h"

namespace {

bool ValidPageWindow(HWND wnd) { return wnd != nullptr && wnd != HWND(INVALID_HANDLE_VALUE); }

HWND PageWindow(const rtl::TRef<ICefBrowser>& browser) {
  if (!browser) return nullptr;
  const auto host = browser->GetHost();
  return host ? host->GetWindowHandle() : nullptr;
}

}  // namespace

cef_browser_settings_t NewBrowserSettings() {
  cef_browser_settings_t settings{};
  settings.size = sizeof(settings);
  return settings;
}

cef_window_info_t NewPageWindowInfo(HWND parent, int x, int y, int width, int height) {
  cef_window_info_t info{};
  info.style = PageWindowStyle;
  info.parent_window = parent;
  info.x = x;
  info.y = y;
  info.width = width;
  info.height = height;
  return info;
}

TBrowserView::TBrowserView(toolkit::TWinControl* owner, const rtl::TRef<IVoraDBrowser>& events,
                           TVoraDOptions* options)
    : TWinControl(owner), FEvents(events), FVoraDOptions(options) {
  FActiveBrowserId = -1;
  FActiveBrowser = nullptr;
  FIsActivating = true;
  FLoadingState = 1;
  FBrowserDic = std::make_unique<TBrowserWrapperDic>(FEvents);
  FJsExtention = rtl::TRef<TVoraDJsExtention>(new TVoraDJsExtention());
}

TBrowserView::~TBrowserView() {
  FDestroying = true;
  ReleaseBrowsers();
  FBrowserDic.reset();
  // A blocking read still waiting for one of the pages would otherwise wait for ever; no message
  // box now, its loop would dispatch to this half-destroyed view.
  if (FJsExtention) FJsExtention->AbandonPageRequests(-1, false);
  FJsExtention = nullptr;
  FClosedURL.clear();
  FEvents = nullptr;
  FActiveBrowser = nullptr;
}

void TBrowserView::CreateParams(toolkit::TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.WinClassName = L"TBrowserView";
  params.Style |= WS_CLIPCHILDREN;
}

void TBrowserView::ReleaseBrowsers() {
  {
    TLockHold hold(*BrowserLocker);
    if (FBrowserDic) FBrowserDic->Clear();
  }
  if (FHandler) {
    if (auto handler = rtl::Supports<ICefClientHandler>(FHandler)) handler->ReleaseHandlers();
    FHandler = nullptr;
  }
}

// --- pages -----------------------------------------------------------------------------------

void TBrowserView::CreateBrowser(const std::wstring& url) {
  HideActiveBrowser();
  if (!FHandler) FHandler = rtl::TRef<ICefClient>(new TVoraDHandler(false, FEvents));
  const RECT client = ClientRect();
  cef_window_info_t windowInfo =
      NewPageWindowInfo(Handle(), Left(), Top(), client.right - client.left, client.bottom - client.top);
  cef_browser_settings_t settings = NewBrowserSettings();
  if (FEvents) FEvents->GetBrowserSettings(settings);
  if (VoraDApp->IsNeedInitInMainProcess())
    throw rtl::Exception(L"TVoraDApp.LoadLib must be called first in the main process");
  VoraDApp->Init();
  rtl::TRef<ICefBrowser> browser = VoraDApp->CefBrowserHostCreateSync(windowInfo, FHandler, L"", settings, nullptr);
  if (auto handler = rtl::Supports<ICefClientHandler>(FHandler)) handler->StartTimer();
  if (browser) {
    if (auto frame = browser->GetMainFrame()) frame->LoadUrl(url);
  }
}

void TBrowserView::AddPage(const std::wstring& url, const std::wstring& defaultUrl) {
  CreateBrowser(url.empty() ? defaultUrl : url);
}

void TBrowserView::Load(const std::wstring& url) {
  if (Empty()) {
    CreateBrowser(url);
    return;
  }
  if (auto frame = FActiveBrowser->GetMainFrame()) frame->LoadUrl(url);
}

void TBrowserView::HideActiveBrowser() {
  if (FActiveBrowser && ValidPageWindow(FActiveBrowserWinHandle)) ShowWindow(FActiveBrowserWinHandle, SW_HIDE);
}

void TBrowserView::SetActiveBrowser(const rtl::TRef<ICefBrowser>& browser) {
  FActiveBrowser = browser;
  FActiveBrowserId = browser ? browser->GetIdentifier() : -1;
  FActiveBrowserWinHandle = PageWindow(browser);
  if (browser) {
    if (auto host = browser->GetHost()) host->SetFocus(true);
  }
}

bool TBrowserView::ShowBrowser(const rtl::TRef<ICefBrowser>& browser) {
  HideActiveBrowser();
  const HWND wnd = PageWindow(browser);
  if (!browser || !ValidPageWindow(wnd)) return false;
  ShowWindow(wnd, SW_SHOWMAXIMIZED);
  SetActiveBrowser(browser);
  if (TCefBrowserWrapper* wrapper = GetWrapperBrowsers(browser->GetIdentifier())) {
    // Copies: the record may change while the application handles the events.
    std::wstring address = wrapper->LastAddress();
    std::wstring title = wrapper->LastTitle();
    SendToBrowserWindow(browser, WM_VORAD_ADDRESSCHANGE, reinterpret_cast<LPARAM>(&address));
    SendToBrowserWindow(browser, WM_VORAD_TITLECHANGE, reinterpret_cast<LPARAM>(&title));
  }
  return true;
}

bool TBrowserView::ShowBrowser(int32_t browserId) {
  rtl::TRef<ICefBrowser> browser;
  {
    TLockHold hold(*BrowserLocker);
    TCefBrowserWrapper* wrapper = FBrowserDic->Find(browserId);
    if (!wrapper) return false;
    browser = wrapper->Browser();
  }
  return ShowBrowser(browser);
}

std::wstring TBrowserView::MainFrameUrl(const rtl::TRef<ICefBrowser>& browser) {
  if (!browser) return L"";
  auto frame = browser->GetMainFrame();
  return frame ? frame->GetUrl() : std::wstring();
}

void TBrowserView::CloseApplicationWhenEmpty() {
  if (FBrowserDic->Count() == 0 && FVoraDOptions && FVoraDOptions->CloseWPagesClosed())
    SendMessageW(toolkit::Application().Handle(), WM_CLOSE, 0, 0);
}

bool TBrowserView::CloseOneBrowser(int32_t closeBrowserId, int32_t showBrowserId, TCloseBrowserType closeType) {
  bool result = false;
  TLockHold browsers(*BrowserLocker);
  TCefBrowserWrapper* closing = FBrowserDic->Find(closeBrowserId);
  TCefBrowserWrapper* showing = FBrowserDic->Find(showBrowserId);
  if (!closing) return false;
  const rtl::TRef<ICefBrowser> closingBrowser = closing->Browser();
  // The record to show may be removed by the events below; keep its browser.
  const rtl::TRef<ICefBrowser> showingBrowser = showing ? showing->Browser() : nullptr;
  {
    TLockHold urls(*ClosedUrlLocker);
    FClosedURL.push_back(MainFrameUrl(closingBrowser));
  }
  closingBrowser->StopLoad();
  const TBrowserIdArray ids{closeBrowserId};
  int32_t showId = showBrowserId;
  if (FEvents) FEvents->DoBeforeCloseBrowser(ids, closeType, showId);
  result = DestroyWindow(PageWindow(closingBrowser)) != FALSE;
  if (FEvents) FEvents->DoCloseBrowser(ids, showId);
  FBrowserDic->Remove(closeBrowserId);
  CloseApplicationWhenEmpty();
  // The application may have closed the page to show from inside the events.
  if (showingBrowser && showBrowserId != closeBrowserId && FBrowserDic->Find(showBrowserId))
    ShowBrowser(showingBrowser);
  return result;
}

bool TBrowserView::CloseBrowser(int32_t closeBrowserId, int32_t showBrowserId) {
  return CloseOneBrowser(closeBrowserId, showBrowserId, CLOSETYPE_DEFAULT);
}

void TBrowserView::CloseAllBrowser(bool raiseEvents) {
  int32_t showId = -1;
  TLockHold browsers(*BrowserLocker);
  TLockHold urls(*ClosedUrlLocker);
  TBrowserIdArray ids;
  for (const auto& [id, wrapper] : FBrowserDic->Items()) ids.push_back(id);
  if (raiseEvents && FEvents) FEvents->DoBeforeCloseBrowser(ids, CLOSETYPE_DEFAULT, showId);
  for (int32_t id : ids) {
    TCefBrowserWrapper* wrapper = FBrowserDic->Find(id);
    if (!wrapper) continue;
    const rtl::TRef<ICefBrowser> browser = wrapper->Browser();
    FClosedURL.push_back(MainFrameUrl(browser));
    browser->StopLoad();
    DestroyWindow(PageWindow(browser));
    FBrowserDic->Remove(id);
  }
  if (raiseEvents && FEvents) FEvents->DoCloseBrowser(ids, showId);
  CloseApplicationWhenEmpty();
}

bool TBrowserView::CloseAllOtherBrowser(int32_t keepBrowserId) {
  bool result = false;
  int32_t showId = keepBrowserId;
  TLockHold browsers(*BrowserLocker);
  TLockHold urls(*ClosedUrlLocker);
  TBrowserIdArray ids;
  for (const auto& [id, wrapper] : FBrowserDic->Items())
    if (id != keepBrowserId) ids.push_back(id);
  if (FEvents) FEvents->DoBeforeCloseBrowser(ids, CLOSETYPE_DEFAULT, showId);
  for (int32_t id : ids) {
    TCefBrowserWrapper* wrapper = FBrowserDic->Find(id);
    if (!wrapper) continue;
    const rtl::TRef<ICefBrowser> browser = wrapper->Browser();
    FClosedURL.push_back(MainFrameUrl(browser));
    browser->StopLoad();
    result = DestroyWindow(PageWindow(browser)) != FALSE;
    FBrowserDic->Remove(id);
  }
  if (FEvents) FEvents->DoCloseBrowser(ids, -1);
  return result;
}

void TBrowserView::CopyBrowser(int32_t browserId) {
  TLockHold hold(*BrowserLocker);
  if (TCefBrowserWrapper* wrapper = FBrowserDic->Find(browserId)) CopyBrowser(rtl::TRef<ICefBrowser>(wrapper->Browser()));
}

void TBrowserView::CopyBrowser(const rtl::TRef<ICefBrowser>& browser) {
  if (browser) CreateBrowser(MainFrameUrl(browser));
}

void TBrowserView::ReOpenClosedPage() {
  TLockHold hold(*ClosedUrlLocker);
  if (FClosedURL.empty()) return;
  const std::wstring url = FClosedURL.front();
  CreateBrowser(url);
  FClosedURL.erase(FClosedURL.begin());
}

TCefBrowserWrapper* TBrowserView::GetWrapperBrowsers(int32_t browserId) {
  TLockHold hold(*BrowserLocker);
  return FBrowserDic ? FBrowserDic->Find(browserId) : nullptr;
}

// --- navigation on the active page -----------------------------------------------------------

void TBrowserView::DownloadFile(const std::wstring& url) {
  if (!FActiveBrowser) return;
  if (auto host = FActiveBrowser->GetHost()) host->StartDownload(url);
}

void TBrowserView::GoBack() {
  if (FActiveBrowser) FActiveBrowser->GoBack();
}

void TBrowserView::GoForward() {
  if (FActiveBrowser) FActiveBrowser->GoForward();
}

void TBrowserView::Reload() {
  if (!FActiveBrowser) return;
  FActiveBrowser->Reload();
  SetActiveBrowser(rtl::TRef<ICefBrowser>(FActiveBrowser));
}

void TBrowserView::ReloadIgnoreCache() {
  if (!FActiveBrowser) return;
  FActiveBrowser->ReloadIgnoreCache();
  SetActiveBrowser(rtl::TRef<ICefBrowser>(FActiveBrowser));
}

void TBrowserView::StopLoad() {
  if (!FActiveBrowser) return;
  FActiveBrowser->StopLoad();
  SetActiveBrowser(rtl::TRef<ICefBrowser>(FActiveBrowser));
}

void TBrowserView::Print() {
  if (!FActiveBrowser) return;
  if (auto host = FActiveBrowser->GetHost()) host->Print();
}

void TBrowserView::ExecuteJavaScript(const std::wstring& script) {
  if (!FActiveBrowser) return;
  if (auto frame = FActiveBrowser->GetMainFrame()) frame->ExecuteJavaScript(script, L"about:blank", 0);
}

void TBrowserView::GetSourceInNewPage() {
  if (FActiveBrowser) CreateBrowser(L"view-source:" + Url());
}

void TBrowserView::AddZoomLevel() {
  if (!FActiveBrowser) return;
  auto host = FActiveBrowser->GetHost();
  if (!host) return;
  const double level = host->GetZoomLevel();
  if (level < MaxZoomLevel) host->SetZoomLevel(level + 1);
}

void TBrowserView::ReduceZoomLevel() {
  if (!FActiveBrowser) return;
  auto host = FActiveBrowser->GetHost();
  if (!host) return;
  const double level = host->GetZoomLevel();
  if (level > MinZoomLevel) host->SetZoomLevel(level - 1);
}

void TBrowserView::ResetZoomLevel() {
  if (!FActiveBrowser) return;
  if (auto host = FActiveBrowser->GetHost()) host->SetZoomLevel(0);
}

std::wstring TBrowserView::ZoomLevel() {
  if (!FActiveBrowser) return L"";
  auto host = FActiveBrowser->GetHost();
  return host ? ZoomLevelToText(host->GetZoomLevel()) : std::wstring();
}

void TBrowserView::RunInRenderProcess(const rtl::TRef<TRenderProcessCallbackA>& proc, void* data) {
  if (!VoraDApp->CefSingleProcess()) throw rtl::Exception(L"\u6682\u65F6\u53EA\u652F\u6301\u5355\u8FDB\u7A0B\u6A21\u5F0F");
  if (!FActiveBrowser) return;
  SendRunInRender(FActiveBrowser, proc, data);
}

// --- properties ------------------------------------------------------------------------------

bool TBrowserView::Empty() {
  if (!FActiveBrowser) return true;
  TLockHold hold(*BrowserLocker);
  return FBrowserDic->Count() == 0;
}

std::wstring TBrowserView::Url() { return FActiveBrowser ? MainFrameUrl(FActiveBrowser) : std::wstring(); }

std::wstring TBrowserView::Title() {
  TLockHold hold(*BrowserLocker);
  TCefBrowserWrapper* wrapper = FBrowserDic->Find(FActiveBrowserId);
  return wrapper ? wrapper->LastTitle() : std::wstring();
}

int32_t TBrowserView::ClosedUrlCount() {
  TLockHold hold(*ClosedUrlLocker);
  return int32_t(FClosedURL.size());
}

int32_t TBrowserView::BrowserCount() {
  TLockHold hold(*BrowserLocker);
  return int32_t(FBrowserDic->Count());
}

// --- window messages -------------------------------------------------------------------------

void TBrowserView::ResizeActiveBrowser() {
  if (!FActiveBrowser || !ValidPageWindow(FActiveBrowserWinHandle)) return;
  if (auto host = FActiveBrowser->GetHost()) host->NotifyMoveOrResizeStarted();
  const RECT r = ClientRect();
  HDWP batch = BeginDeferWindowPos(1);
  if (batch) batch = DeferWindowPos(batch, FActiveBrowserWinHandle, nullptr, r.left, r.top, r.right - r.left,
                                    r.bottom - r.top, SWP_NOZORDER);
  if (batch) EndDeferWindowPos(batch);
}

void TBrowserView::WndProc(toolkit::TMessage& msg) {
  switch (msg.Msg) {
    case WM_SIZE:
      TWinControl::WndProc(msg);
      ResizeActiveBrowser();
      return;
    case WM_ERASEBKGND:
      if (!FActiveBrowser) TWinControl::WndProc(msg);
      else msg.Result = 1;  // the page paints everything; no flicker
      return;
    case WM_GETDLGCODE:
      msg.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
      return;
    case CM_WANTSPECIALKEY:
      switch (msg.WParam) {
        case VK_RETURN: case VK_ESCAPE: case VK_LEFT: case VK_UP: case VK_RIGHT: case VK_DOWN:
          TWinControl::WndProc(msg);
          return;
        default:
          msg.Result = 1;
          return;
      }
    default:
      if (DispatchHandlerMessage(msg)) return;
      TWinControl::WndProc(msg);
  }
}
