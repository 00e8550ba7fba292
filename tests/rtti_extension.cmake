# The RTTI script extension and the render-process handler. The in-process cases run page script
# on the stand-in's script layer, linked in directly (script_layer_objects, tests/script.cmake);
# the render-process cases use the runtime DLL and its real render processes.
tavlo_add_test(NAME rtti_extension_test SOURCES tests/unit/rtti_extension_test.cpp
  LIBS vorad_cef3 bridge script_layer_objects HTTPD TIMEOUT 300 DEPENDS libcef)
# The shared block has one fixed name per session: tests that map it take turns.
set_tests_properties(rtti_extension_test PROPERTIES RESOURCE_LOCK tavlo_kernel_objects)
