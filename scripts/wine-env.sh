#!/usr/bin/env bash
# Sourced by the scripts that run tintfall.exe: a private Wine prefix and,
# when there is no display, a virtual one.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$root/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

start_virtual_display() {
  export DISPLAY="${TINTFALL_DISPLAY:-:77}"
  if ! xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then
    Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    for _ in $(seq 1 50); do
      xdpyinfo -display "$DISPLAY" >/dev/null 2>&1 && break
      sleep 0.1
    done
  fi
}

# Debian's wineserver leaves as soon as its last program does, so a run of
# short programs starts and stops one server after another, and a program
# started while one was going away has come up with no window. The tests
# keep one server for each prefix, which leaves a minute after the last
# program (or when stopped).
keep_wineserver() { wineserver -p60 2>/dev/null || true; }
stop_kept_wineservers() {
  local prefix
  for prefix in "$root"/build/wineprefix "$root"/build/wineprefix-dpi*; do
    [ -d "$prefix" ] && WINEPREFIX="$prefix" wineserver -k 2>/dev/null
  done
  return 0
}

prepare_wine_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w || true
  fi
}
