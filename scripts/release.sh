#!/usr/bin/env bash
# Makes a release from the checkout: builds everything (scripts/build.sh),
# builds tintfall.exe for the given table server, then writes
# build/release/tintfall-VERSION.zip and tintfall-VERSION-setup.exe
# (scripts/package.sh). VERSION is the project version in CMakeLists.txt.
#
#   release.sh --host HOST --support ADDRESS [--user NAME --password SECRET]
#              [--web-url URL] [--ftp-port N]
#       a release for players: HOST is the table server (not this machine),
#       ADDRESS the support e-mail address of the About box; the account
#       defaults to server/server.conf's.
#   release.sh --local-test
#       a release that plays against `bash server/run.sh` on the player's own
#       machine; its files are named tintfall-VERSION-localtest*.
# Afterwards build/win is configured for development again.
#
# With TINTFALL_SIGN_CERT and TINTFALL_SIGN_PASSWORD (scripts/sign.sh)
# tintfall.exe, the uninstaller and the installer are signed; without them
# the release is unsigned and scripts/package.sh says so.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

conf() { sed -n "s/^$1=//p" "$root/server/server.conf"; }
host="" support="" web_url="" ftp_port="" local_test=0
user="$(conf TINTFALL_FTP_USER)" password="$(conf TINTFALL_FTP_PASSWORD)"
while [ $# -gt 0 ]; do
  case "$1" in
    --host) host="$2"; shift 2 ;;
    --support) support="$2"; shift 2 ;;
    --user) user="$2"; shift 2 ;;
    --password) password="$2"; shift 2 ;;
    --web-url) web_url="$2"; shift 2 ;;
    --ftp-port) ftp_port="$2"; shift 2 ;;
    --local-test) local_test=1; shift ;;
    *) echo "release.sh: unknown option $1 (see the top of scripts/release.sh)" >&2; exit 2 ;;
  esac
done

placeholder="support@tintfall.example"
if [ "$local_test" = 1 ]; then
  suffix="-localtest"
  options=(-DTINTFALL_RELEASE=OFF -DTINTFALL_FTP_HOST="$(conf TINTFALL_FTP_HOST)" -DTINTFALL_FTP_PORT=
           -DTINTFALL_FTP_USER="$user" -DTINTFALL_FTP_PASSWORD="$password" -DTINTFALL_WEB_URL=
           -DTINTFALL_SUPPORT_MAIL="$placeholder")
else
  case "$host" in
    "" | localhost | 127.* | ::1 | 0.0.0.0)
      echo "release.sh: refused: a release needs the table server's host name (--host), and not this" \
           "machine's ('${host:-none given}'): players would talk to their own computer. For a release" \
           "that plays against server/run.sh on the same machine, ask for --local-test." >&2
      exit 1 ;;
  esac
  if [ -z "$support" ] || [ "$support" = "$placeholder" ] || [[ "$support" != ?*@?*.?* ]]; then
    echo "release.sh: refused: a release needs the support e-mail address shown in the About box" \
         "(--support ADDRESS), not '${support:-none given}'." >&2
    exit 1
  fi
  suffix=""
  options=(-DTINTFALL_RELEASE=ON -DTINTFALL_FTP_HOST="$host" -DTINTFALL_FTP_PORT="$ftp_port"
           -DTINTFALL_FTP_USER="$user" -DTINTFALL_FTP_PASSWORD="$password" -DTINTFALL_WEB_URL="$web_url"
           -DTINTFALL_SUPPORT_MAIL="$support")
fi

development=(-DTINTFALL_RELEASE=OFF -DTINTFALL_FTP_HOST="$(conf TINTFALL_FTP_HOST)" -DTINTFALL_FTP_PORT=
             -DTINTFALL_FTP_USER="$(conf TINTFALL_FTP_USER)" -DTINTFALL_FTP_PASSWORD="$(conf TINTFALL_FTP_PASSWORD)"
             -DTINTFALL_WEB_URL= -DTINTFALL_SUPPORT_MAIL="$placeholder")
restore() {
  cmake -S "$root" -B "$root/build/win" "${development[@]}" >/dev/null && cmake --build "$root/build/win" -j2 >/dev/null
}

bash "$root/scripts/build.sh"
trap restore EXIT
cmake -S "$root" -B "$root/build/win" "${options[@]}" >/dev/null
cmake --build "$root/build/win" -j2
bash "$root/scripts/package.sh" "$root/build/release" "$suffix"
