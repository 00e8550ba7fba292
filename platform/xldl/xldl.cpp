// The six exports of xldl.dll: a table of tasks by handle. Calls come from one thread; the
// table still has its lock so that a careless caller cannot corrupt it. Nothing throws across
// the C interface.
#include <windows.h>

#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "app/DownloadSDKUnits.h"
#include "platform/xldl/XlNet.h"
#include "platform/xldl/XlTask.h"

namespace {

struct TEngine {
  std::mutex Lock;
  bool Ready = false;
  TXlTaskHandle LastHandle = 0;
  std::map<TXlTaskHandle, std::shared_ptr<xldl::TXlTask>> Tasks;
};

// Never destroyed: at process exit the worker threads are already gone and joining them from
// static destructors would hang or terminate. XL_UnInit is the orderly way out.
TEngine& Engine() {
  static TEngine* engine = new TEngine;
  return *engine;
}

std::shared_ptr<xldl::TXlTask> Find(TXlTaskHandle handle) {
  TEngine& e = Engine();
  std::lock_guard<std::mutex> lock(e.Lock);
  if (!e.Ready) return nullptr;
  auto it = e.Tasks.find(handle);
  return it == e.Tasks.end() ? nullptr : it->second;
}

// The text of an area, or false when it fills the area without a terminator.
template <std::size_t N>
bool AreaText(const wchar_t (&area)[N], std::wstring& out) {
  for (std::size_t i = 0; i < N; ++i) {
    if (area[i] == L'\0') {
      out.assign(area, i);
      return true;
    }
  }
  return false;
}

}  // namespace

extern "C" {

bool XLDL_CALL XL_Init() {
  try {
    TEngine& e = Engine();
    std::lock_guard<std::mutex> lock(e.Lock);
    if (e.Ready) return true;
    if (!xldl::NetStartup()) return false;
    e.Ready = true;
    return true;
  } catch (...) {
    return false;
  }
}

bool XLDL_CALL XL_UnInit() {
  try {
    TEngine& e = Engine();
    std::map<TXlTaskHandle, std::shared_ptr<xldl::TXlTask>> tasks;
    {
      std::lock_guard<std::mutex> lock(e.Lock);
      if (!e.Ready) return false;
      e.Ready = false;
      tasks.swap(e.Tasks);
    }
    // Tell all to stop first, so that they wind down together, then wait for each.
    for (auto& [handle, task] : tasks) task->Cancel();
    for (auto& [handle, task] : tasks) task->Join();
    tasks.clear();
    xldl::NetCleanup();
    return true;
  } catch (...) {
    return false;
  }
}

TXlTaskHandle XLDL_CALL XL_CreateTask(const TXlTaskParam* param) {
  try {
    if (!param) return 0;
    xldl::TTaskConfig config;
    if (!AreaText(param->TaskUrl, config.Url) || !AreaText(param->RefUrl, config.Referer) ||
        !AreaText(param->FileName, config.FileName) || !AreaText(param->SavePath, config.Folder))
      return 0;
    // A line break in the referer would smuggle headers into our requests: such a referer is
    // not sent at all.
    for (wchar_t c : config.Referer)
      if (c < 0x20 || c == 0x7F) {
        config.Referer.clear();
        break;
      }
    config.MaxConnections = param->MaxConnections;
    auto task = std::make_shared<xldl::TXlTask>(std::move(config));
    TEngine& e = Engine();
    std::lock_guard<std::mutex> lock(e.Lock);
    if (!e.Ready) return 0;
    do {
      ++e.LastHandle;
    } while (e.LastHandle == 0 || e.Tasks.count(e.LastHandle));
    e.Tasks.emplace(e.LastHandle, std::move(task));
    return e.LastHandle;
  } catch (...) {
    return 0;
  }
}

bool XLDL_CALL XL_StartTask(TXlTaskHandle handle) {
  try {
    auto task = Find(handle);
    return task && task->Start();
  } catch (...) {
    return false;
  }
}

bool XLDL_CALL XL_StopTask(TXlTaskHandle handle) {
  try {
    auto task = Find(handle);
    return task && task->Stop();
  } catch (...) {
    return false;
  }
}

bool XLDL_CALL XL_QueryTaskInfoEx(TXlTaskHandle handle, TXlTaskInfo* info) {
  try {
    if (!info) return false;
    auto task = Find(handle);
    if (!task) return false;
    task->Query(*info);
    return true;
  } catch (...) {
    return false;
  }
}

}  // extern "C"
