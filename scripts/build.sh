#!/usr/bin/env bash
# Builds everything: the native tree (library, tools, tests), the generated
# artwork, sounds and help file in dist/, and tintfall.exe with its resources.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
jobs="$(nproc 2>/dev/null || echo 2)"

bash scripts/deps.sh

cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINTFALL_DIST_DIR="$root/dist" >/dev/null
cmake --build build/native -j"$jobs"
cmake --build build/native --target dist_files -j"$jobs"

cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DTINTFALL_DIST_DIR="$root/dist" -DTINTFALL_GENERATED_DIR="$root/build/native/generated" >/dev/null
cmake --build build/win -j"$jobs"
