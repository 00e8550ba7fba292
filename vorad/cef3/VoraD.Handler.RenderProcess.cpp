#include "vorad/cef3/VoraD.Handler.RenderProcess.h"

#include <exception>
#include <mutex>

#include "vorad/cef3/VoraD.Cef3.Api.Table.h"

TRenderProcessMessageRoute GlobalHandleJsRequest;
TRenderProcessMessageRoute GlobalHandleRunInRender;

// ---- the registration list

namespace {

// Filled during module initialisation on the main thread, read when a render thread's script
// engine starts (in single-process mode another thread of the same process).
struct TRegistrationList {
  std::mutex lock;
  TRegExtentionParArray items;
};

TRegistrationList& Registrations() {
  static TRegistrationList list;
  return list;
}

}  // namespace

bool AddRegisteredExtention(const TRegExtentionPar& par) {
  TRegistrationList& list = Registrations();
  std::lock_guard<std::mutex> guard(list.lock);
  for (const TRegExtentionPar& item : list.items)
    if (item.name == par.name && item.code == par.code) return false;
  list.items.push_back(par);
  return true;
}

TRegExtentionParArray RegisteredExtentions() {
  TRegistrationList& list = Registrations();
  std::lock_guard<std::mutex> guard(list.lock);
  return list.items;
}

void ClearRegisteredExtentions() {
  TRegExtentionParArray old;
  {
    TRegistrationList& list = Registrations();
    std::lock_guard<std::mutex> guard(list.lock);
    old.swap(list.items);
  }
  // The handlers and values are released outside the lock.
}

// ---- TVoraDRenderProcessHandler

void TVoraDRenderProcessHandler::OnRenderThreadCreated(const rtl::TRef<ICefListValue>& extra_info) {
  if (FOnRenderThreadCreated) FOnRenderThreadCreated(extra_info);
}

void TVoraDRenderProcessHandler::OnWebKitInitialized() {
  for (const TRegExtentionPar& par : RegisteredExtentions()) {
    // Each entry on its own: the result is not examined, and a registration that raises (a
    // value without description) must not keep the rest from page script.
    try {
      if (!CefApi.cef_register_extension) break;  // the runtime is not loaded
      if (!par.code.empty() || par.Handler) RegisterScriptExtension(par.name, par.code, par.Handler);
      else PublishNativeValue(par.name, par.value);
    } catch (...) {
      TCef3Helper::AdapterFailed("cef_render_process_handler_t.on_web_kit_initialized", std::current_exception());
    }
  }
  if (FOnWebKitInitialized) FOnWebKitInitialized();
}

void TVoraDRenderProcessHandler::OnBrowserCreated(const rtl::TRef<ICefBrowser>& browser) {
  if (FOnBrowserCreated) FOnBrowserCreated(browser);
}

void TVoraDRenderProcessHandler::OnBrowserDestroyed(const rtl::TRef<ICefBrowser>& browser) {
  if (FOnBrowserDestroyed) FOnBrowserDestroyed(browser);
}

bool TVoraDRenderProcessHandler::OnBeforeNavigation(const rtl::TRef<ICefBrowser>& browser,
                                                    const rtl::TRef<ICefFrame>& frame,
                                                    const rtl::TRef<ICefRequest>& request,
                                                    cef_navigation_type_t navigation_type, bool is_redirect) {
  bool cancel = false;
  if (FOnBeforeNavigation) FOnBeforeNavigation(browser, frame, request, navigation_type, is_redirect, cancel);
  return cancel;
}

void TVoraDRenderProcessHandler::OnContextCreated(const rtl::TRef<ICefBrowser>& browser,
                                                  const rtl::TRef<ICefFrame>& frame,
                                                  const rtl::TRef<ICefv8Context>& context) {
  if (FOnContextCreated) FOnContextCreated(browser, frame, context);
}

void TVoraDRenderProcessHandler::OnContextReleased(const rtl::TRef<ICefBrowser>& browser,
                                                   const rtl::TRef<ICefFrame>& frame,
                                                   const rtl::TRef<ICefv8Context>& context) {
  if (FOnContextReleased) FOnContextReleased(browser, frame, context);
}

void TVoraDRenderProcessHandler::OnUncaughtException(const rtl::TRef<ICefBrowser>& browser,
                                                     const rtl::TRef<ICefFrame>& frame,
                                                     const rtl::TRef<ICefv8Context>& context,
                                                     const rtl::TRef<ICefV8Exception>& exception,
                                                     const rtl::TRef<ICefV8StackTrace>& stackTrace) {
  if (FOnUncaughtException) FOnUncaughtException(browser, frame, context, exception, stackTrace);
}

void TVoraDRenderProcessHandler::OnFocusedNodeChanged(const rtl::TRef<ICefBrowser>& browser,
                                                      const rtl::TRef<ICefFrame>& frame,
                                                      const rtl::TRef<ICefDomNode>& node) {
  if (FOnFocusedNodeChanged) FOnFocusedNodeChanged(browser, frame, node);
}

bool TVoraDRenderProcessHandler::OnProcessMessageReceived(const rtl::TRef<ICefBrowser>& browser,
                                                          cef_process_id_t source_process,
                                                          const rtl::TRef<ICefProcessMessage>& message) {
  bool handled = false;
  if (message) {
    const std::wstring name = message->GetName();
    const TRenderProcessMessageRoute* route = nullptr;
    if (name == kToRenderJsExtentionMessage) route = &GlobalHandleJsRequest;
    else if (name == kRunInRenderMessage) route = &GlobalHandleRunInRender;
    if (route && *route) {
      handled = true;
      // The message was ours even when its handling fails; the event still follows.
      try {
        (*route)(browser, message);
      } catch (...) {
        TCef3Helper::AdapterFailed("cef_render_process_handler_t.on_process_message_received",
                                   std::current_exception());
      }
    }
  }
  bool cancel = handled;
  if (FOnProcessMessageReceived) FOnProcessMessageReceived(browser, source_process, message, cancel);
  return cancel;
}
