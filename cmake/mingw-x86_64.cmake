# Cross toolchain: 64-bit Windows. The tests run on this build under 64-bit Wine where the
# machine cannot execute 32-bit code.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
