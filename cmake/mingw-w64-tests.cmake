# What the Windows test builds share: the programs run under Wine of the toolchain's width
# (_wine_arch: win32 or win64), each in a fresh Wine prefix, so no test sees what an earlier one
# left in the registry.
set(_wine_run ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
if(_wine_arch STREQUAL "win64")
  set(_wine_run ${_wine_run} --win64)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${_wine_run})
# Test programs that open windows run on a virtual display of their own instead:
#   add_test(NAME ... COMMAND ${PLEVO_DESKTOP_EMULATOR} $<TARGET_FILE:...>)
set(PLEVO_DESKTOP_EMULATOR ${_wine_run} --desktop)

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
