#include "vorad/core/VoraD.Handler.Download.h"

void TVoraDDownloadHandler::OnBeforeDownload(const rtl::TRef<ICefBrowser>& browser,
                                             const rtl::TRef<ICefDownloadItem>& download_item,
                                             const std::wstring& suggested_name,
                                             const rtl::TRef<ICefBeforeDownloadCallback>& callback) {
  SendRecord(browser, WM_VORAD_BEFOREDOWNLOAD, TBeforeDownloadParams{&download_item, &suggested_name, &callback, false});
}

void TVoraDDownloadHandler::OnDownloadUpdated(const rtl::TRef<ICefBrowser>& browser,
                                              const rtl::TRef<ICefDownloadItem>& download_item,
                                              const rtl::TRef<ICefDownloadItemCallback>& callback) {
  if (FEvents) FEvents->DoDownloadUpdated(browser, download_item, callback);
}
