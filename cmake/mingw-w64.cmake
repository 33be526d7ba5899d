# Cross build for Windows with Debian's MinGW-w64, shared by the shipped programs and the test
# programs; the including file sets _mingw_arch (i686 or x86_64) and _mingw_threads (win32 or
# posix) before including this.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${_mingw_arch})

set(_mingw ${_mingw_arch}-w64-mingw32)
set(CMAKE_C_COMPILER ${_mingw}-gcc-${_mingw_threads})
set(CMAKE_CXX_COMPILER ${_mingw}-g++-${_mingw_threads})
set(CMAKE_RC_COMPILER ${_mingw}-windres)
set(CMAKE_OBJDUMP ${_mingw}-objdump)
set(CMAKE_FIND_ROOT_PATH /usr/${_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# GCC 12 warns falsely about overlapping copies in inlined std::string concatenation at -O3
# (GCC bug 105329); with warnings as errors that would stop the build.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")

# One self-contained .exe: no MinGW runtime DLLs to ship or to find under Wine.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
