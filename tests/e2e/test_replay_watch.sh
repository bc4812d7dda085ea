#!/usr/bin/env bash
# A short game played to the name prompt enters the Classic table with its
# replay; Ctrl+R opens Watch Replay, the replay plays in the main window with
# "Replay" and its speed in the title, faster on F, to the same board the
# game ended with, and changes no file and asks no name.
source "$(dirname "$0")/lib.sh"
e2e_setup
e2e_dialog_tool
e2e_options_bytes blockCountCode=1 bombsEnabled=0 soundOn=0 animateTitle=0 > "$E2E_RUN/tintfall.dat"
e2e_start || e2e_finish

title() { xprop -id "$(e2e_main_window)" WM_NAME | sed 's/^[^"]*"//; s/"$//'; }
title_is() { [ "$(title)" = "$1" ]; }

e2e_keys F2
sleep 5
for move in Left Right Right ""; do
  [ -n "$move" ] && e2e_tap "$move"
  e2e_tap space
  sleep 1.2
done
# The board stands, a new piece high above it, for the last seconds.
sleep 5
last="$(e2e_shot game-last)"
# Looks up the field's place once, outside the subshells below.
e2e_field_grid "$last" >/dev/null
# The rows below the falling piece: what the game had landed.
landed() { e2e_field_grid "$1" | tail -5; }
board="$(landed "$last")"
check "the game landed blocks" [ "$(echo "$board" | grep -o -- '[0-9a-f]\{6\}' | wc -l)" -ge 3 ]
# Stop: F2 asks, Return answers Yes; with no best scores yet the cancelled
# game qualifies.
e2e_keys F2
sleep 1
e2e_keys Return
NAME="Please enter your name"
BEST="Local Best Scores - Classic mode"
e2e_wait_for "the name prompt" 30 dlg find "$NAME" || e2e_finish
dlg settext "$NAME" 1012 "Watcher" >/dev/null
dlg click "$NAME" 1 >/dev/null
e2e_wait_for "the Best Scores dialog" 15 dlg find "$BEST" && dlg click "$BEST" 2 >/dev/null
sleep 1
check "the row's replay is kept beside data.tft" [ -n "$(compgen -G "$E2E_RUN/data.tft.*.tfr")" ]
tables="$(md5sum < "$E2E_RUN/data.tft")"
e2e_activate

e2e_keys ctrl+r
if e2e_wait_for "the Watch Replay dialog" 15 dlg find "Watch Replay"; then
  dialog_shot "Watch Replay" dialog
  dlg click "Watch Replay" 1 >/dev/null
fi
e2e_activate
e2e_wait_for "the title to say the replay plays" 10 title_is "Tintfall - Replay x1"
e2e_shot replay-playing >/dev/null
e2e_keys f
check "F plays it faster (title: $(title))" title_is "Tintfall - Replay x2"
e2e_keys f f
check "F twice more goes by x4 back to x1 (title: $(title))" title_is "Tintfall - Replay x1"
# Screenshots until the replay ends: one of its last seconds shows the
# board the game had landed.
same=no
for i in $(seq 1 200); do
  title_is "Tintfall - Replay - end" && break
  shot="$(e2e_shot "replay-$((i % 4))")"
  if [ "$(landed "$shot")" = "$board" ]; then
    same=yes
    cp "$shot" "$E2E_SHOTS/$E2E_NAME-replay-same-board.png"
  fi
done
check "the replay ends (title: $(title))" title_is "Tintfall - Replay - end"
check "the replay shows the board the game landed" [ "$same" = yes ]
check "watching changed no table" [ "$(md5sum < "$E2E_RUN/data.tft")" = "$tables" ]
check "watching asked no name" bash -c "! (cd '$E2E_RUN' && wine '$DLGTOOL' find '$NAME' >/dev/null 2>&1)"
e2e_activate
e2e_keys Escape
sleep 0.5
check "Escape stops watching (title: $(title))" bash -c "[[ '$(title)' != *Replay* ]]"
e2e_finish
