#!/bin/sh
# Plays every game number for 3000 updates headless, first with four computer players,
# then with a keyboard player who keeps turning and firing, and the menu for as long.
sim="$1"
fail() { echo "FAIL: $*"; exit 1; }

# Right and fire A for a second, then left and fire B, over and over.
awk 'BEGIN { for (i = 0; i < 6000; ++i) print (int(i / 60) % 2 ? "37 88" : "39 90") }' >soak_keys.txt

game=0
while [ $game -le 26 ]; do
  "$sim" --game $game --seed $game --frames 3000 >/dev/null 2>soak_err.txt || fail "game $game: exit $?"
  "$sim" --game $game --seed $game --frames 3000 --seats -1,0,0,0 --keys soak_keys.txt >/dev/null 2>soak_err.txt \
    || fail "game $game with a keyboard player: exit $?"
  game=$((game + 1))
done
"$sim" --frames 3000 --keys soak_keys.txt >/dev/null 2>soak_err.txt || fail "menu: exit $?"
echo ok
