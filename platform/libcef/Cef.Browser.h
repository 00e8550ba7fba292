#pragma once
// Browsers and frames. One TBrowserState per browser on each side: the browser process holds
// the client, the page window and the navigation state; the render side holds a proxy with the
// same id, through which page script and process messages reach the browser process.
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "Cef.Common.h"
#include "Cef.Protocol.h"
#include "Cef.Runtime.h"

namespace standin {

struct TDisplayList;

struct TBrowserState {
  int id = 0;
  bool renderSide = false;
  bool popup = false;

  // Browser side.
  std::shared_ptr<TRenderHost> host;
  TCRef<cef_client_t> client;
  HWND window = nullptr;
  double zoomLevel = 0;
  std::atomic<bool> closed{false};  // read by the IO and worker threads

  // Both sides; guarded by `lock` because other threads read it.
  mutable std::mutex lock;
  std::wstring url;
  bool loading = false, canGoBack = false, canGoForward = false, hasDocument = false;
  std::wstring title, text;  // what the page window paints until the render side laid the page out

  // Browser side, UI thread: the page as laid out by the render side, and how far it is scrolled.
  std::shared_ptr<const TDisplayList> display;
  int scrollY = 0;

  // Browser side, UI thread: navigation.
  std::vector<std::wstring> history;
  int historyIndex = -1;
  std::atomic<unsigned> loadSeq{0};  // read by the IO thread to drop superseded loads
  int pendingStatus = 0;  // HTTP status of the committed load, reported with load end
  std::wstring loadingUrl;  // the address being loaded (not yet the page's until committed)
  bool closing = false;
  int devToolsId = 0;     // the developer-tools browser shown for this one
  // The page's onbeforeunload being asked before it goes: the question's id (0: none), whether
  // the user is being asked, and what runs once the page may go (true) or must stay (false).
  std::uint32_t leaveId = 0;
  bool leaveAsking = false, leaveIsReload = false;
  std::function<void(bool)> leaveThen;

  std::int64_t MainFrameId() const { return static_cast<std::int64_t>(id) * 1000 + 1; }
  std::wstring Url() const {
    std::lock_guard<std::mutex> l(lock);
    return url;
  }
};

// New structures with one reference each.
cef_browser_t* NewBrowserStruct(const std::shared_ptr<TBrowserState>& state);
cef_frame_t* NewFrameStruct(const std::shared_ptr<TBrowserState>& state);
std::shared_ptr<TBrowserState> BrowserStateOf(cef_browser_t* browser);

// The browser-process browser with that id (UI thread), or null.
std::shared_ptr<TBrowserState> FindBrowser(int id);
// The render-side browser with that id (render thread), or null.
std::shared_ptr<TBrowserState> FindRenderBrowser(int id);

template <class Handler>
TCRef<Handler> HandlerOf(const TCRef<cef_client_t>& client, Handler* (CEF_CALLBACK* cef_client_t::*getter)(cef_client_t*)) {
  cef_client_t* c = client.Get();
  if (!c || c->base.size < sizeof(cef_client_t) || !(c->*getter)) return {};
  return TCRef<Handler>::Adopt((c->*getter)(c));
}

// Browser process, UI thread (Cef.Page.cpp).
cef_browser_t* CreateBrowserOnUi(const cef_window_info_t* windowInfo, TCRef<cef_client_t> client,
                                 const std::wstring& url, bool popup);
void PageLoad(const std::shared_ptr<TBrowserState>& st, const std::wstring& url);
void PageLoadString(const std::shared_ptr<TBrowserState>& st, const std::wstring& html, const std::wstring& url);
void PageReload(const std::shared_ptr<TBrowserState>& st);
void PageStop(const std::shared_ptr<TBrowserState>& st);
void PageGo(const std::shared_ptr<TBrowserState>& st, int delta);
void PageExecute(const std::shared_ptr<TBrowserState>& st, const std::wstring& code, const std::wstring& url, int line);
void PageClose(const std::shared_ptr<TBrowserState>& st, bool force);
void PageShowDevTools(const std::shared_ptr<TBrowserState>& st, const cef_window_info_t* info, TCRef<cef_client_t> client);
void PageCloseDevTools(const std::shared_ptr<TBrowserState>& st);
void PageFrameFromRender(const std::shared_ptr<TBrowserState>& st, TFrameKind kind, TFrameReader& r);
void DestroyBrowser(const std::shared_ptr<TBrowserState>& st);
void RegisterBrowser(const std::shared_ptr<TBrowserState>& st);
int NextBrowserId();
int NextBrowserIdPeek();  // the id the next browser will get
// Starts reading the test control file named by STANDIN_CEF_CONTROL (Cef.Control.cpp).
void StartControlPolling();
void ForgetBrowser(int id);

// Render side, render thread (Cef.RenderPage.cpp).
void RenderPageFrame(const std::shared_ptr<TBrowserState>& st, TFrameKind kind, TFrameReader& r);
void RenderDialogReply(TFrameReader& r);
cef_v8context_t* RenderPageContext(const std::shared_ptr<TBrowserState>& st);  // one reference, or null
void RenderPageExecute(const std::shared_ptr<TBrowserState>& st, const std::wstring& code, const std::wstring& url,
                       int line);
void RenderPageGone(const std::shared_ptr<TBrowserState>& st);
// True while a page's script waits for a dialog's answer (a new document must wait then).
bool RenderDialogOpen();

}  // namespace standin
