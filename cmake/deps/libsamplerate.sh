# libsamplerate for the cross build: static (BSD licence), the engine's band-limited resampler.
PACKAGE=libsamplerate
VERSION=0.2.2
SHA256=16e881487f184250deb4fcb60432d7556ab12cb58caea71ef23960aec6c0405a
build() {
  cmake_cross "$1" "$2" -DBUILD_SHARED_LIBS=OFF -DBUILD_TESTING=OFF -DLIBSAMPLERATE_EXAMPLES=OFF \
    -DLIBSAMPLERATE_INSTALL=ON
}
