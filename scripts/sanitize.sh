#!/usr/bin/env bash
# The native test suite built a second time with AddressSanitizer and
# UndefinedBehaviorSanitizer (build/asan), run through CTest, then a short
# soak of whole games in the same build (SOAK_GAMES, default 300; the full
# soak by hand: build/asan/tests/soak/tintfall_soak 10000).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
jobs="$(nproc 2>/dev/null || echo 2)"
build="$root/build/asan"

# Unoptimised, with line tables and combined sources: about a third of the
# build time of -O1 object by object, and findings still name their lines.
# Only the test programs below are built, none of the tools.
cmake -S . -B "$build" -DTINTFALL_SANITIZE=ON -DTINTFALL_UNITY=ON -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_CXX_FLAGS_RELEASE="-O0 -g1" -DCMAKE_C_FLAGS_RELEASE="-O0 -g1" -DTINTFALL_DIST_DIR="$root/dist" >/dev/null
targets=(tintfall_soak tintfall_judge)
for area in tests/unit/*/CMakeLists.txt; do
  targets+=("$(basename "$(dirname "$area")")_tests")
done
cmake --build "$build" --target "${targets[@]}" -j"$jobs"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan-suppressions.txt:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
status=0
# Each area's tests in one process (a sanitized process is slow to start),
# then the tests that CTest runs as scripts (the table server's, which use
# the sanitized judge).
export TINTFALL_SOURCE_DIR="$root" TINTFALL_BINARY_DIR="$build"
for area in tests/unit/*/CMakeLists.txt; do
  name="$(basename "$(dirname "$area")")"
  (cd "$build/tests/unit/$name" && "./${name}_tests" --gtest_brief=1) || { echo "FAILED under the sanitizers: $name"; status=1; }
done
(cd "$build" && ctest --output-on-failure -j"$jobs" -E '\.') || status=1
"$build/tests/soak/tintfall_soak" "${SOAK_GAMES:-300}" || status=1
exit $status
