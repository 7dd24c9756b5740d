#!/bin/sh
# The real window's close box ends the program with status 0; skipped (77) without a display.
# Usage: window_close_test.sh <window probe> <close request sender> [--flip]
probe=$1
send_close=$2
shift 2
[ -n "$DISPLAY" ] || { echo "no DISPLAY: skipped"; exit 77; }

out=$(mktemp)
"$probe" "$@" >"$out" 2>&1 &
pid=$!
fail() { echo "FAIL: $*"; echo "--- program output:"; cat "$out"; kill "$pid" 2>/dev/null; rm -f "$out"; exit 1; }

window=$(timeout 10 xdotool search --sync --onlyvisible --name '^Tinsel Jumble$' | head -n 1)
[ -n "$window" ] || fail "no window titled 'Tinsel Jumble' appeared"

# With --flip the program switches modes while A is held; the switch must release it.
[ "$1" = "--flip" ] && sleep 0.3 && xdotool keydown a
# Let the program run its first updates (and, with --flip, its mode switches).
for i in $(seq 1 100); do
  if [ "$1" = "--flip" ]; then grep -q '^windowed' "$out" && break; else grep -q '^window ' "$out" && break; fi
  sleep 0.05
done

geometry=$(xwininfo -id "$window")
width=$(echo "$geometry" | awk '/^  Width:/ {print $2}')
height=$(echo "$geometry" | awk '/^  Height:/ {print $2}')
x=$(echo "$geometry" | awk '/Absolute upper-left X:/ {print $4}')
y=$(echo "$geometry" | awk '/Absolute upper-left Y:/ {print $4}')
screen=$(xdpyinfo 2>/dev/null | awk '/dimensions:/ {print $2}')
[ "$width" = 640 ] && [ "$height" = 480 ] || fail "window is ${width}x${height}, not 640x480"
grep -q '^window 640x480 openings 1$' "$out" || fail "the program did not see a 640x480 window opened once"
if [ -n "$screen" ]; then
  sw=${screen%x*}; sh=${screen#*x}
  [ "$x" = $(( (sw - 640) / 2 )) ] && [ "$y" = $(( (sh - 480) / 2 )) ] || fail "window at $x,$y is not centred on $screen"
fi
if [ "$1" = "--flip" ]; then
  grep -q "^fullscreen $screen openings 1\$" "$out" || fail "fullscreen did not fill the $screen screen in the same context"
  grep -q '^windowed 640x480 openings 1$' "$out" || fail "the window did not come back at 640x480"
  grep -q '^A after switch released$' "$out" || fail "the key held across the switch was not released"
  xdotool keyup a
fi
# The frames reach the screen: the middle of the window shows the probe's background.
centre=$(import -window root -crop "1x1+$((x + 320))+$((y + 240))" txt:- | tail -n 1)
echo "$centre" | grep -q 'srgb(40,80,120)' || fail "window centre shows $centre"
[ -n "$SCREENSHOT" ] && import -window root "$SCREENSHOT"

kill -0 "$pid" 2>/dev/null || fail "the program ended before the close box was pressed"
"$send_close" "$window" || fail "could not send the close request"
status=124
for i in $(seq 1 100); do
  if ! kill -0 "$pid" 2>/dev/null; then wait "$pid"; status=$?; break; fi
  sleep 0.05
done
[ "$status" = 0 ] || fail "exit status $status after the close box, not 0"
echo "--- program output:"; cat "$out"; rm -f "$out"
echo "PASS"
