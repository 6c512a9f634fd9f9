# GoogleTest from Debian's source package, built with the project's compiler.
set(PX_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${PX_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
if(PX_WINDOWS)
  px_make_test_pch()
endif()

# px_add_test(<name> SOURCES ... [LIBS ...] [DEMO_SERVICE] [GUI] [NO_PRECOMPILED]
#             [LONG_LOOPS])
# One ctest entry per test program; under Windows ctest runs it with Wine.
# DEMO_SERVICE: the demo extraction service runs on DEMO_SERVICE_HOST while
# the test runs. GUI: the program puts windows on the test desktop; it holds
# the desktop alone and carries the label "gui" (tools/test.sh runs these
# again under other Windows versions). NO_PRECOMPILED: the program takes no
# precompiled headers (they bring windows.h first): for sources that include
# winsock2.h, which must come before it, and for the portable logic's, whose
# names windows.h would turn into others (FindText into FindTextA).
# LONG_LOOPS: the program holds a loop of a thousand paints, which under an
# emulated Wine that shares the processor takes many minutes: it may run for
# 25 minutes instead of 10 (Wine's run of it is stopped a minute earlier, so
# that what it printed is still shown).
function(px_add_test name)
  cmake_parse_arguments(T "DEMO_SERVICE;GUI;NO_PRECOMPILED;LONG_LOOPS" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  proxy_extract_flags(${name})
  if(PX_WINDOWS AND NOT T_NO_PRECOMPILED)
    target_precompile_headers(${name} REUSE_FROM px_test_pch)
  endif()
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  set(limit 600)
  if(T_LONG_LOOPS)
    set(limit 1500)
  endif()
  math(EXPR wine_limit "${limit} - 60")
  set_tests_properties(${name} PROPERTIES TIMEOUT ${limit}
    ENVIRONMENT "DEMO_SERVICE_HOST=${PX_DEMO_TEST_HOST};PX_SOURCE_DIR=${CMAKE_SOURCE_DIR};PX_WINE_RUN_LIMIT=${wine_limit}")
  if(T_DEMO_SERVICE)
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED demo_service)
  endif()
  if(T_GUI)
    set_tests_properties(${name} PROPERTIES RESOURCE_LOCK desktop LABELS gui)
  endif()
endfunction()

# The demo service for integration tests listens on its own port, away from
# the one the program uses by default.
set(PX_DEMO_TEST_PORT 28081 CACHE STRING "Port of the demo service during tests")
set(PX_DEMO_TEST_HOST "127.0.0.1:${PX_DEMO_TEST_PORT}")
