#!/bin/sh
# tinsel-jumble's command line: answers without a display, then a start in fullscreen
# with statistics and the save in the data home, quit with F4.
game=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Each case: arguments; status; a line stdout must hold; a line stderr must hold (empty:
# that stream stays empty).
usage="usage: tinsel-jumble [--fullscreen | --windowed] [--stats] [--save-in-data-home] [--help] [--version]"
while IFS=';' read -r args status out err; do
  # shellcheck disable=SC2086
  env -u DISPLAY -u WAYLAND_DISPLAY "$game" $args >stdout 2>stderr
  got=$?
  [ "$got" = "$status" ] || fail "'$args' exits $got, not $status"
  if [ -n "$out" ]; then grep -qxF -- "$out" stdout || fail "'$args' printed no line '$out'"; else [ ! -s stdout ] || fail "'$args' printed on standard output"; fi
  if [ -n "$err" ]; then
    grep -qxF -- "$err" stderr || fail "'$args' reported no line '$err'"
    [ "$(wc -l <stderr)" = 2 ] || fail "'$args' reported more than the error and the usage"
  else
    [ ! -s stderr ] || fail "'$args' wrote to standard error: $(cat stderr)"
  fi
done <<CASES
--version;0;tinsel-jumble $version;
--help;0;$usage;
--help;0;  started from this folder: $work/.quillostate;
--fullscreen --help;0;  fire A              Z, J, Space or Enter          button A;
--bogus;2;;tinsel-jumble: unknown option --bogus
--windowed --full;2;;tinsel-jumble: unknown option --full
-x;2;;tinsel-jumble: unknown option -x
savegame;2;;tinsel-jumble: unexpected argument savegame
--stats --version extra;2;;tinsel-jumble: unexpected argument extra
CASES
HOME=/home/someone XDG_DATA_HOME=/data/someone "$game" --help | grep -qxF "  with --save-in-data-home: /data/someone/tinsel-jumble/.quillostate" ||
  fail "--help does not name the save in XDG_DATA_HOME"
env -u DISPLAY "$game" --bogus 2>&1 | grep -qxF "$usage" || fail "a mistake is not followed by the usage"

if [ -z "$DISPLAY" ] || ! command -v xdotool >/dev/null; then
  echo "no display: the start was not tried"
  [ $failures = 0 ] || exit 1
  exit 77
fi

mkdir home started
cd started || exit 1
export ALSOFT_DRIVERS=null
HOME=$work/home XDG_DATA_HOME= "$game" --fullscreen --stats --save-in-data-home >../game.out 2>../game.err &
pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Tinsel Jumble$' | head -n 1)
if [ -z "$window" ]; then
  fail "no window appeared"
else
  xdotool windowfocus --sync "$window"
  for _ in $(seq 1 200); do grep -q '^stats: ' ../game.err && break; sleep 0.1; done
  grep -Eq '^stats: [0-9.]+ updates/s, [0-9.]+ frames/s, update [0-9.]+ ms mean [0-9.]+ ms worst, render [0-9.]+ ms mean [0-9.]+ ms worst, swap [0-9.]+ ms mean, [0-9.]+ draw calls/frame$' ../game.err ||
    fail "no line of frame statistics: $(cat ../game.err)"
  size=$(xwininfo -id "$window" | awk '/^  Width:/ {w=$2} /^  Height:/ {h=$2} END {print w "x" h}')
  screen=$(xdpyinfo | awk '/dimensions:/ {print $2}')
  [ "$size" = "$screen" ] || fail "--fullscreen gave a ${size} window on a ${screen} screen"
  # Losing the focus saves; the save must land in the per-user folder.
  xdotool windowfocus "$(xwininfo -root | awk '/Window id/ {print $4}')"
  for _ in $(seq 1 50); do [ -f "$work/home/.local/share/tinsel-jumble/.quillostate" ] && break; sleep 0.1; done
  [ -f "$work/home/.local/share/tinsel-jumble/.quillostate" ] || fail "no save in \$HOME/.local/share/tinsel-jumble"
  [ ! -e .quillostate ] || fail "the save went to the folder the game was started from"
  xdotool windowfocus --sync "$window"
  xdotool key F4
fi
status=124
for _ in $(seq 1 100); do
  if ! kill -0 "$pid" 2>/dev/null; then wait "$pid"; status=$?; break; fi
  sleep 0.1
done
[ "$status" = 0 ] || { fail "exit status $status after F4"; kill "$pid" 2>/dev/null; }
[ $failures = 0 ] || { echo "--- standard error:"; cat ../game.err; exit 1; }
echo "PASS"
