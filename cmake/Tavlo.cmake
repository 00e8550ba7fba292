# tavlo_add_test(NAME <name> SOURCES <files...> LIBS <libs...> [TIMEOUT <s>] [DEPENDS <targets...>]
#                [HTTPD])
# One executable per area: each Wine start costs time, so related cases share one. HTTPD makes
# the test wait for the local HTTP test server. Test executables sit in bin/ beside the DLLs.
function(tavlo_add_test)
  cmake_parse_arguments(T "HTTPD" "NAME;TIMEOUT" "SOURCES;LIBS;DEPENDS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  list(TRANSFORM T_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/)
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} testsupport)
  if(T_DEPENDS)
    add_dependencies(${T_NAME} ${T_DEPENDS})
  endif()
  set_property(TARGET ${T_NAME} PROPERTY CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/tests/support/wine-test)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME} WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  set_tests_properties(${T_NAME} PROPERTIES TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "TAVLO_SOURCE_DIR=${CMAKE_SOURCE_DIR};TAVLO_BUILD_DIR=${CMAKE_BINARY_DIR};TAVLO_HTTPD_PORT_FILE=${TAVLO_HTTPD_PORT_FILE}")
  if(T_HTTPD)
    set_tests_properties(${T_NAME} PROPERTIES FIXTURES_REQUIRED httpd)
  endif()
endfunction()

# tavlo_stage_headers(<stage> <headers...>): links the headers, at their path below the project
# root, into a folder of their own under the build folder, and sets <stage>_INCLUDE_DIR to it. A
# target given only such folders reaches exactly the headers of its layer and those below, at the
# paths they are written with everywhere ("rtl/Interfaces.h"); an include that points up fails.
function(tavlo_stage_headers stage)
  set(dir ${CMAKE_BINARY_DIR}/include/${stage})
  file(REMOVE_RECURSE ${dir})
  file(MAKE_DIRECTORY ${dir})
  foreach(header ${ARGN})
    file(RELATIVE_PATH path ${CMAKE_SOURCE_DIR} ${header})
    get_filename_component(parent ${dir}/${path} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${header} ${dir}/${path} SYMBOLIC)
  endforeach()
  set(${stage}_INCLUDE_DIR ${dir} PARENT_SCOPE)
endfunction()

# tavlo_add_library(<name> [USES <project libs...>] [SYSTEM <system libs...>]
#                   [NOT_HEADERS <headers of this folder that another target publishes>]):
# one static library of every source in the current folder. Its include folder holds only the
# folder's own headers; the layers below come with the libraries it uses. Project libraries that
# do not exist (yet) are skipped, so folders can grow one at a time; folders are added lowest first.
function(tavlo_add_library name)
  cmake_parse_arguments(L "" "" "USES;SYSTEM;NOT_HEADERS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.c)
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  list(TRANSFORM L_NOT_HEADERS PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
  if(L_NOT_HEADERS)
    list(REMOVE_ITEM headers ${L_NOT_HEADERS})
  endif()
  tavlo_stage_headers(${name} ${headers})
  if(sources)
    add_library(${name} STATIC ${sources})
    set(scope PUBLIC)
  else()
    add_library(${name} INTERFACE)
    set(scope INTERFACE)
  endif()
  target_include_directories(${name} ${scope} ${${name}_INCLUDE_DIR})
  foreach(dep ${L_USES})
    if(TARGET ${dep})
      target_link_libraries(${name} ${scope} ${dep})
    endif()
  endforeach()
  target_link_libraries(${name} ${scope} ${L_SYSTEM})
endfunction()
