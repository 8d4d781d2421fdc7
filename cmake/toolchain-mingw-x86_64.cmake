# Cross build of the same program for 64-bit Windows, for machines that cannot run 32-bit code.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VELMORA_CROSS_TRIPLE x86_64-w64-mingw32)
set(VELMORA_WINE_ARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw.cmake)
