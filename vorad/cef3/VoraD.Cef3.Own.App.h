#pragma once
// Own classes of the application and its processes: the app, the process handlers, the resource
// bundle and resource handlers, the scheme factory, and the script handler and accessor.
//
// Each is TCefOwn of its structure and interface (VoraD.Cef3.Own.Base.h), with FillEntries, the
// table that fills the entries from the interface's operations, in the area's source. The
// interface's default bodies do nothing and answer false, null or empty until overridden.
#include <string>

#include "vorad/cef3/VoraD.Cef3.Own.Base.h"

using TCefAppOwn = TCefOwn<cef_app_t, ICefApp>;
void FillEntries(TCefAppOwn* self);
using TCefBrowserProcessHandlerOwn =
    TCefOwn<cef_browser_process_handler_t, ICefBrowserProcessHandler>;
void FillEntries(TCefBrowserProcessHandlerOwn* self);
using TCefRenderProcessHandlerOwn = TCefOwn<cef_render_process_handler_t, ICefRenderProcessHandler>;
void FillEntries(TCefRenderProcessHandlerOwn* self);
using TCefResourceBundleHandlerOwn =
    TCefOwn<cef_resource_bundle_handler_t, ICefResourceBundleHandler>;
void FillEntries(TCefResourceBundleHandlerOwn* self);

class TCefResourceHandlerOwn : public TCefOwn<cef_resource_handler_t, ICefResourceHandler> {
public:
  TCefResourceHandlerOwn() = default;
  // The constructor a scheme handler factory uses for every request.
  TCefResourceHandlerOwn(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
      const std::wstring& schemeName, const rtl::TRef<ICefRequest>& request);
};
void FillEntries(TCefOwn<cef_resource_handler_t, ICefResourceHandler>* self);

class TCefSchemeHandlerFactoryOwn
    : public TCefOwn<cef_scheme_handler_factory_t, ICefSchemeHandlerFactory> {
public:
  TCefSchemeHandlerFactoryOwn() = default;
  explicit TCefSchemeHandlerFactoryOwn(TCefResourceHandlerClass handlerClass);
  // A new handler from the class given at construction; null without one.
  rtl::TRef<ICefResourceHandler> Create(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const std::wstring& scheme_name, const rtl::TRef<ICefRequest>& request) override;

private:
  TCefResourceHandlerClass FClass;
};
void FillEntries(TCefOwn<cef_scheme_handler_factory_t, ICefSchemeHandlerFactory>* self);

// The script handler's interface is also a runtime object's (TCefv8HandlerRef), so it has no
// default body: this class gives it.
class TCefv8HandlerOwn : public TCefOwn<cef_v8handler_t, ICefv8Handler> {
public:
  bool Execute(const std::wstring&, const rtl::TRef<ICefv8Value>&, const TCefv8ValueArray&,
      rtl::TRef<ICefv8Value>&, std::wstring&) override { return false; }
};
void FillEntries(TCefOwn<cef_v8handler_t, ICefv8Handler>* self);

using TCefV8AccessorOwn = TCefOwn<cef_v8accessor_t, ICefV8Accessor>;
void FillEntries(TCefV8AccessorOwn* self);

// The accessor over two callables (getter, setter); an empty one answers false.
class TCefFastV8Accessor : public TCefV8AccessorOwn {
  TCefV8AccessorGetterProc FGetter;
  TCefV8AccessorSetterProc FSetter;

public:
  TCefFastV8Accessor(TCefV8AccessorGetterProc getter, TCefV8AccessorSetterProc setter)
      : FGetter(std::move(getter)), FSetter(std::move(setter)) {}
  bool Get(const std::wstring& name, const rtl::TRef<ICefv8Value>& object, rtl::TRef<ICefv8Value>& retval,
      std::wstring& exception) override {
    return FGetter ? FGetter(name, object, retval, exception) : bool{};
  }
  bool Set(const std::wstring& name, const rtl::TRef<ICefv8Value>& object,
      const rtl::TRef<ICefv8Value>& value, std::wstring& exception) override {
    return FSetter ? FSetter(name, object, value, exception) : bool{};
  }
};
