#include "bridge/JSEx.h"

#include <windows.h>

#include "bridge/mapshare.h"
#include "rtl/RttiBuilder.h"

namespace {

// Sends msg to the main window named in the shared block and returns the 32-bit result. No
// window (handle 0, block not mapped) means nothing is sent. HWND_BROADCAST is refused too: any
// process of the session can write the block, and a broadcast WM_CLOSE would close every
// top-level window of the desktop.
int32_t SendToMainWindow(UINT msg) {
  const HWND wnd = ReadShareMainWindow();
  if (!wnd || wnd == HWND_BROADCAST) return 0;
  return int32_t(SendMessageW(wnd, msg, 0, 0));
}

int32_t SendWithText(UINT msg, const std::wstring& text) {
  WriteShareText(text, TShareBuffer::Text1);
  return SendToMainWindow(msg);
}

}  // namespace

int32_t TApp::hWMove() { return SendToMainWindow(WM_BRIDGE_MOVE); }
int32_t TApp::hWMin() { return SendToMainWindow(WM_BRIDGE_MINIMIZE); }
int32_t TApp::hWMax() { return SendToMainWindow(WM_BRIDGE_MAXIMIZE); }
int32_t TApp::hExitApp() { return SendToMainWindow(WM_BRIDGE_EXIT); }
int32_t TApp::hDwon(const std::wstring& url) { return SendWithText(WM_BRIDGE_DOWNLOAD, url); }
int32_t TApp::hDwonPause() { return SendToMainWindow(WM_BRIDGE_PAUSE); }
int32_t TApp::hDwonStart() { return SendToMainWindow(WM_BRIDGE_RESUME); }
int32_t TApp::hOpenUrl(const std::wstring& k) { return SendWithText(WM_BRIDGE_OPENURL, k); }
int32_t TApp::hSearch(const std::wstring& k) { return SendWithText(WM_BRIDGE_SEARCH, k); }
int32_t TApp::hOpenDir() { return SendToMainWindow(WM_BRIDGE_OPENDIR); }

rtl::TClass TApp::StaticClassInfo() {
  static const rtl::TClass info =
      rtl::DescribeClass<TApp, rtl::TObject>(L"TApp", L"JSEx", [](rtl::TClassBuilder<TApp>& c) {
        c.Visibility(rtl::TMemberVisibility::Public)
            .ClassMethod(L"hWMove", &TApp::hWMove)
            .ClassMethod(L"hWMin", &TApp::hWMin)
            .ClassMethod(L"hWMax", &TApp::hWMax)
            .ClassMethod(L"hExitApp", &TApp::hExitApp)
            .ClassMethod(L"hDwon", &TApp::hDwon, {L"url"})
            .ClassMethod(L"hDwonPause", &TApp::hDwonPause)
            .ClassMethod(L"hDwonStart", &TApp::hDwonStart)
            .ClassMethod(L"hOpenUrl", &TApp::hOpenUrl, {L"k"})
            .ClassMethod(L"hSearch", &TApp::hSearch, {L"k"})
            .ClassMethod(L"hOpenDir", &TApp::hOpenDir);
      });
  return info;
}
