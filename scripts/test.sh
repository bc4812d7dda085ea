#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests through CTest,
# the same tests and a short soak under the sanitizers, short fuzzer runs,
# then the end-to-end tests of tintfall.exe under Wine and Xvfb. Installs
# missing packages and starts what the tests need.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

bash scripts/build.sh || { echo "build failed"; exit 1; }

status=0
(cd build/native && ctest --output-on-failure -j"$(nproc 2>/dev/null || echo 2)") || status=1
echo "== native tests done after ${SECONDS}s"

bash scripts/sanitize.sh || status=1
echo "== sanitizer tests and soak done after ${SECONDS}s"

bash tests/fuzz/run.sh || status=1
echo "== fuzzers done after ${SECONDS}s"

passed=0
failed=0
source scripts/wine-env.sh
start_virtual_display
prepare_wine_prefix
for test in tests/e2e/test_*.sh; do
  [ -f "$test" ] || continue
  echo "== e2e: $test"
  if bash "$test"; then
    passed=$((passed + 1))
  else
    echo "FAILED: $test"
    failed=$((failed + 1))
    status=1
  fi
done
echo "e2e: $passed passed, $failed failed"
echo "== all tests done after ${SECONDS}s"
exit $status
