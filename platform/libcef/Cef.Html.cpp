#include "Cef.Html.h"

#include <cwctype>

#include "Cef.Url.h"

namespace standin {

namespace {

// Longest entity looked at: no named or numeric entity the decoder knows is longer, and the
// bound keeps decoding linear (looking for ';' to the end from every '&' made it quadratic).
constexpr size_t kMaxEntity = 32;

// The UTF-16 code units of a numeric reference; U+FFFD for 0, surrogates and values past U+10FFFF.
void AppendCodePoint(std::wstring& out, unsigned long cp) {
  if (cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
  if (cp < 0x10000) {
    out += static_cast<wchar_t>(cp);
  } else {
    cp -= 0x10000;
    out += static_cast<wchar_t>(0xD800 + (cp >> 10));
    out += static_cast<wchar_t>(0xDC00 + (cp & 0x3FF));
  }
}

// The value of "#123" or "#x1F" (digits only, at least one); false otherwise.
bool NumericReference(const std::wstring_view name, unsigned long& cp) {
  const bool hex = name.size() > 1 && (name[1] == L'x' || name[1] == L'X');
  const size_t first = hex ? 2 : 1;
  if (name.size() <= first) return false;
  cp = 0;
  for (size_t k = first; k < name.size(); ++k) {
    const wchar_t c = name[k];
    int d;
    if (c >= L'0' && c <= L'9') d = c - L'0';
    else if (hex && c >= L'a' && c <= L'f') d = c - L'a' + 10;
    else if (hex && c >= L'A' && c <= L'F') d = c - L'A' + 10;
    else return false;
    cp = cp * (hex ? 16 : 10) + static_cast<unsigned long>(d);
    if (cp > 0x10FFFF) cp = 0x110000;  // saturate: still out of range, never wraps
  }
  return true;
}

}  // namespace

std::wstring DecodeEntities(const std::wstring& s) {
  std::wstring out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != L'&') {
      out += s[i];
      continue;
    }
    const std::wstring_view window = std::wstring_view(s).substr(i + 1, kMaxEntity);
    const size_t semi = window.find(L';');
    if (semi == std::wstring_view::npos) {
      out += s[i];
      continue;
    }
    const std::wstring_view name = window.substr(0, semi);
    wchar_t c = 0;
    unsigned long cp = 0;
    if (name == L"amp") c = L'&';
    else if (name == L"lt") c = L'<';
    else if (name == L"gt") c = L'>';
    else if (name == L"quot") c = L'"';
    else if (name == L"apos") c = L'\'';
    else if (name == L"nbsp") c = 0xA0;  // not a space: written back as &nbsp;, never collapsed
    else if (!name.empty() && name[0] == L'#' && NumericReference(name, cp)) {
      AppendCodePoint(out, cp);
      i += semi + 1;
      continue;
    }
    if (!c) {
      out += s[i];
      continue;
    }
    out += c;
    i += semi + 1;
  }
  return out;
}

namespace {

std::wstring Collapse(const std::wstring& s) {
  std::wstring out;
  bool space = false;
  for (wchar_t c : s) {
    if (iswspace(c) && c != 0xA0) {  // some C runtimes count the no-break space as one
      space = !out.empty();
    } else {
      if (space) out += L' ';
      space = false;
      out += c;
    }
  }
  return out;
}

}  // namespace

std::wstring THtmlTag::Attr(const std::wstring& n) const {
  for (const auto& [k, v] : attrs)
    if (k == n) return v;
  return {};
}

THtmlTag ReadHtmlTag(const std::wstring& html, size_t& pos) {
  THtmlTag tag;
  size_t i = pos + 1;
  if (i < html.size() && html[i] == L'/') {
    tag.closing = true;
    ++i;
  }
  while (i < html.size() && (iswalnum(html[i]) || html[i] == L'-' || html[i] == L':')) tag.name += html[i++];
  tag.name = Lower(tag.name);
  while (i < html.size() && html[i] != L'>') {
    while (i < html.size() && (iswspace(html[i]) || html[i] == L'/')) ++i;
    std::wstring name;
    while (i < html.size() && !iswspace(html[i]) && html[i] != L'=' && html[i] != L'>' && html[i] != L'/') name += html[i++];
    while (i < html.size() && iswspace(html[i])) ++i;
    std::wstring value;
    if (i < html.size() && html[i] == L'=') {
      ++i;
      while (i < html.size() && iswspace(html[i])) ++i;
      if (i < html.size() && (html[i] == L'"' || html[i] == L'\'')) {
        const wchar_t q = html[i++];
        const size_t end = html.find(q, i);
        value = html.substr(i, end == std::wstring::npos ? std::wstring::npos : end - i);
        i = end == std::wstring::npos ? html.size() : end + 1;
      } else {
        while (i < html.size() && !iswspace(html[i]) && html[i] != L'>') value += html[i++];
      }
    }
    if (!name.empty()) tag.attrs.emplace_back(Lower(name), DecodeEntities(value));
  }
  pos = i < html.size() ? i + 1 : html.size();
  return tag;
}

namespace {

int LineAt(const std::wstring& html, size_t pos, size_t& countedTo, int& line) {
  for (; countedTo < pos && countedTo < html.size(); ++countedTo)
    if (html[countedTo] == L'\n') ++line;
  return line;
}

}  // namespace

THtmlDocument ParseHtml(const std::wstring& html) {
  THtmlDocument doc;
  std::wstring text;
  size_t pos = 0, counted = 0;
  int line = 1;
  while (pos < html.size()) {
    const size_t lt = html.find(L'<', pos);
    text += html.substr(pos, lt == std::wstring::npos ? std::wstring::npos : lt - pos);
    if (lt == std::wstring::npos) break;
    pos = lt;
    if (html.compare(pos, 4, L"<!--") == 0) {
      const size_t end = html.find(L"-->", pos + 4);
      pos = end == std::wstring::npos ? html.size() : end + 3;
      continue;
    }
    if (pos + 1 < html.size() && !(iswalpha(html[pos + 1]) || html[pos + 1] == L'/' || html[pos + 1] == L'!')) {
      text += L'<';
      ++pos;
      continue;
    }
    THtmlTag tag = ReadHtmlTag(html, pos);
    if (tag.closing) continue;
    if (tag.name == L"script" || tag.name == L"style" || tag.name == L"title" || tag.name == L"textarea") {
      const std::wstring close = L"</" + tag.name;
      size_t end = pos;
      for (;;) {
        end = html.find(L"</", end);
        if (end == std::wstring::npos || Lower(html.substr(end, close.size())) == close) break;
        end += 2;
      }
      const std::wstring inner = html.substr(pos, end == std::wstring::npos ? std::wstring::npos : end - pos);
      if (tag.name == L"script") {
        const std::wstring type = Lower(tag.Attr(L"type"));
        if (type.empty() || type.find(L"javascript") != std::wstring::npos || type == L"module") {
          THtmlScript s;
          s.src = tag.Attr(L"src");
          if (s.src.empty()) s.code = inner;
          s.line = LineAt(html, pos, counted, line);
          doc.scripts.push_back(std::move(s));
        }
      } else if (tag.name == L"title" && !doc.hasTitle) {
        doc.hasTitle = true;
        doc.title = Collapse(DecodeEntities(inner));
      } else if (tag.name == L"textarea") {
        text += inner;
      }
      if (end == std::wstring::npos) break;
      pos = end;
      ReadHtmlTag(html, pos);
      continue;
    }
    if (tag.name == L"link") {
      const std::wstring rel = L" " + Lower(tag.Attr(L"rel")) + L" ";
      if (rel.find(L" icon ") != std::wstring::npos || rel.find(L"apple-touch-icon") != std::wstring::npos) {
        const std::wstring href = tag.Attr(L"href");
        if (!href.empty()) doc.icons.push_back(href);
      }
    } else if (tag.name == L"br" || tag.name == L"p" || tag.name == L"div" || tag.name == L"li" || tag.name == L"tr" ||
               tag.name == L"h1" || tag.name == L"h2" || tag.name == L"h3") {
      text += L' ';
    }
  }
  doc.text = Collapse(DecodeEntities(text));
  return doc;
}

}  // namespace standin
