#pragma once
// The few Win32 calls the pure units make, for their native Linux build under the fuzzers and
// sanitizers only. The "ANSI" code page is Latin-1 here; system messages are empty.
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
