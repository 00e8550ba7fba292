#pragma once
// The runtime loader and the application object.
//
// TVoraDApp loads the runtime library at run time, resolves the 152 exports into CefApi (a
// single missing one means a wrong library), lets the runtime decide the process role and then
// either runs a sub-process role to its end or initialises the runtime in the browser process.
// Main thread only: Init, CefShutDown and the message-loop operations.
#include <windows.h>

#include <functional>
#include <string>

#include "rtl/Handles.h"
#include "rtl/SysUtils.h"
#include "vorad/cef3/VoraD.Cef3.Api.Table.h"
#include "vorad/cef3/VoraD.Cef3.Classes.h"
#include "vorad/cef3/VoraD.Cef3.Classes.Rtti.h"
#include "vorad/cef3/VoraD.Handler.BrowserProcess.h"
#include "vorad/cef3/VoraD.Handler.RenderProcess.h"
#include "vorad/cef3/VoraD.Handler.ResourceBundle.h"

class ECefException : public rtl::Exception {
public:
  using rtl::Exception::Exception;
};

using TOnBeforeCommandLineProcessing =
    std::function<void(const std::wstring& processType, const rtl::TRef<ICefCommandLine>& commandLine)>;
using TOnRegisterCustomSchemes = std::function<void(const rtl::TRef<ICefSchemeRegistrar>& registrar)>;

// The properties that go to the settings record: type, name, the record's member that
// BuildSettings fills from the field F<name> (strings as views), and the field's default where
// it is not zero, false or empty.
#define VORAD_APP_SETTINGS(X)                                               \
  X(std::wstring, CefCache, cache_path)                                     \
  X(std::wstring, CefUserAgent, user_agent)                                 \
  X(std::wstring, CefProductVersion, product_version)                       \
  X(std::wstring, CefLocale, locale)                                        \
  X(std::wstring, CefLogFile, log_file)                                     \
  X(std::wstring, CefJavaScriptFlags, javascript_flags)                     \
  X(std::wstring, CefResourcesDirPath, resources_dir_path)                  \
  X(std::wstring, CefLocalesDirPath, locales_dir_path)                      \
  X(bool, CefPackLoadingDisabled, pack_loading_disabled)                    \
  X(bool, CefSingleProcess, single_process, true)                           \
  X(bool, CefNoSandbox, no_sandbox)                                         \
  X(std::wstring, CefBrowserSubprocessPath, browser_subprocess_path)        \
  X(bool, CefCommandLineArgsDisabled, command_line_args_disabled)           \
  X(int32_t, CefRemoteDebuggingPort, remote_debugging_port)                 \
  X(int32_t, CefUncaughtExceptionStackSize, uncaught_exception_stack_size)  \
  X(int32_t, CefContextSafetyImplementation, context_safety_implementation) \
  X(bool, CefPersistSessionCookies, persist_session_cookies)                \
  X(bool, CefIgnoreCertificateErrors, ignore_certificate_errors)            \
  X(cef_color_t, CefBackgroundColor, background_color)                      \
  X(bool, CefWindowlessRenderingEnabled, windowless_rendering_enabled)

class TVoraDApp {
public:
  TVoraDApp() = default;
  TVoraDApp(const TVoraDApp&) = delete;
  TVoraDApp& operator=(const TVoraDApp&) = delete;

  // Browser process: loads and initialises the runtime, true. Sub-process: runs the role the
  // runtime was started for to its end, false. Already loaded: true at once.
  // Raises rtl::EOSError when the library cannot be loaded, ECefException "Invalid CEF Library
  // version" when an export is missing.
  bool Init();
  bool IsNeedInitInMainProcess() const { return !FCefSingleProcess && !FLibHandle; }
  // cef_shutdown (browser process only), then unloads the library. Nothing when not loaded.
  void CefShutDown();

  bool Loaded() const { return FLibHandle.Valid(); }
  bool IsMainProcess() const { return FCefIsMainProcess; }
  // The settings record Init passes (its strings are views of this object's fields).
  cef_settings_t BuildSettings() const;

  // ---- runtime operations (not loaded: see each)
  void CefDoMessageLoopWork();  // skip
  void CefRunMessageLoop();     // skip
  void CefQuitMessageLoop();    // the rest below raise "TVoraDApp.LoadLib must be called first"
  void CefSetOsModalLoop(bool loop);
  void CefEnableHighDpiSupport();
  bool CefBrowserHostCreate(const TCefWindowInfo& windowInfo, const rtl::TRef<ICefClient>& client,
                            const std::wstring& url, const TCefBrowserSettings& settings,
                            const rtl::TRef<ICefRequestContext>& RequestContext);
  rtl::TRef<ICefBrowser> CefBrowserHostCreateSync(const TCefWindowInfo& windowInfo,
                                                  const rtl::TRef<ICefClient>& client,
                                                  const std::wstring& url,
                                                  const TCefBrowserSettings& settings,
                                                  const rtl::TRef<ICefRequestContext>& RequestContext);
  bool CefRegisterSchemeHandlerFactory(const std::wstring& schemeName, const std::wstring& HostName,
                                       TCefResourceHandlerClass Handler);
  bool CefRegisterSchemeHandlerFactory(const std::wstring& schemeName, const std::wstring& HostName,
                                       const rtl::TRef<ICefSchemeHandlerFactory>& factory);
  bool CefClearSchemeHandlerFactories();
  bool CefAddCrossOriginWhitelistEntry(const std::wstring& SourceOrigin, const std::wstring& TargetProtocol,
                                       const std::wstring& TargetDomain, bool AllowTargetSubdomains);
  bool CefRemoveCrossOriginWhitelistEntry(const std::wstring& SourceOrigin,
                                          const std::wstring& TargetProtocol,
                                          const std::wstring& TargetDomain, bool AllowTargetSubdomains);
  bool CefClearCrossOriginWhitelist();
  void CefVisitWebPluginInfo(const rtl::TRef<ICefWebPluginInfoVisitor>& visitor);
  void CefVisitWebPluginInfoProc(const TCefWebPluginInfoVisitorProc& visitor);
  void CefRefreshWebPlugins();
  void CefAddWebPluginPath(const std::wstring& path);
  void CefAddWebPluginDirectory(const std::wstring& dir);
  void CefRemoveWebPluginPath(const std::wstring& path);
  void CefUnregisterInternalWebPlugin(const std::wstring& path);
  void CefForceWebPluginShutdown(const std::wstring& path);
  void CefRegisterWebPluginCrash(const std::wstring& path);
  void CefIsWebPluginUnstable(const std::wstring& path, const rtl::TRef<ICefWebPluginUnstableCallback>& callback);
  void CefIsWebPluginUnstableProc(const std::wstring& path, const TCefWebPluginIsUnstableProc& callback);

  // ---- publishing to page script (the render-process handler does it in render processes)
  // Appends each record to the registration list unless one with the same name and code is
  // there (records earlier in the same call count).
  void RegisterClasses(const TRegExtentionParArray& classes);
  // One record per class: its name, no code, no handler, the class reference as the value.
  void RegisterClasses(const std::vector<rtl::TClass>& classes);
  // Publishes `value` under `name`: a new TCefRTTIExtension on it, registered with the getter
  // and setter script of the name. Render thread, before page script runs.
  bool CefRegisterExtension(const std::wstring& name, const rtl::TValue& value);
  // cef_register_extension; true when the runtime accepted it. Raises "TVoraDApp.LoadLib must
  // be called first" when the library is not loaded.
  bool CefRegisterExtension(const std::wstring& name, const std::wstring& code,
                            const rtl::TRef<ICefv8Handler>& Handler);

  // ---- properties (plain field access; changes after Init do not reach a running runtime)
  const std::wstring& CefLibrary() const { return FCefLibrary; }
  void SetCefLibrary(std::wstring v) { FCefLibrary = std::move(v); }
  void* CefWindowsSandboxInfo() const { return FCefWindowsSandboxInfo; }
  void SetCefWindowsSandboxInfo(void* v) { FCefWindowsSandboxInfo = v; }
#define VORAD_APP_PROPERTY(Type, Name, member, ...) \
  const Type& Name() const { return F##Name; }      \
  void Set##Name(Type v) { F##Name = std::move(v); }
  VORAD_APP_SETTINGS(VORAD_APP_PROPERTY)
#undef VORAD_APP_PROPERTY

  // ---- events, stored in the binding's hooks and process-level handlers
#define VORAD_APP_EVENT(Type, Name) \
  Type Name() const;                \
  void Set##Name(Type v);
  VORAD_APP_EVENT(TOnBeforeCommandLineProcessing, OnBeforeCommandLineProcessing)
  VORAD_APP_EVENT(TOnRegisterCustomSchemes, OnRegisterCustomSchemes)
  VORAD_RESOURCE_BUNDLE_EVENTS(VORAD_APP_EVENT)
  VORAD_BROWSER_PROCESS_EVENTS(VORAD_APP_EVENT)
  VORAD_RENDER_PROCESS_EVENTS(VORAD_APP_EVENT)
#undef VORAD_APP_EVENT

private:
  rtl::TModule FLibHandle;
  bool FCefIsMainProcess = false;
  std::wstring FCefLibrary = L"libcef.dll";
  std::wstring FCefUserDataPath;
  uint8_t FCefLogSeverity = LOGSEVERITY_DISABLE;
  std::wstring FCefAcceptLanguageList;  // kept, never passed: the runtime's list stays empty
  void* FCefWindowsSandboxInfo = nullptr;
#define VORAD_APP_FIELD(Type, Name, member, ...) Type F##Name{__VA_ARGS__};
  VORAD_APP_SETTINGS(VORAD_APP_FIELD)
#undef VORAD_APP_FIELD
};

// ---- process-wide objects of the binding
extern TVoraDApp* VoraDApp;
extern rtl::TRef<IVoraDResourceBundleHandler> GlobalResourceBundleHandler;
extern rtl::TRef<IVoraDBrowserProcessHandler> GlobalBrowserProcessHandler;
extern rtl::TRef<IVoraDRenderProcessHandler> GlobalRenderProcessHandler;
extern TOnBeforeCommandLineProcessing GlobalOnBeforeCommandLineProcessing;
extern TOnRegisterCustomSchemes GlobalOnRegisterCustomSchemes;

// The runtime's application callbacks: hands out the process-level handlers and puts the
// plug-in switches on every command line before the user's hook sees it.
class TInternalApp : public TCefAppOwn {
public:
  void OnBeforeCommandLineProcessing(const std::wstring& process_type,
                                     const rtl::TRef<ICefCommandLine>& command_line) override;
  void OnRegisterCustomSchemes(const rtl::TRef<ICefSchemeRegistrar>& registrar) override {
    if (GlobalOnRegisterCustomSchemes) GlobalOnRegisterCustomSchemes(registrar);
  }
  rtl::TRef<ICefResourceBundleHandler> GetResourceBundleHandler() override { return GlobalResourceBundleHandler; }
  rtl::TRef<ICefBrowserProcessHandler> GetBrowserProcessHandler() override { return GlobalBrowserProcessHandler; }
  rtl::TRef<ICefRenderProcessHandler> GetRenderProcessHandler() override { return GlobalRenderProcessHandler; }
};

// Binding start (before the program's own start-up) and end (after its shutdown, at exit):
// the end releases the handlers and hooks, shuts the runtime down and frees VoraDApp.
void VoraDBindingStart();
void VoraDBindingEnd();
