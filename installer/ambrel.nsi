; The Ambrel installer: the programs and their licence (Ambrel's, then those of expat and the
; Scintilla editor, which they include) under Program Files, a Start-menu
; entry and an optional desktop shortcut for the desktop tool, the desktop tool in
; Explorer's "Open with" for XML and JSON files, and an uninstaller listed in Apps & features. Pages:
; welcome, licence, folder, components, progress, and a finish page that offers to run
; Ambrel.
; makensis -DVERSION=1.0.0.7 -DDIST=<folder with the .exe files and LICENSE>
;          -DICON=<ambrel.ico> -DOUTFILE=<setup.exe>   (scripts/windows-package.sh)
; /S installs and uninstalls silently.
; A 64-bit installer for the 64-bit programs (it also runs under a Wine without 32-bit support).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!ifndef VERSION | DIST | ICON | OUTFILE
  !error "define VERSION, DIST, ICON and OUTFILE"
!endif

!define PRODUCT "Ambrel"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define APPLICATION_KEY "Software\Classes\Applications\ambrel.exe"
!define OPEN_WITH_KEY "Software\Classes\.xml\OpenWithList\ambrel.exe"
!define OPEN_WITH_JSON_KEY "Software\Classes\.json\OpenWithList\ambrel.exe"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"

VIProductVersion "${VERSION}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey "CompanyName" "${PRODUCT}"
VIAddVersionKey "LegalCopyright" "${PRODUCT}"

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_COMPONENTSPAGE_SMALLDESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\ambrel.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Run ${PRODUCT}"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${DIST}/LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; 64-bit programs: the 64-bit registry view, shortcuts for every user.
!macro UseMachineWideLocations
  SetRegView 64
  SetShellVarContext all
!macroend

Function .onInit
  !insertmacro UseMachineWideLocations
FunctionEnd

Function un.onInit
  !insertmacro UseMachineWideLocations
FunctionEnd

Section "${PRODUCT}" SectionPrograms
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${DIST}/ambrel-gen.exe"
  File "${DIST}/ambrel-dialog.exe"
  File "${DIST}/ambrel.exe"
  File "${DIST}/LICENSE.txt"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\ambrel.exe"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\ambrel.exe"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ; What Apps & features shows as the size, in KiB.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" "$0"

  ; Open with: the program opens the file it is given, as a drop of it onto the input pane.
  WriteRegStr HKLM "${APPLICATION_KEY}" "FriendlyAppName" "${PRODUCT}"
  WriteRegStr HKLM "${APPLICATION_KEY}\SupportedTypes" ".xml" ""
  WriteRegStr HKLM "${APPLICATION_KEY}\SupportedTypes" ".json" ""
  WriteRegStr HKLM "${APPLICATION_KEY}\shell\open\command" "" '"$INSTDIR\ambrel.exe" "%1"'
  WriteRegStr HKLM "${OPEN_WITH_KEY}" "" ""
  WriteRegStr HKLM "${OPEN_WITH_JSON_KEY}" "" ""
SectionEnd

Section /o "Desktop shortcut" SectionDesktop
  CreateShortcut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\ambrel.exe"
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SectionPrograms} \
    "The desktop tool (ambrel.exe), the command-line generator (ambrel-gen.exe), the dialog definition checker (ambrel-dialog.exe), a Start-menu entry and the uninstaller."
  !insertmacro MUI_DESCRIPTION_TEXT ${SectionDesktop} \
    "A shortcut to Ambrel on the desktop."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Section "Uninstall"
  Delete "$INSTDIR\ambrel.exe"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\ambrel-gen.exe"
  Delete "$INSTDIR\ambrel-dialog.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$DESKTOP\${PRODUCT}.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "${APPLICATION_KEY}"
  DeleteRegKey HKLM "${OPEN_WITH_KEY}"
  DeleteRegKey HKLM "${OPEN_WITH_JSON_KEY}"
SectionEnd
