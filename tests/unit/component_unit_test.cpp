// Pure rules of the browser component: zoom table, unique download names, favicon choice,
// error page text, built-in keys, the parent-form move rule and the icon header check.
#include <gtest/gtest.h>

#include <set>

#include "support/TestSupport.h"
#include "vorad/core/VoraD.Core.BrowserView.Rules.h"

TEST(ZoomRules, TableBoundsAndNumbers) {
  EXPECT_EQ(ZoomLevelToText(0), L"100%");
  EXPECT_EQ(ZoomLevelToText(MaxZoomLevel), L"500%");
  EXPECT_EQ(ZoomLevelToText(MinZoomLevel), L"25%");
  EXPECT_EQ(ZoomLevelToText(-1), L"90%");
  EXPECT_EQ(ZoomLevelToText(8), L"400%");
  // Levels outside the table read as numbers in the default number format.
  EXPECT_EQ(ZoomLevelToText(0.5), L"0.5");
  EXPECT_EQ(ZoomLevelToText(-1.25), L"-1.25");
  EXPECT_EQ(ZoomLevelToText(10), L"10");
  std::wstring text = L"untouched";
  EXPECT_FALSE(FindZoomLevel(0.5, text));
  EXPECT_EQ(text, L"untouched");
  // Every row is reachable and the table is strictly ascending.
  for (size_t i = 1; i < 16; ++i) EXPECT_LT(ZoomLevelTable[i - 1].Level, ZoomLevelTable[i].Level);
}

TEST(UniqueFileName, CountsPastNinetyNine) {
  std::set<std::wstring> files;
  auto exists = [&](const std::wstring& p) { return files.count(p) != 0; };
  EXPECT_EQ(MakeUniqueFileName(L"C:\\d\\a.zip", exists), L"C:\\d\\a.zip");
  files = {L"C:\\d\\a.zip", L"C:\\d\\a(1).zip"};
  EXPECT_EQ(MakeUniqueFileName(L"C:\\d\\a.zip", exists), L"C:\\d\\a(2).zip");
  files = {L"C:\\d\\movie.part.mp4"};
  EXPECT_EQ(MakeUniqueFileName(L"C:\\d\\movie.part.mp4", exists), L"C:\\d\\movie.part(1).mp4");
  files = {L"C:\\d\\readme"};
  EXPECT_EQ(MakeUniqueFileName(L"C:\\d\\readme", exists), L"C:\\d\\(1).readme");
  // All of 1..99 taken: the next free number, never an existing name.
  files = {L"C:\\d\\a.zip"};
  for (int i = 1; i <= 99; ++i) files.insert(L"C:\\d\\a(" + std::to_wstring(i) + L").zip");
  EXPECT_EQ(MakeUniqueFileName(L"C:\\d\\a.zip", exists), L"C:\\d\\a(100).zip");
}

TEST(UniqueFileName, RealFolder) {
  testing_support::TTempDir dir;
  testing_support::WriteFileBytes(dir.Path() + L"a.zip", "x");
  testing_support::WriteFileBytes(dir.Path() + L"a(1).zip", "x");
  EXPECT_EQ(MakeUniqueFileName(dir.Path() + L"a.zip"), dir.Path() + L"a(2).zip");
  EXPECT_EQ(MakeUniqueFileName(dir.Path() + L"b.zip"), dir.Path() + L"b.zip");
}

TEST(TextRules, LastPosAndFavicon) {
  EXPECT_EQ(LastPos(L".", L"a.b.c"), 4u);
  EXPECT_EQ(LastPos(L"", L"abc"), 0u);
  EXPECT_EQ(LastPos(L"abcd", L"abc"), 0u);
  EXPECT_EQ(LastPos(L"x", L"abc"), 0u);
  EXPECT_EQ(SelectFaviconUrl({L"http://h/a.png", L"http://h/b.ico", L"http://h/c.ico?x"}),
            L"http://h/c.ico?x");
  EXPECT_EQ(SelectFaviconUrl({L"http://h/a.png", L"http://h/b.gif"}), L"");
  EXPECT_EQ(SelectFaviconUrl({}), L"");
}

TEST(TextRules, ErrorPage) {
  EXPECT_EQ(BuildLoadErrorPage(L"http://x/", -102, true, L"NET_ERROR_CONNECTION_REFUSED", L"Refused."),
            L"<html><body><h2>Failed to load URL http://x/ with error -102</h2>"
            L"<p>Error Name: NET_ERROR_CONNECTION_REFUSED</p><p>Error Description: Refused.</p>"
            L"</body></html>");
  EXPECT_EQ(BuildLoadErrorPage(L"http://x/", -9999, false, L"", L""),
            L"<html><body><h2>Failed to load URL http://x/ with error -9999</h2></body></html>");
  // A URL carrying format directives is text, not a format.
  EXPECT_NE(BuildLoadErrorPage(L"http://x/%s%d", 1, false, L"", L"").find(L"http://x/%s%d"),
            std::wstring::npos);
}

TEST(KeyRules, BuiltinKeys) {
  const int rawDown = 0, keyUp = 2;
  EXPECT_TRUE(BuiltinKeyActions(keyUp, 0, VK_F12).ShowDevTools);
  EXPECT_FALSE(BuiltinKeyActions(rawDown, 0, VK_F12).ShowDevTools);
  EXPECT_TRUE(BuiltinKeyActions(keyUp, 0, VK_F5).Reload);
  EXPECT_FALSE(BuiltinKeyActions(rawDown, 0, VK_F5).Reload);
  EXPECT_TRUE(BuiltinKeyActions(rawDown, 4, 'F').Search);
  EXPECT_TRUE(BuiltinKeyActions(keyUp, 4, 'F').Search);
  EXPECT_FALSE(BuiltinKeyActions(keyUp, 0, 'F').Search);
  const auto altF4 = BuiltinKeyActions(rawDown, 8, VK_F4);
  EXPECT_TRUE(altF4.Cancel);
  EXPECT_FALSE(altF4.ShowDevTools || altF4.Reload || altF4.Search);
  EXPECT_FALSE(BuiltinKeyActions(rawDown, 0, VK_F4).Cancel);
  EXPECT_EQ(LoadingBits(true, true, false), 3);
  EXPECT_EQ(LoadingBits(false, false, true), 4);
}

TEST(MoveRules, ParentFormMove) {
  EXPECT_FALSE(ShouldNotifyMove(10, 20, 10, 20, 100, false, 1600));   // no change
  EXPECT_TRUE(ShouldNotifyMove(11, 20, 10, 20, 100, false, 1600));
  EXPECT_FALSE(ShouldNotifyMove(11, 20, 10, 20, 100, true, 1600));    // re-entrant
  EXPECT_FALSE(ShouldNotifyMove(11, 20, -5, 20, 100, false, 1600));   // left of the screen
  EXPECT_FALSE(ShouldNotifyMove(11, 20, 1550, 20, 100, false, 1600)); // past the last monitor
}

TEST(IconRules, Header) {
  EXPECT_TRUE(IsIconBytes(std::string("\0\0\1\0\1\0", 6)));
  EXPECT_TRUE(IsIconBytes(std::string("\0\0\0\0\1\0", 6)));
  EXPECT_FALSE(IsIconBytes(std::string("\0\0\2\0\1\0", 6)));  // a cursor file
  EXPECT_TRUE(IsIconBytes(std::string("\0\0", 2)));           // too short: loading decides
}
