// The wrappers adopting each structure of this area (declared in VoraD.Cef3.Ref.h).
#include "vorad/cef3/VoraD.Cef3.Ref.Misc.h"

rtl::TRef<ICefRequestCallback> UnWrap(cef_request_callback_t* data) {
  return data ? new TCefRequestCallbackRef(data) : nullptr;
}
rtl::TRef<ICefCallback> UnWrap(cef_callback_t* data) { return data ? new TCefCallbackRef(data) : nullptr; }
rtl::TRef<ICefTaskRunner> UnWrap(cef_task_runner_t* data) {
  return data ? new TCefTaskRunnerRef(data) : nullptr;
}
rtl::TRef<ICefDownloadItem> UnWrap(cef_download_item_t* data) {
  return data ? new TCefDownLoadItemRef(data) : nullptr;
}
rtl::TRef<ICefBeforeDownloadCallback> UnWrap(cef_before_download_callback_t* data) {
  return data ? new TCefBeforeDownloadCallbackRef(data) : nullptr;
}
rtl::TRef<ICefDownloadItemCallback> UnWrap(cef_download_item_callback_t* data) {
  return data ? new TCefDownloadItemCallbackRef(data) : nullptr;
}
rtl::TRef<ICefAuthCallback> UnWrap(cef_auth_callback_t* data) {
  return data ? new TCefAuthCallbackRef(data) : nullptr;
}
rtl::TRef<ICefJsDialogCallback> UnWrap(cef_jsdialog_callback_t* data) {
  return data ? new TCefJsDialogCallbackRef(data) : nullptr;
}
rtl::TRef<ICefCommandLine> UnWrap(cef_command_line_t* data) {
  return data ? new TCefCommandLineRef(data) : nullptr;
}
rtl::TRef<ICefSchemeRegistrar> UnWrap(cef_scheme_registrar_t* data) {
  return data ? new TCefSchemeRegistrarRef(data) : nullptr;
}
rtl::TRef<ICefGeolocationCallback> UnWrap(cef_geolocation_callback_t* data) {
  return data ? new TCefGeolocationCallbackRef(data) : nullptr;
}
rtl::TRef<ICefContextMenuParams> UnWrap(cef_context_menu_params_t* data) {
  return data ? new TCefContextMenuParamsRef(data) : nullptr;
}
rtl::TRef<ICefMenuModel> UnWrap(cef_menu_model_t* data) {
  return data ? new TCefMenuModelRef(data) : nullptr;
}
rtl::TRef<ICefFileDialogCallback> UnWrap(cef_file_dialog_callback_t* data) {
  return data ? new TCefFileDialogCallbackRef(data) : nullptr;
}
rtl::TRef<ICefDragData> UnWrap(cef_drag_data_t* data) { return data ? new TCefDragDataRef(data) : nullptr; }
rtl::TRef<ICefSslCertPrincipal> UnWrap(cef_sslcert_principal_t* data) {
  return data ? new TCefSslCertPrincipalRef(data) : nullptr;
}
rtl::TRef<ICefSslInfo> UnWrap(cef_sslinfo_t* data) { return data ? new TCefSslInfoRef(data) : nullptr; }
rtl::TRef<ICefRunContextMenuCallback> UnWrap(cef_run_context_menu_callback_t* data) {
  return data ? new TCefRunContextMenuCallbackRef(data) : nullptr;
}
