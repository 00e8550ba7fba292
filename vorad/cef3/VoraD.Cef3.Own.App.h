#pragma once
// Own classes of the application and its processes: the app, the process handlers, the resource
// bundle and resource handlers, the scheme factory, and the script handler and accessor.
//
// Each class is its constructor, which fills the structure's entries from the operations of
// the interface (VoraD.Cef3.Adapter.h shows how); the interface's default bodies do nothing and
// answer false, null or empty until a subclass overrides them.
#include <string>
#include <vector>

#include "vorad/cef3/VoraD.Cef3.Own.Base.h"

class TCefAppOwn : public TCefOwn<cef_app_t>, public virtual ICefApp {
public:
  TCefAppOwn();
};

class TCefBrowserProcessHandlerOwn : public TCefOwn<cef_browser_process_handler_t>,
    public virtual ICefBrowserProcessHandler {
public:
  TCefBrowserProcessHandlerOwn();
};

class TCefRenderProcessHandlerOwn : public TCefOwn<cef_render_process_handler_t>,
    public virtual ICefRenderProcessHandler {
public:
  TCefRenderProcessHandlerOwn();
};

class TCefResourceBundleHandlerOwn : public TCefOwn<cef_resource_bundle_handler_t>,
    public virtual ICefResourceBundleHandler {
public:
  TCefResourceBundleHandlerOwn();
};

class TCefResourceHandlerOwn : public TCefOwn<cef_resource_handler_t>, public virtual ICefResourceHandler {
public:
  TCefResourceHandlerOwn();
  // The constructor a scheme handler factory uses for every request.
  TCefResourceHandlerOwn(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
      const std::wstring& schemeName, const rtl::TRef<ICefRequest>& request);
};

class TCefSchemeHandlerFactoryOwn : public TCefOwn<cef_scheme_handler_factory_t>,
    public virtual ICefSchemeHandlerFactory {
public:
  TCefSchemeHandlerFactoryOwn();
  explicit TCefSchemeHandlerFactoryOwn(TCefResourceHandlerClass handlerClass);
  // A new handler from the class given at construction; null without one.
  rtl::TRef<ICefResourceHandler> Create(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefFrame>& frame, const std::wstring& scheme_name, const rtl::TRef<ICefRequest>& request) override;

private:
  TCefResourceHandlerClass FClass;
};

class TCefv8HandlerOwn : public TCefOwn<cef_v8handler_t>, public virtual ICefv8Handler {
public:
  TCefv8HandlerOwn();
  bool Execute(const std::wstring&, const rtl::TRef<ICefv8Value>&, const TCefv8ValueArray&,
      rtl::TRef<ICefv8Value>&, std::wstring&) override { return false; }
};

class TCefV8AccessorOwn : public TCefOwn<cef_v8accessor_t>, public virtual ICefV8Accessor {
public:
  TCefV8AccessorOwn();
};

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
