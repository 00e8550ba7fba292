#include "vorad/core/VoraD.Core.BrowserHandler.h"

#include <cwctype>

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

}  // namespace

void MessageLoopTimerTick() {
  if (InMessageLoopWork || HandlerCount.load() <= 0) return;
  InMessageLoopWork = true;
  try {
    if (VoraDApp) VoraDApp->CefDoMessageLoopWork();
  } catch (...) {
    InMessageLoopWork = false;
    throw;
  }
  InMessageLoopWork = false;
}

TVoraDHandler::TVoraDHandler(bool renderer, const rtl::TRef<IVoraDBrowser>& aVoraDBrowser) {
  if (!MessageLoopTimer) {
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
  if (HandlerCount.fetch_sub(1) - 1 == 0 && MessageLoopTimer) {
    MessageLoopTimer->SetEnabled(false);
    toolkit::TTimer* timer = MessageLoopTimer;
    MessageLoopTimer = nullptr;
    delete timer;
  }
  FEvents = nullptr;
  ReleaseHandlers();
}

void TVoraDHandler::ReleaseHandlers() {
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
