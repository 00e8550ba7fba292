// Entry of every test executable: "--child NAME args..." runs a child role of the same program
// (for tests across processes); anything else runs the test cases.
#include <windows.h>
#include <shellapi.h>
#include <gtest/gtest.h>

#include "rtl/Handles.h"
#include "support/TestSupport.h"

namespace testing_support {
int RunRegisteredChild(const std::wstring& name, const std::vector<std::wstring>& args);
int RunProcessTypeMain();
}

int main(int argc, char** argv) {
  int wargc = 0;
  const rtl::TLocalMemory<LPWSTR*> arguments(CommandLineToArgvW(GetCommandLineW(), &wargc));
  LPWSTR* wargv = arguments.Get();
  // A browser runtime's sub-process (--type=...) started from a test runs the role the test
  // registered, before anything else looks at the command line.
  for (int i = 1; wargv && i < wargc; ++i) {
    if (wcsncmp(wargv[i], L"--type=", 7) == 0) {
      SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
      return testing_support::RunProcessTypeMain();
    }
  }
  if (wargv && wargc >= 3 && std::wstring(wargv[1]) == L"--child") {
    std::vector<std::wstring> args(wargv + 3, wargv + wargc);
    const std::wstring name = wargv[2];
    return testing_support::RunRegisteredChild(name, args);
  }
  // A failing assertion must not open a dialog box under Wine.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
