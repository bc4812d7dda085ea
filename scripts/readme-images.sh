#!/usr/bin/env bash
# Makes the README's pictures from the end-to-end screenshot test: runs it
# (a game at Normal and at Big size in a Wine virtual desktop), then cuts the
# window out of the desktop in each running-game picture and writes
# docs/images/tintfall-normal.png and docs/images/tintfall-big.png.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
[ -f dist/tintfall.exe ] || bash scripts/build.sh
bash tests/e2e/test_screenshots.sh
mkdir -p docs/images
for size in normal big; do
  # The virtual desktop fills the top-left 1024 x 768 of the screen; its
  # plain background goes with -trim.
  /usr/bin/convert "build/e2e-shots/test_screenshots-$size-running.png" -crop 1024x768+0+0 +repage -trim +repage \
    "docs/images/tintfall-$size.png"
  echo "docs/images/tintfall-$size.png"
done
