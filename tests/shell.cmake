tavlo_add_test(NAME shell_test SOURCES tests/unit/shell_test.cpp LIBS app)
