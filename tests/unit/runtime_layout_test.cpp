// Layout and painting input of the stand-in runtime's pages: style rules, box positions and
// sizes as the display list gives them, its wire form, hit tests and the focus order. Text is
// measured by a fixed-width rule so that positions can be computed by hand.
#include <gtest/gtest.h>

#include <string>

#include "platform/libcef/Cef.Layout.h"
#include "platform/libcef/Cef.Style.h"

using namespace standin;

namespace {

// Every character is half the font size wide; a line is the font size plus 4.
struct TFixedMeasure : ITextMeasure {
  int Width(const std::wstring& text, int fontSize, bool) override {
    return static_cast<int>(text.size()) * fontSize / 2;
  }
  int LineHeight(int fontSize) override { return fontSize + 4; }
};

TLayout Lay(const std::wstring& html, int width = 400) {
  TFixedMeasure m;
  TDomNode doc = ParseDocument(html);
  // Keys as a snapshot numbers them: pre-order.
  int key = 0;
  std::vector<TDomNode*> stack = {&doc};
  while (!stack.empty()) {
    TDomNode* n = stack.back();
    stack.pop_back();
    n->key = key++;
    n->value = n->AttrOr(L"value");
    for (auto it = n->children.rbegin(); it != n->children.rend(); ++it) stack.push_back(&*it);
  }
  return LayoutDocument(doc, width, m);
}

const TDisplayItem* FindText(const TLayout& l, const std::wstring& text) {
  for (const auto& it : l.list.items)
    if (it.kind == TDisplayItem::Text && it.text == text) return &it;
  return nullptr;
}

const TDisplayItem* FindFill(const TLayout& l, std::uint32_t color) {
  for (const auto& it : l.list.items)
    if (it.kind == TDisplayItem::Fill && it.color == color) return &it;
  return nullptr;
}

#define EXPECT_BOX(item, X, Y, W, H)                                        \
  do {                                                                      \
    ASSERT_NE(item, nullptr);                                               \
    EXPECT_EQ((item)->x, X);                                                \
    EXPECT_EQ((item)->y, Y);                                                \
    EXPECT_EQ((item)->w, W);                                                \
    EXPECT_EQ((item)->h, H);                                                \
  } while (0)

TEST(PageStyle, RulesCascadeBySpecificityThenOrderThenInlineStyle) {
  TDomNode doc = ParseDocument(
      L"<style>p { color: red; font-size: 20px } .a { color: #00ff00 } p { color: blue } "
      L"#x { background: #123456 url(x.png) } div p { margin: 1em 2px } a:hover { color: red } @media x { p { color: red } }"
      L"</style><div><p id=x class=a style='padding: 1px 2px 3px; border: 2px solid #f00'>t</p></div>");
  TStyler styler(doc);
  const TDomNode& body = doc.children[1];
  const TDomNode& div = body.children[0];
  const TDomNode& p = div.children[0];
  TStyle root;
  TStyle sd = styler.Compute(div, {&doc, &body}, root);
  TStyle sp = styler.Compute(p, {&doc, &body, &div}, sd);
  EXPECT_EQ(sd.display, TDisplay::Block);
  EXPECT_EQ(sp.color, 0xFF00FF00u);  // the class beats both tag rules
  EXPECT_EQ(sp.background, 0xFF123456u);
  EXPECT_EQ(sp.fontSize, 20);
  EXPECT_EQ(sp.margin[0], 20);  // em of its own font size
  EXPECT_EQ(sp.margin[1], 2);
  EXPECT_EQ(sp.padding[0], 1);
  EXPECT_EQ(sp.padding[1], 2);
  EXPECT_EQ(sp.padding[2], 3);
  EXPECT_EQ(sp.padding[3], 2);
  EXPECT_EQ(sp.border[0], 2);
  EXPECT_EQ(sp.borderColor, 0xFFFF0000u);
  // Unknown properties and values change nothing.
  TStyle s;
  ApplyDeclaration(s, L"float", L"left", root);
  ApplyDeclaration(s, L"width", L"wide", root);
  ApplyDeclaration(s, L"color", L"nonsense", root);
  EXPECT_EQ(s.width.unit, TLength::Auto);
  EXPECT_EQ(s.color, 0xFF000000u);
  ApplyDeclaration(s, L"width", L"50%", root);
  EXPECT_EQ(s.width.Resolve(300, 0), 150);
}

TEST(PageLayout, BlocksStackWithMarginsPaddingBordersAndWidths) {
  const TLayout l = Lay(
      L"<body style='margin: 10px; background: #fff'>"
      L"<div style='background: #ff0000; height: 30px; margin: 5px 0'></div>"
      L"<div style='background: #00ff00; width: 50%; padding: 4px; border: 2px solid #0000ff'>ab cd</div>"
      L"<div style='background: #000080; width: 100px; margin: 0 auto; height: 10px'></div></body>");
  // 10px body margin; the first block 5px below it, full width (400 - 2 * 10).
  EXPECT_BOX(FindFill(l, 0xFFFF0000), 10, 15, 380, 30);
  // 5px margin after it, then 50% of 380 plus padding and border.
  EXPECT_BOX(FindFill(l, 0xFF00FF00), 10, 50, 190 + 8 + 4, 4 + 20 + 4 + 4);
  EXPECT_BOX(FindText(l, L"ab cd"), 10 + 2 + 4, 50 + 2 + 4, 40, 20);
  const TDisplayItem* border = FindFill(l, 0xFF0000FF);
  EXPECT_BOX(border, 10, 50, 202, 2);
  // Centred by auto margins.
  EXPECT_BOX(FindFill(l, 0xFF000080), 150, 50 + 32, 100, 10);
  EXPECT_EQ(l.list.height, 10 + 5 + 30 + 5 + 32 + 10 + 10);
  EXPECT_EQ(l.list.canvas, 0xFFFFFFFFu);
}

TEST(PageLayout, InlineContentWrapsAlignsAndBreaks) {
  // 16px font: 8px per character, lines 20px high; the body is 100px wide.
  const TLayout l = Lay(L"<body style='margin: 0; width: 100px'><p style='margin: 0'>aaaa bbbb cccc<br>d <b>e</b></p>"
                        L"<p style='margin: 0; text-align: center'>xx</p><p style='text-align: right; margin: 0'>yy</p>"
                        L"<p style='display: none'>hidden</p><h1 style='margin: 0'>H</h1></body>");
  EXPECT_BOX(FindText(l, L"aaaa bbbb"), 0, 0, 72, 20);  // "cccc" does not fit after it
  EXPECT_BOX(FindText(l, L"cccc"), 0, 20, 32, 20);
  EXPECT_BOX(FindText(l, L"d"), 0, 40, 8, 20);
  EXPECT_BOX(FindText(l, L"e"), 16, 40, 8, 20);  // after a space, in its own (bold) run
  EXPECT_TRUE(FindText(l, L"e")->bold);
  EXPECT_BOX(FindText(l, L"xx"), 42, 60, 16, 20);
  EXPECT_BOX(FindText(l, L"yy"), 84, 80, 16, 20);
  EXPECT_EQ(FindText(l, L"hidden"), nullptr);
  EXPECT_BOX(FindText(l, L"H"), 0, 100, 16, 36);  // 2em
}

TEST(PageLayout, ButtonsInputsListsTablesAndLinks) {
  const TLayout l = Lay(
      L"<body style='margin: 0'><button style='padding: 0 4px; border: 1px solid #111111; font-size: 16px'>Go</button>"
      L" <input value='typed' style='width: 80px; padding: 0; border: 0; font-size: 16px'>"
      L"<ul style='margin: 0'><li>one</li><li>two</li></ul><ol style='margin: 0'><li>x</li><li>y<ol><li>z</ol></li></ol>"
      L"<table><tr><td style='padding: 0'>c1</td><td style='padding: 0'>c2</td></tr></table>"
      L"<a href='/next'>link</a></body>");
  // The button shrinks to its text plus padding and border; the input follows after a space.
  const TDisplayItem* go = FindText(l, L"Go");
  EXPECT_BOX(go, 5, 1, 16, 20);
  EXPECT_BOX(FindFill(l, 0xFF111111), 0, 0, 26, 1);
  EXPECT_BOX(FindText(l, L"typed"), 26 + 8, 2, 40, 20);  // bottoms aligned with the button
  // List items indented 40px with markers before them.
  EXPECT_BOX(FindText(l, L"one"), 40, 22, 24, 20);
  EXPECT_BOX(FindText(l, L"two"), 40, 42, 24, 20);
  ASSERT_NE(FindText(l, L"\x2022"), nullptr);
  EXPECT_LT(FindText(l, L"\x2022")->x, 40);
  ASSERT_NE(FindText(l, L"1."), nullptr);
  ASSERT_NE(FindText(l, L"2."), nullptr);  // a nested list does not renumber its item
  // Table cells share the row.
  const TDisplayItem* c1 = FindText(l, L"c1");
  const TDisplayItem* c2 = FindText(l, L"c2");
  ASSERT_TRUE(c1 && c2);
  EXPECT_EQ(c1->y, c2->y);
  EXPECT_EQ(c2->x - c1->x, 200);
  EXPECT_EQ(FindText(l, L"link")->color, 0xFF0000EEu);
}

TEST(PageStyle, DeepTreesAndLongSelectorsStayBounded) {
  // No span: every way of matching the divs to the ancestors fails.
  std::wstring html = L"<style>span div div div div div div div div div div p { color: red }</style>";
  for (int i = 0; i < 150; ++i) html += L"<div>";
  html += L"<p>deep</p>";
  const TLayout l = Lay(html);  // would not finish if every ancestor combination were tried
  ASSERT_NE(FindText(l, L"deep"), nullptr);
  EXPECT_EQ(FindText(l, L"deep")->color, 0xFF000000u);
}

TEST(PageLayout, HitBoxesAndFocusOrder) {
  const TLayout l = Lay(
      L"<body style='margin: 0'><div id=d style='height: 50px'><button>B</button></div>"
      L"<a href=x>L</a><a>no href</a><input type=hidden><button disabled>D</button><input id=i>"
      L"<p style='display:none'><button>hidden</button></p></body>");
  // Keys in pre-order: html 0, head 1, body 2, div 3, button 4, its text 5, a 6, ...
  EXPECT_EQ(HitTest(l.boxes, 5, 5), 4);    // the button's padding
  EXPECT_EQ(HitTest(l.boxes, 12, 8), 5);   // its text
  EXPECT_EQ(HitTest(l.boxes, 300, 10), 3);  // the div around it
  EXPECT_EQ(HitTest(l.boxes, 300, 300), -1);
  ASSERT_EQ(l.focusOrder.size(), 3u);
  EXPECT_EQ(l.focusOrder[0], 4);
  EXPECT_EQ(l.focusOrder[1], 6);
  EXPECT_EQ(NextFocus(l.focusOrder, -1, true), 4);
  EXPECT_EQ(NextFocus(l.focusOrder, 4, true), 6);
  EXPECT_EQ(NextFocus(l.focusOrder, l.focusOrder[2], true), -1);
  EXPECT_EQ(NextFocus(l.focusOrder, 4, false), -1);
  EXPECT_EQ(NextFocus(l.focusOrder, -1, false), l.focusOrder[2]);
  EXPECT_EQ(NextFocus({}, -1, true), -1);
}

TEST(PageLayout, TheDisplayListCrossesTheWireWhole) {
  const TLayout l = Lay(L"<body style='background: #abcdef'><h2>\x4e2d title</h2><p style='color: red'>x</p></body>");
  EXPECT_EQ(l.list.canvas, 0xFFABCDEFu);
  std::string wire;
  EncodeDisplayList(l.list, wire);
  TDisplayList back;
  size_t pos = 0;
  ASSERT_TRUE(DecodeDisplayList(wire, pos, back));
  EXPECT_EQ(pos, wire.size());
  ASSERT_EQ(back.items.size(), l.list.items.size());
  EXPECT_EQ(back.height, l.list.height);
  for (size_t i = 0; i < back.items.size(); ++i) {
    EXPECT_EQ(back.items[i].text, l.list.items[i].text);
    EXPECT_EQ(back.items[i].y, l.list.items[i].y);
    EXPECT_EQ(back.items[i].bold, l.list.items[i].bold);
  }
  // Cut short anywhere, or claiming more items than it has, it is refused.
  for (size_t cut = 0; cut < wire.size(); cut += 7) {
    size_t p = 0;
    EXPECT_FALSE(DecodeDisplayList(wire.substr(0, cut), p, back));
  }
  // A list too large for its bound is cut short, and still reads back.
  std::string cut;
  EncodeDisplayList(l.list, cut, 60);
  pos = 0;
  ASSERT_TRUE(DecodeDisplayList(cut, pos, back));
  EXPECT_GT(back.items.size(), 0u);
  EXPECT_LT(back.items.size(), l.list.items.size());
  std::string lying = wire;
  lying[12] = '\xFF';
  lying[13] = '\xFF';
  pos = 0;
  EXPECT_FALSE(DecodeDisplayList(lying, pos, back));
}

}  // namespace
