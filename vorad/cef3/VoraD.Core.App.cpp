#include "vorad/cef3/VoraD.Core.App.h"

#include <float.h>

#include "vorad/cef3/VoraD.Utils.h"

TVoraDApp* VoraDApp = nullptr;
rtl::TRef<IVoraDResourceBundleHandler> GlobalResourceBundleHandler;
rtl::TRef<IVoraDBrowserProcessHandler> GlobalBrowserProcessHandler;
rtl::TRef<ICefRenderProcessHandler> GlobalRenderProcessHandler;
TOnBeforeCommandLineProcessing GlobalOnBeforeCommandLineProcessing;
TOnRegisterCustomSchemes GlobalOnRegisterCustomSchemes;

namespace {

const wchar_t kNotLoaded[] = L"TVoraDApp.LoadLib must be called first";

[[noreturn]] void RaiseLastOSError(DWORD code) {
  if (code == 0) throw rtl::EOSError(L"A call to an OS function failed", 0);
  throw rtl::EOSError(rtl::Format(L"System Error.  Code: %d.\r\n%s", int64_t(code), rtl::SysErrorMessage(code)),
                      code);
}

}  // namespace

// ---- TVoraDApp

cef_settings_t TVoraDApp::BuildSettings() const {
  cef_settings_t s{};
  s.size = sizeof(cef_settings_t);
  s.single_process = FCefSingleProcess ? 1 : 0;
  s.no_sandbox = FCefNoSandbox ? 1 : 0;
  s.browser_subprocess_path = TCef3Helper::CefString(FCefBrowserSubprocessPath);
  s.multi_threaded_message_loop = 0;
  s.windowless_rendering_enabled = FCefWindowlessRenderingEnabled ? 1 : 0;
  s.command_line_args_disabled = FCefCommandLineArgsDisabled ? 1 : 0;
  s.cache_path = TCef3Helper::CefString(FCefCache);
  s.user_data_path = TCef3Helper::CefString(FCefUserDataPath);
  s.persist_session_cookies = FCefPersistSessionCookies ? 1 : 0;
  s.persist_user_preferences = 0;
  s.user_agent = TCef3Helper::CefString(FCefUserAgent);
  s.product_version = TCef3Helper::CefString(FCefProductVersion);
  s.locale = TCef3Helper::CefString(FCefLocale);
  s.log_file = TCef3Helper::CefString(FCefLogFile);
  s.log_severity = cef_log_severity_t(FCefLogSeverity);
  s.javascript_flags = TCef3Helper::CefString(FCefJavaScriptFlags);
  s.resources_dir_path = TCef3Helper::CefString(FCefResourcesDirPath);
  s.locales_dir_path = TCef3Helper::CefString(FCefLocalesDirPath);
  s.pack_loading_disabled = FCefPackLoadingDisabled ? 1 : 0;
  s.remote_debugging_port = FCefRemoteDebuggingPort;
  s.uncaught_exception_stack_size = FCefUncaughtExceptionStackSize;
  s.context_safety_implementation = FCefContextSafetyImplementation;
  s.ignore_certificate_errors = FCefIgnoreCertificateErrors ? 1 : 0;
  s.background_color = FCefBackgroundColor;
  // accept_language_list stays empty.
  return s;
}

bool TVoraDApp::Init() {
  if (FLibHandle) return true;

  // The runtime is loaded and run with every floating-point exception masked.
  _clearfp();
  _controlfp(_MCW_EM, _MCW_EM);

  rtl::TModule library(LoadLibraryW(FCefLibrary.c_str()));
  if (!library) RaiseLastOSError(GetLastError());
  if (CefApi.Resolve(library.Get())) {
    // Unloaded again (by the owner), so that a later Init does not report a half-bound
    // library as ready.
    CefApi.Clear();
    throw ECefException(L"Invalid CEF Library version");
  }
  FLibHandle = std::move(library);

  const cef_settings_t settings = BuildSettings();
  cef_main_args_t mainArgs{};
  mainArgs.instance = GetModuleHandleW(nullptr);
  rtl::TRef<ICefApp> app(new TInternalApp());

  const int exitCode = CefApi.cef_execute_process(
      &mainArgs, static_cast<cef_app_t*>(TCef3Helper::CefGetData(app)), FCefWindowsSandboxInfo);
  if (exitCode >= 0) return false;  // a sub-process whose role has run to its end

  CefApi.cef_initialize(&mainArgs, &settings, static_cast<cef_app_t*>(TCef3Helper::CefGetData(app)),
                        FCefWindowsSandboxInfo);
  FCefIsMainProcess = true;
  return true;
}

void TVoraDApp::CefShutDown() {
  if (!FLibHandle) return;
  CancelFaviconGetters();
  if (FCefIsMainProcess && CefApi.cef_shutdown) CefApi.cef_shutdown();
  FCefIsMainProcess = false;
  CefApi.Clear();
  FLibHandle.Reset();
}

void TVoraDApp::CheckLoaded() const {
  if (!FLibHandle) throw rtl::Exception(kNotLoaded);
}

void TVoraDApp::CefDoMessageLoopWork() {
  if (FLibHandle) CefApi.cef_do_message_loop_work();
}

void TVoraDApp::CefRunMessageLoop() {
  if (FLibHandle) CefApi.cef_run_message_loop();
}

// The next three and the plug-in operations have no check of their own; before Init they
// raise instead of calling through a null pointer.
void TVoraDApp::CefQuitMessageLoop() {
  CheckLoaded();
  CefApi.cef_quit_message_loop();
}

void TVoraDApp::CefSetOsModalLoop(bool loop) {
  CheckLoaded();
  CefApi.cef_set_osmodal_loop(loop ? 1 : 0);
}

void TVoraDApp::CefEnableHighDpiSupport() {
  CheckLoaded();
  CefApi.cef_enable_highdpi_support();
}

bool TVoraDApp::CefBrowserHostCreate(const TCefWindowInfo& windowInfo, const rtl::TRef<ICefClient>& client,
                                     const std::wstring& url, const TCefBrowserSettings& settings,
                                     const rtl::TRef<ICefRequestContext>& RequestContext) {
  CheckLoaded();
  return CallExport(CefApi.cef_browser_host_create_browser, windowInfo, client, url, settings,
                    RequestContext);
}

rtl::TRef<ICefBrowser> TVoraDApp::CefBrowserHostCreateSync(const TCefWindowInfo& windowInfo,
                                                           const rtl::TRef<ICefClient>& client,
                                                           const std::wstring& url,
                                                           const TCefBrowserSettings& settings,
                                                           const rtl::TRef<ICefRequestContext>& RequestContext) {
  CheckLoaded();
  return CallExport(CefApi.cef_browser_host_create_browser_sync, windowInfo, client, url, settings,
                    RequestContext);
}

bool TVoraDApp::CefRegisterSchemeHandlerFactory(const std::wstring& schemeName, const std::wstring& HostName,
                                                TCefResourceHandlerClass Handler) {
  CheckLoaded();
  return CefRegisterSchemeHandlerFactory(
      schemeName, HostName, rtl::TRef<ICefSchemeHandlerFactory>(new TCefSchemeHandlerFactoryOwn(std::move(Handler))));
}

bool TVoraDApp::CefRegisterSchemeHandlerFactory(const std::wstring& schemeName, const std::wstring& HostName,
                                                const rtl::TRef<ICefSchemeHandlerFactory>& factory) {
  CheckLoaded();
  return CallExport(CefApi.cef_register_scheme_handler_factory, schemeName, HostName, factory);
}

bool TVoraDApp::CefClearSchemeHandlerFactories() {
  CheckLoaded();
  return CefApi.cef_clear_scheme_handler_factories() != 0;
}

bool TVoraDApp::CefAddCrossOriginWhitelistEntry(const std::wstring& SourceOrigin, const std::wstring& TargetProtocol,
                                                const std::wstring& TargetDomain, bool AllowTargetSubdomains) {
  CheckLoaded();
  return CallExport(CefApi.cef_add_cross_origin_whitelist_entry, SourceOrigin, TargetProtocol, TargetDomain,
                    AllowTargetSubdomains);
}

bool TVoraDApp::CefRemoveCrossOriginWhitelistEntry(const std::wstring& SourceOrigin,
                                                   const std::wstring& TargetProtocol,
                                                   const std::wstring& TargetDomain, bool AllowTargetSubdomains) {
  CheckLoaded();
  return CallExport(CefApi.cef_remove_cross_origin_whitelist_entry, SourceOrigin, TargetProtocol, TargetDomain,
                    AllowTargetSubdomains);
}

bool TVoraDApp::CefClearCrossOriginWhitelist() {
  CheckLoaded();
  return CefApi.cef_clear_cross_origin_whitelist() != 0;
}

void TVoraDApp::CefVisitWebPluginInfo(const rtl::TRef<ICefWebPluginInfoVisitor>& visitor) {
  CheckLoaded();
  CefApi.cef_visit_web_plugin_info(static_cast<cef_web_plugin_info_visitor_t*>(TCef3Helper::CefGetData(visitor)));
}

void TVoraDApp::CefVisitWebPluginInfoProc(const TCefWebPluginInfoVisitorProc& visitor) {
  CefVisitWebPluginInfo(rtl::TRef<ICefWebPluginInfoVisitor>(new TCefFastWebPluginInfoVisitor(visitor)));
}

void TVoraDApp::CefRefreshWebPlugins() {
  CheckLoaded();
  CefApi.cef_refresh_web_plugins();
}

#define VORAD_PATH_CALL(Method, entry)             \
  void TVoraDApp::Method(const std::wstring& path) { \
    CheckLoaded();                                 \
    const cef_string_t p = TCef3Helper::CefString(path); \
    CefApi.entry(&p);                              \
  }
VORAD_PATH_CALL(CefAddWebPluginPath, cef_add_web_plugin_path)
VORAD_PATH_CALL(CefAddWebPluginDirectory, cef_add_web_plugin_directory)
VORAD_PATH_CALL(CefRemoveWebPluginPath, cef_remove_web_plugin_path)
VORAD_PATH_CALL(CefUnregisterInternalWebPlugin, cef_unregister_internal_web_plugin)
VORAD_PATH_CALL(CefForceWebPluginShutdown, cef_force_web_plugin_shutdown)
VORAD_PATH_CALL(CefRegisterWebPluginCrash, cef_register_web_plugin_crash)
#undef VORAD_PATH_CALL

void TVoraDApp::CefIsWebPluginUnstable(const std::wstring& path,
                                       const rtl::TRef<ICefWebPluginUnstableCallback>& callback) {
  CheckLoaded();
  const cef_string_t p = TCef3Helper::CefString(path);
  CefApi.cef_is_web_plugin_unstable(
      &p, static_cast<cef_web_plugin_unstable_callback_t*>(TCef3Helper::CefGetData(callback)));
}

void TVoraDApp::CefIsWebPluginUnstableProc(const std::wstring& path, const TCefWebPluginIsUnstableProc& callback) {
  CefIsWebPluginUnstable(path, rtl::TRef<ICefWebPluginUnstableCallback>(new TCefFastWebPluginUnstableCallback(callback)));
}

// ---- events

TOnBeforeCommandLineProcessing TVoraDApp::OnBeforeCommandLineProcessing() const {
  return GlobalOnBeforeCommandLineProcessing;
}
void TVoraDApp::SetOnBeforeCommandLineProcessing(TOnBeforeCommandLineProcessing v) {
  GlobalOnBeforeCommandLineProcessing = std::move(v);
}
TOnRegisterCustomSchemes TVoraDApp::OnRegisterCustomSchemes() const { return GlobalOnRegisterCustomSchemes; }
void TVoraDApp::SetOnRegisterCustomSchemes(TOnRegisterCustomSchemes v) { GlobalOnRegisterCustomSchemes = std::move(v); }

#define VORAD_HANDLER_EVENT(Type, Name, Global)                                       \
  Type TVoraDApp::Name() const { return Global ? Global->Get##Name() : Type(); }       \
  void TVoraDApp::Set##Name(Type v) {                                                  \
    if (Global) Global->Set##Name(std::move(v));                                       \
  }
VORAD_HANDLER_EVENT(TOnGetLocalizedString, OnGetLocalizedString, GlobalResourceBundleHandler)
VORAD_HANDLER_EVENT(TOnGetDataResource, OnGetDataResource, GlobalResourceBundleHandler)
VORAD_HANDLER_EVENT(TOnGetDataResourceForScale, OnGetDataResourceForScale, GlobalResourceBundleHandler)
VORAD_HANDLER_EVENT(TOnContextInitialized, OnContextInitialized, GlobalBrowserProcessHandler)
VORAD_HANDLER_EVENT(TOnBeforeChildProcessLaunch, OnBeforeChildProcessLaunch, GlobalBrowserProcessHandler)
VORAD_HANDLER_EVENT(TOnRenderProcessThreadCreated, OnRenderProcessThreadCreated, GlobalBrowserProcessHandler)
#undef VORAD_HANDLER_EVENT

#define VORAD_RENDER_EVENT(Type, Name)                                                        \
  Type TVoraDApp::Name() const {                                                              \
    const auto h = rtl::Supports<IVoraDRenderProcessHandler>(GlobalRenderProcessHandler);     \
    return h ? h->Get##Name() : Type();                                                       \
  }                                                                                           \
  void TVoraDApp::Set##Name(Type v) {                                                         \
    if (const auto h = rtl::Supports<IVoraDRenderProcessHandler>(GlobalRenderProcessHandler)) \
      h->Set##Name(std::move(v));                                                             \
  }
VORAD_RENDER_EVENT(TOnRenderThreadCreated, OnRenderThreadCreated)
VORAD_RENDER_EVENT(TOnWebKitInitialized, OnWebKitInitialized)
VORAD_RENDER_EVENT(TOnBrowserCreated, OnBrowserCreated)
VORAD_RENDER_EVENT(TOnBrowserDestroyed, OnBrowserDestroyed)
VORAD_RENDER_EVENT(TOnBeforeNavigation, OnBeforeNavigation)
VORAD_RENDER_EVENT(TOnContextCreated, OnContextCreated)
VORAD_RENDER_EVENT(TOnContextReleased, OnContextReleased)
VORAD_RENDER_EVENT(TOnUncaughtException, OnUncaughtException)
VORAD_RENDER_EVENT(TOnFocusedNodeChanged, OnFocusedNodeChanged)
VORAD_RENDER_EVENT(TOnProcessMessageReceived, OnProcessMessageReceived)
#undef VORAD_RENDER_EVENT

// ---- publishing to page script

void TVoraDApp::RegisterClasses(const TRegExtentionParArray& classes) {
  for (const TRegExtentionPar& par : classes) AddRegisteredExtention(par);
}

void TVoraDApp::RegisterClasses(const std::vector<rtl::TClass>& classes) {
  TRegExtentionParArray pars;
  for (rtl::TClass cls : classes)
    if (cls) pars.push_back(TRegExtentionPar{cls->Name(), std::wstring(), nullptr, rtl::TValue::FromClass(cls)});
  RegisterClasses(pars);
}

bool TVoraDApp::CefRegisterExtension(const std::wstring& name, const rtl::TValue& value) {
  CheckLoaded();
  return PublishNativeValue(name, value);
}

bool TVoraDApp::CefRegisterExtension(const std::wstring& name, const std::wstring& code,
                                     const rtl::TRef<ICefv8Handler>& Handler) {
  CheckLoaded();
  return RegisterScriptExtension(name, code, Handler);
}

// ---- TInternalApp

void TInternalApp::OnBeforeCommandLineProcessing(const std::wstring& process_type,
                                                 const rtl::TRef<ICefCommandLine>& command_line) {
  if (command_line) {
    command_line->AppendSwitchWithValue(L"--ppapi-flash-path", L"PepperFlash\\pepflashplayer.dll");
    command_line->AppendSwitchWithValue(L"--ppapi-flash-version", L"23.0.0.205");
  }
  if (GlobalOnBeforeCommandLineProcessing) GlobalOnBeforeCommandLineProcessing(process_type, command_line);
}

void TInternalApp::OnRegisterCustomSchemes(const rtl::TRef<ICefSchemeRegistrar>& registrar) {
  if (GlobalOnRegisterCustomSchemes) GlobalOnRegisterCustomSchemes(registrar);
}

rtl::TRef<ICefResourceBundleHandler> TInternalApp::GetResourceBundleHandler() {
  return GlobalResourceBundleHandler;
}

rtl::TRef<ICefBrowserProcessHandler> TInternalApp::GetBrowserProcessHandler() {
  return GlobalBrowserProcessHandler;
}

rtl::TRef<ICefRenderProcessHandler> TInternalApp::GetRenderProcessHandler() {
  return GlobalRenderProcessHandler;
}

// ---- binding start and end

void VoraDBindingStart() {
  SetMainThreadId(GetCurrentThreadId());
  if (!VoraDApp) VoraDApp = new TVoraDApp();
  GlobalResourceBundleHandler = rtl::TRef<IVoraDResourceBundleHandler>(new TVoraDResourceBundleHandler());
  GlobalBrowserProcessHandler = rtl::TRef<IVoraDBrowserProcessHandler>(new TVoraDBrowserProcessHandler());
  GlobalRenderProcessHandler = rtl::TRef<ICefRenderProcessHandler>(new TVoraDRenderProcessHandler());
}

void VoraDBindingEnd() {
  GlobalResourceBundleHandler.Reset();
  GlobalBrowserProcessHandler.Reset();
  GlobalRenderProcessHandler.Reset();
  GlobalOnBeforeCommandLineProcessing = nullptr;
  GlobalOnRegisterCustomSchemes = nullptr;
  // Emptied before the library goes: an entry may hold runtime objects (a handler, a script
  // value), and releasing them after the unload would call into unmapped code.
  ClearRegisteredExtentions();
  if (VoraDApp) {
    VoraDApp->CefShutDown();
    delete VoraDApp;
    VoraDApp = nullptr;
  }
}
