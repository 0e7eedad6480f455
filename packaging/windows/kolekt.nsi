; Installs Kolekt for the current user alone, without administrator rights: the programs,
; a Start-menu entry, the collection file type and an uninstaller. /S installs and uninstalls
; silently. Made by the kolekt_windows_packages target, which defines
;   VERSION  the release, major.minor.patch
;   STAGE    the folder holding kolekt.exe, kolekt-tool.exe, README.txt and LICENSE.txt
;   ICON     the program's icon
;   TEXTS    the languages and the translated texts (FileTypeName, ShortcutComment)
;   OUTFILE  the installer to write
; A 64-bit installer for the 64-bit programs; it also runs where Windows (or Wine) has no
; 32-bit layer.
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kolekt"
; The registry's keys ignore letter case, so this one type covers ".K09" and ".k09" alike.
!define EXTENSION_KEY "Software\Classes\.k09"
!define PROGID "Kolekt.Collection"
!define PROGID_KEY "Software\Classes\${PROGID}"
; Tells the shell that a file type changed, so that icons and "Open" follow at once.
!define NOTIFY_SHELL "System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'"

Name "Kolekt"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Kolekt"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "Kolekt"
VIAddVersionKey /LANG=1033 "FileDescription" "Kolekt Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "Kolekt developers"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026 Kolekt developers; GNU GPL 3 or later"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\kolekt.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; Kolekt's own languages; the installer speaks the one of Windows' display language.
!include /CHARSET=UTF8 "${TEXTS}"

Section
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File "${STAGE}/kolekt.exe"
    File "${STAGE}/kolekt-tool.exe"
    File "${STAGE}/README.txt"
    File "${STAGE}/LICENSE.txt"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortCut "$SMPROGRAMS\Kolekt.lnk" "$INSTDIR\kolekt.exe" "" "$INSTDIR\kolekt.exe" 0 \
                   SW_SHOWNORMAL "" "$(ShortcutComment)"

    WriteRegStr HKCU "${EXTENSION_KEY}" "" "${PROGID}"
    WriteRegStr HKCU "${EXTENSION_KEY}\OpenWithProgids" "${PROGID}" ""
    WriteRegStr HKCU "${PROGID_KEY}" "" "$(FileTypeName)"
    WriteRegStr HKCU "${PROGID_KEY}\DefaultIcon" "" "$INSTDIR\kolekt.exe,0"
    WriteRegStr HKCU "${PROGID_KEY}\shell\open\command" "" '"$INSTDIR\kolekt.exe" "%1"'

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Kolekt"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Kolekt developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kolekt.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0

    ${NOTIFY_SHELL}
SectionEnd

; Removes exactly what the installer put there. The settings (kolekt.ini beside the program)
; and any collection the user keeps in the folder stay, and with them the folder.
Section "Uninstall"
    SetShellVarContext current
    Delete "$INSTDIR\kolekt.exe"
    Delete "$INSTDIR\kolekt-tool.exe"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Kolekt.lnk"

    ; The extension is handed back only while it still opens in Kolekt.
    ReadRegStr $0 HKCU "${EXTENSION_KEY}" ""
    StrCmp $0 "${PROGID}" 0 +2
        DeleteRegValue HKCU "${EXTENSION_KEY}" ""
    DeleteRegValue HKCU "${EXTENSION_KEY}\OpenWithProgids" "${PROGID}"
    DeleteRegKey /ifempty HKCU "${EXTENSION_KEY}\OpenWithProgids"
    DeleteRegKey /ifempty HKCU "${EXTENSION_KEY}"
    DeleteRegKey HKCU "${PROGID_KEY}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"

    ${NOTIFY_SHELL}
SectionEnd
