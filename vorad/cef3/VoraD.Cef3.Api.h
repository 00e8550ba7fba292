// C declarations of the browser runtime's 3.2623 interface: the reference-counted
// structures, the exported functions as function-pointer types, and the list of the 152
// exports the binding resolves, in the order it resolves them.
//
// Every entry of a structure is __stdcall (CEF_CALLBACK) and takes the structure itself
// first; a structure pointer passed as any other argument or returned carries one reference
// that its receiver owns.
#ifndef VORAD_CEF3_API_H
#define VORAD_CEF3_API_H

#include "vorad/cef3/VoraD.Cef3.Types.h"

#ifdef __cplusplus
extern "C" {
#endif

// ---- Forward declarations
typedef struct _cef_app_t cef_app_t;
typedef struct _cef_auth_callback_t cef_auth_callback_t;
typedef struct _cef_browser_t cef_browser_t;
typedef struct _cef_run_file_dialog_callback_t cef_run_file_dialog_callback_t;
typedef struct _cef_navigation_entry_visitor_t cef_navigation_entry_visitor_t;
typedef struct _cef_pdf_print_callback_t cef_pdf_print_callback_t;
typedef struct _cef_browser_host_t cef_browser_host_t;
typedef struct _cef_browser_process_handler_t cef_browser_process_handler_t;
typedef struct _cef_callback_t cef_callback_t;
typedef struct _cef_completion_callback_t cef_completion_callback_t;
typedef struct _cef_client_t cef_client_t;
typedef struct _cef_command_line_t cef_command_line_t;
typedef struct _cef_run_context_menu_callback_t cef_run_context_menu_callback_t;
typedef struct _cef_context_menu_handler_t cef_context_menu_handler_t;
typedef struct _cef_context_menu_params_t cef_context_menu_params_t;
typedef struct _cef_cookie_manager_t cef_cookie_manager_t;
typedef struct _cef_cookie_visitor_t cef_cookie_visitor_t;
typedef struct _cef_set_cookie_callback_t cef_set_cookie_callback_t;
typedef struct _cef_delete_cookies_callback_t cef_delete_cookies_callback_t;
typedef struct _cef_file_dialog_callback_t cef_file_dialog_callback_t;
typedef struct _cef_dialog_handler_t cef_dialog_handler_t;
typedef struct _cef_display_handler_t cef_display_handler_t;
typedef struct _cef_domvisitor_t cef_domvisitor_t;
typedef struct _cef_domdocument_t cef_domdocument_t;
typedef struct _cef_domnode_t cef_domnode_t;
typedef struct _cef_before_download_callback_t cef_before_download_callback_t;
typedef struct _cef_download_item_callback_t cef_download_item_callback_t;
typedef struct _cef_download_handler_t cef_download_handler_t;
typedef struct _cef_download_item_t cef_download_item_t;
typedef struct _cef_drag_data_t cef_drag_data_t;
typedef struct _cef_drag_handler_t cef_drag_handler_t;
typedef struct _cef_find_handler_t cef_find_handler_t;
typedef struct _cef_focus_handler_t cef_focus_handler_t;
typedef struct _cef_frame_t cef_frame_t;
typedef struct _cef_get_geolocation_callback_t cef_get_geolocation_callback_t;
typedef struct _cef_geolocation_callback_t cef_geolocation_callback_t;
typedef struct _cef_geolocation_handler_t cef_geolocation_handler_t;
typedef struct _cef_jsdialog_callback_t cef_jsdialog_callback_t;
typedef struct _cef_jsdialog_handler_t cef_jsdialog_handler_t;
typedef struct _cef_keyboard_handler_t cef_keyboard_handler_t;
typedef struct _cef_life_span_handler_t cef_life_span_handler_t;
typedef struct _cef_load_handler_t cef_load_handler_t;
typedef struct _cef_menu_model_t cef_menu_model_t;
typedef struct _cef_navigation_entry_t cef_navigation_entry_t;
typedef struct _cef_print_dialog_callback_t cef_print_dialog_callback_t;
typedef struct _cef_print_job_callback_t cef_print_job_callback_t;
typedef struct _cef_print_handler_t cef_print_handler_t;
typedef struct _cef_print_settings_t cef_print_settings_t;
typedef struct _cef_process_message_t cef_process_message_t;
typedef struct _cef_render_handler_t cef_render_handler_t;
typedef struct _cef_render_process_handler_t cef_render_process_handler_t;
typedef struct _cef_request_t cef_request_t;
typedef struct _cef_post_data_t cef_post_data_t;
typedef struct _cef_post_data_element_t cef_post_data_element_t;
typedef struct _cef_resolve_callback_t cef_resolve_callback_t;
typedef struct _cef_request_context_t cef_request_context_t;
typedef struct _cef_request_context_handler_t cef_request_context_handler_t;
typedef struct _cef_request_callback_t cef_request_callback_t;
typedef struct _cef_request_handler_t cef_request_handler_t;
typedef struct _cef_resource_bundle_t cef_resource_bundle_t;
typedef struct _cef_resource_bundle_handler_t cef_resource_bundle_handler_t;
typedef struct _cef_resource_handler_t cef_resource_handler_t;
typedef struct _cef_response_t cef_response_t;
typedef struct _cef_response_filter_t cef_response_filter_t;
typedef struct _cef_scheme_registrar_t cef_scheme_registrar_t;
typedef struct _cef_scheme_handler_factory_t cef_scheme_handler_factory_t;
typedef struct _cef_sslcert_principal_t cef_sslcert_principal_t;
typedef struct _cef_sslinfo_t cef_sslinfo_t;
typedef struct _cef_read_handler_t cef_read_handler_t;
typedef struct _cef_stream_reader_t cef_stream_reader_t;
typedef struct _cef_write_handler_t cef_write_handler_t;
typedef struct _cef_stream_writer_t cef_stream_writer_t;
typedef struct _cef_string_visitor_t cef_string_visitor_t;
typedef struct _cef_task_t cef_task_t;
typedef struct _cef_task_runner_t cef_task_runner_t;
typedef struct _cef_end_tracing_callback_t cef_end_tracing_callback_t;
typedef struct _cef_urlrequest_t cef_urlrequest_t;
typedef struct _cef_urlrequest_client_t cef_urlrequest_client_t;
typedef struct _cef_v8context_t cef_v8context_t;
typedef struct _cef_v8handler_t cef_v8handler_t;
typedef struct _cef_v8accessor_t cef_v8accessor_t;
typedef struct _cef_v8exception_t cef_v8exception_t;
typedef struct _cef_v8value_t cef_v8value_t;
typedef struct _cef_v8stack_trace_t cef_v8stack_trace_t;
typedef struct _cef_v8stack_frame_t cef_v8stack_frame_t;
typedef struct _cef_value_t cef_value_t;
typedef struct _cef_binary_value_t cef_binary_value_t;
typedef struct _cef_dictionary_value_t cef_dictionary_value_t;
typedef struct _cef_list_value_t cef_list_value_t;
typedef struct _cef_web_plugin_info_t cef_web_plugin_info_t;
typedef struct _cef_web_plugin_info_visitor_t cef_web_plugin_info_visitor_t;
typedef struct _cef_web_plugin_unstable_callback_t cef_web_plugin_unstable_callback_t;
typedef struct _cef_xml_reader_t cef_xml_reader_t;
typedef struct _cef_zip_reader_t cef_zip_reader_t;

// ---- cef_app

struct _cef_app_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_before_command_line_processing)(struct _cef_app_t* self,
      const cef_string_t* process_type, cef_command_line_t* command_line);
  void(CEF_CALLBACK* on_register_custom_schemes)(struct _cef_app_t* self,
      cef_scheme_registrar_t* registrar);
  cef_resource_bundle_handler_t*(CEF_CALLBACK* get_resource_bundle_handler)(
      struct _cef_app_t* self);
  cef_browser_process_handler_t*(CEF_CALLBACK* get_browser_process_handler)(
      struct _cef_app_t* self);
  cef_render_process_handler_t*(CEF_CALLBACK* get_render_process_handler)(struct _cef_app_t* self);
};

// ---- cef_auth_callback

struct _cef_auth_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* cont)(struct _cef_auth_callback_t* self, const cef_string_t* username,
      const cef_string_t* password);
  void(CEF_CALLBACK* cancel)(struct _cef_auth_callback_t* self);
};

// ---- cef_browser

struct _cef_browser_t {
  cef_base_t base;
  cef_browser_host_t*(CEF_CALLBACK* get_host)(struct _cef_browser_t* self);
  int(CEF_CALLBACK* can_go_back)(struct _cef_browser_t* self);
  void(CEF_CALLBACK* go_back)(struct _cef_browser_t* self);
  int(CEF_CALLBACK* can_go_forward)(struct _cef_browser_t* self);
  void(CEF_CALLBACK* go_forward)(struct _cef_browser_t* self);
  int(CEF_CALLBACK* is_loading)(struct _cef_browser_t* self);
  void(CEF_CALLBACK* reload)(struct _cef_browser_t* self);
  void(CEF_CALLBACK* reload_ignore_cache)(struct _cef_browser_t* self);
  void(CEF_CALLBACK* stop_load)(struct _cef_browser_t* self);
  int(CEF_CALLBACK* get_identifier)(struct _cef_browser_t* self);
  int(CEF_CALLBACK* is_same)(struct _cef_browser_t* self, cef_browser_t* that);
  int(CEF_CALLBACK* is_popup)(struct _cef_browser_t* self);
  int(CEF_CALLBACK* has_document)(struct _cef_browser_t* self);
  cef_frame_t*(CEF_CALLBACK* get_main_frame)(struct _cef_browser_t* self);
  cef_frame_t*(CEF_CALLBACK* get_focused_frame)(struct _cef_browser_t* self);
  cef_frame_t*(CEF_CALLBACK* get_frame_byident)(struct _cef_browser_t* self, int64_t identifier);
  cef_frame_t*(CEF_CALLBACK* get_frame)(struct _cef_browser_t* self, const cef_string_t* name);
  size_t(CEF_CALLBACK* get_frame_count)(struct _cef_browser_t* self);
  void(CEF_CALLBACK* get_frame_identifiers)(struct _cef_browser_t* self, size_t* identifiersCount,
      int64_t* identifiers);
  void(CEF_CALLBACK* get_frame_names)(struct _cef_browser_t* self, cef_string_list_t names);
  int(CEF_CALLBACK* send_process_message)(struct _cef_browser_t* self,
      cef_process_id_t target_process, cef_process_message_t* message);
};

struct _cef_run_file_dialog_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_file_dialog_dismissed)(struct _cef_run_file_dialog_callback_t* self,
      int selected_accept_filter, cef_string_list_t file_paths);
};

struct _cef_navigation_entry_visitor_t {
  cef_base_t base;
  int(CEF_CALLBACK* visit)(struct _cef_navigation_entry_visitor_t* self,
      cef_navigation_entry_t* entry, int current, int index, int total);
};

struct _cef_pdf_print_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_pdf_print_finished)(struct _cef_pdf_print_callback_t* self,
      const cef_string_t* path, int ok);
};

struct _cef_browser_host_t {
  cef_base_t base;
  cef_browser_t*(CEF_CALLBACK* get_browser)(struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* close_browser)(struct _cef_browser_host_t* self, int force_close);
  void(CEF_CALLBACK* set_focus)(struct _cef_browser_host_t* self, int focus);
  void(CEF_CALLBACK* set_window_visibility)(struct _cef_browser_host_t* self, int visible);
  cef_window_handle_t(CEF_CALLBACK* get_window_handle)(struct _cef_browser_host_t* self);
  cef_window_handle_t(CEF_CALLBACK* get_opener_window_handle)(struct _cef_browser_host_t* self);
  cef_client_t*(CEF_CALLBACK* get_client)(struct _cef_browser_host_t* self);
  cef_request_context_t*(CEF_CALLBACK* get_request_context)(struct _cef_browser_host_t* self);
  double(CEF_CALLBACK* get_zoom_level)(struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* set_zoom_level)(struct _cef_browser_host_t* self, double zoomLevel);
  void(CEF_CALLBACK* run_file_dialog)(struct _cef_browser_host_t* self, cef_file_dialog_mode_t mode,
      const cef_string_t* title, const cef_string_t* default_file_path,
      cef_string_list_t accept_filters, int selected_accept_filter,
      cef_run_file_dialog_callback_t* callback);
  void(CEF_CALLBACK* start_download)(struct _cef_browser_host_t* self, const cef_string_t* url);
  void(CEF_CALLBACK* print)(struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* print_to_pdf)(struct _cef_browser_host_t* self, const cef_string_t* path,
      const cef_pdf_print_settings_t* settings, cef_pdf_print_callback_t* callback);
  void(CEF_CALLBACK* find)(struct _cef_browser_host_t* self, int identifier,
      const cef_string_t* searchText, int forward, int matchCase, int findNext);
  void(CEF_CALLBACK* stop_finding)(struct _cef_browser_host_t* self, int clearSelection);
  void(CEF_CALLBACK* show_dev_tools)(struct _cef_browser_host_t* self,
      const cef_window_info_t* windowInfo, cef_client_t* client,
      const cef_browser_settings_t* settings, const cef_point_t* inspect_element_at);
  void(CEF_CALLBACK* close_dev_tools)(struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* get_navigation_entries)(struct _cef_browser_host_t* self,
      cef_navigation_entry_visitor_t* visitor, int current_only);
  void(CEF_CALLBACK* set_mouse_cursor_change_disabled)(struct _cef_browser_host_t* self,
      int disabled);
  int(CEF_CALLBACK* is_mouse_cursor_change_disabled)(struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* replace_misspelling)(struct _cef_browser_host_t* self,
      const cef_string_t* word);
  void(CEF_CALLBACK* add_word_to_dictionary)(struct _cef_browser_host_t* self,
      const cef_string_t* word);
  int(CEF_CALLBACK* is_window_rendering_disabled)(struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* was_resized)(struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* was_hidden)(struct _cef_browser_host_t* self, int hidden);
  void(CEF_CALLBACK* notify_screen_info_changed)(struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* invalidate)(struct _cef_browser_host_t* self, cef_paint_element_type_t type);
  void(CEF_CALLBACK* send_key_event)(struct _cef_browser_host_t* self,
      const cef_key_event_t* event);
  void(CEF_CALLBACK* send_mouse_click_event)(struct _cef_browser_host_t* self,
      const cef_mouse_event_t* event, cef_mouse_button_type_t type, int mouseUp, int clickCount);
  void(CEF_CALLBACK* send_mouse_move_event)(struct _cef_browser_host_t* self,
      const cef_mouse_event_t* event, int mouseLeave);
  void(CEF_CALLBACK* send_mouse_wheel_event)(struct _cef_browser_host_t* self,
      const cef_mouse_event_t* event, int deltaX, int deltaY);
  void(CEF_CALLBACK* send_focus_event)(struct _cef_browser_host_t* self, int setFocus);
  void(CEF_CALLBACK* send_capture_lost_event)(struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* notify_move_or_resize_started)(struct _cef_browser_host_t* self);
  int(CEF_CALLBACK* get_windowless_frame_rate)(struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* set_windowless_frame_rate)(struct _cef_browser_host_t* self, int frame_rate);
  cef_text_input_context_t(CEF_CALLBACK* get_nstext_input_context)(
      struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* handle_key_event_before_text_input_client)(struct _cef_browser_host_t* self,
      cef_event_handle_t keyEvent);
  void(CEF_CALLBACK* handle_key_event_after_text_input_client)(struct _cef_browser_host_t* self,
      cef_event_handle_t keyEvent);
  void(CEF_CALLBACK* drag_target_drag_enter)(struct _cef_browser_host_t* self,
      cef_drag_data_t* drag_data, const cef_mouse_event_t* event,
      cef_drag_operations_mask_t allowed_ops);
  void(CEF_CALLBACK* drag_target_drag_over)(struct _cef_browser_host_t* self,
      const cef_mouse_event_t* event, cef_drag_operations_mask_t allowed_ops);
  void(CEF_CALLBACK* drag_target_drag_leave)(struct _cef_browser_host_t* self);
  void(CEF_CALLBACK* drag_target_drop)(struct _cef_browser_host_t* self,
      const cef_mouse_event_t* event);
  void(CEF_CALLBACK* drag_source_ended_at)(struct _cef_browser_host_t* self, int x, int y,
      cef_drag_operations_mask_t op);
  void(CEF_CALLBACK* drag_source_system_drag_ended)(struct _cef_browser_host_t* self);
};

// ---- cef_browser_process_handler

struct _cef_browser_process_handler_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_context_initialized)(struct _cef_browser_process_handler_t* self);
  void(CEF_CALLBACK* on_before_child_process_launch)(struct _cef_browser_process_handler_t* self,
      cef_command_line_t* command_line);
  void(CEF_CALLBACK* on_render_process_thread_created)(struct _cef_browser_process_handler_t* self,
      cef_list_value_t* extra_info);
  cef_print_handler_t*(CEF_CALLBACK* get_print_handler)(
      struct _cef_browser_process_handler_t* self);
};

// ---- cef_callback

struct _cef_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* cont)(struct _cef_callback_t* self);
  void(CEF_CALLBACK* cancel)(struct _cef_callback_t* self);
};

struct _cef_completion_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_complete)(struct _cef_completion_callback_t* self);
};

// ---- cef_client

struct _cef_client_t {
  cef_base_t base;
  cef_context_menu_handler_t*(CEF_CALLBACK* get_context_menu_handler)(struct _cef_client_t* self);
  cef_dialog_handler_t*(CEF_CALLBACK* get_dialog_handler)(struct _cef_client_t* self);
  cef_display_handler_t*(CEF_CALLBACK* get_display_handler)(struct _cef_client_t* self);
  cef_download_handler_t*(CEF_CALLBACK* get_download_handler)(struct _cef_client_t* self);
  cef_drag_handler_t*(CEF_CALLBACK* get_drag_handler)(struct _cef_client_t* self);
  cef_find_handler_t*(CEF_CALLBACK* get_find_handler)(struct _cef_client_t* self);
  cef_focus_handler_t*(CEF_CALLBACK* get_focus_handler)(struct _cef_client_t* self);
  cef_geolocation_handler_t*(CEF_CALLBACK* get_geolocation_handler)(struct _cef_client_t* self);
  cef_jsdialog_handler_t*(CEF_CALLBACK* get_jsdialog_handler)(struct _cef_client_t* self);
  cef_keyboard_handler_t*(CEF_CALLBACK* get_keyboard_handler)(struct _cef_client_t* self);
  cef_life_span_handler_t*(CEF_CALLBACK* get_life_span_handler)(struct _cef_client_t* self);
  cef_load_handler_t*(CEF_CALLBACK* get_load_handler)(struct _cef_client_t* self);
  cef_render_handler_t*(CEF_CALLBACK* get_render_handler)(struct _cef_client_t* self);
  cef_request_handler_t*(CEF_CALLBACK* get_request_handler)(struct _cef_client_t* self);
  int(CEF_CALLBACK* on_process_message_received)(struct _cef_client_t* self, cef_browser_t* browser,
      cef_process_id_t source_process, cef_process_message_t* message);
};

// ---- cef_command_line

struct _cef_command_line_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_command_line_t* self);
  int(CEF_CALLBACK* is_read_only)(struct _cef_command_line_t* self);
  cef_command_line_t*(CEF_CALLBACK* copy)(struct _cef_command_line_t* self);
  void(CEF_CALLBACK* init_from_argv)(struct _cef_command_line_t* self, int argc,
      const char* const* argv);
  void(CEF_CALLBACK* init_from_string)(struct _cef_command_line_t* self,
      const cef_string_t* command_line);
  void(CEF_CALLBACK* reset)(struct _cef_command_line_t* self);
  void(CEF_CALLBACK* get_argv)(struct _cef_command_line_t* self, cef_string_list_t argv);
  cef_string_userfree_t(CEF_CALLBACK* get_command_line_string)(struct _cef_command_line_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_program)(struct _cef_command_line_t* self);
  void(CEF_CALLBACK* set_program)(struct _cef_command_line_t* self, const cef_string_t* program);
  int(CEF_CALLBACK* has_switches)(struct _cef_command_line_t* self);
  int(CEF_CALLBACK* has_switch)(struct _cef_command_line_t* self, const cef_string_t* name);
  cef_string_userfree_t(CEF_CALLBACK* get_switch_value)(struct _cef_command_line_t* self,
      const cef_string_t* name);
  void(CEF_CALLBACK* get_switches)(struct _cef_command_line_t* self, cef_string_map_t switches);
  void(CEF_CALLBACK* append_switch)(struct _cef_command_line_t* self, const cef_string_t* name);
  void(CEF_CALLBACK* append_switch_with_value)(struct _cef_command_line_t* self,
      const cef_string_t* name, const cef_string_t* value);
  int(CEF_CALLBACK* has_arguments)(struct _cef_command_line_t* self);
  void(CEF_CALLBACK* get_arguments)(struct _cef_command_line_t* self, cef_string_list_t arguments);
  void(CEF_CALLBACK* append_argument)(struct _cef_command_line_t* self,
      const cef_string_t* argument);
  void(CEF_CALLBACK* prepend_wrapper)(struct _cef_command_line_t* self,
      const cef_string_t* wrapper);
};

// ---- cef_context_menu_handler

struct _cef_run_context_menu_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* cont)(struct _cef_run_context_menu_callback_t* self, int command_id,
      cef_event_flags_t event_flags);
  void(CEF_CALLBACK* cancel)(struct _cef_run_context_menu_callback_t* self);
};

struct _cef_context_menu_handler_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_before_context_menu)(struct _cef_context_menu_handler_t* self,
      cef_browser_t* browser, cef_frame_t* frame, cef_context_menu_params_t* params,
      cef_menu_model_t* model);
  int(CEF_CALLBACK* run_context_menu)(struct _cef_context_menu_handler_t* self,
      cef_browser_t* browser, cef_frame_t* frame, cef_context_menu_params_t* params,
      cef_menu_model_t* model, cef_run_context_menu_callback_t* callback);
  int(CEF_CALLBACK* on_context_menu_command)(struct _cef_context_menu_handler_t* self,
      cef_browser_t* browser, cef_frame_t* frame, cef_context_menu_params_t* params, int command_id,
      cef_event_flags_t event_flags);
  void(CEF_CALLBACK* on_context_menu_dismissed)(struct _cef_context_menu_handler_t* self,
      cef_browser_t* browser, cef_frame_t* frame);
};

struct _cef_context_menu_params_t {
  cef_base_t base;
  int(CEF_CALLBACK* get_xcoord)(struct _cef_context_menu_params_t* self);
  int(CEF_CALLBACK* get_ycoord)(struct _cef_context_menu_params_t* self);
  cef_context_menu_type_flags_t(CEF_CALLBACK* get_type_flags)(
      struct _cef_context_menu_params_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_link_url)(struct _cef_context_menu_params_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_unfiltered_link_url)(
      struct _cef_context_menu_params_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_source_url)(struct _cef_context_menu_params_t* self);
  int(CEF_CALLBACK* has_image_contents)(struct _cef_context_menu_params_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_page_url)(struct _cef_context_menu_params_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_frame_url)(struct _cef_context_menu_params_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_frame_charset)(struct _cef_context_menu_params_t* self);
  cef_context_menu_media_type_t(CEF_CALLBACK* get_media_type)(
      struct _cef_context_menu_params_t* self);
  cef_context_menu_media_state_flags_t(CEF_CALLBACK* get_media_state_flags)(
      struct _cef_context_menu_params_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_selection_text)(struct _cef_context_menu_params_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_misspelled_word)(struct _cef_context_menu_params_t* self);
  int(CEF_CALLBACK* get_dictionary_suggestions)(struct _cef_context_menu_params_t* self,
      cef_string_list_t suggestions);
  int(CEF_CALLBACK* is_editable)(struct _cef_context_menu_params_t* self);
  int(CEF_CALLBACK* is_spell_check_enabled)(struct _cef_context_menu_params_t* self);
  cef_context_menu_edit_state_flags_t(CEF_CALLBACK* get_edit_state_flags)(
      struct _cef_context_menu_params_t* self);
  int(CEF_CALLBACK* is_custom_menu)(struct _cef_context_menu_params_t* self);
  int(CEF_CALLBACK* is_pepper_menu)(struct _cef_context_menu_params_t* self);
};

// ---- cef_cookie

struct _cef_cookie_manager_t {
  cef_base_t base;
  void(CEF_CALLBACK* set_supported_schemes)(struct _cef_cookie_manager_t* self,
      cef_string_list_t schemes, cef_completion_callback_t* callback);
  int(CEF_CALLBACK* visit_all_cookies)(struct _cef_cookie_manager_t* self,
      cef_cookie_visitor_t* visitor);
  int(CEF_CALLBACK* visit_url_cookies)(struct _cef_cookie_manager_t* self, const cef_string_t* url,
      int includeHttpOnly, cef_cookie_visitor_t* visitor);
  int(CEF_CALLBACK* set_cookie)(struct _cef_cookie_manager_t* self, const cef_string_t* url,
      const cef_cookie_t* cookie, cef_set_cookie_callback_t* callback);
  int(CEF_CALLBACK* delete_cookies)(struct _cef_cookie_manager_t* self, const cef_string_t* url,
      const cef_string_t* cookie_name, cef_delete_cookies_callback_t* callback);
  int(CEF_CALLBACK* set_storage_path)(struct _cef_cookie_manager_t* self, const cef_string_t* path,
      int persist_session_cookies, cef_completion_callback_t* callback);
  int(CEF_CALLBACK* flush_store)(struct _cef_cookie_manager_t* self,
      cef_completion_callback_t* callback);
};

struct _cef_cookie_visitor_t {
  cef_base_t base;
  int(CEF_CALLBACK* visit)(struct _cef_cookie_visitor_t* self, const cef_cookie_t* cookie,
      int count, int total, int* deleteCookie);
};

struct _cef_set_cookie_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_complete)(struct _cef_set_cookie_callback_t* self, int success);
};

struct _cef_delete_cookies_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_complete)(struct _cef_delete_cookies_callback_t* self, int num_deleted);
};

// ---- cef_dialog_handler

struct _cef_file_dialog_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* cont)(struct _cef_file_dialog_callback_t* self, int selected_accept_filter,
      cef_string_list_t file_paths);
  void(CEF_CALLBACK* cancel)(struct _cef_file_dialog_callback_t* self);
};

struct _cef_dialog_handler_t {
  cef_base_t base;
  int(CEF_CALLBACK* on_file_dialog)(struct _cef_dialog_handler_t* self, cef_browser_t* browser,
      cef_file_dialog_mode_t mode, const cef_string_t* title, const cef_string_t* default_file_path,
      cef_string_list_t accept_filters, int selected_accept_filter,
      cef_file_dialog_callback_t* callback);
};

// ---- cef_display_handler

struct _cef_display_handler_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_address_change)(struct _cef_display_handler_t* self, cef_browser_t* browser,
      cef_frame_t* frame, const cef_string_t* url);
  void(CEF_CALLBACK* on_title_change)(struct _cef_display_handler_t* self, cef_browser_t* browser,
      const cef_string_t* title);
  void(CEF_CALLBACK* on_favicon_urlchange)(struct _cef_display_handler_t* self,
      cef_browser_t* browser, cef_string_list_t icon_urls);
  void(CEF_CALLBACK* on_fullscreen_mode_change)(struct _cef_display_handler_t* self,
      cef_browser_t* browser, int fullscreen);
  int(CEF_CALLBACK* on_tooltip)(struct _cef_display_handler_t* self, cef_browser_t* browser,
      cef_string_t* text);
  void(CEF_CALLBACK* on_status_message)(struct _cef_display_handler_t* self, cef_browser_t* browser,
      const cef_string_t* value);
  int(CEF_CALLBACK* on_console_message)(struct _cef_display_handler_t* self, cef_browser_t* browser,
      const cef_string_t* message, const cef_string_t* source, int line);
};

// ---- cef_dom

struct _cef_domvisitor_t {
  cef_base_t base;
  void(CEF_CALLBACK* visit)(struct _cef_domvisitor_t* self, cef_domdocument_t* document);
};

struct _cef_domdocument_t {
  cef_base_t base;
  cef_dom_document_type_t(CEF_CALLBACK* get_type)(struct _cef_domdocument_t* self);
  cef_domnode_t*(CEF_CALLBACK* get_document)(struct _cef_domdocument_t* self);
  cef_domnode_t*(CEF_CALLBACK* get_body)(struct _cef_domdocument_t* self);
  cef_domnode_t*(CEF_CALLBACK* get_head)(struct _cef_domdocument_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_title)(struct _cef_domdocument_t* self);
  cef_domnode_t*(CEF_CALLBACK* get_element_by_id)(struct _cef_domdocument_t* self,
      const cef_string_t* id);
  cef_domnode_t*(CEF_CALLBACK* get_focused_node)(struct _cef_domdocument_t* self);
  int(CEF_CALLBACK* has_selection)(struct _cef_domdocument_t* self);
  int(CEF_CALLBACK* get_selection_start_offset)(struct _cef_domdocument_t* self);
  int(CEF_CALLBACK* get_selection_end_offset)(struct _cef_domdocument_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_selection_as_markup)(struct _cef_domdocument_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_selection_as_text)(struct _cef_domdocument_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_base_url)(struct _cef_domdocument_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_complete_url)(struct _cef_domdocument_t* self,
      const cef_string_t* partialURL);
};

struct _cef_domnode_t {
  cef_base_t base;
  cef_dom_node_type_t(CEF_CALLBACK* get_type)(struct _cef_domnode_t* self);
  int(CEF_CALLBACK* is_text)(struct _cef_domnode_t* self);
  int(CEF_CALLBACK* is_element)(struct _cef_domnode_t* self);
  int(CEF_CALLBACK* is_editable)(struct _cef_domnode_t* self);
  int(CEF_CALLBACK* is_form_control_element)(struct _cef_domnode_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_form_control_element_type)(struct _cef_domnode_t* self);
  int(CEF_CALLBACK* is_same)(struct _cef_domnode_t* self, cef_domnode_t* that);
  cef_string_userfree_t(CEF_CALLBACK* get_name)(struct _cef_domnode_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_value)(struct _cef_domnode_t* self);
  int(CEF_CALLBACK* set_value)(struct _cef_domnode_t* self, const cef_string_t* value);
  cef_string_userfree_t(CEF_CALLBACK* get_as_markup)(struct _cef_domnode_t* self);
  cef_domdocument_t*(CEF_CALLBACK* get_document)(struct _cef_domnode_t* self);
  cef_domnode_t*(CEF_CALLBACK* get_parent)(struct _cef_domnode_t* self);
  cef_domnode_t*(CEF_CALLBACK* get_previous_sibling)(struct _cef_domnode_t* self);
  cef_domnode_t*(CEF_CALLBACK* get_next_sibling)(struct _cef_domnode_t* self);
  int(CEF_CALLBACK* has_children)(struct _cef_domnode_t* self);
  cef_domnode_t*(CEF_CALLBACK* get_first_child)(struct _cef_domnode_t* self);
  cef_domnode_t*(CEF_CALLBACK* get_last_child)(struct _cef_domnode_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_element_tag_name)(struct _cef_domnode_t* self);
  int(CEF_CALLBACK* has_element_attributes)(struct _cef_domnode_t* self);
  int(CEF_CALLBACK* has_element_attribute)(struct _cef_domnode_t* self,
      const cef_string_t* attrName);
  cef_string_userfree_t(CEF_CALLBACK* get_element_attribute)(struct _cef_domnode_t* self,
      const cef_string_t* attrName);
  void(CEF_CALLBACK* get_element_attributes)(struct _cef_domnode_t* self, cef_string_map_t attrMap);
  int(CEF_CALLBACK* set_element_attribute)(struct _cef_domnode_t* self,
      const cef_string_t* attrName, const cef_string_t* value);
  cef_string_userfree_t(CEF_CALLBACK* get_element_inner_text)(struct _cef_domnode_t* self);
};

// ---- cef_download_handler

struct _cef_before_download_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* cont)(struct _cef_before_download_callback_t* self,
      const cef_string_t* download_path, int show_dialog);
};

struct _cef_download_item_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* cancel)(struct _cef_download_item_callback_t* self);
  void(CEF_CALLBACK* pause)(struct _cef_download_item_callback_t* self);
  void(CEF_CALLBACK* resume)(struct _cef_download_item_callback_t* self);
};

struct _cef_download_handler_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_before_download)(struct _cef_download_handler_t* self,
      cef_browser_t* browser, cef_download_item_t* download_item,
      const cef_string_t* suggested_name, cef_before_download_callback_t* callback);
  void(CEF_CALLBACK* on_download_updated)(struct _cef_download_handler_t* self,
      cef_browser_t* browser, cef_download_item_t* download_item,
      cef_download_item_callback_t* callback);
};

// ---- cef_download_item

struct _cef_download_item_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_download_item_t* self);
  int(CEF_CALLBACK* is_in_progress)(struct _cef_download_item_t* self);
  int(CEF_CALLBACK* is_complete)(struct _cef_download_item_t* self);
  int(CEF_CALLBACK* is_canceled)(struct _cef_download_item_t* self);
  int64_t(CEF_CALLBACK* get_current_speed)(struct _cef_download_item_t* self);
  int(CEF_CALLBACK* get_percent_complete)(struct _cef_download_item_t* self);
  int64_t(CEF_CALLBACK* get_total_bytes)(struct _cef_download_item_t* self);
  int64_t(CEF_CALLBACK* get_received_bytes)(struct _cef_download_item_t* self);
  cef_time_t(CEF_CALLBACK* get_start_time)(struct _cef_download_item_t* self);
  cef_time_t(CEF_CALLBACK* get_end_time)(struct _cef_download_item_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_full_path)(struct _cef_download_item_t* self);
  uint32_t(CEF_CALLBACK* get_id)(struct _cef_download_item_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_url)(struct _cef_download_item_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_original_url)(struct _cef_download_item_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_suggested_file_name)(struct _cef_download_item_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_content_disposition)(struct _cef_download_item_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_mime_type)(struct _cef_download_item_t* self);
};

// ---- cef_drag_data

struct _cef_drag_data_t {
  cef_base_t base;
  cef_drag_data_t*(CEF_CALLBACK* clone)(struct _cef_drag_data_t* self);
  int(CEF_CALLBACK* is_read_only)(struct _cef_drag_data_t* self);
  int(CEF_CALLBACK* is_link)(struct _cef_drag_data_t* self);
  int(CEF_CALLBACK* is_fragment)(struct _cef_drag_data_t* self);
  int(CEF_CALLBACK* is_file)(struct _cef_drag_data_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_link_url)(struct _cef_drag_data_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_link_title)(struct _cef_drag_data_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_link_metadata)(struct _cef_drag_data_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_fragment_text)(struct _cef_drag_data_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_fragment_html)(struct _cef_drag_data_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_fragment_base_url)(struct _cef_drag_data_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_file_name)(struct _cef_drag_data_t* self);
  size_t(CEF_CALLBACK* get_file_contents)(struct _cef_drag_data_t* self,
      cef_stream_writer_t* writer);
  int(CEF_CALLBACK* get_file_names)(struct _cef_drag_data_t* self, cef_string_list_t names);
  void(CEF_CALLBACK* set_link_url)(struct _cef_drag_data_t* self, const cef_string_t* url);
  void(CEF_CALLBACK* set_link_title)(struct _cef_drag_data_t* self, const cef_string_t* title);
  void(CEF_CALLBACK* set_link_metadata)(struct _cef_drag_data_t* self, const cef_string_t* data);
  void(CEF_CALLBACK* set_fragment_text)(struct _cef_drag_data_t* self, const cef_string_t* text);
  void(CEF_CALLBACK* set_fragment_html)(struct _cef_drag_data_t* self, const cef_string_t* html);
  void(CEF_CALLBACK* set_fragment_base_url)(struct _cef_drag_data_t* self,
      const cef_string_t* base_url);
  void(CEF_CALLBACK* reset_file_contents)(struct _cef_drag_data_t* self);
  void(CEF_CALLBACK* add_file)(struct _cef_drag_data_t* self, const cef_string_t* path,
      const cef_string_t* display_name);
};

// ---- cef_drag_handler

struct _cef_drag_handler_t {
  cef_base_t base;
  int(CEF_CALLBACK* on_drag_enter)(struct _cef_drag_handler_t* self, cef_browser_t* browser,
      cef_drag_data_t* dragData, cef_drag_operations_mask_t mask);
  void(CEF_CALLBACK* on_draggable_regions_changed)(struct _cef_drag_handler_t* self,
      cef_browser_t* browser, size_t regionsCount, const cef_draggable_region_t* regions);
};

// ---- cef_find_handler

struct _cef_find_handler_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_find_result)(struct _cef_find_handler_t* self, cef_browser_t* browser,
      int identifier, int count, const cef_rect_t* selectionRect, int activeMatchOrdinal,
      int finalUpdate);
};

// ---- cef_focus_handler

struct _cef_focus_handler_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_take_focus)(struct _cef_focus_handler_t* self, cef_browser_t* browser,
      int next);
  int(CEF_CALLBACK* on_set_focus)(struct _cef_focus_handler_t* self, cef_browser_t* browser,
      cef_focus_source_t source);
  void(CEF_CALLBACK* on_got_focus)(struct _cef_focus_handler_t* self, cef_browser_t* browser);
};

// ---- cef_frame

struct _cef_frame_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_frame_t* self);
  void(CEF_CALLBACK* undo)(struct _cef_frame_t* self);
  void(CEF_CALLBACK* redo)(struct _cef_frame_t* self);
  void(CEF_CALLBACK* cut)(struct _cef_frame_t* self);
  void(CEF_CALLBACK* copy)(struct _cef_frame_t* self);
  void(CEF_CALLBACK* paste)(struct _cef_frame_t* self);
  void(CEF_CALLBACK* del)(struct _cef_frame_t* self);
  void(CEF_CALLBACK* select_all)(struct _cef_frame_t* self);
  void(CEF_CALLBACK* view_source)(struct _cef_frame_t* self);
  void(CEF_CALLBACK* get_source)(struct _cef_frame_t* self, cef_string_visitor_t* visitor);
  void(CEF_CALLBACK* get_text)(struct _cef_frame_t* self, cef_string_visitor_t* visitor);
  void(CEF_CALLBACK* load_request)(struct _cef_frame_t* self, cef_request_t* request);
  void(CEF_CALLBACK* load_url)(struct _cef_frame_t* self, const cef_string_t* url);
  void(CEF_CALLBACK* load_string)(struct _cef_frame_t* self, const cef_string_t* string_val,
      const cef_string_t* url);
  void(CEF_CALLBACK* execute_java_script)(struct _cef_frame_t* self, const cef_string_t* code,
      const cef_string_t* script_url, int start_line);
  int(CEF_CALLBACK* is_main)(struct _cef_frame_t* self);
  int(CEF_CALLBACK* is_focused)(struct _cef_frame_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_name)(struct _cef_frame_t* self);
  int64_t(CEF_CALLBACK* get_identifier)(struct _cef_frame_t* self);
  cef_frame_t*(CEF_CALLBACK* get_parent)(struct _cef_frame_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_url)(struct _cef_frame_t* self);
  cef_browser_t*(CEF_CALLBACK* get_browser)(struct _cef_frame_t* self);
  cef_v8context_t*(CEF_CALLBACK* get_v8context)(struct _cef_frame_t* self);
  void(CEF_CALLBACK* visit_dom)(struct _cef_frame_t* self, cef_domvisitor_t* visitor);
};

// ---- cef_geolocation

struct _cef_get_geolocation_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_location_update)(struct _cef_get_geolocation_callback_t* self,
      const cef_geoposition_t* position);
};

// ---- cef_geolocation_handler

struct _cef_geolocation_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* cont)(struct _cef_geolocation_callback_t* self, int allow);
};

struct _cef_geolocation_handler_t {
  cef_base_t base;
  int(CEF_CALLBACK* on_request_geolocation_permission)(struct _cef_geolocation_handler_t* self,
      cef_browser_t* browser, const cef_string_t* requesting_url, int request_id,
      cef_geolocation_callback_t* callback);
  void(CEF_CALLBACK* on_cancel_geolocation_permission)(struct _cef_geolocation_handler_t* self,
      cef_browser_t* browser, int request_id);
};

// ---- cef_jsdialog_handler

struct _cef_jsdialog_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* cont)(struct _cef_jsdialog_callback_t* self, int success,
      const cef_string_t* user_input);
};

struct _cef_jsdialog_handler_t {
  cef_base_t base;
  int(CEF_CALLBACK* on_jsdialog)(struct _cef_jsdialog_handler_t* self, cef_browser_t* browser,
      const cef_string_t* origin_url, const cef_string_t* accept_lang,
      cef_jsdialog_type_t dialog_type, const cef_string_t* message_text,
      const cef_string_t* default_prompt_text, cef_jsdialog_callback_t* callback,
      int* suppress_message);
  int(CEF_CALLBACK* on_before_unload_dialog)(struct _cef_jsdialog_handler_t* self,
      cef_browser_t* browser, const cef_string_t* message_text, int is_reload,
      cef_jsdialog_callback_t* callback);
  void(CEF_CALLBACK* on_reset_dialog_state)(struct _cef_jsdialog_handler_t* self,
      cef_browser_t* browser);
  void(CEF_CALLBACK* on_dialog_closed)(struct _cef_jsdialog_handler_t* self,
      cef_browser_t* browser);
};

// ---- cef_keyboard_handler

struct _cef_keyboard_handler_t {
  cef_base_t base;
  int(CEF_CALLBACK* on_pre_key_event)(struct _cef_keyboard_handler_t* self, cef_browser_t* browser,
      const cef_key_event_t* event, cef_event_handle_t os_event, int* is_keyboard_shortcut);
  int(CEF_CALLBACK* on_key_event)(struct _cef_keyboard_handler_t* self, cef_browser_t* browser,
      const cef_key_event_t* event, cef_event_handle_t os_event);
};

// ---- cef_life_span_handler

struct _cef_life_span_handler_t {
  cef_base_t base;
  int(CEF_CALLBACK* on_before_popup)(struct _cef_life_span_handler_t* self, cef_browser_t* browser,
      cef_frame_t* frame, const cef_string_t* target_url, const cef_string_t* target_frame_name,
      cef_window_open_disposition_t target_disposition, int user_gesture,
      const cef_popup_features_t* popupFeatures, cef_window_info_t* windowInfo,
      cef_client_t** client, cef_browser_settings_t* settings, int* no_javascript_access);
  void(CEF_CALLBACK* on_after_created)(struct _cef_life_span_handler_t* self,
      cef_browser_t* browser);
  int(CEF_CALLBACK* run_modal)(struct _cef_life_span_handler_t* self, cef_browser_t* browser);
  int(CEF_CALLBACK* do_close)(struct _cef_life_span_handler_t* self, cef_browser_t* browser);
  void(CEF_CALLBACK* on_before_close)(struct _cef_life_span_handler_t* self,
      cef_browser_t* browser);
};

// ---- cef_load_handler

struct _cef_load_handler_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_loading_state_change)(struct _cef_load_handler_t* self,
      cef_browser_t* browser, int isLoading, int canGoBack, int canGoForward);
  void(CEF_CALLBACK* on_load_start)(struct _cef_load_handler_t* self, cef_browser_t* browser,
      cef_frame_t* frame);
  void(CEF_CALLBACK* on_load_end)(struct _cef_load_handler_t* self, cef_browser_t* browser,
      cef_frame_t* frame, int httpStatusCode);
  void(CEF_CALLBACK* on_load_error)(struct _cef_load_handler_t* self, cef_browser_t* browser,
      cef_frame_t* frame, cef_errorcode_t errorCode, const cef_string_t* errorText,
      const cef_string_t* failedUrl);
};

// ---- cef_menu_model

struct _cef_menu_model_t {
  cef_base_t base;
  int(CEF_CALLBACK* clear)(struct _cef_menu_model_t* self);
  int(CEF_CALLBACK* get_count)(struct _cef_menu_model_t* self);
  int(CEF_CALLBACK* add_separator)(struct _cef_menu_model_t* self);
  int(CEF_CALLBACK* add_item)(struct _cef_menu_model_t* self, int command_id,
      const cef_string_t* label);
  int(CEF_CALLBACK* add_check_item)(struct _cef_menu_model_t* self, int command_id,
      const cef_string_t* label);
  int(CEF_CALLBACK* add_radio_item)(struct _cef_menu_model_t* self, int command_id,
      const cef_string_t* label, int group_id);
  cef_menu_model_t*(CEF_CALLBACK* add_sub_menu)(struct _cef_menu_model_t* self, int command_id,
      const cef_string_t* label);
  int(CEF_CALLBACK* insert_separator_at)(struct _cef_menu_model_t* self, int index);
  int(CEF_CALLBACK* insert_item_at)(struct _cef_menu_model_t* self, int index, int command_id,
      const cef_string_t* label);
  int(CEF_CALLBACK* insert_check_item_at)(struct _cef_menu_model_t* self, int index, int command_id,
      const cef_string_t* label);
  int(CEF_CALLBACK* insert_radio_item_at)(struct _cef_menu_model_t* self, int index, int command_id,
      const cef_string_t* label, int group_id);
  cef_menu_model_t*(CEF_CALLBACK* insert_sub_menu_at)(struct _cef_menu_model_t* self, int index,
      int command_id, const cef_string_t* label);
  int(CEF_CALLBACK* remove)(struct _cef_menu_model_t* self, int command_id);
  int(CEF_CALLBACK* remove_at)(struct _cef_menu_model_t* self, int index);
  int(CEF_CALLBACK* get_index_of)(struct _cef_menu_model_t* self, int command_id);
  int(CEF_CALLBACK* get_command_id_at)(struct _cef_menu_model_t* self, int index);
  int(CEF_CALLBACK* set_command_id_at)(struct _cef_menu_model_t* self, int index, int command_id);
  cef_string_userfree_t(CEF_CALLBACK* get_label)(struct _cef_menu_model_t* self, int command_id);
  cef_string_userfree_t(CEF_CALLBACK* get_label_at)(struct _cef_menu_model_t* self, int index);
  int(CEF_CALLBACK* set_label)(struct _cef_menu_model_t* self, int command_id,
      const cef_string_t* label);
  int(CEF_CALLBACK* set_label_at)(struct _cef_menu_model_t* self, int index,
      const cef_string_t* label);
  cef_menu_item_type_t(CEF_CALLBACK* get_type)(struct _cef_menu_model_t* self, int command_id);
  cef_menu_item_type_t(CEF_CALLBACK* get_type_at)(struct _cef_menu_model_t* self, int index);
  int(CEF_CALLBACK* get_group_id)(struct _cef_menu_model_t* self, int command_id);
  int(CEF_CALLBACK* get_group_id_at)(struct _cef_menu_model_t* self, int index);
  int(CEF_CALLBACK* set_group_id)(struct _cef_menu_model_t* self, int command_id, int group_id);
  int(CEF_CALLBACK* set_group_id_at)(struct _cef_menu_model_t* self, int index, int group_id);
  cef_menu_model_t*(CEF_CALLBACK* get_sub_menu)(struct _cef_menu_model_t* self, int command_id);
  cef_menu_model_t*(CEF_CALLBACK* get_sub_menu_at)(struct _cef_menu_model_t* self, int index);
  int(CEF_CALLBACK* is_visible)(struct _cef_menu_model_t* self, int command_id);
  int(CEF_CALLBACK* is_visible_at)(struct _cef_menu_model_t* self, int index);
  int(CEF_CALLBACK* set_visible)(struct _cef_menu_model_t* self, int command_id, int visible);
  int(CEF_CALLBACK* set_visible_at)(struct _cef_menu_model_t* self, int index, int visible);
  int(CEF_CALLBACK* is_enabled)(struct _cef_menu_model_t* self, int command_id);
  int(CEF_CALLBACK* is_enabled_at)(struct _cef_menu_model_t* self, int index);
  int(CEF_CALLBACK* set_enabled)(struct _cef_menu_model_t* self, int command_id, int enabled);
  int(CEF_CALLBACK* set_enabled_at)(struct _cef_menu_model_t* self, int index, int enabled);
  int(CEF_CALLBACK* is_checked)(struct _cef_menu_model_t* self, int command_id);
  int(CEF_CALLBACK* is_checked_at)(struct _cef_menu_model_t* self, int index);
  int(CEF_CALLBACK* set_checked)(struct _cef_menu_model_t* self, int command_id, int checked);
  int(CEF_CALLBACK* set_checked_at)(struct _cef_menu_model_t* self, int index, int checked);
  int(CEF_CALLBACK* has_accelerator)(struct _cef_menu_model_t* self, int command_id);
  int(CEF_CALLBACK* has_accelerator_at)(struct _cef_menu_model_t* self, int index);
  int(CEF_CALLBACK* set_accelerator)(struct _cef_menu_model_t* self, int command_id, int key_code,
      int shift_pressed, int ctrl_pressed, int alt_pressed);
  int(CEF_CALLBACK* set_accelerator_at)(struct _cef_menu_model_t* self, int index, int key_code,
      int shift_pressed, int ctrl_pressed, int alt_pressed);
  int(CEF_CALLBACK* remove_accelerator)(struct _cef_menu_model_t* self, int command_id);
  int(CEF_CALLBACK* remove_accelerator_at)(struct _cef_menu_model_t* self, int index);
  int(CEF_CALLBACK* get_accelerator)(struct _cef_menu_model_t* self, int command_id, int* key_code,
      int* shift_pressed, int* ctrl_pressed, int* alt_pressed);
  int(CEF_CALLBACK* get_accelerator_at)(struct _cef_menu_model_t* self, int index, int* key_code,
      int* shift_pressed, int* ctrl_pressed, int* alt_pressed);
};

// ---- cef_navigation_entry

struct _cef_navigation_entry_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_navigation_entry_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_url)(struct _cef_navigation_entry_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_display_url)(struct _cef_navigation_entry_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_original_url)(struct _cef_navigation_entry_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_title)(struct _cef_navigation_entry_t* self);
  cef_transition_type_t(CEF_CALLBACK* get_transition_type)(struct _cef_navigation_entry_t* self);
  int(CEF_CALLBACK* has_post_data)(struct _cef_navigation_entry_t* self);
  cef_time_t(CEF_CALLBACK* get_completion_time)(struct _cef_navigation_entry_t* self);
  int(CEF_CALLBACK* get_http_status_code)(struct _cef_navigation_entry_t* self);
};

// ---- cef_print_handler

struct _cef_print_dialog_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* cont)(struct _cef_print_dialog_callback_t* self,
      cef_print_settings_t* settings);
  void(CEF_CALLBACK* cancel)(struct _cef_print_dialog_callback_t* self);
};

struct _cef_print_job_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* cont)(struct _cef_print_job_callback_t* self);
};

struct _cef_print_handler_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_print_start)(struct _cef_print_handler_t* self, cef_browser_t* browser);
  void(CEF_CALLBACK* on_print_settings)(struct _cef_print_handler_t* self,
      cef_print_settings_t* settings, int get_defaults);
  int(CEF_CALLBACK* on_print_dialog)(struct _cef_print_handler_t* self, int has_selection,
      cef_print_dialog_callback_t* callback);
  int(CEF_CALLBACK* on_print_job)(struct _cef_print_handler_t* self,
      const cef_string_t* document_name, const cef_string_t* pdf_file_path,
      cef_print_job_callback_t* callback);
  void(CEF_CALLBACK* on_print_reset)(struct _cef_print_handler_t* self);
  cef_size_t(CEF_CALLBACK* get_pdf_paper_size)(struct _cef_print_handler_t* self,
      int device_units_per_inch);
};

// ---- cef_print_settings

struct _cef_print_settings_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_print_settings_t* self);
  int(CEF_CALLBACK* is_read_only)(struct _cef_print_settings_t* self);
  cef_print_settings_t*(CEF_CALLBACK* copy)(struct _cef_print_settings_t* self);
  void(CEF_CALLBACK* set_orientation)(struct _cef_print_settings_t* self, int landscape);
  int(CEF_CALLBACK* is_landscape)(struct _cef_print_settings_t* self);
  void(CEF_CALLBACK* set_printer_printable_area)(struct _cef_print_settings_t* self,
      const cef_size_t* physical_size_device_units, const cef_rect_t* printable_area_device_units,
      int landscape_needs_flip);
  void(CEF_CALLBACK* set_device_name)(struct _cef_print_settings_t* self, const cef_string_t* name);
  cef_string_userfree_t(CEF_CALLBACK* get_device_name)(struct _cef_print_settings_t* self);
  void(CEF_CALLBACK* set_dpi)(struct _cef_print_settings_t* self, int dpi);
  int(CEF_CALLBACK* get_dpi)(struct _cef_print_settings_t* self);
  void(CEF_CALLBACK* set_page_ranges)(struct _cef_print_settings_t* self, size_t rangesCount,
      const cef_page_range_t* ranges);
  size_t(CEF_CALLBACK* get_page_ranges_count)(struct _cef_print_settings_t* self);
  void(CEF_CALLBACK* get_page_ranges)(struct _cef_print_settings_t* self, size_t* rangesCount,
      cef_page_range_t* ranges);
  void(CEF_CALLBACK* set_selection_only)(struct _cef_print_settings_t* self, int selection_only);
  int(CEF_CALLBACK* is_selection_only)(struct _cef_print_settings_t* self);
  void(CEF_CALLBACK* set_collate)(struct _cef_print_settings_t* self, int collate);
  int(CEF_CALLBACK* will_collate)(struct _cef_print_settings_t* self);
  void(CEF_CALLBACK* set_color_model)(struct _cef_print_settings_t* self, cef_color_model_t model);
  cef_color_model_t(CEF_CALLBACK* get_color_model)(struct _cef_print_settings_t* self);
  void(CEF_CALLBACK* set_copies)(struct _cef_print_settings_t* self, int copies);
  int(CEF_CALLBACK* get_copies)(struct _cef_print_settings_t* self);
  void(CEF_CALLBACK* set_duplex_mode)(struct _cef_print_settings_t* self, cef_duplex_mode_t mode);
  cef_duplex_mode_t(CEF_CALLBACK* get_duplex_mode)(struct _cef_print_settings_t* self);
};

// ---- cef_process_message

struct _cef_process_message_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_process_message_t* self);
  int(CEF_CALLBACK* is_read_only)(struct _cef_process_message_t* self);
  cef_process_message_t*(CEF_CALLBACK* copy)(struct _cef_process_message_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_name)(struct _cef_process_message_t* self);
  cef_list_value_t*(CEF_CALLBACK* get_argument_list)(struct _cef_process_message_t* self);
};

// ---- cef_render_handler

struct _cef_render_handler_t {
  cef_base_t base;
  int(CEF_CALLBACK* get_root_screen_rect)(struct _cef_render_handler_t* self,
      cef_browser_t* browser, cef_rect_t* rect);
  int(CEF_CALLBACK* get_view_rect)(struct _cef_render_handler_t* self, cef_browser_t* browser,
      cef_rect_t* rect);
  int(CEF_CALLBACK* get_screen_point)(struct _cef_render_handler_t* self, cef_browser_t* browser,
      int viewX, int viewY, int* screenX, int* screenY);
  int(CEF_CALLBACK* get_screen_info)(struct _cef_render_handler_t* self, cef_browser_t* browser,
      cef_screen_info_t* screen_info);
  void(CEF_CALLBACK* on_popup_show)(struct _cef_render_handler_t* self, cef_browser_t* browser,
      int show);
  void(CEF_CALLBACK* on_popup_size)(struct _cef_render_handler_t* self, cef_browser_t* browser,
      const cef_rect_t* rect);
  void(CEF_CALLBACK* on_paint)(struct _cef_render_handler_t* self, cef_browser_t* browser,
      cef_paint_element_type_t type, size_t dirtyRectsCount, const cef_rect_t* dirtyRects,
      const void* buffer, int width, int height);
  void(CEF_CALLBACK* on_cursor_change)(struct _cef_render_handler_t* self, cef_browser_t* browser,
      cef_cursor_handle_t cursor, cef_cursor_type_t type,
      const cef_cursor_info_t* custom_cursor_info);
  int(CEF_CALLBACK* start_dragging)(struct _cef_render_handler_t* self, cef_browser_t* browser,
      cef_drag_data_t* drag_data, cef_drag_operations_mask_t allowed_ops, int x, int y);
  void(CEF_CALLBACK* update_drag_cursor)(struct _cef_render_handler_t* self, cef_browser_t* browser,
      cef_drag_operations_mask_t operation);
  void(CEF_CALLBACK* on_scroll_offset_changed)(struct _cef_render_handler_t* self,
      cef_browser_t* browser, double x, double y);
};

// ---- cef_render_process_handler

struct _cef_render_process_handler_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_render_thread_created)(struct _cef_render_process_handler_t* self,
      cef_list_value_t* extra_info);
  void(CEF_CALLBACK* on_web_kit_initialized)(struct _cef_render_process_handler_t* self);
  void(CEF_CALLBACK* on_browser_created)(struct _cef_render_process_handler_t* self,
      cef_browser_t* browser);
  void(CEF_CALLBACK* on_browser_destroyed)(struct _cef_render_process_handler_t* self,
      cef_browser_t* browser);
  cef_load_handler_t*(CEF_CALLBACK* get_load_handler)(struct _cef_render_process_handler_t* self);
  int(CEF_CALLBACK* on_before_navigation)(struct _cef_render_process_handler_t* self,
      cef_browser_t* browser, cef_frame_t* frame, cef_request_t* request,
      cef_navigation_type_t navigation_type, int is_redirect);
  void(CEF_CALLBACK* on_context_created)(struct _cef_render_process_handler_t* self,
      cef_browser_t* browser, cef_frame_t* frame, cef_v8context_t* context);
  void(CEF_CALLBACK* on_context_released)(struct _cef_render_process_handler_t* self,
      cef_browser_t* browser, cef_frame_t* frame, cef_v8context_t* context);
  void(CEF_CALLBACK* on_uncaught_exception)(struct _cef_render_process_handler_t* self,
      cef_browser_t* browser, cef_frame_t* frame, cef_v8context_t* context,
      cef_v8exception_t* exception, cef_v8stack_trace_t* stackTrace);
  void(CEF_CALLBACK* on_focused_node_changed)(struct _cef_render_process_handler_t* self,
      cef_browser_t* browser, cef_frame_t* frame, cef_domnode_t* node);
  int(CEF_CALLBACK* on_process_message_received)(struct _cef_render_process_handler_t* self,
      cef_browser_t* browser, cef_process_id_t source_process, cef_process_message_t* message);
};

// ---- cef_request

struct _cef_request_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_read_only)(struct _cef_request_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_url)(struct _cef_request_t* self);
  void(CEF_CALLBACK* set_url)(struct _cef_request_t* self, const cef_string_t* url);
  cef_string_userfree_t(CEF_CALLBACK* get_method)(struct _cef_request_t* self);
  void(CEF_CALLBACK* set_method)(struct _cef_request_t* self, const cef_string_t* method);
  void(CEF_CALLBACK* set_referrer)(struct _cef_request_t* self, const cef_string_t* referrer_url,
      cef_referrer_policy_t policy);
  cef_string_userfree_t(CEF_CALLBACK* get_referrer_url)(struct _cef_request_t* self);
  cef_referrer_policy_t(CEF_CALLBACK* get_referrer_policy)(struct _cef_request_t* self);
  cef_post_data_t*(CEF_CALLBACK* get_post_data)(struct _cef_request_t* self);
  void(CEF_CALLBACK* set_post_data)(struct _cef_request_t* self, cef_post_data_t* postData);
  void(CEF_CALLBACK* get_header_map)(struct _cef_request_t* self, cef_string_multimap_t headerMap);
  void(CEF_CALLBACK* set_header_map)(struct _cef_request_t* self, cef_string_multimap_t headerMap);
  void(CEF_CALLBACK* set)(struct _cef_request_t* self, const cef_string_t* url,
      const cef_string_t* method, cef_post_data_t* postData, cef_string_multimap_t headerMap);
  int(CEF_CALLBACK* get_flags)(struct _cef_request_t* self);
  void(CEF_CALLBACK* set_flags)(struct _cef_request_t* self, int flags);
  cef_string_userfree_t(CEF_CALLBACK* get_first_party_for_cookies)(struct _cef_request_t* self);
  void(CEF_CALLBACK* set_first_party_for_cookies)(struct _cef_request_t* self,
      const cef_string_t* url);
  cef_resource_type_t(CEF_CALLBACK* get_resource_type)(struct _cef_request_t* self);
  cef_transition_type_t(CEF_CALLBACK* get_transition_type)(struct _cef_request_t* self);
  uint64_t(CEF_CALLBACK* get_identifier)(struct _cef_request_t* self);
};

struct _cef_post_data_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_read_only)(struct _cef_post_data_t* self);
  int(CEF_CALLBACK* has_excluded_elements)(struct _cef_post_data_t* self);
  size_t(CEF_CALLBACK* get_element_count)(struct _cef_post_data_t* self);
  void(CEF_CALLBACK* get_elements)(struct _cef_post_data_t* self, size_t* elementsCount,
      cef_post_data_element_t** elements);
  int(CEF_CALLBACK* remove_element)(struct _cef_post_data_t* self,
      cef_post_data_element_t* element);
  int(CEF_CALLBACK* add_element)(struct _cef_post_data_t* self, cef_post_data_element_t* element);
  void(CEF_CALLBACK* remove_elements)(struct _cef_post_data_t* self);
};

struct _cef_post_data_element_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_read_only)(struct _cef_post_data_element_t* self);
  void(CEF_CALLBACK* set_to_empty)(struct _cef_post_data_element_t* self);
  void(CEF_CALLBACK* set_to_file)(struct _cef_post_data_element_t* self,
      const cef_string_t* fileName);
  void(CEF_CALLBACK* set_to_bytes)(struct _cef_post_data_element_t* self, size_t size,
      const void* bytes);
  cef_postdataelement_type_t(CEF_CALLBACK* get_type)(struct _cef_post_data_element_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_file)(struct _cef_post_data_element_t* self);
  size_t(CEF_CALLBACK* get_bytes_count)(struct _cef_post_data_element_t* self);
  size_t(CEF_CALLBACK* get_bytes)(struct _cef_post_data_element_t* self, size_t size, void* bytes);
};

// ---- cef_request_context

struct _cef_resolve_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_resolve_completed)(struct _cef_resolve_callback_t* self,
      cef_errorcode_t result, cef_string_list_t resolved_ips);
};

struct _cef_request_context_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_same)(struct _cef_request_context_t* self, cef_request_context_t* other);
  int(CEF_CALLBACK* is_sharing_with)(struct _cef_request_context_t* self,
      cef_request_context_t* other);
  int(CEF_CALLBACK* is_global)(struct _cef_request_context_t* self);
  cef_request_context_handler_t*(CEF_CALLBACK* get_handler)(struct _cef_request_context_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_cache_path)(struct _cef_request_context_t* self);
  cef_cookie_manager_t*(CEF_CALLBACK* get_default_cookie_manager)(
      struct _cef_request_context_t* self, cef_completion_callback_t* callback);
  int(CEF_CALLBACK* register_scheme_handler_factory)(struct _cef_request_context_t* self,
      const cef_string_t* scheme_name, const cef_string_t* domain_name,
      cef_scheme_handler_factory_t* factory);
  int(CEF_CALLBACK* clear_scheme_handler_factories)(struct _cef_request_context_t* self);
  void(CEF_CALLBACK* purge_plugin_list_cache)(struct _cef_request_context_t* self,
      int reload_pages);
  int(CEF_CALLBACK* has_preference)(struct _cef_request_context_t* self, const cef_string_t* name);
  cef_value_t*(CEF_CALLBACK* get_preference)(struct _cef_request_context_t* self,
      const cef_string_t* name);
  cef_dictionary_value_t*(CEF_CALLBACK* get_all_preferences)(struct _cef_request_context_t* self,
      int include_defaults);
  int(CEF_CALLBACK* can_set_preference)(struct _cef_request_context_t* self,
      const cef_string_t* name);
  int(CEF_CALLBACK* set_preference)(struct _cef_request_context_t* self, const cef_string_t* name,
      cef_value_t* value, cef_string_t* error);
  void(CEF_CALLBACK* clear_certificate_exceptions)(struct _cef_request_context_t* self,
      cef_completion_callback_t* callback);
  void(CEF_CALLBACK* close_all_connections)(struct _cef_request_context_t* self,
      cef_completion_callback_t* callback);
  void(CEF_CALLBACK* resolve_host)(struct _cef_request_context_t* self, const cef_string_t* origin,
      cef_resolve_callback_t* callback);
  cef_errorcode_t(CEF_CALLBACK* resolve_host_cached)(struct _cef_request_context_t* self,
      const cef_string_t* origin, cef_string_list_t resolved_ips);
};

// ---- cef_request_context_handler

struct _cef_request_context_handler_t {
  cef_base_t base;
  cef_cookie_manager_t*(CEF_CALLBACK* get_cookie_manager)(
      struct _cef_request_context_handler_t* self);
  int(CEF_CALLBACK* on_before_plugin_load)(struct _cef_request_context_handler_t* self,
      const cef_string_t* mime_type, const cef_string_t* plugin_url,
      const cef_string_t* top_origin_url, cef_web_plugin_info_t* plugin_info,
      cef_plugin_policy_t* plugin_policy);
};

// ---- cef_request_handler

struct _cef_request_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* cont)(struct _cef_request_callback_t* self, int allow);
  void(CEF_CALLBACK* cancel)(struct _cef_request_callback_t* self);
};

struct _cef_request_handler_t {
  cef_base_t base;
  int(CEF_CALLBACK* on_before_browse)(struct _cef_request_handler_t* self, cef_browser_t* browser,
      cef_frame_t* frame, cef_request_t* request, int is_redirect);
  int(CEF_CALLBACK* on_open_urlfrom_tab)(struct _cef_request_handler_t* self,
      cef_browser_t* browser, cef_frame_t* frame, const cef_string_t* target_url,
      cef_window_open_disposition_t target_disposition, int user_gesture);
  cef_return_value_t(CEF_CALLBACK* on_before_resource_load)(struct _cef_request_handler_t* self,
      cef_browser_t* browser, cef_frame_t* frame, cef_request_t* request,
      cef_request_callback_t* callback);
  cef_resource_handler_t*(CEF_CALLBACK* get_resource_handler)(struct _cef_request_handler_t* self,
      cef_browser_t* browser, cef_frame_t* frame, cef_request_t* request);
  void(CEF_CALLBACK* on_resource_redirect)(struct _cef_request_handler_t* self,
      cef_browser_t* browser, cef_frame_t* frame, cef_request_t* request, cef_string_t* new_url);
  int(CEF_CALLBACK* on_resource_response)(struct _cef_request_handler_t* self,
      cef_browser_t* browser, cef_frame_t* frame, cef_request_t* request, cef_response_t* response);
  cef_response_filter_t*(CEF_CALLBACK* get_resource_response_filter)(
      struct _cef_request_handler_t* self, cef_browser_t* browser, cef_frame_t* frame,
      cef_request_t* request, cef_response_t* response);
  void(CEF_CALLBACK* on_resource_load_complete)(struct _cef_request_handler_t* self,
      cef_browser_t* browser, cef_frame_t* frame, cef_request_t* request, cef_response_t* response,
      cef_urlrequest_status_t status, int64_t received_content_length);
  int(CEF_CALLBACK* get_auth_credentials)(struct _cef_request_handler_t* self,
      cef_browser_t* browser, cef_frame_t* frame, int isProxy, const cef_string_t* host, int port,
      const cef_string_t* realm, const cef_string_t* scheme, cef_auth_callback_t* callback);
  int(CEF_CALLBACK* on_quota_request)(struct _cef_request_handler_t* self, cef_browser_t* browser,
      const cef_string_t* origin_url, int64_t new_size, cef_request_callback_t* callback);
  void(CEF_CALLBACK* on_protocol_execution)(struct _cef_request_handler_t* self,
      cef_browser_t* browser, const cef_string_t* url, int* allow_os_execution);
  int(CEF_CALLBACK* on_certificate_error)(struct _cef_request_handler_t* self,
      cef_browser_t* browser, cef_errorcode_t cert_error, const cef_string_t* request_url,
      cef_sslinfo_t* ssl_info, cef_request_callback_t* callback);
  void(CEF_CALLBACK* on_plugin_crashed)(struct _cef_request_handler_t* self, cef_browser_t* browser,
      const cef_string_t* plugin_path);
  void(CEF_CALLBACK* on_render_view_ready)(struct _cef_request_handler_t* self,
      cef_browser_t* browser);
  void(CEF_CALLBACK* on_render_process_terminated)(struct _cef_request_handler_t* self,
      cef_browser_t* browser, cef_termination_status_t status);
};

// ---- cef_resource_bundle

struct _cef_resource_bundle_t {
  cef_base_t base;
  cef_string_userfree_t(CEF_CALLBACK* get_localized_string)(struct _cef_resource_bundle_t* self,
      int string_id);
  int(CEF_CALLBACK* get_data_resource)(struct _cef_resource_bundle_t* self, int resource_id,
      void** data, size_t* data_size);
  int(CEF_CALLBACK* get_data_resource_for_scale)(struct _cef_resource_bundle_t* self,
      int resource_id, cef_scale_factor_t scale_factor, void** data, size_t* data_size);
};

// ---- cef_resource_bundle_handler

struct _cef_resource_bundle_handler_t {
  cef_base_t base;
  int(CEF_CALLBACK* get_localized_string)(struct _cef_resource_bundle_handler_t* self,
      int string_id, cef_string_t* string);
  int(CEF_CALLBACK* get_data_resource)(struct _cef_resource_bundle_handler_t* self, int resource_id,
      void** data, size_t* data_size);
  int(CEF_CALLBACK* get_data_resource_for_scale)(struct _cef_resource_bundle_handler_t* self,
      int resource_id, cef_scale_factor_t scale_factor, void** data, size_t* data_size);
};

// ---- cef_resource_handler

struct _cef_resource_handler_t {
  cef_base_t base;
  int(CEF_CALLBACK* process_request)(struct _cef_resource_handler_t* self, cef_request_t* request,
      cef_callback_t* callback);
  void(CEF_CALLBACK* get_response_headers)(struct _cef_resource_handler_t* self,
      cef_response_t* response, int64_t* response_length, cef_string_t* redirectUrl);
  int(CEF_CALLBACK* read_response)(struct _cef_resource_handler_t* self, void* data_out,
      int bytes_to_read, int* bytes_read, cef_callback_t* callback);
  int(CEF_CALLBACK* can_get_cookie)(struct _cef_resource_handler_t* self,
      const cef_cookie_t* cookie);
  int(CEF_CALLBACK* can_set_cookie)(struct _cef_resource_handler_t* self,
      const cef_cookie_t* cookie);
  void(CEF_CALLBACK* cancel)(struct _cef_resource_handler_t* self);
};

// ---- cef_response

struct _cef_response_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_read_only)(struct _cef_response_t* self);
  int(CEF_CALLBACK* get_status)(struct _cef_response_t* self);
  void(CEF_CALLBACK* set_status)(struct _cef_response_t* self, int status);
  cef_string_userfree_t(CEF_CALLBACK* get_status_text)(struct _cef_response_t* self);
  void(CEF_CALLBACK* set_status_text)(struct _cef_response_t* self, const cef_string_t* statusText);
  cef_string_userfree_t(CEF_CALLBACK* get_mime_type)(struct _cef_response_t* self);
  void(CEF_CALLBACK* set_mime_type)(struct _cef_response_t* self, const cef_string_t* mimeType);
  cef_string_userfree_t(CEF_CALLBACK* get_header)(struct _cef_response_t* self,
      const cef_string_t* name);
  void(CEF_CALLBACK* get_header_map)(struct _cef_response_t* self, cef_string_multimap_t headerMap);
  void(CEF_CALLBACK* set_header_map)(struct _cef_response_t* self, cef_string_multimap_t headerMap);
};

// ---- cef_response_filter

struct _cef_response_filter_t {
  cef_base_t base;
  int(CEF_CALLBACK* init_filter)(struct _cef_response_filter_t* self);
  cef_response_filter_status_t(CEF_CALLBACK* filter)(struct _cef_response_filter_t* self,
      void* data_in, size_t data_in_size, size_t* data_in_read, void* data_out,
      size_t data_out_size, size_t* data_out_written);
};

// ---- cef_scheme

struct _cef_scheme_registrar_t {
  cef_base_t base;
  int(CEF_CALLBACK* add_custom_scheme)(struct _cef_scheme_registrar_t* self,
      const cef_string_t* scheme_name, int is_standard, int is_local, int is_display_isolated);
};

struct _cef_scheme_handler_factory_t {
  cef_base_t base;
  cef_resource_handler_t*(CEF_CALLBACK* create)(struct _cef_scheme_handler_factory_t* self,
      cef_browser_t* browser, cef_frame_t* frame, const cef_string_t* scheme_name,
      cef_request_t* request);
};

// ---- cef_ssl_info

struct _cef_sslcert_principal_t {
  cef_base_t base;
  cef_string_userfree_t(CEF_CALLBACK* get_display_name)(struct _cef_sslcert_principal_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_common_name)(struct _cef_sslcert_principal_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_locality_name)(struct _cef_sslcert_principal_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_state_or_province_name)(
      struct _cef_sslcert_principal_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_country_name)(struct _cef_sslcert_principal_t* self);
  void(CEF_CALLBACK* get_street_addresses)(struct _cef_sslcert_principal_t* self,
      cef_string_list_t addresses);
  void(CEF_CALLBACK* get_organization_names)(struct _cef_sslcert_principal_t* self,
      cef_string_list_t names);
  void(CEF_CALLBACK* get_organization_unit_names)(struct _cef_sslcert_principal_t* self,
      cef_string_list_t names);
  void(CEF_CALLBACK* get_domain_components)(struct _cef_sslcert_principal_t* self,
      cef_string_list_t components);
};

struct _cef_sslinfo_t {
  cef_base_t base;
  cef_cert_status_t(CEF_CALLBACK* get_cert_status)(struct _cef_sslinfo_t* self);
  int(CEF_CALLBACK* is_cert_status_error)(struct _cef_sslinfo_t* self);
  int(CEF_CALLBACK* is_cert_status_minor_error)(struct _cef_sslinfo_t* self);
  cef_sslcert_principal_t*(CEF_CALLBACK* get_subject)(struct _cef_sslinfo_t* self);
  cef_sslcert_principal_t*(CEF_CALLBACK* get_issuer)(struct _cef_sslinfo_t* self);
  cef_binary_value_t*(CEF_CALLBACK* get_serial_number)(struct _cef_sslinfo_t* self);
  cef_time_t(CEF_CALLBACK* get_valid_start)(struct _cef_sslinfo_t* self);
  cef_time_t(CEF_CALLBACK* get_valid_expiry)(struct _cef_sslinfo_t* self);
  cef_binary_value_t*(CEF_CALLBACK* get_derencoded)(struct _cef_sslinfo_t* self);
  cef_binary_value_t*(CEF_CALLBACK* get_pemencoded)(struct _cef_sslinfo_t* self);
  size_t(CEF_CALLBACK* get_issuer_chain_size)(struct _cef_sslinfo_t* self);
  void(CEF_CALLBACK* get_derencoded_issuer_chain)(struct _cef_sslinfo_t* self, size_t* chainCount,
      cef_binary_value_t** chain);
  void(CEF_CALLBACK* get_pemencoded_issuer_chain)(struct _cef_sslinfo_t* self, size_t* chainCount,
      cef_binary_value_t** chain);
};

// ---- cef_stream

struct _cef_read_handler_t {
  cef_base_t base;
  size_t(CEF_CALLBACK* read)(struct _cef_read_handler_t* self, void* ptr, size_t size, size_t n);
  int(CEF_CALLBACK* seek)(struct _cef_read_handler_t* self, int64_t offset, int whence);
  int64_t(CEF_CALLBACK* tell)(struct _cef_read_handler_t* self);
  int(CEF_CALLBACK* eof)(struct _cef_read_handler_t* self);
  int(CEF_CALLBACK* may_block)(struct _cef_read_handler_t* self);
};

struct _cef_stream_reader_t {
  cef_base_t base;
  size_t(CEF_CALLBACK* read)(struct _cef_stream_reader_t* self, void* ptr, size_t size, size_t n);
  int(CEF_CALLBACK* seek)(struct _cef_stream_reader_t* self, int64_t offset, int whence);
  int64_t(CEF_CALLBACK* tell)(struct _cef_stream_reader_t* self);
  int(CEF_CALLBACK* eof)(struct _cef_stream_reader_t* self);
  int(CEF_CALLBACK* may_block)(struct _cef_stream_reader_t* self);
};

struct _cef_write_handler_t {
  cef_base_t base;
  size_t(CEF_CALLBACK* write)(struct _cef_write_handler_t* self, const void* ptr, size_t size,
      size_t n);
  int(CEF_CALLBACK* seek)(struct _cef_write_handler_t* self, int64_t offset, int whence);
  int64_t(CEF_CALLBACK* tell)(struct _cef_write_handler_t* self);
  int(CEF_CALLBACK* flush)(struct _cef_write_handler_t* self);
  int(CEF_CALLBACK* may_block)(struct _cef_write_handler_t* self);
};

struct _cef_stream_writer_t {
  cef_base_t base;
  size_t(CEF_CALLBACK* write)(struct _cef_stream_writer_t* self, const void* ptr, size_t size,
      size_t n);
  int(CEF_CALLBACK* seek)(struct _cef_stream_writer_t* self, int64_t offset, int whence);
  int64_t(CEF_CALLBACK* tell)(struct _cef_stream_writer_t* self);
  int(CEF_CALLBACK* flush)(struct _cef_stream_writer_t* self);
  int(CEF_CALLBACK* may_block)(struct _cef_stream_writer_t* self);
};

// ---- cef_string_visitor

struct _cef_string_visitor_t {
  cef_base_t base;
  void(CEF_CALLBACK* visit)(struct _cef_string_visitor_t* self, const cef_string_t* string);
};

// ---- cef_task

struct _cef_task_t {
  cef_base_t base;
  void(CEF_CALLBACK* execute)(struct _cef_task_t* self);
};

struct _cef_task_runner_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_same)(struct _cef_task_runner_t* self, cef_task_runner_t* that);
  int(CEF_CALLBACK* belongs_to_current_thread)(struct _cef_task_runner_t* self);
  int(CEF_CALLBACK* belongs_to_thread)(struct _cef_task_runner_t* self, cef_thread_id_t threadId);
  int(CEF_CALLBACK* post_task)(struct _cef_task_runner_t* self, cef_task_t* task);
  int(CEF_CALLBACK* post_delayed_task)(struct _cef_task_runner_t* self, cef_task_t* task,
      int64_t delay_ms);
};

// ---- cef_trace

struct _cef_end_tracing_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_end_tracing_complete)(struct _cef_end_tracing_callback_t* self,
      const cef_string_t* tracing_file);
};

// ---- cef_urlrequest

struct _cef_urlrequest_t {
  cef_base_t base;
  cef_request_t*(CEF_CALLBACK* get_request)(struct _cef_urlrequest_t* self);
  cef_urlrequest_client_t*(CEF_CALLBACK* get_client)(struct _cef_urlrequest_t* self);
  cef_urlrequest_status_t(CEF_CALLBACK* get_request_status)(struct _cef_urlrequest_t* self);
  cef_errorcode_t(CEF_CALLBACK* get_request_error)(struct _cef_urlrequest_t* self);
  cef_response_t*(CEF_CALLBACK* get_response)(struct _cef_urlrequest_t* self);
  void(CEF_CALLBACK* cancel)(struct _cef_urlrequest_t* self);
};

struct _cef_urlrequest_client_t {
  cef_base_t base;
  void(CEF_CALLBACK* on_request_complete)(struct _cef_urlrequest_client_t* self,
      cef_urlrequest_t* request);
  void(CEF_CALLBACK* on_upload_progress)(struct _cef_urlrequest_client_t* self,
      cef_urlrequest_t* request, int64_t current, int64_t total);
  void(CEF_CALLBACK* on_download_progress)(struct _cef_urlrequest_client_t* self,
      cef_urlrequest_t* request, int64_t current, int64_t total);
  void(CEF_CALLBACK* on_download_data)(struct _cef_urlrequest_client_t* self,
      cef_urlrequest_t* request, const void* data, size_t data_length);
  int(CEF_CALLBACK* get_auth_credentials)(struct _cef_urlrequest_client_t* self, int isProxy,
      const cef_string_t* host, int port, const cef_string_t* realm, const cef_string_t* scheme,
      cef_auth_callback_t* callback);
};

// ---- cef_v8

struct _cef_v8context_t {
  cef_base_t base;
  cef_task_runner_t*(CEF_CALLBACK* get_task_runner)(struct _cef_v8context_t* self);
  int(CEF_CALLBACK* is_valid)(struct _cef_v8context_t* self);
  cef_browser_t*(CEF_CALLBACK* get_browser)(struct _cef_v8context_t* self);
  cef_frame_t*(CEF_CALLBACK* get_frame)(struct _cef_v8context_t* self);
  cef_v8value_t*(CEF_CALLBACK* get_global)(struct _cef_v8context_t* self);
  int(CEF_CALLBACK* enter)(struct _cef_v8context_t* self);
  int(CEF_CALLBACK* exit)(struct _cef_v8context_t* self);
  int(CEF_CALLBACK* is_same)(struct _cef_v8context_t* self, cef_v8context_t* that);
  int(CEF_CALLBACK* eval)(struct _cef_v8context_t* self, const cef_string_t* code,
      cef_v8value_t** retval, cef_v8exception_t** exception);
};

struct _cef_v8handler_t {
  cef_base_t base;
  int(CEF_CALLBACK* execute)(struct _cef_v8handler_t* self, const cef_string_t* name,
      cef_v8value_t* object, size_t argumentsCount, cef_v8value_t* const* arguments,
      cef_v8value_t** retval, cef_string_t* exception);
};

struct _cef_v8accessor_t {
  cef_base_t base;
  int(CEF_CALLBACK* get)(struct _cef_v8accessor_t* self, const cef_string_t* name,
      cef_v8value_t* object, cef_v8value_t** retval, cef_string_t* exception);
  int(CEF_CALLBACK* set)(struct _cef_v8accessor_t* self, const cef_string_t* name,
      cef_v8value_t* object, cef_v8value_t* value, cef_string_t* exception);
};

struct _cef_v8exception_t {
  cef_base_t base;
  cef_string_userfree_t(CEF_CALLBACK* get_message)(struct _cef_v8exception_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_source_line)(struct _cef_v8exception_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_script_resource_name)(struct _cef_v8exception_t* self);
  int(CEF_CALLBACK* get_line_number)(struct _cef_v8exception_t* self);
  int(CEF_CALLBACK* get_start_position)(struct _cef_v8exception_t* self);
  int(CEF_CALLBACK* get_end_position)(struct _cef_v8exception_t* self);
  int(CEF_CALLBACK* get_start_column)(struct _cef_v8exception_t* self);
  int(CEF_CALLBACK* get_end_column)(struct _cef_v8exception_t* self);
};

struct _cef_v8value_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* is_undefined)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* is_null)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* is_bool)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* is_int)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* is_uint)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* is_double)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* is_date)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* is_string)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* is_object)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* is_array)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* is_function)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* is_same)(struct _cef_v8value_t* self, cef_v8value_t* that);
  int(CEF_CALLBACK* get_bool_value)(struct _cef_v8value_t* self);
  int32_t(CEF_CALLBACK* get_int_value)(struct _cef_v8value_t* self);
  uint32_t(CEF_CALLBACK* get_uint_value)(struct _cef_v8value_t* self);
  double(CEF_CALLBACK* get_double_value)(struct _cef_v8value_t* self);
  cef_time_t(CEF_CALLBACK* get_date_value)(struct _cef_v8value_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_string_value)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* is_user_created)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* has_exception)(struct _cef_v8value_t* self);
  cef_v8exception_t*(CEF_CALLBACK* get_exception)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* clear_exception)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* will_rethrow_exceptions)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* set_rethrow_exceptions)(struct _cef_v8value_t* self, int rethrow);
  int(CEF_CALLBACK* has_value_bykey)(struct _cef_v8value_t* self, const cef_string_t* key);
  int(CEF_CALLBACK* has_value_byindex)(struct _cef_v8value_t* self, int index);
  int(CEF_CALLBACK* delete_value_bykey)(struct _cef_v8value_t* self, const cef_string_t* key);
  int(CEF_CALLBACK* delete_value_byindex)(struct _cef_v8value_t* self, int index);
  cef_v8value_t*(CEF_CALLBACK* get_value_bykey)(struct _cef_v8value_t* self,
      const cef_string_t* key);
  cef_v8value_t*(CEF_CALLBACK* get_value_byindex)(struct _cef_v8value_t* self, int index);
  int(CEF_CALLBACK* set_value_bykey)(struct _cef_v8value_t* self, const cef_string_t* key,
      cef_v8value_t* value, cef_v8_propertyattribute_t attribute);
  int(CEF_CALLBACK* set_value_byindex)(struct _cef_v8value_t* self, int index,
      cef_v8value_t* value);
  int(CEF_CALLBACK* set_value_byaccessor)(struct _cef_v8value_t* self, const cef_string_t* key,
      cef_v8_accesscontrol_t settings, cef_v8_propertyattribute_t attribute);
  int(CEF_CALLBACK* get_keys)(struct _cef_v8value_t* self, cef_string_list_t keys);
  int(CEF_CALLBACK* set_user_data)(struct _cef_v8value_t* self, cef_base_t* user_data);
  cef_base_t*(CEF_CALLBACK* get_user_data)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* get_externally_allocated_memory)(struct _cef_v8value_t* self);
  int(CEF_CALLBACK* adjust_externally_allocated_memory)(struct _cef_v8value_t* self,
      int change_in_bytes);
  int(CEF_CALLBACK* get_array_length)(struct _cef_v8value_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_function_name)(struct _cef_v8value_t* self);
  cef_v8handler_t*(CEF_CALLBACK* get_function_handler)(struct _cef_v8value_t* self);
  cef_v8value_t*(CEF_CALLBACK* execute_function)(struct _cef_v8value_t* self, cef_v8value_t* object,
      size_t argumentsCount, cef_v8value_t* const* arguments);
  cef_v8value_t*(CEF_CALLBACK* execute_function_with_context)(struct _cef_v8value_t* self,
      cef_v8context_t* context, cef_v8value_t* object, size_t argumentsCount,
      cef_v8value_t* const* arguments);
};

struct _cef_v8stack_trace_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_v8stack_trace_t* self);
  int(CEF_CALLBACK* get_frame_count)(struct _cef_v8stack_trace_t* self);
  cef_v8stack_frame_t*(CEF_CALLBACK* get_frame)(struct _cef_v8stack_trace_t* self, int index);
};

struct _cef_v8stack_frame_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_v8stack_frame_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_script_name)(struct _cef_v8stack_frame_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_script_name_or_source_url)(
      struct _cef_v8stack_frame_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_function_name)(struct _cef_v8stack_frame_t* self);
  int(CEF_CALLBACK* get_line_number)(struct _cef_v8stack_frame_t* self);
  int(CEF_CALLBACK* get_column)(struct _cef_v8stack_frame_t* self);
  int(CEF_CALLBACK* is_eval)(struct _cef_v8stack_frame_t* self);
  int(CEF_CALLBACK* is_constructor)(struct _cef_v8stack_frame_t* self);
};

// ---- cef_values

struct _cef_value_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_value_t* self);
  int(CEF_CALLBACK* is_owned)(struct _cef_value_t* self);
  int(CEF_CALLBACK* is_read_only)(struct _cef_value_t* self);
  int(CEF_CALLBACK* is_same)(struct _cef_value_t* self, cef_value_t* that);
  int(CEF_CALLBACK* is_equal)(struct _cef_value_t* self, cef_value_t* that);
  cef_value_t*(CEF_CALLBACK* copy)(struct _cef_value_t* self);
  cef_value_type_t(CEF_CALLBACK* get_type)(struct _cef_value_t* self);
  int(CEF_CALLBACK* get_bool)(struct _cef_value_t* self);
  int(CEF_CALLBACK* get_int)(struct _cef_value_t* self);
  double(CEF_CALLBACK* get_double)(struct _cef_value_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_string)(struct _cef_value_t* self);
  cef_binary_value_t*(CEF_CALLBACK* get_binary)(struct _cef_value_t* self);
  cef_dictionary_value_t*(CEF_CALLBACK* get_dictionary)(struct _cef_value_t* self);
  cef_list_value_t*(CEF_CALLBACK* get_list)(struct _cef_value_t* self);
  int(CEF_CALLBACK* set_null)(struct _cef_value_t* self);
  int(CEF_CALLBACK* set_bool)(struct _cef_value_t* self, int value);
  int(CEF_CALLBACK* set_int)(struct _cef_value_t* self, int value);
  int(CEF_CALLBACK* set_double)(struct _cef_value_t* self, double value);
  int(CEF_CALLBACK* set_string)(struct _cef_value_t* self, const cef_string_t* value);
  int(CEF_CALLBACK* set_binary)(struct _cef_value_t* self, cef_binary_value_t* value);
  int(CEF_CALLBACK* set_dictionary)(struct _cef_value_t* self, cef_dictionary_value_t* value);
  int(CEF_CALLBACK* set_list)(struct _cef_value_t* self, cef_list_value_t* value);
};

struct _cef_binary_value_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_binary_value_t* self);
  int(CEF_CALLBACK* is_owned)(struct _cef_binary_value_t* self);
  int(CEF_CALLBACK* is_same)(struct _cef_binary_value_t* self, cef_binary_value_t* that);
  int(CEF_CALLBACK* is_equal)(struct _cef_binary_value_t* self, cef_binary_value_t* that);
  cef_binary_value_t*(CEF_CALLBACK* copy)(struct _cef_binary_value_t* self);
  size_t(CEF_CALLBACK* get_size)(struct _cef_binary_value_t* self);
  size_t(CEF_CALLBACK* get_data)(struct _cef_binary_value_t* self, void* buffer, size_t buffer_size,
      size_t data_offset);
};

struct _cef_dictionary_value_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_dictionary_value_t* self);
  int(CEF_CALLBACK* is_owned)(struct _cef_dictionary_value_t* self);
  int(CEF_CALLBACK* is_read_only)(struct _cef_dictionary_value_t* self);
  int(CEF_CALLBACK* is_same)(struct _cef_dictionary_value_t* self, cef_dictionary_value_t* that);
  int(CEF_CALLBACK* is_equal)(struct _cef_dictionary_value_t* self, cef_dictionary_value_t* that);
  cef_dictionary_value_t*(CEF_CALLBACK* copy)(struct _cef_dictionary_value_t* self,
      int exclude_empty_children);
  size_t(CEF_CALLBACK* get_size)(struct _cef_dictionary_value_t* self);
  int(CEF_CALLBACK* clear)(struct _cef_dictionary_value_t* self);
  int(CEF_CALLBACK* has_key)(struct _cef_dictionary_value_t* self, const cef_string_t* key);
  int(CEF_CALLBACK* get_keys)(struct _cef_dictionary_value_t* self, cef_string_list_t keys);
  int(CEF_CALLBACK* remove)(struct _cef_dictionary_value_t* self, const cef_string_t* key);
  cef_value_type_t(CEF_CALLBACK* get_type)(struct _cef_dictionary_value_t* self,
      const cef_string_t* key);
  cef_value_t*(CEF_CALLBACK* get_value)(struct _cef_dictionary_value_t* self,
      const cef_string_t* key);
  int(CEF_CALLBACK* get_bool)(struct _cef_dictionary_value_t* self, const cef_string_t* key);
  int(CEF_CALLBACK* get_int)(struct _cef_dictionary_value_t* self, const cef_string_t* key);
  double(CEF_CALLBACK* get_double)(struct _cef_dictionary_value_t* self, const cef_string_t* key);
  cef_string_userfree_t(CEF_CALLBACK* get_string)(struct _cef_dictionary_value_t* self,
      const cef_string_t* key);
  cef_binary_value_t*(CEF_CALLBACK* get_binary)(struct _cef_dictionary_value_t* self,
      const cef_string_t* key);
  cef_dictionary_value_t*(CEF_CALLBACK* get_dictionary)(struct _cef_dictionary_value_t* self,
      const cef_string_t* key);
  cef_list_value_t*(CEF_CALLBACK* get_list)(struct _cef_dictionary_value_t* self,
      const cef_string_t* key);
  int(CEF_CALLBACK* set_value)(struct _cef_dictionary_value_t* self, const cef_string_t* key,
      cef_value_t* value);
  int(CEF_CALLBACK* set_null)(struct _cef_dictionary_value_t* self, const cef_string_t* key);
  int(CEF_CALLBACK* set_bool)(struct _cef_dictionary_value_t* self, const cef_string_t* key,
      int value);
  int(CEF_CALLBACK* set_int)(struct _cef_dictionary_value_t* self, const cef_string_t* key,
      int value);
  int(CEF_CALLBACK* set_double)(struct _cef_dictionary_value_t* self, const cef_string_t* key,
      double value);
  int(CEF_CALLBACK* set_string)(struct _cef_dictionary_value_t* self, const cef_string_t* key,
      const cef_string_t* value);
  int(CEF_CALLBACK* set_binary)(struct _cef_dictionary_value_t* self, const cef_string_t* key,
      cef_binary_value_t* value);
  int(CEF_CALLBACK* set_dictionary)(struct _cef_dictionary_value_t* self, const cef_string_t* key,
      cef_dictionary_value_t* value);
  int(CEF_CALLBACK* set_list)(struct _cef_dictionary_value_t* self, const cef_string_t* key,
      cef_list_value_t* value);
};

struct _cef_list_value_t {
  cef_base_t base;
  int(CEF_CALLBACK* is_valid)(struct _cef_list_value_t* self);
  int(CEF_CALLBACK* is_owned)(struct _cef_list_value_t* self);
  int(CEF_CALLBACK* is_read_only)(struct _cef_list_value_t* self);
  int(CEF_CALLBACK* is_same)(struct _cef_list_value_t* self, cef_list_value_t* that);
  int(CEF_CALLBACK* is_equal)(struct _cef_list_value_t* self, cef_list_value_t* that);
  cef_list_value_t*(CEF_CALLBACK* copy)(struct _cef_list_value_t* self);
  int(CEF_CALLBACK* set_size)(struct _cef_list_value_t* self, size_t size);
  size_t(CEF_CALLBACK* get_size)(struct _cef_list_value_t* self);
  int(CEF_CALLBACK* clear)(struct _cef_list_value_t* self);
  int(CEF_CALLBACK* remove)(struct _cef_list_value_t* self, int index);
  cef_value_type_t(CEF_CALLBACK* get_type)(struct _cef_list_value_t* self, int index);
  cef_value_t*(CEF_CALLBACK* get_value)(struct _cef_list_value_t* self, int index);
  int(CEF_CALLBACK* get_bool)(struct _cef_list_value_t* self, int index);
  int(CEF_CALLBACK* get_int)(struct _cef_list_value_t* self, int index);
  double(CEF_CALLBACK* get_double)(struct _cef_list_value_t* self, int index);
  cef_string_userfree_t(CEF_CALLBACK* get_string)(struct _cef_list_value_t* self, int index);
  cef_binary_value_t*(CEF_CALLBACK* get_binary)(struct _cef_list_value_t* self, int index);
  cef_dictionary_value_t*(CEF_CALLBACK* get_dictionary)(struct _cef_list_value_t* self, int index);
  cef_list_value_t*(CEF_CALLBACK* get_list)(struct _cef_list_value_t* self, int index);
  int(CEF_CALLBACK* set_value)(struct _cef_list_value_t* self, int index, cef_value_t* value);
  int(CEF_CALLBACK* set_null)(struct _cef_list_value_t* self, int index);
  int(CEF_CALLBACK* set_bool)(struct _cef_list_value_t* self, int index, int value);
  int(CEF_CALLBACK* set_int)(struct _cef_list_value_t* self, int index, int value);
  int(CEF_CALLBACK* set_double)(struct _cef_list_value_t* self, int index, double value);
  int(CEF_CALLBACK* set_string)(struct _cef_list_value_t* self, int index,
      const cef_string_t* value);
  int(CEF_CALLBACK* set_binary)(struct _cef_list_value_t* self, int index,
      cef_binary_value_t* value);
  int(CEF_CALLBACK* set_dictionary)(struct _cef_list_value_t* self, int index,
      cef_dictionary_value_t* value);
  int(CEF_CALLBACK* set_list)(struct _cef_list_value_t* self, int index, cef_list_value_t* value);
};

// ---- cef_web_plugin

struct _cef_web_plugin_info_t {
  cef_base_t base;
  cef_string_userfree_t(CEF_CALLBACK* get_name)(struct _cef_web_plugin_info_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_path)(struct _cef_web_plugin_info_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_version)(struct _cef_web_plugin_info_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_description)(struct _cef_web_plugin_info_t* self);
};

struct _cef_web_plugin_info_visitor_t {
  cef_base_t base;
  int(CEF_CALLBACK* visit)(struct _cef_web_plugin_info_visitor_t* self, cef_web_plugin_info_t* info,
      int count, int total);
};

struct _cef_web_plugin_unstable_callback_t {
  cef_base_t base;
  void(CEF_CALLBACK* is_unstable)(struct _cef_web_plugin_unstable_callback_t* self,
      const cef_string_t* path, int unstable);
};

// ---- cef_xml_reader

struct _cef_xml_reader_t {
  cef_base_t base;
  int(CEF_CALLBACK* move_to_next_node)(struct _cef_xml_reader_t* self);
  int(CEF_CALLBACK* close)(struct _cef_xml_reader_t* self);
  int(CEF_CALLBACK* has_error)(struct _cef_xml_reader_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_error)(struct _cef_xml_reader_t* self);
  cef_xml_node_type_t(CEF_CALLBACK* get_type)(struct _cef_xml_reader_t* self);
  int(CEF_CALLBACK* get_depth)(struct _cef_xml_reader_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_local_name)(struct _cef_xml_reader_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_prefix)(struct _cef_xml_reader_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_qualified_name)(struct _cef_xml_reader_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_namespace_uri)(struct _cef_xml_reader_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_base_uri)(struct _cef_xml_reader_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_xml_lang)(struct _cef_xml_reader_t* self);
  int(CEF_CALLBACK* is_empty_element)(struct _cef_xml_reader_t* self);
  int(CEF_CALLBACK* has_value)(struct _cef_xml_reader_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_value)(struct _cef_xml_reader_t* self);
  int(CEF_CALLBACK* has_attributes)(struct _cef_xml_reader_t* self);
  size_t(CEF_CALLBACK* get_attribute_count)(struct _cef_xml_reader_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_attribute_byindex)(struct _cef_xml_reader_t* self,
      int index);
  cef_string_userfree_t(CEF_CALLBACK* get_attribute_byqname)(struct _cef_xml_reader_t* self,
      const cef_string_t* qualifiedName);
  cef_string_userfree_t(CEF_CALLBACK* get_attribute_bylname)(struct _cef_xml_reader_t* self,
      const cef_string_t* localName, const cef_string_t* namespaceURI);
  cef_string_userfree_t(CEF_CALLBACK* get_inner_xml)(struct _cef_xml_reader_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_outer_xml)(struct _cef_xml_reader_t* self);
  int(CEF_CALLBACK* get_line_number)(struct _cef_xml_reader_t* self);
  int(CEF_CALLBACK* move_to_attribute_byindex)(struct _cef_xml_reader_t* self, int index);
  int(CEF_CALLBACK* move_to_attribute_byqname)(struct _cef_xml_reader_t* self,
      const cef_string_t* qualifiedName);
  int(CEF_CALLBACK* move_to_attribute_bylname)(struct _cef_xml_reader_t* self,
      const cef_string_t* localName, const cef_string_t* namespaceURI);
  int(CEF_CALLBACK* move_to_first_attribute)(struct _cef_xml_reader_t* self);
  int(CEF_CALLBACK* move_to_next_attribute)(struct _cef_xml_reader_t* self);
  int(CEF_CALLBACK* move_to_carrying_element)(struct _cef_xml_reader_t* self);
};

// ---- cef_zip_reader

struct _cef_zip_reader_t {
  cef_base_t base;
  int(CEF_CALLBACK* move_to_first_file)(struct _cef_zip_reader_t* self);
  int(CEF_CALLBACK* move_to_next_file)(struct _cef_zip_reader_t* self);
  int(CEF_CALLBACK* move_to_file)(struct _cef_zip_reader_t* self, const cef_string_t* fileName,
      int caseSensitive);
  int(CEF_CALLBACK* close)(struct _cef_zip_reader_t* self);
  cef_string_userfree_t(CEF_CALLBACK* get_file_name)(struct _cef_zip_reader_t* self);
  int64_t(CEF_CALLBACK* get_file_size)(struct _cef_zip_reader_t* self);
  cef_time_t(CEF_CALLBACK* get_file_last_modified)(struct _cef_zip_reader_t* self);
  int(CEF_CALLBACK* open_file)(struct _cef_zip_reader_t* self, const cef_string_t* password);
  int(CEF_CALLBACK* close_file)(struct _cef_zip_reader_t* self);
  int(CEF_CALLBACK* read_file)(struct _cef_zip_reader_t* self, void* buffer, size_t bufferSize);
  int64_t(CEF_CALLBACK* tell)(struct _cef_zip_reader_t* self);
  int(CEF_CALLBACK* eof)(struct _cef_zip_reader_t* self);
};

// ---- Size checks: 16-byte header plus one 4-byte (x86_64: 8-byte) entry per operation.
#if defined(__i386__)
CEF3_STATIC_ASSERT(sizeof(cef_app_t) == 36, "cef_app_t size");
CEF3_STATIC_ASSERT(sizeof(cef_auth_callback_t) == 24, "cef_auth_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_browser_t) == 100, "cef_browser_t size");
CEF3_STATIC_ASSERT(sizeof(cef_run_file_dialog_callback_t) == 20, "cef_run_file_dialog_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_navigation_entry_visitor_t) == 20, "cef_navigation_entry_visitor_t size");
CEF3_STATIC_ASSERT(sizeof(cef_pdf_print_callback_t) == 20, "cef_pdf_print_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_browser_host_t) == 200, "cef_browser_host_t size");
CEF3_STATIC_ASSERT(sizeof(cef_browser_process_handler_t) == 32, "cef_browser_process_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_callback_t) == 24, "cef_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_completion_callback_t) == 20, "cef_completion_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_client_t) == 76, "cef_client_t size");
CEF3_STATIC_ASSERT(sizeof(cef_command_line_t) == 96, "cef_command_line_t size");
CEF3_STATIC_ASSERT(sizeof(cef_run_context_menu_callback_t) == 24, "cef_run_context_menu_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_context_menu_handler_t) == 32, "cef_context_menu_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_context_menu_params_t) == 96, "cef_context_menu_params_t size");
CEF3_STATIC_ASSERT(sizeof(cef_cookie_manager_t) == 44, "cef_cookie_manager_t size");
CEF3_STATIC_ASSERT(sizeof(cef_cookie_visitor_t) == 20, "cef_cookie_visitor_t size");
CEF3_STATIC_ASSERT(sizeof(cef_set_cookie_callback_t) == 20, "cef_set_cookie_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_delete_cookies_callback_t) == 20, "cef_delete_cookies_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_file_dialog_callback_t) == 24, "cef_file_dialog_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_dialog_handler_t) == 20, "cef_dialog_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_display_handler_t) == 44, "cef_display_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_domvisitor_t) == 20, "cef_domvisitor_t size");
CEF3_STATIC_ASSERT(sizeof(cef_domdocument_t) == 72, "cef_domdocument_t size");
CEF3_STATIC_ASSERT(sizeof(cef_domnode_t) == 116, "cef_domnode_t size");
CEF3_STATIC_ASSERT(sizeof(cef_before_download_callback_t) == 20, "cef_before_download_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_download_item_callback_t) == 28, "cef_download_item_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_download_handler_t) == 24, "cef_download_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_download_item_t) == 84, "cef_download_item_t size");
CEF3_STATIC_ASSERT(sizeof(cef_drag_data_t) == 104, "cef_drag_data_t size");
CEF3_STATIC_ASSERT(sizeof(cef_drag_handler_t) == 24, "cef_drag_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_find_handler_t) == 20, "cef_find_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_focus_handler_t) == 28, "cef_focus_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_frame_t) == 112, "cef_frame_t size");
CEF3_STATIC_ASSERT(sizeof(cef_get_geolocation_callback_t) == 20, "cef_get_geolocation_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_geolocation_callback_t) == 20, "cef_geolocation_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_geolocation_handler_t) == 24, "cef_geolocation_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_jsdialog_callback_t) == 20, "cef_jsdialog_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_jsdialog_handler_t) == 32, "cef_jsdialog_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_keyboard_handler_t) == 24, "cef_keyboard_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_life_span_handler_t) == 36, "cef_life_span_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_load_handler_t) == 32, "cef_load_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_menu_model_t) == 212, "cef_menu_model_t size");
CEF3_STATIC_ASSERT(sizeof(cef_navigation_entry_t) == 52, "cef_navigation_entry_t size");
CEF3_STATIC_ASSERT(sizeof(cef_print_dialog_callback_t) == 24, "cef_print_dialog_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_print_job_callback_t) == 20, "cef_print_job_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_print_handler_t) == 40, "cef_print_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_print_settings_t) == 108, "cef_print_settings_t size");
CEF3_STATIC_ASSERT(sizeof(cef_process_message_t) == 36, "cef_process_message_t size");
CEF3_STATIC_ASSERT(sizeof(cef_render_handler_t) == 60, "cef_render_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_render_process_handler_t) == 60, "cef_render_process_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_request_t) == 96, "cef_request_t size");
CEF3_STATIC_ASSERT(sizeof(cef_post_data_t) == 44, "cef_post_data_t size");
CEF3_STATIC_ASSERT(sizeof(cef_post_data_element_t) == 48, "cef_post_data_element_t size");
CEF3_STATIC_ASSERT(sizeof(cef_resolve_callback_t) == 20, "cef_resolve_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_request_context_t) == 88, "cef_request_context_t size");
CEF3_STATIC_ASSERT(sizeof(cef_request_context_handler_t) == 24, "cef_request_context_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_request_callback_t) == 24, "cef_request_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_request_handler_t) == 76, "cef_request_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_resource_bundle_t) == 28, "cef_resource_bundle_t size");
CEF3_STATIC_ASSERT(sizeof(cef_resource_bundle_handler_t) == 28, "cef_resource_bundle_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_resource_handler_t) == 40, "cef_resource_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_response_t) == 56, "cef_response_t size");
CEF3_STATIC_ASSERT(sizeof(cef_response_filter_t) == 24, "cef_response_filter_t size");
CEF3_STATIC_ASSERT(sizeof(cef_scheme_registrar_t) == 20, "cef_scheme_registrar_t size");
CEF3_STATIC_ASSERT(sizeof(cef_scheme_handler_factory_t) == 20, "cef_scheme_handler_factory_t size");
CEF3_STATIC_ASSERT(sizeof(cef_sslcert_principal_t) == 52, "cef_sslcert_principal_t size");
CEF3_STATIC_ASSERT(sizeof(cef_sslinfo_t) == 68, "cef_sslinfo_t size");
CEF3_STATIC_ASSERT(sizeof(cef_read_handler_t) == 36, "cef_read_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_stream_reader_t) == 36, "cef_stream_reader_t size");
CEF3_STATIC_ASSERT(sizeof(cef_write_handler_t) == 36, "cef_write_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_stream_writer_t) == 36, "cef_stream_writer_t size");
CEF3_STATIC_ASSERT(sizeof(cef_string_visitor_t) == 20, "cef_string_visitor_t size");
CEF3_STATIC_ASSERT(sizeof(cef_task_t) == 20, "cef_task_t size");
CEF3_STATIC_ASSERT(sizeof(cef_task_runner_t) == 36, "cef_task_runner_t size");
CEF3_STATIC_ASSERT(sizeof(cef_end_tracing_callback_t) == 20, "cef_end_tracing_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_urlrequest_t) == 40, "cef_urlrequest_t size");
CEF3_STATIC_ASSERT(sizeof(cef_urlrequest_client_t) == 36, "cef_urlrequest_client_t size");
CEF3_STATIC_ASSERT(sizeof(cef_v8context_t) == 52, "cef_v8context_t size");
CEF3_STATIC_ASSERT(sizeof(cef_v8handler_t) == 20, "cef_v8handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_v8accessor_t) == 24, "cef_v8accessor_t size");
CEF3_STATIC_ASSERT(sizeof(cef_v8exception_t) == 48, "cef_v8exception_t size");
CEF3_STATIC_ASSERT(sizeof(cef_v8value_t) == 192, "cef_v8value_t size");
CEF3_STATIC_ASSERT(sizeof(cef_v8stack_trace_t) == 28, "cef_v8stack_trace_t size");
CEF3_STATIC_ASSERT(sizeof(cef_v8stack_frame_t) == 48, "cef_v8stack_frame_t size");
CEF3_STATIC_ASSERT(sizeof(cef_value_t) == 104, "cef_value_t size");
CEF3_STATIC_ASSERT(sizeof(cef_binary_value_t) == 44, "cef_binary_value_t size");
CEF3_STATIC_ASSERT(sizeof(cef_dictionary_value_t) == 132, "cef_dictionary_value_t size");
CEF3_STATIC_ASSERT(sizeof(cef_list_value_t) == 128, "cef_list_value_t size");
CEF3_STATIC_ASSERT(sizeof(cef_web_plugin_info_t) == 32, "cef_web_plugin_info_t size");
CEF3_STATIC_ASSERT(sizeof(cef_web_plugin_info_visitor_t) == 20, "cef_web_plugin_info_visitor_t size");
CEF3_STATIC_ASSERT(sizeof(cef_web_plugin_unstable_callback_t) == 20, "cef_web_plugin_unstable_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_xml_reader_t) == 132, "cef_xml_reader_t size");
CEF3_STATIC_ASSERT(sizeof(cef_zip_reader_t) == 64, "cef_zip_reader_t size");
#elif defined(__x86_64__)
CEF3_STATIC_ASSERT(sizeof(cef_app_t) == 72, "cef_app_t size");
CEF3_STATIC_ASSERT(sizeof(cef_auth_callback_t) == 48, "cef_auth_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_browser_t) == 200, "cef_browser_t size");
CEF3_STATIC_ASSERT(sizeof(cef_run_file_dialog_callback_t) == 40, "cef_run_file_dialog_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_navigation_entry_visitor_t) == 40, "cef_navigation_entry_visitor_t size");
CEF3_STATIC_ASSERT(sizeof(cef_pdf_print_callback_t) == 40, "cef_pdf_print_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_browser_host_t) == 400, "cef_browser_host_t size");
CEF3_STATIC_ASSERT(sizeof(cef_browser_process_handler_t) == 64, "cef_browser_process_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_callback_t) == 48, "cef_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_completion_callback_t) == 40, "cef_completion_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_client_t) == 152, "cef_client_t size");
CEF3_STATIC_ASSERT(sizeof(cef_command_line_t) == 192, "cef_command_line_t size");
CEF3_STATIC_ASSERT(sizeof(cef_run_context_menu_callback_t) == 48, "cef_run_context_menu_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_context_menu_handler_t) == 64, "cef_context_menu_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_context_menu_params_t) == 192, "cef_context_menu_params_t size");
CEF3_STATIC_ASSERT(sizeof(cef_cookie_manager_t) == 88, "cef_cookie_manager_t size");
CEF3_STATIC_ASSERT(sizeof(cef_cookie_visitor_t) == 40, "cef_cookie_visitor_t size");
CEF3_STATIC_ASSERT(sizeof(cef_set_cookie_callback_t) == 40, "cef_set_cookie_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_delete_cookies_callback_t) == 40, "cef_delete_cookies_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_file_dialog_callback_t) == 48, "cef_file_dialog_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_dialog_handler_t) == 40, "cef_dialog_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_display_handler_t) == 88, "cef_display_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_domvisitor_t) == 40, "cef_domvisitor_t size");
CEF3_STATIC_ASSERT(sizeof(cef_domdocument_t) == 144, "cef_domdocument_t size");
CEF3_STATIC_ASSERT(sizeof(cef_domnode_t) == 232, "cef_domnode_t size");
CEF3_STATIC_ASSERT(sizeof(cef_before_download_callback_t) == 40, "cef_before_download_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_download_item_callback_t) == 56, "cef_download_item_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_download_handler_t) == 48, "cef_download_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_download_item_t) == 168, "cef_download_item_t size");
CEF3_STATIC_ASSERT(sizeof(cef_drag_data_t) == 208, "cef_drag_data_t size");
CEF3_STATIC_ASSERT(sizeof(cef_drag_handler_t) == 48, "cef_drag_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_find_handler_t) == 40, "cef_find_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_focus_handler_t) == 56, "cef_focus_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_frame_t) == 224, "cef_frame_t size");
CEF3_STATIC_ASSERT(sizeof(cef_get_geolocation_callback_t) == 40, "cef_get_geolocation_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_geolocation_callback_t) == 40, "cef_geolocation_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_geolocation_handler_t) == 48, "cef_geolocation_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_jsdialog_callback_t) == 40, "cef_jsdialog_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_jsdialog_handler_t) == 64, "cef_jsdialog_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_keyboard_handler_t) == 48, "cef_keyboard_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_life_span_handler_t) == 72, "cef_life_span_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_load_handler_t) == 64, "cef_load_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_menu_model_t) == 424, "cef_menu_model_t size");
CEF3_STATIC_ASSERT(sizeof(cef_navigation_entry_t) == 104, "cef_navigation_entry_t size");
CEF3_STATIC_ASSERT(sizeof(cef_print_dialog_callback_t) == 48, "cef_print_dialog_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_print_job_callback_t) == 40, "cef_print_job_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_print_handler_t) == 80, "cef_print_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_print_settings_t) == 216, "cef_print_settings_t size");
CEF3_STATIC_ASSERT(sizeof(cef_process_message_t) == 72, "cef_process_message_t size");
CEF3_STATIC_ASSERT(sizeof(cef_render_handler_t) == 120, "cef_render_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_render_process_handler_t) == 120, "cef_render_process_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_request_t) == 192, "cef_request_t size");
CEF3_STATIC_ASSERT(sizeof(cef_post_data_t) == 88, "cef_post_data_t size");
CEF3_STATIC_ASSERT(sizeof(cef_post_data_element_t) == 96, "cef_post_data_element_t size");
CEF3_STATIC_ASSERT(sizeof(cef_resolve_callback_t) == 40, "cef_resolve_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_request_context_t) == 176, "cef_request_context_t size");
CEF3_STATIC_ASSERT(sizeof(cef_request_context_handler_t) == 48, "cef_request_context_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_request_callback_t) == 48, "cef_request_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_request_handler_t) == 152, "cef_request_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_resource_bundle_t) == 56, "cef_resource_bundle_t size");
CEF3_STATIC_ASSERT(sizeof(cef_resource_bundle_handler_t) == 56, "cef_resource_bundle_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_resource_handler_t) == 80, "cef_resource_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_response_t) == 112, "cef_response_t size");
CEF3_STATIC_ASSERT(sizeof(cef_response_filter_t) == 48, "cef_response_filter_t size");
CEF3_STATIC_ASSERT(sizeof(cef_scheme_registrar_t) == 40, "cef_scheme_registrar_t size");
CEF3_STATIC_ASSERT(sizeof(cef_scheme_handler_factory_t) == 40, "cef_scheme_handler_factory_t size");
CEF3_STATIC_ASSERT(sizeof(cef_sslcert_principal_t) == 104, "cef_sslcert_principal_t size");
CEF3_STATIC_ASSERT(sizeof(cef_sslinfo_t) == 136, "cef_sslinfo_t size");
CEF3_STATIC_ASSERT(sizeof(cef_read_handler_t) == 72, "cef_read_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_stream_reader_t) == 72, "cef_stream_reader_t size");
CEF3_STATIC_ASSERT(sizeof(cef_write_handler_t) == 72, "cef_write_handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_stream_writer_t) == 72, "cef_stream_writer_t size");
CEF3_STATIC_ASSERT(sizeof(cef_string_visitor_t) == 40, "cef_string_visitor_t size");
CEF3_STATIC_ASSERT(sizeof(cef_task_t) == 40, "cef_task_t size");
CEF3_STATIC_ASSERT(sizeof(cef_task_runner_t) == 72, "cef_task_runner_t size");
CEF3_STATIC_ASSERT(sizeof(cef_end_tracing_callback_t) == 40, "cef_end_tracing_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_urlrequest_t) == 80, "cef_urlrequest_t size");
CEF3_STATIC_ASSERT(sizeof(cef_urlrequest_client_t) == 72, "cef_urlrequest_client_t size");
CEF3_STATIC_ASSERT(sizeof(cef_v8context_t) == 104, "cef_v8context_t size");
CEF3_STATIC_ASSERT(sizeof(cef_v8handler_t) == 40, "cef_v8handler_t size");
CEF3_STATIC_ASSERT(sizeof(cef_v8accessor_t) == 48, "cef_v8accessor_t size");
CEF3_STATIC_ASSERT(sizeof(cef_v8exception_t) == 96, "cef_v8exception_t size");
CEF3_STATIC_ASSERT(sizeof(cef_v8value_t) == 384, "cef_v8value_t size");
CEF3_STATIC_ASSERT(sizeof(cef_v8stack_trace_t) == 56, "cef_v8stack_trace_t size");
CEF3_STATIC_ASSERT(sizeof(cef_v8stack_frame_t) == 96, "cef_v8stack_frame_t size");
CEF3_STATIC_ASSERT(sizeof(cef_value_t) == 208, "cef_value_t size");
CEF3_STATIC_ASSERT(sizeof(cef_binary_value_t) == 88, "cef_binary_value_t size");
CEF3_STATIC_ASSERT(sizeof(cef_dictionary_value_t) == 264, "cef_dictionary_value_t size");
CEF3_STATIC_ASSERT(sizeof(cef_list_value_t) == 256, "cef_list_value_t size");
CEF3_STATIC_ASSERT(sizeof(cef_web_plugin_info_t) == 64, "cef_web_plugin_info_t size");
CEF3_STATIC_ASSERT(sizeof(cef_web_plugin_info_visitor_t) == 40, "cef_web_plugin_info_visitor_t size");
CEF3_STATIC_ASSERT(sizeof(cef_web_plugin_unstable_callback_t) == 40, "cef_web_plugin_unstable_callback_t size");
CEF3_STATIC_ASSERT(sizeof(cef_xml_reader_t) == 264, "cef_xml_reader_t size");
CEF3_STATIC_ASSERT(sizeof(cef_zip_reader_t) == 128, "cef_zip_reader_t size");
#endif

// ---- Exported functions (__cdecl, undecorated names). `<name>_fn` is the type of a pointer
// to export <name>; the shared-context constructor really has no cef_ prefix.
typedef int(CEF_EXPORT* cef_string_wide_set_fn)(const wchar_t* src, size_t src_len,
    cef_string_wide_t* output, int copy);
typedef int(CEF_EXPORT* cef_string_utf8_set_fn)(const char* src, size_t src_len,
    cef_string_utf8_t* output, int copy);
typedef int(CEF_EXPORT* cef_string_utf16_set_fn)(const cef_char_t* src, size_t src_len,
    cef_string_utf16_t* output, int copy);
typedef void(CEF_EXPORT* cef_string_wide_clear_fn)(cef_string_wide_t* str);
typedef void(CEF_EXPORT* cef_string_utf8_clear_fn)(cef_string_utf8_t* str);
typedef void(CEF_EXPORT* cef_string_utf16_clear_fn)(cef_string_utf16_t* str);
typedef int(CEF_EXPORT* cef_string_wide_cmp_fn)(const cef_string_wide_t* str1,
    const cef_string_wide_t* str2);
typedef int(CEF_EXPORT* cef_string_utf8_cmp_fn)(const cef_string_utf8_t* str1,
    const cef_string_utf8_t* str2);
typedef int(CEF_EXPORT* cef_string_utf16_cmp_fn)(const cef_string_utf16_t* str1,
    const cef_string_utf16_t* str2);
typedef int(CEF_EXPORT* cef_string_wide_to_utf8_fn)(const wchar_t* src, size_t src_len,
    cef_string_utf8_t* output);
typedef int(CEF_EXPORT* cef_string_utf8_to_wide_fn)(const char* src, size_t src_len,
    cef_string_wide_t* output);
typedef int(CEF_EXPORT* cef_string_wide_to_utf16_fn)(const wchar_t* src, size_t src_len,
    cef_string_utf16_t* output);
typedef int(CEF_EXPORT* cef_string_utf16_to_wide_fn)(const cef_char_t* src, size_t src_len,
    cef_string_wide_t* output);
typedef int(CEF_EXPORT* cef_string_utf8_to_utf16_fn)(const char* src, size_t src_len,
    cef_string_utf16_t* output);
typedef int(CEF_EXPORT* cef_string_utf16_to_utf8_fn)(const cef_char_t* src, size_t src_len,
    cef_string_utf8_t* output);
typedef int(CEF_EXPORT* cef_string_ascii_to_wide_fn)(const char* src, size_t src_len,
    cef_string_wide_t* output);
typedef int(CEF_EXPORT* cef_string_ascii_to_utf16_fn)(const char* src, size_t src_len,
    cef_string_utf16_t* output);
typedef cef_string_userfree_wide_t(CEF_EXPORT* cef_string_userfree_wide_alloc_fn)(void);
typedef cef_string_userfree_utf8_t(CEF_EXPORT* cef_string_userfree_utf8_alloc_fn)(void);
typedef cef_string_userfree_utf16_t(CEF_EXPORT* cef_string_userfree_utf16_alloc_fn)(void);
typedef void(CEF_EXPORT* cef_string_userfree_wide_free_fn)(cef_string_userfree_wide_t str);
typedef void(CEF_EXPORT* cef_string_userfree_utf8_free_fn)(cef_string_userfree_utf8_t str);
typedef void(CEF_EXPORT* cef_string_userfree_utf16_free_fn)(cef_string_userfree_utf16_t str);
typedef cef_string_map_t(CEF_EXPORT* cef_string_map_alloc_fn)(void);
typedef int(CEF_EXPORT* cef_string_map_size_fn)(cef_string_map_t map);
typedef int(CEF_EXPORT* cef_string_map_find_fn)(cef_string_map_t map, const cef_string_t* key,
    cef_string_t* value);
typedef int(CEF_EXPORT* cef_string_map_key_fn)(cef_string_map_t map, int index, cef_string_t* key);
typedef int(CEF_EXPORT* cef_string_map_value_fn)(cef_string_map_t map, int index,
    cef_string_t* value);
typedef int(CEF_EXPORT* cef_string_map_append_fn)(cef_string_map_t map, const cef_string_t* key,
    const cef_string_t* value);
typedef void(CEF_EXPORT* cef_string_map_clear_fn)(cef_string_map_t map);
typedef void(CEF_EXPORT* cef_string_map_free_fn)(cef_string_map_t map);
typedef cef_string_list_t(CEF_EXPORT* cef_string_list_alloc_fn)(void);
typedef int(CEF_EXPORT* cef_string_list_size_fn)(cef_string_list_t list);
typedef int(CEF_EXPORT* cef_string_list_value_fn)(cef_string_list_t list, int index,
    cef_string_t* value);
typedef void(CEF_EXPORT* cef_string_list_append_fn)(cef_string_list_t list,
    const cef_string_t* value);
typedef void(CEF_EXPORT* cef_string_list_clear_fn)(cef_string_list_t list);
typedef void(CEF_EXPORT* cef_string_list_free_fn)(cef_string_list_t list);
typedef cef_string_list_t(CEF_EXPORT* cef_string_list_copy_fn)(cef_string_list_t list);
typedef int(CEF_EXPORT* cef_initialize_fn)(const cef_main_args_t* args,
    const cef_settings_t* settings, cef_app_t* application, void* windows_sandbox_info);
typedef int(CEF_EXPORT* cef_execute_process_fn)(const cef_main_args_t* args, cef_app_t* application,
    void* windows_sandbox_info);
typedef void(CEF_EXPORT* cef_shutdown_fn)(void);
typedef void(CEF_EXPORT* cef_do_message_loop_work_fn)(void);
typedef void(CEF_EXPORT* cef_run_message_loop_fn)(void);
typedef void(CEF_EXPORT* cef_quit_message_loop_fn)(void);
typedef void(CEF_EXPORT* cef_set_osmodal_loop_fn)(int osModalLoop);
typedef void(CEF_EXPORT* cef_enable_highdpi_support_fn)(void);
typedef int(CEF_EXPORT* cef_register_extension_fn)(const cef_string_t* extension_name,
    const cef_string_t* javascript_code, cef_v8handler_t* handler);
typedef int(CEF_EXPORT* cef_register_scheme_handler_factory_fn)(const cef_string_t* scheme_name,
    const cef_string_t* domain_name, cef_scheme_handler_factory_t* factory);
typedef int(CEF_EXPORT* cef_clear_scheme_handler_factories_fn)(void);
typedef int(CEF_EXPORT* cef_add_cross_origin_whitelist_entry_fn)(const cef_string_t* source_origin,
    const cef_string_t* target_protocol, const cef_string_t* target_domain,
    int allow_target_subdomains);
typedef int(CEF_EXPORT* cef_remove_cross_origin_whitelist_entry_fn)(
    const cef_string_t* source_origin, const cef_string_t* target_protocol,
    const cef_string_t* target_domain, int allow_target_subdomains);
typedef int(CEF_EXPORT* cef_clear_cross_origin_whitelist_fn)(void);
typedef int(CEF_EXPORT* cef_currently_on_fn)(cef_thread_id_t threadId);
typedef int(CEF_EXPORT* cef_post_task_fn)(cef_thread_id_t threadId, cef_task_t* task);
typedef int(CEF_EXPORT* cef_post_delayed_task_fn)(cef_thread_id_t threadId, cef_task_t* task,
    int64_t delay_ms);
typedef int(CEF_EXPORT* cef_parse_url_fn)(const cef_string_t* url, cef_urlparts_t* parts);
typedef int(CEF_EXPORT* cef_create_url_fn)(const cef_urlparts_t* parts, cef_string_t* url);
typedef cef_string_userfree_t(CEF_EXPORT* cef_format_url_for_security_display_fn)(
    const cef_string_t* origin_url, const cef_string_t* languages);
typedef cef_string_userfree_t(CEF_EXPORT* cef_get_mime_type_fn)(const cef_string_t* extension);
typedef void(CEF_EXPORT* cef_get_extensions_for_mime_type_fn)(const cef_string_t* mime_type,
    cef_string_list_t extensions);
typedef cef_string_userfree_t(CEF_EXPORT* cef_base64encode_fn)(const void* data, size_t data_size);
typedef cef_binary_value_t*(CEF_EXPORT* cef_base64decode_fn)(const cef_string_t* data);
typedef cef_string_userfree_t(CEF_EXPORT* cef_uriencode_fn)(const cef_string_t* text, int use_plus);
typedef cef_string_userfree_t(CEF_EXPORT* cef_uridecode_fn)(const cef_string_t* text,
    int convert_to_utf8, cef_uri_unescape_rule_t unescape_rule);
typedef int(CEF_EXPORT* cef_parse_csscolor_fn)(const cef_string_t* string, int strict,
    cef_color_t* color);
typedef cef_value_t*(CEF_EXPORT* cef_parse_json_fn)(const cef_string_t* json_string,
    cef_json_parser_options_t options);
typedef cef_value_t*(CEF_EXPORT* cef_parse_jsonand_return_error_fn)(const cef_string_t* json_string,
    cef_json_parser_options_t options, cef_json_parser_error_t* error_code_out,
    cef_string_t* error_msg_out);
typedef cef_string_userfree_t(CEF_EXPORT* cef_write_json_fn)(cef_value_t* node,
    cef_json_writer_options_t options);
typedef int(CEF_EXPORT* cef_browser_host_create_browser_fn)(const cef_window_info_t* windowInfo,
    cef_client_t* client, const cef_string_t* url, const cef_browser_settings_t* settings,
    cef_request_context_t* request_context);
typedef cef_browser_t*(CEF_EXPORT* cef_browser_host_create_browser_sync_fn)(
    const cef_window_info_t* windowInfo, cef_client_t* client, const cef_string_t* url,
    const cef_browser_settings_t* settings, cef_request_context_t* request_context);
typedef cef_request_t*(CEF_EXPORT* cef_request_create_fn)(void);
typedef cef_post_data_t*(CEF_EXPORT* cef_post_data_create_fn)(void);
typedef cef_post_data_element_t*(CEF_EXPORT* cef_post_data_element_create_fn)(void);
typedef cef_stream_reader_t*(CEF_EXPORT* cef_stream_reader_create_for_file_fn)(
    const cef_string_t* fileName);
typedef cef_stream_reader_t*(CEF_EXPORT* cef_stream_reader_create_for_data_fn)(void* data,
    size_t size);
typedef cef_stream_reader_t*(CEF_EXPORT* cef_stream_reader_create_for_handler_fn)(
    cef_read_handler_t* handler);
typedef cef_stream_writer_t*(CEF_EXPORT* cef_stream_writer_create_for_file_fn)(
    const cef_string_t* fileName);
typedef cef_stream_writer_t*(CEF_EXPORT* cef_stream_writer_create_for_handler_fn)(
    cef_write_handler_t* handler);
typedef cef_v8context_t*(CEF_EXPORT* cef_v8context_get_current_context_fn)(void);
typedef cef_v8context_t*(CEF_EXPORT* cef_v8context_get_entered_context_fn)(void);
typedef int(CEF_EXPORT* cef_v8context_in_context_fn)(void);
typedef cef_v8value_t*(CEF_EXPORT* cef_v8value_create_undefined_fn)(void);
typedef cef_v8value_t*(CEF_EXPORT* cef_v8value_create_null_fn)(void);
typedef cef_v8value_t*(CEF_EXPORT* cef_v8value_create_bool_fn)(int value);
typedef cef_v8value_t*(CEF_EXPORT* cef_v8value_create_int_fn)(int32_t value);
typedef cef_v8value_t*(CEF_EXPORT* cef_v8value_create_uint_fn)(uint32_t value);
typedef cef_v8value_t*(CEF_EXPORT* cef_v8value_create_double_fn)(double value);
typedef cef_v8value_t*(CEF_EXPORT* cef_v8value_create_date_fn)(const cef_time_t* date);
typedef cef_v8value_t*(CEF_EXPORT* cef_v8value_create_string_fn)(const cef_string_t* value);
typedef cef_v8value_t*(CEF_EXPORT* cef_v8value_create_object_fn)(cef_v8accessor_t* accessor);
typedef cef_v8value_t*(CEF_EXPORT* cef_v8value_create_array_fn)(int length);
typedef cef_v8value_t*(CEF_EXPORT* cef_v8value_create_function_fn)(const cef_string_t* name,
    cef_v8handler_t* handler);
typedef cef_v8stack_trace_t*(CEF_EXPORT* cef_v8stack_trace_get_current_fn)(int frame_limit);
typedef cef_xml_reader_t*(CEF_EXPORT* cef_xml_reader_create_fn)(cef_stream_reader_t* stream,
    cef_xml_encoding_type_t encodingType, const cef_string_t* URI);
typedef cef_zip_reader_t*(CEF_EXPORT* cef_zip_reader_create_fn)(cef_stream_reader_t* stream);
typedef cef_string_multimap_t(CEF_EXPORT* cef_string_multimap_alloc_fn)(void);
typedef int(CEF_EXPORT* cef_string_multimap_size_fn)(cef_string_multimap_t map);
typedef int(CEF_EXPORT* cef_string_multimap_find_count_fn)(cef_string_multimap_t map,
    const cef_string_t* key);
typedef int(CEF_EXPORT* cef_string_multimap_enumerate_fn)(cef_string_multimap_t map,
    const cef_string_t* key, int value_index, cef_string_t* value);
typedef int(CEF_EXPORT* cef_string_multimap_key_fn)(cef_string_multimap_t map, int index,
    cef_string_t* key);
typedef int(CEF_EXPORT* cef_string_multimap_value_fn)(cef_string_multimap_t map, int index,
    cef_string_t* value);
typedef int(CEF_EXPORT* cef_string_multimap_append_fn)(cef_string_multimap_t map,
    const cef_string_t* key, const cef_string_t* value);
typedef void(CEF_EXPORT* cef_string_multimap_clear_fn)(cef_string_multimap_t map);
typedef void(CEF_EXPORT* cef_string_multimap_free_fn)(cef_string_multimap_t map);
typedef cef_cookie_manager_t*(CEF_EXPORT* cef_cookie_manager_get_global_manager_fn)(
    cef_completion_callback_t* callback);
typedef cef_cookie_manager_t*(CEF_EXPORT* cef_cookie_manager_create_manager_fn)(
    const cef_string_t* path, int persist_session_cookies, cef_completion_callback_t* callback);
typedef cef_command_line_t*(CEF_EXPORT* cef_command_line_create_fn)(void);
typedef cef_command_line_t*(CEF_EXPORT* cef_command_line_get_global_fn)(void);
typedef cef_process_message_t*(CEF_EXPORT* cef_process_message_create_fn)(const cef_string_t* name);
typedef cef_value_t*(CEF_EXPORT* cef_value_create_fn)(void);
typedef cef_binary_value_t*(CEF_EXPORT* cef_binary_value_create_fn)(const void* data,
    size_t data_size);
typedef cef_dictionary_value_t*(CEF_EXPORT* cef_dictionary_value_create_fn)(void);
typedef cef_list_value_t*(CEF_EXPORT* cef_list_value_create_fn)(void);
typedef int(CEF_EXPORT* cef_get_path_fn)(cef_path_key_t key, cef_string_t* path);
typedef int(CEF_EXPORT* cef_launch_process_fn)(cef_command_line_t* command_line);
typedef cef_response_t*(CEF_EXPORT* cef_response_create_fn)(void);
typedef cef_urlrequest_t*(CEF_EXPORT* cef_urlrequest_create_fn)(cef_request_t* request,
    cef_urlrequest_client_t* client, cef_request_context_t* request_context);
typedef void(CEF_EXPORT* cef_visit_web_plugin_info_fn)(cef_web_plugin_info_visitor_t* visitor);
typedef void(CEF_EXPORT* cef_refresh_web_plugins_fn)(void);
typedef void(CEF_EXPORT* cef_add_web_plugin_path_fn)(const cef_string_t* path);
typedef void(CEF_EXPORT* cef_add_web_plugin_directory_fn)(const cef_string_t* dir);
typedef void(CEF_EXPORT* cef_remove_web_plugin_path_fn)(const cef_string_t* path);
typedef void(CEF_EXPORT* cef_unregister_internal_web_plugin_fn)(const cef_string_t* path);
typedef void(CEF_EXPORT* cef_force_web_plugin_shutdown_fn)(const cef_string_t* path);
typedef void(CEF_EXPORT* cef_register_web_plugin_crash_fn)(const cef_string_t* path);
typedef void(CEF_EXPORT* cef_is_web_plugin_unstable_fn)(const cef_string_t* path,
    cef_web_plugin_unstable_callback_t* callback);
typedef int(CEF_EXPORT* cef_get_geolocation_fn)(cef_get_geolocation_callback_t* callback);
typedef cef_task_runner_t*(CEF_EXPORT* cef_task_runner_get_for_current_thread_fn)(void);
typedef cef_task_runner_t*(CEF_EXPORT* cef_task_runner_get_for_thread_fn)(cef_thread_id_t threadId);
typedef int(CEF_EXPORT* cef_begin_tracing_fn)(const cef_string_t* categories,
    cef_completion_callback_t* callback);
typedef int(CEF_EXPORT* cef_end_tracing_fn)(const cef_string_t* tracing_file,
    cef_end_tracing_callback_t* callback);
typedef int64_t(CEF_EXPORT* cef_now_from_system_trace_time_fn)(void);
typedef cef_request_context_t*(CEF_EXPORT* cef_request_context_get_global_context_fn)(void);
typedef cef_request_context_t*(CEF_EXPORT* cef_request_context_create_context_fn)(
    const cef_request_context_settings_t* settings, cef_request_context_handler_t* handler);
typedef cef_request_context_t*(CEF_EXPORT* create_context_shared_fn)(cef_request_context_t* other,
    cef_request_context_handler_t* handler);
typedef int(CEF_EXPORT* cef_get_min_log_level_fn)(void);
typedef int(CEF_EXPORT* cef_get_vlog_level_fn)(const char* file_start, size_t N);
typedef void(CEF_EXPORT* cef_log_fn)(const char* file, int line, int severity, const char* message);
typedef cef_platform_thread_id_t(CEF_EXPORT* cef_get_current_platform_thread_id_fn)(void);
typedef cef_platform_thread_handle_t(CEF_EXPORT* cef_get_current_platform_thread_handle_fn)(void);
typedef void(CEF_EXPORT* cef_trace_event_instant_fn)(const char* category, const char* name,
    const char* arg1_name, uint64_t arg1_val, const char* arg2_name, uint64_t arg2_val, int copy);
typedef void(CEF_EXPORT* cef_trace_event_begin_fn)(const char* category, const char* name,
    const char* arg1_name, uint64_t arg1_val, const char* arg2_name, uint64_t arg2_val, int copy);
typedef void(CEF_EXPORT* cef_trace_event_end_fn)(const char* category, const char* name,
    const char* arg1_name, uint64_t arg1_val, const char* arg2_name, uint64_t arg2_val, int copy);
typedef void(CEF_EXPORT* cef_trace_counter_fn)(const char* category, const char* name,
    const char* value1_name, uint64_t value1_val, const char* value2_name, uint64_t value2_val,
    int copy);
typedef void(CEF_EXPORT* cef_trace_counter_id_fn)(const char* category, const char* name,
    uint64_t id, const char* value1_name, uint64_t value1_val, const char* value2_name,
    uint64_t value2_val, int copy);
typedef void(CEF_EXPORT* cef_trace_event_async_begin_fn)(const char* category, const char* name,
    uint64_t id, const char* arg1_name, uint64_t arg1_val, const char* arg2_name, uint64_t arg2_val,
    int copy);
typedef void(CEF_EXPORT* cef_trace_event_async_step_into_fn)(const char* category, const char* name,
    uint64_t id, uint64_t step, const char* arg1_name, uint64_t arg1_val, int copy);
typedef void(CEF_EXPORT* cef_trace_event_async_step_past_fn)(const char* category, const char* name,
    uint64_t id, uint64_t step, const char* arg1_name, uint64_t arg1_val, int copy);
typedef void(CEF_EXPORT* cef_trace_event_async_end_fn)(const char* category, const char* name,
    uint64_t id, const char* arg1_name, uint64_t arg1_val, const char* arg2_name, uint64_t arg2_val,
    int copy);
typedef cef_print_settings_t*(CEF_EXPORT* cef_print_settings_create_fn)(void);
typedef cef_drag_data_t*(CEF_EXPORT* cef_drag_data_create_fn)(void);
typedef cef_resource_bundle_t*(CEF_EXPORT* cef_resource_bundle_get_global_fn)(void);

// Exported too, but not resolved by the binding (VORAD_CEF3_OTHER_EXPORTS).
typedef int(CEF_EXPORT* cef_time_delta_fn)(const cef_time_t* cef_time1, const cef_time_t* cef_time2,
    long long* delta);
typedef int(CEF_EXPORT* cef_time_from_doublet_fn)(double time, cef_time_t* cef_time);
typedef int(CEF_EXPORT* cef_time_from_timet_fn)(int64_t time, cef_time_t* cef_time);
typedef int(CEF_EXPORT* cef_time_now_fn)(cef_time_t* cef_time);
typedef int(CEF_EXPORT* cef_time_to_doublet_fn)(const cef_time_t* cef_time, double* time);
typedef int(CEF_EXPORT* cef_time_to_timet_fn)(const cef_time_t* cef_time, int64_t* time);
typedef const char*(CEF_EXPORT* cef_api_hash_fn)(int entry);
typedef int(CEF_EXPORT* cef_version_info_fn)(int entry);

// The real runtime's exports that the binding does not resolve; with VORAD_CEF3_EXPORTS, the
// whole list a client built against the runtime's own headers may call.
#define VORAD_CEF3_OTHER_EXPORT_COUNT 12
#define VORAD_CEF3_OTHER_EXPORTS(X) \
  X(cef_api_hash) \
  X(cef_version_info) \
  X(cef_time_now) \
  X(cef_time_delta) \
  X(cef_time_to_timet) \
  X(cef_time_from_timet) \
  X(cef_time_to_doublet) \
  X(cef_time_from_doublet) \
  X(cef_translator_test_create) \
  X(cef_translator_test_object_create) \
  X(cef_translator_test_object_child_create) \
  X(cef_translator_test_object_child_child_create)

// The 152 exports in the order the binding resolves them. X(name) is expanded once per
// export; a loader, an export list and a test can all be generated from it.
#define VORAD_CEF3_EXPORT_COUNT 152
#define VORAD_CEF3_EXPORTS(X) \
  X(cef_string_wide_set) \
  X(cef_string_utf8_set) \
  X(cef_string_utf16_set) \
  X(cef_string_wide_clear) \
  X(cef_string_utf8_clear) \
  X(cef_string_utf16_clear) \
  X(cef_string_wide_cmp) \
  X(cef_string_utf8_cmp) \
  X(cef_string_utf16_cmp) \
  X(cef_string_wide_to_utf8) \
  X(cef_string_utf8_to_wide) \
  X(cef_string_wide_to_utf16) \
  X(cef_string_utf16_to_wide) \
  X(cef_string_utf8_to_utf16) \
  X(cef_string_utf16_to_utf8) \
  X(cef_string_ascii_to_wide) \
  X(cef_string_ascii_to_utf16) \
  X(cef_string_userfree_wide_alloc) \
  X(cef_string_userfree_utf8_alloc) \
  X(cef_string_userfree_utf16_alloc) \
  X(cef_string_userfree_wide_free) \
  X(cef_string_userfree_utf8_free) \
  X(cef_string_userfree_utf16_free) \
  X(cef_string_map_alloc) \
  X(cef_string_map_size) \
  X(cef_string_map_find) \
  X(cef_string_map_key) \
  X(cef_string_map_value) \
  X(cef_string_map_append) \
  X(cef_string_map_clear) \
  X(cef_string_map_free) \
  X(cef_string_list_alloc) \
  X(cef_string_list_size) \
  X(cef_string_list_value) \
  X(cef_string_list_append) \
  X(cef_string_list_clear) \
  X(cef_string_list_free) \
  X(cef_string_list_copy) \
  X(cef_initialize) \
  X(cef_execute_process) \
  X(cef_shutdown) \
  X(cef_do_message_loop_work) \
  X(cef_run_message_loop) \
  X(cef_quit_message_loop) \
  X(cef_set_osmodal_loop) \
  X(cef_enable_highdpi_support) \
  X(cef_register_extension) \
  X(cef_register_scheme_handler_factory) \
  X(cef_clear_scheme_handler_factories) \
  X(cef_add_cross_origin_whitelist_entry) \
  X(cef_remove_cross_origin_whitelist_entry) \
  X(cef_clear_cross_origin_whitelist) \
  X(cef_currently_on) \
  X(cef_post_task) \
  X(cef_post_delayed_task) \
  X(cef_parse_url) \
  X(cef_create_url) \
  X(cef_format_url_for_security_display) \
  X(cef_get_mime_type) \
  X(cef_get_extensions_for_mime_type) \
  X(cef_base64encode) \
  X(cef_base64decode) \
  X(cef_uriencode) \
  X(cef_uridecode) \
  X(cef_parse_csscolor) \
  X(cef_parse_json) \
  X(cef_parse_jsonand_return_error) \
  X(cef_write_json) \
  X(cef_browser_host_create_browser) \
  X(cef_browser_host_create_browser_sync) \
  X(cef_request_create) \
  X(cef_post_data_create) \
  X(cef_post_data_element_create) \
  X(cef_stream_reader_create_for_file) \
  X(cef_stream_reader_create_for_data) \
  X(cef_stream_reader_create_for_handler) \
  X(cef_stream_writer_create_for_file) \
  X(cef_stream_writer_create_for_handler) \
  X(cef_v8context_get_current_context) \
  X(cef_v8context_get_entered_context) \
  X(cef_v8context_in_context) \
  X(cef_v8value_create_undefined) \
  X(cef_v8value_create_null) \
  X(cef_v8value_create_bool) \
  X(cef_v8value_create_int) \
  X(cef_v8value_create_uint) \
  X(cef_v8value_create_double) \
  X(cef_v8value_create_date) \
  X(cef_v8value_create_string) \
  X(cef_v8value_create_object) \
  X(cef_v8value_create_array) \
  X(cef_v8value_create_function) \
  X(cef_v8stack_trace_get_current) \
  X(cef_xml_reader_create) \
  X(cef_zip_reader_create) \
  X(cef_string_multimap_alloc) \
  X(cef_string_multimap_size) \
  X(cef_string_multimap_find_count) \
  X(cef_string_multimap_enumerate) \
  X(cef_string_multimap_key) \
  X(cef_string_multimap_value) \
  X(cef_string_multimap_append) \
  X(cef_string_multimap_clear) \
  X(cef_string_multimap_free) \
  X(cef_cookie_manager_get_global_manager) \
  X(cef_cookie_manager_create_manager) \
  X(cef_command_line_create) \
  X(cef_command_line_get_global) \
  X(cef_process_message_create) \
  X(cef_value_create) \
  X(cef_binary_value_create) \
  X(cef_dictionary_value_create) \
  X(cef_list_value_create) \
  X(cef_get_path) \
  X(cef_launch_process) \
  X(cef_response_create) \
  X(cef_urlrequest_create) \
  X(cef_visit_web_plugin_info) \
  X(cef_refresh_web_plugins) \
  X(cef_add_web_plugin_path) \
  X(cef_add_web_plugin_directory) \
  X(cef_remove_web_plugin_path) \
  X(cef_unregister_internal_web_plugin) \
  X(cef_force_web_plugin_shutdown) \
  X(cef_register_web_plugin_crash) \
  X(cef_is_web_plugin_unstable) \
  X(cef_get_geolocation) \
  X(cef_task_runner_get_for_current_thread) \
  X(cef_task_runner_get_for_thread) \
  X(cef_begin_tracing) \
  X(cef_end_tracing) \
  X(cef_now_from_system_trace_time) \
  X(cef_request_context_get_global_context) \
  X(cef_request_context_create_context) \
  X(create_context_shared) \
  X(cef_get_min_log_level) \
  X(cef_get_vlog_level) \
  X(cef_log) \
  X(cef_get_current_platform_thread_id) \
  X(cef_get_current_platform_thread_handle) \
  X(cef_trace_event_instant) \
  X(cef_trace_event_begin) \
  X(cef_trace_event_end) \
  X(cef_trace_counter) \
  X(cef_trace_counter_id) \
  X(cef_trace_event_async_begin) \
  X(cef_trace_event_async_step_into) \
  X(cef_trace_event_async_step_past) \
  X(cef_trace_event_async_end) \
  X(cef_print_settings_create) \
  X(cef_drag_data_create) \
  X(cef_resource_bundle_get_global)

// Prototypes of the exports, for the module that defines them (the stand-in runtime):
// define VORAD_CEF3_DECLARE_EXPORTS, and VORAD_CEF3_EXPORT_ATTR if it needs an attribute.
#ifdef VORAD_CEF3_DECLARE_EXPORTS
#ifndef VORAD_CEF3_EXPORT_ATTR
#define VORAD_CEF3_EXPORT_ATTR
#endif
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_string_wide_set(const wchar_t* src, size_t src_len,
    cef_string_wide_t* output, int copy);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_string_utf8_set(const char* src, size_t src_len,
    cef_string_utf8_t* output, int copy);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_string_utf16_set(const cef_char_t* src, size_t src_len,
    cef_string_utf16_t* output, int copy);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_string_wide_clear(cef_string_wide_t* str);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_string_utf8_clear(cef_string_utf8_t* str);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_string_utf16_clear(cef_string_utf16_t* str);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_string_wide_cmp(const cef_string_wide_t* str1,
    const cef_string_wide_t* str2);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_string_utf8_cmp(const cef_string_utf8_t* str1,
    const cef_string_utf8_t* str2);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_string_utf16_cmp(const cef_string_utf16_t* str1,
    const cef_string_utf16_t* str2);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_string_wide_to_utf8(const wchar_t* src, size_t src_len,
    cef_string_utf8_t* output);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_string_utf8_to_wide(const char* src, size_t src_len,
    cef_string_wide_t* output);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_string_wide_to_utf16(const wchar_t* src, size_t src_len,
    cef_string_utf16_t* output);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_string_utf16_to_wide(const cef_char_t* src,
    size_t src_len, cef_string_wide_t* output);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_string_utf8_to_utf16(const char* src, size_t src_len,
    cef_string_utf16_t* output);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_string_utf16_to_utf8(const cef_char_t* src,
    size_t src_len, cef_string_utf8_t* output);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_string_ascii_to_wide(const char* src, size_t src_len,
    cef_string_wide_t* output);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_string_ascii_to_utf16(const char* src, size_t src_len,
    cef_string_utf16_t* output);
VORAD_CEF3_EXPORT_ATTR cef_string_userfree_wide_t CEF_EXPORT cef_string_userfree_wide_alloc(void);
VORAD_CEF3_EXPORT_ATTR cef_string_userfree_utf8_t CEF_EXPORT cef_string_userfree_utf8_alloc(void);
VORAD_CEF3_EXPORT_ATTR cef_string_userfree_utf16_t CEF_EXPORT cef_string_userfree_utf16_alloc(void);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_string_userfree_wide_free(
    cef_string_userfree_wide_t str);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_string_userfree_utf8_free(
    cef_string_userfree_utf8_t str);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_string_userfree_utf16_free(
    cef_string_userfree_utf16_t str);
VORAD_CEF3_EXPORT_ATTR cef_string_map_t CEF_EXPORT cef_string_map_alloc(void);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_string_map_size(cef_string_map_t map);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_string_map_find(cef_string_map_t map,
    const cef_string_t* key, cef_string_t* value);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_string_map_key(cef_string_map_t map, int index,
    cef_string_t* key);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_string_map_value(cef_string_map_t map, int index,
    cef_string_t* value);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_string_map_append(cef_string_map_t map,
    const cef_string_t* key, const cef_string_t* value);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_string_map_clear(cef_string_map_t map);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_string_map_free(cef_string_map_t map);
VORAD_CEF3_EXPORT_ATTR cef_string_list_t CEF_EXPORT cef_string_list_alloc(void);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_string_list_size(cef_string_list_t list);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_string_list_value(cef_string_list_t list, int index,
    cef_string_t* value);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_string_list_append(cef_string_list_t list,
    const cef_string_t* value);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_string_list_clear(cef_string_list_t list);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_string_list_free(cef_string_list_t list);
VORAD_CEF3_EXPORT_ATTR cef_string_list_t CEF_EXPORT cef_string_list_copy(cef_string_list_t list);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_initialize(const cef_main_args_t* args,
    const cef_settings_t* settings, cef_app_t* application, void* windows_sandbox_info);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_execute_process(const cef_main_args_t* args,
    cef_app_t* application, void* windows_sandbox_info);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_shutdown(void);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_do_message_loop_work(void);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_run_message_loop(void);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_quit_message_loop(void);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_set_osmodal_loop(int osModalLoop);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_enable_highdpi_support(void);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_register_extension(const cef_string_t* extension_name,
    const cef_string_t* javascript_code, cef_v8handler_t* handler);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_register_scheme_handler_factory(
    const cef_string_t* scheme_name, const cef_string_t* domain_name,
    cef_scheme_handler_factory_t* factory);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_clear_scheme_handler_factories(void);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_add_cross_origin_whitelist_entry(
    const cef_string_t* source_origin, const cef_string_t* target_protocol,
    const cef_string_t* target_domain, int allow_target_subdomains);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_remove_cross_origin_whitelist_entry(
    const cef_string_t* source_origin, const cef_string_t* target_protocol,
    const cef_string_t* target_domain, int allow_target_subdomains);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_clear_cross_origin_whitelist(void);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_currently_on(cef_thread_id_t threadId);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_post_task(cef_thread_id_t threadId, cef_task_t* task);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_post_delayed_task(cef_thread_id_t threadId,
    cef_task_t* task, int64_t delay_ms);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_parse_url(const cef_string_t* url, cef_urlparts_t* parts);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_create_url(const cef_urlparts_t* parts,
    cef_string_t* url);
VORAD_CEF3_EXPORT_ATTR cef_string_userfree_t CEF_EXPORT cef_format_url_for_security_display(
    const cef_string_t* origin_url, const cef_string_t* languages);
VORAD_CEF3_EXPORT_ATTR cef_string_userfree_t CEF_EXPORT cef_get_mime_type(
    const cef_string_t* extension);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_get_extensions_for_mime_type(
    const cef_string_t* mime_type, cef_string_list_t extensions);
VORAD_CEF3_EXPORT_ATTR cef_string_userfree_t CEF_EXPORT cef_base64encode(const void* data,
    size_t data_size);
VORAD_CEF3_EXPORT_ATTR cef_binary_value_t* CEF_EXPORT cef_base64decode(const cef_string_t* data);
VORAD_CEF3_EXPORT_ATTR cef_string_userfree_t CEF_EXPORT cef_uriencode(const cef_string_t* text,
    int use_plus);
VORAD_CEF3_EXPORT_ATTR cef_string_userfree_t CEF_EXPORT cef_uridecode(const cef_string_t* text,
    int convert_to_utf8, cef_uri_unescape_rule_t unescape_rule);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_parse_csscolor(const cef_string_t* string, int strict,
    cef_color_t* color);
VORAD_CEF3_EXPORT_ATTR cef_value_t* CEF_EXPORT cef_parse_json(const cef_string_t* json_string,
    cef_json_parser_options_t options);
VORAD_CEF3_EXPORT_ATTR cef_value_t* CEF_EXPORT cef_parse_jsonand_return_error(
    const cef_string_t* json_string, cef_json_parser_options_t options,
    cef_json_parser_error_t* error_code_out, cef_string_t* error_msg_out);
VORAD_CEF3_EXPORT_ATTR cef_string_userfree_t CEF_EXPORT cef_write_json(cef_value_t* node,
    cef_json_writer_options_t options);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_browser_host_create_browser(
    const cef_window_info_t* windowInfo, cef_client_t* client, const cef_string_t* url,
    const cef_browser_settings_t* settings, cef_request_context_t* request_context);
VORAD_CEF3_EXPORT_ATTR cef_browser_t* CEF_EXPORT cef_browser_host_create_browser_sync(
    const cef_window_info_t* windowInfo, cef_client_t* client, const cef_string_t* url,
    const cef_browser_settings_t* settings, cef_request_context_t* request_context);
VORAD_CEF3_EXPORT_ATTR cef_request_t* CEF_EXPORT cef_request_create(void);
VORAD_CEF3_EXPORT_ATTR cef_post_data_t* CEF_EXPORT cef_post_data_create(void);
VORAD_CEF3_EXPORT_ATTR cef_post_data_element_t* CEF_EXPORT cef_post_data_element_create(void);
VORAD_CEF3_EXPORT_ATTR cef_stream_reader_t* CEF_EXPORT cef_stream_reader_create_for_file(
    const cef_string_t* fileName);
VORAD_CEF3_EXPORT_ATTR cef_stream_reader_t* CEF_EXPORT cef_stream_reader_create_for_data(void* data,
    size_t size);
VORAD_CEF3_EXPORT_ATTR cef_stream_reader_t* CEF_EXPORT cef_stream_reader_create_for_handler(
    cef_read_handler_t* handler);
VORAD_CEF3_EXPORT_ATTR cef_stream_writer_t* CEF_EXPORT cef_stream_writer_create_for_file(
    const cef_string_t* fileName);
VORAD_CEF3_EXPORT_ATTR cef_stream_writer_t* CEF_EXPORT cef_stream_writer_create_for_handler(
    cef_write_handler_t* handler);
VORAD_CEF3_EXPORT_ATTR cef_v8context_t* CEF_EXPORT cef_v8context_get_current_context(void);
VORAD_CEF3_EXPORT_ATTR cef_v8context_t* CEF_EXPORT cef_v8context_get_entered_context(void);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_v8context_in_context(void);
VORAD_CEF3_EXPORT_ATTR cef_v8value_t* CEF_EXPORT cef_v8value_create_undefined(void);
VORAD_CEF3_EXPORT_ATTR cef_v8value_t* CEF_EXPORT cef_v8value_create_null(void);
VORAD_CEF3_EXPORT_ATTR cef_v8value_t* CEF_EXPORT cef_v8value_create_bool(int value);
VORAD_CEF3_EXPORT_ATTR cef_v8value_t* CEF_EXPORT cef_v8value_create_int(int32_t value);
VORAD_CEF3_EXPORT_ATTR cef_v8value_t* CEF_EXPORT cef_v8value_create_uint(uint32_t value);
VORAD_CEF3_EXPORT_ATTR cef_v8value_t* CEF_EXPORT cef_v8value_create_double(double value);
VORAD_CEF3_EXPORT_ATTR cef_v8value_t* CEF_EXPORT cef_v8value_create_date(const cef_time_t* date);
VORAD_CEF3_EXPORT_ATTR cef_v8value_t* CEF_EXPORT cef_v8value_create_string(
    const cef_string_t* value);
VORAD_CEF3_EXPORT_ATTR cef_v8value_t* CEF_EXPORT cef_v8value_create_object(
    cef_v8accessor_t* accessor);
VORAD_CEF3_EXPORT_ATTR cef_v8value_t* CEF_EXPORT cef_v8value_create_array(int length);
VORAD_CEF3_EXPORT_ATTR cef_v8value_t* CEF_EXPORT cef_v8value_create_function(
    const cef_string_t* name, cef_v8handler_t* handler);
VORAD_CEF3_EXPORT_ATTR cef_v8stack_trace_t* CEF_EXPORT cef_v8stack_trace_get_current(
    int frame_limit);
VORAD_CEF3_EXPORT_ATTR cef_xml_reader_t* CEF_EXPORT cef_xml_reader_create(
    cef_stream_reader_t* stream, cef_xml_encoding_type_t encodingType, const cef_string_t* URI);
VORAD_CEF3_EXPORT_ATTR cef_zip_reader_t* CEF_EXPORT cef_zip_reader_create(
    cef_stream_reader_t* stream);
VORAD_CEF3_EXPORT_ATTR cef_string_multimap_t CEF_EXPORT cef_string_multimap_alloc(void);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_string_multimap_size(cef_string_multimap_t map);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_string_multimap_find_count(cef_string_multimap_t map,
    const cef_string_t* key);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_string_multimap_enumerate(cef_string_multimap_t map,
    const cef_string_t* key, int value_index, cef_string_t* value);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_string_multimap_key(cef_string_multimap_t map, int index,
    cef_string_t* key);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_string_multimap_value(cef_string_multimap_t map,
    int index, cef_string_t* value);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_string_multimap_append(cef_string_multimap_t map,
    const cef_string_t* key, const cef_string_t* value);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_string_multimap_clear(cef_string_multimap_t map);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_string_multimap_free(cef_string_multimap_t map);
VORAD_CEF3_EXPORT_ATTR cef_cookie_manager_t* CEF_EXPORT cef_cookie_manager_get_global_manager(
    cef_completion_callback_t* callback);
VORAD_CEF3_EXPORT_ATTR cef_cookie_manager_t* CEF_EXPORT cef_cookie_manager_create_manager(
    const cef_string_t* path, int persist_session_cookies, cef_completion_callback_t* callback);
VORAD_CEF3_EXPORT_ATTR cef_command_line_t* CEF_EXPORT cef_command_line_create(void);
VORAD_CEF3_EXPORT_ATTR cef_command_line_t* CEF_EXPORT cef_command_line_get_global(void);
VORAD_CEF3_EXPORT_ATTR cef_process_message_t* CEF_EXPORT cef_process_message_create(
    const cef_string_t* name);
VORAD_CEF3_EXPORT_ATTR cef_value_t* CEF_EXPORT cef_value_create(void);
VORAD_CEF3_EXPORT_ATTR cef_binary_value_t* CEF_EXPORT cef_binary_value_create(const void* data,
    size_t data_size);
VORAD_CEF3_EXPORT_ATTR cef_dictionary_value_t* CEF_EXPORT cef_dictionary_value_create(void);
VORAD_CEF3_EXPORT_ATTR cef_list_value_t* CEF_EXPORT cef_list_value_create(void);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_get_path(cef_path_key_t key, cef_string_t* path);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_launch_process(cef_command_line_t* command_line);
VORAD_CEF3_EXPORT_ATTR cef_response_t* CEF_EXPORT cef_response_create(void);
VORAD_CEF3_EXPORT_ATTR cef_urlrequest_t* CEF_EXPORT cef_urlrequest_create(cef_request_t* request,
    cef_urlrequest_client_t* client, cef_request_context_t* request_context);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_visit_web_plugin_info(
    cef_web_plugin_info_visitor_t* visitor);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_refresh_web_plugins(void);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_add_web_plugin_path(const cef_string_t* path);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_add_web_plugin_directory(const cef_string_t* dir);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_remove_web_plugin_path(const cef_string_t* path);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_unregister_internal_web_plugin(const cef_string_t* path);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_force_web_plugin_shutdown(const cef_string_t* path);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_register_web_plugin_crash(const cef_string_t* path);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_is_web_plugin_unstable(const cef_string_t* path,
    cef_web_plugin_unstable_callback_t* callback);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_get_geolocation(cef_get_geolocation_callback_t* callback);
VORAD_CEF3_EXPORT_ATTR cef_task_runner_t* CEF_EXPORT cef_task_runner_get_for_current_thread(void);
VORAD_CEF3_EXPORT_ATTR cef_task_runner_t* CEF_EXPORT cef_task_runner_get_for_thread(
    cef_thread_id_t threadId);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_begin_tracing(const cef_string_t* categories,
    cef_completion_callback_t* callback);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_end_tracing(const cef_string_t* tracing_file,
    cef_end_tracing_callback_t* callback);
VORAD_CEF3_EXPORT_ATTR int64_t CEF_EXPORT cef_now_from_system_trace_time(void);
VORAD_CEF3_EXPORT_ATTR cef_request_context_t* CEF_EXPORT cef_request_context_get_global_context(
    void);
VORAD_CEF3_EXPORT_ATTR cef_request_context_t* CEF_EXPORT cef_request_context_create_context(
    const cef_request_context_settings_t* settings, cef_request_context_handler_t* handler);
VORAD_CEF3_EXPORT_ATTR cef_request_context_t* CEF_EXPORT create_context_shared(
    cef_request_context_t* other, cef_request_context_handler_t* handler);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_get_min_log_level(void);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_get_vlog_level(const char* file_start, size_t N);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_log(const char* file, int line, int severity,
    const char* message);
VORAD_CEF3_EXPORT_ATTR cef_platform_thread_id_t CEF_EXPORT cef_get_current_platform_thread_id(void);
VORAD_CEF3_EXPORT_ATTR cef_platform_thread_handle_t CEF_EXPORT cef_get_current_platform_thread_handle(
    void);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_trace_event_instant(const char* category,
    const char* name, const char* arg1_name, uint64_t arg1_val, const char* arg2_name,
    uint64_t arg2_val, int copy);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_trace_event_begin(const char* category, const char* name,
    const char* arg1_name, uint64_t arg1_val, const char* arg2_name, uint64_t arg2_val, int copy);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_trace_event_end(const char* category, const char* name,
    const char* arg1_name, uint64_t arg1_val, const char* arg2_name, uint64_t arg2_val, int copy);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_trace_counter(const char* category, const char* name,
    const char* value1_name, uint64_t value1_val, const char* value2_name, uint64_t value2_val,
    int copy);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_trace_counter_id(const char* category, const char* name,
    uint64_t id, const char* value1_name, uint64_t value1_val, const char* value2_name,
    uint64_t value2_val, int copy);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_trace_event_async_begin(const char* category,
    const char* name, uint64_t id, const char* arg1_name, uint64_t arg1_val, const char* arg2_name,
    uint64_t arg2_val, int copy);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_trace_event_async_step_into(const char* category,
    const char* name, uint64_t id, uint64_t step, const char* arg1_name, uint64_t arg1_val,
    int copy);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_trace_event_async_step_past(const char* category,
    const char* name, uint64_t id, uint64_t step, const char* arg1_name, uint64_t arg1_val,
    int copy);
VORAD_CEF3_EXPORT_ATTR void CEF_EXPORT cef_trace_event_async_end(const char* category,
    const char* name, uint64_t id, const char* arg1_name, uint64_t arg1_val, const char* arg2_name,
    uint64_t arg2_val, int copy);
VORAD_CEF3_EXPORT_ATTR cef_print_settings_t* CEF_EXPORT cef_print_settings_create(void);
VORAD_CEF3_EXPORT_ATTR cef_drag_data_t* CEF_EXPORT cef_drag_data_create(void);
VORAD_CEF3_EXPORT_ATTR cef_resource_bundle_t* CEF_EXPORT cef_resource_bundle_get_global(void);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_time_delta(const cef_time_t* cef_time1,
    const cef_time_t* cef_time2, long long* delta);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_time_from_doublet(double time, cef_time_t* cef_time);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_time_from_timet(int64_t time, cef_time_t* cef_time);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_time_now(cef_time_t* cef_time);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_time_to_doublet(const cef_time_t* cef_time, double* time);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_time_to_timet(const cef_time_t* cef_time, int64_t* time);
VORAD_CEF3_EXPORT_ATTR const char* CEF_EXPORT cef_api_hash(int entry);
VORAD_CEF3_EXPORT_ATTR int CEF_EXPORT cef_version_info(int entry);
// The translator tests' structures are test-only; their creators are declared opaque.
VORAD_CEF3_EXPORT_ATTR struct _cef_translator_test_t* CEF_EXPORT cef_translator_test_create(void);
VORAD_CEF3_EXPORT_ATTR struct _cef_translator_test_object_t* CEF_EXPORT
cef_translator_test_object_create(int value);
VORAD_CEF3_EXPORT_ATTR struct _cef_translator_test_object_child_t* CEF_EXPORT
cef_translator_test_object_child_create(int value, int other_value);
VORAD_CEF3_EXPORT_ATTR struct _cef_translator_test_object_child_child_t* CEF_EXPORT
cef_translator_test_object_child_child_create(int value, int other_value, int other_other_value);
#endif  // VORAD_CEF3_DECLARE_EXPORTS

#ifdef __cplusplus
}  // extern "C"
#endif

#endif  // VORAD_CEF3_API_H
