#!/usr/bin/env bash
# A short game named into the Classic table; SEND takes its replay to the
# real table server, whose Top 50 marks the row verified and offers the same
# replay for download; Ctrl+R plays it, with "Replay" and the speed in the
# title, through the game's last board.
source "$(dirname "$0")/lib.sh"
e2e_setup
e2e_dialog_tool
source "$E2E_ROOT/tests/e2e/table_server.sh"
trap server_cleanup EXIT
server_start || e2e_finish
# The rules the internet table takes: Classic, Normal, three blocks.
e2e_options_bytes blockCountCode=0 bombsEnabled=0 soundOn=0 animateTitle=0 > "$E2E_RUN/tintfall.dat"
e2e_start || e2e_finish
title() { xprop -id "$(e2e_main_window)" WM_NAME | sed 's/^[^"]*"//; s/"$//'; }
title_is() { [ "$(title)" = "$1" ]; }

e2e_keys F2
sleep 2
for move in Left Right Right ""; do
  [ -n "$move" ] && e2e_tap "$move"
  e2e_tap space
  sleep 1.2
done
# The board stands, a new piece high above it, for the last seconds.
sleep 5
last="$(e2e_shot game-last)"
e2e_field_grid "$last" >/dev/null  # the field's place, looked up once
# The rows below the falling piece: what the game had landed.
landed() { e2e_field_grid "$1" | tail -5; }
board="$(landed "$last")"
check "the game landed blocks" [ "$(echo "$board" | grep -o -- '[0-9a-f]\{6\}' | wc -l)" -ge 3 ]
# F2 and Yes stop it; with no best scores yet the cancelled game qualifies.
e2e_keys F2
sleep 1
e2e_keys Return
NAME="Please enter your name"
e2e_wait_for "the name prompt" 30 dlg find "$NAME" || e2e_finish
dlg settext "$NAME" 1012 "Watcher" >/dev/null
dlg click "$NAME" 1 >/dev/null
BEST="Local Best Scores - Classic mode"
e2e_wait_for "the Best Scores dialog" 15 dlg find "$BEST" && dlg click "$BEST" 2 >/dev/null
sleep 1
replay="$(compgen -G "$E2E_RUN/data.tft.*.tfr")"
check "the row's replay is kept beside data.tft" [ -n "$replay" ]

# SEND from the internet table.
TOP10="Internet Best Scores - Top 10"
dlg command 40015 >/dev/null
e2e_wait_for "the internet table" 15 dlg find "$TOP10"
send_as "Replay Sender" "sender@example.org" "Norway"
check "the upload is reported" box_says "Thank you and Good Luck!"
box_ok
dlg click "$TOP10" 2 >/dev/null
row="$(/usr/bin/python3 -c 'import sys, urllib.request; print(urllib.request.urlopen(sys.argv[1]).read().decode())' \
  "$(server_site)top.htm" | grep "Replay Sender")"
check "the Top 50 marks the sent row verified" grep -q "&#10003;" <<<"$row"
link="$(sed -n 's/.*href="\([^"]*\.tfr\)".*/\1/p' <<<"$row")"
/usr/bin/python3 -c 'import sys, urllib.request; open(sys.argv[2], "wb").write(urllib.request.urlopen(sys.argv[1]).read())' \
  "$(server_site)$link" "$E2E_RUN.download" 2>/dev/null
check "the page offers the game's own replay" cmp -s "$replay" "$E2E_RUN.download"
rm -f "$E2E_RUN.download"
e2e_activate

e2e_keys ctrl+r
e2e_wait_for "the Watch Replay dialog" 15 dlg find "Watch Replay" && dialog_shot "Watch Replay" dialog
dlg click "Watch Replay" 1 >/dev/null
e2e_activate
e2e_wait_for "the title to say the replay plays" 10 title_is "Tintfall - Replay x1"
e2e_keys f
check "F plays it faster (title: $(title))" title_is "Tintfall - Replay x2"
e2e_keys f f
# Screenshots until the end: one of the last seconds shows the game's board.
same=no
for i in $(seq 1 200); do
  title_is "Tintfall - Replay - end" && break
  shot="$(e2e_shot "replay-$((i % 4))")"
  [ "$(landed "$shot")" = "$board" ] && same=yes && cp "$shot" "$E2E_SHOTS/$E2E_NAME-replay-same-board.png"
done
check "the replay ends (title: $(title))" title_is "Tintfall - Replay - end"
check "the replay shows the board the game landed" [ "$same" = yes ]
e2e_finish
