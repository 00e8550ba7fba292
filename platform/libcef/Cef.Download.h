#pragma once
// Downloads of a browser: on_before_download asks where to (UI thread); cont starts the transfer
// on a thread of its own into "<path>.part", renamed to the path once complete, so no half file
// ever carries the final name; on_download_updated reports progress and the end (UI thread).
#include <memory>
#include <string>

#include "Cef.Browser.h"

namespace standin {

// UI thread. `disposition`, `mime` and `total` are what the response said, when known.
void StartDownload(const std::shared_ptr<TBrowserState>& st, const std::wstring& url, const std::wstring& disposition,
                   const std::wstring& mime, std::int64_t total);
// The file name a Content-Disposition header or the URL suggests.
std::wstring SuggestedName(const std::wstring& disposition, const std::wstring& url);

}  // namespace standin
