// The pure link helpers and SlashesToBackslashes.
#include <gtest/gtest.h>

#include <random>

#include "app/LinkDecode.h"
#include "rtl/StrConv.h"

namespace {

// Standard base64 (RFC 4648), written independently of the decoder under test.
std::string StandardEncode(const std::string& bytes, bool pad) {
  static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  size_t i = 0;
  for (; i + 3 <= bytes.size(); i += 3) {
    const unsigned v = (unsigned char)bytes[i] << 16 | (unsigned char)bytes[i + 1] << 8 | (unsigned char)bytes[i + 2];
    for (int s = 18; s >= 0; s -= 6) out.push_back(alphabet[(v >> s) & 63]);
  }
  const size_t rest = bytes.size() - i;
  if (rest) {
    unsigned v = (unsigned char)bytes[i] << 16;
    if (rest == 2) v |= (unsigned char)bytes[i + 1] << 8;
    out.push_back(alphabet[(v >> 18) & 63]);
    out.push_back(alphabet[(v >> 12) & 63]);
    if (rest == 2) out.push_back(alphabet[(v >> 6) & 63]);
    if (pad) out.append(3 - rest, '=');
  }
  return out;
}

std::string RandomBytes(std::mt19937& rng, size_t length) {
  std::string bytes(length, '\0');
  for (auto& b : bytes) b = char(rng() & 0xFF);
  if (!bytes.empty() && bytes.back() == '\0') bytes.back() = 'x';  // trailing zeros are removed
  return bytes;
}

}  // namespace

TEST(Base64DecodeText, MatchesStandardDecodingOnRandomBytesWithPadding) {
  std::mt19937 rng(20261209);
  for (size_t length = 0; length < 400; ++length) {
    const std::string bytes = RandomBytes(rng, length);
    ASSERT_EQ(Base64DecodeText(StandardEncode(bytes, true), true), bytes) << "length " << length;
  }
}

TEST(Base64DecodeText, PaddingBecomesZerosWithoutTheFlag) {
  EXPECT_EQ(Base64DecodeText("QQ==", false), std::string("A\0\0", 3));
  EXPECT_EQ(Base64DecodeText("QUI=", false), std::string("AB\0", 3));
  EXPECT_EQ(Base64DecodeText("QQ==", true), "A");
  EXPECT_EQ(Base64DecodeText("AAAA", true), "");
  EXPECT_EQ(Base64DecodeText("AAAA", false), std::string(3, '\0'));
}

TEST(Base64DecodeText, UnpaddedTextDecodesLikeStandardBase64) {
  // The 2 or 3 characters after the last group of four are the partial group of unpadded base64.
  std::mt19937 rng(7);
  for (size_t length = 0; length < 300; ++length) {
    const std::string bytes = RandomBytes(rng, length);
    ASSERT_EQ(Base64DecodeText(StandardEncode(bytes, false), true), bytes) << "length " << length;
  }
}

TEST(Base64DecodeText, LeftoverCharactersAfterTheLastGroup) {
  const std::string text = StandardEncode("film.mp4 ok!", true);  // 16 characters, no padding
  ASSERT_EQ(text.size(), 16u);
  EXPECT_EQ(Base64DecodeText(text + "Q", true), "film.mp4 ok!");  // a single one carries no byte
  EXPECT_EQ(Base64DecodeText(text + "QQ", true), "film.mp4 ok!A");
  EXPECT_EQ(Base64DecodeText(text + "QUI", true), "film.mp4 ok!AB");
  // The bits a partial group leaves over are dropped, as standard decoders drop them.
  EXPECT_EQ(Base64DecodeText("QR", true), "A");
  EXPECT_EQ(Base64DecodeText("QUJ", true), "AB");
  EXPECT_EQ(Base64DecodeText("QUJ", false), "AB");
  // Padding characters in the leftover count as zero bits, like everywhere else.
  for (const char* tail : {"=", "==", "==="})
    EXPECT_EQ(Base64DecodeText(text + tail, true), "film.mp4 ok!") << tail;
  EXPECT_EQ(Base64DecodeText("QQ=", false), std::string("A\0", 2));
  EXPECT_EQ(Base64DecodeText("Q", true), "");
  EXPECT_EQ(Base64DecodeText("", true), "");
}

TEST(Base64DecodeText, IgnoresLineBreaksBlanksAndOtherBytes) {
  std::mt19937 rng(42);
  const std::string junk[] = {"\r\n", "\n", " ", "\t", "  \r\n  ", "-", "_", "*", "\x80", "\xFF", std::string(1, '\0')};
  for (int round = 0; round < 50; ++round) {
    const std::string bytes = RandomBytes(rng, 1 + rng() % 200);
    const std::string clean = StandardEncode(bytes, true);
    std::string noisy = "  ";
    for (char c : clean) {
      noisy.push_back(c);
      if (rng() % 5 == 0) noisy += junk[rng() % std::size(junk)];
    }
    noisy += "\r\n";
    ASSERT_EQ(FilterBase64Chars(noisy), clean);
    ASSERT_EQ(Base64DecodeText(noisy, true), bytes);
  }
  EXPECT_EQ(FilterBase64Chars(std::string("a b\r\nc\0d+/=9Z-_.", 16)), "abcd+/=9Z");
}

TEST(Base64DecodeText, EqualsSignInTheMiddleCountsAsZeroBits) {
  // "QQ==QUI=": group 1 gives "A\0\0", group 2 "AB\0"; decoding does not stop at "=".
  EXPECT_EQ(Base64DecodeText("QQ==QUI=", true), std::string("A\0\0AB", 5));
}

TEST(Base64DecodeText, NeverReadsPastItsInput) {
  // The view ends inside a buffer that goes on with valid base64: nothing after it counts.
  const std::string buffer = "QUJDREVGR0hJ";  // "ABCDEFGHI"
  for (size_t n = 0; n <= buffer.size(); ++n) {
    const std::string_view view(buffer.data(), n);
    const size_t bytes = n / 4 * 3 + (n % 4 ? n % 4 - 1 : 0);
    EXPECT_EQ(Base64DecodeText(view, true), std::string("ABCDEFGHI").substr(0, bytes)) << n;
  }
  // A heap block of exactly the text's size (no terminator after it).
  const std::string text = StandardEncode("exact", true);
  auto block = std::make_unique<char[]>(text.size());
  std::copy(text.begin(), text.end(), block.get());
  EXPECT_EQ(Base64DecodeText(std::string_view(block.get(), text.size()), true), "exact");
}

TEST(DecodeLinkAddress, PaddedLinkGivesAddressAndFileName) {
  const std::string address = "http://127.0.0.1:8080/movies/2026/film.mp4";
  const std::wstring link = L"tavlo" + rtl::Utf8ToUtf16(StandardEncode(address, true));
  // The main window drops the five letters and converts to 8-bit; base64 is ASCII.
  const std::string base64 = rtl::Utf16ToUtf8(link.substr(5));
  const std::wstring decoded = DecodeLinkAddress(base64);
  EXPECT_EQ(decoded, L"http://127.0.0.1:8080/movies/2026/film.mp4");
  EXPECT_EQ(FileNameFromAddress(decoded), L"film.mp4");
  // Split over lines and wrapped in blanks, it decodes the same.
  std::string split = "  ";
  for (size_t i = 0; i < base64.size(); ++i) split += base64[i] + std::string(i % 7 == 6 ? "\r\n" : "");
  EXPECT_EQ(DecodeLinkAddress(split + "  \r\n"), decoded);
}

TEST(DecodeLinkAddress, UnpaddedLinkKeepsItsLastCharacters) {
  // 25 and 23 bytes: their unpadded base64 ends in a group of 2 and of 3 characters.
  for (const std::string address : {"http://127.0.0.1/film.mp4", "http://127.0.0.1/a.mp4x"}) {
    ASSERT_NE(address.size() % 3, 0u);
    EXPECT_EQ(rtl::Utf16ToUtf8(DecodeLinkAddress(StandardEncode(address, false))), address);
  }
  EXPECT_EQ(FileNameFromAddress(DecodeLinkAddress(StandardEncode("http://127.0.0.1/film.mp4", false))), L"film.mp4");
}

TEST(DecodeLinkAddress, Utf8AddressesAndMalformedBytes) {
  const std::string chinese = "http://h/\xE7\x94\xB5\xE5\xBD\xB1.mkv";  // 电影.mkv
  EXPECT_EQ(DecodeLinkAddress(StandardEncode(chinese, true)), L"http://h/\u7535\u5F71.mkv");
  // Malformed UTF-8 becomes U+FFFD instead of failing.
  EXPECT_EQ(DecodeLinkAddress(StandardEncode("http://h/a\xFF" "b.mp4", true)), L"http://h/a\xFFFD" L"b.mp4");
  EXPECT_EQ(DecodeLinkAddress(StandardEncode("x\xE5\xBD", true)), L"x\xFFFD");
}

TEST(FileNameFromAddress, PartAfterLastSeparatorWithoutTheAdvertisingDomain) {
  EXPECT_EQ(FileNameFromAddress(L"http://h/a/b/film.mp4"), L"film.mp4");
  EXPECT_EQ(FileNameFromAddress(L"http://h/a/"), L"");
  EXPECT_EQ(FileNameFromAddress(L"C:\\x\\y.avi"), L"y.avi");
  EXPECT_EQ(FileNameFromAddress(L"magnet:abc"), L"abc");
  EXPECT_EQ(FileNameFromAddress(L"plainname.mp4"), L"plainname.mp4");
  EXPECT_EQ(FileNameFromAddress(L""), L"");
  EXPECT_EQ(std::wstring(AdvertisingDomainText), L"www.vellumo.com");
  EXPECT_EQ(FileNameFromAddress(L"http://h/[www.vellumo.com]film.mp4"), L"[]film.mp4");
  EXPECT_EQ(FileNameFromAddress(L"http://h/www.vellumo.comfilmwww.vellumo.com.mp4"), L"film.mp4");
  EXPECT_EQ(FileNameFromAddress(L"http://h/WWW.VELLUMO.COM.mp4"), L"WWW.VELLUMO.COM.mp4");  // case-sensitive
  // A replace-all over the name as it stands: what forms the domain only afterwards stays.
  EXPECT_EQ(FileNameFromAddress(L"www.vellwww.vellumo.comumo.com"), L"www.vellumo.com");
  // The domain in the host part is not in the name at all.
  EXPECT_EQ(FileNameFromAddress(L"http://www.vellumo.com/f.mp4"), L"f.mp4");
}

TEST(FileNameFromAddress, QueryAndFragmentNeverNameTheFile) {
  EXPECT_EQ(FileNameFromAddress(L"http://h/film.mp4?token=abc&x=1"), L"film.mp4");
  EXPECT_EQ(FileNameFromAddress(L"http://h/film.mp4#t=10"), L"film.mp4");
  EXPECT_EQ(FileNameFromAddress(L"http://h/film.mp4?next=/a/b.mkv#c:d"), L"film.mp4");
  EXPECT_EQ(FileNameFromAddress(L"http://h/film.mp4#part?x"), L"film.mp4");
  EXPECT_EQ(FileNameFromAddress(L"http://h/dir/?x=film.mp4"), L"");  // still no name
  EXPECT_EQ(FileNameFromAddress(L"http://h/dir/film.mp4?"), L"film.mp4");
}

TEST(FileNameFromAddress, EscapedNamesAreDecodedAsUtf8) {
  EXPECT_EQ(FileNameFromAddress(L"http://h/%E4%B8%AD%E6%96%87.mp4"), L"\u4E2D\u6587.mp4");
  EXPECT_EQ(FileNameFromAddress(L"http://h/a%20b%2b.mp4?q=%41"), L"a b+.mp4");
  // Decoding comes first: an escaped separator still separates, never lands in a name.
  EXPECT_EQ(FileNameFromAddress(L"http://h/a%2Fb.mp4"), L"b.mp4");
  EXPECT_EQ(FileNameFromAddress(L"http://h/a%5Cb%3Ac.mp4"), L"c.mp4");
  EXPECT_EQ(FileNameFromAddress(L"http://h/a%2F"), L"");
  EXPECT_EQ(FileNameFromAddress(L"http://h/www.%76ellumo.com.mp4"), L".mp4");
}

TEST(PercentDecodeUtf8, IsLenient) {
  EXPECT_EQ(PercentDecodeUtf8(L"100%.mp4"), L"100%.mp4");
  EXPECT_EQ(PercentDecodeUtf8(L"%zz%4%"), L"%zz%4%");
  EXPECT_EQ(PercentDecodeUtf8(L"%4g%41"), L"%4gA");
  EXPECT_EQ(PercentDecodeUtf8(L"%E4%B8.mp4"), L"\xFFFD.mp4");  // a cut sequence
  EXPECT_EQ(PercentDecodeUtf8(L"%FF%e4%b8%ad"), L"\xFFFD\u4E2D");
  EXPECT_EQ(PercentDecodeUtf8(L"\u7535%E5%BD%B1"), L"\u7535\u5F71");  // raw and escaped mixed
  EXPECT_EQ(PercentDecodeUtf8(L"%25E4"), L"%E4");  // decoded once
  EXPECT_EQ(PercentDecodeUtf8(L""), L"");
}

TEST(SlashesToBackslashes, ReplacesEverySlashAndKeepsBackslashes) {
  EXPECT_EQ(SlashesToBackslashes(L"a/b/c//d"), L"a\\b\\c\\\\d");
  EXPECT_EQ(SlashesToBackslashes(L"a\\b/c"), L"a\\b\\c");
  EXPECT_EQ(SlashesToBackslashes(L""), L"");
  EXPECT_EQ(SlashesToBackslashes(L"\u7535/\u5F71"), L"\u7535\\\u5F71");
}
