#pragma once
// The main window: hosts the portal page, answers the page's bridge messages, watches the
// clipboard for download links, owns the download engine's lifetime and reports a task's
// progress back into the page. Everything here runs on the user-interface thread.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "app/DownloadSDKUnits.h"
#include "app/PageScripts.h"
#include "app/Settings.h"
#include "skin/CometSkin.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/StdCtrls.h"
#include "vorad/core/VoraD.Core.VoraDBrowser.h"

// The window after this one in the clipboard viewer chain; 0 if none.
extern HWND NextClipboardViewer;
// The most recently created download task; 0 before the first.
extern TXlTaskHandle DownloadTask;
// The download folder from the settings file, ending with a path separator.
extern std::wstring DownloadDir;

// The portal addresses chosen when the program is built (TAVLO_PORTAL_HOST, TAVLO_SEARCH_HOST,
// TAVLO_SEARCH_SITE_ID).
std::wstring PortalStartPage();    // http://<portal host>/index.php/PC/
std::wstring PortalSearchHost();
std::wstring PortalSearchSiteId();

inline constexpr wchar_t MainCaption[] = L"Vellumo\u5BA2\u6237\u7AEF";  // "Vellumo客户端"
inline constexpr wchar_t EngineInitFailedText[] = L"\u521D\u59CB\u5316\u5931\u8D25.";  // "初始化失败."

// A clipboard text that is a download link: it begins with the five letters "tavlo", compared
// exactly (an empty or shorter text never matches).
bool IsDownloadLinkText(std::wstring_view text);

// Fills a zeroed engine record for a link's task: address, empty referrer, file name, folder,
// 0 and -1 for the engine's choice of connections. False, with the record left zeroed, when a
// text does not fit its area with its terminator (the engine would refuse it, and cutting it
// would download something else or save under another name).
bool BuildTaskParam(std::wstring_view address, std::wstring_view fileName, std::wstring_view folder,
                    TXlTaskParam& param);

// The download folder for the window's start: ReadDownloadDirFrom on the settings file. When the
// default cannot be written back (EIniFileException), `onError` gets the error text and the
// default folder is used for this run anyway, so the window still gets its page, engine and
// clipboard link.
std::wstring ReadDownloadDirOrDefault(const std::wstring& settingsPath, const TDriveQueries& queries,
                                      const std::function<void(const std::wstring&)>& onError);

class TFrmMain : public TSkinFormEx {
public:
  TFrmMain();
  ~TFrmMain() override;

  // Runs a page callback in the main frame of the active page ("about:blank", line 0). Until that
  // page's first load end it is queued (TPendingPageScripts) and runs then; a load error of the
  // page drops the queue.
  void ExecutePageScript(const std::wstring& script);

  TVoraDBrowser* cefMain() const { return FcefMain.get(); }
  toolkit::TButton* btn1() const { return Fbtn1.get(); }
  toolkit::TTimer* tmr1() const { return Ftmr1.get(); }

protected:
  void WndProc(toolkit::TMessage& msg) override;

private:
  void FormCreate();
  void FormDestroy();

  void _MoveWindow(toolkit::TMessage& msg);
  void _MinWindow(toolkit::TMessage& msg);
  void _MaxWindow(toolkit::TMessage& msg);
  void _HDwon(toolkit::TMessage& msg);
  void _HPause(toolkit::TMessage& msg);
  void _HStart(toolkit::TMessage& msg);
  void _FOpenUrl(toolkit::TMessage& msg);
  void _FOpenDir(toolkit::TMessage& msg);
  void _FSearch(toolkit::TMessage& msg);
  void WMDrawClipboard(toolkit::TMessage& msg);
  void WMChangeCBChain(toolkit::TMessage& msg);

  void cefMainBeforeContextMenu(PBrowser browser, PFrame frame,
                                const rtl::TRef<ICefContextMenuParams>& params,
                                const rtl::TRef<ICefMenuModel>& model);
  void cefMainLoadEnd(PBrowser browser, PFrame frame, int32_t httpStatusCode);
  void cefMainLoadError(PBrowser browser, PFrame frame, int32_t errorCode, const std::wstring& errorText,
                        const std::wstring& failedUrl, bool& CancelDefaultEvent);
  void btn1Click(toolkit::TObject* sender);
  void tmr1Timer(toolkit::TObject* sender);
  void StartLinkDownload(const std::wstring& link);

  std::unique_ptr<TVoraDBrowser> FcefMain;
  std::unique_ptr<toolkit::TButton> Fbtn1;
  std::unique_ptr<toolkit::TTimer> Ftmr1;
  bool FInClipboardChain = false;
  // The page that has had its first load end (-1: none yet), and the callbacks waiting for it.
  int FLoadedPageId = -1;
  tavlo::TPendingPageScripts FPendingScripts;
};

// Module initialisation of the main window (every process): registers TApp for publication to
// page script. Finalisation: releases DownloadDir.
void InitUntDwonMain();
void FinalUntDwonMain();
