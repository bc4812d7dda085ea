#!/usr/bin/env bash
# The window inside a Wine virtual desktop, where Wine draws the frame and
# the menus: Normal and Big size, without a game, running, paused, with the
# Game menu and the Window size menu open, and the About and Champions boxes.
# The pictures stay in build/e2e-shots/ for people to look at; the test
# checks that each state changes the picture.
source "$(dirname "$0")/lib.sh"
e2e_setup
# The README shows these pictures: the title bar reads the name, not a frame
# of the title animation.
e2e_options_bytes animateTitle=0 > "$E2E_RUN/tintfall.dat"
e2e_start desktop || e2e_finish
sleep 3

# After a resize inside the virtual desktop Wine no longer hands the keys to
# the window until it is clicked; the centre of the desktop lies on the
# playing field at both sizes, where a click does nothing.
click_centre() {
  xdotool mousemove 512 384 click 1
  sleep 0.3
}
changed() { [ "$(e2e_difference "$1" "$2")" -gt "$3" ]; }

for size in normal big; do
  if [ "$size" = normal ]; then e2e_keys ctrl+1; else e2e_keys ctrl+2; fi
  sleep 1
  click_centre
  idle="$(e2e_shot "$size-no-game")"
  e2e_keys alt+g
  sleep 1.5
  menu="$(e2e_shot "$size-game-menu")"
  check "$size: the Game menu opens" changed "$idle" "$menu" 2000
  e2e_keys w
  sleep 1.5
  sizes="$(e2e_shot "$size-window-size-menu")"
  check "$size: the Window size menu opens" changed "$menu" "$sizes" 1000
  # Two menus and the menu bar each take an Escape.
  e2e_keys Escape Escape Escape
  sleep 0.5
  e2e_keys F2
  sleep 4
  running="$(e2e_shot "$size-running")"
  check "$size: F2 starts a game" changed "$idle" "$running" 10000
  e2e_keys alt+g
  sleep 1.5
  e2e_shot "$size-running-game-menu" >/dev/null
  e2e_keys Escape Escape
  e2e_tap Pause
  sleep 0.5
  paused="$(e2e_shot "$size-paused")"
  check "$size: the Pause key covers the field" changed "$running" "$paused" 10000
  e2e_keys alt+g
  sleep 1.5
  e2e_shot "$size-paused-game-menu" >/dev/null
  e2e_keys Escape Escape
  sleep 0.3
  # Stop the game: F2 asks, Return answers Yes.
  e2e_keys F2
  sleep 1
  e2e_shot "$size-cancel-question" >/dev/null
  e2e_keys Return
  sleep 3
  # With no best scores yet even a cancelled game qualifies: the name
  # prompt opens, and Escape declines it.
  e2e_shot "$size-name-prompt" >/dev/null
  e2e_keys Escape
  sleep 1
done

e2e_keys alt+h a
sleep 1
about="$(e2e_shot about)"
e2e_keys Return
sleep 0.5
check "the About box opens and closes" changed "$about" "$(e2e_shot after-about)" 2000
e2e_keys alt+1
sleep 1
champions="$(e2e_shot champions)"
e2e_keys Return
sleep 0.5
check "the Champions dialog opens and closes" changed "$champions" "$(e2e_shot after-champions)" 2000
e2e_finish
