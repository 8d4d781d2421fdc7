# Shared part of the mingw-w64 toolchain files: VELMORA_CROSS_TRIPLE and CMAKE_SYSTEM_PROCESSOR
# are set by the file that includes this one. Posix threads variant: the win32 variant has no
# std::mutex. Tests run under Wine through the emulator wrapper, told which Wine to use.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${VELMORA_CROSS_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELMORA_CROSS_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${VELMORA_CROSS_TRIPLE}-windres)
set(CMAKE_DLLTOOL ${VELMORA_CROSS_TRIPLE}-dlltool)

set(CMAKE_FIND_ROOT_PATH /usr/${VELMORA_CROSS_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/harness/wine-run
    ${VELMORA_WINE_ARCH})
