#!/bin/sh
# A quick tap of Esc in the menu quits, every time: `xdotool key` presses and releases
# 12 ms apart, often both between two updates. Each try starts afresh and must end in 3 s.
game=$(realpath "$1")
tries="${2:-20}"
[ -n "$DISPLAY" ] || { echo "no display"; exit 77; }
command -v xdotool >/dev/null || { echo "no xdotool"; exit 77; }
command -v import >/dev/null || { echo "no ImageMagick import"; exit 77; }
. "$(dirname "$0")/../../../scripts/game_window.sh"

work=$(mktemp -d)
cd "$work" || exit 1
export ALSOFT_DRIVERS=null
# Each try quits the game a moment after the GL driver started its threads; under a busy
# machine LeakSanitizer's exit-time tracer sometimes crashes on them, which says nothing
# about the tap. Leaks are the other window tests' business.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

quit=0
for try in $(seq 1 "$tries"); do
  start_game "$game" "game$try.log"
  if [ -n "$window" ] && wait_for_menu "$window"; then
    xdotool key Escape
    wait_for_exit
  else
    echo "try $try: the menu never showed"
  fi
  if kill -0 "$pid" 2>/dev/null; then
    echo "try $try: the tap was lost, the game still runs"
    kill "$pid"
    wait "$pid" 2>/dev/null
  elif wait "$pid"; then
    quit=$((quit + 1))
  else
    echo "try $try: the game ended with a failure status"
  fi
done
echo "Esc taps that quit the game: $quit of $tries"
[ "$quit" -eq "$tries" ] && rm -rf "$work"
[ "$quit" -eq "$tries" ]
