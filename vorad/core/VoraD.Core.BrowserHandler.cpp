#include "vorad/core/VoraD.Core.BrowserHandler.h"

#include <cwctype>
#include <utility>

#include "rtl/WindowClass.h"
#include "toolkit/ExtCtrls.h"
#include "vorad/cef3/VoraD.Core.App.h"
#include "vorad/cef3/VoraD.Utils.h"
#include "vorad/core/VoraD.Handler.Dialog.h"
#include "vorad/core/VoraD.Handler.Display.h"
#include "vorad/core/VoraD.Handler.Download.h"
#include "vorad/core/VoraD.Handler.Drag.h"
#include "vorad/core/VoraD.Handler.Find.h"
#include "vorad/core/VoraD.Handler.Focus.h"
#include "vorad/core/VoraD.Handler.Geolocation.h"
#include "vorad/core/VoraD.Handler.JsDialog.h"
#include "vorad/core/VoraD.Handler.Keyboard.h"
#include "vorad/core/VoraD.Handler.LifeSpan.h"
#include "vorad/core/VoraD.Handler.Load.h"
#include "vorad/core/VoraD.Handler.Menu.h"
#include "vorad/core/VoraD.Handler.Render.h"
#include "vorad/core/VoraD.Handler.Request.h"

toolkit::TTimer* MessageLoopTimer = nullptr;
std::atomic<int32_t> HandlerCount{0};
bool InMessageLoopWork = false;

namespace {

bool SameTextIgnoringCase(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::towlower(a[i]) != std::towlower(b[i])) return false;
  return true;
}

// The timer's window belongs to the thread that made it: from any other thread it can be
// neither stopped nor destroyed. A client handler that ends elsewhere (the runtime may drop the
// last reference on its IO thread) posts the release to this message-only window of the timer's
// thread, made once with the first timer and kept while that thread lives.
const UINT WM_RELEASEPUMP = WM_APP + 1;
std::atomic<DWORD> PumpThread{0};
std::atomic<HWND> PumpOwnerWindow{nullptr};

void PostPumpRelease() { PostMessageW(PumpOwnerWindow.load(), WM_RELEASEPUMP, 0, 0); }

// On the timer's thread: frees the timer when no client handler is left (one may have been
// made since the release was posted). Not within a tick, which would lose its timer under its
// own callback; a tick that ends without handlers posts the release again.
void ReleasePumpWhenIdle() {
  if (InMessageLoopWork || HandlerCount.load() > 0 || !MessageLoopTimer) return;
  MessageLoopTimer->SetEnabled(false);
  delete std::exchange(MessageLoopTimer, nullptr);
}

LRESULT CALLBACK PumpOwnerProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_RELEASEPUMP) return DefWindowProcW(wnd, msg, wParam, lParam);
  ReleasePumpWhenIdle();
  return 0;
}

void CreatePumpOwnerWindow() {
  rtl::RegisterWindowClass({.Name = L"VoraDPumpOwner", .Proc = &PumpOwnerProc});
  PumpThread.store(GetCurrentThreadId());
  PumpOwnerWindow.store(CreateWindowExW(0, L"VoraDPumpOwner", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        GetModuleHandleW(nullptr), nullptr));
}

}  // namespace

void MessageLoopTimerTick() {
  if (InMessageLoopWork || HandlerCount.load() <= 0) return;
  struct TWork {
    TWork() { InMessageLoopWork = true; }
    ~TWork() {
      InMessageLoopWork = false;
      if (HandlerCount.load() <= 0) PostPumpRelease();
    }
  } work;
  if (VoraDApp) VoraDApp->CefDoMessageLoopWork();
}

TVoraDHandler::TVoraDHandler(bool renderer, const rtl::TRef<IVoraDBrowser>& aVoraDBrowser) {
  if (!MessageLoopTimer) {
    if (!PumpOwnerWindow.load()) CreatePumpOwnerWindow();
    MessageLoopTimer = new toolkit::TTimer();
    MessageLoopTimer->SetEnabled(false);
    MessageLoopTimer->SetInterval(15);
    MessageLoopTimer->OnTimer = [](toolkit::TObject*) { MessageLoopTimerTick(); };
  }
  HandlerCount.fetch_add(1);
  FEvents = aVoraDBrowser;
  FLoadHandler = rtl::TRef<ICefLoadHandler>(new TVoraDLoadHandler(FEvents));
  FFocusHandler = rtl::TRef<ICefFocusHandler>(new TVoraDFocusHandler(FEvents));
  FContextMenuHandler = rtl::TRef<ICefContextMenuHandler>(new TVoraDContextMenuHandler(FEvents));
  FDialogHandler = rtl::TRef<ICefDialogHandler>(new TVoraDDialogHandler(FEvents));
  FKeyboardHandler = rtl::TRef<ICefKeyboardHandler>(new TVoraDKeyboardHandler(FEvents));
  FDisplayHandler = rtl::TRef<ICefDisplayHandler>(new TVoraDDisplayHandler(FEvents));
  FDownloadHandler = rtl::TRef<ICefDownloadHandler>(new TVoraDDownloadHandler(FEvents));
  FGeolocationHandler = rtl::TRef<ICefGeolocationHandler>(new TVoraDGeolocationHandler(FEvents));
  FJsDialogHandler = rtl::TRef<ICefJsDialogHandler>(new TVoraDJsDialogHandler(FEvents));
  FLifeSpanHandler = rtl::TRef<ICefLifeSpanHandler>(new TVoraDLifeSpanHandler(FEvents));
  FRequestHandler = rtl::TRef<ICefRequestHandler>(new TVoraDRequestHandler(FEvents));
  FRenderHandler = renderer ? rtl::TRef<ICefRenderHandler>(new TVoraDRenderHandler(FEvents)) : nullptr;
  FDragHandler = rtl::TRef<ICefDragHandler>(new TVoraDDragHandler(FEvents));
  FFindHandler = rtl::TRef<ICefFindHandler>(new TVoraDFindHandler(FEvents));
}

TVoraDHandler::~TVoraDHandler() {
  if (HandlerCount.fetch_sub(1) == 1) {
    if (GetCurrentThreadId() == PumpThread.load()) ReleasePumpWhenIdle();
    else PostPumpRelease();
  }
  FEvents = nullptr;
  ReleaseHandlers();
}

void TVoraDHandler::ReleaseHandlers() {
  std::lock_guard<std::mutex> hold(FHandlersLock);
  FLoadHandler = nullptr;
  FFocusHandler = nullptr;
  FContextMenuHandler = nullptr;
  FDialogHandler = nullptr;
  FKeyboardHandler = nullptr;
  FDisplayHandler = nullptr;
  FDownloadHandler = nullptr;
  FGeolocationHandler = nullptr;
  FJsDialogHandler = nullptr;
  FLifeSpanHandler = nullptr;
  FRenderHandler = nullptr;
  FRequestHandler = nullptr;
  FDragHandler = nullptr;
  FFindHandler = nullptr;
}

void TVoraDHandler::StartTimer() {
  if (MessageLoopTimer) MessageLoopTimer->SetEnabled(true);
}

bool TVoraDHandler::OnProcessMessageReceived(const rtl::TRef<ICefBrowser>& browser, cef_process_id_t /*source_process*/,
                                             const rtl::TRef<ICefProcessMessage>& message) {
  if (!message || !SameTextIgnoringCase(message->GetName(), L"@voradbrowser_tobrowser_jsextention")) return false;
  const auto args = message->GetArgumentList();
  std::wstring id, errorText;
  rtl::TVariant value;
  if (args) {
    id = args->GetString(0);
    ListValueToVariant(value, args, 1);
    errorText = args->GetString(2);
  }
  SendRecord(browser, WM_VORAD_UNREGISTERJSHANDLER, TJsReplyParams{&id, &value, &errorText});
  return true;
}
