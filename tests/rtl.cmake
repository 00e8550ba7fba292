tavlo_add_test(NAME rtl_test SOURCES tests/unit/rtl_test.cpp tests/unit/handles_test.cpp
  LIBS rtl ws2_32 winhttp)
# No handle is released by hand outside the handle family (the script says what is exempt).
add_test(NAME handle_family_check COMMAND bash ${CMAKE_SOURCE_DIR}/tests/support/handle_family_check.sh
  ${CMAKE_SOURCE_DIR})
set_tests_properties(handle_family_check PROPERTIES TIMEOUT 60)
