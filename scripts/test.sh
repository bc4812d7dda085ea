#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests through CTest,
# the same tests and a short soak under the sanitizers, short fuzzer runs,
# then the end-to-end tests of tintfall.exe under Wine and Xvfb. Installs
# missing packages and starts what the tests need. Prints how long each step
# took.
#
# The end-to-end tests spend most of their time waiting for the window, so
# the sanitizer and fuzzer steps run beside them at the lowest priority and
# take the CPU the end-to-end tests leave idle; their output follows once
# they end.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

took() { echo "== $1: $(($2)) s (${SECONDS} s in all)"; }

start=$SECONDS
bash scripts/build.sh || { echo "build failed"; exit 1; }
took "build" "SECONDS - start"

logs="$root/build/test-logs"
mkdir -p "$logs"
(
  start=$SECONDS
  nice -n 19 bash scripts/sanitize.sh >"$logs/sanitize.log" 2>&1
  echo $? >"$logs/sanitize.status"
  took "sanitizer tests and soak" "SECONDS - start" >>"$logs/sanitize.log"
  start=$SECONDS
  nice -n 19 bash tests/fuzz/run.sh >"$logs/fuzz.log" 2>&1
  echo $? >"$logs/fuzz.status"
  took "fuzzers" "SECONDS - start" >>"$logs/fuzz.log"
) &
background=$!

status=0
start=$SECONDS
(cd build/native && ctest --output-on-failure -j"$(nproc 2>/dev/null || echo 2)") || status=1
took "native tests" "SECONDS - start"

start=$SECONDS
passed=0
failed=0
source scripts/wine-env.sh
start_virtual_display
prepare_wine_prefix
for test in tests/e2e/test_*.sh; do
  [ -f "$test" ] || continue
  echo "== e2e: $test"
  one=$SECONDS
  if bash "$test"; then
    passed=$((passed + 1))
  else
    echo "FAILED: $test"
    failed=$((failed + 1))
    status=1
  fi
  took "$test" "SECONDS - one"
done
stop_kept_wineservers
echo "e2e: $passed passed, $failed failed"
took "end-to-end tests" "SECONDS - start"

start=$SECONDS
wait "$background"
took "waiting for the sanitizer and fuzzer steps" "SECONDS - start"
for step in sanitize fuzz; do
  cat "$logs/$step.log"
  [ "$(cat "$logs/$step.status" 2>/dev/null)" = 0 ] || { echo "FAILED: $step step"; status=1; }
done
echo "== all tests done after ${SECONDS}s"
exit $status
