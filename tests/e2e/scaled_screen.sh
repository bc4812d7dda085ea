#!/usr/bin/env bash
# The body of the tests on a screen finer than 96 DPI (test_scale_*.sh set
# E2E_DPI): a Wine prefix of its own reports that resolution, and the window
# must be the layout scaled, drawn from the finer pictures (not from the 1x
# pictures stretched), with the panel's buttons answering where they show.
E2E_DPI="${E2E_DPI:?set by the test}"
export WINEPREFIX="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build/wineprefix-dpi$E2E_DPI"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# A length in layout units as pixels of this screen, the half rounded up.
px() { echo $(((2 * $1 * E2E_DPI + 96) / 192)); }

e2e_setup
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$E2E_DPI" /f >/dev/null 2>&1

# Normal is 483 x 407 units, Big 602 x 602; the automatic choice measures the
# 1280 x 1024 screen in units.
if [ "$E2E_DPI" -gt 166 ]; then W=483; H=407; SUFFIX=""; START_Y=22; START_X=63; else W=602; H=602; SUFFIX=b; START_Y=68; START_X=71; fi
e2e_launch || e2e_finish
sleep 2
check "the client area is the $W x $H layout at $E2E_DPI DPI" [ "$(probe client)" = "$(px $W) $(px $H)" ]

origin="$(e2e_client_origin "$(px $H)")"
OX="${origin% *}"
OY="${origin#* }"
# Crops a rectangle given in layout units from a screenshot.
crop() { /usr/bin/convert "$1" -crop "$(($(px $(($2 + $4))) - $(px $2)))x$(($(px $(($3 + $5))) - $(px $3)))+$((OX + $(px $2)))+$((OY + $(px $3)))" +repage "$6"; }
# The field, where a click does nothing, makes the program the foreground one.
xdotool mousemove "$((OX + $(px 250)))" "$((OY + $(px 200)))" click 1
sleep 1
idle="$(e2e_shot idle)"

# The cover over the field comes from the finer picture of back1.bmp.
FIELD_X=$((W == 483 ? 153 : 161))
FIELD_W=$((W == 483 ? 192 : 288))
FIELD_H=$((W == 483 ? 360 : 552))
crop "$idle" "$FIELD_X" 15 "$FIELD_W" "$FIELD_H" "$E2E_RUN/cover.png"
if [ "$E2E_DPI" = 192 ]; then
  cover_differs="$(e2e_difference "$E2E_RUN/cover.png" "$E2E_RUN/graph/2x/back1$SUFFIX.bmp")"
  check "the cover's pixels are those of graph/2x/back1$SUFFIX.bmp ($cover_differs differ)" [ "$cover_differs" = 0 ]
else
  # In between, the finer picture scaled down: nearer to it than to the 1x one scaled up.
  size="$(/usr/bin/identify -format %wx%h "$E2E_RUN/cover.png")"
  rmse() { /usr/bin/compare -metric RMSE "$1" "$2" null: 2>&1 | sed 's/.*(\(.*\))/\1/'; }
  /usr/bin/convert "$E2E_RUN/graph/2x/back1$SUFFIX.bmp" -filter box -resize "$size!" "$E2E_RUN/from2x.png"
  /usr/bin/convert "$E2E_RUN/graph/back1$SUFFIX.bmp" -filter box -resize "$size!" "$E2E_RUN/from1x.png"
  fine="$(rmse "$E2E_RUN/cover.png" "$E2E_RUN/from2x.png")"
  coarse="$(rmse "$E2E_RUN/cover.png" "$E2E_RUN/from1x.png")"
  check "the cover comes from the finer picture (error $fine against $coarse)" awk -v a="$fine" -v b="$coarse" 'BEGIN { exit !(a < 0.02 && a < b / 2) }'
fi

if [ "$E2E_DPI" = 192 ]; then
  # No part of the window is a stretched copy of a 1x frame: a picture
  # stretched by 2 is unchanged by halving and doubling it again.
  crop "$idle" 0 0 "$W" "$H" "$E2E_RUN/client.png"
  /usr/bin/convert "$E2E_RUN/client.png" -sample 50% -sample 200% "$E2E_RUN/restretched.png"
  unlike="$(e2e_difference "$E2E_RUN/client.png" "$E2E_RUN/restretched.png")"
  check "the window is drawn at the screen's resolution ($unlike pixels unlike a stretched copy)" [ "$unlike" -gt $(($(px $W) * $(px $H) / 10)) ]
fi

# A click on the middle of the scaled Start button starts a game: the button
# becomes Stop.
crop "$idle" "$START_X" "$START_Y" 79 22 "$E2E_RUN/start.png"
xdotool mousemove "$((OX + $(px $((START_X + 39)))))" "$((OY + $(px $((START_Y + 11)))))" click 1
sleep 4
e2e_tap Pause
sleep 1
paused="$(e2e_shot paused)"
crop "$paused" "$START_X" "$START_Y" 79 22 "$E2E_RUN/stop.png"
pressed="$(e2e_difference "$E2E_RUN/start.png" "$E2E_RUN/stop.png")"
check "a click on the scaled Start button starts a game ($pressed pixels changed)" [ "$pressed" -gt 500 ]

if [ "$E2E_DPI" = 192 ]; then
  # The next piece's lowest block: one of the colours of graph/2x/items11.bmp, pixel for pixel.
  crop "$paused" 375 101 32 30 "$E2E_RUN/next.png"
  same_as_artwork() {
    local colour
    for colour in 0 1 2 3 4 5; do
      /usr/bin/convert "$E2E_RUN/graph/2x/items11.bmp" -crop "64x60+$((64 * colour))+0" +repage "$E2E_RUN/cell.png"
      [ "$(e2e_difference "$E2E_RUN/next.png" "$E2E_RUN/cell.png")" = 0 ] && return 0
    done
    return 1
  }
  check "a block's pixels are those of the 2x artwork" same_as_artwork
fi

probe close >/dev/null
e2e_wait_exit 20
e2e_finish
