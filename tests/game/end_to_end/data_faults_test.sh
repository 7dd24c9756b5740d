#!/bin/sh
# What a player reads when the game's files or its sound device fail. No data (or no
# images): one line and status 1. Damaged or missing files and no sound device: one line
# each and nothing else, and the game still loads and quits with status 0.
game=$(realpath "$1")
[ -n "$DISPLAY" ] || { echo "no display"; exit 77; }
command -v xdotool >/dev/null || { echo "no xdotool"; exit 77; }
command -v import >/dev/null || { echo "no ImageMagick import"; exit 77; }
. "$(dirname "$0")/../../../scripts/game_window.sh"

data="$(dirname "$game")/data"
work=$(mktemp -d)
cd "$work" || exit 1
# The program looks for data/ beside itself, so it runs from a copy in the scratch folder.
cp "$game" tinsel-jumble
fail() {
  echo "FAIL: $*"
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  exit 1
}
reads() {
  echo "$1: the player reads:"
  sed 's/^/  /' err.txt
}

# No sound device: OpenAL may only try ALSA, for a device that does not exist, which ALSA
# and OpenAL both complain about at length unless the game keeps them quiet.
printf '[general]\ndrivers=alsa\n[alsa]\ndevice=tj-no-such-device\n' >alsoft.conf
export ALSOFT_CONF="$work/alsoft.conf"
unset ALSOFT_DRIVERS ALSOFT_LOGLEVEL

./tinsel-jumble >out.txt 2>err.txt
status=$?
reads "no data folder"
[ $status -eq 1 ] || fail "exit status $status, not 1"
[ "$(cat err.txt)" = "No game data: $work/data is missing. Build the game (cmake --build build) to make it." ] ||
  fail "unexpected message"

mkdir -p data/sfx
cp "$data/sfx/001.wav" data/sfx/
./tinsel-jumble >out.txt 2>err.txt
status=$?
reads "a data folder without images"
[ $status -eq 1 ] || fail "exit status $status, not 1"
[ "$(cat err.txt)" = "No game data: $work/data holds no images. Build the game (cmake --build build) to make them." ] ||
  fail "unexpected message"

rm -rf data
cp -r "$data" data
# Every art level's file is spoilt, as the window's size picks the level.
for level in "" -hd -hd2; do
  rm "data/common/icons$level.png"
  printf 'not a picture' >"data/parts$level.png"
  cp "data/heart$level.png" "data/menu$level.png"
done
printf 'RIFF, but nothing more' >data/sfx/005.wav
start_game ./tinsel-jumble game.log
[ -n "$window" ] || fail "no window"
wait_for_menu "$window" || fail "the load never completed"
xdotool key Escape
wait_for_exit || fail "Esc in the menu did not quit"
wait "$pid"
status=$?
pid=
grep -v '^opening openal device$' game.log >err.txt
reads "damaged and missing files, no sound device"
[ $status -eq 0 ] || fail "exit status $status, not 0"
sed -E 's/-hd2?[.]png/.png/' err.txt | sort >got.txt
sort >want.txt <<EOF
Missing data file $work/data/common/icons.png
Damaged data file $work/data/parts.png
Damaged data file $work/data/menu.png (too small for its frames)
Damaged data file $work/data/sfx/005.wav
No sound device: playing without sound
EOF
diff want.txt got.txt || fail "other lines than these"
cd / && rm -rf "$work"
echo ok
