// The stand-in runtime's document tree parser: documents and innerHTML fragments.
#include <algorithm>
#include <cwctype>
#include <set>
#include <string>

#include "FuzzSupport.h"
#include "platform/libcef/Cef.Dom.h"

using standin::TDomNode;

namespace {

// Deeper than this the parser stops nesting (the cap is 200 open elements): a tree that reached
// it is not what its own markup parses to, so it is left out of the round trips.
constexpr int kUncappedDepth = 199;

// Written back as page script writes innerHTML/outerHTML (ScriptDom.js.h): attributes quoted,
// text escaped, script and style as they stand, no end tag for void elements.
std::wstring Escaped(const std::wstring& s, bool attr) {
  std::wstring out;
  for (wchar_t c : s) {
    if (c == L'&') out += L"&amp;";
    else if (c == 0xA0) out += L"&nbsp;";
    else if (attr && c == L'"') out += L"&quot;";
    else if (!attr && c == L'<') out += L"&lt;";
    else if (!attr && c == L'>') out += L"&gt;";
    else out += c;
  }
  return out;
}

void Serialise(const TDomNode& n, const TDomNode* parent, std::wstring& out) {
  if (n.text) {
    const bool raw = parent && (parent->tag == L"script" || parent->tag == L"style");
    out += raw ? n.data : Escaped(n.data, false);
    return;
  }
  out += L"<" + n.tag;
  for (const auto& [k, v] : n.attrs) out += L" " + k + L"=\"" + Escaped(v, true) + L"\"";
  out += L">";
  if (standin::IsVoidElement(n.tag)) return;
  for (const auto& c : n.children) Serialise(c, &n, out);
  out += L"</" + n.tag + L">";
}

std::wstring InnerHtml(const TDomNode& n) {
  std::wstring out;
  for (const auto& c : n.children) Serialise(c, &n, out);
  return out;
}

bool Same(const TDomNode& a, const TDomNode& b) {
  if (a.text != b.text || a.tag != b.tag || a.data != b.data || a.attrs != b.attrs ||
      a.children.size() != b.children.size())
    return false;
  for (size_t i = 0; i < a.children.size(); ++i)
    if (!Same(a.children[i], b.children[i])) return false;
  return true;
}

bool Blank(const std::wstring& s) {
  for (wchar_t c : s)
    if (!iswspace(c)) return false;
  return true;
}

// Every node is either text (nothing else set, never empty, never beside another text) or an
// element with a lower-case name, unique attribute names and no content if void; no node carries
// script's state. Returns the depth of the deepest element and counts the nodes.
int CheckNode(const TDomNode& n, size_t& nodes) {
  ++nodes;
  FUZZ_CHECK(n.key == -1 && n.value.empty() && !n.focused);
  if (n.text) {
    FUZZ_CHECK(n.tag.empty() && n.attrs.empty() && n.children.empty() && !n.data.empty());
    return 0;
  }
  for (wchar_t c : n.tag) FUZZ_CHECK(towlower(c) == static_cast<wint_t>(c) && (iswalnum(c) || c == L'-' || c == L':'));
  std::set<std::wstring> names;
  for (const auto& a : n.attrs) FUZZ_CHECK(!a.first.empty() && names.insert(a.first).second);
  FUZZ_CHECK(!standin::IsVoidElement(n.tag) || n.children.empty());
  int depth = 0;
  for (size_t i = 0; i < n.children.size(); ++i) {
    const TDomNode& c = n.children[i];
    FUZZ_CHECK(!c.text || i == 0 || !n.children[i - 1].text);
    FUZZ_CHECK(c.text || !c.tag.empty());
    depth = std::max(depth, CheckNode(c, nodes));
  }
  return depth + 1;
}

// The text of the nodes in document order.
void Text(const TDomNode& n, std::wstring& out) {
  if (n.text) out += n.data;
  for (const auto& c : n.children) Text(c, out);
}

bool IsHeadish(const TDomNode& n) {
  for (const wchar_t* t : {L"head", L"body", L"title", L"meta", L"link", L"style", L"base"})
    if (n.tag == t) return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::wstring html = fuzz::Latin1Of(data, size);

  // A fragment: well formed, no more nodes than the markup has characters, and written back
  // it parses to the same tree.
  const TDomNode frag = standin::ParseFragment(html);
  FUZZ_CHECK(frag.tag.empty() && frag.attrs.empty());
  size_t nodes = 0;
  const int depth = CheckNode(frag, nodes) - 1;
  FUZZ_CHECK(nodes <= html.size() + 1);
  FUZZ_CHECK(depth <= kUncappedDepth + 1);
  if (depth <= kUncappedDepth) FUZZ_CHECK(Same(standin::ParseFragment(InnerHtml(frag)), frag));

  // The document: html with exactly head and body, well formed, written back the same.
  const TDomNode doc = standin::ParseDocument(html);
  nodes = 0;
  FUZZ_CHECK(CheckNode(doc, nodes) <= kUncappedDepth + 3);
  FUZZ_CHECK(doc.tag == L"html" && doc.children.size() == 2);
  FUZZ_CHECK(doc.children[0].tag == L"head" && doc.children[1].tag == L"body");
  if (depth + 2 <= kUncappedDepth) {  // under html and body
    std::wstring written;
    Serialise(doc, nullptr, written);
    FUZZ_CHECK(Same(standin::ParseDocument(written), doc));
  }
  // Nothing moves to the head, so the document holds the fragment's text in the same order,
  // less the blanks between the top-level elements.
  bool moved = false;
  const TDomNode* htmlEl = nullptr;
  for (const auto& c : frag.children)
    if (!htmlEl && c.tag == L"html") htmlEl = &c;
  std::wstring expected;
  auto top = [&](const TDomNode& k) {
    moved = moved || IsHeadish(k);
    if (!k.text || !Blank(k.data)) Text(k, expected);
  };
  for (const auto& c : frag.children) {
    if (&c != htmlEl) top(c);
    else
      for (const auto& k : c.children) top(k);
  }
  if (!moved) {
    std::wstring got;
    Text(doc, got);
    FUZZ_CHECK(got == expected);
  }

  // Any text, escaped, comes back as it was: as content, in an attribute, in a textarea, and
  // as a whole document's body.
  std::wstring text = html;
  const TDomNode p = standin::ParseFragment(L"<p title=\"" + Escaped(text, true) + L"\">" + Escaped(text, false));
  FUZZ_CHECK(p.children.size() == 1 && p.children[0].attrs.size() == 1 && p.children[0].attrs[0].second == text);
  FUZZ_CHECK(text.empty() ? p.children[0].children.empty() : p.children[0].children.size() == 1 &&
                                                                   p.children[0].children[0].data == text);
  const TDomNode area = standin::ParseFragment(L"<textarea>" + Escaped(text, false) + L"</textarea>");
  FUZZ_CHECK(area.children.size() == 1 && (text.empty() || area.children[0].children[0].data == text));
  const TDomNode body = standin::ParseDocument(Escaped(text, false)).children[1];
  FUZZ_CHECK(Blank(text) ? body.children.empty() : body.children.size() == 1 && body.children[0].data == text);
  return 0;
}
