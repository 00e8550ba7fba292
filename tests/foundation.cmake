# The foundation issue's units: link helpers, settings and shell helpers, lockers, load-error
# descriptions (foundation_test), and the shared block and instance mutex across real processes
# (shared_block_test).

# foundation_test carries a version resource (tests/unit/foundation_version.rc); the probe
# program has none. Both are read by the GetFileVersion tests.
get_property(tavlo_languages GLOBAL PROPERTY ENABLED_LANGUAGES)
if(NOT "RC" IN_LIST tavlo_languages)
  enable_language(RC)
endif()
add_executable(noversion_probe tests/unit/noversion_probe.cpp)

tavlo_add_test(NAME foundation_test
  SOURCES tests/unit/link_decode_test.cpp tests/unit/settings_test.cpp
          tests/unit/shell_helpers_test.cpp tests/unit/cef_err_test.cpp
          tests/unit/locker_test.cpp tests/unit/foundation_version.rc
  LIBS app vorad_core
  DEPENDS noversion_probe)

# The program's own kernel object names: no two tests that use them may run at once. Other
# tests that open the shared block or take the instance mutex add the same lock.
tavlo_add_test(NAME shared_block_test SOURCES tests/integration/shared_block_test.cpp LIBS bridge)
set_tests_properties(shared_block_test PROPERTIES RESOURCE_LOCK tavlo_kernel_objects)
