#include "app/ShellHelpers.h"

#include <windows.h>
#include <shlobj.h>
#include <shellapi.h>

#include <vector>

#include "rtl/Handles.h"
#include "rtl/SysUtils.h"

std::wstring GetSpecialFolderPath(int csidl) {
  LPITEMIDLIST items = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &items)) || !items) return {};
  std::wstring result;
  wchar_t buffer[MAX_PATH] = {};
  if (SHGetPathFromIDListW(items, buffer)) result = buffer;
  IMalloc* allocator = nullptr;
  if (SUCCEEDED(SHGetMalloc(&allocator)) && allocator) {
    // Free the list only when the shell's allocator says it allocated it.
    if (allocator->DidAlloc(items) == 1) allocator->Free(items);
    allocator->Release();
  }
  return result;
}

TFileVersionNumbers GetFileVersionNumbers(const std::wstring& path) {
  TFileVersionNumbers numbers{0, 0, 0, 0};
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return numbers;
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
  if (size == 0) return numbers;
  std::vector<unsigned char> data(size);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data())) return numbers;
  VS_FIXEDFILEINFO* info = nullptr;
  UINT infoSize = 0;
  if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &infoSize) || !info ||
      infoSize < sizeof(VS_FIXEDFILEINFO))
    return numbers;
  numbers = {HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
             HIWORD(info->dwFileVersionLS), LOWORD(info->dwFileVersionLS)};
  return numbers;
}

std::wstring GetFileVersionText(const std::wstring& path) {
  const TFileVersionNumbers n = GetFileVersionNumbers(path);
  return rtl::Format(L"%d.%d.%d.%d", n[0], n[1], n[2], n[3]);
}

std::wstring ExtractFilePath(const std::wstring& path) {
  const size_t last = path.find_last_of(L"\\:");
  return last == std::wstring::npos ? std::wstring() : path.substr(0, last + 1);
}

namespace {

bool DirectoryExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool CreateDirectoryTree(const std::wstring& path) {
  if (path.empty()) return false;
  std::wstring dir = path;
  if (dir.back() == L'\\') dir.pop_back();
  if (dir.size() < 3 || DirectoryExists(dir) || ExtractFilePath(dir) == dir) return true;
  return CreateDirectoryTree(ExtractFilePath(dir)) && CreateDirectoryW(dir.c_str(), nullptr);
}

void OpenUrlInShell(const std::wstring& text) {
  ShellExecuteW(nullptr, nullptr, text.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::wstring ExplorerProgramPath() {
  wchar_t folder[MAX_PATH] = {};
  const UINT n = GetSystemWindowsDirectoryW(folder, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return {};
  std::wstring path(folder, n);
  if (path.back() != L'\\') path += L'\\';
  return path + L"explorer.exe";
}

std::wstring ExplorerCommandLine(const std::wstring& path) {
  const std::wstring program = ExplorerProgramPath();
  if (program.empty() || path.empty()) return {};
  for (const wchar_t c : path)
    if (c == L'"' || c < 0x20 || (c >= 0x7F && c <= 0x9F)) return {};
  // By the C runtime's rules backslashes are literal except before a quote, where each pair
  // gives one: so the closing quote needs the trailing ones doubled or it would be escaped.
  const size_t trailing = path.size() - 1 - path.find_last_not_of(L'\\');
  return L"\"" + program + L"\" /e, \"" + path + std::wstring(trailing, L'\\') + L"\"";
}

bool StartProgram(const std::wstring& program, const std::wstring& commandLine) {
  std::wstring buffer = commandLine;  // CreateProcessW may write into its command line
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return false;
  const rtl::TUniqueHandle thread(process.hThread), child(process.hProcess);  // never waited for
  return true;
}

void OpenFolderInExplorer(const std::wstring& path) {
  const std::wstring commandLine = ExplorerCommandLine(path);
  if (!commandLine.empty()) StartProgram(ExplorerProgramPath(), commandLine);
}
