#!/usr/bin/env bash
# Injected faults on the real files of a run folder. A directory standing
# where the scratch file "z" must be created: the disk error, then the quit
# question. A directory standing where "tintfall.dat" must be written: its
# error, and the program ends. Hostile pictures in graph/ (cut short, a
# header that promises more than the file holds, text named .bmp): the game
# starts and plays without them, after a warning that lists them if any.
source "$(dirname "$0")/lib.sh"
e2e_setup

launch() {
  cd "$E2E_RUN" && { wine ./tintfall.exe >/dev/null 2>&1 & E2E_PID=$!; } && cd - >/dev/null
}
warning_says() { sh -c "cd '$E2E_RUN' && wine '$E2E_PROBE' box 2>/dev/null | grep -qF '$1'"; }

mkdir "$E2E_RUN/z"
launch
e2e_wait_for "the disk error" 60 warning_says "ERROR! It is impossible to create file. Hard disk is full or damaged"
check "the disk error has the title Tintfall" grep -q "^title: Tintfall$" <<<"$(probe box)"
e2e_shot scratch-error >/dev/null
probe press 1 >/dev/null
e2e_wait_for "the quit question" 20 warning_says "Are you sure you want to quit?"
probe press 6 >/dev/null
e2e_wait_exit 20
check "Yes to the question ends the program" e2e_not_running
rmdir "$E2E_RUN/z"

rm -f "$E2E_RUN/tintfall.dat"
mkdir "$E2E_RUN/tintfall.dat"
launch
e2e_wait_for "the options error" 60 warning_says 'ERROR! It is impossible to create file "tintfall.dat"'
e2e_shot options-error >/dev/null
probe press 1 >/dev/null
e2e_wait_exit 30
check "the program ends after the options error" e2e_not_running
check "the directory still stands" [ -d "$E2E_RUN/tintfall.dat" ]
rmdir "$E2E_RUN/tintfall.dat"

e2e_options_bytes soundOn=0 > "$E2E_RUN/tintfall.dat"
graph="$E2E_RUN/graph"
for name in back backb items11 items11b; do
  head -c 3000 "$graph/$name.bmp" > "$graph/cut.bmp" && mv "$graph/cut.bmp" "$graph/$name.bmp"
done
# The width field of the digits raised to 16000: the rows would reach far past the file.
printf '\x80\x3e\x00\x00' | dd of="$graph/digits.bmp" bs=1 seek=18 conv=notrunc 2>/dev/null
echo "not a picture" > "$graph/bstart.bmp"
window_shown() { (cd "$E2E_RUN" && wine "$E2E_PROBE" wait 1 >/dev/null 2>&1); }
box_open() { [ "$(probe box | head -1)" != "no box" ]; }
window_or_box() { box_open || window_shown; }
launch
e2e_wait_for "the window or a warning" 60 window_or_box
sleep 1
# A warning, when one comes, lists the pictures that cannot be drawn.
box="$(probe box)"
if [ "$(head -1 <<<"$box")" != "no box" ]; then
  check "the warning lists the text named .bmp" grep -q 'graph.bstart.bmp' <<<"$box"
  check "the warning lists the cut picture" grep -q 'graph.backb.bmp' <<<"$box"
  probe press 1 >/dev/null
  e2e_wait_for "the window after the warning" 60 window_shown
fi
e2e_activate
e2e_keys F2
sleep 3
e2e_shot hostile-pictures-running >/dev/null
check "the program runs a game over hostile pictures" e2e_running
check "the window keeps its size" [ "$(probe client)" = "602 602" ]
e2e_finish
