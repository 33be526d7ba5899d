# The Windows test programs and 64-bit twins of the shipped programs, for machines whose kernel
# runs no 32-bit programs (32-bit Wine cannot start there): the same sources for x86_64, the posix
# thread model, run under 64-bit Wine. What we ship stays i686.
set(_mingw_arch x86_64)
set(_mingw_threads posix)
set(_wine_arch win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-tests.cmake)
