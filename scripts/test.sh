#!/usr/bin/env bash
# Sets up the machine, builds every tree and runs every test: native, native under
# AddressSanitizer and UBSan, a short run of each fuzzer, and the two Windows builds. The Wine
# suites (unit tests under Wine, the harness, end-to-end) run on the Windows build this machine
# can execute; of the other only the program folder is built, and its checks that need no Wine run.
# Ends with the minutes each phase took.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

PHASES=()
phase_start=$SECONDS
# Closes the phase that ran since the last call, under the given name.
phase_done() {
  local seconds=$((SECONDS - phase_start))
  PHASES+=("$(printf '%-28s %3d.%d min' "$1" $((seconds / 60)) $((seconds % 60 / 6)))")
  phase_start=$SECONDS
}

bash "$VELMORA_ROOT/scripts/setup-machine.sh"
phase_done "machine set-up"
bash "$VELMORA_ROOT/scripts/cross-deps.sh" cross
bash "$VELMORA_ROOT/scripts/cross-deps.sh" cross64
phase_done "cross-built libraries"
choose_wine_tree
say "Wine tests run on the $WINE_TREE build: $WINE_TREE_REASON"

status=0
run_ctest() {
  local dir=$1; shift
  say "testing $(basename "$dir")"
  ctest --test-dir "$dir" --output-on-failure -j "$JOBS" "$@" || status=1
}

for tree in native asan fuzz; do
  dir="$(bash "$VELMORA_ROOT/scripts/build.sh" "$tree")"
  phase_done "$tree: build"
  run_ctest "$dir"
  phase_done "$tree: tests"
done
for tree in cross cross64; do
  if [[ $tree == "$WINE_TREE" ]]; then
    dir="$(bash "$VELMORA_ROOT/scripts/build.sh" "$tree")"
    phase_done "$tree: build"
    run_ctest "$dir"
  else
    dir="$(bash "$VELMORA_ROOT/scripts/build.sh" "$tree" "${PROGRAM_TARGETS[@]}")"
    phase_done "$tree: program folder"
    run_ctest "$dir" -L without-wine
  fi
  phase_done "$tree: tests"
done

say "time taken, $(elapsed_minutes) in all:"
printf '    %s\n' "${PHASES[@]}" >&2
((status == 0)) && say "all tests passed" || say "some tests failed"
exit $status
