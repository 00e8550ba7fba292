#pragma once
// TBrowserView: the page manager, the child window that fills the browser control and holds
// every open page. One page at a time is active: its window is shown and fills the view, the
// others are hidden. The view receives the runtime's notifications for all its pages as
// WM_VORAD_ messages sent by the client handler and turns them into the control's events
// (VoraD.Core.BrowserView.Dispatch.cpp). Main thread only.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "rtl/Interfaces.h"
#include "toolkit/Controls.h"
#include "vorad/cef3/VoraD.Cef3.Interfaces.h"
#include "vorad/core/VoraD.Core.JsExtention.h"
#include "vorad/core/VoraD.Events.h"

class TBrowserWrapperDic;
class TCefBrowserWrapper;
class TVoraDJsExtention;
class TVoraDOptions;
class ICefClientHandler;
class TRenderProcessCallbackA;

inline constexpr UINT CM_WANTSPECIALKEY = 0xB01E;
inline constexpr DWORD PageWindowStyle = 0x56010000;  // child, visible, clip siblings/children, tab stop

class TBrowserView : public toolkit::TWinControl {
public:
  TBrowserView(toolkit::TWinControl* owner, const rtl::TRef<IVoraDBrowser>& events, TVoraDOptions* options);
  ~TBrowserView() override;

  void AddPage(const std::wstring& url, const std::wstring& defaultUrl);
  void Load(const std::wstring& url);
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
  // Single-process mode only: the procedure runs in the render side of the active page.
  void RunInRenderProcess(const rtl::TRef<TRenderProcessCallbackA>& proc, void* data);
  void SearchText() {}
  bool GetSource(std::wstring& /*text*/, int32_t /*timeout*/) { return false; }
  bool GetText(std::wstring& /*text*/, int32_t /*timeout*/) { return false; }
  TCefBrowserWrapper* GetWrapperBrowsers(int32_t browserId);

  const rtl::TRef<ICefBrowser>& ActiveBrowser() const { return FActiveBrowser; }
  int32_t ActiveBrowserId() const { return FActiveBrowserId; }
  // The active page's loading bits; all false while there is no active page (the bits start
  // as "loading" for the first page to come).
  bool IsLoading() const { return FActiveBrowser && (FLoadingState & 1) != 0; }
  bool CanGoBack() const { return FActiveBrowser && (FLoadingState & 2) != 0; }
  bool CanGoForward() const { return FActiveBrowser && (FLoadingState & 4) != 0; }
  bool IsActivating() const { return FIsActivating; }
  void SetIsActivating(bool v) { FIsActivating = v; }
  bool Empty();
  std::wstring Url();
  std::wstring Title();
  int32_t ClosedUrlCount();
  int32_t BrowserCount();
  std::wstring ZoomLevel();
  TVoraDJsExtention* JsExtention() const { return FJsExtention.Get(); }
  // The client handler shared by this view's pages; nil before the first page.
  const rtl::TRef<ICefClient>& Handler() const { return FHandler; }

protected:
  void CreateParams(toolkit::TCreateParams& params) override;
  void WndProc(toolkit::TMessage& msg) override;

private:
  void CreateBrowser(const std::wstring& url);
  void HideActiveBrowser();
  void SetActiveBrowser(const rtl::TRef<ICefBrowser>& browser);
  bool CloseOneBrowser(int32_t closeBrowserId, int32_t showBrowserId, TCloseBrowserType closeType);
  void ResizeActiveBrowser();
  void CloseApplicationWhenEmpty();
  void ReleaseBrowsers();
  static std::wstring MainFrameUrl(const rtl::TRef<ICefBrowser>& browser);

  // Handler messages (VoraD.Core.BrowserView.Dispatch.cpp). True when the id is one of them.
  bool DispatchHandlerMessage(toolkit::TMessage& msg);
  void WMLoadingState(const rtl::TRef<ICefBrowser>& page, LPARAM bits);
  void WMBeforePopup(const rtl::TRef<ICefBrowser>& page, struct TPopupParams* p);
  void WMAfterCreated(const rtl::TRef<ICefBrowser>& page);
  void WMLoadStart(const rtl::TRef<ICefBrowser>& page, const rtl::TRef<ICefFrame>* frame);
  void WMLoadEnd(const rtl::TRef<ICefBrowser>& page, struct TLoadEndParams* p);
  void WMLoadError(const rtl::TRef<ICefBrowser>& page, struct TLoadErrorParams* p);
  void WMFocusView();
  void WMGotFocus(const rtl::TRef<ICefBrowser>& page);
  void WMContextMenuCommand(const rtl::TRef<ICefBrowser>& page, struct TContextMenuCommandParams* p);
  void WMFileDialog(const rtl::TRef<ICefBrowser>& page, struct TFileDialogParams* p);
  void WMAddressChange(const rtl::TRef<ICefBrowser>& page, const std::wstring& url);
  void WMConsoleMessage(const rtl::TRef<ICefBrowser>& page, struct TConsoleMessageParams* p);
  void WMStatusMessage(const rtl::TRef<ICefBrowser>& page, const std::wstring& text);
  void WMTitleChange(const rtl::TRef<ICefBrowser>& page, const std::wstring& title);
  void WMTooltip(const rtl::TRef<ICefBrowser>& page, struct TTooltipParams* p);
  void WMBeforeDownload(const rtl::TRef<ICefBrowser>& page, struct TBeforeDownloadParams* p);
  void WMJsDialog(const rtl::TRef<ICefBrowser>& page, struct TJsDialogParams* p);
  void WMBeforeUnloadDialog(const rtl::TRef<ICefBrowser>& page, struct TBeforeUnloadParams* p);
  void WMDoClose(const rtl::TRef<ICefBrowser>& page, bool* result);
  void WMGetAuthCredentials(const rtl::TRef<ICefBrowser>& page, struct TAuthCredentialsParams* p);
  void WMShowDevToolsKey(const rtl::TRef<ICefBrowser>& page);
  void WMUnregisterJsHandler(struct TJsReplyParams* p);
  void WMFaviconUrlChange(const rtl::TRef<ICefBrowser>& page, const std::vector<std::wstring>& urls);

  rtl::TRef<IVoraDBrowser> FEvents;
  rtl::TRef<ICefClient> FHandler;
  rtl::TRef<TVoraDJsExtention> FJsExtention;
  std::unique_ptr<TBrowserWrapperDic> FBrowserDic;
  std::vector<std::wstring> FClosedURL;
  TVoraDOptions* FVoraDOptions;
  rtl::TRef<ICefBrowser> FActiveBrowser;
  HWND FActiveBrowserWinHandle = nullptr;
  int32_t FActiveBrowserId = -1;
  int32_t FLoadingState = 1;
  bool FIsActivating = true;
};

// The browser settings record every new page starts from: zero-filled, size set.
cef_browser_settings_t NewBrowserSettings();
// The window information of a page: child of `parent` at (x, y) with the given size.
cef_window_info_t NewPageWindowInfo(HWND parent, int x, int y, int width, int height);
