#include "Cef.Layout.h"

#include <algorithm>
#include <cwctype>

#include "Cef.Parse.h"
#include "Cef.Style.h"

namespace standin {

namespace {

constexpr std::uint32_t kFocusRing = 0xFF3B82F6;
constexpr std::uint32_t kPlaceholder = 0xFF8A8A8A;
constexpr int kMeasureWidth = 1 << 20;  // "no limit" when measuring what content wants
constexpr size_t kMaxDepth = 200;       // deeper content is not laid out

bool IsCjk(wchar_t c) { return c >= 0x2E80 && c < 0xFF00; }

bool Focusable(const TDomNode& el) {
  if (el.text || el.Attr(L"disabled")) return false;
  if (el.tag == L"a") return el.Attr(L"href") != nullptr;
  if (el.tag == L"input") return el.AttrOr(L"type") != L"hidden";
  return el.tag == L"button" || el.tag == L"textarea" || el.tag == L"select" || el.Attr(L"tabindex");
}

class TEngine;

// One line box after another: words and inline blocks placed left to right, wrapped at the
// width, aligned when the line ends.
class TLines {
public:
  TLines(TEngine& e, int x, int y, int width, TTextAlign align) : E(e), FX(x), FY(y), FWidth(width), FAlign(align) {}

  void Text(const std::wstring& data, const TStyle& s, int key);
  // An inline block already laid out at (0, 0): items and boxes from the given indexes on.
  void Atomic(size_t firstItem, size_t firstBox, int width, int height);
  void Break(const TStyle& s);
  // Ends the current line; the y below the last line.
  int Flush();
  int MaxWidth() const { return FMaxWidth; }
  void Restart(int y) { FY = y; }

private:
  struct TPiece {
    bool text = false;
    int x = 0, w = 0, h = 0;
    // text
    std::wstring data;
    const TStyle* style = nullptr;
    int key = -1;
    // inline block
    size_t firstItem = 0, firstBox = 0, lastItem = 0, lastBox = 0;
  };
  void Place(TPiece p, int spaceWidth);

  TEngine& E;
  int FX, FY, FWidth;
  TTextAlign FAlign;
  std::vector<TPiece> FLine;
  int FCursor = 0;
  bool FSpace = false;  // whitespace seen since the last piece
  int FMaxWidth = 0;
};

class TEngine {
public:
  TEngine(const TDomNode& html, ITextMeasure& m, TLayout& out) : Styler(html), M(m), Out(out) {}

  // A block-level box with its margins at (x, y) in a containing block `cw` wide; `forceWidth`
  // (>= 0) gives the content width (inline blocks, cells). Returns its margin-box height.
  int Block(const TDomNode& el, const TStyle& s, int x, int y, int cw, int forceWidth = -1) {
    const int bt = s.border[0], br = s.border[1], bb = s.border[2], bl = s.border[3];
    const int frameX = bl + br + s.padding[1] + s.padding[3];
    int ml = s.margin[3];
    int w = forceWidth >= 0 ? forceWidth
            : s.width.unit != TLength::Auto ? std::max(0, s.width.Resolve(cw, 0))
                                             : std::max(0, cw - ml - s.margin[1] - frameX);
    if (forceWidth < 0 && s.marginAutoX && s.width.unit != TLength::Auto) ml = std::max(0, (cw - w - frameX) / 2);
    const int bx = x + ml, by = y + s.margin[0];
    const int cx = bx + bl + s.padding[3], cy = by + bt + s.padding[0];
    const size_t bg = Out.list.items.size(), box = Out.boxes.size();
    const int listIndex = FListIndex;  // its own number, before nested lists change it
    if (s.background >> 24) PushFill(bx, by, 0, 0, s.background);  // its size comes below
    Out.boxes.push_back({bx, by, 0, 0, el.key});
    int ch = Content(el, s, cx, cy, w);
    if (s.height.unit == TLength::Px) ch = static_cast<int>(s.height.value);
    const int bw = w + frameX, bh = bt + s.padding[0] + ch + s.padding[2] + bb;
    if (s.background >> 24) {
      Out.list.items[bg].w = bw;
      Out.list.items[bg].h = bh;
    }
    Out.boxes[box].w = bw;
    Out.boxes[box].h = bh;
    Fill(bx, by, bw, bt, s.borderColor);
    Fill(bx, by + bh - bb, bw, bb, s.borderColor);
    Fill(bx, by + bt, bl, bh - bt - bb, s.borderColor);
    Fill(bx + bw - br, by + bt, br, bh - bt - bb, s.borderColor);
    if (el.focused) Ring(bx, by, bw, bh);
    if (s.display == TDisplay::ListItem) Marker(listIndex, s, cx, cy);
    return s.margin[0] + bh + s.margin[2];
  }

  TStyle StyleOf(const TDomNode& el, const TStyle& parent) {
    TStyle s = Styler.Compute(el, Ancestors, parent);
    if (el.tag == L"input" && Lower(el.AttrOr(L"type")) == L"hidden") s.display = TDisplay::None;
    if (s.display != TDisplay::None && Focusable(el)) Out.focusOrder.push_back(el.key);
    if (el.focused) Out.focused = el.key;
    return s;
  }

  void Fill(int x, int y, int w, int h, std::uint32_t color) {
    if (w > 0 && h > 0 && color >> 24) PushFill(x, y, w, h, color);
  }
  void PushFill(int x, int y, int w, int h, std::uint32_t color) {
    TDisplayItem it;
    it.kind = TDisplayItem::Fill;
    it.x = x, it.y = y, it.w = w, it.h = h, it.color = color;
    Out.list.items.push_back(std::move(it));
  }

  void TextItem(int x, int y, int w, int h, const std::wstring& text, const TStyle& s, std::uint32_t color) {
    TDisplayItem it;
    it.kind = TDisplayItem::Text;
    it.x = x, it.y = y, it.w = w, it.h = h, it.color = color;
    it.text = text;
    it.fontSize = s.fontSize;
    it.bold = s.bold;
    Out.list.items.push_back(std::move(it));
  }

  void Ring(int x, int y, int w, int h) {
    Fill(x - 2, y - 2, w + 4, 2, kFocusRing);
    Fill(x - 2, y + h, w + 4, 2, kFocusRing);
    Fill(x - 2, y, 2, h, kFocusRing);
    Fill(x + w, y, 2, h, kFocusRing);
  }

  int LineHeight(const TStyle& s) { return M.LineHeight(s.fontSize); }
  int Width(const std::wstring& t, const TStyle& s) { return M.Width(t, s.fontSize, s.bold); }

  // The content of a block: block-level children one below the other, inline content in lines.
  // Returns its height.
  int Content(const TDomNode& el, const TStyle& s, int x, int y, int w) {
    if (el.tag == L"input" || el.tag == L"textarea" || el.tag == L"select") return Control(el, s, x, y, w);
    if (Ancestors.size() >= kMaxDepth) return 0;
    Ancestors.push_back(&el);
    TLines lines(*this, x, y, w, s.align);
    int cy = y, listIndex = 0;
    if (s.display == TDisplay::TableRow) {
      cy += Row(el, s, x, y, w);
    } else {
      for (const auto& c : el.children) cy = Child(c, s, lines, x, cy, w, listIndex);
      cy = lines.Flush();
    }
    Ancestors.pop_back();
    return cy - y;
  }

  // One child in normal flow; returns the y below what it took when it is block-level.
  int Child(const TDomNode& c, const TStyle& parent, TLines& lines, int x, int y, int w, int& listIndex) {
    if (c.text) {
      lines.Text(c.data, parent, c.key);
      return y;
    }
    if (c.tag == L"br") {
      lines.Break(parent);
      return y;
    }
    const TStyle cs = StyleOf(c, parent);
    switch (cs.display) {
      case TDisplay::None: return y;
      case TDisplay::Inline:
        if (Ancestors.size() < kMaxDepth) {
          Ancestors.push_back(&c);
          for (const auto& g : c.children) y = Child(g, cs, lines, x, y, w, listIndex);
          Ancestors.pop_back();
        }
        return y;
      case TDisplay::InlineBlock:
      case TDisplay::TableCell: InlineBlock(c, cs, lines, w); return y;
      default: {
        int top = lines.Flush();
        FListIndex = c.tag == L"li" ? ++listIndex : 0;
        const int h = Block(c, cs, x, top, w);
        lines.Restart(top + h);
        return top + h;
      }
    }
  }

  void InlineBlock(const TDomNode& el, const TStyle& s, TLines& lines, int avail) {
    const int frameX = s.border[1] + s.border[3] + s.padding[1] + s.padding[3];
    int w;
    if (s.width.unit != TLength::Auto) {
      w = std::max(0, s.width.Resolve(avail, 0));
    } else {  // as wide as its content wants, at most the line
      const size_t items = Out.list.items.size(), boxes = Out.boxes.size(), focus = Out.focusOrder.size();
      w = std::min(Measure(el, s), std::max(0, avail - frameX - s.margin[1] - s.margin[3]));
      Out.list.items.resize(items);
      Out.boxes.resize(boxes);
      Out.focusOrder.resize(focus);
    }
    const size_t firstItem = Out.list.items.size(), firstBox = Out.boxes.size();
    const int h = Block(el, s, 0, 0, avail, w);
    lines.Atomic(firstItem, firstBox, s.margin[3] + w + frameX + s.margin[1], h);
  }

  // The widest line the content makes when nothing wraps it.
  int Measure(const TDomNode& el, const TStyle& s) {
    if (el.tag == L"input" || el.tag == L"textarea" || el.tag == L"select") return 160;
    Ancestors.push_back(&el);
    TLines lines(*this, 0, 0, kMeasureWidth, TTextAlign::Left);
    int y = 0, listIndex = 0, widest = 0;
    for (const auto& c : el.children) {
      const size_t boxes = Out.boxes.size();
      y = Child(c, s, lines, 0, y, kMeasureWidth, listIndex);
      for (size_t b = boxes; b < Out.boxes.size(); ++b)
        if (Out.boxes[b].w < kMeasureWidth / 2) widest = std::max(widest, Out.boxes[b].x + Out.boxes[b].w);
    }
    lines.Flush();
    Ancestors.pop_back();
    return std::max(widest, lines.MaxWidth());
  }

  // Form controls show their value (or placeholder) on one line, with a caret when focused.
  int Control(const TDomNode& el, const TStyle& s, int x, int y, int w) {
    const std::wstring type = Lower(el.AttrOr(L"type"));
    const int lh = LineHeight(s);
    if (el.tag == L"input" && (type == L"checkbox" || type == L"radio")) {
      if (el.Attr(L"checked")) Fill(x + 3, y + 3, std::max(0, w - 6), std::max(0, lh - 6), s.color);
      return lh;
    }
    std::wstring text = el.value;
    if (type == L"password") text.assign(text.size(), L'*');
    std::uint32_t color = s.color;
    if (text.empty() && el.Attr(L"placeholder")) {
      text = *el.Attr(L"placeholder");
      color = kPlaceholder;
    }
    // The end of a long value stays in view, as where one types.
    int tw = Width(text, s);
    while (tw > w && text.size() > 1) {
      text.erase(0, 1);
      tw = Width(text, s);
    }
    if (!text.empty()) {
      TextItem(x, y, tw, lh, text, s, color);
      Out.boxes.push_back({x, y, tw, lh, el.key});
    }
    if (el.focused && el.tag != L"select") Fill(x + (color == kPlaceholder ? 0 : tw) + 1, y + 1, 1, lh - 2, s.color);
    return lh;
  }

  // Cells side by side: given widths first, the rest shared equally.
  int Row(const TDomNode& row, const TStyle& s, int x, int y, int w) {
    std::vector<std::pair<const TDomNode*, TStyle>> cells;
    for (const auto& c : row.children)
      if (!c.text) {
        TStyle cs = StyleOf(c, s);
        if (cs.display != TDisplay::None) cells.emplace_back(&c, cs);
      }
    if (cells.empty()) return 0;
    int fixed = 0, flexible = 0;
    for (const auto& [c, cs] : cells) {
      if (cs.width.unit == TLength::Auto) ++flexible;
      else fixed += cs.width.Resolve(w, 0);
    }
    const int share = flexible ? std::max(0, (w - fixed) / flexible) : 0;
    int cx = x, h = 0;
    for (const auto& [c, cs] : cells) {
      const int frameX = cs.border[1] + cs.border[3] + cs.padding[1] + cs.padding[3] + cs.margin[1] + cs.margin[3];
      const int cw = cs.width.unit == TLength::Auto ? share : cs.width.Resolve(w, 0);
      h = std::max(h, Block(*c, cs, cx, y, cw, std::max(0, cw - frameX)));
      cx += cw;
    }
    return h;
  }

  // The bullet, or the number in an ordered list, left of the item's first line.
  void Marker(int index, const TStyle& s, int x, int y) {
    const std::wstring mark = index > 0 && !Ancestors.empty() && Ancestors.back()->tag == L"ol"
                                  ? std::to_wstring(index) + L"."
                                  : std::wstring(1, L'\x2022');
    const int mw = Width(mark, s);
    TextItem(x - mw - 6, y, mw, LineHeight(s), mark, s, s.color);
  }

  TStyler Styler;
  ITextMeasure& M;
  TLayout& Out;
  std::vector<const TDomNode*> Ancestors;
  int FListIndex = 0;
};

void TLines::Text(const std::wstring& data, const TStyle& s, int key) {
  size_t i = 0;
  while (i < data.size()) {
    if (iswspace(data[i])) {
      FSpace = true;
      ++i;
      continue;
    }
    size_t j = i + 1;
    if (!IsCjk(data[i]))
      while (j < data.size() && !iswspace(data[j]) && !IsCjk(data[j])) ++j;
    TPiece p;
    p.text = true;
    p.data = data.substr(i, j - i);
    p.style = &s;
    p.key = key;
    p.w = E.Width(p.data, s);
    p.h = E.LineHeight(s);
    Place(std::move(p), FSpace ? E.Width(L" ", s) : 0);
    i = j;
  }
}

void TLines::Atomic(size_t firstItem, size_t firstBox, int width, int height) {
  TPiece p;
  p.firstItem = firstItem;
  p.firstBox = firstBox;
  p.lastItem = E.Out.list.items.size();
  p.lastBox = E.Out.boxes.size();
  p.w = width;
  p.h = height;
  Place(std::move(p), FSpace ? E.Width(L" ", TStyle{}) : 0);
}

void TLines::Break(const TStyle& s) {
  if (FLine.empty()) {
    TPiece strut;
    strut.h = E.LineHeight(s);
    FLine.push_back(strut);
  }
  Flush();
}

void TLines::Place(TPiece p, int spaceWidth) {
  if (FLine.empty()) spaceWidth = 0;
  if (!FLine.empty() && FCursor + spaceWidth + p.w > FWidth) {
    Flush();
    spaceWidth = 0;
  }
  FSpace = false;
  TPiece* last = FLine.empty() ? nullptr : &FLine.back();
  // Words of one text node in one style on one line make one run.
  if (p.text && last && last->text && last->key == p.key && last->style == p.style) {
    last->data += (spaceWidth ? L" " : L"") + p.data;
    last->w = E.Width(last->data, *p.style);
    FCursor = last->x + last->w;
    return;
  }
  p.x = FCursor + spaceWidth;
  FCursor = p.x + p.w;
  FLine.push_back(std::move(p));
}

int TLines::Flush() {
  if (FLine.empty()) return FY;
  int height = 0;
  for (const auto& p : FLine) height = std::max(height, p.h);
  const int free = std::max(0, FWidth - FCursor);
  const int dx = FX + (FAlign == TTextAlign::Center ? free / 2 : FAlign == TTextAlign::Right ? free : 0);
  for (const auto& p : FLine) {
    const int x = dx + p.x, y = FY + height - p.h;  // bottoms aligned
    if (p.text) {
      E.TextItem(x, y, p.w, p.h, p.data, *p.style, p.style->color);
      E.Out.boxes.push_back({x, y, p.w, p.h, p.key});
      continue;
    }
    for (size_t k = p.firstItem; k < p.lastItem; ++k) {
      E.Out.list.items[k].x += x;
      E.Out.list.items[k].y += y;
    }
    for (size_t k = p.firstBox; k < p.lastBox; ++k) {
      E.Out.boxes[k].x += x;
      E.Out.boxes[k].y += y;
    }
  }
  FMaxWidth = std::max(FMaxWidth, FCursor);
  FY += height;
  FLine.clear();
  FCursor = 0;
  FSpace = false;
  return FY;
}

}  // namespace

TLayout LayoutDocument(const TDomNode& html, int viewportWidth, ITextMeasure& measure) {
  TLayout out;
  TEngine e(html, measure, out);
  const TStyle root = e.StyleOf(html, TStyle{});
  out.list.width = std::max(0, viewportWidth);
  if (root.display != TDisplay::None) out.list.height = e.Block(html, root, 0, 0, out.list.width);
  // The canvas takes the root's background, else the body's.
  std::uint32_t canvas = root.background;
  if (!(canvas >> 24))
    for (const auto& c : html.children)
      if (!c.text && c.tag == L"body") canvas = e.Styler.Compute(c, {&html}, root).background;
  out.list.canvas = canvas >> 24 ? canvas : 0xFFFFFFFF;
  return out;
}

}  // namespace standin
