#include "platform/xldl/XlResume.h"

#include <windows.h>

#include <sstream>

#include "platform/xldl/XlFiles.h"
#include "platform/xldl/XlHttp.h"
#include "rtl/Handles.h"

namespace xldl {

namespace {

const char kMagic[] = "xldl-resume 1";
constexpr std::size_t kMaxFile = 1 << 20;  // a plan has a few hundred ranges at the very most

bool HasLineBreak(const std::string& s) { return s.find_first_of("\r\n") != std::string::npos; }

}  // namespace

std::wstring ResumePath(const std::wstring& partPath) { return partPath + L".ctl"; }

std::string FormatResumeState(const TResumeState& s) {
  std::string out = std::string(kMagic) + "\nurl " + s.Url + "\ntotal " + std::to_string(s.Total) +
                    "\netag " + s.ETag + "\nmodified " + s.LastModified + "\n";
  for (const TRange& r : s.Done)
    out += "done " + std::to_string(r.Begin) + " " + std::to_string(r.End) + "\n";
  return out + "end\n";
}

bool ParseResumeState(const std::string& text, TResumeState& out) {
  const std::string last = "\nend\n";  // a file cut short lacks it
  if (text.size() < last.size() || text.compare(text.size() - last.size(), last.size(), last) != 0)
    return false;
  std::istringstream in(text);
  std::string line;
  if (!std::getline(in, line) || line != kMagic) return false;
  TResumeState s;
  bool url = false, total = false, ended = false;
  while (std::getline(in, line)) {
    if (ended) return false;
    const std::size_t space = line.find(' ');
    const std::string key = line.substr(0, space);
    const std::string value = space == std::string::npos ? "" : line.substr(space + 1);
    if (key == "end" && value.empty()) {
      ended = true;
    } else if (key == "url") {
      s.Url = value;
      url = !value.empty();
    } else if (key == "total") {
      total = ParseInt64(value, s.Total) && s.Total > 0;
    } else if (key == "etag") {
      s.ETag = value;
    } else if (key == "modified") {
      s.LastModified = value;
    } else if (key == "done") {
      const std::size_t gap = value.find(' ');
      TRange r;
      if (gap == std::string::npos || !ParseInt64(value.substr(0, gap), r.Begin) ||
          !ParseInt64(value.substr(gap + 1), r.End))
        return false;
      s.Done.push_back(r);
    } else {
      return false;
    }
  }
  if (!ended || !url || !total) return false;
  for (const TRange& r : s.Done)
    if (r.Begin >= r.End || r.End > s.Total) return false;
  s.Done = MergeRanges(s.Done);
  out = s;
  return true;
}

bool SaveResumeState(const std::wstring& path, const TResumeState& state) {
  if (HasLineBreak(state.Url) || HasLineBreak(state.ETag) || HasLineBreak(state.LastModified))
    return false;
  const std::string text = FormatResumeState(state);
  const std::wstring temp = path + L".tmp";
  {
    rtl::TFileHandle file(CreateFileW(LongPath(temp).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    DWORD written = 0;
    if (!WriteFile(file.Get(), text.data(), DWORD(text.size()), &written, nullptr) ||
        written != text.size() || !FlushFileBuffers(file.Get()))
      return false;
  }
  return MoveFileExW(LongPath(temp).c_str(), LongPath(path).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool LoadResumeState(const std::wstring& path, TResumeState& out) {
  rtl::TFileHandle file(CreateFileW(LongPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart <= 0 || size.QuadPart > LONGLONG(kMaxFile))
    return false;
  std::string text(std::size_t(size.QuadPart), '\0');
  DWORD read = 0;
  if (!ReadFile(file.Get(), text.data(), DWORD(text.size()), &read, nullptr) || read != text.size())
    return false;
  return ParseResumeState(text, out);
}

}  // namespace xldl
