# The real table server (server/run.sh) on loopback for a test, sourced after
# lib.sh: server_start, server_stop and server_site. Its data and log go
# beside the run's folder and are removed when the test passed.
JUDGE="$E2E_ROOT/build/native/server/tintfall_judge"
[ -x "$JUDGE" ] || { e2e_log "no judge at $JUDGE: build first"; exit 1; }
SERVER_DATA="$E2E_RUN.server"
SERVER_PID=""

# The server listens on the ports the program was built for; another run
# may hold them for a while, so a refused start is tried again.
server_start() {
  local try
  for ((try = 0; try < 30; try++)); do
    bash "$E2E_ROOT/server/run.sh" --judge "$JUDGE" --data "$SERVER_DATA" "$@" >"$SERVER_DATA.log" 2>&1 &
    SERVER_PID=$!
    e2e_wait_for_quietly 30 server_ready && return 0
    kill "$SERVER_PID" 2>/dev/null
    wait "$SERVER_PID" 2>/dev/null
    SERVER_PID=""
    grep -q "Cannot listen" "$SERVER_DATA.log" || break
    sleep 2
  done
  fail "the table server did not start: $(tail -3 "$SERVER_DATA.log")"
  return 1
}
server_ready() { grep -q "Stop with Ctrl+C" "$SERVER_DATA.log" 2>/dev/null; }
# The web pages' folder, as the server printed it when it started.
server_site() { sed -n 's/^Web:  \(http[^ ]*\) .*/\1/p' "$SERVER_DATA.log"; }
e2e_wait_for_quietly() {
  local seconds="$1" i
  shift
  for ((i = 0; i < seconds * 5; i++)); do
    "$@" && return 0
    kill -0 "$SERVER_PID" 2>/dev/null || return 1
    sleep 0.2
  done
  return 1
}
server_stop() {
  [ -n "$SERVER_PID" ] || return 0
  kill "$SERVER_PID" 2>/dev/null
  wait "$SERVER_PID" 2>/dev/null
  SERVER_PID=""
}
server_cleanup() {
  server_stop
  [ "$E2E_FAILURES" -eq 0 ] && rm -rf "$SERVER_DATA" "$SERVER_DATA.log" "$SERVER_DATA.upload"
  e2e_cleanup
}
