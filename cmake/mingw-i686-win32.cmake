# Cross-compiles the release program for 32-bit Windows with the win32-thread
# flavour of mingw-w64: it links no threads runtime, so the exe imports
# nothing that Windows XP SP3 lacks. That flavour has no std::thread or
# std::mutex (nor GoogleTest), so a build with it makes the program alone.
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-win32)
set(PX_PROGRAM_ONLY ON CACHE BOOL "Build the program alone, without tests and tools" FORCE)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686-common.cmake)
