// Small exports with real behaviour: paths, launching a process, logging switches, trace time,
// the version.
#include <shlobj.h>

#include "Cef.CommandLine.h"
#include "Cef.Runtime.h"
#include "rtl/Handles.h"

using namespace standin;

namespace {
HMODULE ThisModule() {
  HMODULE m = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&ThisModule), &m);
  return m;
}
std::wstring ModulePath(HMODULE m) {
  wchar_t buf[MAX_PATH * 4] = {};
  GetModuleFileNameW(m, buf, MAX_PATH * 4);
  return buf;
}
std::wstring DirOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(0, slash);
}
}  // namespace

extern "C" {

int cef_get_path(cef_path_key_t key, cef_string_t* path) {
  return Guard(0, [&] {
    if (!path) return 0;
    std::wstring result;
    wchar_t buf[MAX_PATH * 4] = {};
    switch (key) {
      case PK_DIR_CURRENT:
        GetCurrentDirectoryW(MAX_PATH * 4, buf);
        result = buf;
        break;
      case PK_DIR_EXE: result = DirOf(ModulePath(nullptr)); break;
      case PK_DIR_MODULE: result = DirOf(ModulePath(ThisModule())); break;
      case PK_DIR_TEMP: {
        const DWORD n = GetTempPathW(MAX_PATH * 4, buf);
        result = std::wstring(buf, n);
        if (!result.empty() && (result.back() == L'\\' || result.back() == L'/')) result.pop_back();
        break;
      }
      case PK_FILE_EXE: result = ModulePath(nullptr); break;
      case PK_FILE_MODULE: result = ModulePath(ThisModule()); break;
      case PK_LOCAL_APP_DATA:
        if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, buf))) result = buf;
        break;
      case PK_USER_DATA:
        result = BrowserSideUp() ? Settings().userDataPath : L"";
        if (result.empty() && SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, buf))) result = buf;
        break;
      default: return 0;
    }
    if (result.empty()) return 0;
    SetCefString(path, result);
    return 1;
  });
}

int cef_launch_process(cef_command_line_t* command_line) {
  auto held = TCRef<cef_command_line_t>::Adopt(command_line);
  return Guard(0, [&] {
    if (!STANDIN_HAS(command_line, get_command_line_string)) return 0;
    cef_string_userfree_t text = command_line->get_command_line_string(command_line);
    std::wstring line = ToW(text);
    cef_string_userfree_utf16_free(text);
    if (line.empty()) return 0;
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return 0;
    const rtl::TUniqueHandle thread(pi.hThread), process(pi.hProcess);  // never waited for
    return 1;
  });
}

int cef_get_min_log_level(void) { return BrowserSideUp() ? Settings().logSeverity : 0; }
int cef_get_vlog_level(const char*, size_t) { return 0; }
// Logging stays off in the stand-in: the program runs with log severity 99.
void cef_log(const char*, int, int, const char*) {}

int64_t cef_now_from_system_trace_time(void) {
  LARGE_INTEGER f{}, c{};
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return f.QuadPart ? static_cast<int64_t>(c.QuadPart / f.QuadPart * 1000000 + c.QuadPart % f.QuadPart * 1000000 / f.QuadPart) : 0;
}

// The runtime version this stand-in answers to: 3.2623.1401 on Chrome 49.0.2623.110.
int cef_version_info(int entry) {
  static const int kVersion[] = {3, 1401, 49, 0, 2623, 110};
  return entry >= 0 && entry < 6 ? kVersion[entry] : 0;
}

// The platform (0) and universal (1) hashes of the declarations. The stand-in's own values: a
// client that compares them with its headers' hashes learns it runs on the stand-in.
const char* cef_api_hash(int entry) {
  switch (entry) {
    case 0: return "5e7f2b1c9a04d3e86b1f0c27a9d4e53b18c6f072";
    case 1: return "a1d06c3f8e925b74c0e13d68f2b59a4e7c0d3b91";
    default: return nullptr;
  }
}

}  // extern "C"
