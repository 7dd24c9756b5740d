#!/usr/bin/env bash
# Builds the Debian package of Tinsel Jumble in build-package/ (a Release tree), checks
# what is in it and validates its launcher and AppStream file.
#
#   bash scripts/package.sh                 build and check the package
#   bash scripts/package.sh --try-install   then, as root, install it on this machine with
#                                           apt, use it as a player would, remove it and
#                                           show that nothing it installed is left
#
# The try runs the installed game from / and starts the launcher's own command on a
# virtual display with a fresh home folder: the window must appear and, after a round of
# game A, the save must be in that home's .local/share/tinsel-jumble. Screenshots and the
# game's output land in build-package/try-install/.
set -euo pipefail
cd "$(dirname "$0")/.."
try_install=0
case "${1:-}" in
  "") ;;
  --try-install) try_install=1 ;;
  *) echo "usage: bash scripts/package.sh [--try-install]" >&2; exit 2 ;;
esac

bash scripts/setup.sh
tree=$PWD/build-package
mkdir -p "$tree"
echo "== building the package in $tree"
cmake -S . -B "$tree" -DCMAKE_BUILD_TYPE=Release >"$tree/configure.log"
cmake --build "$tree" -j "$(nproc)" --target tinsel-jumble tinsel-sim tj_icons >"$tree/build.log" 2>&1 ||
  { tail -n 40 "$tree/build.log"; exit 1; }
rm -f "$tree"/tinsel-jumble_*.deb
(cd "$tree" && cpack -G DEB >cpack.log 2>&1) || { cat "$tree/cpack.log"; exit 1; }
deb=$(ls "$tree"/tinsel-jumble_*.deb)
id=$(sed -n 's/^TJ_APP_ID:STRING=//p' "$tree/CMakeCache.txt")
echo "== $deb"
dpkg-deb --field "$deb" Package Version Architecture Installed-Size Depends

contents=$(mktemp -d)
trap 'rm -rf "$contents"' EXIT
dpkg-deb --extract "$deb" "$contents"
echo "== contents (data/ summarised)"
(cd "$contents" && find . -mindepth 1 -not -path './usr/lib/tinsel-jumble/data/*' | sort)
echo "   ./usr/lib/tinsel-jumble/data/: $(find "$contents/usr/lib/tinsel-jumble/data" -type f | wc -l) files"
echo "== desktop-file-validate"
desktop-file-validate "$contents/usr/share/applications/$id.desktop" && echo "   no complaints"
echo "== appstreamcli validate --no-net"
appstreamcli validate --no-net "$contents/usr/share/metainfo/$id.metainfo.xml"

[ $try_install = 1 ] || exit 0

# ---------------------------------------------------------------- the try on this machine
[ "$(id -u)" = 0 ] || { echo "--try-install needs root (apt installs into /usr)" >&2; exit 1; }
if dpkg-query -W -f='${Status}' tinsel-jumble 2>/dev/null | grep -q "install ok installed"; then
  echo "tinsel-jumble is installed already; remove it first (apt-get remove tinsel-jumble)" >&2
  exit 1
fi
out=$tree/try-install
rm -rf "$out"
mkdir -p "$out"
home=$(mktemp -d)
trap 'rm -rf "$contents" "$home"' EXIT

echo "== apt-get install $deb"
DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" 2>&1 | grep -E '^(Setting up|Unpacking|Processing|E:)' || true
dpkg-query -W -f='${Status}\n' tinsel-jumble | grep -q "install ok installed" || { echo "not installed" >&2; exit 1; }
installed=$(dpkg-query -L tinsel-jumble)

echo "== from /"
(cd / && set -x && command -v tinsel-jumble tinsel-sim && tinsel-jumble --version &&
  tinsel-sim --game 1 --seed 1 --seats 0,0,0,0 2>/dev/null)

launcher=/usr/share/applications/$id.desktop
command=$(sed -n 's/^Exec=//p' "$launcher")
echo "== the launcher's command '$command' on a virtual display, HOME=$home, XDG_DATA_HOME unset"
status=0
env -u XDG_DATA_HOME HOME="$home" ALSOFT_DRIVERS=null OUT="$out" COMMAND="$command" \
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    set -u
    cd /
    $COMMAND >"$OUT/game.log" 2>&1 &
    pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Tinsel Jumble\$" | head -n 1)
    [ -n "$window" ] || { echo "no window appeared"; kill $pid; exit 1; }
    xdotool mousemove 1270 1010
    xdotool windowfocus --sync "$window"
    echo "   window $window: $(xwininfo -id "$window" | awk "/^  Width:/ {w=\$2} /^  Height:/ {h=\$2} END {print w \"x\" h}"), class $(xprop -id "$window" WM_CLASS | cut -d= -f2)"
    press() { xdotool keydown "$1"; sleep 0.08; xdotool keyup "$1"; sleep 0.08; }
    sleep 3
    import -window root "$OUT/launcher-menu.png"
    for _ in $(seq 1 26); do press Left; done
    press space
    save=$HOME/.local/share/tinsel-jumble/.quillostate
    for _ in $(seq 1 240); do [ -f "$save" ] && break; sleep 0.5; done
    import -window root "$OUT/launcher-after-round.png"
    [ -f "$save" ] || { echo "no save in $save after two minutes"; kill $pid; exit 1; }
    echo "   after the round: $(ls -l "$save")"
    press F4
    for _ in $(seq 1 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
    wait $pid
    echo "   the game ended with status $?"
  ' || status=$?
find "$home" -mindepth 1 | sed "s|^$home|   HOME|"

echo "== apt-get remove --purge tinsel-jumble"
DEBIAN_FRONTEND=noninteractive apt-get remove --purge -y -q tinsel-jumble 2>&1 | grep -E '^(Removing|Purging|Processing|E:)' || true
dpkg-query -W -f='${Status}\n' tinsel-jumble 2>/dev/null | grep -q "installed" && { echo "still installed" >&2; exit 1; }
left=0
while IFS= read -r path; do
  [ -e "$path" ] || [ -L "$path" ] || continue
  # A folder other packages share (/usr/bin, the icon theme's folders) rightly stays.
  if [ -d "$path" ] && [ ! -L "$path" ] && dpkg-query -S "$path" >/dev/null 2>&1; then continue; fi
  echo "   left behind: $path"
  left=1
done <<<"$installed"
[ $left = 0 ] && echo "   nothing of the $(wc -l <<<"$installed") paths it installed is left but folders other packages own"
[ $status = 0 ] && [ $left = 0 ]
