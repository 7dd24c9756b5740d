#!/bin/sh
# A quick tap of Esc in the menu quits the game, every time. `xdotool key` presses and
# releases a key 12 ms apart, so press and release often both land between two updates;
# the tap must still count. The game is started afresh for each try (20 by default), the
# tap comes once the menu shows, and the program must end with status 0 within 3 s.
game=$(realpath "$1")
tries="${2:-20}"
[ -n "$DISPLAY" ] || { echo "no display"; exit 77; }
command -v xdotool >/dev/null || { echo "no xdotool"; exit 77; }
command -v import >/dev/null || { echo "no ImageMagick import"; exit 77; }

work=$(mktemp -d)
cd "$work" || exit 1
export ALSOFT_DRIVERS=null

# The loading screen's background; the menu's first frames fade in from black.
loader_colour='srgb(40,40,80)'
corner() { import -window "$1" -crop 1x1+4+4 txt:- 2>/dev/null | tail -n 1 | awk '{print $NF}'; }

# Waits until the loader has been seen and has gone: the menu is running then.
wait_for_menu() {
  seen_loader=no
  for _ in $(seq 1 150); do
    colour=$(corner "$1")
    if [ "$colour" = "$loader_colour" ]; then
      seen_loader=yes
    elif [ $seen_loader = yes ] && [ -n "$colour" ]; then
      return 0
    fi
    sleep 0.1
  done
  return 1
}

quit=0
for try in $(seq 1 "$tries"); do
  "$game" >"game$try.log" 2>&1 &
  pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tinsel Jumble$' | head -n 1)
  # No window manager runs: the pointer goes over the window and the window gets the
  # keyboard, or the game would pause itself for lack of focus.
  xdotool mousemove 640 512
  [ -n "$window" ] && xdotool windowfocus --sync "$window"
  if [ -n "$window" ] && wait_for_menu "$window"; then
    xdotool key Escape
    for _ in $(seq 1 30); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
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
