#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "app/PageScripts.h"
#include "app/UntDwonMain.h"
#include "support/TestSupport.h"

using namespace tavlo;

TEST(ProgressScript, FormatsAsThePortalExpects) {
  EXPECT_EQ(ChangeDownProgressScript(5, 20), L"changeDownProgress(25.00,05,20)");
  EXPECT_EQ(ChangeDownProgressScript(0, 1000), L"changeDownProgress(0.00,00,1000)");
  EXPECT_EQ(ChangeDownProgressScript(20, 20), L"changeDownProgress(100.00,20,20)");
  EXPECT_EQ(ChangeDownProgressScript(1, 3), L"changeDownProgress(33.33,01,3)");
  // Sizes past 32 bits print whole.
  EXPECT_EQ(ChangeDownProgressScript(3000000000LL, 6000000000LL),
            L"changeDownProgress(50.00,3000000000,6000000000)");
  EXPECT_FALSE(ChangeDownProgressScript(5, 0));
  EXPECT_FALSE(ChangeDownProgressScript(5, -1));
}

TEST(ProgressScript, QuotientIsRoundedToSinglePrecisionFirst) {
  // 1/3 in single precision is 0.3333333432674408; the percent keeps that value.
  const double expected = double(float(1.0 / 3.0)) * 100.0;
  wchar_t buf[64];
  swprintf(buf, 64, L"changeDownProgress(%.2f,01,3)", expected);
  EXPECT_EQ(ChangeDownProgressScript(1, 3), std::wstring(buf));
}

TEST(ProgressTick, EachStatusTellsThePageOnceAndEndsPollingWhenDone) {
  TXlTaskInfo info{};
  info.Status = XL_STATUS_DOWNLOADING;
  info.Received = 5;
  info.TotalSize = 20;
  TProgressTick tick = ProgressTick(info);
  EXPECT_EQ(tick.Script, L"changeDownProgress(25.00,05,20)");
  EXPECT_TRUE(tick.KeepPolling);
  info.TotalSize = -1;  // size not known yet
  tick = ProgressTick(info);
  EXPECT_FALSE(tick.Script);
  EXPECT_TRUE(tick.KeepPolling);

  info.Status = XL_STATUS_COMPLETE;
  tick = ProgressTick(info);
  EXPECT_EQ(tick.Script, L"DwonloadComplate()");
  EXPECT_FALSE(tick.KeepPolling);

  // A task the engine gave up on (a 404, retries spent) is reported, not polled forever.
  info.Status = XL_STATUS_FAILED;
  info.FailCode = 404;
  tick = ProgressTick(info);
  EXPECT_EQ(tick.Script, L"taskStartFail()");
  EXPECT_FALSE(tick.KeepPolling);

  for (const uint8_t status : {uint8_t(XL_STATUS_CREATED), uint8_t(XL_STATUS_WAITING), uint8_t(XL_STATUS_PAUSED), uint8_t(99)}) {
    info.Status = status;
    tick = ProgressTick(info);
    EXPECT_FALSE(tick.Script) << int(status);
    EXPECT_TRUE(tick.KeepPolling) << int(status);
  }
}

TEST(PendingPageScripts, KeepOrderAndOnlyTheLatestOfConsecutiveProgress) {
  TPendingPageScripts pending;
  pending.Add(L"taskStartSuccess(\"a.mp4\")");
  pending.Add(L"changeDownProgress(1.00,01,100)");
  pending.Add(L"changeDownProgress(2.00,02,100)");
  pending.Add(L"taskStopSuccess()");
  pending.Add(L"taskStartSuccess()");
  pending.Add(L"changeDownProgress(3.00,03,100)");
  pending.Add(L"DwonloadComplate()");
  EXPECT_EQ(pending.Take(), (std::vector<std::wstring>{L"taskStartSuccess(\"a.mp4\")", L"changeDownProgress(2.00,02,100)",
                                                       L"taskStopSuccess()", L"taskStartSuccess()",
                                                       L"changeDownProgress(3.00,03,100)", L"DwonloadComplate()"}));
  EXPECT_EQ(pending.Size(), 0u);
  EXPECT_TRUE(pending.Take().empty());
  pending.Add(L"taskStartFail()");
  pending.Clear();
  EXPECT_TRUE(pending.Take().empty());
}

TEST(PendingPageScripts, AreBoundedAndKeepTheLatest) {
  TPendingPageScripts pending;
  for (size_t i = 0; i < TPendingPageScripts::Capacity + 10; ++i) pending.Add(L"s" + std::to_wstring(i));
  ASSERT_EQ(pending.Size(), TPendingPageScripts::Capacity);
  const std::vector<std::wstring> kept = pending.Take();
  EXPECT_EQ(kept.front(), L"s10");
  EXPECT_EQ(kept.back(), L"s" + std::to_wstring(TPendingPageScripts::Capacity + 9));
}

TEST(StartScript, NamesReachThePageAsText) {
  EXPECT_EQ(TaskStartSuccessScript(L"film.mp4"), L"taskStartSuccess(\"film.mp4\")");
  EXPECT_EQ(TaskStartSuccessScript(L"a\"b"), L"taskStartSuccess(\"a\\\"b\")");
  EXPECT_EQ(TaskStartSuccessScript(L"a\\\"); alert(1); (\""),
            L"taskStartSuccess(\"a\\\\\\\"); alert(1); (\\\"\")");
  EXPECT_EQ(TaskStartSuccessScript(L""), L"taskStartSuccess(\"\")");
}

TEST(SearchUrl, WordsArePercentEncodedAsUtf8) {
  EXPECT_EQ(BuildSearchUrl(L"127.0.0.1:8080", L"123", L"tom & jerry #1+2"),
            L"http://127.0.0.1:8080/cse/search?s=123&entry=1&q=tom%20%26%20jerry%20%231%2B2");
  EXPECT_EQ(BuildSearchUrl(L"h", L"1", L"影片"), L"http://h/cse/search?s=1&entry=1&q=%E5%BD%B1%E7%89%87");
  EXPECT_EQ(BuildSearchUrl(L"h", L"1", L""), L"http://h/cse/search?s=1&entry=1&q=");
  EXPECT_EQ(PercentEncodeUtf8(L"A-z_0.9~"), L"A-z_0.9~");
}

TEST(WebAddress, OnlyHttpAndHttpsReachTheShell) {
  EXPECT_TRUE(IsWebAddress(L"http://example.test/a?b=c"));
  EXPECT_TRUE(IsWebAddress(L"HTTPS://example.test/"));
  EXPECT_FALSE(IsWebAddress(L"http://"));
  EXPECT_FALSE(IsWebAddress(L"file:///C:/windows/system32/calc.exe"));
  EXPECT_FALSE(IsWebAddress(L"C:\\windows\\system32\\calc.exe"));
  EXPECT_FALSE(IsWebAddress(L"calc.exe"));
  EXPECT_FALSE(IsWebAddress(L"javascript:alert(1)"));
  EXPECT_FALSE(IsWebAddress(L"ms-settings:"));
  EXPECT_FALSE(IsWebAddress(L"http://a b"));
  EXPECT_FALSE(IsWebAddress(L""));
}

// ---- the main window's pure parts

TEST(ClipboardLink, OnlyTheExactLowerCasePrefixCounts) {
  EXPECT_TRUE(IsDownloadLinkText(L"tavloaHR0cDovL2EvYg=="));
  EXPECT_TRUE(IsDownloadLinkText(L"tavlo"));
  EXPECT_FALSE(IsDownloadLinkText(L"TavloaHR0cDovL2EvYg=="));
  EXPECT_FALSE(IsDownloadLinkText(L"tavl"));
  EXPECT_FALSE(IsDownloadLinkText(L""));
  EXPECT_FALSE(IsDownloadLinkText(L" tavlo"));
}

TEST(TaskParam, FieldsLandAtTheirOffsets) {
  TXlTaskParam param;
  ASSERT_TRUE(BuildTaskParam(L"http://127.0.0.1/film.mp4", L"film.mp4", L"C:\\dl\\", param));
  const auto* bytes = reinterpret_cast<const unsigned char*>(&param);
  auto textAt = [&](size_t offset) { return std::wstring(reinterpret_cast<const wchar_t*>(bytes + offset)); };
  EXPECT_EQ(textAt(4), L"http://127.0.0.1/film.mp4");
  EXPECT_EQ(textAt(4172), L"");
  EXPECT_EQ(textAt(16532), L"film.mp4");
  EXPECT_EQ(textAt(17572), L"C:\\dl\\");
  int32_t zero = 1, minusOne = 0;
  std::memcpy(&zero, bytes + 18356, 4);
  std::memcpy(&minusOne, bytes + 18368, 4);
  EXPECT_EQ(zero, 0);
  EXPECT_EQ(minusOne, -1);
  // Everything else stays zero.
  size_t nonZero = 0;
  for (size_t i = 0; i < sizeof(param); ++i) nonZero += bytes[i] != 0;
  // One non-zero byte per ASCII code unit of the three texts, and the four bytes of -1.
  EXPECT_EQ(nonZero, std::wcslen(L"http://127.0.0.1/film.mp4") + 8 + 6 + 4);
}

TEST(TaskParam, TextsThatDoNotFitAreRefusedNotCut) {
  TXlTaskParam param;
  const std::wstring url2083 = L"http://h/" + std::wstring(2083 - 9, L'a');
  EXPECT_TRUE(BuildTaskParam(url2083, L"a", L"C:\\", param));
  EXPECT_FALSE(BuildTaskParam(url2083 + L"b", L"a", L"C:\\", param));
  EXPECT_EQ(param.TaskUrl[0], 0);  // left zeroed
  EXPECT_TRUE(BuildTaskParam(L"http://h/a", std::wstring(519, L'n'), L"C:\\", param));
  EXPECT_FALSE(BuildTaskParam(L"http://h/a", std::wstring(520, L'n'), L"C:\\", param));
  EXPECT_TRUE(BuildTaskParam(L"http://h/a", L"a", std::wstring(391, L'd'), param));
  EXPECT_FALSE(BuildTaskParam(L"http://h/a", L"a", std::wstring(392, L'd'), param));
  // A zero code unit inside (a decoded "%00") would cut the text short in the record.
  EXPECT_FALSE(BuildTaskParam(L"http://h/a", std::wstring(L"film.mp4\0.exe", 13), L"C:\\", param));
  EXPECT_FALSE(BuildTaskParam(std::wstring(L"http://h/a\0b", 12), L"a", L"C:\\", param));
  EXPECT_EQ(param.FileName[0], 0);
}

TEST(DownloadDir, UnwritableSettingsKeepTheDefaultForThisRun) {
  testing_support::TTempDir dir;
  TDriveQueries onlyC;
  onlyC.DriveType = [](const std::wstring& root) {
    return root[0] == L'C' ? unsigned(DRIVE_FIXED) : unsigned(DRIVE_NO_ROOT_DIR);
  };
  onlyC.FreeClusters = [](const std::wstring&, uint32_t& n) { n = 5; return true; };
  // The settings folder does not exist, so the default cannot be written back.
  const std::wstring missing = dir.Path() + L"no such folder\\setting.ini";
  std::wstring error;
  int errors = 0;
  const std::wstring folder = ReadDownloadDirOrDefault(missing, onlyC, [&](const std::wstring& text) {
    error = text;
    ++errors;
  });
  EXPECT_EQ(folder, std::wstring(L"C") + DefaultDownloadFolderTail);
  EXPECT_EQ(errors, 1);
  EXPECT_EQ(error, L"Unable to write to " + missing);

  // A stored value comes back as it is, without an error.
  const std::wstring settings = dir.Path() + L"setting.ini";
  ASSERT_TRUE(WritePrivateProfileStringW(L"Setting", L"downpath", L"D:\\films", settings.c_str()));
  errors = 0;
  EXPECT_EQ(ReadDownloadDirOrDefault(settings, onlyC, [&](const std::wstring&) { ++errors; }), L"D:\\films");
  EXPECT_EQ(errors, 0);
}

TEST(PortalAddresses, BuildSettingsMakeTheAddresses) {
  const std::wstring start = PortalStartPage();
  ASSERT_GT(start.size(), 14u);
  EXPECT_EQ(start.substr(start.size() - 14), L"/index.php/PC/");
  EXPECT_EQ(start.rfind(L"http://", 0), 0u);  // a "name:port" host must not read as a scheme
  EXPECT_FALSE(PortalSearchHost().empty());
  const std::wstring site = PortalSearchSiteId();
  ASSERT_FALSE(site.empty());
  for (wchar_t c : site) EXPECT_TRUE(c >= L'0' && c <= L'9');
}
