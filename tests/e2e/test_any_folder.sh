#!/usr/bin/env bash
# The game in a folder named with characters outside the code page (Wine's
# is 1252): it starts there without a message and writes its files there,
# the sound paths in tintfall.dat stay code-page texts naming its sounds, F1
# opens its help, and a game saved, loaded and played to the name prompt
# through the common dialogs lands there.
source "$(dirname "$0")/lib.sh"
e2e_setup
e2e_dialog_tool
OUTER="$E2E_RUN"
E2E_RUN="$OUTER/Ωmega Тест"
mkdir "$E2E_RUN" && find "$OUTER" -mindepth 1 -maxdepth 1 ! -name "Ωmega Тест" -exec mv {} "$E2E_RUN/" \;
folder_cleanup() {
  e2e_close_help
  e2e_cleanup
  [ "$E2E_FAILURES" -eq 0 ] && rm -rf "$OUTER"
}
trap folder_cleanup EXIT

e2e_start || e2e_finish
check "no message box at the start" [ "$(probe box | head -1)" = "no box" ]
check "the options file is in the folder" [ "$(e2e_size tintfall.dat)" != missing ]
# The 16 sound paths (all shorter than 255 characters), each a code-page
# text naming the sound file of the folder: the folder's short name.
stored_sound_paths() {
  python3 - "$E2E_RUN/tintfall.dat" <<'PY'
import sys
data, at = open(sys.argv[1], "rb").read(), 170
for _ in range(16):
    print(data[at + 1:at + 1 + data[at]].decode("cp1252")); at += 1 + data[at]
PY
}
names_a_sound() { [ "$(realpath "$(winepath -u "$1" 2>/dev/null)")" = "$(realpath "$E2E_RUN/snd/${1##*\\}")" ]; }
sound_paths_name_the_sounds() {
  local path count=0
  while IFS= read -r path; do names_a_sound "$path" && count=$((count + 1)); done < <(stored_sound_paths)
  [ "$count" = 16 ]
}
check "the stored sound paths are code-page texts naming the folder's sounds" sound_paths_name_the_sounds

e2e_keys F1
help_open() { xdotool search --name "^Tintfall Help\$" >/dev/null 2>&1; }
check "F1 opens the help file in the folder" e2e_wait_for "the help" 60 help_open
e2e_close_help
e2e_activate
# A game saved through the save dialog, under a name typed without a folder:
# the dialog starts in the game's folder.
dlg command 40006 >/dev/null
sleep 2
dlg command 40008 >/dev/null
e2e_wait_for "the save dialog" 15 dlg find "Save Tintfall Game"
dlg settext "Save Tintfall Game" 1148 "evening.tfs" >/dev/null
dlg click "Save Tintfall Game" 1 >/dev/null
e2e_wait_for "the saved game" 15 test -f "$E2E_RUN/evening.tfs"
check "the saved game starts with its header" [ "$(head -c 19 "$E2E_RUN/evening.tfs" | tail -c 18)" = "TINTFALL_SAVE_FILE" ]
dlg command 40009 >/dev/null
e2e_wait_for "the load dialog" 15 dlg find "Load Tintfall Game"
dlg settext "Load Tintfall Game" 1148 "evening.tfs" >/dev/null
dlg click "Load Tintfall Game" 1 >/dev/null
box_says "Attention! Do you want to cancel current game?" && dlg boxpress 6 >/dev/null
check "the saved game loads without a message" dlg nobox
sleep 1
e2e_shot loaded >/dev/null

# The loaded game runs on to its end and the name prompt.
NAME="Please enter your name"
dlg mainkey 32 40 >/dev/null
if e2e_wait_for "the name prompt" 60 dlg find "$NAME"; then
  dlg settext "$NAME" 1012 "Omega Tester" >/dev/null
  dlg click "$NAME" 1 >/dev/null
  e2e_wait_for "the Best Scores dialog" 15 dlg find "Local Best Scores - Classic mode" &&
    dlg click "Local Best Scores - Classic mode" 2 >/dev/null
fi
check "the result is in the folder's score book" grep -q "Omega Tester" "$E2E_RUN/data.tft"

probe close >/dev/null
e2e_wait_exit 30
check "the window size file is written there at the end" [ "$(e2e_size ws.dat)" = 29 ]
e2e_finish
