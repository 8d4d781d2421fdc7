# libjpeg-turbo for the cross build: static, without the SIMD parts (they need nasm).
PACKAGE=libjpeg-turbo
VERSION=2.1.5
SHA256=254f3642b04e309fee775123133c6464181addc150499561020312ec61c1bf7c
build() {
  cmake_cross "$1" "$2" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF
}
