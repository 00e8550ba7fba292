#pragma once
// Ref classes. The rest: callbacks, task runner, download item, command line, scheme
// registrar, context menu and menu model, drag data, certificates.
#include <string>
#include <vector>

#include "vorad/cef3/VoraD.Cef3.Ref.h"

class TCefRequestCallbackRef : public TCefRef<cef_request_callback_t, ICefRequestCallback> {
public:
  using TCefRef::TCefRef;
  VORAD_CEF3_REQUEST_CALLBACK_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefCallbackRef : public TCefRef<cef_callback_t, ICefCallback> {
public:
  using TCefRef::TCefRef;
  VORAD_CEF3_CALLBACK_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefTaskRunnerRef : public TCefRef<cef_task_runner_t, ICefTaskRunner> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefTaskRunner> GetForCurrentThread() {
    return CallExport(CefApi.cef_task_runner_get_for_current_thread);
  }
  static rtl::TRef<ICefTaskRunner> GetForThread(cef_thread_id_t threadId) {
    return CallExport(CefApi.cef_task_runner_get_for_thread, threadId);
  }

  VORAD_CEF3_TASK_RUNNER_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefDownLoadItemRef : public TCefRef<cef_download_item_t, ICefDownloadItem> {
public:
  using TCefRef::TCefRef;
  VORAD_CEF3_DOWNLOAD_ITEM_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefBeforeDownloadCallbackRef : public TCefRef<cef_before_download_callback_t, ICefBeforeDownloadCallback> {
public:
  using TCefRef::TCefRef;
  VORAD_CEF3_BEFORE_DOWNLOAD_CALLBACK_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefDownloadItemCallbackRef : public TCefRef<cef_download_item_callback_t, ICefDownloadItemCallback> {
public:
  using TCefRef::TCefRef;
  VORAD_CEF3_DOWNLOAD_ITEM_CALLBACK_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefAuthCallbackRef : public TCefRef<cef_auth_callback_t, ICefAuthCallback> {
public:
  using TCefRef::TCefRef;
  VORAD_CEF3_AUTH_CALLBACK_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefJsDialogCallbackRef : public TCefRef<cef_jsdialog_callback_t, ICefJsDialogCallback> {
public:
  using TCefRef::TCefRef;
  VORAD_CEF3_JSDIALOG_CALLBACK_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefCommandLineRef : public TCefRef<cef_command_line_t, ICefCommandLine> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefCommandLine> New() { return CallExport(CefApi.cef_command_line_create); }
  static rtl::TRef<ICefCommandLine> Global() {
    return CallExport(CefApi.cef_command_line_get_global);
  }

  VORAD_CEF3_COMMAND_LINE_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefSchemeRegistrarRef : public TCefRef<cef_scheme_registrar_t, ICefSchemeRegistrar> {
public:
  using TCefRef::TCefRef;
  VORAD_CEF3_SCHEME_REGISTRAR_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefGeolocationCallbackRef : public TCefRef<cef_geolocation_callback_t, ICefGeolocationCallback> {
public:
  using TCefRef::TCefRef;
  VORAD_CEF3_GEOLOCATION_CALLBACK_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefContextMenuParamsRef : public TCefRef<cef_context_menu_params_t, ICefContextMenuParams> {
public:
  using TCefRef::TCefRef;
  VORAD_CEF3_CONTEXT_MENU_PARAMS_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefMenuModelRef : public TCefRef<cef_menu_model_t, ICefMenuModel> {
public:
  using TCefRef::TCefRef;
  VORAD_CEF3_MENU_MODEL_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefFileDialogCallbackRef : public TCefRef<cef_file_dialog_callback_t, ICefFileDialogCallback> {
public:
  using TCefRef::TCefRef;
  VORAD_CEF3_FILE_DIALOG_CALLBACK_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefDragDataRef : public TCefRef<cef_drag_data_t, ICefDragData> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefDragData> New() { return CallExport(CefApi.cef_drag_data_create); }

  VORAD_CEF3_DRAG_DATA_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefSslCertPrincipalRef : public TCefRef<cef_sslcert_principal_t, ICefSslCertPrincipal> {
public:
  using TCefRef::TCefRef;
  VORAD_CEF3_SSLCERT_PRINCIPAL_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};

class TCefSslInfoRef : public TCefRef<cef_sslinfo_t, ICefSslInfo> {
public:
  using TCefRef::TCefRef;
  VORAD_CEF3_SSLINFO_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
  // A counted out-array: its length comes from another entry.
  void GetDerencodedIssuerChain(std::vector<rtl::TRef<ICefBinaryValue>>& chain) override {
    CallCounted<&C::get_derencoded_issuer_chain, &C::get_issuer_chain_size>(chain);
  }
  // A counted out-array: its length comes from another entry.
  void GetPemencodedIssuerChain(std::vector<rtl::TRef<ICefBinaryValue>>& chain) override {
    CallCounted<&C::get_pemencoded_issuer_chain, &C::get_issuer_chain_size>(chain);
  }
};

class TCefRunContextMenuCallbackRef : public TCefRef<cef_run_context_menu_callback_t, ICefRunContextMenuCallback> {
public:
  using TCefRef::TCefRef;
  VORAD_CEF3_RUN_CONTEXT_MENU_CALLBACK_OPS(VORAD_CEF3_FORWARD, VORAD_CEF3_WRITTEN_OUT)
};
