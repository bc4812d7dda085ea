#!/usr/bin/env bash
# Regenerates docs/benchmarks.md: builds what it measures, runs the native
# benchmarks, then tintfall.exe and the floor program under Wine
# (TINTFALL_DISPLAY names the X display), and writes every figure with its
# floor from this one run. Takes about five minutes.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
jobs="$(nproc 2>/dev/null || echo 2)"
out="$root/build/bench"
mkdir -p "$out"

cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINTFALL_DIST_DIR="$root/dist" >/dev/null
cmake --build build/native --target tintfall_bench tintfall_judge dist_files -j"$jobs" >/dev/null
cmake -S . -B build/win -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DTINTFALL_DIST_DIR="$root/dist" -DTINTFALL_GENERATED_DIR="$root/build/native/generated" >/dev/null
cmake --build build/win --target tintfall tintfall_probe tintfall_floor -j"$jobs" >/dev/null

{
  echo "processor: $(sed -n 's/^model name[^:]*: //p' /proc/cpuinfo | head -1), $(nproc) cores"
  echo "load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)"
  echo "system: $(uname -sr), $(wine --version 2>/dev/null), Xvfb"
  echo "compilers: $(g++ --version | head -1); $(x86_64-w64-mingw32-gcc --version | head -1)"
  echo "date: $(date -u '+%Y-%m-%d %H:%M UTC'), commit $(git rev-parse --short HEAD 2>/dev/null || echo unknown)"
} >"$out/machine.txt"

build/native/tests/bench/tintfall_bench --benchmark_out="$out/native.json" --benchmark_out_format=json \
  --benchmark_repetitions="${BENCH_REPETITIONS:-3}" --benchmark_enable_random_interleaving=true >/dev/null

SECONDS_PER_SPAN="${SECONDS_PER_SPAN:-30}" LAUNCHES="${LAUNCHES:-11}" bash tests/bench/wine_figures.sh >"$out/wine.txt"
echo "seconds ${SECONDS_PER_SPAN:-30}" >>"$out/wine.txt"
echo "launches ${LAUNCHES:-11}" >>"$out/wine.txt"

/usr/bin/python3 server/loadgen.py build/native/server/tintfall_judge >"$out/table_load.md"

echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)" >>"$out/machine.txt"
/usr/bin/python3 tests/bench/report.py "$out" >docs/benchmarks.md
{ echo; cat "$out/table_load.md"; } >>docs/benchmarks.md
echo "docs/benchmarks.md written"
