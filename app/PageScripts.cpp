#include "app/PageScripts.h"

#include "rtl/ScriptLiteral.h"
#include "rtl/StrConv.h"
#include "rtl/SysUtils.h"

namespace tavlo {

std::optional<std::wstring> ChangeDownProgressScript(int64_t downloaded, int64_t total) {
  if (total <= 0) return std::nullopt;
  const float quotient = static_cast<float>(static_cast<double>(downloaded) / static_cast<double>(total));
  const double percent = static_cast<double>(quotient) * 100.0;
  return rtl::Format(L"changeDownProgress(%.2f,%.2d,%d)", percent, downloaded, total);
}

TProgressTick ProgressTick(const TXlTaskInfo& info) {
  switch (info.Status) {
    case XL_STATUS_DOWNLOADING: return {ChangeDownProgressScript(info.Received, info.TotalSize), true};
    case XL_STATUS_COMPLETE: return {L"DwonloadComplate()", false};
    case XL_STATUS_FAILED: return {L"taskStartFail()", false};
    default: return {};
  }
}

namespace {

constexpr std::wstring_view ProgressScriptStart = L"changeDownProgress(";

bool IsProgressScript(std::wstring_view script) {
  return script.substr(0, ProgressScriptStart.size()) == ProgressScriptStart;
}

}  // namespace

void TPendingPageScripts::Add(std::wstring script) {
  if (!FScripts.empty() && IsProgressScript(script) && IsProgressScript(FScripts.back())) {
    FScripts.back() = std::move(script);
    return;
  }
  if (FScripts.size() == Capacity) FScripts.pop_front();
  FScripts.push_back(std::move(script));
}

std::vector<std::wstring> TPendingPageScripts::Take() {
  std::vector<std::wstring> scripts(std::make_move_iterator(FScripts.begin()), std::make_move_iterator(FScripts.end()));
  FScripts.clear();
  return scripts;
}

std::wstring TaskStartSuccessScript(std::wstring_view fileName) {
  return L"taskStartSuccess(\"" + rtl::EscapeScriptString(fileName) + L"\")";
}

std::wstring PercentEncodeUtf8(std::wstring_view text) {
  static const wchar_t* hex = L"0123456789ABCDEF";
  std::wstring out;
  for (unsigned char b : rtl::Utf16ToUtf8(text)) {
    if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '-' ||
        b == '.' || b == '_' || b == '~') {
      out.push_back(b);
    } else {
      out.push_back(L'%');
      out.push_back(hex[b >> 4]);
      out.push_back(hex[b & 15]);
    }
  }
  return out;
}

std::wstring BuildSearchUrl(std::wstring_view host, std::wstring_view siteId, std::wstring_view words) {
  return L"http://" + std::wstring(host) + L"/cse/search?s=" + std::wstring(siteId) + L"&entry=1&q=" +
         PercentEncodeUtf8(words);
}

bool IsWebAddress(std::wstring_view address) {
  auto startsNoCase = [&](std::wstring_view prefix) {
    if (address.size() <= prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
      wchar_t c = address[i];
      if (c >= L'A' && c <= L'Z') c = wchar_t(c - L'A' + L'a');
      if (c != prefix[i]) return false;
    }
    return true;
  };
  if (!startsNoCase(L"http://") && !startsNoCase(L"https://")) return false;
  // No control characters or blanks: the shell would split or misread such a text.
  for (wchar_t c : address)
    if (c <= 0x20 || c == 0x7F) return false;
  return true;
}

}  // namespace tavlo
