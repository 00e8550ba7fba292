// Owners of the system's handles: one move-only template over a close policy, and the policies
// for what the program holds (kernel objects, files, mapped views, modules, memory from
// LocalAlloc, GDI objects and DCs, icons, sockets, WinHTTP handles), and the open clipboard
// with the lock on its data.
//
// An owner closes its handle once: when it dies, on Reset, or never once Release gave it away.
// Closing keeps the thread's last error (the socket error for sockets), so the error of the call
// that failed survives the cleanup after it. This is the one place that closes handles by hand;
// a check in the test suite keeps it so.
//
// Header only, on nothing but the system's headers. Sections for sockets, WinHTTP, GDI and the
// window manager appear once their system header is included, before this one or before a
// second include of it.
#ifndef RTL_HANDLES_CORE
#define RTL_HANDLES_CORE

#include <windows.h>

#include <cstddef>
#include <utility>

namespace rtl {

// Puts the thread's last error back at the end of its scope.
class TLastErrorKeeper {
public:
  TLastErrorKeeper() noexcept : FError(GetLastError()) {}
  TLastErrorKeeper(const TLastErrorKeeper&) = delete;
  TLastErrorKeeper& operator=(const TLastErrorKeeper&) = delete;
  ~TLastErrorKeeper() { SetLastError(FError); }

private:
  DWORD FError;
};

// A policy gives the handle type, the value that means "none", Close, and how to keep the
// error across it (the thread's last error unless it says otherwise).
struct TLastErrorKept {
  static DWORD SaveError() noexcept { return GetLastError(); }
  static void RestoreError(DWORD error) noexcept { SetLastError(error); }
};

template <class TPolicy>
class TUniqueOwner {
public:
  using THandle = typename TPolicy::THandle;

  TUniqueOwner() noexcept = default;
  explicit TUniqueOwner(THandle handle) noexcept : FHandle(handle) {}
  TUniqueOwner(TUniqueOwner&& other) noexcept : FHandle(other.Release()) {}
  TUniqueOwner& operator=(TUniqueOwner&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  TUniqueOwner(const TUniqueOwner&) = delete;
  TUniqueOwner& operator=(const TUniqueOwner&) = delete;
  ~TUniqueOwner() { Reset(); }

  THandle Get() const noexcept { return FHandle; }
  bool Valid() const noexcept { return FHandle != TPolicy::None(); }
  explicit operator bool() const noexcept { return Valid(); }

  // Hands the handle over without closing it; the owner is empty after.
  [[nodiscard]] THandle Release() noexcept { return std::exchange(FHandle, TPolicy::None()); }
  // Closes what it holds (unless that is `handle` itself) and takes `handle`.
  void Reset(THandle handle = TPolicy::None()) noexcept {
    if (handle == FHandle) return;
    const THandle old = std::exchange(FHandle, handle);
    if (old == TPolicy::None()) return;
    const auto error = TPolicy::SaveError();
    TPolicy::Close(old);
    TPolicy::RestoreError(error);
  }
  // For calls that return the handle through a pointer: closes what it holds first.
  THandle* Put() noexcept {
    Reset();
    return &FHandle;
  }

private:
  THandle FHandle = TPolicy::None();
};

// Most handles mean "none" by null.
template <class T>
struct TNullIsNone : TLastErrorKept {
  using THandle = T;
  static T None() noexcept { return nullptr; }
};

// Kernel objects: events, mutexes, processes, threads, tokens, jobs, file mappings.
struct TKernelHandlePolicy : TNullIsNone<HANDLE> {
  static void Close(HANDLE h) noexcept { CloseHandle(h); }
};
using TUniqueHandle = TUniqueOwner<TKernelHandlePolicy>;
using TFileMapping = TUniqueHandle;

// Handles whose "none" is INVALID_HANDLE_VALUE: files and pipes from CreateFileW and
// CreateNamedPipeW.
struct TFileHandlePolicy : TLastErrorKept {
  using THandle = HANDLE;
  static HANDLE None() noexcept { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) noexcept { CloseHandle(h); }
};
using TFileHandle = TUniqueOwner<TFileHandlePolicy>;

struct TMappedViewPolicy : TNullIsNone<void*> {
  static void Close(void* view) noexcept { UnmapViewOfFile(view); }
};
using TMappedView = TUniqueOwner<TMappedViewPolicy>;

struct TModulePolicy : TNullIsNone<HMODULE> {
  static void Close(HMODULE module) noexcept { FreeLibrary(module); }
};
using TModule = TUniqueOwner<TModulePolicy>;

// Memory the system allocated with LocalAlloc for the caller (CommandLineToArgvW,
// FormatMessageW with FORMAT_MESSAGE_ALLOCATE_BUFFER), typed as the call returns it.
template <class T>
struct TLocalMemoryPolicy : TNullIsNone<T> {
  static void Close(T memory) noexcept { LocalFree(reinterpret_cast<HLOCAL>(memory)); }
};
template <class T = void*>
using TLocalMemory = TUniqueOwner<TLocalMemoryPolicy<T>>;

}  // namespace rtl

#endif  // RTL_HANDLES_CORE

#if defined(_WINGDI_) && !defined(RTL_HANDLES_GDI)
#define RTL_HANDLES_GDI
namespace rtl {

// Fonts, bitmaps, brushes, pens, regions; never one still selected into a DC.
template <class T>
struct TGdiObjectPolicy : TNullIsNone<T> {
  static void Close(T object) noexcept { DeleteObject(object); }
};
template <class T = HGDIOBJ>
using TGdiObject = TUniqueOwner<TGdiObjectPolicy<T>>;

// A DC from CreateCompatibleDC or CreateDCW.
struct TMemoryDCPolicy : TNullIsNone<HDC> {
  static void Close(HDC dc) noexcept { DeleteDC(dc); }
};
using TMemoryDC = TUniqueOwner<TMemoryDCPolicy>;

}  // namespace rtl
#endif  // RTL_HANDLES_GDI

#if defined(_WINGDI_) && defined(_WINUSER_) && !defined(RTL_HANDLES_USER)
#define RTL_HANDLES_USER
namespace rtl {

// A window's DC from GetDC, released to the same window. It holds two values, so it is a
// class of its own rather than a policy.
class TWindowDC {
public:
  TWindowDC() noexcept = default;
  // GetDC(window); null window: the screen.
  explicit TWindowDC(HWND window) noexcept : FWindow(window), FDc(GetDC(window)) {}
  TWindowDC(TWindowDC&& other) noexcept
      : FWindow(std::exchange(other.FWindow, nullptr)), FDc(std::exchange(other.FDc, nullptr)) {}
  TWindowDC& operator=(TWindowDC&& other) noexcept {
    if (this != &other) {
      Reset();
      FWindow = std::exchange(other.FWindow, nullptr);
      FDc = std::exchange(other.FDc, nullptr);
    }
    return *this;
  }
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;
  ~TWindowDC() { Reset(); }

  HDC Get() const noexcept { return FDc; }
  bool Valid() const noexcept { return FDc != nullptr; }
  explicit operator bool() const noexcept { return Valid(); }
  void Reset() noexcept {
    if (!FDc) return;
    const TLastErrorKeeper keep;
    ReleaseDC(std::exchange(FWindow, nullptr), std::exchange(FDc, nullptr));
  }

private:
  HWND FWindow = nullptr;
  HDC FDc = nullptr;
};

// The clipboard, open for this thread until Close or the owner's end.
class TClipboard {
public:
  TClipboard() noexcept = default;
  TClipboard(const TClipboard&) = delete;
  TClipboard& operator=(const TClipboard&) = delete;
  ~TClipboard() { Close(); }

  // False while another window holds it.
  bool Open(HWND owner) noexcept {
    if (!FOpen) FOpen = OpenClipboard(owner) != FALSE;
    return FOpen;
  }
  explicit operator bool() const noexcept { return FOpen; }
  void Close() noexcept {
    if (!std::exchange(FOpen, false)) return;
    const TLastErrorKeeper keep;
    CloseClipboard();
  }

private:
  bool FOpen = false;
};

// A movable global memory block (the clipboard's data) locked until the owner's end.
class TGlobalLock {
public:
  explicit TGlobalLock(HGLOBAL memory) noexcept : FMemory(memory), FData(memory ? GlobalLock(memory) : nullptr) {}
  TGlobalLock(const TGlobalLock&) = delete;
  TGlobalLock& operator=(const TGlobalLock&) = delete;
  ~TGlobalLock() {
    if (!FData) return;
    const TLastErrorKeeper keep;
    GlobalUnlock(FMemory);
  }

  // Null when the block could not be locked.
  void* Get() const noexcept { return FData; }
  size_t Size() const noexcept { return FData ? GlobalSize(FMemory) : 0; }

private:
  HGLOBAL FMemory;
  void* FData;
};

struct TIconPolicy : TNullIsNone<HICON> {
  static void Close(HICON icon) noexcept { DestroyIcon(icon); }
};
using TIcon = TUniqueOwner<TIconPolicy>;

}  // namespace rtl
#endif  // RTL_HANDLES_USER

#if defined(_WINSOCKAPI_) && !defined(RTL_HANDLES_SOCKET)
#define RTL_HANDLES_SOCKET
namespace rtl {

struct TSocketPolicy {
  using THandle = SOCKET;
  static SOCKET None() noexcept { return INVALID_SOCKET; }
  static void Close(SOCKET s) noexcept { closesocket(s); }
  static int SaveError() noexcept { return WSAGetLastError(); }
  static void RestoreError(int error) noexcept { WSASetLastError(error); }
};
using TSocket = TUniqueOwner<TSocketPolicy>;

}  // namespace rtl
#endif  // RTL_HANDLES_SOCKET

#if (defined(_WINHTTPX_) || defined(__WINE_WINHTTP_H)) && !defined(RTL_HANDLES_WINHTTP)
#define RTL_HANDLES_WINHTTP
namespace rtl {

// Sessions, connections and requests. Closing a request with a status callback is not the end
// of it: the callback still gets HANDLE_CLOSING, later, on another thread.
struct TInternetHandlePolicy : TNullIsNone<HINTERNET> {
  static void Close(HINTERNET h) noexcept { WinHttpCloseHandle(h); }
};
using TInternetHandle = TUniqueOwner<TInternetHandlePolicy>;

}  // namespace rtl
#endif  // RTL_HANDLES_WINHTTP
