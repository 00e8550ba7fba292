// The stand-in's test control: when STANDIN_CEF_CONTROL names a file, the browser process reads
// the lines appended to it (every 100 ms, on the UI thread) and carries each out once:
//
//   script <browser|*> <code>      run code in the main frame
//   load <browser|*> <url>         navigate
//   close <browser|*>              close_browser(0)
//   trigger <browser|*> <name>     call a callback that pages rarely cause: tooltip, status,
//                                  fullscreen, plugin_crashed, render_view_ready, find_result,
//                                  protocol_execution, quota, certificate_error, take_focus,
//                                  render_terminated
//
// <browser> is a browser id; * means every browser. Each line is traced ("control ...").
#include <vector>

#include "Cef.Browser.h"
#include "Cef.Threads.h"
#include "Cef.Trace.h"
#include "rtl/Handles.h"

namespace standin {

namespace {

struct TControl {
  std::wstring path;
  ULONGLONG offset = 0;
  std::string pending;
};
TControl& Control() {
  static TControl c;
  return c;
}

class TRequestCallback : public TCefObject<TRequestCallback, cef_request_callback_t> {
public:
  TRequestCallback() {
    FStruct.cont = [](cef_request_callback_t*, int allow) CALLBACK { Trace("control", "request callback " + std::to_string(allow)); };
    FStruct.cancel = [](cef_request_callback_t*) CALLBACK { Trace("control", std::string("request callback cancel")); };
  }
};

void Trigger(const std::shared_ptr<TBrowserState>& st, const std::wstring& name) {
  auto display = HandlerOf(st->client, &cef_client_t::get_display_handler);
  auto request = HandlerOf(st->client, &cef_client_t::get_request_handler);
  const std::wstring text = L"stand-in " + name, url = st->Url();
  cef_string_t t = ViewOf(text), u = ViewOf(url);
  if (name == L"tooltip" && STANDIN_HAS(display.Get(), on_tooltip)) {
    cef_string_t tip{};
    SetCefString(&tip, text);
    display->on_tooltip(display.Get(), NewBrowserStruct(st), &tip);
    cef_string_utf16_clear(&tip);
  } else if (name == L"status" && STANDIN_HAS(display.Get(), on_status_message)) {
    display->on_status_message(display.Get(), NewBrowserStruct(st), &t);
  } else if (name == L"fullscreen" && STANDIN_HAS(display.Get(), on_fullscreen_mode_change)) {
    display->on_fullscreen_mode_change(display.Get(), NewBrowserStruct(st), 1);
  } else if (name == L"plugin_crashed" && STANDIN_HAS(request.Get(), on_plugin_crashed)) {
    const std::wstring plugin = L"PepperFlash\\pepflashplayer.dll";
    cef_string_t p = ViewOf(plugin);
    request->on_plugin_crashed(request.Get(), NewBrowserStruct(st), &p);
  } else if (name == L"render_view_ready" && STANDIN_HAS(request.Get(), on_render_view_ready)) {
    request->on_render_view_ready(request.Get(), NewBrowserStruct(st));
  } else if (name == L"render_terminated" && STANDIN_HAS(request.Get(), on_render_process_terminated)) {
    request->on_render_process_terminated(request.Get(), NewBrowserStruct(st), TS_PROCESS_CRASHED);
  } else if (name == L"protocol_execution" && STANDIN_HAS(request.Get(), on_protocol_execution)) {
    int allow = 0;
    request->on_protocol_execution(request.Get(), NewBrowserStruct(st), &u, &allow);
    Trace("control", "allow_os_execution " + std::to_string(allow));
  } else if (name == L"quota" && STANDIN_HAS(request.Get(), on_quota_request)) {
    request->on_quota_request(request.Get(), NewBrowserStruct(st), &u, 1 << 20, (new TRequestCallback())->Struct());
  } else if (name == L"certificate_error" && STANDIN_HAS(request.Get(), on_certificate_error)) {
    request->on_certificate_error(request.Get(), NewBrowserStruct(st), ERR_CERT_AUTHORITY_INVALID, &u, nullptr,
                                  (new TRequestCallback())->Struct());
  } else if (name == L"find_result") {
    auto find = HandlerOf(st->client, &cef_client_t::get_find_handler);
    if (STANDIN_HAS(find.Get(), on_find_result)) {
      cef_rect_t rect{0, 0, 10, 10};
      find->on_find_result(find.Get(), NewBrowserStruct(st), 1, 1, &rect, 1, 1);
    }
  } else if (name == L"take_focus") {
    auto focus = HandlerOf(st->client, &cef_client_t::get_focus_handler);
    if (STANDIN_HAS(focus.Get(), on_take_focus)) focus->on_take_focus(focus.Get(), NewBrowserStruct(st), 1);
  }
}

void Execute(const std::wstring& line) {
  Trace("control", line);
  const size_t a = line.find(L' ');
  const std::wstring verb = line.substr(0, a);
  const std::wstring rest = a == std::wstring::npos ? L"" : line.substr(a + 1);
  const size_t b = rest.find(L' ');
  const std::wstring who = rest.substr(0, b);
  const std::wstring arg = b == std::wstring::npos ? L"" : rest.substr(b + 1);
  std::vector<std::shared_ptr<TBrowserState>> targets;
  if (who == L"*") {
    for (int id = 1; id < NextBrowserIdPeek(); ++id)
      if (auto st = FindBrowser(id)) targets.push_back(st);
  } else if (auto st = FindBrowser(_wtoi(who.c_str()))) {
    targets.push_back(st);
  }
  for (auto& st : targets) {
    if (verb == L"script") PageExecute(st, arg, L"standin-control", 1);
    else if (verb == L"load") PageLoad(st, arg);
    else if (verb == L"close") PageClose(st, false);
    else if (verb == L"trigger") Trigger(st, arg);
  }
}

void Poll() {
  TControl& c = Control();
  if (!BrowserSideUp()) return;
  GuardVoid([&] {
    rtl::TFileHandle file(CreateFileW(c.path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) return;
    const HANDLE h = file.Get();
    LARGE_INTEGER size{};
    GetFileSizeEx(h, &size);
    if (static_cast<ULONGLONG>(size.QuadPart) < c.offset) c.offset = 0;  // the file was started anew
    LARGE_INTEGER at{};
    at.QuadPart = static_cast<LONGLONG>(c.offset);
    SetFilePointerEx(h, at, nullptr, FILE_BEGIN);
    char buf[8192];
    DWORD got = 0;
    // Bounded per poll, so a huge file cannot stall the UI thread.
    for (int k = 0; k < 64 && ReadFile(h, buf, sizeof buf, &got, nullptr) && got > 0; ++k) {
      c.pending.append(buf, got);
      c.offset += got;
    }
    file.Reset();
    size_t nl;
    while ((nl = c.pending.find('\n')) != std::string::npos) {
      std::string line = c.pending.substr(0, nl);
      c.pending.erase(0, nl + 1);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!line.empty()) Execute(FromUtf8(line));
    }
  });
  PostTo(TID_UI, &Poll, 100);
}

}  // namespace

void StartControlPolling() {
  wchar_t buf[MAX_PATH * 2] = {};
  const DWORD n = GetEnvironmentVariableW(L"STANDIN_CEF_CONTROL", buf, MAX_PATH * 2);
  if (n == 0 || n >= MAX_PATH * 2) return;
  Control() = TControl{};
  Control().path.assign(buf, n);
  PostTo(TID_UI, &Poll, 100);
}

}  // namespace standin
