#!/usr/bin/env bash
# Sets up the machine, builds every tree and runs every test: native, native under
# AddressSanitizer and UBSan, a short run of each fuzzer, and the two Windows builds. The Wine
# suites (unit tests under Wine, the harness, end-to-end) run on the Windows build this machine
# can execute; the other one is built and its program folder checked.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

bash "$VELMORA_ROOT/scripts/setup-machine.sh"
bash "$VELMORA_ROOT/scripts/cross-deps.sh" cross
bash "$VELMORA_ROOT/scripts/cross-deps.sh" cross64
choose_wine_tree
say "Wine tests run on the $WINE_TREE build: $WINE_TREE_REASON"

status=0
run_ctest() {
  local dir=$1; shift
  say "testing $(basename "$dir")"
  ctest --test-dir "$dir" --output-on-failure -j "$JOBS" "$@" || status=1
}

run_ctest "$(bash "$VELMORA_ROOT/scripts/build.sh" native)"
run_ctest "$(bash "$VELMORA_ROOT/scripts/build.sh" asan)"
run_ctest "$(bash "$VELMORA_ROOT/scripts/build.sh" fuzz)"
for tree in cross cross64; do
  dir="$(bash "$VELMORA_ROOT/scripts/build.sh" "$tree")"
  if [[ $tree == "$WINE_TREE" ]]; then
    run_ctest "$dir"
  else
    run_ctest "$dir" -L without-wine
  fi
done

((status == 0)) && say "all tests passed" || say "some tests failed"
exit $status
