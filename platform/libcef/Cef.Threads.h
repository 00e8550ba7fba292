#pragma once
// The runtime's named threads and their task queues.
//
// UI: the thread that called cef_initialize; its tasks run only inside cef_do_message_loop_work
// and cef_run_message_loop. IO, FILE and the other browser-process threads: worker threads,
// started on first use, that run their queue and pump their own window messages. RENDERER: the
// main thread of a render process (inside cef_execute_process), or in single-process mode a
// thread of the browser process.
//
// Tasks run in the order of their due time, and tasks due at the same time in posting order.
#include <cstdint>
#include <functional>
#include <memory>

#include "Cef.Common.h"
#include "rtl/Handles.h"

namespace standin {

class TTaskQueue {
public:
  explicit TTaskQueue(cef_thread_id_t id);
  ~TTaskQueue();
  cef_thread_id_t Id() const { return FId; }
  // False once the queue is closed (the task is then dropped at once).
  bool Post(std::function<void()> task, std::int64_t delayMs = 0);
  // Runs the tasks that are due now (not those they post meanwhile). Returns how many ran.
  int RunDue();
  // Whether a task is due now; a look without the lock. An empty queue answers without the
  // clock, which is a call into Wine's Unix side.
  bool Due() const {
    const ULONGLONG first = FFirstDue.load(std::memory_order_acquire);
    return first != kNoneDue && GetTickCount64() >= first;
  }
  // Milliseconds until the next task is due (0 when one is due, INFINITE when none waits).
  DWORD NextDelay() const;
  // Signalled when a task was posted; auto-reset.
  HANDLE WakeEvent() const { return FWake.Get(); }
  // Refuses further tasks and drops the waiting ones (their cef_task_t references are released).
  void Close();
  bool Closed() const;

private:
  void NoteFirstDue();  // under the lock

  struct TImpl;
  std::unique_ptr<TImpl> FImpl;
  cef_thread_id_t FId;
  rtl::TUniqueHandle FWake;
  // When the first task is due (kNoneDue with none), written under the lock: in the object rather
  // than behind FImpl, for the UI thread's pump, which reads it every 15 ms all day, nearly always
  // in vain.
  static constexpr ULONGLONG kNoneDue = ~0ull;
  std::atomic<ULONGLONG> FFirstDue{kNoneDue};
};

// Makes `queue` the current thread's queue (nullptr to unbind). The UI and render threads bind
// themselves; worker threads are bound by their loop.
void BindCurrentThread(std::shared_ptr<TTaskQueue> queue);
std::shared_ptr<TTaskQueue> CurrentQueue();

// The UI queue and the thread bound to it (by its thread block, which is read without a call),
// kept beside the TLS binding for the pump: finding the queue through the TLS slot and its
// holder made each 15 ms call four times as dear, as every record it reads has to come back from
// memory after the sleep. Only the bound thread reads `queue`.
struct TUiBinding {
  std::atomic<const void*> thread{nullptr};
  const TTaskQueue* queue = nullptr;
};
extern TUiBinding UiBinding;
// The calling thread's block, read as NtCurrentTeb does (whose 32-bit form warns under GCC).
inline const void* CurrentThreadBlock() {
  const void* block;
#if defined(__x86_64__)
  __asm__("movq %%gs:0x30, %0" : "=r"(block));
#else
  __asm__("movl %%fs:0x18, %0" : "=r"(block));
#endif
  return block;
}
// The UI queue when the calling thread is the UI thread, else null.
inline const TTaskQueue* UiQueueIfCurrent() {
  return UiBinding.thread.load(std::memory_order_relaxed) == CurrentThreadBlock() ? UiBinding.queue : nullptr;
}

// The queue of a named thread in this process, or null when that thread does not exist here.
// Worker threads are started on first use once the browser side is up.
std::shared_ptr<TTaskQueue> QueueFor(cef_thread_id_t id);
// Posts to a named thread; false when that thread does not exist (the task is dropped).
bool PostTo(cef_thread_id_t id, std::function<void()> task, std::int64_t delayMs = 0);

// Browser side: registers the UI queue and allows the worker threads.
void StartBrowserThreads(std::shared_ptr<TTaskQueue> ui);
// Stops and joins the worker threads, closes every queue, forgets the UI queue.
void StopBrowserThreads();

// Transfers on threads of their own that nobody joins (URL requests, downloads). At shutdown
// they are told to stop (RuntimeStopping) and waited for, bounded by `waitMs`, so that none runs
// on after the program unloads the DLL.
void StartDetached(std::function<void()> work);
bool RuntimeStopping();
void StopDetached(DWORD waitMs);
// Render side (process or thread): registers or removes the render queue.
void SetRenderQueue(std::shared_ptr<TTaskQueue> queue);

// Runs the current thread's queue and its window messages until `stop` is signalled, `quit()`
// holds or a WM_QUIT arrives. Used by the worker, render and UI loops.
void RunQueueLoop(TTaskQueue& queue, HANDLE stop, const std::function<bool()>& quit);

// Pumps the current thread's window messages without blocking. True when a WM_QUIT was seen
// (it is left in the queue for the thread's own loop).
bool PumpMessages();

// A runtime cef_task_t becomes a queue task; the queue owns its reference (released after it
// ran, or when it is dropped).
std::function<void()> TaskOf(cef_task_t* task);

cef_task_runner_t* NewTaskRunner(cef_thread_id_t id);

}  // namespace standin
