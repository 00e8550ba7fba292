#pragma once
// Interfaces over the runtime structures: callbacks, command line, menus, downloads, drag data.
// Part of VoraD.Cef3.Interfaces.h, which declares every name used here: include that header.

// cef_request_callback_t: runtime object.
#define VORAD_CEF3_REQUEST_CALLBACK_OPS(X, W) \
  X(void, Cont, (bool allow), cont, (allow))  \
  X(void, Cancel, (), cancel, ())
class ICefRequestCallback : public virtual ICefBase {
public:
  VORAD_CEF3_REQUEST_CALLBACK_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_callback_t: runtime object.
#define VORAD_CEF3_CALLBACK_OPS(X, W) \
  X(void, Cont, (), cont, ())         \
  X(void, Cancel, (), cancel, ())
class ICefCallback : public virtual ICefBase {
public:
  VORAD_CEF3_CALLBACK_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_task_runner_t: runtime object.
#define VORAD_CEF3_TASK_RUNNER_OPS(X, W)                                              \
  X(bool, IsSame, (const rtl::TRef<ICefTaskRunner>& that), is_same, (that))           \
  X(bool, BelongsToCurrentThread, (), belongs_to_current_thread, ())                  \
  X(bool, BelongsToThread, (cef_thread_id_t threadId), belongs_to_thread, (threadId)) \
  X(bool, PostTask, (const rtl::TRef<ICefTask>& task), post_task, (task))             \
  X(bool, PostDelayedTask, (const rtl::TRef<ICefTask>& task, int64_t delay_ms),       \
      post_delayed_task, (task, delay_ms))
class ICefTaskRunner : public virtual ICefBase {
public:
  VORAD_CEF3_TASK_RUNNER_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_download_item_t: runtime object.
#define VORAD_CEF3_DOWNLOAD_ITEM_OPS(X, W)                                \
  X(bool, IsValid, (), is_valid, ())                                      \
  X(bool, IsInProgress, (), is_in_progress, ())                           \
  X(bool, IsComplete, (), is_complete, ())                                \
  X(bool, IsCanceled, (), is_canceled, ())                                \
  X(int64_t, GetCurrentSpeed, (), get_current_speed, ())                  \
  X(int, GetPercentComplete, (), get_percent_complete, ())                \
  X(int64_t, GetTotalBytes, (), get_total_bytes, ())                      \
  X(int64_t, GetReceivedBytes, (), get_received_bytes, ())                \
  X(cef_time_t, GetStartTime, (), get_start_time, ())                     \
  X(cef_time_t, GetEndTime, (), get_end_time, ())                         \
  X(std::wstring, GetFullPath, (), get_full_path, ())                     \
  X(uint32_t, GetId, (), get_id, ())                                      \
  X(std::wstring, GetUrl, (), get_url, ())                                \
  X(std::wstring, GetOriginalUrl, (), get_original_url, ())               \
  X(std::wstring, GetSuggestedFileName, (), get_suggested_file_name, ())  \
  X(std::wstring, GetContentDisposition, (), get_content_disposition, ()) \
  X(std::wstring, GetMimeType, (), get_mime_type, ())
class ICefDownloadItem : public virtual ICefBase {
public:
  VORAD_CEF3_DOWNLOAD_ITEM_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_before_download_callback_t: runtime object.
#define VORAD_CEF3_BEFORE_DOWNLOAD_CALLBACK_OPS(X, W)                                                      \
  X(void, Cont, (const std::wstring& download_path, bool show_dialog), cont, (download_path, show_dialog))
class ICefBeforeDownloadCallback : public virtual ICefBase {
public:
  VORAD_CEF3_BEFORE_DOWNLOAD_CALLBACK_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_download_item_callback_t: runtime object.
#define VORAD_CEF3_DOWNLOAD_ITEM_CALLBACK_OPS(X, W) \
  X(void, Cancel, (), cancel, ())                   \
  X(void, Pause, (), pause, ())                     \
  X(void, Resume, (), resume, ())
class ICefDownloadItemCallback : public virtual ICefBase {
public:
  VORAD_CEF3_DOWNLOAD_ITEM_CALLBACK_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_auth_callback_t: runtime object.
#define VORAD_CEF3_AUTH_CALLBACK_OPS(X, W)                                                                \
  X(void, Cont, (const std::wstring& username, const std::wstring& password), cont, (username, password)) \
  X(void, Cancel, (), cancel, ())
class ICefAuthCallback : public virtual ICefBase {
public:
  VORAD_CEF3_AUTH_CALLBACK_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_jsdialog_callback_t: runtime object.
#define VORAD_CEF3_JSDIALOG_CALLBACK_OPS(X, W)                                               \
  X(void, Cont, (bool success, const std::wstring& user_input), cont, (success, user_input))
class ICefJsDialogCallback : public virtual ICefBase {
public:
  VORAD_CEF3_JSDIALOG_CALLBACK_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_command_line_t: runtime object.
#define VORAD_CEF3_COMMAND_LINE_OPS(X, W)                                                       \
  X(bool, IsValid, (), is_valid, ())                                                            \
  X(bool, IsReadOnly, (), is_read_only, ())                                                     \
  X(rtl::TRef<ICefCommandLine>, Copy, (), copy, ())                                             \
  X(void, InitFromArgv, (int argc, const char* const* argv), init_from_argv, (argc, argv))      \
  X(void, InitFromString, (const std::wstring& command_line), init_from_string, (command_line)) \
  X(void, Reset, (), reset, ())                                                                 \
  X(void, GetArgv, (std::vector<std::wstring>& argv), get_argv, (argv))                         \
  X(std::wstring, GetCommandLineString, (), get_command_line_string, ())                        \
  X(std::wstring, GetProgram, (), get_program, ())                                              \
  X(void, SetProgram, (const std::wstring& program), set_program, (program))                    \
  X(bool, HasSwitches, (), has_switches, ())                                                    \
  X(bool, HasSwitch, (const std::wstring& name), has_switch, (name))                            \
  X(std::wstring, GetSwitchValue, (const std::wstring& name), get_switch_value, (name))         \
  X(void, GetSwitches, (cef_string_map_t switches), get_switches, (switches))                   \
  X(void, AppendSwitch, (const std::wstring& name), append_switch, (name))                      \
  X(void, AppendSwitchWithValue, (const std::wstring& name, const std::wstring& value),         \
      append_switch_with_value, (name, value))                                                  \
  X(bool, HasArguments, (), has_arguments, ())                                                  \
  X(void, GetArguments, (std::vector<std::wstring>& arguments), get_arguments, (arguments))     \
  X(void, AppendArgument, (const std::wstring& argument), append_argument, (argument))          \
  X(void, PrependWrapper, (const std::wstring& wrapper), prepend_wrapper, (wrapper))
class ICefCommandLine : public virtual ICefBase {
public:
  VORAD_CEF3_COMMAND_LINE_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_scheme_registrar_t: runtime object.
#define VORAD_CEF3_SCHEME_REGISTRAR_OPS(X, W)                                                 \
  X(bool, AddCustomScheme, (const std::wstring& scheme_name, bool is_standard, bool is_local, \
      bool is_display_isolated),                                                              \
      add_custom_scheme, (scheme_name, is_standard, is_local, is_display_isolated))
class ICefSchemeRegistrar : public virtual ICefBase {
public:
  VORAD_CEF3_SCHEME_REGISTRAR_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_geolocation_callback_t: runtime object.
#define VORAD_CEF3_GEOLOCATION_CALLBACK_OPS(X, W) \
  X(void, Cont, (bool allow), cont, (allow))
class ICefGeolocationCallback : public virtual ICefBase {
public:
  VORAD_CEF3_GEOLOCATION_CALLBACK_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_context_menu_params_t: runtime object.
#define VORAD_CEF3_CONTEXT_MENU_PARAMS_OPS(X, W)                                             \
  X(int, GetXcoord, (), get_xcoord, ())                                                      \
  X(int, GetYcoord, (), get_ycoord, ())                                                      \
  X(cef_context_menu_type_flags_t, GetTypeFlags, (), get_type_flags, ())                     \
  X(std::wstring, GetLinkUrl, (), get_link_url, ())                                          \
  X(std::wstring, GetUnfilteredLinkUrl, (), get_unfiltered_link_url, ())                     \
  X(std::wstring, GetSourceUrl, (), get_source_url, ())                                      \
  X(bool, HasImageContents, (), has_image_contents, ())                                      \
  X(std::wstring, GetPageUrl, (), get_page_url, ())                                          \
  X(std::wstring, GetFrameUrl, (), get_frame_url, ())                                        \
  X(std::wstring, GetFrameCharset, (), get_frame_charset, ())                                \
  X(cef_context_menu_media_type_t, GetMediaType, (), get_media_type, ())                     \
  X(cef_context_menu_media_state_flags_t, GetMediaStateFlags, (), get_media_state_flags, ()) \
  X(std::wstring, GetSelectionText, (), get_selection_text, ())                              \
  X(std::wstring, GetMisspelledWord, (), get_misspelled_word, ())                            \
  X(bool, GetDictionarySuggestions, (std::vector<std::wstring>& suggestions),                \
      get_dictionary_suggestions, (suggestions))                                             \
  X(bool, IsEditable, (), is_editable, ())                                                   \
  X(bool, IsSpellCheckEnabled, (), is_spell_check_enabled, ())                               \
  X(cef_context_menu_edit_state_flags_t, GetEditStateFlags, (), get_edit_state_flags, ())    \
  X(bool, IsCustomMenu, (), is_custom_menu, ())                                              \
  X(bool, IsPepperMenu, (), is_pepper_menu, ())
class ICefContextMenuParams : public virtual ICefBase {
public:
  VORAD_CEF3_CONTEXT_MENU_PARAMS_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_menu_model_t: runtime object.
#define VORAD_CEF3_MENU_MODEL_OPS(X, W)                                                                     \
  X(bool, Clear, (), clear, ())                                                                             \
  X(int, GetCount, (), get_count, ())                                                                       \
  X(bool, AddSeparator, (), add_separator, ())                                                              \
  X(bool, AddItem, (int command_id, const std::wstring& label), add_item, (command_id, label))              \
  X(bool, AddCheckItem, (int command_id, const std::wstring& label), add_check_item, (command_id, label))   \
  X(bool, AddRadioItem, (int command_id, const std::wstring& label, int group_id),                          \
      add_radio_item, (command_id, label, group_id))                                                        \
  X(rtl::TRef<ICefMenuModel>, AddSubMenu, (int command_id, const std::wstring& label),                      \
      add_sub_menu, (command_id, label))                                                                    \
  X(bool, InsertSeparatorAt, (int index), insert_separator_at, (index))                                     \
  X(bool, InsertItemAt, (int index, int command_id, const std::wstring& label),                             \
      insert_item_at, (index, command_id, label))                                                           \
  X(bool, InsertCheckItemAt, (int index, int command_id, const std::wstring& label),                        \
      insert_check_item_at, (index, command_id, label))                                                     \
  X(bool, InsertRadioItemAt, (int index, int command_id, const std::wstring& label, int group_id),          \
      insert_radio_item_at, (index, command_id, label, group_id))                                           \
  X(rtl::TRef<ICefMenuModel>, InsertSubMenuAt, (int index, int command_id, const std::wstring& label),      \
      insert_sub_menu_at, (index, command_id, label))                                                       \
  X(bool, Remove, (int command_id), remove, (command_id))                                                   \
  X(bool, RemoveAt, (int index), remove_at, (index))                                                        \
  X(int, GetIndexOf, (int command_id), get_index_of, (command_id))                                          \
  X(int, GetCommandIdAt, (int index), get_command_id_at, (index))                                           \
  X(bool, SetCommandIdAt, (int index, int command_id), set_command_id_at, (index, command_id))              \
  X(std::wstring, GetLabel, (int command_id), get_label, (command_id))                                      \
  X(std::wstring, GetLabelAt, (int index), get_label_at, (index))                                           \
  X(bool, SetLabel, (int command_id, const std::wstring& label), set_label, (command_id, label))            \
  X(bool, SetLabelAt, (int index, const std::wstring& label), set_label_at, (index, label))                 \
  X(cef_menu_item_type_t, GetType, (int command_id), get_type, (command_id))                                \
  X(cef_menu_item_type_t, GetTypeAt, (int index), get_type_at, (index))                                     \
  X(int, GetGroupId, (int command_id), get_group_id, (command_id))                                          \
  X(int, GetGroupIdAt, (int index), get_group_id_at, (index))                                               \
  X(bool, SetGroupId, (int command_id, int group_id), set_group_id, (command_id, group_id))                 \
  X(bool, SetGroupIdAt, (int index, int group_id), set_group_id_at, (index, group_id))                      \
  X(rtl::TRef<ICefMenuModel>, GetSubMenu, (int command_id), get_sub_menu, (command_id))                     \
  X(rtl::TRef<ICefMenuModel>, GetSubMenuAt, (int index), get_sub_menu_at, (index))                          \
  X(bool, IsVisible, (int command_id), is_visible, (command_id))                                            \
  X(bool, IsVisibleAt, (int index), is_visible_at, (index))                                                 \
  X(bool, SetVisible, (int command_id, bool visible), set_visible, (command_id, visible))                   \
  X(bool, SetVisibleAt, (int index, bool visible), set_visible_at, (index, visible))                        \
  X(bool, IsEnabled, (int command_id), is_enabled, (command_id))                                            \
  X(bool, IsEnabledAt, (int index), is_enabled_at, (index))                                                 \
  X(bool, SetEnabled, (int command_id, bool enabled), set_enabled, (command_id, enabled))                   \
  X(bool, SetEnabledAt, (int index, bool enabled), set_enabled_at, (index, enabled))                        \
  X(bool, IsChecked, (int command_id), is_checked, (command_id))                                            \
  X(bool, IsCheckedAt, (int index), is_checked_at, (index))                                                 \
  X(bool, SetChecked, (int command_id, bool checked), set_checked, (command_id, checked))                   \
  X(bool, SetCheckedAt, (int index, bool checked), set_checked_at, (index, checked))                        \
  X(bool, HasAccelerator, (int command_id), has_accelerator, (command_id))                                  \
  X(bool, HasAcceleratorAt, (int index), has_accelerator_at, (index))                                       \
  X(bool, SetAccelerator, (int command_id, int key_code, bool shift_pressed, bool ctrl_pressed,             \
      bool alt_pressed), set_accelerator, (command_id, key_code, shift_pressed, ctrl_pressed, alt_pressed)) \
  X(bool, SetAcceleratorAt, (int index, int key_code, bool shift_pressed, bool ctrl_pressed,                \
      bool alt_pressed), set_accelerator_at, (index, key_code, shift_pressed, ctrl_pressed, alt_pressed))   \
  X(bool, RemoveAccelerator, (int command_id), remove_accelerator, (command_id))                            \
  X(bool, RemoveAcceleratorAt, (int index), remove_accelerator_at, (index))                                 \
  X(bool, GetAccelerator, (int command_id, int& key_code, int& shift_pressed, int& ctrl_pressed,            \
      int& alt_pressed), get_accelerator, (command_id, key_code, shift_pressed, ctrl_pressed, alt_pressed)) \
  X(bool, GetAcceleratorAt, (int index, int& key_code, int& shift_pressed, int& ctrl_pressed,               \
      int& alt_pressed), get_accelerator_at, (index, key_code, shift_pressed, ctrl_pressed, alt_pressed))
class ICefMenuModel : public virtual ICefBase {
public:
  VORAD_CEF3_MENU_MODEL_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_file_dialog_callback_t: runtime object.
#define VORAD_CEF3_FILE_DIALOG_CALLBACK_OPS(X, W)                                          \
  X(void, Cont, (int selected_accept_filter, const std::vector<std::wstring>& file_paths), \
      cont, (selected_accept_filter, file_paths))                                          \
  X(void, Cancel, (), cancel, ())
class ICefFileDialogCallback : public virtual ICefBase {
public:
  VORAD_CEF3_FILE_DIALOG_CALLBACK_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_drag_data_t: runtime object.
#define VORAD_CEF3_DRAG_DATA_OPS(X, W)                                                           \
  X(rtl::TRef<ICefDragData>, Clone, (), clone, ())                                               \
  X(bool, IsReadOnly, (), is_read_only, ())                                                      \
  X(bool, IsLink, (), is_link, ())                                                               \
  X(bool, IsFragment, (), is_fragment, ())                                                       \
  X(bool, IsFile, (), is_file, ())                                                               \
  X(std::wstring, GetLinkUrl, (), get_link_url, ())                                              \
  X(std::wstring, GetLinkTitle, (), get_link_title, ())                                          \
  X(std::wstring, GetLinkMetadata, (), get_link_metadata, ())                                    \
  X(std::wstring, GetFragmentText, (), get_fragment_text, ())                                    \
  X(std::wstring, GetFragmentHtml, (), get_fragment_html, ())                                    \
  X(std::wstring, GetFragmentBaseUrl, (), get_fragment_base_url, ())                             \
  X(std::wstring, GetFileName, (), get_file_name, ())                                            \
  X(size_t, GetFileContents, (cef_stream_writer_t* writer), get_file_contents, (writer))         \
  X(bool, GetFileNames, (std::vector<std::wstring>& names), get_file_names, (names))             \
  X(void, SetLinkUrl, (const std::wstring& url), set_link_url, (url))                            \
  X(void, SetLinkTitle, (const std::wstring& title), set_link_title, (title))                    \
  X(void, SetLinkMetadata, (const std::wstring& data), set_link_metadata, (data))                \
  X(void, SetFragmentText, (const std::wstring& text), set_fragment_text, (text))                \
  X(void, SetFragmentHtml, (const std::wstring& html), set_fragment_html, (html))                \
  X(void, SetFragmentBaseUrl, (const std::wstring& base_url), set_fragment_base_url, (base_url)) \
  X(void, ResetFileContents, (), reset_file_contents, ())                                        \
  X(void, AddFile, (const std::wstring& path, const std::wstring& display_name),                 \
      add_file, (path, display_name))
class ICefDragData : public virtual ICefBase {
public:
  VORAD_CEF3_DRAG_DATA_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_sslcert_principal_t: runtime object.
#define VORAD_CEF3_SSLCERT_PRINCIPAL_OPS(X, W)                                                               \
  X(std::wstring, GetDisplayName, (), get_display_name, ())                                                  \
  X(std::wstring, GetCommonName, (), get_common_name, ())                                                    \
  X(std::wstring, GetLocalityName, (), get_locality_name, ())                                                \
  X(std::wstring, GetStateOrProvinceName, (), get_state_or_province_name, ())                                \
  X(std::wstring, GetCountryName, (), get_country_name, ())                                                  \
  X(void, GetStreetAddresses, (std::vector<std::wstring>& addresses), get_street_addresses, (addresses))     \
  X(void, GetOrganizationNames, (std::vector<std::wstring>& names), get_organization_names, (names))         \
  X(void, GetOrganizationUnitNames, (std::vector<std::wstring>& names),                                      \
      get_organization_unit_names, (names))                                                                  \
  X(void, GetDomainComponents, (std::vector<std::wstring>& components), get_domain_components, (components))
class ICefSslCertPrincipal : public virtual ICefBase {
public:
  VORAD_CEF3_SSLCERT_PRINCIPAL_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_sslinfo_t: runtime object.
#define VORAD_CEF3_SSLINFO_OPS(X, W)                                                  \
  X(cef_cert_status_t, GetCertStatus, (), get_cert_status, ())                        \
  X(bool, IsCertStatusError, (), is_cert_status_error, ())                            \
  X(bool, IsCertStatusMinorError, (), is_cert_status_minor_error, ())                 \
  X(rtl::TRef<ICefSslCertPrincipal>, GetSubject, (), get_subject, ())                 \
  X(rtl::TRef<ICefSslCertPrincipal>, GetIssuer, (), get_issuer, ())                   \
  X(rtl::TRef<ICefBinaryValue>, GetSerialNumber, (), get_serial_number, ())           \
  X(cef_time_t, GetValidStart, (), get_valid_start, ())                               \
  X(cef_time_t, GetValidExpiry, (), get_valid_expiry, ())                             \
  X(rtl::TRef<ICefBinaryValue>, GetDerencoded, (), get_derencoded, ())                \
  X(rtl::TRef<ICefBinaryValue>, GetPemencoded, (), get_pemencoded, ())                \
  X(size_t, GetIssuerChainSize, (), get_issuer_chain_size, ())                        \
  W(void, GetDerencodedIssuerChain, (std::vector<rtl::TRef<ICefBinaryValue>>& chain)) \
  W(void, GetPemencodedIssuerChain, (std::vector<rtl::TRef<ICefBinaryValue>>& chain))
class ICefSslInfo : public virtual ICefBase {
public:
  VORAD_CEF3_SSLINFO_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};

// cef_run_context_menu_callback_t: runtime object.
#define VORAD_CEF3_RUN_CONTEXT_MENU_CALLBACK_OPS(X, W)                                            \
  X(void, Cont, (int command_id, cef_event_flags_t event_flags), cont, (command_id, event_flags)) \
  X(void, Cancel, (), cancel, ())
class ICefRunContextMenuCallback : public virtual ICefBase {
public:
  VORAD_CEF3_RUN_CONTEXT_MENU_CALLBACK_OPS(VORAD_CEF3_DECLARE, VORAD_CEF3_DECLARE)
};
