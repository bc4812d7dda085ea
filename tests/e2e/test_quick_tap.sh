#!/usr/bin/env bash
# A key pressed and released between two timer ticks still acts once: Left
# tapped while the start animation holds the program moves the first piece,
# and quick taps of Right without any hold move the next one.
source "$(dirname "$0")/lib.sh"
e2e_setup
e2e_options_bytes blockCountCode=2 bombsEnabled=0 soundOn=0 > "$E2E_RUN/tintfall.dat"
e2e_start || e2e_finish

cell() { echo "$1" | sed -n "$(($2 + 1))p" | cut -d' ' -f"$(($3 + 1))"; }
filled() { [ "$(cell "$1" 11 "$2")" != "------" ]; }
empty() { [ "$(cell "$1" 11 "$2")" = "------" ]; }

# F2 starts the game and its field animation blocks the program for about a
# second; the Left key goes down and up meanwhile, so both messages arrive
# together after it, before the next tick.
e2e_focus
xdotool key --delay 20 F2 Left
sleep 2.5
e2e_tap space
sleep 1.2
first="$(e2e_field_grid "$(e2e_shot first-piece)")"
check "the tap during the animation moved the piece to column 1" filled "$first" 1
check "column 2 stays empty" empty "$first" 2

# Taps with no hold at all: down and up in one go.
for _ in 1 2; do
  e2e_focus
  xdotool key Right
  sleep 0.4
done
e2e_tap space
sleep 1.2
second="$(e2e_field_grid "$(e2e_shot second-piece)")"
check "two quick taps of Right moved the next piece to column 4" filled "$second" 4
check "column 2 stays empty" empty "$second" 2
check "column 3 stays empty" empty "$second" 3
e2e_finish
