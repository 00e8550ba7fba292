// Pages on the render side: one script context per committed document, its scripts run in
// document order, then DOMContentLoaded and load, then the browser side hears DocumentReady.
// The page's requests (console, dialogs, title, window.open/close) go to the browser process.
#include <map>
#include <memory>
#include <utility>

#include "Cef.Browser.h"
#include "Cef.Dom.h"
#include "Cef.PageView.h"
#include "Cef.Parse.h"
#include "Cef.Threads.h"
#include "Cef.Trace.h"
#include "script/ScriptHost.h"

namespace standin {

namespace {

struct TDialogAnswer {
  bool done = false;
  bool ok = false;
  std::wstring text;
};
std::map<std::uint32_t, TDialogAnswer>& Dialogs() {
  static auto* m = new std::map<std::uint32_t, TDialogAnswer>();
  return *m;
}
std::uint32_t gNextDialog = 1;
int gDialogDepth = 0;

void ScheduleLayout(int id);

class TPageHost : public script::IScriptHost {
public:
  TPageHost(std::shared_ptr<TBrowserState> st, std::wstring url, std::wstring html)
      : FState(std::move(st)), FUrl(std::move(url)), FHtml(std::move(html)) {}

  void PostDelayed(std::function<void()> task, int64_t delayMs) override {
    if (auto q = QueueFor(TID_RENDERER)) q->Post(std::move(task), delayMs);
  }
  void Trace(const std::wstring& line) override {
    const size_t space = line.find(L' ');
    standin::Trace(ToUtf8(line.substr(0, space)).c_str(), space == std::wstring::npos ? L"" : line.substr(space + 1));
  }
  void Console(script::TConsoleLevel level, const std::wstring& message, const std::wstring& source, int line) override {
    SendToBrowser(TFrameWriter(TFrameKind::ConsoleMessage)
                      .I32(FState->id)
                      .U32(static_cast<std::uint32_t>(level))
                      .Str(message)
                      .Str(source)
                      .I32(line)
                      .Take());
  }
  script::TDialogResult Dialog(script::TDialogKind kind, const std::wstring& message,
                               const std::wstring& defaultText) override {
    const std::uint32_t id = gNextDialog++;
    Dialogs()[id] = TDialogAnswer{};
    script::TDialogResult result;
    if (SendToBrowser(TFrameWriter(TFrameKind::DialogRequest)
                          .I32(FState->id)
                          .U32(id)
                          .U32(static_cast<std::uint32_t>(kind))
                          .Str(message)
                          .Str(defaultText)
                          .Str(FUrl)
                          .Take())) {
      // The script waits for the answer; the render thread keeps serving its other work.
      ++gDialogDepth;
      RunRenderLoopUntil([id] { return Dialogs()[id].done; });
      --gDialogDepth;
      const TDialogAnswer& a = Dialogs()[id];
      result.ok = a.ok;
      result.text = a.text;
    }
    Dialogs().erase(id);
    return result;
  }
  bool OpenWindow(const std::wstring& url, const std::wstring& name, const script::TWindowFeatures& f) override {
    return SendToBrowser(TFrameWriter(TFrameKind::OpenWindow)
                             .I32(FState->id)
                             .Str(url.empty() ? L"about:blank" : ResolveUrl(FUrl, url))
                             .Str(name)
                             .Str(f.text)
                             .I32(f.x)
                             .I32(f.xSet)
                             .I32(f.y)
                             .I32(f.ySet)
                             .I32(f.width)
                             .I32(f.widthSet)
                             .I32(f.height)
                             .I32(f.heightSet)
                             .Take());
  }
  void CloseWindow() override { SendToBrowser(TFrameWriter(TFrameKind::CloseWindow).I32(FState->id).Take()); }
  void SetTitle(const std::wstring& title) override {
    SendToBrowser(TFrameWriter(TFrameKind::TitleChange).I32(FState->id).Str(title).Take());
  }
  void UncaughtException(cef_v8context_t* context, cef_v8exception_t* exception, cef_v8stack_trace_t* stackTrace) override {
    auto handler = RenderProcessHandler();
    if (!STANDIN_HAS(handler.Get(), on_uncaught_exception)) return;
    auto add = [](auto* p) {
      if (p) p->base.add_ref(&p->base);
      return p;
    };
    handler->on_uncaught_exception(handler.Get(), NewBrowserStruct(FState), NewFrameStruct(FState), add(context),
                                   add(exception), add(stackTrace));
  }
  std::wstring Url() override { return FUrl; }
  std::wstring DocumentHtml() override { return std::exchange(FHtml, std::wstring()); }
  bool ParseHtml(const std::wstring& html, bool fragment, TDomNode& out) override {
    out = fragment ? ParseFragment(html) : ParseDocument(html);
    return true;
  }
  std::wstring ResolveLink(const std::wstring& url) override { return ResolveUrl(FUrl, url); }
  void DocumentChanged() override {
    if (FLayoutDue) return;
    FLayoutDue = true;
    ScheduleLayout(FState->id);
  }
  // Set from the first change until the layout took it: one layout per task, however many changes.
  bool FLayoutDue = false;
  cef_browser_t* Browser() override { return NewBrowserStruct(FState); }
  cef_frame_t* Frame() override { return NewFrameStruct(FState); }
  cef_task_runner_t* TaskRunner() override { return NewTaskRunner(TID_RENDERER); }

private:
  std::shared_ptr<TBrowserState> FState;
  std::wstring FUrl;
  std::wstring FHtml;  // until the context built its tree from it
};

struct TRenderPage {
  std::unique_ptr<TPageHost> host;
  cef_v8context_t* context = nullptr;  // one reference
  unsigned seq = 0;                    // the browser side's load sequence of the document
  TLayout layout;                      // as last painted
};
std::map<int, TRenderPage>& Pages() {
  static auto* m = new std::map<int, TRenderPage>();
  return *m;
}

// The page windows' client sizes, by browser id.
std::map<int, std::pair<int, int>>& Viewports() {
  static auto* m = new std::map<int, std::pair<int, int>>();
  return *m;
}

// For tests that act on a page as a person would: where its named and focusable elements are,
// with the start of their text ("layout button#pause 10 20 60 24 Pause").
void TraceLayout(const TDomNode& root, const TLayout& layout) {
  std::map<int, const THitBox*> boxes;
  for (const auto& b : layout.boxes) boxes.emplace(b.key, &b);
  std::vector<const TDomNode*> stack = {&root};
  while (!stack.empty()) {
    const TDomNode* n = stack.back();
    stack.pop_back();
    if (n->text) continue;
    for (auto it = n->children.rbegin(); it != n->children.rend(); ++it) stack.push_back(&*it);
    const std::wstring id = n->AttrOr(L"id");
    const bool control = n->tag == L"button" || n->tag == L"input" || n->tag == L"a";
    auto box = boxes.find(n->key);
    if ((id.empty() && !control) || box == boxes.end()) continue;
    std::wstring text = n->tag == L"input" ? n->value : std::wstring();
    std::vector<const TDomNode*> inner = {n};
    while (!inner.empty() && text.size() < 60) {
      const TDomNode* t = inner.back();
      inner.pop_back();
      if (t->text) text += t->data;
      for (auto it = t->children.rbegin(); it != t->children.rend(); ++it) inner.push_back(&*it);
    }
    for (auto& c : text)
      if (c == L'\n' || c == L'\r' || c == L'\t') c = L' ';
    const THitBox& b = *box->second;
    Trace("layout", n->tag + (id.empty() ? L"" : L"#" + id) + L" " + std::to_wstring(b.x) + L" " + std::to_wstring(b.y) +
                        L" " + std::to_wstring(b.w) + L" " + std::to_wstring(b.h) + L" " + text.substr(0, 60));
  }
}

// Lays the page out now if its document changed since, and sends the display list.
void LayOut(int id) {
  auto it = Pages().find(id);
  if (it == Pages().end() || !it->second.context || !it->second.host->FLayoutDue) return;
  TRenderPage& page = it->second;
  page.host->FLayoutDue = false;
  TDomNode root;
  if (!script::SnapshotDocument(page.context, root)) return;
  auto vp = Viewports().find(id);
  const int width = vp != Viewports().end() && vp->second.first > 0 ? vp->second.first : 800;
  static TGdiMeasure* measure = new TGdiMeasure();  // the render thread's
  page.layout = LayoutDocument(root, width, *measure);
  if (TraceEnabled()) TraceLayout(root, page.layout);
  std::string wire;
  EncodeDisplayList(page.layout.list, wire);
  SendToBrowser(TFrameWriter(TFrameKind::DisplayList).I32(id).U32(page.seq).Bytes(wire).Take());
}

void ScheduleLayout(int id) {
  if (auto q = QueueFor(TID_RENDERER)) q->Post([id] { GuardVoid([id] { LayOut(id); }); }, 0);
}

// A click or key on the render side: the page's context held for the call, a fresh layout.
cef_v8context_t* InputContext(int id) {
  auto it = Pages().find(id);
  if (it == Pages().end() || !it->second.context) return nullptr;
  LayOut(id);
  it = Pages().find(id);
  if (it == Pages().end() || !it->second.context) return nullptr;
  it->second.context->base.add_ref(&it->second.context->base);
  return it->second.context;
}

void Mouse(const std::shared_ptr<TBrowserState>& st, bool press, int x, int y) {
  cef_v8context_t* context = InputContext(st->id);
  if (!context) return;
  const int key = HitTest(Pages()[st->id].layout.boxes, x, y);
  const std::wstring link =
      script::DispatchMouse(context, key, press ? script::TMouseKind::Down : script::TMouseKind::Up, x, y);
  if (!link.empty()) SendToBrowser(TFrameWriter(TFrameKind::FollowLink).I32(st->id).Str(link).Take());
  context->base.release(&context->base);
}

void Key(const std::shared_ptr<TBrowserState>& st, script::TKeyKind kind, int code, bool shift) {
  cef_v8context_t* context = InputContext(st->id);
  if (!context) {  // no document to take it: Tab leaves the page
    if (kind == script::TKeyKind::Down && code == VK_TAB)
      SendToBrowser(TFrameWriter(TFrameKind::TakeFocus).I32(st->id).U32(shift ? 0 : 1).Take());
    return;
  }
  if (script::DispatchKey(context, kind, code, shift) == script::TKeyResult::Tab) {
    // Focus moves in the order of the page as it is now laid out.
    context->base.release(&context->base);
    context = InputContext(st->id);
    if (!context) return;
    const TLayout& layout = Pages()[st->id].layout;
    const int next = NextFocus(layout.focusOrder, layout.focused, !shift);
    script::FocusKey(context, next);
    if (next < 0) SendToBrowser(TFrameWriter(TFrameKind::TakeFocus).I32(st->id).U32(shift ? 0 : 1).Take());
  }
  context->base.release(&context->base);
}

void ReleasePage(const std::shared_ptr<TBrowserState>& st) {
  auto it = Pages().find(st->id);
  if (it == Pages().end()) return;
  TRenderPage page = std::move(it->second);
  Pages().erase(it);
  if (!page.context) return;
  GuardVoid([&] { script::FireEvent(page.context, false, L"unload"); });
  auto handler = RenderProcessHandler();
  if (STANDIN_HAS(handler.Get(), on_context_released)) {
    page.context->base.add_ref(&page.context->base);
    handler->on_context_released(handler.Get(), NewBrowserStruct(st), NewFrameStruct(st), page.context);
  }
  script::ReleaseContext(page.context);
  page.context->base.release(&page.context->base);
}

}  // namespace

void RenderPageFrame(const std::shared_ptr<TBrowserState>& st, TFrameKind kind, TFrameReader& r) {
  if (kind == TFrameKind::ExecuteScript) {
    const std::wstring code = r.Str(), url = r.Str();
    const int line = r.I32();
    if (r.Ok()) RenderPageExecute(st, code, url, line);
    return;
  }
  if (kind == TFrameKind::BeforeUnload) {
    const std::uint32_t request = r.U32();
    if (!r.Ok()) return;
    std::wstring message;
    bool ask = false;
    auto it = Pages().find(st->id);
    if (it != Pages().end() && it->second.context) {
      cef_v8context_t* context = it->second.context;
      context->base.add_ref(&context->base);
      ask = script::AskBeforeUnload(context, message);
      context->base.release(&context->base);
    }
    SendToBrowser(
        TFrameWriter(TFrameKind::BeforeUnloadReply).I32(st->id).U32(request).U32(ask ? 1 : 0).Str(message).Take());
    return;
  }
  if (kind == TFrameKind::Viewport) {
    const int w = r.I32(), h = r.I32();
    if (!r.Ok()) return;
    const auto old = Viewports()[st->id];
    Viewports()[st->id] = {w, h};
    auto it = Pages().find(st->id);
    if (old.first != w && it != Pages().end() && it->second.host) {
      it->second.host->FLayoutDue = false;
      it->second.host->DocumentChanged();
    }
    return;
  }
  if (kind == TFrameKind::MouseInput) {
    const bool press = r.U32() == 0;
    const int x = r.I32(), y = r.I32();
    if (r.Ok()) Mouse(st, press, x, y);
    return;
  }
  if (kind == TFrameKind::KeyInput) {
    const std::uint32_t k = r.U32();
    const int code = r.I32();
    const bool shift = r.U32() != 0;
    if (r.Ok() && k <= 2) Key(st, static_cast<script::TKeyKind>(k), code, shift);
    return;
  }
  if (kind != TFrameKind::Navigate) return;
  const unsigned seq = r.U32();
  const std::wstring url = r.Str();
  std::wstring html = r.Str();  // its scripts come separately, in order
  const std::uint32_t n = r.U32();
  std::vector<std::tuple<std::wstring, std::wstring, int>> scripts;
  for (std::uint32_t i = 0; i < n && r.Ok(); ++i) {
    std::wstring su = r.Str(), code = r.Str();
    const int line = r.I32();
    scripts.emplace_back(std::move(su), std::move(code), line);
  }
  if (!r.Ok()) return;
  ReleasePage(st);
  {
    std::lock_guard<std::mutex> l(st->lock);
    st->url = url;
    st->hasDocument = true;
  }
  TRenderPage page;
  page.seq = seq;
  page.host = std::make_unique<TPageHost>(st, url, std::move(html));
  page.context = script::CreateContext(page.host.get());
  Trace("script", L"context for " + url);
  cef_v8context_t* context = page.context;
  Pages()[st->id] = std::move(page);
  if (context) {
    auto handler = RenderProcessHandler();
    if (STANDIN_HAS(handler.Get(), on_context_created)) {
      context->base.add_ref(&context->base);
      Trace("callback", std::string("on_context_created"));
      handler->on_context_created(handler.Get(), NewBrowserStruct(st), NewFrameStruct(st), context);
    }
    for (const auto& [src, code, line] : scripts) {
      // A page that went away meanwhile (a dialog ran the loop) stops running.
      if (Pages().find(st->id) == Pages().end() || Pages()[st->id].context != context) return;
      script::RunScript(context, code, src, line);
    }
    if (Pages().find(st->id) != Pages().end() && Pages()[st->id].context == context) {
      script::FireEvent(context, true, L"DOMContentLoaded");
      script::FireEvent(context, false, L"load");
    }
  }
  SendToBrowser(TFrameWriter(TFrameKind::DocumentReady).I32(st->id).U32(seq).Take());
}

void RenderDialogReply(TFrameReader& r) {
  const std::uint32_t id = r.U32();
  const bool ok = r.U32() != 0;
  const std::wstring text = r.Str();
  auto it = Dialogs().find(id);
  if (!r.Ok() || it == Dialogs().end()) return;
  it->second = TDialogAnswer{true, ok, text};
}

cef_v8context_t* RenderPageContext(const std::shared_ptr<TBrowserState>& st) {
  auto it = Pages().find(st->id);
  if (it == Pages().end() || !it->second.context) return nullptr;
  it->second.context->base.add_ref(&it->second.context->base);
  return it->second.context;
}

void RenderPageExecute(const std::shared_ptr<TBrowserState>& st, const std::wstring& code, const std::wstring& url,
                       int line) {
  auto it = Pages().find(st->id);
  if (it == Pages().end() || !it->second.context) return;
  cef_v8context_t* context = it->second.context;
  context->base.add_ref(&context->base);
  script::RunScript(context, code, url, line);
  context->base.release(&context->base);
}

void RenderPageGone(const std::shared_ptr<TBrowserState>& st) {
  ReleasePage(st);
  Viewports().erase(st->id);
}

bool RenderDialogOpen() { return gDialogDepth > 0; }

}  // namespace standin
