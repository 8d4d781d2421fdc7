#!/usr/bin/env bash
# Builds Velmora and starts it: on the desktop's display with its sound when there is one (in a
# Wine prefix of the project's own), otherwise on a virtual display with a screenshot.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

bash "$VELMORA_ROOT/scripts/setup-machine.sh"
bash "$VELMORA_ROOT/scripts/cross-deps.sh"
cross="$(bash "$VELMORA_ROOT/scripts/build.sh" cross)"
output="$cross/bin"

if [[ -n ${DISPLAY:-} ]]; then
  use_private_wine_prefix desktop
  say "starting $output/Velmora.exe"
  exec wine "$output/Velmora.exe"
fi

harness="$VELMORA_ROOT/tests/harness/velmora_harness.py"
state="$VELMORA_BUILD/run-harness"
trap 'python3 "$harness" stop "$state" >/dev/null 2>&1 || true' EXIT
say "no display: starting a virtual one"
python3 "$harness" start "$state"
VELMORA_PROBE="$cross/tests/velmora-probe.exe" \
  python3 "$harness" run "$state" "$output" "$VELMORA_BUILD/velmora-screenshot.png"
