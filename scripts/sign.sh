#!/usr/bin/env bash
# Signs Windows program files in place (Authenticode, SHA-256) with the
# code-signing certificate given in the environment:
#   TINTFALL_SIGN_CERT      a PKCS#12 file (.pfx) with the certificate and its key
#   TINTFALL_SIGN_PASSWORD  its password
#   TINTFALL_SIGN_TIMESTAMP optional: an RFC 3161 timestamp server, so the
#                           signature stays valid after the certificate expires
# Usage: sign.sh FILE... (scripts/package.sh and the installer build call it).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
: "${TINTFALL_SIGN_CERT:?no certificate (TINTFALL_SIGN_CERT)}"
: "${TINTFALL_SIGN_PASSWORD?no password (TINTFALL_SIGN_PASSWORD)}"
website="$(cat "$root/build/win/website.txt" 2>/dev/null || true)"

# The password goes in a file only this user reads, not on a command line.
password_file="$(mktemp)"
trap 'rm -f "$password_file"' EXIT
printf '%s' "$TINTFALL_SIGN_PASSWORD" > "$password_file"

for file in "$@"; do
  osslsigncode sign -pkcs12 "$TINTFALL_SIGN_CERT" -readpass "$password_file" -h sha256 \
    -n "Tintfall" ${website:+-i "$website"} ${TINTFALL_SIGN_TIMESTAMP:+-ts "$TINTFALL_SIGN_TIMESTAMP"} \
    -in "$file" -out "$file.signed" >/dev/null
  mv -f "$file.signed" "$file"
done
