# Shared paths and helpers for the project's scripts; sourced, never run.
set -euo pipefail

VELMORA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
VELMORA_CACHE="${VELMORA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/velmora}"
VELMORA_BUILD="${VELMORA_BUILD:-$VELMORA_ROOT/build}"
CROSS_TRIPLE=i686-w64-mingw32
CROSS_PREFIX="$VELMORA_CACHE/cross/$CROSS_TRIPLE"
JOBS="$(nproc)"

say() { printf '\033[1m==> %s\033[0m\n' "$*" >&2; }
die() { printf 'error: %s\n' "$*" >&2; exit 1; }

# Points Wine at a prefix of the project's own, $VELMORA_CACHE/wine/NAME, and boots it the first
# time; the lock keeps tests running side by side from booting it twice.
use_private_wine_prefix() {
  export WINEPREFIX="$VELMORA_CACHE/wine/$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  mkdir -p "$VELMORA_CACHE/wine"
  {
    flock 9
    if [[ ! -f $WINEPREFIX/.velmora-setup ]]; then
      say "making the Wine prefix $WINEPREFIX"
      rm -rf "$WINEPREFIX"
      wineboot -i >/dev/null 2>&1
      wineserver -w
      touch "$WINEPREFIX/.velmora-setup"
    fi
  } 9>"$VELMORA_CACHE/wine/$1.lock"
}
