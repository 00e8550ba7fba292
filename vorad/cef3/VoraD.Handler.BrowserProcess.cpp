#include "vorad/cef3/VoraD.Handler.BrowserProcess.h"

void TVoraDBrowserProcessHandler::OnContextInitialized() {
  if (FOnContextInitialized) FOnContextInitialized();
}

void TVoraDBrowserProcessHandler::OnBeforeChildProcessLaunch(const rtl::TRef<ICefCommandLine>& command_line) {
  if (FOnBeforeChildProcessLaunch) FOnBeforeChildProcessLaunch(command_line);
}

void TVoraDBrowserProcessHandler::OnRenderProcessThreadCreated(const rtl::TRef<ICefListValue>& extra_info) {
  if (FOnRenderProcessThreadCreated) FOnRenderProcessThreadCreated(extra_info);
}
