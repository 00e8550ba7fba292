#pragma once
// A page's document and its external scripts, fetched on the IO thread with the request handler
// taking its part in each:
// on_before_resource_load, get_resource_handler (the application serves the document itself),
// on_resource_redirect, on_resource_response (which may restart the request),
// get_resource_response_filter, get_auth_credentials and on_resource_load_complete.
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Cef.Browser.h"
#include "Cef.Html.h"

namespace standin {

struct TLoaded {
  cef_errorcode_t error = ERR_NONE;
  std::wstring url;  // final address
  int status = 0;
  std::wstring html;
  bool parsed = false;  // `document` holds html parsed, so the commit need not parse it again
  THtmlDocument document;
  std::vector<std::pair<std::wstring, std::wstring>> scripts;  // url, code
  std::vector<int> scriptLines;
  std::wstring mime;
  bool download = false;  // the response is an attachment
  std::wstring disposition;
  std::int64_t total = -1;
};

// IO thread: the document at `url` and its external scripts. `seq` is the browser's load
// sequence when the load began: a load replaced meanwhile stops waiting for the application.
TLoaded FetchDocument(const std::weak_ptr<TBrowserState>& weak, unsigned seq, const std::wstring& url,
                      const std::wstring& userAgent);

}  // namespace standin
