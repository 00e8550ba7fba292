# Cross toolchain to Windows with MinGW-w64 (POSIX threads), shared by both architectures: the
# file that includes it sets CMAKE_SYSTEM_PROCESSOR (i686 or x86_64) first.
set(CMAKE_SYSTEM_NAME Windows)
set(tavlo_mingw ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)
set(CMAKE_C_COMPILER   ${tavlo_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${tavlo_mingw}-g++-posix)
set(CMAKE_RC_COMPILER  ${tavlo_mingw}-windres)
set(CMAKE_DLLTOOL      ${tavlo_mingw}-dlltool)
set(CMAKE_FIND_ROOT_PATH /usr/${tavlo_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# -static drops libwinpthread-1.dll; the binaries then import only system DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT    "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/wine)
