#!/usr/bin/env bash
# The FTP server goes away in the middle of a transfer (a fake server on the
# port the program was built for sends or takes part of a file and drops the
# connection): UPDATE reports "Downloading Failed", SEND "Uploading Failed";
# the tables, the score book and the program stay as they were.
source "$(dirname "$0")/lib.sh"

TABLES="$E2E_ROOT/tests/e2e/tables.py"
PORT="$(sed -n 's/^TINTFALL_FTP_PORT=//p' "$E2E_ROOT/server/server.conf")"
BEST="Internet Best Scores - Top 10"
SERVER_PID=""

# Starts the fake server; another run may hold the port for a while.
server_start() {
  local try
  for ((try = 0; try < 30; try++)); do
    /usr/bin/python3 "$E2E_ROOT/tests/e2e/vanishing_ftp.py" "$PORT" >"$E2E_RUN.ftp.log" 2>&1 &
    SERVER_PID=$!
    sleep 0.5
    grep -q ready "$E2E_RUN.ftp.log" && return 0
    wait "$SERVER_PID" 2>/dev/null
    sleep 2
  done
  fail "the fake FTP server did not start"
  return 1
}
server_gone() { ! kill -0 "$SERVER_PID" 2>/dev/null; }
no_upload_file() { [ -z "$(find "$E2E_RUN" -maxdepth 1 -name '*.tft' ! -name data.tft ! -name top10.tft)" ]; }
finish_run() {
  [ -n "$SERVER_PID" ] && kill "$SERVER_PID" 2>/dev/null
  rm -f "$E2E_RUN.ftp.log"
  e2e_cleanup
}
e2e_setup
e2e_dialog_tool
trap finish_run EXIT
/usr/bin/python3 "$TABLES" book "$E2E_RUN/data.tft" "Blue Fox:8000:9:95:5:0"
cp "$E2E_RUN/data.tft" "$E2E_RUN.book-before"
e2e_start || e2e_finish
xdotool windowmove --sync "$(e2e_main_window)" 0 0

server_start || e2e_finish
dlg command 40015 >/dev/null
e2e_wait_for "the internet table" 15 dlg find "$BEST"
dlg click "$BEST" 1024 >/dev/null
check "UPDATE reports the broken download" box_says "Downloading Failed"
box_ok
e2e_wait_for "the server to be gone" 10 server_gone
check "the score book is as it was" cmp -s "$E2E_RUN/data.tft" "$E2E_RUN.book-before"

server_start || e2e_finish
send_as "Blue Fox" "fox@example.org" "Norway"
check "SEND reports the broken upload" box_says "Uploading Failed"
box_ok
e2e_wait_for "the server to be gone" 10 server_gone
e2e_wait_for "the upload file to be deleted" 10 no_upload_file
check "the score book is as it was" cmp -s "$E2E_RUN/data.tft" "$E2E_RUN.book-before"
check "the program runs on" e2e_running
rm -f "$E2E_RUN.book-before"
e2e_finish
