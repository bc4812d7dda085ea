#!/usr/bin/env bash
# Builds the fuzzers with clang and runs each briefly (longer by hand:
# FUZZ_SECONDS=600 bash tests/fuzz/run.sh).
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
seconds="${FUZZ_SECONDS:-15}"
build="$root/build/fuzz"
shopt -s nullglob
sources=("$root"/tests/fuzz/fuzz_*.cpp)
[ ${#sources[@]} -gt 0 ] || exit 0

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DTINTFALL_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target fuzz_all -j"$(nproc 2>/dev/null || echo 2)" >/dev/null

status=0
for source in "${sources[@]}"; do
  name="$(basename "$source" .cpp)"
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  seeds=()
  [ -d "$root/tests/fuzz/seeds/$name" ] && seeds=("$root/tests/fuzz/seeds/$name")
  echo "== fuzz: $name for ${seconds}s"
  if ! "$build/tests/fuzz/$name" -max_total_time="$seconds" -print_final_stats=0 "$corpus" "${seeds[@]}" \
      >"$build/$name.log" 2>&1; then
    echo "FUZZ FAILURE in $name:"; tail -40 "$build/$name.log"; status=1
  fi
done
exit $status
