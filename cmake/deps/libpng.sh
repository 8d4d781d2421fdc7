# libpng for the cross build: static, against the mingw zlib from libz-mingw-w64-dev.
PACKAGE=libpng1.6
VERSION=1.6.39
SHA256=a00e9d2f2f664186e4202db9299397f851aea71b36a35e74910b8820e380d441
build() {
  cmake_cross "$1" "$2" -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
    -DZLIB_LIBRARY="$MINGW_SYSROOT/lib/libz.a" -DZLIB_INCLUDE_DIR="$MINGW_SYSROOT/include"
}
