#include "Cef.Style.h"

#include <algorithm>
#include <cwctype>

#include "Cef.Parse.h"

namespace standin {

namespace {

const wchar_t kBuiltInSheet[] = LR"CSS(
head, script, style, title, meta, link, template { display: none }
html, body, div, p, h1, h2, h3, h4, h5, h6, ul, ol, hr, form, section, header, footer, main, nav,
article, aside, blockquote, pre, address, center, fieldset, thead, tbody, tfoot { display: block }
li { display: list-item }
table { display: table }
tr { display: table-row }
td, th { display: table-cell; padding: 2px }
th, b, strong { font-weight: bold }
body { margin: 8px }
p, ul, ol, blockquote, pre { margin: 1em 0 }
ul, ol { padding-left: 40px }
h1 { font-size: 2em; font-weight: bold; margin: 0.67em 0 }
h2 { font-size: 1.5em; font-weight: bold; margin: 0.83em 0 }
h3 { font-size: 1.17em; font-weight: bold; margin: 1em 0 }
h4, h5, h6 { font-weight: bold; margin: 1.33em 0 }
center, th { text-align: center }
a { color: #0000ee }
small { font-size: 0.83em }
hr { border: 1px solid #c0c0c0; margin: 8px 0 }
button { display: inline-block; padding: 3px 10px; border: 1px solid #8a8a8a; background: #efefef;
         color: #000; text-align: center; font-size: 13px }
input, textarea, select { display: inline-block; width: 160px; padding: 3px 4px;
         border: 1px solid #8a8a8a; background: #fff; color: #000; font-size: 13px }
)CSS";

std::wstring Trim(const std::wstring& s) {
  size_t a = 0, b = s.size();
  while (a < b && iswspace(s[a])) ++a;
  while (b > a && iswspace(s[b - 1])) --b;
  return s.substr(a, b - a);
}

std::vector<std::wstring> Words(const std::wstring& s) {
  std::vector<std::wstring> out;
  size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && iswspace(s[i])) ++i;
    size_t j = i;
    int depth = 0;  // keep "rgb(1, 2, 3)" in one word
    while (j < s.size() && (depth > 0 || !iswspace(s[j]))) {
      if (s[j] == L'(') ++depth;
      if (s[j] == L')' && depth > 0) --depth;
      ++j;
    }
    if (j > i) out.push_back(s.substr(i, j - i));
    i = j;
  }
  return out;
}

bool ParseSelector(const std::wstring& text, std::vector<TSelectorStep>& steps, int& specificity) {
  std::wstring s = Trim(text);
  if (s.empty()) return false;
  size_t i = 0;
  bool child = false;
  specificity = 0;
  while (i < s.size()) {
    if (iswspace(s[i])) {
      ++i;
      continue;
    }
    if (s[i] == L'>') {
      child = true;
      ++i;
      continue;
    }
    TSelectorStep step;
    step.child = child && !steps.empty();
    child = false;
    bool any = false;
    while (i < s.size() && !iswspace(s[i]) && s[i] != L'>') {
      wchar_t kind = 0;
      if (s[i] == L'#' || s[i] == L'.') kind = s[i++];
      size_t j = i;
      while (j < s.size() && (iswalnum(s[j]) || s[j] == L'-' || s[j] == L'_' || s[j] == L'*' || s[j] > 0x7F)) ++j;
      if (j == i) return false;  // pseudo-classes, attributes and the like: not supported
      const std::wstring name = s.substr(i, j - i);
      i = j;
      any = true;
      if (kind == L'#') {
        step.id = name;
        specificity += 10000;
      } else if (kind == L'.') {
        step.classes.push_back(name);
        specificity += 100;
      } else if (name != L"*") {
        step.tag = Lower(name);
        specificity += 1;
      }
    }
    if (!any) return false;
    steps.push_back(std::move(step));
  }
  return !steps.empty() && !child;
}

bool MatchStep(const TDomNode& el, const TSelectorStep& st) {
  if (el.text) return false;
  if (!st.tag.empty() && el.tag != st.tag) return false;
  if (!st.id.empty() && el.AttrOr(L"id") != st.id) return false;
  for (const auto& c : st.classes)
    if (!el.HasClass(c)) return false;
  return true;
}

// Matches steps[0..k] with steps[k] at `el`, whose ancestors are anc[0..depth). Descendant
// combinators try every ancestor, which a hostile sheet on a deep tree could make take forever:
// `budget` bounds the tries, and a selector that exhausts it does not match.
bool Match(const std::vector<TSelectorStep>& steps, size_t k, const TDomNode& el,
           const std::vector<const TDomNode*>& anc, size_t depth, int& budget) {
  if (--budget < 0 || !MatchStep(el, steps[k])) return false;
  if (k == 0) return true;
  if (steps[k].child) return depth > 0 && Match(steps, k - 1, *anc[depth - 1], anc, depth - 1, budget);
  for (size_t d = depth; d-- > 0;)
    if (Match(steps, k - 1, *anc[d], anc, d, budget)) return true;
  return false;
}

constexpr int kMatchBudget = 20000;

// A length in px; em against `em`, % against `percentBase`. False for anything else.
bool ParsePx(const std::wstring& v, int em, int percentBase, int& out) {
  const std::wstring t = Lower(Trim(v));
  if (t.empty()) return false;
  wchar_t* end = nullptr;
  const double d = wcstod(t.c_str(), &end);
  if (end == t.c_str()) return false;
  const std::wstring unit = end;
  double px;
  if (unit == L"px" || (unit.empty() && d == 0)) px = d;
  else if (unit == L"em" || unit == L"rem") px = d * em;
  else if (unit == L"%") px = d * percentBase / 100;
  else if (unit == L"pt") px = d * 4 / 3;
  else return false;
  out = static_cast<int>(std::clamp(px, -100000.0, 100000.0));
  return true;
}

bool ParseLength(const std::wstring& v, int em, TLength& out) {
  const std::wstring t = Lower(Trim(v));
  if (t == L"auto") {
    out = TLength{};
    return true;
  }
  if (!t.empty() && t.back() == L'%') {
    wchar_t* end = nullptr;
    const double d = wcstod(t.c_str(), &end);
    if (end == t.c_str() || *end != L'%' || d < 0) return false;
    out = TLength{TLength::Percent, std::min(d, 10000.0)};
    return true;
  }
  int px = 0;
  if (!ParsePx(t, em, 0, px) || px < 0) return false;
  out = TLength{TLength::Px, static_cast<double>(px)};
  return true;
}

// 1 to 4 values, as margin and padding take them.
bool ParseBoxSides(const std::wstring& v, int em, int out[4], bool* autoX) {
  std::vector<std::wstring> w = Words(v);
  if (w.empty() || w.size() > 4) return false;
  int px[4];
  bool autos[4];
  for (size_t i = 0; i < w.size(); ++i) {
    autos[i] = Lower(w[i]) == L"auto";
    if (!autos[i] && !ParsePx(w[i], em, 0, px[i])) return false;
    if (autos[i]) px[i] = 0;
  }
  static const int kFrom[4][4] = {{0, 0, 0, 0}, {0, 1, 0, 1}, {0, 1, 2, 1}, {0, 1, 2, 3}};
  const int* from = kFrom[w.size() - 1];
  for (int i = 0; i < 4; ++i) out[i] = px[from[i]];
  if (autoX) *autoX = autos[from[1]] && autos[from[3]];
  return true;
}

int SideIndex(const std::wstring& suffix) {
  if (suffix == L"-top") return 0;
  if (suffix == L"-right") return 1;
  if (suffix == L"-bottom") return 2;
  if (suffix == L"-left") return 3;
  return -1;
}

// "1px solid #ccc" in any order; a border that is not solid (or is none) has no width.
void ApplyBorder(TStyle& s, const std::wstring& value, int side) {
  int width = 3;
  bool solid = false;
  std::uint32_t color = s.color;
  for (const auto& w : Words(value)) {
    const std::wstring l = Lower(w);
    int px = 0;
    cef_color_t c = 0;
    if (l == L"solid") solid = true;
    else if (l == L"thin") width = 1;
    else if (l == L"medium") width = 3;
    else if (l == L"thick") width = 5;
    else if (ParsePx(l, s.fontSize, 0, px)) width = std::clamp(px, 0, 100);
    else if (ParseCssColor(l, true, c)) color = c;
  }
  for (int i = 0; i < 4; ++i)
    if (side < 0 || side == i) s.border[i] = solid ? width : 0;
  s.borderColor = color;
}

}  // namespace

std::vector<std::pair<std::wstring, std::wstring>> ParseDeclarations(const std::wstring& text) {
  std::vector<std::pair<std::wstring, std::wstring>> out;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t end = text.find(L';', pos);
    if (end == std::wstring::npos) end = text.size();
    const std::wstring item = text.substr(pos, end - pos);
    pos = end + 1;
    const size_t colon = item.find(L':');
    if (colon == std::wstring::npos) continue;
    std::wstring name = Lower(Trim(item.substr(0, colon))), value = Trim(item.substr(colon + 1));
    const size_t important = Lower(value).find(L"!important");
    if (important != std::wstring::npos) value = Trim(value.substr(0, important));
    if (!name.empty() && !value.empty()) out.emplace_back(std::move(name), std::move(value));
  }
  return out;
}

std::vector<TStyleRule> ParseStyleSheet(const std::wstring& css, int firstOrder) {
  std::vector<TStyleRule> rules;
  std::wstring text;
  // Comments out first.
  for (size_t i = 0; i < css.size();) {
    if (css.compare(i, 2, L"/*") == 0) {
      const size_t end = css.find(L"*/", i + 2);
      i = end == std::wstring::npos ? css.size() : end + 2;
      text += L' ';
    } else {
      text += css[i++];
    }
  }
  int order = firstOrder;
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t open = text.find(L'{', pos);
    if (open == std::wstring::npos) break;
    const std::wstring prelude = Trim(text.substr(pos, open - pos));
    // The block's end, nested blocks (@media and the like) included.
    size_t close = open + 1;
    for (int depth = 1; close < text.size() && depth > 0; ++close) {
      if (text[close] == L'{') ++depth;
      if (text[close] == L'}') --depth;
    }
    const std::wstring body = text.substr(open + 1, close - open - 2 < text.size() ? close - open - 2 : 0);
    pos = close;
    if (prelude.empty() || prelude[0] == L'@') continue;  // at-rules are not supported
    const auto declarations = ParseDeclarations(body);
    size_t start = 0;
    while (start <= prelude.size()) {
      size_t comma = prelude.find(L',', start);
      if (comma == std::wstring::npos) comma = prelude.size();
      TStyleRule rule;
      if (ParseSelector(prelude.substr(start, comma - start), rule.steps, rule.specificity)) {
        rule.order = order++;
        rule.declarations = declarations;
        rules.push_back(std::move(rule));
      }
      start = comma + 1;
    }
  }
  return rules;
}

void ApplyDeclaration(TStyle& s, const std::wstring& name, const std::wstring& value, const TStyle& parent) {
  const std::wstring v = Lower(value);
  int px = 0;
  cef_color_t c = 0;
  if (v == L"inherit") {
    if (name == L"color") s.color = parent.color;
    else if (name == L"font-size") s.fontSize = parent.fontSize;
    else if (name == L"font-weight") s.bold = parent.bold;
    else if (name == L"text-align") s.align = parent.align;
    return;
  }
  if (name == L"display") {
    static const std::pair<const wchar_t*, TDisplay> kDisplays[] = {
        {L"none", TDisplay::None},         {L"block", TDisplay::Block},       {L"inline", TDisplay::Inline},
        {L"inline-block", TDisplay::InlineBlock}, {L"list-item", TDisplay::ListItem}, {L"table", TDisplay::Table},
        {L"table-row", TDisplay::TableRow}, {L"table-cell", TDisplay::TableCell}, {L"flex", TDisplay::Block}};
    for (const auto& [n, d] : kDisplays)
      if (v == n) s.display = d;
  } else if (name == L"color") {
    if (ParseCssColor(v, true, c)) s.color = c;
  } else if (name == L"background" || name == L"background-color") {
    for (const auto& w : Words(v))
      if (ParseCssColor(w, true, c)) s.background = c;
    if (v == L"none") s.background = 0;
  } else if (name == L"width") {
    ParseLength(v, s.fontSize, s.width);
  } else if (name == L"height") {
    ParseLength(v, s.fontSize, s.height);
  } else if (name == L"margin") {
    ParseBoxSides(v, s.fontSize, s.margin, &s.marginAutoX);
  } else if (name == L"padding") {
    int p[4];
    if (ParseBoxSides(v, s.fontSize, p, nullptr))
      for (int i = 0; i < 4; ++i) s.padding[i] = std::max(0, p[i]);
  } else if (name.rfind(L"margin-", 0) == 0 || name.rfind(L"padding-", 0) == 0) {
    const bool margin = name[0] == L'm';
    const int side = SideIndex(name.substr(margin ? 6 : 7));
    if (side >= 0 && ParsePx(v, s.fontSize, 0, px)) (margin ? s.margin : s.padding)[side] = margin ? px : std::max(0, px);
    if (margin && side >= 0 && v == L"auto") s.margin[side] = 0;
  } else if (name == L"border") {
    ApplyBorder(s, v, -1);
  } else if (name.rfind(L"border-", 0) == 0 && SideIndex(name.substr(6)) >= 0) {
    ApplyBorder(s, v, SideIndex(name.substr(6)));
  } else if (name == L"border-color") {
    if (ParseCssColor(v, true, c)) s.borderColor = c;
  } else if (name == L"border-width") {
    int w[4];
    if (ParseBoxSides(v, s.fontSize, w, nullptr))
      for (int i = 0; i < 4; ++i)
        if (s.border[i]) s.border[i] = std::clamp(w[i], 0, 100);
  } else if (name == L"font-size") {
    static const std::pair<const wchar_t*, int> kSizes[] = {{L"x-small", 10}, {L"small", 13}, {L"medium", 16},
                                                            {L"large", 18},   {L"x-large", 24}, {L"xx-large", 32}};
    for (const auto& [n, size] : kSizes)
      if (v == n) s.fontSize = size;
    if (ParsePx(v, parent.fontSize, parent.fontSize, px) && px > 0) s.fontSize = std::min(px, 400);
  } else if (name == L"font-weight") {
    const int n = _wtoi(v.c_str());
    s.bold = v == L"bold" || v == L"bolder" || n >= 600;
  } else if (name == L"font") {
    for (const auto& w : Words(v)) {
      if (w == L"bold") s.bold = true;
      if (ParsePx(w, parent.fontSize, parent.fontSize, px) && px > 0) s.fontSize = std::min(px, 400);
    }
  } else if (name == L"text-align") {
    if (v == L"center") s.align = TTextAlign::Center;
    else if (v == L"right") s.align = TTextAlign::Right;
    else if (v == L"left") s.align = TTextAlign::Left;
  }
}

TStyler::TStyler(const TDomNode& document) {
  FRules = ParseStyleSheet(kBuiltInSheet);
  // Author rules come after every built-in one at equal specificity.
  int order = 100000;
  std::vector<const TDomNode*> stack = {&document};
  while (!stack.empty()) {
    const TDomNode* n = stack.back();
    stack.pop_back();
    if (n->text) continue;
    if (n->tag == L"style") {
      std::wstring css;
      for (const auto& c : n->children)
        if (c.text) css += c.data;
      auto rules = ParseStyleSheet(css, order);
      order += static_cast<int>(rules.size());
      for (auto& r : rules) {
        r.specificity += 1000000;  // author rules beat the built-in sheet
        FRules.push_back(std::move(r));
      }
    }
    for (auto it = n->children.rbegin(); it != n->children.rend(); ++it) stack.push_back(&*it);
  }
  std::stable_sort(FRules.begin(), FRules.end(), [](const TStyleRule& a, const TStyleRule& b) {
    return a.specificity != b.specificity ? a.specificity < b.specificity : a.order < b.order;
  });
}

TStyle TStyler::Compute(const TDomNode& el, const std::vector<const TDomNode*>& ancestors, const TStyle& parent) const {
  TStyle s;
  s.color = parent.color;
  s.fontSize = parent.fontSize;
  s.bold = parent.bold;
  s.align = parent.align;
  s.borderColor = parent.color;
  // font-size first: em lengths in the other declarations depend on it.
  for (int pass = 0; pass < 2; ++pass) {
    auto apply = [&](const std::wstring& name, const std::wstring& value) {
      if ((name == L"font-size" || name == L"font") == (pass == 0)) ApplyDeclaration(s, name, value, parent);
    };
    for (const auto& r : FRules)
      if (int budget = kMatchBudget; Match(r.steps, r.steps.size() - 1, el, ancestors, ancestors.size(), budget))
        for (const auto& [name, value] : r.declarations) apply(name, value);
    if (const std::wstring* inlineStyle = el.Attr(L"style"))
      for (const auto& [name, value] : ParseDeclarations(*inlineStyle)) apply(name, value);
  }
  return s;
}

}  // namespace standin
