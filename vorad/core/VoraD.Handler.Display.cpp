#include "vorad/core/VoraD.Handler.Display.h"

// The frame is not passed on: address changes of every frame reach the page manager alike.
void TVoraDDisplayHandler::OnAddressChange(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& /*frame*/,
                                           const std::wstring& url) {
  SendToBrowserWindow(browser, WM_VORAD_ADDRESSCHANGE, reinterpret_cast<LPARAM>(&url));
}

void TVoraDDisplayHandler::OnTitleChange(const rtl::TRef<ICefBrowser>& browser, const std::wstring& title) {
  SendToBrowserWindow(browser, WM_VORAD_TITLECHANGE, reinterpret_cast<LPARAM>(&title));
}

void TVoraDDisplayHandler::OnFaviconUrlchange(const rtl::TRef<ICefBrowser>& browser,
                                              const std::vector<std::wstring>& icon_urls) {
  SendToBrowserWindow(browser, WM_VORAD_FAVICONURLCHANGE, reinterpret_cast<LPARAM>(&icon_urls));
}

void TVoraDDisplayHandler::OnFullscreenModeChange(const rtl::TRef<ICefBrowser>& browser, bool fullscreen) {
  uint8_t flag = fullscreen ? 1 : 0;
  SendToBrowserWindow(browser, WM_VORAD_FULLSCREENMODECHANGE, reinterpret_cast<LPARAM>(&flag));
}

bool TVoraDDisplayHandler::OnTooltip(const rtl::TRef<ICefBrowser>& browser, std::wstring& text) {
  bool result = false;
  SendRecord(browser, WM_VORAD_TOOLTIP, TTooltipParams{&text, &result});
  return result;
}

void TVoraDDisplayHandler::OnStatusMessage(const rtl::TRef<ICefBrowser>& browser, const std::wstring& value) {
  SendToBrowserWindow(browser, WM_VORAD_STATUSMESSAGE, reinterpret_cast<LPARAM>(&value));
}

bool TVoraDDisplayHandler::OnConsoleMessage(const rtl::TRef<ICefBrowser>& browser, const std::wstring& message,
                                            const std::wstring& source, int line) {
  bool result = false;
  SendRecord(browser, WM_VORAD_CONSOLEMESSAGE, TConsoleMessageParams{&message, &source, int32_t(line), &result});
  return result;
}
