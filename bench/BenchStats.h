#pragma once
// Shared by the benchmark programs: a monotonic clock in microseconds and the min/median/max
// line every benchmark prints for its per-round figures.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <string>
#include <vector>

namespace bench {

inline double NowUs() {
  static const double perUs = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return double(f.QuadPart) / 1e6;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return double(t.QuadPart) / perUs;
}

namespace detail {

inline const std::wstring kProc = L"\\\\?\\unix\\proc\\";  // Wine's name for a Unix path outside every drive

inline std::string ReadWhole(const std::wstring& path) {
  std::string text;
  HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                         nullptr);
  if (f == INVALID_HANDLE_VALUE) return text;
  char buf[16384];
  DWORD n = 0;
  while (text.size() < (1u << 20) && ReadFile(f, buf, sizeof(buf), &n, nullptr) && n > 0) text.append(buf, n);
  CloseHandle(f);
  return text;
}

}  // namespace detail

// CPU time, in microseconds, that Linux has given the threads of the processes of this Wine
// prefix, wineserver included (cross-process and cross-thread sends go through it). Read from
// /proc by its Unix path (the prefixes have no drive for the host's root); unlike wall-clock time
// it hardly depends on how busy the rest of the machine is. The prefix is the Unix path in
// TAVLO_BENCH_WINEPREFIX.
//
// ScanPrefixProcesses finds the processes (a walk over all of /proc: call it outside measured
// spans, after the processes of interest have started), the calling one too unless told not to;
// PrefixCpuUs adds up their threads.
inline std::vector<std::wstring>& PrefixProcesses() {
  static std::vector<std::wstring> dirs;
  return dirs;
}

inline bool ScanPrefixProcesses(bool withSelf = true) {
  wchar_t prefix[MAX_PATH * 2];
  const DWORD n = GetEnvironmentVariableW(L"TAVLO_BENCH_WINEPREFIX", prefix, MAX_PATH * 2);
  PrefixProcesses().clear();
  if (!n || n >= MAX_PATH * 2) return false;
  std::string marker = "WINEPREFIX=";
  for (DWORD i = 0; i < n; ++i) marker += char(prefix[i]);  // an ASCII path
  marker += '\0';
  // This process by its executable's name on its command line: /proc/self would be the
  // wineserver, which opens files for Wine's processes.
  std::string self;
  if (!withSelf) {
    wchar_t exe[MAX_PATH];
    const std::wstring path(exe, GetModuleFileNameW(nullptr, exe, MAX_PATH));
    for (wchar_t c : path.substr(path.find_last_of(L"\\/") + 1)) self += char(c);  // an ASCII name
  }
  WIN32_FIND_DATAW entry;
  HANDLE procs = FindFirstFileW((detail::kProc + L"*").c_str(), &entry);
  if (procs == INVALID_HANDLE_VALUE) return false;
  do {
    if (entry.cFileName[0] < L'0' || entry.cFileName[0] > L'9') continue;
    const std::wstring dir = detail::kProc + entry.cFileName;
    if (!self.empty() && detail::ReadWhole(dir + L"\\cmdline").find(self) != std::string::npos) continue;
    if ((detail::ReadWhole(dir + L"\\environ") + '\0').find(marker) != std::string::npos)
      PrefixProcesses().push_back(dir);
  } while (FindNextFileW(procs, &entry));
  FindClose(procs);
  return !PrefixProcesses().empty();
}

// Per process of PrefixProcesses(), in its order.
inline std::vector<double> PrefixCpuByProcessUs() {
  std::vector<double> us;
  for (const std::wstring& dir : PrefixProcesses()) {
    unsigned long long ns = 0;
    WIN32_FIND_DATAW task;
    HANDLE tasks = FindFirstFileW((dir + L"\\task\\*").c_str(), &task);
    if (tasks != INVALID_HANDLE_VALUE) {
      do {
        if (task.cFileName[0] >= L'0' && task.cFileName[0] <= L'9')
          ns += std::strtoull(detail::ReadWhole(dir + L"\\task\\" + task.cFileName + L"\\schedstat").c_str(),
                              nullptr, 10);
      } while (FindNextFileW(tasks, &task));
      FindClose(tasks);
    }
    us.push_back(double(ns) / 1000.0);
  }
  return us;
}

inline double Sum(const std::vector<double>& values) { return std::accumulate(values.begin(), values.end(), 0.0); }

inline double PrefixCpuUs() { return Sum(PrefixCpuByProcessUs()); }

// What one reading itself adds to a span, per process (the wineserver opens the files for the
// reader): the medians of back-to-back readings.
inline std::vector<double> PrefixCpuReadingByProcessUs() {
  std::vector<std::vector<double>> d(PrefixProcesses().size());
  for (int i = 0; i < 7; ++i) {
    const std::vector<double> a = PrefixCpuByProcessUs(), b = PrefixCpuByProcessUs();
    for (size_t p = 0; p < d.size(); ++p) d[p].push_back(b[p] - a[p]);
  }
  std::vector<double> medians;
  for (std::vector<double>& v : d) {
    std::sort(v.begin(), v.end());
    medians.push_back(v[v.size() / 2]);
  }
  return medians;
}

struct TSpread {
  double min = 0, median = 0, max = 0;
};

inline TSpread Spread(std::vector<double> v) {
  TSpread s;
  if (v.empty()) return s;
  std::sort(v.begin(), v.end());
  s.min = v.front();
  s.max = v.back();
  const size_t n = v.size();
  s.median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
  return s;
}

// Per call, the fastest stretch of `width` consecutive calls, given the clock read before the
// first call and after each one. On a busy machine the fastest stretch is the one least
// disturbed by other work, so the ratio of two such figures depends little on the load.
inline double FastestStretchPerCall(const std::vector<double>& stamps, size_t width) {
  if (stamps.size() < 2) return 0;
  width = std::min(width, stamps.size() - 1);
  double best = stamps[width] - stamps[0];
  for (size_t i = 1; i + width < stamps.size(); ++i) best = std::min(best, stamps[i + width] - stamps[i]);
  return best / double(width);
}

// "<label>  min a  median b  max c" with `digits` decimals.
inline void PrintSpread(const char* label, const std::vector<double>& values, int digits) {
  const TSpread s = Spread(values);
  std::printf("  %-50s min %.*f  median %.*f  max %.*f\n", label, digits, s.min, digits, s.median, digits, s.max);
}

// Ratio lines also say the goal and whether the median meets it.
inline void PrintRatio(const char* label, const std::vector<double>& ratios, double goal) {
  const TSpread s = Spread(ratios);
  std::printf("  %-50s min %.2f  median %.2f  max %.2f  (goal <= %.2f: %s)\n", label, s.min, s.median, s.max, goal,
              s.median <= goal ? "met" : "missed");
}

inline int ArgInt(int argc, wchar_t** argv, int i, int fallback) {
  return i < argc ? std::max(1, _wtoi(argv[i])) : fallback;
}

}  // namespace bench
