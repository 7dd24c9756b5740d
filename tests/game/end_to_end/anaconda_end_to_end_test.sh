#!/bin/sh
# Game A through the real window and keys: to A, start, turn once, play to the end, quit
# with Esc (status 0); the save then holds the round's score and a second start loads it.
game=$(realpath "$1")
[ -n "$DISPLAY" ] || { echo "no display"; exit 77; }
command -v xdotool >/dev/null || { echo "no xdotool"; exit 77; }
command -v import >/dev/null || { echo "no ImageMagick import"; exit 77; }
# The program goes too, so its window can't confuse the next test.
fail() {
  echo "FAIL: $*"
  import -window root failure.png 2>/dev/null
  if [ -n "$pid" ]; then
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
  fi
  exit 1
}

work=$(mktemp -d)
cd "$work" || exit 1
echo "working in $work"
export ALSOFT_DRIVERS=null

. "$(dirname "$(realpath "$0")")/../../../scripts/game_window.sh"
# Starts the game and waits until its menu runs.
start() {
  start_game "$game" "$1"
  [ -n "$window" ] || fail "no window"
  wait_for_menu "$window" || fail "the load never completed"
}

# Presses Esc until the program ends (the menu ignores it while the round's points are
# still being tallied), then wants status 0.
quit_with_escape() {
  for _ in $(seq 1 60); do
    kill -0 "$pid" 2>/dev/null || break
    press Escape
    sleep 0.4
  done
  kill -0 "$pid" 2>/dev/null && fail "the program did not quit"
  wait "$pid"
  status=$?
  [ $status -eq 0 ] || fail "exit status $status"
}

start first.log
shot menu.png
for _ in $(seq 1 26); do press Left; done   # the cursor stops at A
sleep 0.3
shot menu_a.png
press space
sleep 1.5
shot countdown.png
sleep 2.5
press Down         # the red snake turns down
sleep 0.5
shot play.png

# The round is over when the menu has filed game A's score and saved it. (The file may
# exist earlier: the game also saves when its window loses focus.)
best_of_game_a() { cut -d'|' -f36 .quillostate 2>/dev/null; }
for _ in $(seq 1 300); do
  [ "$(best_of_game_a)" -gt 0 ] 2>/dev/null && break
  sleep 0.2
done
[ "$(best_of_game_a)" -gt 0 ] 2>/dev/null || fail "the round never ended (no score filed)"
shot banner.png
sleep 2
shot tally.png
quit_with_escape

# Game A's row: settings (26 fields) and flags (9) come first; then top and last scores
# alternate for ten places.
best=$(best_of_game_a)
last=$(cut -d'|' -f37 .quillostate)
echo "game A: best $best, last $last"
[ "$best" -gt 0 ] 2>/dev/null || fail "no best score filed: $best"
[ "$last" = "$best" ] || fail "the last-scores list does not hold the round: $last"

start second.log
grep -q '^Highscore 0 Loaded$' second.log || fail "the second start did not load game A's row"
for _ in $(seq 1 26); do press Left; done
sleep 0.3
shot second_menu_a.png
quit_with_escape
echo "ok; screenshots in $work"
