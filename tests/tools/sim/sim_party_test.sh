#!/bin/sh
# Headless parties to 10 points, one per seed: the points and the deal of each round,
# standings that add up, one winner alone at or above the target; a seed repeats exactly.
sim="$1"
seeds=${2:-20}
fail() { echo "FAIL: $*"; exit 1; }

seed=1
while [ "$seed" -le "$seeds" ]; do
  "$sim" --party 10 --seed "$seed" > party.txt 2>party_err.txt || fail "seed $seed exited $?"
  tail -n 1 party.txt
  awk -v seed="$seed" -v games=26 '
    function fail(why) { print "FAIL: seed " seed ": " why ": " $0; failed = 1; exit 1 }
    function seats(field, out,   parts, n) {
      n = split(field, parts, ",")
      if (n != 4) fail("not four seats")
      for (i = 1; i <= 4; ++i) out[i] = parts[i] + 0
    }
    /^party-round=/ {
      ++rounds
      split($1, r, "="); if (r[2] != rounds) fail("rounds out of order")
      split($2, g, "="); game = g[2] + 0
      if (game < 1 || game > games) fail("no such game")
      if (dealt % games == 0) delete seen
      if (game in seen) fail("game " game " again before every game was played")
      seen[game] = 1; ++dealt
      sub("points=", "", $5); seats($5, points)
      sub("standings=", "", $6); seats($6, standings)
      twos = 0
      for (s = 1; s <= 4; ++s) {
        if (points[s] < 0 || points[s] > 2) fail("points out of range")
        if (points[s] == 2) ++twos
        if (standings[s] != total[s] + points[s]) fail("standings do not add up for seat " s)
        total[s] = standings[s]
      }
      if (twos == 0) fail("nobody got the best points")
      next
    }
    /^party target=/ {
      finished = 1
      if ($2 != "target=10") fail("another target")
      split($3, r, "="); if (r[2] != rounds) fail("party counts " r[2] " rounds, lines " rounds)
      split($5, w, "="); winner = w[2] + 1
      sub("standings=", "", $6); seats($6, standings)
      if (winner < 1) fail("no winner")
      for (s = 1; s <= 4; ++s) {
        if (standings[s] != total[s]) fail("final standings differ from the last round")
        if (s != winner && standings[s] >= standings[winner]) fail("the winner is not alone at the top")
      }
      if (standings[winner] < 10) fail("the winner is below the target")
      next
    }
    { fail("unexpected line") }
    END { if (!failed && (!finished || rounds == 0)) { print "FAIL: seed " seed ": no party line"; exit 1 } }
  ' party.txt || exit 1
  [ "$seed" -eq 1 ] && cp party.txt first.txt
  seed=$((seed + 1))
done

"$sim" --party 10 --seed 1 > again.txt 2>/dev/null || fail "repeat exited $?"
cmp -s first.txt again.txt || fail "the same seed played another party"
echo ok
