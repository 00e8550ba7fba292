#include <winsock2.h>
#include <windows.h>
#include <winhttp.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rtl/Handles.h"

namespace {

// Records what it closes, and spoils the last error on the way as a failing close would.
struct TCountingPolicy : rtl::TLastErrorKept {
  using THandle = int;
  static inline std::vector<int> Closed;
  static int None() noexcept { return 0; }
  static void Close(int h) noexcept {
    Closed.push_back(h);
    SetLastError(ERROR_INVALID_HANDLE);
  }
};
using TCounted = rtl::TUniqueOwner<TCountingPolicy>;

class HandleOwner : public ::testing::Test {
protected:
  void SetUp() override { TCountingPolicy::Closed.clear(); }
  static const std::vector<int>& Closed() { return TCountingPolicy::Closed; }
};

TEST_F(HandleOwner, ClosesEachHandleOnceWhicheverWayItTravels) {
  {
    TCounted a(1);
    TCounted b(std::move(a));
    EXPECT_FALSE(a.Valid());
    EXPECT_EQ(b.Get(), 1);
    TCounted c(2);
    c = std::move(b);  // 2 goes, 1 moves on
    EXPECT_EQ(Closed(), std::vector<int>{2});
    auto& self = c;
    c = std::move(self);
    c.Reset(1);  // the handle it holds already: kept open
    EXPECT_EQ(Closed(), std::vector<int>{2});
    EXPECT_EQ(c.Get(), 1);
    TCounted empty;
    EXPECT_FALSE(empty);
    empty = TCounted();
  }
  EXPECT_EQ(Closed(), (std::vector<int>{2, 1}));
}

TEST_F(HandleOwner, ReleaseHandsOverAndResetOrPutCloseFirst) {
  TCounted a(3);
  const int given = a.Release();
  EXPECT_EQ(given, 3);
  EXPECT_FALSE(a.Valid());
  a.Reset(4);
  a.Reset(5);
  EXPECT_EQ(Closed(), std::vector<int>{4});
  int* slot = a.Put();
  EXPECT_EQ(Closed(), (std::vector<int>{4, 5}));
  EXPECT_EQ(*slot, 0);
  *slot = 6;  // as a call with an out parameter fills it
  a.Reset();
  EXPECT_EQ(Closed(), (std::vector<int>{4, 5, 6}));
  a.Reset();
  EXPECT_EQ(Closed().size(), 3u);
}

TEST_F(HandleOwner, KeepsTheLastErrorAcrossEveryClose) {
  SetLastError(ERROR_FILE_NOT_FOUND);
  { TCounted a(1); }
  EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
  TCounted b(2);
  SetLastError(ERROR_ACCESS_DENIED);
  b = TCounted(3);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
  b.Reset();
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
  EXPECT_EQ(Closed(), (std::vector<int>{1, 2, 3}));

  // A real close that fails sets its own error; the owner puts the caller's back.
  SetLastError(ERROR_SHARING_VIOLATION);
  { rtl::TUniqueHandle bogus(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(0x7FFC))); }
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
}

std::wstring TempFilePath() {
  wchar_t dir[MAX_PATH], path[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  GetTempFileNameW(dir, L"hnd", 0, path);
  return path;
}

TEST(HandleFamily, KernelAndFileHandlesAreClosed) {
  HANDLE raw = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  rtl::TUniqueHandle event(raw);
  ASSERT_TRUE(event);
  DWORD flags = 0;
  EXPECT_TRUE(GetHandleInformation(raw, &flags));
  event.Reset();
  EXPECT_FALSE(GetHandleInformation(raw, &flags));

  // INVALID_HANDLE_VALUE is "none" for files: nothing to close, the open's error stays.
  rtl::TFileHandle missing(CreateFileW(L"C:\\no\\such\\folder\\file", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  EXPECT_FALSE(missing.Valid());
  const DWORD openError = GetLastError();
  missing.Reset();
  EXPECT_EQ(GetLastError(), openError);

  const std::wstring path = TempFilePath();
  auto open = [&] {
    return rtl::TFileHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
  };
  rtl::TFileHandle file = open();
  ASSERT_TRUE(file.Valid());
  EXPECT_FALSE(open().Valid());  // shared with no one while owned
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
  file.Reset();
  EXPECT_TRUE(open().Valid());
  DeleteFileW(path.c_str());
}

TEST(HandleFamily, ViewsAreUnmappedAndSystemMemoryFreed) {
  rtl::TFileMapping mapping(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4096, nullptr));
  ASSERT_TRUE(mapping);
  rtl::TMappedView view(MapViewOfFile(mapping.Get(), FILE_MAP_ALL_ACCESS, 0, 0, 0));
  ASSERT_TRUE(view);
  void* at = view.Get();
  mapping.Reset();  // the view keeps the section alive
  static_cast<char*>(at)[0] = 'x';
  view.Reset();
  MEMORY_BASIC_INFORMATION info{};
  ASSERT_TRUE(VirtualQuery(at, &info, sizeof info));
  EXPECT_EQ(info.State, DWORD(MEM_FREE));

  rtl::TLocalMemory<wchar_t*> text;
  const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                 nullptr, ERROR_ACCESS_DENIED, 0, reinterpret_cast<wchar_t*>(text.Put()), 0, nullptr);
  ASSERT_GT(n, 0u);
  ASSERT_TRUE(text);
  EXPECT_NE(LocalSize(text.Get()), 0u);
}

TEST(HandleFamily, GlobalMemoryIsUnlockedOnce) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 16);
  ASSERT_TRUE(memory);
  {
    const rtl::TGlobalLock lock(memory);
    ASSERT_TRUE(lock.Get());
    EXPECT_GE(lock.Size(), 16u);
    EXPECT_EQ(GlobalFlags(memory) & GMEM_LOCKCOUNT, 1u);
    const rtl::TGlobalLock none(nullptr);
    EXPECT_FALSE(none.Get());
    EXPECT_EQ(none.Size(), 0u);
  }
  EXPECT_EQ(GlobalFlags(memory) & GMEM_LOCKCOUNT, 0u);
  GlobalFree(memory);
}

TEST(HandleFamily, SocketsKeepTheSocketError) {
  WSADATA data;
  ASSERT_EQ(WSAStartup(MAKEWORD(2, 2), &data), 0);
  {
    rtl::TSocket s(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    ASSERT_TRUE(s);
    const SOCKET raw = s.Get();
    WSASetLastError(WSAECONNREFUSED);
    s.Reset();
    EXPECT_EQ(WSAGetLastError(), WSAECONNREFUSED);
    int type = 0, len = sizeof type;
    EXPECT_NE(getsockopt(raw, SOL_SOCKET, SO_TYPE, reinterpret_cast<char*>(&type), &len), 0);
    EXPECT_EQ(WSAGetLastError(), WSAENOTSOCK);
  }
  WSACleanup();
}

TEST(HandleFamily, WinHttpHandlesAreClosed) {
  rtl::TInternetHandle session(WinHttpOpen(L"handles-test", WINHTTP_ACCESS_TYPE_NO_PROXY, WINHTTP_NO_PROXY_NAME,
                                           WINHTTP_NO_PROXY_BYPASS, 0));
  ASSERT_TRUE(session);
  HINTERNET raw = session.Get();
  EXPECT_TRUE(WinHttpSetTimeouts(raw, 1000, 1000, 1000, 1000));
  SetLastError(ERROR_WINHTTP_TIMEOUT);
  session.Reset();
  EXPECT_EQ(GetLastError(), DWORD(ERROR_WINHTTP_TIMEOUT));
  EXPECT_FALSE(WinHttpSetTimeouts(raw, 1000, 1000, 1000, 1000));
}

}  // namespace
