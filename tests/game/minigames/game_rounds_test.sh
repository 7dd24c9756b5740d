#!/bin/sh
# Whole rounds of one game played headless by the real program:
#   1. four computer players, one round per seed: every round ends within the round limit
#      (with a winner or a draw), and the same seed plays the same round twice;
#   2. a keyboard player on random held keys (moves and fires, never pause) beside three
#      computers: the round still ends;
#   3. three computers against a seat that reads a joystick that is not there: the
#      computers' mean score clearly beats the idle seat's (by a twentieth of it, and
#      by at least half a point), so computers that stop steering or firing turn this red.
# It ends with one summary line: round lengths (min / median / max) and the two means.
#
# usage: game_rounds_test.sh SIM GAME [--seeds N] [--keyboard-seeds N] [--idle-seeds N]
#                            [--round-limit FRAMES] [--median-seconds LO,HI]
sim="$1"
game="$2"
shift 2
seeds=50
keyboard_seeds=5
idle_seeds=50
limit=36000
median_range=""
while [ $# -gt 0 ]; do
  case "$1" in
    --seeds) seeds="$2" ;;
    --keyboard-seeds) keyboard_seeds="$2" ;;
    --idle-seeds) idle_seeds="$2" ;;
    --round-limit) limit="$2" ;;
    --median-seconds) median_range="$2" ;;
    *) echo "unknown option $1"; exit 2 ;;
  esac
  shift 2
done

fail() { echo "FAIL game $game: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Room for the loader before the round and the banner after it.
frames=$((limit + 1000))

field() { echo "$1" | sed -n "s/.* $2=\([^ ]*\).*/\1/p"; }

# Plays one round; fails unless it ended within the limit. Prints the runner's line.
play() {
  line=$("$sim" --game "$game" --frames "$frames" "$@" 2>"$work/err") || fail "exit $? with $*: $(cat "$work/err")"
  played=$(field "$line" frames)
  round=$(field "$line" round)
  [ "$played" -lt "$frames" ] && [ "$round" -le "$limit" ] || fail "no end within $limit frames with $*: $line"
  echo "$line"
}

# Random held keys from a seed (moves and fire A..C, never pause), one line per update.
random_keys() { sh "$(dirname "$0")/../../../scripts/random_keys.sh" "$1" "$frames"; }

# 1. Four computers.
seed=1
: > "$work/rounds"
while [ "$seed" -le "$seeds" ]; do
  line=$(play --seed "$seed" --seats 0,0,0,0) || exit 1
  winner=$(field "$line" winner)
  [ "$winner" -ge -1 ] 2>/dev/null || fail "seed $seed: bad winner: $line"
  if [ "$seed" -le 3 ]; then
    again=$(play --seed "$seed" --seats 0,0,0,0) || exit 1
    [ "$line" = "$again" ] || fail "seed $seed plays differently the second time"
  fi
  field "$line" round >> "$work/rounds"
  seed=$((seed + 1))
done
lengths=$(sort -n "$work/rounds" | awk '{ v[NR] = $1 } END {
  m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
  printf "%d %d %d", v[1], m, v[NR] }')
set -- $lengths
shortest=$1 median=$2 longest=$3
if [ -n "$median_range" ]; then
  low=${median_range%,*}
  high=${median_range#*,}
  [ "$median" -ge $((low * 60)) ] && [ "$median" -le $((high * 60)) ] \
    || fail "median round of $median frames is outside $low..$high s"
fi

# 2. A keyboard player on random keys.
seed=1
while [ "$seed" -le "$keyboard_seeds" ]; do
  random_keys "$seed" > "$work/keys"
  play --seed "$seed" --seats -1,0,0,0 --keys "$work/keys" > /dev/null || exit 1
  seed=$((seed + 1))
done

# 3. Computers against an idle seat.
seed=1
: > "$work/idle"
while [ "$seed" -le "$idle_seeds" ]; do
  line=$(play --seed "$seed" --seats 0,0,0,4) || exit 1
  field "$line" scores >> "$work/idle"
  seed=$((seed + 1))
done
means=$(awk -F, '{ computers += $1 + $2 + $3; idle += $4 } END {
  printf "%.1f %.1f", computers / (3 * NR), idle / NR }' "$work/idle")
set -- $means
computer_mean=$1 idle_mean=$2
# A clear margin: an idle seat may pick up the odd point by luck, and computers that only
# match it are not playing.
awk -v c="$computer_mean" -v i="$idle_mean" 'BEGIN { exit !(c > i + (0.05 * i > 0.5 ? 0.05 * i : 0.5)) }' \
  || fail "computer players score no better than an idle seat: $computer_mean vs $idle_mean"

awk -v g="$game" -v n="$seeds" -v a="$shortest" -v m="$median" -v z="$longest" -v k="$keyboard_seeds" \
  -v c="$computer_mean" -v i="$idle_mean" -v s="$idle_seeds" 'BEGIN {
  printf "game %d: %d rounds of four computers last %d / %d / %d updates (%.1f / %.1f / %.1f s, min / median / max); ", \
    g, n, a, m, z, a / 60, m / 60, z / 60
  printf "%d keyboard rounds ended; over %d rounds computers score %.1f, an idle seat %.1f\n", k, s, c, i }'
