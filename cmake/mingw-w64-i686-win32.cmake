# The shipped Windows programs: i686, the win32 thread model. Its runtime imports nothing that
# Windows XP lacks (the posix model's winpthreads imports GetTickCount64); it has no std::thread
# or std::mutex, which the programs do not use.
set(_mingw_arch i686)
set(_mingw_threads win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
