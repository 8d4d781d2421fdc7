# Shared paths and helpers for the project's scripts; sourced, never run.
set -euo pipefail

VELMORA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
VELMORA_CACHE="${VELMORA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/velmora}"
VELMORA_BUILD="${VELMORA_BUILD:-$VELMORA_ROOT/build}"
JOBS="$(nproc)"

# Minutes since the calling script started, as "12.3 min".
elapsed_minutes() { printf '%d.%d min' $((SECONDS / 60)) $((SECONDS % 60 / 6)); }

say() { printf '\033[1m==> %s\033[0m\n' "$*" >&2; }
die() { printf 'error: %s\n' "$*" >&2; exit 1; }

# The Windows builds: cross is the 32-bit program we ship, cross64 the same program for x86_64.
cross_triple() {
  case $1 in
    cross) echo i686-w64-mingw32 ;;
    cross64) echo x86_64-w64-mingw32 ;;
    *) die "unknown cross build '$1'" ;;
  esac
}
cross_prefix() { echo "$VELMORA_CACHE/cross/$(cross_triple "$1")"; }
cross_toolchain() {
  local triple
  triple=$(cross_triple "$1")
  echo "$VELMORA_ROOT/cmake/toolchain-mingw-${triple%%-*}.cmake"
}
# What a Windows build's program folder needs: the program, the engine pair and the sounds (the
# LGPL libraries are copied there when the tree is configured).
PROGRAM_TARGETS=(Velmora bass bass_fx sounds)

wine_arch() { [[ $1 == cross64 ]] && echo win64 || echo win32; }

# Chooses the build whose programs this machine's Wine can run, into WINE_TREE, with the reason in
# WINE_TREE_REASON: the 32-bit one where a 32-bit program really starts, else the x86_64 one.
# VELMORA_WINE64=1 takes the x86_64 path on any machine.
choose_wine_tree() {
  if [[ ${VELMORA_WINE64:-0} == 1 ]]; then
    WINE_TREE=cross64 WINE_TREE_REASON="VELMORA_WINE64=1 asks for the x86_64 build"
  elif /usr/lib/wine/wine --version >/dev/null 2>&1; then
    WINE_TREE=cross WINE_TREE_REASON="this machine runs 32-bit programs"
  else
    WINE_TREE=cross64
    WINE_TREE_REASON="this machine cannot run 32-bit programs (the 32-bit Wine loader fails)"
  fi
}

# Sets up Wine for one architecture (win32 or win64). The loader is called directly: Debian's
# wrapper takes the 32-bit one whenever it is installed, even where it cannot execute. The 32-bit
# program runs in Wine's default prefix, which holds both halves as 64-bit Windows does; the
# x86_64 one in a prefix made without the 32-bit half, which such machines could never start.
use_wine_arch() {
  case $1 in
    win32) WINE=/usr/lib/wine/wine; unset WINEARCH ;;
    win64) WINE=/usr/lib/wine/wine64; export WINEARCH=win64 ;;
    *) die "unknown Wine architecture '$1'" ;;
  esac
  export WINELOADER=$WINE
}

# Points Wine at a prefix of the project's own for an architecture, $VELMORA_CACHE/wine/NAME (with
# -win64 appended for 64-bit), and boots it the first time; the lock keeps tests running side by
# side from booting it twice.
use_private_wine_prefix() {
  local name=$1 arch=${2:-win32}
  [[ $arch == win32 ]] || name+="-$arch"
  use_wine_arch "$arch"
  export WINEPREFIX="$VELMORA_CACHE/wine/$name" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  mkdir -p "$VELMORA_CACHE/wine"
  {
    flock 9
    if [[ ! -f $WINEPREFIX/.velmora-setup ]]; then
      say "making the Wine prefix $WINEPREFIX"
      rm -rf "$WINEPREFIX"
      "$WINE" wineboot -i >/dev/null 2>&1
      wineserver -w
      touch "$WINEPREFIX/.velmora-setup"
    fi
  } 9>"$VELMORA_CACHE/wine/$name.lock"
}
