#!/usr/bin/env bash
# Makes a release from the checkout: builds everything (scripts/build.sh),
# then build/release/tintfall-VERSION.zip and
# build/release/tintfall-VERSION-setup.exe (scripts/package.sh). VERSION is
# the project version in CMakeLists.txt.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/build.sh"
bash "$root/scripts/package.sh" "$root/build/release"
