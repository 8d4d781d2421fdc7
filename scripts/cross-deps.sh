#!/usr/bin/env bash
# Builds the third-party libraries of the cross build from Debian's source packages into a cache
# outside the source tree. Sources come through a private apt state, so the machine's own apt
# configuration is never touched. Each library is described by a recipe in cmake/deps/.
# Usage: cross-deps.sh cross|cross64 (the 32-bit build by default).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

KIND=${1:-cross}
CROSS_TRIPLE=$(cross_triple "$KIND")
CROSS_PREFIX=$(cross_prefix "$KIND")
APT_STATE="$VELMORA_CACHE/apt"
SOURCES_DIR="$VELMORA_CACHE/sources"
RECIPES_DIR="$VELMORA_ROOT/cmake/deps"
TOOLCHAIN=$(cross_toolchain "$KIND")
MINGW_SYSROOT=/usr/$CROSS_TRIPLE

apt_private() {
  apt-get -o Dir::Etc::SourceList="$APT_STATE/debian-src.sources" \
          -o Dir::Etc::SourceParts=/nonexistent \
          -o Dir::State::Lists="$APT_STATE/lists" \
          -o Dir::Cache="$APT_STATE/cache" -o APT::Sandbox::User=root "$@"
}

prepare_apt_state() {
  [[ -f $APT_STATE/lists/.updated ]] && return
  mkdir -p "$APT_STATE/lists/partial" "$APT_STATE/cache/archives/partial"
  cat > "$APT_STATE/debian-src.sources" <<SRC
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
  say "updating the private source-package lists"
  apt_private update -q >&2
  touch "$APT_STATE/lists/.updated"
}

# Fetches the source package and unpacks its upstream tarball; prints the source folder. Debian's
# point releases replace the packaging revision, so the pin is the upstream tarball's checksum.
fetch_source() {
  local package=$1 version=$2 sha256=$3
  local dir="$SOURCES_DIR/$package-$version"
  if [[ ! -d $dir/.unpacked ]]; then
    prepare_apt_state
    mkdir -p "$SOURCES_DIR/download"
    (cd "$SOURCES_DIR/download" && apt_private source -q --download-only "$package" >&2) || true
    local tarball
    tarball=$(ls "$SOURCES_DIR/download/${package}_${version}"*.orig.tar.* 2>/dev/null | grep -v '\.asc$' | head -1)
    [[ -n $tarball ]] || die "Debian no longer serves $package at upstream version $version"
    echo "$sha256  $tarball" | sha256sum -c --quiet - >&2 || die "checksum mismatch for $tarball"
    rm -rf "$dir" && mkdir -p "$dir"
    tar -xf "$tarball" -C "$dir" --strip-components=1
    mkdir "$dir/.unpacked"
  fi
  echo "$dir"
}

cmake_cross() {
  local src=$1 build=$2; shift 2
  cmake -S "$src" -B "$build" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$CROSS_PREFIX" -DCMAKE_PREFIX_PATH="$CROSS_PREFIX" "$@" >&2
  cmake --build "$build" -j "$JOBS" >&2
  cmake --install "$build" >&2
}

build_recipe() {
  local recipe=$1 name
  name=$(basename "$recipe" .sh)
  unset PACKAGE VERSION SHA256; unset -f build
  source "$recipe"
  local stamp="$CROSS_PREFIX/.stamps/$name-$(sha1sum "$recipe" | cut -c1-12)"
  [[ -f $stamp ]] && return
  say "cross-building $name ($PACKAGE $VERSION) for $CROSS_TRIPLE"
  local src
  src=$(fetch_source "$PACKAGE" "$VERSION" "$SHA256")
  local work="$VELMORA_CACHE/cross-build/$CROSS_TRIPLE/$name"
  rm -rf "$work"
  build "$src" "$work"
  mkdir -p "$(dirname "$stamp")" && rm -f "$CROSS_PREFIX/.stamps/$name-"* && touch "$stamp"
}

mkdir -p "$CROSS_PREFIX"
for recipe in "$RECIPES_DIR"/*.sh; do
  build_recipe "$recipe"
done
