#!/usr/bin/env bash
# The screenshots the AppStream description shows, made from the real game in its
# 640 x 480 window on a virtual display: the game-select menu, and a game in play with
# the four seats taken by the computer and the keyboard player.
#
#   bash packaging/screenshots.sh [GAME] [SECONDS]
#
# GAME is 1 (A) .. 26 (Z), shot SECONDS after its start (defaults 3 and 6). Needs a
# built tree in build/. Writes packaging/screenshots/menu.png and play.png; publish them
# under the game's web home, where the description points.
set -euo pipefail
cd "$(dirname "$0")/.."
game=${1:-3}
seconds=${2:-6}
out=$PWD/packaging/screenshots

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
xdotool mousemove 1270 1010  # the pointer out of the picture
wait_for_menu "$window" || { echo "the game never reached its menu" >&2; exit 1; }
for _ in $(seq 1 26); do press Left; done
for _ in $(seq 2 "$game"); do press Right; done
sleep 1.5
mkdir -p "$out"
shot "$out/menu.png"
press space
sleep "$seconds"
shot "$out/play.png"
echo "$out/menu.png $out/play.png"
