; The Windows installer of Tintfall, built by scripts/release.sh:
;   makensis -DVERSION=2.25 -DPROGRAM=<folder of the program files> -DICON=<tintfall.ico>
;            -DOUTFILE=<setup.exe> -DWEBSITE=<the table server's web site> tintfall.nsi
; With -DSIGN=<command> the uninstaller and the installer are signed by
; running the command on each file (scripts/sign.sh).
;
; The game keeps its options, best scores and other data files in the folder
; it starts in, which is its own folder. So it is installed per user, without
; administrator rights, into a folder of the user's local application data,
; where it may write: the Start menu shortcut starts it there.
;
; Installed over an earlier version it upgrades in place, in the folder of
; that installation, and keeps the player's files; an older version asks
; before it replaces a newer one (silent: it does not). Neither the
; installer nor the uninstaller runs while the game runs: its files are in
; use then, and its options and scores would be written after them.
;
; The uninstaller removes the program's files and asks before it removes the
; player's files. Silent (/S) it keeps them; /REMOVEDATA removes them too.

; tintfall.exe is a 64-bit program, and so are its installer and uninstaller.
Target amd64-unicode
!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "WordFunc.nsh"

!ifndef VERSION | PROGRAM | ICON | OUTFILE | WEBSITE
  !error "define VERSION, PROGRAM, ICON, OUTFILE and WEBSITE"
!endif
!ifndef PUBLISHER
  !define PUBLISHER "Tintfall Games"
!endif
!ifdef SIGN
  !uninstfinalize `${SIGN} "%1"` = 0
  !finalize `${SIGN} "%1"` = 0
!endif

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tintfall"
; The class of the game's main window: while one exists the game runs.
!define GAME_WINDOW_CLASS "TintfallMainWindow"

Name "Tintfall ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
ManifestDPIAware true
InstallDir "$LOCALAPPDATA\Programs\Tintfall"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "Tintfall"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Tintfall ${VERSION} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\tintfall.exe"
!insertmacro MUI_PAGE_WELCOME
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipFolderOnUpgrade
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE RefuseUnwritableFolder
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The installed version, empty when none is installed for this user.
Var installedVersion

; Waits until the game no longer runs, or quits when the user cancels.
!macro RefuseWhileGameRuns
  checkGame:
  FindWindow $0 "${GAME_WINDOW_CLASS}"
  StrCmp $0 0 gameClosed
  MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
    "Tintfall is running. Close the game, then choose Retry." /SD IDCANCEL IDRETRY checkGame
  SetErrorLevel 2
  Quit
  gameClosed:
!macroend

; Pushes why the game cannot live in $INSTDIR, or "" when it can. The game
; writes its options, scores and saved games in its own folder, so the
; check is that a file can be created there (the folder is made if missing).
Function FolderProblem
  IfFileExists "$INSTDIR\*.*" +2
  CreateDirectory "$INSTDIR"
  ClearErrors
  FileOpen $0 "$INSTDIR\tintfall.tmp" w
  IfErrors cannotWrite
  FileClose $0
  Delete "$INSTDIR\tintfall.tmp"
  Push ""
  Return
  cannotWrite:
  Push "You cannot write in the folder$\r$\n$INSTDIR$\r$\n$\r$\nTintfall keeps your scores, options and saved games in its own folder, so it needs a folder where you may create files. Choose another folder, for example one in your own user folder."
FunctionEnd

Function .onInit
  !insertmacro RefuseWhileGameRuns
  ReadRegStr $installedVersion HKCU "${UNINSTALL_KEY}" "DisplayVersion"
  StrCmp $installedVersion "" versionChecked
  ${VersionCompare} "$installedVersion" "${VERSION}" $0
  StrCmp $0 1 0 versionChecked
  MessageBox MB_YESNO|MB_ICONEXCLAMATION|MB_DEFBUTTON2 \
    "Tintfall $installedVersion is installed, which is newer than this version ${VERSION}.$\r$\n$\r$\nReplace it with the older version ${VERSION}?" \
    /SD IDNO IDYES versionChecked
  SetErrorLevel 2
  Quit
  versionChecked:
  ; Without the folder page a silent install checks the folder here.
  IfSilent 0 done
  Call FolderProblem
  Pop $0
  StrCmp $0 "" done
  SetErrorLevel 2
  Quit
  done:
FunctionEnd

; An upgrade goes where the earlier version is, so the player's files stay
; beside the program.
Function SkipFolderOnUpgrade
  StrCmp $installedVersion "" +3
  IfFileExists "$INSTDIR\tintfall.exe" 0 +2
  Abort
FunctionEnd

Function RefuseUnwritableFolder
  Call FolderProblem
  Pop $0
  StrCmp $0 "" +3
  MessageBox MB_OK|MB_ICONSTOP "$0"
  Abort
FunctionEnd

Function un.onInit
  !insertmacro RefuseWhileGameRuns
FunctionEnd

Section "Tintfall"
  SetOutPath "$INSTDIR"
  File "${PROGRAM}\tintfall.exe"
  File "${PROGRAM}\tintfall.hlp"
  SetOutPath "$INSTDIR\graph"
  File "${PROGRAM}\graph\*.bmp"
  ; The same pictures for screens above 96 DPI.
  SetOutPath "$INSTDIR\graph\2x"
  File "${PROGRAM}\graph\2x\*.bmp"
  SetOutPath "$INSTDIR\graph\3x"
  File "${PROGRAM}\graph\3x\*.bmp"
  SetOutPath "$INSTDIR\snd"
  File "${PROGRAM}\snd\*.wav"
  SetOutPath "$INSTDIR\help"
  ; The help pages of an earlier version go: a page may have been left out.
  Delete "$INSTDIR\help\*.html"
  File "${PROGRAM}\help\*.html"

  ; The shortcut's working folder is the output path: the game's own folder.
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\Tintfall.lnk" "$INSTDIR\tintfall.exe" "" "$INSTDIR\tintfall.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tintfall"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "${WEBSITE}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "HelpLink" "${WEBSITE}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tintfall.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Section "Uninstall"
  Delete "$INSTDIR\tintfall.exe"
  Delete "$INSTDIR\tintfall.hlp"
  RMDir /r "$INSTDIR\graph"
  RMDir /r "$INSTDIR\snd"
  RMDir /r "$INSTDIR\help"
  Delete "$INSTDIR\uninstall.exe"
  Delete "$SMPROGRAMS\Tintfall.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVEDATA" $1
  IfErrors 0 removeData
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
    "Remove your best scores, options and saved games from $INSTDIR too?" /SD IDNO IDYES removeData
  Goto done

  removeData:
  ; Everything the game writes in its folder: options, window size, best
  ; scores and the replays of their rows, usage time, first start, last
  ; name, last Send Result details, the upload key and upload files, the
  ; internet Top 10, kept copies of damaged files, saved games, and what an
  ; interrupted write left.
  Delete "$INSTDIR\tintfall.dat"
  Delete "$INSTDIR\ws.dat"
  Delete "$INSTDIR\data.tft"
  Delete "$INSTDIR\tdata.dat"
  Delete "$INSTDIR\sdata.dat"
  Delete "$INSTDIR\lastname.dat"
  Delete "$INSTDIR\lastsend.dat"
  Delete "$INSTDIR\uploadkey.dat"
  Delete "$INSTDIR\top10.tft"
  Delete "$INSTDIR\*.tft"
  Delete "$INSTDIR\data.tft.*.tfr"
  Delete "$INSTDIR\*.damaged*"
  Delete "$INSTDIR\*.tfs"
  Delete "$INSTDIR\*.tmp"
  Delete "$INSTDIR\z"

  done:
  ; The folder goes when it is empty, that is unless the player's files stay.
  RMDir "$INSTDIR"
SectionEnd
