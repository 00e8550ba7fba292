// Across real processes: the shared window block and the instance mutex. The kernel
// object names are the program's own, so ctest runs this test alone among those that use them
// (RESOURCE_LOCK tavlo_kernel_objects in tests/foundation.cmake).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "bridge/mapshare.h"
#include "support/TestSupport.h"

using namespace testing_support;

namespace {

uint32_t Fnv1a(const std::wstring& text) {
  uint32_t h = 2166136261u;
  for (wchar_t c : text) {
    h = (h ^ (c & 0xFF)) * 16777619u;
    h = (h ^ (c >> 8)) * 16777619u;
  }
  return h;
}

// The main-window side of the bridge in the first process: answers a text message with what it
// read from buffer 1 (its length for 8128, its hash for 8133).
LRESULT CALLBACK OwnerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_BRIDGE_DOWNLOAD) return LRESULT(ReadShareText().size());
  if (message == WM_BRIDGE_SEARCH) return LRESULT(Fnv1a(ReadShareText()));
  return DefWindowProcW(window, message, wParam, lParam);
}

bool BlockExists() {
  HANDLE h = OpenFileMappingW(FILE_MAP_READ, FALSE, ShareBlockName);
  if (h) CloseHandle(h);
  return h != nullptr;
}

std::wstring UniqueName(const wchar_t* what) {
  static int counter = 0;
  return std::wstring(L"tavlo-test-") + what + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
         std::to_wstring(++counter);
}

// Waits for an event while the child may end early; false on timeout or early end.
bool WaitReady(HANDLE ready, const TChildProcess& child, DWORD timeoutMs) {
  HANDLE handles[2] = {ready, child.Handle()};
  return WaitForMultipleObjects(2, handles, FALSE, timeoutMs) == WAIT_OBJECT_0;
}

// A pattern that no write produces, to see which bytes a write touched.
constexpr unsigned char Sentinel = 0xA5;

bool AllBytesAre(const void* start, size_t count, unsigned char value) {
  const auto* p = static_cast<const unsigned char*>(start);
  for (size_t i = 0; i < count; ++i)
    if (p[i] != value) return false;
  return true;
}

}  // namespace

// The first process: creates the block, writes its main window's handle, serves bridge
// messages until told to stop. Exit codes other than 0 name what went wrong.
TAVLO_CHILD(block_owner) {
  if (args.size() != 2) return 2;
  if (BlockExists()) return 10;  // this process must be the one that creates it
  OpenShareBlock();
  if (!ShareBlock) return 11;
  if (!AllBytesAre(ShareBlock, sizeof(TMapShareBlock), 0)) return 12;  // a new block is all zero
  WNDCLASSW wc{};
  wc.lpfnWndProc = OwnerWindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TavloShareBlockTestOwner";
  if (!RegisterClassW(&wc)) return 13;
  HWND window = CreateWindowExW(0, wc.lpszClassName, L"owner", WS_OVERLAPPED, 0, 0, 10, 10,
                                HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
  if (!window) return 14;
  WriteShareMainWindow(window);
  HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, args[0].c_str());
  HANDLE done = OpenEventW(SYNCHRONIZE, FALSE, args[1].c_str());
  if (!ready || !done) return 15;
  SetEvent(ready);
  const ULONGLONG end = GetTickCount64() + 60000;
  for (;;) {
    // Serve the parent's synchronous sends while waiting.
    const DWORD r = MsgWaitForMultipleObjects(1, &done, FALSE, 100, QS_ALLINPUT);
    if (r == WAIT_OBJECT_0) break;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    if (GetTickCount64() > end) return 16;
  }
  DestroyWindow(window);
  CloseShareBlock();
  return 0;
}

// 0 when AcquireInstanceMutex answered true, 1 when false.
TAVLO_CHILD(mutex_try) { return AcquireInstanceMutex() ? 0 : 1; }

// 2: the instance mutex does not exist; 1: another process owns it; 0: it exists, unowned.
TAVLO_CHILD(mutex_probe) {
  HANDLE h = OpenMutexW(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, InstanceMutexName);
  if (!h) return 2;
  const DWORD r = WaitForSingleObject(h, 0);
  if (r == WAIT_OBJECT_0 || r == WAIT_ABANDONED) ReleaseMutex(h);
  CloseHandle(h);
  return r == WAIT_TIMEOUT ? 1 : 0;
}

TEST(ShareBlock, LayoutAndMessageTable) {
  EXPECT_EQ(sizeof(TMapShareBlock), 400016u);
  EXPECT_EQ(std::wstring(ShareBlockName), L"{3DA9050B-6F59-44A3-A7F1-6686382465DA}");
  EXPECT_EQ(std::wstring(InstanceMutexName), L"{723A412A-5016-499D-847F-CB9C0338DC3C}");
  EXPECT_EQ(ShareTextMaxLength, 49999u);
  const UINT ids[] = {8125, 8126, 8127, 8128, 8129, 8130, 8131, 8132, 8133, 16};
  ASSERT_EQ(std::size(BridgeMessages), std::size(ids));
  for (size_t i = 0; i < std::size(ids); ++i) {
    EXPECT_EQ(BridgeMessages[i].Id, ids[i]);
    const bool text = ids[i] == 8128 || ids[i] == 8131 || ids[i] == 8133;
    EXPECT_EQ(BridgeMessages[i].CarriesText, text) << ids[i];
  }
  EXPECT_EQ(WM_BRIDGE_DOWNLOAD, 0x1FC0u);
  EXPECT_EQ(WM_BRIDGE_EXIT, UINT(WM_CLOSE));
}

TEST(ShareBlock, SecondProcessOpensTheBlockTheFirstCreatedAndSeesItsHandle) {
  CloseShareBlock();
  ASSERT_FALSE(BlockExists()) << "another process holds the block";
  const std::wstring readyName = UniqueName(L"ready"), doneName = UniqueName(L"done");
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, readyName.c_str());
  HANDLE done = CreateEventW(nullptr, TRUE, FALSE, doneName.c_str());
  TChildProcess owner = StartChild(L"block_owner", {readyName, doneName});
  ASSERT_TRUE(owner.Valid());
  ASSERT_TRUE(WaitReady(ready, owner, 30000)) << "owner exit code " << owner.Wait(0);

  OpenShareBlock();
  ASSERT_NE(ShareBlock, nullptr);
  // The handle the first process wrote is its live window.
  HWND window = ReadShareMainWindow();
  ASSERT_TRUE(IsWindow(window));
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  EXPECT_EQ(pid, owner.Id());
  // The mapping has the creator's size whoever opens it.
  MEMORY_BASIC_INFORMATION info{};
  ASSERT_TRUE(VirtualQuery(ShareBlock, &info, sizeof info));
  EXPECT_EQ(info.RegionSize, (sizeof(TMapShareBlock) + 4095) / 4096 * 4096);

  // A text of exactly 49,999 code units crosses whole.
  std::wstring longest(ShareTextMaxLength, L'\0');
  for (size_t i = 0; i < longest.size(); ++i) longest[i] = wchar_t(0x4E00 + i % 20000);
  EXPECT_TRUE(WriteShareText(longest));
  EXPECT_EQ(SendMessageW(window, WM_BRIDGE_DOWNLOAD, 0, 0), LRESULT(ShareTextMaxLength));
  EXPECT_EQ(SendMessageW(window, WM_BRIDGE_SEARCH, 0, 0), LRESULT(Fnv1a(longest)));
  // A shorter text after it: no leftovers.
  EXPECT_TRUE(WriteShareText(L"tavloaHR0cDovL2gvZmlsbS5tcDQ="));
  EXPECT_EQ(SendMessageW(window, WM_BRIDGE_DOWNLOAD, 0, 0), 29);
  EXPECT_EQ(SendMessageW(window, WM_BRIDGE_SEARCH, 0, 0), LRESULT(Fnv1a(L"tavloaHR0cDovL2gvZmlsbS5tcDQ=")));
  EXPECT_TRUE(WriteShareText(L""));
  EXPECT_EQ(SendMessageW(window, WM_BRIDGE_DOWNLOAD, 0, 0), 0);

  SetEvent(done);
  EXPECT_EQ(owner.Wait(30000), 0);
  // The handle field is not cleared when the window goes away.
  EXPECT_EQ(ReadShareMainWindow(), window);
  EXPECT_FALSE(IsWindow(window));
  CloseShareBlock();
  EXPECT_EQ(ShareBlock, nullptr);
  EXPECT_FALSE(BlockExists());  // the last process closed it
  CloseHandle(ready);
  CloseHandle(done);
}

class ShareTextTest : public ::testing::Test {
protected:
  void SetUp() override {
    OpenShareBlock();
    ASSERT_NE(ShareBlock, nullptr);
  }
  void TearDown() override { CloseShareBlock(); }
  unsigned char* Bytes() { return reinterpret_cast<unsigned char*>(ShareBlock); }
  void FillTextBuffers() { std::memset(Bytes() + 8, Sentinel, sizeof(TMapShareBlock) - 8); }
};

TEST_F(ShareTextTest, ExactlyTheMaximumReadsBackWhole) {
  FillTextBuffers();
  const std::wstring text(ShareTextMaxLength, L'm');
  EXPECT_TRUE(WriteShareText(text));
  EXPECT_EQ(ReadShareText(), text);
  EXPECT_EQ(ShareBlock->Text1[ShareTextMaxLength], 0);  // the terminator from the cleared area
}

TEST_F(ShareTextTest, ShorterAfterLongerHasNoLeftovers) {
  EXPECT_TRUE(WriteShareText(std::wstring(40000, L'L')));
  EXPECT_TRUE(WriteShareText(L"short"));
  EXPECT_EQ(ReadShareText(), L"short");
  EXPECT_TRUE(WriteShareText(L""));
  EXPECT_EQ(ShareBlock->Text1[0], 0);
  EXPECT_EQ(ReadShareText(), L"");
}

TEST_F(ShareTextTest, OverLongTextIsCutAndNeverTouchesBuffer2) {
  for (size_t length : {size_t(50000), size_t(50001), size_t(100001), size_t(300000)}) {
    FillTextBuffers();
    std::wstring text(length, L'\0');
    for (size_t i = 0; i < length; ++i) text[i] = wchar_t(L'a' + i % 26);
    EXPECT_FALSE(WriteShareText(text)) << length;  // false: cut
    EXPECT_EQ(ReadShareText(), text.substr(0, ShareTextMaxLength)) << length;
    // Beyond the 100,000 cleared bytes of buffer 1 nothing changed, nor anything in buffer 2.
    EXPECT_TRUE(AllBytesAre(Bytes() + 8 + ShareTextClearedBytes, sizeof(ShareBlock->Text1) - ShareTextClearedBytes, Sentinel)) << length;
    EXPECT_TRUE(AllBytesAre(ShareBlock->Text2, sizeof(ShareBlock->Text2), Sentinel)) << length;
  }
}

TEST_F(ShareTextTest, CutNeverSplitsASurrogatePair) {
  std::wstring text(ShareTextMaxLength - 1, L'x');
  text += L"\xD83C\xDFAC";  // U+1F3AC across the 49,999th and 50,000th code units
  EXPECT_FALSE(WriteShareText(text));
  EXPECT_EQ(ReadShareText(), std::wstring(ShareTextMaxLength - 1, L'x'));
  text = std::wstring(ShareTextMaxLength - 2, L'x') + L"\xD83C\xDFAC" + L"tail";
  EXPECT_FALSE(WriteShareText(text));
  EXPECT_EQ(ReadShareText(), text.substr(0, ShareTextMaxLength));  // the pair fits whole
}

TEST_F(ShareTextTest, Buffer2WritesStayInsideBuffer2) {
  FillTextBuffers();
  EXPECT_TRUE(WriteShareText(L"second", TShareBuffer::Text2));
  EXPECT_EQ(ReadShareText(TShareBuffer::Text2), L"second");
  EXPECT_TRUE(AllBytesAre(ShareBlock->Text1, sizeof(ShareBlock->Text1), Sentinel));
  EXPECT_FALSE(WriteShareText(std::wstring(200000, L'z'), TShareBuffer::Text2));
  EXPECT_EQ(ReadShareText(TShareBuffer::Text2), std::wstring(ShareTextMaxLength, L'z'));
  EXPECT_TRUE(AllBytesAre(reinterpret_cast<unsigned char*>(ShareBlock->Text2) + ShareTextClearedBytes,
                          sizeof(ShareBlock->Text2) - ShareTextClearedBytes, Sentinel));
  EXPECT_TRUE(AllBytesAre(ShareBlock->Text1, sizeof(ShareBlock->Text1), Sentinel));
}

TEST_F(ShareTextTest, ReaderStopsAtTheEndOfAnUnterminatedBuffer) {
  std::fill(std::begin(ShareBlock->Text1), std::end(ShareBlock->Text1), L'x');
  std::fill(std::begin(ShareBlock->Text2), std::end(ShareBlock->Text2), L'y');
  EXPECT_EQ(ReadShareText(), std::wstring(100001, L'x'));
  EXPECT_EQ(ReadShareText(TShareBuffer::Text2), std::wstring(100003, L'y'));
}

TEST_F(ShareTextTest, HandleFieldHolds32BitHandles) {
  const uint32_t saved = ShareBlock->MainWindow;
  WriteShareMainWindow(reinterpret_cast<HWND>(uintptr_t(0x0012ABCD)));
  EXPECT_EQ(ShareBlock->MainWindow, 0x0012ABCDu);
  EXPECT_EQ(ReadShareMainWindow(), reinterpret_cast<HWND>(uintptr_t(0x0012ABCD)));
  EXPECT_EQ(ShareBlock->Reserved, 0u);  // never written
  ShareBlock->MainWindow = saved;
}

// Another program of the desktop that creates a smaller block under the block's name first, and
// holds it until told to stop.
TAVLO_CHILD(block_squatter) {
  if (args.size() != 3) return 2;
  const DWORD size = DWORD(std::stoul(args[2]));
  HANDLE mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, size, ShareBlockName);
  if (!mapping || GetLastError() == ERROR_ALREADY_EXISTS) return 10;
  HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, args[0].c_str());
  HANDLE done = OpenEventW(SYNCHRONIZE, FALSE, args[1].c_str());
  if (!ready || !done) return 15;
  SetEvent(ready);
  if (WaitForSingleObject(done, 60000) != WAIT_OBJECT_0) return 16;
  CloseHandle(mapping);
  return 0;
}

// A process of the program: maps the block, then does what the first page call does. 7 when it
// got that far; OpenShareBlock ends it with 0 when the block is no use.
TAVLO_CHILD(block_user) {
  OpenShareBlock();
  WriteShareText(L"tavloaHR0cDovL2gvZmlsbS5tcDQ=");
  return ReadShareText() == L"tavloaHR0cDovL2gvZmlsbS5tcDQ=" ? 7 : 8;
}

TEST(ShareBlock, ABlockTooSmallForTheFormatIsNoBlock) {
  CloseShareBlock();
  ASSERT_FALSE(BlockExists()) << "another process holds the block";
  // 4 KiB, and one page short of the format.
  for (const DWORD size : {DWORD(4096), DWORD(sizeof(TMapShareBlock) / 4096 * 4096)}) {
    const std::wstring readyName = UniqueName(L"ready"), doneName = UniqueName(L"done");
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, readyName.c_str());
    HANDLE done = CreateEventW(nullptr, TRUE, FALSE, doneName.c_str());
    TChildProcess squatter = StartChild(L"block_squatter", {readyName, doneName, std::to_wstring(size)});
    ASSERT_TRUE(WaitReady(ready, squatter, 30000)) << "squatter exit code " << squatter.Wait(0);
    // Ends quietly at start, as when no block can be had: no crash, no write past the view.
    EXPECT_EQ(RunChild(L"block_user"), 0) << size;
    SetEvent(done);
    EXPECT_EQ(squatter.Wait(30000), 0);
    CloseHandle(ready);
    CloseHandle(done);
  }
  // With the name free again the block is the program's own.
  EXPECT_EQ(RunChild(L"block_user"), 7);
}

TEST(ShareBlock, NothingHappensWithoutAMappedBlock) {
  CloseShareBlock();
  EXPECT_FALSE(WriteShareText(L"x"));
  EXPECT_EQ(ReadShareText(), L"");
  EXPECT_EQ(ReadShareMainWindow(), nullptr);
}

TEST(InstanceMutex, SecondInstanceIsRefusedAndTheFirstKeepsIt) {
  ASSERT_EQ(RunChild(L"mutex_probe"), 2) << "the instance mutex already exists";
  ASSERT_TRUE(AcquireInstanceMutex());
  EXPECT_EQ(RunChild(L"mutex_try"), 1);     // another process: false
  EXPECT_EQ(RunChild(L"mutex_probe"), 1);   // still owned, by this process
  ReleaseInstanceMutex();                   // closes the handle; the mutex goes away
  EXPECT_EQ(RunChild(L"mutex_probe"), 2);
  EXPECT_EQ(RunChild(L"mutex_try"), 0);     // a later first instance gets it again
  ReleaseInstanceMutex();                   // no handle: nothing to do
}

TEST(InstanceMutex, FirstInstanceInAnotherProcess) {
  const std::wstring readyName = UniqueName(L"ready"), doneName = UniqueName(L"done");
  // Here the first instance is a child that acquires the mutex and waits.
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, readyName.c_str());
  HANDLE done = CreateEventW(nullptr, TRUE, FALSE, doneName.c_str());
  TChildProcess holder = StartChild(L"mutex_holder", {readyName, doneName});
  ASSERT_TRUE(WaitReady(ready, holder, 30000)) << "holder exit code " << holder.Wait(0);
  EXPECT_FALSE(AcquireInstanceMutex());
  ReleaseInstanceMutex();
  EXPECT_EQ(RunChild(L"mutex_probe"), 1);  // the holder still owns it
  SetEvent(done);
  EXPECT_EQ(holder.Wait(30000), 0);
  EXPECT_EQ(RunChild(L"mutex_probe"), 2);
  CloseHandle(ready);
  CloseHandle(done);
}

// Acquires the instance mutex, signals, holds it until told to stop. 1 when it was refused.
TAVLO_CHILD(mutex_holder) {
  if (args.size() != 2) return 2;
  if (!AcquireInstanceMutex()) return 1;
  HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, args[0].c_str());
  HANDLE done = OpenEventW(SYNCHRONIZE, FALSE, args[1].c_str());
  if (!ready || !done) return 15;
  SetEvent(ready);
  if (WaitForSingleObject(done, 60000) != WAIT_OBJECT_0) return 16;
  ReleaseInstanceMutex();
  return 0;
}
