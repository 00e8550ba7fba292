#pragma once
// Geolocation permission requests, raised directly on the delivering thread.
#include "vorad/cef3/VoraD.Cef3.Classes.h"
#include "vorad/core/VoraD.Handler.Basic.h"

class TVoraDGeolocationHandler : public TVoraDHandlerBase<TCefGeolocationHandlerOwn> {
public:
  using TVoraDHandlerBase::TVoraDHandlerBase;

  bool OnRequestGeolocationPermission(const rtl::TRef<ICefBrowser>& browser,
      const std::wstring& requesting_url, int request_id,
      const rtl::TRef<ICefGeolocationCallback>& callback) override;
  void OnCancelGeolocationPermission(const rtl::TRef<ICefBrowser>& browser, int request_id) override;
};
