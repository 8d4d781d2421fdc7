# How the project's targets are declared. Platform-free libraries build in both builds and may not
# see windows.h: a guard folder placed first on their include path turns any such include into a
# compile error, natively and in the cross build alike.

set(VELMORA_GUARD_DIR ${CMAKE_CURRENT_LIST_DIR}/platform-free-guard)

# GCC 12 warns of members left out of designated initializers even when they have defaults.
# Narrowing conversions fail the Windows builds: in the 32-bit program size_t is 32 bits, so a
# 64-bit or file-supplied count put into it truncates, and some machines can build that program
# but never run it. Sign conversions stay quiet: they flag every int index into a container.
set(VELMORA_WARNING_FLAGS -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
    -Wno-missing-field-initializers)
if(WIN32)
  list(APPEND VELMORA_WARNING_FLAGS -Werror=conversion)
endif()

function(velmora_warnings target)
  target_compile_options(${target} PRIVATE ${VELMORA_WARNING_FLAGS})
endfunction()

if(VELMORA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

if(WIN32)
  # One self-contained folder: no runtime DLLs of the compiler beside the program.
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
endif()

# velmora_portable_library(name SOURCES...) - platform-free code, built natively and cross.
function(velmora_portable_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} BEFORE PRIVATE ${VELMORA_GUARD_DIR})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  velmora_warnings(${name})
endfunction()

# velmora_win32_library(name SOURCES...) - platform code, cross build only.
function(velmora_win32_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  velmora_warnings(${name})
endfunction()

# A test's own code gains nothing from the release optimisation it would take from the tree, and
# compiles about a third faster at -O1; the code under test keeps the tree's flags.
if(CMAKE_BUILD_TYPE STREQUAL "Release")
  set(VELMORA_TEST_OPTIMIZATION -O1)
endif()

# GoogleTest's headers cost a test source more than its own code does: GCC builds compile them
# once per tree, and every test target reuses the result.
function(velmora_test_headers target)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    return()
  endif()
  if(NOT TARGET velmora_test_headers)
    add_library(velmora_test_headers OBJECT ${PROJECT_SOURCE_DIR}/cmake/test-headers.cpp)
    target_link_libraries(velmora_test_headers PRIVATE GTest::gmock)
    target_precompile_headers(velmora_test_headers PRIVATE <gtest/gtest.h> <gmock/gmock.h>)
    target_compile_options(velmora_test_headers PRIVATE ${VELMORA_TEST_OPTIMIZATION})
    velmora_warnings(velmora_test_headers)
  endif()
  target_precompile_headers(${target} REUSE_FROM velmora_test_headers)
endfunction()

# velmora_test(name [WINDOWS] SOURCES... LIBS...) - a GoogleTest binary, run by ctest (under Wine
# when cross). WINDOWS: its tests make windows, which need a display, so it runs in the harness's
# session.
function(velmora_test name)
  cmake_parse_arguments(ARG "WINDOWS" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main)
  target_compile_options(${name} PRIVATE ${VELMORA_TEST_OPTIMIZATION})
  velmora_warnings(${name})
  velmora_test_headers(${name})
  if(WIN32)
    # Each Wine start costs seconds, so a cross-built binary runs whole, as one test.
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    if(ARG_WINDOWS)
      # Each of these files keeps its own test form and window helpers under the same names.
      set_target_properties(${name} PROPERTIES UNITY_BUILD OFF)
      add_test(NAME ${name} COMMAND ${Python3_EXECUTABLE} ${VELMORA_HARNESS_DIR}/velmora_harness.py
               wine ${VELMORA_HARNESS_STATE} $<TARGET_FILE:${name}>)
      set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED harness RESOURCE_LOCK harness)
    else()
      add_test(NAME ${name} COMMAND ${name})
    endif()
  else()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
