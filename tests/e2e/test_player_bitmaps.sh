#!/usr/bin/env bash
# A picture a player saved in another form of the bitmap format draws as the
# plain form does: the cover over the field (graph\back1.bmp), once as an
# uncompressed 8-bit file and once run-length encoded, looks the same.
source "$(dirname "$0")/lib.sh"
e2e_setup
original="$E2E_RUN/graph/back1.bmp.original"
mv "$E2E_RUN/graph/back1.bmp" "$original"
compression_field() { od -An -tu4 -j 30 -N 4 "$E2E_RUN/graph/back1.bmp" | tr -d ' '; }

# Starts the program with the cover in the given form and keeps the picture
# of the playing field in $E2E_RUN/<form>.png.
cover_with() {
  local form="$1" shot
  /usr/bin/convert "$original" -colors 256 -compress "$form" "BMP3:$E2E_RUN/graph/back1.bmp"
  e2e_start || return 1
  shot="$(e2e_shot "cover-$form")"
  e2e_field_grid "$shot" >/dev/null  # finds the field's place on the screen
  /usr/bin/convert "$shot" -crop "$E2E_FIELD" +repage "$E2E_RUN/$form.png"
  probe close >/dev/null
  e2e_wait_exit
}

cover_with None
check "the plain file is uncompressed" [ "$(compression_field)" = 0 ]
cover_with RLE
check "the other file is run-length encoded" [ "$(compression_field)" = 1 ]
difference="$(e2e_difference "$E2E_RUN/None.png" "$E2E_RUN/RLE.png")"
same_cover() { [ -f "$E2E_RUN/None.png" ] && [ -f "$E2E_RUN/RLE.png" ] && [ "$difference" = 0 ]; }
check "the run-length encoded cover looks as the plain one ($difference pixels differ)" same_cover
e2e_finish
