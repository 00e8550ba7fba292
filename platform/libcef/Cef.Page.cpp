// Pages in the browser process: the page window, loading (fetch on the IO thread, commit on the
// UI thread), history, closing, popups, developer tools, and what the render side reports about
// the page. Load callbacks come on the UI thread in this order: loading state, load start,
// address, title, favicon URLs, then load end (after the page's script ran) and loading state;
// or loading state, load error, loading state.
#include <functional>
#include <memory>

#include "Cef.Browser.h"
#include "Cef.Download.h"
#include "Cef.Fetch.h"
#include "Cef.Html.h"
#include "Cef.Input.h"
#include "Cef.PageFetch.h"
#include "Cef.PageView.h"
#include "Cef.Parse.h"
#include "Cef.Request.h"
#include "Cef.Threads.h"
#include "Cef.Trace.h"
#include "rtl/WindowClass.h"

namespace standin {

namespace {

const wchar_t kPageWindowClass[] = L"StandInCefPage";
const wchar_t kBrowserIdProp[] = L"StandInCefBrowserId";

std::wstring ErrorName(cef_errorcode_t e) {
  switch (e) {
    case ERR_ABORTED: return L"net::ERR_ABORTED";
    case ERR_FILE_NOT_FOUND: return L"net::ERR_FILE_NOT_FOUND";
    case ERR_TIMED_OUT: return L"net::ERR_TIMED_OUT";
    case ERR_ACCESS_DENIED: return L"net::ERR_ACCESS_DENIED";
    case ERR_CONNECTION_REFUSED: return L"net::ERR_CONNECTION_REFUSED";
    case ERR_CONNECTION_RESET: return L"net::ERR_CONNECTION_RESET";
    case ERR_NAME_NOT_RESOLVED: return L"net::ERR_NAME_NOT_RESOLVED";
    case ERR_INVALID_URL: return L"net::ERR_INVALID_URL";
    case ERR_UNKNOWN_URL_SCHEME: return L"net::ERR_UNKNOWN_URL_SCHEME";
    case ERR_TOO_MANY_REDIRECTS: return L"net::ERR_TOO_MANY_REDIRECTS";
    case ERR_INVALID_RESPONSE: return L"net::ERR_INVALID_RESPONSE";
    case ERR_SSL_PROTOCOL_ERROR: return L"net::ERR_SSL_PROTOCOL_ERROR";
    case ERR_CERT_COMMON_NAME_INVALID: return L"net::ERR_CERT_COMMON_NAME_INVALID";
    case ERR_CERT_DATE_INVALID: return L"net::ERR_CERT_DATE_INVALID";
    case ERR_CERT_AUTHORITY_INVALID: return L"net::ERR_CERT_AUTHORITY_INVALID";
    case ERR_CERT_UNABLE_TO_CHECK_REVOCATION: return L"net::ERR_CERT_UNABLE_TO_CHECK_REVOCATION";
    case ERR_CERT_REVOKED: return L"net::ERR_CERT_REVOKED";
    case ERR_CERT_INVALID: return L"net::ERR_CERT_INVALID";
    default: return L"net::ERR_FAILED";
  }
}

// ---- the page window -----------------------------------------------------------------------------

std::shared_ptr<TBrowserState> BrowserOfWindow(HWND hwnd) {
  auto st = FindBrowser(static_cast<int>(reinterpret_cast<intptr_t>(GetPropW(hwnd, kBrowserIdProp))));
  return st && !st->closed ? st : nullptr;
}

LRESULT CALLBACK PageWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      PageViewPaint(FindBrowser(static_cast<int>(reinterpret_cast<intptr_t>(GetPropW(hwnd, kBrowserIdProp)))), hwnd);
      return 0;
    case WM_SIZE:
      if (auto st = BrowserOfWindow(hwnd)) GuardVoid([&] { PageViewSize(st); });
      return 0;
    case WM_MOUSEWHEEL:
    case WM_VSCROLL:
      if (auto st = BrowserOfWindow(hwnd)) GuardVoid([&] { PageViewScroll(st, msg, wp); });
      return 0;
    case WM_ERASEBKGND: return 1;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR: {
      bool consumed = false;
      if (auto st = BrowserOfWindow(hwnd)) GuardVoid([&] { consumed = PageKey(st, hwnd, msg, wp, lp); });
      return consumed || (msg != WM_SYSKEYDOWN && msg != WM_SYSKEYUP && msg != WM_SYSCHAR) ? 0 : DefWindowProcW(hwnd, msg, wp, lp);
    }
    case WM_SETFOCUS:
      if (auto st = BrowserOfWindow(hwnd)) GuardVoid([&] { PageGotFocus(st); });
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      if (msg == WM_LBUTTONDOWN) SetFocus(hwnd);
      if (auto st = BrowserOfWindow(hwnd)) GuardVoid([&] { PageViewMouse(st, msg, lp); });
      return 0;
    case WM_RBUTTONDOWN:
      SetFocus(hwnd);
      return 0;
    case WM_RBUTTONUP:
      if (auto st = BrowserOfWindow(hwnd))
        GuardVoid([&] { PageContextMenu(st, hwnd, static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))); });
      return 0;
    case WM_DESTROY: {
      // The window went with its parent: the browser closes with it.
      const int id = static_cast<int>(reinterpret_cast<intptr_t>(RemovePropW(hwnd, kBrowserIdProp)));
      if (auto st = FindBrowser(id)) {
        st->window = nullptr;
        if (!st->closed) GuardVoid([&] { DestroyBrowser(st); });
      }
      return 0;
    }
    default: return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

HWND CreatePageWindow(const cef_window_info_t* info, int id, const std::wstring& fallbackTitle) {
  static const bool registered = rtl::RegisterWindowClass(
      {.Name = kPageWindowClass, .Proc = &PageWindowProc, .Cursor = LoadCursorW(nullptr, IDC_ARROW)});
  (void)registered;
  if (!info) return nullptr;
  std::wstring title = ToW(&info->window_name);
  if (title.empty()) title = fallbackTitle;
  DWORD style = info->style;
  if (info->parent_window) style |= WS_CHILD;
  if (!style) style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
  const bool child = (style & WS_CHILD) != 0;
  const int x = child || info->x ? info->x : CW_USEDEFAULT;
  const int y = child || info->y ? info->y : CW_USEDEFAULT;
  const int w = info->width > 0 ? info->width : (child ? 0 : CW_USEDEFAULT);
  const int h = info->height > 0 ? info->height : (child ? 0 : CW_USEDEFAULT);
  HWND hwnd = CreateWindowExW(info->ex_style, kPageWindowClass, title.c_str(), style, x, y, w, h, info->parent_window,
                              child ? nullptr : info->menu, GetModuleHandleW(nullptr), nullptr);
  if (hwnd) SetPropW(hwnd, kBrowserIdProp, reinterpret_cast<HANDLE>(static_cast<intptr_t>(id)));
  return hwnd;
}

void Repaint(const std::shared_ptr<TBrowserState>& st) {
  if (st->window) InvalidateRect(st->window, nullptr, TRUE);
}

// ---- handler calls -------------------------------------------------------------------------------

cef_browser_t* B(const std::shared_ptr<TBrowserState>& st) { return NewBrowserStruct(st); }
cef_frame_t* F(const std::shared_ptr<TBrowserState>& st) { return NewFrameStruct(st); }

void LoadingState(const std::shared_ptr<TBrowserState>& st) {
  bool loading, back, fwd;
  {
    std::lock_guard<std::mutex> l(st->lock);
    st->canGoBack = st->historyIndex > 0;
    st->canGoForward = st->historyIndex + 1 < static_cast<int>(st->history.size());
    loading = st->loading;
    back = st->canGoBack;
    fwd = st->canGoForward;
  }
  auto load = HandlerOf(st->client, &cef_client_t::get_load_handler);
  if (STANDIN_HAS(load.Get(), on_loading_state_change)) {
    Trace("callback", L"on_loading_state_change " + std::to_wstring(loading));
    load->on_loading_state_change(load.Get(), B(st), loading, back, fwd);
  }
}

// cef_jsdialog_callback_t: the first answer counts; one never given counts as cancelled.
class TJsDialogCallback : public TCefObject<TJsDialogCallback, cef_jsdialog_callback_t> {
public:
  explicit TJsDialogCallback(std::function<void(bool ok, const std::wstring& text)> answer) : FAnswer(std::move(answer)) {
    FStruct.cont = [](cef_jsdialog_callback_t* self, int success, const cef_string_t* input) CALLBACK {
      GuardVoid([&] { From(self)->Answer(success != 0, ToW(input)); });
    };
  }
  ~TJsDialogCallback() { Answer(false, L""); }
  void Answer(bool ok, const std::wstring& text) {
    if (FAnswered.exchange(true)) return;
    Trace("dialog", std::string(ok ? "answered ok" : "answered cancel"));
    FAnswer(ok, text);
  }

private:
  std::function<void(bool, const std::wstring&)> FAnswer;
  std::atomic<bool> FAnswered{false};
};

// The page may go (ok) or must stay: whatever waited for its onbeforeunload runs now.
void FinishLeave(const std::shared_ptr<TBrowserState>& st, std::uint32_t id, bool ok) {
  if (id == 0 || st->leaveId != id || st->closed) return;
  auto then = std::move(st->leaveThen);
  st->leaveThen = nullptr;
  st->leaveId = 0;
  st->leaveAsking = false;
  if (!ok) Trace("browser", std::string("the page stays"));
  if (then) then(ok);
}

// Before a page with a document goes (navigation, reload, history, close), its onbeforeunload
// is asked on the render side; `then` runs once that answered (through the leave-page dialog
// when the page wants the user asked). A later question replaces an earlier one.
void AskLeave(const std::shared_ptr<TBrowserState>& st, bool isReload, std::function<void(bool)> then) {
  bool hasDocument;
  {
    std::lock_guard<std::mutex> l(st->lock);
    hasDocument = st->hasDocument;
  }
  if (!hasDocument || !st->host || !st->host->Alive()) {
    st->leaveId = 0;
    st->leaveThen = nullptr;
    then(true);
    return;
  }
  static std::uint32_t lastId = 0;
  const std::uint32_t id = ++lastId ? lastId : ++lastId;
  st->leaveId = id;
  st->leaveAsking = false;
  st->leaveIsReload = isReload;
  st->leaveThen = std::move(then);
  st->host->Send(TFrameWriter(TFrameKind::BeforeUnload).I32(st->id).U32(id).Take());
  // A render side too busy to answer does not hold the page forever; a user being asked does.
  std::weak_ptr<TBrowserState> weak = st;
  PostTo(TID_UI, [weak, id] {
    auto s = weak.lock();
    if (s && s->leaveId == id && !s->leaveAsking) FinishLeave(s, id, true);
  }, 5000);
}

void LeaveAnswered(const std::shared_ptr<TBrowserState>& st, std::uint32_t id, bool ask, const std::wstring& message) {
  if (id == 0 || id != st->leaveId) return;
  if (!ask) {
    FinishLeave(st, id, true);
    return;
  }
  st->leaveAsking = true;
  std::weak_ptr<TBrowserState> weak = st;
  auto* callback = new TJsDialogCallback([weak, id](bool ok, const std::wstring&) {
    PostTo(TID_UI, [weak, id, ok] {
      if (auto s = weak.lock()) FinishLeave(s, id, ok);
    });
  });
  int handled = 0;
  auto handler = HandlerOf(st->client, &cef_client_t::get_jsdialog_handler);
  if (STANDIN_HAS(handler.Get(), on_before_unload_dialog)) {
    cef_string_t m = ViewOf(message);
    Trace("callback", L"on_before_unload_dialog " + message);
    handled = handler->on_before_unload_dialog(handler.Get(), NewBrowserStruct(st), &m, st->leaveIsReload ? 1 : 0,
                                               callback->Wrap());
  }
  // The stand-in has no leave-page dialog of its own: unhandled, the page goes.
  if (!handled) callback->Answer(true, L"");
  callback->Release();
}

void SetLoading(const std::shared_ptr<TBrowserState>& st, bool loading) {
  std::lock_guard<std::mutex> l(st->lock);
  st->loading = loading;
}

void TitleChanged(const std::shared_ptr<TBrowserState>& st, const std::wstring& title) {
  {
    std::lock_guard<std::mutex> l(st->lock);
    st->title = title;
  }
  Repaint(st);
  auto display = HandlerOf(st->client, &cef_client_t::get_display_handler);
  if (STANDIN_HAS(display.Get(), on_title_change)) {
    cef_string_t t = ViewOf(title);
    Trace("callback", L"on_title_change " + title);
    display->on_title_change(display.Get(), B(st), &t);
  }
}

void LoadFailed(const std::shared_ptr<TBrowserState>& st, cef_errorcode_t error, const std::wstring& url) {
  SetLoading(st, false);
  {
    std::lock_guard<std::mutex> l(st->lock);
    st->text = L"This page could not be shown (" + ErrorName(error) + L"): " + url;
  }
  // A load that was stopped or replaced leaves the page as it was.
  if (error != ERR_ABORTED) PageViewClear(st);
  Repaint(st);
  auto load = HandlerOf(st->client, &cef_client_t::get_load_handler);
  if (STANDIN_HAS(load.Get(), on_load_error)) {
    const std::wstring text = ErrorName(error);
    cef_string_t t = ViewOf(text), u = ViewOf(url);
    Trace("callback", L"on_load_error " + std::to_wstring(error) + L" " + url);
    load->on_load_error(load.Get(), B(st), F(st), error, &t, &u);
  }
  LoadingState(st);
}

// A load that is replaced or stopped ends with ERR_ABORTED.
void AbortCurrent(const std::shared_ptr<TBrowserState>& st) {
  bool loading;
  std::wstring url;
  {
    std::lock_guard<std::mutex> l(st->lock);
    loading = st->loading;
    url = st->loadingUrl.empty() ? st->url : st->loadingUrl;
  }
  ++st->loadSeq;
  if (loading) LoadFailed(st, ERR_ABORTED, url);
}

// A document is committed: the page shows it and the render side runs it.
void Commit(const std::shared_ptr<TBrowserState>& st, unsigned seq, TLoaded loaded, bool pushHistory) {
  if (seq != st->loadSeq || st->closed) return;
  const bool isHtml = loaded.mime.empty() || loaded.mime.find(L"html") != std::wstring::npos;
  THtmlDocument doc;
  if (isHtml) doc = loaded.parsed ? std::move(loaded.document) : ParseHtml(loaded.html);
  else doc.text = loaded.html;
  {
    std::lock_guard<std::mutex> l(st->lock);
    if (pushHistory) {
      if (st->historyIndex + 1 < static_cast<int>(st->history.size())) st->history.resize(static_cast<size_t>(st->historyIndex + 1));
      st->history.push_back(loaded.url);
      st->historyIndex = static_cast<int>(st->history.size()) - 1;
    }
    st->url = loaded.url;
    st->loadingUrl = loaded.url;
    st->hasDocument = true;
    st->text = doc.text;
    st->pendingStatus = loaded.status;
  }
  PageViewClear(st);
  auto load = HandlerOf(st->client, &cef_client_t::get_load_handler);
  if (STANDIN_HAS(load.Get(), on_load_start)) {
    Trace("callback", L"on_load_start " + loaded.url);
    load->on_load_start(load.Get(), B(st), F(st));
  }
  auto display = HandlerOf(st->client, &cef_client_t::get_display_handler);
  if (STANDIN_HAS(display.Get(), on_address_change)) {
    cef_string_t u = ViewOf(loaded.url);
    Trace("callback", L"on_address_change " + loaded.url);
    display->on_address_change(display.Get(), B(st), F(st), &u);
  }
  TitleChanged(st, doc.hasTitle && !doc.title.empty() ? doc.title : loaded.url);
  PageNavigationFocus(st);
  std::vector<std::wstring> icons;
  for (const auto& href : doc.icons) icons.push_back(ResolveUrl(loaded.url, href));
  TUrlParts parts;
  if (icons.empty() && ParseUrl(loaded.url, parts) && (parts.scheme == L"http" || parts.scheme == L"https"))
    icons.push_back(parts.origin + L"favicon.ico");  // the default icon of a site
  if (!icons.empty() && STANDIN_HAS(display.Get(), on_favicon_urlchange)) {
    cef_string_list_t list = cef_string_list_alloc();
    for (const auto& i : icons) {
      cef_string_t v = ViewOf(i);
      cef_string_list_append(list, &v);
    }
    Trace("callback", L"on_favicon_urlchange " + icons[0]);
    display->on_favicon_urlchange(display.Get(), B(st), list);
    cef_string_list_free(list);
  }
  PageViewSize(st);  // the render side lays the new document out to the window's width
  TFrameWriter w(TFrameKind::Navigate);
  w.I32(st->id).U32(seq).Str(loaded.url).Str(isHtml ? loaded.html : L"").U32(static_cast<std::uint32_t>(loaded.scripts.size()));
  for (size_t i = 0; i < loaded.scripts.size(); ++i)
    w.Str(loaded.scripts[i].first).Str(loaded.scripts[i].second).I32(loaded.scriptLines[i]);
  if (st->host && st->host->Alive()) {
    st->host->Send(w.Take());
  } else {
    // Without a render side nothing will run the page; it is loaded all the same.
    PostTo(TID_UI, [st, seq] {
      if (seq == st->loadSeq) {
        SetLoading(st, false);
        auto lh = HandlerOf(st->client, &cef_client_t::get_load_handler);
        if (STANDIN_HAS(lh.Get(), on_load_end)) lh->on_load_end(lh.Get(), B(st), F(st), st->pendingStatus);
        LoadingState(st);
      }
    });
  }
}

void StartLoadNow(const std::shared_ptr<TBrowserState>& st, const std::wstring& url, bool pushHistory) {
  if (st->closed) return;
  AbortCurrent(st);
  const unsigned seq = st->loadSeq;
  st->loadingUrl = url;
  auto requestHandler = HandlerOf(st->client, &cef_client_t::get_request_handler);
  if (STANDIN_HAS(requestHandler.Get(), on_before_browse)) {
    auto data = std::make_shared<TRequestData>();
    data->url = url;
    data->resourceType = RT_MAIN_FRAME;
    data->transitionType = TT_EXPLICIT;
    if (requestHandler->on_before_browse(requestHandler.Get(), B(st), F(st), NewRequest(data, true), 0)) {
      Trace("browser", L"navigation cancelled " + url);
      return;
    }
  }
  SetLoading(st, true);
  LoadingState(st);
  const std::wstring lower = Lower(url);
  if (lower.empty() || lower == L"about:blank") {
    PostTo(TID_UI, [st, seq, pushHistory] {
      TLoaded blank;
      blank.url = L"about:blank";
      Commit(st, seq, std::move(blank), pushHistory);
    });
    return;
  }
  std::wstring target = url;
  bool viewSource = false;
  if (lower.rfind(L"view-source:", 0) == 0) {
    target = url.substr(12);
    viewSource = true;
  }
  const std::wstring ua = Settings().userAgent;
  std::weak_ptr<TBrowserState> weak = st;
  PostTo(TID_IO, [weak, seq, target, viewSource, url, ua, pushHistory] {
    TLoaded loaded = FetchDocument(weak, seq, target, ua);
    if (viewSource) {
      loaded.url = url;
      loaded.mime = L"text/plain";
      loaded.scripts.clear();
      loaded.scriptLines.clear();
    }
    PostTo(TID_UI, [weak, seq, loaded = std::move(loaded), target, pushHistory]() mutable {
      auto st = weak.lock();
      if (!st || seq != st->loadSeq) return;
      if (loaded.download) {
        LoadFailed(st, ERR_ABORTED, target);
        StartDownload(st, loaded.url, loaded.disposition, loaded.mime, loaded.total);
      } else if (loaded.error == ERR_UNKNOWN_URL_SCHEME) {
        // A scheme the runtime does not know may belong to another program.
        auto handler = HandlerOf(st->client, &cef_client_t::get_request_handler);
        if (STANDIN_HAS(handler.Get(), on_protocol_execution)) {
          int allow = 0;
          cef_string_t u = ViewOf(target);
          Trace("callback", L"on_protocol_execution " + target);
          handler->on_protocol_execution(handler.Get(), B(st), &u, &allow);
          Trace("browser", std::string(allow ? "os execution allowed (not done by the stand-in)" : "os execution refused"));
        }
        LoadFailed(st, loaded.error, target);
      } else if (loaded.error != ERR_NONE) LoadFailed(st, loaded.error, target);
      else Commit(st, seq, std::move(loaded), pushHistory);
    });
  });
}

void StartLoad(const std::shared_ptr<TBrowserState>& st, const std::wstring& url, bool pushHistory,
               bool isReload = false) {
  if (st->closed) return;
  std::weak_ptr<TBrowserState> weak = st;
  AskLeave(st, isReload, [weak, url, pushHistory](bool ok) {
    auto s = weak.lock();
    if (s && ok) StartLoadNow(s, url, pushHistory);
  });
}

}  // namespace

cef_browser_t* CreateBrowserOnUi(const cef_window_info_t* windowInfo, TCRef<cef_client_t> client,
                                 const std::wstring& url, bool popup) {
  if (!BrowserSideUp() || !cef_currently_on(TID_UI)) return nullptr;
  auto host = RenderHostForBrowser();
  if (!host) return nullptr;
  auto st = std::make_shared<TBrowserState>();
  st->id = NextBrowserId();
  st->popup = popup;
  st->host = host;
  st->client = std::move(client);
  st->title = url;
  RegisterBrowser(st);
  st->window = CreatePageWindow(windowInfo, st->id, url);
  Trace("browser", L"created " + std::to_wstring(st->id) + L" " + url);
  host->Send(TFrameWriter(TFrameKind::BrowserCreated).I32(st->id).U32(popup ? 1 : 0).Str(url).Take());
  if (auto life = HandlerOf(st->client, &cef_client_t::get_life_span_handler); STANDIN_HAS(life.Get(), on_after_created)) {
    Trace("callback", std::string("on_after_created"));
    life->on_after_created(life.Get(), B(st));
  }
  if (!url.empty()) StartLoad(st, url, true);
  return B(st);
}

void DestroyBrowser(const std::shared_ptr<TBrowserState>& st) {
  if (st->closed) return;
  AbortCurrent(st);
  st->closed = true;
  st->leaveId = 0;
  st->leaveThen = nullptr;
  if (st->devToolsId)
    if (auto dt = FindBrowser(st->devToolsId)) DestroyBrowser(dt);
  if (st->host) st->host->Send(TFrameWriter(TFrameKind::BrowserDestroyed).I32(st->id).Take());
  if (auto life = HandlerOf(st->client, &cef_client_t::get_life_span_handler); STANDIN_HAS(life.Get(), on_before_close)) {
    Trace("callback", std::string("on_before_close"));
    life->on_before_close(life.Get(), B(st));
  }
  if (HWND w = st->window) {
    st->window = nullptr;
    DestroyWindow(w);
  }
  // The client stays with the state until the last reference to the browser goes: the IO and
  // worker threads may still be asking it for handlers.
  ForgetBrowser(st->id);
}

void PageLoad(const std::shared_ptr<TBrowserState>& st, const std::wstring& url) { StartLoad(st, url, true); }

void PageLoadString(const std::shared_ptr<TBrowserState>& st, const std::wstring& html, const std::wstring& url) {
  if (st->closed) return;
  AbortCurrent(st);
  const unsigned seq = st->loadSeq;
  st->loadingUrl = url.empty() ? L"about:blank" : url;
  SetLoading(st, true);
  LoadingState(st);
  PostTo(TID_UI, [st, seq, html, url] {
    TLoaded loaded;
    loaded.url = url.empty() ? L"about:blank" : url;
    loaded.html = html;
    loaded.status = 200;
    loaded.document = ParseHtml(html);
    loaded.parsed = true;
    for (const auto& s : loaded.document.scripts) {
      if (!s.src.empty()) continue;  // only inline script in a page given as text
      loaded.scripts.emplace_back(loaded.url, s.code);
      loaded.scriptLines.push_back(s.line);
    }
    Commit(st, seq, std::move(loaded), true);
  });
}

void PageReload(const std::shared_ptr<TBrowserState>& st) {
  const std::wstring url = st->Url();
  if (!url.empty()) StartLoad(st, url, false, true);
}

void PageStop(const std::shared_ptr<TBrowserState>& st) {
  st->leaveId = 0;  // a navigation waiting for the page's leave is dropped too
  st->leaveThen = nullptr;
  AbortCurrent(st);
}

void PageGo(const std::shared_ptr<TBrowserState>& st, int delta) {
  auto entry = [delta](const std::shared_ptr<TBrowserState>& s, bool move) -> std::wstring {
    std::lock_guard<std::mutex> l(s->lock);
    const int target = s->historyIndex + delta;
    if (target < 0 || target >= static_cast<int>(s->history.size())) return {};
    if (move) s->historyIndex = target;
    return s->history[static_cast<size_t>(target)];
  };
  if (entry(st, false).empty()) return;
  std::weak_ptr<TBrowserState> weak = st;
  AskLeave(st, false, [weak, entry](bool ok) {
    auto s = weak.lock();
    if (!s || !ok) return;
    const std::wstring url = entry(s, true);
    if (!url.empty()) StartLoadNow(s, url, false);
  });
}

void PageExecute(const std::shared_ptr<TBrowserState>& st, const std::wstring& code, const std::wstring& url, int line) {
  if (st->closed || !st->host) return;
  st->host->Send(TFrameWriter(TFrameKind::ExecuteScript).I32(st->id).Str(code).Str(url).I32(line).Take());
}

namespace {

void CloseNow(const std::shared_ptr<TBrowserState>& st, bool force) {
  if (st->closed || st->closing) return;
  if (!force) {
    // The client may take over the closing (do_close true): the browser then goes with its window.
    auto life = HandlerOf(st->client, &cef_client_t::get_life_span_handler);
    if (STANDIN_HAS(life.Get(), do_close)) {
      Trace("callback", std::string("do_close"));
      st->closing = true;
      const int handled = life->do_close(life.Get(), B(st));
      st->closing = false;
      if (handled && st->window) {
        st->closing = true;
        return;
      }
    }
  }
  DestroyBrowser(st);
}

}  // namespace

// close_browser(0) asks the page's onbeforeunload first; close_browser(1) does not.
void PageClose(const std::shared_ptr<TBrowserState>& st, bool force) {
  if (st->closed || st->closing) return;
  if (force) {
    CloseNow(st, true);
    return;
  }
  std::weak_ptr<TBrowserState> weak = st;
  AskLeave(st, false, [weak](bool ok) {
    auto s = weak.lock();
    if (s && ok) CloseNow(s, false);
  });
}

void PageShowDevTools(const std::shared_ptr<TBrowserState>& st, const cef_window_info_t* info, TCRef<cef_client_t> client) {
  if (st->closed) return;
  if (st->devToolsId && FindBrowser(st->devToolsId)) {
    auto dt = FindBrowser(st->devToolsId);
    if (dt->window) SetForegroundWindow(dt->window);
    return;
  }
  cef_window_info_t top{};
  if (info) top = *info;
  if (!info) top.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
  const std::wstring page = L"Developer Tools - " + st->Url();
  cef_browser_t* b = CreateBrowserOnUi(&top, client ? client : st->client, L"", false);
  if (!b) return;
  auto dt = BrowserStateOf(b);
  st->devToolsId = dt->id;
  PageLoadString(dt, L"<html><head><title>" + page + L"</title></head><body>Inspecting " + st->Url() + L"</body></html>",
                 L"about:devtools");
  b->base.release(&b->base);
}

void PageCloseDevTools(const std::shared_ptr<TBrowserState>& st) {
  if (!st->devToolsId) return;
  if (auto dt = FindBrowser(st->devToolsId)) DestroyBrowser(dt);
  st->devToolsId = 0;
}

namespace {

void OpenPopup(const std::shared_ptr<TBrowserState>& st, const std::wstring& url, const std::wstring& name,
               const cef_popup_features_t& features) {
  cef_window_info_t info{};
  info.style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VISIBLE;
  info.x = features.xSet ? features.x : static_cast<int>(CW_USEDEFAULT);
  info.y = features.ySet ? features.y : static_cast<int>(CW_USEDEFAULT);
  info.width = features.widthSet ? features.width : static_cast<int>(CW_USEDEFAULT);
  info.height = features.heightSet ? features.height : static_cast<int>(CW_USEDEFAULT);
  cef_browser_settings_t settings{};
  settings.size = sizeof(settings);
  cef_client_t* client = st->client.Wrap();
  int noJs = 0;
  auto life = HandlerOf(st->client, &cef_client_t::get_life_span_handler);
  const bool sized = features.widthSet || features.heightSet;
  if (STANDIN_HAS(life.Get(), on_before_popup)) {
    cef_string_t u = ViewOf(url), n = ViewOf(name);
    Trace("callback", L"on_before_popup " + url);
    if (life->on_before_popup(life.Get(), B(st), F(st), &u, &n, sized ? WOD_NEW_POPUP : WOD_NEW_FOREGROUND_TAB, 1,
                              &features, &info, &client, &settings, &noJs)) {
      TCRef<cef_client_t>::Adopt(client);
      return;  // the application cancelled the popup
    }
  }
  if (info.x == static_cast<int>(CW_USEDEFAULT) && info.parent_window) info.x = info.y = 0;
  cef_browser_t* popup = CreateBrowserOnUi(&info, TCRef<cef_client_t>::Adopt(client), url, true);
  if (popup) popup->base.release(&popup->base);
}

}  // namespace

void PageFrameFromRender(const std::shared_ptr<TBrowserState>& st, TFrameKind kind, TFrameReader& r) {
  switch (kind) {
    case TFrameKind::DocumentReady: {
      const unsigned seq = r.U32();
      bool loading;
      {
        std::lock_guard<std::mutex> l(st->lock);
        loading = st->loading;
      }
      if (seq != st->loadSeq || !loading) return;
      SetLoading(st, false);
      auto load = HandlerOf(st->client, &cef_client_t::get_load_handler);
      if (STANDIN_HAS(load.Get(), on_load_end)) {
        Trace("callback", L"on_load_end " + std::to_wstring(st->pendingStatus));
        load->on_load_end(load.Get(), B(st), F(st), st->pendingStatus);
      }
      LoadingState(st);
      break;
    }
    case TFrameKind::ConsoleMessage: {
      r.U32();  // level: the runtime's console callback has none
      const std::wstring message = r.Str(), source = r.Str();
      const int line = r.I32();
      if (!r.Ok()) return;
      auto display = HandlerOf(st->client, &cef_client_t::get_display_handler);
      if (STANDIN_HAS(display.Get(), on_console_message)) {
        cef_string_t m = ViewOf(message), s = ViewOf(source);
        Trace("callback", L"on_console_message " + message);
        display->on_console_message(display.Get(), B(st), &m, &s, line);
      }
      break;
    }
    case TFrameKind::DialogRequest: {
      const std::uint32_t id = r.U32();
      const auto type = static_cast<cef_jsdialog_type_t>(r.U32());
      const std::wstring message = r.Str(), def = r.Str(), origin = r.Str();
      if (!r.Ok()) return;
      // The reply goes even after the browser closed: the script waits for it.
      auto* callback = new TJsDialogCallback([host = st->host, id](bool ok, const std::wstring& text) {
        if (host) host->Send(TFrameWriter(TFrameKind::DialogReply).U32(id).U32(ok ? 1 : 0).Str(text).Take());
      });  // one reference: ours
      auto handler = HandlerOf(st->client, &cef_client_t::get_jsdialog_handler);
      int suppress = 0;
      int handled = 0;
      if (STANDIN_HAS(handler.Get(), on_jsdialog)) {
        cef_string_t o = ViewOf(origin), lang{}, m = ViewOf(message), d = ViewOf(def);
        Trace("callback", L"on_jsdialog " + message);
        handled = handler->on_jsdialog(handler.Get(), B(st), &o, &lang, type, &m, &d, callback->Wrap(), &suppress);
      }
      // Not handled: the stand-in has no dialog of its own; alert is acknowledged, the others
      // are answered as cancelled, as a suppressed dialog is.
      if (!handled) callback->Answer(type == JSDIALOGTYPE_ALERT && !suppress, L"");
      callback->Release();
      break;
    }
    case TFrameKind::TitleChange: {
      const std::wstring title = r.Str();
      if (r.Ok()) TitleChanged(st, title);
      break;
    }
    case TFrameKind::OpenWindow: {
      const std::wstring url = r.Str(), name = r.Str(), text = r.Str();
      cef_popup_features_t f{};
      f.x = r.I32();
      f.xSet = r.I32();
      f.y = r.I32();
      f.ySet = r.I32();
      f.width = r.I32();
      f.widthSet = r.I32();
      f.height = r.I32();
      f.heightSet = r.I32();
      f.menuBarVisible = f.statusBarVisible = f.toolBarVisible = f.locationBarVisible = f.scrollbarsVisible = 1;
      f.resizable = 1;
      if (!r.Ok()) return;
      OpenPopup(st, ResolveUrl(st->Url(), url), name, f);
      break;
    }
    case TFrameKind::CloseWindow: PageClose(st, false); break;
    case TFrameKind::DisplayList: {
      const unsigned seq = r.U32();
      const std::string list = r.Bytes();
      if (r.Ok() && seq == st->loadSeq) PageViewDisplayList(st, list);
      break;
    }
    case TFrameKind::FollowLink: {
      const std::wstring url = r.Str();
      // Script links run nothing here: a page's script runs only as the page itself.
      if (r.Ok() && Lower(url).rfind(L"javascript:", 0) != 0) PageLoad(st, url);
      break;
    }
    case TFrameKind::TakeFocus: {
      const bool next = r.U32() != 0;
      if (r.Ok()) PageTakeFocus(st, next);
      break;
    }
    case TFrameKind::BeforeUnloadReply: {
      const std::uint32_t id = r.U32();
      const bool ask = r.U32() != 0;
      const std::wstring message = r.Str();
      if (r.Ok()) LeaveAnswered(st, id, ask, message);
      break;
    }
    default: break;
  }
}

}  // namespace standin
