#pragma once
// Ref classes. The rest: callbacks, task runner, download item, command line, scheme
// registrar, context menu and menu model, drag data, certificates.
#include <string>
#include <vector>

#include "vorad/cef3/VoraD.Cef3.Ref.h"

class TCefRequestCallbackRef : public TCefRef<cef_request_callback_t, ICefRequestCallback> {
public:
  using TCefRef::TCefRef;
  void Cont(bool allow) override { Call<&C::cont>(allow); }
  void Cancel() override { Call<&C::cancel>(); }
};

class TCefCallbackRef : public TCefRef<cef_callback_t, ICefCallback> {
public:
  using TCefRef::TCefRef;
  void Cont() override { Call<&C::cont>(); }
  void Cancel() override { Call<&C::cancel>(); }
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

  bool IsSame(const rtl::TRef<ICefTaskRunner>& that) override { return Call<&C::is_same>(that); }
  bool BelongsToCurrentThread() override { return Call<&C::belongs_to_current_thread>(); }
  bool BelongsToThread(cef_thread_id_t threadId) override { return Call<&C::belongs_to_thread>(threadId); }
  bool PostTask(const rtl::TRef<ICefTask>& task) override { return Call<&C::post_task>(task); }
  bool PostDelayedTask(const rtl::TRef<ICefTask>& task, int64_t delay_ms) override {
    return Call<&C::post_delayed_task>(task, delay_ms);
  }
};

class TCefDownLoadItemRef : public TCefRef<cef_download_item_t, ICefDownloadItem> {
public:
  using TCefRef::TCefRef;
  bool IsValid() override { return Call<&C::is_valid>(); }
  bool IsInProgress() override { return Call<&C::is_in_progress>(); }
  bool IsComplete() override { return Call<&C::is_complete>(); }
  bool IsCanceled() override { return Call<&C::is_canceled>(); }
  int64_t GetCurrentSpeed() override { return Call<&C::get_current_speed>(); }
  int GetPercentComplete() override { return Call<&C::get_percent_complete>(); }
  int64_t GetTotalBytes() override { return Call<&C::get_total_bytes>(); }
  int64_t GetReceivedBytes() override { return Call<&C::get_received_bytes>(); }
  cef_time_t GetStartTime() override { return Call<&C::get_start_time>(); }
  cef_time_t GetEndTime() override { return Call<&C::get_end_time>(); }
  std::wstring GetFullPath() override { return Call<&C::get_full_path>(); }
  uint32_t GetId() override { return Call<&C::get_id>(); }
  std::wstring GetUrl() override { return Call<&C::get_url>(); }
  std::wstring GetOriginalUrl() override { return Call<&C::get_original_url>(); }
  std::wstring GetSuggestedFileName() override { return Call<&C::get_suggested_file_name>(); }
  std::wstring GetContentDisposition() override { return Call<&C::get_content_disposition>(); }
  std::wstring GetMimeType() override { return Call<&C::get_mime_type>(); }
};

class TCefBeforeDownloadCallbackRef : public TCefRef<cef_before_download_callback_t, ICefBeforeDownloadCallback> {
public:
  using TCefRef::TCefRef;
  void Cont(const std::wstring& download_path, bool show_dialog) override {
    Call<&C::cont>(download_path, show_dialog);
  }
};

class TCefDownloadItemCallbackRef : public TCefRef<cef_download_item_callback_t, ICefDownloadItemCallback> {
public:
  using TCefRef::TCefRef;
  void Cancel() override { Call<&C::cancel>(); }
  void Pause() override { Call<&C::pause>(); }
  void Resume() override { Call<&C::resume>(); }
};

class TCefAuthCallbackRef : public TCefRef<cef_auth_callback_t, ICefAuthCallback> {
public:
  using TCefRef::TCefRef;
  void Cont(const std::wstring& username, const std::wstring& password) override {
    Call<&C::cont>(username, password);
  }
  void Cancel() override { Call<&C::cancel>(); }
};

class TCefJsDialogCallbackRef : public TCefRef<cef_jsdialog_callback_t, ICefJsDialogCallback> {
public:
  using TCefRef::TCefRef;
  void Cont(bool success, const std::wstring& user_input) override { Call<&C::cont>(success, user_input); }
};

class TCefCommandLineRef : public TCefRef<cef_command_line_t, ICefCommandLine> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefCommandLine> New() { return CallExport(CefApi.cef_command_line_create); }
  static rtl::TRef<ICefCommandLine> Global() {
    return CallExport(CefApi.cef_command_line_get_global);
  }

  bool IsValid() override { return Call<&C::is_valid>(); }
  bool IsReadOnly() override { return Call<&C::is_read_only>(); }
  rtl::TRef<ICefCommandLine> Copy() override { return Call<&C::copy>(); }
  void InitFromArgv(int argc, const char* const* argv) override { Call<&C::init_from_argv>(argc, argv); }
  void InitFromString(const std::wstring& command_line) override { Call<&C::init_from_string>(command_line); }
  void Reset() override { Call<&C::reset>(); }
  void GetArgv(std::vector<std::wstring>& argv) override { Call<&C::get_argv>(argv); }
  std::wstring GetCommandLineString() override { return Call<&C::get_command_line_string>(); }
  std::wstring GetProgram() override { return Call<&C::get_program>(); }
  void SetProgram(const std::wstring& program) override { Call<&C::set_program>(program); }
  bool HasSwitches() override { return Call<&C::has_switches>(); }
  bool HasSwitch(const std::wstring& name) override { return Call<&C::has_switch>(name); }
  std::wstring GetSwitchValue(const std::wstring& name) override { return Call<&C::get_switch_value>(name); }
  void GetSwitches(cef_string_map_t switches) override { Call<&C::get_switches>(switches); }
  void AppendSwitch(const std::wstring& name) override { Call<&C::append_switch>(name); }
  void AppendSwitchWithValue(const std::wstring& name, const std::wstring& value) override {
    Call<&C::append_switch_with_value>(name, value);
  }
  bool HasArguments() override { return Call<&C::has_arguments>(); }
  void GetArguments(std::vector<std::wstring>& arguments) override { Call<&C::get_arguments>(arguments); }
  void AppendArgument(const std::wstring& argument) override { Call<&C::append_argument>(argument); }
  void PrependWrapper(const std::wstring& wrapper) override { Call<&C::prepend_wrapper>(wrapper); }
};

class TCefSchemeRegistrarRef : public TCefRef<cef_scheme_registrar_t, ICefSchemeRegistrar> {
public:
  using TCefRef::TCefRef;
  bool AddCustomScheme(const std::wstring& scheme_name, bool is_standard, bool is_local,
      bool is_display_isolated) override {
    return Call<&C::add_custom_scheme>(scheme_name, is_standard, is_local, is_display_isolated);
  }
};

class TCefGeolocationCallbackRef : public TCefRef<cef_geolocation_callback_t, ICefGeolocationCallback> {
public:
  using TCefRef::TCefRef;
  void Cont(bool allow) override { Call<&C::cont>(allow); }
};

class TCefContextMenuParamsRef : public TCefRef<cef_context_menu_params_t, ICefContextMenuParams> {
public:
  using TCefRef::TCefRef;
  int GetXcoord() override { return Call<&C::get_xcoord>(); }
  int GetYcoord() override { return Call<&C::get_ycoord>(); }
  cef_context_menu_type_flags_t GetTypeFlags() override { return Call<&C::get_type_flags>(); }
  std::wstring GetLinkUrl() override { return Call<&C::get_link_url>(); }
  std::wstring GetUnfilteredLinkUrl() override { return Call<&C::get_unfiltered_link_url>(); }
  std::wstring GetSourceUrl() override { return Call<&C::get_source_url>(); }
  bool HasImageContents() override { return Call<&C::has_image_contents>(); }
  std::wstring GetPageUrl() override { return Call<&C::get_page_url>(); }
  std::wstring GetFrameUrl() override { return Call<&C::get_frame_url>(); }
  std::wstring GetFrameCharset() override { return Call<&C::get_frame_charset>(); }
  cef_context_menu_media_type_t GetMediaType() override { return Call<&C::get_media_type>(); }
  cef_context_menu_media_state_flags_t GetMediaStateFlags() override {
    return Call<&C::get_media_state_flags>();
  }
  std::wstring GetSelectionText() override { return Call<&C::get_selection_text>(); }
  std::wstring GetMisspelledWord() override { return Call<&C::get_misspelled_word>(); }
  bool GetDictionarySuggestions(std::vector<std::wstring>& suggestions) override {
    return Call<&C::get_dictionary_suggestions>(suggestions);
  }
  bool IsEditable() override { return Call<&C::is_editable>(); }
  bool IsSpellCheckEnabled() override { return Call<&C::is_spell_check_enabled>(); }
  cef_context_menu_edit_state_flags_t GetEditStateFlags() override {
    return Call<&C::get_edit_state_flags>();
  }
  bool IsCustomMenu() override { return Call<&C::is_custom_menu>(); }
  bool IsPepperMenu() override { return Call<&C::is_pepper_menu>(); }
};

class TCefMenuModelRef : public TCefRef<cef_menu_model_t, ICefMenuModel> {
public:
  using TCefRef::TCefRef;
  bool Clear() override { return Call<&C::clear>(); }
  int GetCount() override { return Call<&C::get_count>(); }
  bool AddSeparator() override { return Call<&C::add_separator>(); }
  bool AddItem(int command_id, const std::wstring& label) override {
    return Call<&C::add_item>(command_id, label);
  }
  bool AddCheckItem(int command_id, const std::wstring& label) override {
    return Call<&C::add_check_item>(command_id, label);
  }
  bool AddRadioItem(int command_id, const std::wstring& label, int group_id) override {
    return Call<&C::add_radio_item>(command_id, label, group_id);
  }
  rtl::TRef<ICefMenuModel> AddSubMenu(int command_id, const std::wstring& label) override {
    return Call<&C::add_sub_menu>(command_id, label);
  }
  bool InsertSeparatorAt(int index) override { return Call<&C::insert_separator_at>(index); }
  bool InsertItemAt(int index, int command_id, const std::wstring& label) override {
    return Call<&C::insert_item_at>(index, command_id, label);
  }
  bool InsertCheckItemAt(int index, int command_id, const std::wstring& label) override {
    return Call<&C::insert_check_item_at>(index, command_id, label);
  }
  bool InsertRadioItemAt(int index, int command_id, const std::wstring& label,
      int group_id) override {
    return Call<&C::insert_radio_item_at>(index, command_id, label, group_id);
  }
  rtl::TRef<ICefMenuModel> InsertSubMenuAt(int index, int command_id,
      const std::wstring& label) override {
    return Call<&C::insert_sub_menu_at>(index, command_id, label);
  }
  bool Remove(int command_id) override { return Call<&C::remove>(command_id); }
  bool RemoveAt(int index) override { return Call<&C::remove_at>(index); }
  int GetIndexOf(int command_id) override { return Call<&C::get_index_of>(command_id); }
  int GetCommandIdAt(int index) override { return Call<&C::get_command_id_at>(index); }
  bool SetCommandIdAt(int index, int command_id) override {
    return Call<&C::set_command_id_at>(index, command_id);
  }
  std::wstring GetLabel(int command_id) override { return Call<&C::get_label>(command_id); }
  std::wstring GetLabelAt(int index) override { return Call<&C::get_label_at>(index); }
  bool SetLabel(int command_id, const std::wstring& label) override {
    return Call<&C::set_label>(command_id, label);
  }
  bool SetLabelAt(int index, const std::wstring& label) override {
    return Call<&C::set_label_at>(index, label);
  }
  cef_menu_item_type_t GetType(int command_id) override { return Call<&C::get_type>(command_id); }
  cef_menu_item_type_t GetTypeAt(int index) override { return Call<&C::get_type_at>(index); }
  int GetGroupId(int command_id) override { return Call<&C::get_group_id>(command_id); }
  int GetGroupIdAt(int index) override { return Call<&C::get_group_id_at>(index); }
  bool SetGroupId(int command_id, int group_id) override {
    return Call<&C::set_group_id>(command_id, group_id);
  }
  bool SetGroupIdAt(int index, int group_id) override { return Call<&C::set_group_id_at>(index, group_id); }
  rtl::TRef<ICefMenuModel> GetSubMenu(int command_id) override { return Call<&C::get_sub_menu>(command_id); }
  rtl::TRef<ICefMenuModel> GetSubMenuAt(int index) override { return Call<&C::get_sub_menu_at>(index); }
  bool IsVisible(int command_id) override { return Call<&C::is_visible>(command_id); }
  bool IsVisibleAt(int index) override { return Call<&C::is_visible_at>(index); }
  bool SetVisible(int command_id, bool visible) override {
    return Call<&C::set_visible>(command_id, visible);
  }
  bool SetVisibleAt(int index, bool visible) override { return Call<&C::set_visible_at>(index, visible); }
  bool IsEnabled(int command_id) override { return Call<&C::is_enabled>(command_id); }
  bool IsEnabledAt(int index) override { return Call<&C::is_enabled_at>(index); }
  bool SetEnabled(int command_id, bool enabled) override {
    return Call<&C::set_enabled>(command_id, enabled);
  }
  bool SetEnabledAt(int index, bool enabled) override { return Call<&C::set_enabled_at>(index, enabled); }
  bool IsChecked(int command_id) override { return Call<&C::is_checked>(command_id); }
  bool IsCheckedAt(int index) override { return Call<&C::is_checked_at>(index); }
  bool SetChecked(int command_id, bool checked) override {
    return Call<&C::set_checked>(command_id, checked);
  }
  bool SetCheckedAt(int index, bool checked) override { return Call<&C::set_checked_at>(index, checked); }
  bool HasAccelerator(int command_id) override { return Call<&C::has_accelerator>(command_id); }
  bool HasAcceleratorAt(int index) override { return Call<&C::has_accelerator_at>(index); }
  bool SetAccelerator(int command_id, int key_code, bool shift_pressed, bool ctrl_pressed,
      bool alt_pressed) override {
    return Call<&C::set_accelerator>(command_id, key_code, shift_pressed, ctrl_pressed, alt_pressed);
  }
  bool SetAcceleratorAt(int index, int key_code, bool shift_pressed, bool ctrl_pressed,
      bool alt_pressed) override {
    return Call<&C::set_accelerator_at>(index, key_code, shift_pressed, ctrl_pressed, alt_pressed);
  }
  bool RemoveAccelerator(int command_id) override { return Call<&C::remove_accelerator>(command_id); }
  bool RemoveAcceleratorAt(int index) override { return Call<&C::remove_accelerator_at>(index); }
  bool GetAccelerator(int command_id, int& key_code, int& shift_pressed, int& ctrl_pressed,
      int& alt_pressed) override {
    return Call<&C::get_accelerator>(command_id, key_code, shift_pressed, ctrl_pressed, alt_pressed);
  }
  bool GetAcceleratorAt(int index, int& key_code, int& shift_pressed, int& ctrl_pressed,
      int& alt_pressed) override {
    return Call<&C::get_accelerator_at>(index, key_code, shift_pressed, ctrl_pressed, alt_pressed);
  }
};

class TCefFileDialogCallbackRef : public TCefRef<cef_file_dialog_callback_t, ICefFileDialogCallback> {
public:
  using TCefRef::TCefRef;
  void Cont(int selected_accept_filter, const std::vector<std::wstring>& file_paths) override {
    Call<&C::cont>(selected_accept_filter, file_paths);
  }
  void Cancel() override { Call<&C::cancel>(); }
};

class TCefDragDataRef : public TCefRef<cef_drag_data_t, ICefDragData> {
public:
  using TCefRef::TCefRef;
  static rtl::TRef<ICefDragData> New() { return CallExport(CefApi.cef_drag_data_create); }

  rtl::TRef<ICefDragData> Clone() override { return Call<&C::clone>(); }
  bool IsReadOnly() override { return Call<&C::is_read_only>(); }
  bool IsLink() override { return Call<&C::is_link>(); }
  bool IsFragment() override { return Call<&C::is_fragment>(); }
  bool IsFile() override { return Call<&C::is_file>(); }
  std::wstring GetLinkUrl() override { return Call<&C::get_link_url>(); }
  std::wstring GetLinkTitle() override { return Call<&C::get_link_title>(); }
  std::wstring GetLinkMetadata() override { return Call<&C::get_link_metadata>(); }
  std::wstring GetFragmentText() override { return Call<&C::get_fragment_text>(); }
  std::wstring GetFragmentHtml() override { return Call<&C::get_fragment_html>(); }
  std::wstring GetFragmentBaseUrl() override { return Call<&C::get_fragment_base_url>(); }
  std::wstring GetFileName() override { return Call<&C::get_file_name>(); }
  size_t GetFileContents(cef_stream_writer_t* writer) override { return Call<&C::get_file_contents>(writer); }
  bool GetFileNames(std::vector<std::wstring>& names) override { return Call<&C::get_file_names>(names); }
  void SetLinkUrl(const std::wstring& url) override { Call<&C::set_link_url>(url); }
  void SetLinkTitle(const std::wstring& title) override { Call<&C::set_link_title>(title); }
  void SetLinkMetadata(const std::wstring& data) override { Call<&C::set_link_metadata>(data); }
  void SetFragmentText(const std::wstring& text) override { Call<&C::set_fragment_text>(text); }
  void SetFragmentHtml(const std::wstring& html) override { Call<&C::set_fragment_html>(html); }
  void SetFragmentBaseUrl(const std::wstring& base_url) override {
    Call<&C::set_fragment_base_url>(base_url);
  }
  void ResetFileContents() override { Call<&C::reset_file_contents>(); }
  void AddFile(const std::wstring& path, const std::wstring& display_name) override {
    Call<&C::add_file>(path, display_name);
  }
};

class TCefSslCertPrincipalRef : public TCefRef<cef_sslcert_principal_t, ICefSslCertPrincipal> {
public:
  using TCefRef::TCefRef;
  std::wstring GetDisplayName() override { return Call<&C::get_display_name>(); }
  std::wstring GetCommonName() override { return Call<&C::get_common_name>(); }
  std::wstring GetLocalityName() override { return Call<&C::get_locality_name>(); }
  std::wstring GetStateOrProvinceName() override { return Call<&C::get_state_or_province_name>(); }
  std::wstring GetCountryName() override { return Call<&C::get_country_name>(); }
  void GetStreetAddresses(std::vector<std::wstring>& addresses) override {
    Call<&C::get_street_addresses>(addresses);
  }
  void GetOrganizationNames(std::vector<std::wstring>& names) override {
    Call<&C::get_organization_names>(names);
  }
  void GetOrganizationUnitNames(std::vector<std::wstring>& names) override {
    Call<&C::get_organization_unit_names>(names);
  }
  void GetDomainComponents(std::vector<std::wstring>& components) override {
    Call<&C::get_domain_components>(components);
  }
};

class TCefSslInfoRef : public TCefRef<cef_sslinfo_t, ICefSslInfo> {
public:
  using TCefRef::TCefRef;
  cef_cert_status_t GetCertStatus() override { return Call<&C::get_cert_status>(); }
  bool IsCertStatusError() override { return Call<&C::is_cert_status_error>(); }
  bool IsCertStatusMinorError() override { return Call<&C::is_cert_status_minor_error>(); }
  rtl::TRef<ICefSslCertPrincipal> GetSubject() override { return Call<&C::get_subject>(); }
  rtl::TRef<ICefSslCertPrincipal> GetIssuer() override { return Call<&C::get_issuer>(); }
  rtl::TRef<ICefBinaryValue> GetSerialNumber() override { return Call<&C::get_serial_number>(); }
  cef_time_t GetValidStart() override { return Call<&C::get_valid_start>(); }
  cef_time_t GetValidExpiry() override { return Call<&C::get_valid_expiry>(); }
  rtl::TRef<ICefBinaryValue> GetDerencoded() override { return Call<&C::get_derencoded>(); }
  rtl::TRef<ICefBinaryValue> GetPemencoded() override { return Call<&C::get_pemencoded>(); }
  size_t GetIssuerChainSize() override { return Call<&C::get_issuer_chain_size>(); }
  void GetDerencodedIssuerChain(std::vector<rtl::TRef<ICefBinaryValue>>& chain) override {
    CallCounted<&C::get_derencoded_issuer_chain, &C::get_issuer_chain_size>(chain);
  }
  void GetPemencodedIssuerChain(std::vector<rtl::TRef<ICefBinaryValue>>& chain) override {
    CallCounted<&C::get_pemencoded_issuer_chain, &C::get_issuer_chain_size>(chain);
  }
};

class TCefRunContextMenuCallbackRef : public TCefRef<cef_run_context_menu_callback_t, ICefRunContextMenuCallback> {
public:
  using TCefRef::TCefRef;
  void Cont(int command_id, cef_event_flags_t event_flags) override {
    Call<&C::cont>(command_id, event_flags);
  }
  void Cancel() override { Call<&C::cancel>(); }
};
