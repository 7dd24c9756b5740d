#!/bin/sh
# Random held keys for the headless runner's --keys file, made from a seed: one line per
# update, held in runs of 5 to 60 updates, of arrows or W A S D (alone or two at once),
# each run with fire A (Z), B (X) and C (C) now and then. Back, fire D (which pause the
# game) and function keys are never pressed, so a round plays on to its end.
#   usage: random_keys.sh SEED UPDATES
awk -v seed="$1" -v lines="$2" 'BEGIN {
  srand(seed)
  split("0 37 38 39 40 37,38 38,39 39,40 40,37 65 68 87 83", moves, " ")
  n = 0
  while (n < lines) {
    run = 5 + int(rand() * 56)
    held = moves[1 + int(rand() * 14)]
    gsub(",", " ", held)
    if (held == "0") held = ""
    if (rand() < 0.5) held = held " 90"
    if (rand() < 0.3) held = held " 88"
    if (rand() < 0.2) held = held " 67"
    for (i = 0; i < run && n < lines; i++) { print held; n++ }
  }
}'
