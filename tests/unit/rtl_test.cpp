#include <gtest/gtest.h>

#include <random>

#include "rtl/ScriptLiteral.h"
#include "rtl/StrConv.h"
#include "rtl/SysUtils.h"

using namespace rtl;

TEST(Format, DirectivesAsTheSystemUsesThem) {
  EXPECT_EQ(Format(L"changeDownProgress(%.2f,%.2d,%d)", 25.0, 5, 20), L"changeDownProgress(25.00,05,20)");
  EXPECT_EQ(Format(L"%.2d|%.2d|%d", 0, 123, -7), L"00|123|-7");
  EXPECT_EQ(Format(L"Unable to write to %s", std::wstring(L"C:\\x\\setting.ini")), L"Unable to write to C:\\x\\setting.ini");
  EXPECT_EQ(Format(L"System Error.  Code: %d.\r\n%s", 126, L"not found"), L"System Error.  Code: 126.\r\nnot found");
  EXPECT_EQ(Format(L"%5d|%-5d|%05d|%x|%X|%%", 42, 42, -42, 255u, 255u), L"   42|42   |-0042|ff|FF|%");
  EXPECT_EQ(Format(L"%.3s|%8s|%-4s|", L"abcdef", L"ab", L"ab"), L"abc|      ab|ab  |");
  EXPECT_EQ(Format(L"%d", int64_t(-9223372036854775807LL - 1)), L"-9223372036854775808");
  EXPECT_EQ(Format(L"%u", uint64_t(18446744073709551615ULL)), L"18446744073709551615");
}

TEST(Format, MismatchedArgumentsRaise) {
  EXPECT_THROW(Format(L"%d"), EConvertError);
  EXPECT_THROW(Format(L"%d", L"text"), EConvertError);
  EXPECT_THROW(Format(L"%s", 5), EConvertError);
  EXPECT_THROW(Format(L"%q", 5), EConvertError);
  EXPECT_THROW(Format(L"trailing %"), EConvertError);
}

TEST(StrConv, Utf8RoundTripsEveryCodePoint) {
  std::wstring all;
  for (char32_t cp = 1; cp < 0x110000; cp += (cp < 0x3000 ? 1 : 97)) {
    if (cp >= 0xD800 && cp <= 0xDFFF) continue;
    if (cp < 0x10000) all.push_back(wchar_t(cp));
    else { all.push_back(wchar_t(0xD800 + ((cp - 0x10000) >> 10))); all.push_back(wchar_t(0xDC00 + ((cp - 0x10000) & 0x3FF))); }
  }
  EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(all)), all);
  EXPECT_EQ(Utf16ToUtf8(L"影片"), "\xE5\xBD\xB1\xE7\x89\x87");
}

TEST(StrConv, MalformedUtf8BecomesReplacementCharacters) {
  EXPECT_EQ(Utf8ToUtf16("a\xFF" "b"), L"a\xFFFD" L"b");
  EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), L"\xFFFD\xFFFD");        // overlong
  EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), L"\xFFFD\xFFFD\xFFFD");  // surrogate
  EXPECT_EQ(Utf8ToUtf16("\xE5\xBD"), L"\xFFFD");               // truncated at the end
  EXPECT_EQ(Utf8ToUtf16("\xE5\xBD" "x"), L"\xFFFD" L"x");
  EXPECT_EQ(Utf8ToUtf16("\xF4\x90\x80\x80"), L"\xFFFD\xFFFD\xFFFD\xFFFD");  // past U+10FFFF
  EXPECT_EQ(Utf16ToUtf8(std::wstring(1, wchar_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(StrConv, RandomBytesNeverFailToDecode) {
  std::mt19937 rng(7);
  for (int round = 0; round < 2000; ++round) {
    std::string bytes(rng() % 40, '\0');
    for (auto& b : bytes) b = char(rng());
    const std::wstring text = Utf8ToUtf16(bytes);
    // Re-encoding a decoded text and decoding again is stable.
    EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
  }
}

TEST(StrConv, AnsiCodePageRoundTripsAscii) {
  EXPECT_EQ(AnsiToUtf16(Utf16ToAnsi(L"EXPLORER.EXE /e, \"C:\\x\"")), L"EXPLORER.EXE /e, \"C:\\x\"");
  EXPECT_EQ(AnsiToUtf16(""), L"");
}

TEST(ScriptLiteral, EscapesWhatCouldEndTheLiteralOrTheScript) {
  EXPECT_EQ(rtl::EscapeScriptString(L"x\ny\r\t'\u2028\u2029\x01</script>"),
            L"x\\ny\\r\\t\\'\\u2028\\u2029\\u0001\\u003C/script>");
  EXPECT_EQ(rtl::EscapeScriptString(L"影片 1.mkv"), L"影片 1.mkv");
  EXPECT_EQ(rtl::EscapeScriptString(L"a\\\"b\x7F\x1F"), L"a\\\\\\\"b\\u007F\\u001F");
  EXPECT_EQ(rtl::EscapeScriptString(L""), L"");
}
