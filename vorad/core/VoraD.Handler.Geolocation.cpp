#include "vorad/core/VoraD.Handler.Geolocation.h"

bool TVoraDGeolocationHandler::OnRequestGeolocationPermission(const rtl::TRef<ICefBrowser>& browser,
                                                              const std::wstring& requesting_url, int request_id,
                                                              const rtl::TRef<ICefGeolocationCallback>& callback) {
  bool cancel = false;
  if (FEvents) FEvents->DoRequestGeolocationPermission(browser, requesting_url, request_id, callback, cancel);
  return cancel;
}

void TVoraDGeolocationHandler::OnCancelGeolocationPermission(const rtl::TRef<ICefBrowser>& browser, int request_id) {
  if (FEvents) FEvents->DoCancelGeolocationPermission(browser, request_id);
}
