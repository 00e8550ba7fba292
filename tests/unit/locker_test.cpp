// Process-wide lockers.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "vorad/core/VoraD.Locker.h"

namespace {

// Sets ProcessorCount for one test and puts it back.
struct TProcessorCountScope {
  explicit TProcessorCountScope(int32_t count) : FSaved(ProcessorCount) { ProcessorCount = count; }
  ~TProcessorCountScope() { ProcessorCount = FSaved; }
  int32_t FSaved;
};

// The spin count the operating system stored (its high bits are flags).
DWORD StoredSpinCount(const TVoraDLocker& locker) { return DWORD(locker.Section().SpinCount) & 0x00FFFFFF; }

}  // namespace

TEST(VoraDLocker, OneProcessorInitialisesWithoutSpinCount) {
  TProcessorCountScope scope(1);
  TVoraDLocker locker;
  EXPECT_FALSE(locker.HasSpinCount());
  EXPECT_EQ(StoredSpinCount(locker), 0u);
}

TEST(VoraDLocker, SeveralProcessorsInitialiseWithSpinCount4000) {
  for (int32_t count : {2, 4, 64}) {
    TProcessorCountScope scope(count);
    TVoraDLocker locker;
    EXPECT_TRUE(locker.HasSpinCount()) << count;
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    // The system keeps the count only where the machine really has several processors.
    if (info.dwNumberOfProcessors > 1) {
      EXPECT_EQ(StoredSpinCount(locker), 4000u) << count;
    }
  }
}

TEST(VoraDLocker, ReentrantEnterTwiceLeaveTwiceFreesIt) {
  TVoraDLocker locker;
  locker.Enter();
  locker.Enter();  // the owning thread may enter again
  std::atomic<bool> otherGotIt{false};
  std::thread other([&] {
    EXPECT_FALSE(TryEnterCriticalSection(const_cast<CRITICAL_SECTION*>(&locker.Section())));
  });
  other.join();
  locker.Exit();
  std::thread stillHeld([&] {
    EXPECT_FALSE(TryEnterCriticalSection(const_cast<CRITICAL_SECTION*>(&locker.Section())));
  });
  stillHeld.join();
  locker.Exit();
  std::thread free([&] {
    locker.Enter();  // would block forever if the section were still held
    otherGotIt = true;
    locker.Exit();
  });
  free.join();
  EXPECT_TRUE(otherGotIt);
}

TEST(VoraDLocker, LockerExcludesOtherThreads) {
  TVoraDLocker locker;
  int counter = 0;
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&] {
      for (int i = 0; i < 20000; ++i) {
        locker.Enter();
        counter = counter + 1;
        locker.Exit();
      }
    });
  for (auto& t : threads) t.join();
  EXPECT_EQ(counter, 80000);
}

TEST(VoraDLocker, InitCreatesTheFourAndFinalFreesThem) {
  EXPECT_EQ(BrowserLocker, nullptr);
  InitVoraDLocker();
  SYSTEM_INFO info{};
  GetSystemInfo(&info);
  EXPECT_EQ(ProcessorCount, int32_t(info.dwNumberOfProcessors));
  for (auto* locker : {&BrowserLocker, &DevToolsLocker, &ClosedUrlLocker, &JsExtentionLocker}) {
    ASSERT_NE(*locker, nullptr);
    EXPECT_EQ((*locker)->HasSpinCount(), ProcessorCount > 1);
  }
  // The documented order of holding two: BrowserLocker, then ClosedUrlLocker.
  BrowserLocker->Enter();
  ClosedUrlLocker->Enter();
  ClosedUrlLocker->Exit();
  BrowserLocker->Exit();
  FinalVoraDLocker();
  EXPECT_EQ(BrowserLocker, nullptr);
  EXPECT_EQ(DevToolsLocker, nullptr);
  EXPECT_EQ(ClosedUrlLocker, nullptr);
  EXPECT_EQ(JsExtentionLocker, nullptr);
}
