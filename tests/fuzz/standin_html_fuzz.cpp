// The stand-in runtime's HTML scanning: title, icons, scripts, text and entities.
#include <string>

#include "FuzzSupport.h"
#include "platform/libcef/Cef.Html.h"

namespace {

// Collapsed: no blank at either end, no two in a row, no line breaks or tabs.
bool IsCollapsed(const std::wstring& s) {
  if (!s.empty() && (s.front() == L' ' || s.back() == L' ')) return false;
  if (s.find(L"  ") != std::wstring::npos) return false;
  return s.find_first_of(L"\t\r\n\f\v") == std::wstring::npos;
}

std::wstring Escaped(const std::wstring& text) {
  std::wstring out;
  for (wchar_t c : text) {
    if (c == L'&') out += L"&amp;";
    else if (c == L'<') out += L"&lt;";
    else if (c == L'>') out += L"&gt;";
    else if (c == L'"') out += L"&quot;";
    else out += c;
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Any markup: the results are collapsed where they should be, and icons and scripts are as
  // many as the markup could hold.
  const std::wstring html = fuzz::Latin1Of(data, size);
  const standin::THtmlDocument doc = standin::ParseHtml(html);
  FUZZ_CHECK(IsCollapsed(doc.title) && IsCollapsed(doc.text));
  FUZZ_CHECK(doc.hasTitle || doc.title.empty());
  FUZZ_CHECK(doc.icons.size() + doc.scripts.size() <= html.size() / 7 + 1);
  for (const auto& s : doc.scripts) FUZZ_CHECK(s.line >= 1 && (s.src.empty() || s.code.empty()));

  // Any text, escaped into a title, a paragraph and an attribute, decodes back to itself
  // (entities and all); the text of a script stays as written.
  std::wstring text;
  for (wchar_t c : html) text += c < 0x20 ? L' ' : c;
  const std::wstring escaped = Escaped(text);
  const standin::THtmlDocument page = standin::ParseHtml(L"<title>" + escaped + L"</title><p>" + escaped +
                                                         L"</p><link rel=icon href=\"" + escaped + L"\">");
  std::wstring collapsed;
  for (wchar_t c : text) {
    if (c == L' ' && (collapsed.empty() || collapsed.back() == L' ')) continue;
    collapsed += c;
  }
  while (!collapsed.empty() && collapsed.back() == L' ') collapsed.pop_back();
  FUZZ_CHECK(page.title == collapsed);
  FUZZ_CHECK(page.text == collapsed);
  FUZZ_CHECK(text.empty() ? page.icons.empty() : page.icons.size() == 1 && page.icons[0] == text);
  if (text.find(L"</") == std::wstring::npos) {
    const standin::THtmlDocument script = standin::ParseHtml(L"<script>" + text + L"</script>");
    FUZZ_CHECK(script.scripts.size() == 1 && script.scripts[0].code == text);
  }
  return 0;
}
