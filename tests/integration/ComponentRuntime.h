#pragma once
// The browser component's runtime in a test process, started the way the program starts it:
// unit initialisations, the binding, then Init. What went wrong is kept for the tests to say.
#include <chrono>
#include <functional>
#include <string>

#include "rtl/SysUtils.h"
#include "vorad/cef3/VoraD.Utils.h"
#include "support/TestSupport.h"
#include "toolkit/Forms.h"
#include "vorad/cef3/VoraD.Core.App.h"
#include "vorad/core/VoraD.Core.CefErr.h"
#include "vorad/core/VoraD.Core.JsExtention.h"
#include "vorad/core/VoraD.Locker.h"

namespace component_testing {

inline bool gRuntimeUp = false;
inline std::wstring gRuntimeProblem;

inline void StartComponentRuntime(const wchar_t* appTitle, bool singleProcess, const std::wstring& cacheFolder) {
  InitVoraDLocker();
  InitVoraDCoreCefErr();
  InitVoraDCoreJsExtention();
  toolkit::Application().Title = appTitle;
  SetMainThreadId(GetCurrentThreadId());
  VoraDBindingStart();
  VoraDApp->SetCefSingleProcess(singleProcess);
  VoraDApp->SetCefCache(cacheFolder);
  try {
    gRuntimeUp = VoraDApp->Init();
    if (!gRuntimeUp) gRuntimeProblem = L"the runtime did not start in the browser role";
  } catch (const rtl::Exception& e) {
    gRuntimeProblem = e.Message();
  }
}

inline void StopComponentRuntime() {
  VoraDBindingEnd();
  FinalVoraDCoreJsExtention();
  FinalVoraDCoreCefErr();
  FinalVoraDLocker();
}

// Dispatches messages (the component's timer and the runtime's work) until cond holds.
inline bool Pump(const std::function<bool()>& cond, std::chrono::milliseconds timeout = std::chrono::seconds(15)) {
  return testing_support::WaitFor(cond, timeout, true);
}

}  // namespace component_testing
