#!/usr/bin/env bash
# Ctrl+2 gives the Big client area and Ctrl+1 the Normal one, without
# moving the window; the choice is kept in ws.dat and used at the next start.
source "$(dirname "$0")/lib.sh"
e2e_setup
e2e_start || e2e_finish

client_is() { [ "$(probe client)" = "$1" ]; }
top_left() { xwininfo -id "$(e2e_main_window)" | awk '/Absolute upper-left/{printf "%s ", $4}'; }

e2e_keys F2
# The level animation of the new game holds the program for a moment; a
# probe started before a key is handled would take the foreground from it.
sleep 4
e2e_activate
e2e_keys ctrl+1
sleep 1.5
check "Ctrl+1 gives a 483 x 407 client area" client_is "483 407"
e2e_shot normal >/dev/null
corner="$(top_left)"
e2e_activate
e2e_keys ctrl+2
sleep 1.5
check "Ctrl+2 gives a 602 x 602 client area" [ "$(probe client)" = "602 602" ]
check "the window keeps its top-left corner ($corner)" [ "$(top_left)" = "$corner" ]
e2e_shot big >/dev/null
e2e_activate
e2e_keys ctrl+1
sleep 1.5
check "Ctrl+1 again gives 483 x 407" [ "$(probe client)" = "483 407" ]

probe close >/dev/null
e2e_wait_exit 20
check "ws.dat holds Normal (0)" [ "$(tail -c 4 "$E2E_RUN/ws.dat" | od -An -tu4 | tr -d ' ')" = 0 ]

e2e_start || e2e_finish
check "the next start opens at Normal size on a large screen" [ "$(probe client)" = "483 407" ]
e2e_finish
