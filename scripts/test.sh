#!/usr/bin/env bash
# Sets up the machine, builds every tree and runs every test: native, native under
# AddressSanitizer and UBSan, a short run of each fuzzer, and the two Windows builds. The Wine
# suites (unit tests under Wine, the harness, end-to-end) run on the Windows build this machine
# can execute; of the other only the program folder is built, and its checks that need no Wine run.
# Ends with the minutes each phase took and each run's count of tests.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

PHASES=()
phase_start=$SECONDS
# Closes the phase that ran since the last call, under the given name.
phase_done() {
  add_phase "$1" $((SECONDS - phase_start))
  phase_start=$SECONDS
}
add_phase() { PHASES+=("$(printf '%-38s %3d.%d min' "$1" $(($2 / 60)) $(($2 % 60 / 6)))"); }

# What an early end of this script stops: the jobs beside (process groups) and a harness session
# left up between two test runs (its state folder).
BESIDE=()
open_session=""
on_exit() {
  ((${#BESIDE[@]} == 0)) || kill -- "${BESIDE[@]}" 2>/dev/null || true
  [[ -z $open_session || ! -f $open_session/state.json ]] ||
    python3 "$VELMORA_ROOT/tests/harness/velmora_harness.py" stop "$open_session" || true
}
trap on_exit EXIT

# Runs a command beside the rest, its output in LOG and, once it has succeeded, its seconds in
# LOG.seconds. In a session of its own, so that an early end of this script stops all of it.
start_beside() {
  local log=$1; shift
  setsid bash -c '"${@:2}" && echo "$SECONDS" >"$1"' _ "$log.seconds" "$@" >"$log" 2>&1 &
  BESIDE+=("-$!")
}
# Waits for the job started beside last and adds its minutes to the summary under NAME.
wait_beside() {
  local name=$1 log=$2
  wait "${BESIDE[-1]#-}" || { tail -n 40 "$log" >&2; die "$name failed (log: $log)"; }
  add_phase "($name, beside)" "$(<"$log.seconds")"
}

status=0
COUNTS=()
# Runs a tree's tests (ctest's arguments after the folder) and keeps ctest's count for the summary.
run_ctest() {
  local dir=$1 log; shift
  say "testing $(basename "$dir")"
  log=$(mktemp)
  ctest --test-dir "$dir" --output-on-failure -j "$JOBS" "$@" | tee "$log" || status=1
  COUNTS+=("$(printf '%-8s %-36s %s' "$(basename "$dir")" "${*:-all}" \
              "$(grep -E '^[0-9]+% tests passed' "$log" || echo 'no count: ctest failed to run')")")
  rm -f "$log"
}
build_tree() { bash "$VELMORA_ROOT/scripts/build.sh" "$@"; }

bash "$VELMORA_ROOT/scripts/setup-machine.sh"
phase_done "machine set-up"
choose_wine_tree
say "Wine tests run on the $WINE_TREE build: $WINE_TREE_REASON"
other_tree=cross
[[ $WINE_TREE == cross ]] && other_tree=cross64

# The cross-built libraries build while the native trees do, which need none of them: their
# downloads and single-threaded configure steps would otherwise leave a core idle.
mkdir -p "$VELMORA_BUILD"
deps_log="$VELMORA_BUILD/cross-deps.log"
say "building the cross-built libraries beside the native trees (log: $deps_log)"
start_beside "$deps_log" bash -c 'bash "$0" cross && bash "$0" cross64' \
  "$VELMORA_ROOT/scripts/cross-deps.sh"
for tree in native asan; do
  dir="$(build_tree "$tree")"
  phase_done "$tree: build"
  run_ctest "$dir"
  phase_done "$tree: tests"
done
wait_beside "cross-built libraries" "$deps_log"
phase_done "waiting for the libraries"

dir="$(build_tree "$WINE_TREE")"
phase_done "$WINE_TREE: build"
# The Wine suite's tests that only look and click leave most of the CPU idle: the other Windows
# tree's program folder and the fuzzers build meanwhile, at the lowest priority. The tests that
# record what plays in real time run after them, on an otherwise idle machine.
beside_log="$VELMORA_BUILD/beside-wine-suite.log"
say "building the $other_tree program folder and the fuzzers beside the Wine suite (log: $beside_log)"
start_beside "$beside_log" nice -n 19 bash -c \
  'bash "$0" "$1" "${@:2}" && bash "$0" fuzz' "$VELMORA_ROOT/scripts/build.sh" "$other_tree" \
  "${PROGRAM_TARGETS[@]}"
# The session "harness" serves both runs: the first leaves it up, the second finds it, so what the
# first run's tests wrote in it stays beside what the second's write.
open_session="$dir/harness"
run_ctest "$dir" -LE records -E '^harness\.stop$'
phase_done "$WINE_TREE: tests that look and click"
wait_beside "$other_tree folder, fuzz build" "$beside_log"
phase_done "waiting for those builds"
run_ctest "$dir" -L records -FS '^harness$'
open_session=""
phase_done "$WINE_TREE: tests that record"
run_ctest "$VELMORA_BUILD/fuzz"
phase_done "fuzz: tests"
run_ctest "$VELMORA_BUILD/$other_tree" -L without-wine
phase_done "$other_tree: tests"

say "time taken, $(elapsed_minutes) in all:"
printf '    %s\n' "${PHASES[@]}" >&2
say "tests run:"
printf '    %s\n' "${COUNTS[@]}" >&2
((status == 0)) && say "all tests passed" || say "some tests failed"
exit $status
