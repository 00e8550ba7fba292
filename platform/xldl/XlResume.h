#pragma once
// The control file beside a .part file: what a later process needs to resume the download
// (see DownloadSDKUnits.h for its place and format). Formatting and parsing are pure; saving
// replaces the file in one rename, so a crash mid-write leaves the old one or the new one.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/xldl/XlPlan.h"

namespace xldl {

struct TResumeState {
  std::string Url;  // the task's address as given, UTF-8
  std::int64_t Total = 0;
  std::string ETag, LastModified;
  std::vector<TRange> Done;  // merged, within [0, Total)
};

std::wstring ResumePath(const std::wstring& partPath);
std::string FormatResumeState(const TResumeState& state);
// False for anything but a complete, consistent file of our own.
bool ParseResumeState(const std::string& text, TResumeState& out);
bool SaveResumeState(const std::wstring& path, const TResumeState& state);
bool LoadResumeState(const std::wstring& path, TResumeState& out);

}  // namespace xldl
