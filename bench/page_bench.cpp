// Two paths of the browser component against their floors, measured in one browser process that
// starts the way the program does (multi-process, TApp published to page script):
//
//   bridge  TApp.hWMin() called by page script in a loop, answered by a window whose procedure
//           returns at once, per call  /  a bare SendMessageW from a second process to that
//           window, per call.
//   events  a console message handed to the display handler on a thread that is not the UI
//           thread, marshalled to the page manager and raised as the control's OnConsoleMessage,
//           per notification  /  a bare SendMessageW from that thread to a UI-thread window.
//
// Rounds alternate floor and path so that a busy machine slows both alike; each round gives one
// ratio. Usage: page_bench bridge|events [rounds] [calls]. The figures come last on stdout.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "bench/BenchStats.h"
#include "bridge/JSEx.h"
#include "bridge/mapshare.h"
#include "toolkit/Forms.h"
#include "vorad/cef3/VoraD.Cef3.Api.h"
#include "vorad/cef3/VoraD.Cef3.Helper.h"
#include "vorad/cef3/VoraD.Core.App.h"
#include "vorad/cef3/VoraD.Utils.h"
#include "vorad/core/VoraD.Core.CefErr.h"
#include "vorad/core/VoraD.Core.JsExtention.h"
#include "vorad/core/VoraD.Core.VoraDBrowser.h"
#include "vorad/core/VoraD.Locker.h"

namespace {

using bench::NowUs;

// ---- the window at the far end of both sends: returns 0 at once

// What one reading of the prefix's CPU time adds to a span (subtracted), per process.
std::vector<double> gReadingByProcessUs;
constexpr size_t kStretch = 50;  // calls in a stretch for the fastest-stretch figures

// The span from the first to the last of `expected` arrivals, in wall-clock and in the prefix's
// CPU time; both are read inside the window procedure while the sender waits, so the start of a
// sender process and the script's set-up fall outside.
struct TArrivals {
  int expected = 0, count = 0;
  double wall0 = 0, wall1 = 0;
  std::vector<double> cpu0, cpu1;  // per process
  std::vector<double> stamps;  // every arrival's clock
  void Reset(int calls) {
    *this = TArrivals{calls + 1};
    stamps.reserve(size_t(expected));
  }
  void Note() {
    ++count;
    if (expected == 0) return;  // counting only
    stamps.push_back(NowUs());
    if (count == 1) {
      cpu0 = bench::PrefixCpuByProcessUs();
      wall0 = NowUs();
    } else if (count == expected) {
      wall1 = NowUs();
      cpu1 = bench::PrefixCpuByProcessUs();
    }
  }
  bool Complete() const { return count == expected; }
  double WallPerCallUs() const { return (wall1 - wall0) / (expected - 1); }
  std::vector<double> CpuPerCallByProcessUs() const {
    std::vector<double> us(std::min(cpu0.size(), cpu1.size()));
    for (size_t p = 0; p < us.size(); ++p)
      us[p] = (cpu1[p] - cpu0[p] - (p < gReadingByProcessUs.size() ? gReadingByProcessUs[p] : 0)) / (expected - 1);
    return us;
  }
  double CpuPerCallUs() const { return bench::Sum(CpuPerCallByProcessUs()); }
  double FastestPerCallUs() const { return bench::FastestStretchPerCall(stamps, kStretch); }
};

TArrivals gArrivals;

// Which part each process of the prefix plays in the bridge's rounds, by its command line.
enum TRole { rBrowser, rSender, rServer, rWine, kRoles };
const char* const kRoleNames[kRoles] = {"browser process (the answering window)",
                                        "sending process (second process / render)", "wineserver",
                                        "Wine's own processes"};

std::vector<TRole> ProcessRoles() {
  std::vector<TRole> roles;
  for (const std::wstring& dir : bench::PrefixProcesses()) {
    const std::string cmd = bench::detail::ReadWhole(dir + L"\\cmdline");
    const auto has = [&](const char* part) { return cmd.find(part) != std::string::npos; };
    if (has("wineserver")) roles.push_back(rServer);
    else if (!has("page_bench")) roles.push_back(rWine);
    else if (has("--type=") || has("--sender")) roles.push_back(rSender);
    else roles.push_back(rBrowser);
  }
  return roles;
}

// A span's CPU time per call, added up by role.
std::vector<double> ByRole(const std::vector<TRole>& roles, const std::vector<double>& perProcess) {
  std::vector<double> us(kRoles);
  for (size_t p = 0; p < perProcess.size() && p < roles.size(); ++p) us[roles[p]] += perProcess[p];
  return us;
}

LRESULT CALLBACK ReturnAtOnce(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_BRIDGE_MINIMIZE) {
    gArrivals.Note();
    return 0;
  }
  return DefWindowProcW(wnd, msg, wp, lp);
}

HWND CreateReturnAtOnceWindow() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = ReturnAtOnce;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TavloBenchReturnAtOnce";
  RegisterClassExW(&wc);
  return CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
}

// ---- the floor's second process: started once, sends `count` messages whenever told to

int RunSender(HWND target, int count, HANDLE go) {
  while (WaitForSingleObject(go, 600000) == WAIT_OBJECT_0)
    for (int i = 0; i < count; ++i) SendMessageW(target, WM_BRIDGE_MINIMIZE, 0, 0);
  return 0;
}

class TSender {
public:
  TSender(HWND target, int count) {
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    FGo = CreateEventW(&inherit, FALSE, FALSE, nullptr);
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring cmd = L"\"" + std::wstring(exe) + L"\" --sender " +
                       std::to_wstring(reinterpret_cast<uintptr_t>(target)) + L" " + std::to_wstring(count) + L" " +
                       std::to_wstring(reinterpret_cast<uintptr_t>(FGo));
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
      CloseHandle(pi.hThread);
      FProcess = pi.hProcess;
    }
  }
  ~TSender() {
    if (FProcess) {
      TerminateProcess(FProcess, 0);
      WaitForSingleObject(FProcess, 10000);
      CloseHandle(FProcess);
    }
    CloseHandle(FGo);
  }
  bool Started() const { return FProcess != nullptr; }
  void Go() { SetEvent(FGo); }

private:
  HANDLE FGo = nullptr, FProcess = nullptr;
};

// ---- the browser process

// Runs the program's message loop (the component's 15 ms timer wakes it) until done() holds.
template <class F>
bool LoopUntil(F done, double seconds) {
  const double deadline = NowUs() + seconds * 1e6;
  while (!done()) {
    if (NowUs() > deadline) return false;
    toolkit::Application().HandleMessage();
  }
  return true;
}

struct THost {
  toolkit::TForm form;
  std::unique_ptr<TVoraDBrowser> browser;
  int loadEnds = 0;
  std::wstring lastLog;  // the last console line of the page that starts with "bench "
  std::atomic<int> events{0};

  THost() {
    form.SetBounds(40, 40, 640, 400);
    browser = std::make_unique<TVoraDBrowser>(&form);
    browser->SetAlign(toolkit::TAlign::alClient);
    browser->OnLoadEnd = [this](PBrowser, PFrame, int32_t) { ++loadEnds; };
    browser->OnConsoleMessage = [this](PBrowser, const std::wstring& message, const std::wstring&, int32_t, bool&) {
      if (message == L"e") ++events;
      else if (message.rfind(L"bench ", 0) == 0) lastLog = message;
    };
    form.Show();
  }
};

// Per round and per call: wall-clock over the whole phase, the fastest stretch, CPU time.
struct TPhase {
  double wall = 0, fastest = 0, cpu = 0;
};

struct TFigures {
  std::vector<double> floorWall, floorFast, floorCpu, pathWall, pathFast, pathCpu, wallRatio, fastRatio, cpuRatio;
  void Add(const TPhase& floor, const TPhase& path) {
    floorWall.push_back(floor.wall);
    floorFast.push_back(floor.fastest);
    floorCpu.push_back(floor.cpu);
    pathWall.push_back(path.wall);
    pathFast.push_back(path.fastest);
    pathCpu.push_back(path.cpu);
    wallRatio.push_back(path.wall / floor.wall);
    fastRatio.push_back(path.fastest / floor.fastest);
    cpuRatio.push_back(path.cpu / floor.cpu);
  }
  void Print(const char* floorName, const char* pathName) const {
    std::printf("  CPU time: %zu processes of the prefix; a reading costs %.0f us, subtracted\n",
                bench::PrefixProcesses().size(), bench::Sum(gReadingByProcessUs));
    std::printf("  %s, us per call:\n", floorName);
    bench::PrintSpread("  wall-clock, whole round", floorWall, 2);
    bench::PrintSpread("  wall-clock, fastest 50 calls", floorFast, 2);
    bench::PrintSpread("  CPU time (all processes and wineserver)", floorCpu, 2);
    std::printf("  %s, us per call:\n", pathName);
    bench::PrintSpread("  wall-clock, whole round", pathWall, 2);
    bench::PrintSpread("  wall-clock, fastest 50 calls", pathFast, 2);
    bench::PrintSpread("  CPU time (all processes and wineserver)", pathCpu, 2);
    bench::PrintRatio("ratio of wall-clock times, whole round", wallRatio, 1.5);
    bench::PrintRatio("ratio of CPU times", cpuRatio, 1.5);
    bench::PrintRatio("ratio of the fastest 50 calls", fastRatio, 1.5);
  }
};

// Runs `body` n times in page script, in `batches` batches, and returns the script's own measure
// of the fastest batch (a millisecond clock), in microseconds per run; -1 when the page does not
// answer. For work that stays on the render thread the fastest batch is the one least disturbed
// by the rest of the machine.
double ScriptTimed(THost& host, const std::wstring& setup, const std::wstring& body, int n, int batches) {
  const int m = std::max(1, n / batches);
  host.lastLog.clear();
  host.browser->ExecuteJavaScript(L"(function(){var m=" + std::to_wstring(m) + L",best=1e9;" + setup +
                                  L"for(var b=0;b<" + std::to_wstring(batches) +
                                  L";b++){var t0=Date.now();for(var i=0;i<m;i++){" + body +
                                  L"}best=Math.min(best,Date.now()-t0);}console.log('bench '+best);})();");
  if (!LoopUntil([&] { return !host.lastLog.empty(); }, 300)) return -1;
  return _wtof(host.lastLog.c_str() + 6) * 1000.0 / m;
}

// Bridge: one round of the floor, then one of the path, then the path's call without its read
// (a function of an object read once, by CPU time per call as the rounds) and the read alone as
// the script sees it.
bool BridgeRounds(THost& host, HWND window, int rounds, int calls) {
  TFigures figures;
  std::vector<double> scriptUs, readUs, onceCpu, onceRatio, readInLoop;
  std::vector<TRole> roles;
  std::vector<std::vector<double>> floorByRole(kRoles), pathByRole(kRoles), onceByRole(kRoles);
  const auto keep = [&](std::vector<std::vector<double>>& into, const TArrivals& a) {
    const std::vector<double> us = ByRole(roles, a.CpuPerCallByProcessUs());
    for (int k = 0; k < kRoles; ++k) into[size_t(k)].push_back(us[size_t(k)]);
  };
  TSender sender(window, calls + 1);
  for (int r = -1; r < rounds; ++r) {  // the first round warms both paths up and is not counted
    gArrivals.Reset(calls);
    sender.Go();
    if (!sender.Started() || !LoopUntil([] { return gArrivals.Complete(); }, 300)) {
      std::fprintf(stderr, "bench: the sender process delivered %d of %d messages\n", gArrivals.count, calls + 1);
      return false;
    }
    const TArrivals floor = gArrivals;

    gArrivals.Reset(calls);
    const double script = ScriptTimed(host, L"TApp.hWMin();", L"TApp.hWMin();", calls, 1);
    if (script < 0 || !gArrivals.Complete()) {
      std::fprintf(stderr, "bench: the page made %d of %d calls\n", gArrivals.count, calls + 1);
      return false;
    }
    if (r < 0) {
      bench::ScanPrefixProcesses();  // every process of the benchmark runs by now
      gReadingByProcessUs = bench::PrefixCpuReadingByProcessUs();
      roles = ProcessRoles();
      continue;
    }
    const TPhase floorPhase{floor.WallPerCallUs(), floor.FastestPerCallUs(), floor.CpuPerCallUs()};
    const TPhase pathPhase{gArrivals.WallPerCallUs(), gArrivals.FastestPerCallUs(), gArrivals.CpuPerCallUs()};
    figures.Add(floorPhase, pathPhase);
    keep(floorByRole, floor);
    keep(pathByRole, gArrivals);
    scriptUs.push_back(script);
    gArrivals.Reset(calls);
    if (ScriptTimed(host, L"var o=TApp;o.hWMin();", L"o.hWMin();", calls, 1) < 0 || !gArrivals.Complete()) {
      std::fprintf(stderr, "bench: the page made %d of %d calls on an object read once\n", gArrivals.count, calls + 1);
      return false;
    }
    onceCpu.push_back(gArrivals.CpuPerCallUs());
    keep(onceByRole, gArrivals);
    onceRatio.push_back(onceCpu.back() / floorPhase.cpu);
    readInLoop.push_back(pathPhase.cpu - onceCpu.back());
    gArrivals = TArrivals();
    // Batches of `calls` reads, long enough for the script's millisecond clock.
    readUs.push_back(ScriptTimed(host, L"var o;", L"o=TApp;", calls * 10, 10));
  }
  std::printf("== bridge: %d rounds of %d calls\n", rounds, calls);
  figures.Print("floor: SendMessageW from a second process", "TApp.hWMin() from page script");
  std::printf("  where the time goes, CPU time per call, us:\n");
  bench::PrintSpread("  o.hWMin() on an object read once", onceCpu, 2);
  bench::PrintSpread("  the read of TApp in the loop (path - that)", readInLoop, 2);
  bench::PrintSpread("  ratio o.hWMin() on an object read once / floor", onceRatio, 2);
  std::printf("  by process, CPU time per call, us (medians): floor / TApp.hWMin() / o.hWMin()\n");
  for (int k = 0; k < kRoles; ++k)
    std::printf("    %-48s %7.2f  %7.2f  %7.2f\n", kRoleNames[k], bench::Spread(floorByRole[size_t(k)]).median,
                bench::Spread(pathByRole[size_t(k)]).median, bench::Spread(onceByRole[size_t(k)]).median);
  std::printf("  timed by the script (ms clock), us per call:\n");
  bench::PrintSpread("  TApp.hWMin(), the whole loop", scriptUs, 2);
  bench::PrintSpread("  reading the global TApp alone, fastest tenth", readUs, 2);
  return true;
}

// Events: the notification enters the display handler through its runtime entry, as the
// runtime's own threads call it, from a thread that is not the UI thread.
bool EventRounds(THost& host, HWND window, int rounds, int calls) {
  cef_browser_t* page = static_cast<cef_browser_t*>(TCef3Helper::CefGetData(host.browser->ActiveBrowser()));
  cef_browser_host_t* pageHost = page->get_host(page);
  cef_client_t* client = pageHost->get_client(pageHost);
  cef_display_handler_t* display = client->get_display_handler(client);
  if (!display || !display->on_console_message) {
    std::fprintf(stderr, "bench: the page has no display handler\n");
    return false;
  }
  cef_string_t message{}, source{};
  CefApi.cef_string_utf16_set(L"e", 1, &message, 1);
  CefApi.cef_string_utf16_set(L"bench", 5, &source, 1);

  TFigures figures;
  for (int r = -1; r < rounds; ++r) {  // the first round warms both paths up and is not counted
    TPhase floorPhase, pathPhase;
    std::atomic<bool> done{false};
    host.events = 0;
    gArrivals = TArrivals();
    std::thread runtimeThread([&] {
      std::vector<double> stamps(size_t(calls) + 1);
      auto measure = [&](auto send, TPhase& phase) {
        const double c0 = bench::PrefixCpuUs();
        stamps[0] = NowUs();
        for (int i = 1; i <= calls; ++i) {
          send();
          stamps[size_t(i)] = NowUs();
        }
        phase.cpu = (bench::PrefixCpuUs() - c0 - bench::Sum(gReadingByProcessUs)) / calls;
        phase.wall = (stamps.back() - stamps.front()) / calls;
        phase.fastest = bench::FastestStretchPerCall(stamps, kStretch);
      };
      auto floor = [&] { SendMessageW(window, WM_BRIDGE_MINIMIZE, 0, 0); };
      auto path = [&] {
        page->base.add_ref(&page->base);  // the entry releases the reference it is given
        display->on_console_message(display, page, &message, &source, 1);
      };
      // Rounds alternate which goes first.
      if (r % 2) {
        measure(path, pathPhase);
        measure(floor, floorPhase);
      } else {
        measure(floor, floorPhase);
        measure(path, pathPhase);
      }
      done = true;
      PostMessageW(window, WM_NULL, 0, 0);
    });
    if (!LoopUntil([&] { return done.load(); }, 300)) {
      std::fprintf(stderr, "bench: the event thread did not finish\n");
      std::terminate();  // it still uses this frame's locals
    }
    runtimeThread.join();
    if (host.events != calls || gArrivals.count != calls) {
      std::fprintf(stderr, "bench: %d of %d events, %d of %d floor messages\n", host.events.load(), calls,
                   gArrivals.count, calls);
      return false;
    }
    if (r >= 0) {
      figures.Add(floorPhase, pathPhase);
    } else {
      bench::ScanPrefixProcesses();
      gReadingByProcessUs = bench::PrefixCpuReadingByProcessUs();
    }
  }
  CefApi.cef_string_utf16_clear(&message);
  CefApi.cef_string_utf16_clear(&source);
  display->base.release(&display->base);
  client->base.release(&client->base);
  pageHost->base.release(&pageHost->base);
  page->base.release(&page->base);

  std::printf("== events: %d rounds of %d notifications\n", rounds, calls);
  figures.Print("floor: SendMessageW from a second thread", "console message to OnConsoleMessage");
  return true;
}

int RunBrowserProcess(const std::wstring& mode, int rounds, int calls) {
  if (!VoraDApp->Init()) return 0;  // a sub-process role ran to its end
  SetMainThreadId(GetCurrentThreadId());
  toolkit::Application().Initialize();
  const HWND window = CreateReturnAtOnceWindow();
  WriteShareMainWindow(window);

  bool ok = false;
  {
    THost host;
    host.browser->AddPage(L"about:blank");
    if (!LoopUntil([&] { return host.loadEnds > 0; }, 60)) {
      std::fprintf(stderr, "bench: the page did not load\n");
    } else {
      ok = mode == L"bridge" ? BridgeRounds(host, window, rounds, calls) : EventRounds(host, window, rounds, calls);
    }
    std::fflush(stdout);
    host.browser->CloseAllBrowser(false);
    LoopUntil([&] { return host.browser->BrowserCount() == 0; }, 10);
  }
  WriteShareMainWindow(nullptr);
  DestroyWindow(window);
  return ok ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc >= 5 && std::wstring(argv[1]) == L"--sender")
    return RunSender(reinterpret_cast<HWND>(uintptr_t(_wcstoui64(argv[2], nullptr, 10))), _wtoi(argv[3]),
                     reinterpret_cast<HANDLE>(uintptr_t(_wcstoui64(argv[4], nullptr, 10))));

  // Module initialisation as the program's: every process of it runs this.
  VoraDBindingStart();
  OpenShareBlock();
  InitVoraDLocker();
  InitVoraDCoreCefErr();
  InitVoraDCoreJsExtention();
  VoraDApp->RegisterClasses(std::vector<rtl::TClass>{TApp::StaticClassInfo()});
  VoraDApp->SetCefSingleProcess(false);
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  VoraDApp->SetCefCache(std::wstring(temp) + L"tavlo-bench-cache");

  const std::wstring mode = argc >= 2 ? argv[1] : L"";
  int code = 2;
  if (mode == L"bridge" || mode == L"events") {
    code = RunBrowserProcess(mode, bench::ArgInt(argc, argv, 2, 9), bench::ArgInt(argc, argv, 3, mode == L"bridge" ? 2000 : 10000));
  } else if (!VoraDApp->Init()) {
    code = 0;  // started by the runtime as a sub-process
  } else {
    std::fprintf(stderr, "usage: page_bench bridge|events [rounds] [calls]\n");
  }
  toolkit::Application().DestroyForms();
  FinalVoraDCoreJsExtention();
  FinalVoraDCoreCefErr();
  FinalVoraDLocker();
  CloseShareBlock();
  VoraDBindingEnd();
  return code;
}
