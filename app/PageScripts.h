#pragma once
// The page callback scripts the main window runs, and the texts it builds from page input.
// Pure functions (no Win32), so they are tested and fuzzed directly.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavlo {

// "changeDownProgress(%.2f,%.2d,%d)" for a task that has downloaded `downloaded` of `total`
// bytes; nothing while the total is unknown (0 or less). The quotient is rounded to single
// precision before it is scaled to percent, as the portal expects.
std::optional<std::wstring> ChangeDownProgressScript(int64_t downloaded, int64_t total);

// "taskStartSuccess(\"<name>\")" with the name escaped as a script string literal, so a name
// holding quotes, backslashes, line breaks or U+2028/U+2029 arrives as the same text and can
// never end the literal and inject script into the page.
std::wstring TaskStartSuccessScript(std::wstring_view fileName);

// The body of a double-quoted script string literal that evaluates to `text`.
std::wstring EscapeScriptString(std::wstring_view text);

// "http://<host>/cse/search?s=<site>&entry=1&q=<words>" with the words percent-encoded as UTF-8
// (unreserved characters stay), so "&", "#", "+", blanks and non-ASCII letters are searched for
// as typed.
std::wstring BuildSearchUrl(std::wstring_view host, std::wstring_view siteId, std::wstring_view words);

// Percent-encodes every byte of the UTF-8 form except A-Z a-z 0-9 - . _ ~
std::wstring PercentEncodeUtf8(std::wstring_view text);

// Only web addresses may be handed to the shell from a page: an absolute http or https address
// (scheme compared without case) with something after "//". Anything else (file:, programs,
// relative paths, other schemes) is refused.
bool IsWebAddress(std::wstring_view address);

}  // namespace tavlo
