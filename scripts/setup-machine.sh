#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; does nothing when all are there.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

PACKAGES=(
  cmake ninja-build ccache g++ clang libclang-rt-14-dev
  googletest libgtest-dev libbenchmark-dev zlib1g-dev libpng-dev libjpeg62-turbo-dev
  pkg-config libvorbis-dev libogg-dev
  g++-mingw-w64-i686 mingw-w64-i686-dev g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev libz-mingw-w64-dev
  wine wine32:i386 wine64 fonts-wine
  xvfb xauth x11-utils xdotool imagemagick
  pulseaudio pulseaudio-utils sox
  dpkg-dev xz-utils bzip2 file
  libogg-dev libvorbis-dev libflac-dev libmpg123-dev libsamplerate0-dev libsoundtouch-dev lame
)

missing_packages() {
  local pkg
  for pkg in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${db:Status-Status}\n' "$pkg" 2>/dev/null | grep -qx installed || echo "$pkg"
  done
}

# A mirror caught mid-sync fails one index now and then; the install below still works with the
# indexes that did arrive, and says so clearly when a package is really missing.
refresh_package_lists() {
  local attempt
  for attempt in 1 2 3; do
    apt-get update -q && return 0
    say "apt-get update failed (attempt $attempt); retrying"
    sleep 5
  done
  say "going on with the package lists apt has"
}

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  say "adding the i386 architecture for wine32"
  dpkg --add-architecture i386
fi

mapfile -t MISSING < <(missing_packages)
if ((${#MISSING[@]})); then
  say "installing: ${MISSING[*]}"
  refresh_package_lists
  install=(env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends)
  # When the security suite's i386 index failed to arrive, its amd64 versions have no i386 twin
  # and wine32 cannot be resolved; the main suite holds matching versions for both.
  "${install[@]}" "${MISSING[@]}" ||
    { say "retrying with the main suite's versions"
      "${install[@]}" -o APT::Default-Release=bookworm "${MISSING[@]}"; }
fi
