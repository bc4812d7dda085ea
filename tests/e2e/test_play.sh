#!/usr/bin/env bash
# F2 starts a game; Space drops the piece, Left and Right move it, Up rotates
# its colours and the Pause key covers the field and uncovers it again. The
# game uses two-block pieces without bombs, so a landing never removes blocks.
source "$(dirname "$0")/lib.sh"
e2e_setup
e2e_options_bytes blockCountCode=1 bombsEnabled=0 soundOn=0 > "$E2E_RUN/tintfall.dat"
e2e_start || e2e_finish

grid() { e2e_field_grid "$(e2e_shot "$1")"; }
# The cell of visible row (0 = top) and column.
cell() { echo "$1" | sed -n "$(($2 + 1))p" | cut -d' ' -f"$(($3 + 1))"; }
# Colours of the filled cells of a column, top to bottom.
column_colours() { echo "$1" | cut -d' ' -f"$(($2 + 1))" | grep -v -- '------' | tr '\n' ' '; }
# The two colours of the falling piece in a column: two filled cells with an
# empty one below them; nothing when the column shows no such pair.
falling_pair() {
  echo "$1" | cut -d' ' -f"$(($2 + 1))" | awk '
    { cell[NR] = $0 }
    END {
      for (r = 1; r + 2 <= NR; r++)
        if (cell[r] != "------" && cell[r + 1] != "------" && cell[r + 2] == "------") { print cell[r], cell[r + 1]; exit }
    }'
}
drop() {
  e2e_tap space
  sleep 1.2
}

e2e_keys F2
sleep 3
# The title as the X window carries it (the probe would take the foreground).
title() { xprop -id "$(e2e_main_window)" WM_NAME; }
# The longest hold of one frame is 3 seconds.
titles="$(for _ in 1 2 3 4 5 6 7 8; do title; sleep 0.5; done | sort -u | wc -l)"
check "the title animates during the game ($titles different titles in 4 s)" [ "$titles" -ge 2 ]

drop
landed="$(grid dropped-centre)"
check "Space drops the piece to the floor of column 2" [ "$(cell "$landed" 11 2)" != "------" ]
check "the cells beside it stay empty" [ "$(cell "$landed" 11 1)$(cell "$landed" 11 3)" = "------------" ]

# Rotation in column 2: the first falling piece with two different colours,
# seen with a gap below it, shows them swapped.
rotated=no
for attempt in 1 2 3; do
  e2e_tap Down 0.1
  shot_a="$(e2e_shot "rotate-$attempt-a")"
  e2e_tap Up
  shot_b="$(e2e_shot "rotate-$attempt-b")"
  a="$(falling_pair "$(e2e_field_grid "$shot_a")" 2)"
  b="$(falling_pair "$(e2e_field_grid "$shot_b")" 2)"
  if [ -n "$a" ] && [ "${a% *}" != "${a#* }" ]; then
    check "Up swaps the piece's colours ($a -> $b)" [ "$b" = "${a#* } ${a% *}" ]
    rotated=yes
  fi
  drop
  [ "$rotated" = yes ] && break
done
[ "$rotated" = yes ] || fail "no falling piece with two colours came to test the rotation"


e2e_tap Left
e2e_tap Left
drop
moved="$(grid dropped-left)"
check "Left twice and Space fill the floor of column 0" [ "$(cell "$moved" 11 0)" != "------" ]

e2e_tap Right
e2e_tap Right
e2e_tap Right
drop
moved="$(grid dropped-right)"
check "Right three times and Space fill the floor of column 5" [ "$(cell "$moved" 11 5)" != "------" ]

running="$(e2e_shot running)"
e2e_tap Pause
paused="$(e2e_shot paused)"
check "the Pause key covers the field" [ "$(e2e_difference "$running" "$paused")" -gt 20000 ]
covered="$(e2e_field_grid "$paused")"
sleep 1.5
check "nothing moves while paused" [ "$(e2e_field_grid "$(e2e_shot paused-later)")" = "$covered" ]
e2e_tap Pause
resumed="$(grid resumed)"
check "the Pause key again shows the field" [ "$(echo "$resumed" | tail -1)" = "$(echo "$(e2e_field_grid "$running")" | tail -1)" ]
e2e_finish
