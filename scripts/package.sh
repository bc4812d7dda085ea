#!/usr/bin/env bash
# Packs the built program (dist/) for players: OUT/tintfall-VERSION.zip, the
# program folder, and OUT/tintfall-VERSION-setup.exe, the Windows installer.
# Only the program's own files go in, whatever a game played in dist/ left
# there. Usage: package.sh [OUT] [SUFFIX] (default build/release; SUFFIX
# goes after the version in both names, e.g. -localtest).
#
# With a code-signing certificate in the environment (TINTFALL_SIGN_CERT and
# TINTFALL_SIGN_PASSWORD, see scripts/sign.sh) tintfall.exe, the uninstaller
# and the installer are signed; without one the script says plainly that the
# files are unsigned.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$(mkdir -p "${1:-$root/build/release}" && cd "${1:-$root/build/release}" && pwd)"

version="$(cat "$root/build/win/version.txt")"
website="$(cat "$root/build/win/website.txt")"
name="tintfall-$version${2:-}"
icon="$root/build/native/generated/resources/tintfall.ico"
for file in "$root/dist/tintfall.exe" "$root/dist/tintfall.hlp" "$root/dist/help/contents.html" "$icon"; do
  [ -f "$file" ] || { echo "missing $file: run scripts/build.sh first" >&2; exit 1; }
done

stage="$out/$name"
rm -rf "$stage"
mkdir -p "$stage"
cp "$root/dist/tintfall.exe" "$root/dist/tintfall.hlp" "$stage/"
cp -r "$root/dist/graph" "$root/dist/snd" "$root/dist/help" "$stage/"

sign=()
if [ -n "${TINTFALL_SIGN_CERT:-}" ] || [ -n "${TINTFALL_SIGN_PASSWORD:-}" ]; then
  [ -f "${TINTFALL_SIGN_CERT:-}" ] && [ -n "${TINTFALL_SIGN_PASSWORD:-}" ] ||
    { echo "signing needs both TINTFALL_SIGN_CERT (an existing .pfx file) and TINTFALL_SIGN_PASSWORD" >&2; exit 1; }
  command -v osslsigncode >/dev/null || { echo "osslsigncode is not installed (scripts/deps.sh)" >&2; exit 1; }
  bash "$root/scripts/sign.sh" "$stage/tintfall.exe"
  sign=(-DSIGN="bash \"$root/scripts/sign.sh\"")
  echo "Signing tintfall.exe, the uninstaller and the installer with $TINTFALL_SIGN_CERT" >&2
else
  echo "UNSIGNED: no code-signing certificate given (TINTFALL_SIGN_CERT, TINTFALL_SIGN_PASSWORD);" \
    "tintfall.exe, the uninstaller and the installer are not signed" >&2
fi

rm -f "$out/$name.zip"
(cd "$out" && zip -qr -X "$name.zip" "$name")

makensis -V2 -DVERSION="$version" -DPROGRAM="$stage" -DICON="$icon" -DOUTFILE="$out/$name-setup.exe" \
  -DWEBSITE="$website" "${sign[@]}" "$root/installer/tintfall.nsi"
rm -rf "$stage"
echo "$out/$name.zip"
echo "$out/$name-setup.exe"
