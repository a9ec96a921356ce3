; The Windows installer: Pellucors for every user of the machine, under
; Program Files, with a Start-menu entry and an entry in the installed
; programs; `/S` installs silently. scripts/windows.sh builds it with
;   makensis -DVERSION=1.0.0 -DVENDOR=... -DUPGRADE_CODE=... -DPROGRAM_DIR=folder
;            -DICON=file -DUNINSTALL_LIST=file -DOUTFILE=file pellucors.nsi
; where UNINSTALL_LIST holds a Delete line for each installed file and an
; RMDir line for each folder, deepest first, and UPGRADE_CODE is the MSI's;
; the version, vendor and upgrade code come from the top CMakeLists.txt.
; With -DSIGN_SCRIPT=scripts/windows-sign.sh the uninstaller is signed before
; it goes into the setup program, and the setup program once it is written.

Unicode true
; A 64-bit installer: it runs where the 64-bit program runs, and writes the
; 64-bit Program Files and registry without redirection.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!ifdef SIGN_SCRIPT
    !uninstfinalize 'bash "${SIGN_SCRIPT}" "%1"' = 0
    !finalize 'bash "${SIGN_SCRIPT}" "%1"' = 0
!endif

!define PRODUCT "Pellucors"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${VENDOR}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${VENDOR}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright 2026 ${VENDOR}"

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
    ; Per machine: the Start-menu entry is for all users, in the 64-bit view.
    SetShellVarContext all
    SetRegView 64
    ; Installed from the MSI as well, the two entries would share one folder,
    ; and removing either would break the other.
    System::Call 'msi::MsiEnumRelatedProductsW(w "{${UPGRADE_CODE}}", i 0, i 0, w .r0) i .r1'
    ${If} $1 == 0
        MessageBox MB_ICONSTOP|MB_OK "Pellucors is already installed from its Windows Installer package (MSI). Uninstall that first, from the installed programs." /SD IDOK
        SetErrorLevel 2
        Abort
    ${EndIf}
FunctionEnd

Function un.onInit
    SetShellVarContext all
    SetRegView 64
FunctionEnd

Section "Pellucors"
    SetOutPath "$INSTDIR"
    File /r "${PROGRAM_DIR}/*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\pellucors.exe" "" \
        "$INSTDIR\pellucors.exe" 0

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${VENDOR}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\pellucors.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    ; Only what the installer put there: a folder the user chose may hold more.
    !include "${UNINSTALL_LIST}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
