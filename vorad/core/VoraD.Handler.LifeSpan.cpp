#include "vorad/core/VoraD.Handler.LifeSpan.h"

#include "vorad/core/VoraD.Core.JsExtention.h"

bool TVoraDLifeSpanHandler::OnBeforePopup(const rtl::TRef<ICefBrowser>& browser, const rtl::TRef<ICefFrame>& frame,
                                          const std::wstring& target_url, const std::wstring& target_frame_name,
                                          cef_window_open_disposition_t target_disposition, bool user_gesture,
                                          const cef_popup_features_t* popupFeatures, cef_window_info_t* windowInfo,
                                          rtl::TRef<ICefClient>& client, cef_browser_settings_t* settings,
                                          int& no_javascript_access) {
  bool result = false;
  bool noJavascriptAccess = no_javascript_access != 0;
  cef_window_open_disposition_t disposition = target_disposition;
  bool userGesture = user_gesture;
  const TPopupParams init{&frame, &target_url, &target_frame_name, &disposition, &userGesture, popupFeatures,
                          windowInfo, &client, settings, &noJavascriptAccess, &result, false};
  // One record for both steps, so the second sees what the first left.
  const auto record = std::make_unique<TPopupParams>(init);
  bool cancelled = !SendToBrowserWindow(browser, WM_VORAD_POPUPCHECK, reinterpret_cast<LPARAM>(record.get()));
  if (!cancelled)
    cancelled = !SendToBrowserWindow(browser, WM_VORAD_BEFOREPOPUP, reinterpret_cast<LPARAM>(record.get()));
  no_javascript_access = noJavascriptAccess ? 1 : 0;
  return cancelled;
}

void TVoraDLifeSpanHandler::OnAfterCreated(const rtl::TRef<ICefBrowser>& browser) {
  SendToBrowserWindow(browser, WM_VORAD_AFTERCREATED, browser ? browser->GetIdentifier() : -1);
}

bool TVoraDLifeSpanHandler::DoClose(const rtl::TRef<ICefBrowser>& browser) {
  bool result = false;
  SendToBrowserWindow(browser, WM_VORAD_DOCLOSE, reinterpret_cast<LPARAM>(&result));
  return result;
}

void TVoraDLifeSpanHandler::OnBeforeClose(const rtl::TRef<ICefBrowser>& browser) {
  // Script requests still waiting for the page get their answer: an error.
  if (browser) JsExtentionPageGone(browser->GetIdentifier());
  SendToBrowserWindow(browser, WM_VORAD_BEFORECLOSE, 0);
}
