# The window toolkit, the skinned form, the browser control's options and password dialog and
# the handle family's GDI owners, with real windows. The two option units are compiled in
# directly so this test does not wait for the rest of the browser component.
tavlo_add_test(NAME toolkit_test
  SOURCES tests/unit/toolkit_test.cpp tests/unit/skin_test.cpp tests/unit/vorad_options_test.cpp
          tests/unit/handles_gdi_test.cpp
          vorad/core/VoraD.Settings.cpp vorad/core/VoraD.CustomDialog.cpp
  LIBS skin toolkit rtl
  TIMEOUT 120)
# Its real pointer input would disturb another test's.
set_tests_properties(toolkit_test PROPERTIES RESOURCE_LOCK pointer)
