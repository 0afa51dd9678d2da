; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer of Korvex Config. scripts/build-windows.sh runs
;   makensis -DVERSION=x.y.z -DSTAGE=<installed files> -DOUTFILE=<setup.exe> installer.nsi
; with files.nsh beside STAGE listing what to install and to remove.
; 64-bit like the programs: it runs wherever they do (under wine64 too).
; For every user (Program Files, administrator rights) or for the one who
; runs it (their own Programs folder, no rights needed): the page asks, and a
; silent run (/S) takes every user when it may, else this user; /AllUsers and
; /CurrentUser choose outright.
Target amd64-unicode
SetCompressor /SOLID lzma

!define PRODUCT "Korvex Config"
!define PUBLISHER "Korvex Config Developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KorvexConfig"
!define PROGID "KorvexConfig.cfg"
; korvex-config.exe holds this mutex while it runs.
!define RUNNING_MUTEX "KorvexConfigRunning"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
; Where an installation is found again: the mode an upgrade keeps, and the
; folder it goes to.
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh
!include x64.nsh
!include LogicLib.nsh
!include FileFunc.nsh

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"

; The setup's own version resource, from the same version as the programs.
VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) ${PUBLISHER}. GNU GPL 3 or later."
VIAddVersionKey /LANG=1033 "OriginalFilename" "korvex-config-${VERSION}-setup.exe"

!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\korvex-config.exe"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Files of a running copy cannot be replaced or removed: ask the user to
; close it first (a silent run gives up instead).
!macro KORVEX_WAIT_UNTIL_CLOSED
  ${Do}
    System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${RUNNING_MUTEX}") p .r0'
    ${If} $0 P= 0
      ${Break}
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p r0)'
    ${IfNot} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${PRODUCT} is running. Close it, then click Retry." /SD IDCANCEL IDRETRY`
      Abort
    ${EndIf}
  ${Loop}
!macroend

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "${PRODUCT} needs a 64-bit Windows." /SD IDOK
    Abort
  ${EndIf}
  SetRegView 64
  !insertmacro MULTIUSER_INIT
  !insertmacro KORVEX_WAIT_UNTIL_CLOSED
FunctionEnd

Function un.onInit
  SetRegView 64
  !insertmacro MULTIUSER_UNINIT
  !insertmacro KORVEX_WAIT_UNTIL_CLOSED
FunctionEnd

; An earlier version goes first, by its own uninstaller run in place: it
; takes away exactly the files it put there, so none of them is left beside
; the new ones, and files the user saved in the folder stay.
Function RemovePreviousVersion
  ReadRegStr $R0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $R0 != ""
  ${AndIf} ${FileExists} "$R0\Uninstall.exe"
    DetailPrint "Removing the installed version from $R0"
    ExecWait '"$R0\Uninstall.exe" /S _?=$R0' $R1
    Delete "$R0\Uninstall.exe"
    RMDir "$R0"
  ${EndIf}
FunctionEnd

Section "${PRODUCT}, its manual and korvex-cli" SecMain
  SectionIn RO
  Call RemovePreviousVersion
  SetOutPath "$INSTDIR"
  !include "${STAGE}.files.nsh"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\korvex-config.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT} manual.lnk" "$INSTDIR\Korvex_Config.rtf"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\Uninstall.exe"

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\korvex-config.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode /S'
  ; The project has no web site: its manual is what tells about it.
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "URLInfoAbout" "$INSTDIR\Korvex_Config.rtf"
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

; .cfg is a common ending, so the association is only made when asked for,
; and what it replaced comes back on uninstall.
Section /o "Open .cfg files with ${PRODUCT}" SecAssociate
  WriteRegStr SHCTX "Software\Classes\${PROGID}" "" "Korvex tracker settings"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\korvex-config.exe,0"
  WriteRegStr SHCTX "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\korvex-config.exe" "%1"'
  ReadRegStr $0 SHCTX "Software\Classes\.cfg" ""
  ${If} $0 != "${PROGID}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "PreviousCfgClass" "$0"
  ${EndIf}
  WriteRegStr SHCTX "Software\Classes\.cfg" "" "${PROGID}"
  WriteRegStr SHCTX "Software\Classes\.cfg\OpenWithProgids" "${PROGID}" ""
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

  ReadRegStr $0 SHCTX "Software\Classes\.cfg" ""
  ${If} $0 == "${PROGID}"
    ReadRegStr $1 SHCTX "${UNINSTALL_KEY}" "PreviousCfgClass"
    ${If} $1 == ""
      DeleteRegValue SHCTX "Software\Classes\.cfg" ""
    ${Else}
      WriteRegStr SHCTX "Software\Classes\.cfg" "" "$1"
    ${EndIf}
  ${EndIf}
  DeleteRegValue SHCTX "Software\Classes\.cfg\OpenWithProgids" "${PROGID}"
  DeleteRegKey SHCTX "Software\Classes\${PROGID}"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
