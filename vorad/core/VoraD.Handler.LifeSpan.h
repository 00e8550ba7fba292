#pragma once
// Popups, creation and closing of pages, all sent to the page manager. Popups may arrive off the UI thread.
#include "vorad/cef3/VoraD.Cef3.Classes.h"
#include "vorad/core/VoraD.Handler.Basic.h"

class TVoraDLifeSpanHandler : public TVoraDHandlerBase<TCefLifeSpanHandlerOwn> {
public:
  using TVoraDHandlerBase::TVoraDHandlerBase;

  bool OnBeforePopup(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
      const std::wstring& target_url, const std::wstring& target_frame_name,
      cef_window_open_disposition_t target_disposition, bool user_gesture,
      const cef_popup_features_t* popupFeatures, cef_window_info_t* windowInfo,
      rtl::TRef<ICefClient>& client, cef_browser_settings_t* settings,
      int& no_javascript_access) override;
  void OnAfterCreated(const rtl::TRef<ICefBrowser>& browser) override;
  bool DoClose(const rtl::TRef<ICefBrowser>& browser) override;
  void OnBeforeClose(const rtl::TRef<ICefBrowser>& browser) override;
};
