; The Windows installer of getalveld, made by scripts/windows.sh:
;   makensis -DVERSION=0.1 -DSOURCE=folder -DOUTFILE=setup.exe -DLICENSE=LICENSE -DICON=getalveld.ico getalveld.nsi
; Dutch by default, English offered. Without administrator rights it installs for the user
; alone (in the user's own program folder); an administrator may choose all users.
; Silent for a whole room: setup.exe /S (this user) or setup.exe /S /AllUsers (the machine).
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!define NAME "getalveld"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${NAME}"
!define SETTINGS_KEY "Software\${NAME}"

Name "${NAME}"
OutFile "${OUTFILE}"
BrandingText "${NAME} ${VERSION}"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${NAME}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${SETTINGS_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${SETTINGS_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallMode"
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_LANGDLL_ALLLANGUAGES
!define MUI_FINISHPAGE_RUN "$INSTDIR\${NAME}.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the default one.
!insertmacro MUI_LANGUAGE "Dutch"
!insertmacro MUI_LANGUAGE "English"

LangString ShortcutComment ${LANG_DUTCH} "Oefenen met getallen op het tabulon en het duizendveld"
LangString ShortcutComment ${LANG_ENGLISH} "Practise numbers on the hundred chart and the thousand field"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_DUTCH} "ProductName" "${NAME}"
VIAddVersionKey /LANG=${LANG_DUTCH} "FileDescription" "${NAME} installatie"
VIAddVersionKey /LANG=${LANG_DUTCH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_DUTCH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_DUTCH} "LegalCopyright" "GNU GPL, versie 3 of later"

Function .onInit
    !insertmacro MULTIUSER_INIT
    ; Dutch, whatever the language of Windows; English is offered.
    StrCpy $LANGUAGE ${LANG_DUTCH}
    !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Function un.onInit
    !insertmacro MULTIUSER_UNINIT
    !insertmacro MUI_UNGETLANGUAGE
FunctionEnd

Section "getalveld" main
    SectionIn RO
    SetOutPath "$INSTDIR"
    ; A new version replaces the old files: nothing of an earlier install lingers.
    RMDir /r "$INSTDIR\platforms"
    RMDir /r "$INSTDIR\styles"
    File /r "${SOURCE}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortCut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\${NAME}.exe" "" "$INSTDIR\${NAME}.exe" 0 \
        SW_SHOWNORMAL "" "$(ShortcutComment)"

    WriteRegStr SHCTX "${SETTINGS_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${SETTINGS_KEY}" "InstallMode" "$MultiUser.InstallMode"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${NAME}.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${NAME}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\${NAME}.lnk"
    ; Only what the installer put there: the folder may be one the user chose.
    Delete "$INSTDIR\${NAME}.exe"
    Delete "$INSTDIR\*.dll"
    RMDir /r "$INSTDIR\platforms"
    RMDir /r "$INSTDIR\styles"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    DeleteRegKey SHCTX "${SETTINGS_KEY}"
SectionEnd
