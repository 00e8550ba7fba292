#pragma once
// Interfaces over the runtime structures: callbacks, command line, menus, downloads, drag data.
// Part of VoraD.Cef3.Interfaces.h, which declares every name used here: include that header.

// cef_request_callback_t: runtime object.
class ICefRequestCallback : public virtual ICefBase {
public:
  virtual void Cont(bool allow) = 0;
  virtual void Cancel() = 0;
};

// cef_callback_t: runtime object.
class ICefCallback : public virtual ICefBase {
public:
  virtual void Cont() = 0;
  virtual void Cancel() = 0;
};

// cef_task_runner_t: runtime object.
class ICefTaskRunner : public virtual ICefBase {
public:
  virtual bool IsSame(const rtl::TRef<ICefTaskRunner>& that) = 0;
  virtual bool BelongsToCurrentThread() = 0;
  virtual bool BelongsToThread(cef_thread_id_t threadId) = 0;
  virtual bool PostTask(const rtl::TRef<ICefTask>& task) = 0;
  virtual bool PostDelayedTask(const rtl::TRef<ICefTask>& task, int64_t delay_ms) = 0;
};

// cef_download_item_t: runtime object.
class ICefDownloadItem : public virtual ICefBase {
public:
  virtual bool IsValid() = 0;
  virtual bool IsInProgress() = 0;
  virtual bool IsComplete() = 0;
  virtual bool IsCanceled() = 0;
  virtual int64_t GetCurrentSpeed() = 0;
  virtual int GetPercentComplete() = 0;
  virtual int64_t GetTotalBytes() = 0;
  virtual int64_t GetReceivedBytes() = 0;
  virtual cef_time_t GetStartTime() = 0;
  virtual cef_time_t GetEndTime() = 0;
  virtual std::wstring GetFullPath() = 0;
  virtual uint32_t GetId() = 0;
  virtual std::wstring GetUrl() = 0;
  virtual std::wstring GetOriginalUrl() = 0;
  virtual std::wstring GetSuggestedFileName() = 0;
  virtual std::wstring GetContentDisposition() = 0;
  virtual std::wstring GetMimeType() = 0;
};

// cef_before_download_callback_t: runtime object.
class ICefBeforeDownloadCallback : public virtual ICefBase {
public:
  virtual void Cont(const std::wstring& download_path, bool show_dialog) = 0;
};

// cef_download_item_callback_t: runtime object.
class ICefDownloadItemCallback : public virtual ICefBase {
public:
  virtual void Cancel() = 0;
  virtual void Pause() = 0;
  virtual void Resume() = 0;
};

// cef_auth_callback_t: runtime object.
class ICefAuthCallback : public virtual ICefBase {
public:
  virtual void Cont(const std::wstring& username, const std::wstring& password) = 0;
  virtual void Cancel() = 0;
};

// cef_jsdialog_callback_t: runtime object.
class ICefJsDialogCallback : public virtual ICefBase {
public:
  virtual void Cont(bool success, const std::wstring& user_input) = 0;
};

// cef_command_line_t: runtime object.
class ICefCommandLine : public virtual ICefBase {
public:
  virtual bool IsValid() = 0;
  virtual bool IsReadOnly() = 0;
  virtual rtl::TRef<ICefCommandLine> Copy() = 0;
  virtual void InitFromArgv(int argc, const char* const* argv) = 0;
  virtual void InitFromString(const std::wstring& command_line) = 0;
  virtual void Reset() = 0;
  virtual void GetArgv(std::vector<std::wstring>& argv) = 0;
  virtual std::wstring GetCommandLineString() = 0;
  virtual std::wstring GetProgram() = 0;
  virtual void SetProgram(const std::wstring& program) = 0;
  virtual bool HasSwitches() = 0;
  virtual bool HasSwitch(const std::wstring& name) = 0;
  virtual std::wstring GetSwitchValue(const std::wstring& name) = 0;
  virtual void GetSwitches(cef_string_map_t switches) = 0;
  virtual void AppendSwitch(const std::wstring& name) = 0;
  virtual void AppendSwitchWithValue(const std::wstring& name, const std::wstring& value) = 0;
  virtual bool HasArguments() = 0;
  virtual void GetArguments(std::vector<std::wstring>& arguments) = 0;
  virtual void AppendArgument(const std::wstring& argument) = 0;
  virtual void PrependWrapper(const std::wstring& wrapper) = 0;
};

// cef_scheme_registrar_t: runtime object.
class ICefSchemeRegistrar : public virtual ICefBase {
public:
  virtual bool AddCustomScheme(const std::wstring& scheme_name, bool is_standard, bool is_local,
      bool is_display_isolated) = 0;
};

// cef_geolocation_callback_t: runtime object.
class ICefGeolocationCallback : public virtual ICefBase {
public:
  virtual void Cont(bool allow) = 0;
};

// cef_context_menu_params_t: runtime object.
class ICefContextMenuParams : public virtual ICefBase {
public:
  virtual int GetXcoord() = 0;
  virtual int GetYcoord() = 0;
  virtual cef_context_menu_type_flags_t GetTypeFlags() = 0;
  virtual std::wstring GetLinkUrl() = 0;
  virtual std::wstring GetUnfilteredLinkUrl() = 0;
  virtual std::wstring GetSourceUrl() = 0;
  virtual bool HasImageContents() = 0;
  virtual std::wstring GetPageUrl() = 0;
  virtual std::wstring GetFrameUrl() = 0;
  virtual std::wstring GetFrameCharset() = 0;
  virtual cef_context_menu_media_type_t GetMediaType() = 0;
  virtual cef_context_menu_media_state_flags_t GetMediaStateFlags() = 0;
  virtual std::wstring GetSelectionText() = 0;
  virtual std::wstring GetMisspelledWord() = 0;
  virtual bool GetDictionarySuggestions(std::vector<std::wstring>& suggestions) = 0;
  virtual bool IsEditable() = 0;
  virtual bool IsSpellCheckEnabled() = 0;
  virtual cef_context_menu_edit_state_flags_t GetEditStateFlags() = 0;
  virtual bool IsCustomMenu() = 0;
  virtual bool IsPepperMenu() = 0;
};

// cef_menu_model_t: runtime object.
class ICefMenuModel : public virtual ICefBase {
public:
  virtual bool Clear() = 0;
  virtual int GetCount() = 0;
  virtual bool AddSeparator() = 0;
  virtual bool AddItem(int command_id, const std::wstring& label) = 0;
  virtual bool AddCheckItem(int command_id, const std::wstring& label) = 0;
  virtual bool AddRadioItem(int command_id, const std::wstring& label, int group_id) = 0;
  virtual rtl::TRef<ICefMenuModel> AddSubMenu(int command_id, const std::wstring& label) = 0;
  virtual bool InsertSeparatorAt(int index) = 0;
  virtual bool InsertItemAt(int index, int command_id, const std::wstring& label) = 0;
  virtual bool InsertCheckItemAt(int index, int command_id, const std::wstring& label) = 0;
  virtual bool InsertRadioItemAt(int index, int command_id, const std::wstring& label,
      int group_id) = 0;
  virtual rtl::TRef<ICefMenuModel> InsertSubMenuAt(int index, int command_id,
      const std::wstring& label) = 0;
  virtual bool Remove(int command_id) = 0;
  virtual bool RemoveAt(int index) = 0;
  virtual int GetIndexOf(int command_id) = 0;
  virtual int GetCommandIdAt(int index) = 0;
  virtual bool SetCommandIdAt(int index, int command_id) = 0;
  virtual std::wstring GetLabel(int command_id) = 0;
  virtual std::wstring GetLabelAt(int index) = 0;
  virtual bool SetLabel(int command_id, const std::wstring& label) = 0;
  virtual bool SetLabelAt(int index, const std::wstring& label) = 0;
  virtual cef_menu_item_type_t GetType(int command_id) = 0;
  virtual cef_menu_item_type_t GetTypeAt(int index) = 0;
  virtual int GetGroupId(int command_id) = 0;
  virtual int GetGroupIdAt(int index) = 0;
  virtual bool SetGroupId(int command_id, int group_id) = 0;
  virtual bool SetGroupIdAt(int index, int group_id) = 0;
  virtual rtl::TRef<ICefMenuModel> GetSubMenu(int command_id) = 0;
  virtual rtl::TRef<ICefMenuModel> GetSubMenuAt(int index) = 0;
  virtual bool IsVisible(int command_id) = 0;
  virtual bool IsVisibleAt(int index) = 0;
  virtual bool SetVisible(int command_id, bool visible) = 0;
  virtual bool SetVisibleAt(int index, bool visible) = 0;
  virtual bool IsEnabled(int command_id) = 0;
  virtual bool IsEnabledAt(int index) = 0;
  virtual bool SetEnabled(int command_id, bool enabled) = 0;
  virtual bool SetEnabledAt(int index, bool enabled) = 0;
  virtual bool IsChecked(int command_id) = 0;
  virtual bool IsCheckedAt(int index) = 0;
  virtual bool SetChecked(int command_id, bool checked) = 0;
  virtual bool SetCheckedAt(int index, bool checked) = 0;
  virtual bool HasAccelerator(int command_id) = 0;
  virtual bool HasAcceleratorAt(int index) = 0;
  virtual bool SetAccelerator(int command_id, int key_code, bool shift_pressed, bool ctrl_pressed,
      bool alt_pressed) = 0;
  virtual bool SetAcceleratorAt(int index, int key_code, bool shift_pressed, bool ctrl_pressed,
      bool alt_pressed) = 0;
  virtual bool RemoveAccelerator(int command_id) = 0;
  virtual bool RemoveAcceleratorAt(int index) = 0;
  virtual bool GetAccelerator(int command_id, int& key_code, int& shift_pressed, int& ctrl_pressed,
      int& alt_pressed) = 0;
  virtual bool GetAcceleratorAt(int index, int& key_code, int& shift_pressed, int& ctrl_pressed,
      int& alt_pressed) = 0;
};

// cef_file_dialog_callback_t: runtime object.
class ICefFileDialogCallback : public virtual ICefBase {
public:
  virtual void Cont(int selected_accept_filter, const std::vector<std::wstring>& file_paths) = 0;
  virtual void Cancel() = 0;
};

// cef_drag_data_t: runtime object.
class ICefDragData : public virtual ICefBase {
public:
  virtual rtl::TRef<ICefDragData> Clone() = 0;
  virtual bool IsReadOnly() = 0;
  virtual bool IsLink() = 0;
  virtual bool IsFragment() = 0;
  virtual bool IsFile() = 0;
  virtual std::wstring GetLinkUrl() = 0;
  virtual std::wstring GetLinkTitle() = 0;
  virtual std::wstring GetLinkMetadata() = 0;
  virtual std::wstring GetFragmentText() = 0;
  virtual std::wstring GetFragmentHtml() = 0;
  virtual std::wstring GetFragmentBaseUrl() = 0;
  virtual std::wstring GetFileName() = 0;
  virtual size_t GetFileContents(cef_stream_writer_t* writer) = 0;
  virtual bool GetFileNames(std::vector<std::wstring>& names) = 0;
  virtual void SetLinkUrl(const std::wstring& url) = 0;
  virtual void SetLinkTitle(const std::wstring& title) = 0;
  virtual void SetLinkMetadata(const std::wstring& data) = 0;
  virtual void SetFragmentText(const std::wstring& text) = 0;
  virtual void SetFragmentHtml(const std::wstring& html) = 0;
  virtual void SetFragmentBaseUrl(const std::wstring& base_url) = 0;
  virtual void ResetFileContents() = 0;
  virtual void AddFile(const std::wstring& path, const std::wstring& display_name) = 0;
};

// cef_sslcert_principal_t: runtime object.
class ICefSslCertPrincipal : public virtual ICefBase {
public:
  virtual std::wstring GetDisplayName() = 0;
  virtual std::wstring GetCommonName() = 0;
  virtual std::wstring GetLocalityName() = 0;
  virtual std::wstring GetStateOrProvinceName() = 0;
  virtual std::wstring GetCountryName() = 0;
  virtual void GetStreetAddresses(std::vector<std::wstring>& addresses) = 0;
  virtual void GetOrganizationNames(std::vector<std::wstring>& names) = 0;
  virtual void GetOrganizationUnitNames(std::vector<std::wstring>& names) = 0;
  virtual void GetDomainComponents(std::vector<std::wstring>& components) = 0;
};

// cef_sslinfo_t: runtime object.
class ICefSslInfo : public virtual ICefBase {
public:
  virtual cef_cert_status_t GetCertStatus() = 0;
  virtual bool IsCertStatusError() = 0;
  virtual bool IsCertStatusMinorError() = 0;
  virtual rtl::TRef<ICefSslCertPrincipal> GetSubject() = 0;
  virtual rtl::TRef<ICefSslCertPrincipal> GetIssuer() = 0;
  virtual rtl::TRef<ICefBinaryValue> GetSerialNumber() = 0;
  virtual cef_time_t GetValidStart() = 0;
  virtual cef_time_t GetValidExpiry() = 0;
  virtual rtl::TRef<ICefBinaryValue> GetDerencoded() = 0;
  virtual rtl::TRef<ICefBinaryValue> GetPemencoded() = 0;
  virtual size_t GetIssuerChainSize() = 0;
  virtual void GetDerencodedIssuerChain(std::vector<rtl::TRef<ICefBinaryValue>>& chain) = 0;
  virtual void GetPemencodedIssuerChain(std::vector<rtl::TRef<ICefBinaryValue>>& chain) = 0;
};

// cef_run_context_menu_callback_t: runtime object.
class ICefRunContextMenuCallback : public virtual ICefBase {
public:
  virtual void Cont(int command_id, cef_event_flags_t event_flags) = 0;
  virtual void Cancel() = 0;
};
