; packaging/notavo.nsi — the Windows installer of Notavo (Czech pages), built by packaging/package.cmake:
;   makensis -INPUTCHARSET UTF8 -DVERSION=5.3.5.13 -DSTAGE=<folder> -DOUTFILE=<exe> -DICON=<ico> notavo.nsi
; STAGE holds files.nsh (the File and Delete lines of every program file); ICON is the program icon.
; Command line: /S silent, /AllUsers per-machine (Program Files), /CurrentUser per-user (the
; default: the user's own programs folder), /Desktop a desktop shortcut too, /D=folder last.
Unicode true
Target amd64-unicode ; the 64-bit stub: the program is 64-bit, and wine64 cannot run the x86 stub

!ifndef VERSION | STAGE | OUTFILE | ICON
  !error "VERSION, STAGE, OUTFILE and ICON must be defined"
!endif
!include "${STAGE}/files.nsh" ; NOTAVO_INSTALL_FILES, NOTAVO_UNINSTALL_FILES

!define PRODUCT "Notavo"
!define PUBLISHER "Mirabund"
!define UNINSTKEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
SetCompressor /SOLID lzma
ManifestDPIAware true
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1029 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1029 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1029 "FileDescription" "${PRODUCT} ${VERSION}"
VIAddVersionKey /LANG=1029 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1029 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1029 "LegalCopyright" "© 2025 ${PUBLISHER}"

; per-user by default; an administrator may choose every user of the computer
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_INSTALLMODE_INSTDIR "${PRODUCT}"
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_NOUNINSTALL ; the uninstaller takes its mode from where it was registered
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\Notavo.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Czech"

LangString DesktopShortcut ${LANG_CZECH} "Zástupce na ploše"

Var Root ; HKCU for a per-user install, HKLM for a per-machine one

Section "${PRODUCT}" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  !insertmacro NOTAVO_INSTALL_FILES
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Notavo.exe" "" "$INSTDIR\Notavo.exe" 0
  Call WriteUninstallKey
SectionEnd

Section /o "$(DesktopShortcut)" SecDesktop
  CreateShortcut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\Notavo.exe" "" "$INSTDIR\Notavo.exe" 0
SectionEnd

!macro WriteEntry ROOT
  WriteRegStr ${ROOT} "${UNINSTKEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr ${ROOT} "${UNINSTKEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr ${ROOT} "${UNINSTKEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr ${ROOT} "${UNINSTKEY}" "DisplayIcon" "$INSTDIR\Notavo.exe,0"
  WriteRegStr ${ROOT} "${UNINSTKEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr ${ROOT} "${UNINSTKEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr ${ROOT} "${UNINSTKEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD ${ROOT} "${UNINSTKEY}" "EstimatedSize" $0
  WriteRegDWORD ${ROOT} "${UNINSTKEY}" "NoModify" 1
  WriteRegDWORD ${ROOT} "${UNINSTKEY}" "NoRepair" 1
!macroend

; The entry of Programs and Features: name, version, publisher, size and the uninstall commands.
Function WriteUninstallKey
  ${If} $MultiUser.InstallMode == "AllUsers"
    StrCpy $Root HKLM
  ${Else}
    StrCpy $Root HKCU
  ${EndIf}
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  ${If} $Root == HKLM
    !insertmacro WriteEntry HKLM
  ${Else}
    !insertmacro WriteEntry HKCU
  ${EndIf}
FunctionEnd

Function .onInit
  !insertmacro MULTIUSER_INIT
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/Desktop" $1
  ${IfNot} ${Errors}
    SectionSetFlags ${SecDesktop} ${SF_SELECTED}
  ${EndIf}
FunctionEnd

; The uninstaller removes what the installer put down: the program files, the shortcuts and the
; entry. The user's data folder (settings, backup copies, the user's own conversion table) stays.
Section "Uninstall"
  !insertmacro NOTAVO_UNINSTALL_FILES
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR" ; only when empty: files the user put there stay
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$DESKTOP\${PRODUCT}.lnk"
  ${If} $Root == HKLM
    DeleteRegKey HKLM "${UNINSTKEY}"
  ${Else}
    DeleteRegKey HKCU "${UNINSTKEY}"
  ${EndIf}
SectionEnd

; A per-machine install is the one registered in HKLM for this very folder.
Function un.onInit
  ReadRegStr $0 HKLM "${UNINSTKEY}" "InstallLocation"
  ${If} $0 == $INSTDIR
    StrCpy $Root HKLM
    SetShellVarContext all
  ${Else}
    StrCpy $Root HKCU
    SetShellVarContext current
  ${EndIf}
FunctionEnd
