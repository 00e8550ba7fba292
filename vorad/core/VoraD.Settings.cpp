#include "vorad/core/VoraD.Settings.h"

#include <windows.h>


std::wstring ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
    if (n == 0) return L"";
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);  // long path: try again with more room
  }
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

TVoraDOptions::TVoraDOptions() : FDownLoadPath(ProgramFolder() + L"Download\\") {}

void TVoraDOptions::SetDownLoadPath(const std::wstring& Value) {
  if (Value.empty()) return;
  const DWORD attributes = GetFileAttributesW(Value.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return;
  FDownLoadPath = Value.back() == L'\\' ? Value : Value + L"\\";
}

void TVoraDOptions::SetShowLoadError(bool Value) { FShowLoadError = Value; }

std::array<TCefState, TChromiumOptions::StateCount> TChromiumOptions::States() const {
  return {FJavascript,        FJavascriptOpenWindows,       FJavascriptCloseWindows,
          FJavascriptAccessClipboard, FJavascriptDomPaste,  FCaretBrowsing,
          FPlugins,           FUniversalAccessFromFileUrls, FFileAccessFromFileUrls,
          FWebSecurity,       FImageLoading,                FImageShrinkStandaloneToFit,
          FTextAreaResize,    FTabToLinks,                  FLocalStorage,
          FDatabases,         FApplicationCache,            FWebgl};
}

