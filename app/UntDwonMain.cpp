#include "app/UntDwonMain.h"

#include <algorithm>
#include <iterator>

#include "app/LinkDecode.h"
#include "app/PageScripts.h"
#include "app/ShellHelpers.h"
#include "bridge/JSEx.h"
#include "bridge/mapshare.h"
#include "rtl/Handles.h"
#include "rtl/StrConv.h"
#include "toolkit/Dialogs.h"
#include "vorad/cef3/VoraD.Core.App.h"
#include "vorad/core/VoraD.Settings.h"

// The portal the program talks to is a build setting (CMake cache variables of the same names).
#ifndef TAVLO_PORTAL_HOST
#define TAVLO_PORTAL_HOST "127.0.0.1:8088"
#endif
#ifndef TAVLO_SEARCH_HOST
#define TAVLO_SEARCH_HOST TAVLO_PORTAL_HOST
#endif
#ifndef TAVLO_SEARCH_SITE_ID
#define TAVLO_SEARCH_SITE_ID "1001"
#endif
#define TAVLO_WIDE_(s) L##s
#define TAVLO_WIDE(s) TAVLO_WIDE_(s)

HWND NextClipboardViewer = nullptr;
TXlTaskHandle DownloadTask = 0;
std::wstring DownloadDir;

namespace {

// The folder stored with the form for the browser control's own downloads (the page's links go
// through the engine instead, into DownloadDir).
constexpr wchar_t StoredDownLoadPath[] = L"C:\\Users\\Public\\Downloads\\";

// A text with a zero code unit inside would reach the engine cut short: refused like one too long.
template <size_t N>
bool CopyIntoArea(std::wstring_view text, wchar_t (&area)[N]) {
  if (text.size() >= N || text.find(L'\0') != std::wstring_view::npos) return false;
  text.copy(area, text.size());
  area[text.size()] = 0;
  return true;
}

// The clipboard's text, if it offers text. Another program may still hold the clipboard for a
// moment after it announced the change, so opening is tried a few times.
bool ReadClipboardText(HWND owner, std::wstring& text) {
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT) && !IsClipboardFormatAvailable(CF_TEXT)) return false;
  rtl::TClipboard clipboard;
  for (int attempt = 0; attempt < 5 && !clipboard.Open(owner); ++attempt) Sleep(10);
  if (!clipboard) return false;
  const rtl::TGlobalLock data(GetClipboardData(CF_UNICODETEXT));
  const auto* p = static_cast<const wchar_t*>(data.Get());
  if (!p) return false;
  // Never past the memory block, even when the text lacks its terminator.
  const size_t limit = data.Size() / sizeof(wchar_t);
  size_t n = 0;
  while (n < limit && p[n]) ++n;
  text.assign(p, n);
  return true;
}

// The name the engine saves the task under (it takes "film (1).mp4" when "film.mp4" exists);
// `requested` when the engine does not tell.
std::wstring SavedNameOf(TXlTaskHandle task, const std::wstring& requested) {
  TXlTaskInfo info{};
  if (!XL_QueryTaskInfoEx(task, &info)) return requested;
  const std::wstring name(info.SavedName, std::find(std::begin(info.SavedName), std::end(info.SavedName), L'\0'));
  return name.empty() ? requested : name;
}

}  // namespace

// With its scheme: the runtime would add "http://" to a scheme-less address of a numeric host, but
// "name:port/..." reads as an address of the scheme "name" and would never load.
std::wstring PortalStartPage() { return L"http://" + std::wstring(TAVLO_WIDE(TAVLO_PORTAL_HOST)) + L"/index.php/PC/"; }
std::wstring PortalSearchHost() { return TAVLO_WIDE(TAVLO_SEARCH_HOST); }
std::wstring PortalSearchSiteId() { return TAVLO_WIDE(TAVLO_SEARCH_SITE_ID); }

bool IsDownloadLinkText(std::wstring_view text) { return text.size() >= 5 && text.substr(0, 5) == L"tavlo"; }

bool BuildTaskParam(std::wstring_view address, std::wstring_view fileName, std::wstring_view folder,
                    TXlTaskParam& param) {
  param = TXlTaskParam{};
  TXlTaskParam filled{};
  if (!CopyIntoArea(address, filled.TaskUrl) || !CopyIntoArea(fileName, filled.FileName) ||
      !CopyIntoArea(folder, filled.SavePath))
    return false;
  filled.RefUrl[0] = 0;
  filled.Reserved2 = 0;
  filled.MaxConnections = -1;
  param = filled;
  return true;
}

std::wstring ReadDownloadDirOrDefault(const std::wstring& settingsPath, const TDriveQueries& queries,
                                      const std::function<void(const std::wstring&)>& onError) {
  try {
    return ReadDownloadDirFrom(settingsPath, queries);
  } catch (const EIniFileException& e) {
    if (onError) onError(e.Message());
    return FindLargestFreeDrive(queries) + DefaultDownloadFolderTail;
  }
}

// ---- TFrmMain

TFrmMain::TFrmMain() {
  // Stored with the form.
  SetCaption(MainCaption);
  BorderIcons = toolkit::biSystemMenu | toolkit::biMinimize;
  BorderStyle = toolkit::TFormBorderStyle::bsSingle;
  SetClientSize(756, 485);
  FontName = L"Tahoma";
  FontHeight = -11;
  Position = toolkit::TPosition::poDesktopCenter;

  FcefMain = std::make_unique<TVoraDBrowser>(this);
  FcefMain->SetParent(this);
  FcefMain->SetAlign(toolkit::TAlign::alClient);
  FcefMain->SetDefaultURL(L"about:blank");
  FcefMain->VoraDOptions()->SetDevToolsEnable(false);
  FcefMain->VoraDOptions()->SetCloseWPagesClosed(false);
  FcefMain->VoraDOptions()->SetDownLoadPath(StoredDownLoadPath);
  FcefMain->OnBeforeContextMenu = [this](PBrowser browser, PFrame frame,
                                         const rtl::TRef<ICefContextMenuParams>& params,
                                         const rtl::TRef<ICefMenuModel>& model) {
    cefMainBeforeContextMenu(browser, frame, params, model);
  };
  FcefMain->OnLoadEnd = [this](PBrowser browser, PFrame frame, int32_t httpStatusCode) {
    cefMainLoadEnd(browser, frame, httpStatusCode);
  };
  FcefMain->OnLoadError = [this](PBrowser browser, PFrame frame, int32_t errorCode, const std::wstring& errorText,
                                 const std::wstring& failedUrl, bool& CancelDefaultEvent) {
    cefMainLoadError(browser, frame, errorCode, errorText, failedUrl, CancelDefaultEvent);
  };

  Fbtn1 = std::make_unique<toolkit::TButton>(this);
  Fbtn1->SetParent(this);
  Fbtn1->SetCaption(L"btn1");
  Fbtn1->SetBounds(637, 435, 75, 25);
  Fbtn1->SetVisible(false);
  Fbtn1->OnClick = [this](toolkit::TObject* sender) { btn1Click(sender); };

  Ftmr1 = std::make_unique<toolkit::TTimer>();
  Ftmr1->SetEnabled(false);
  Ftmr1->SetInterval(1000);
  Ftmr1->OnTimer = [this](toolkit::TObject* sender) { tmr1Timer(sender); };

  FormCreate();
}

TFrmMain::~TFrmMain() {
  // Before the controls go: the engine and the clipboard chain are left while the window
  // still exists.
  try {
    FormDestroy();
  } catch (...) {
    toolkit::Application().HandleException();
  }
  Ftmr1.reset();
}

void TFrmMain::FormCreate() {
  try {
    SetBounds(Left(), Top(), 1100, 640);
    Constraints.MinHeight = 640;
    Constraints.MinWidth = 1100;

    DownloadDir = ReadDownloadDirOrDefault(SettingsFilePath(), SystemDriveQueries(),
                                           [](const std::wstring& text) {
      toolkit::Application().MessageBox(text, L"", MB_OK | MB_ICONERROR);
    });
    CreateDirectoryTree(DownloadDir);  // a failure shows later, as the engine decides

    if (!XL_Init()) toolkit::ShowMessage(EngineInitFailedText);

    FcefMain->AddPage(PortalStartPage());

    WriteShareMainWindow(Handle());

    FInClipboardChain = true;
    NextClipboardViewer = SetClipboardViewer(Handle());
  } catch (...) {
    // The window opens anyway, without the steps that did not run.
    toolkit::Application().HandleException();
  }
}

void TFrmMain::FormDestroy() {
  XL_UnInit();
  if (FInClipboardChain && HandleAllocated()) {
    FInClipboardChain = false;
    ChangeClipboardChain(Handle(), NextClipboardViewer);
    if (NextClipboardViewer)
      SendMessageW(NextClipboardViewer, WM_CHANGECBCHAIN, reinterpret_cast<WPARAM>(Handle()),
                   reinterpret_cast<LPARAM>(NextClipboardViewer));
  }
}

void TFrmMain::WndProc(toolkit::TMessage& msg) {
  switch (msg.Msg) {
    case WM_BRIDGE_MOVE: _MoveWindow(msg); break;
    case WM_BRIDGE_MINIMIZE: _MinWindow(msg); break;
    case WM_BRIDGE_MAXIMIZE: _MaxWindow(msg); break;
    case WM_BRIDGE_DOWNLOAD: _HDwon(msg); break;
    case WM_BRIDGE_PAUSE: _HPause(msg); break;
    case WM_BRIDGE_RESUME: _HStart(msg); break;
    case WM_BRIDGE_OPENURL: _FOpenUrl(msg); break;
    case WM_BRIDGE_OPENDIR: _FOpenDir(msg); break;
    case WM_BRIDGE_SEARCH: _FSearch(msg); break;
    case WM_DRAWCLIPBOARD: WMDrawClipboard(msg); break;
    case WM_CHANGECBCHAIN: WMChangeCBChain(msg); break;
    default: TSkinFormEx::WndProc(msg); return;
  }
  msg.Result = 0;
}

void TFrmMain::_MoveWindow(toolkit::TMessage&) { DragMove(); }

void TFrmMain::_MinWindow(toolkit::TMessage&) { SendMessageW(Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0); }

void TFrmMain::_MaxWindow(toolkit::TMessage&) {
  SendMessageW(Handle(), WM_SYSCOMMAND, IsZoomed(Handle()) ? SC_RESTORE : SC_MAXIMIZE, 0);
}

void TFrmMain::_HDwon(toolkit::TMessage&) { StartLinkDownload(ReadShareText()); }

void TFrmMain::_HPause(toolkit::TMessage&) {
  Ftmr1->SetEnabled(!XL_StopTask(DownloadTask));
  ExecutePageScript(Ftmr1->Enabled() ? L"taskStopFail()" : L"taskStopSuccess()");
}

void TFrmMain::_HStart(toolkit::TMessage&) {
  Ftmr1->SetEnabled(XL_StartTask(DownloadTask));
  ExecutePageScript(Ftmr1->Enabled() ? L"taskStartSuccess()" : L"taskStartFail()");
}

void TFrmMain::_FOpenUrl(toolkit::TMessage&) {
  // A page may only open web addresses: anything else could start programs or open files.
  const std::wstring address = ReadShareText();
  if (tavlo::IsWebAddress(address)) OpenUrlInShell(address);
}

void TFrmMain::_FOpenDir(toolkit::TMessage&) { OpenFolderInExplorer(DownloadDir); }

void TFrmMain::_FSearch(toolkit::TMessage&) {
  OpenUrlInShell(tavlo::BuildSearchUrl(PortalSearchHost(), PortalSearchSiteId(), ReadShareText()));
}

void TFrmMain::WMDrawClipboard(toolkit::TMessage& msg) {
  std::wstring text;
  if (ReadClipboardText(Handle(), text) && IsDownloadLinkText(text))
    StartLinkDownload(text);
  if (NextClipboardViewer) SendMessageW(NextClipboardViewer, msg.Msg, msg.WParam, msg.LParam);
}

void TFrmMain::WMChangeCBChain(toolkit::TMessage& msg) {
  if (reinterpret_cast<HWND>(msg.WParam) == NextClipboardViewer)
    NextClipboardViewer = reinterpret_cast<HWND>(msg.LParam);
  else if (NextClipboardViewer)
    SendMessageW(NextClipboardViewer, msg.Msg, msg.WParam, msg.LParam);
}

void TFrmMain::ExecutePageScript(const std::wstring& script) {
  if (!FcefMain) return;
  const rtl::TRef<ICefBrowser> browser = FcefMain->GetActiveBrowser();
  if (!browser || browser->GetIdentifier() != FLoadedPageId) {
    FPendingScripts.Add(script);
    return;
  }
  if (const rtl::TRef<ICefFrame> frame = browser->GetMainFrame())
    frame->ExecuteJavaScript(script, L"about:blank", 0);
}

void TFrmMain::cefMainLoadEnd(PBrowser browser, PFrame frame, int32_t) {
  if (!browser || !frame || !frame->IsMain() || browser->GetIdentifier() != FcefMain->ActiveBrowserId()) return;
  FLoadedPageId = browser->GetIdentifier();
  for (const std::wstring& script : FPendingScripts.Take()) ExecutePageScript(script);
}

void TFrmMain::cefMainLoadError(PBrowser browser, PFrame frame, int32_t, const std::wstring&, const std::wstring&,
                                bool&) {
  // The page the callbacks were meant for did not come; the error page has no use for them.
  if (browser && frame && frame->IsMain() && browser->GetIdentifier() == FcefMain->ActiveBrowserId())
    FPendingScripts.Clear();
}

void TFrmMain::cefMainBeforeContextMenu(PBrowser, PFrame, const rtl::TRef<ICefContextMenuParams>&,
                                        const rtl::TRef<ICefMenuModel>& model) {
  if (model) model->Clear();
}

void TFrmMain::btn1Click(toolkit::TObject*) { FcefMain->ShowDevTools(nullptr); }

void TFrmMain::StartLinkDownload(const std::wstring& link) {
  const std::wstring rest = link.size() > 5 ? link.substr(5) : std::wstring();
  const std::wstring address = DecodeLinkAddress(rtl::Utf16ToAnsi(rest));
  const std::wstring fileName = FileNameFromAddress(address);
  TXlTaskParam param;
  if (!BuildTaskParam(address, fileName, DownloadDir, param)) {
    // The running task, if any, stays as it is and keeps being polled.
    ExecutePageScript(L"taskStartFail()");
    return;
  }
  DownloadTask = XL_CreateTask(&param);
  Ftmr1->SetEnabled(XL_StartTask(DownloadTask));
  ExecutePageScript(Ftmr1->Enabled() ? tavlo::TaskStartSuccessScript(SavedNameOf(DownloadTask, fileName))
                                     : L"taskStartFail()");
}

void TFrmMain::tmr1Timer(toolkit::TObject*) {
  TXlTaskInfo info{};
  if (!XL_QueryTaskInfoEx(DownloadTask, &info)) return;
  const tavlo::TProgressTick tick = tavlo::ProgressTick(info);
  if (!tick.KeepPolling) Ftmr1->SetEnabled(false);
  if (tick.Script) ExecutePageScript(*tick.Script);
}

// ---- module initialisation and finalisation

void InitUntDwonMain() {
  if (VoraDApp) VoraDApp->RegisterClasses(std::vector<rtl::TClass>{TApp::StaticClassInfo()});
}

void FinalUntDwonMain() {
  DownloadDir.clear();
  DownloadDir.shrink_to_fit();
}
