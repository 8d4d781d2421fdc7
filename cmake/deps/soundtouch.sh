# SoundTouch for the cross build: LGPL, so its own DLL beside the program, with the compiler's
# runtime linked in (and not re-exported) so that it needs only system DLLs. Library only: no
# command-line tool. Its SSE paths need SSE2, which every processor that runs Windows today has.
PACKAGE=soundtouch
VERSION=2.3.2
SHA256=9f07b1583d798c3b1caa4a45941468992441688ce5c9164bed7121f12d3032a5
build() {
  cmake_cross "$1" "$2" -DBUILD_SHARED_LIBS=ON -DSOUNDSTRETCH=OFF -DSOUNDTOUCH_DLL=OFF \
    -DCMAKE_CXX_FLAGS=-msse2 -DCMAKE_SHARED_LINKER_FLAGS='-static -Wl,--exclude-libs,ALL'
}
