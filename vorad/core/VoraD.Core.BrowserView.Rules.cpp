#include "vorad/core/VoraD.Core.BrowserView.Rules.h"

#include <windows.h>

#include <cmath>
#include <cstdio>

#include "rtl/SysUtils.h"


const TZoomLevelRow ZoomLevelTable[16] = {
    {-6, L"25%"},  {-5, L"33%"},  {-4, L"50%"},  {-3, L"67%"},  {-2, L"75%"},  {-1, L"90%"},
    {0, L"100%"},  {1, L"110%"},  {2, L"125%"},  {3, L"150%"},  {4, L"175%"},  {5, L"200%"},
    {6, L"250%"},  {7, L"300%"},  {8, L"400%"},  {9, L"500%"},
};

bool FindZoomLevel(double level, std::wstring& text) {
  for (const auto& row : ZoomLevelTable) {
    if (row.Level == level) {
      text = row.Text;
      return true;
    }
  }
  return false;
}

std::wstring FloatToStr(double value) {
  if (std::isnan(value)) return L"NAN";
  if (std::isinf(value)) return value > 0 ? L"INF" : L"-INF";
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", value);
  std::string s = buf;
  // "%g" writes exponents as e-05; the default number format writes E-5.
  const auto e = s.find('e');
  if (e != std::string::npos) {
    std::string mantissa = s.substr(0, e);
    std::string exponent = s.substr(e + 1);
    char sign = '+';
    if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) {
      sign = exponent[0];
      exponent.erase(0, 1);
    }
    while (exponent.size() > 1 && exponent[0] == '0') exponent.erase(0, 1);
    s = mantissa + "E" + (sign == '-' ? "-" : "+") + exponent;
  }
  return std::wstring(s.begin(), s.end());
}

std::wstring ZoomLevelToText(double level) {
  std::wstring text;
  if (FindZoomLevel(level, text)) return text;
  return FloatToStr(level);
}

size_t LastPos(std::wstring_view sub, std::wstring_view text) {
  if (sub.empty() || text.empty() || text.size() < sub.size()) return 0;
  const size_t at = text.rfind(sub);
  return at == std::wstring_view::npos ? 0 : at + 1;
}

std::wstring MakeUniqueFileName(const std::wstring& path, const TFileExistsFunc& fileExists) {
  if (!fileExists(path)) return path;
  const size_t sep = path.find_last_of(L"\\/");
  const std::wstring folder = sep == std::wstring::npos ? std::wstring() : path.substr(0, sep + 1);
  const std::wstring name = sep == std::wstring::npos ? path : path.substr(sep + 1);
  const size_t dot = LastPos(L".", name);
  const std::wstring extension = dot == 0 ? name : name.substr(dot);
  const std::wstring base = dot == 0 ? std::wstring() : name.substr(0, dot - 1);
  // No upper bound on purpose: stopping at 99 would hand back an existing file to overwrite.
  for (unsigned long long i = 1;; ++i) {
    std::wstring candidate = folder + base + L"(" + std::to_wstring(i) + L")." + extension;
    if (!fileExists(candidate)) return candidate;
  }
}

std::wstring MakeUniqueFileName(const std::wstring& path) {
  return MakeUniqueFileName(path, [](const std::wstring& p) {
    return GetFileAttributesW(p.c_str()) != INVALID_FILE_ATTRIBUTES;
  });
}

std::wstring SelectFaviconUrl(const std::vector<std::wstring>& urls) {
  std::wstring found;
  for (const auto& url : urls)
    if (url.find(L".ico") != std::wstring::npos) found = url;
  return found;
}

std::wstring HtmlEscape(std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (const wchar_t c : text) {
    switch (c) {
      case L'&': out += L"&amp;"; break;
      case L'<': out += L"&lt;"; break;
      case L'>': out += L"&gt;"; break;
      case L'"': out += L"&quot;"; break;
      case L'\'': out += L"&#39;"; break;
      default: out += c;
    }
  }
  return out;
}

std::wstring BuildLoadErrorPage(const std::wstring& failedUrl, int errorCode, bool withDescription,
                                const std::wstring& errorName, const std::wstring& errorDescription) {
  // The address comes from the page (a link, script, the user): text, never markup.
  std::wstring body =
      rtl::Format(L"<h2>Failed to load URL %s with error %d</h2>", HtmlEscape(failedUrl), errorCode);
  if (withDescription) {
    body += rtl::Format(L"<p>Error Name: %s</p>", HtmlEscape(errorName));
    body += rtl::Format(L"<p>Error Description: %s</p>", HtmlEscape(errorDescription));
  }
  return rtl::Format(L"<html><body>%s</body></html>", body);
}

TBuiltinKeyActions BuiltinKeyActions(int eventType, uint32_t modifiers, int windowsKeyCode) {
  constexpr int KeyUp = 2;                 // KEYEVENT_KEYUP
  constexpr uint32_t ControlDown = 1 << 2;  // EVENTFLAG_CONTROL_DOWN
  constexpr uint32_t AltDown = 1 << 3;      // EVENTFLAG_ALT_DOWN
  TBuiltinKeyActions a;
  a.ShowDevTools = windowsKeyCode == VK_F12 && eventType == KeyUp;
  a.Reload = windowsKeyCode == VK_F5 && eventType == KeyUp;
  a.Search = windowsKeyCode == 'F' && (modifiers & ControlDown) != 0;
  a.Cancel = windowsKeyCode == VK_F4 && (modifiers & AltDown) != 0;
  return a;
}

bool ShouldNotifyMove(int x, int y, int formLeft, int formTop, int formWidth, bool isMoving,
                      int lastMonitorWidth) {
  if (x == formLeft && y == formTop) return false;
  if (isMoving) return false;
  if (formLeft < 0) return false;
  return lastMonitorWidth >= formLeft + formWidth;
}

bool IsIconBytes(std::string_view data) {
  if (data.size() < 6) return true;
  const auto b = reinterpret_cast<const unsigned char*>(data.data());
  const unsigned type = b[2] | (b[3] << 8);
  return type == 0 || type == 1;
}

