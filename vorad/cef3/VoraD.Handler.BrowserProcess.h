#pragma once
// The browser-process handler the application object hands to the runtime: turns its
// callbacks into optional events. Callbacks come from the runtime in the browser process.
#include <functional>

#include "vorad/cef3/VoraD.Cef3.Classes.h"

using TOnContextInitialized = std::function<void()>;
using TOnBeforeChildProcessLaunch = std::function<void(const rtl::TRef<ICefCommandLine>& commandLine)>;
using TOnRenderProcessThreadCreated = std::function<void(const rtl::TRef<ICefListValue>& extraInfo)>;

class IVoraDBrowserProcessHandler : public virtual ICefBrowserProcessHandler {
public:
  virtual TOnBeforeChildProcessLaunch GetOnBeforeChildProcessLaunch() const = 0;
  virtual void SetOnBeforeChildProcessLaunch(TOnBeforeChildProcessLaunch v) = 0;
  virtual TOnRenderProcessThreadCreated GetOnRenderProcessThreadCreated() const = 0;
  virtual void SetOnRenderProcessThreadCreated(TOnRenderProcessThreadCreated v) = 0;
  virtual TOnContextInitialized GetOnContextInitialized() const = 0;
  virtual void SetOnContextInitialized(TOnContextInitialized v) = 0;
};

class TVoraDBrowserProcessHandler : public TCefBrowserProcessHandlerOwn,
                                    public IVoraDBrowserProcessHandler {
public:
  void OnContextInitialized() override;
  void OnBeforeChildProcessLaunch(const rtl::TRef<ICefCommandLine>& command_line) override;
  void OnRenderProcessThreadCreated(const rtl::TRef<ICefListValue>& extra_info) override;

  TOnBeforeChildProcessLaunch GetOnBeforeChildProcessLaunch() const override { return FOnBeforeChildProcessLaunch; }
  void SetOnBeforeChildProcessLaunch(TOnBeforeChildProcessLaunch v) override { FOnBeforeChildProcessLaunch = std::move(v); }
  TOnRenderProcessThreadCreated GetOnRenderProcessThreadCreated() const override { return FOnRenderProcessThreadCreated; }
  void SetOnRenderProcessThreadCreated(TOnRenderProcessThreadCreated v) override { FOnRenderProcessThreadCreated = std::move(v); }
  TOnContextInitialized GetOnContextInitialized() const override { return FOnContextInitialized; }
  void SetOnContextInitialized(TOnContextInitialized v) override { FOnContextInitialized = std::move(v); }

private:
  TOnBeforeChildProcessLaunch FOnBeforeChildProcessLaunch;
  TOnRenderProcessThreadCreated FOnRenderProcessThreadCreated;
  TOnContextInitialized FOnContextInitialized;
};
