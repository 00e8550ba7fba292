// Pages in the browser process: the page window, loading (fetch on the IO thread, commit on the
// UI thread), history, closing, popups, developer tools, and what the render side reports about
// the page. Load callbacks come on the UI thread in this order: loading state, load start,
// address, title, favicon URLs, then load end (after the page's script ran) and loading state;
// or loading state, load error, loading state.
#include <condition_variable>
#include <memory>

#include "Cef.Browser.h"
#include "Cef.Download.h"
#include "Cef.Fetch.h"
#include "Cef.Html.h"
#include "Cef.Input.h"
#include "Cef.Parse.h"
#include "Cef.Request.h"
#include "Cef.Threads.h"
#include "Cef.Trace.h"

namespace standin {

namespace {

constexpr size_t kMaxDocument = 16u << 20;
const wchar_t kPageWindowClass[] = L"StandInCefPage";
const wchar_t kBrowserIdProp[] = L"StandInCefBrowserId";

std::wstring Lower(std::wstring s) {
  for (auto& c : s) c = static_cast<wchar_t>(towlower(c));
  return s;
}

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
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      RECT rc;
      GetClientRect(hwnd, &rc);
      FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      std::wstring title, text;
      if (auto st = FindBrowser(static_cast<int>(reinterpret_cast<intptr_t>(GetPropW(hwnd, kBrowserIdProp))))) {
        std::lock_guard<std::mutex> l(st->lock);
        title = st->title;
        text = st->text;
      }
      SetBkMode(dc, TRANSPARENT);
      HFONT big = CreateFontW(-22, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
      HFONT small = CreateFontW(-14, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
      HGDIOBJ old = SelectObject(dc, big);
      RECT head = {rc.left + 12, rc.top + 10, rc.right - 12, rc.top + 44};
      DrawTextW(dc, title.c_str(), static_cast<int>(title.size()), &head, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
      SelectObject(dc, small);
      RECT body = {rc.left + 12, rc.top + 50, rc.right - 12, rc.bottom - 8};
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &body, DT_WORDBREAK | DT_NOPREFIX | DT_END_ELLIPSIS);
      SelectObject(dc, old);
      DeleteObject(big);
      DeleteObject(small);
      EndPaint(hwnd, &ps);
      return 0;
    }
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
  static const ATOM atom = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &PageWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kPageWindowClass;
    return RegisterClassExW(&wc);
  }();
  (void)atom;
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
    url = st->url;
  }
  ++st->loadSeq;
  if (loading) LoadFailed(st, ERR_ABORTED, url);
}

struct TLoaded {
  cef_errorcode_t error = ERR_NONE;
  std::wstring url;  // final address
  int status = 0;
  std::wstring html;
  std::vector<std::pair<std::wstring, std::wstring>> scripts;  // url, code
  std::vector<int> scriptLines;
  std::wstring mime;
  bool download = false;  // the response is an attachment
  std::wstring disposition;
  std::int64_t total = -1;
};

// cef_auth_callback_t: the IO thread waits for cont or cancel (or for the callback to go away).
struct TAuthWait {
  std::mutex lock;
  std::condition_variable cv;
  bool done = false, ok = false;
  std::wstring user, pass;
  void Answer(bool answerOk, const std::wstring& u, const std::wstring& p) {
    {
      std::lock_guard<std::mutex> l(lock);
      if (done) return;
      done = true;
      ok = answerOk;
      user = u;
      pass = p;
    }
    cv.notify_all();
  }
};

class TAuthCallback : public TCefObject<TAuthCallback, cef_auth_callback_t> {
public:
  explicit TAuthCallback(std::shared_ptr<TAuthWait> w) : FWait(std::move(w)) {
    FStruct.cont = [](cef_auth_callback_t* self, const cef_string_t* user, const cef_string_t* pass) CALLBACK {
      GuardVoid([&] { From(self)->FWait->Answer(true, ToW(user), ToW(pass)); });
    };
    FStruct.cancel = [](cef_auth_callback_t* self) CALLBACK { GuardVoid([&] { From(self)->FWait->Answer(false, L"", L""); }); };
  }
  ~TAuthCallback() { FWait->Answer(false, L"", L""); }
  std::shared_ptr<TAuthWait> FWait;
};

// IO thread: asks the request handler for credentials and waits for its answer.
bool AskCredentials(const std::weak_ptr<TBrowserState>& weak, unsigned seq, const std::wstring& host, int port,
                    const std::wstring& realm, const std::wstring& scheme, std::wstring& user, std::wstring& pass) {
  auto st = weak.lock();
  if (!st || st->closed) return false;
  auto handler = HandlerOf(st->client, &cef_client_t::get_request_handler);
  if (!STANDIN_HAS(handler.Get(), get_auth_credentials)) return false;
  auto wait = std::make_shared<TAuthWait>();
  cef_string_t h = ViewOf(host), r = ViewOf(realm), s = ViewOf(scheme);
  Trace("callback", L"get_auth_credentials " + host + L" " + realm);
  if (!handler->get_auth_credentials(handler.Get(), NewBrowserStruct(st), NewFrameStruct(st), 0, &h, port, &r, &s,
                                     (new TAuthCallback(wait))->Struct()))
    return false;
  st.reset();
  std::unique_lock<std::mutex> l(wait->lock);
  // Bounded: a load replaced meanwhile, or an answer that never comes, ends the wait.
  for (int i = 0; i < 3000 && !wait->done; ++i) {
    wait->cv.wait_for(l, std::chrono::milliseconds(100));
    auto still = weak.lock();
    if (!still || still->closed || still->loadSeq != seq) return false;
  }
  if (!wait->ok) return false;
  user = wait->user;
  pass = wait->pass;
  return true;
}

// A document is committed: the page shows it and the render side runs it.
void Commit(const std::shared_ptr<TBrowserState>& st, unsigned seq, TLoaded loaded, bool pushHistory) {
  if (seq != st->loadSeq || st->closed) return;
  const bool isHtml = loaded.mime.empty() || loaded.mime.find(L"html") != std::wstring::npos;
  THtmlDocument doc;
  if (isHtml) doc = ParseHtml(loaded.html);
  else doc.text = loaded.html;
  {
    std::lock_guard<std::mutex> l(st->lock);
    if (pushHistory) {
      if (st->historyIndex + 1 < static_cast<int>(st->history.size())) st->history.resize(static_cast<size_t>(st->historyIndex + 1));
      st->history.push_back(loaded.url);
      st->historyIndex = static_cast<int>(st->history.size()) - 1;
    }
    st->url = loaded.url;
    st->hasDocument = true;
    st->text = doc.text;
    st->pendingStatus = loaded.status;
  }
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

// IO thread: fetches the document and its external scripts.
class TResourceCallback : public TCefObject<TResourceCallback, cef_request_callback_t> {
public:
  explicit TResourceCallback(std::shared_ptr<TAuthWait> w) : FWait(std::move(w)) {
    FStruct.cont = [](cef_request_callback_t* self, int allow) CALLBACK { From(self)->FWait->Answer(allow != 0, L"", L""); };
    FStruct.cancel = [](cef_request_callback_t* self) CALLBACK { From(self)->FWait->Answer(false, L"", L""); };
  }
  ~TResourceCallback() { FWait->Answer(false, L"", L""); }
  std::shared_ptr<TAuthWait> FWait;
};

// IO thread: on_before_resource_load for the main document; false when the load is cancelled.
bool BeforeResourceLoad(const std::weak_ptr<TBrowserState>& weak, unsigned seq, const std::shared_ptr<TRequestData>& data) {
  auto st = weak.lock();
  if (!st || st->closed) return false;
  auto handler = HandlerOf(st->client, &cef_client_t::get_request_handler);
  if (!STANDIN_HAS(handler.Get(), on_before_resource_load)) return true;
  auto wait = std::make_shared<TAuthWait>();
  Trace("callback", L"on_before_resource_load " + data->url);
  const cef_return_value_t rv = handler->on_before_resource_load(handler.Get(), B(st), F(st), NewRequest(data, false),
                                                                 (new TResourceCallback(wait))->Struct());
  if (rv == RV_CANCEL) return false;
  if (rv == RV_CONTINUE) return true;
  st.reset();
  std::unique_lock<std::mutex> l(wait->lock);
  for (int i = 0; i < 600 && !wait->done; ++i) {
    wait->cv.wait_for(l, std::chrono::milliseconds(100));
    auto still = weak.lock();
    if (!still || still->closed || still->loadSeq != seq) return false;
  }
  return wait->done && wait->ok;
}

// IO thread: on_resource_response and on_resource_load_complete for the main document.
void ResourceDone(const std::weak_ptr<TBrowserState>& weak, const std::shared_ptr<TRequestData>& request,
                  const TLoaded& loaded, std::int64_t received) {
  auto st = weak.lock();
  if (!st || st->closed) return;
  auto handler = HandlerOf(st->client, &cef_client_t::get_request_handler);
  if (!handler) return;
  auto response = std::make_shared<TResponseData>();
  response->status = loaded.status;
  response->mimeType = loaded.mime;
  if (loaded.error == ERR_NONE || loaded.download) {
    if (STANDIN_HAS(handler.Get(), on_resource_response))
      handler->on_resource_response(handler.Get(), B(st), F(st), NewRequest(request, true), NewResponse(response, true));
  }
  if (STANDIN_HAS(handler.Get(), on_resource_load_complete)) {
    const cef_urlrequest_status_t status =
        loaded.error == ERR_NONE ? UR_SUCCESS : (loaded.error == ERR_ABORTED ? UR_CANCELED : UR_FAILED);
    handler->on_resource_load_complete(handler.Get(), B(st), F(st), NewRequest(request, true),
                                       NewResponse(response, true), status, received);
  }
}

TLoaded FetchDocument(const std::weak_ptr<TBrowserState>& weak, unsigned seq, const std::wstring& url,
                      const std::wstring& userAgent) {
  TLoaded out;
  out.url = url;
  auto request = std::make_shared<TRequestData>();
  request->url = url;
  request->resourceType = RT_MAIN_FRAME;
  if (!BeforeResourceLoad(weak, seq, request)) {
    out.error = ERR_ABORTED;
    return out;
  }
  TFetchRequest rq;
  rq.url = request->url;  // the handler may have changed it
  rq.headers = request->headers;
  rq.userAgent = userAgent;
  std::string body;
  std::wstring charset;
  TFetchCallbacks cb;
  cb.onResponse = [&](const TFetchResponse& resp) {
    out.status = resp.status;
    out.url = resp.finalUrl.empty() ? url : resp.finalUrl;
    out.mime = resp.mimeType;
    charset = resp.charset;
    out.disposition = resp.Header(L"Content-Disposition");
    out.total = resp.contentLength;
    // An attachment is no page: the navigation stops here and a download begins.
    if (Lower(out.disposition).find(L"attachment") != std::wstring::npos) {
      out.download = true;
      return false;
    }
    return true;
  };
  cb.onAuth = [&](const std::wstring& host, int port, const std::wstring& realm, const std::wstring& scheme,
                  std::wstring& user, std::wstring& pass) {
    return AskCredentials(weak, seq, host, port, realm, scheme, user, pass);
  };
  cb.onData = [&](const char* data, size_t n, std::int64_t, std::int64_t) {
    if (body.size() + n > kMaxDocument) return false;
    body.append(data, n);
    return true;
  };
  out.error = Fetch(rq, cb);
  if (out.download) out.error = ERR_ABORTED;
  ResourceDone(weak, request, out, static_cast<std::int64_t>(body.size()));
  if (out.error != ERR_NONE) return out;
  out.html = DecodeText(body, charset);
  if (out.mime.empty() || out.mime.find(L"html") != std::wstring::npos) {
    const THtmlDocument doc = ParseHtml(out.html);
    for (const auto& s : doc.scripts) {
      std::wstring code = s.code, src = out.url;
      if (!s.src.empty()) {
        src = ResolveUrl(out.url, s.src);
        TFetchRequest srq;
        srq.url = src;
        srq.userAgent = userAgent;
        std::string bytes;
        std::wstring cs;
        TFetchCallbacks scb;
        int status = 0;
        scb.onResponse = [&](const TFetchResponse& r) {
          status = r.status;
          cs = r.charset;
          return true;
        };
        scb.onData = [&](const char* d, size_t n, std::int64_t, std::int64_t) {
          if (bytes.size() + n > kMaxDocument) return false;
          bytes.append(d, n);
          return true;
        };
        // A script that cannot be had is skipped, as a browser skips it.
        if (Fetch(srq, scb) != ERR_NONE || (status >= 400)) continue;
        code = DecodeText(bytes, cs);
      }
      out.scripts.emplace_back(src, code);
      out.scriptLines.push_back(s.src.empty() ? s.line : 1);
    }
  }
  return out;
}

void StartLoad(const std::shared_ptr<TBrowserState>& st, const std::wstring& url, bool pushHistory) {
  if (st->closed) return;
  AbortCurrent(st);
  const unsigned seq = st->loadSeq;
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
  SetLoading(st, true);
  LoadingState(st);
  PostTo(TID_UI, [st, seq, html, url] {
    TLoaded loaded;
    loaded.url = url.empty() ? L"about:blank" : url;
    loaded.html = html;
    loaded.status = 200;
    const THtmlDocument doc = ParseHtml(html);
    for (const auto& s : doc.scripts) {
      if (!s.src.empty()) continue;  // only inline script in a page given as text
      loaded.scripts.emplace_back(loaded.url, s.code);
      loaded.scriptLines.push_back(s.line);
    }
    Commit(st, seq, std::move(loaded), true);
  });
}

void PageReload(const std::shared_ptr<TBrowserState>& st) {
  const std::wstring url = st->Url();
  if (!url.empty()) StartLoad(st, url, false);
}

void PageStop(const std::shared_ptr<TBrowserState>& st) { AbortCurrent(st); }

void PageGo(const std::shared_ptr<TBrowserState>& st, int delta) {
  std::wstring url;
  {
    std::lock_guard<std::mutex> l(st->lock);
    const int target = st->historyIndex + delta;
    if (target < 0 || target >= static_cast<int>(st->history.size())) return;
    st->historyIndex = target;
    url = st->history[static_cast<size_t>(target)];
  }
  StartLoad(st, url, false);
}

void PageExecute(const std::shared_ptr<TBrowserState>& st, const std::wstring& code, const std::wstring& url, int line) {
  if (st->closed || !st->host) return;
  st->host->Send(TFrameWriter(TFrameKind::ExecuteScript).I32(st->id).Str(code).Str(url).I32(line).Take());
}

void PageClose(const std::shared_ptr<TBrowserState>& st, bool force) {
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

struct TDialogCallback : TCefObject<TDialogCallback, cef_jsdialog_callback_t> {
  TDialogCallback(std::shared_ptr<TBrowserState> st, std::uint32_t id) : FState(std::move(st)), FId(id) {
    FStruct.cont = [](cef_jsdialog_callback_t* self, int success, const cef_string_t* input) CALLBACK {
      GuardVoid([&] { From(self)->Answer(success != 0, ToW(input)); });
    };
  }
  ~TDialogCallback() { Answer(false, L""); }  // never answered: the script goes on as cancelled
  void Answer(bool ok, const std::wstring& text) {
    if (FAnswered.exchange(true)) return;
    Trace("dialog", std::string(ok ? "answered ok" : "answered cancel"));
    if (FState->host) FState->host->Send(TFrameWriter(TFrameKind::DialogReply).U32(FId).U32(ok ? 1 : 0).Str(text).Take());
  }
  std::shared_ptr<TBrowserState> FState;
  std::uint32_t FId;
  std::atomic<bool> FAnswered{false};
};

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
      auto* callback = new TDialogCallback(st, id);  // one reference: ours
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
    default: break;
  }
}

}  // namespace standin
