# The download engine: its six calls against the local HTTP test server, and its pure parts.
tavlo_add_test(NAME xldl_test SOURCES tests/unit/xldl_test.cpp LIBS xldl xldl_core HTTPD TIMEOUT 300)
