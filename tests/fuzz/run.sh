#!/usr/bin/env bash
# Builds the fuzzers with clang and runs each briefly (longer by hand:
# FUZZ_SECONDS=600 bash tests/fuzz/run.sh; FUZZERS="fuzz_options" picks some).
# Prints runs and coverage per fuzzer; a crashing input is left in
# build/fuzz/artifacts/ to be fixed and then kept in tests/fuzz/seeds/.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
seconds="${FUZZ_SECONDS:-10}"
build="$root/build/fuzz"
shopt -s nullglob
sources=("$root"/tests/fuzz/fuzz_*.cpp)
[ ${#sources[@]} -gt 0 ] || exit 0

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DTINTFALL_FUZZ=ON -DTINTFALL_UNITY=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target fuzz_all -j"$(nproc 2>/dev/null || echo 2)" >/dev/null

status=0
mkdir -p "$build/artifacts"
for source in "${sources[@]}"; do
  name="$(basename "$source" .cpp)"
  if [ -n "${FUZZERS:-}" ] && [[ " $FUZZERS " != *" $name "* ]]; then continue; fi
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  seeds=()
  [ -d "$root/tests/fuzz/seeds/$name" ] && seeds=("$root/tests/fuzz/seeds/$name")
  log="$build/$name.log"
  if ! "$build/tests/fuzz/$name" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$build/artifacts/$name-" "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    echo "FUZZ FAILURE in $name:"; tail -40 "$log"; status=1
    continue
  fi
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
  cov="$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)"
  features="$(grep -o 'ft: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)"
  echo "== fuzz: $name ${seconds}s: ${runs:-0} runs, coverage ${cov:-0} edges, ${features:-0} features, corpus $(ls "$corpus" | wc -l) files"
done
exit $status
