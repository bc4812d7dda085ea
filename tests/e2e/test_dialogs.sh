#!/usr/bin/env bash
# The program's own dialogs under Wine: the options sheet (Cancel rewrites the
# options unchanged, Timer mode reaches offset 26, a bad delay is refused),
# Best Scores on an empty folder, saving and loading a game, and a finished
# game that asks the name and enters it in the Classic table. Screenshots of
# every page and dialog go to build/e2e-shots/.
source "$(dirname "$0")/lib.sh"

# The dialogs are worked through window messages by a small helper that runs
# under Wine beside the program.
e2e_dialog_tool

SHEET="Properties for Tintfall"
byte_at() { od -An -tu1 -j "$2" -N 1 "$E2E_RUN/$1" | tr -d ' '; }

open_sheet() {
  dlg command 40022 >/dev/null
  e2e_wait_for "the options sheet" 15 dlg find "$SHEET"
}

sheet_closed() { ! dlg find "$SHEET" >/dev/null 2>&1; }

# OK or Cancel, then the sheet is gone.
close_sheet() {
  dlg press "$SHEET" "$1"
  e2e_wait_for "the sheet to close" 10 sheet_closed
}

e2e_setup
e2e_start || e2e_finish
xdotool windowmove --sync "$(e2e_main_window)" 0 0

# F3 and Cancel: the options are written again, unchanged.
cp "$E2E_RUN/tintfall.dat" "$E2E_RUN.before"
sleep 1.1
open_sheet
check "the sheet shows the Game page first" [ "$(dlg show "$SHEET" 1101 | cut -d' ' -f4-)" = "Classic" ]
dialog_shot "$SHEET" game-page
close_sheet cancel
check "Cancel writes tintfall.dat again" [ "$E2E_RUN/tintfall.dat" -nt "$E2E_RUN.before" ]
check "Cancel keeps every setting" cmp -s "$E2E_RUN.before" "$E2E_RUN/tintfall.dat"
rm -f "$E2E_RUN.before"

# Each page, in a sheet of its own so it is drawn whole.
pages=(game-page interface-page control-page sound-page)
for n in 1 2 3; do
  open_sheet
  dlg page "$SHEET" "$n" >/dev/null
  sleep 0.5
  dialog_shot "$SHEET" "${pages[$n]}"
  case $n in
    1) check "Interface: the background list in its own order" \
         [ "$(dlg list "$SHEET" 1120 | head -5 | tr '\n' ',')" = "Grey field,Color field,3D field,Fantasy field,User-defined color," ]
       check "Interface: Define color greyed for the grey field" [ "$(dlg show "$SHEET" 1121 | cut -d' ' -f2)" = "disabled" ] ;;
    2) check "Control: the pause key is named Pause" [ "$(dlg show "$SHEET" 1181 | cut -d' ' -f4-)" = "Pause" ]
       check "Control: Drop Bottom's delay is 1000" [ "$(dlg show "$SHEET" 1187 | cut -d' ' -f4-)" = "1000" ] ;;
    3) check "Sound: twelve events, the first selected" [ "$(dlg list "$SHEET" 1201 | tail -1)" = "selected 0" ] ;;
  esac
  close_sheet cancel
done

# A delay that is not a whole number of 0..1000 is refused at once.
open_sheet
# The refusal's message box holds the change notice, so the text goes in from
# the background.
dlg settext "$SHEET" 1112 "abc" >/dev/null &
settext_job=$!
check "a bad delay is refused with a message" box_says "ERROR! Please enter a whole number from 0 to 1000."
dlg boxpress 1 >/dev/null
wait "$settext_job"
check "the previous delay stays" [ "$(dlg show "$SHEET" 1112 | cut -d' ' -f4-)" = "50" ]

# Timer mode and OK: offset 26 of the options file becomes 1.
dlg click "$SHEET" 1102 >/dev/null
sleep 0.3
close_sheet ok
check "Timer mode is stored at offset 26" [ "$(byte_at tintfall.dat 26)" = 1 ]

# Best Scores on a folder without data.tft: ten empty rows, and the file now exists.
dlg command 40014 >/dev/null
BEST="Local Best Scores - Classic mode"
e2e_wait_for "the Best Scores dialog" 15 dlg find "$BEST"
check "place 1 is Empty with 0 points" [ "$(dlg show "$BEST" 1016 1017 | cut -d' ' -f4- | tr '\n' ',')" = "Empty,0," ]
check "place 10 is numbered 10 and its Info is greyed" [ "$(dlg show "$BEST" 1080 1085 | cut -d' ' -f2,4- | tr '\n' ',')" = "enabled 10,disabled Info," ]
check "the last-update line says Never" [ "$(dlg show "$BEST" 1025 | cut -d' ' -f4-)" = "Last update: Never" ]
check "data.tft was created" [ -f "$E2E_RUN/data.tft" ]
dialog_shot "$BEST" best-scores-empty
dlg click "$BEST" 1053 >/dev/null
e2e_wait_for "the internet table title" 10 dlg find "Internet Best Scores - Top 10"
dlg click "Internet Best Scores - Top 10" 2 >/dev/null
sleep 1

# Saving a running game and loading it back.
dlg command 40006 >/dev/null
sleep 3
SAVED="$(e2e_wine_folder)mine.tfs"
dlg command 40008 >/dev/null
e2e_wait_for "the save dialog" 15 dlg find "Save Tintfall Game"
dlg settext "Save Tintfall Game" 1148 "$SAVED" >/dev/null
dlg click "Save Tintfall Game" 1 >/dev/null
e2e_wait_for "the saved game" 15 test -f "$E2E_RUN/mine.tfs"
check "the saved game starts with its header and format 10" \
  [ "$(head -c 23 "$E2E_RUN/mine.tfs" | od -An -c | tr -d ' \n')" = "022TINTFALL_SAVE_FILE\n\0\0\0" ]
dlg command 40009 >/dev/null
e2e_wait_for "the load dialog" 15 dlg find "Load Tintfall Game"
dlg settext "Load Tintfall Game" 1148 "$SAVED" >/dev/null
dlg click "Load Tintfall Game" 1 >/dev/null
check "loading over a running game asks first" box_says "Attention! Do you want to cancel current game?"
dlg boxpress 6 >/dev/null
check "the saved game loads without a message" dlg nobox

# A file of format 9 is refused.
python3 -c "import sys; d=bytearray(open(sys.argv[1],'rb').read()); d[19]=9; open(sys.argv[2],'wb').write(d)" \
  "$E2E_RUN/mine.tfs" "$E2E_RUN/old.tfs"
dlg command 40009 >/dev/null
e2e_wait_for "the load dialog" 15 dlg find "Load Tintfall Game"
dlg settext "Load Tintfall Game" 1148 "$(e2e_wine_folder)old.tfs" >/dev/null
dlg click "Load Tintfall Game" 1 >/dev/null
box_says "Attention! Do you want to cancel current game?" && dlg boxpress 6 >/dev/null
dlg nobox
check "format 9 is refused" box_says "ERROR! Saved file is incorrect"
dlg boxpress 1 >/dev/null
dlg nobox

# The running game ends with pieces dropped straight down; the name prompt
# follows and the result enters the Timer table, marked.
NAME="Please enter your name"
dlg mainkey 32 40 >/dev/null
if e2e_wait_for "the name prompt" 60 dlg find "$NAME"; then
  dialog_shot "$NAME" name-prompt
  dlg settext "$NAME" 1012 "Blue Fox" >/dev/null
  dlg click "$NAME" 1 >/dev/null
  TIMER_BEST="Local Best Scores - Timer mode"
  if e2e_wait_for "the Best Scores dialog with the result" 15 dlg find "$TIMER_BEST"; then
    check "the new row is marked at place 1" [ "$(dlg show "$TIMER_BEST" 1015 1016 | cut -d' ' -f4- | tr '\n' ',')" = ">1<,Blue Fox," ]
    dialog_shot "$TIMER_BEST" best-scores-result
    dlg click "$TIMER_BEST" 2 >/dev/null
  fi
  check "data.tft holds the name" grep -q "Blue Fox" "$E2E_RUN/data.tft"
  check "lastname.dat holds the name" grep -q "Blue Fox" "$E2E_RUN/lastname.dat"
fi
e2e_finish
