#!/usr/bin/env bash
# Resident memory (VmRSS) of the real game in its window on a virtual display: in the
# 640 x 480 window once the art has loaded, in fullscreen on a 1280 x 1024 screen, and
# back in the window after six switches (F11) back and forth. Each figure is taken once
# the memory has stopped moving, so the loader has finished and old art has gone.
#
#   bash bench/window_memory.sh [PROGRAM]
#
# PROGRAM defaults to build/tinsel-jumble. Prints one line per figure, in MB.
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/tinsel-jumble}")

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$program"
fi

. scripts/game_window.sh
work=$(mktemp -d)
cd "$work"
export ALSOFT_DRIVERS=null
start_game "$program" game.log
trap 'kill $pid 2>/dev/null || true; wait $pid 2>/dev/null || true; rm -rf "$work"' EXIT

rss_mb() { awk '/^VmRSS/ { printf "%d", $2 / 1024 }' "/proc/$pid/status"; }

# Waits until three samples half a second apart agree within 2 MB (at most 30 s).
settled_rss() {
  local previous=-100 steady=0 now
  for _ in $(seq 1 60); do
    sleep 0.5
    now=$(rss_mb)
    if [ $((now - previous)) -le 2 ] && [ $((previous - now)) -le 2 ]; then
      steady=$((steady + 1))
      [ $steady -ge 2 ] && break
    else
      steady=0
    fi
    previous=$now
  done
  echo "$now"
}

size() { xdotool getwindowgeometry "$window" | awk '/Geometry/ { print $2 }'; }
switch() { xdotool keydown F11; sleep 0.1; xdotool keyup F11; }

echo "window $(size): $(settled_rss) MB"
switch
echo "fullscreen $(size): $(settled_rss) MB"
for _ in 2 3 4 5 6; do
  switch
  settled_rss > /dev/null
done
echo "window $(size) after six switches: $(settled_rss) MB"
