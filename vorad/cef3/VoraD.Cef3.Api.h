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

// ---- Size checks: the header plus one pointer per entry, 16 + 4 * entries bytes on i386 and
// 32 + 8 * entries on x86_64.
#if defined(__i386__)
#define CEF3_CHECK_ENTRIES(type, entries) \
  CEF3_STATIC_ASSERT(sizeof(type) == 16 + 4 * (entries), #type " size");
#elif defined(__x86_64__)
#define CEF3_CHECK_ENTRIES(type, entries) \
  CEF3_STATIC_ASSERT(sizeof(type) == 32 + 8 * (entries), #type " size");
#endif
CEF3_CHECK_ENTRIES(cef_app_t, 5)
CEF3_CHECK_ENTRIES(cef_auth_callback_t, 2)
CEF3_CHECK_ENTRIES(cef_browser_t, 21)
CEF3_CHECK_ENTRIES(cef_run_file_dialog_callback_t, 1)
CEF3_CHECK_ENTRIES(cef_navigation_entry_visitor_t, 1)
CEF3_CHECK_ENTRIES(cef_pdf_print_callback_t, 1)
CEF3_CHECK_ENTRIES(cef_browser_host_t, 46)
CEF3_CHECK_ENTRIES(cef_browser_process_handler_t, 4)
CEF3_CHECK_ENTRIES(cef_callback_t, 2)
CEF3_CHECK_ENTRIES(cef_completion_callback_t, 1)
CEF3_CHECK_ENTRIES(cef_client_t, 15)
CEF3_CHECK_ENTRIES(cef_command_line_t, 20)
CEF3_CHECK_ENTRIES(cef_run_context_menu_callback_t, 2)
CEF3_CHECK_ENTRIES(cef_context_menu_handler_t, 4)
CEF3_CHECK_ENTRIES(cef_context_menu_params_t, 20)
CEF3_CHECK_ENTRIES(cef_cookie_manager_t, 7)
CEF3_CHECK_ENTRIES(cef_cookie_visitor_t, 1)
CEF3_CHECK_ENTRIES(cef_set_cookie_callback_t, 1)
CEF3_CHECK_ENTRIES(cef_delete_cookies_callback_t, 1)
CEF3_CHECK_ENTRIES(cef_file_dialog_callback_t, 2)
CEF3_CHECK_ENTRIES(cef_dialog_handler_t, 1)
CEF3_CHECK_ENTRIES(cef_display_handler_t, 7)
CEF3_CHECK_ENTRIES(cef_domvisitor_t, 1)
CEF3_CHECK_ENTRIES(cef_domdocument_t, 14)
CEF3_CHECK_ENTRIES(cef_domnode_t, 25)
CEF3_CHECK_ENTRIES(cef_before_download_callback_t, 1)
CEF3_CHECK_ENTRIES(cef_download_item_callback_t, 3)
CEF3_CHECK_ENTRIES(cef_download_handler_t, 2)
CEF3_CHECK_ENTRIES(cef_download_item_t, 17)
CEF3_CHECK_ENTRIES(cef_drag_data_t, 22)
CEF3_CHECK_ENTRIES(cef_drag_handler_t, 2)
CEF3_CHECK_ENTRIES(cef_find_handler_t, 1)
CEF3_CHECK_ENTRIES(cef_focus_handler_t, 3)
CEF3_CHECK_ENTRIES(cef_frame_t, 24)
CEF3_CHECK_ENTRIES(cef_get_geolocation_callback_t, 1)
CEF3_CHECK_ENTRIES(cef_geolocation_callback_t, 1)
CEF3_CHECK_ENTRIES(cef_geolocation_handler_t, 2)
CEF3_CHECK_ENTRIES(cef_jsdialog_callback_t, 1)
CEF3_CHECK_ENTRIES(cef_jsdialog_handler_t, 4)
CEF3_CHECK_ENTRIES(cef_keyboard_handler_t, 2)
CEF3_CHECK_ENTRIES(cef_life_span_handler_t, 5)
CEF3_CHECK_ENTRIES(cef_load_handler_t, 4)
CEF3_CHECK_ENTRIES(cef_menu_model_t, 49)
CEF3_CHECK_ENTRIES(cef_navigation_entry_t, 9)
CEF3_CHECK_ENTRIES(cef_print_dialog_callback_t, 2)
CEF3_CHECK_ENTRIES(cef_print_job_callback_t, 1)
CEF3_CHECK_ENTRIES(cef_print_handler_t, 6)
CEF3_CHECK_ENTRIES(cef_print_settings_t, 23)
CEF3_CHECK_ENTRIES(cef_process_message_t, 5)
CEF3_CHECK_ENTRIES(cef_render_handler_t, 11)
CEF3_CHECK_ENTRIES(cef_render_process_handler_t, 11)
CEF3_CHECK_ENTRIES(cef_request_t, 20)
CEF3_CHECK_ENTRIES(cef_post_data_t, 7)
CEF3_CHECK_ENTRIES(cef_post_data_element_t, 8)
CEF3_CHECK_ENTRIES(cef_resolve_callback_t, 1)
CEF3_CHECK_ENTRIES(cef_request_context_t, 18)
CEF3_CHECK_ENTRIES(cef_request_context_handler_t, 2)
CEF3_CHECK_ENTRIES(cef_request_callback_t, 2)
CEF3_CHECK_ENTRIES(cef_request_handler_t, 15)
CEF3_CHECK_ENTRIES(cef_resource_bundle_t, 3)
CEF3_CHECK_ENTRIES(cef_resource_bundle_handler_t, 3)
CEF3_CHECK_ENTRIES(cef_resource_handler_t, 6)
CEF3_CHECK_ENTRIES(cef_response_t, 10)
CEF3_CHECK_ENTRIES(cef_response_filter_t, 2)
CEF3_CHECK_ENTRIES(cef_scheme_registrar_t, 1)
CEF3_CHECK_ENTRIES(cef_scheme_handler_factory_t, 1)
CEF3_CHECK_ENTRIES(cef_sslcert_principal_t, 9)
CEF3_CHECK_ENTRIES(cef_sslinfo_t, 13)
CEF3_CHECK_ENTRIES(cef_read_handler_t, 5)
CEF3_CHECK_ENTRIES(cef_stream_reader_t, 5)
CEF3_CHECK_ENTRIES(cef_write_handler_t, 5)
CEF3_CHECK_ENTRIES(cef_stream_writer_t, 5)
CEF3_CHECK_ENTRIES(cef_string_visitor_t, 1)
CEF3_CHECK_ENTRIES(cef_task_t, 1)
CEF3_CHECK_ENTRIES(cef_task_runner_t, 5)
CEF3_CHECK_ENTRIES(cef_end_tracing_callback_t, 1)
CEF3_CHECK_ENTRIES(cef_urlrequest_t, 6)
CEF3_CHECK_ENTRIES(cef_urlrequest_client_t, 5)
CEF3_CHECK_ENTRIES(cef_v8context_t, 9)
CEF3_CHECK_ENTRIES(cef_v8handler_t, 1)
CEF3_CHECK_ENTRIES(cef_v8accessor_t, 2)
CEF3_CHECK_ENTRIES(cef_v8exception_t, 8)
CEF3_CHECK_ENTRIES(cef_v8value_t, 44)
CEF3_CHECK_ENTRIES(cef_v8stack_trace_t, 3)
CEF3_CHECK_ENTRIES(cef_v8stack_frame_t, 8)
CEF3_CHECK_ENTRIES(cef_value_t, 22)
CEF3_CHECK_ENTRIES(cef_binary_value_t, 7)
CEF3_CHECK_ENTRIES(cef_dictionary_value_t, 29)
CEF3_CHECK_ENTRIES(cef_list_value_t, 28)
CEF3_CHECK_ENTRIES(cef_web_plugin_info_t, 4)
CEF3_CHECK_ENTRIES(cef_web_plugin_info_visitor_t, 1)
CEF3_CHECK_ENTRIES(cef_web_plugin_unstable_callback_t, 1)
CEF3_CHECK_ENTRIES(cef_xml_reader_t, 29)
CEF3_CHECK_ENTRIES(cef_zip_reader_t, 12)
#undef CEF3_CHECK_ENTRIES

// ---- Exported functions (__cdecl, undecorated names), one X(return type, name, (parameters))
// each; the shared-context constructor really has no cef_ prefix. From the two lists come the
// types `<name>_fn` below, the prototypes, the binding's table and resolver, and the stand-in's
// export list.

// The 152 exports in the order the binding resolves them.
#define VORAD_CEF3_EXPORT_COUNT 152
#define VORAD_CEF3_EXPORTS(X) \
  X(int, cef_string_wide_set, (const wchar_t* src, size_t src_len, cef_string_wide_t* output, \
      int copy)) \
  X(int, cef_string_utf8_set, (const char* src, size_t src_len, cef_string_utf8_t* output, \
      int copy)) \
  X(int, cef_string_utf16_set, (const cef_char_t* src, size_t src_len, cef_string_utf16_t* output, \
      int copy)) \
  X(void, cef_string_wide_clear, (cef_string_wide_t* str)) \
  X(void, cef_string_utf8_clear, (cef_string_utf8_t* str)) \
  X(void, cef_string_utf16_clear, (cef_string_utf16_t* str)) \
  X(int, cef_string_wide_cmp, (const cef_string_wide_t* str1, const cef_string_wide_t* str2)) \
  X(int, cef_string_utf8_cmp, (const cef_string_utf8_t* str1, const cef_string_utf8_t* str2)) \
  X(int, cef_string_utf16_cmp, (const cef_string_utf16_t* str1, const cef_string_utf16_t* str2)) \
  X(int, cef_string_wide_to_utf8, (const wchar_t* src, size_t src_len, cef_string_utf8_t* output)) \
  X(int, cef_string_utf8_to_wide, (const char* src, size_t src_len, cef_string_wide_t* output)) \
  X(int, cef_string_wide_to_utf16, (const wchar_t* src, size_t src_len, \
      cef_string_utf16_t* output)) \
  X(int, cef_string_utf16_to_wide, (const cef_char_t* src, size_t src_len, \
      cef_string_wide_t* output)) \
  X(int, cef_string_utf8_to_utf16, (const char* src, size_t src_len, cef_string_utf16_t* output)) \
  X(int, cef_string_utf16_to_utf8, (const cef_char_t* src, size_t src_len, \
      cef_string_utf8_t* output)) \
  X(int, cef_string_ascii_to_wide, (const char* src, size_t src_len, cef_string_wide_t* output)) \
  X(int, cef_string_ascii_to_utf16, (const char* src, size_t src_len, cef_string_utf16_t* output)) \
  X(cef_string_userfree_wide_t, cef_string_userfree_wide_alloc, (void)) \
  X(cef_string_userfree_utf8_t, cef_string_userfree_utf8_alloc, (void)) \
  X(cef_string_userfree_utf16_t, cef_string_userfree_utf16_alloc, (void)) \
  X(void, cef_string_userfree_wide_free, (cef_string_userfree_wide_t str)) \
  X(void, cef_string_userfree_utf8_free, (cef_string_userfree_utf8_t str)) \
  X(void, cef_string_userfree_utf16_free, (cef_string_userfree_utf16_t str)) \
  X(cef_string_map_t, cef_string_map_alloc, (void)) \
  X(int, cef_string_map_size, (cef_string_map_t map)) \
  X(int, cef_string_map_find, (cef_string_map_t map, const cef_string_t* key, \
      cef_string_t* value)) \
  X(int, cef_string_map_key, (cef_string_map_t map, int index, cef_string_t* key)) \
  X(int, cef_string_map_value, (cef_string_map_t map, int index, cef_string_t* value)) \
  X(int, cef_string_map_append, (cef_string_map_t map, const cef_string_t* key, \
      const cef_string_t* value)) \
  X(void, cef_string_map_clear, (cef_string_map_t map)) \
  X(void, cef_string_map_free, (cef_string_map_t map)) \
  X(cef_string_list_t, cef_string_list_alloc, (void)) \
  X(int, cef_string_list_size, (cef_string_list_t list)) \
  X(int, cef_string_list_value, (cef_string_list_t list, int index, cef_string_t* value)) \
  X(void, cef_string_list_append, (cef_string_list_t list, const cef_string_t* value)) \
  X(void, cef_string_list_clear, (cef_string_list_t list)) \
  X(void, cef_string_list_free, (cef_string_list_t list)) \
  X(cef_string_list_t, cef_string_list_copy, (cef_string_list_t list)) \
  X(int, cef_initialize, (const cef_main_args_t* args, const cef_settings_t* settings, \
      cef_app_t* application, void* windows_sandbox_info)) \
  X(int, cef_execute_process, (const cef_main_args_t* args, cef_app_t* application, \
      void* windows_sandbox_info)) \
  X(void, cef_shutdown, (void)) \
  X(void, cef_do_message_loop_work, (void)) \
  X(void, cef_run_message_loop, (void)) \
  X(void, cef_quit_message_loop, (void)) \
  X(void, cef_set_osmodal_loop, (int osModalLoop)) \
  X(void, cef_enable_highdpi_support, (void)) \
  X(int, cef_register_extension, (const cef_string_t* extension_name, \
      const cef_string_t* javascript_code, cef_v8handler_t* handler)) \
  X(int, cef_register_scheme_handler_factory, (const cef_string_t* scheme_name, \
      const cef_string_t* domain_name, cef_scheme_handler_factory_t* factory)) \
  X(int, cef_clear_scheme_handler_factories, (void)) \
  X(int, cef_add_cross_origin_whitelist_entry, (const cef_string_t* source_origin, \
      const cef_string_t* target_protocol, const cef_string_t* target_domain, \
      int allow_target_subdomains)) \
  X(int, cef_remove_cross_origin_whitelist_entry, (const cef_string_t* source_origin, \
      const cef_string_t* target_protocol, const cef_string_t* target_domain, \
      int allow_target_subdomains)) \
  X(int, cef_clear_cross_origin_whitelist, (void)) \
  X(int, cef_currently_on, (cef_thread_id_t threadId)) \
  X(int, cef_post_task, (cef_thread_id_t threadId, cef_task_t* task)) \
  X(int, cef_post_delayed_task, (cef_thread_id_t threadId, cef_task_t* task, int64_t delay_ms)) \
  X(int, cef_parse_url, (const cef_string_t* url, cef_urlparts_t* parts)) \
  X(int, cef_create_url, (const cef_urlparts_t* parts, cef_string_t* url)) \
  X(cef_string_userfree_t, cef_format_url_for_security_display, (const cef_string_t* origin_url, \
      const cef_string_t* languages)) \
  X(cef_string_userfree_t, cef_get_mime_type, (const cef_string_t* extension)) \
  X(void, cef_get_extensions_for_mime_type, (const cef_string_t* mime_type, \
      cef_string_list_t extensions)) \
  X(cef_string_userfree_t, cef_base64encode, (const void* data, size_t data_size)) \
  X(cef_binary_value_t*, cef_base64decode, (const cef_string_t* data)) \
  X(cef_string_userfree_t, cef_uriencode, (const cef_string_t* text, int use_plus)) \
  X(cef_string_userfree_t, cef_uridecode, (const cef_string_t* text, int convert_to_utf8, \
      cef_uri_unescape_rule_t unescape_rule)) \
  X(int, cef_parse_csscolor, (const cef_string_t* string, int strict, cef_color_t* color)) \
  X(cef_value_t*, cef_parse_json, (const cef_string_t* json_string, \
      cef_json_parser_options_t options)) \
  X(cef_value_t*, cef_parse_jsonand_return_error, (const cef_string_t* json_string, \
      cef_json_parser_options_t options, cef_json_parser_error_t* error_code_out, \
      cef_string_t* error_msg_out)) \
  X(cef_string_userfree_t, cef_write_json, (cef_value_t* node, cef_json_writer_options_t options)) \
  X(int, cef_browser_host_create_browser, (const cef_window_info_t* windowInfo, \
      cef_client_t* client, const cef_string_t* url, const cef_browser_settings_t* settings, \
      cef_request_context_t* request_context)) \
  X(cef_browser_t*, cef_browser_host_create_browser_sync, (const cef_window_info_t* windowInfo, \
      cef_client_t* client, const cef_string_t* url, const cef_browser_settings_t* settings, \
      cef_request_context_t* request_context)) \
  X(cef_request_t*, cef_request_create, (void)) \
  X(cef_post_data_t*, cef_post_data_create, (void)) \
  X(cef_post_data_element_t*, cef_post_data_element_create, (void)) \
  X(cef_stream_reader_t*, cef_stream_reader_create_for_file, (const cef_string_t* fileName)) \
  X(cef_stream_reader_t*, cef_stream_reader_create_for_data, (void* data, size_t size)) \
  X(cef_stream_reader_t*, cef_stream_reader_create_for_handler, (cef_read_handler_t* handler)) \
  X(cef_stream_writer_t*, cef_stream_writer_create_for_file, (const cef_string_t* fileName)) \
  X(cef_stream_writer_t*, cef_stream_writer_create_for_handler, (cef_write_handler_t* handler)) \
  X(cef_v8context_t*, cef_v8context_get_current_context, (void)) \
  X(cef_v8context_t*, cef_v8context_get_entered_context, (void)) \
  X(int, cef_v8context_in_context, (void)) \
  X(cef_v8value_t*, cef_v8value_create_undefined, (void)) \
  X(cef_v8value_t*, cef_v8value_create_null, (void)) \
  X(cef_v8value_t*, cef_v8value_create_bool, (int value)) \
  X(cef_v8value_t*, cef_v8value_create_int, (int32_t value)) \
  X(cef_v8value_t*, cef_v8value_create_uint, (uint32_t value)) \
  X(cef_v8value_t*, cef_v8value_create_double, (double value)) \
  X(cef_v8value_t*, cef_v8value_create_date, (const cef_time_t* date)) \
  X(cef_v8value_t*, cef_v8value_create_string, (const cef_string_t* value)) \
  X(cef_v8value_t*, cef_v8value_create_object, (cef_v8accessor_t* accessor)) \
  X(cef_v8value_t*, cef_v8value_create_array, (int length)) \
  X(cef_v8value_t*, cef_v8value_create_function, (const cef_string_t* name, \
      cef_v8handler_t* handler)) \
  X(cef_v8stack_trace_t*, cef_v8stack_trace_get_current, (int frame_limit)) \
  X(cef_xml_reader_t*, cef_xml_reader_create, (cef_stream_reader_t* stream, \
      cef_xml_encoding_type_t encodingType, const cef_string_t* URI)) \
  X(cef_zip_reader_t*, cef_zip_reader_create, (cef_stream_reader_t* stream)) \
  X(cef_string_multimap_t, cef_string_multimap_alloc, (void)) \
  X(int, cef_string_multimap_size, (cef_string_multimap_t map)) \
  X(int, cef_string_multimap_find_count, (cef_string_multimap_t map, const cef_string_t* key)) \
  X(int, cef_string_multimap_enumerate, (cef_string_multimap_t map, const cef_string_t* key, \
      int value_index, cef_string_t* value)) \
  X(int, cef_string_multimap_key, (cef_string_multimap_t map, int index, cef_string_t* key)) \
  X(int, cef_string_multimap_value, (cef_string_multimap_t map, int index, cef_string_t* value)) \
  X(int, cef_string_multimap_append, (cef_string_multimap_t map, const cef_string_t* key, \
      const cef_string_t* value)) \
  X(void, cef_string_multimap_clear, (cef_string_multimap_t map)) \
  X(void, cef_string_multimap_free, (cef_string_multimap_t map)) \
  X(cef_cookie_manager_t*, cef_cookie_manager_get_global_manager, \
      (cef_completion_callback_t* callback)) \
  X(cef_cookie_manager_t*, cef_cookie_manager_create_manager, (const cef_string_t* path, \
      int persist_session_cookies, cef_completion_callback_t* callback)) \
  X(cef_command_line_t*, cef_command_line_create, (void)) \
  X(cef_command_line_t*, cef_command_line_get_global, (void)) \
  X(cef_process_message_t*, cef_process_message_create, (const cef_string_t* name)) \
  X(cef_value_t*, cef_value_create, (void)) \
  X(cef_binary_value_t*, cef_binary_value_create, (const void* data, size_t data_size)) \
  X(cef_dictionary_value_t*, cef_dictionary_value_create, (void)) \
  X(cef_list_value_t*, cef_list_value_create, (void)) \
  X(int, cef_get_path, (cef_path_key_t key, cef_string_t* path)) \
  X(int, cef_launch_process, (cef_command_line_t* command_line)) \
  X(cef_response_t*, cef_response_create, (void)) \
  X(cef_urlrequest_t*, cef_urlrequest_create, (cef_request_t* request, \
      cef_urlrequest_client_t* client, cef_request_context_t* request_context)) \
  X(void, cef_visit_web_plugin_info, (cef_web_plugin_info_visitor_t* visitor)) \
  X(void, cef_refresh_web_plugins, (void)) \
  X(void, cef_add_web_plugin_path, (const cef_string_t* path)) \
  X(void, cef_add_web_plugin_directory, (const cef_string_t* dir)) \
  X(void, cef_remove_web_plugin_path, (const cef_string_t* path)) \
  X(void, cef_unregister_internal_web_plugin, (const cef_string_t* path)) \
  X(void, cef_force_web_plugin_shutdown, (const cef_string_t* path)) \
  X(void, cef_register_web_plugin_crash, (const cef_string_t* path)) \
  X(void, cef_is_web_plugin_unstable, (const cef_string_t* path, \
      cef_web_plugin_unstable_callback_t* callback)) \
  X(int, cef_get_geolocation, (cef_get_geolocation_callback_t* callback)) \
  X(cef_task_runner_t*, cef_task_runner_get_for_current_thread, (void)) \
  X(cef_task_runner_t*, cef_task_runner_get_for_thread, (cef_thread_id_t threadId)) \
  X(int, cef_begin_tracing, (const cef_string_t* categories, cef_completion_callback_t* callback)) \
  X(int, cef_end_tracing, (const cef_string_t* tracing_file, \
      cef_end_tracing_callback_t* callback)) \
  X(int64_t, cef_now_from_system_trace_time, (void)) \
  X(cef_request_context_t*, cef_request_context_get_global_context, (void)) \
  X(cef_request_context_t*, cef_request_context_create_context, \
      (const cef_request_context_settings_t* settings, cef_request_context_handler_t* handler)) \
  X(cef_request_context_t*, create_context_shared, (cef_request_context_t* other, \
      cef_request_context_handler_t* handler)) \
  X(int, cef_get_min_log_level, (void)) \
  X(int, cef_get_vlog_level, (const char* file_start, size_t N)) \
  X(void, cef_log, (const char* file, int line, int severity, const char* message)) \
  X(cef_platform_thread_id_t, cef_get_current_platform_thread_id, (void)) \
  X(cef_platform_thread_handle_t, cef_get_current_platform_thread_handle, (void)) \
  X(void, cef_trace_event_instant, (const char* category, const char* name, const char* arg1_name, \
      uint64_t arg1_val, const char* arg2_name, uint64_t arg2_val, int copy)) \
  X(void, cef_trace_event_begin, (const char* category, const char* name, const char* arg1_name, \
      uint64_t arg1_val, const char* arg2_name, uint64_t arg2_val, int copy)) \
  X(void, cef_trace_event_end, (const char* category, const char* name, const char* arg1_name, \
      uint64_t arg1_val, const char* arg2_name, uint64_t arg2_val, int copy)) \
  X(void, cef_trace_counter, (const char* category, const char* name, const char* value1_name, \
      uint64_t value1_val, const char* value2_name, uint64_t value2_val, int copy)) \
  X(void, cef_trace_counter_id, (const char* category, const char* name, uint64_t id, \
      const char* value1_name, uint64_t value1_val, const char* value2_name, uint64_t value2_val, \
      int copy)) \
  X(void, cef_trace_event_async_begin, (const char* category, const char* name, uint64_t id, \
      const char* arg1_name, uint64_t arg1_val, const char* arg2_name, uint64_t arg2_val, \
      int copy)) \
  X(void, cef_trace_event_async_step_into, (const char* category, const char* name, uint64_t id, \
      uint64_t step, const char* arg1_name, uint64_t arg1_val, int copy)) \
  X(void, cef_trace_event_async_step_past, (const char* category, const char* name, uint64_t id, \
      uint64_t step, const char* arg1_name, uint64_t arg1_val, int copy)) \
  X(void, cef_trace_event_async_end, (const char* category, const char* name, uint64_t id, \
      const char* arg1_name, uint64_t arg1_val, const char* arg2_name, uint64_t arg2_val, \
      int copy)) \
  X(cef_print_settings_t*, cef_print_settings_create, (void)) \
  X(cef_drag_data_t*, cef_drag_data_create, (void)) \
  X(cef_resource_bundle_t*, cef_resource_bundle_get_global, (void))

// The real runtime's exports that the binding does not resolve; with VORAD_CEF3_EXPORTS, the
// whole list a client built against the runtime's own headers may call. The translator tests'
// structures are test-only; their creators are declared opaque.
#define VORAD_CEF3_OTHER_EXPORT_COUNT 12
#define VORAD_CEF3_OTHER_EXPORTS(X) \
  X(const char*, cef_api_hash, (int entry)) \
  X(int, cef_version_info, (int entry)) \
  X(int, cef_time_now, (cef_time_t* cef_time)) \
  X(int, cef_time_delta, (const cef_time_t* cef_time1, const cef_time_t* cef_time2, \
      long long* delta)) \
  X(int, cef_time_to_timet, (const cef_time_t* cef_time, int64_t* time)) \
  X(int, cef_time_from_timet, (int64_t time, cef_time_t* cef_time)) \
  X(int, cef_time_to_doublet, (const cef_time_t* cef_time, double* time)) \
  X(int, cef_time_from_doublet, (double time, cef_time_t* cef_time)) \
  X(struct _cef_translator_test_t*, cef_translator_test_create, (void)) \
  X(struct _cef_translator_test_object_t*, cef_translator_test_object_create, (int value)) \
  X(struct _cef_translator_test_object_child_t*, cef_translator_test_object_child_create, \
      (int value, int other_value)) \
  X(struct _cef_translator_test_object_child_child_t*, \
      cef_translator_test_object_child_child_create, (int value, int other_value, \
      int other_other_value))

#define VORAD_CEF3_COUNT_ONE(ret, name, params) +1
CEF3_STATIC_ASSERT((0 VORAD_CEF3_EXPORTS(VORAD_CEF3_COUNT_ONE)) == VORAD_CEF3_EXPORT_COUNT &&
    (0 VORAD_CEF3_OTHER_EXPORTS(VORAD_CEF3_COUNT_ONE)) == VORAD_CEF3_OTHER_EXPORT_COUNT,
    "export counts");
#undef VORAD_CEF3_COUNT_ONE

// `<name>_fn` is the type of a pointer to export <name>. The binding sees no more of an export
// than that: it resolves every one at run time, so a direct call does not compile.
#define VORAD_CEF3_FN_TYPE(ret, name, params) typedef ret(CEF_EXPORT* name##_fn) params;
VORAD_CEF3_EXPORTS(VORAD_CEF3_FN_TYPE)
VORAD_CEF3_OTHER_EXPORTS(VORAD_CEF3_FN_TYPE)
#undef VORAD_CEF3_FN_TYPE

// Prototypes of the exports, for the module that defines them (the stand-in runtime): define
// VORAD_CEF3_DECLARE_EXPORTS.
#ifdef VORAD_CEF3_DECLARE_EXPORTS
#define VORAD_CEF3_PROTOTYPE(ret, name, params) ret CEF_EXPORT name params;
VORAD_CEF3_EXPORTS(VORAD_CEF3_PROTOTYPE)
VORAD_CEF3_OTHER_EXPORTS(VORAD_CEF3_PROTOTYPE)
#undef VORAD_CEF3_PROTOTYPE
#endif  // VORAD_CEF3_DECLARE_EXPORTS

#ifdef __cplusplus
}  // extern "C"
#endif

#endif  // VORAD_CEF3_API_H
