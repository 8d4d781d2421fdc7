#!/usr/bin/env bash
# Sets up the machine, builds every tree and runs every test: native, native under
# AddressSanitizer and UBSan, a short run of each fuzzer, and the cross build under Wine with
# the end-to-end tests in the headless harness.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

bash "$VELMORA_ROOT/scripts/setup-machine.sh"
bash "$VELMORA_ROOT/scripts/cross-deps.sh"

status=0
run_ctest() {
  local dir=$1
  say "testing $(basename "$dir")"
  ctest --test-dir "$dir" --output-on-failure -j "$JOBS" || status=1
}

run_ctest "$(bash "$VELMORA_ROOT/scripts/build.sh" native)"
run_ctest "$(bash "$VELMORA_ROOT/scripts/build.sh" asan)"
run_ctest "$(bash "$VELMORA_ROOT/scripts/build.sh" fuzz)"
run_ctest "$(bash "$VELMORA_ROOT/scripts/build.sh" cross)"

((status == 0)) && say "all tests passed" || say "some tests failed"
exit $status
