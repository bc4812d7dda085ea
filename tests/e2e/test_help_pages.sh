#!/usr/bin/env bash
# Help where the system has no WinHelp viewer: a build of the program whose
# Win32 layer reports Windows 10 (and not Wine) opens the help pages beside
# the program file in the default browser, F1 the contents page and a right
# click the page of the control panel, and no help viewer. Wine hands a web
# page to the browsers named in its WineBrowser key; for this test that is a
# script that writes down what it was given. A prefix made without Wine's
# own browser has no program for ".html" files; the test then names Wine's
# browser launcher for them, and takes that back at the end.
source "$(dirname "$0")/lib.sh"
NO_VIEWER="$E2E_ROOT/build/win/app/win32/tintfall_no_viewer.exe"
[ -f "$NO_VIEWER" ] || { e2e_log "no $NO_VIEWER: build first"; exit 1; }

e2e_setup
[ -f "$E2E_RUN/help/contents.html" ] || { e2e_log "no help pages in dist/: build the dist_files target first"; exit 1; }
cp "$NO_VIEWER" "$E2E_RUN/tintfall.exe"

OPENED="$E2E_RUN/opened.txt"
BROWSER="$E2E_RUN/browser.sh"
printf '#!/bin/sh\necho "$1" >> "%s"\n' "$OPENED" > "$BROWSER"
chmod +x "$BROWSER"
BROWSER_KEY='HKCU\Software\Wine\WineBrowser'
HTML_KEY='HKCR\.html'
wine reg add "$BROWSER_KEY" /v Browsers /d "$BROWSER" /f >/dev/null 2>&1
HTML_KEY_ADDED=""
if ! wine reg query "$HTML_KEY" /ve >/dev/null 2>&1; then
  wine reg add "$HTML_KEY" /ve /d htmlfile /f >/dev/null 2>&1
  HTML_KEY_ADDED=1
fi
pages_cleanup() {
  wine reg delete "$BROWSER_KEY" /v Browsers /f >/dev/null 2>&1
  [ -n "$HTML_KEY_ADDED" ] && wine reg delete "$HTML_KEY" /f >/dev/null 2>&1
  e2e_cleanup
}
trap pages_cleanup EXIT

# The n-th page handed to the browser, as a path of this machine.
opened_page() { sed -n "$1p" "$OPENED" 2>/dev/null | sed 's|^file://||'; }
page_count() { [ -f "$OPENED" ] && [ "$(wc -l < "$OPENED")" -ge "$1" ]; }
viewer_open() { xdotool search --classname '^winhlp32\.exe$' >/dev/null 2>&1; }

e2e_start || e2e_finish

e2e_keys F1
if e2e_wait_for "a page after F1" 30 page_count 1; then
  check "F1 opens the contents page beside the program" [ "$(opened_page 1)" = "$E2E_RUN/help/contents.html" ]
  check "the contents page is the contents topic" grep -q "<h1>Tintfall Help</h1>" "$(opened_page 1)"
fi

window="$(e2e_main_window)"
if [ -n "$window" ]; then
  xdotool mousemove --window "$window" 240 200 click 3
  if e2e_wait_for "a page after a right click" 30 page_count 2; then
    check "a right click opens the control-panel page" [ "$(opened_page 2)" = "$E2E_RUN/help/control_panel.html" ]
    check "the page is the control-panel topic" grep -q "<h1>The control panel</h1>" "$(opened_page 2)"
  fi
else
  fail "the main window was not found for the right click"
fi
check "no help viewer opened" eval '! viewer_open'
check "the game still runs" e2e_running
e2e_finish
