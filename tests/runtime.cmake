# The stand-in runtime (libcef.dll), loaded at run time and called through the C declarations as
# the binding calls it. The test executable also plays the runtime's render processes.
# The pipe between the processes and the pure text units are linked in directly.
tavlo_add_test(NAME runtime_core_test SOURCES tests/unit/runtime_core_test.cpp
  tests/unit/runtime_channel_test.cpp platform/libcef/Cef.Channel.cpp
  tests/unit/standin_text_test.cpp platform/libcef/Cef.Html.cpp platform/libcef/Cef.Url.cpp
  LIBS bcrypt HTTPD TIMEOUT 300 DEPENDS libcef libcef_missing_export)
# Pages: load callbacks, script with an extension, dialogs and popups, in both process modes.
tavlo_add_test(NAME runtime_page_test SOURCES tests/unit/runtime_page_test.cpp
  HTTPD TIMEOUT 300 DEPENDS libcef)
# The render side's document, layout and input, and the trace file, on the runtime's units
# linked in directly.
tavlo_add_test(NAME runtime_dom_test SOURCES tests/unit/runtime_dom_test.cpp
  tests/unit/runtime_layout_test.cpp tests/unit/runtime_trace_test.cpp LIBS libcef_archive
  TIMEOUT 120)
