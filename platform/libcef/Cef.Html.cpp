#include "Cef.Html.h"

#include <windows.h>

#include <cwctype>

#include "Cef.Parse.h"

namespace standin {

std::wstring DecodeEntities(const std::wstring& s) {
  std::wstring out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != L'&') {
      out += s[i];
      continue;
    }
    const size_t semi = s.find(L';', i);
    if (semi == std::wstring::npos || semi - i > 10) {
      out += s[i];
      continue;
    }
    const std::wstring name = s.substr(i + 1, semi - i - 1);
    wchar_t c = 0;
    if (name == L"amp") c = L'&';
    else if (name == L"lt") c = L'<';
    else if (name == L"gt") c = L'>';
    else if (name == L"quot") c = L'"';
    else if (name == L"apos") c = L'\'';
    else if (name == L"nbsp") c = L' ';
    else if (!name.empty() && name[0] == L'#')
      c = static_cast<wchar_t>(name.size() > 1 && (name[1] == L'x' || name[1] == L'X') ? wcstol(name.c_str() + 2, nullptr, 16)
                                                                                       : wcstol(name.c_str() + 1, nullptr, 10));
    if (!c) {
      out += s[i];
      continue;
    }
    out += c;
    i = semi;
  }
  return out;
}

namespace {

std::wstring Collapse(const std::wstring& s) {
  std::wstring out;
  bool space = false;
  for (wchar_t c : s) {
    if (iswspace(c)) {
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

std::wstring DecodeText(const std::string& bytes, const std::wstring& charset) {
  if (bytes.empty()) return {};
  const std::wstring cs = Lower(charset);
  UINT cp = CP_UTF8;
  if (cs == L"gbk" || cs == L"gb2312" || cs == L"gb18030") cp = 936;
  else if (cs == L"iso-8859-1" || cs == L"latin1" || cs == L"windows-1252") cp = 1252;
  else if (cs == L"big5") cp = 950;
  size_t start = 0;
  if (cp == CP_UTF8 && bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) start = 3;
  const DWORD flags = cp == CP_UTF8 ? MB_ERR_INVALID_CHARS : 0;
  int n = MultiByteToWideChar(cp, flags, bytes.data() + start, static_cast<int>(bytes.size() - start), nullptr, 0);
  if (n <= 0) {
    cp = CP_ACP;  // not UTF-8 after all
    n = MultiByteToWideChar(cp, 0, bytes.data() + start, static_cast<int>(bytes.size() - start), nullptr, 0);
  }
  std::wstring out(static_cast<size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0)
    MultiByteToWideChar(cp, cp == CP_UTF8 ? MB_ERR_INVALID_CHARS : 0, bytes.data() + start,
                        static_cast<int>(bytes.size() - start), out.data(), n);
  return out;
}

}  // namespace standin
