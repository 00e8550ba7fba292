# Cross-process script access against real pages: the test process is the browser process in
# multi-process mode and also plays the render process; one child role checks the single-process
# path of RunInRenderProcess.
tavlo_add_test(NAME script_access_test SOURCES tests/integration/script_access_test.cpp
  LIBS vorad_core HTTPD TIMEOUT 300 DEPENDS libcef)
