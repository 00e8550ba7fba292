#pragma once
// A page's document as a tree: what the HTML parser builds, what page script's document starts
// from, and what layout reads back from script after changes. Render side; pure logic.
#include <string>
#include <utility>
#include <vector>

namespace standin {

struct TDomNode {
  bool text = false;  // a text node (`data`), else an element (`tag`, `attrs`, `children`)
  std::wstring tag;   // lower case
  std::wstring data;
  std::vector<std::pair<std::wstring, std::wstring>> attrs;  // names in lower case
  std::vector<TDomNode> children;
  int key = -1;  // the node's number in script's last snapshot (for hit tests), -1 for none

  // Live state of form controls and focus, as script last left them.
  std::wstring value;
  bool focused = false;

  const std::wstring* Attr(const std::wstring& name) const;
  std::wstring AttrOr(const std::wstring& name, const std::wstring& fallback = {}) const;
  bool HasClass(const std::wstring& name) const;
};

// The whole document: an `html` element with `head` and `body`, whatever the text left out.
// Comments and the doctype are skipped; character references are decoded; unclosed elements
// close where HTML's implied rules close them (p, li, tr, td, option, headings).
TDomNode ParseDocument(const std::wstring& html);
// A fragment (innerHTML): the nodes it makes, under a nameless element.
TDomNode ParseFragment(const std::wstring& html);
// Elements that never have content (br, input, img, ...).
bool IsVoidElement(const std::wstring& tag);

}  // namespace standin
