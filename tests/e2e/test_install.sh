#!/usr/bin/env bash
# The release under Wine. scripts/package.sh makes the zip and the installer,
# both named after the version of tintfall.exe. The installer installs
# silently for the user into the local application data, with a Start menu
# shortcut and an entry in the installed programs; the shortcut starts the
# game in its own folder, where a game played to the name prompt leaves the
# player's files. The silent uninstaller removes the program and keeps those
# files; installed again and uninstalled with /REMOVEDATA, nothing remains.
source "$(dirname "$0")/lib.sh"
command -v makensis >/dev/null || { e2e_log "makensis is not installed (scripts/deps.sh)"; exit 1; }

e2e_setup
e2e_dialog_tool
RELEASE="$E2E_RUN.release"
PACKAGE_RUN="$E2E_RUN"
bash "$E2E_ROOT/scripts/package.sh" "$RELEASE" >/dev/null || { fail "scripts/package.sh failed"; e2e_finish; }
VERSION="$(cat "$E2E_ROOT/build/win/version.txt")"
SETUP="$RELEASE/tintfall-$VERSION-setup.exe"
ZIP="$RELEASE/tintfall-$VERSION.zip"
check "the installer is named after the version" [ -f "$SETUP" ]
check "the zip is named after the version" [ -f "$ZIP" ]

# The program's files, as paths relative to its folder, sorted.
program_files() { (cd "$E2E_ROOT/dist" && ls tintfall.exe tintfall.hlp graph/*.bmp graph/2x/*.bmp graph/3x/*.bmp snd/*.wav help/*.html) | sort; }
check "the zip holds the program folder and nothing else" \
  [ "$(unzip -Z1 "$ZIP" | grep -v '/$' | sed "s|^tintfall-$VERSION/||" | sort)" = "$(program_files)" ]

windows_folder() { wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
# Without the dosdevices link, as the program's working folder reads.
INSTALL="$(realpath -m "$(winepath -u "$(windows_folder LOCALAPPDATA)\\Programs\\Tintfall" 2>/dev/null)")"
SHORTCUT_WIN="$(windows_folder APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Tintfall.lnk"
SHORTCUT="$(winepath -u "$SHORTCUT_WIN" 2>/dev/null)"
UNINSTALL_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tintfall'
[ -n "$INSTALL" ] && [ -n "$SHORTCUT" ] || { fail "the user's folders in the Wine prefix"; e2e_finish; }

# What an earlier run that failed may have left.
rm -rf "$INSTALL" "$SHORTCUT"
wine reg delete "$UNINSTALL_KEY" /f >/dev/null 2>&1

install_cleanup() {
  e2e_cleanup
  [ "$E2E_FAILURES" -eq 0 ] && rm -rf "$RELEASE" "$PACKAGE_RUN"
}
trap install_cleanup EXIT

uninstall_value() { wine reg query "$UNINSTALL_KEY" /v "$1" 2>/dev/null | tr -d '\r' | awk -v name="$1" '$1 == name {$1 = ""; $2 = ""; sub(/^ +/, ""); print}'; }
installed_files() { (cd "$INSTALL" 2>/dev/null && find . -type f | sed 's|^\./||' | sort); }
# The uninstaller runs on as a copy of itself in the temporary folder; it is
# done when it has deleted itself and no copy runs.
uninstaller_running() { pgrep -f '~nsu.*\.tmp' >/dev/null; }
uninstalled() { [ ! -f "$INSTALL/uninstall.exe" ] && ! uninstaller_running; }

(cd "$RELEASE" && wine "$SETUP" /S >/dev/null 2>&1)
check "the silent install writes the program files and the uninstaller" \
  [ "$(installed_files)" = "$(printf '%s\n' "$(program_files)" uninstall.exe | sort)" ]
check "the installed program is the one of dist/" cmp -s "$INSTALL/tintfall.exe" "$E2E_ROOT/dist/tintfall.exe"
check "a Start menu shortcut" [ -f "$SHORTCUT" ]
check "the installed programs list Tintfall" [ "$(uninstall_value DisplayName)" = "Tintfall" ]
check "with its version" [ "$(uninstall_value DisplayVersion)" = "$VERSION" ]
check "and its uninstaller" [ "$(uninstall_value UninstallString)" = "\"$(windows_folder LOCALAPPDATA)\\Programs\\Tintfall\\uninstall.exe\"" ]

# The version resource agrees with the release's name and the About box.
E2E_RUN="$INSTALL"
resource="$(probe version "$(windows_folder LOCALAPPDATA)\\Programs\\Tintfall\\tintfall.exe")"
check "the version resource names the product" grep -qx "ProductName: Tintfall" <<<"$resource"
check "the version resource holds the version" grep -qx "ProductVersion: $VERSION" <<<"$resource"
check "the version resource describes the program" grep -q "^FileDescription: Tintfall" <<<"$resource"

# The shortcut starts the game with its own folder as the working folder.
(cd "$E2E_ROOT" && wine start "$SHORTCUT_WIN" >/dev/null 2>&1)
if e2e_wait_for "the installed game" 60 e2e_find_program && probe wait 60 >/dev/null; then
  sleep 2
  check "the game's window appears" [ "$(probe title | grep -c .)" -eq 1 ]
  e2e_shot installed >/dev/null
  dlg command 40013 >/dev/null
  if e2e_wait_for "the About box" 15 dlg find "About Tintfall"; then
    about="$(dlg children "About Tintfall")"
    check "the About box shows the version" grep -q "Tintfall v$VERSION , Build" <<<"$about"
    dlg click "About Tintfall" 1 >/dev/null
  fi
  dlg command 40006 >/dev/null
  dlg mainkey 32 40 >/dev/null
  NAME="Please enter your name"
  if e2e_wait_for "the name prompt" 60 dlg find "$NAME"; then
    dlg settext "$NAME" 1012 "Setup Tester" >/dev/null
    dlg click "$NAME" 1 >/dev/null
    e2e_wait_for "the Best Scores dialog" 15 dlg find "Local Best Scores - Classic mode" &&
      dlg click "Local Best Scores - Classic mode" 2 >/dev/null
  fi
  probe close >/dev/null
  e2e_wait_exit 30
else
  fail "the shortcut did not start the game in its folder"
fi
check "the result is in the installed game's score book" grep -q "Setup Tester" "$INSTALL/data.tft"

# A saved game and a kept copy of a damaged file are the player's files too.
echo saved > "$INSTALL/evening.tfs"
echo damaged > "$INSTALL/data.tft.damaged"
PLAYER_FILES="$(installed_files | grep -vxF "$(program_files; echo uninstall.exe)")"
has_player_files() {
  local name
  for name in data.tft data.tft.damaged evening.tfs lastname.dat sdata.dat tdata.dat tintfall.dat ws.dat; do
    grep -qxF "$name" <<<"$PLAYER_FILES" || return 1
  done
}
check "the game wrote its files in its own folder" has_player_files
# The names the uninstaller takes for the player's files.
check "every other file there is one of the player's" eval '! grep -vE "^(tintfall|ws|tdata|sdata|lastname|lastsend|uploadkey)\.dat$|\.tft$|\.tfs$|\.damaged[0-9]*$" <<<"$PLAYER_FILES"'

wine "$INSTALL/uninstall.exe" /S >/dev/null 2>&1
e2e_wait_for "the uninstaller" 60 uninstalled
check "the silent uninstall keeps exactly the player's files" [ "$(installed_files)" = "$PLAYER_FILES" ]
check "no program folders remain" [ -z "$(cd "$INSTALL" && find . -mindepth 1 -type d)" ]
check "the shortcut is gone" [ ! -e "$SHORTCUT" ]
check "the installed programs no longer list Tintfall" eval '! wine reg query "$UNINSTALL_KEY" >/dev/null 2>&1'

(cd "$RELEASE" && wine "$SETUP" /S >/dev/null 2>&1)
check "installing again keeps the scores" grep -q "Setup Tester" "$INSTALL/data.tft"
wine "$INSTALL/uninstall.exe" /S /REMOVEDATA >/dev/null 2>&1
e2e_wait_for "the uninstaller" 60 uninstalled
check "the uninstall with /REMOVEDATA leaves nothing" [ ! -e "$INSTALL" ]
check "nor a shortcut" [ ! -e "$SHORTCUT" ]
e2e_finish
