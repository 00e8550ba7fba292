#pragma once
// The few Win32 calls the pure units make, for their native Linux build under the fuzzers and
// sanitizers only. The "ANSI" code page is Latin-1 here; system messages are empty; the file
// calls beside the engine's file-name rules (never called by a target) fail.
#include <cstddef>
#include <cstdint>
#include <cwchar>

using DWORD = uint32_t;
using UINT = unsigned int;
using BOOL = int;
using WCHAR = wchar_t;
using LPWSTR = wchar_t*;
using LPCWSTR = const wchar_t*;
using LPSTR = char*;
using LPCSTR = const char*;
using LPCCH = const char*;
using LPBOOL = BOOL*;
using HLOCAL = void*;

#define CP_ACP 0
#define CP_UTF8 65001
#define MB_ERR_INVALID_CHARS 0x8
#define FORMAT_MESSAGE_ALLOCATE_BUFFER 0x100
#define FORMAT_MESSAGE_IGNORE_INSERTS 0x200
#define FORMAT_MESSAGE_FROM_SYSTEM 0x1000

// Latin-1 only: every byte is one character and back (characters past U+00FF become '?').
inline int MultiByteToWideChar(UINT, DWORD, const char* in, int n, wchar_t* out, int size) {
  if (out && size < n) return 0;
  for (int i = 0; out && i < n; ++i) out[i] = static_cast<unsigned char>(in[i]);
  return n;
}
inline int WideCharToMultiByte(UINT, DWORD, const wchar_t* in, int n, char* out, int size, const char*, BOOL*) {
  if (out && size < n) return 0;
  for (int i = 0; out && i < n; ++i) out[i] = static_cast<uint32_t>(in[i]) < 0x100 ? static_cast<char>(in[i]) : '?';
  return n;
}
inline DWORD FormatMessageW(DWORD, const void*, DWORD, DWORD, wchar_t*, DWORD, void*) { return 0; }
inline HLOCAL LocalFree(HLOCAL) { return nullptr; }

// The engine's positioned-write file, compiled beside its file-name rules.
using HANDLE = void*;
using LONGLONG = int64_t;
#define INVALID_HANDLE_VALUE (reinterpret_cast<HANDLE>(-1))
#define TRUE 1
#define FALSE 0
#define GENERIC_READ 0x80000000u
#define GENERIC_WRITE 0x40000000u
#define FILE_SHARE_READ 1
#define FILE_SHARE_DELETE 4
#define CREATE_NEW 1
#define OPEN_EXISTING 3
#define FILE_ATTRIBUTE_NORMAL 0x80
#define FILE_BEGIN 0
#define FSCTL_SET_SPARSE 0x900c4
struct OVERLAPPED {
  uintptr_t Internal, InternalHigh;
  DWORD Offset, OffsetHigh;
  HANDLE hEvent;
};
union LARGE_INTEGER {
  LONGLONG QuadPart;
};
struct FILE_SET_SPARSE_BUFFER {
  BOOL SetSparse;
};
inline HANDLE CreateFileW(const wchar_t*, DWORD, DWORD, void*, DWORD, DWORD, HANDLE) { return INVALID_HANDLE_VALUE; }
inline BOOL WriteFile(HANDLE, const void*, DWORD, DWORD*, OVERLAPPED*) { return FALSE; }
inline BOOL DeviceIoControl(HANDLE, DWORD, void*, DWORD, void*, DWORD, DWORD*, OVERLAPPED*) { return FALSE; }
inline BOOL SetFilePointerEx(HANDLE, LARGE_INTEGER, LARGE_INTEGER*, DWORD) { return FALSE; }
inline BOOL SetEndOfFile(HANDLE) { return FALSE; }
inline BOOL GetFileSizeEx(HANDLE, LARGE_INTEGER*) { return FALSE; }
inline BOOL FlushFileBuffers(HANDLE) { return FALSE; }
inline BOOL CloseHandle(HANDLE) { return TRUE; }

// What the handle family (rtl/Handles.h) closes with, and the last error it keeps.
using HMODULE = void*;
inline DWORD& ShimLastError() {
  thread_local DWORD error = 0;
  return error;
}
inline DWORD GetLastError() { return ShimLastError(); }
inline void SetLastError(DWORD error) { ShimLastError() = error; }
inline BOOL FreeLibrary(HMODULE) { return TRUE; }
inline BOOL UnmapViewOfFile(const void*) { return TRUE; }
