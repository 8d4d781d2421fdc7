# Third-party libraries. The cross build takes zlib from Debian's mingw package and the rest from
# the cache that scripts/cross-deps.sh fills, all linked statically; the native build uses
# Debian's -dev packages.
include(GoogleTest)

if(WIN32)
  set(VELMORA_CROSS_PREFIX "$ENV{HOME}/.cache/velmora/cross/${VELMORA_CROSS_TRIPLE}" CACHE PATH
      "Prefix of the cross-built third-party libraries")
  list(APPEND CMAKE_FIND_ROOT_PATH ${VELMORA_CROSS_PREFIX})
  set(ZLIB_USE_STATIC_LIBS ON)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
endif()

find_package(ZLIB REQUIRED)
find_package(PNG REQUIRED)
find_package(JPEG REQUIRED)

if(WIN32)
  # Debian ships the test framework prebuilt for the host only: each Windows tree builds it.
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
endif()
