#!/usr/bin/env bash
# Builds Velmora and starts it: on the desktop's display with its sound when there is one (in a
# Wine prefix of the project's own), otherwise on a virtual display with a screenshot.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

bash "$VELMORA_ROOT/scripts/setup-machine.sh"
bash "$VELMORA_ROOT/scripts/cross-deps.sh"
output="$(bash "$VELMORA_ROOT/scripts/build.sh" cross)/bin"

if [[ -n ${DISPLAY:-} ]]; then
  export WINEPREFIX="$VELMORA_CACHE/wine/desktop" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  [[ -d $WINEPREFIX ]] || { say "making a Wine prefix for Velmora"; wineboot -i >/dev/null 2>&1; }
  say "starting $output/Velmora.exe"
  exec wine "$output/Velmora.exe"
fi

harness="$VELMORA_ROOT/tests/harness/velmora_harness.py"
state="$VELMORA_BUILD/run-harness"
trap 'python3 "$harness" stop "$state" >/dev/null 2>&1 || true' EXIT
say "no display: starting a virtual one"
python3 "$harness" start "$state"
VELMORA_PROBE="$VELMORA_BUILD/cross/tests/velmora-probe.exe" \
  python3 "$harness" run "$state" "$output" "$VELMORA_BUILD/velmora-screenshot.png"
