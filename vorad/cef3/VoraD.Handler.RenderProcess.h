#pragma once
// The render-process handler the application object hands to the runtime. In a render process
// it publishes the registration list to page script when the script engine starts, answers the
// binding's process messages, and offers every callback as an optional event.
//
// Thread: every callback, and so every event, arrives on the render thread of the render
// process. The registration list may be filled from any thread.
#include <functional>
#include <string>

#include "vorad/cef3/VoraD.Cef3.Classes.Rtti.h"
#include "vorad/cef3/VoraD.Handler.Events.h"

using TCefNavigationType = cef_navigation_type_t;
using TCefProcessId = cef_process_id_t;

using TOnContextReleased = std::function<void(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
                                              const rtl::TRef<ICefv8Context>& context)>;
using TOnRenderThreadCreated = std::function<void(const rtl::TRef<ICefListValue>& extraInfo)>;
using TOnFocusedNodeChanged = std::function<void(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
                                                 const rtl::TRef<ICefDomNode>& node)>;
using TOnBrowserCreated = std::function<void(const rtl::TRef<ICefBrowser>& browser)>;
using TOnUncaughtException = std::function<void(
    const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame, const rtl::TRef<ICefv8Context>& context,
    const rtl::TRef<ICefV8Exception>& exception, const rtl::TRef<ICefV8StackTrace>& stackTrace)>;
using TOnBeforeNavigation = std::function<void(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
                                               const rtl::TRef<ICefRequest>& request, TCefNavigationType navigationType,
                                               bool isRedirect, bool& Cancel)>;
using TOnWebKitInitialized = std::function<void()>;
using TOnBrowserDestroyed = std::function<void(const rtl::TRef<ICefBrowser>& browser)>;
using TOnProcessMessageReceived =
    std::function<void(const rtl::TRef<ICefBrowser>& browser, TCefProcessId sourceProcess,
                       const rtl::TRef<ICefProcessMessage>& message, bool& Cancel)>;
using TOnContextCreated = std::function<void(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
                                             const rtl::TRef<ICefv8Context>& context)>;

// ---- the process-wide registration list

// Appends `par` unless an entry with the same name and the same code (compared exactly) is
// there; true when appended. Entries keep the order in which they were added.
bool AddRegisteredExtention(const TRegExtentionPar& par);
// A copy of the list, in order.
TRegExtentionParArray RegisteredExtentions();
// Empties the list (the module's end).
void ClearRegisteredExtentions();

// ---- process messages of cross-process script access

inline constexpr wchar_t kToRenderJsExtentionMessage[] = L"@voradbrowser_torender_jsextention";
inline constexpr wchar_t kToBrowserJsExtentionMessage[] = L"@voradbrowser_tobrowser_jsextention";
inline constexpr wchar_t kRunInRenderMessage[] = L"@voradbrowser_runinrender";

// The render side of cross-process script access, installed by the browser component at its
// start (its HandleJsRequest and HandleRunInRender). A message of the protocol counts as
// handled only once its route is installed. Called on the render thread with the browser that
// received the message.
using TRenderProcessMessageRoute =
    std::function<void(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefProcessMessage>& message)>;
extern TRenderProcessMessageRoute GlobalHandleJsRequest;
extern TRenderProcessMessageRoute GlobalHandleRunInRender;

// ---- the handler

#define VORAD_RENDER_PROCESS_EVENTS(X)                   \
  X(TOnContextReleased, OnContextReleased)               \
  X(TOnRenderThreadCreated, OnRenderThreadCreated)       \
  X(TOnFocusedNodeChanged, OnFocusedNodeChanged)         \
  X(TOnBrowserCreated, OnBrowserCreated)                 \
  X(TOnUncaughtException, OnUncaughtException)           \
  X(TOnBeforeNavigation, OnBeforeNavigation)             \
  X(TOnWebKitInitialized, OnWebKitInitialized)           \
  X(TOnBrowserDestroyed, OnBrowserDestroyed)             \
  X(TOnProcessMessageReceived, OnProcessMessageReceived) \
  X(TOnContextCreated, OnContextCreated)

class IVoraDRenderProcessHandler : public virtual ICefRenderProcessHandler {
public:
  VORAD_RENDER_PROCESS_EVENTS(VORAD_EVENT_ACCESSORS)
};

class TVoraDRenderProcessHandler : public TCefRenderProcessHandlerOwn, public IVoraDRenderProcessHandler {
public:
  void OnRenderThreadCreated(const rtl::TRef<ICefListValue>& extra_info) override {
    if (FOnRenderThreadCreated) FOnRenderThreadCreated(extra_info);
  }
  // Publishes the registration list in order (explicit extensions and native values), then
  // fires the event. A registration that fails does not stop the others.
  void OnWebKitInitialized() override;
  void OnBrowserCreated(const rtl::TRef<ICefBrowser>& browser) override {
    if (FOnBrowserCreated) FOnBrowserCreated(browser);
  }
  void OnBrowserDestroyed(const rtl::TRef<ICefBrowser>& browser) override {
    if (FOnBrowserDestroyed) FOnBrowserDestroyed(browser);
  }
  // The navigation goes on unless the event cancels it.
  bool OnBeforeNavigation(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
                          const rtl::TRef<ICefRequest>& request, cef_navigation_type_t navigation_type,
                          bool is_redirect) override {
    return RaiseForAnswer(FOnBeforeNavigation, browser, frame, request, navigation_type, is_redirect);
  }
  void OnContextCreated(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
                        const rtl::TRef<ICefv8Context>& context) override {
    if (FOnContextCreated) FOnContextCreated(browser, frame, context);
  }
  void OnContextReleased(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
                         const rtl::TRef<ICefv8Context>& context) override {
    if (FOnContextReleased) FOnContextReleased(browser, frame, context);
  }
  void OnUncaughtException(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
                           const rtl::TRef<ICefv8Context>& context, const rtl::TRef<ICefV8Exception>& exception,
                           const rtl::TRef<ICefV8StackTrace>& stackTrace) override {
    if (FOnUncaughtException) FOnUncaughtException(browser, frame, context, exception, stackTrace);
  }
  void OnFocusedNodeChanged(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
                            const rtl::TRef<ICefDomNode>& node) override {
    if (FOnFocusedNodeChanged) FOnFocusedNodeChanged(browser, frame, node);
  }
  // The protocol's names decide the handled result; the event then gets it as Cancel and what
  // it leaves there is the answer.
  bool OnProcessMessageReceived(const rtl::TRef<ICefBrowser>& browser, cef_process_id_t source_process,
                                const rtl::TRef<ICefProcessMessage>& message) override;

  VORAD_RENDER_PROCESS_EVENTS(VORAD_EVENT_SLOT)

private:
  VORAD_RENDER_PROCESS_EVENTS(VORAD_EVENT_FIELD)
};
