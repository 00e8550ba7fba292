#pragma once
// Own classes the runtime calls back once or per item: visitors, completion callbacks, the
// URL request client, tasks; and the callable wrappers (TCefFast...) over them.
//
// Each is TCefOwn of its structure and interface (VoraD.Cef3.Own.Base.h), with FillEntries, the
// table that fills the entries from the interface's operations, in the area's source. The
// interface's default bodies do nothing and answer false, null or empty until overridden.
#include <string>
#include <vector>

#include "vorad/cef3/VoraD.Cef3.Own.Base.h"

using TCefUrlrequestClientOwn = TCefOwn<cef_urlrequest_client_t, ICefUrlrequestClient>;
void FillEntries(TCefUrlrequestClientOwn* self);
using TCefTaskOwn = TCefOwn<cef_task_t, ICefTask>;
void FillEntries(TCefTaskOwn* self);
using TCefDomVisitorOwn = TCefOwn<cef_domvisitor_t, ICefDomVisitor>;
void FillEntries(TCefDomVisitorOwn* self);
using TCefStringVisitorOwn = TCefOwn<cef_string_visitor_t, ICefStringVisitor>;
void FillEntries(TCefStringVisitorOwn* self);
using TCefCookieVisitorOwn = TCefOwn<cef_cookie_visitor_t, ICefCookieVisitor>;
void FillEntries(TCefCookieVisitorOwn* self);
using TCefSetCookieCallbackOwn = TCefOwn<cef_set_cookie_callback_t, ICefSetCookieCallback>;
void FillEntries(TCefSetCookieCallbackOwn* self);
using TCefDeleteCookiesCallbackOwn =
    TCefOwn<cef_delete_cookies_callback_t, ICefDeleteCookiesCallback>;
void FillEntries(TCefDeleteCookiesCallbackOwn* self);
using TCefCompletionCallbackOwn = TCefOwn<cef_completion_callback_t, ICefCompletionCallback>;
void FillEntries(TCefCompletionCallbackOwn* self);
using TCefRunFileDialogCallbackOwn =
    TCefOwn<cef_run_file_dialog_callback_t, ICefRunFileDialogCallback>;
void FillEntries(TCefRunFileDialogCallbackOwn* self);
using TCefWebPluginInfoVisitorOwn =
    TCefOwn<cef_web_plugin_info_visitor_t, ICefWebPluginInfoVisitor>;
void FillEntries(TCefWebPluginInfoVisitorOwn* self);
using TCefWebPluginUnstableCallbackOwn =
    TCefOwn<cef_web_plugin_unstable_callback_t, ICefWebPluginUnstableCallback>;
void FillEntries(TCefWebPluginUnstableCallbackOwn* self);
using TCefNavigationEntryVisitorOwn =
    TCefOwn<cef_navigation_entry_visitor_t, ICefNavigationEntryVisitor>;
void FillEntries(TCefNavigationEntryVisitorOwn* self);
using TCefPdfPrintCallbackOwn = TCefOwn<cef_pdf_print_callback_t, ICefPdfPrintCallback>;
void FillEntries(TCefPdfPrintCallbackOwn* self);

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
