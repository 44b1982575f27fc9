; The Windows installer: Program Files (or the user's own programs folder),
; a Start-menu shortcut and an entry in Apps & features with an uninstaller.
; makensis -DVERSION=x.y.z -DSTAGE=<folder with the files> -DICON=<.ico> -DOUTFILE=<setup.exe>
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!define APP "Zarnet"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP}"

; Per machine or per user, as the user chooses; /AllUsers or /CurrentUser
; decide it on the command line, and /S installs without a question.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${APP}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh

Name "${APP} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${APP} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${APP}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "FileDescription" "${APP} Setup"
VIAddVersionKey /LANG=0 "CompanyName" "Zarnet developers"
VIAddVersionKey /LANG=0 "LegalCopyright" "Copyright 2026 Zarnet developers"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\zarnet.exe"
!define MUI_UNCONFIRMPAGE_TEXT_TOP "$(SettingsKept)"

!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first is the default; the system's own language is taken where present.
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_LANGUAGE "English"

LangString SettingsKept ${LANG_JAPANESE} "Zarnet を削除します。設定と履歴（レジストリの HKEY_CURRENT_USER\Software\t-velka\Zarnet と %APPDATA%\Zarnet のファイル）は削除されずに残ります。不要なら手で削除してください。"
LangString SettingsKept ${LANG_ENGLISH} "Zarnet will be removed. Your settings and history (the registry key HKEY_CURRENT_USER\Software\t-velka\Zarnet and the files in %APPDATA%\Zarnet) are kept; delete them by hand if you no longer need them."

Function .onInit
  !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "Zarnet"
  SetOutPath "$INSTDIR"
  File "${STAGE}\zarnet.exe"
  File "${STAGE}\zarnet-cli.exe"
  File "${STAGE}\README.txt"
  File "${STAGE}\LICENSE.txt"
  ; Beside the programs it also tells them they are installed, so they keep
  ; their files in the user's folders and never write here.
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortCut "$SMPROGRAMS\${APP}.lnk" "$INSTDIR\zarnet.exe"

  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${APP}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "Zarnet developers"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zarnet.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize 0 $0
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Only what the installer put there. The user's settings stay, as the
; confirmation page says.
Section "Uninstall"
  Delete "$INSTDIR\zarnet.exe"
  Delete "$INSTDIR\zarnet-cli.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${APP}.lnk"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
