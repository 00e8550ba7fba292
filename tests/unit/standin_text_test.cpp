// The stand-in runtime's pure text units, called directly: HTML scanning, entities, URLs.
#include <gtest/gtest.h>

#include <string>

#include "platform/libcef/Cef.Html.h"
#include "platform/libcef/Cef.Url.h"

using standin::ParseHtml;

TEST(StandinHtml, EntitiesDecodeInTextTitlesAndAttributes) {
  const auto doc = ParseHtml(
      L"<title>A &amp; B &lt;c&gt; &quot;d&quot; &apos;e&apos;</title>"
      L"<link rel=\"shortcut icon\" href=\"/i.ico?a=1&amp;b=2\"><p>x&nbsp;y &#65;&#x42;&#X43; &unknown; &amp</p>");
  EXPECT_EQ(L"A & B <c> \"d\" 'e'", doc.title);
  ASSERT_EQ(1u, doc.icons.size());
  EXPECT_EQ(L"/i.ico?a=1&b=2", doc.icons[0]);
  EXPECT_EQ(L"x\xA0y ABC &unknown; &amp", doc.text);  // a no-break space stays one
}

TEST(StandinHtml, NumericReferencesOutsideUtf16BecomeWholeCharacters) {
  // Past U+FFFF: a surrogate pair, not the low 16 bits; nothing, surrogates and values past
  // U+10FFFF: U+FFFD; digits that are no number stay as written.
  const std::wstring text = ParseHtml(L"<p>&#x1F600;|&#0;|&#xD800;|&#1114112;|&#99999999999999999999;|&#x;|&#12a;</p>").text;
  EXPECT_EQ(std::wstring(L"\xD83D\xDE00|\xFFFD|\xFFFD|\xFFFD|\xFFFD|&#x;|&#12a;"), text);
}

TEST(StandinHtml, EntityDecodingLooksOnlyAShortWayAhead) {
  // Every "&" without a ";" close after it once searched to the end of the text: 4 MB of them
  // took hours. Bounded look-ahead keeps this linear.
  const std::wstring many(4u << 20, L'&');
  const auto doc = ParseHtml(L"<p>" + many + L"&amp;</p>");
  ASSERT_EQ(many.size() + 1, doc.text.size());
  EXPECT_EQ(L'&', doc.text.back());
  // A name longer than any entity is not one, even with a ";" after it.
  EXPECT_EQ(L"&" + std::wstring(40, L'a') + L";", ParseHtml(L"<p>&" + std::wstring(40, L'a') + L";</p>").text);
}

TEST(StandinHtml, ScriptsIconsAndTitleInDocumentOrder) {
  const auto doc = ParseHtml(
      L"<html><head><title> Two\n words </title><title>second</title>\n"
      L"<script src=a.js></script><script type=text/plain>no</script>\n<script>var x = '</b>';</script>"
      L"<link rel=icon href=fav.ico></head><body><!-- hidden --><div>one</div> two<br>three</body>");
  EXPECT_TRUE(doc.hasTitle);
  EXPECT_EQ(L"Two words", doc.title);
  ASSERT_EQ(2u, doc.scripts.size());
  EXPECT_EQ(L"a.js", doc.scripts[0].src);
  EXPECT_EQ(L"var x = '</b>';", doc.scripts[1].code);
  EXPECT_EQ(4, doc.scripts[1].line);
  ASSERT_EQ(1u, doc.icons.size());
  EXPECT_EQ(L"one two three", doc.text);
}

TEST(StandinUrl, ResolvingKeepsWhatTheBaseHas) {
  using standin::ResolveUrl;
  // Credentials stay with every reference on the same host; an empty query stays present.
  EXPECT_EQ(L"http://u:p@h.example/x/y?z", ResolveUrl(L"http://u:p@h.example/x/y?z", L""));
  EXPECT_EQ(L"http://u:p@h.example/x/w", ResolveUrl(L"http://u:p@h.example/x/y?z", L"w"));
  EXPECT_EQ(L"http://u@h.example/r", ResolveUrl(L"http://u@h.example/x/y", L"/r"));
  EXPECT_EQ(L"http://h.example/x?#f", ResolveUrl(L"http://h.example/x?#g", L"#f"));
  EXPECT_EQ(L"http://h.example/x?", ResolveUrl(L"http://h.example/x?#g", L""));
  EXPECT_EQ(L"https://o.example/", ResolveUrl(L"http://u:p@h.example/x", L"https://o.example"));
  EXPECT_EQ(L"http://o.example/a", ResolveUrl(L"http://u:p@h.example/x", L"//o.example/a"));
}

TEST(StandinUrl, FileUrlsWithThreeSlashesHaveNoHost) {
  standin::TUrlParts p;
  ASSERT_TRUE(standin::ParseUrl(L"file:///etc/passwd", p));
  EXPECT_EQ(L"", p.host);
  EXPECT_EQ(L"/etc/passwd", p.path);
  EXPECT_EQ(L"file:///etc/passwd", p.spec);
  ASSERT_TRUE(standin::ParseUrl(L"file:///C:/dir/a.txt", p));
  EXPECT_EQ(L"/C:/dir/a.txt", p.path);
  ASSERT_TRUE(standin::ParseUrl(L"file://C:/dir/a.txt", p));
  EXPECT_EQ(L"file:///C:/dir/a.txt", p.spec);
  ASSERT_TRUE(standin::ParseUrl(L"file://server/share/a.txt", p));
  EXPECT_EQ(L"server", p.host);
  // What the parser gives parses again to itself.
  ASSERT_TRUE(standin::ParseUrl(L"file:///%0F://x", p));
  standin::TUrlParts again;
  ASSERT_TRUE(standin::ParseUrl(p.spec, again));
  EXPECT_EQ(p.spec, again.spec);
}
