#pragma once
// Interfaces over the runtime structures: requests, responses, cookies, plug-ins, contexts.
// Part of VoraD.Cef3.Interfaces.h, which declares every name used here: include that header.

// cef_post_data_t: runtime object.
class ICefPostData : public virtual ICefBase {
public:
  virtual bool IsReadOnly() = 0;
  virtual bool HasExcludedElements() = 0;
  virtual size_t GetElementCount() = 0;
  virtual void GetElements(std::vector<rtl::TRef<ICefPostDataElement>>& elements) = 0;
  virtual bool RemoveElement(const rtl::TRef<ICefPostDataElement>& element) = 0;
  virtual bool AddElement(const rtl::TRef<ICefPostDataElement>& element) = 0;
  virtual void RemoveElements() = 0;
};

// cef_post_data_element_t: runtime object.
class ICefPostDataElement : public virtual ICefBase {
public:
  virtual bool IsReadOnly() = 0;
  virtual void SetToEmpty() = 0;
  virtual void SetToFile(const std::wstring& fileName) = 0;
  virtual void SetToBytes(size_t size, const void* bytes) = 0;
  virtual cef_postdataelement_type_t GetType() = 0;
  virtual std::wstring GetFile() = 0;
  virtual size_t GetBytesCount() = 0;
  virtual size_t GetBytes(size_t size, void* bytes) = 0;
};

// cef_request_t: runtime object.
class ICefRequest : public virtual ICefBase {
public:
  virtual bool IsReadOnly() = 0;
  virtual std::wstring GetUrl() = 0;
  virtual void SetUrl(const std::wstring& url) = 0;
  virtual std::wstring GetMethod() = 0;
  virtual void SetMethod(const std::wstring& method) = 0;
  virtual void SetReferrer(const std::wstring& referrer_url, cef_referrer_policy_t policy) = 0;
  virtual std::wstring GetReferrerUrl() = 0;
  virtual cef_referrer_policy_t GetReferrerPolicy() = 0;
  virtual rtl::TRef<ICefPostData> GetPostData() = 0;
  virtual void SetPostData(const rtl::TRef<ICefPostData>& postData) = 0;
  virtual void GetHeaderMap(cef_string_multimap_t headerMap) = 0;
  virtual void SetHeaderMap(cef_string_multimap_t headerMap) = 0;
  virtual void Set(const std::wstring& url, const std::wstring& method,
      const rtl::TRef<ICefPostData>& postData, cef_string_multimap_t headerMap) = 0;
  virtual int GetFlags() = 0;
  virtual void SetFlags(int flags) = 0;
  virtual std::wstring GetFirstPartyForCookies() = 0;
  virtual void SetFirstPartyForCookies(const std::wstring& url) = 0;
  virtual cef_resource_type_t GetResourceType() = 0;
  virtual cef_transition_type_t GetTransitionType() = 0;
  virtual uint64_t GetIdentifier() = 0;
};

// cef_response_t: runtime object.
class ICefResponse : public virtual ICefBase {
public:
  virtual bool IsReadOnly() = 0;
  virtual int GetStatus() = 0;
  virtual void SetStatus(int status) = 0;
  virtual std::wstring GetStatusText() = 0;
  virtual void SetStatusText(const std::wstring& statusText) = 0;
  virtual std::wstring GetMimeType() = 0;
  virtual void SetMimeType(const std::wstring& mimeType) = 0;
  virtual std::wstring GetHeader(const std::wstring& name) = 0;
  virtual void GetHeaderMap(cef_string_multimap_t headerMap) = 0;
  virtual void SetHeaderMap(cef_string_multimap_t headerMap) = 0;
};

// cef_cookie_manager_t: runtime object.
class ICefCookieManager : public virtual ICefBase {
public:
  virtual void SetSupportedSchemes(const std::vector<std::wstring>& schemes,
      const rtl::TRef<ICefCompletionCallback>& callback) = 0;
  virtual bool VisitAllCookies(const rtl::TRef<ICefCookieVisitor>& visitor) = 0;
  virtual bool VisitUrlCookies(const std::wstring& url, bool includeHttpOnly,
      const rtl::TRef<ICefCookieVisitor>& visitor) = 0;
  virtual bool SetCookie(const std::wstring& url, const cef_cookie_t* cookie,
      const rtl::TRef<ICefSetCookieCallback>& callback) = 0;
  virtual bool DeleteCookies(const std::wstring& url, const std::wstring& cookie_name,
      const rtl::TRef<ICefDeleteCookiesCallback>& callback) = 0;
  virtual bool SetStoragePath(const std::wstring& path, bool persist_session_cookies,
      const rtl::TRef<ICefCompletionCallback>& callback) = 0;
  virtual bool FlushStore(const rtl::TRef<ICefCompletionCallback>& callback) = 0;
};

// cef_web_plugin_info_t: runtime object.
class ICefWebPluginInfo : public virtual ICefBase {
public:
  virtual std::wstring GetName() = 0;
  virtual std::wstring GetPath() = 0;
  virtual std::wstring GetVersion() = 0;
  virtual std::wstring GetDescription() = 0;
};

// cef_urlrequest_t: runtime object.
class ICefUrlRequest : public virtual ICefBase {
public:
  virtual rtl::TRef<ICefRequest> GetRequest() = 0;
  virtual rtl::TRef<ICefUrlrequestClient> GetClient() = 0;
  virtual cef_urlrequest_status_t GetRequestStatus() = 0;
  virtual cef_errorcode_t GetRequestError() = 0;
  virtual rtl::TRef<ICefResponse> GetResponse() = 0;
  virtual void Cancel() = 0;
};

// cef_request_context_t: runtime object.
class ICefRequestContext : public virtual ICefBase {
public:
  virtual bool IsSame(const rtl::TRef<ICefRequestContext>& other) = 0;
  virtual bool IsSharingWith(const rtl::TRef<ICefRequestContext>& other) = 0;
  virtual bool IsGlobal() = 0;
  virtual rtl::TRef<ICefRequestContextHandler> GetHandler() = 0;
  virtual std::wstring GetCachePath() = 0;
  virtual rtl::TRef<ICefCookieManager> GetDefaultCookieManager(
      const rtl::TRef<ICefCompletionCallback>& callback) = 0;
  virtual bool RegisterSchemeHandlerFactory(const std::wstring& scheme_name,
      const std::wstring& domain_name, const rtl::TRef<ICefSchemeHandlerFactory>& factory) = 0;
  virtual bool ClearSchemeHandlerFactories() = 0;
  virtual void PurgePluginListCache(bool reload_pages) = 0;
  virtual bool HasPreference(const std::wstring& name) = 0;
  virtual rtl::TRef<ICefValue> GetPreference(const std::wstring& name) = 0;
  virtual rtl::TRef<ICefDictionaryValue> GetAllPreferences(bool include_defaults) = 0;
  virtual bool CanSetPreference(const std::wstring& name) = 0;
  virtual bool SetPreference(const std::wstring& name, const rtl::TRef<ICefValue>& value,
      std::wstring& error) = 0;
  virtual void ClearCertificateExceptions(const rtl::TRef<ICefCompletionCallback>& callback) = 0;
  virtual void CloseAllConnections(const rtl::TRef<ICefCompletionCallback>& callback) = 0;
  virtual void ResolveHost(const std::wstring& origin, cef_resolve_callback_t* callback) = 0;
  virtual cef_errorcode_t ResolveHostCached(const std::wstring& origin,
      const std::vector<std::wstring>& resolved_ips) = 0;
};

// cef_request_context_handler_t: runtime object.
class ICefRequestContextHandler : public virtual ICefBase {
public:
  virtual rtl::TRef<ICefCookieManager> GetCookieManager() = 0;
  virtual bool OnBeforePluginLoad(const std::wstring& mime_type, const std::wstring& plugin_url,
      const std::wstring& top_origin_url, const rtl::TRef<ICefWebPluginInfo>& plugin_info,
      cef_plugin_policy_t& plugin_policy) = 0;
};
