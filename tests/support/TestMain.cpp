// Entry of every test executable: "--child NAME args..." runs a child role of the same program
// (for tests across processes); anything else runs the test cases.
#include <windows.h>
#include <shellapi.h>
#include <gtest/gtest.h>

#include "support/TestSupport.h"

namespace testing_support {
int RunRegisteredChild(const std::wstring& name, const std::vector<std::wstring>& args);
}

int main(int argc, char** argv) {
  int wargc = 0;
  LPWSTR* wargv = CommandLineToArgvW(GetCommandLineW(), &wargc);
  if (wargv && wargc >= 3 && std::wstring(wargv[1]) == L"--child") {
    std::vector<std::wstring> args(wargv + 3, wargv + wargc);
    const std::wstring name = wargv[2];
    LocalFree(wargv);
    return testing_support::RunRegisteredChild(name, args);
  }
  if (wargv) LocalFree(wargv);
  // A failing assertion must not open a dialog box under Wine.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
