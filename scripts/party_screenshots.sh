#!/usr/bin/env bash
# Screenshots of a party of rounds in the real window on a virtual display: the menu with
# its party hint, the lobby, the first standings, and after every round the standings
# with its points arriving and, a few and a few more seconds later, the next screens (the
# podium after the last round). Red leaves its seat in the lobby, so four computers play a party to 5.
#
#   bash scripts/party_screenshots.sh OUTDIR [ROUND_TIMEOUT_SECONDS] [WIDTHxHEIGHT]
#
# A window size other than the starting 640x480 (1280x720, say, for the 16:9 layout the
# game lays out as 640x360) is set before the first shot.
# Needs a built tree in build/ (bash scripts/play.sh builds one). Writes OUTDIR/menu.png,
# lobby.png, start.png, pause.png, pause-leave.png, and round-N-standings.png,
# round-N-after.png and round-N-later.png per round.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:?output folder}")
timeout=${2:-200}
size=${3:-}
mkdir -p "$out"

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

program=$PWD/build/tinsel-jumble
. scripts/game_window.sh
press_seconds=0.12
work=$(mktemp -d)
cd "$work"
export ALSOFT_DRIVERS=null
start_game "$program" game.log
trap 'kill $pid 2>/dev/null || true; rm -rf "$work"' EXIT
if [ -n "$size" ]; then
  xdotool windowmove --sync "$window" 0 0
  xdotool windowsize --sync "$window" "${size%x*}" "${size#*x}"
fi
saved() { stat -c %Y .quillostate 2>/dev/null || echo 0; }

wait_for_menu "$window" || { echo "the game never reached its menu" >&2; exit 1; }
sleep 2  # the menu fades in and its panel slides in
shot "$out/menu.png"
press n
sleep 0.5
press Left  # a party to 5
press c     # Red leaves: computers in every seat
sleep 0.5
shot "$out/lobby.png"
touch -d '1 minute ago' .quillostate 2>/dev/null || true
press space
sleep 1
shot "$out/start.png"

# The first round at once, paused: the pause menu's way out of the party, and the
# question after one press of Esc; fire A on the resume button plays on.
sleep 1
press space
sleep 4
press Escape
sleep 1
shot "$out/pause.png"
press Escape
sleep 0.3
shot "$out/pause-leave.png"
press space

# Returning from a round saves; its standings show at once and the points arrive within
# about a second and a half.
for round in $(seq 1 12); do
  before=$(saved)
  waited=0
  while [ "$(saved)" = "$before" ]; do
    sleep 0.25
    waited=$((waited + 1))
    if [ $waited -ge $((timeout * 4)) ]; then
      echo "no round ended within $timeout s: the party is over" >&2
      exit 0
    fi
  done
  sleep 1.6
  shot "$out/round-$round-standings.png"
  sleep 3.2
  shot "$out/round-$round-after.png"
  sleep 3
  shot "$out/round-$round-later.png"
  touch -d '1 minute ago' .quillostate
done
