# Cross build for 32-bit Windows: the program we ship.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(VELMORA_CROSS_TRIPLE i686-w64-mingw32)
set(VELMORA_WINE_ARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
