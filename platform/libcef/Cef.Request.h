#pragma once
// cef_request_t, cef_post_data_t, cef_post_data_element_t and cef_response_t.
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "Cef.Common.h"

namespace standin {

struct TPostElement {
  cef_postdataelement_type_t type = PDE_TYPE_EMPTY;
  std::string bytes;
  std::wstring file;
};

struct TRequestData {
  std::wstring url;
  std::wstring method = L"GET";
  std::wstring referrer;
  cef_referrer_policy_t referrerPolicy = REFERRER_POLICY_DEFAULT;
  std::vector<std::pair<std::wstring, std::wstring>> headers;
  bool hasPostData = false;
  std::vector<TPostElement> postData;
  int flags = UR_FLAG_NONE;
  std::wstring firstPartyForCookies;
  cef_resource_type_t resourceType = RT_SUB_RESOURCE;
  cef_transition_type_t transitionType = TT_EXPLICIT;
  std::uint64_t identifier = 0;

  std::string Body() const;  // the post data as bytes (files read now)
};

struct TResponseData {
  int status = 0;
  std::wstring statusText;
  std::wstring mimeType;
  std::vector<std::pair<std::wstring, std::wstring>> headers;
};

// New structures with one reference each. A read-only request or response refuses changes.
cef_request_t* NewRequest(std::shared_ptr<TRequestData> data, bool readOnly);
cef_response_t* NewResponse(std::shared_ptr<TResponseData> data, bool readOnly);
// A copy of the data behind a request of ours; false for anything else.
bool RequestDataOf(cef_request_t* request, TRequestData& out);

}  // namespace standin
