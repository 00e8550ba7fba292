#pragma once
// TVoraDHandler: the one runtime client of a page manager, shared by all its pages. It owns one
// handler per area of the client interface and, while any client handler exists, a 15 ms timer
// that pumps the runtime (CefDoMessageLoopWork) on the main thread. It also receives the reply
// of the cross-process script access and hands it to the page manager.
#include <atomic>
#include <cstdint>
#include <mutex>

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

  // Main thread, as is StartTimer. The destructor may run on any thread.
  void ReleaseHandlers() override;
  void StartTimer() override;

  // Any runtime thread; the page manager may release the handlers meanwhile.
  rtl::TRef<ICefContextMenuHandler> GetContextMenuHandler() override { return Guarded(FContextMenuHandler); }
  rtl::TRef<ICefDialogHandler> GetDialogHandler() override { return Guarded(FDialogHandler); }
  rtl::TRef<ICefDisplayHandler> GetDisplayHandler() override { return Guarded(FDisplayHandler); }
  rtl::TRef<ICefDownloadHandler> GetDownloadHandler() override { return Guarded(FDownloadHandler); }
  rtl::TRef<ICefDragHandler> GetDragHandler() override { return Guarded(FDragHandler); }
  rtl::TRef<ICefFindHandler> GetFindHandler() override { return Guarded(FFindHandler); }
  rtl::TRef<ICefFocusHandler> GetFocusHandler() override { return Guarded(FFocusHandler); }
  rtl::TRef<ICefGeolocationHandler> GetGeolocationHandler() override { return Guarded(FGeolocationHandler); }
  rtl::TRef<ICefJsDialogHandler> GetJsdialogHandler() override { return Guarded(FJsDialogHandler); }
  rtl::TRef<ICefKeyboardHandler> GetKeyboardHandler() override { return Guarded(FKeyboardHandler); }
  rtl::TRef<ICefLifeSpanHandler> GetLifeSpanHandler() override { return Guarded(FLifeSpanHandler); }
  rtl::TRef<ICefLoadHandler> GetLoadHandler() override { return Guarded(FLoadHandler); }
  rtl::TRef<ICefRenderHandler> GetRenderHandler() override { return Guarded(FRenderHandler); }
  rtl::TRef<ICefRequestHandler> GetRequestHandler() override { return Guarded(FRequestHandler); }
  // The script reply: true when the message was the reply and went to the page manager.
  bool OnProcessMessageReceived(const rtl::TRef<ICefBrowser>& browser, cef_process_id_t source_process,
                                const rtl::TRef<ICefProcessMessage>& message) override;

private:
  // Copying a reference is a read and then an AddRef: not atomic against a release.
  template <class T>
  rtl::TRef<T> Guarded(const rtl::TRef<T>& field) {
    std::lock_guard<std::mutex> hold(FHandlersLock);
    return field;
  }

  rtl::TRef<IVoraDBrowser> FEvents;
  std::mutex FHandlersLock;  // guards the fourteen handler fields
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
// thread only (the last client handler ending elsewhere hands the timer's release over to it);
// the count only with interlocked operations.
extern toolkit::TTimer* MessageLoopTimer;
extern std::atomic<int32_t> HandlerCount;
extern bool InMessageLoopWork;

// One tick of the pump (also what the timer calls): nothing while a tick is already inside the
// runtime's work or while no client handler exists.
void MessageLoopTimerTick();
