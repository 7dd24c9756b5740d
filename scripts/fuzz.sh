#!/usr/bin/env bash
# Fuzzes one loader of outside input for a given time. It builds the clang tree
# build-fuzz (the whole program instrumented, under AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs the target's fuzzer on the seed corpus in
# tests/fuzz/corpus/TARGET. Inputs that reach new code are kept in build-fuzz/corpus/TARGET
# for the next run; a crash, leak, hang (10 s on one input) or runaway memory use
# (over 2 GB) is written to build-fuzz/findings/TARGET/ and ends the run with status 1.
# Once its fault is fixed, such a file belongs in the seed corpus as a regression seed.
#
#   usage: scripts/fuzz.sh TARGET SECONDS      TARGET: audio, state, string or image
#
# The last line says how many inputs ran in how long. FUZZ_BUILD_JOBS sets the build's
# parallel jobs (default: every core).
set -euo pipefail
cd "$(dirname "$0")/.."

targets=(audio state string image)
usage() {
  echo "usage: scripts/fuzz.sh TARGET SECONDS   (TARGET: ${targets[*]})" >&2
  exit 2
}
[ $# -eq 2 ] || usage
target=$1
seconds=$2
[[ " ${targets[*]} " == *" $target "* ]] || usage
[[ "$seconds" =~ ^[1-9][0-9]*$ ]] || usage

bash scripts/setup.sh
tree=build-fuzz
if [ ! -f "$tree/CMakeCache.txt" ]; then
  launcher=()
  if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  fi
  echo "== configuring $tree"
  CC=clang CXX=clang++ cmake -S . -B "$tree" -DTJ_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
fi
echo "== building ${target}_fuzzer"
if ! cmake --build "$tree" -j "${FUZZ_BUILD_JOBS:-$(nproc)}" --target "${target}_fuzzer" >"$tree/build-$target.log" 2>&1; then
  grep -E 'error' "$tree/build-$target.log" | head -n 40 || true
  tail -n 20 "$tree/build-$target.log"
  exit 1
fi

corpus="$tree/corpus/$target"
findings="$tree/findings/$target"
log="$tree/fuzz-$target.log"
mkdir -p "$corpus" "$findings"
echo "== fuzzing $target for $seconds s (log: $log)"
status=0
ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1} \
  LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan.supp:print_suppressions=0} \
  UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1} \
  "$tree/${target}_fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -close_fd_mask=1 \
  -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "tests/fuzz/corpus/$target" >"$log" 2>&1 || status=$?

runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
took=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -n 1)
if [ "$status" -ne 0 ]; then
  grep -E 'ERROR|SUMMARY|runtime error|Test unit written|artifact_prefix' "$log" | head -n 20 || true
  echo "fuzz $target: FAILED after ${runs:-?} runs (status $status); the input is in $findings/, the report in $log"
  exit 1
fi
echo "fuzz $target: ${runs:-?} runs in ${took:-?} s, no crash, leak or hang; $(ls "$corpus" | wc -l) inputs in $corpus"
