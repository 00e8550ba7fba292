#pragma once
// The browser-process handler the application object hands to the runtime: turns its
// callbacks into optional events. Callbacks come from the runtime in the browser process.
#include <functional>

#include "vorad/cef3/VoraD.Cef3.Classes.h"
#include "vorad/cef3/VoraD.Handler.Events.h"

using TOnContextInitialized = std::function<void()>;
using TOnBeforeChildProcessLaunch = std::function<void(const rtl::TRef<ICefCommandLine>& commandLine)>;
using TOnRenderProcessThreadCreated = std::function<void(const rtl::TRef<ICefListValue>& extraInfo)>;

#define VORAD_BROWSER_PROCESS_EVENTS(X)                          \
  X(TOnBeforeChildProcessLaunch, OnBeforeChildProcessLaunch)     \
  X(TOnRenderProcessThreadCreated, OnRenderProcessThreadCreated) \
  X(TOnContextInitialized, OnContextInitialized)

class IVoraDBrowserProcessHandler : public virtual ICefBrowserProcessHandler {
public:
  VORAD_BROWSER_PROCESS_EVENTS(VORAD_EVENT_ACCESSORS)
};

class TVoraDBrowserProcessHandler : public TCefBrowserProcessHandlerOwn,
                                    public IVoraDBrowserProcessHandler {
public:
  void OnContextInitialized() override {
    if (FOnContextInitialized) FOnContextInitialized();
  }
  void OnBeforeChildProcessLaunch(const rtl::TRef<ICefCommandLine>& command_line) override {
    if (FOnBeforeChildProcessLaunch) FOnBeforeChildProcessLaunch(command_line);
  }
  void OnRenderProcessThreadCreated(const rtl::TRef<ICefListValue>& extra_info) override {
    if (FOnRenderProcessThreadCreated) FOnRenderProcessThreadCreated(extra_info);
  }

  VORAD_BROWSER_PROCESS_EVENTS(VORAD_EVENT_SLOT)

private:
  VORAD_BROWSER_PROCESS_EVENTS(VORAD_EVENT_FIELD)
};
