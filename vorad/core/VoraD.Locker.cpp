#include "vorad/core/VoraD.Locker.h"

int32_t ProcessorCount = 0;

std::unique_ptr<TVoraDLocker> BrowserLocker;
std::unique_ptr<TVoraDLocker> DevToolsLocker;
std::unique_ptr<TVoraDLocker> ClosedUrlLocker;
std::unique_ptr<TVoraDLocker> JsExtentionLocker;

TVoraDLocker::TVoraDLocker() {
  if (ProcessorCount > 1)
    FSpinCountSet = InitializeCriticalSectionAndSpinCount(&FSection, VoraDLockerSpinCount) != FALSE;
  if (!FSpinCountSet) InitializeCriticalSection(&FSection);
}

TVoraDLocker::~TVoraDLocker() { DeleteCriticalSection(&FSection); }

void InitVoraDLocker() {
  SYSTEM_INFO info{};
  GetSystemInfo(&info);
  ProcessorCount = int32_t(info.dwNumberOfProcessors);
  BrowserLocker = std::make_unique<TVoraDLocker>();
  DevToolsLocker = std::make_unique<TVoraDLocker>();
  ClosedUrlLocker = std::make_unique<TVoraDLocker>();
  JsExtentionLocker = std::make_unique<TVoraDLocker>();
}

void FinalVoraDLocker() {
  BrowserLocker.reset();
  DevToolsLocker.reset();
  ClosedUrlLocker.reset();
  JsExtentionLocker.reset();
}
