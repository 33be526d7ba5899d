# The Windows test programs: i686, the posix thread model, because GoogleTest needs std::mutex.
# They run under 32-bit Wine, on machines that run 32-bit programs.
set(_mingw_arch i686)
set(_mingw_threads posix)
set(_wine_arch win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-tests.cmake)
