#!/usr/bin/env bash
# F1 opens the help file beside the program at its contents topic, and a
# right click on the window opens it at the control-panel topic. Each time a
# window titled "Tintfall Help" must appear; a small program reads the first
# line of the text the viewer shows, which is the topic's title.
source "$(dirname "$0")/lib.sh"
HELP_TITLE="Tintfall Help"

e2e_setup
# The help file under test is the one the build wrote into dist/.
[ -f "$E2E_ROOT/dist/tintfall.hlp" ] && cp "$E2E_ROOT/dist/tintfall.hlp" "$E2E_RUN/"
[ -f "$E2E_RUN/tintfall.hlp" ] || { e2e_log "no tintfall.hlp: build the dist_files target first"; exit 1; }
command -v x86_64-w64-mingw32-gcc >/dev/null || { e2e_log "x86_64-w64-mingw32-gcc is not installed"; exit 1; }

help_cleanup() {
  e2e_close_help
  rm -rf "$HELP_TOOLS"
  e2e_cleanup
}
HELP_TOOLS="$(mktemp -d)"
trap help_cleanup EXIT

# The viewer shows a topic in a rich-edit control of its window. The text
# of a window in another process is asked for with a message: GetWindowText
# would only return the caption the system keeps.
cat > "$HELP_TOOLS/helptext.c" <<'EOF'
#include <windows.h>
#include <stdio.h>
#include <string.h>
static char text[65536];
static BOOL CALLBACK findText(HWND window, LPARAM found) {
    char name[64];
    DWORD_PTR length = 0;
    GetClassNameA(window, name, sizeof name);
    if (_strnicmp(name, "RichEdit", 8) != 0) return TRUE;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, (LPARAM)text, SMTO_ABORTIFHUNG, 5000, &length) ||
        length == 0)
        return TRUE;
    *(BOOL*)found = TRUE;
    return FALSE;
}
int main(int argc, char** argv) {
    HWND help;
    BOOL found = FALSE;
    if (argc != 2) return 2;
    help = FindWindowA(NULL, argv[1]);
    if (!help) return 1;
    EnumChildWindows(help, findText, (LPARAM)&found);
    if (!found) return 1;
    text[strcspn(text, "\r\n")] = '\0';
    printf("%s\n", text);
    return 0;
}
EOF
x86_64-w64-mingw32-gcc -O2 -o "$HELP_TOOLS/helptext.exe" "$HELP_TOOLS/helptext.c" -luser32 ||
  { e2e_log "cannot build the help text reader"; exit 1; }

help_window_open() { xdotool search --name "^$HELP_TITLE\$" >/dev/null 2>&1; }
shown_topic() { wine "$HELP_TOOLS/helptext.exe" "$HELP_TITLE" 2>/dev/null | tr -d '\r'; }
topic_is() { [ "$(shown_topic)" = "$1" ]; }

e2e_start || e2e_finish
e2e_focus

e2e_keys F1
if e2e_wait_for "a window titled \"$HELP_TITLE\" after F1" 60 help_window_open; then
  e2e_log "ok: F1 opens a window titled \"$HELP_TITLE\""
  e2e_wait_for "the contents topic" 30 topic_is "Tintfall Help" &&
    e2e_log "ok: F1 shows the contents topic"
  e2e_shot contents >/dev/null
fi
e2e_close_help

window="$(e2e_main_window)"
if [ -n "$window" ]; then
  xdotool mousemove --window "$window" 240 200 click 3
  if e2e_wait_for "a window titled \"$HELP_TITLE\" after a right click" 60 help_window_open; then
    e2e_log "ok: a right click opens a window titled \"$HELP_TITLE\""
    e2e_wait_for "the control-panel topic" 30 topic_is "The control panel" &&
      e2e_log "ok: a right click shows the control-panel topic"
    e2e_shot control-panel >/dev/null
  fi
else
  fail "the main window was not found for the right click"
fi
check "the game still runs beside the help" e2e_running
e2e_finish
