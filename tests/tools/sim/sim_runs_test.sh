#!/bin/sh
# Headless runs repeat exactly for the same seed and input, print nothing else (no sound
# device), differ for another seed; bad arguments print the usage and exit 2.
sim="$1"
fail() { echo "FAIL: $*"; exit 1; }

printf '39\n39\n39\n\n32\n' > keys.txt
first=$("$sim" --game 0 --seed 7 --frames 400 --seats -1,0,0,0 --keys keys.txt 2>err.txt) || fail "run 1 exited $?"
[ ! -s err.txt ] || fail "a good run printed on standard error: $(cat err.txt)"
second=$("$sim" --game 0 --seed 7 --frames 400 --seats -1,0,0,0 --keys keys.txt) || fail "run 2 exited $?"
other=$("$sim" --game 0 --seed 8 --frames 400 --seats -1,0,0,0 --keys keys.txt) || fail "run 3 exited $?"
echo "$first"
echo "$other"
echo "$first" | grep -Eq '^game=0 frames=400 round=[0-9]+ winner=-?[0-9]+ scores=-?[0-9]+,-?[0-9]+,-?[0-9]+,-?[0-9]+ hash=[0-9a-f]{16}$' \
  || fail "unexpected output: $first"
[ "$first" = "$second" ] || fail "two identical runs differ"
[ "$first" != "$other" ] || fail "another seed drew the same frames"

menu=$("$sim" --frames 120) || fail "menu run exited $?"
echo "$menu" | grep -q '^game=0 frames=120 ' || fail "menu run: $menu"

for args in "--game 40" "--frames" "--seats 1,2" "--bogus 1" "--keys /nonexistent/keys.txt"; do
  # shellcheck disable=SC2086
  "$sim" $args >/dev/null 2>err.txt
  status=$?
  [ $status -eq 2 ] || fail "'$args' exited $status, not 2"
  grep -q '^usage: tinsel-sim' err.txt || fail "'$args' printed no usage"
done
echo ok
