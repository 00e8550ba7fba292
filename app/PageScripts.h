#pragma once
// The page callback scripts the main window runs, and the texts it builds from page input.
// Pure functions (no Win32), so they are tested and fuzzed directly.
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/DownloadSDKUnits.h"

namespace tavlo {

// "changeDownProgress(%.2f,%.2d,%d)" for a task that has downloaded `downloaded` of `total`
// bytes; nothing while the total is unknown (0 or less). The quotient is rounded to single
// precision before it is scaled to percent, as the portal expects.
std::optional<std::wstring> ChangeDownProgressScript(int64_t downloaded, int64_t total);

// One timer tick of the polled task: what the page hears, and whether polling goes on. Progress
// while it downloads (nothing while its size is unknown); once complete "DwonloadComplate()", and
// once the engine gave up "taskStartFail()", each ending the polling so it is said once (the
// page's resume starts the same task again). Any other status says nothing and polls on.
struct TProgressTick {
  std::optional<std::wstring> Script;
  bool KeepPolling = true;
};
TProgressTick ProgressTick(const TXlTaskInfo& info);

// Page callbacks issued before the active page has loaded, kept in order for its first load end
// (before that the page's functions do not exist yet, and a callback run there is lost). Bounded:
// a progress report replaces one queued just before it (only the latest counts), and beyond
// Capacity the oldest entry goes.
class TPendingPageScripts {
public:
  static constexpr size_t Capacity = 64;
  void Add(std::wstring script);
  // Every queued script, in order; the queue is empty afterwards.
  std::vector<std::wstring> Take();
  void Clear() { FScripts.clear(); }
  size_t Size() const { return FScripts.size(); }

private:
  std::deque<std::wstring> FScripts;
};

// "taskStartSuccess(\"<name>\")" with the name escaped by rtl::EscapeScriptString, so a name
// holding quotes, backslashes, line breaks or U+2028/U+2029 arrives as the same text and can
// never end the literal and inject script into the page.
std::wstring TaskStartSuccessScript(std::wstring_view fileName);

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
