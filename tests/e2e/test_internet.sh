#!/usr/bin/env bash
# The internet table end to end, with the real table server (server/run.sh)
# on loopback: UPDATE fetches the judged Top 10, shown with countries; SEND
# uploads the Classic table, the judge takes it and the next UPDATE shows the
# sender's row; with the server stopped both fail at the connection and leave
# no file, and one that never answers shows the progress while it waits; a
# served top10.tft with 9 rows is reported as incorrect after the
# success message, stays on disk and changes no table. Screenshots of Send
# Result, the Transfer Data dialog and the Top 10 go to build/e2e-shots/.
source "$(dirname "$0")/lib.sh"

TABLES="$E2E_ROOT/tests/e2e/tables.py"

SILENT_PID=""
finish_run() {
  [ -n "$SILENT_PID" ] && kill "$SILENT_PID" 2>/dev/null
  server_cleanup
}

BEST="Internet Best Scores - Top 10"
TRANSFER="Transfer Data"
SEND="Send Result"
CONDITIONS="Conditions !"
SENDER_INFO="Game Info: Blue Fox"

transfer_closed() { ! dlg find "$TRANSFER" >/dev/null 2>&1; }
conditions_closed() { ! dlg find "$CONDITIONS" >/dev/null 2>&1; }
info_closed() { ! dlg find "$SENDER_INFO" >/dev/null 2>&1; }
# Every text of the window fits its control in the dialogs' font.
fits() {
  local cut
  cut="$(e2e_cut_texts "$1")"
  check "every text of $1 fits its control${cut:+ ($cut)}" [ -z "$cut" ]
}
# Name column of places 1 to 3.
top_names() { dlg show "$BEST" 1016 1027 1033 | cut -d' ' -f4- | tr '\n' ','; }
byte_at() { od -An -tu1 -j "$2" -N 1 "$1" | tr -d ' '; }
# A window busy in a blocking call cannot draw itself again after a move, so
# it is taken where it stands.
in_place_shot() {
  local w info x y wd ht
  w="$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | sort -n | tail -1)"
  [ -n "$w" ] || { fail "no window '$1' for the screenshot"; return 1; }
  info="$(xwininfo -id "$w")"
  x="$(echo "$info" | awk '/Absolute upper-left X/{print $4}')"
  y="$(echo "$info" | awk '/Absolute upper-left Y/{print $4}')"
  wd="$(echo "$info" | awk '/Width:/{print $2}')"
  ht="$(echo "$info" | awk '/Height:/{print $2}')"
  /usr/bin/import -display "$DISPLAY" -window root -crop "${wd}x${ht}+$x+$y" +repage "$E2E_SHOTS/$E2E_NAME-$2.png"
}

e2e_setup
e2e_dialog_tool
source "$E2E_ROOT/tests/e2e/table_server.sh"
trap finish_run EXIT
server_start || e2e_finish

# Two other installations have sent their tables already.
for player in "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa|Other One|Belgium|Zed:9000:9:100:6:0" \
              "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb|Second Player|Netherlands|Ann:7000:8:90:5:0"; do
  IFS='|' read -r key name country row <<<"$player"
  python3 "$TABLES" upload "$SERVER_DATA.upload" "$key" "$name" "$country" "$row"
  check "$name's upload is taken" python3 "$TABLES" put "$SERVER_DATA.upload" "$key.tft"
done

# The player's own Classic table: a better game on Easy, which does not count,
# and one on Normal with three blocks, which does.
python3 "$TABLES" book "$E2E_RUN/data.tft" "Easy Game:99999:20:900:4:0" "Blue Fox:8000:9:95:5:0"

e2e_start || e2e_finish
xdotool windowmove --sync "$(e2e_main_window)" 0 0

check "the upload key was made at start" [ "$(e2e_size uploadkey.dat)" = 57 ]
check "its file has its header" [ "$(head -c 24 "$E2E_RUN/uploadkey.dat" | tail -c 23)" = "TINTFALL_UPLOADKEY_FILE" ]
KEY="$(tail -c 32 "$E2E_RUN/uploadkey.dat")"
check "the key is 32 lower-case hex digits" grep -Eq '^[0-9a-f]{32}$' <<<"$KEY"

# UPDATE fetches the judged table; "Top 10" shows it with the countries.
dlg command 40015 >/dev/null
e2e_wait_for "the internet table" 15 dlg find "$BEST"
dlg click "$BEST" 1024 >/dev/null
check "UPDATE reports the transfer" box_says "Data Transfer completed successfully"
dialog_shot "$TRANSFER" transfer-download
fits "$TRANSFER"
dialog_shot Tintfall download-box
box_ok
e2e_wait_for "the transfer dialog to close" 10 transfer_closed
check "the Top 10 shows the judged rows with their countries" \
  [ "$(top_names)" = "Other One (Belgium),Second Player (Netherlands),Empty," ]
check "the fetched table is saved" grep -q "Other One|Belgium|9000" <<<"$(python3 "$TABLES" internet "$E2E_RUN/data.tft")"
check "no top10.tft is left" [ ! -e "$E2E_RUN/top10.tft" ]
dialog_shot "$BEST" top10-after-update
fits "$BEST"

# SEND: the three checks, then the upload of the Classic table.
dlg click "$BEST" 1023 >/dev/null
e2e_wait_for "the Send Result dialog" 15 dlg find "$SEND"
check "Send Result opens with empty boxes" [ "$(dlg show "$SEND" 1012 1058 1059 1060 | cut -d' ' -f4- | tr -d '\n')" = "" ]
fits "$SEND"
dlg click "$SEND" 1063 >/dev/null
e2e_wait_for "the conditions" 15 dlg find "$CONDITIONS"
dialog_shot "$CONDITIONS" conditions
dlg click "$CONDITIONS" 1 >/dev/null
e2e_wait_for "the conditions to close" 10 conditions_closed
dlg settext "$SEND" 1012 "Blue Fox" >/dev/null
dlg settext "$SEND" 1059 "Norway" >/dev/null
dlg click "$SEND" 1 >/dev/null
check "a missing e-mail is asked for" box_says "Please enter your e-mail"
box_ok
check "the dialog stays with its entries" [ "$(dlg show "$SEND" 1012 | cut -d' ' -f4-)" = "Blue Fox" ]
dlg settext "$SEND" 1058 "fox@example.org" >/dev/null
dlg settext "$SEND" 1060 "Hello from the tests" >/dev/null
dialog_shot "$SEND" send-result
dlg click "$SEND" 1 >/dev/null
check "the upload is reported" box_says "Thank you and Good Luck!"
dialog_shot "$TRANSFER" transfer-upload
fits "$TRANSFER"
dialog_shot Tintfall upload-box
box_ok
e2e_wait_for "the transfer dialog to close" 10 transfer_closed
check "no upload file is left" [ ! -e "$E2E_RUN/$KEY.tft" ]
check "lastsend.dat keeps the entries" grep -q "fox@example.org" "$E2E_RUN/lastsend.dat"

# The judge took the qualifying row under the sender's name and country.
dlg click "$BEST" 1024 >/dev/null
check "the second UPDATE reports the transfer" box_says "Data Transfer completed successfully"
box_ok
e2e_wait_for "the transfer dialog to close" 10 transfer_closed
check "the sender's row is in the Top 10" \
  [ "$(top_names)" = "Other One (Belgium),Blue Fox (Norway),Second Player (Netherlands)," ]
check "with the score of the qualifying game" [ "$(dlg show "$BEST" 1028 | cut -d' ' -f4-)" = "8000" ]
dialog_shot "$BEST" top10-with-sender
# The Game Info of a fetched row.
dlg click "$BEST" 1031 >/dev/null
e2e_wait_for "the Game Info of the sender's row" 15 dlg find "$SENDER_INFO"
dialog_shot "$SENDER_INFO" top10-game-info
dlg click "$SENDER_INFO" 1 >/dev/null
e2e_wait_for "the Game Info to close" 10 info_closed

# With the server stopped, both fail at the connection and leave no file.
server_stop
dlg click "$BEST" 1024 >/dev/null
check "UPDATE without a server fails at the connection" box_says "Connection to the FTP Server Failed"
box_ok
e2e_wait_for "the transfer dialog to close" 10 transfer_closed
check "the failed UPDATE leaves no top10.tft" [ ! -e "$E2E_RUN/top10.tft" ]
check "and keeps the table" [ "$(top_names)" = "Other One (Belgium),Blue Fox (Norway),Second Player (Netherlands)," ]
dlg click "$BEST" 1023 >/dev/null
e2e_wait_for "the Send Result dialog" 15 dlg find "$SEND"
check "Send Result proposes the last entries" [ "$(dlg show "$SEND" 1059 | cut -d' ' -f4-)" = "Norway" ]
dlg click "$SEND" 1 >/dev/null
check "SEND without a server fails at the connection" box_says "Connection to the FTP Server Failed"
box_ok
e2e_wait_for "the transfer dialog to close" 10 transfer_closed
check "the failed SEND leaves no upload file" [ ! -e "$E2E_RUN/$KEY.tft" ]

# A server that takes the connection and says nothing for a while: the
# dialog shows its progress while the connection waits.
/usr/bin/python3 - <<'PY' &
import socket, time
s = socket.socket()
s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
s.bind(("127.0.0.1", 2121))
s.listen(1)
connection, _ = s.accept()
time.sleep(4)
PY
SILENT_PID=$!
sleep 1
dlg click "$BEST" 1024 >/dev/null
sleep 2
in_place_shot "$TRANSFER" transfer-waiting
check "the waiting connection fails in the end" box_says "Connection to the FTP Server Failed"
box_ok
e2e_wait_for "the transfer dialog to close" 10 transfer_closed
wait "$SILENT_PID"
SILENT_PID=""

# A served table of 9 rows: success first, then the incorrect file, which stays.
server_start || e2e_finish
python3 "$TABLES" count "$SERVER_DATA/ftp/top10.tft" 9
cp "$E2E_RUN/data.tft" "$E2E_RUN.book"
dlg click "$BEST" 1024 >/dev/null
check "the short table arrives" box_says "Data Transfer completed successfully"
dlg boxpress 1 >/dev/null
check "and is then found incorrect" box_says "ERROR! Downloaded file is incorrect"
box_ok
e2e_wait_for "the transfer dialog to close" 10 transfer_closed
check "the incorrect top10.tft stays" [ "$(byte_at "$E2E_RUN/top10.tft" 25)" = 9 ]
check "no table changed" cmp -s "$E2E_RUN.book" "$E2E_RUN/data.tft"
rm -f "$E2E_RUN.book"
dlg click "$BEST" 2 >/dev/null
e2e_finish
