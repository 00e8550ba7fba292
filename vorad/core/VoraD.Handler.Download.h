#pragma once
// Downloads: the target is chosen by the page manager; progress goes straight to the control. UI thread.
#include "vorad/cef3/VoraD.Cef3.Classes.h"
#include "vorad/core/VoraD.Handler.Basic.h"

class TVoraDDownloadHandler : public TVoraDHandlerBase<TCefDownloadHandlerOwn> {
public:
  using TVoraDHandlerBase::TVoraDHandlerBase;

  void OnBeforeDownload(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefDownloadItem>& download_item, const std::wstring& suggested_name,
      const rtl::TRef<ICefBeforeDownloadCallback>& callback) override;
  void OnDownloadUpdated(const rtl::TRef<ICefBrowser>& browser,
      const rtl::TRef<ICefDownloadItem>& download_item,
      const rtl::TRef<ICefDownloadItemCallback>& callback) override;
};
