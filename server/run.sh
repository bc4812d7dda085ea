#!/usr/bin/env bash
# Starts the internet table server on this machine without root: the FTP
# front end for the program, the judge as its worker and nginx for the web
# pages, listening on loopback with the values of server/server.conf, and
# prints where each listens. Ctrl+C or SIGTERM stops it. Builds the judge
# first unless --judge names one. Options:
#   --data DIR   database, published files and incoming uploads (build/server-data)
#   --ftp-port N, --web-port N   (0: any free port), --listen ADDRESS, ...
# all of them: bash server/run.sh --help
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

judge_given=0
for arg in "$@"; do
  case "$arg" in --judge|--judge=*|-h|--help) judge_given=1 ;; esac
done

if ! /usr/bin/python3 -c "import pyftpdlib" 2>/dev/null || ! [ -x /usr/sbin/nginx ]; then
  bash "$root/scripts/deps.sh"
fi

if [ "$judge_given" = 0 ]; then
  build="$root/build/native"
  echo "Building the judge in $build ..."
  if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  fi
  if ! output="$(cmake --build "$build" --target tintfall_judge -j2 2>&1)"; then
    echo "$output" >&2
    exit 1
  fi
  set -- --judge "$build/server/tintfall_judge" "$@"
fi

exec /usr/bin/python3 "$root/server/tableserver.py" "$@"
