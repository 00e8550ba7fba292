#pragma once
// Own classes the runtime calls back once or per item: visitors, completion callbacks, the
// URL request client, tasks; and the callable wrappers (TCefFast...) over them.
//
// Each class is its constructor, which fills the structure's entries from the operations of
// the interface (VoraD.Cef3.Adapter.h shows how); the interface's default bodies do nothing and
// answer false, null or empty until a subclass overrides them.
#include <string>
#include <vector>

#include "vorad/cef3/VoraD.Cef3.Own.Base.h"

class TCefUrlrequestClientOwn : public TCefOwn<cef_urlrequest_client_t>, public virtual ICefUrlrequestClient {
public:
  TCefUrlrequestClientOwn();
};

class TCefTaskOwn : public TCefOwn<cef_task_t>, public virtual ICefTask {
public:
  TCefTaskOwn();
};

class TCefDomVisitorOwn : public TCefOwn<cef_domvisitor_t>, public virtual ICefDomVisitor {
public:
  TCefDomVisitorOwn();
};

class TCefStringVisitorOwn : public TCefOwn<cef_string_visitor_t>, public virtual ICefStringVisitor {
public:
  TCefStringVisitorOwn();
};

class TCefCookieVisitorOwn : public TCefOwn<cef_cookie_visitor_t>, public virtual ICefCookieVisitor {
public:
  TCefCookieVisitorOwn();
};

class TCefSetCookieCallbackOwn : public TCefOwn<cef_set_cookie_callback_t>,
    public virtual ICefSetCookieCallback {
public:
  TCefSetCookieCallbackOwn();
};

class TCefDeleteCookiesCallbackOwn : public TCefOwn<cef_delete_cookies_callback_t>,
    public virtual ICefDeleteCookiesCallback {
public:
  TCefDeleteCookiesCallbackOwn();
};

class TCefCompletionCallbackOwn : public TCefOwn<cef_completion_callback_t>,
    public virtual ICefCompletionCallback {
public:
  TCefCompletionCallbackOwn();
};

class TCefRunFileDialogCallbackOwn : public TCefOwn<cef_run_file_dialog_callback_t>,
    public virtual ICefRunFileDialogCallback {
public:
  TCefRunFileDialogCallbackOwn();
};

class TCefWebPluginInfoVisitorOwn : public TCefOwn<cef_web_plugin_info_visitor_t>,
    public virtual ICefWebPluginInfoVisitor {
public:
  TCefWebPluginInfoVisitorOwn();
};

class TCefWebPluginUnstableCallbackOwn : public TCefOwn<cef_web_plugin_unstable_callback_t>,
    public virtual ICefWebPluginUnstableCallback {
public:
  TCefWebPluginUnstableCallbackOwn();
};

class TCefNavigationEntryVisitorOwn : public TCefOwn<cef_navigation_entry_visitor_t>,
    public virtual ICefNavigationEntryVisitor {
public:
  TCefNavigationEntryVisitorOwn();
};

class TCefPdfPrintCallbackOwn : public TCefOwn<cef_pdf_print_callback_t>,
    public virtual ICefPdfPrintCallback {
public:
  TCefPdfPrintCallbackOwn();
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
