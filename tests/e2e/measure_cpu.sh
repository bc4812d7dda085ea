#!/usr/bin/env bash
# Measures the processor time tintfall.exe uses under Wine while a game runs
# and nothing is pressed (two-block pieces, so the game lasts); prints the
# share of one core over the given seconds (default 30). Not a test: it
# prints a figure and asserts nothing.
source "$(dirname "$0")/lib.sh"
seconds="${1:-30}"
e2e_setup
e2e_options_bytes blockCountCode=1 bombsEnabled=0 soundOn=0 > "$E2E_RUN/tintfall.dat"
e2e_start || e2e_finish
e2e_keys F2
sleep 4
ticks() { awk '{print $14 + $15}' "/proc/$E2E_PID/stat"; }
hz="$(getconf CLK_TCK)"
before="$(ticks)"
start="$(date +%s.%N)"
sleep "$seconds"
after="$(ticks)"
end="$(date +%s.%N)"
e2e_shot end-of-measurement >/dev/null
awk -v t=$((after - before)) -v hz="$hz" -v s="$start" -v e="$end" \
  'BEGIN { printf "tintfall.exe: %.2f s of processor time in %.1f s = %.1f%% of one core\n", t / hz, e - s, 100 * t / hz / (e - s) }'
e2e_finish
