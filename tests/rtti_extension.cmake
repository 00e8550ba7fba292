# The RTTI script extension and the render-process handler. The in-process cases run page script
# on the stand-in's script layer, linked in directly (its context API is internal to the runtime
# DLL); the render-process cases use the runtime DLL and its real render processes.
set(LIBCEF_DUKTAPE_DIR /usr/share/duktape CACHE PATH "Folder of duktape.c and duktape.h")
file(GLOB rtti_script_layer_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/platform/libcef/script/*.cpp)
set_source_files_properties(${LIBCEF_DUKTAPE_DIR}/duktape.c PROPERTIES COMPILE_OPTIONS "-w")
add_library(rtti_script_layer_objects OBJECT EXCLUDE_FROM_ALL ${rtti_script_layer_sources}
  ${CMAKE_SOURCE_DIR}/platform/libcef/Cef.Strings.cpp ${LIBCEF_DUKTAPE_DIR}/duktape.c)
target_include_directories(rtti_script_layer_objects PUBLIC ${CMAKE_SOURCE_DIR} ${LIBCEF_DUKTAPE_DIR})
tavlo_add_test(NAME rtti_extension_test SOURCES tests/unit/rtti_extension_test.cpp
  LIBS vorad_cef3 bridge rtti_script_layer_objects HTTPD TIMEOUT 300 DEPENDS libcef)
# The shared block has one fixed name per session: tests that map it take turns.
set_tests_properties(rtti_extension_test PROPERTIES RESOURCE_LOCK tavlo_kernel_objects)
