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

class IVoraDRenderProcessHandler : public virtual ICefRenderProcessHandler {
public:
  virtual TOnContextReleased GetOnContextReleased() const = 0;
  virtual void SetOnContextReleased(TOnContextReleased v) = 0;
  virtual TOnRenderThreadCreated GetOnRenderThreadCreated() const = 0;
  virtual void SetOnRenderThreadCreated(TOnRenderThreadCreated v) = 0;
  virtual TOnFocusedNodeChanged GetOnFocusedNodeChanged() const = 0;
  virtual void SetOnFocusedNodeChanged(TOnFocusedNodeChanged v) = 0;
  virtual TOnBrowserCreated GetOnBrowserCreated() const = 0;
  virtual void SetOnBrowserCreated(TOnBrowserCreated v) = 0;
  virtual TOnUncaughtException GetOnUncaughtException() const = 0;
  virtual void SetOnUncaughtException(TOnUncaughtException v) = 0;
  virtual TOnBeforeNavigation GetOnBeforeNavigation() const = 0;
  virtual void SetOnBeforeNavigation(TOnBeforeNavigation v) = 0;
  virtual TOnWebKitInitialized GetOnWebKitInitialized() const = 0;
  virtual void SetOnWebKitInitialized(TOnWebKitInitialized v) = 0;
  virtual TOnBrowserDestroyed GetOnBrowserDestroyed() const = 0;
  virtual void SetOnBrowserDestroyed(TOnBrowserDestroyed v) = 0;
  virtual TOnProcessMessageReceived GetOnProcessMessageReceived() const = 0;
  virtual void SetOnProcessMessageReceived(TOnProcessMessageReceived v) = 0;
  virtual TOnContextCreated GetOnContextCreated() const = 0;
  virtual void SetOnContextCreated(TOnContextCreated v) = 0;
};

class TVoraDRenderProcessHandler : public TCefRenderProcessHandlerOwn, public IVoraDRenderProcessHandler {
public:
  void OnRenderThreadCreated(const rtl::TRef<ICefListValue>& extra_info) override;
  // Publishes the registration list in order (explicit extensions and native values), then
  // fires the event. A registration that fails does not stop the others.
  void OnWebKitInitialized() override;
  void OnBrowserCreated(const rtl::TRef<ICefBrowser>& browser) override;
  void OnBrowserDestroyed(const rtl::TRef<ICefBrowser>& browser) override;
  // The navigation goes on unless the event cancels it.
  bool OnBeforeNavigation(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
                          const rtl::TRef<ICefRequest>& request, cef_navigation_type_t navigation_type,
                          bool is_redirect) override;
  void OnContextCreated(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
                        const rtl::TRef<ICefv8Context>& context) override;
  void OnContextReleased(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
                         const rtl::TRef<ICefv8Context>& context) override;
  void OnUncaughtException(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
                           const rtl::TRef<ICefv8Context>& context, const rtl::TRef<ICefV8Exception>& exception,
                           const rtl::TRef<ICefV8StackTrace>& stackTrace) override;
  void OnFocusedNodeChanged(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
                            const rtl::TRef<ICefDomNode>& node) override;
  // The protocol's names decide the handled result; the event then gets it as Cancel and what
  // it leaves there is the answer.
  bool OnProcessMessageReceived(const rtl::TRef<ICefBrowser>& browser, cef_process_id_t source_process,
                                const rtl::TRef<ICefProcessMessage>& message) override;

  TOnContextReleased GetOnContextReleased() const override { return FOnContextReleased; }
  void SetOnContextReleased(TOnContextReleased v) override { FOnContextReleased = std::move(v); }
  TOnRenderThreadCreated GetOnRenderThreadCreated() const override { return FOnRenderThreadCreated; }
  void SetOnRenderThreadCreated(TOnRenderThreadCreated v) override { FOnRenderThreadCreated = std::move(v); }
  TOnFocusedNodeChanged GetOnFocusedNodeChanged() const override { return FOnFocusedNodeChanged; }
  void SetOnFocusedNodeChanged(TOnFocusedNodeChanged v) override { FOnFocusedNodeChanged = std::move(v); }
  TOnBrowserCreated GetOnBrowserCreated() const override { return FOnBrowserCreated; }
  void SetOnBrowserCreated(TOnBrowserCreated v) override { FOnBrowserCreated = std::move(v); }
  TOnUncaughtException GetOnUncaughtException() const override { return FOnUncaughtException; }
  void SetOnUncaughtException(TOnUncaughtException v) override { FOnUncaughtException = std::move(v); }
  TOnBeforeNavigation GetOnBeforeNavigation() const override { return FOnBeforeNavigation; }
  void SetOnBeforeNavigation(TOnBeforeNavigation v) override { FOnBeforeNavigation = std::move(v); }
  TOnWebKitInitialized GetOnWebKitInitialized() const override { return FOnWebKitInitialized; }
  void SetOnWebKitInitialized(TOnWebKitInitialized v) override { FOnWebKitInitialized = std::move(v); }
  TOnBrowserDestroyed GetOnBrowserDestroyed() const override { return FOnBrowserDestroyed; }
  void SetOnBrowserDestroyed(TOnBrowserDestroyed v) override { FOnBrowserDestroyed = std::move(v); }
  TOnProcessMessageReceived GetOnProcessMessageReceived() const override { return FOnProcessMessageReceived; }
  void SetOnProcessMessageReceived(TOnProcessMessageReceived v) override { FOnProcessMessageReceived = std::move(v); }
  TOnContextCreated GetOnContextCreated() const override { return FOnContextCreated; }
  void SetOnContextCreated(TOnContextCreated v) override { FOnContextCreated = std::move(v); }

private:
  TOnContextReleased FOnContextReleased;
  TOnRenderThreadCreated FOnRenderThreadCreated;
  TOnFocusedNodeChanged FOnFocusedNodeChanged;
  TOnBrowserCreated FOnBrowserCreated;
  TOnUncaughtException FOnUncaughtException;
  TOnBeforeNavigation FOnBeforeNavigation;
  TOnWebKitInitialized FOnWebKitInitialized;
  TOnBrowserDestroyed FOnBrowserDestroyed;
  TOnProcessMessageReceived FOnProcessMessageReceived;
  TOnContextCreated FOnContextCreated;
};
