#pragma once
// Own classes of the application and its processes: the app, the process handlers, the resource
// bundle and resource handlers, the scheme factory, and the script handler and accessor.
//
// Every operation does nothing and answers false, null or empty until a subclass overrides it;
// parameter names and threads are those of the interface (VoraD.Cef3.Interfaces.h). The
// structure's entries are filled in the constructor (VoraD.Cef3.Adapter.h shows how).
#include <string>
#include <vector>

#include "vorad/cef3/VoraD.Cef3.Own.Base.h"

class TCefAppOwn : public TCefOwn<cef_app_t>, public virtual ICefApp {
public:
  TCefAppOwn();
  void OnBeforeCommandLineProcessing(const std::wstring&, const rtl::TRef<ICefCommandLine>&) override {}
  void OnRegisterCustomSchemes(const rtl::TRef<ICefSchemeRegistrar>&) override {}
  rtl::TRef<ICefResourceBundleHandler> GetResourceBundleHandler() override { return {}; }
  rtl::TRef<ICefBrowserProcessHandler> GetBrowserProcessHandler() override { return {}; }
  rtl::TRef<ICefRenderProcessHandler> GetRenderProcessHandler() override { return {}; }
};

class TCefBrowserProcessHandlerOwn : public TCefOwn<cef_browser_process_handler_t>,
    public virtual ICefBrowserProcessHandler {
public:
  TCefBrowserProcessHandlerOwn();
  void OnContextInitialized() override {}
  void OnBeforeChildProcessLaunch(const rtl::TRef<ICefCommandLine>&) override {}
  void OnRenderProcessThreadCreated(const rtl::TRef<ICefListValue>&) override {}
  // entry left null: never called by the runtime
  cef_print_handler_t* GetPrintHandler() override { return {}; }
};

class TCefRenderProcessHandlerOwn : public TCefOwn<cef_render_process_handler_t>,
    public virtual ICefRenderProcessHandler {
public:
  TCefRenderProcessHandlerOwn();
  void OnRenderThreadCreated(const rtl::TRef<ICefListValue>&) override {}
  void OnWebKitInitialized() override {}
  void OnBrowserCreated(const rtl::TRef<ICefBrowser>&) override {}
  void OnBrowserDestroyed(const rtl::TRef<ICefBrowser>&) override {}
  rtl::TRef<ICefLoadHandler> GetLoadHandler() override { return {}; }
  bool OnBeforeNavigation(const rtl::TRef<ICefBrowser>&, const rtl::TRef<ICefFrame>&,
      const rtl::TRef<ICefRequest>&, cef_navigation_type_t, bool) override { return false; }
  void OnContextCreated(const rtl::TRef<ICefBrowser>&, const rtl::TRef<ICefFrame>&,
      const rtl::TRef<ICefv8Context>&) override {}
  void OnContextReleased(const rtl::TRef<ICefBrowser>&, const rtl::TRef<ICefFrame>&,
      const rtl::TRef<ICefv8Context>&) override {}
  void OnUncaughtException(const rtl::TRef<ICefBrowser>&, const rtl::TRef<ICefFrame>&,
      const rtl::TRef<ICefv8Context>&, const rtl::TRef<ICefV8Exception>&,
      const rtl::TRef<ICefV8StackTrace>&) override {}
  void OnFocusedNodeChanged(const rtl::TRef<ICefBrowser>&, const rtl::TRef<ICefFrame>&,
      const rtl::TRef<ICefDomNode>&) override {}
  bool OnProcessMessageReceived(const rtl::TRef<ICefBrowser>&, cef_process_id_t,
      const rtl::TRef<ICefProcessMessage>&) override { return false; }
};

class TCefResourceBundleHandlerOwn : public TCefOwn<cef_resource_bundle_handler_t>,
    public virtual ICefResourceBundleHandler {
public:
  TCefResourceBundleHandlerOwn();
  bool GetLocalizedString(int, std::wstring&) override { return false; }
  bool GetDataResource(int, void*&, size_t&) override { return false; }
  bool GetDataResourceForScale(int, cef_scale_factor_t, void*&, size_t&) override { return false; }
};

class TCefResourceHandlerOwn : public TCefOwn<cef_resource_handler_t>, public virtual ICefResourceHandler {
public:
  TCefResourceHandlerOwn();
  // The constructor a scheme handler factory uses for every request.
  TCefResourceHandlerOwn(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
      const std::wstring& schemeName, const rtl::TRef<ICefRequest>& request);
  bool ProcessRequest(const rtl::TRef<ICefRequest>&,
      const rtl::TRef<ICefCallback>&) override { return false; }
  void GetResponseHeaders(const rtl::TRef<ICefResponse>&, int64_t&, std::wstring&) override {}
  bool ReadResponse(void*, int, int&, const rtl::TRef<ICefCallback>&) override { return false; }
  bool CanGetCookie(const cef_cookie_t*) override { return false; }
  bool CanSetCookie(const cef_cookie_t*) override { return false; }
  void Cancel() override {}
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
  bool Get(const std::wstring&, const rtl::TRef<ICefv8Value>&, rtl::TRef<ICefv8Value>&,
      std::wstring&) override { return false; }
  bool Set(const std::wstring&, const rtl::TRef<ICefv8Value>&, const rtl::TRef<ICefv8Value>&,
      std::wstring&) override { return false; }
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
