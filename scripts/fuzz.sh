#!/usr/bin/env bash
# Builds one fuzz target with clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz/ and runs it for SECONDS.
#   scripts/fuzz.sh puzzle 600
# The seeds in fuzz/corpus/TARGET stay as they are; what the fuzzer finds on
# the way goes to build-fuzz/corpus/TARGET, and an input that breaks the
# program to build-fuzz/findings/, with a failing exit code.
set -euo pipefail
cd "$(dirname "$0")/.."
usage="usage: scripts/fuzz.sh TARGET SECONDS (targets: $(ls fuzz/corpus | paste -sd ' '))"
if [ $# -ne 2 ] || [ ! -d "fuzz/corpus/$1" ] || ! [[ $2 =~ ^[0-9]+$ ]]; then
  echo "$usage" >&2
  exit 2
fi
target=$1
seconds=$2
build=build-fuzz

# Only fuzzing needs clang and its fuzzing runtime; the ordinary set-up leaves them out.
scripts/setup.sh clang libclang-rt-14-dev
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DZPX_FUZZ=ON -DZPX_BENCHMARKS=OFF
cmake --build "$build" --target "fuzz_$target"
mkdir -p "$build/corpus/$target" "$build/findings"
"$build/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$build/findings/$target-" "$build/corpus/$target" "fuzz/corpus/$target"
