#include "vorad/core/VoraD.Handler.Load.h"

#include "vorad/core/VoraD.Core.BrowserView.Rules.h"

void TVoraDLoadHandler::OnLoadingStateChange(const rtl::TRef<ICefBrowser>& browser, bool isLoading, bool canGoBack,
                                             bool canGoForward) {
  SendToBrowserWindow(browser, WM_VORAD_LOADINGSTATE, LoadingBits(isLoading, canGoBack, canGoForward));
}

void TVoraDLoadHandler::OnLoadStart(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame) {
  SendToBrowserWindow(browser, WM_VORAD_LOADSTART, reinterpret_cast<LPARAM>(&frame));
}

void TVoraDLoadHandler::OnLoadEnd(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
                                  int httpStatusCode) {
  SendRecord(browser, WM_VORAD_LOADEND, TLoadEndParams{&frame, httpStatusCode});
}

void TVoraDLoadHandler::OnLoadError(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
                                    cef_errorcode_t errorCode, const std::wstring& errorText,
                                    const std::wstring& failedUrl) {
  SendRecord(browser, WM_VORAD_LOADERROR, TLoadErrorParams{&frame, int32_t(errorCode), &errorText, &failedUrl, false});
}
