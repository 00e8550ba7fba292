#include "vorad/cef3/VoraD.Core.App.h"

#include <float.h>

#include "vorad/cef3/VoraD.Utils.h"

TVoraDApp* VoraDApp = nullptr;
rtl::TRef<IVoraDResourceBundleHandler> GlobalResourceBundleHandler;
rtl::TRef<IVoraDBrowserProcessHandler> GlobalBrowserProcessHandler;
rtl::TRef<IVoraDRenderProcessHandler> GlobalRenderProcessHandler;
TOnBeforeCommandLineProcessing GlobalOnBeforeCommandLineProcessing;
TOnRegisterCustomSchemes GlobalOnRegisterCustomSchemes;

namespace {

const wchar_t kNotLoaded[] = L"TVoraDApp.LoadLib must be called first";

[[noreturn]] void RaiseLastOSError(DWORD code) {
  if (code == 0) throw rtl::EOSError(L"A call to an OS function failed", 0);
  throw rtl::EOSError(rtl::Format(L"System Error.  Code: %d.\r\n%s", int64_t(code), rtl::SysErrorMessage(code)),
                      code);
}

void CheckLoaded(const TVoraDApp& app) {
  if (!app.Loaded()) throw rtl::Exception(kNotLoaded);
}

// Calls an export of the loaded library by CallExport; raises "not loaded" before Init.
template <class F, class... A>
auto CallLoaded(const TVoraDApp& app, F exported, A&&... args) {
  CheckLoaded(app);
  return CallExport(exported, std::forward<A>(args)...);
}

// A property's value as its settings member takes it: strings as views of the field.
cef_string_t SettingOf(const std::wstring& text) {
  return TCef3Helper::CefString(text);
}
template <class T>
T SettingOf(T value) {
  return value;
}

}  // namespace

// ---- TVoraDApp

cef_settings_t TVoraDApp::BuildSettings() const {
  cef_settings_t s{};  // multi_threaded_message_loop, persist_user_preferences and accept_language_list stay 0
  s.size = sizeof(cef_settings_t);
#define VORAD_APP_SETTING(Type, Name, member, ...) s.member = SettingOf(F##Name);
  VORAD_APP_SETTINGS(VORAD_APP_SETTING)
#undef VORAD_APP_SETTING
  s.user_data_path = SettingOf(FCefUserDataPath);
  s.log_severity = cef_log_severity_t(FCefLogSeverity);
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

void TVoraDApp::CefDoMessageLoopWork() {
  // Called every 15 ms all day: only the entry is read (it is set only while the library is
  // loaded), not this object, whose memory is cold again after each 15 ms asleep.
  if (auto work = CefApi.cef_do_message_loop_work) work();
}

void TVoraDApp::CefRunMessageLoop() {
  if (FLibHandle) CefApi.cef_run_message_loop();
}

// The next three and the plug-in operations have no check of their own; before Init they raise
// instead of calling through a null pointer.
void TVoraDApp::CefQuitMessageLoop() {
  CallLoaded(*this, CefApi.cef_quit_message_loop);
}

void TVoraDApp::CefSetOsModalLoop(bool loop) {
  CallLoaded(*this, CefApi.cef_set_osmodal_loop, loop);
}

void TVoraDApp::CefEnableHighDpiSupport() {
  CallLoaded(*this, CefApi.cef_enable_highdpi_support);
}

bool TVoraDApp::CefBrowserHostCreate(const TCefWindowInfo& windowInfo, const rtl::TRef<ICefClient>& client,
                                     const std::wstring& url, const TCefBrowserSettings& settings,
                                     const rtl::TRef<ICefRequestContext>& RequestContext) {
  return CallLoaded(*this, CefApi.cef_browser_host_create_browser, windowInfo, client, url, settings,
                    RequestContext);
}

rtl::TRef<ICefBrowser> TVoraDApp::CefBrowserHostCreateSync(const TCefWindowInfo& windowInfo,
                                                           const rtl::TRef<ICefClient>& client,
                                                           const std::wstring& url,
                                                           const TCefBrowserSettings& settings,
                                                           const rtl::TRef<ICefRequestContext>& RequestContext) {
  return CallLoaded(*this, CefApi.cef_browser_host_create_browser_sync, windowInfo, client, url, settings,
                    RequestContext);
}

bool TVoraDApp::CefRegisterSchemeHandlerFactory(const std::wstring& schemeName, const std::wstring& HostName,
                                                TCefResourceHandlerClass Handler) {
  CheckLoaded(*this);
  return CefRegisterSchemeHandlerFactory(
      schemeName, HostName, rtl::TRef<ICefSchemeHandlerFactory>(new TCefSchemeHandlerFactoryOwn(std::move(Handler))));
}

bool TVoraDApp::CefRegisterSchemeHandlerFactory(const std::wstring& schemeName, const std::wstring& HostName,
                                                const rtl::TRef<ICefSchemeHandlerFactory>& factory) {
  return CallLoaded(*this, CefApi.cef_register_scheme_handler_factory, schemeName, HostName, factory);
}

bool TVoraDApp::CefClearSchemeHandlerFactories() {
  return CallLoaded(*this, CefApi.cef_clear_scheme_handler_factories);
}

bool TVoraDApp::CefAddCrossOriginWhitelistEntry(const std::wstring& SourceOrigin, const std::wstring& TargetProtocol,
                                                const std::wstring& TargetDomain, bool AllowTargetSubdomains) {
  return CallLoaded(*this, CefApi.cef_add_cross_origin_whitelist_entry, SourceOrigin, TargetProtocol, TargetDomain,
                    AllowTargetSubdomains);
}

bool TVoraDApp::CefRemoveCrossOriginWhitelistEntry(const std::wstring& SourceOrigin,
                                                   const std::wstring& TargetProtocol,
                                                   const std::wstring& TargetDomain, bool AllowTargetSubdomains) {
  return CallLoaded(*this, CefApi.cef_remove_cross_origin_whitelist_entry, SourceOrigin, TargetProtocol,
                    TargetDomain, AllowTargetSubdomains);
}

bool TVoraDApp::CefClearCrossOriginWhitelist() {
  return CallLoaded(*this, CefApi.cef_clear_cross_origin_whitelist);
}

void TVoraDApp::CefVisitWebPluginInfo(const rtl::TRef<ICefWebPluginInfoVisitor>& visitor) {
  CallLoaded(*this, CefApi.cef_visit_web_plugin_info, visitor);
}

void TVoraDApp::CefVisitWebPluginInfoProc(const TCefWebPluginInfoVisitorProc& visitor) {
  CefVisitWebPluginInfo(rtl::TRef<ICefWebPluginInfoVisitor>(new TCefFastWebPluginInfoVisitor(visitor)));
}

void TVoraDApp::CefRefreshWebPlugins() {
  CallLoaded(*this, CefApi.cef_refresh_web_plugins);
}

#define VORAD_PATH_CALL(Method, entry) \
  void TVoraDApp::Method(const std::wstring& path) { CallLoaded(*this, CefApi.entry, path); }
VORAD_PATH_CALL(CefAddWebPluginPath, cef_add_web_plugin_path)
VORAD_PATH_CALL(CefAddWebPluginDirectory, cef_add_web_plugin_directory)
VORAD_PATH_CALL(CefRemoveWebPluginPath, cef_remove_web_plugin_path)
VORAD_PATH_CALL(CefUnregisterInternalWebPlugin, cef_unregister_internal_web_plugin)
VORAD_PATH_CALL(CefForceWebPluginShutdown, cef_force_web_plugin_shutdown)
VORAD_PATH_CALL(CefRegisterWebPluginCrash, cef_register_web_plugin_crash)
#undef VORAD_PATH_CALL

void TVoraDApp::CefIsWebPluginUnstable(const std::wstring& path,
                                       const rtl::TRef<ICefWebPluginUnstableCallback>& callback) {
  CallLoaded(*this, CefApi.cef_is_web_plugin_unstable, path, callback);
}

void TVoraDApp::CefIsWebPluginUnstableProc(const std::wstring& path, const TCefWebPluginIsUnstableProc& callback) {
  CefIsWebPluginUnstable(path, rtl::TRef<ICefWebPluginUnstableCallback>(new TCefFastWebPluginUnstableCallback(callback)));
}

// ---- events

#define VORAD_HOOK_EVENT(Type, Name)                    \
  Type TVoraDApp::Name() const { return Global##Name; } \
  void TVoraDApp::Set##Name(Type v) { Global##Name = std::move(v); }
VORAD_HOOK_EVENT(TOnBeforeCommandLineProcessing, OnBeforeCommandLineProcessing)
VORAD_HOOK_EVENT(TOnRegisterCustomSchemes, OnRegisterCustomSchemes)
#undef VORAD_HOOK_EVENT

// Before the binding's start (no handler yet) a getter answers empty and a setter does nothing.
#define VORAD_HANDLER_EVENT(Handler, Type, Name)                                   \
  Type TVoraDApp::Name() const { return Handler ? Handler->Get##Name() : Type(); } \
  void TVoraDApp::Set##Name(Type v) {                                              \
    if (Handler) Handler->Set##Name(std::move(v));                                 \
  }
#define VORAD_BUNDLE_EVENT(Type, Name) VORAD_HANDLER_EVENT(GlobalResourceBundleHandler, Type, Name)
#define VORAD_BROWSER_EVENT(Type, Name) VORAD_HANDLER_EVENT(GlobalBrowserProcessHandler, Type, Name)
#define VORAD_RENDER_EVENT(Type, Name) VORAD_HANDLER_EVENT(GlobalRenderProcessHandler, Type, Name)
VORAD_RESOURCE_BUNDLE_EVENTS(VORAD_BUNDLE_EVENT)
VORAD_BROWSER_PROCESS_EVENTS(VORAD_BROWSER_EVENT)
VORAD_RENDER_PROCESS_EVENTS(VORAD_RENDER_EVENT)
#undef VORAD_BUNDLE_EVENT
#undef VORAD_BROWSER_EVENT
#undef VORAD_RENDER_EVENT
#undef VORAD_HANDLER_EVENT

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
  CheckLoaded(*this);
  return PublishNativeValue(name, value);
}

bool TVoraDApp::CefRegisterExtension(const std::wstring& name, const std::wstring& code,
                                     const rtl::TRef<ICefv8Handler>& Handler) {
  return CallLoaded(*this, CefApi.cef_register_extension, name, code, Handler);
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

// ---- binding start and end

void VoraDBindingStart() {
  SetMainThreadId(GetCurrentThreadId());
  if (!VoraDApp) VoraDApp = new TVoraDApp();
  GlobalResourceBundleHandler = rtl::TRef<IVoraDResourceBundleHandler>(new TVoraDResourceBundleHandler());
  GlobalBrowserProcessHandler = rtl::TRef<IVoraDBrowserProcessHandler>(new TVoraDBrowserProcessHandler());
  GlobalRenderProcessHandler = rtl::TRef<IVoraDRenderProcessHandler>(new TVoraDRenderProcessHandler());
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
