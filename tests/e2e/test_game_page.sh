#!/usr/bin/env bash
# The Game page over rule codes no game plays (a hand-edited tintfall.dat):
# it shows what is played, OK alone keeps the stored codes, and a click on
# any button of a group stores that group's choice.
source "$(dirname "$0")/lib.sh"
e2e_dialog_tool

SHEET="Properties for Tintfall"
word_at() { od -An -td4 -j "$1" -N 4 "$E2E_RUN/tintfall.dat" | tr -d ' '; }
checked() { [ "$(dlg show "$SHEET" "$1" | cut -d' ' -f3)" = checked ]; }
open_sheet() {
  dlg command 40022 >/dev/null
  e2e_wait_for "the options sheet" 15 dlg find "$SHEET"
}
sheet_closed() { ! dlg find "$SHEET" >/dev/null 2>&1; }
close_sheet_ok() {
  dlg press "$SHEET" ok
  e2e_wait_for "the sheet to close" 10 sheet_closed
}

e2e_setup
e2e_options_bytes gameMode=5 colourCount=7 > "$E2E_RUN/tintfall.dat"
e2e_start || e2e_finish
e2e_shot panel-unknown-codes >/dev/null

open_sheet
check "mode 5 shows Classic, as played" checked 1101
check "7 colours show Normal, as played" checked 1105
dialog_shot "$SHEET" unknown-codes
close_sheet_ok
check "OK alone keeps mode 5" [ "$(word_at 26)" = 5 ]
check "OK alone keeps 7 colours" [ "$(word_at 34)" = 7 ]

open_sheet
dlg click "$SHEET" 1103 >/dev/null
dlg click "$SHEET" 1105 >/dev/null
sleep 0.3
close_sheet_ok
check "Rising is stored" [ "$(word_at 26)" = 2 ]
check "Normal, the button shown, is stored" [ "$(word_at 34)" = 5 ]
e2e_finish
