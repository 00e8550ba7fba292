// Process roles and the runtime's life in the browser process: cef_execute_process,
// cef_initialize, the UI message loop, cef_shutdown, and the render sides (render processes
// started from this executable with --type=renderer, or the render thread in single-process
// mode). Browser and render side talk only through a TChannel.
#include <shlobj.h>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include "Cef.Browser.h"
#include "Cef.Channel.h"
#include "Cef.CommandLine.h"
#include "Cef.Runtime.h"
#include "Cef.Threads.h"
#include "Cef.Trace.h"
#include "Cef.Values.h"
#include "script/ScriptHost.h"
#include "rtl/Handles.h"

namespace standin {

namespace {

constexpr DWORD kConnectTimeoutMs = 15000;
constexpr DWORD kRenderExitWaitMs = 3000;

// The few switches that only the stand-in uses between its own processes.
const wchar_t kChannelSwitch[] = L"standin-channel";
const wchar_t kParentSwitch[] = L"standin-parent";

std::wstring Str(const cef_string_t& s) { return ToW(&s); }

// Waits for `h` while dispatching this thread's messages (sent ones included), so that a render
// side blocked in a SendMessageW to one of our windows can finish. True when `h` was signalled.
bool WaitDispatching(HANDLE h, DWORD timeoutMs) {
  const ULONGLONG deadline = timeoutMs == INFINITE ? ~0ull : GetTickCount64() + timeoutMs;
  DWORD mask = QS_ALLINPUT;
  for (;;) {
    const ULONGLONG now = GetTickCount64();
    const DWORD left = timeoutMs == INFINITE ? INFINITE : (now >= deadline ? 0 : static_cast<DWORD>(deadline - now));
    const DWORD r = MsgWaitForMultipleObjects(1, &h, FALSE, left, mask);
    if (r == WAIT_OBJECT_0) return true;
    if (r != WAIT_OBJECT_0 + 1) return false;
    if (mask == QS_ALLINPUT) {
      // After a WM_QUIT (left queued for the caller's loop) only sent messages are served.
      if (PumpMessages()) mask = QS_SENDMESSAGE;
    } else {
      MSG msg;
      PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
  }
}

// ---- render side (a render process's main thread, or the single-process render thread) ----

struct TRenderSide {
  std::shared_ptr<TChannel> channel;
  TCRef<cef_render_process_handler_t> handler;
  bool quit = false;
};
TRenderSide* gRenderSide = nullptr;  // render thread only
std::mutex gRenderChannelLock;       // guards the channel pointer for senders on other threads
std::shared_ptr<TChannel> gRenderChannel;

void HandleFrameOnRenderSide(const std::string& frame) {
  TFrameReader r(frame);
  switch (r.Kind()) {
    case TFrameKind::Init: {
      TValueData extra = r.Value();
      auto& h = gRenderSide->handler;
      if (STANDIN_HAS(h.Get(), on_render_thread_created)) {
        Trace("callback", std::string("on_render_thread_created"));
        h->on_render_thread_created(h.Get(), NewList(extra.list ? extra.list : std::make_shared<TListData>(), false, true));
      }
      if (STANDIN_HAS(h.Get(), on_web_kit_initialized)) {
        Trace("callback", std::string("on_web_kit_initialized"));
        h->on_web_kit_initialized(h.Get());
      }
      break;
    }
    case TFrameKind::Shutdown:
      Trace("process", std::string("shutdown requested"));
      gRenderSide->quit = true;
      break;
    default:
      OnFrameFromBrowser(frame);
      break;
  }
}

// Runs the render side until the browser side says so or goes away (`stop` signalled, or the
// channel closes). Returns the exit code of the role.
int RunRenderSide(cef_app_t* app, const std::wstring& channelName, HANDLE stop) {
  auto queue = std::make_shared<TTaskQueue>(TID_RENDERER);
  BindCurrentThread(queue);
  SetRenderQueue(queue);
  int code = 0;
  auto channel = TChannel::Connect(channelName, kConnectTimeoutMs);
  if (!channel) {
    Trace("process", std::string("no channel to the browser process"));
    code = 1;
  } else {
    TRenderSide side;
    side.channel = channel;
    if (STANDIN_HAS(app, get_render_process_handler))
      side.handler = TCRef<cef_render_process_handler_t>::Adopt(app->get_render_process_handler(app));
    gRenderSide = &side;
    {
      std::lock_guard<std::mutex> lock(gRenderChannelLock);
      gRenderChannel = channel;
    }
    std::weak_ptr<TTaskQueue> weakQueue = queue;
    channel->Start(
        [weakQueue](std::string frame) {
          if (auto q = weakQueue.lock()) q->Post([frame = std::move(frame)] { HandleFrameOnRenderSide(frame); });
        },
        [weakQueue] {
          if (auto q = weakQueue.lock()) q->Post([] {
            Trace("process", std::string("browser process gone"));
            if (gRenderSide) gRenderSide->quit = true;
          });
        });
    channel->Send(TFrameWriter(TFrameKind::Hello).U32(GetCurrentProcessId()).Take());
    Trace("process", std::string("render side started"));
    RunQueueLoop(*queue, stop, [&side] { return side.quit; });
    Trace("process", std::string("render side ending"));
    GuardVoid([] { RenderSideEnding(); });
    GuardVoid([] { script::Shutdown(); });
    {
      std::lock_guard<std::mutex> lock(gRenderChannelLock);
      gRenderChannel.reset();
    }
    channel->Close();
    side.handler.Reset();
    gRenderSide = nullptr;
  }
  SetRenderQueue(nullptr);
  queue->Close();
  BindCurrentThread(nullptr);
  return code;
}

// ---- browser side ----------------------------------------------------------------------------

class TProcessRenderHost;

struct TBrowserRuntime {
  std::atomic<bool> up{false};
  TSettings settings;
  TCRef<cef_app_t> app;
  TCRef<cef_browser_process_handler_t> handler;
  std::shared_ptr<TTaskQueue> ui;
  std::atomic<bool> quitRunLoop{false};
  std::shared_ptr<TProcessRenderHost> host;
};
TBrowserRuntime& Runtime() {
  static TBrowserRuntime* r = new TBrowserRuntime();  // outlives threads that may still look
  return *r;
}

class TProcessRenderHost : public TRenderHost, public std::enable_shared_from_this<TProcessRenderHost> {
public:
  ~TProcessRenderHost() override { Stop(0); }

  bool Start() {
    const std::wstring name = TChannel::NewName();
    FChannel = TChannel::Listen(name);
    if (!FChannel) return false;
    std::weak_ptr<TProcessRenderHost> weak = shared_from_this();
    FChannel->Start([weak](std::string frame) {
      if (auto self = weak.lock()) self->FrameArrived(std::move(frame));
    },
                    [weak] {
                      if (auto self = weak.lock()) self->ChannelClosed();
                    });
    return Runtime().settings.singleProcess ? StartThread(name) : StartProcess(name);
  }

  void Send(std::string frame) override {
    std::lock_guard<std::mutex> lock(FLock);
    if (!FAlive) return;
    if (!FInitialised) {
      FPending.push_back(std::move(frame));
      return;
    }
    FChannel->Send(std::move(frame));
  }
  bool Alive() const override {
    std::lock_guard<std::mutex> lock(FLock);
    return FAlive;
  }
  DWORD ProcessId() const override { return FPid.load(); }

  // Asks the render side to end and waits (dispatching messages) for it; then it is killed.
  void Stop(DWORD waitMs) {
    {
      std::lock_guard<std::mutex> lock(FLock);
      if (FStopped) return;
      FStopped = true;
      if (FAlive && FInitialised && FChannel) FChannel->Send(TFrameWriter(TFrameKind::Shutdown).Take());
      FExpectedEnd = true;
    }
    if (FProcess.Get()) {
      if (!WaitDispatching(FProcess.Get(), waitMs)) {
        Trace("process", std::string("render process did not end; killed"));
        TerminateProcess(FProcess.Get(), 1);
        WaitForSingleObject(FProcess.Get(), 1000);
      }
    }
    if (FThread.joinable()) {
      if (FStopEvent.Get()) SetEvent(FStopEvent.Get());
      WaitDispatching(FThreadDone.Get(), INFINITE);
      FThread.join();
    }
    if (FChannel) FChannel->Close();
  }

private:
  bool StartProcess(const std::wstring& name) {
    const TSettings& s = Runtime().settings;
    std::wstring exe = s.browserSubprocessPath;
    if (exe.empty()) {
      wchar_t buf[MAX_PATH * 4] = {};
      GetModuleFileNameW(nullptr, buf, MAX_PATH * 4);
      exe = buf;
    }
    // The child sees the browser's switches (those the application added included), not its
    // arguments, plus its role.
    TCommandLineData global = GlobalCommandLine();
    TCommandLineData child;
    child.program = exe;
    for (const auto& [k, v] : global.switches)
      if (k != L"type" && k != kChannelSwitch && k != kParentSwitch) child.Set(k, v);
    child.Set(L"type", L"renderer");
    child.Set(kChannelSwitch, name);
    child.Set(kParentSwitch, std::to_wstring(GetCurrentProcessId()));
    auto& handler = Runtime().handler;
    if (STANDIN_HAS(handler.Get(), on_before_child_process_launch)) {
      cef_command_line_t* cl = cef_command_line_create();
      const std::wstring text = child.ToString();
      cef_string_t view = ViewOf(text);
      cl->init_from_string(cl, &view);
      cl->base.add_ref(&cl->base);
      handler->on_before_child_process_launch(handler.Get(), cl);
      cef_string_userfree_t changed = cl->get_command_line_string(cl);
      const std::wstring after = ToW(changed);
      cef_string_userfree_utf16_free(changed);
      cl->base.release(&cl->base);
      int argc = 0;
      const rtl::TLocalMemory<LPWSTR*> argv(CommandLineToArgvW(after.c_str(), &argc));
      if (argv) child.Parse(std::vector<std::wstring>(argv.Get(), argv.Get() + argc));
    }
    std::wstring commandLine = child.ToString();
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(child.program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &si, &pi)) {
      Trace("process", L"cannot start render process: " + child.program);
      return false;
    }
    rtl::TUniqueHandle thread(pi.hThread);  // never waited for
    FProcess.Reset(pi.hProcess);
    Trace("process", "render process started pid " + std::to_string(pi.dwProcessId));
    return true;
  }

  bool StartThread(const std::wstring& name) {
    FStopEvent.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    FThreadDone.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    TCRef<cef_app_t> app = Runtime().app;
    HANDLE stop = FStopEvent.Get(), done = FThreadDone.Get();
    FThread = std::thread([app, name, stop, done] {
      RunRenderSide(app.Get(), name, stop);
      SetEvent(done);
    });
    Trace("process", std::string("render thread started"));
    return true;
  }

  void FrameArrived(std::string frame) {
    TFrameReader r(frame);
    if (r.Kind() == TFrameKind::Hello) {
      FPid = r.U32();
      // Extra info comes from the application on the IO thread, then the render side may start.
      std::weak_ptr<TProcessRenderHost> weak = shared_from_this();
      auto initialise = [weak] {
        auto self = weak.lock();
        if (!self) return;
        auto extra = std::make_shared<TListData>();
        auto& handler = Runtime().handler;
        if (STANDIN_HAS(handler.Get(), on_render_process_thread_created)) {
          handler->on_render_process_thread_created(handler.Get(), NewList(extra));
        }
        self->Initialise(ListValue(extra));
      };
      if (!PostTo(TID_IO, initialise)) initialise();
      return;
    }
    auto self = shared_from_this();
    PostTo(TID_UI, [self, frame = std::move(frame)] { OnFrameFromRender(self, frame); });
  }

  void Initialise(const TValueData& extra) {
    std::lock_guard<std::mutex> lock(FLock);
    if (!FAlive || FInitialised) return;
    FInitialised = true;
    FChannel->Send(TFrameWriter(TFrameKind::Init).Value(extra).Take());
    for (auto& f : FPending) FChannel->Send(std::move(f));
    FPending.clear();
  }

  void ChannelClosed() {
    bool expected;
    {
      std::lock_guard<std::mutex> lock(FLock);
      FAlive = false;
      FPending.clear();
      expected = FExpectedEnd;
    }
    Trace("process", std::string(expected ? "render side ended" : "render side lost"));
    auto self = shared_from_this();
    PostTo(TID_UI, [self, expected] { OnRenderHostGone(self, expected); });
  }

  mutable std::mutex FLock;
  std::shared_ptr<TChannel> FChannel;
  rtl::TUniqueHandle FProcess, FStopEvent, FThreadDone;
  std::thread FThread;
  std::atomic<DWORD> FPid{0};
  bool FAlive = true, FInitialised = false, FStopped = false, FExpectedEnd = false;
  std::vector<std::string> FPending;
};

std::wstring ProcessType() { return GlobalCommandLine().Value(L"type"); }

void CallBeforeCommandLineProcessing(cef_app_t* app, const std::wstring& type) {
  if (!STANDIN_HAS(app, on_before_command_line_processing)) return;
  cef_string_t t = ViewOf(type);
  Trace("callback", L"on_before_command_line_processing " + type);
  app->on_before_command_line_processing(app, &t, GlobalCommandLineStruct());
}

std::wstring FullPath(const std::wstring& p) {
  wchar_t buf[MAX_PATH * 4] = {};
  const DWORD n = GetFullPathNameW(p.c_str(), MAX_PATH * 4, buf, nullptr);
  return n > 0 && n < MAX_PATH * 4 ? std::wstring(buf, n) : p;
}

}  // namespace

bool BrowserSideUp() { return Runtime().up.load(); }
const TSettings& Settings() { return Runtime().settings; }
TCRef<cef_browser_process_handler_t> BrowserProcessHandler() { return Runtime().handler; }

std::shared_ptr<TRenderHost> RenderHostForBrowser() {
  TBrowserRuntime& rt = Runtime();
  if (!rt.up) return nullptr;
  if (rt.host && rt.host->Alive()) return rt.host;
  if (rt.host) rt.host->Stop(0);
  auto host = std::make_shared<TProcessRenderHost>();
  if (!host->Start()) return nullptr;
  rt.host = host;
  return host;
}

bool SendToBrowser(std::string frame) {
  std::shared_ptr<TChannel> channel;
  {
    std::lock_guard<std::mutex> lock(gRenderChannelLock);
    channel = gRenderChannel;
  }
  return channel && channel->Send(std::move(frame));
}

bool RunRenderLoopUntil(const std::function<bool()>& done) {
  auto queue = CurrentQueue();
  if (!queue || !gRenderSide) return false;
  TRenderSide* side = gRenderSide;
  RunQueueLoop(*queue, nullptr, [&] { return side->quit || done(); });
  return !side->quit;
}

TCRef<cef_render_process_handler_t> RenderProcessHandler() {
  return gRenderSide ? gRenderSide->handler : TCRef<cef_render_process_handler_t>();
}

}  // namespace standin

using namespace standin;

extern "C" {

int cef_execute_process(const cef_main_args_t* args, cef_app_t* application, void* windows_sandbox_info) {
  (void)args, (void)windows_sandbox_info;
  auto app = TCRef<cef_app_t>::Adopt(application);
  return Guard(-1, [&] {
    const std::wstring type = ProcessType();
    if (type.empty()) return -1;
    SetTraceRole(ToUtf8(type));
    Trace("process", L"role " + type + L" started");
    CallBeforeCommandLineProcessing(app.Get(), type);
    const TCommandLineData cl = GlobalCommandLine();
    rtl::TUniqueHandle parent;
    const std::wstring parentText = cl.Value(kParentSwitch);
    if (!parentText.empty())
      parent.Reset(OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(wcstoul(parentText.c_str(), nullptr, 10))));
    int code = 0;
    if (type == L"renderer") {
      code = RunRenderSide(app.Get(), cl.Value(kChannelSwitch), parent.Get());
    } else if (parent.Get()) {
      // Roles the stand-in has no work for last as long as the browser process.
      WaitForSingleObject(parent.Get(), INFINITE);
    }
    Trace("process", L"role " + type + L" ended with " + std::to_wstring(code));
    return code;
  });
}

int cef_initialize(const cef_main_args_t* args, const cef_settings_t* settings, cef_app_t* application,
                   void* windows_sandbox_info) {
  (void)args, (void)windows_sandbox_info;
  auto app = TCRef<cef_app_t>::Adopt(application);
  return Guard(0, [&] {
    TBrowserRuntime& rt = Runtime();
    if (rt.up || !settings) return 0;
    TSettings& s = rt.settings;
    s = TSettings{};
    s.singleProcess = settings->single_process != 0;
    s.noSandbox = settings->no_sandbox != 0;
    s.browserSubprocessPath = Str(settings->browser_subprocess_path);
    s.windowlessRenderingEnabled = settings->windowless_rendering_enabled != 0;
    s.commandLineArgsDisabled = settings->command_line_args_disabled != 0;
    s.cachePath = Str(settings->cache_path);
    s.userDataPath = Str(settings->user_data_path);
    s.persistSessionCookies = settings->persist_session_cookies != 0;
    s.persistUserPreferences = settings->persist_user_preferences != 0;
    s.userAgent = Str(settings->user_agent);
    s.productVersion = Str(settings->product_version);
    s.locale = Str(settings->locale);
    s.logFile = Str(settings->log_file);
    s.logSeverity = settings->log_severity;
    s.javascriptFlags = Str(settings->javascript_flags);
    s.resourcesDirPath = Str(settings->resources_dir_path);
    s.localesDirPath = Str(settings->locales_dir_path);
    s.packLoadingDisabled = settings->pack_loading_disabled != 0;
    s.remoteDebuggingPort = settings->remote_debugging_port;
    s.uncaughtExceptionStackSize = settings->uncaught_exception_stack_size;
    s.contextSafetyImplementation = settings->context_safety_implementation;
    s.ignoreCertificateErrors = settings->ignore_certificate_errors != 0;
    s.backgroundColor = settings->background_color;
    s.acceptLanguageList = Str(settings->accept_language_list);
    // The real runtime creates its cache folder, parents included.
    if (!s.cachePath.empty()) {
      s.cachePath = FullPath(s.cachePath);
      SHCreateDirectoryExW(nullptr, s.cachePath.c_str(), nullptr);
    }
    SetTraceRole("browser");
    Trace("process", std::string(s.singleProcess ? "initialize single-process" : "initialize"));
    // The record as received, for tests of what a program asks for.
    Trace("process", L"settings multi_threaded_message_loop=" + std::to_wstring(settings->multi_threaded_message_loop) +
                         L" persist_user_preferences=" + std::to_wstring(settings->persist_user_preferences) +
                         L" log_severity=" + std::to_wstring(settings->log_severity) + L" accept_language_list=" +
                         s.acceptLanguageList + L" cache_path=" + s.cachePath);

    rt.ui = std::make_shared<TTaskQueue>(TID_UI);
    BindCurrentThread(rt.ui);
    StartBrowserThreads(rt.ui);
    rt.quitRunLoop = false;
    rt.app = app;
    CallBeforeCommandLineProcessing(app.Get(), L"");
    FreezeGlobalCommandLine();
    if (STANDIN_HAS(app.Get(), get_browser_process_handler))
      rt.handler = TCRef<cef_browser_process_handler_t>::Adopt(app->get_browser_process_handler(app.Get()));
    rt.up = true;
    if (STANDIN_HAS(rt.handler.Get(), on_context_initialized)) {
      Trace("callback", std::string("on_context_initialized"));
      rt.handler->on_context_initialized(rt.handler.Get());
    }
    StartControlPolling();
    return 1;
  });
}

constexpr DWORD kDetachedStopWaitMs = 5000;

void cef_shutdown(void) {
  GuardVoid([] {
    TBrowserRuntime& rt = Runtime();
    if (!rt.up) return;
    Trace("process", std::string("shutdown"));
    GuardVoid([] { CloseAllBrowsers(); });
    // Transfers still running stop at their next piece; none may outlive the DLL.
    StopDetached(kDetachedStopWaitMs);
    // Work the browsers' closing posted still runs, so nothing is left half-done.
    if (rt.ui) rt.ui->RunDue();
    if (rt.host) {
      rt.host->Stop(kRenderExitWaitMs);
      rt.host.reset();
    }
    rt.up = false;
    StopBrowserThreads();
    rt.handler.Reset();
    rt.app.Reset();
    rt.ui.reset();
    BindCurrentThread(nullptr);
  });
}

void cef_do_message_loop_work(void) {
  GuardVoid([] {
    // Every 15 ms all day, nearly always with nothing due: the queue is looked at before a
    // reference to it is taken to run its tasks (one of them may end the runtime).
    const TTaskQueue* q = UiQueueIfCurrent();
    if (!q || !q->Due()) return;
    if (auto held = CurrentQueue()) held->RunDue();
  });
}

void cef_run_message_loop(void) {
  GuardVoid([] {
    TBrowserRuntime& rt = Runtime();
    auto q = CurrentQueue();
    if (!q || q->Id() != TID_UI) return;
    RunQueueLoop(*q, nullptr, [&rt] { return rt.quitRunLoop.exchange(false); });
  });
}

void cef_quit_message_loop(void) {
  TBrowserRuntime& rt = Runtime();
  rt.quitRunLoop = true;
  if (auto ui = rt.ui) SetEvent(ui->WakeEvent());
}

void cef_set_osmodal_loop(int osModalLoop) { (void)osModalLoop; }
void cef_enable_highdpi_support(void) {}

}  // extern "C"
