# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix threads); the test programs run
# under Wine through CMAKE_CROSSCOMPILING_EMULATOR.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${_mingw}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# GCC 12 warns falsely about overlapping copies in inlined std::string concatenation at -O3
# (GCC bug 105329); with warnings as errors that would stop the build.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")

# One self-contained .exe: no MinGW runtime DLLs to find under Wine.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Each run gets a fresh Wine prefix, so no test sees what an earlier one left in the registry.
set(_wine_run ${CMAKE_BINARY_DIR}/wine-run.sh)
if(NOT EXISTS ${_wine_run})
  file(WRITE ${_wine_run} [=[#!/bin/sh
# Runs a Windows program under Wine in a fresh prefix that is removed afterwards.
set -u
loader=/usr/lib/wine/wine64
server=/usr/lib/wine/wineserver64
[ -x "$server" ] || server=/usr/lib/wine/wineserver
prefix=$(mktemp -d "${TMPDIR:-/tmp}/plevo-wine.XXXXXX")
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINESERVER="$server"
unset DISPLAY WAYLAND_DISPLAY
"$loader" "$@"
status=$?
"$server" -k 2>/dev/null
"$server" -w 2>/dev/null
rm -rf "$prefix"
exit $status
]=])
  file(CHMOD ${_wine_run} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
       GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${_wine_run})

# GoogleTest for Windows is built from Debian's sources (/usr/src/googletest), presented as the
# GTest package so that find_package(GTest) finds it; its own build names the GTest:: targets.
set(_gtest_config ${CMAKE_BINARY_DIR}/gtest-from-source/GTestConfig.cmake)
if(NOT EXISTS ${_gtest_config})
  file(WRITE ${_gtest_config} [=[
if(NOT TARGET gtest)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()
set(GTest_FOUND TRUE)
]=])
endif()
set(GTest_DIR ${CMAKE_BINARY_DIR}/gtest-from-source CACHE PATH "GoogleTest built from source")
