// Start-up against its floor: per round, in turn, the floor (trivial_window's "paint" window,
// started and timed to its first paint) and the client (started with the runtime's trace switch,
// timed to its first load end). Both are started by this process and detected by polling a file
// every millisecond, so start and detection cost alike. Each process tree runs in a job that is
// ended after its round.
//
//   startup_bench <rounds> <client.exe> <trivial_window.exe> <trace file>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/BenchStats.h"

namespace {

using bench::NowUs;

// A file read as it grows: each complete line is kept with the time it was first seen.
struct TWatchedFile {
  std::wstring path;
  std::string pending;
  long long offset = 0;
  std::vector<std::pair<double, std::string>> lines;

  // True once the file exists (needle null) or a line holding `needle` has come.
  bool Poll(const char* needle, double now) {
    HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    bool found = !needle;
    LARGE_INTEGER at;
    at.QuadPart = offset;
    SetFilePointerEx(f, at, nullptr, FILE_BEGIN);
    char buf[65536];
    DWORD n = 0;
    while (!found && offset < (64ll << 20) && ReadFile(f, buf, sizeof(buf), &n, nullptr) && n > 0) {
      offset += n;
      pending.append(buf, n);
      for (size_t eol; (eol = pending.find('\n')) != std::string::npos; pending.erase(0, eol + 1)) {
        lines.emplace_back(now, pending.substr(0, eol));
        if (lines.back().second.find(needle) != std::string::npos) found = true;
      }
    }
    CloseHandle(f);
    return found;
  }
};

struct TStart {
  double wallUs = -1;  // -1: not there within a minute
  double cpuUs = 0;    // of every process of the prefix but this one, wineserver included
  DWORD exitCode = STILL_ACTIVE;  // of a process that ended before it got there
  std::vector<std::pair<double, std::string>> lines;  // of the file, with the microseconds they came at
};

// Starts cmd in a job of its own and measures the span until `path` exists (needle null) or
// holds `needle`. The job, and with it every process the command started, ends before this
// returns.
TStart TimeUntilFile(std::wstring cmd, const std::wstring& path, const char* needle) {
  DeleteFileW(path.c_str());
  TWatchedFile watched{path};
  HANDLE job = CreateJobObjectW(nullptr, nullptr);
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof(limits));
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  TStart result;
  bench::ScanPrefixProcesses(false);
  const double c0 = bench::PrefixCpuUs();
  const double t0 = NowUs();
  if (CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr, &si, &pi)) {
    AssignProcessToJobObject(job, pi.hProcess);
    ResumeThread(pi.hThread);
    while (NowUs() - t0 < 60e6 && WaitForSingleObject(pi.hProcess, 1) == WAIT_TIMEOUT) {
      if (watched.Poll(needle, NowUs() - t0)) {
        result.wallUs = NowUs() - t0;
        bench::ScanPrefixProcesses(false);
        result.cpuUs = bench::PrefixCpuUs() - c0;
        break;
      }
    }
    if (result.wallUs < 0) GetExitCodeProcess(pi.hProcess, &result.exitCode);
    TerminateJobObject(job, 0);
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    // Every process of the tree must be gone: a render process still ending would keep the
    // client's instance mutex, and the next client would only hand over to it and quit.
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION info{};
    for (int i = 0; i < 1000 && QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &info,
                                                          sizeof(info), nullptr) && info.ActiveProcesses > 0; ++i)
      Sleep(10);
  }
  CloseHandle(job);
  Sleep(300);  // lets the ended processes' windows and kernel objects go before the next start
  result.lines = std::move(watched.lines);
  return result;
}

std::wstring Quoted(const std::wstring& s) { return L"\"" + s + L"\""; }

int RunStartup(int rounds, const std::wstring& client, const std::wstring& trivial, const std::wstring& trace) {
  const std::wstring ready = trace + L".paint";
  SetEnvironmentVariableW(L"STANDIN_CEF_TRACE", trace.c_str());
  std::vector<double> floorMs, clientMs, floorCpuMs, clientCpuMs, wallRatios, cpuRatios;
  TStart last;
  for (int r = -1; r < rounds; ++r) {  // the first round fills the file caches and is not counted
    const TStart f = TimeUntilFile(Quoted(trivial) + L" paint " + Quoted(ready), ready, nullptr);
    const TStart c = TimeUntilFile(Quoted(client), trace, "callback on_load_end");
    if (f.wallUs < 0 || c.wallUs < 0) {
      const TStart& failed = f.wallUs < 0 ? f : c;
      std::fprintf(stderr, "bench: round %d: %s did not get there (%s)\n", r + 1,
                   f.wallUs < 0 ? "the trivial window" : "the client",
                   failed.exitCode == STILL_ACTIVE ? "still running after a minute"
                                                   : ("ended with " + std::to_string(failed.exitCode)).c_str());
      for (const auto& [us, line] : c.lines) std::fprintf(stderr, "  %6.0f  %.110s\n", us / 1000, line.c_str());
      return 1;
    }
    if (r < 0) continue;
    floorMs.push_back(f.wallUs / 1000);
    clientMs.push_back(c.wallUs / 1000);
    floorCpuMs.push_back(f.cpuUs / 1000);
    clientCpuMs.push_back(c.cpuUs / 1000);
    wallRatios.push_back(c.wallUs / f.wallUs);
    cpuRatios.push_back(c.cpuUs / f.cpuUs);
    last = c;
  }
  // Where the time goes: the runtime's trace of the last round, each line with when it came.
  std::printf("== the client's last start, trace lines by the time they came (ms)\n");
  for (const auto& [us, line] : last.lines) std::printf("  %6.0f  %.110s\n", us / 1000, line.c_str());
  std::printf("== startup: %d rounds\n", rounds);
  std::printf("  floor: a trivial window, start to first paint, ms:\n");
  bench::PrintSpread("  wall-clock", floorMs, 0);
  bench::PrintSpread("  CPU time (all processes and wineserver)", floorCpuMs, 0);
  std::printf("  the client, start to the portal's first load end, ms:\n");
  bench::PrintSpread("  wall-clock", clientMs, 0);
  bench::PrintSpread("  CPU time (all processes and wineserver)", clientCpuMs, 0);
  bench::PrintRatio("ratio of wall-clock times", wallRatios, 2.0);
  bench::PrintRatio("ratio of CPU times", cpuRatios, 2.0);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: startup_bench <rounds> <client.exe> <trivial_window.exe> <trace file>\n");
    return 2;
  }
  return RunStartup(bench::ArgInt(argc, argv, 1, 9), argv[2], argv[3], argv[4]);
}
