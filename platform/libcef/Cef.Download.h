#pragma once
// Downloads of a browser: on_before_download asks where to (UI thread); cont starts the transfer
// on a thread of its own into "<path>.part", renamed to the path once complete, so no half file
// ever carries the final name; on_download_updated reports progress and the end (UI thread).
// Without a path (or with a folder) the suggested name goes into the Downloads folder (or that
// folder) under the first free "name (n).ext": a download never replaces a file it named itself.
// A device name is refused: the download ends cancelled.
#include <memory>
#include <string>

#include "Cef.Browser.h"

namespace standin {

// UI thread. `disposition`, `mime` and `total` are what the response said, when known.
void StartDownload(const std::shared_ptr<TBrowserState>& st, const std::wstring& url, const std::wstring& disposition,
                   const std::wstring& mime, std::int64_t total);
// The file name a Content-Disposition header or the URL suggests.
std::wstring SuggestedName(const std::wstring& disposition, const std::wstring& url);
// "CON", "nul.txt", "com1.tar.gz" ...: names Windows opens as a device, not a file.
bool IsDeviceName(const std::wstring& name);
// "stem (n).ext" for n >= 1; the name itself for n == 0.
std::wstring NumberedName(const std::wstring& name, int n);

}  // namespace standin
