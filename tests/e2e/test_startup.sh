#!/usr/bin/env bash
# A first start in a fresh folder shows no message, writes the default
# options with paths in that folder and the first-start date, animates the
# title, and the close box writes the window size and the usage time.
source "$(dirname "$0")/lib.sh"
e2e_setup
e2e_start || e2e_finish

check "no message box at the first start" [ "$(probe box | head -1)" = "no box" ]
check "client area of the automatic size (Big on 1280 x 1024)" [ "$(probe client)" = "602 602" ]

expected="$E2E_RUN.expected-options"
e2e_options_bytes > "$expected"
check "tintfall.dat holds the defaults with paths in the run folder" cmp -s "$expected" "$E2E_RUN/tintfall.dat"
rm -f "$expected"

first="$(head -c 1 "$E2E_RUN/sdata.dat" | od -An -tu1 | tr -d ' ')"
check "sdata.dat holds one date text" [ "$((first + 1))" = "$(e2e_size sdata.dat)" ]

# The longest hold of one frame is 3 seconds.
titles="$(for _ in 1 2 3 4 5 6 7 8; do probe title; sleep 0.3; done | sort -u | wc -l)"
check "the title animates ($titles different titles)" [ "$titles" -ge 2 ]
e2e_shot start >/dev/null

probe close >/dev/null
e2e_wait_exit 20
check "ws.dat is 29 bytes" [ "$(e2e_size ws.dat)" = 29 ]
check "ws.dat holds Automatic (100)" [ "$(tail -c 4 "$E2E_RUN/ws.dat" | od -An -tu4 | tr -d ' ')" = 100 ]
check "ws.dat starts with its header" [ "$(head -c 25 "$E2E_RUN/ws.dat" | tail -c 24)" = "TINTFALL_WINDOWSIZE_FILE" ]
check "tdata.dat is 12 bytes" [ "$(e2e_size tdata.dat)" = 12 ]
e2e_finish
