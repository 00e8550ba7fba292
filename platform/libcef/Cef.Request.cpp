#include "Cef.Request.h"

#include <algorithm>

#include "Cef.Parse.h"
#include "rtl/Handles.h"

namespace standin {

namespace {

void ReadHeaderMap(cef_string_multimap_t map, std::vector<std::pair<std::wstring, std::wstring>>& out) {
  out.clear();
  const int n = cef_string_multimap_size(map);
  for (int i = 0; i < n; ++i) {
    cef_string_t k{}, v{};
    cef_string_multimap_key(map, i, &k);
    cef_string_multimap_value(map, i, &v);
    out.emplace_back(ToW(&k), ToW(&v));
    cef_string_utf16_clear(&k);
    cef_string_utf16_clear(&v);
  }
}

void WriteHeaderMap(const std::vector<std::pair<std::wstring, std::wstring>>& in, cef_string_multimap_t map) {
  for (const auto& [k, v] : in) {
    cef_string_t ks = ViewOf(k), vs = ViewOf(v);
    cef_string_multimap_append(map, &ks, &vs);
  }
}

class TPostDataElement : public TCefObject<TPostDataElement, cef_post_data_element_t> {
public:
  explicit TPostDataElement(TPostElement e, bool readOnly) : FData(std::move(e)), FReadOnly(readOnly) {
    auto& s = FStruct;
    s.is_read_only = [](cef_post_data_element_t* self) CALLBACK -> int { return From(self)->FReadOnly ? 1 : 0; };
    s.set_to_empty = [](cef_post_data_element_t* self) CALLBACK {
      if (!From(self)->FReadOnly) From(self)->FData = TPostElement{};
    };
    s.set_to_file = [](cef_post_data_element_t* self, const cef_string_t* fileName) CALLBACK {
      GuardVoid([&] {
        if (From(self)->FReadOnly) return;
        From(self)->FData = TPostElement{PDE_TYPE_FILE, {}, ToW(fileName)};
      });
    };
    s.set_to_bytes = [](cef_post_data_element_t* self, size_t size, const void* bytes) CALLBACK {
      GuardVoid([&] {
        if (From(self)->FReadOnly || (!bytes && size)) return;
        From(self)->FData = TPostElement{PDE_TYPE_BYTES, std::string(static_cast<const char*>(bytes), size), {}};
      });
    };
    s.get_type = [](cef_post_data_element_t* self) CALLBACK -> cef_postdataelement_type_t { return From(self)->FData.type; };
    s.get_file = [](cef_post_data_element_t* self) CALLBACK -> cef_string_userfree_t {
      return Guard<cef_string_userfree_t>(nullptr, [&] { return NewUserFree(From(self)->FData.file); });
    };
    s.get_bytes_count = [](cef_post_data_element_t* self) CALLBACK -> size_t { return From(self)->FData.bytes.size(); };
    s.get_bytes = [](cef_post_data_element_t* self, size_t size, void* bytes) CALLBACK -> size_t {
      const std::string& b = From(self)->FData.bytes;
      const size_t n = std::min(size, b.size());
      if (bytes) std::copy(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(n), static_cast<char*>(bytes));
      return bytes ? n : 0;
    };
  }
  TPostElement FData;
  bool FReadOnly;
};

class TPostData : public TCefObject<TPostData, cef_post_data_t> {
public:
  explicit TPostData(std::vector<TPostElement> elements, bool readOnly)
      : FElements(std::move(elements)), FReadOnly(readOnly) {
    auto& s = FStruct;
    s.is_read_only = [](cef_post_data_t* self) CALLBACK -> int { return From(self)->FReadOnly ? 1 : 0; };
    s.has_excluded_elements = [](cef_post_data_t*) CALLBACK -> int { return 0; };
    s.get_element_count = [](cef_post_data_t* self) CALLBACK -> size_t { return From(self)->FElements.size(); };
    s.get_elements = [](cef_post_data_t* self, size_t* count, cef_post_data_element_t** elements) CALLBACK {
      GuardVoid([&] {
        if (!count) return;
        const auto& els = From(self)->FElements;
        const size_t n = elements ? std::min(*count, els.size()) : 0;
        for (size_t i = 0; i < n; ++i) elements[i] = (new TPostDataElement(els[i], From(self)->FReadOnly))->Struct();
        *count = n;
      });
    };
    s.remove_element = [](cef_post_data_t* self, cef_post_data_element_t* element) CALLBACK -> int {
      auto held = TCRef<cef_post_data_element_t>::Adopt(element);
      return Guard(0, [&] {
        TPostDataElement* e = TPostDataElement::From(element);
        auto& els = From(self)->FElements;
        if (From(self)->FReadOnly || !e) return 0;
        for (auto it = els.begin(); it != els.end(); ++it)
          if (it->type == e->FData.type && it->bytes == e->FData.bytes && it->file == e->FData.file) {
            els.erase(it);
            return 1;
          }
        return 0;
      });
    };
    s.add_element = [](cef_post_data_t* self, cef_post_data_element_t* element) CALLBACK -> int {
      auto held = TCRef<cef_post_data_element_t>::Adopt(element);
      return Guard(0, [&] {
        TPostDataElement* e = TPostDataElement::From(element);
        if (From(self)->FReadOnly || !e) return 0;
        From(self)->FElements.push_back(e->FData);
        return 1;
      });
    };
    s.remove_elements = [](cef_post_data_t* self) CALLBACK {
      if (!From(self)->FReadOnly) From(self)->FElements.clear();
    };
  }
  std::vector<TPostElement> FElements;
  bool FReadOnly;
};

class TRequest : public TCefObject<TRequest, cef_request_t> {
public:
  TRequest(std::shared_ptr<TRequestData> data, bool readOnly) : FData(std::move(data)), FReadOnly(readOnly) {
    auto& s = FStruct;
    s.is_read_only = [](cef_request_t* self) CALLBACK -> int { return From(self)->FReadOnly ? 1 : 0; };
    s.get_url = [](cef_request_t* self) CALLBACK -> cef_string_userfree_t {
      return Guard<cef_string_userfree_t>(nullptr, [&] { return NewUserFree(From(self)->Read().url); });
    };
    s.set_url = [](cef_request_t* self, const cef_string_t* url) CALLBACK {
      GuardVoid([&] { From(self)->Change([&](TRequestData& d) { d.url = ToW(url); }); });
    };
    s.get_method = [](cef_request_t* self) CALLBACK -> cef_string_userfree_t {
      return Guard<cef_string_userfree_t>(nullptr, [&] { return NewUserFree(From(self)->Read().method); });
    };
    s.set_method = [](cef_request_t* self, const cef_string_t* method) CALLBACK {
      GuardVoid([&] { From(self)->Change([&](TRequestData& d) { d.method = ToW(method); }); });
    };
    s.set_referrer = [](cef_request_t* self, const cef_string_t* url, cef_referrer_policy_t policy) CALLBACK {
      GuardVoid([&] {
        From(self)->Change([&](TRequestData& d) {
          d.referrer = ToW(url);
          d.referrerPolicy = policy;
        });
      });
    };
    s.get_referrer_url = [](cef_request_t* self) CALLBACK -> cef_string_userfree_t {
      return Guard<cef_string_userfree_t>(nullptr, [&] { return NewUserFree(From(self)->Read().referrer); });
    };
    s.get_referrer_policy = [](cef_request_t* self) CALLBACK -> cef_referrer_policy_t {
      return Guard(REFERRER_POLICY_DEFAULT, [&] { return From(self)->Read().referrerPolicy; });
    };
    s.get_post_data = [](cef_request_t* self) CALLBACK -> cef_post_data_t* {
      return Guard<cef_post_data_t*>(nullptr, [&]() -> cef_post_data_t* {
        const TRequestData d = From(self)->Read();
        return d.hasPostData ? (new TPostData(d.postData, From(self)->FReadOnly))->Struct() : nullptr;
      });
    };
    s.set_post_data = [](cef_request_t* self, cef_post_data_t* postData) CALLBACK {
      auto held = TCRef<cef_post_data_t>::Adopt(postData);
      GuardVoid([&] { From(self)->Change([&](TRequestData& d) { SetPost(d, postData); }); });
    };
    s.get_header_map = [](cef_request_t* self, cef_string_multimap_t map) CALLBACK {
      GuardVoid([&] { WriteHeaderMap(From(self)->Read().headers, map); });
    };
    s.set_header_map = [](cef_request_t* self, cef_string_multimap_t map) CALLBACK {
      GuardVoid([&] { From(self)->Change([&](TRequestData& d) { ReadHeaderMap(map, d.headers); }); });
    };
    s.set = [](cef_request_t* self, const cef_string_t* url, const cef_string_t* method, cef_post_data_t* postData,
               cef_string_multimap_t map) CALLBACK {
      auto held = TCRef<cef_post_data_t>::Adopt(postData);
      GuardVoid([&] {
        From(self)->Change([&](TRequestData& d) {
          d.url = ToW(url);
          d.method = ToW(method);
          SetPost(d, postData);
          ReadHeaderMap(map, d.headers);
        });
      });
    };
    s.get_flags = [](cef_request_t* self) CALLBACK -> int { return Guard(0, [&] { return From(self)->Read().flags; }); };
    s.set_flags = [](cef_request_t* self, int flags) CALLBACK {
      GuardVoid([&] { From(self)->Change([&](TRequestData& d) { d.flags = flags; }); });
    };
    s.get_first_party_for_cookies = [](cef_request_t* self) CALLBACK -> cef_string_userfree_t {
      return Guard<cef_string_userfree_t>(nullptr, [&] { return NewUserFree(From(self)->Read().firstPartyForCookies); });
    };
    s.set_first_party_for_cookies = [](cef_request_t* self, const cef_string_t* url) CALLBACK {
      GuardVoid([&] { From(self)->Change([&](TRequestData& d) { d.firstPartyForCookies = ToW(url); }); });
    };
    s.get_resource_type = [](cef_request_t* self) CALLBACK -> cef_resource_type_t {
      return Guard(RT_SUB_RESOURCE, [&] { return From(self)->Read().resourceType; });
    };
    s.get_transition_type = [](cef_request_t* self) CALLBACK -> cef_transition_type_t {
      return Guard(TT_EXPLICIT, [&] { return From(self)->Read().transitionType; });
    };
    s.get_identifier = [](cef_request_t* self) CALLBACK -> uint64_t {
      return Guard<uint64_t>(0, [&] { return From(self)->Read().identifier; });
    };
  }

  static void SetPost(TRequestData& d, cef_post_data_t* postData) {
    TPostData* p = TPostData::From(postData);
    d.hasPostData = p != nullptr;
    d.postData = p ? p->FElements : std::vector<TPostElement>{};
    // Post data makes a GET a POST, as in the runtime.
    if (p && Lower(d.method) == L"get") d.method = L"POST";
  }
  TRequestData Read() const {
    std::lock_guard<std::mutex> l(FLock);
    return *FData;
  }
  template <class F>
  void Change(F&& f) {
    if (FReadOnly) return;
    std::lock_guard<std::mutex> l(FLock);
    f(*FData);
  }

  std::shared_ptr<TRequestData> FData;
  bool FReadOnly;
  mutable std::mutex FLock;
};

class TResponse : public TCefObject<TResponse, cef_response_t> {
public:
  TResponse(std::shared_ptr<TResponseData> data, bool readOnly) : FData(std::move(data)), FReadOnly(readOnly) {
    auto& s = FStruct;
    s.is_read_only = [](cef_response_t* self) CALLBACK -> int { return From(self)->FReadOnly ? 1 : 0; };
    s.get_status = [](cef_response_t* self) CALLBACK -> int { return From(self)->FData->status; };
    s.set_status = [](cef_response_t* self, int status) CALLBACK {
      if (!From(self)->FReadOnly) From(self)->FData->status = status;
    };
    s.get_status_text = [](cef_response_t* self) CALLBACK -> cef_string_userfree_t {
      return Guard<cef_string_userfree_t>(nullptr, [&] { return NewUserFree(From(self)->FData->statusText); });
    };
    s.set_status_text = [](cef_response_t* self, const cef_string_t* text) CALLBACK {
      GuardVoid([&] {
        if (!From(self)->FReadOnly) From(self)->FData->statusText = ToW(text);
      });
    };
    s.get_mime_type = [](cef_response_t* self) CALLBACK -> cef_string_userfree_t {
      return Guard<cef_string_userfree_t>(nullptr, [&] { return NewUserFree(From(self)->FData->mimeType); });
    };
    s.set_mime_type = [](cef_response_t* self, const cef_string_t* mime) CALLBACK {
      GuardVoid([&] {
        if (!From(self)->FReadOnly) From(self)->FData->mimeType = ToW(mime);
      });
    };
    s.get_header = [](cef_response_t* self, const cef_string_t* name) CALLBACK -> cef_string_userfree_t {
      return Guard<cef_string_userfree_t>(nullptr, [&]() -> cef_string_userfree_t {
        const std::wstring want = Lower(ToW(name));
        for (const auto& [k, v] : From(self)->FData->headers)
          if (Lower(k) == want) return NewUserFree(v);
        return nullptr;
      });
    };
    s.get_header_map = [](cef_response_t* self, cef_string_multimap_t map) CALLBACK {
      GuardVoid([&] { WriteHeaderMap(From(self)->FData->headers, map); });
    };
    s.set_header_map = [](cef_response_t* self, cef_string_multimap_t map) CALLBACK {
      GuardVoid([&] {
        if (!From(self)->FReadOnly) ReadHeaderMap(map, From(self)->FData->headers);
      });
    };
  }
  std::shared_ptr<TResponseData> FData;
  bool FReadOnly;
};

}  // namespace

std::string TRequestData::Body() const {
  std::string out;
  for (const auto& e : postData) {
    if (e.type == PDE_TYPE_BYTES) {
      out += e.bytes;
    } else if (e.type == PDE_TYPE_FILE) {
      rtl::TFileHandle h(CreateFileW(e.file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
      if (!h) continue;
      char buf[65536];
      DWORD got = 0;
      while (ReadFile(h.Get(), buf, sizeof buf, &got, nullptr) && got > 0) out.append(buf, got);
    }
  }
  return out;
}

cef_request_t* NewRequest(std::shared_ptr<TRequestData> data, bool readOnly) {
  return (new TRequest(std::move(data), readOnly))->Struct();
}
cef_response_t* NewResponse(std::shared_ptr<TResponseData> data, bool readOnly) {
  return (new TResponse(std::move(data), readOnly))->Struct();
}
bool RequestDataOf(cef_request_t* request, TRequestData& out) {
  TRequest* r = TRequest::From(request);
  if (!r) return false;
  out = r->Read();
  return true;
}

}  // namespace standin

using namespace standin;

extern "C" {

cef_request_t* cef_request_create(void) {
  return Guard<cef_request_t*>(nullptr, [] { return NewRequest(std::make_shared<TRequestData>(), false); });
}
cef_post_data_t* cef_post_data_create(void) {
  return Guard<cef_post_data_t*>(nullptr, [] { return (new TPostData({}, false))->Struct(); });
}
cef_post_data_element_t* cef_post_data_element_create(void) {
  return Guard<cef_post_data_element_t*>(nullptr, [] { return (new TPostDataElement({}, false))->Struct(); });
}
cef_response_t* cef_response_create(void) {
  return Guard<cef_response_t*>(nullptr, [] { return NewResponse(std::make_shared<TResponseData>(), false); });
}

}  // extern "C"
