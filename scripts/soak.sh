#!/usr/bin/env bash
# Soak run: whole rounds of every game, headless, under AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan's tinsel-sim, built first along with its data).
# Round n plays game (n - 1) mod 26 + 1 with seed n and four computer players; every other
# round one seat instead (Red, Blue, Yellow and Green in turn) is a keyboard player holding
# random keys made from the seed (scripts/random_keys.sh: moves and fire A..C, never back
# or fire D, which pause). A round fails when the runner reports a sanitizer finding,
# exits with an error, does not end within 10 minutes of play, or hangs (no result after
# SOAK_ROUND_TIMEOUT seconds, default 600).
#
#   usage: scripts/soak.sh ROUNDS [FIRST]   plays rounds FIRST .. FIRST + ROUNDS - 1 (FIRST 1)
#          scripts/soak.sh --round N        replays round N alone and shows all it prints
#
# It prints per game the rounds played (and how many with a keyboard player) and the
# longest round, then every failure with its seed and the command that replays it; the
# exit status is 1 when any round failed. SOAK_JOBS rounds run at once (default: cores).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
sim=build-asan/tinsel-sim
round_limit=36000               # updates of play: 10 minutes
frames=$((round_limit + 1000))  # room for the loader before the round and the banner after
timeout_seconds=${SOAK_ROUND_TIMEOUT:-600}

usage() {
  echo "usage: scripts/soak.sh ROUNDS [FIRST] | scripts/soak.sh --round N" >&2
  exit 2
}
number() { [[ "$1" =~ ^[1-9][0-9]*$ ]] || usage; }

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$root/scripts/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}

# What round n plays: "game seed seats keyboard".
round_setup() {
  local n=$1 game pass seats=0,0,0,0 keyboard=0
  game=$(((n - 1) % 26 + 1))
  pass=$(((n - 1) / 26))
  # Alternate within each pass through the games, and flip between passes, so every game
  # gets as many keyboard rounds as rounds of computers alone.
  if [ $(((n - 1 + pass) % 2)) -eq 1 ]; then
    keyboard=1
    case $((pass / 2 % 4)) in
      0) seats=-1,0,0,0 ;;
      1) seats=0,-1,0,0 ;;
      2) seats=0,0,-1,0 ;;
      3) seats=0,0,0,-1 ;;
    esac
  fi
  echo "$game $n $seats $keyboard"
}

replay_command() {
  local game=$1 seed=$2 seats=$3 keyboard=$4
  local command="$sim --game $game --seed $seed --seats $seats --frames $frames"
  [ "$keyboard" = 1 ] && command+=" --keys <(scripts/random_keys.sh $seed $frames)"
  echo "$command"
}

# Plays round n; writes one result line "n game seed seats keyboard round reason" (reason
# "ok" or what went wrong) to PREFIX.result, and a failed round's errors to PREFIX.err.
play_round() {
  local n=$1 out=$2 game seed seats keyboard keys line status=0 played round reason=ok
  read -r game seed seats keyboard < <(round_setup "$n")
  local args=(--game "$game" --seed "$seed" --seats "$seats" --frames "$frames")
  if [ "$keyboard" = 1 ]; then
    keys="$out.keys"
    sh scripts/random_keys.sh "$seed" "$frames" >"$keys"
    args+=(--keys "$keys")
  fi
  line=$(timeout "$timeout_seconds" "$sim" "${args[@]}" 2>"$out.err") || status=$?
  played=$(sed -n 's/.* frames=\([0-9]*\).*/\1/p' <<<"$line")
  round=$(sed -n 's/.* round=\([0-9]*\).*/\1/p' <<<"$line")
  if grep -qE 'Sanitizer|runtime error:' "$out.err"; then
    reason="sanitizer report: $(grep -m1 -E 'ERROR: .*Sanitizer|runtime error:' "$out.err" | cut -c1-160)"
  elif [ "$status" -eq 124 ]; then
    reason="hung: no result after $timeout_seconds s"
  elif [ "$status" -ne 0 ]; then
    reason="exit status $status: $(tail -n 1 "$out.err" | cut -c1-160)"
  elif [ -z "$played" ] || [ -z "$round" ]; then
    reason="no result line: $line"
  elif [ "$played" -ge "$frames" ] || [ "$round" -gt "$round_limit" ]; then
    reason="no end within $round_limit updates of play"
  fi
  [ "$reason" = ok ] && rm -f "$out.err"
  rm -f "$out.keys"
  echo "$n $game $seed $seats $keyboard ${round:-0} $reason" >"$out.result"
}

build() {
  bash scripts/setup.sh
  if [ ! -f build-asan/CMakeCache.txt ]; then
    local launcher=()
    if command -v ccache >/dev/null; then
      launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    fi
    cmake -S . -B build-asan -DTJ_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
  fi
  echo "== building build-asan's tinsel-sim and its data"
  if ! cmake --build build-asan -j "$(nproc)" --target tinsel-sim tj_data >build-asan/soak-build.log 2>&1; then
    grep -E 'error' build-asan/soak-build.log | head -n 40 || true
    exit 1
  fi
}

if [ "${1:-}" = --round ]; then
  [ $# -eq 2 ] || usage
  number "$2"
  build
  read -r game seed seats keyboard < <(round_setup "$2")
  command=$(replay_command "$game" "$seed" "$seats" "$keyboard")
  echo "== round $2: $command"
  eval "$command"
  exit
fi

[ $# -ge 1 ] && [ $# -le 2 ] || usage
number "$1"
rounds=$1
first=${2:-1}
number "$first"
build

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export -f round_setup play_round
export sim frames round_limit timeout_seconds
echo "== playing rounds $first..$((first + rounds - 1)), ${SOAK_JOBS:-$(nproc)} at a time"
start=$(date +%s)
seq "$first" $((first + rounds - 1)) |
  xargs -P "${SOAK_JOBS:-$(nproc)}" -I{} bash -c 'play_round {} "$0/round-{}"' "$work"
elapsed=$(($(date +%s) - start))
cat "$work"/*.result | sort -n >"$work/results"

# Keep the runner's errors of failed rounds for a look afterwards.
failures=$(awk '$7 != "ok"' "$work/results" | wc -l)
rm -rf build-asan/soak-failures
if [ "$failures" -gt 0 ]; then
  mkdir -p build-asan/soak-failures
  cp "$work"/*.err build-asan/soak-failures/
fi

awk '
  { game = $2; rounds[game]++; keyboard[game] += $5
    if ($6 > longest[game]) { longest[game] = $6; longestSeed[game] = $3 }
    if ($7 != "ok") failed[game]++ }
  END {
    print "game  rounds  with keyboard  longest round                      failed"
    for (g = 1; g <= 26; g++) {
      if (!(g in rounds)) continue
      printf "%2d %c  %6d  %13d  %5d updates %5.1f s (seed %4d)  %6d\n", g, 64 + g, rounds[g], keyboard[g],
        longest[g], longest[g] / 60, longestSeed[g], failed[g]
    }
  }' "$work/results"

while read -r n game seed seats keyboard round reason; do
  [ "$reason" = ok ] && continue
  echo "FAIL round $n, game $game, seed $seed, seats $seats: $reason"
  echo "  replay: scripts/soak.sh --round $n"
  echo "  or:     $(replay_command "$game" "$seed" "$seats" "$keyboard")"
done <"$work/results"

reports=$(grep -c 'sanitizer report' "$work/results" || true)
echo "soak: $rounds rounds in $elapsed s, $failures failed, $reports with sanitizer reports"
[ "$failures" -eq 0 ] || { echo "the failed rounds' errors are in build-asan/soak-failures/"; exit 1; }
