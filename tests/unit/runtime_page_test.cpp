// Pages in the stand-in runtime, driven through the C interface with a small test client: load
// callbacks and their order, load errors, an extension calling a native handler, a dialog that
// waits for its answer, window.open's features. Multi-process here, single-process in a child.
#include <algorithm>
#include <cstring>
#include <mutex>
#include <thread>
#include <string>
#include <vector>

#include "unit/RuntimeTestSupport.h"

using namespace testing_support;

namespace {

// ---- render side: an extension with a native handler ------------------------------------------

const wchar_t kExtensionCode[] =
    L"var tapp;\n"
    L"if (!tapp) tapp = {};\n"
    L"(function() {\n"
    L"  tapp.add = function(a, b) { native function add(); return add(a, b); };\n"
    L"  tapp.fail = function() { native function fail(); return fail(); };\n"
    L"})();\n";

int CEF_CALLBACK Execute(cef_v8handler_t*, const cef_string_t* name, cef_v8value_t* object, size_t argc,
                         cef_v8value_t* const* args, cef_v8value_t** retval, cef_string_t* exception) {
  const std::wstring n = W(*name);
  Release(object);
  int sum = 0;
  for (size_t i = 0; i < argc; ++i) {
    sum += args[i]->get_int_value(args[i]);
    Release(args[i]);
  }
  if (n == L"add") {
    *retval = Cef().cef_v8value_create_int(sum);
    return 1;
  }
  if (n == L"fail") {
    const std::wstring text = L"boom";
    Cef().cef_string_utf16_set(text.c_str(), text.size(), exception, 1);
    return 1;
  }
  return 0;
}

TOwn<cef_v8handler_t>* gHandler = [] {
  auto* h = new TOwn<cef_v8handler_t>();
  h->s.execute = &Execute;
  return h;
}();

// What the render side hears goes to the browser process as a message "render <text>".
void TellBrowser(cef_browser_t* browser, const std::wstring& text) {
  const std::wstring name = L"render " + text;
  cef_string_t n = View(name);
  browser->send_process_message(browser, PID_BROWSER, Cef().cef_process_message_create(&n));
  Release(browser);
}

TOwn<cef_render_process_handler_t>* gRenderHandler = [] {
  auto* h = new TOwn<cef_render_process_handler_t>();
  h->s.on_browser_created = [](cef_render_process_handler_t*, cef_browser_t* b) CEF_CALLBACK {
    TellBrowser(b, L"browser_created");
  };
  h->s.on_context_created = [](cef_render_process_handler_t*, cef_browser_t* b, cef_frame_t* f,
                               cef_v8context_t* context) CEF_CALLBACK {
    // The frame's context is the one created.
    cef_v8context_t* own = f->get_v8context(f);
    const bool same = own && context->is_same(context, AddRef(own));
    Release(own);
    Release(context);
    Release(f);
    TellBrowser(b, L"context_created same=" + std::to_wstring(same));
  };
  h->s.on_context_released = [](cef_render_process_handler_t*, cef_browser_t* b, cef_frame_t* f,
                                cef_v8context_t* context) CEF_CALLBACK {
    Release(context);
    Release(f);
    TellBrowser(b, L"context_released");
  };
  h->s.on_uncaught_exception = [](cef_render_process_handler_t*, cef_browser_t* b, cef_frame_t* f, cef_v8context_t* context,
                                  cef_v8exception_t* exception, cef_v8stack_trace_t* trace) CEF_CALLBACK {
    const std::wstring message = Take(exception->get_message(exception));
    const int line = exception->get_line_number(exception);
    Release(exception);
    Release(trace);
    Release(context);
    Release(f);
    TellBrowser(b, L"uncaught " + message + L" @" + std::to_wstring(line));
  };
  h->s.on_web_kit_initialized = [](cef_render_process_handler_t*) CEF_CALLBACK {
    const std::wstring name = L"v8/tapp", code = kExtensionCode;
    cef_string_t n = View(name), c = View(code);
    Cef().cef_register_extension(&n, &c, gHandler->Wrap());
  };
  return h;
}();

TOwn<cef_app_t>* gApp = [] {
  auto* a = new TOwn<cef_app_t>();
  a->s.get_render_process_handler = [](cef_app_t*) CEF_CALLBACK { return gRenderHandler->Wrap(); };
  return a;
}();

int RendererMain() {
  cef_main_args_t args{GetModuleHandleW(nullptr)};
  return Cef().cef_execute_process(&args, gApp->Wrap(), nullptr);
}
const bool gRendererRegistered = RegisterProcessTypeMain(&RendererMain);

// A page window under a top-level window of the test.
HWND TestParent() {
  static HWND parent = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"RuntimePageTestParent";
    RegisterClassW(&wc);
    return CreateWindowExW(0, wc.lpszClassName, L"runtime page test", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 640,
                           480, nullptr, nullptr, wc.hInstance, nullptr);
  }();
  return parent;
}

// ---- browser side: a client that writes down what it is told ------------------------------------

struct TEvents {
  std::vector<std::wstring> log;  // "kind arg", in arrival order
  bool offUiThread = false;
  cef_jsdialog_callback_t* dialog = nullptr;  // one reference, until answered
  cef_popup_features_t popup{};
  std::wstring popupUrl;
  std::wstring title;
  cef_auth_callback_t* auth = nullptr;  // one reference, until answered
  bool authOffUi = false;
  std::atomic<int> beforeResource{0}, resourceComplete{0};
  std::atomic<bool> resourceOnUi{false};
  std::wstring authRealm;
  std::wstring downloadName;
  bool downloadComplete = false;
  std::wstring downloadPath;  // where the test asked it saved
  // The last download that ended (updates of an earlier one may still come after it).
  uint32_t endedId = 0;
  bool endedComplete = false;
  std::wstring endedPath;
  // The request handler's IO-thread callbacks, written down apart.
  std::mutex ioLock;
  std::vector<std::wstring> io;
  std::wstring redirectTarget;  // where on_resource_redirect sends a redirect to "...redirect=0"
  bool filter = false;          // documents get a filter that renames "Basic page"
  std::string filterIn, filterOut;
  size_t filterPos = 0;
  int servedReads = 0;
  cef_jsdialog_callback_t* leave = nullptr;  // one reference, until answered
  std::wstring leaveMessage;
  bool leaveIsReload = false;
  bool allowPopup = false;
  cef_browser_t* popupBrowser = nullptr;  // one reference
  cef_request_callback_t* certificate = nullptr;  // one reference, until answered
  int certificateError = 0;
  bool certificateOnUi = false;
  void AddIo(const std::wstring& e) {
    if (Cef().cef_currently_on(TID_UI)) resourceOnUi = true;
    std::lock_guard<std::mutex> l(ioLock);
    io.push_back(e);
  }
  std::vector<std::wstring> Io() {
    std::lock_guard<std::mutex> l(ioLock);
    return io;
  }
  void Add(const std::wstring& e) {
    if (!Cef().cef_currently_on(TID_UI)) offUiThread = true;
    log.push_back(e);
  }
  bool Has(const std::wstring& prefix) const {
    for (const auto& e : log)
      if (e.rfind(prefix, 0) == 0) return true;
    return false;
  }
};
TEvents* gEvents = nullptr;

TOwn<cef_load_handler_t>* NewLoadHandler() {
  auto* h = new TOwn<cef_load_handler_t>();
  h->s.on_loading_state_change = [](cef_load_handler_t*, cef_browser_t* b, int loading, int, int) CEF_CALLBACK {
    gEvents->Add(L"loading " + std::to_wstring(loading));
    Release(b);
  };
  h->s.on_load_start = [](cef_load_handler_t*, cef_browser_t* b, cef_frame_t* f) CEF_CALLBACK {
    gEvents->Add(L"start");
    Release(b);
    Release(f);
  };
  h->s.on_load_end = [](cef_load_handler_t*, cef_browser_t* b, cef_frame_t* f, int status) CEF_CALLBACK {
    gEvents->Add(L"end " + std::to_wstring(status));
    Release(b);
    Release(f);
  };
  h->s.on_load_error = [](cef_load_handler_t*, cef_browser_t* b, cef_frame_t* f, cef_errorcode_t e,
                          const cef_string_t*, const cef_string_t* url) CEF_CALLBACK {
    gEvents->Add(L"error " + std::to_wstring(e) + L" " + W(*url));
    Release(b);
    Release(f);
  };
  return h;
}

TOwn<cef_display_handler_t>* NewDisplayHandler() {
  auto* h = new TOwn<cef_display_handler_t>();
  h->s.on_address_change = [](cef_display_handler_t*, cef_browser_t* b, cef_frame_t* f, const cef_string_t* url) CEF_CALLBACK {
    gEvents->Add(L"address " + W(*url));
    Release(b);
    Release(f);
  };
  h->s.on_title_change = [](cef_display_handler_t*, cef_browser_t* b, const cef_string_t* title) CEF_CALLBACK {
    gEvents->Add(L"title " + W(*title));
    gEvents->title = W(*title);
    Release(b);
  };
  h->s.on_favicon_urlchange = [](cef_display_handler_t*, cef_browser_t* b, cef_string_list_t icons) CEF_CALLBACK {
    std::wstring all;
    for (int i = 0; i < Cef().cef_string_list_size(icons); ++i) {
      cef_string_t v{};
      Cef().cef_string_list_value(icons, i, &v);
      all += (i ? L" " : L"") + W(v);
      Cef().cef_string_utf16_clear(&v);
    }
    gEvents->Add(L"favicons " + all);
    Release(b);
  };
  h->s.on_console_message = [](cef_display_handler_t*, cef_browser_t* b, const cef_string_t* message,
                               const cef_string_t* source, int line) CEF_CALLBACK -> int {
    const std::wstring src = W(*source);
    gEvents->Add(L"console " + W(*message) + L" @" + src.substr(src.find_last_of(L'/') + 1) + L":" + std::to_wstring(line));
    Release(b);
    return 0;
  };
  return h;
}

TOwn<cef_jsdialog_handler_t>* NewDialogHandler() {
  auto* h = new TOwn<cef_jsdialog_handler_t>();
  h->s.on_jsdialog = [](cef_jsdialog_handler_t*, cef_browser_t* b, const cef_string_t*, const cef_string_t*,
                        cef_jsdialog_type_t type, const cef_string_t* message, const cef_string_t*,
                        cef_jsdialog_callback_t* callback, int*) CEF_CALLBACK -> int {
    gEvents->Add(L"dialog " + std::to_wstring(type) + L" " + W(*message));
    gEvents->dialog = callback;  // answered later by the test
    Release(b);
    return 1;
  };
  h->s.on_before_unload_dialog = [](cef_jsdialog_handler_t*, cef_browser_t* b, const cef_string_t* message,
                                    int isReload, cef_jsdialog_callback_t* callback) CEF_CALLBACK -> int {
    gEvents->Add(L"leave");
    gEvents->leaveMessage = W(*message);
    gEvents->leaveIsReload = isReload != 0;
    gEvents->leave = callback;
    Release(b);
    return 1;
  };
  return h;
}

void Answer(cef_jsdialog_callback_t*& callback, bool ok) {
  if (!callback) return;
  callback->cont(callback, ok ? 1 : 0, nullptr);
  Release(callback);
  callback = nullptr;
}

TOwn<cef_life_span_handler_t>* NewLifeSpanHandler() {
  auto* h = new TOwn<cef_life_span_handler_t>();
  h->s.on_before_popup = [](cef_life_span_handler_t*, cef_browser_t* b, cef_frame_t* f, const cef_string_t* url,
                            const cef_string_t*, cef_window_open_disposition_t, int, const cef_popup_features_t* features,
                            cef_window_info_t* info, cef_client_t**, cef_browser_settings_t*, int*) CEF_CALLBACK -> int {
    gEvents->Add(L"popup " + W(*url));
    gEvents->popup = *features;
    gEvents->popupUrl = W(*url);
    Release(b);
    Release(f);
    if (!gEvents->allowPopup) return 1;
    // Allowed: a child of the test's window, where the test says.
    info->parent_window = TestParent();
    info->style = WS_CHILD | WS_VISIBLE;
    info->x = 5;
    info->y = 6;
    info->width = 200;
    info->height = 100;
    return 0;
  };
  h->s.on_after_created = [](cef_life_span_handler_t*, cef_browser_t* b) CEF_CALLBACK {
    gEvents->Add(L"created");
    if (b->is_popup(b) && !gEvents->popupBrowser) gEvents->popupBrowser = b;
    else Release(b);
  };
  h->s.do_close = [](cef_life_span_handler_t*, cef_browser_t* b) CEF_CALLBACK -> int {
    gEvents->Add(L"do_close");
    Release(b);
    return 0;
  };
  h->s.on_before_close = [](cef_life_span_handler_t*, cef_browser_t* b) CEF_CALLBACK {
    gEvents->Add(L"before_close");
    Release(b);
  };
  return h;
}

// The application's own document for "/served/" addresses: its first read answers later, from
// another thread, through the callback.
TOwn<cef_resource_handler_t>* NewServingHandler() {
  auto* h = new TOwn<cef_resource_handler_t>();
  h->s.process_request = [](cef_resource_handler_t*, cef_request_t* r, cef_callback_t* cb) CEF_CALLBACK -> int {
    Release(r);
    cb->cont(cb);
    Release(cb);
    return 1;
  };
  h->s.get_response_headers = [](cef_resource_handler_t*, cef_response_t* resp, int64_t* length, cef_string_t*) CEF_CALLBACK {
    const std::wstring mime = L"text/html";
    cef_string_t m = View(mime);
    resp->set_mime_type(resp, &m);
    resp->set_status(resp, 200);
    *length = -1;
    Release(resp);
  };
  h->s.read_response = [](cef_resource_handler_t*, void* out, int size, int* read, cef_callback_t* cb) CEF_CALLBACK -> int {
    static const std::string doc = "<html><head><title>Served by the application</title></head><body>own</body></html>";
    *read = 0;
    switch (gEvents->servedReads++) {
      case 0:
        std::thread([cb] {
          Sleep(50);
          cb->cont(cb);
          Release(cb);
        }).detach();
        return 1;
      case 1:
        *read = static_cast<int>(std::min<size_t>(doc.size(), static_cast<size_t>(size)));
        std::memcpy(out, doc.data(), static_cast<size_t>(*read));
        Release(cb);
        return 1;
      default: Release(cb); return 0;
    }
  };
  return h;
}

// Keeps the whole document, then gives it back renamed, 16 bytes a call, once the input ended.
TOwn<cef_response_filter_t>* NewRenamingFilter() {
  auto* f = new TOwn<cef_response_filter_t>();
  f->s.init_filter = [](cef_response_filter_t*) CEF_CALLBACK -> int {
    gEvents->filterIn.clear();
    gEvents->filterOut.clear();
    gEvents->filterPos = 0;
    return 1;
  };
  f->s.filter = [](cef_response_filter_t*, void* in, size_t inSize, size_t* inRead, void* out, size_t outSize,
                   size_t* written) CEF_CALLBACK -> cef_response_filter_status_t {
    TEvents& e = *gEvents;
    *written = 0;
    *inRead = inSize;
    if (in) {
      e.filterIn.append(static_cast<const char*>(in), inSize);
      return RESPONSE_FILTER_NEED_MORE_DATA;
    }
    if (e.filterOut.empty()) {
      e.filterOut = e.filterIn;
      const size_t at = e.filterOut.find("Basic page");
      if (at != std::string::npos) e.filterOut.replace(at, 10, "Filtered page");
    }
    const size_t n = std::min({outSize, size_t{16}, e.filterOut.size() - e.filterPos});
    std::memcpy(out, e.filterOut.data() + e.filterPos, n);
    e.filterPos += n;
    *written = n;
    return e.filterPos == e.filterOut.size() ? RESPONSE_FILTER_DONE : RESPONSE_FILTER_NEED_MORE_DATA;
  };
  return f;
}

TOwn<cef_request_handler_t>* NewRequestHandler() {
  auto* h = new TOwn<cef_request_handler_t>();
  h->s.on_before_resource_load = [](cef_request_handler_t*, cef_browser_t* b, cef_frame_t* f, cef_request_t* r,
                                    cef_request_callback_t* cb) CEF_CALLBACK -> cef_return_value_t {
    if (Cef().cef_currently_on(TID_UI)) gEvents->resourceOnUi = true;
    ++gEvents->beforeResource;
    gEvents->AddIo(L"before " + std::to_wstring(r->get_resource_type(r)) + L" " + Take(r->get_url(r)));
    Release(b, f, r, cb);
    return RV_CONTINUE;
  };
  h->s.on_resource_load_complete = [](cef_request_handler_t*, cef_browser_t* b, cef_frame_t* f, cef_request_t* r,
                                      cef_response_t* resp, cef_urlrequest_status_t, int64_t) CEF_CALLBACK {
    if (Cef().cef_currently_on(TID_UI)) gEvents->resourceOnUi = true;
    ++gEvents->resourceComplete;
    Release(b, f, r, resp);
  };
  h->s.get_resource_handler = [](cef_request_handler_t*, cef_browser_t* b, cef_frame_t* f, cef_request_t* r)
                                   CEF_CALLBACK -> cef_resource_handler_t* {
    const std::wstring url = Take(r->get_url(r));
    Release(b, f, r);
    if (url.find(L"/served/") == std::wstring::npos) return nullptr;
    gEvents->servedReads = 0;
    return &NewServingHandler()->s;
  };
  h->s.on_resource_redirect = [](cef_request_handler_t*, cef_browser_t* b, cef_frame_t* f, cef_request_t* r,
                                 cef_string_t* newUrl) CEF_CALLBACK {
    const std::wstring to = W(*newUrl);
    gEvents->AddIo(L"redirect " + to);
    if (to.find(L"redirect=0") != std::wstring::npos && !gEvents->redirectTarget.empty())
      Cef().cef_string_utf16_set(gEvents->redirectTarget.c_str(), gEvents->redirectTarget.size(), newUrl, 1);
    Release(b, f, r);
  };
  h->s.on_resource_response = [](cef_request_handler_t*, cef_browser_t* b, cef_frame_t* f, cef_request_t* r,
                                 cef_response_t* resp) CEF_CALLBACK -> int {
    const std::wstring url = Take(r->get_url(r));
    const int status = resp->get_status(resp);
    gEvents->AddIo(L"response " + std::to_wstring(status));
    int restart = 0;
    if (status == 404 && url.find(L"retry=1") != std::wstring::npos) {
      // Sent again, elsewhere.
      const std::wstring next = HttpUrl(L"/pages/runtime_basic.html?retried=1");
      cef_string_t n = View(next);
      r->set_url(r, &n);
      restart = 1;
    }
    Release(b, f, r, resp);
    return restart;
  };
  h->s.get_resource_response_filter = [](cef_request_handler_t*, cef_browser_t* b, cef_frame_t* f, cef_request_t* r,
                                         cef_response_t* resp) CEF_CALLBACK -> cef_response_filter_t* {
    Release(b, f, r, resp);
    return gEvents->filter ? &NewRenamingFilter()->s : nullptr;
  };
  h->s.on_certificate_error = [](cef_request_handler_t*, cef_browser_t* b, cef_errorcode_t error, const cef_string_t*,
                                 cef_sslinfo_t* info, cef_request_callback_t* callback) CEF_CALLBACK -> int {
    gEvents->certificateOnUi = Cef().cef_currently_on(TID_UI) != 0;
    gEvents->certificateError = error;
    gEvents->certificate = callback;
    Release(info);
    Release(b);
    return 1;
  };
  h->s.on_render_process_terminated = [](cef_request_handler_t*, cef_browser_t* b, cef_termination_status_t) CEF_CALLBACK {
    gEvents->Add(L"terminated");
    Release(b);
  };
  h->s.get_auth_credentials = [](cef_request_handler_t*, cef_browser_t* b, cef_frame_t* f, int, const cef_string_t*, int,
                                 const cef_string_t* realm, const cef_string_t*, cef_auth_callback_t* callback)
                                  CEF_CALLBACK -> int {
    gEvents->authOffUi = !Cef().cef_currently_on(TID_UI);
    gEvents->authRealm = W(*realm);
    gEvents->auth = callback;
    Release(b);
    Release(f);
    return 1;
  };
  return h;
}

TOwn<cef_download_handler_t>* NewDownloadHandler() {
  auto* h = new TOwn<cef_download_handler_t>();
  h->s.on_before_download = [](cef_download_handler_t*, cef_browser_t* b, cef_download_item_t* item,
                               const cef_string_t* name, cef_before_download_callback_t* callback) CEF_CALLBACK {
    gEvents->downloadName = W(*name);
    cef_string_t path = View(gEvents->downloadPath);
    callback->cont(callback, &path, 0);
    Release(callback);
    Release(item);
    Release(b);
  };
  h->s.on_download_updated = [](cef_download_handler_t*, cef_browser_t* b, cef_download_item_t* item,
                                cef_download_item_callback_t* callback) CEF_CALLBACK {
    if (item->is_complete(item)) gEvents->downloadComplete = true;
    if ((item->is_complete(item) || item->is_canceled(item)) && item->get_id(item) > gEvents->endedId) {
      gEvents->endedId = item->get_id(item);
      gEvents->endedComplete = item->is_complete(item);
      gEvents->endedPath = Take(item->get_full_path(item));
    }
    Release(callback);
    Release(item);
    Release(b);
  };
  return h;
}

TOwn<cef_keyboard_handler_t>* NewKeyboardHandler() {
  auto* h = new TOwn<cef_keyboard_handler_t>();
  h->s.on_pre_key_event = [](cef_keyboard_handler_t*, cef_browser_t* b, const cef_key_event_t* e, cef_event_handle_t os,
                             int*) CEF_CALLBACK -> int {
    gEvents->Add(L"prekey " + std::to_wstring(e->type) + L" " + std::to_wstring(e->windows_key_code) + L" " +
                 std::to_wstring(os && os->message == WM_KEYDOWN));
    Release(b);
    return 0;
  };
  h->s.on_key_event = [](cef_keyboard_handler_t*, cef_browser_t* b, const cef_key_event_t* e, cef_event_handle_t) CEF_CALLBACK -> int {
    gEvents->Add(L"key " + std::to_wstring(e->type) + L" " + std::to_wstring(e->windows_key_code));
    Release(b);
    return 0;
  };
  return h;
}

TOwn<cef_focus_handler_t>* NewFocusHandler() {
  auto* h = new TOwn<cef_focus_handler_t>();
  h->s.on_set_focus = [](cef_focus_handler_t*, cef_browser_t* b, cef_focus_source_t) CEF_CALLBACK -> int {
    gEvents->Add(L"setfocus");
    Release(b);
    return 0;
  };
  h->s.on_got_focus = [](cef_focus_handler_t*, cef_browser_t* b) CEF_CALLBACK {
    gEvents->Add(L"gotfocus");
    Release(b);
  };
  h->s.on_take_focus = [](cef_focus_handler_t*, cef_browser_t* b, int next) CEF_CALLBACK {
    gEvents->Add(L"takefocus " + std::to_wstring(next));
    Release(b);
  };
  return h;
}

TOwn<cef_context_menu_handler_t>* NewMenuHandler() {
  auto* h = new TOwn<cef_context_menu_handler_t>();
  h->s.on_before_context_menu = [](cef_context_menu_handler_t*, cef_browser_t* b, cef_frame_t* f,
                                   cef_context_menu_params_t* params, cef_menu_model_t* model) CEF_CALLBACK {
    gEvents->Add(L"menu " + std::to_wstring(model->get_count(model)) + L" at " + std::to_wstring(params->get_xcoord(params)) +
                 L"," + std::to_wstring(params->get_ycoord(params)));
    model->clear(model);  // nothing is shown then
    Release(params);
    Release(model);
    Release(b);
    Release(f);
  };
  h->s.on_context_menu_dismissed = [](cef_context_menu_handler_t*, cef_browser_t* b, cef_frame_t* f) CEF_CALLBACK {
    gEvents->Add(L"menu dismissed");
    Release(b);
    Release(f);
  };
  return h;
}

TOwn<cef_client_t>* NewPageClient() {
  static TOwn<cef_keyboard_handler_t>* keys = NewKeyboardHandler();
  static TOwn<cef_focus_handler_t>* focus = NewFocusHandler();
  static TOwn<cef_context_menu_handler_t>* menus = NewMenuHandler();
  static TOwn<cef_request_handler_t>* requests = NewRequestHandler();
  static TOwn<cef_download_handler_t>* downloads = NewDownloadHandler();
  static TOwn<cef_load_handler_t>* load = NewLoadHandler();
  static TOwn<cef_display_handler_t>* display = NewDisplayHandler();
  static TOwn<cef_jsdialog_handler_t>* dialogs = NewDialogHandler();
  static TOwn<cef_life_span_handler_t>* life = NewLifeSpanHandler();
  auto* c = new TOwn<cef_client_t>();
  c->s.get_load_handler = [](cef_client_t*) CEF_CALLBACK { return load->Wrap(); };
  c->s.get_display_handler = [](cef_client_t*) CEF_CALLBACK { return display->Wrap(); };
  c->s.get_jsdialog_handler = [](cef_client_t*) CEF_CALLBACK { return dialogs->Wrap(); };
  c->s.get_life_span_handler = [](cef_client_t*) CEF_CALLBACK { return life->Wrap(); };
  c->s.get_request_handler = [](cef_client_t*) CEF_CALLBACK { return requests->Wrap(); };
  c->s.get_download_handler = [](cef_client_t*) CEF_CALLBACK { return downloads->Wrap(); };
  c->s.get_keyboard_handler = [](cef_client_t*) CEF_CALLBACK { return keys->Wrap(); };
  c->s.get_focus_handler = [](cef_client_t*) CEF_CALLBACK { return focus->Wrap(); };
  c->s.get_context_menu_handler = [](cef_client_t*) CEF_CALLBACK { return menus->Wrap(); };
  c->s.on_process_message_received = [](cef_client_t*, cef_browser_t* b, cef_process_id_t, cef_process_message_t* m)
                                         CEF_CALLBACK -> int {
    const std::wstring name = Take(m->get_name(m));
    if (name.rfind(L"render ", 0) == 0) gEvents->Add(name);
    Release(m);
    Release(b);
    return 1;
  };
  return c;
}

bool Initialize(bool singleProcess, const std::wstring& cache) {
  cef_settings_t settings{};
  settings.size = sizeof(settings);
  settings.single_process = singleProcess;
  settings.no_sandbox = 1;
  settings.cache_path = View(cache);
  cef_main_args_t args{GetModuleHandleW(nullptr)};
  if (Cef().cef_execute_process(&args, gApp->Wrap(), nullptr) != -1) return false;
  return Cef().cef_initialize(&args, &settings, gApp->Wrap(), nullptr) == 1;
}

cef_browser_t* Open(const std::wstring& url) {
  cef_window_info_t info{};
  info.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
  info.parent_window = TestParent();
  info.width = 600;
  info.height = 400;
  cef_string_t u = View(url);
  cef_browser_settings_t bs{};
  bs.size = sizeof(bs);
  return Cef().cef_browser_host_create_browser_sync(&info, NewPageClient()->Wrap(), &u, &bs, nullptr);
}

// The page window paints its title: dark pixels in its top band, read back from the screen.
bool TitlePainted(cef_browser_t* browser) {
  cef_browser_host_t* host = browser->get_host(browser);
  HWND page = host->get_window_handle(host);
  Release(host);
  if (!page) return false;
  ShowWindow(TestParent(), SW_SHOWNOACTIVATE);
  RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  HDC dc = GetDC(page);
  HDC mem = CreateCompatibleDC(dc);
  HBITMAP bmp = CreateCompatibleBitmap(dc, 300, 40);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, 300, 40, dc, 0, 0, SRCCOPY);
  int dark = 0, light = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 300; ++x) {
      const COLORREF c = GetPixel(mem, x, y);
      if (GetRValue(c) < 100 && GetGValue(c) < 100 && GetBValue(c) < 100) ++dark;
      if (GetRValue(c) > 200 && GetGValue(c) > 200 && GetBValue(c) > 200) ++light;
    }
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(page, dc);
  // Dark text on the white page: a capture that failed would be all one colour.
  return dark > 30 && light > 3000;
}

std::wstring Joined(const std::vector<std::wstring>& v) {
  std::wstring s;
  for (const auto& e : v) s += e + L" | ";
  return s;
}
std::string Narrow(const std::wstring& w) {
  std::string s;
  for (wchar_t c : w) s += c < 0x80 ? static_cast<char>(c) : '?';
  return s;
}

using TCheck = std::function<bool(bool ok, const std::string& what)>;

void LoadUrl(cef_frame_t* frame, const std::wstring& url) {
  cef_string_t u = View(url);
  frame->load_url(frame, &u);
}

size_t CountPrefix(const std::vector<std::wstring>& log, const std::wstring& prefix) {
  return static_cast<size_t>(std::count_if(log.begin(), log.end(), [&](const std::wstring& e) { return e.rfind(prefix, 0) == 0; }));
}

// A server whose certificate nobody trusts: on_certificate_error decides, on the UI thread.
void CertificateSteps(TEvents& events, cef_frame_t* frame, const TCheck& check) {
  const std::wstring url = HttpsUrl(L"/pages/runtime_basic.html?tls=1");
  auto answer = [&](int allow) {
    if (!check(PumpUntil([&] { return events.certificate != nullptr; }), "no on_certificate_error")) return;
    check(events.certificateOnUi && events.certificateError == ERR_CERT_AUTHORITY_INVALID,
          "certificate error " + std::to_string(events.certificateError));
    events.certificate->cont(events.certificate, allow);
    Release(events.certificate);
    events.certificate = nullptr;
  };
  events.log.clear();
  LoadUrl(frame, url);
  answer(0);
  check(PumpUntil([&] { return events.Has(L"loading 0"); }) &&
            events.Has(L"error " + std::to_wstring(ERR_CERT_AUTHORITY_INVALID) + L" " + url),
        "refused certificate: " + Narrow(Joined(events.log)));
  events.log.clear();
  LoadUrl(frame, url);
  answer(1);
  check(PumpUntil([&] { return events.Has(L"loading 0"); }) && events.Has(L"end 200") && events.title == L"Basic page",
        "accepted certificate: " + Narrow(Joined(events.log)));
}

// Without a path the suggested name goes to the Downloads folder and never replaces a file there;
// a device name is refused.
void NoOverwriteSteps(TEvents& events, cef_frame_t* frame, const TCheck& check) {
  const std::wstring attachment = HttpUrl(L"/bytes/5000?attachment=data.bin");
  auto download = [&](const std::wstring& url) {
    const uint32_t before = events.endedId;
    cef_string_t u = View(url);
    frame->load_url(frame, &u);
    return PumpUntil([&] { return events.endedId > before; });
  };
  events.downloadPath.clear();
  check(download(attachment) && events.endedComplete, "download without a path did not complete");
  const std::wstring first = events.endedPath;
  check(first.find(L"data") != std::wstring::npos && first.size() > 9 && first.compare(first.size() - 4, 4, L".bin") == 0,
        "saved as " + Narrow(first));
  WriteFileBytes(first, "the user's own file");
  check(download(attachment) && events.endedComplete, "second download without a path did not complete");
  const std::wstring second = events.endedPath;
  check(second != first, "the second download took the same name");
  check(ReadFileBytes(first) == "the user's own file", "an existing file was replaced");
  check(ReadFileBytes(second).size() == 5000, "second download has " + std::to_string(ReadFileBytes(second).size()) + " bytes");
  DeleteFileW(first.c_str());
  DeleteFileW(second.c_str());

  for (const wchar_t* device : {L"CON.txt", L"nul", L"com1.tar.gz", L"Lpt9.bin"}) {
    check(download(HttpUrl(L"/bytes/100?attachment=") + device), "no end for " + Narrow(device));
    check(!events.endedComplete, "device name not refused: " + Narrow(device));
  }
}

void KindsOfLoadSteps(TEvents& events, cef_browser_t* browser, cef_frame_t* frame, const TCheck& check) {
  auto loaded = [&] { return PumpUntil([&] { return events.Has(L"loading 0"); }); };
  events.log.clear();
  const std::wstring html = L"<html><head><title>Given as text</title></head><body><script>throw new Error('from text');"
                            L"</script></body></html>";
  const std::wstring textUrl = L"http://text.invalid/given";
  cef_string_t h = View(html), tu = View(textUrl);
  frame->load_string(frame, &h, &tu);
  check(loaded() && events.Has(L"address " + textUrl) && events.title == L"Given as text",
        "load_string: " + Narrow(Joined(events.log)));
  check(PumpUntil([&] { return events.Has(L"render uncaught"); }), "no on_uncaught_exception");
  check(events.Has(L"render context_created same=1") && events.Has(L"render context_released") &&
            events.Has(L"render uncaught Uncaught Error: from text @1"),
        "render side: " + Narrow(Joined(events.log)));

  events.log.clear();
  LoadUrl(frame, L"data:text/html,%3Ctitle%3EFrom%20data%3C%2Ftitle%3E");
  check(loaded() && events.title == L"From data" && events.Has(L"end 200"), "data: " + Narrow(Joined(events.log)));

  events.log.clear();
  const std::wstring source = L"view-source:" + HttpUrl(L"/pages/runtime_basic.html");
  LoadUrl(frame, source);
  check(loaded() && events.Has(L"address " + source) && events.Has(L"end 200"), "view-source: " + Narrow(Joined(events.log)));

  events.log.clear();
  const std::wstring unknown = L"tavlo-nowhere://thing";
  LoadUrl(frame, unknown);
  check(loaded() && events.Has(L"error " + std::to_wstring(ERR_UNKNOWN_URL_SCHEME) + L" " + unknown),
        "unknown scheme: " + Narrow(Joined(events.log)));

  // Stopped while the server is still sending.
  events.log.clear();
  const std::wstring slow = HttpUrl(L"/bytes/400000?throttle=20000&type=text/html");
  LoadUrl(frame, slow);
  PumpUntil([&] { return events.Has(L"loading 1"); });
  PumpUntil([] { return false; }, 300);
  browser->stop_load(browser);
  check(loaded() && events.Has(L"error " + std::to_wstring(ERR_ABORTED) + L" " + slow), "stop: " + Narrow(Joined(events.log)));

  cef_browser_host_t* host = browser->get_host(browser);
  events.downloadComplete = false;
  events.downloadPath = events.downloadPath + L".asked";
  const std::wstring asked = HttpUrl(L"/bytes/3000?attachment=asked.bin");
  cef_string_t a = View(asked);
  host->start_download(host, &a);
  check(PumpUntil([&] { return events.downloadComplete; }) && ReadFileBytes(events.downloadPath).size() == 3000,
        "start_download did not save the file");

  host->set_zoom_level(host, 1.7);
  check(host->get_zoom_level(host) == 1.7, "zoom level not kept");
  host->set_zoom_level(host, 0);
  Release(host);
}

// The request handler's part in a load: every redirect through on_resource_redirect (which
// sends one elsewhere), a restart asked by on_resource_response, a response filter, and a
// document the application serves itself; then history over those entries.
void RequestSteps(TEvents& events, cef_browser_t* browser, cef_frame_t* frame, const TCheck& check) {
  auto loaded = [&] { return PumpUntil([&] { return events.Has(L"loading 0"); }); };
  events.log.clear();
  const std::wstring landed = HttpUrl(L"/pages/runtime_basic.html?landed=1");
  events.redirectTarget = landed;
  LoadUrl(frame, HttpUrl(L"/pages/runtime_basic.html?redirect=2"));
  check(loaded(), "redirected load did not end");
  check(events.Has(L"address " + landed) && events.Has(L"end 200"), "redirected load: " + Narrow(Joined(events.log)));
  check(CountPrefix(events.Io(), L"redirect ") == 2, "redirects: " + Narrow(Joined(events.Io())));
  events.redirectTarget.clear();

  events.log.clear();
  LoadUrl(frame, HttpUrl(L"/missing/page.html?retry=1"));
  check(loaded(), "restarted load did not end");
  check(events.Has(L"address " + HttpUrl(L"/pages/runtime_basic.html?retried=1")) && events.Has(L"end 200"),
        "restarted load: " + Narrow(Joined(events.log)));

  // An external script is a resource of its own.
  events.log.clear();
  {
    std::lock_guard<std::mutex> l(events.ioLock);
    events.io.clear();
  }
  LoadUrl(frame, HttpUrl(L"/pages/runtime_script.html"));
  check(loaded() && events.title == L"external ran", "external script: " + Narrow(events.title));
  check(events.Has(L"title Before the external script") &&
            CountPrefix(events.Io(), L"before " + std::to_wstring(RT_SCRIPT) + L" " + HttpUrl(L"/pages/runtime_script.js")) == 1,
        "external script's resource callbacks: " + Narrow(Joined(events.Io())));

  events.log.clear();
  events.filter = true;
  const std::wstring filtered = HttpUrl(L"/pages/runtime_basic.html?filter=1");
  LoadUrl(frame, filtered);
  check(loaded(), "filtered load did not end");
  check(events.title == L"Filtered page", "filtered title: " + Narrow(events.title));
  events.filter = false;

  events.log.clear();
  const std::wstring served = HttpUrl(L"/served/by-the-application.html");
  LoadUrl(frame, served);
  check(loaded(), "served load did not end");
  check(events.title == L"Served by the application" && events.Has(L"end 200") && events.servedReads == 3,
        "served page: " + Narrow(events.title) + " / " + Narrow(Joined(events.log)));

  // Back and forward revisit entries; reload adds none.
  events.log.clear();
  browser->go_back(browser);
  check(loaded() && events.Has(L"address " + filtered), "back: " + Narrow(Joined(events.log)));
  check(browser->can_go_forward(browser) == 1, "nothing to go forward to after going back");
  events.log.clear();
  browser->go_forward(browser);
  check(loaded() && events.Has(L"address " + served), "forward: " + Narrow(Joined(events.log)));
  events.log.clear();
  browser->reload(browser);
  check(loaded() && events.Has(L"address " + served), "reload: " + Narrow(Joined(events.log)));
  check(browser->can_go_forward(browser) == 0 && browser->can_go_back(browser) == 1, "reload changed the history");
}

// The page's onbeforeunload asks before a navigation ("stay" keeps the page) and a reload.
void LeaveSteps(TEvents& events, cef_browser_t* browser, cef_frame_t* frame, const TCheck& check) {
  events.log.clear();
  LoadUrl(frame, HttpUrl(L"/pages/component_unload.html"));
  check(PumpUntil([&] { return events.Has(L"loading 0"); }), "leave-page page did not load");
  events.log.clear();
  LoadUrl(frame, HttpUrl(L"/pages/runtime_basic.html"));
  check(PumpUntil([&] { return events.leave != nullptr; }), "no leave-page question before a navigation");
  check(events.leaveMessage == L"unsaved work" && !events.leaveIsReload, "leave-page question: " + Narrow(events.leaveMessage));
  Answer(events.leave, false);
  PumpUntil([] { return false; }, 300);
  check(!events.Has(L"start") && events.title == L"Leave me", "the page went although told to stay");
  events.log.clear();
  browser->reload(browser);
  check(PumpUntil([&] { return events.leave != nullptr; }) && events.leaveIsReload, "no leave-page question before a reload");
  Answer(events.leave, true);
  check(PumpUntil([&] { return events.Has(L"loading 0"); }) && events.Has(L"end 200"), "reload after leaving: " + Narrow(Joined(events.log)));
}

// A popup the application allows gets the window information it left, and its own
// on_after_created; closed without force it asks the page, then do_close, then on_before_close.
// The colour the page window shows at (x, y), read back from the screen.
COLORREF PixelAt(HWND page, int x, int y) {
  RedrawWindow(page, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  HDC dc = GetDC(page);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(page, dc);
  return c;
}

// A person's input in the page window: a laid-out page repainted after script changed it,
// clicks on what is under the pointer, Tab through its controls and out, typing, scrolling.
void InputSteps(TEvents& events, cef_browser_t* browser, cef_frame_t* frame, const TCheck& check) {
  events.log.clear();
  const std::wstring page = HttpUrl(L"/pages/runtime_input.html");
  cef_string_t p = View(page);
  frame->load_url(frame, &p);
  check(PumpUntil([&] { return events.Has(L"end"); }), "input page did not load");
  cef_browser_host_t* host = browser->get_host(browser);
  HWND wnd = host->get_window_handle(host);
  Release(host);
  ShowWindow(TestParent(), SW_SHOWNOACTIVATE);
  // The button's background, changed by a timer after the load, is painted where layout put it.
  check(PumpUntil([&] { return PixelAt(wnd, 100, 30) == RGB(255, 0, 0); }, 5000),
        "the changed button was not repainted red at its place");
  auto click = [&](int x, int y) {
    SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  };
  click(100, 30);
  check(PumpUntil([&] { return events.title == L"clicked 1"; }), "button click: " + Narrow(events.title));
  click(400, 200);  // nothing there to click
  click(10, 10);
  check(PumpUntil([&] { return events.title == L"clicked 2"; }), "second click: " + Narrow(events.title));
  // The link whose handler prevents the default stays on the page.
  click(130, 30);
  check(PumpUntil([&] { return events.title == L"link"; }), "prevented link: " + Narrow(events.title));
  // Tab from the link (focused by the press on it) to the input; typing goes there.
  events.log.clear();
  SendMessageW(wnd, WM_KEYDOWN, VK_TAB, 0x000F0001);
  SendMessageW(wnd, WM_CHAR, 'o', 0x00180001);
  SendMessageW(wnd, WM_CHAR, 'k', 0x00250001);
  check(PumpUntil([&] { return events.title == L"typed ok"; }), "typing: " + Narrow(events.title));
  check(events.Has(L"prekey 0 9 1") && events.Has(L"key 3 111"), "keys reach the handlers first: " + Narrow(Joined(events.log)));
  // Past the last control the focus leaves the page; Shift+Tab goes back from the start.
  SendMessageW(wnd, WM_KEYDOWN, VK_TAB, 0x000F0001);
  SendMessageW(wnd, WM_KEYDOWN, VK_TAB, 0x000F0001);
  check(PumpUntil([&] { return events.Has(L"takefocus 1"); }), "Tab did not leave the page: " + Narrow(Joined(events.log)));
  // The page is taller than the window: the wheel scrolls it.
  check((GetWindowLongW(wnd, GWL_STYLE) & WS_VSCROLL) != 0, "no scroll bar on a tall page");
  SendMessageW(wnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA * 2)), MAKELPARAM(10, 10));
  check(GetScrollPos(wnd, SB_VERT) > 0, "the wheel did not scroll");
  check(PixelAt(wnd, 100, 30) != RGB(255, 0, 0), "the scrolled page still shows the button at the top");
  SendMessageW(wnd, WM_VSCROLL, SB_TOP, 0);
  check(GetScrollPos(wnd, SB_VERT) == 0, "the scroll bar did not go back to the top");
  // A link without a handler loads its page.
  events.log.clear();
  click(220, 70);
  check(PumpUntil([&] { return events.title == L"Basic page" && events.Has(L"end"); }),
        "the link was not followed: " + Narrow(events.title));
}

void PopupSteps(TEvents& events, cef_frame_t* frame, const TCheck& check) {
  events.log.clear();
  events.allowPopup = true;
  LoadUrl(frame, HttpUrl(L"/pages/runtime_popup.html"));
  check(PumpUntil([&] { return events.popupBrowser != nullptr; }), "no popup browser");
  events.allowPopup = false;
  cef_browser_t* popup = events.popupBrowser;
  if (!popup) return;
  cef_browser_host_t* host = popup->get_host(popup);
  HWND wnd = host->get_window_handle(host);
  RECT rc{};
  GetWindowRect(wnd, &rc);
  MapWindowPoints(nullptr, TestParent(), reinterpret_cast<POINT*>(&rc), 2);
  check(GetParent(wnd) == TestParent() && rc.left == 5 && rc.top == 6 && rc.right - rc.left == 200 && rc.bottom - rc.top == 100,
        "popup window placement");
  cef_frame_t* popupFrame = popup->get_main_frame(popup);
  // The opener loads too: the popup's own state tells when its page is in.
  const std::wstring unload = HttpUrl(L"/pages/component_unload.html");
  LoadUrl(popupFrame, unload);
  check(PumpUntil([&] { return Take(popupFrame->get_url(popupFrame)) == unload && !popup->is_loading(popup); }),
        "popup did not load the leave-page page");
  events.log.clear();
  host->close_browser(host, 0);
  check(PumpUntil([&] { return events.leave != nullptr; }), "no leave-page question before closing");
  check(!events.Has(L"do_close"), "do_close came before the page agreed");
  Answer(events.leave, true);
  check(PumpUntil([&] { return events.Has(L"before_close"); }), "popup did not close");
  const std::vector<std::wstring> closing = {L"leave", L"do_close", L"before_close"};
  std::vector<std::wstring> seen;
  for (const auto& e : events.log)
    if (e == L"leave" || e == L"do_close" || e == L"before_close") seen.push_back(e);
  check(seen == closing, "closing order: " + Narrow(Joined(events.log)));
  check(!IsWindow(wnd), "popup window left behind");
  Release(popupFrame);
  Release(host);
  Release(popup);
  events.popupBrowser = nullptr;
}

// The render process dies: every browser it served hears of it.
void RenderDeathSteps(TEvents& events, const std::wstring& traceFile, const TCheck& check) {
  const std::string trace = ReadFileBytes(traceFile);
  const size_t at = trace.find(" renderer process render side started");
  if (!check(at != std::string::npos, "no render process in the trace")) return;
  const size_t lineStart = trace.rfind('\n', at);
  const DWORD pid = static_cast<DWORD>(std::stoul(trace.substr(lineStart == std::string::npos ? 0 : lineStart + 1)));
  HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, pid);
  if (!check(process != nullptr, "render process not found")) return;
  TerminateProcess(process, 9);
  CloseHandle(process);
  check(PumpUntil([&] { return events.Has(L"terminated"); }), "no on_render_process_terminated");
}

// The whole scenario; "" when everything held, else what did not.
std::string PageScenario(const std::wstring& folder, const std::wstring& controlFile = L"",
                         const std::wstring& traceFile = L"") {
  TEvents events;
  gEvents = &events;
  std::string failures;
  auto check = [&](bool ok, const std::string& what) {
    if (!ok) failures += what + "\n";
    return ok;
  };

  // A page: load callbacks in order, then its console message.
  const std::wstring basic = HttpUrl(L"/pages/runtime_basic.html");
  cef_browser_t* browser = Open(basic);
  if (!check(browser != nullptr, "no browser")) return failures;
  check(PumpUntil([&] { return events.Has(L"end") && events.Has(L"console"); }), "page did not finish loading");
  std::vector<std::wstring> order;
  for (const auto& e : events.log)
    if (e.rfind(L"console", 0) != 0 && e.rfind(L"render ", 0) != 0) order.push_back(e);
  const std::wstring dir = basic.substr(0, basic.find_last_of(L'/') + 1);
  const std::vector<std::wstring> expected = {
      L"created", L"loading 1", L"start", L"address " + basic, L"title Basic page",
      L"favicons " + dir + L"runtime_icon.ico " + HttpUrl(L"/pages/other.png"), L"end 200", L"loading 0"};
  check(order == expected, "load order: " + Narrow(Joined(order)));
  check(events.Has(L"console basic 3 @runtime_basic.html:7"), "console message: " + Narrow(Joined(events.log)));
  check(!events.offUiThread, "a load callback came off the UI thread");
  check(TitlePainted(browser), "the page window shows no title");
  check(events.beforeResource == 1 && events.resourceComplete == 1 && !events.resourceOnUi,
        "resource callbacks: " + std::to_string(events.beforeResource) + "/" + std::to_string(events.resourceComplete));

  // A refused connection.
  events.log.clear();
  cef_frame_t* frame = browser->get_main_frame(browser);
  const std::wstring refused = L"http://127.0.0.1:1/";
  cef_string_t r = View(refused);
  frame->load_url(frame, &r);
  check(PumpUntil([&] { return events.Has(L"loading 0"); }), "refused load did not end");
  const std::vector<std::wstring> failed = {L"loading 1", L"error " + std::to_wstring(ERR_CONNECTION_REFUSED) + L" " + refused,
                                            L"loading 0"};
  check(events.log == failed, "refused load: " + Narrow(Joined(events.log)));

  // An extension calls into the native handler: a value comes back, and an exception.
  events.log.clear();
  const std::wstring ext = HttpUrl(L"/pages/runtime_ext.html");
  cef_string_t e = View(ext);
  frame->load_url(frame, &e);
  check(PumpUntil([&] { return events.Has(L"end"); }), "extension page did not load");
  check(events.title == L"sum=5;err=boom", "extension result: " + Narrow(events.title));

  // Script runs in the page on request.
  const std::wstring code = L"document.title = 'run ' + (6 * 7);", about = L"about:blank";
  cef_string_t cs = View(code), ab = View(about);
  frame->execute_java_script(frame, &cs, &ab, 0);
  check(PumpUntil([&] { return events.title == L"run 42"; }), "execute_java_script: " + Narrow(events.title));

  // alert waits for the answer.
  events.log.clear();
  const std::wstring alertPage = HttpUrl(L"/pages/runtime_alert.html");
  cef_string_t a = View(alertPage);
  frame->load_url(frame, &a);
  check(PumpUntil([&] { return events.dialog != nullptr; }), "no dialog");
  PumpUntil([] { return false; }, 300);
  check(events.title == L"before", "script went on before the dialog was answered: " + Narrow(events.title));
  check(!events.Has(L"end"), "load ended while the dialog was open");
  if (events.dialog) {
    events.dialog->cont(events.dialog, 1, nullptr);
    Release(events.dialog);
    events.dialog = nullptr;
  }
  check(PumpUntil([&] { return events.title == L"after alert" && events.Has(L"end"); }), "script did not go on after the answer");
  check(events.Has(L"dialog 0 hello"), "dialog type and text: " + Narrow(Joined(events.log)));

  // window.open with features.
  events.log.clear();
  const std::wstring opener = HttpUrl(L"/pages/runtime_popup.html");
  cef_string_t o = View(opener);
  frame->load_url(frame, &o);
  // The opener's own load ends after its script asked for the popup: wait for both.
  check(PumpUntil([&] { return events.Has(L"popup") && events.Has(L"end"); }), "no popup");
  const cef_popup_features_t& f = events.popup;
  check(f.xSet && f.x == 10 && f.ySet && f.y == 20 && f.widthSet && f.width == 300 && f.heightSet && f.height == 200,
        "popup features");
  check(events.popupUrl == basic, "popup url: " + Narrow(events.popupUrl));

  // A page behind HTTP authentication: the credentials are asked off the UI thread, the load
  // waits for them and then succeeds.
  events.log.clear();
  const std::wstring guarded = HttpUrl(L"/pages/runtime_basic.html?auth=tom:secret");
  cef_string_t g = View(guarded);
  frame->load_url(frame, &g);
  check(PumpUntil([&] { return events.auth != nullptr; }), "no get_auth_credentials");
  check(events.authOffUi, "get_auth_credentials came on the UI thread");
  PumpUntil([] { return false; }, 200);
  check(!events.Has(L"end"), "load ended before the credentials came");
  if (events.auth) {
    const std::wstring user = L"tom", pass = L"secret";
    cef_string_t u = View(user), p = View(pass);
    events.auth->cont(events.auth, &u, &p);
    Release(events.auth);
    events.auth = nullptr;
  }
  check(PumpUntil([&] { return events.Has(L"end"); }), "authenticated page did not load");
  check(events.Has(L"end 200"), "authenticated load: " + Narrow(Joined(events.log)));

  // An attachment is saved where cont said.
  events.log.clear();
  events.downloadPath = folder + L"saved\\the file.bin";
  const std::wstring attachment = HttpUrl(L"/bytes/5000?attachment=data.bin");
  cef_string_t at = View(attachment);
  frame->load_url(frame, &at);
  check(PumpUntil([&] { return events.downloadComplete; }), "download did not complete");
  check(events.downloadName == L"data.bin", "suggested name: " + Narrow(events.downloadName));
  const std::string saved = ReadFileBytes(events.downloadPath);
  bool same = saved.size() == 5000;
  for (size_t i = 0; same && i < saved.size(); ++i) same = static_cast<unsigned char>(saved[i]) == ((i * 131 + i / 65536) & 255);
  check(same, "saved file has " + std::to_string(saved.size()) + " bytes or wrong content");
  check(!FileExists(events.downloadPath + L".part"), "partial file left behind");
  NoOverwriteSteps(events, frame, check);

  KindsOfLoadSteps(events, browser, frame, check);
  CertificateSteps(events, frame, check);

  RequestSteps(events, browser, frame, check);
  PopupSteps(events, frame, check);
  InputSteps(events, browser, frame, check);

  // The test control runs script in the page; the trace shows what the page and runtime did.
  if (!controlFile.empty()) {
    WriteFileBytes(controlFile, "script * document.title = 'from control';\n");
    check(PumpUntil([&] { return events.title == L"from control"; }), "control script: " + Narrow(events.title));
    const std::string trace = ReadFileBytes(traceFile);
    check(trace.find(" browser control script * ") != std::string::npos, "no control line in the trace");
    check(trace.find(" renderer process render side started") != std::string::npos, "no render process line in the trace");
    check(trace.find(" browser callback on_load_end 200") != std::string::npos, "no load end in the trace");
  }

  LeaveSteps(events, browser, frame, check);
  Release(frame);
  cef_browser_host_t* host = browser->get_host(browser);
  HWND page = host->get_window_handle(host);
  check(page != nullptr && GetParent(page) == TestParent(), "no page window under the parent");

  // Developer tools: a top-level window with the style, title, position and size asked for.
  cef_window_info_t dt{};
  const std::wstring dtTitle = L"Developer Tools of the test";
  dt.window_name = View(dtTitle);
  dt.style = WS_OVERLAPPEDWINDOW;
  dt.x = 30;
  dt.y = 40;
  dt.width = 500;
  dt.height = 300;
  cef_browser_settings_t dts{};
  dts.size = sizeof(dts);
  host->show_dev_tools(host, &dt, NewPageClient()->Wrap(), &dts, nullptr);
  HWND tools = FindWindowW(L"StandInCefPage", dtTitle.c_str());
  RECT rc{};
  if (check(tools != nullptr && GetParent(tools) == nullptr, "no developer-tools window")) {
    GetWindowRect(tools, &rc);
    check(rc.left == 30 && rc.top == 40 && rc.right - rc.left == 500 && rc.bottom - rc.top == 300, "developer-tools placement");
  }
  host->close_dev_tools(host);
  check(!IsWindow(tools), "developer-tools window left open");

  // Input of the page window reaches the handlers.
  events.log.clear();
  SendMessageW(page, WM_KEYDOWN, 'A', 0x001E0001);
  SendMessageW(page, WM_SETFOCUS, 0, 0);
  SendMessageW(page, WM_RBUTTONUP, 0, MAKELPARAM(15, 25));
  const std::vector<std::wstring> input = {L"prekey 0 65 1", L"key 0 65", L"setfocus", L"gotfocus", L"menu 5 at 15,25"};
  check(events.log == input, "input: " + Narrow(Joined(events.log)));
  if (!traceFile.empty()) RenderDeathSteps(events, traceFile, check);
  host->close_browser(host, 1);
  Release(host);
  Release(browser);
  PumpUntil([] { return false; }, 100);
  gEvents = nullptr;
  return failures;
}

TAVLO_CHILD(single_process_pages) {
  TTempDir cache;
  if (!Initialize(true, cache.Path() + L"cache")) return 2;
  const std::string failures = PageScenario(cache.Path());
  Cef().cef_shutdown();
  WriteFileBytes(args.at(0), failures);
  return failures.empty() ? 0 : 1;
}

}  // namespace

TEST(RuntimePages, MultiProcess) {
  ASSERT_NE(0, HttpServerPort()) << "the local test server is not running";
  TTempDir cache;
  const std::wstring control = cache.Path() + L"control.txt", trace = cache.Path() + L"trace.txt";
  WriteFileBytes(control, "");
  SetEnvironmentVariableW(L"STANDIN_CEF_CONTROL", control.c_str());
  SetEnvironmentVariableW(L"STANDIN_CEF_TRACE", trace.c_str());
  ASSERT_TRUE(Initialize(false, cache.Path() + L"cache"));
  EXPECT_EQ("", PageScenario(cache.Path(), control, trace));
  Cef().cef_shutdown();
}

TEST(RuntimePages, SingleProcess) {
  ASSERT_NE(0, HttpServerPort());
  TTempDir dir;
  const std::wstring report = dir.Path() + L"report.txt";
  SetEnvironmentVariableW(L"STANDIN_CEF_CONTROL", nullptr);
  SetEnvironmentVariableW(L"STANDIN_CEF_TRACE", nullptr);
  EXPECT_EQ(0, RunChild(L"single_process_pages", {report}, 120000));
  EXPECT_EQ("", ReadFileBytes(report));
}
