#include "Cef.PageFetch.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>

#include "Cef.Fetch.h"
#include "Cef.Html.h"
#include "Cef.Parse.h"
#include "Cef.Request.h"
#include "Cef.Threads.h"
#include "Cef.Trace.h"

namespace standin {

namespace {

constexpr size_t kMaxDocument = 16u << 20;
constexpr int kMaxHops = 20;              // redirects and restarts of one load
constexpr int kCredentialsWaitMs = 300000;
constexpr int kHandlerWaitMs = 60000;     // for on_before_resource_load and resource handlers

// Text as bytes in the given charset ("" = UTF-8, falling back to the system code page).
std::wstring DecodeText(const std::string& bytes, const std::wstring& charset) {
  if (bytes.empty()) return {};
  const std::wstring cs = Lower(charset);
  UINT cp = CP_UTF8;
  if (cs == L"gbk" || cs == L"gb2312" || cs == L"gb18030") cp = 936;
  else if (cs == L"iso-8859-1" || cs == L"latin1" || cs == L"windows-1252") cp = 1252;
  else if (cs == L"big5") cp = 950;
  size_t start = 0;
  if (cp == CP_UTF8 && bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) start = 3;
  const DWORD flags = cp == CP_UTF8 ? MB_ERR_INVALID_CHARS : 0;
  int n = MultiByteToWideChar(cp, flags, bytes.data() + start, static_cast<int>(bytes.size() - start), nullptr, 0);
  if (n <= 0) {
    cp = CP_ACP;  // not UTF-8 after all
    n = MultiByteToWideChar(cp, 0, bytes.data() + start, static_cast<int>(bytes.size() - start), nullptr, 0);
  }
  std::wstring out(static_cast<size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0)
    MultiByteToWideChar(cp, cp == CP_UTF8 ? MB_ERR_INVALID_CHARS : 0, bytes.data() + start,
                        static_cast<int>(bytes.size() - start), out.data(), n);
  return out;
}

// One answer from a callback the application holds; the IO thread waits for it.
struct TAnswer {
  std::mutex lock;
  std::condition_variable cv;
  bool done = false, ok = false;
  std::wstring user, pass;
  void Give(bool answerOk, const std::wstring& u = {}, const std::wstring& p = {}) {
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

// True for a yes within `limitMs`; false for a no, no answer, or a load that went away (browser
// closed, load replaced) meanwhile.
bool Await(TAnswer& answer, const std::weak_ptr<TBrowserState>& weak, unsigned seq, int limitMs) {
  std::unique_lock<std::mutex> l(answer.lock);
  for (int waited = 0; !answer.done && waited < limitMs; waited += 100) {
    answer.cv.wait_for(l, std::chrono::milliseconds(100));
    auto still = weak.lock();
    if (!still || still->closed || still->loadSeq != seq) return false;
  }
  return answer.done && answer.ok;
}

// The callbacks: a callback released unanswered answers no.
class TAuthCallback : public TCefObject<TAuthCallback, cef_auth_callback_t> {
public:
  explicit TAuthCallback(std::shared_ptr<TAnswer> a) : FAnswer(std::move(a)) {
    FStruct.cont = [](cef_auth_callback_t* self, const cef_string_t* user, const cef_string_t* pass) CALLBACK {
      GuardVoid([&] { From(self)->FAnswer->Give(true, ToW(user), ToW(pass)); });
    };
    FStruct.cancel = [](cef_auth_callback_t* self) CALLBACK { From(self)->FAnswer->Give(false); };
  }
  ~TAuthCallback() { FAnswer->Give(false); }

private:
  std::shared_ptr<TAnswer> FAnswer;
};

class TRequestCallback : public TCefObject<TRequestCallback, cef_request_callback_t> {
public:
  explicit TRequestCallback(std::shared_ptr<TAnswer> a) : FAnswer(std::move(a)) {
    FStruct.cont = [](cef_request_callback_t* self, int allow) CALLBACK { From(self)->FAnswer->Give(allow != 0); };
    FStruct.cancel = [](cef_request_callback_t* self) CALLBACK { From(self)->FAnswer->Give(false); };
  }
  ~TRequestCallback() { FAnswer->Give(false); }

private:
  std::shared_ptr<TAnswer> FAnswer;
};

class TContinueCallback : public TCefObject<TContinueCallback, cef_callback_t> {
public:
  explicit TContinueCallback(std::shared_ptr<TAnswer> a) : FAnswer(std::move(a)) {
    FStruct.cont = [](cef_callback_t* self) CALLBACK { From(self)->FAnswer->Give(true); };
    FStruct.cancel = [](cef_callback_t* self) CALLBACK { From(self)->FAnswer->Give(false); };
  }
  ~TContinueCallback() { FAnswer->Give(false); }

private:
  std::shared_ptr<TAnswer> FAnswer;
};

// The application's response filter between the body as it arrives and the page. Each call
// takes input and gives output; a filter that filled the output and needs more room says
// NEED_MORE_DATA and is called again; at the end it is called with no input until it says DONE
// or gives nothing.
class TBodyFilter {
public:
  explicit TBodyFilter(TCRef<cef_response_filter_t> filter) : FFilter(std::move(filter)), FOut(1 << 16) {}

  // False when the filter failed or broke its contract (took nothing and gave nothing).
  bool Feed(const char* data, size_t size, std::string& out) {
    size_t pos = 0;
    for (size_t round = 0; round <= size + kMaxDocument && out.size() <= kMaxDocument; ++round) {
      size_t read = 0, written = 0;
      if (!Call(data + pos, size - pos, read, written, out)) return false;
      pos += read;
      const bool pending = FLast == RESPONSE_FILTER_NEED_MORE_DATA && written == FOut.size();
      if (pos >= size && !pending) return true;
      if (read == 0 && written == 0) return false;
    }
    return false;
  }

  bool Finish(std::string& out) {
    for (size_t round = 0; FLast == RESPONSE_FILTER_NEED_MORE_DATA && out.size() <= kMaxDocument; ++round) {
      size_t read = 0, written = 0;
      if (!Call(nullptr, 0, read, written, out)) return false;
      if (written == 0 || round > kMaxDocument) return true;
    }
    return out.size() <= kMaxDocument;
  }

private:
  bool Call(const char* in, size_t size, size_t& read, size_t& written, std::string& out) {
    FLast = FFilter->filter(FFilter.Get(), size ? const_cast<char*>(in) : nullptr, size, &read, FOut.data(),
                            FOut.size(), &written);
    read = std::min(read, size);
    written = std::min(written, FOut.size());
    out.append(FOut.data(), written);
    return FLast != RESPONSE_FILTER_ERROR;
  }

  TCRef<cef_response_filter_t> FFilter;
  std::vector<char> FOut;
  // Before any call the filter may hold something back (an empty body still gets one call).
  cef_response_filter_status_t FLast = RESPONSE_FILTER_NEED_MORE_DATA;
};

// One load of a document: its request, what came back, and where it goes next.
struct TDocumentLoad {
  std::weak_ptr<TBrowserState> weak;
  unsigned seq = 0;
  std::wstring userAgent;
  std::shared_ptr<TRequestData> request = std::make_shared<TRequestData>();
  std::shared_ptr<TResponseData> response = std::make_shared<TResponseData>();
  TLoaded out;
  std::string body;  // as the page gets it (after the filter)
  std::wstring charset;
  std::int64_t received = 0;  // bytes as they came
  std::wstring redirectTo;
  bool restart = false;
  std::unique_ptr<TBodyFilter> filter;

  std::shared_ptr<TBrowserState> Browser() const {
    auto st = weak.lock();
    return st && !st->closed ? st : nullptr;
  }
  // False once the browser closed or another load replaced this one.
  bool Current() const {
    auto st = Browser();
    return st && st->loadSeq == seq;
  }
  // The browser and its request handler, when both are there.
  bool Handler(std::shared_ptr<TBrowserState>& st, TCRef<cef_request_handler_t>& handler) const {
    st = Browser();
    if (st) handler = HandlerOf(st->client, &cef_client_t::get_request_handler);
    return st && handler;
  }
};

// on_before_resource_load; false when the load is cancelled.
bool BeforeResourceLoad(TDocumentLoad& d) {
  std::shared_ptr<TBrowserState> st;
  TCRef<cef_request_handler_t> handler;
  if (!d.Handler(st, handler)) return d.Browser() != nullptr;
  if (!STANDIN_HAS(handler.Get(), on_before_resource_load)) return true;
  auto answer = std::make_shared<TAnswer>();
  Trace("callback", L"on_before_resource_load " + d.request->url);
  const cef_return_value_t rv = handler->on_before_resource_load(
      handler.Get(), NewBrowserStruct(st), NewFrameStruct(st), NewRequest(d.request, false),
      (new TRequestCallback(answer))->Struct());
  if (rv == RV_CANCEL) return false;
  if (rv == RV_CONTINUE) return true;
  st.reset();
  return Await(*answer, d.weak, d.seq, kHandlerWaitMs);
}

// get_auth_credentials, then a wait for its answer.
bool AskCredentials(TDocumentLoad& d, const std::wstring& host, int port, const std::wstring& realm,
                    const std::wstring& scheme, std::wstring& user, std::wstring& pass) {
  std::shared_ptr<TBrowserState> st;
  TCRef<cef_request_handler_t> handler;
  if (!d.Handler(st, handler) || !STANDIN_HAS(handler.Get(), get_auth_credentials)) return false;
  auto answer = std::make_shared<TAnswer>();
  cef_string_t h = ViewOf(host), r = ViewOf(realm), s = ViewOf(scheme);
  Trace("callback", L"get_auth_credentials " + host + L" " + realm);
  if (!handler->get_auth_credentials(handler.Get(), NewBrowserStruct(st), NewFrameStruct(st), 0, &h, port, &r, &s,
                                     (new TAuthCallback(answer))->Struct()))
    return false;
  st.reset();
  if (!Await(*answer, d.weak, d.seq, kCredentialsWaitMs)) return false;
  user = answer->user;
  pass = answer->pass;
  return true;
}

// on_certificate_error, which the runtime asks on the UI thread; the IO thread waits for it.
bool AcceptCertificate(TDocumentLoad& d, cef_errorcode_t error) {
  if (Settings().ignoreCertificateErrors) return true;
  auto answer = std::make_shared<TAnswer>();
  const std::wstring url = d.request->url;
  PostTo(TID_UI, [weak = d.weak, answer, error, url] {
    auto st = weak.lock();
    auto handler = st && !st->closed ? HandlerOf(st->client, &cef_client_t::get_request_handler) : TCRef<cef_request_handler_t>();
    cef_string_t u = ViewOf(url);
    Trace("callback", L"on_certificate_error " + std::to_wstring(error) + L" " + url);
    // False, or nobody to ask: the load fails with the certificate's error.
    if (!STANDIN_HAS(handler.Get(), on_certificate_error) ||
        !handler->on_certificate_error(handler.Get(), NewBrowserStruct(st), error, &u, nullptr,
                                       (new TRequestCallback(answer))->Struct()))
      answer->Give(false);
  });
  return Await(*answer, d.weak, d.seq, kCredentialsWaitMs);
}

// The response's headers are in; false stops reading (redirect, restart, attachment).
bool HeadersIn(TDocumentLoad& d, const TFetchResponse& resp, bool fromNetwork) {
  d.out.status = resp.status;
  d.out.url = resp.finalUrl.empty() ? d.request->url : resp.finalUrl;
  d.out.mime = resp.mimeType;
  d.out.disposition = resp.Header(L"Content-Disposition");
  d.out.total = resp.contentLength;
  d.charset = resp.charset;
  const std::wstring location = resp.Header(L"Location");
  if (fromNetwork && resp.status >= 300 && resp.status < 400 && !location.empty()) {
    d.redirectTo = ResolveUrl(d.out.url, location);
    return false;
  }
  d.response->status = resp.status;
  d.response->statusText = resp.statusText;
  d.response->mimeType = resp.mimeType;
  d.response->headers = resp.headers;
  std::shared_ptr<TBrowserState> st;
  TCRef<cef_request_handler_t> handler;
  if (d.Handler(st, handler) && STANDIN_HAS(handler.Get(), on_resource_response)) {
    // True: the handler changed the request and wants it sent again.
    Trace("callback", L"on_resource_response " + std::to_wstring(resp.status));
    if (handler->on_resource_response(handler.Get(), NewBrowserStruct(st), NewFrameStruct(st),
                                      NewRequest(d.request, false), NewResponse(d.response, true))) {
      d.restart = true;
      return false;
    }
  }
  // An attachment is no page: the navigation stops here and a download begins.
  if (d.request->resourceType == RT_MAIN_FRAME && Lower(d.out.disposition).find(L"attachment") != std::wstring::npos) {
    d.out.download = true;
    return false;
  }
  if (handler && STANDIN_HAS(handler.Get(), get_resource_response_filter)) {
    auto filter = TCRef<cef_response_filter_t>::Adopt(handler->get_resource_response_filter(
        handler.Get(), NewBrowserStruct(st), NewFrameStruct(st), NewRequest(d.request, true),
        NewResponse(d.response, true)));
    if (filter && STANDIN_HAS(filter.Get(), filter)) {
      const bool ready = !STANDIN_HAS(filter.Get(), init_filter) || filter->init_filter(filter.Get());
      Trace("callback", std::string(ready ? "response filter in use" : "response filter refused to start"));
      if (ready) d.filter = std::make_unique<TBodyFilter>(std::move(filter));
    }
  }
  return true;
}

bool BodyIn(TDocumentLoad& d, const char* data, size_t size) {
  // A load stopped or replaced stops reading: the IO thread serves every page.
  if (!d.Current()) return false;
  d.received += static_cast<std::int64_t>(size);
  if (d.filter) {
    if (!d.filter->Feed(data, size, d.body)) return false;
  } else {
    d.body.append(data, size);
  }
  return d.body.size() <= kMaxDocument;
}

cef_errorcode_t FetchFromNetwork(TDocumentLoad& d) {
  TFetchRequest rq;
  rq.url = d.request->url;
  rq.method = d.request->method;
  rq.headers = d.request->headers;
  if (d.request->hasPostData) rq.body = d.request->Body();
  rq.userAgent = d.userAgent;
  rq.followRedirects = false;  // each redirect goes through on_resource_redirect
  TFetchCallbacks cb;
  cb.onResponse = [&](const TFetchResponse& resp) { return HeadersIn(d, resp, true); };
  cb.onAuth = [&](const std::wstring& host, int port, const std::wstring& realm, const std::wstring& scheme,
                  std::wstring& user, std::wstring& pass) {
    return AskCredentials(d, host, port, realm, scheme, user, pass);
  };
  cb.onData = [&](const char* data, size_t n, std::int64_t, std::int64_t) { return BodyIn(d, data, n); };
  cb.onCertificateError = [&](cef_errorcode_t error) { return AcceptCertificate(d, error); };
  return Fetch(rq, cb);
}

// The document from the application's resource handler: process_request, the headers (or a
// redirect), then read_response until it says the end; the handler may answer later through
// its callback each time.
cef_errorcode_t FetchFromHandler(TDocumentLoad& d, const TCRef<cef_resource_handler_t>& h) {
  auto cancel = [&] {
    if (STANDIN_HAS(h.Get(), cancel)) h->cancel(h.Get());
    return ERR_ABORTED;
  };
  auto ready = std::make_shared<TAnswer>();
  Trace("callback", L"resource handler for " + d.request->url);
  if (!STANDIN_HAS(h.Get(), process_request) ||
      !h->process_request(h.Get(), NewRequest(d.request, true), (new TContinueCallback(ready))->Struct()))
    return ERR_ABORTED;
  if (!Await(*ready, d.weak, d.seq, kHandlerWaitMs)) return cancel();
  auto headers = std::make_shared<TResponseData>();
  std::int64_t length = -1;
  cef_string_t redirect{};
  if (STANDIN_HAS(h.Get(), get_response_headers))
    h->get_response_headers(h.Get(), NewResponse(headers, false), &length, &redirect);
  const std::wstring to = ToW(&redirect);
  cef_string_utf16_clear(&redirect);
  if (!to.empty()) {
    d.redirectTo = ResolveUrl(d.request->url, to);
    return ERR_NONE;
  }
  TFetchResponse resp;
  resp.status = headers->status ? headers->status : 200;
  resp.statusText = headers->statusText;
  resp.mimeType = Lower(headers->mimeType);
  resp.headers = headers->headers;
  resp.contentLength = length;
  resp.finalUrl = d.request->url;
  if (!HeadersIn(d, resp, false)) return cancel();
  std::vector<char> buf(1 << 16);
  // Bounded: every read gives bytes (and the document has a size limit) or waits for the handler.
  for (size_t reads = 0; reads < kMaxDocument; ++reads) {
    auto more = std::make_shared<TAnswer>();
    int got = 0;
    const int goOn = STANDIN_HAS(h.Get(), read_response)
                         ? h->read_response(h.Get(), buf.data(), static_cast<int>(buf.size()), &got,
                                            (new TContinueCallback(more))->Struct())
                         : 0;
    got = std::clamp(got, 0, static_cast<int>(buf.size()));
    if (got > 0 && !BodyIn(d, buf.data(), static_cast<size_t>(got))) return cancel();
    if (!goOn) return ERR_NONE;
    if (got == 0 && !Await(*more, d.weak, d.seq, kHandlerWaitMs)) return cancel();
    if (!d.Current()) return cancel();
  }
  return cancel();
}

// on_resource_redirect: where the redirect goes, as the handler may have changed it.
std::wstring Redirected(TDocumentLoad& d, const std::wstring& to) {
  std::shared_ptr<TBrowserState> st;
  TCRef<cef_request_handler_t> handler;
  if (!d.Handler(st, handler) || !STANDIN_HAS(handler.Get(), on_resource_redirect)) return to;
  cef_string_t next{};
  cef_string_utf16_set(reinterpret_cast<const cef_char_t*>(to.c_str()), to.size(), &next, 1);
  Trace("callback", L"on_resource_redirect " + to);
  handler->on_resource_redirect(handler.Get(), NewBrowserStruct(st), NewFrameStruct(st), NewRequest(d.request, true),
                                &next);
  std::wstring result = ToW(&next);
  cef_string_utf16_clear(&next);
  return result.empty() ? to : result;
}

// on_resource_load_complete for the document.
void LoadComplete(TDocumentLoad& d) {
  std::shared_ptr<TBrowserState> st;
  TCRef<cef_request_handler_t> handler;
  if (!d.Handler(st, handler) || !STANDIN_HAS(handler.Get(), on_resource_load_complete)) return;
  const cef_urlrequest_status_t status =
      d.out.error == ERR_NONE ? UR_SUCCESS : (d.out.error == ERR_ABORTED ? UR_CANCELED : UR_FAILED);
  handler->on_resource_load_complete(handler.Get(), NewBrowserStruct(st), NewFrameStruct(st),
                                     NewRequest(d.request, true), NewResponse(d.response, true), status, d.received);
}

// One resource, whole: on_before_resource_load, then the application's resource handler or the
// network, following redirects and restarts, then on_resource_load_complete. What came is in
// d.body and d.out (d.out.error ERR_NONE when all of it came).
void LoadResource(TDocumentLoad& d) {
  d.out.url = d.request->url;
  if (!BeforeResourceLoad(d)) {
    d.out.error = ERR_ABORTED;
    return;
  }
  for (int hop = 0;; ++hop) {
    if (hop > kMaxHops) {
      d.out.error = ERR_TOO_MANY_REDIRECTS;
      break;
    }
    d.redirectTo.clear();
    d.restart = false;
    d.filter.reset();
    d.body.clear();
    d.received = 0;
    if (!d.Browser()) {
      d.out.error = ERR_ABORTED;
      return;
    }
    TCRef<cef_resource_handler_t> custom;
    {
      std::shared_ptr<TBrowserState> st;
      TCRef<cef_request_handler_t> handler;
      if (d.Handler(st, handler) && STANDIN_HAS(handler.Get(), get_resource_handler))
        custom = TCRef<cef_resource_handler_t>::Adopt(handler->get_resource_handler(
            handler.Get(), NewBrowserStruct(st), NewFrameStruct(st), NewRequest(d.request, true)));
    }
    d.out.error = custom ? FetchFromHandler(d, custom) : FetchFromNetwork(d);
    if (!d.redirectTo.empty()) {
      d.request->url = Redirected(d, d.redirectTo);
      Trace("browser", L"redirected to " + d.request->url);
      continue;
    }
    if (d.restart) continue;
    break;
  }
  if (d.filter && d.out.error == ERR_NONE && !d.filter->Finish(d.body)) d.out.error = ERR_FAILED;
  if (d.out.download) d.out.error = ERR_ABORTED;
  LoadComplete(d);
}

// The document's external scripts, each a resource of its own with the same callbacks; one that
// cannot be had is skipped, as a browser skips it.
void FetchScripts(TDocumentLoad& doc) {
  doc.out.document = ParseHtml(doc.out.html);
  doc.out.parsed = true;
  for (const auto& s : doc.out.document.scripts) {
    std::wstring code = s.code, src = doc.out.url;
    if (!s.src.empty()) {
      TDocumentLoad d;
      d.weak = doc.weak;
      d.seq = doc.seq;
      d.userAgent = doc.userAgent;
      d.request->url = src = ResolveUrl(doc.out.url, s.src);
      d.request->resourceType = RT_SCRIPT;
      LoadResource(d);
      if (d.out.error != ERR_NONE || d.out.status >= 400) continue;
      code = DecodeText(d.body, d.charset);
    }
    doc.out.scripts.emplace_back(src, code);
    doc.out.scriptLines.push_back(s.src.empty() ? s.line : 1);
  }
}

}  // namespace

TLoaded FetchDocument(const std::weak_ptr<TBrowserState>& weak, unsigned seq, const std::wstring& url,
                      const std::wstring& userAgent) {
  TDocumentLoad d;
  d.weak = weak;
  d.seq = seq;
  d.userAgent = userAgent;
  d.request->url = url;
  d.request->resourceType = RT_MAIN_FRAME;
  LoadResource(d);
  if (d.out.error != ERR_NONE) return d.out;
  d.out.html = DecodeText(d.body, d.charset);
  if (d.out.mime.empty() || d.out.mime.find(L"html") != std::wstring::npos) FetchScripts(d);
  return d.out;
}

}  // namespace standin
