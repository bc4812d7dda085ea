#!/usr/bin/env bash
# The release under Wine. scripts/package.sh makes the zip and the installer,
# both named after the version of tintfall.exe. The installer installs
# silently for the user into the local application data, with a Start menu
# shortcut and an entry in the installed programs; the shortcut starts the
# game in its own folder, where a game played to the name prompt leaves the
# player's files. The silent uninstaller removes the program and keeps those
# files; installed again and uninstalled with /REMOVEDATA, nothing remains.
# Then, in a folder of the player's choice: signed files (a throw-away
# certificate), an upgrade from an older version, no downgrade, no install
# or uninstall while the game runs, the folder page's check, and the
# uninstaller's question answered in its window.
source "$(dirname "$0")/lib.sh"
command -v makensis >/dev/null || { e2e_log "makensis is not installed (scripts/deps.sh)"; exit 1; }

e2e_setup
e2e_dialog_tool
RELEASE="$E2E_RUN.release"
PACKAGE_RUN="$E2E_RUN"
bash "$E2E_ROOT/scripts/package.sh" "$RELEASE" 2>"$RELEASE.log" >/dev/null || { fail "scripts/package.sh failed"; e2e_finish; }
check "without a certificate the release says it is unsigned" grep -q "^UNSIGNED" "$RELEASE.log"
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
  [ "$E2E_FAILURES" -eq 0 ] && rm -rf "$RELEASE" "$RELEASE.log" "$PACKAGE_RUN" "$CUSTOM"
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
check "every other file there is one of the player's" eval '! grep -vE "^(tintfall|ws|tdata|sdata|lastname|lastsend|uploadkey)\.dat$|\.tft$|\.tfr$|\.tfs$|\.damaged[0-9]*$" <<<"$PLAYER_FILES"'

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

# The next installs go to a folder of the player's choice.
CUSTOM="$PACKAGE_RUN.custom"
rm -rf "$CUSTOM" && mkdir -p "$CUSTOM/Games"
CUSTOM_WIN="$(winepath -w "$CUSTOM/Games/Tintfall" 2>/dev/null)"
INSTALL="$CUSTOM/Games/Tintfall"
setup() { (cd "$RELEASE" && wine "$@" >/dev/null 2>&1); }
# An earlier version: the program in dist/ as version 1.0.
makensis -V2 -DVERSION=1.0 -DPROGRAM="$E2E_ROOT/dist" -DOUTFILE="$RELEASE/tintfall-1.0-setup.exe" \
  -DICON="$E2E_ROOT/build/native/generated/resources/tintfall.ico" \
  -DWEBSITE="$(cat "$E2E_ROOT/build/win/website.txt")" "$E2E_ROOT/installer/tintfall.nsi" >/dev/null
setup "tintfall-1.0-setup.exe" /S "/D=$CUSTOM_WIN"
check "version 1.0 installs in the chosen folder" eval '[ "$(uninstall_value DisplayVersion)" = 1.0 ] && [ -f "$INSTALL/tintfall.exe" ]'
echo saved > "$INSTALL/evening.tfs"

# The release signed with a throw-away certificate: the program, the
# uninstaller inside the setup and the setup itself.
openssl req -x509 -newkey rsa:2048 -nodes -keyout "$RELEASE/key.pem" -out "$RELEASE/cert.pem" -days 2 \
  -subj "/CN=Tintfall test signer" -addext "extendedKeyUsage=codeSigning" 2>/dev/null
openssl pkcs12 -export -inkey "$RELEASE/key.pem" -in "$RELEASE/cert.pem" -out "$RELEASE/cert.pfx" -passout pass:throwaway
TINTFALL_SIGN_CERT="$RELEASE/cert.pfx" TINTFALL_SIGN_PASSWORD=throwaway \
  bash "$E2E_ROOT/scripts/package.sh" "$RELEASE/signed" >/dev/null 2>&1 || fail "the signed release failed"
signed() { osslsigncode verify -CAfile "$RELEASE/cert.pem" -in "$1" 2>/dev/null | grep -qx "Signature verification: ok"; }
unzip -p "$RELEASE/signed/tintfall-$VERSION.zip" "tintfall-$VERSION/tintfall.exe" > "$RELEASE/zipped.exe"
check "the zip's program is signed" signed "$RELEASE/zipped.exe"
check "the setup is signed" signed "$RELEASE/signed/tintfall-$VERSION-setup.exe"
check "the setup declares itself DPI-aware" grep -aq 'WindowsSettings">true<' "$RELEASE/signed/tintfall-$VERSION-setup.exe"
check "an unsigned program fails the check" eval '! signed "$E2E_ROOT/dist/tintfall.exe"'

setup "signed/tintfall-$VERSION-setup.exe" /S
check "the upgrade replaces version 1.0" [ "$(uninstall_value DisplayVersion)" = "$VERSION" ]
check "in the folder chosen for 1.0" cmp -s "$INSTALL/tintfall.exe" "$RELEASE/zipped.exe"
check "keeping the player's files" [ -f "$INSTALL/evening.tfs" ]
check "the installed uninstaller is signed" signed "$INSTALL/uninstall.exe"
check "the entry links the web site" [ "$(uninstall_value URLInfoAbout)" = "$(cat "$E2E_ROOT/build/win/website.txt")" ]
setup "tintfall-1.0-setup.exe" /S
code=$?
check "a silent older setup refuses ($code) and leaves the newer version" eval '[ "$code" = 2 ] && [ "$(uninstall_value DisplayVersion)" = "$VERSION" ]'

# While the game runs neither the setup nor the uninstaller does anything.
E2E_RUN="$INSTALL"
e2e_start || e2e_finish
setup "signed/tintfall-$VERSION-setup.exe" /S "/D=$CUSTOM_WIN"
code=$?
check "the silent setup refuses ($code) to run beside the game" [ "$code" = 2 ]
(cd "$RELEASE" && wine "$RELEASE/signed/tintfall-$VERSION-setup.exe" >/dev/null 2>&1 &)
box_text() { E2E_RUN="$RELEASE/signed" dlg children "Tintfall $VERSION Setup" | grep -q "$1"; }
check "the setup says the game runs" e2e_wait_for "the running game's message" 30 box_text "Tintfall is running"
E2E_RUN="$RELEASE/signed" dlg click "Tintfall $VERSION Setup" 2 >/dev/null
wine "$INSTALL/uninstall.exe" /S >/dev/null 2>&1
sleep 3
check "the uninstaller refuses too" eval '[ -f "$INSTALL/uninstall.exe" ] && ! uninstaller_running'
probe close >/dev/null
e2e_wait_exit 30

# The folder page refuses a folder where no file can be created: here a
# folder stands where the setup tries one (rights stop nothing as root).
mkdir -p "$CUSTOM/Blocked/tintfall.tmp"
BLOCKED_WIN="$(winepath -w "$CUSTOM/Blocked" 2>/dev/null)"
wine reg delete "$UNINSTALL_KEY" /f >/dev/null 2>&1
setup "signed/tintfall-$VERSION-setup.exe" /S "/D=$BLOCKED_WIN"
code=$?
check "the silent setup refuses ($code) it" eval '[ "$code" = 2 ] && [ -z "$(uninstall_value DisplayVersion)" ]'
(cd "$RELEASE" && wine "$RELEASE/signed/tintfall-$VERSION-setup.exe" "/D=$BLOCKED_WIN" >/dev/null 2>&1 &)
windows_titled() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null; }
first_window() { e2e_wait_for "a window titled '$1'" 30 windows_titled "$1" >/dev/null && windows_titled "$1" | head -1; }
key_to() { xdotool windowfocus "$1" && sleep 0.5 && xdotool key "$2" && sleep 1.5; }
SETUP_TITLE="Tintfall $VERSION Setup"
SETUP_PAGES="$(first_window "$SETUP_TITLE")"
key_to "$SETUP_PAGES" Return    # Welcome: Next
key_to "$SETUP_PAGES" Return    # Folder: Next
check "the folder page says why it refuses the folder" e2e_wait_for "the reason" 15 box_text "You cannot write in the folder"
# The box has the pages' title.
reason="$(windows_titled "$SETUP_TITLE" | grep -vx "$SETUP_PAGES" | head -1)"
xdotool windowmove --sync "$reason" 620 40 && sleep 1 && e2e_shot refused-folder >/dev/null
key_to "$reason" Return         # OK
key_to "$SETUP_PAGES" Escape    # the folder page: Cancel
check "nothing was installed" [ -z "$(uninstall_value DisplayVersion)" ]

# The uninstaller's question answered in its window: No keeps the player's
# files, Yes removes them.
uninstall_answering() {
  wine "$INSTALL/uninstall.exe" >/dev/null 2>&1 &
  # The uninstaller's pages have a space after the title, its question none.
  local title="Tintfall $VERSION Uninstall" pages
  pages="$(first_window "$title ")"
  key_to "$pages" Return                   # Uninstall
  key_to "$(first_window "$title")" "$1"   # the question
  sleep 2
  key_to "$pages" Return                   # Close
  e2e_wait_for "the uninstaller" 60 uninstalled
}
setup "signed/tintfall-$VERSION-setup.exe" /S "/D=$CUSTOM_WIN"
PLAYER_FILES="$(installed_files | grep -vxF "$(program_files; echo uninstall.exe)")"
uninstall_answering n
check "answered No, the uninstaller keeps exactly the player's files" [ "$(installed_files)" = "$PLAYER_FILES" ]
setup "signed/tintfall-$VERSION-setup.exe" /S "/D=$CUSTOM_WIN"
uninstall_answering y
check "answered Yes, it removes the folder" [ ! -e "$INSTALL" ]
e2e_finish
