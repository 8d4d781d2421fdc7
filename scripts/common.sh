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
