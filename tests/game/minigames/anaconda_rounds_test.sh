#!/bin/sh
# Four computer snakes finish a round of game A for each of 50 seeds within 20,000
# frames; the same seed gives the same round.
sim="$1"
seed=1
while [ $seed -le 50 ]; do
  line=$("$sim" --game 1 --seed $seed --frames 20000 --seats 0,0,0,0) || { echo "seed $seed: exit $?"; exit 1; }
  frames=$(echo "$line" | sed -n 's/.*frames=\([0-9]*\).*/\1/p')
  winner=$(echo "$line" | sed -n 's/.*winner=\(-\{0,1\}[0-9]*\).*/\1/p')
  [ -n "$frames" ] && [ "$frames" -lt 20000 ] || { echo "seed $seed did not finish: $line"; exit 1; }
  [ "$winner" -ge 0 ] 2>/dev/null || { echo "seed $seed has no winner: $line"; exit 1; }
  if [ $seed -le 3 ]; then
    again=$("$sim" --game 1 --seed $seed --frames 20000 --seats 0,0,0,0)
    [ "$line" = "$again" ] || { echo "seed $seed differs between runs"; exit 1; }
  fi
  echo "$line"
  seed=$((seed + 1))
done
