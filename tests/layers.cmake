# The direction of the layers, held by the compiler: each product folder is built with an include
# folder of its own layer and those below it (cmake/Tavlo.cmake). A probe is a one-line source
# compiled with the include folders of one library; include_layers_test builds every probe and
# expects the allowed headers to compile and the forbidden ones not to be found.
set(layer_probes "")
function(layer_probe lib expect header)
  string(MAKE_C_IDENTIFIER "${lib}_${header}" id)
  set(source ${CMAKE_BINARY_DIR}/layer_probes/${id}.cpp)
  file(CONFIGURE OUTPUT ${source} CONTENT "#include \"${header}\"\n")
  add_library(layer_probe_${id} OBJECT EXCLUDE_FROM_ALL ${source})
  target_link_libraries(layer_probe_${id} PRIVATE ${lib})
  set(layer_probes ${layer_probes} "layer_probe_${id}|${expect}|${header}" PARENT_SCOPE)
endfunction()

# The stand-in runtime: the runtime's C declarations and header-only rtl helpers, nothing else.
layer_probe(libcef_headers allowed vorad/cef3/VoraD.Cef3.Api.h)
layer_probe(libcef_headers allowed rtl/Interfaces.h)
layer_probe(libcef_headers forbidden vorad/cef3/VoraD.Cef3.Classes.h)
layer_probe(libcef_headers forbidden vorad/cef3/VoraD.Cef3.Api.Table.h)
layer_probe(libcef_headers forbidden rtl/SysUtils.h)
layer_probe(libcef_headers forbidden app/DownloadSDKUnits.h)
# The download engine: its declarations for the program and header-only rtl helpers.
layer_probe(xldl_core allowed app/DownloadSDKUnits.h)
layer_probe(xldl_core forbidden app/Settings.h)
layer_probe(xldl_core forbidden vorad/cef3/VoraD.Cef3.Api.h)
layer_probe(xldl_core forbidden rtl/StrConv.h)
# The product layers: nothing above them.
layer_probe(rtl forbidden toolkit/Forms.h)
layer_probe(toolkit forbidden vorad/cef3/VoraD.Cef3.Api.h)
layer_probe(toolkit forbidden bridge/JSEx.h)
layer_probe(vorad_cef3 allowed toolkit/Forms.h)
layer_probe(vorad_cef3 forbidden vorad/core/VoraD.Core.BrowserView.h)
layer_probe(vorad_core forbidden app/Settings.h)

add_test(NAME include_layers_test COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR}
  "-DPROBES=${layer_probes}" -P ${CMAKE_SOURCE_DIR}/tests/layers/check_probes.cmake)
# It runs the build tool in this build folder: never beside a test that does the same.
set_tests_properties(include_layers_test PROPERTIES TIMEOUT 300 RESOURCE_LOCK build_folder)
