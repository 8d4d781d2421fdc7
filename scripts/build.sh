#!/usr/bin/env bash
# Configures and builds one tree: cross (the program), cross64 (the same for x86_64), native, asan
# (native with sanitizers) or fuzz (native fuzzers with clang); all of it, or only the targets
# named after the kind. Prints the build folder.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

kind=${1:-cross}
targets=("${@:2}")
dir="$VELMORA_BUILD/$kind"
case $kind in
  cross|cross64)
    args=(-DCMAKE_TOOLCHAIN_FILE="$(cross_toolchain "$kind")"
          -DVELMORA_CROSS_PREFIX="$(cross_prefix "$kind")" -DCMAKE_BUILD_TYPE=Release
          -DVELMORA_HOST_TOOLS_DIR="$VELMORA_BUILD/host-tools"
          -DVELMORA_SOUND_CACHE="$VELMORA_CACHE/sounds") ;;
  native) args=(-DCMAKE_BUILD_TYPE=Release -DVELMORA_BENCH=ON) ;;
  asan)   args=(-DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON) ;;
  fuzz)   args=(-DCMAKE_BUILD_TYPE=Debug -DVELMORA_FUZZ=ON -DCMAKE_C_COMPILER=clang
                -DCMAKE_CXX_COMPILER=clang++) ;;
  *) die "unknown build kind '$kind' (cross, cross64, native, asan or fuzz)" ;;
esac

# Every tree compiles through one cache beside the project's other caches, with paths taken
# relative to the project, so that a fresh clone on this machine reuses what was built before.
# The test headers are precompiled: the cache takes such builds only with these sloppinesses.
export CCACHE_DIR="$VELMORA_CACHE/ccache" CCACHE_BASEDIR="$VELMORA_ROOT" CCACHE_NOHASHDIR=1 CCACHE_MAXSIZE=8G \
       CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
args+=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# Unity builds: each target compiles its sources in batches, so that headers and templates are
# compiled once a batch instead of once a file. The fuzz tree compiles file by file, so that every
# platform-free source is still seen to compile on its own.
[[ $kind == fuzz ]] || args+=(-DCMAKE_UNITY_BUILD=ON)

say "building $kind in $dir"
cmake -S "$VELMORA_ROOT" -B "$dir" -G Ninja "${args[@]}" >/dev/null
cmake --build "$dir" -j "$JOBS" ${targets[@]:+--target "${targets[@]}"} >&2
echo "$dir"
