#pragma once
// Interfaces over the runtime structures: requests, responses, cookies, plug-ins, contexts.
// Part of VoraD.Cef3.Interfaces.h, which declares every name used here: include that header.

// cef_post_data_t: runtime object.
#define VORAD_CEF3_POST_DATA_OPS(X, W)                                                               \
  X(bool, IsReadOnly, (), is_read_only, ())                                                          \
  X(bool, HasExcludedElements, (), has_excluded_elements, ())                                        \
  X(size_t, GetElementCount, (), get_element_count, ())                                              \
  W(void, GetElements, (std::vector<rtl::TRef<ICefPostDataElement>>& elements))                      \
  X(bool, RemoveElement, (const rtl::TRef<ICefPostDataElement>& element), remove_element, (element)) \
  X(bool, AddElement, (const rtl::TRef<ICefPostDataElement>& element), add_element, (element))       \
  X(void, RemoveElements, (), remove_elements, ())
class ICefPostData : public virtual ICefBase {
public:
  VORAD_CEF3_POST_DATA_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_post_data_element_t: runtime object.
#define VORAD_CEF3_POST_DATA_ELEMENT_OPS(X, W)                                       \
  X(bool, IsReadOnly, (), is_read_only, ())                                          \
  X(void, SetToEmpty, (), set_to_empty, ())                                          \
  X(void, SetToFile, (const std::wstring& fileName), set_to_file, (fileName))        \
  X(void, SetToBytes, (size_t size, const void* bytes), set_to_bytes, (size, bytes)) \
  X(cef_postdataelement_type_t, GetType, (), get_type, ())                           \
  X(std::wstring, GetFile, (), get_file, ())                                         \
  X(size_t, GetBytesCount, (), get_bytes_count, ())                                  \
  X(size_t, GetBytes, (size_t size, void* bytes), get_bytes, (size, bytes))
class ICefPostDataElement : public virtual ICefBase {
public:
  VORAD_CEF3_POST_DATA_ELEMENT_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_request_t: runtime object.
#define VORAD_CEF3_REQUEST_OPS(X, W)                                                              \
  X(bool, IsReadOnly, (), is_read_only, ())                                                       \
  X(std::wstring, GetUrl, (), get_url, ())                                                        \
  X(void, SetUrl, (const std::wstring& url), set_url, (url))                                      \
  X(std::wstring, GetMethod, (), get_method, ())                                                  \
  X(void, SetMethod, (const std::wstring& method), set_method, (method))                          \
  X(void, SetReferrer, (const std::wstring& referrer_url, cef_referrer_policy_t policy),          \
      set_referrer, (referrer_url, policy))                                                       \
  X(std::wstring, GetReferrerUrl, (), get_referrer_url, ())                                       \
  X(cef_referrer_policy_t, GetReferrerPolicy, (), get_referrer_policy, ())                        \
  X(rtl::TRef<ICefPostData>, GetPostData, (), get_post_data, ())                                  \
  X(void, SetPostData, (const rtl::TRef<ICefPostData>& postData), set_post_data, (postData))      \
  X(void, GetHeaderMap, (cef_string_multimap_t headerMap), get_header_map, (headerMap))           \
  X(void, SetHeaderMap, (cef_string_multimap_t headerMap), set_header_map, (headerMap))           \
  X(void, Set, (const std::wstring& url, const std::wstring& method,                              \
      const rtl::TRef<ICefPostData>& postData, cef_string_multimap_t headerMap),                  \
      set, (url, method, postData, headerMap))                                                    \
  X(int, GetFlags, (), get_flags, ())                                                             \
  X(void, SetFlags, (int flags), set_flags, (flags))                                              \
  X(std::wstring, GetFirstPartyForCookies, (), get_first_party_for_cookies, ())                   \
  X(void, SetFirstPartyForCookies, (const std::wstring& url), set_first_party_for_cookies, (url)) \
  X(cef_resource_type_t, GetResourceType, (), get_resource_type, ())                              \
  X(cef_transition_type_t, GetTransitionType, (), get_transition_type, ())                        \
  X(uint64_t, GetIdentifier, (), get_identifier, ())
class ICefRequest : public virtual ICefBase {
public:
  VORAD_CEF3_REQUEST_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_response_t: runtime object.
#define VORAD_CEF3_RESPONSE_OPS(X, W)                                                     \
  X(bool, IsReadOnly, (), is_read_only, ())                                               \
  X(int, GetStatus, (), get_status, ())                                                   \
  X(void, SetStatus, (int status), set_status, (status))                                  \
  X(std::wstring, GetStatusText, (), get_status_text, ())                                 \
  X(void, SetStatusText, (const std::wstring& statusText), set_status_text, (statusText)) \
  X(std::wstring, GetMimeType, (), get_mime_type, ())                                     \
  X(void, SetMimeType, (const std::wstring& mimeType), set_mime_type, (mimeType))         \
  X(std::wstring, GetHeader, (const std::wstring& name), get_header, (name))              \
  X(void, GetHeaderMap, (cef_string_multimap_t headerMap), get_header_map, (headerMap))   \
  X(void, SetHeaderMap, (cef_string_multimap_t headerMap), set_header_map, (headerMap))
class ICefResponse : public virtual ICefBase {
public:
  VORAD_CEF3_RESPONSE_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_cookie_manager_t: runtime object.
#define VORAD_CEF3_COOKIE_MANAGER_OPS(X, W)                                                                \
  X(void, SetSupportedSchemes, (const std::vector<std::wstring>& schemes,                                  \
      const rtl::TRef<ICefCompletionCallback>& callback), set_supported_schemes, (schemes, callback))      \
  X(bool, VisitAllCookies, (const rtl::TRef<ICefCookieVisitor>& visitor), visit_all_cookies, (visitor))    \
  X(bool, VisitUrlCookies, (const std::wstring& url, bool includeHttpOnly,                                 \
      const rtl::TRef<ICefCookieVisitor>& visitor), visit_url_cookies, (url, includeHttpOnly, visitor))    \
  X(bool, SetCookie, (const std::wstring& url, const cef_cookie_t* cookie,                                 \
      const rtl::TRef<ICefSetCookieCallback>& callback), set_cookie, (url, cookie, callback))              \
  X(bool, DeleteCookies, (const std::wstring& url, const std::wstring& cookie_name,                        \
      const rtl::TRef<ICefDeleteCookiesCallback>& callback), delete_cookies, (url, cookie_name, callback)) \
  X(bool, SetStoragePath, (const std::wstring& path, bool persist_session_cookies,                         \
      const rtl::TRef<ICefCompletionCallback>& callback),                                                  \
      set_storage_path, (path, persist_session_cookies, callback))                                         \
  X(bool, FlushStore, (const rtl::TRef<ICefCompletionCallback>& callback), flush_store, (callback))
class ICefCookieManager : public virtual ICefBase {
public:
  VORAD_CEF3_COOKIE_MANAGER_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_web_plugin_info_t: runtime object.
#define VORAD_CEF3_WEB_PLUGIN_INFO_OPS(X, W)               \
  X(std::wstring, GetName, (), get_name, ())               \
  X(std::wstring, GetPath, (), get_path, ())               \
  X(std::wstring, GetVersion, (), get_version, ())         \
  X(std::wstring, GetDescription, (), get_description, ())
class ICefWebPluginInfo : public virtual ICefBase {
public:
  VORAD_CEF3_WEB_PLUGIN_INFO_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_urlrequest_t: runtime object.
#define VORAD_CEF3_URLREQUEST_OPS(X, W)                                    \
  X(rtl::TRef<ICefRequest>, GetRequest, (), get_request, ())               \
  X(rtl::TRef<ICefUrlrequestClient>, GetClient, (), get_client, ())        \
  X(cef_urlrequest_status_t, GetRequestStatus, (), get_request_status, ()) \
  X(cef_errorcode_t, GetRequestError, (), get_request_error, ())           \
  X(rtl::TRef<ICefResponse>, GetResponse, (), get_response, ())            \
  X(void, Cancel, (), cancel, ())
class ICefUrlRequest : public virtual ICefBase {
public:
  VORAD_CEF3_URLREQUEST_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_request_context_t: runtime object.
#define VORAD_CEF3_REQUEST_CONTEXT_OPS(X, W)                                                                 \
  X(bool, IsSame, (const rtl::TRef<ICefRequestContext>& other), is_same, (other))                            \
  X(bool, IsSharingWith, (const rtl::TRef<ICefRequestContext>& other), is_sharing_with, (other))             \
  X(bool, IsGlobal, (), is_global, ())                                                                       \
  X(rtl::TRef<ICefRequestContextHandler>, GetHandler, (), get_handler, ())                                   \
  X(std::wstring, GetCachePath, (), get_cache_path, ())                                                      \
  X(rtl::TRef<ICefCookieManager>, GetDefaultCookieManager,                                                   \
      ( const rtl::TRef<ICefCompletionCallback>& callback), get_default_cookie_manager, (callback))          \
  X(bool, RegisterSchemeHandlerFactory, (const std::wstring& scheme_name, const std::wstring& domain_name,   \
      const rtl::TRef<ICefSchemeHandlerFactory>& factory),                                                   \
      register_scheme_handler_factory, (scheme_name, domain_name, factory))                                  \
  X(bool, ClearSchemeHandlerFactories, (), clear_scheme_handler_factories, ())                               \
  X(void, PurgePluginListCache, (bool reload_pages), purge_plugin_list_cache, (reload_pages))                \
  X(bool, HasPreference, (const std::wstring& name), has_preference, (name))                                 \
  X(rtl::TRef<ICefValue>, GetPreference, (const std::wstring& name), get_preference, (name))                 \
  X(rtl::TRef<ICefDictionaryValue>, GetAllPreferences, (bool include_defaults),                              \
      get_all_preferences, (include_defaults))                                                               \
  X(bool, CanSetPreference, (const std::wstring& name), can_set_preference, (name))                          \
  X(bool, SetPreference, (const std::wstring& name, const rtl::TRef<ICefValue>& value, std::wstring& error), \
      set_preference, (name, value, error))                                                                  \
  X(void, ClearCertificateExceptions, (const rtl::TRef<ICefCompletionCallback>& callback),                   \
      clear_certificate_exceptions, (callback))                                                              \
  X(void, CloseAllConnections, (const rtl::TRef<ICefCompletionCallback>& callback),                          \
      close_all_connections, (callback))                                                                     \
  X(void, ResolveHost, (const std::wstring& origin, cef_resolve_callback_t* callback),                       \
      resolve_host, (origin, callback))                                                                      \
  X(cef_errorcode_t, ResolveHostCached, (const std::wstring& origin,                                         \
      const std::vector<std::wstring>& resolved_ips), resolve_host_cached, (origin, resolved_ips))
class ICefRequestContext : public virtual ICefBase {
public:
  VORAD_CEF3_REQUEST_CONTEXT_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_request_context_handler_t: runtime object.
#define VORAD_CEF3_REQUEST_CONTEXT_HANDLER_OPS(X, W)                                              \
  X(rtl::TRef<ICefCookieManager>, GetCookieManager, (), get_cookie_manager, ())                   \
  X(bool, OnBeforePluginLoad, (const std::wstring& mime_type, const std::wstring& plugin_url,     \
      const std::wstring& top_origin_url, const rtl::TRef<ICefWebPluginInfo>& plugin_info,        \
      cef_plugin_policy_t& plugin_policy),                                                        \
      on_before_plugin_load, (mime_type, plugin_url, top_origin_url, plugin_info, plugin_policy))
class ICefRequestContextHandler : public virtual ICefBase {
public:
  VORAD_CEF3_REQUEST_CONTEXT_HANDLER_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};
