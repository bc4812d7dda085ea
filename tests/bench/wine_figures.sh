#!/usr/bin/env bash
# tintfall.exe under Wine beside the floor program (tintfall_floor.exe, a bare
# window of the same client size with a 20 ms timer that does nothing), one
# after the other in the same run. Prints one "name value" line per figure:
#   <program>.launch_s      median seconds from starting wine to the window
#                           being mapped (of LAUNCHES starts, default 11)
#   <program>.idle_pct      share of one core over SECONDS (default 30) with no game
#   <program>.running_pct   the same while a game runs and nothing is pressed
#                           (the floor has no game: its second idle span)
#   <program>.peak_kb       peak resident memory (VmHWM) at the end
# for the floor, the game as it starts (title animated) and the game with the
# title animation off ("still": shares and memory only),
# and graph_bytes, the bytes of dist/graph's own pictures; then at 192 DPI
# floor2x.peak_kb, game2x.peak_kb and graph2x_bytes (dist/graph/2x). Not a
# test: it asserts nothing.
source "$(dirname "$0")/../e2e/lib.sh"
seconds="${SECONDS_PER_SPAN:-30}"
launches="${LAUNCHES:-11}"
FLOOR="${TINTFALL_FLOOR:-$E2E_ROOT/build/win/app/win32/tintfall_floor.exe}"
[ -f "$FLOOR" ] || { echo "no floor program at $FLOOR: build first" >&2; exit 1; }
e2e_setup
cp "$FLOOR" "$E2E_RUN/"
# Two-block pieces so the unattended game lasts; no sound device here. Both
# programs get the Big client area, 602 x 602 (ws.dat mode 1).
e2e_options_bytes blockCountCode=1 bombsEnabled=0 soundOn=0 > "$E2E_RUN/tintfall.dat"
{ printf '\x18TINTFALL_WINDOWSIZE_FILE'; printf '\x01\x00\x00\x00'; } > "$E2E_RUN/ws.dat"

now() { date +%s.%N; }
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz="$(getconf CLK_TCK)"

# The mapped X window of a class at least 400 pixels wide.
mapped_window() {
  local w width
  for w in $(xdotool search --onlyvisible --class "$1" 2>/dev/null); do
    width="$(xwininfo -id "$w" 2>/dev/null | awk '/Width:/{print $2}')"
    if [ -n "$width" ] && [ "$width" -ge 400 ]; then echo "$w"; return 0; fi
  done
  return 1
}

# start <exe> [args]: starts the program in the run folder, waits for its
# window; sets PID and LAUNCH (seconds).
start() {
  local exe="$1" start_time i
  shift
  start_time="$(now)"
  (cd "$E2E_RUN" && exec wine "./$exe" "$@" >/dev/null 2>&1) &
  PID=$!
  for ((i = 0; i < 3000; i++)); do
    mapped_window "$exe" >/dev/null && break
    sleep 0.01
  done
  LAUNCH="$(awk -v a="$start_time" -v b="$(now)" 'BEGIN { printf "%.3f", b - a }')"
}

stop() {
  kill "$PID" 2>/dev/null
  wait "$PID" 2>/dev/null
  sleep 1
}

# Share of one core the process used over the span, in percent.
core_share() {
  local before after t0 t1
  before="$(ticks "$1")"
  t0="$(now)"
  sleep "$seconds"
  after="$(ticks "$1")"
  t1="$(now)"
  awk -v t=$((after - before)) -v hz="$hz" -v a="$t0" -v b="$t1" 'BEGIN { printf "%.2f", 100 * t / hz / (b - a) }'
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# measure <name> <exe> <yes: a game to start> <launches> [args]
measure() {
  local name="$1" exe="$2" game="$3" count="$4" times=() i
  shift 4
  local args=("$@")
  for ((i = 0; i < count; i++)); do
    start "$exe" "${args[@]}"
    times+=("$LAUNCH")
    stop
  done
  [ "$count" -gt 0 ] && echo "$name.launch_s $(printf '%s\n' "${times[@]}" | median)"
  start "$exe" "${args[@]}"
  sleep 5
  echo "$name.idle_pct $(core_share "$PID")"
  if [ "$game" = yes ]; then
    E2E_PID="$PID"
    E2E_FOCUS=""
    e2e_keys F2
    sleep 4
    e2e_shot "$name-running-start" >/dev/null
  fi
  echo "$name.running_pct $(core_share "$PID")"
  [ "$game" = yes ] && e2e_shot "$name-running-end" >/dev/null
  echo "$name.peak_kb $(awk '/VmHWM/{print $2}' "/proc/$PID/status")"
  stop
}

# A warm start for both: the prefix, the server and Wine's own services stay
# up between the starts (notepad keeps them), so each start is the program's own.
(cd "$E2E_RUN" && exec wine notepad.exe >/dev/null 2>&1) &
KEEPER=$!
sleep 3
start tintfall_floor.exe 602 602
stop
measure floor tintfall_floor.exe no "$launches" 602 602
measure game tintfall.exe yes "$launches"
# The same with the title standing still, which the floor's title also does.
e2e_options_bytes blockCountCode=1 bombsEnabled=0 soundOn=0 animateTitle=0 > "$E2E_RUN/tintfall.dat"
measure still tintfall.exe yes 0
folder_bytes() { find "$1" -maxdepth 1 -type f -printf '%s\n' | awk '{ s += $1 } END { print s }'; }
echo "graph_bytes $(folder_bytes "$E2E_DIST/graph")"
E2E_PID=""
kill "$KEEPER" 2>/dev/null
wait "$KEEPER" 2>/dev/null || true

# Peak memory at 192 DPI, in a prefix of its own that reports it: the game in
# its Normal window (966 x 814 pixels) with a game running, and the floor of
# the same client size.
peak_after() {
  sleep "$1"
  echo "$(awk '/VmHWM/{print $2}' "/proc/$PID/status")"
}
export WINEPREFIX="$E2E_ROOT/build/wineprefix-dpi192"
prepare_wine_prefix
keep_wineserver
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f >/dev/null 2>&1
{ printf '\x18TINTFALL_WINDOWSIZE_FILE'; printf '\x00\x00\x00\x00'; } > "$E2E_RUN/ws.dat"
start tintfall_floor.exe 966 814
echo "floor2x.peak_kb $(peak_after 10)"
stop
start tintfall.exe
sleep 5
E2E_PID="$PID"
E2E_FOCUS=""
e2e_keys F2
echo "game2x.peak_kb $(peak_after 10)"
e2e_shot "game2x-running" >/dev/null
stop
E2E_PID=""
echo "graph2x_bytes $(folder_bytes "$E2E_DIST/graph/2x")"
