# libmpg123 for the cross build: LGPL, so its own DLL beside the program, with the compiler's
# runtime linked in so that it needs only system DLLs. Library only: no programs, no output lib.
PACKAGE=mpg123
VERSION=1.31.2
SHA256=b17f22905e31f43b6b401dfdf6a71ed11bb7d056f68db449d70b9f9ae839c7de
build() {
  cmake_cross "$1/ports/cmake" "$2" -DBUILD_SHARED_LIBS=ON -DBUILD_PROGRAMS=OFF \
    -DBUILD_LIBOUT123=OFF -DNETWORK=OFF -DUSE_MODULES=OFF -DCMAKE_SHARED_LINKER_FLAGS=-static
}
