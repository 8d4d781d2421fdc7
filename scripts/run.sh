#!/usr/bin/env bash
# Builds Velmora and starts it: on the desktop's display with its sound when there is one (in a
# Wine prefix of the project's own), otherwise on a virtual display with a screenshot. The 32-bit
# program where this machine runs 32-bit programs, else the same program built for x86_64.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

bash "$VELMORA_ROOT/scripts/setup-machine.sh"
choose_wine_tree
say "starting the $WINE_TREE build: $WINE_TREE_REASON"
bash "$VELMORA_ROOT/scripts/cross-deps.sh" "$WINE_TREE"
# Only the program's folder (and the probe the virtual display's screenshot needs), not the tests.
cross="$(bash "$VELMORA_ROOT/scripts/build.sh" "$WINE_TREE" "${PROGRAM_TARGETS[@]}" velmora-probe)"
output="$cross/bin"

if [[ -n ${DISPLAY:-} ]]; then
  use_private_wine_prefix desktop "$(wine_arch "$WINE_TREE")"
  say "starting $output/Velmora.exe after $(elapsed_minutes) of set-up and build"
  exec "$WINE" "$output/Velmora.exe"
fi

harness="$VELMORA_ROOT/tests/harness/velmora_harness.py"
state="$VELMORA_BUILD/run-harness"
trap 'python3 "$harness" stop "$state" >/dev/null 2>&1 || true' EXIT
say "no display: starting a virtual one"
VELMORA_WINE_ARCH="$(wine_arch "$WINE_TREE")" python3 "$harness" start "$state"
VELMORA_PROBE="$cross/tests/velmora-probe.exe" \
  python3 "$harness" run "$state" "$output" "$VELMORA_BUILD/velmora-screenshot.png"
say "the window was shown $(elapsed_minutes) after the command started"
