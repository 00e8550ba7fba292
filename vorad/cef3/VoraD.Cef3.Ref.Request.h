#pragma once
// Ref classes. Requests and responses: request, post data, response, URL request, request context,
// cookies, plugin info.
#include <string>
#include <vector>

#include "vorad/cef3/VoraD.Cef3.Ref.h"

class TCefPostDataRef : public TCefRef<cef_post_data_t, ICefPostData> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefPostData> New() { return CallExport(CefApi.cef_post_data_create); }

  bool IsReadOnly() override { return Call<&C::is_read_only>(); }
  bool HasExcludedElements() override { return Call<&C::has_excluded_elements>(); }
  size_t GetElementCount() override { return Call<&C::get_element_count>(); }
  void GetElements(std::vector<rtl::TRef<ICefPostDataElement>>& elements) override {
    CallCounted<&C::get_elements, &C::get_element_count>(elements);
  }
  bool RemoveElement(const rtl::TRef<ICefPostDataElement>& element) override {
    return Call<&C::remove_element>(element);
  }
  bool AddElement(const rtl::TRef<ICefPostDataElement>& element) override {
    return Call<&C::add_element>(element);
  }
  void RemoveElements() override { Call<&C::remove_elements>(); }
};

class TCefPostDataElementRef : public TCefRef<cef_post_data_element_t, ICefPostDataElement> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefPostDataElement> New() {
    return CallExport(CefApi.cef_post_data_element_create);
  }

  bool IsReadOnly() override { return Call<&C::is_read_only>(); }
  void SetToEmpty() override { Call<&C::set_to_empty>(); }
  void SetToFile(const std::wstring& fileName) override { Call<&C::set_to_file>(fileName); }
  void SetToBytes(size_t size, const void* bytes) override { Call<&C::set_to_bytes>(size, bytes); }
  cef_postdataelement_type_t GetType() override { return Call<&C::get_type>(); }
  std::wstring GetFile() override { return Call<&C::get_file>(); }
  size_t GetBytesCount() override { return Call<&C::get_bytes_count>(); }
  size_t GetBytes(size_t size, void* bytes) override { return Call<&C::get_bytes>(size, bytes); }
};

class TCefRequestRef : public TCefRef<cef_request_t, ICefRequest> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefRequest> New() { return CallExport(CefApi.cef_request_create); }

  bool IsReadOnly() override { return Call<&C::is_read_only>(); }
  std::wstring GetUrl() override { return Call<&C::get_url>(); }
  void SetUrl(const std::wstring& url) override { Call<&C::set_url>(url); }
  std::wstring GetMethod() override { return Call<&C::get_method>(); }
  void SetMethod(const std::wstring& method) override { Call<&C::set_method>(method); }
  void SetReferrer(const std::wstring& referrer_url, cef_referrer_policy_t policy) override {
    Call<&C::set_referrer>(referrer_url, policy);
  }
  std::wstring GetReferrerUrl() override { return Call<&C::get_referrer_url>(); }
  cef_referrer_policy_t GetReferrerPolicy() override { return Call<&C::get_referrer_policy>(); }
  rtl::TRef<ICefPostData> GetPostData() override { return Call<&C::get_post_data>(); }
  void SetPostData(const rtl::TRef<ICefPostData>& postData) override { Call<&C::set_post_data>(postData); }
  void GetHeaderMap(cef_string_multimap_t headerMap) override { Call<&C::get_header_map>(headerMap); }
  void SetHeaderMap(cef_string_multimap_t headerMap) override { Call<&C::set_header_map>(headerMap); }
  void Set(const std::wstring& url, const std::wstring& method,
      const rtl::TRef<ICefPostData>& postData, cef_string_multimap_t headerMap) override {
    Call<&C::set>(url, method, postData, headerMap);
  }
  int GetFlags() override { return Call<&C::get_flags>(); }
  void SetFlags(int flags) override { Call<&C::set_flags>(flags); }
  std::wstring GetFirstPartyForCookies() override { return Call<&C::get_first_party_for_cookies>(); }
  void SetFirstPartyForCookies(const std::wstring& url) override {
    Call<&C::set_first_party_for_cookies>(url);
  }
  cef_resource_type_t GetResourceType() override { return Call<&C::get_resource_type>(); }
  cef_transition_type_t GetTransitionType() override { return Call<&C::get_transition_type>(); }
  uint64_t GetIdentifier() override { return Call<&C::get_identifier>(); }
};

class TCefResponseRef : public TCefRef<cef_response_t, ICefResponse> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefResponse> New() { return CallExport(CefApi.cef_response_create); }

  bool IsReadOnly() override { return Call<&C::is_read_only>(); }
  int GetStatus() override { return Call<&C::get_status>(); }
  void SetStatus(int status) override { Call<&C::set_status>(status); }
  std::wstring GetStatusText() override { return Call<&C::get_status_text>(); }
  void SetStatusText(const std::wstring& statusText) override { Call<&C::set_status_text>(statusText); }
  std::wstring GetMimeType() override { return Call<&C::get_mime_type>(); }
  void SetMimeType(const std::wstring& mimeType) override { Call<&C::set_mime_type>(mimeType); }
  std::wstring GetHeader(const std::wstring& name) override { return Call<&C::get_header>(name); }
  void GetHeaderMap(cef_string_multimap_t headerMap) override { Call<&C::get_header_map>(headerMap); }
  void SetHeaderMap(cef_string_multimap_t headerMap) override { Call<&C::set_header_map>(headerMap); }
};

class TCefCookieManagerRef : public TCefRef<cef_cookie_manager_t, ICefCookieManager> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefCookieManager> Global(const rtl::TRef<ICefCompletionCallback>& callback) {
    return CallExport(CefApi.cef_cookie_manager_get_global_manager, callback);
  }
  static rtl::TRef<ICefCookieManager> GlobalProc(const TCefCompletionCallbackProc& callback);
  static rtl::TRef<ICefCookieManager> New(const std::wstring& path, bool persistSessionCookies,
      const rtl::TRef<ICefCompletionCallback>& callback) {
    return CallExport(CefApi.cef_cookie_manager_create_manager, path, persistSessionCookies,
                      callback);
  }
  static rtl::TRef<ICefCookieManager> NewProc(const std::wstring& path, bool persistSessionCookies,
      const TCefCompletionCallbackProc& callback);

  void SetSupportedSchemes(const std::vector<std::wstring>& schemes,
      const rtl::TRef<ICefCompletionCallback>& callback) override {
    Call<&C::set_supported_schemes>(schemes, callback);
  }
  bool VisitAllCookies(const rtl::TRef<ICefCookieVisitor>& visitor) override {
    return Call<&C::visit_all_cookies>(visitor);
  }
  bool VisitUrlCookies(const std::wstring& url, bool includeHttpOnly,
      const rtl::TRef<ICefCookieVisitor>& visitor) override {
    return Call<&C::visit_url_cookies>(url, includeHttpOnly, visitor);
  }
  bool SetCookie(const std::wstring& url, const cef_cookie_t* cookie,
      const rtl::TRef<ICefSetCookieCallback>& callback) override {
    return Call<&C::set_cookie>(url, cookie, callback);
  }
  bool DeleteCookies(const std::wstring& url, const std::wstring& cookie_name,
      const rtl::TRef<ICefDeleteCookiesCallback>& callback) override {
    return Call<&C::delete_cookies>(url, cookie_name, callback);
  }
  bool SetStoragePath(const std::wstring& path, bool persist_session_cookies,
      const rtl::TRef<ICefCompletionCallback>& callback) override {
    return Call<&C::set_storage_path>(path, persist_session_cookies, callback);
  }
  bool FlushStore(const rtl::TRef<ICefCompletionCallback>& callback) override {
    return Call<&C::flush_store>(callback);
  }
};

class TCefWebPluginInfoRef : public TCefRef<cef_web_plugin_info_t, ICefWebPluginInfo> {
public:
  using TCefRef::TCefRef;
  std::wstring GetName() override { return Call<&C::get_name>(); }
  std::wstring GetPath() override { return Call<&C::get_path>(); }
  std::wstring GetVersion() override { return Call<&C::get_version>(); }
  std::wstring GetDescription() override { return Call<&C::get_description>(); }
};

class TCefUrlRequestRef : public TCefRef<cef_urlrequest_t, ICefUrlRequest> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefUrlRequest> New(const rtl::TRef<ICefRequest>& request,
      const rtl::TRef<ICefUrlrequestClient>& client,
      const rtl::TRef<ICefRequestContext>& requestContext) {
    return CallExport(CefApi.cef_urlrequest_create, request, client, requestContext);
  }

  rtl::TRef<ICefRequest> GetRequest() override { return Call<&C::get_request>(); }
  rtl::TRef<ICefUrlrequestClient> GetClient() override { return Call<&C::get_client>(); }
  cef_urlrequest_status_t GetRequestStatus() override { return Call<&C::get_request_status>(); }
  cef_errorcode_t GetRequestError() override { return Call<&C::get_request_error>(); }
  rtl::TRef<ICefResponse> GetResponse() override { return Call<&C::get_response>(); }
  void Cancel() override { Call<&C::cancel>(); }
};

class TCefRequestContextRef : public TCefRef<cef_request_context_t, ICefRequestContext> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefRequestContext> Global() {
    return CallExport(CefApi.cef_request_context_get_global_context);
  }
  static rtl::TRef<ICefRequestContext> New(const cef_request_context_settings_t& settings,
      const rtl::TRef<ICefRequestContextHandler>& handler) {
    return CallExport(CefApi.cef_request_context_create_context, settings, handler);
  }
  static rtl::TRef<ICefRequestContext> Shared(const rtl::TRef<ICefRequestContext>& other,
      const rtl::TRef<ICefRequestContextHandler>& handler) {
    return CallExport(CefApi.create_context_shared, other, handler);
  }

  bool IsSame(const rtl::TRef<ICefRequestContext>& other) override { return Call<&C::is_same>(other); }
  bool IsSharingWith(const rtl::TRef<ICefRequestContext>& other) override {
    return Call<&C::is_sharing_with>(other);
  }
  bool IsGlobal() override { return Call<&C::is_global>(); }
  rtl::TRef<ICefRequestContextHandler> GetHandler() override { return Call<&C::get_handler>(); }
  std::wstring GetCachePath() override { return Call<&C::get_cache_path>(); }
  rtl::TRef<ICefCookieManager> GetDefaultCookieManager(
      const rtl::TRef<ICefCompletionCallback>& callback) override {
    return Call<&C::get_default_cookie_manager>(callback);
  }
  bool RegisterSchemeHandlerFactory(const std::wstring& scheme_name,
      const std::wstring& domain_name, const rtl::TRef<ICefSchemeHandlerFactory>& factory) override {
    return Call<&C::register_scheme_handler_factory>(scheme_name, domain_name, factory);
  }
  bool ClearSchemeHandlerFactories() override { return Call<&C::clear_scheme_handler_factories>(); }
  void PurgePluginListCache(bool reload_pages) override { Call<&C::purge_plugin_list_cache>(reload_pages); }
  bool HasPreference(const std::wstring& name) override { return Call<&C::has_preference>(name); }
  rtl::TRef<ICefValue> GetPreference(const std::wstring& name) override {
    return Call<&C::get_preference>(name);
  }
  rtl::TRef<ICefDictionaryValue> GetAllPreferences(bool include_defaults) override {
    return Call<&C::get_all_preferences>(include_defaults);
  }
  bool CanSetPreference(const std::wstring& name) override { return Call<&C::can_set_preference>(name); }
  bool SetPreference(const std::wstring& name, const rtl::TRef<ICefValue>& value,
      std::wstring& error) override {
    return Call<&C::set_preference>(name, value, error);
  }
  void ClearCertificateExceptions(const rtl::TRef<ICefCompletionCallback>& callback) override {
    Call<&C::clear_certificate_exceptions>(callback);
  }
  void CloseAllConnections(const rtl::TRef<ICefCompletionCallback>& callback) override {
    Call<&C::close_all_connections>(callback);
  }
  void ResolveHost(const std::wstring& origin, cef_resolve_callback_t* callback) override {
    Call<&C::resolve_host>(origin, callback);
  }
  cef_errorcode_t ResolveHostCached(const std::wstring& origin,
      const std::vector<std::wstring>& resolved_ips) override {
    return Call<&C::resolve_host_cached>(origin, resolved_ips);
  }
};

class TCefRequestContextHandlerRef : public TCefRef<cef_request_context_handler_t, ICefRequestContextHandler> {
public:
  using TCefRef::TCefRef;
  rtl::TRef<ICefCookieManager> GetCookieManager() override { return Call<&C::get_cookie_manager>(); }
  bool OnBeforePluginLoad(const std::wstring& mime_type, const std::wstring& plugin_url,
      const std::wstring& top_origin_url, const rtl::TRef<ICefWebPluginInfo>& plugin_info,
      cef_plugin_policy_t& plugin_policy) override {
    return Call<&C::on_before_plugin_load>(mime_type, plugin_url, top_origin_url, plugin_info, plugin_policy);
  }
};
