#!/usr/bin/env bash
# A paint request of the platform shows the game as it is: the falling piece
# once, at the column it was moved to, with no trace where it was at the last
# full frame. The request comes from the probe, which calls InvalidateRect
# on the game's window.
source "$(dirname "$0")/lib.sh"
e2e_setup
e2e_options_bytes bombsEnabled=0 soundOn=0 animateTitle=0 > "$E2E_RUN/tintfall.dat"
e2e_start || e2e_finish

# The probe is started now, since a new process takes the foreground, and
# asks for the repaint only once the file "repaint.now" exists.
(cd "$E2E_RUN" && wine "$E2E_PROBE" invalidate repaint.now >/dev/null 2>&1) &
invalidator=$!
sleep 3
e2e_activate

# Columns with a filled cell, and the number of filled cells.
filled_columns() { echo "$1" | awk '{ for (c = 1; c <= NF; c++) if ($c != "------") used[c - 1] = 1 } END { for (c = 0; c < 6; c++) if (c in used) printf "%d ", c }'; }
filled_count() { echo "$1" | tr ' ' '\n' | grep -cv -- '------'; }

e2e_keys F2
sleep 4
# Pausing and resuming composes a full frame with the piece in column 2;
# everything up to the repaint runs without pauses, so the piece is still
# falling when it comes.
e2e_tap Pause
e2e_tap Pause
e2e_tap Left
e2e_tap Left
touch "$E2E_RUN/repaint.now"
wait "$invalidator"
sleep 0.3
after="$(e2e_field_grid "$(e2e_shot after-repaint)")"
e2e_log "field after the repaint:"
echo "$after"
check "after the repaint the piece shows in column 0 only, nothing is left in column 2" [ "$(filled_columns "$after")" = "0 " ]
check "after the repaint the piece shows once" [ "$(filled_count "$after")" -le 3 ]
e2e_finish
