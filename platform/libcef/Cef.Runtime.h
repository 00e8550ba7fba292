#pragma once
// The runtime's process-level state: the settings and application of the browser process, the
// render sides it talks to, and the render side of a render process (or thread).
#include <functional>
#include <memory>
#include <string>

#include "Cef.Common.h"
#include "Cef.Protocol.h"

namespace standin {

struct TSettings {
  bool singleProcess = false;
  bool noSandbox = false;
  bool windowlessRenderingEnabled = false;
  bool commandLineArgsDisabled = false;
  bool persistSessionCookies = false;
  bool persistUserPreferences = false;
  bool packLoadingDisabled = false;
  bool ignoreCertificateErrors = false;
  int logSeverity = 0;
  int remoteDebuggingPort = 0;
  int uncaughtExceptionStackSize = 0;
  int contextSafetyImplementation = 0;
  cef_color_t backgroundColor = 0;
  std::wstring browserSubprocessPath, cachePath, userDataPath, userAgent, productVersion, locale,
      logFile, javascriptFlags, resourcesDirPath, localesDirPath, acceptLanguageList;
};

// ---- Browser process (UI thread unless said otherwise)

bool BrowserSideUp();
// Copied at cef_initialize; stable until cef_shutdown.
const TSettings& Settings();
TCRef<cef_browser_process_handler_t> BrowserProcessHandler();

// One render side: a render process, or the render thread in single-process mode.
class TRenderHost {
public:
  virtual ~TRenderHost() = default;
  // Queues a frame for the render side (any thread). Frames wait until the render side has been
  // initialised, then go in order.
  virtual void Send(std::string frame) = 0;
  virtual bool Alive() const = 0;
  // The render process's id (this process's id in single-process mode); 0 before it said hello.
  virtual DWORD ProcessId() const = 0;
};

// The render side new browsers use; started on first use. Null when it cannot be started.
std::shared_ptr<TRenderHost> RenderHostForBrowser();

// Implemented by the browser unit: a frame from a render side, on the UI thread.
void OnFrameFromRender(const std::shared_ptr<TRenderHost>& host, const std::string& frame);
// The render side went away (crash, kill, or shutdown), on the UI thread.
void OnRenderHostGone(const std::shared_ptr<TRenderHost>& host, bool expected);
// cef_shutdown: every browser is closed and forgotten (UI thread).
void CloseAllBrowsers();

// ---- Render side (render thread)

// Queues a frame for the browser process; false once the channel is gone.
bool SendToBrowser(std::string frame);
TCRef<cef_render_process_handler_t> RenderProcessHandler();
// Implemented by the browser unit: a frame from the browser process, on the render thread.
void OnFrameFromBrowser(const std::string& frame);
// The render side ends: the browser unit drops its render-side browsers (render thread).
void RenderSideEnding();
// Runs the render thread's tasks (nested) until done() holds or the render side is ending.
// False when it is ending.
bool RunRenderLoopUntil(const std::function<bool()>& done);

}  // namespace standin
