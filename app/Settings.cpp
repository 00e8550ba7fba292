#include "app/Settings.h"

#include <windows.h>

#include "app/ShellHelpers.h"
#include "rtl/Handles.h"
#include "rtl/StrConv.h"

TDriveQueries SystemDriveQueries() {
  TDriveQueries queries;
  queries.DriveType = [](const std::wstring& root) { return unsigned(GetDriveTypeW(root.c_str())); };
  queries.FreeClusters = [](const std::wstring& drive, uint32_t& freeClusters) {
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, free = 0, total = 0;
    if (!GetDiskFreeSpaceW(drive.c_str(), &sectorsPerCluster, &bytesPerSector, &free, &total))
      return false;
    freeClusters = free;
    return true;
  };
  return queries;
}

std::wstring FindLargestFreeDrive() { return FindLargestFreeDrive(SystemDriveQueries()); }

namespace {

// While a drive is probed, an empty removable drive must fail the query instead of asking the
// user for a disk. Per thread, so no other thread's error mode changes meanwhile.
class TQuietDriveErrors {
public:
  TQuietDriveErrors() { FSet = SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &FOld); }
  TQuietDriveErrors(const TQuietDriveErrors&) = delete;
  TQuietDriveErrors& operator=(const TQuietDriveErrors&) = delete;
  ~TQuietDriveErrors() {
    if (FSet) SetThreadErrorMode(FOld, nullptr);
  }

private:
  DWORD FOld = 0;
  BOOL FSet = FALSE;
};

}  // namespace

std::wstring FindLargestFreeDrive(const TDriveQueries& queries) {
  const TQuietDriveErrors quiet;
  wchar_t best = L'C';
  uint32_t bestFree = 0;
  for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
    const unsigned type = queries.DriveType(std::wstring{letter, L':', L'\\'});
    // No C: drive is a candidate, whatever its type: the system's own drive is not for films.
    const bool candidate = letter != L'C' && (type == DRIVE_REMOVABLE || type == DRIVE_FIXED);
    if (!candidate) continue;
    uint32_t freeClusters = 0;
    if (queries.FreeClusters(std::wstring{letter, L':'}, freeClusters) && freeClusters > bestFree) {
      best = letter;
      bestFree = freeClusters;
    }
  }
  return std::wstring(1, best);
}

std::wstring SettingsFilePath() { return GetSpecialFolderPath(CommonAppDataFolder) + SettingsFileTail; }

std::wstring ReadDownloadDir() { return ReadDownloadDirFrom(SettingsFilePath(), SystemDriveQueries()); }

namespace {

constexpr unsigned char Utf16LeBom[2] = {0xFF, 0xFE};

bool WriteWholeFile(const std::wstring& path, DWORD disposition, const std::string& bytes) {
  rtl::TFileHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return false;
  DWORD written = 0;
  return WriteFile(file.Get(), bytes.data(), DWORD(bytes.size()), &written, nullptr) && written == bytes.size();
}

bool ReadWholeFile(const std::wstring& path, std::string& bytes) {
  rtl::TFileHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return false;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart >= (1 << 24)) return false;  // no settings file is that big
  bytes.resize(size_t(size.QuadPart));
  DWORD read = 0;
  return bytes.empty() || (ReadFile(file.Get(), bytes.data(), DWORD(bytes.size()), &read, nullptr) && read == bytes.size());
}

// Makes sure the settings file can hold the value in the profile functions' encoding before it
// is written: a missing file is created as an empty UTF-16LE file (byte-order mark only); an
// existing 8-bit file whose code page cannot hold the value, or a UTF-8 file, is re-encoded as
// UTF-16LE with the same text. A folder that does not exist is left to the profile functions (the write fails).
void PrepareUnicodeSettingsFile(const std::wstring& path, const std::wstring& value) {
  if (WriteWholeFile(path, CREATE_NEW, std::string(Utf16LeBom, Utf16LeBom + 2))) return;
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return;
  const bool unicode = bytes.size() >= 2 && (unsigned char)bytes[0] == 0xFF && (unsigned char)bytes[1] == 0xFE;
  const bool utf8 = bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0;
  if (unicode || (!utf8 && rtl::AnsiToUtf16(rtl::Utf16ToAnsi(value)) == value)) return;
  // Windows' profile functions read a UTF-8 file as ANSI, so it is re-encoded too.
  const std::wstring text = utf8 ? rtl::Utf8ToUtf16(std::string_view(bytes).substr(3)) : rtl::AnsiToUtf16(bytes);
  std::string utf16(Utf16LeBom, Utf16LeBom + 2);
  utf16.append(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
  WriteWholeFile(path, TRUNCATE_EXISTING, utf16);
}

}  // namespace

std::optional<std::wstring> UsableDownloadDir(std::wstring_view value) {
  const size_t first = value.find_first_not_of(L" \t"), last = value.find_last_not_of(L" \t");
  if (first == std::wstring_view::npos) return std::nullopt;
  const std::wstring_view folder = value.substr(first, last - first + 1);
  const wchar_t drive = wchar_t(folder[0] | 0x20);
  if (folder.size() < 3 || drive < L'a' || drive > L'z' || folder[1] != L':' ||
      (folder[2] != L'\\' && folder[2] != L'/'))
    return std::nullopt;
  for (const wchar_t c : folder.substr(2))
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || std::wstring_view(L"\"<>|?*:").find(c) != std::wstring_view::npos)
      return std::nullopt;
  return std::wstring(folder);
}

std::wstring ReadDownloadDirFrom(const std::wstring& settingsPath, const TDriveQueries& queries) {
  wchar_t buffer[DownloadDirBufferUnits];
  const DWORD length = GetPrivateProfileStringW(SettingsSection, DownloadDirKey, L"", buffer,
                                                DownloadDirBufferUnits, settingsPath.c_str());
  std::wstring value(buffer, length);
  if (!value.empty()) {
    // A value that is no local folder is not used, but stays stored as it is.
    const std::optional<std::wstring> usable = UsableDownloadDir(value);
    return usable ? *usable : FindLargestFreeDrive(queries) + DefaultDownloadFolderTail;
  }
  value = FindLargestFreeDrive(queries) + DefaultDownloadFolderTail;
  PrepareUnicodeSettingsFile(settingsPath, value);
  if (!WritePrivateProfileStringW(SettingsSection, DownloadDirKey, value.c_str(), settingsPath.c_str()))
    throw EIniFileException(rtl::Format(L"Unable to write to %s", settingsPath));
  return value;
}
