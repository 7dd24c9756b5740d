#!/usr/bin/env bash
# Frame statistics of the real game on a virtual display: the game runs with --stats,
# first SECONDS in the game-select menu, then SECONDS of game A (rounds back to back: a
# press of Space every few seconds starts the next round from the menu, so round-end
# banners are in the figures too), once in the 640 x 480 window and once in fullscreen
# on a 1280 x 1024 screen. Each phase is summarised from the game's once-a-second lines
# (the first three, the loader's, are left out): the mean updates and frames per second,
# the mean update, render and swap times, the worst update and render, and the mean
# draw calls per frame.
#
#   bash scripts/frame_stats.sh [SECONDS]        (default 60; needs a built tree in build/)
#
# The numbers describe this machine and its software renderer; they are for comparing
# changes, not a pass mark.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
program=$PWD/build/tinsel-jumble

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill $pid 2>/dev/null; rm -rf "$work"' EXIT
export ALSOFT_DRIVERS=null
press() { xdotool keydown "$1"; sleep 0.08; xdotool keyup "$1"; sleep 0.08; }

summary() {  # label, file of stats lines
  awk -v label="$1" '
    /^stats: / {
      n++; ups += $2; fps += $4; um += $7; rm += $14; sm += $21; dc += $24
      if ($10 > uw) uw = $10
      if ($17 > rw) rw = $17
    }
    END {
      if (n == 0) { printf "%-28s no statistics\n", label; exit }
      printf "%-28s %5.1f %6.1f  %6.2f %7.2f  %6.2f %7.2f  %6.2f  %6.1f  (%d s)\n",
             label, ups / n, fps / n, um / n, uw, rm / n, rw, sm / n, dc / n, n
    }' "$2"
}

run() {  # label, extra options
  local label=$1
  shift
  (cd "$work" && exec "$program" --stats "$@" 2>"$work/stats.log" >/dev/null) &
  pid=$!
  local window
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tinsel Jumble$' | head -n 1)
  xdotool mousemove 1270 1010
  xdotool windowfocus --sync "$window"
  sleep 3
  local start
  start=$(grep -c '^stats: ' "$work/stats.log" || true)
  sleep "$seconds"
  local menuEnd
  menuEnd=$(grep -c '^stats: ' "$work/stats.log" || true)
  for _ in $(seq 1 26); do press Left; done
  local waited=0
  while [ $waited -lt "$seconds" ]; do
    press space
    sleep 3
    waited=$((waited + 3))
  done
  local gameEnd
  gameEnd=$(grep -c '^stats: ' "$work/stats.log" || true)
  kill $pid
  wait $pid 2>/dev/null || true
  pid=
  grep '^stats: ' "$work/stats.log" | sed -n "$((start + 1)),${menuEnd}p" >"$work/menu"
  grep '^stats: ' "$work/stats.log" | sed -n "$((menuEnd + 2)),${gameEnd}p" >"$work/game"
  summary "$label menu" "$work/menu"
  summary "$label game A" "$work/game"
}

echo "                               ups    fps  update mean/worst ms  render mean/worst ms  swap ms  draws/frame"
run "640x480"
run "fullscreen 1280x1024" --fullscreen
