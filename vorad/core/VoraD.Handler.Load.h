#pragma once
// Loading notifications, all sent to the page manager. UI thread.
#include "vorad/cef3/VoraD.Cef3.Classes.h"
#include "vorad/core/VoraD.Handler.Basic.h"

class TVoraDLoadHandler : public TVoraDHandlerBase<TCefLoadHandlerOwn> {
public:
  using TVoraDHandlerBase::TVoraDHandlerBase;

  void OnLoadingStateChange(const rtl::TRef<ICefBrowser>& browser, bool isLoading, bool canGoBack,
      bool canGoForward) override;
  void OnLoadStart(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame) override;
  void OnLoadEnd(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
      int httpStatusCode) override;
  void OnLoadError(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
      cef_errorcode_t errorCode, const std::wstring& errorText, const std::wstring& failedUrl) override;
};
