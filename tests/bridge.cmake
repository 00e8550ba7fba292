# Reflection (rtl type descriptions and TValue) and TApp against a real window.
tavlo_add_test(NAME bridge_test SOURCES tests/unit/rtti_test.cpp tests/unit/rtti_counted_test.cpp tests/integration/tapp_test.cpp
  LIBS bridge rtl TIMEOUT 120)
# The shared block has one fixed name per session: tests that map it take turns.
set_tests_properties(bridge_test PROPERTIES RESOURCE_LOCK tavlo_kernel_objects)
