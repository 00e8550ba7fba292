# Script layer of the stand-in runtime, driven in-process through its C structures with a test
# host. Its context API is internal to the runtime DLL, so tests link the layer's sources with the
# runtime's string functions and Duktape directly (one object library for every such test).
set(LIBCEF_DUKTAPE_DIR /usr/share/duktape CACHE PATH "Folder of duktape.c and duktape.h")
file(GLOB script_layer_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/platform/libcef/script/*.cpp)
set_source_files_properties(${LIBCEF_DUKTAPE_DIR}/duktape.c PROPERTIES COMPILE_OPTIONS "-w")
add_library(script_layer_objects OBJECT ${script_layer_sources}
  ${CMAKE_SOURCE_DIR}/platform/libcef/Cef.Strings.cpp ${LIBCEF_DUKTAPE_DIR}/duktape.c)
target_include_directories(script_layer_objects PUBLIC ${CMAKE_SOURCE_DIR} ${LIBCEF_DUKTAPE_DIR})
tavlo_add_test(NAME script_test SOURCES tests/unit/script_test.cpp LIBS script_layer_objects
  TIMEOUT 120)
