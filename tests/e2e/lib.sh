#!/usr/bin/env bash
# Shared steps of the end-to-end tests: a display and the Wine prefix, a
# fresh copy of dist/ to run in, starting and stopping tintfall.exe, keys
# through xdotool, screenshots into build/e2e-shots/, and the probe that
# looks at the window from inside Wine.
#
# Overrides: TINTFALL_E2E_DIST (the dist folder), TINTFALL_E2E_PROBE (the
# probe program), TINTFALL_DISPLAY (the X display).
set -uo pipefail

E2E_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
# shellcheck source=../../scripts/wine-env.sh
source "$E2E_ROOT/scripts/wine-env.sh"
E2E_DIST="${TINTFALL_E2E_DIST:-$E2E_ROOT/dist}"
E2E_PROBE="${TINTFALL_E2E_PROBE:-$E2E_ROOT/build/win/app/win32/tintfall_probe.exe}"
E2E_SHOTS="$E2E_ROOT/build/e2e-shots"
E2E_NAME="$(basename "$0" .sh)"
E2E_PID=""
E2E_DESKTOP=""
E2E_FAILURES=0

e2e_log() { echo "[$E2E_NAME] $*"; }

fail() {
  e2e_log "FAIL: $*"
  E2E_FAILURES=$((E2E_FAILURES + 1))
}

# check "what" test-args...: records a failure when the test is false.
check() {
  local what="$1"
  shift
  if "$@"; then e2e_log "ok: $what"; else fail "$what"; fi
}

# A display, the prefix and a fresh copy of dist/ in $E2E_RUN.
e2e_setup() {
  [ -f "$E2E_DIST/tintfall.exe" ] || { e2e_log "no $E2E_DIST/tintfall.exe: build first"; exit 1; }
  [ -f "$E2E_PROBE" ] || { e2e_log "no probe at $E2E_PROBE: build first"; exit 1; }
  start_virtual_display
  prepare_wine_prefix
  keep_wineserver
  mkdir -p "$E2E_ROOT/build/e2e-runs" "$E2E_SHOTS"
  E2E_RUN="$(mktemp -d "$E2E_ROOT/build/e2e-runs/$E2E_NAME.XXXXXX")"
  cp -r "$E2E_DIST/." "$E2E_RUN/"
  trap e2e_cleanup EXIT
}

# The folder of the run as the program sees it (Wine's Z: drive), with a
# closing backslash.
e2e_wine_folder() { printf 'Z:%s\\' "$(echo "$E2E_RUN" | tr '/' '\\')"; }

# The bytes of an options file: the defaults with paths in the run folder,
# changed by name=value pairs (gameMode, bombsEnabled, colourCount,
# blockCountCode, animateTitle, soundOn).
e2e_options_bytes() {
  python3 - "$(e2e_wine_folder)" "$@" <<'PY'
import struct, sys
base = sys.argv[1].encode()
v = dict(gameMode=0, bombsEnabled=1, colourCount=5, blockCountCode=0, animateTitle=1, soundOn=1)
for pair in sys.argv[2:]:
    name, value = pair.split("=")
    v[name] = int(value)
def text(b): return bytes([len(b)]) + b
out = text(b"TINTFALL_OPTIONS_FILE") + struct.pack("<i", 155)
# mode, bombs, colours, piece size, demolition, level animation, next bar,
# user colour, field background
out += struct.pack("<9i", v["gameMode"], v["bombsEnabled"], v["colourCount"], v["blockCountCode"], 50, 8, 1, 0, 0)
out += struct.pack("<5i", 37, 39, 40, 32, 38)          # left, right, down, drop, rotate
out += struct.pack("<5i", 50, 50, 50, 1000, 100)       # their delays
# block set, title animation, start level, status bar, sound
out += struct.pack("<5i", 11, v["animateTitle"], 0, 1, v["soundOn"])
out += struct.pack("<12i", *([1] * 12))
for name in ["button", "drop0", "drop1", "drop2", "drop3", "drop4", "line", "bomb", "gameover",
             "gamewin", "level", "time", "add", "start", "bombout", "best"]:
    out += text(base + b"snd\\" + name.encode() + b".wav")
out += struct.pack("<i", 19)
sys.stdout.buffer.write(out)
PY
}

# The visible field of a screenshot as 12 lines of 6 cells, each cell its
# average colour ("------" where the cell is dark, that is empty). The
# window's place and size are looked up once per test.
E2E_FIELD=""
e2e_field_grid() {
  local shot="$1"
  if [ -z "$E2E_FIELD" ]; then
    local client x0 y0 w h origin
    client="$(e2e_client_size)"
    if [ "$client" = "602 602" ]; then x0=161; y0=15; w=48; h=46; else x0=153; y0=15; w=32; h=30; fi
    origin="$(e2e_client_origin "${client#* }")"
    E2E_FIELD="$((6 * w))x$((12 * h))+$((${origin% *} + x0))+$((${origin#* } + y0))"
  fi
  /usr/bin/convert "$shot" -crop "$E2E_FIELD" +repage -scale '6x12!' -depth 8 txt:- | python3 -c '
import re, sys
cells = {}
for line in sys.stdin:
    m = re.match(r"(\d+),(\d+):\s*\((\d+),(\d+),(\d+)", line)
    if m:
        x, y, r, g, b = map(int, m.groups())
        cells[(x, y)] = "------" if max(r, g, b) < 120 else "%02x%02x%02x" % (r, g, b)
for y in range(12):
    print(" ".join(cells[(x, y)] for x in range(6)))
'
}

# The client size told by the X window's width (Normal 483, Big 602), for
# the tests that must not start the probe: a new Wine process takes the
# foreground from the game, which then covers its field.
e2e_client_size() {
  local width
  width="$(xwininfo -id "$(e2e_main_window)" | awk '/Width:/{print $2}')"
  if [ "$width" = 602 ]; then echo "602 602"; else echo "483 407"; fi
}

# Makes the program the foreground application again with a click on its
# playing field, where the mouse does nothing.
e2e_activate() {
  local size origin
  size="$(e2e_client_size)"
  origin="$(e2e_client_origin "${size#* }")"
  xdotool mousemove "$((${origin% *} + 300))" "$((${origin#* } + 300))" click 1
  sleep 0.3
}

# Screen position of the client area's top-left corner (no virtual desktop)
# for a client area of the given height: the X window holds the menu bar
# above the client area.
e2e_client_origin() {
  local w info x y height
  w="$(e2e_main_window)"
  info="$(xwininfo -id "$w")"
  x="$(echo "$info" | awk '/Absolute upper-left X/{print $4}')"
  y="$(echo "$info" | awk '/Absolute upper-left Y/{print $4}')"
  height="$(echo "$info" | awk '/Height:/{print $2}')"
  echo "$x $((y + height - $1))"
}

# The dialog helper (tests/e2e/dialogs), built when missing or older than
# its source; dlg runs it in the run folder, where it finds the program's
# windows.
DLGTOOL="$E2E_ROOT/build/e2e-tools/dlgtool.exe"
e2e_dialog_tool() {
  local source="$E2E_ROOT/tests/e2e/dialogs/dlgtool.cpp"
  if [ ! -f "$DLGTOOL" ] || [ "$source" -nt "$DLGTOOL" ]; then
    mkdir -p "$(dirname "$DLGTOOL")"
    x86_64-w64-mingw32-g++ -O1 -std=c++17 "$source" -o "$DLGTOOL" -static -lcomctl32 -lgdi32 ||
      { e2e_log "cannot build the dialog helper"; exit 1; }
  fi
}
dlg() { (cd "$E2E_RUN" && wine "$DLGTOOL" "$@" 2>/dev/null | tr -d '\r'); }

# Every text control of the window TITLE too narrow for its text in the
# dialogs' font, one per line (none when all fit). A text exactly as wide as
# its control counts as cut: Wine's static breaks its last word off then.
e2e_cut_texts() {
  dlg rects "$1" | awk '$1 == "text" && $6 >= $4 - $2 { print "text " $2 " " $3 " needs " $6 " pixels, has " $4 - $2 }'
}

# Runs the probe in the run folder; prints its answer without carriage returns.
probe() { (cd "$E2E_RUN" && wine "$E2E_PROBE" "$@" 2>/dev/null | tr -d '\r'); }

# Starts ./tintfall.exe in the run folder and waits for its main window. A
# start that shows none is reported with the screen and Wine's processes of
# the moment: the two seen came as a wineserver started or ended (see
# keep_wineserver), and the report tells the next look what it was.
e2e_launch() {
  cd "$E2E_RUN" || return 1
  wine ./tintfall.exe >/dev/null 2>&1 &
  E2E_PID=$!
  cd - >/dev/null || return 1
  probe wait 60 >/dev/null && return 0
  fail "the main window did not appear; the program $(e2e_running && echo runs || echo has ended); the screen: $(e2e_shot no-window)"
  ps -eo pid,etimes,args | grep -i -E '[.]exe|[w]ineserver' | sed "s/^/[$E2E_NAME]   /"
  return 1
}

# Starts the program in the run folder; with "desktop", inside a Wine virtual
# desktop of 1024 x 768 (window frames and menus drawn by Wine itself).
e2e_start() {
  if [ "${1:-}" != "desktop" ]; then
    e2e_launch || return 1
    sleep 1
    e2e_activate
  else
    cd "$E2E_RUN" || return 1
    E2E_DESKTOP="tf$$"
    wine explorer "/desktop=$E2E_DESKTOP,1024x768" tintfall.exe >/dev/null 2>&1 &
    E2E_PID=$!
    cd - >/dev/null || return 1
    # The desktop's explorer starts the program as a process of its own.
    e2e_wait_for "the program in the virtual desktop" 60 e2e_find_program || return 1
    e2e_wait_for "the virtual desktop" 60 e2e_desktop_window || return 1
  fi
  sleep 1
}

# Sets E2E_PID to the tintfall.exe process running in this test's folder.
e2e_find_program() {
  local dir
  for dir in /proc/[0-9]*; do
    if [ "$(readlink "$dir/cwd" 2>/dev/null)" = "$E2E_RUN" ] && tr '\0' ' ' <"$dir/cmdline" 2>/dev/null | grep -q 'tintfall\.exe'; then
      E2E_PID="${dir#/proc/}"
      return 0
    fi
  done
  return 1
}

# Repeats a command until it succeeds or the seconds are up.
e2e_wait_for() {
  local what="$1" seconds="$2"
  shift 2
  local i
  for ((i = 0; i < seconds * 5; i++)); do
    "$@" && return 0
    sleep 0.2
  done
  fail "timed out waiting for $what"
  return 1
}

e2e_running() { [ -n "$E2E_PID" ] && kill -0 "$E2E_PID" 2>/dev/null; }
e2e_not_running() { ! e2e_running; }

# The X window of the main window (without a virtual desktop).
e2e_main_window() {
  local w width
  for w in $(xdotool search --class tintfall.exe 2>/dev/null); do
    width="$(xwininfo -id "$w" 2>/dev/null | awk '/Width:/{print $2}')"
    if [ -n "$width" ] && [ "$width" -ge 400 ]; then
      echo "$w"
      return 0
    fi
  done
  return 1
}

e2e_desktop_window() { xdotool search --name "$E2E_DESKTOP - Wine desktop" 2>/dev/null | head -1 | grep -q .; }

# Gives the keyboard focus to the program's X window: the main window, asked
# again before every key press since Wine without a window manager sometimes
# loses it; or the virtual desktop, once only, since focusing the desktop
# again takes the keyboard from the program inside it.
E2E_FOCUS=""
e2e_focus() {
  if [ -n "$E2E_DESKTOP" ]; then
    [ -n "$E2E_FOCUS" ] && return 0
    E2E_FOCUS="$(xdotool search --name "$E2E_DESKTOP - Wine desktop" 2>/dev/null | head -1)"
  elif [ -z "$E2E_FOCUS" ]; then
    E2E_FOCUS="$(e2e_main_window)"
  fi
  [ -n "$E2E_FOCUS" ] && xdotool windowfocus "$E2E_FOCUS" 2>/dev/null
}

# Key chords as xdotool names them (F2, ctrl+2, alt+g); each as one press.
# After a probe has run, call e2e_activate first: the probe takes the
# foreground from the program.
e2e_keys() {
  local key
  for key in "$@"; do
    e2e_focus
    e2e_chord "$key"
    sleep 0.3
  done
}

# One chord such as ctrl+2: the modifiers go down and up as keys of their
# own, with pauses, so that Wine sees them released before the next chord.
e2e_chord() {
  local -a parts
  IFS=+ read -r -a parts <<<"$1"
  local last=$((${#parts[@]} - 1)) i
  for ((i = 0; i < last; i++)); do xdotool keydown "${parts[i]}"; sleep 0.05; done
  xdotool key "${parts[last]}"
  for ((i = last - 1; i >= 0; i--)); do sleep 0.05; xdotool keyup "${parts[i]}"; done
}

# A key held down long enough for the game's 20 ms timer to see it.
e2e_tap() {
  e2e_focus
  xdotool keydown "$1"
  sleep "${2:-0.06}"
  xdotool keyup "$1"
  sleep 0.2
}

# Screenshot of the whole display into build/e2e-shots/<test>-<name>.png.
e2e_shot() {
  local file="$E2E_SHOTS/$E2E_NAME-$1.png"
  # import reads every window with its own visual, so open menus show too.
  /usr/bin/import -display "$DISPLAY" -window root "$file"
  echo "$file"
}

# Number of pixels that differ between two screenshots.
e2e_difference() {
  /usr/bin/compare -metric AE "$1" "$2" null: 2>&1 | awk '{print int($1)}'
}

e2e_size() { stat -c %s "$E2E_RUN/$1" 2>/dev/null || echo missing; }

e2e_wait_exit() { e2e_wait_for "the program to end" "${1:-20}" e2e_not_running; }

# Ends the program if a test left it running: the close box first, then the
# processes this test started, by their ids.
e2e_cleanup() {
  if e2e_running; then
    if [ -n "$E2E_DESKTOP" ]; then
      # Alt+F4 closes the window as its close box does.
      e2e_focus
      xdotool key Escape Escape alt+F4
    else
      probe close >/dev/null
    fi
    local i
    for ((i = 0; i < 50; i++)); do
      e2e_running || break
      sleep 0.2
    done
  fi
  if e2e_running; then
    local child
    for child in $(ps -o pid= --ppid "$E2E_PID" 2>/dev/null); do kill "$child" 2>/dev/null; done
    kill "$E2E_PID" 2>/dev/null
  fi
  # A passed test's folder goes; a failed one stays for a look.
  if [ "$E2E_FAILURES" -eq 0 ] && ! e2e_running; then rm -rf "$E2E_RUN"; fi
  # The desktop's own processes, named by this test's unique desktop name.
  if [ -n "$E2E_DESKTOP" ]; then
    local dir
    for dir in /proc/[0-9]*; do
      if tr '\0' ' ' <"$dir/cmdline" 2>/dev/null | grep -q -- "/desktop=$E2E_DESKTOP,"; then kill "${dir#/proc/}" 2>/dev/null; fi
    done
  fi
}

# Waits until the open message box titled "Tintfall" says TEXT (its last line).
box_says() {
  local i
  for ((i = 0; i < 20; i++)); do
    [ "$(dlg box | tail -1)" = "$1" ] && return 0
    sleep 0.5
  done
  return 1
}

# Presses OK on the open message box and waits until it is gone.
box_ok() {
  dlg boxpress 1 >/dev/null
  dlg nobox
}

# SEND from the open internet table: Send Result filled with NAME, E-MAIL
# and COUNTRY and confirmed.
send_as() {
  dlg click "Internet Best Scores - Top 10" 1023 >/dev/null
  e2e_wait_for "the Send Result dialog" 15 dlg find "Send Result"
  dlg settext "Send Result" 1012 "$1" >/dev/null
  dlg settext "Send Result" 1058 "$2" >/dev/null
  dlg settext "Send Result" 1059 "$3" >/dev/null
  dlg click "Send Result" 1 >/dev/null
}

# Screenshot of one window (the newest of that title) into
# build/e2e-shots/<test>-<name>.png. This display only shows a window opened
# over the main window once the window has been moved; the main window goes
# to the left edge and each dialog, when it first appears, to the right of it.
dialog_shot() {
  local title="$1" name="$2" w info wd ht
  w="$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | sort -n | tail -1)"
  [ -n "$w" ] || { fail "no window '$title' for the screenshot"; return 1; }
  xdotool windowmove --sync "$w" 620 40
  info="$(xwininfo -id "$w")"
  wd="$(echo "$info" | awk '/Width:/{print $2}')"
  ht="$(echo "$info" | awk '/Height:/{print $2}')"
  sleep 1
  # import reads each window with its own visual, as e2e_shot does.
  /usr/bin/import -display "$DISPLAY" -window root -crop "${wd}x${ht}+620+40" +repage "$E2E_SHOTS/$E2E_NAME-$name.png"
}

# Ends every help viewer on this display, by the process that owns its
# window, so no viewer outlives the test.
e2e_close_help() {
  local window pid
  for window in $(xdotool search --classname '^winhlp32\.exe$' 2>/dev/null); do
    pid="$(xdotool getwindowpid "$window" 2>/dev/null)"
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
  done
  sleep 0.5
}

e2e_finish() {
  if [ "$E2E_FAILURES" -eq 0 ]; then
    e2e_log "passed"
    exit 0
  fi
  e2e_log "$E2E_FAILURES failure(s)"
  exit 1
}
