#!/usr/bin/env bash
# Builds the game and starts it under Wine from dist/, its program folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/build.sh"
source "$root/scripts/wine-env.sh"
[ -n "${DISPLAY:-}" ] || start_virtual_display
prepare_wine_prefix
cd "$root/dist"
exec wine ./tintfall.exe
