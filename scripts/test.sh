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
  add_phase "$1" $((SECONDS - phase_start))
  phase_start=$SECONDS
}
add_phase() { PHASES+=("$(printf '%-34s %3d.%d min' "$1" $(($2 / 60)) $(($2 % 60 / 6)))"); }

bash "$VELMORA_ROOT/scripts/setup-machine.sh"
phase_done "machine set-up"

# The cross-built libraries build while the native trees do, which need none of them: their
# downloads and single-threaded configure steps would otherwise leave a core idle.
mkdir -p "$VELMORA_BUILD"
cross_deps_log="$VELMORA_BUILD/cross-deps.log"
say "building the cross-built libraries beside the native trees (log: $cross_deps_log)"
# In a session of its own, so that an early end of this script stops the whole build.
setsid bash -c 'bash "$1" cross && bash "$1" cross64 && echo "$SECONDS" >"$2"' _ \
  "$VELMORA_ROOT/scripts/cross-deps.sh" "$cross_deps_log.seconds" >"$cross_deps_log" 2>&1 &
cross_deps=$!
trap 'kill -- "-$cross_deps" 2>/dev/null || true' EXIT
choose_wine_tree
say "Wine tests run on the $WINE_TREE build: $WINE_TREE_REASON"

status=0
COUNTS=()
# Runs a tree's tests (ctest's arguments after the folder) and keeps ctest's count for the summary.
run_ctest() {
  local dir=$1 log; shift
  say "testing $(basename "$dir")"
  log=$(mktemp)
  ctest --test-dir "$dir" --output-on-failure -j "$JOBS" "$@" | tee "$log" || status=1
  COUNTS+=("$(printf '%-8s %-26s %s' "$(basename "$dir")" "${*:-all}" \
              "$(grep -E '^[0-9]+% tests passed' "$log" || echo 'no count: ctest failed to run')")")
  rm -f "$log"
}

for tree in native asan fuzz; do
  dir="$(bash "$VELMORA_ROOT/scripts/build.sh" "$tree")"
  phase_done "$tree: build"
  run_ctest "$dir"
  phase_done "$tree: tests"
done
wait "$cross_deps" || { tail -n 40 "$cross_deps_log" >&2; die "the cross-built libraries failed"; }
add_phase "(cross-built libraries, beside)" "$(<"$cross_deps_log.seconds")"
phase_done "waiting for the libraries"
# The Wine suite's tests that only look and click leave most of the CPU idle: the other Windows
# tree's program folder builds meanwhile, at the lowest priority. The tests that record what plays
# in real time run after it, on an otherwise idle machine.
other_tree=cross
[[ $WINE_TREE == cross ]] && other_tree=cross64
dir="$(bash "$VELMORA_ROOT/scripts/build.sh" "$WINE_TREE")"
phase_done "$WINE_TREE: build"
other_log="$VELMORA_BUILD/$other_tree-program.log"
say "building the $other_tree program folder beside the Wine suite (log: $other_log)"
setsid nice -n 19 bash -c 'bash "$1" "${@:3}" && echo "$SECONDS" >"$2"' _ \
  "$VELMORA_ROOT/scripts/build.sh" "$other_log.seconds" "$other_tree" "${PROGRAM_TARGETS[@]}" \
  >"$other_log" 2>&1 &
other_build=$!
trap 'kill -- "-$cross_deps" "-$other_build" 2>/dev/null || true' EXIT
run_ctest "$dir" -LE records
phase_done "$WINE_TREE: tests that look and click"
wait "$other_build" ||
  { tail -n 40 "$other_log" >&2; die "the $other_tree program folder failed to build"; }
add_phase "($other_tree program folder, beside)" "$(<"$other_log.seconds")"
phase_done "waiting for the $other_tree folder"
run_ctest "$dir" -L records
phase_done "$WINE_TREE: tests that record"
run_ctest "$VELMORA_BUILD/$other_tree" -L without-wine
phase_done "$other_tree: tests"

say "time taken, $(elapsed_minutes) in all:"
printf '    %s\n' "${PHASES[@]}" >&2
say "tests run:"
printf '    %s\n' "${COUNTS[@]}" >&2
((status == 0)) && say "all tests passed" || say "some tests failed"
exit $status
