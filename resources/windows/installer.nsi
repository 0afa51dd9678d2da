; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer of Korvex Config. scripts/build-windows.sh runs
;   makensis -DVERSION=x.y.z -DSTAGE=<installed files> -DOUTFILE=<setup.exe> installer.nsi
; with files.nsh beside STAGE listing what to install and to remove.
; 64-bit like the programs: it runs wherever they do (under wine64 too).
Target amd64-unicode
SetCompressor /SOLID lzma

!include MUI2.nsh
!include x64.nsh
!include LogicLib.nsh

!define PRODUCT "Korvex Config"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KorvexConfig"
!define PROGID "KorvexConfig.cfg"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
BrandingText "${PRODUCT} ${VERSION}"

!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\korvex-config.exe"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "${PRODUCT} needs a 64-bit Windows."
    Abort
  ${EndIf}
  SetRegView 64
  SetShellVarContext all ; installed for every user, so the Start menu entry is too
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "${PRODUCT}, its manual and korvex-cli" SecMain
  SectionIn RO
  SetOutPath "$INSTDIR"
  !include "${STAGE}.files.nsh"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\korvex-config.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT} manual.lnk" "$INSTDIR\Korvex_Config.rtf"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\Uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Korvex Config Developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\korvex-config.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; .cfg is a common ending, so the association is only made when asked for,
; and what it replaced comes back on uninstall.
Section /o "Open .cfg files with ${PRODUCT}" SecAssociate
  WriteRegStr HKLM "Software\Classes\${PROGID}" "" "Korvex tracker settings"
  WriteRegStr HKLM "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\korvex-config.exe,0"
  WriteRegStr HKLM "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\korvex-config.exe" "%1"'
  ReadRegStr $0 HKLM "Software\Classes\.cfg" ""
  ${If} $0 != "${PROGID}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "PreviousCfgClass" "$0"
  ${EndIf}
  WriteRegStr HKLM "Software\Classes\.cfg" "" "${PROGID}"
  WriteRegStr HKLM "Software\Classes\.cfg\OpenWithProgids" "${PROGID}" ""
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecMain} "The configurator, the command-line tool korvex-cli and the manual."
  !insertmacro MUI_DESCRIPTION_TEXT ${SecAssociate} "Double-clicking a .cfg file opens it in ${PRODUCT}. Other programs use .cfg files too: leave this off if one of them should open them."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Section "Uninstall"
  !include "${STAGE}.unfiles.nsh"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT} manual.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"

  ReadRegStr $0 HKLM "Software\Classes\.cfg" ""
  ${If} $0 == "${PROGID}"
    ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "PreviousCfgClass"
    ${If} $1 == ""
      DeleteRegValue HKLM "Software\Classes\.cfg" ""
    ${Else}
      WriteRegStr HKLM "Software\Classes\.cfg" "" "$1"
    ${EndIf}
  ${EndIf}
  DeleteRegValue HKLM "Software\Classes\.cfg\OpenWithProgids" "${PROGID}"
  DeleteRegKey HKLM "Software\Classes\${PROGID}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
