#pragma once
// The settings file and the download directory.
//
// One setting, the download folder, in a profile (INI) file shared by all users of the machine:
// <common application data>\tavlo\setting.ini, section "Setting", key "downpath". Runs on the
// user-interface thread (window creation).
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "rtl/SysUtils.h"

// Raised when the default download folder cannot be written to the settings file; the message is
// "Unable to write to %s" with the settings file path.
class EIniFileException : public rtl::Exception {
  using Exception::Exception;
};

inline constexpr int CommonAppDataFolder = 35;  // CSIDL_COMMON_APPDATA
inline constexpr wchar_t SettingsFileTail[] = L"\\tavlo\\setting.ini";
inline constexpr wchar_t SettingsSection[] = L"Setting";
inline constexpr wchar_t DownloadDirKey[] = L"downpath";
// The default folder after the drive letter: ":\Tavlo电影下载目录\" ("Tavlo movie download folder").
inline constexpr wchar_t DefaultDownloadFolderTail[] =
    L":\\Tavlo\u7535\u5F71\u4E0B\u8F7D\u76EE\u5F55\\";
inline constexpr uint32_t DownloadDirBufferUnits = 2048;  // longer values are cut to 2,047

// The two drive queries FindLargestFreeDrive makes, injectable so that tests can give it any
// drive table. DriveType gets a root "X:\" and answers a DRIVE_* value; FreeClusters gets "X:"
// and answers whether the query succeeded, with the number of free clusters.
struct TDriveQueries {
  std::function<unsigned(const std::wstring& root)> DriveType;
  std::function<bool(const std::wstring& drive, uint32_t& freeClusters)> FreeClusters;
};
// GetDriveTypeW and GetDiskFreeSpaceW of the machine.
TDriveQueries SystemDriveQueries();

// The drive letter (as a one-letter text) of the removable or fixed drive with the most free
// clusters, never C: whatever its type; earlier letters win ties; "C" when no candidate has a free
// cluster. The queries run with the thread's error mode set to fail critical errors, so an empty
// removable drive never makes Windows ask for a disk.
std::wstring FindLargestFreeDrive();
std::wstring FindLargestFreeDrive(const TDriveQueries& queries);

// GetSpecialFolderPath(CommonAppDataFolder) + "\tavlo\setting.ini".
std::wstring SettingsFilePath();

// The download folder from the real settings file (SettingsFilePath) with the machine's drives.
std::wstring ReadDownloadDir();
// A stored download folder as it can be used: blanks around it trimmed, then an absolute local
// folder path ("X:\..." or "X:/...") without '"', '<', '>', '|', '?', '*', control characters or a
// ':' after the drive's. Nothing for anything else (relative, empty, network or device paths).
std::optional<std::wstring> UsableDownloadDir(std::wstring_view value);

// The same from any settings file with any drive queries (tests point it at a temporary file).
// A stored value is returned as UsableDownloadDir gives it and the file is left untouched; a
// stored value it refuses gives the default folder for this run, still without touching the
// file (the value stays for the user to mend). When the key is missing or empty, the default
// (FindLargestFreeDrive + DefaultDownloadFolderTail) is written back and returned;
// EIniFileException "Unable to write to %s" when that write fails (for example when the settings
// folder does not exist: it is not created here).
//
// Deliberate detail (the profile functions alone would write the file in the ANSI code page): before the
// default is written, a settings file that does not exist yet is created holding only a UTF-16LE
// byte-order mark, and an existing 8-bit file whose ANSI code page cannot hold the default (or a
// UTF-8 file, which Windows reads as ANSI) is re-encoded as UTF-16LE with the same text, so that
// the profile functions store the value as Unicode. Otherwise they would write it in the ANSI
// code page, and the default folder's Chinese name would come back as "??????" on every machine
// whose code page lacks those characters. A file that holds a value is never touched.
std::wstring ReadDownloadDirFrom(const std::wstring& settingsPath, const TDriveQueries& queries);
