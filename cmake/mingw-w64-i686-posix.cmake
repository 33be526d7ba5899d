# The Windows test programs: i686, the posix thread model, because GoogleTest needs std::mutex.
# They run under 32-bit Wine through CMAKE_CROSSCOMPILING_EMULATOR.
set(_mingw_threads posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-i686.cmake)

# Each run gets a fresh Wine prefix, so no test sees what an earlier one left in the registry.
set(_wine_run ${CMAKE_BINARY_DIR}/wine-run.sh)
if(NOT EXISTS ${_wine_run})
  file(WRITE ${_wine_run} [=[#!/bin/sh
# Runs a Windows program under Wine in a fresh prefix that is removed afterwards.
set -u
loader=/usr/lib/wine/wine
server=/usr/lib/wine/wineserver32
[ -x "$server" ] || server=/usr/lib/wine/wineserver
prefix=$(mktemp -d "${TMPDIR:-/tmp}/plevo-wine.XXXXXX")
export WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINESERVER="$server"
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
# Test programs that open windows run on a virtual display of their own instead:
#   add_test(NAME ... COMMAND ${PLEVO_DESKTOP_EMULATOR} $<TARGET_FILE:...>)
set(PLEVO_DESKTOP_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-desktop-run.sh)

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
