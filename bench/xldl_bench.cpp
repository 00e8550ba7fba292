// Drives the download engine through its six calls for bench/download: one task, polled the
// way the program polls it, and a line of results at the end.
//   xldl_bench.exe URL FOLDER NAME [CONNECTIONS] [--verbose]
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>

#include "app/DownloadSDKUnits.h"

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: xldl_bench URL FOLDER NAME [CONNECTIONS] [--verbose]\n");
    return 2;
  }
  bool verbose = false;
  int connections = -1;
  for (int i = 4; i < argc; ++i) {
    if (std::wcscmp(argv[i], L"--verbose") == 0) verbose = true;
    else connections = _wtoi(argv[i]);
  }
  TXlTaskParam param;
  std::memset(&param, 0, sizeof param);
  const std::wstring url = argv[1], folder = argv[2], name = argv[3];
  if (url.size() >= 2084 || folder.size() >= 392 || name.size() >= 520) return 2;
  std::wmemcpy(param.TaskUrl, url.c_str(), url.size());
  std::wmemcpy(param.SavePath, folder.c_str(), folder.size());
  std::wmemcpy(param.FileName, name.c_str(), name.size());
  param.MaxConnections = connections;
  if (!XL_Init()) return 3;
  LARGE_INTEGER freq, t0, t1;
  QueryPerformanceFrequency(&freq);
  QueryPerformanceCounter(&t0);
  const TXlTaskHandle task = XL_CreateTask(&param);
  if (!task || !XL_StartTask(task)) {
    std::fprintf(stderr, "xldl_bench: the task did not start\n");
    XL_UnInit();
    return 4;
  }
  TXlTaskInfo info{};
  int rc = 0;
  for (int ticks = 0;; ++ticks) {
    Sleep(5);
    if (!XL_QueryTaskInfoEx(task, &info)) { rc = 5; break; }
    if (verbose && ticks % 100 == 0)
      std::fprintf(stderr, "status %d received %lld total %lld connections %d\n", info.Status,
                   (long long)info.Received, (long long)info.TotalSize, info.Connections);
    if (info.Status == XL_STATUS_COMPLETE) break;
    if (info.Status == XL_STATUS_FAILED) { rc = 6; break; }
    if (ticks > 200 * 600) { rc = 7; break; }  // ten minutes at most
  }
  QueryPerformanceCounter(&t1);
  const double seconds = double(t1.QuadPart - t0.QuadPart) / double(freq.QuadPart);
  std::printf("status=%d fail=%d bytes=%lld seconds=%.3f mbps=%.1f\n", info.Status, info.FailCode,
              (long long)info.Received, seconds, double(info.Received) / seconds / 1e6);
  XL_UnInit();
  return rc;
}
