#pragma once
// The process-wide re-entrant lockers of the browser component.
//
// Lock order: a thread that holds two lockers at once holds BrowserLocker and then
// ClosedUrlLocker (closing pages); DevToolsLocker and JsExtentionLocker are never held together
// with another locker. Every locker is re-entrant for the thread that holds it. Any thread.
#include <windows.h>

#include <cstdint>
#include <memory>

// A Windows critical section, owned: initialised by the constructor, deleted by the destructor.
class TVoraDLocker {
public:
  // With ProcessorCount > 1: a spin count of 4000 (InitializeCriticalSectionAndSpinCount);
  // on one processor, or when that call fails, a plain InitializeCriticalSection.
  TVoraDLocker();
  ~TVoraDLocker();
  TVoraDLocker(const TVoraDLocker&) = delete;
  TVoraDLocker& operator=(const TVoraDLocker&) = delete;

  void Enter() { EnterCriticalSection(&FSection); }
  void Exit() { LeaveCriticalSection(&FSection); }

  // How the section was initialised, for tests: true when with the spin count.
  bool HasSpinCount() const { return FSpinCountSet; }
  const CRITICAL_SECTION& Section() const { return FSection; }

private:
  CRITICAL_SECTION FSection;
  bool FSpinCountSet = false;
};

// Holds a locker for the scope it lives in.
class TLockHold {
public:
  explicit TLockHold(TVoraDLocker& locker) : FLocker(locker) { FLocker.Enter(); }
  ~TLockHold() { FLocker.Exit(); }
  TLockHold(const TLockHold&) = delete;
  TLockHold& operator=(const TLockHold&) = delete;

private:
  TVoraDLocker& FLocker;
};

inline constexpr DWORD VoraDLockerSpinCount = 4000;

// The machine's number of processors (dwNumberOfProcessors), set by InitVoraDLocker before the
// lockers are created.
extern int32_t ProcessorCount;

extern std::unique_ptr<TVoraDLocker> BrowserLocker;      // a page manager's page registry
extern std::unique_ptr<TVoraDLocker> DevToolsLocker;     // the developer tools' inspected pages
extern std::unique_ptr<TVoraDLocker> ClosedUrlLocker;    // the page manager's closed URLs
extern std::unique_ptr<TVoraDLocker> JsExtentionLocker;  // request id -> reply procedure

// Unit initialisation (process start, before any browser exists): sets ProcessorCount, then
// creates the four lockers in the order above. Unit finalisation (process end): frees them in
// the same order. Called explicitly by the main module.
void InitVoraDLocker();
void FinalVoraDLocker();
