#!/usr/bin/env bash
# The help file in Wine's help viewer: a small program asks WinHelp for
# context 1 and then context 10, as the game does for F1 and a right click.
# Each time a window titled "Tintfall Help" must appear, and the viewer's
# trace must show that the number led to the contents topic and to the
# control-panel topic respectively.
set -uo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
help_file="$root/dist/tintfall.hlp"
title="Tintfall Help"

fail() {
  echo "FAIL: $*"
  exit 1
}

[ -f "$help_file" ] || fail "$help_file is missing (build the dist_files target)"
command -v x86_64-w64-mingw32-gcc >/dev/null || fail "x86_64-w64-mingw32-gcc is not installed"

source "$root/scripts/wine-env.sh"
[ -n "${DISPLAY:-}" ] || start_virtual_display
prepare_wine_prefix

# Every viewer window on this display, whatever its title, so that a
# failed run leaves no viewer behind.
close_help_windows() {
  local window pid
  for window in $(xdotool search --classname '^winhlp32\.exe$' 2>/dev/null); do
    pid="$(xdotool getwindowpid "$window" 2>/dev/null)"
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
  done
}

work="$(mktemp -d)"
started=()
cleanup() {
  close_help_windows
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT

# WinHelp starts the viewer on first use and may give up before it is up,
# so the request is repeated a few times; then the program stays, as a game
# would, until the test ends it.
cat > "$work/openhelp.c" <<'EOF'
#include <windows.h>
#include <stdlib.h>
int main(int argc, char** argv) {
    int attempt;
    if (argc != 3) return 2;
    for (attempt = 0; attempt < 5; ++attempt) {
        if (WinHelpA(NULL, argv[1], HELP_CONTEXT, (ULONG_PTR)atoi(argv[2]))) {
            Sleep(600000);
            return 0;
        }
        Sleep(2000);
    }
    return 1;
}
EOF
x86_64-w64-mingw32-gcc -O2 -o "$work/openhelp.exe" "$work/openhelp.c" -luser32 || fail "cannot build the WinHelp caller"

windows_path="Z:$(echo "$help_file" | tr '/' '\\')"

help_windows() {
  xdotool search --name "^$title\$" 2>/dev/null
}

# The title of the page the viewer showed for the context number: the page
# whose offset is the first one looked up after the context-map lookup.
shown_page() {
  local log="$1" offset
  offset="$(sed -n '/HLPFILE_PageByMap/,$p' "$log" | grep -m1 'HLPFILE_PageByOffset' | sed 's/.*\[\([0-9a-fA-F]*\)\].*/\1/')"
  [ -n "$offset" ] || return 1
  grep 'HLPFILE_AddPage Added page' "$log" | while read -r line; do
    local page_offset
    page_offset="$(echo "$line" | sed 's/.*<< \([0-9a-fA-F]*\) >>.*/\1/')"
    if [ $((16#$page_offset)) -eq $((16#$offset)) ]; then
      echo "$line" | sed 's/.*title="\([^"]*\)".*/\1/'
      break
    fi
  done
}

check_context() {
  local number="$1" expected="$2" log="$work/context$1.log" pid shown=""
  close_help_windows
  WINEDEBUG=+winhelp wine "$work/openhelp.exe" "$windows_path" "$number" >"$log" 2>&1 &
  pid=$!
  started+=("$pid")
  for _ in $(seq 1 60); do
    if [ -n "$(help_windows)" ]; then
      shown="$(shown_page "$log")"
      [ -n "$shown" ] && break
    fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 1
  done
  [ -n "$(help_windows)" ] || fail "context $number: no window titled \"$title\" appeared"
  [ "$shown" = "$expected" ] || fail "context $number: the viewer showed \"$shown\", expected \"$expected\""
  grep -q 'err:winhelp' "$log" && fail "context $number: the viewer reported errors: $(grep 'err:winhelp' "$log" | head -3)"
  echo "ok: context $number opens \"$expected\" in a window titled \"$title\""
  close_help_windows
  kill "$pid" 2>/dev/null
}

check_context 1 "Tintfall Help"
check_context 10 "The control panel"
echo "PASS: help file opens at contexts 1 and 10"
