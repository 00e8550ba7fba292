// The exports the stand-in gives no behaviour. Each answers as the runtime does when it cannot
// serve the call (0, null, nothing) and releases the structures it was handed.
//
//   cef_add_cross_origin_whitelist_entry, cef_remove_cross_origin_whitelist_entry,
//   cef_clear_cross_origin_whitelist, cef_register_scheme_handler_factory,
//   cef_clear_scheme_handler_factories, cef_cookie_manager_get_global_manager,
//   cef_cookie_manager_create_manager, cef_request_context_get_global_context,
//   cef_request_context_create_context, create_context_shared, cef_stream_reader_create_for_file,
//   cef_stream_reader_create_for_data, cef_stream_reader_create_for_handler,
//   cef_stream_writer_create_for_file, cef_stream_writer_create_for_handler,
//   cef_xml_reader_create, cef_zip_reader_create, cef_visit_web_plugin_info,
//   cef_refresh_web_plugins, cef_add_web_plugin_path, cef_add_web_plugin_directory,
//   cef_remove_web_plugin_path, cef_unregister_internal_web_plugin,
//   cef_force_web_plugin_shutdown, cef_register_web_plugin_crash, cef_is_web_plugin_unstable,
//   cef_get_geolocation, cef_begin_tracing, cef_end_tracing, cef_trace_event_instant,
//   cef_trace_event_begin, cef_trace_event_end, cef_trace_counter, cef_trace_counter_id,
//   cef_trace_event_async_begin, cef_trace_event_async_step_into,
//   cef_trace_event_async_step_past, cef_trace_event_async_end, cef_print_settings_create,
//   cef_drag_data_create, cef_resource_bundle_get_global, and the four translator-test
//   creators (a test-only interface of the runtime's own test suite).
#include "Cef.Common.h"

using namespace standin;

namespace {
template <class T>
void Drop(T* p) {
  TCRef<T>::Adopt(p);
}
}  // namespace

extern "C" {

int cef_add_cross_origin_whitelist_entry(const cef_string_t*, const cef_string_t*, const cef_string_t*, int) { return 0; }
int cef_remove_cross_origin_whitelist_entry(const cef_string_t*, const cef_string_t*, const cef_string_t*, int) {
  return 0;
}
int cef_clear_cross_origin_whitelist(void) { return 0; }

int cef_register_scheme_handler_factory(const cef_string_t*, const cef_string_t*, cef_scheme_handler_factory_t* factory) {
  Drop(factory);
  return 0;
}
int cef_clear_scheme_handler_factories(void) { return 0; }

cef_cookie_manager_t* cef_cookie_manager_get_global_manager(cef_completion_callback_t* callback) {
  Drop(callback);
  return nullptr;
}
cef_cookie_manager_t* cef_cookie_manager_create_manager(const cef_string_t*, int, cef_completion_callback_t* callback) {
  Drop(callback);
  return nullptr;
}

cef_request_context_t* cef_request_context_get_global_context(void) { return nullptr; }
cef_request_context_t* cef_request_context_create_context(const cef_request_context_settings_t*,
                                                          cef_request_context_handler_t* handler) {
  Drop(handler);
  return nullptr;
}
cef_request_context_t* create_context_shared(cef_request_context_t* other, cef_request_context_handler_t* handler) {
  Drop(other);
  Drop(handler);
  return nullptr;
}

cef_stream_reader_t* cef_stream_reader_create_for_file(const cef_string_t*) { return nullptr; }
cef_stream_reader_t* cef_stream_reader_create_for_data(void*, size_t) { return nullptr; }
cef_stream_reader_t* cef_stream_reader_create_for_handler(cef_read_handler_t* handler) {
  Drop(handler);
  return nullptr;
}
cef_stream_writer_t* cef_stream_writer_create_for_file(const cef_string_t*) { return nullptr; }
cef_stream_writer_t* cef_stream_writer_create_for_handler(cef_write_handler_t* handler) {
  Drop(handler);
  return nullptr;
}
cef_xml_reader_t* cef_xml_reader_create(cef_stream_reader_t* stream, cef_xml_encoding_type_t, const cef_string_t*) {
  Drop(stream);
  return nullptr;
}
cef_zip_reader_t* cef_zip_reader_create(cef_stream_reader_t* stream) {
  Drop(stream);
  return nullptr;
}

void cef_visit_web_plugin_info(cef_web_plugin_info_visitor_t* visitor) { Drop(visitor); }
void cef_refresh_web_plugins(void) {}
void cef_add_web_plugin_path(const cef_string_t*) {}
void cef_add_web_plugin_directory(const cef_string_t*) {}
void cef_remove_web_plugin_path(const cef_string_t*) {}
void cef_unregister_internal_web_plugin(const cef_string_t*) {}
void cef_force_web_plugin_shutdown(const cef_string_t*) {}
void cef_register_web_plugin_crash(const cef_string_t*) {}
void cef_is_web_plugin_unstable(const cef_string_t*, cef_web_plugin_unstable_callback_t* callback) { Drop(callback); }

int cef_get_geolocation(cef_get_geolocation_callback_t* callback) {
  Drop(callback);
  return 0;
}

int cef_begin_tracing(const cef_string_t*, cef_completion_callback_t* callback) {
  Drop(callback);
  return 0;
}
int cef_end_tracing(const cef_string_t*, cef_end_tracing_callback_t* callback) {
  Drop(callback);
  return 0;
}
void cef_trace_event_instant(const char*, const char*, const char*, uint64_t, const char*, uint64_t, int) {}
void cef_trace_event_begin(const char*, const char*, const char*, uint64_t, const char*, uint64_t, int) {}
void cef_trace_event_end(const char*, const char*, const char*, uint64_t, const char*, uint64_t, int) {}
void cef_trace_counter(const char*, const char*, const char*, uint64_t, const char*, uint64_t, int) {}
void cef_trace_counter_id(const char*, const char*, uint64_t, const char*, uint64_t, const char*, uint64_t, int) {}
void cef_trace_event_async_begin(const char*, const char*, uint64_t, const char*, uint64_t, const char*, uint64_t, int) {}
void cef_trace_event_async_step_into(const char*, const char*, uint64_t, uint64_t, const char*, uint64_t, int) {}
void cef_trace_event_async_step_past(const char*, const char*, uint64_t, uint64_t, const char*, uint64_t, int) {}
void cef_trace_event_async_end(const char*, const char*, uint64_t, const char*, uint64_t, const char*, uint64_t, int) {}

cef_print_settings_t* cef_print_settings_create(void) { return nullptr; }
cef_drag_data_t* cef_drag_data_create(void) { return nullptr; }
cef_resource_bundle_t* cef_resource_bundle_get_global(void) { return nullptr; }

_cef_translator_test_t* cef_translator_test_create(void) { return nullptr; }
_cef_translator_test_object_t* cef_translator_test_object_create(int) { return nullptr; }
_cef_translator_test_object_child_t* cef_translator_test_object_child_create(int, int) { return nullptr; }
_cef_translator_test_object_child_child_t* cef_translator_test_object_child_child_create(int, int, int) {
  return nullptr;
}

}  // extern "C"
