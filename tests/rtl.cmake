tavlo_add_test(NAME rtl_test SOURCES tests/unit/rtl_test.cpp LIBS rtl)
