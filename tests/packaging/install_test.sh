#!/bin/sh
# The install staged under /usr, checked as a packager and a desktop would.
# Usage: install_test.sh <build tree> <application id> <version>
build=$1
id=$2
version=$3
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

DESTDIR=$stage cmake --install "$build" --prefix /usr >"$stage.log" 2>&1 || { cat "$stage.log"; rm -f "$stage.log"; exit 1; }
rm -f "$stage.log"
usr=$stage/usr

for program in tinsel-jumble tinsel-sim; do
  [ -x "$usr/lib/tinsel-jumble/$program" ] || fail "no $program in lib/tinsel-jumble"
  [ "$(readlink "$usr/bin/$program")" = "../lib/tinsel-jumble/$program" ] || fail "bin/$program is not a relative link to lib/tinsel-jumble"
done
[ -f "$usr/lib/tinsel-jumble/data/vobo_font.png" ] && [ -f "$usr/lib/tinsel-jumble/data/sfx/001.wav" ] ||
  fail "the data folder is not beside the programs"
[ ! -e "$usr/lib/tinsel-jumble/data/.datagen.stamp" ] || fail "the build's stamp file was installed"
for size in 16 32 48 64 128 256; do
  icon=$usr/share/icons/hicolor/${size}x$size/apps/$id.png
  [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x$size" ] || fail "no ${size}x$size icon"
done

desktop=$usr/share/applications/$id.desktop
metainfo=$usr/share/metainfo/$id.metainfo.xml
command -v desktop-file-validate >/dev/null && command -v appstreamcli >/dev/null ||
  fail "the validators are missing (bash scripts/setup.sh installs desktop-file-utils and appstream)"
report=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$report" ] || fail "launcher: $report"
# --no-net: the screenshots are published with the web pages, not checked from here.
report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "AppStream: $report"
echo "$report" | grep -q '^[EWI]:' && fail "AppStream is not clean: $report"
grep -qx "Exec=tinsel-jumble --save-in-data-home" "$desktop" || fail "the launcher does not keep the save in the data home"
grep -qx "Icon=$id" "$desktop" || fail "the launcher names another icon"
grep -q "<release version=\"$version\"" "$metainfo" || fail "AppStream does not name release $version"

# From the root folder, through the links: the data must come from beside the real
# programs, so the installed runner plays exactly as the built one does.
cd / || exit 1
got=$("$usr/bin/tinsel-jumble" --version) || fail "installed --version failed"
[ "$got" = "tinsel-jumble $version" ] || fail "installed --version says '$got'"
expected=$("$build/tinsel-sim" --game 1 --seed 1 --seats 0,0,0,0 2>/dev/null)
got=$("$usr/bin/tinsel-sim" --game 1 --seed 1 --seats 0,0,0,0 2>/dev/null) || fail "installed tinsel-sim failed"
[ -n "$expected" ] && [ "$got" = "$expected" ] || fail "installed tinsel-sim from / gives '$got', the build '$expected'"

[ $failures = 0 ] || exit 1
echo "PASS"
