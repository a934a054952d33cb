# Cross build for 64-bit Windows with mingw-w64 (Debian: g++-mingw-w64-x86-64-posix; its POSIX thread
# model gives std::thread and std::mutex):
#   cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
# Without a Qt for the target this builds the core and its test programs. With Wine installed (Debian:
# wine64) ctest runs the tests under it, in a Wine prefix of their own inside the build folder.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Programs that stand alone: no libstdc++, libgcc or winpthread DLLs to carry beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

find_program(ZL410_WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(ZL410_WINE)
  # Console programs need no display; Wine's own messages and its .NET and browser installers stay off.
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_COMMAND} -E env WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix
      WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= DISPLAY= ${ZL410_WINE})
endif()
