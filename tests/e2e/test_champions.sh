#!/usr/bin/env bash
# The Champions dialog: no text reaches into a picture and no text is cut,
# with the dialog font Wine picks by default and with a wider font in its
# place (the pictures keep their size in pixels, the texts follow the font).
source "$(dirname "$0")/lib.sh"
e2e_dialog_tool
e2e_setup
TITLE="Tintfall Champions 2001"
FONTS='HKCU\Software\Wine\Fonts\Replacements'
# The prefix is shared by every test: the replacement goes however this ends.
unreplace_font() { wine reg delete "$FONTS" /v "MS Sans Serif" /f >/dev/null 2>&1; }
trap 'unreplace_font; e2e_cleanup' EXIT

# Every text control whose rectangle overlaps a picture's, one per line.
texts_over_pictures() {
  dlg rects "$TITLE" | awk '
    $1 == "picture" { p[++np] = $2 " " $3 " " $4 " " $5 }
    $1 == "text" { t[++nt] = $2 " " $3 " " $4 " " $5 }
    END {
      for (i = 1; i <= nt; i++) {
        split(t[i], a, " ")
        for (j = 1; j <= np; j++) {
          split(p[j], b, " ")
          if (a[1] < b[3] && b[1] < a[3] && a[2] < b[4] && b[2] < a[4]) print "text " t[i] " over picture " p[j]
        }
      }
    }'
}

look_at_champions() {
  local font="$1"
  e2e_start || return 1
  dlg command 40026 >/dev/null
  e2e_wait_for "the Champions dialog" 15 dlg find "$TITLE" || return 1
  dialog_shot "$TITLE" "$(echo "$font" | tr "A-Z " "a-z-")"
  local pictures over cut
  pictures="$(dlg rects "$TITLE" | grep -c '^picture')"
  over="$(texts_over_pictures)"
  cut="$(e2e_cut_texts "$TITLE")"
  check "$font font: the dialog shows its six pictures ($pictures)" [ "$pictures" -eq 6 ]
  check "$font font: no text over a picture${over:+ ($over)}" [ -z "$over" ]
  check "$font font: every text fits its control${cut:+ ($cut)}" [ -z "$cut" ]
  dlg click "$TITLE" 1 >/dev/null
  probe close >/dev/null
  e2e_wait_exit
}

look_at_champions default
# A wider font (Wine's Tahoma in its place looks exactly like the default).
wine reg add "$FONTS" /v "MS Sans Serif" /t REG_SZ /d "DejaVu Sans" /f >/dev/null 2>&1
look_at_champions "DejaVu Sans"
unreplace_font
e2e_finish
