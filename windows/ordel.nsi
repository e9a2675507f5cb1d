; The installer of Ordel for Windows (scripts/windows-package makes it):
; Ordel for every user of the machine in Program Files, an entry "Ordel" in the
; Start menu, and an uninstaller in the system's list of programs. "/S"
; installs, and uninstalls, without a question; "/D=FOLDER", last on the
; command line, installs elsewhere.
;   makensis -DVERSION=0.1.0 -DFOLDER=DIR -DFILES=FILES.nsh -DICON=ordel.ico
;            -DKILOBYTES=N -DOUTFILE=SETUP.exe ordel.nsi
; FOLDER holds what "cmake --install" put there; FILES.nsh names each of its
; files and folders, so that the uninstaller removes those and nothing else.

; A 64-bit installer, as the program is: it runs on any Windows that Ordel
; runs on, and under Wine with no 32-bit part.
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Ordel"

Name "Ordel"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Ordel"
RequestExecutionLevel admin
BrandingText "Ordel ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1046 "ProductName" "Ordel"
VIAddVersionKey /LANG=1046 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1046 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1046 "FileDescription" "Instalador do Ordel"
VIAddVersionKey /LANG=1046 "CompanyName" "Equipe do Ordel"
VIAddVersionKey /LANG=1046 "LegalCopyright" "Copyright (c) 2026 Equipe do Ordel"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_LICENSE "${FOLDER}\licenses\Ordel-LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "PortugueseBR"

; The Start menu entry is every user's.
Function .onInit
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetShellVarContext all
FunctionEnd

Section
    !define INSTALL
    !include "${FILES}"
    !undef INSTALL
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Ordel.lnk" "$INSTDIR\ordel.exe" "" "$INSTDIR\ordel.exe" 0 \
        SW_SHOWNORMAL "" "Valor posicional e as quatro operações num ábaco"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Ordel"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Equipe do Ordel"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\ordel.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${KILOBYTES}
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\Ordel.lnk"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    ; The installed files by name, never the folder as a whole: a folder
    ; chosen by hand may hold other things too.
    !include "${FILES}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
SectionEnd
