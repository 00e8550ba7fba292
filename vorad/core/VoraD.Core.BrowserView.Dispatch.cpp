// The page manager's side of the marshalled callbacks: every WM_VORAD_ message updates the page
// state and the registry, raises the control's event and then, unless the application cancelled
// it, performs the built-in default. All of it runs on the main thread inside the sender's
// SendMessage; WParam is the address of the sender's browser reference.
#include <windows.h>

#include "rtl/SysUtils.h"
#include "toolkit/Dialogs.h"
#include "toolkit/Forms.h"
#include "vorad/cef3/VoraD.Utils.h"
#include "vorad/core/VoraD.CefBrowserWrapper.h"
#include "vorad/core/VoraD.Core.BrowserView.h"
#include "vorad/core/VoraD.Core.BrowserView.Rules.h"
#include "vorad/core/VoraD.Core.CefErr.h"
#include "vorad/core/VoraD.Core.JsExtention.h"
#include "vorad/core/VoraD.CustomDialog.h"
#include "vorad/core/VoraD.Handler.Basic.h"
#include "vorad/core/VoraD.Locker.h"
#include "vorad/core/VoraD.Settings.h"

namespace {

const wchar_t ScriptDialogCaptionSuffix[] = L" \u4E0A\u7684\u7F51\u9875\u663E\u793A";  // " 上的网页显示"
const wchar_t LeavePageQuestion[] = L"\u786E\u5B9A\u8981\u79BB\u5F00\u6B64\u9875\u5417\uFF1F";  // "确定要离开此页吗？"
const wchar_t LeavePageCaption[] = L"\u786E\u8BA4\u5BFC\u822A";  // "确认导航"

template <class T>
T* Payload(LPARAM lParam) {
  return reinterpret_cast<T*>(lParam);
}

rtl::TRef<ICefFrame> FrameOf(const rtl::TRef<ICefFrame>* ref) { return ref ? *ref : nullptr; }
std::wstring TextOf(const std::wstring* text) { return text ? *text : std::wstring(); }

}  // namespace

bool TBrowserView::DispatchHandlerMessage(toolkit::TMessage& msg) {
  if (msg.Msg <= WM_USER || msg.Msg > WM_USER + 52) return false;
  // Another program's message with one of these ids (DM_SETDEFID is WM_USER + 1) carries no
  // pointers of ours; only a send of the component that is still waiting does.
  if (!IsBrowserWindowSend(msg.Msg, msg.WParam, msg.LParam)) return false;
  // Stopping the pages in the destructor makes the runtime report; nothing is raised any more.
  if (FDestroying) return false;
  // Hold our own reference to the page while handling: the sender's may go away with the page.
  rtl::TRef<ICefBrowser> page;
  if (msg.Msg != WM_VORAD_UNREGISTERJSHANDLER)
    page = *reinterpret_cast<const rtl::TRef<ICefBrowser>*>(msg.WParam);
  msg.Result = 0;
  switch (msg.Msg) {
    case WM_VORAD_LOADINGSTATE: WMLoadingState(page, msg.LParam); return true;
    case WM_VORAD_POPUPCHECK: return true;
    case WM_VORAD_BEFOREPOPUP: WMBeforePopup(page, Payload<TPopupParams>(msg.LParam)); return true;
    case WM_VORAD_AFTERCREATED: WMAfterCreated(page); return true;
    case WM_VORAD_LOADSTART: WMLoadStart(page, Payload<const rtl::TRef<ICefFrame>>(msg.LParam)); return true;
    case WM_VORAD_LOADEND: WMLoadEnd(page, Payload<TLoadEndParams>(msg.LParam)); return true;
    case WM_VORAD_LOADERROR: WMLoadError(page, Payload<TLoadErrorParams>(msg.LParam)); return true;
    case WM_VORAD_FOCUSVIEW: WMFocusView(); return true;
    case WM_VORAD_GOTFOCUS: WMGotFocus(page); return true;
    case WM_VORAD_CONTEXTMENUCOMMAND:
      WMContextMenuCommand(page, Payload<TContextMenuCommandParams>(msg.LParam));
      return true;
    case WM_VORAD_FILEDIALOG: WMFileDialog(page, Payload<TFileDialogParams>(msg.LParam)); return true;
    case WM_VORAD_ADDRESSCHANGE: WMAddressChange(page, TextOf(Payload<const std::wstring>(msg.LParam))); return true;
    case WM_VORAD_CONSOLEMESSAGE: WMConsoleMessage(page, Payload<TConsoleMessageParams>(msg.LParam)); return true;
    case WM_VORAD_STATUSMESSAGE: WMStatusMessage(page, TextOf(Payload<const std::wstring>(msg.LParam))); return true;
    case WM_VORAD_TITLECHANGE: WMTitleChange(page, TextOf(Payload<const std::wstring>(msg.LParam))); return true;
    case WM_VORAD_TOOLTIP: WMTooltip(page, Payload<TTooltipParams>(msg.LParam)); return true;
    case WM_VORAD_BEFOREDOWNLOAD: WMBeforeDownload(page, Payload<TBeforeDownloadParams>(msg.LParam)); return true;
    case WM_VORAD_JSDIALOG: WMJsDialog(page, Payload<TJsDialogParams>(msg.LParam)); return true;
    case WM_VORAD_BEFOREUNLOADDIALOG: WMBeforeUnloadDialog(page, Payload<TBeforeUnloadParams>(msg.LParam)); return true;
    case WM_VORAD_DOCLOSE: WMDoClose(page, Payload<bool>(msg.LParam)); return true;
    case WM_VORAD_BEFORECLOSE: return true;
    case WM_VORAD_GETAUTHCREDENTIALS: WMGetAuthCredentials(page, Payload<TAuthCredentialsParams>(msg.LParam)); return true;
    case WM_VORAD_SHOWDEVTOOLSKEY: WMShowDevToolsKey(page); return true;
    case WM_VORAD_RELOADKEY: ReloadIgnoreCache(); return true;
    case WM_VORAD_SEARCHKEY: SearchText(); return true;
    case WM_VORAD_UNREGISTERJSHANDLER: WMUnregisterJsHandler(Payload<TJsReplyParams>(msg.LParam)); return true;
    case WM_VORAD_FAVICONURLCHANGE: {
      const auto* urls = Payload<const TStringListRef>(msg.LParam);
      WMFaviconUrlChange(page, urls ? *urls : TStringListRef());
      return true;
    }
    default:
      return false;  // WM_VORAD_FULLSCREENMODECHANGE and unused ids: default processing
  }
}

void TBrowserView::WMLoadingState(const rtl::TRef<ICefBrowser>& page, LPARAM bits) {
  const int32_t state = int32_t(bits);
  if (page) {
    TLockHold hold(*BrowserLocker);
    if (TCefBrowserWrapper* wrapper = FBrowserDic->Find(page->GetIdentifier())) wrapper->SetLoadingState(state);
    if (page->GetIdentifier() == FActiveBrowserId) FLoadingState = state;
  }
  if (FEvents) FEvents->DoLoadingStateChange(page, IsLoading(), CanGoBack(), CanGoForward());
}

void TBrowserView::WMBeforePopup(const rtl::TRef<ICefBrowser>& page, TPopupParams* p) {
  if (!p) return;
  if (FEvents) {
    cef_popup_features_t features = p->popupFeatures ? *p->popupFeatures : cef_popup_features_t{};
    rtl::TRef<ICefClient> fallbackClient;
    bool fallbackFlag = false;
    cef_window_info_t fallbackInfo{};
    cef_browser_settings_t fallbackSettings{};
    FEvents->DoBeforePopup(page, FrameOf(p->frame), TextOf(p->targetUrl), TextOf(p->targetFrameName),
                           p->targetDisposition ? *p->targetDisposition : cef_window_open_disposition_t(0),
                           p->userGesture ? *p->userGesture : false, features,
                           p->windowInfo ? *p->windowInfo : fallbackInfo, p->client ? *p->client : fallbackClient,
                           p->settings ? *p->settings : fallbackSettings,
                           p->noJavascriptAccess ? *p->noJavascriptAccess : fallbackFlag,
                           p->Result ? *p->Result : fallbackFlag, p->CancelDefaultEvent);
  }
  if (p->CancelDefaultEvent || !p->windowInfo) return;
  cef_window_info_t& info = *p->windowInfo;
  info.style = PageWindowStyle;
  if (p->popupFeatures) {
    info.x = p->popupFeatures->x;
    info.y = p->popupFeatures->y;
    info.width = p->popupFeatures->width;
    info.height = p->popupFeatures->height;
  }
  info.parent_window = Handle();
}

void TBrowserView::WMAfterCreated(const rtl::TRef<ICefBrowser>& page) {
  ShowBrowser(page);
  {
    TLockHold hold(*BrowserLocker);
    FBrowserDic->Add(page);
  }
  if (FEvents) FEvents->DoAddBrowser(page);
}

void TBrowserView::WMLoadStart(const rtl::TRef<ICefBrowser>& page, const rtl::TRef<ICefFrame>* frame) {
  SendMessageW(Handle(), WM_SIZE, 0, 0);
  if (FEvents) FEvents->DoLoadStart(page, FrameOf(frame));
}

void TBrowserView::WMLoadEnd(const rtl::TRef<ICefBrowser>& page, TLoadEndParams* p) {
  SendMessageW(Handle(), WM_SIZE, 0, 0);
  if (FEvents && p) FEvents->DoLoadEnd(page, FrameOf(p->frame), p->httpStatusCode);
}

void TBrowserView::WMLoadError(const rtl::TRef<ICefBrowser>& page, TLoadErrorParams* p) {
  if (!p) return;
  const std::wstring failedUrl = TextOf(p->failedUrl);
  if (FEvents)
    FEvents->DoLoadError(page, FrameOf(p->frame), p->errorCode, TextOf(p->errorText), failedUrl, p->CancelDefaultEvent);
  // No error page (option off, cancelled, user abort): leave the page that is there alone
  // rather than loading an empty document over it.
  if (!FVoraDOptions || !FVoraDOptions->ShowLoadError() || p->CancelDefaultEvent) return;
  if (CefErrorManager->IsUserAborted(p->errorCode)) return;
  std::wstring name, description;
  const bool known = CefErrorManager->GetErrorDescription(p->errorCode, name, description);
  const std::wstring html = BuildLoadErrorPage(failedUrl, p->errorCode, known, name, description);
  if (!page) return;
  if (auto frame = page->GetMainFrame()) frame->LoadString(html, failedUrl);
}

void TBrowserView::WMFocusView() {
  if (CanFocus()) SetFocus();
}

void TBrowserView::WMGotFocus(const rtl::TRef<ICefBrowser>& page) {
  bool cancelDefault = false;
  if (FEvents) FEvents->DoGotFocus(page, cancelDefault);
  if (cancelDefault) return;
  if (FIsActivating) {
    FIsActivating = false;
    return;
  }
  if (page) SendToBrowserWindow(page, WM_VORAD_FOCUSVIEW, 0);
}

void TBrowserView::WMContextMenuCommand(const rtl::TRef<ICefBrowser>& page, TContextMenuCommandParams* p) {
  if (!p || !FEvents) return;
  rtl::TRef<ICefContextMenuParams> params = p->params ? *p->params : nullptr;
  bool fallback = false;
  FEvents->DoContextMenuCommand(page, FrameOf(p->frame), params, p->commandId,
                                p->eventFlags ? *p->eventFlags : cef_event_flags_t(0), p->Result ? *p->Result : fallback);
}

void TBrowserView::WMFileDialog(const rtl::TRef<ICefBrowser>& page, TFileDialogParams* p) {
  if (!p || !FEvents) return;
  rtl::TRef<ICefFileDialogCallback> callback = p->callback ? *p->callback : nullptr;
  bool fallback = false;
  FEvents->DoFileDialog(page, TCefFileDialogMode(p->mode ? *p->mode : 0), TextOf(p->title), TextOf(p->defaultFilePath),
                        p->acceptFilters ? *p->acceptFilters : TStringListRef(),
                        p->selectedAcceptFilter ? *p->selectedAcceptFilter : 0, callback,
                        p->Result ? *p->Result : fallback);
}

void TBrowserView::WMAddressChange(const rtl::TRef<ICefBrowser>& page, const std::wstring& url) {
  if (page) {
    TLockHold hold(*BrowserLocker);
    if (TCefBrowserWrapper* wrapper = FBrowserDic->Find(page->GetIdentifier())) wrapper->SetLastAddress(url);
  }
  if (FEvents) FEvents->DoStateChange(page, BrowserDataChange_Address, url);
}

void TBrowserView::WMConsoleMessage(const rtl::TRef<ICefBrowser>& page, TConsoleMessageParams* p) {
  if (!p || !FEvents) return;
  bool fallback = false;
  FEvents->DoConsoleMessage(page, TextOf(p->message), TextOf(p->source), p->line, p->Result ? *p->Result : fallback);
}

void TBrowserView::WMStatusMessage(const rtl::TRef<ICefBrowser>& page, const std::wstring& text) {
  if (FEvents) FEvents->DoStateChange(page, BrowserDataChange_StatusMessage, text);
}

void TBrowserView::WMTitleChange(const rtl::TRef<ICefBrowser>& page, const std::wstring& title) {
  if (page) {
    TLockHold hold(*BrowserLocker);
    if (TCefBrowserWrapper* wrapper = FBrowserDic->Find(page->GetIdentifier())) wrapper->SetLastTitle(title);
  }
  if (FEvents) FEvents->DoStateChange(page, BrowserDataChange_Title, title);
}

void TBrowserView::WMTooltip(const rtl::TRef<ICefBrowser>& page, TTooltipParams* p) {
  if (!p || !p->text || !FEvents) return;
  bool fallback = false;
  FEvents->DoTooltip(page, *p->text, p->Result ? *p->Result : fallback);
}

void TBrowserView::WMBeforeDownload(const rtl::TRef<ICefBrowser>& page, TBeforeDownloadParams* p) {
  if (!p) return;
  rtl::TRef<ICefDownloadItem> item = p->downloadItem ? *p->downloadItem : nullptr;
  rtl::TRef<ICefBeforeDownloadCallback> callback = p->callback ? *p->callback : nullptr;
  const std::wstring suggestedName = TextOf(p->suggestedName);
  if (FEvents) FEvents->DoBeforeDownload(page, item, suggestedName, callback, p->CancelDefaultEvent);
  if (p->CancelDefaultEvent || !callback) return;
  if (FVoraDOptions && FVoraDOptions->AutoDown()) {
    const std::wstring folder = FVoraDOptions->DownLoadPath();
    if (GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES) CreateDirectoryW(folder.c_str(), nullptr);
    callback->Cont(MakeUniqueFileName(folder + suggestedName), false);
  } else {
    callback->Cont(L"", true);
  }
}

void TBrowserView::WMJsDialog(const rtl::TRef<ICefBrowser>& page, TJsDialogParams* p) {
  if (!p) return;
  rtl::TRef<ICefJsDialogCallback> callback = p->callback ? *p->callback : nullptr;
  bool suppressFallback = false, resultFallback = false;
  bool& suppressMessage = p->suppressMessage ? *p->suppressMessage : suppressFallback;
  bool& result = p->Result ? *p->Result : resultFallback;
  const std::wstring originUrl = TextOf(p->originUrl);
  const std::wstring messageText = TextOf(p->messageText);
  const cef_jsdialog_type_t dialogType = p->dialogType ? *p->dialogType : JSDIALOGTYPE_ALERT;
  if (FEvents)
    FEvents->DoJsdialog(page, originUrl, dialogType, messageText, TextOf(p->defaultPromptText), callback,
                        suppressMessage, result, p->CancelDefaultEvent);
  if (p->CancelDefaultEvent) return;
  switch (dialogType) {
    case JSDIALOGTYPE_ALERT:
      suppressMessage = true;
      result = false;
      toolkit::ShowMessage(messageText);
      break;
    case JSDIALOGTYPE_CONFIRM: {
      suppressMessage = false;
      result = true;
      const int answer = toolkit::MessageBox(Handle(), messageText, originUrl + ScriptDialogCaptionSuffix, MB_OKCANCEL);
      if (callback) callback->Cont(answer == IDOK, L"");
      break;
    }
    case JSDIALOGTYPE_PROMPT: {
      suppressMessage = false;
      result = true;
      std::wstring value = TextOf(p->defaultPromptText);
      const bool ok = toolkit::InputQuery(originUrl + ScriptDialogCaptionSuffix, messageText, value);
      if (callback) callback->Cont(ok, value);
      break;
    }
    default:
      break;
  }
}

void TBrowserView::WMBeforeUnloadDialog(const rtl::TRef<ICefBrowser>& page, TBeforeUnloadParams* p) {
  if (!p) return;
  rtl::TRef<ICefJsDialogCallback> callback = p->callback ? *p->callback : nullptr;
  bool fallback = false;
  const std::wstring messageText = TextOf(p->messageText);
  if (FEvents)
    FEvents->DoBeforeUnloadDialog(page, messageText, p->isReload, callback, p->Result ? *p->Result : fallback,
                                  p->CancelDefaultEvent);
  if (p->CancelDefaultEvent) return;
  const int answer =
      toolkit::MessageBox(Handle(), messageText + L"\r\n" + LeavePageQuestion, LeavePageCaption, MB_OKCANCEL);
  if (callback) callback->Cont(answer == IDOK, L"");
}

void TBrowserView::WMDoClose(const rtl::TRef<ICefBrowser>& page, bool* result) {
  const bool closed = page ? CloseOneBrowser(page->GetIdentifier(), -1, CLOSETYPE_JS) : false;
  if (result) *result = closed;
}

void TBrowserView::WMGetAuthCredentials(const rtl::TRef<ICefBrowser>& page, TAuthCredentialsParams* p) {
  if (!p) return;
  rtl::TRef<ICefAuthCallback> callback = p->callback ? *p->callback : nullptr;
  if (FEvents)
    FEvents->DoGetAuthCredentials(page, FrameOf(p->frame), p->isProxy ? *p->isProxy : false, TextOf(p->host),
                                  p->port ? *p->port : 0, TextOf(p->realm), TextOf(p->scheme), callback,
                                  p->CancelDefaultEvent);
  if (p->CancelDefaultEvent) return;
  std::wstring userName, password;
  bool ok = false;
  {
    auto dialog = std::make_unique<TPasswordDlg>();
    ok = dialog->ShowModal() == toolkit::mrOk;
    if (ok) {
      userName = dialog->edtusername.Text();
      password = dialog->edtPassword.Text();
    }
  }
  if (p->Result) *p->Result = true;
  if (ok && callback) callback->Cont(userName, password);
}

void TBrowserView::WMShowDevToolsKey(const rtl::TRef<ICefBrowser>& page) {
  if (FVoraDOptions && FVoraDOptions->DevToolsEnable() && FEvents) FEvents->ShowDevTools(page);
}

void TBrowserView::WMUnregisterJsHandler(TJsReplyParams* p) {
  if (!p || !FJsExtention) return;
  FJsExtention->UnRegisterHandler(TextOf(p->id), TextOf(p->errorText), p->value ? *p->value : rtl::TVariant());
}

void TBrowserView::WMFaviconUrlChange(const rtl::TRef<ICefBrowser>& page, const std::vector<std::wstring>& urls) {
  const std::wstring iconUrl = SelectFaviconUrl(urls);
  TLockHold hold(*BrowserLocker);
  if (iconUrl.empty() || !page) return;
  TCefBrowserWrapper* wrapper = FBrowserDic->Find(page->GetIdentifier());
  if (wrapper && wrapper->LastFavUrl() != iconUrl) wrapper->SetLastFavUrl(iconUrl);
}
