#pragma once
// Address, title, favicon, fullscreen, tooltip, status and console notices, all sent to the page manager. UI thread.
#include "vorad/cef3/VoraD.Cef3.Classes.h"
#include "vorad/core/VoraD.Handler.Basic.h"

class TVoraDDisplayHandler : public TVoraDHandlerBase<TCefDisplayHandlerOwn> {
public:
  using TVoraDHandlerBase::TVoraDHandlerBase;

  void OnAddressChange(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
      const std::wstring& url) override;
  void OnTitleChange(const rtl::TRef<ICefBrowser>& browser, const std::wstring& title) override;
  void OnFaviconUrlchange(const rtl::TRef<ICefBrowser>& browser,
      const std::vector<std::wstring>& icon_urls) override;
  void OnFullscreenModeChange(const rtl::TRef<ICefBrowser>& browser, bool fullscreen) override;
  bool OnTooltip(const rtl::TRef<ICefBrowser>& browser, std::wstring& text) override;
  void OnStatusMessage(const rtl::TRef<ICefBrowser>& browser, const std::wstring& value) override;
  bool OnConsoleMessage(const rtl::TRef<ICefBrowser>& browser, const std::wstring& message,
      const std::wstring& source, int line) override;
};
