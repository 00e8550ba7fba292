#include "platform/xldl/XlFiles.h"

#include <algorithm>
#include <cwctype>

namespace xldl {

namespace {

bool IsForbiddenChar(wchar_t c) {
  return c < 32 || c == L'<' || c == L'>' || c == L':' || c == L'"' || c == L'/' || c == L'\\' ||
         c == L'|' || c == L'?' || c == L'*';
}

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

// The most one WriteFile takes. Receives come in 1 MiB, and on the Linux hosts we run on, writes
// of 512 KiB to 1 MiB cost the kernel four to five times the CPU of 256 KiB ones (its copy into
// the page cache; measured with dd as well as through Wine), which made the disk the
// bottleneck of a fast download.
constexpr std::size_t kWritePiece = 256 * 1024;

std::wstring Upper(std::wstring s) {
  for (auto& c : s) c = wchar_t(std::towupper(c));
  return s;
}

}  // namespace

bool IsValidFileName(const std::wstring& name) {
  if (name.empty() || name.size() > 255) return false;
  for (wchar_t c : name)
    if (IsForbiddenChar(c)) return false;
  if (name.back() == L'.' || name.back() == L' ') return false;
  // Device names stay devices whatever extension follows them.
  std::wstring stem = Upper(name.substr(0, name.find(L'.')));
  while (!stem.empty() && stem.back() == L' ') stem.pop_back();
  static const wchar_t* const devices[] = {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"};
  for (const wchar_t* d : devices)
    if (stem == d) return false;
  // COM1..COM9 and LPT1..LPT9, and with the superscript digits that Windows also maps to them.
  if (stem.size() == 4 && (stem.compare(0, 3, L"COM") == 0 || stem.compare(0, 3, L"LPT") == 0) &&
      ((stem[3] >= L'1' && stem[3] <= L'9') || stem[3] == L'\u00B9' || stem[3] == L'\u00B2' ||
       stem[3] == L'\u00B3'))
    return false;
  return true;
}

bool IsValidFolder(const std::wstring& folder) {
  std::wstring rest;
  if (folder.size() >= 3 && std::iswalpha(folder[0]) && folder[1] == L':' && IsSeparator(folder[2])) {
    rest = folder.substr(3);
  } else if (folder.size() >= 5 && IsSeparator(folder[0]) && IsSeparator(folder[1]) &&
             folder[2] != L'?' && folder[2] != L'.') {
    rest = folder.substr(2);
    const std::size_t sep = rest.find_first_of(L"\\/");
    // Server and share both named.
    if (sep == 0 || sep == std::wstring::npos || sep + 1 >= rest.size() || IsSeparator(rest[sep + 1]))
      return false;
  } else {
    return false;
  }
  for (wchar_t c : rest)
    if (c != L'\\' && c != L'/' && IsForbiddenChar(c)) return false;
  return true;
}

std::wstring WithSeparator(const std::wstring& folder) {
  if (!folder.empty() && IsSeparator(folder.back())) return folder;
  return folder + L"\\";
}

std::wstring NumberedName(const std::wstring& name, int n) {
  if (n <= 0) return name;
  const std::size_t dot = name.rfind(L'.');
  const std::wstring suffix = L" (" + std::to_wstring(n) + L")";
  if (dot == std::wstring::npos || dot == 0) return name + suffix;
  return name.substr(0, dot) + suffix + name.substr(dot);
}

std::wstring LongPath(const std::wstring& path) {
  if (path.size() < 240 || path.compare(0, 4, L"\\\\?\\") == 0) return path;
  std::wstring p = path;
  for (auto& c : p)
    if (c == L'/') c = L'\\';
  if (p.compare(0, 2, L"\\\\") == 0) return L"\\\\?\\UNC\\" + p.substr(2);
  return L"\\\\?\\" + p;
}

bool TPartFile::Create(const std::wstring& path) {
  Close();
  FHandle.Reset(CreateFileW(LongPath(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!IsOpen()) return false;
  // Sparse, so that a segment written far into the file does not make NTFS fill the gap with
  // zeros first. Where the file system cannot, the file simply stays as it is.
  DWORD bytes = 0;
  DeviceIoControl(FHandle.Get(), FSCTL_SET_SPARSE, nullptr, 0, nullptr, 0, &bytes, nullptr);
  return true;
}

bool TPartFile::Open(const std::wstring& path) {
  Close();
  FHandle.Reset(CreateFileW(LongPath(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
  return IsOpen();
}

bool TPartFile::WriteAt(std::int64_t offset, const char* data, std::size_t size) {
  while (size > 0) {
    // A synchronous handle writes at the OVERLAPPED offset: threads never share a file pointer.
    OVERLAPPED at{};
    at.Offset = DWORD(std::uint64_t(offset) & 0xFFFFFFFFu);
    at.OffsetHigh = DWORD(std::uint64_t(offset) >> 32);
    const DWORD piece = DWORD(std::min<std::size_t>(size, kWritePiece));
    DWORD written = 0;
    if (!WriteFile(FHandle.Get(), data, piece, &written, &at) || written == 0) return false;
    offset += written;
    data += written;
    size -= written;
  }
  return true;
}

void TPartFile::ClearSparse() {
  FILE_SET_SPARSE_BUFFER off{FALSE};
  DWORD bytes = 0;
  DeviceIoControl(FHandle.Get(), FSCTL_SET_SPARSE, &off, sizeof off, nullptr, 0, &bytes, nullptr);
}

bool TPartFile::SetSize(std::int64_t size) {
  LARGE_INTEGER at;
  at.QuadPart = size;
  return SetFilePointerEx(FHandle.Get(), at, nullptr, FILE_BEGIN) && SetEndOfFile(FHandle.Get());
}

std::int64_t TPartFile::Size() const {
  LARGE_INTEGER size;
  return GetFileSizeEx(FHandle.Get(), &size) ? size.QuadPart : -1;
}

void TPartFile::Close() {
  FHandle.Reset();
}

}  // namespace xldl
