#!/usr/bin/env bash
# Builds everything twice (a normal build and one with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every test of both under a virtual X display.
# Installs whatever is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

jobs=$(nproc)
configure_and_build() {
  local dir=$1
  shift
  echo "== building $dir"
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  if ! cmake --build "$dir" -j "$jobs" >"$dir/build.log" 2>&1; then
    grep -E 'error|Error' "$dir/build.log" | head -n 40 || true
    tail -n 40 "$dir/build.log"
    exit 1
  fi
  grep -E 'warning:' "$dir/build.log" | sort -u | head -n 40 || true
}

configure_and_build build
configure_and_build build-asan -DTJ_SANITIZE=ON

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/scripts/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}

status=0
for dir in build build-asan; do
  echo "== testing $dir"
  xvfb-run -a -s "-screen 0 1280x1024x24" \
    ctest --test-dir "$dir" --output-on-failure -j "$jobs" --timeout 600 || status=1
done
exit $status
