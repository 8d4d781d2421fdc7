# libvorbis for the cross build: static, against the cross-built libogg.
PACKAGE=libvorbis
VERSION=1.3.7
SHA256=0e982409a9c3fc82ee06e08205b1355e5c6aa4c36bca58146ef399621b0ce5ab
build() {
  cmake_cross "$1" "$2" -DBUILD_SHARED_LIBS=OFF -DBUILD_TESTING=OFF \
    -DOGG_LIBRARY="$CROSS_PREFIX/lib/libogg.a" -DOGG_INCLUDE_DIR="$CROSS_PREFIX/include"
}
