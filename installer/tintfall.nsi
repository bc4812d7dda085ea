; The Windows installer of Tintfall, built by scripts/release.sh:
;   makensis -DVERSION=2.25 -DPROGRAM=<folder of the program files> -DICON=<tintfall.ico>
;            -DOUTFILE=<setup.exe> tintfall.nsi
;
; The game keeps its options, best scores and other data files in the folder
; it starts in, which is its own folder. So it is installed per user, without
; administrator rights, into a folder of the user's local application data,
; where it may write: the Start menu shortcut starts it there.
;
; The uninstaller removes the program's files and asks before it removes the
; player's files. Silent (/S) it keeps them; /REMOVEDATA removes them too.

; tintfall.exe is a 64-bit program, and so are its installer and uninstaller.
Target amd64-unicode
!include "MUI2.nsh"
!include "FileFunc.nsh"

!ifndef VERSION | PROGRAM | ICON | OUTFILE
  !error "define VERSION, PROGRAM, ICON and OUTFILE"
!endif

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tintfall"

Name "Tintfall ${VERSION}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Tintfall"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
SetCompressor /SOLID lzma

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "Tintfall"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Tintfall ${VERSION} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "Tintfall"
VIAddVersionKey "LegalCopyright" "Tintfall"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\tintfall.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

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
  File "${PROGRAM}\help\*.html"

  ; The shortcut's working folder is the output path: the game's own folder.
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\Tintfall.lnk" "$INSTDIR\tintfall.exe" "" "$INSTDIR\tintfall.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Tintfall"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Tintfall"
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
  ; scores, usage time, first start, last name, last Send Result details, the
  ; upload key and upload files, the internet Top 10, kept copies of damaged
  ; files, saved games, and what an interrupted write left.
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
  Delete "$INSTDIR\*.damaged*"
  Delete "$INSTDIR\*.tfs"
  Delete "$INSTDIR\*.tmp"
  Delete "$INSTDIR\z"

  done:
  ; The folder goes when it is empty, that is unless the player's files stay.
  RMDir "$INSTDIR"
SectionEnd
