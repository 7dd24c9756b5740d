# Sourced by the scripts and end-to-end tests that drive the real game in its window on a
# virtual display. start_game PROGRAM LOG starts it in the current folder and sets $pid
# and $window (empty when none appeared); the menu runs once the loader's colour has come
# and gone.
loader_colour='srgb(40,40,80)'

start_game() {
  "$1" >"$2" 2>&1 &
  pid=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tinsel Jumble$' | head -n 1)
  # No window manager runs: the pointer goes over the window and the window gets the
  # keyboard, or the game would pause itself for lack of focus.
  xdotool mousemove 640 512
  [ -n "$window" ] && xdotool windowfocus --sync "$window"
}

window_corner() { import -window "$1" -crop 1x1+4+4 txt:- 2>/dev/null | tail -n 1 | awk '{print $NF}'; }

# Waits until the loading screen has been seen and has gone: the menu runs then.
wait_for_menu() {
  seen_loader=no
  for _ in $(seq 1 150); do
    colour=$(window_corner "$1")
    if [ "$colour" = "$loader_colour" ]; then
      seen_loader=yes
    elif [ $seen_loader = yes ] && [ -n "$colour" ]; then
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# Waits up to 3 s for the program to end; true when it has.
wait_for_exit() {
  for _ in $(seq 1 30); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  ! kill -0 "$pid" 2>/dev/null
}

# The window's picture as the screen shows it, into FILE.
shot() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -strip "$1"
}

# A key held for $press_seconds (default 0.08) and a pause as long after it.
press() {
  xdotool keydown "$1"
  sleep "${press_seconds:-0.08}"
  xdotool keyup "$1"
  sleep "${press_seconds:-0.08}"
}
