# Cross-compiles for 32-bit Windows with the posix-thread flavour of
# mingw-w64, for the tests and tools (GoogleTest, std::thread and std::mutex
# need it). Its threads runtime imports functions Windows XP lacks, so the
# program users get is built with mingw-i686-win32.cmake instead.
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686-common.cmake)
