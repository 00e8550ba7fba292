#include "Cef.Dom.h"

#include <cwctype>
#include <unordered_set>

#include "Cef.Html.h"
#include "Cef.Url.h"

namespace standin {

const std::wstring* TDomNode::Attr(const std::wstring& name) const {
  for (const auto& [k, v] : attrs)
    if (k == name) return &v;
  return nullptr;
}

std::wstring TDomNode::AttrOr(const std::wstring& name, const std::wstring& fallback) const {
  const std::wstring* v = Attr(name);
  return v ? *v : fallback;
}

bool TDomNode::HasClass(const std::wstring& name) const {
  const std::wstring* c = Attr(L"class");
  if (!c || name.empty()) return false;
  size_t pos = 0;
  while (pos < c->size()) {
    while (pos < c->size() && iswspace((*c)[pos])) ++pos;
    size_t end = pos;
    while (end < c->size() && !iswspace((*c)[end])) ++end;
    if (end > pos && c->compare(pos, end - pos, name) == 0) return true;
    pos = end;
  }
  return false;
}

bool IsVoidElement(const std::wstring& tag) {
  static const wchar_t* const kVoid[] = {L"area", L"base", L"br",   L"col",   L"embed",  L"hr",    L"img",
                                         L"input", L"link", L"meta", L"param", L"source", L"track", L"wbr"};
  for (const wchar_t* v : kVoid)
    if (tag == v) return true;
  return false;
}

namespace {

bool IsRawText(const std::wstring& tag) {
  return tag == L"script" || tag == L"style" || tag == L"title" || tag == L"textarea";
}

bool OneOf(const std::wstring& tag, std::initializer_list<const wchar_t*> names) {
  for (const wchar_t* n : names)
    if (tag == n) return true;
  return false;
}

// An opening `tag` closes these open elements first (HTML's implied end tags, the common ones).
bool ClosesImplicitly(const std::wstring& open, const std::wstring& tag) {
  static const std::initializer_list<const wchar_t*> kBlocks = {
      L"p",  L"div", L"ul", L"ol", L"table", L"h1", L"h2", L"h3", L"h4", L"h5", L"h6",
      L"hr", L"pre", L"form", L"section", L"header", L"footer", L"main", L"nav", L"li", L"blockquote"};
  if (open == L"p") return OneOf(tag, kBlocks);
  if (open == L"li") return tag == L"li";
  if (open == L"option") return tag == L"option";
  if (open == L"td" || open == L"th") return OneOf(tag, {L"td", L"th", L"tr"});
  if (open == L"tr") return tag == L"tr";
  if (open.size() == 2 && open[0] == L'h' && open[1] >= L'1' && open[1] <= L'6')
    return tag.size() == 2 && tag[0] == L'h' && tag[1] >= L'1' && tag[1] <= L'6';
  return false;
}

class TTreeBuilder {
public:
  explicit TTreeBuilder(const std::wstring& html) : FHtml(html) { FOpen.push_back(&FRoot); }

  TDomNode Build() {
    while (FPos < FHtml.size()) {
      const size_t lt = FHtml.find(L'<', FPos);
      AddText(FHtml.substr(FPos, lt == std::wstring::npos ? std::wstring::npos : lt - FPos));
      if (lt == std::wstring::npos) break;
      FPos = lt;
      if (FHtml.compare(FPos, 4, L"<!--") == 0) {
        const size_t end = FHtml.find(L"-->", FPos + 4);
        FPos = end == std::wstring::npos ? FHtml.size() : end + 3;
      } else if (FPos + 1 < FHtml.size() && (FHtml[FPos + 1] == L'!' || FHtml[FPos + 1] == L'?')) {
        const size_t end = FHtml.find(L'>', FPos);  // doctype, processing instructions
        FPos = end == std::wstring::npos ? FHtml.size() : end + 1;
      } else if (FPos + 1 < FHtml.size() && (iswalpha(FHtml[FPos + 1]) || FHtml[FPos + 1] == L'/')) {
        Tag();
      } else {
        AddText(L"<");
        ++FPos;
      }
    }
    return std::move(FRoot);
  }

private:
  TDomNode& Current() { return *FOpen.back(); }

  void AddText(const std::wstring& raw) {
    if (raw.empty()) return;
    std::wstring text = DecodeEntities(raw);
    auto& kids = Current().children;
    if (!kids.empty() && kids.back().text) {
      kids.back().data += text;
      return;
    }
    TDomNode t;
    t.text = true;
    t.data = std::move(text);
    kids.push_back(std::move(t));
  }

  void Tag() {
    THtmlTag tag = ReadHtmlTag(FHtml, FPos);
    const std::wstring name = tag.name;
    TDomNode el;
    el.tag = name;
    std::unordered_set<std::wstring> names;  // a tag may hold thousands: no search per attribute
    for (auto& a : tag.attrs)
      if (names.insert(a.first).second) el.attrs.push_back(std::move(a));  // the first of a name counts
    const bool closing = tag.closing;
    if (name.empty()) return;
    if (closing) {
      Close(name);
      return;
    }
    while (FOpen.size() > 1 && ClosesImplicitly(Current().tag, name)) FOpen.pop_back();
    if (IsRawText(name)) {
      const std::wstring close = L"</" + name;
      size_t end = FPos;
      for (;;) {
        end = FHtml.find(L"</", end);
        if (end == std::wstring::npos || Lower(FHtml.substr(end, close.size())) == close) break;
        end += 2;
      }
      std::wstring inner = FHtml.substr(FPos, end == std::wstring::npos ? std::wstring::npos : end - FPos);
      if (!inner.empty()) {
        TDomNode t;
        t.text = true;
        // Script and style are code; title and textarea are text.
        t.data = name == L"title" || name == L"textarea" ? DecodeEntities(inner) : std::move(inner);
        el.children.push_back(std::move(t));
      }
      Current().children.push_back(std::move(el));
      FPos = end == std::wstring::npos ? FHtml.size() : end;
      if (end != std::wstring::npos) {
        const size_t gt = FHtml.find(L'>', end);
        FPos = gt == std::wstring::npos ? FHtml.size() : gt + 1;
      }
      return;
    }
    Current().children.push_back(std::move(el));
    // Nesting is bounded so that a hostile page cannot exhaust the stack of whoever walks it.
    if (!IsVoidElement(name) && FOpen.size() < kMaxDepth) FOpen.push_back(&Current().children.back());
  }

  void Close(const std::wstring& name) {
    for (size_t k = FOpen.size(); k-- > 1;) {
      if (FOpen[k]->tag == name) {
        FOpen.resize(k);
        return;
      }
    }
  }

  static constexpr size_t kMaxDepth = 200;
  const std::wstring& FHtml;
  size_t FPos = 0;
  TDomNode FRoot;
  std::vector<TDomNode*> FOpen;  // pointers stay valid: only the last child of the deepest is added to
};

TDomNode Element(const wchar_t* tag) {
  TDomNode n;
  n.tag = tag;
  return n;
}

TDomNode* FindChild(TDomNode& parent, const wchar_t* tag) {
  for (auto& c : parent.children)
    if (!c.text && c.tag == tag) return &c;
  return nullptr;
}

bool IsHeadContent(const TDomNode& n) {
  return !n.text && OneOf(n.tag, {L"title", L"meta", L"link", L"style", L"base"});
}

bool IsBlank(const TDomNode& n) {
  if (!n.text) return false;
  for (wchar_t c : n.data)
    if (!iswspace(c)) return false;
  return true;
}

// Text beside text joins it, as the parser joins it within an element.
void Append(std::vector<TDomNode>& list, TDomNode&& n) {
  if (n.text && !list.empty() && list.back().text) list.back().data += n.data;
  else list.push_back(std::move(n));
}

}  // namespace

TDomNode ParseFragment(const std::wstring& html) { return TTreeBuilder(html).Build(); }

TDomNode ParseDocument(const std::wstring& html) {
  TDomNode top = ParseFragment(html);
  TDomNode* given = FindChild(top, L"html");
  TDomNode htmlEl = given ? std::move(*given) : Element(L"html");
  // In text order, with what is inside <html> where that element stood.
  std::vector<TDomNode> order;
  for (auto& c : top.children) {
    if (&c != given) order.push_back(std::move(c));
    else
      for (auto& k : htmlEl.children) order.push_back(std::move(k));
  }
  TDomNode head = Element(L"head"), body = Element(L"body");
  std::vector<TDomNode> before, after;  // loose content before and after the <body> element
  bool hadHead = false, hadBody = false;
  for (auto& c : order) {
    if (IsBlank(c)) continue;
    if (!c.text && c.tag == L"head" && !hadHead && !hadBody) {
      for (auto& k : c.children) head.children.push_back(std::move(k));
      hadHead = true;
    } else if (!c.text && c.tag == L"body" && !hadBody) {
      body.attrs = std::move(c.attrs);
      body.children = std::move(c.children);
      hadBody = true;
    } else if (!hadBody && before.empty() && IsHeadContent(c)) {
      head.children.push_back(std::move(c));
    } else {
      Append(hadBody ? after : before, std::move(c));
    }
  }
  for (auto& k : body.children) Append(before, std::move(k));
  for (auto& k : after) Append(before, std::move(k));
  body.children = std::move(before);
  htmlEl.children.clear();
  htmlEl.children.push_back(std::move(head));
  htmlEl.children.push_back(std::move(body));
  return htmlEl;
}

}  // namespace standin
