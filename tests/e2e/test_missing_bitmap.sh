#!/usr/bin/env bash
# A missing picture, and one that is there but cannot be drawn, bring the
# warning that lists both; the program then runs.
source "$(dirname "$0")/lib.sh"
e2e_setup
rm -f "$E2E_RUN/graph/bstart.bmp"
printf 'BM not a picture' > "$E2E_RUN/graph/bstop.bmp"
cd "$E2E_RUN" && { wine ./tintfall.exe >/dev/null 2>&1 & E2E_PID=$!; } && cd - >/dev/null

e2e_wait_for "the warning" 60 sh -c "cd '$E2E_RUN' && wine '$E2E_PROBE' box 2>/dev/null | grep -q 'graph.bstart.bmp'"
box="$(probe box)"
check "the warning has the title Tintfall" grep -q "^title: Tintfall$" <<<"$box"
check "the warning names the missing picture and the unusable one" [ "$(grep -c '\.bmp' <<<"$box")" = 2 ]
check "the unusable picture follows the missing one" grep -Pzq 'graph.bstart.bmp\ngraph.bstop.bmp\n' <<<"$box"
e2e_shot warning >/dev/null
probe press 1 >/dev/null
e2e_wait_for "the window after the warning" 30 sh -c "cd '$E2E_RUN' && wine '$E2E_PROBE' wait 1"
check "the window opens after the warning" [ "$(probe client)" = "602 602" ]
e2e_finish
