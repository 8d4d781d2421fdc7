# libogg for the cross build: static, the Ogg container under the Vorbis decoder.
PACKAGE=libogg
VERSION=1.3.5
SHA256=c4d91be36fc8e54deae7575241e03f4211eb102afb3fc0775fbbc1b740016705
build() {
  cmake_cross "$1" "$2" -DBUILD_SHARED_LIBS=OFF -DINSTALL_DOCS=OFF -DBUILD_TESTING=OFF
}
