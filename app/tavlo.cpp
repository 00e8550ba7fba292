// The program's main module. One executable plays every process role: started by the user it is
// the browser process with the main window; started again by the browser runtime it runs one of
// the runtime's sub-processes and ends when the runtime returns.
#include <windows.h>

#include <vector>

#include "app/ShellHelpers.h"
#include "app/Settings.h"
#include "app/UntDwonMain.h"
#include "bridge/mapshare.h"
#include "toolkit/Forms.h"
#include "vorad/cef3/VoraD.Core.App.h"
#include "vorad/core/VoraD.Core.CefErr.h"
#include "vorad/core/VoraD.Core.JsExtention.h"
#include "vorad/core/VoraD.Locker.h"

namespace {

constexpr wchar_t UserAgentPrefix[] =
    L"Mozilla/5.0 (Windows; WOW64) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/49.0.2623.110 Velmora/";

std::wstring ModulePath() {
  std::vector<wchar_t> buf(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    if (n < buf.size()) return std::wstring(buf.data(), n);
    if (buf.size() >= 32768) return std::wstring(buf.data(), n);
    buf.resize(buf.size() * 2);
  }
}

// Module initialisation, in order; finalisation runs in the reverse order.
void InitModules() {
  VoraDBindingStart();
  OpenShareBlock();  // ends the process (exit code 0) when the block cannot be mapped
  InitVoraDLocker();
  InitVoraDCoreCefErr();
  InitVoraDCoreJsExtention();  // render processes answer the component's script requests
  InitUntDwonMain();
}

void FinalModules() {
  FinalUntDwonMain();
  FinalVoraDCoreJsExtention();
  FinalVoraDCoreCefErr();
  FinalVoraDLocker();
  CloseShareBlock();
  VoraDBindingEnd();  // shuts the runtime down (browser process), unloads it, frees VoraDApp
}

void MainBlock() {
  VoraDApp->SetCefSingleProcess(false);
  VoraDApp->SetCefUserAgent(UserAgentPrefix + GetFileVersionText(ModulePath()));
  VoraDApp->SetCefCache(GetSpecialFolderPath(CommonAppDataFolder) + L"\\tavlo\\Cache");
  VoraDApp->SetCefLocale(L"zh-CN");
  if (!VoraDApp->Init()) return;  // a sub-process role ran to its end

  // A second instance ends here, without a window and without a message.
  if (!AcquireInstanceMutex()) return;

  toolkit::TApplication& app = toolkit::Application();
  app.Initialize();
  app.MainFormOnTaskbar = true;
  app.Title = MainCaption;
  app.CreateForm<TFrmMain>();
  app.Run();

  ReleaseInstanceMutex();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  InitModules();
  int exitCode = 0;
  try {
    MainBlock();
  } catch (...) {
    // A runtime that cannot be loaded: its message, then exit code 1.
    toolkit::Application().HandleException();
    exitCode = 1;
  }
  // The main window (and with it the browser control's pages) goes before the runtime is shut
  // down: no runtime call may follow the shutdown.
  toolkit::Application().DestroyForms();
  FinalModules();
  return exitCode;
}
