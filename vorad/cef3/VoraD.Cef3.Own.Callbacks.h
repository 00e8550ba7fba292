#pragma once
// Own classes the runtime calls back once or per item: visitors, completion callbacks, the
// URL request client, tasks; and the callable wrappers (TCefFast...) over them.
//
// Every operation does nothing and answers false, null or empty until a subclass overrides it;
// parameter names and threads are those of the interface (VoraD.Cef3.Interfaces.h). The
// structure's entries are filled in the constructor (VoraD.Cef3.Adapter.h shows how).
#include <string>
#include <vector>

#include "vorad/cef3/VoraD.Cef3.Own.Base.h"

class TCefUrlrequestClientOwn : public TCefOwn<cef_urlrequest_client_t>, public virtual ICefUrlrequestClient {
public:
  TCefUrlrequestClientOwn();
  void OnRequestComplete(const rtl::TRef<ICefUrlRequest>&) override {}
  void OnUploadProgress(const rtl::TRef<ICefUrlRequest>&, int64_t, int64_t) override {}
  void OnDownloadProgress(const rtl::TRef<ICefUrlRequest>&, int64_t, int64_t) override {}
  void OnDownloadData(const rtl::TRef<ICefUrlRequest>&, const void*, size_t) override {}
  bool GetAuthCredentials(bool, const std::wstring&, int, const std::wstring&, const std::wstring&,
      const rtl::TRef<ICefAuthCallback>&) override { return false; }
};

class TCefTaskOwn : public TCefOwn<cef_task_t>, public virtual ICefTask {
public:
  TCefTaskOwn();
  void Execute() override {}
};

class TCefDomVisitorOwn : public TCefOwn<cef_domvisitor_t>, public virtual ICefDomVisitor {
public:
  TCefDomVisitorOwn();
  void Visit(const rtl::TRef<ICefDomDocument>&) override {}
};

class TCefStringVisitorOwn : public TCefOwn<cef_string_visitor_t>, public virtual ICefStringVisitor {
public:
  TCefStringVisitorOwn();
  void Visit(const std::wstring&) override {}
};

class TCefCookieVisitorOwn : public TCefOwn<cef_cookie_visitor_t>, public virtual ICefCookieVisitor {
public:
  TCefCookieVisitorOwn();
  bool Visit(const cef_cookie_t*, int, int, int&) override { return false; }
};

class TCefSetCookieCallbackOwn : public TCefOwn<cef_set_cookie_callback_t>,
    public virtual ICefSetCookieCallback {
public:
  TCefSetCookieCallbackOwn();
  void OnComplete(bool) override {}
};

class TCefDeleteCookiesCallbackOwn : public TCefOwn<cef_delete_cookies_callback_t>,
    public virtual ICefDeleteCookiesCallback {
public:
  TCefDeleteCookiesCallbackOwn();
  void OnComplete(int) override {}
};

class TCefCompletionCallbackOwn : public TCefOwn<cef_completion_callback_t>,
    public virtual ICefCompletionCallback {
public:
  TCefCompletionCallbackOwn();
  void OnComplete() override {}
};

class TCefRunFileDialogCallbackOwn : public TCefOwn<cef_run_file_dialog_callback_t>,
    public virtual ICefRunFileDialogCallback {
public:
  TCefRunFileDialogCallbackOwn();
  void OnFileDialogDismissed(int, const std::vector<std::wstring>&) override {}
};

class TCefWebPluginInfoVisitorOwn : public TCefOwn<cef_web_plugin_info_visitor_t>,
    public virtual ICefWebPluginInfoVisitor {
public:
  TCefWebPluginInfoVisitorOwn();
  bool Visit(const rtl::TRef<ICefWebPluginInfo>&, int, int) override { return false; }
};

class TCefWebPluginUnstableCallbackOwn : public TCefOwn<cef_web_plugin_unstable_callback_t>,
    public virtual ICefWebPluginUnstableCallback {
public:
  TCefWebPluginUnstableCallbackOwn();
  void IsUnstable(const std::wstring&, bool) override {}
};

class TCefNavigationEntryVisitorOwn : public TCefOwn<cef_navigation_entry_visitor_t>,
    public virtual ICefNavigationEntryVisitor {
public:
  TCefNavigationEntryVisitorOwn();
  bool Visit(const rtl::TRef<ICefNavigationEntry>&, bool, int, int) override { return false; }
};

class TCefPdfPrintCallbackOwn : public TCefOwn<cef_pdf_print_callback_t>,
    public virtual ICefPdfPrintCallback {
public:
  TCefPdfPrintCallbackOwn();
  void OnPdfPrintFinished(const std::wstring&, bool) override {}
};

// ---- Callable wrappers (TCefFast): an empty callable answers false / does nothing.

class TCefFastCompletionCallback : public TCefFast<TCefCompletionCallbackOwn, TCefCompletionCallbackProc> {
public:
  using TCefFast::TCefFast;
  void OnComplete() override { if (FProc) FProc(); }
};

class TCefFastCookieVisitor : public TCefFast<TCefCookieVisitorOwn, TCefCookieVisitorProc> {
public:
  using TCefFast::TCefFast;
  bool Visit(const cef_cookie_t* cookie, int count, int total, int& deleteCookie) override {
    return FProc ? FProc(cookie, count, total, deleteCookie) : bool{};
  }
};

class TCefFastSetCookieCallback : public TCefFast<TCefSetCookieCallbackOwn, TCefSetCookieCallbackProc> {
public:
  using TCefFast::TCefFast;
  void OnComplete(bool success) override { if (FProc) FProc(success); }
};

class TCefFastDeleteCookiesCallback
    : public TCefFast<TCefDeleteCookiesCallbackOwn, TCefDeleteCookiesCallbackProc> {
public:
  using TCefFast::TCefFast;
  void OnComplete(int num_deleted) override { if (FProc) FProc(num_deleted); }
};

class TCefFastDomVisitor : public TCefFast<TCefDomVisitorOwn, TCefDomVisitorProc> {
public:
  using TCefFast::TCefFast;
  void Visit(const rtl::TRef<ICefDomDocument>& document) override { if (FProc) FProc(document); }
};

class TCefFastStringVisitor : public TCefFast<TCefStringVisitorOwn, TCefStringVisitorProc> {
public:
  using TCefFast::TCefFast;
  void Visit(const std::wstring& string) override { if (FProc) FProc(string); }
};

class TCefFastRunFileDialogCallback
    : public TCefFast<TCefRunFileDialogCallbackOwn, TCefRunFileDialogCallbackProc> {
public:
  using TCefFast::TCefFast;
  void OnFileDialogDismissed(int selected_accept_filter,
      const std::vector<std::wstring>& file_paths) override {
    if (FProc) FProc(selected_accept_filter, file_paths);
  }
};

class TCefFastWebPluginInfoVisitor
    : public TCefFast<TCefWebPluginInfoVisitorOwn, TCefWebPluginInfoVisitorProc> {
public:
  using TCefFast::TCefFast;
  bool Visit(const rtl::TRef<ICefWebPluginInfo>& info, int count, int total) override {
    return FProc ? FProc(info, count, total) : bool{};
  }
};

class TCefFastWebPluginUnstableCallback
    : public TCefFast<TCefWebPluginUnstableCallbackOwn, TCefWebPluginIsUnstableProc> {
public:
  using TCefFast::TCefFast;
  void IsUnstable(const std::wstring& path, bool unstable) override { if (FProc) FProc(path, unstable); }
};

class TCefFastNavigationEntryVisitor
    : public TCefFast<TCefNavigationEntryVisitorOwn, TCefNavigationEntryVisitorProc> {
public:
  using TCefFast::TCefFast;
  bool Visit(const rtl::TRef<ICefNavigationEntry>& entry, bool current, int index, int total) override {
    return FProc ? FProc(entry, current, index, total) : bool{};
  }
};

class TCefFastPdfPrintCallback : public TCefFast<TCefPdfPrintCallbackOwn, TOnPdfPrintFinishedProc> {
public:
  using TCefFast::TCefFast;
  void OnPdfPrintFinished(const std::wstring& path, bool ok) override { if (FProc) FProc(path, ok); }
};
