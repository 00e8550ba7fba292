// The settings file and FindLargestFreeDrive, on the real profile functions and the
// real common application-data folder of the test's Wine prefix.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "app/Settings.h"
#include "app/ShellHelpers.h"
#include "rtl/StrConv.h"
#include "support/TestSupport.h"

using testing_support::FileExists;
using testing_support::ReadFileBytes;
using testing_support::WriteFileBytes;

namespace {

struct TDrive {
  unsigned Type;
  uint32_t Free;
  bool QueryOk = true;
};

// A drive table as the two queries see it; records what was asked.
struct TDriveTable {
  std::map<wchar_t, TDrive> Drives;
  std::vector<std::wstring> TypeRoots, FreeDrives;

  TDriveQueries Queries() {
    TDriveQueries q;
    q.DriveType = [this](const std::wstring& root) {
      TypeRoots.push_back(root);
      auto it = Drives.find(root[0]);
      return it == Drives.end() ? unsigned(DRIVE_NO_ROOT_DIR) : it->second.Type;
    };
    q.FreeClusters = [this](const std::wstring& drive, uint32_t& freeClusters) {
      FreeDrives.push_back(drive);
      auto it = Drives.find(drive[0]);
      if (it == Drives.end() || !it->second.QueryOk) return false;
      freeClusters = it->second.Free;
      return true;
    };
    return q;
  }
};

TDriveQueries QueriesThatMustNotBeUsed() {
  TDriveQueries q;
  q.DriveType = [](const std::wstring&) {
    ADD_FAILURE() << "drive type asked";
    return unsigned(DRIVE_FIXED);
  };
  q.FreeClusters = [](const std::wstring&, uint32_t&) {
    ADD_FAILURE() << "free space asked";
    return false;
  };
  return q;
}

const std::wstring DefaultTail = L":\\Tavlo\u7535\u5F71\u4E0B\u8F7D\u76EE\u5F55\\";

// A fresh folder inside the prefix's real common application-data folder, removed afterwards.
class TCommonAppDataDir {
public:
  TCommonAppDataDir() {
    static int counter = 0;
    FPath = GetSpecialFolderPath(CommonAppDataFolder) + L"\\tavlo-test-" +
            std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter) + L"\\";
    CreateDirectoryW(FPath.c_str(), nullptr);
  }
  ~TCommonAppDataDir() {
    std::error_code ec;
    std::filesystem::remove_all(std::filesystem::path(FPath), ec);
  }
  const std::wstring& Path() const { return FPath; }

private:
  std::wstring FPath;
};

std::wstring ProfileValue(const std::wstring& path) {
  wchar_t buffer[4096];
  const DWORD n = GetPrivateProfileStringW(L"Setting", L"downpath", L"<none>", buffer, 4096, path.c_str());
  return std::wstring(buffer, n);
}

}  // namespace

TEST(FindLargestFreeDrive, PrefersTheFixedDriveBeforeAnEqualRemovableOne) {
  TDriveTable t;
  t.Drives = {{L'C', {DRIVE_FIXED, 1000}}, {L'D', {DRIVE_FIXED, 10}}, {L'E', {DRIVE_REMOVABLE, 10}}};
  EXPECT_EQ(FindLargestFreeDrive(t.Queries()), L"D");
  // Every letter's root was asked in order; free space only of candidates, as "X:".
  ASSERT_EQ(t.TypeRoots.size(), 26u);
  EXPECT_EQ(t.TypeRoots.front(), L"A:\\");
  EXPECT_EQ(t.TypeRoots.back(), L"Z:\\");
  EXPECT_EQ(t.FreeDrives, (std::vector<std::wstring>{L"D:", L"E:"}));
}

TEST(FindLargestFreeDrive, OnlyDriveCGivesC) {
  TDriveTable t;
  t.Drives = {{L'C', {DRIVE_FIXED, 5000}}};
  EXPECT_EQ(FindLargestFreeDrive(t.Queries()), L"C");
  EXPECT_TRUE(t.FreeDrives.empty());
}

TEST(FindLargestFreeDrive, CandidateRules) {
  {
    TDriveTable t;  // a removable drive with more clusters wins; network, CD and RAM drives never
    t.Drives = {{L'A', {DRIVE_REMOVABLE, 3}}, {L'D', {DRIVE_FIXED, 10}}, {L'F', {DRIVE_REMOVABLE, 11}},
                {L'G', {DRIVE_REMOTE, 99}}, {L'H', {DRIVE_CDROM, 99}}, {L'R', {DRIVE_RAMDISK, 99}}};
    EXPECT_EQ(FindLargestFreeDrive(t.Queries()), L"F");
  }
  {
    TDriveTable t;  // no free cluster: never chosen
    t.Drives = {{L'D', {DRIVE_FIXED, 0}}, {L'E', {DRIVE_REMOVABLE, 0}}};
    EXPECT_EQ(FindLargestFreeDrive(t.Queries()), L"C");
  }
  {
    TDriveTable t;  // a failed free-space query is skipped
    t.Drives = {{L'D', {DRIVE_FIXED, 500, false}}, {L'E', {DRIVE_FIXED, 20}}};
    EXPECT_EQ(FindLargestFreeDrive(t.Queries()), L"E");
  }
  {
    TDriveTable t;  // clusters compared unsigned: 0xFFFFFFFF is the most
    t.Drives = {{L'D', {DRIVE_FIXED, 0x7FFFFFFF}}, {L'Y', {DRIVE_FIXED, 0xFFFFFFFF}}, {L'Z', {DRIVE_FIXED, 0xFFFFFFFF}}};
    EXPECT_EQ(FindLargestFreeDrive(t.Queries()), L"Y");
  }
}

TEST(FindLargestFreeDrive, NoDriveCIsACandidateWhateverItsType) {
  TDriveTable t;
  t.Drives = {{L'C', {DRIVE_REMOVABLE, 1000}}, {L'E', {DRIVE_REMOVABLE, 5}}};
  EXPECT_EQ(FindLargestFreeDrive(t.Queries()), L"E");
  EXPECT_EQ(t.FreeDrives, (std::vector<std::wstring>{L"E:"}));
}

TEST(FindLargestFreeDrive, ProbesWithCriticalErrorBoxesOff) {
  // An empty removable drive must fail its query, not ask the user for a disk.
  const DWORD before = GetThreadErrorMode();
  std::vector<DWORD> modes;
  TDriveQueries q;
  q.DriveType = [&](const std::wstring&) {
    modes.push_back(GetThreadErrorMode());
    return unsigned(DRIVE_REMOVABLE);
  };
  q.FreeClusters = [&](const std::wstring&, uint32_t& n) {
    modes.push_back(GetThreadErrorMode());
    n = 1;
    return true;
  };
  EXPECT_EQ(FindLargestFreeDrive(q), L"A");
  ASSERT_EQ(modes.size(), 26u + 25u);
  for (DWORD mode : modes) EXPECT_TRUE(mode & SEM_FAILCRITICALERRORS) << mode;
  EXPECT_EQ(GetThreadErrorMode(), before) << "the mode is put back";
}

TEST(FindLargestFreeDrive, OnTheRealDrivesOfThePrefix) {
  const std::wstring letter = FindLargestFreeDrive();
  ASSERT_EQ(letter.size(), 1u);
  ASSERT_GE(letter[0], L'A');
  ASSERT_LE(letter[0], L'Z');
  // Check the answer against the machine with the plain Win32 calls.
  DWORD bestFree = 0;
  wchar_t best = L'C';
  for (wchar_t l = L'A'; l <= L'Z'; ++l) {
    const wchar_t root[] = {l, L':', L'\\', 0}, drive[] = {l, L':', 0};
    const UINT type = GetDriveTypeW(root);
    if (l == L'C' || !(type == DRIVE_REMOVABLE || type == DRIVE_FIXED)) continue;
    DWORD spc, bps, free, total;
    if (GetDiskFreeSpaceW(drive, &spc, &bps, &free, &total) && free > bestFree) {
      best = l;
      bestFree = free;
    }
  }
  EXPECT_EQ(letter[0], best);
  if (letter != L"C") {
    EXPECT_GT(bestFree, 0u);
  }
}

TEST(Settings, PathIsInTheCommonApplicationDataFolder) {
  const std::wstring common = GetSpecialFolderPath(CommonAppDataFolder);
  ASSERT_FALSE(common.empty());
  const DWORD attributes = GetFileAttributesW(common.c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_EQ(SettingsFilePath(), common + L"\\tavlo\\setting.ini");
}

TEST(Settings, MissingValueIsReplacedByTheDefaultAndWrittenBack) {
  TCommonAppDataDir dir;
  const std::wstring ini = dir.Path() + L"setting.ini";
  ASSERT_FALSE(FileExists(ini));
  TDriveTable t;
  t.Drives = {{L'C', {DRIVE_FIXED, 1000}}, {L'D', {DRIVE_FIXED, 10}}, {L'E', {DRIVE_REMOVABLE, 10}}};
  const std::wstring value = ReadDownloadDirFrom(ini, t.Queries());
  EXPECT_EQ(value, L"D" + DefaultTail);
  ASSERT_TRUE(FileExists(ini));
  // Written back whole, Chinese name included, as the profile functions read it.
  EXPECT_EQ(ProfileValue(ini), value);
  // The next start reads the stored value and asks no drive.
  EXPECT_EQ(ReadDownloadDirFrom(ini, QueriesThatMustNotBeUsed()), value);
}

TEST(Settings, EmptyValueIsReplacedByTheDefault) {
  TCommonAppDataDir dir;
  const std::wstring ini = dir.Path() + L"setting.ini";
  // An 8-bit file (as an editor or an older copy may leave it) with an empty value and more.
  WriteFileBytes(ini, "[Setting]\r\ndownpath=\r\n[Other]\r\nname=caf\xE9\r\n");
  TDriveTable t;
  t.Drives = {{L'C', {DRIVE_FIXED, 1000}}};
  EXPECT_EQ(ReadDownloadDirFrom(ini, t.Queries()), L"C" + DefaultTail);
  // The Chinese name survives whatever the ANSI code page is, and the rest of the file stays.
  EXPECT_EQ(ProfileValue(ini), L"C" + DefaultTail);
  wchar_t other[64];
  const DWORD n = GetPrivateProfileStringW(L"Other", L"name", L"", other, 64, ini.c_str());
  EXPECT_EQ(std::wstring(other, n), rtl::AnsiToUtf16("caf\xE9"));
}

TEST(Settings, Utf8FileWithoutTheKeyKeepsItsText) {
  TCommonAppDataDir dir;
  const std::wstring ini = dir.Path() + L"setting.ini";
  WriteFileBytes(ini, "\xEF\xBB\xBF[Other]\r\nname=\xE7\x94\xB5\xE5\xBD\xB1\r\n");  // 电影
  TDriveTable t;
  t.Drives = {{L'D', {DRIVE_FIXED, 9}}};
  EXPECT_EQ(ReadDownloadDirFrom(ini, t.Queries()), L"D" + DefaultTail);
  EXPECT_EQ(ProfileValue(ini), L"D" + DefaultTail);
  wchar_t other[64];
  const DWORD n = GetPrivateProfileStringW(L"Other", L"name", L"", other, 64, ini.c_str());
  EXPECT_EQ(std::wstring(other, n), L"\u7535\u5F71");
}

TEST(Settings, MissingKeyInAFileWithOtherSections) {
  TCommonAppDataDir dir;
  const std::wstring ini = dir.Path() + L"setting.ini";
  WriteFileBytes(ini, "[Setting]\r\nother=1\r\n");
  TDriveTable t;
  t.Drives = {{L'E', {DRIVE_REMOVABLE, 7}}};
  EXPECT_EQ(ReadDownloadDirFrom(ini, t.Queries()), L"E" + DefaultTail);
  EXPECT_EQ(ProfileValue(ini), L"E" + DefaultTail);
  EXPECT_EQ(GetPrivateProfileIntW(L"Setting", L"other", 0, ini.c_str()), 1u);
}

TEST(Settings, DefaultOnTheRealDrives) {
  TCommonAppDataDir dir;
  const std::wstring ini = dir.Path() + L"setting.ini";
  const std::wstring value = ReadDownloadDirFrom(ini, SystemDriveQueries());
  EXPECT_EQ(value, FindLargestFreeDrive() + DefaultTail);
  EXPECT_EQ(ProfileValue(ini), value);
}

TEST(Settings, StoredValueIsNeverRewritten) {
  TCommonAppDataDir dir;
  const std::wstring ini = dir.Path() + L"setting.ini";
  const std::string content = "; kept as written\r\n[Setting]\r\ndownpath = E:\\Movies\r\n[Other]\r\nx=1\r\n";
  WriteFileBytes(ini, content);
  WIN32_FILE_ATTRIBUTE_DATA before{}, after{};
  ASSERT_TRUE(GetFileAttributesExW(ini.c_str(), GetFileExInfoStandard, &before));
  EXPECT_EQ(ReadDownloadDirFrom(ini, QueriesThatMustNotBeUsed()), L"E:\\Movies");  // used as it is
  EXPECT_EQ(ReadDownloadDirFrom(ini, QueriesThatMustNotBeUsed()), L"E:\\Movies");
  EXPECT_EQ(ReadFileBytes(ini), content);
  ASSERT_TRUE(GetFileAttributesExW(ini.c_str(), GetFileExInfoStandard, &after));
  EXPECT_EQ(CompareFileTime(&before.ftLastWriteTime, &after.ftLastWriteTime), 0);
}

TEST(Settings, OnlyAbsoluteLocalFoldersAreUsable) {
  for (const wchar_t* good : {L"E:\\Movies", L"e:\\", L"Z:/films/new", L"D:\\\u7535\u5F71\\", L"D:\\a b\\c.d"})
    EXPECT_EQ(UsableDownloadDir(good), std::wstring(good)) << rtl::Utf16ToUtf8(good);
  EXPECT_EQ(UsableDownloadDir(L"  D:\\films\\ \t"), L"D:\\films\\");  // blanks around it trimmed
  for (const wchar_t* bad : {L"", L"   ", L"\t", L"films", L"films\\new", L"\\films", L"D:films", L"D:",
                             L"\\\\server\\share\\films", L"\\\\?\\D:\\films", L"1:\\films", L"D:\\a\"b",
                             L"D:\\a<b", L"D:\\a>b", L"D:\\a|b", L"D:\\a?", L"D:\\*", L"D:\\a:b",
                             L"D:\\a\nb", L"D:\\a\x01", L"D:\\a\x7F", L"D:\\a\x85"})
    EXPECT_FALSE(UsableDownloadDir(bad)) << rtl::Utf16ToUtf8(bad);
}

TEST(Settings, UnusableStoredValueGivesTheDefaultForThisRunAndStaysStored) {
  TCommonAppDataDir dir;
  const std::wstring ini = dir.Path() + L"setting.ini";
  TDriveTable t;
  t.Drives = {{L'D', {DRIVE_FIXED, 10}}};
  for (const std::string stored : {"films", "\"   \"", "D:\\a\"b\"", "D:\\x|y", "..\\up", "\\\\srv\\share"}) {
    const std::string content = "[Setting]\r\ndownpath=" + stored + "\r\n";
    WriteFileBytes(ini, content);
    EXPECT_EQ(ReadDownloadDirFrom(ini, t.Queries()), L"D" + DefaultTail) << stored;
    EXPECT_EQ(ReadFileBytes(ini), content) << stored;
  }
}

TEST(Settings, LongValuesAreCutTo2047CodeUnits) {
  TCommonAppDataDir dir;
  const std::wstring ini = dir.Path() + L"setting.ini";
  const std::string longValue = "D:\\" + std::string(2997, 'x');  // 3,000 characters
  WriteFileBytes(ini, "[Setting]\r\ndownpath=" + longValue + "\r\n");
  const std::wstring value = ReadDownloadDirFrom(ini, QueriesThatMustNotBeUsed());
  EXPECT_EQ(value.size(), 2047u);
  EXPECT_EQ(value, std::wstring(longValue.begin(), longValue.begin() + 2047));
}

TEST(Settings, UnwritableSettingsFileRaisesUnableToWrite) {
  TCommonAppDataDir dir;
  // The settings folder is not created by ReadDownloadDir: a missing folder cannot be written.
  const std::wstring ini = dir.Path() + L"missing-folder\\setting.ini";
  TDriveTable t;
  t.Drives = {{L'D', {DRIVE_FIXED, 10}}};
  try {
    ReadDownloadDirFrom(ini, t.Queries());
    FAIL() << "no error raised";
  } catch (const EIniFileException& e) {
    EXPECT_EQ(e.Message(), L"Unable to write to " + ini);
  }
  EXPECT_FALSE(FileExists(dir.Path() + L"missing-folder"));
  // A folder standing where the file should be cannot be written either.
  const std::wstring blocked = dir.Path() + L"blocked.ini";
  ASSERT_TRUE(CreateDirectoryW(blocked.c_str(), nullptr));
  EXPECT_THROW(ReadDownloadDirFrom(blocked, t.Queries()), EIniFileException);
}
