; The Ambrel installer: the programs under Program Files, a Start-menu entry and an optional
; desktop shortcut for the desktop tool, and an uninstaller listed in Apps & features.
; makensis -DVERSION=1.0.0.7 -DDIST=<folder with the .exe files> -DOUTFILE=<setup.exe>
; (scripts/windows-package.sh). /S installs and uninstalls silently.
; A 64-bit installer for the 64-bit programs (it also runs under a Wine without 32-bit support).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!ifndef VERSION | DIST | OUTFILE
  !error "define VERSION, DIST and OUTFILE"
!endif

!define PRODUCT "Ambrel"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

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

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
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
SectionEnd

Section /o "Desktop shortcut" SectionDesktop
  CreateShortcut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\ambrel.exe"
SectionEnd

Section "Uninstall"
  Delete "$INSTDIR\ambrel.exe"
  Delete "$INSTDIR\ambrel-gen.exe"
  Delete "$INSTDIR\ambrel-dialog.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$DESKTOP\${PRODUCT}.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
