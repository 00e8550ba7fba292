# The real tavlo.exe end to end under Wine: the stand-in runtime in multi-process mode, the real
# engine, the local test server for the downloads and a start page the test serves on the build's
# portal host. It opens the shared block, the program takes the instance mutex, and its clicks are
# real pointer input to whatever window is under the pointer: it runs alone, so that no other
# test's kernel objects or windows (over its window, or taking the focus) get in its way.
if(TARGET tavlo)
  tavlo_add_test(NAME tavlo_e2e_test SOURCES tests/integration/tavlo_e2e_test.cpp
    LIBS app ws2_32 HTTPD TIMEOUT 900 DEPENDS tavlo libcef xldl)
  target_compile_definitions(tavlo_e2e_test PRIVATE TAVLO_PORTAL_HOST="${TAVLO_PORTAL_HOST}")
  set_tests_properties(tavlo_e2e_test PROPERTIES RUN_SERIAL TRUE)
endif()
