#pragma once
// The little a page needs to be understood: its title, icon links, scripts (inline or with a
// src) in document order, and its visible text. Not a full HTML parser: tags, comments,
// attributes with or without quotes, and the raw-text elements script, style and title.
// Pure (no Win32): the fuzz targets build it natively.
#include <string>
#include <utility>
#include <vector>

namespace standin {

struct THtmlScript {
  std::wstring src;   // as written; empty for inline code
  std::wstring code;  // inline code
  int line = 1;       // line of the document the code starts on
};

struct THtmlDocument {
  bool hasTitle = false;
  std::wstring title;
  std::vector<std::wstring> icons;  // href of <link rel="... icon ..."> in document order
  std::vector<THtmlScript> scripts;
  std::wstring text;  // body text with whitespace collapsed
};

THtmlDocument ParseHtml(const std::wstring& html);

struct THtmlTag {
  std::wstring name;  // lower case
  bool closing = false;
  std::vector<std::pair<std::wstring, std::wstring>> attrs;  // names in lower case, values decoded
  std::wstring Attr(const std::wstring& n) const;            // the first of that name, else empty
};
// Reads the tag at html[pos] == '<'; pos ends after its '>'.
THtmlTag ReadHtmlTag(const std::wstring& html, size_t& pos);
// Character references (&amp; &#39; &#x4e2d; ...) in text or an attribute value.
std::wstring DecodeEntities(const std::wstring& s);

}  // namespace standin
