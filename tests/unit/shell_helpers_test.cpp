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

// Writes this process's command line, as UTF-8, to the file named by its first argument.
TAVLO_CHILD(record_command_line) {
  if (args.empty()) return 2;
  WriteFileBytes(args[0], rtl::Utf16ToUtf8(GetCommandLineW()));
  return 0;
}

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

TEST(OpenFolderInExplorer, CommandLineKeepsTheFolderNameInUtf16) {
  const std::wstring folder = L"D:\\Tavlo\u7535\u5F71\u4E0B\u8F7D\u76EE\u5F55\\";
  EXPECT_EQ(ExplorerCommandLine(folder), L"EXPLORER.EXE /e, \"D:\\Tavlo\u7535\u5F71\u4E0B\u8F7D\u76EE\u5F55\\\"");
  // The same kind of command line reaches a started program intact, which the ANSI code page
  // of a Western machine would not allow.
  TTempDir dir;
  const std::wstring out = dir.Path() + L"cmdline.txt";
  const std::wstring commandLine = QuoteArg(ExecutablePath()) + L" --child record_command_line " +
                                   QuoteArg(out) + L" /e, \"" + folder + L"\"";
  ASSERT_TRUE(StartProgram(commandLine));
  ASSERT_TRUE(WaitFor([&] { return !ReadFileBytes(out).empty(); }, std::chrono::seconds(30), false));
  EXPECT_EQ(rtl::Utf8ToUtf16(ReadFileBytes(out)), commandLine);
  EXPECT_FALSE(StartProgram(L"no-such-program-tavlo.exe"));
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
