#include "Cef.Threads.h"

#include <algorithm>
#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace standin {

struct TTaskQueue::TImpl {
  mutable std::mutex lock;
  std::multimap<std::pair<ULONGLONG, std::uint64_t>, std::function<void()>> items;
  std::uint64_t seq = 0;
  bool closed = false;
};

void TTaskQueue::NoteFirstDue() {
  FFirstDue.store(FImpl->items.empty() ? kNoneDue : FImpl->items.begin()->first.first, std::memory_order_release);
}

TTaskQueue::TTaskQueue(cef_thread_id_t id)
    : FImpl(std::make_unique<TImpl>()), FId(id), FWake(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}

TTaskQueue::~TTaskQueue() { Close(); }

bool TTaskQueue::Post(std::function<void()> task, std::int64_t delayMs) {
  if (delayMs < 0) delayMs = 0;
  {
    std::lock_guard<std::mutex> lock(FImpl->lock);
    if (FImpl->closed) return false;
    const ULONGLONG due = GetTickCount64() + static_cast<ULONGLONG>(delayMs);
    FImpl->items.emplace(std::make_pair(due, FImpl->seq++), std::move(task));
    NoteFirstDue();
  }
  SetEvent(FWake.Get());
  return true;
}

int TTaskQueue::RunDue() {
  // A task posted just now that this misses is run on the next call (the poster wakes the loop).
  if (!Due()) return 0;
  // Only tasks posted before this call can run now, so a task that posts itself again cannot
  // keep the loop here forever.
  std::uint64_t limit;
  {
    std::lock_guard<std::mutex> lock(FImpl->lock);
    limit = FImpl->seq;
  }
  int ran = 0;
  for (;;) {
    std::function<void()> fn;
    {
      std::lock_guard<std::mutex> lock(FImpl->lock);
      const ULONGLONG now = GetTickCount64();
      auto it = FImpl->items.begin();
      while (it != FImpl->items.end() && it->first.first <= now && it->first.second >= limit) ++it;
      if (it == FImpl->items.end() || it->first.first > now) break;
      fn = std::move(it->second);
      FImpl->items.erase(it);
      NoteFirstDue();
    }
    GuardVoid([&] { fn(); });
    ++ran;
  }
  return ran;
}

DWORD TTaskQueue::NextDelay() const {
  const ULONGLONG due = FFirstDue.load(std::memory_order_acquire);
  if (due == kNoneDue) return INFINITE;
  const ULONGLONG now = GetTickCount64();
  return due <= now ? 0 : static_cast<DWORD>(std::min<ULONGLONG>(due - now, 0x7FFFFFFF));
}

void TTaskQueue::Close() {
  decltype(FImpl->items) dropped;
  {
    std::lock_guard<std::mutex> lock(FImpl->lock);
    FImpl->closed = true;
    dropped.swap(FImpl->items);
    NoteFirstDue();
  }
  // Dropped tasks release their references outside the lock.
  GuardVoid([&] { dropped.clear(); });
}

bool TTaskQueue::Closed() const {
  std::lock_guard<std::mutex> lock(FImpl->lock);
  return FImpl->closed;
}

namespace {

// The calling thread's queue, in a Windows TLS slot rather than a C++ thread_local: the C
// runtime's thread-exit hooks for thread_locals live in this DLL and have been seen to run on
// freed storage under load, or after the DLL was unloaded. Every binding thread unbinds before
// it ends.
DWORD CurrentSlot() {
  static const DWORD slot = TlsAlloc();
  return slot;
}
std::shared_ptr<TTaskQueue>* CurrentHolder() {
  return static_cast<std::shared_ptr<TTaskQueue>*>(TlsGetValue(CurrentSlot()));
}

struct TWorker {
  std::shared_ptr<TTaskQueue> queue;
  rtl::TUniqueHandle stop;
  std::thread thread;
};

struct TRegistry {
  std::mutex lock;
  std::shared_ptr<TTaskQueue> ui;
  std::shared_ptr<TTaskQueue> render;
  bool browserUp = false;
  std::map<int, std::unique_ptr<TWorker>> workers;
};

TRegistry& Registry() {
  static TRegistry* r = new TRegistry();  // never destroyed: worker threads may outlive statics
  return *r;
}

bool IsWorkerThread(cef_thread_id_t id) {
  return id == TID_DB || id == TID_FILE || id == TID_FILE_USER_BLOCKING || id == TID_PROCESS_LAUNCHER ||
         id == TID_CACHE || id == TID_IO;
}

}  // namespace

TUiBinding UiBinding;

void BindCurrentThread(std::shared_ptr<TTaskQueue> queue) {
  const void* const self = CurrentThreadBlock();
  if (queue && queue->Id() == TID_UI) {
    UiBinding.queue = queue.get();
    UiBinding.thread.store(self);
  } else if (UiBinding.thread.load() == self) {
    UiBinding.thread.store(nullptr);
    UiBinding.queue = nullptr;
  }
  std::shared_ptr<TTaskQueue>* holder = CurrentHolder();
  if (!queue) {
    delete holder;
    TlsSetValue(CurrentSlot(), nullptr);
  } else if (holder) {
    *holder = std::move(queue);
  } else {
    TlsSetValue(CurrentSlot(), new std::shared_ptr<TTaskQueue>(std::move(queue)));
  }
}
std::shared_ptr<TTaskQueue> CurrentQueue() {
  std::shared_ptr<TTaskQueue>* holder = CurrentHolder();
  return holder ? *holder : nullptr;
}

std::shared_ptr<TTaskQueue> QueueFor(cef_thread_id_t id) {
  TRegistry& r = Registry();
  std::lock_guard<std::mutex> lock(r.lock);
  if (id == TID_UI) return r.browserUp ? r.ui : nullptr;
  if (id == TID_RENDERER) return r.render;
  if (!IsWorkerThread(id) || !r.browserUp) return nullptr;
  auto& w = r.workers[id];
  if (!w) {
    auto worker = std::make_unique<TWorker>();
    worker->queue = std::make_shared<TTaskQueue>(id);
    worker->stop.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    auto queue = worker->queue;
    HANDLE stop = worker->stop.Get();
    worker->thread = std::thread([queue, stop] {
      BindCurrentThread(queue);
      RunQueueLoop(*queue, stop, [] { return false; });
      queue->Close();
      BindCurrentThread(nullptr);
    });
    w = std::move(worker);
  }
  return w->queue;
}

bool PostTo(cef_thread_id_t id, std::function<void()> task, std::int64_t delayMs) {
  auto q = QueueFor(id);
  return q && q->Post(std::move(task), delayMs);
}

void StartBrowserThreads(std::shared_ptr<TTaskQueue> ui) {
  TRegistry& r = Registry();
  std::lock_guard<std::mutex> lock(r.lock);
  r.ui = std::move(ui);
  r.browserUp = true;
}

void StopBrowserThreads() {
  TRegistry& r = Registry();
  std::map<int, std::unique_ptr<TWorker>> workers;
  std::shared_ptr<TTaskQueue> ui;
  {
    std::lock_guard<std::mutex> lock(r.lock);
    r.browserUp = false;
    workers.swap(r.workers);
    ui = std::move(r.ui);
  }
  for (auto& [id, w] : workers) {
    SetEvent(w->stop.Get());
    if (w->thread.joinable()) w->thread.join();
  }
  if (ui) ui->Close();
}

namespace {
// The threads themselves, not a count: a thread that has counted itself out still runs the
// last instructions of its start routine in this DLL, which the program may unload the moment
// shutdown returns. Only a signalled thread handle says it has left for good.
struct TDetached {
  std::mutex lock;
  std::vector<rtl::TUniqueHandle> threads;
  std::atomic<bool> stopping{false};
};
TDetached& Detached() {
  static TDetached* d = new TDetached();  // never destroyed: its threads may outlive statics
  return *d;
}

DWORD WINAPI DetachedMain(LPVOID param) {
  std::unique_ptr<std::function<void()>> work(static_cast<std::function<void()>*>(param));
  GuardVoid([&] { (*work)(); });
  return 0;
}
}  // namespace

void StartDetached(std::function<void()> work) {
  auto param = std::make_unique<std::function<void()>>(std::move(work));
  rtl::TUniqueHandle thread(CreateThread(nullptr, 0, &DetachedMain, param.get(), 0, nullptr));
  if (!thread) throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), "CreateThread");
  param.release();  // the thread owns it now
  TDetached& d = Detached();
  std::lock_guard<std::mutex> l(d.lock);
  // Forget the threads that have ended, so the list stays as long as the transfers running.
  std::erase_if(d.threads, [](const rtl::TUniqueHandle& h) { return WaitForSingleObject(h.Get(), 0) == WAIT_OBJECT_0; });
  d.threads.push_back(std::move(thread));
}

void StopDetached(DWORD waitMs) {
  TDetached& d = Detached();
  d.stopping = true;
  std::vector<rtl::TUniqueHandle> threads;
  {
    std::lock_guard<std::mutex> l(d.lock);
    threads.swap(d.threads);
  }
  const ULONGLONG deadline = GetTickCount64() + waitMs;
  for (rtl::TUniqueHandle& h : threads) {
    const ULONGLONG now = GetTickCount64();
    WaitForSingleObject(h.Get(), now < deadline ? static_cast<DWORD>(deadline - now) : 0);
    h.Reset();
  }
  d.stopping = false;
}

bool RuntimeStopping() { return Detached().stopping.load(); }

void SetRenderQueue(std::shared_ptr<TTaskQueue> queue) {
  TRegistry& r = Registry();
  std::lock_guard<std::mutex> lock(r.lock);
  r.render = std::move(queue);
}

bool PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // Not ours to swallow: put it back for the thread's own loop, which then ends.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return true;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return false;
}

void RunQueueLoop(TTaskQueue& queue, HANDLE stop, const std::function<bool()>& quit) {
  for (;;) {
    queue.RunDue();
    if (quit()) return;
    HANDLE handles[2] = {stop, queue.WakeEvent()};
    const DWORD count = stop ? 2 : 1;
    const DWORD r = MsgWaitForMultipleObjects(count, stop ? handles : handles + 1, FALSE, queue.NextDelay(),
                                              QS_ALLINPUT);
    if (stop && r == WAIT_OBJECT_0) return;
    if (r == WAIT_OBJECT_0 + count && PumpMessages()) return;
    if (quit()) return;
  }
}

std::function<void()> TaskOf(cef_task_t* task) {
  auto ref = std::make_shared<TCRef<cef_task_t>>(TCRef<cef_task_t>::Adopt(task));
  return [ref] {
    if (STANDIN_HAS(ref->Get(), execute)) ref->Get()->execute(ref->Get());
    ref->Reset();
  };
}

namespace {

class TTaskRunner : public TCefObject<TTaskRunner, cef_task_runner_t> {
public:
  explicit TTaskRunner(cef_thread_id_t id) : FId(id) {
    auto& s = FStruct;
    s.is_same = [](cef_task_runner_t* self, cef_task_runner_t* that) CALLBACK -> int {
      TTaskRunner* o = From(that);
      return o && o->FId == From(self)->FId ? 1 : 0;
    };
    s.belongs_to_current_thread = [](cef_task_runner_t* self) CALLBACK -> int {
      auto q = CurrentQueue();
      return q && q->Id() == From(self)->FId ? 1 : 0;
    };
    s.belongs_to_thread = [](cef_task_runner_t* self, cef_thread_id_t id) CALLBACK -> int {
      return From(self)->FId == id ? 1 : 0;
    };
    s.post_task = [](cef_task_runner_t* self, cef_task_t* task) CALLBACK -> int {
      return Guard(0, [&] { return PostTo(From(self)->FId, TaskOf(task)) ? 1 : 0; });
    };
    s.post_delayed_task = [](cef_task_runner_t* self, cef_task_t* task, std::int64_t delay) CALLBACK -> int {
      return Guard(0, [&] { return PostTo(From(self)->FId, TaskOf(task), delay) ? 1 : 0; });
    };
  }
  cef_thread_id_t FId;
};

}  // namespace

cef_task_runner_t* NewTaskRunner(cef_thread_id_t id) { return (new TTaskRunner(id))->Struct(); }

}  // namespace standin

using namespace standin;

extern "C" {

int cef_currently_on(cef_thread_id_t threadId) {
  auto q = CurrentQueue();
  return q && q->Id() == threadId && !q->Closed() ? 1 : 0;
}

int cef_post_task(cef_thread_id_t threadId, cef_task_t* task) {
  return Guard(0, [&] {
    if (!task) return 0;
    return PostTo(threadId, TaskOf(task)) ? 1 : 0;
  });
}

int cef_post_delayed_task(cef_thread_id_t threadId, cef_task_t* task, int64_t delay_ms) {
  return Guard(0, [&] {
    if (!task) return 0;
    return PostTo(threadId, TaskOf(task), delay_ms) ? 1 : 0;
  });
}

cef_task_runner_t* cef_task_runner_get_for_current_thread(void) {
  return Guard<cef_task_runner_t*>(nullptr, []() -> cef_task_runner_t* {
    auto q = CurrentQueue();
    return q ? NewTaskRunner(q->Id()) : nullptr;
  });
}

cef_task_runner_t* cef_task_runner_get_for_thread(cef_thread_id_t threadId) {
  return Guard<cef_task_runner_t*>(nullptr, [&]() -> cef_task_runner_t* {
    return QueueFor(threadId) ? NewTaskRunner(threadId) : nullptr;
  });
}

cef_platform_thread_id_t cef_get_current_platform_thread_id(void) { return GetCurrentThreadId(); }
cef_platform_thread_handle_t cef_get_current_platform_thread_handle(void) { return GetCurrentThreadId(); }

}  // extern "C"
