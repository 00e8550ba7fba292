#pragma once
// The page manager's decisions that need no window and no runtime: the zoom table, unique
// download names, favicon choice, the error page text, the built-in keys and the move rule.
// Kept apart so that tests (and a fuzzer) can call them directly.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>


struct TZoomLevelRow {
  double Level;
  const wchar_t* Text;
};

// Runtime zoom level -> the text the control shows; nine steps up, six down.
extern const TZoomLevelRow ZoomLevelTable[16];
constexpr double MaxZoomLevel = 9;
constexpr double MinZoomLevel = -6;

// Exact match only: a level such as 0.5 set by the page itself is not in the table.
bool FindZoomLevel(double level, std::wstring& text);
// The table's text, or the level as a general decimal number ("0.5", "-1.25").
std::wstring ZoomLevelToText(double level);
// A number written the way the default number format writes it: up to 15 significant digits,
// no trailing zeros, '.' as decimal separator.
std::wstring FloatToStr(double value);

// 1-based start of the last occurrence of sub in text; 0 when there is none or either is empty.
size_t LastPos(std::wstring_view sub, std::wstring_view text);

using TFileExistsFunc = std::function<bool(const std::wstring&)>;
// The path itself when free, otherwise folder + base + "(i)." + extension for the first free i.
// Counting does not stop at 99: an existing file is never handed out (it would be overwritten).
std::wstring MakeUniqueFileName(const std::wstring& path, const TFileExistsFunc& fileExists);
std::wstring MakeUniqueFileName(const std::wstring& path);  // against the file system

// The last URL of the list that contains ".ico" anywhere; empty when none does.
std::wstring SelectFaviconUrl(const std::vector<std::wstring>& urls);

// The text with the five characters that are markup in HTML (& < > " ') as character references.
std::wstring HtmlEscape(std::wstring_view text);

// The error page shown for a failed load; withDescription adds the name and description lines.
// Every text in it is escaped for HTML.
std::wstring BuildLoadErrorPage(const std::wstring& failedUrl, int errorCode, bool withDescription,
                                const std::wstring& errorName, const std::wstring& errorDescription);

// Loading bits of a page: 1 loading, 2 can go back, 4 can go forward.
constexpr int LoadingBits(bool isLoading, bool canGoBack, bool canGoForward) {
  return (isLoading ? 1 : 0) | (canGoBack ? 2 : 0) | (canGoForward ? 4 : 0);
}

// What the keyboard handler does with one key event when the application left the default on.
struct TBuiltinKeyActions {
  bool ShowDevTools = false;  // F12 released
  bool Reload = false;        // F5 released
  bool Search = false;        // Ctrl+F, every event type
  bool Cancel = false;        // Alt+F4 is swallowed
};
TBuiltinKeyActions BuiltinKeyActions(int eventType, uint32_t modifiers, int windowsKeyCode);

// Whether a parent-form move (x, y) must be told to the active page. Moves that end where the
// form is, forms left of the screen or wider than the last monitor, and re-entrant moves do not.
bool ShouldNotifyMove(int x, int y, int formLeft, int formTop, int formWidth, bool isMoving,
                      int lastMonitorWidth);

// Icon file header check on raw bytes: type 0 or 1 passes; fewer than 6 bytes also passes.
bool IsIconBytes(std::string_view data);

