# Browser component: pure rules (no window, no runtime) and the real-window tests against the
# stand-in runtime.
tavlo_add_test(NAME component_unit_test SOURCES tests/unit/component_unit_test.cpp LIBS vorad_core)
tavlo_add_test(NAME component_test SOURCES tests/integration/component_test.cpp LIBS vorad_core HTTPD
  TIMEOUT 400 DEPENDS libcef)
