#include <gtest/gtest.h>

#include "app/PageScripts.h"

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

TEST(StartScript, NamesReachThePageAsText) {
  EXPECT_EQ(TaskStartSuccessScript(L"film.mp4"), L"taskStartSuccess(\"film.mp4\")");
  EXPECT_EQ(TaskStartSuccessScript(L"a\"b"), L"taskStartSuccess(\"a\\\"b\")");
  EXPECT_EQ(TaskStartSuccessScript(L"a\\\"); alert(1); (\""),
            L"taskStartSuccess(\"a\\\\\\\"); alert(1); (\\\"\")");
  EXPECT_EQ(EscapeScriptString(L"x\ny\r\t'\u2028\u2029\x01</script>"),
            L"x\\ny\\r\\t\\'\\u2028\\u2029\\u0001\\u003C/script>");
  EXPECT_EQ(EscapeScriptString(L"影片 1.mkv"), L"影片 1.mkv");
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
