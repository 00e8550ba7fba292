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

class TVoraDApp {
public:
  TVoraDApp() = default;
  TVoraDApp(const TVoraDApp&) = delete;
  TVoraDApp& operator=(const TVoraDApp&) = delete;
  ~TVoraDApp() = default;

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
  HMODULE LibHandle() const { return FLibHandle.Get(); }
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
  const std::wstring& CefCache() const { return FCefCache; }
  void SetCefCache(std::wstring v) { FCefCache = std::move(v); }
  const std::wstring& CefUserAgent() const { return FCefUserAgent; }
  void SetCefUserAgent(std::wstring v) { FCefUserAgent = std::move(v); }
  const std::wstring& CefProductVersion() const { return FCefProductVersion; }
  void SetCefProductVersion(std::wstring v) { FCefProductVersion = std::move(v); }
  const std::wstring& CefLocale() const { return FCefLocale; }
  void SetCefLocale(std::wstring v) { FCefLocale = std::move(v); }
  const std::wstring& CefLogFile() const { return FCefLogFile; }
  void SetCefLogFile(std::wstring v) { FCefLogFile = std::move(v); }
  const std::wstring& CefJavaScriptFlags() const { return FCefJavaScriptFlags; }
  void SetCefJavaScriptFlags(std::wstring v) { FCefJavaScriptFlags = std::move(v); }
  const std::wstring& CefResourcesDirPath() const { return FCefResourcesDirPath; }
  void SetCefResourcesDirPath(std::wstring v) { FCefResourcesDirPath = std::move(v); }
  const std::wstring& CefLocalesDirPath() const { return FCefLocalesDirPath; }
  void SetCefLocalesDirPath(std::wstring v) { FCefLocalesDirPath = std::move(v); }
  bool CefPackLoadingDisabled() const { return FCefPackLoadingDisabled; }
  void SetCefPackLoadingDisabled(bool v) { FCefPackLoadingDisabled = v; }
  bool CefSingleProcess() const { return FCefSingleProcess; }
  void SetCefSingleProcess(bool v) { FCefSingleProcess = v; }
  bool CefNoSandbox() const { return FCefNoSandbox; }
  void SetCefNoSandbox(bool v) { FCefNoSandbox = v; }
  const std::wstring& CefBrowserSubprocessPath() const { return FCefBrowserSubprocessPath; }
  void SetCefBrowserSubprocessPath(std::wstring v) { FCefBrowserSubprocessPath = std::move(v); }
  bool CefCommandLineArgsDisabled() const { return FCefCommandLineArgsDisabled; }
  void SetCefCommandLineArgsDisabled(bool v) { FCefCommandLineArgsDisabled = v; }
  int32_t CefRemoteDebuggingPort() const { return FCefRemoteDebuggingPort; }
  void SetCefRemoteDebuggingPort(int32_t v) { FCefRemoteDebuggingPort = v; }
  int32_t CefUncaughtExceptionStackSize() const { return FCefUncaughtExceptionStackSize; }
  void SetCefUncaughtExceptionStackSize(int32_t v) { FCefUncaughtExceptionStackSize = v; }
  int32_t CefContextSafetyImplementation() const { return FCefContextSafetyImplementation; }
  void SetCefContextSafetyImplementation(int32_t v) { FCefContextSafetyImplementation = v; }
  bool CefPersistSessionCookies() const { return FCefPersistSessionCookies; }
  void SetCefPersistSessionCookies(bool v) { FCefPersistSessionCookies = v; }
  bool CefIgnoreCertificateErrors() const { return FCefIgnoreCertificateErrors; }
  void SetCefIgnoreCertificateErrors(bool v) { FCefIgnoreCertificateErrors = v; }
  cef_color_t CefBackgroundColor() const { return FCefBackgroundColor; }
  void SetCefBackgroundColor(cef_color_t v) { FCefBackgroundColor = v; }
  void* CefWindowsSandboxInfo() const { return FCefWindowsSandboxInfo; }
  void SetCefWindowsSandboxInfo(void* v) { FCefWindowsSandboxInfo = v; }
  bool CefWindowlessRenderingEnabled() const { return FCefWindowlessRenderingEnabled; }
  void SetCefWindowlessRenderingEnabled(bool v) { FCefWindowlessRenderingEnabled = v; }

  // ---- events, stored in the binding's hooks and process-level handlers
  TOnBeforeCommandLineProcessing OnBeforeCommandLineProcessing() const;
  void SetOnBeforeCommandLineProcessing(TOnBeforeCommandLineProcessing v);
  TOnRegisterCustomSchemes OnRegisterCustomSchemes() const;
  void SetOnRegisterCustomSchemes(TOnRegisterCustomSchemes v);
  TOnGetLocalizedString OnGetLocalizedString() const;
  void SetOnGetLocalizedString(TOnGetLocalizedString v);
  TOnGetDataResource OnGetDataResource() const;
  void SetOnGetDataResource(TOnGetDataResource v);
  TOnGetDataResourceForScale OnGetDataResourceForScale() const;
  void SetOnGetDataResourceForScale(TOnGetDataResourceForScale v);
  TOnContextInitialized OnContextInitialized() const;
  void SetOnContextInitialized(TOnContextInitialized v);
  TOnBeforeChildProcessLaunch OnBeforeChildProcessLaunch() const;
  void SetOnBeforeChildProcessLaunch(TOnBeforeChildProcessLaunch v);
  TOnRenderProcessThreadCreated OnRenderProcessThreadCreated() const;
  void SetOnRenderProcessThreadCreated(TOnRenderProcessThreadCreated v);
  // Render-process handler events (in GlobalRenderProcessHandler).
  TOnRenderThreadCreated OnRenderThreadCreated() const;
  void SetOnRenderThreadCreated(TOnRenderThreadCreated v);
  TOnWebKitInitialized OnWebKitInitialized() const;
  void SetOnWebKitInitialized(TOnWebKitInitialized v);
  TOnBrowserCreated OnBrowserCreated() const;
  void SetOnBrowserCreated(TOnBrowserCreated v);
  TOnBrowserDestroyed OnBrowserDestroyed() const;
  void SetOnBrowserDestroyed(TOnBrowserDestroyed v);
  TOnBeforeNavigation OnBeforeNavigation() const;
  void SetOnBeforeNavigation(TOnBeforeNavigation v);
  TOnContextCreated OnContextCreated() const;
  void SetOnContextCreated(TOnContextCreated v);
  TOnContextReleased OnContextReleased() const;
  void SetOnContextReleased(TOnContextReleased v);
  TOnUncaughtException OnUncaughtException() const;
  void SetOnUncaughtException(TOnUncaughtException v);
  TOnFocusedNodeChanged OnFocusedNodeChanged() const;
  void SetOnFocusedNodeChanged(TOnFocusedNodeChanged v);
  TOnProcessMessageReceived OnProcessMessageReceived() const;
  void SetOnProcessMessageReceived(TOnProcessMessageReceived v);

private:
  void CheckLoaded() const;

  rtl::TModule FLibHandle;
  bool FCefIsMainProcess = false;
  std::wstring FCefLibrary = L"libcef.dll";
  std::wstring FCefCache;
  std::wstring FCefUserDataPath;
  std::wstring FCefUserAgent;
  std::wstring FCefProductVersion;
  std::wstring FCefLocale;
  std::wstring FCefLogFile;
  uint8_t FCefLogSeverity = LOGSEVERITY_DISABLE;
  std::wstring FCefJavaScriptFlags;
  std::wstring FCefResourcesDirPath;
  std::wstring FCefLocalesDirPath;
  bool FCefPackLoadingDisabled = false;
  bool FCefSingleProcess = true;
  bool FCefNoSandbox = false;
  std::wstring FCefBrowserSubprocessPath;
  bool FCefCommandLineArgsDisabled = false;
  int32_t FCefRemoteDebuggingPort = 0;
  int32_t FCefUncaughtExceptionStackSize = 0;
  int32_t FCefContextSafetyImplementation = 0;
  bool FCefPersistSessionCookies = false;
  bool FCefIgnoreCertificateErrors = false;
  cef_color_t FCefBackgroundColor = 0;
  std::wstring FCefAcceptLanguageList;  // kept, never passed: the runtime's list stays empty
  void* FCefWindowsSandboxInfo = nullptr;
  bool FCefWindowlessRenderingEnabled = false;
};

// The runtime's application callbacks: hands out the process-level handlers and puts the
// plug-in switches on every command line before the user's hook sees it.
class TInternalApp : public TCefAppOwn {
public:
  void OnBeforeCommandLineProcessing(const std::wstring& process_type,
                                     const rtl::TRef<ICefCommandLine>& command_line) override;
  void OnRegisterCustomSchemes(const rtl::TRef<ICefSchemeRegistrar>& registrar) override;
  rtl::TRef<ICefResourceBundleHandler> GetResourceBundleHandler() override;
  rtl::TRef<ICefBrowserProcessHandler> GetBrowserProcessHandler() override;
  rtl::TRef<ICefRenderProcessHandler> GetRenderProcessHandler() override;
};

// ---- process-wide objects of the binding
extern TVoraDApp* VoraDApp;
extern rtl::TRef<IVoraDResourceBundleHandler> GlobalResourceBundleHandler;
extern rtl::TRef<IVoraDBrowserProcessHandler> GlobalBrowserProcessHandler;
// A TVoraDRenderProcessHandler from the binding's start on.
extern rtl::TRef<ICefRenderProcessHandler> GlobalRenderProcessHandler;
extern TOnBeforeCommandLineProcessing GlobalOnBeforeCommandLineProcessing;
extern TOnRegisterCustomSchemes GlobalOnRegisterCustomSchemes;

// Binding start (before the program's own start-up) and end (after its shutdown, at exit):
// the end releases the handlers and hooks, shuts the runtime down and frees VoraDApp.
void VoraDBindingStart();
void VoraDBindingEnd();
