// Special folders, file versions, directory trees and starting programs.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "app/ShellHelpers.h"
#include "rtl/StrConv.h"
#include "support/TestSupport.h"

using namespace testing_support;

namespace {

std::wstring BinDir() { return ExtractFilePath(ExecutablePath()); }

bool IsDirectory(const std::wstring& path) {
  const DWORD a = GetFileAttributesW(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

TEST(GetFileVersion, TestExecutableWithVersionResource) {
  // tests/unit/foundation_version.rc: FILEVERSION 3,14,15,9265; PRODUCTVERSION 9,8,7,6.
  const TFileVersionNumbers n = GetFileVersionNumbers(ExecutablePath());
  EXPECT_EQ(n, (TFileVersionNumbers{3, 14, 15, 9265}));
  EXPECT_EQ(GetFileVersionText(ExecutablePath()), L"3.14.15.9265");
}

TEST(GetFileVersion, ExecutableWithoutVersionResourceIsZero) {
  const std::wstring probe = BinDir() + L"noversion_probe.exe";
  ASSERT_TRUE(FileExists(probe));
  EXPECT_EQ(GetFileVersionNumbers(probe), (TFileVersionNumbers{0, 0, 0, 0}));
  EXPECT_EQ(GetFileVersionText(probe), L"0.0.0.0");
}

TEST(GetFileVersion, MissingOrUnreadableFileIsZero) {
  EXPECT_EQ(GetFileVersionText(BinDir() + L"no-such-file.exe"), L"0.0.0.0");
  TTempDir dir;
  WriteFileBytes(dir.Path() + L"junk.exe", "MZ not really a program");
  EXPECT_EQ(GetFileVersionText(dir.Path() + L"junk.exe"), L"0.0.0.0");
  EXPECT_EQ(GetFileVersionText(dir.Path()), L"0.0.0.0");
}

TEST(GetSpecialFolderPath, KnownAndUnknownFolders) {
  const std::wstring common = GetSpecialFolderPath(CSIDL_COMMON_APPDATA);
  EXPECT_FALSE(common.empty());
  EXPECT_TRUE(IsDirectory(common));
  wchar_t expected[MAX_PATH] = {};
  ASSERT_TRUE(SHGetSpecialFolderPathW(nullptr, expected, CSIDL_COMMON_APPDATA, FALSE));
  EXPECT_EQ(common, expected);
  EXPECT_TRUE(IsDirectory(GetSpecialFolderPath(CSIDL_WINDOWS)));
  EXPECT_EQ(GetSpecialFolderPath(0x7F), L"");  // no such special folder
}

TEST(CreateDirectoryTree, CreatesTwoLevelsBelowAnExistingFolder) {
  TTempDir dir;
  const std::wstring target = dir.Path() + L"level1\\\u7535\u5F71\\";
  EXPECT_TRUE(CreateDirectoryTree(target));
  EXPECT_TRUE(IsDirectory(dir.Path() + L"level1"));
  EXPECT_TRUE(IsDirectory(dir.Path() + L"level1\\\u7535\u5F71"));
  EXPECT_TRUE(CreateDirectoryTree(target));  // existing: true, nothing to do
  EXPECT_TRUE(CreateDirectoryTree(dir.Path() + L"a\\b\\c"));  // without the trailing separator
  EXPECT_TRUE(IsDirectory(dir.Path() + L"a\\b\\c"));
}

TEST(CreateDirectoryTree, EdgeCases) {
  EXPECT_FALSE(CreateDirectoryTree(L""));
  EXPECT_TRUE(CreateDirectoryTree(L"C:"));
  EXPECT_TRUE(CreateDirectoryTree(L"C:\\"));
  EXPECT_TRUE(CreateDirectoryTree(L"Q:"));  // shorter than 3 characters: true, nothing created
  TTempDir dir;
  WriteFileBytes(dir.Path() + L"file", "x");
  EXPECT_FALSE(CreateDirectoryTree(dir.Path() + L"file\\sub\\"));  // a file is in the way
  EXPECT_EQ(ExtractFilePath(L"C:\\a\\b"), L"C:\\a\\");
  EXPECT_EQ(ExtractFilePath(L"C:x"), L"C:");
  EXPECT_EQ(ExtractFilePath(L"name"), L"");
}

// Writes the arguments this process was given, one a line, as UTF-8, to the file named by its
// first argument (which is not written).
TAVLO_CHILD(record_arguments) {
  if (args.empty()) return 2;
  std::wstring lines;
  for (size_t i = 1; i < args.size(); ++i) lines += args[i] + L"\n";
  WriteFileBytes(args[0], rtl::Utf16ToUtf8(lines));
  return 0;
}

TEST(OpenFolderInExplorer, ExplorerIsStartedByItsFullPathInTheWindowsFolder) {
  wchar_t windows[MAX_PATH] = {};
  ASSERT_GT(GetSystemWindowsDirectoryW(windows, MAX_PATH), 0u);
  const std::wstring explorer = ExplorerProgramPath();
  EXPECT_EQ(explorer, std::wstring(windows) + L"\\explorer.exe");
  EXPECT_TRUE(FileExists(explorer));
  EXPECT_EQ(ExplorerCommandLine(L"D:\\films"), L"\"" + explorer + L"\" /e, \"D:\\films\"");
}

TEST(OpenFolderInExplorer, EachFolderArrivesAsOneArgumentAsItStands) {
  // Split by the C runtime's rules, the folder comes back whole: a trailing backslash does not
  // escape the closing quote, and nothing else becomes an argument.
  TTempDir dir;
  const std::wstring out = dir.Path() + L"arguments.txt";
  for (const std::wstring folder : {L"D:\\Tavlo\u7535\u5F71\u4E0B\u8F7D\u76EE\u5F55\\", L"D:\\films", L"C:\\a b\\\\",
                                    L"D:\\x\\ /select,C:\\y\\", L"D:\\50% & more\\"}) {
    const std::wstring commandLine = ExplorerCommandLine(folder);
    ASSERT_EQ(commandLine.rfind(L"\"" + ExplorerProgramPath() + L"\" /e, ", 0), 0u);
    // The same arguments given to a program that reports them.
    DeleteFileW(out.c_str());
    const std::wstring probe = QuoteArg(ExecutablePath()) + L" --child record_arguments " + QuoteArg(out) +
                               commandLine.substr(commandLine.find(L" /e, "));
    ASSERT_TRUE(StartProgram(ExecutablePath(), probe));
    ASSERT_TRUE(WaitFor([&] { return !ReadFileBytes(out).empty(); }, std::chrono::seconds(30), false));
    EXPECT_EQ(rtl::Utf8ToUtf16(ReadFileBytes(out)), L"/e,\n" + folder + L"\n") << rtl::Utf16ToUtf8(folder);
  }
}

TEST(OpenFolderInExplorer, FoldersNoQuotingCarriesAreRefused) {
  for (const std::wstring folder : {L"D:\\a\" /select,\"C:\\x", L"D:\\a\"", L"D:\\a\nb", L"D:\\a\tb", L"D:\\a\x7F", L""})
    EXPECT_EQ(ExplorerCommandLine(folder), L"") << rtl::Utf16ToUtf8(folder);
  OpenFolderInExplorer(L"D:\\a\" b");  // starts nothing
}

TEST(StartProgram, StartsTheProgramItIsGivenWithoutSearching) {
  TTempDir dir;
  const std::wstring out = dir.Path() + L"arguments.txt";
  ASSERT_TRUE(StartProgram(ExecutablePath(), L"name --child record_arguments " + QuoteArg(out) + L" x"));
  ASSERT_TRUE(WaitFor([&] { return !ReadFileBytes(out).empty(); }, std::chrono::seconds(30), false));
  EXPECT_EQ(ReadFileBytes(out), "x\n");
  // A bare name is a path relative to the current folder, never looked up on the search path.
  EXPECT_FALSE(StartProgram(L"cmd.exe", L"cmd.exe /c exit"));
  EXPECT_FALSE(StartProgram(dir.Path() + L"no-such-program-tavlo.exe", L"x"));
}

TEST(OpenUrlInShell, OpensADocumentWithItsDefaultAction) {
  TTempDir dir;
  // A batch file's default action runs it; it leaves a marker beside itself.
  const std::wstring script = dir.Path() + L"mark.cmd";
  WriteFileBytes(script, "@echo opened> \"%~dp0marker.txt\"\r\n");
  OpenUrlInShell(script);
  EXPECT_TRUE(WaitFor([&] { return FileExists(dir.Path() + L"marker.txt"); }, std::chrono::seconds(30), false));
  WaitFor([&] { return ReadFileBytes(dir.Path() + L"marker.txt").size() >= 6; }, std::chrono::seconds(5), false);
  OpenUrlInShell(dir.Path() + L"no-such-document.xyz");  // silent
}
