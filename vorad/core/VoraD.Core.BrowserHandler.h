#pragma once
// TVoraDHandler: the one runtime client of a page manager, shared by all its pages. It owns one
// handler per area of the client interface and, while any client handler exists, a 15 ms timer
// that pumps the runtime (CefDoMessageLoopWork) on the main thread. It also receives the reply
// of the cross-process script access and hands it to the page manager.
#include <atomic>
#include <cstdint>

#include "vorad/cef3/VoraD.Cef3.Classes.h"
#include "vorad/core/VoraD.Events.h"
#include "vorad/core/VoraD.Handler.Basic.h"

namespace toolkit {
class TTimer;
}

class TVoraDHandler : public TCefClientOwn, public virtual ICefClientHandler {
public:
  // Main thread. renderer asks for the off-screen render handler.
  TVoraDHandler(bool renderer, const rtl::TRef<IVoraDBrowser>& aVoraDBrowser);
  ~TVoraDHandler() override;

  void ReleaseHandlers() override;
  void StartTimer() override;

  rtl::TRef<ICefContextMenuHandler> GetContextMenuHandler() override { return FContextMenuHandler; }
  rtl::TRef<ICefDialogHandler> GetDialogHandler() override { return FDialogHandler; }
  rtl::TRef<ICefDisplayHandler> GetDisplayHandler() override { return FDisplayHandler; }
  rtl::TRef<ICefDownloadHandler> GetDownloadHandler() override { return FDownloadHandler; }
  rtl::TRef<ICefDragHandler> GetDragHandler() override { return FDragHandler; }
  rtl::TRef<ICefFindHandler> GetFindHandler() override { return FFindHandler; }
  rtl::TRef<ICefFocusHandler> GetFocusHandler() override { return FFocusHandler; }
  rtl::TRef<ICefGeolocationHandler> GetGeolocationHandler() override { return FGeolocationHandler; }
  rtl::TRef<ICefJsDialogHandler> GetJsdialogHandler() override { return FJsDialogHandler; }
  rtl::TRef<ICefKeyboardHandler> GetKeyboardHandler() override { return FKeyboardHandler; }
  rtl::TRef<ICefLifeSpanHandler> GetLifeSpanHandler() override { return FLifeSpanHandler; }
  rtl::TRef<ICefLoadHandler> GetLoadHandler() override { return FLoadHandler; }
  rtl::TRef<ICefRenderHandler> GetRenderHandler() override { return FRenderHandler; }
  rtl::TRef<ICefRequestHandler> GetRequestHandler() override { return FRequestHandler; }
  // The script reply: true when the message was the reply and went to the page manager.
  bool OnProcessMessageReceived(const rtl::TRef<ICefBrowser>& browser, cef_process_id_t source_process,
                                const rtl::TRef<ICefProcessMessage>& message) override;

private:
  rtl::TRef<IVoraDBrowser> FEvents;
  rtl::TRef<ICefLoadHandler> FLoadHandler;
  rtl::TRef<ICefFocusHandler> FFocusHandler;
  rtl::TRef<ICefContextMenuHandler> FContextMenuHandler;
  rtl::TRef<ICefDialogHandler> FDialogHandler;
  rtl::TRef<ICefKeyboardHandler> FKeyboardHandler;
  rtl::TRef<ICefDisplayHandler> FDisplayHandler;
  rtl::TRef<ICefDownloadHandler> FDownloadHandler;
  rtl::TRef<ICefGeolocationHandler> FGeolocationHandler;
  rtl::TRef<ICefJsDialogHandler> FJsDialogHandler;
  rtl::TRef<ICefLifeSpanHandler> FLifeSpanHandler;
  rtl::TRef<ICefRenderHandler> FRenderHandler;
  rtl::TRef<ICefRequestHandler> FRequestHandler;
  rtl::TRef<ICefDragHandler> FDragHandler;
  rtl::TRef<ICefFindHandler> FFindHandler;
};

// Process-wide state of the message pump. The timer and the flag are touched on the main
// thread only; the count only with interlocked operations.
extern toolkit::TTimer* MessageLoopTimer;
extern std::atomic<int32_t> HandlerCount;
extern bool InMessageLoopWork;

// One tick of the pump (also what the timer calls): nothing while a tick is already inside the
// runtime's work or while no client handler exists.
void MessageLoopTimerTick();
