# Runtime binding: wrapper family, loader and application object, process helpers, against the
# stand-in runtime (and its build that lacks one export, bin/missing/libcef.dll).
tavlo_add_test(NAME binding_test SOURCES tests/unit/binding_test.cpp LIBS vorad_cef3 HTTPD TIMEOUT 240
  DEPENDS libcef libcef_missing_export)
