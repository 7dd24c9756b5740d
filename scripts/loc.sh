#!/usr/bin/env bash
# Lines of code and lines of tests (non-blank lines of C, C++ and shell), and their ratio.
# Code is the program and its tools (host, runtime, game, tools); tests are everything
# under tests/. Benchmarks and scripts are counted apart.
set -euo pipefail
cd "$(dirname "$0")/.."
count() { find "$@" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.c' -o -name '*.sh' \) -print0 \
  | xargs -0 cat | grep -cv '^[[:space:]]*$'; }
code=$(count host runtime game tools)
tests=$(count tests)
bench=$(count bench scripts)
echo "code:  $code lines (host, runtime, game, tools)"
echo "tests: $tests lines"
echo "bench and scripts: $bench lines"
awk -v t="$tests" -v c="$code" 'BEGIN { printf "tests / code: %.2f\n", t / c }'
