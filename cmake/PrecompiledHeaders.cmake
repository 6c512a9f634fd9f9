# Precompiled headers of the Windows build. windows.h and the C++ library
# headers take the cross compiler longer than most of the project's sources
# do; parsed once into px_system_pch (and, with GoogleTest's headers, into
# px_test_pch), they are reused by every target that asks for them. GCC
# parses the headers itself wherever a precompiled one does not fit, so a
# target is never built differently for using them.
# Not for the portable logic (it builds without windows.h) nor for the web
# client's sources, where winsock2.h must come before windows.h.
set(PX_SYSTEM_HEADERS
  <windows.h> <algorithm> <cstdint> <cstring> <functional> <map> <memory> <string> <vector>)

add_library(px_system_pch STATIC ${CMAKE_CURRENT_LIST_DIR}/precompiled_anchor.cpp)
proxy_extract_flags(px_system_pch)
target_precompile_headers(px_system_pch PRIVATE ${PX_SYSTEM_HEADERS})

function(px_precompiled_headers target)
  target_precompile_headers(${target} REUSE_FROM px_system_pch)
endfunction()

# For the test programs; made once GoogleTest's targets exist.
function(px_make_test_pch)
  add_library(px_test_pch STATIC ${PROJECT_SOURCE_DIR}/cmake/precompiled_anchor.cpp)
  proxy_extract_flags(px_test_pch)
  target_link_libraries(px_test_pch PRIVATE GTest::gmock GTest::gtest)
  target_precompile_headers(px_test_pch PRIVATE
    ${PX_SYSTEM_HEADERS} <gtest/gtest.h> <gmock/gmock.h>)
endfunction()
