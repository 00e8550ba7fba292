# The window toolkit, the skinned form, the browser control's options and password dialog and
# the handle family's GDI owners, with real windows. The two option units are compiled in
# directly so this test does not wait for the rest of the browser component.
tavlo_add_test(NAME toolkit_test
  SOURCES tests/unit/toolkit_test.cpp tests/unit/skin_test.cpp tests/unit/vorad_options_test.cpp
          tests/unit/handles_gdi_test.cpp
          vorad/core/VoraD.Settings.cpp vorad/core/VoraD.CustomDialog.cpp
  LIBS skin toolkit rtl
  TIMEOUT 120)
# Its real pointer input goes to whatever window is under the pointer: it runs alone, so no other
# test's window can be there or take the focus.
set_tests_properties(toolkit_test PROPERTIES RUN_SERIAL TRUE)
