#!/usr/bin/env bash
# Exit (Ctrl+X) asks "Are you sure you want to quit?"; Yes saves the options
# and the usage time and ends the program.
source "$(dirname "$0")/lib.sh"
e2e_setup
e2e_start || e2e_finish
rm -f "$E2E_RUN/tintfall.dat"

e2e_keys ctrl+x
e2e_wait_for "the quit question" 10 sh -c "cd '$E2E_RUN' && wine '$E2E_PROBE' box 2>/dev/null | grep -q 'Are you sure you want to quit?'"
box="$(probe box)"
check "the question has the title Tintfall" grep -q "^title: Tintfall$" <<<"$box"
e2e_shot question >/dev/null
# Yes, as the button of the box.
probe press 6 >/dev/null
e2e_wait_exit 20
check "the program has ended" e2e_not_running
check "the options file is written again" [ -s "$E2E_RUN/tintfall.dat" ]
check "tdata.dat is 12 bytes" [ "$(e2e_size tdata.dat)" = 12 ]
e2e_finish
