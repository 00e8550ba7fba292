// Browser, browser host and frame structures, browser creation, and the routing of process
// messages between the two sides.
#include "Cef.Browser.h"

#include <atomic>
#include <map>
#include <vector>

#include "Cef.Download.h"
#include "Cef.ProcessMessage.h"
#include "Cef.Request.h"
#include "Cef.Threads.h"
#include "Cef.Trace.h"

namespace standin {

namespace {

// Browser process, UI thread.
std::map<int, std::shared_ptr<TBrowserState>>& Browsers() {
  static auto* m = new std::map<int, std::shared_ptr<TBrowserState>>();
  return *m;
}
std::atomic<int> gNextBrowserId{1};

// Render side, render thread (one render side per process, or the one render thread).
std::map<int, std::shared_ptr<TBrowserState>>& RenderBrowsers() {
  static auto* m = new std::map<int, std::shared_ptr<TBrowserState>>();
  return *m;
}

// ---- structures -------------------------------------------------------------------------------

class TFrameObj : public TCefObject<TFrameObj, cef_frame_t> {
public:
  explicit TFrameObj(std::shared_ptr<TBrowserState> state) : FState(std::move(state)) {
    auto& s = FStruct;
    s.is_valid = [](cef_frame_t* self) CALLBACK -> int { return From(self)->FState->closed ? 0 : 1; };
    s.undo = [](cef_frame_t*) CALLBACK {};
    s.redo = [](cef_frame_t*) CALLBACK {};
    s.cut = [](cef_frame_t*) CALLBACK {};
    s.copy = [](cef_frame_t*) CALLBACK {};
    s.paste = [](cef_frame_t*) CALLBACK {};
    s.del = [](cef_frame_t*) CALLBACK {};
    s.select_all = [](cef_frame_t*) CALLBACK {};
    s.view_source = [](cef_frame_t*) CALLBACK {};
    s.get_source = [](cef_frame_t*, cef_string_visitor_t* visitor) CALLBACK {
      auto held = TCRef<cef_string_visitor_t>::Adopt(visitor);
    };
    s.get_text = [](cef_frame_t*, cef_string_visitor_t* visitor) CALLBACK {
      auto held = TCRef<cef_string_visitor_t>::Adopt(visitor);
    };
    s.load_request = [](cef_frame_t* self, cef_request_t* request) CALLBACK {
      auto held = TCRef<cef_request_t>::Adopt(request);
      GuardVoid([&] {
        TRequestData d;
        if (RequestDataOf(request, d)) From(self)->OnUi([url = d.url](auto st) { PageLoad(st, url); });
      });
    };
    s.load_url = [](cef_frame_t* self, const cef_string_t* url) CALLBACK {
      GuardVoid([&] { From(self)->OnUi([u = ToW(url)](auto st) { PageLoad(st, u); }); });
    };
    s.load_string = [](cef_frame_t* self, const cef_string_t* html, const cef_string_t* url) CALLBACK {
      GuardVoid([&] { From(self)->OnUi([h = ToW(html), u = ToW(url)](auto st) { PageLoadString(st, h, u); }); });
    };
    s.execute_java_script = [](cef_frame_t* self, const cef_string_t* code, const cef_string_t* url, int line) CALLBACK {
      GuardVoid([&] {
        const auto& st = From(self)->FState;
        if (st->renderSide) {
          RenderPageExecute(st, ToW(code), ToW(url), line);
          return;
        }
        From(self)->OnUi([c = ToW(code), u = ToW(url), line](auto st) { PageExecute(st, c, u, line); });
      });
    };
    s.is_main = [](cef_frame_t*) CALLBACK -> int { return 1; };
    s.is_focused = [](cef_frame_t*) CALLBACK -> int { return 1; };
    s.get_name = [](cef_frame_t*) CALLBACK -> cef_string_userfree_t {
      return Guard<cef_string_userfree_t>(nullptr, [] { return NewUserFree(L""); });
    };
    s.get_identifier = [](cef_frame_t* self) CALLBACK -> int64_t { return From(self)->FState->MainFrameId(); };
    s.get_parent = [](cef_frame_t*) CALLBACK -> cef_frame_t* { return nullptr; };
    s.get_url = [](cef_frame_t* self) CALLBACK -> cef_string_userfree_t {
      return Guard<cef_string_userfree_t>(nullptr, [&] { return NewUserFree(From(self)->FState->Url()); });
    };
    s.get_browser = [](cef_frame_t* self) CALLBACK -> cef_browser_t* {
      return Guard<cef_browser_t*>(nullptr, [&] { return NewBrowserStruct(From(self)->FState); });
    };
    s.get_v8context = [](cef_frame_t* self) CALLBACK -> cef_v8context_t* {
      return Guard<cef_v8context_t*>(nullptr, [&]() -> cef_v8context_t* {
        // Script contexts live in the render process only.
        return From(self)->FState->renderSide ? RenderPageContext(From(self)->FState) : nullptr;
      });
    };
    s.visit_dom = [](cef_frame_t*, cef_domvisitor_t* visitor) CALLBACK {
      auto held = TCRef<cef_domvisitor_t>::Adopt(visitor);
    };
  }
  // Browser-side operations run on the UI thread; called from elsewhere they are posted there.
  template <class F>
  void OnUi(F&& f) {
    if (FState->renderSide) return;
    auto st = FState;
    if (cef_currently_on(TID_UI)) f(st);
    else PostTo(TID_UI, [st, f = std::forward<F>(f)] { f(st); });
  }
  std::shared_ptr<TBrowserState> FState;
};

// Runs a browser-side operation on the UI thread.
template <class F>
void BrowserOnUi(const std::shared_ptr<TBrowserState>& state, F&& f) {
  if (state->renderSide) return;
  if (cef_currently_on(TID_UI)) f(state);
  else PostTo(TID_UI, [state, f = std::forward<F>(f)] { f(state); });
}

class THostObj : public TCefObject<THostObj, cef_browser_host_t> {
public:
  explicit THostObj(std::shared_ptr<TBrowserState> state) : FState(std::move(state)) {
    auto& s = FStruct;
    s.get_browser = [](cef_browser_host_t* self) CALLBACK -> cef_browser_t* {
      return Guard<cef_browser_t*>(nullptr, [&] { return NewBrowserStruct(From(self)->FState); });
    };
    s.close_browser = [](cef_browser_host_t* self, int force) CALLBACK {
      GuardVoid([&] { BrowserOnUi(From(self)->FState, [force](auto st) { PageClose(st, force != 0); }); });
    };
    s.set_focus = [](cef_browser_host_t* self, int focus) CALLBACK {
      if (focus && From(self)->FState->window) SetFocus(From(self)->FState->window);
    };
    s.set_window_visibility = [](cef_browser_host_t* self, int visible) CALLBACK {
      if (From(self)->FState->window) ShowWindow(From(self)->FState->window, visible ? SW_SHOW : SW_HIDE);
    };
    s.get_window_handle = [](cef_browser_host_t* self) CALLBACK -> cef_window_handle_t { return From(self)->FState->window; };
    s.get_opener_window_handle = [](cef_browser_host_t*) CALLBACK -> cef_window_handle_t { return nullptr; };
    s.get_client = [](cef_browser_host_t* self) CALLBACK -> cef_client_t* { return From(self)->FState->client.Wrap(); };
    s.get_request_context = [](cef_browser_host_t*) CALLBACK -> cef_request_context_t* { return nullptr; };
    s.get_zoom_level = [](cef_browser_host_t* self) CALLBACK -> double { return From(self)->FState->zoomLevel; };
    s.set_zoom_level = [](cef_browser_host_t* self, double level) CALLBACK { From(self)->FState->zoomLevel = level; };
    s.run_file_dialog = [](cef_browser_host_t*, cef_file_dialog_mode_t, const cef_string_t*, const cef_string_t*,
                           cef_string_list_t, int, cef_run_file_dialog_callback_t* callback) CALLBACK {
      auto held = TCRef<cef_run_file_dialog_callback_t>::Adopt(callback);
    };
    s.start_download = [](cef_browser_host_t* self, const cef_string_t* url) CALLBACK {
      GuardVoid([&] { BrowserOnUi(From(self)->FState, [u = ToW(url)](auto st) { StartDownload(st, u, L"", L"", -1); }); });
    };
    s.print = [](cef_browser_host_t* self) CALLBACK { Trace("browser", L"print " + std::to_wstring(From(self)->FState->id)); };
    s.print_to_pdf = [](cef_browser_host_t*, const cef_string_t*, const cef_pdf_print_settings_t*,
                        cef_pdf_print_callback_t* callback) CALLBACK {
      auto held = TCRef<cef_pdf_print_callback_t>::Adopt(callback);
    };
    s.find = [](cef_browser_host_t*, int, const cef_string_t*, int, int, int) CALLBACK {};
    s.stop_finding = [](cef_browser_host_t*, int) CALLBACK {};
    s.show_dev_tools = [](cef_browser_host_t* self, const cef_window_info_t* info, cef_client_t* client,
                          const cef_browser_settings_t*, const cef_point_t*) CALLBACK {
      auto held = TCRef<cef_client_t>::Adopt(client);
      GuardVoid([&] {
        if (!cef_currently_on(TID_UI)) return;  // window information is borrowed: UI thread only
        PageShowDevTools(From(self)->FState, info, held);
      });
    };
    s.close_dev_tools = [](cef_browser_host_t* self) CALLBACK {
      GuardVoid([&] { BrowserOnUi(From(self)->FState, [](auto st) { PageCloseDevTools(st); }); });
    };
    s.get_navigation_entries = [](cef_browser_host_t*, cef_navigation_entry_visitor_t* visitor, int) CALLBACK {
      auto held = TCRef<cef_navigation_entry_visitor_t>::Adopt(visitor);
    };
    s.set_mouse_cursor_change_disabled = [](cef_browser_host_t* self, int disabled) CALLBACK {
      From(self)->FCursorChangeDisabled = disabled != 0;
    };
    s.is_mouse_cursor_change_disabled = [](cef_browser_host_t* self) CALLBACK -> int {
      return From(self)->FCursorChangeDisabled ? 1 : 0;
    };
    s.replace_misspelling = [](cef_browser_host_t*, const cef_string_t*) CALLBACK {};
    s.add_word_to_dictionary = [](cef_browser_host_t*, const cef_string_t*) CALLBACK {};
    s.is_window_rendering_disabled = [](cef_browser_host_t*) CALLBACK -> int { return 0; };
    s.was_resized = [](cef_browser_host_t*) CALLBACK {};
    s.was_hidden = [](cef_browser_host_t*, int) CALLBACK {};
    s.notify_screen_info_changed = [](cef_browser_host_t*) CALLBACK {};
    s.invalidate = [](cef_browser_host_t*, cef_paint_element_type_t) CALLBACK {};
    s.send_key_event = [](cef_browser_host_t*, const cef_key_event_t*) CALLBACK {};
    s.send_mouse_click_event = [](cef_browser_host_t*, const cef_mouse_event_t*, cef_mouse_button_type_t, int, int) CALLBACK {};
    s.send_mouse_move_event = [](cef_browser_host_t*, const cef_mouse_event_t*, int) CALLBACK {};
    s.send_mouse_wheel_event = [](cef_browser_host_t*, const cef_mouse_event_t*, int, int) CALLBACK {};
    s.send_focus_event = [](cef_browser_host_t*, int) CALLBACK {};
    s.send_capture_lost_event = [](cef_browser_host_t*) CALLBACK {};
    s.notify_move_or_resize_started = [](cef_browser_host_t*) CALLBACK {};
    s.get_windowless_frame_rate = [](cef_browser_host_t*) CALLBACK -> int { return 30; };
    s.set_windowless_frame_rate = [](cef_browser_host_t*, int) CALLBACK {};
    s.get_nstext_input_context = [](cef_browser_host_t*) CALLBACK -> cef_text_input_context_t { return nullptr; };
    s.handle_key_event_before_text_input_client = [](cef_browser_host_t*, cef_event_handle_t) CALLBACK {};
    s.handle_key_event_after_text_input_client = [](cef_browser_host_t*, cef_event_handle_t) CALLBACK {};
    s.drag_target_drag_enter = [](cef_browser_host_t*, cef_drag_data_t* data, const cef_mouse_event_t*,
                                  cef_drag_operations_mask_t) CALLBACK {
      auto held = TCRef<cef_drag_data_t>::Adopt(data);
    };
    s.drag_target_drag_over = [](cef_browser_host_t*, const cef_mouse_event_t*, cef_drag_operations_mask_t) CALLBACK {};
    s.drag_target_drag_leave = [](cef_browser_host_t*) CALLBACK {};
    s.drag_target_drop = [](cef_browser_host_t*, const cef_mouse_event_t*) CALLBACK {};
    s.drag_source_ended_at = [](cef_browser_host_t*, int, int, cef_drag_operations_mask_t) CALLBACK {};
    s.drag_source_system_drag_ended = [](cef_browser_host_t*) CALLBACK {};
  }
  std::shared_ptr<TBrowserState> FState;
  bool FCursorChangeDisabled = false;
};

bool SendMessageFromBrowserSide(const std::shared_ptr<TBrowserState>& st, cef_process_id_t target,
                                cef_process_message_t* message) {
  std::wstring name;
  std::shared_ptr<TListData> args;
  if (!ProcessMessageParts(message, name, args)) return false;
  const std::string frame = [&] {
    TFrameWriter w(st->renderSide ? TFrameKind::ToBrowserMessage : TFrameKind::ToRenderMessage);
    w.I32(st->id).Str(name).Value(ListValue(args));
    return w.Take();
  }();
  if (st->renderSide) {
    if (target != PID_BROWSER) return false;
    Trace("message", L"send " + name + L" to browser");
    return SendToBrowser(frame);
  }
  if (target != PID_RENDERER || !st->host || !st->host->Alive() || st->closed) return false;
  Trace("message", L"send " + name + L" to renderer");
  st->host->Send(frame);
  return true;
}

class TBrowserObj : public TCefObject<TBrowserObj, cef_browser_t> {
public:
  explicit TBrowserObj(std::shared_ptr<TBrowserState> state) : FState(std::move(state)) {
    auto& s = FStruct;
    s.get_host = [](cef_browser_t* self) CALLBACK -> cef_browser_host_t* {
      // The host exists in the browser process only.
      if (From(self)->FState->renderSide) return nullptr;
      return Guard<cef_browser_host_t*>(nullptr, [&] { return (new THostObj(From(self)->FState))->Struct(); });
    };
    s.can_go_back = [](cef_browser_t* self) CALLBACK -> int {
      std::lock_guard<std::mutex> l(From(self)->FState->lock);
      return From(self)->FState->canGoBack ? 1 : 0;
    };
    s.go_back = [](cef_browser_t* self) CALLBACK {
      GuardVoid([&] { BrowserOnUi(From(self)->FState, [](auto st) { PageGo(st, -1); }); });
    };
    s.can_go_forward = [](cef_browser_t* self) CALLBACK -> int {
      std::lock_guard<std::mutex> l(From(self)->FState->lock);
      return From(self)->FState->canGoForward ? 1 : 0;
    };
    s.go_forward = [](cef_browser_t* self) CALLBACK {
      GuardVoid([&] { BrowserOnUi(From(self)->FState, [](auto st) { PageGo(st, 1); }); });
    };
    s.is_loading = [](cef_browser_t* self) CALLBACK -> int {
      std::lock_guard<std::mutex> l(From(self)->FState->lock);
      return From(self)->FState->loading ? 1 : 0;
    };
    s.reload = [](cef_browser_t* self) CALLBACK {
      GuardVoid([&] { BrowserOnUi(From(self)->FState, [](auto st) { PageReload(st); }); });
    };
    s.reload_ignore_cache = [](cef_browser_t* self) CALLBACK {
      GuardVoid([&] { BrowserOnUi(From(self)->FState, [](auto st) { PageReload(st); }); });
    };
    s.stop_load = [](cef_browser_t* self) CALLBACK {
      GuardVoid([&] { BrowserOnUi(From(self)->FState, [](auto st) { PageStop(st); }); });
    };
    s.get_identifier = [](cef_browser_t* self) CALLBACK -> int { return From(self)->FState->id; };
    s.is_same = [](cef_browser_t* self, cef_browser_t* that) CALLBACK -> int {
      auto held = TCRef<cef_browser_t>::Adopt(that);
      TBrowserObj* o = From(that);
      return o && o->FState == From(self)->FState ? 1 : 0;
    };
    s.is_popup = [](cef_browser_t* self) CALLBACK -> int { return From(self)->FState->popup ? 1 : 0; };
    s.has_document = [](cef_browser_t* self) CALLBACK -> int {
      std::lock_guard<std::mutex> l(From(self)->FState->lock);
      return From(self)->FState->hasDocument ? 1 : 0;
    };
    s.get_main_frame = [](cef_browser_t* self) CALLBACK -> cef_frame_t* {
      return Guard<cef_frame_t*>(nullptr, [&] { return NewFrameStruct(From(self)->FState); });
    };
    s.get_focused_frame = [](cef_browser_t* self) CALLBACK -> cef_frame_t* {
      return Guard<cef_frame_t*>(nullptr, [&] { return NewFrameStruct(From(self)->FState); });
    };
    s.get_frame_byident = [](cef_browser_t* self, int64_t ident) CALLBACK -> cef_frame_t* {
      return Guard<cef_frame_t*>(nullptr, [&]() -> cef_frame_t* {
        return ident == From(self)->FState->MainFrameId() ? NewFrameStruct(From(self)->FState) : nullptr;
      });
    };
    s.get_frame = [](cef_browser_t* self, const cef_string_t* name) CALLBACK -> cef_frame_t* {
      return Guard<cef_frame_t*>(nullptr, [&]() -> cef_frame_t* {
        // Only the main frame exists; it has the empty name.
        return ToW(name).empty() ? NewFrameStruct(From(self)->FState) : nullptr;
      });
    };
    s.get_frame_count = [](cef_browser_t*) CALLBACK -> size_t { return 1; };
    s.get_frame_identifiers = [](cef_browser_t* self, size_t* count, int64_t* identifiers) CALLBACK {
      if (!count) return;
      if (*count >= 1 && identifiers) {
        identifiers[0] = From(self)->FState->MainFrameId();
        *count = 1;
      } else {
        *count = 0;
      }
    };
    s.get_frame_names = [](cef_browser_t*, cef_string_list_t names) CALLBACK {
      GuardVoid([&] {
        cef_string_t empty{};
        if (names) cef_string_list_append(names, &empty);
      });
    };
    s.send_process_message = [](cef_browser_t* self, cef_process_id_t target, cef_process_message_t* message) CALLBACK -> int {
      auto held = TCRef<cef_process_message_t>::Adopt(message);
      return Guard(0, [&] { return SendMessageFromBrowserSide(From(self)->FState, target, message) ? 1 : 0; });
    };
  }
  std::shared_ptr<TBrowserState> FState;
};

}  // namespace

cef_browser_t* NewBrowserStruct(const std::shared_ptr<TBrowserState>& state) {
  return (new TBrowserObj(state))->Struct();
}
cef_frame_t* NewFrameStruct(const std::shared_ptr<TBrowserState>& state) { return (new TFrameObj(state))->Struct(); }
std::shared_ptr<TBrowserState> BrowserStateOf(cef_browser_t* browser) {
  TBrowserObj* b = TBrowserObj::From(browser);
  return b ? b->FState : nullptr;
}

void RegisterBrowser(const std::shared_ptr<TBrowserState>& st) { Browsers()[st->id] = st; }
int NextBrowserId() { return gNextBrowserId++; }
int NextBrowserIdPeek() { return gNextBrowserId.load(); }
void ForgetBrowser(int id) { Browsers().erase(id); }

std::shared_ptr<TBrowserState> FindBrowser(int id) {
  auto it = Browsers().find(id);
  return it == Browsers().end() ? nullptr : it->second;
}
std::shared_ptr<TBrowserState> FindRenderBrowser(int id) {
  auto it = RenderBrowsers().find(id);
  return it == RenderBrowsers().end() ? nullptr : it->second;
}

void OnFrameFromRender(const std::shared_ptr<TRenderHost>& host, const std::string& frame) {
  (void)host;
  TFrameReader r(frame);
  switch (r.Kind()) {
    case TFrameKind::ToBrowserMessage: {
      const int id = r.I32();
      const std::wstring name = r.Str();
      TValueData args = r.Value();
      if (!r.Ok()) return;
      auto st = FindBrowser(id);
      if (!st || st->closed) return;
      Trace("message", L"received " + name + L" from renderer");
      if (STANDIN_HAS(st->client.Get(), on_process_message_received)) {
        st->client->on_process_message_received(st->client.Get(), NewBrowserStruct(st), PID_RENDERER,
                                                NewProcessMessage(name, args.list, true));
      }
      break;
    }
    case TFrameKind::DocumentReady:
    case TFrameKind::ConsoleMessage:
    case TFrameKind::DialogRequest:
    case TFrameKind::TitleChange:
    case TFrameKind::OpenWindow:
    case TFrameKind::CloseWindow:
    case TFrameKind::BeforeUnloadReply:
    case TFrameKind::DisplayList:
    case TFrameKind::FollowLink:
    case TFrameKind::TakeFocus: {
      auto st = FindBrowser(r.I32());
      if (st && !st->closed && r.Ok()) PageFrameFromRender(st, r.Kind(), r);
      break;
    }
    default: break;
  }
}

void OnRenderHostGone(const std::shared_ptr<TRenderHost>& host, bool expected) {
  if (expected) return;
  std::vector<std::shared_ptr<TBrowserState>> affected;
  for (auto& [id, st] : Browsers())
    if (st->host == host && !st->closed) affected.push_back(st);
  for (auto& st : affected) {
    auto handler = HandlerOf(st->client, &cef_client_t::get_request_handler);
    if (STANDIN_HAS(handler.Get(), on_render_process_terminated)) {
      Trace("callback", std::string("on_render_process_terminated"));
      handler->on_render_process_terminated(handler.Get(), NewBrowserStruct(st), TS_PROCESS_CRASHED);
    }
  }
}

void CloseAllBrowsers() {
  std::vector<std::shared_ptr<TBrowserState>> all;
  for (auto& [id, st] : Browsers()) all.push_back(st);
  for (auto& st : all) DestroyBrowser(st);
  Browsers().clear();
}

void OnFrameFromBrowser(const std::string& frame) {
  TFrameReader r(frame);
  auto handler = RenderProcessHandler();
  switch (r.Kind()) {
    case TFrameKind::BrowserCreated: {
      auto st = std::make_shared<TBrowserState>();
      st->renderSide = true;
      st->id = r.I32();
      st->popup = r.U32() != 0;
      st->url = r.Str();
      if (!r.Ok()) return;
      RenderBrowsers()[st->id] = st;
      if (STANDIN_HAS(handler.Get(), on_browser_created)) {
        Trace("callback", std::string("on_browser_created"));
        handler->on_browser_created(handler.Get(), NewBrowserStruct(st));
      }
      break;
    }
    case TFrameKind::BrowserDestroyed: {
      auto st = FindRenderBrowser(r.I32());
      if (!st) return;
      RenderPageGone(st);
      st->closed = true;
      if (STANDIN_HAS(handler.Get(), on_browser_destroyed)) {
        Trace("callback", std::string("on_browser_destroyed"));
        handler->on_browser_destroyed(handler.Get(), NewBrowserStruct(st));
      }
      RenderBrowsers().erase(st->id);
      break;
    }
    case TFrameKind::ToRenderMessage: {
      const int id = r.I32();
      const std::wstring name = r.Str();
      TValueData args = r.Value();
      auto st = r.Ok() ? FindRenderBrowser(id) : nullptr;
      if (!st) return;
      Trace("message", L"received " + name + L" from browser");
      if (STANDIN_HAS(handler.Get(), on_process_message_received)) {
        handler->on_process_message_received(handler.Get(), NewBrowserStruct(st), PID_BROWSER,
                                             NewProcessMessage(name, args.list, true));
      }
      break;
    }
    case TFrameKind::Navigate:
    case TFrameKind::ExecuteScript:
    case TFrameKind::BeforeUnload:
    case TFrameKind::Viewport:
    case TFrameKind::MouseInput:
    case TFrameKind::KeyInput: {
      // A script waiting for a dialog runs in the current document: a new one, or more script,
      // waits until the dialog was answered.
      if (RenderDialogOpen()) {
        PostTo(TID_RENDERER, [frame] { OnFrameFromBrowser(frame); }, 20);
        return;
      }
      auto st = FindRenderBrowser(r.I32());
      if (st && r.Ok()) RenderPageFrame(st, r.Kind(), r);
      break;
    }
    case TFrameKind::DialogReply: RenderDialogReply(r); break;
    default: break;
  }
}

void RenderSideEnding() {
  for (auto& [id, st] : RenderBrowsers()) {
    RenderPageGone(st);
    st->closed = true;
  }
  RenderBrowsers().clear();
}

}  // namespace standin

using namespace standin;

extern "C" {

int cef_browser_host_create_browser(const cef_window_info_t* windowInfo, cef_client_t* client, const cef_string_t* url,
                                    const cef_browser_settings_t* settings, cef_request_context_t* request_context) {
  (void)settings;
  auto clientRef = TCRef<cef_client_t>::Adopt(client);
  auto ctx = TCRef<cef_request_context_t>::Adopt(request_context);
  return Guard(0, [&] {
    if (!BrowserSideUp()) return 0;
    // The window information and URL are copied now; the browser is made on the UI thread.
    auto info = std::make_shared<cef_window_info_t>();
    std::wstring windowName;
    if (windowInfo) {
      *info = *windowInfo;
      windowName = ToW(&windowInfo->window_name);
    }
    const bool hasInfo = windowInfo != nullptr;
    const std::wstring address = ToW(url);
    return PostTo(TID_UI, [info, windowName, hasInfo, address, clientRef] {
      cef_window_info_t copy = *info;
      copy.window_name = ViewOf(windowName);
      cef_browser_t* b = CreateBrowserOnUi(hasInfo ? &copy : nullptr, clientRef, address, false);
      if (b) b->base.release(&b->base);
    }) ? 1 : 0;
  });
}

cef_browser_t* cef_browser_host_create_browser_sync(const cef_window_info_t* windowInfo, cef_client_t* client,
                                                    const cef_string_t* url, const cef_browser_settings_t* settings,
                                                    cef_request_context_t* request_context) {
  (void)settings;
  auto clientRef = TCRef<cef_client_t>::Adopt(client);
  auto ctx = TCRef<cef_request_context_t>::Adopt(request_context);
  return Guard<cef_browser_t*>(nullptr, [&] { return CreateBrowserOnUi(windowInfo, clientRef, ToW(url), false); });
}

}  // extern "C"
