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
  TRegExtentionParArray old;  // declared first, so the handlers and values go after the unlock
  TRegistrationList& list = Registrations();
  std::lock_guard<std::mutex> guard(list.lock);
  old.swap(list.items);
}

// ---- TVoraDRenderProcessHandler

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
