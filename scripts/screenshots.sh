#!/usr/bin/env bash
# Screenshots of one game in the real window on a virtual display: the countdown, play
# after a few seconds, and the round-end banner. The keyboard seat (Red) joins but
# presses nothing, so the round is played out by the computers beside an idle Red.
#
#   bash scripts/screenshots.sh GAME OUTDIR [MID_SECONDS] [TIMEOUT_SECONDS]
#
# GAME is 1 (A) .. 26 (Z). Needs a built tree in build/ (bash scripts/play.sh builds one).
# Writes OUTDIR/<letter>-countdown.png, -play.png and -banner.png.
set -euo pipefail
cd "$(dirname "$0")/.."
game=${1:?game number 1..26}
out=$(realpath -m "${2:?output folder}")
mid=${3:-8}
timeout=${4:-300}
mkdir -p "$out"
letter=$(printf "\\$(printf '%03o' $((64 + game)))")

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

program=$PWD/build/tinsel-jumble
. scripts/game_window.sh
work=$(mktemp -d)
cd "$work"
export ALSOFT_DRIVERS=null
start_game "$program" game.log
trap 'kill $pid 2>/dev/null || true; rm -rf "$work"' EXIT
wait_for_menu "$window" || { echo "the game never reached its menu" >&2; exit 1; }
for _ in $(seq 1 26); do press Left; done
for _ in $(seq 2 "$game"); do press Right; done
touch -d '1 minute ago' .quillostate 2>/dev/null || true
saved_before=$(stat -c %Y .quillostate 2>/dev/null || echo 0)
press space
sleep 1.2
shot "$out/$letter-countdown.png"
sleep "$mid"
shot "$out/$letter-play.png"

# The menu saves when the round's score is filed, 90 updates after the banner appears:
# keep the last few shots and take the one from about half a second before the save.
waited=0
i=0
while [ "$(stat -c %Y .quillostate 2>/dev/null || echo 0)" = "$saved_before" ]; do
  shot "ring$((i % 4)).png"
  i=$((i + 1))
  sleep 0.15
  waited=$((waited + 1))
  [ $waited -lt $((timeout * 4)) ] || { echo "no round end within $timeout s" >&2; exit 1; }
done
[ $i -ge 3 ] || { echo "the round ended before the banner could be shot" >&2; exit 1; }
cp "ring$(((i - 3) % 4)).png" "$out/$letter-banner.png"
echo "$out/$letter-countdown.png $out/$letter-play.png $out/$letter-banner.png"
