; The per-user installer of Velmora, made with makensis by the package
; target. It needs no administrator rights: everything it writes lies in the
; user's own profile and under HKCU.
;
; Defines given by the build: VERSION (x.y.z), PUBLISHER, COPYRIGHT, BIN32 and
; BIN64 (the folders of the 32-bit and 64-bit programs), README, LICENSE,
; OUTFILE.

Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include LogicLib.nsh
!include x64.nsh
!include MUI2.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora"
!define DESKTOP_KEY "Control Panel\Desktop"
; SystemParametersInfo: switch the screen saver on, write it to the profile and
; tell the running programs.
!define SPI_SETSCREENSAVEACTIVE 17
!define SPIF_UPDATE_AND_SEND 3

Name "Velmora"
OutFile "${OUTFILE}"
; A folder of the user's own, so that Velmora.ini beside the programs stays
; writable.
InstallDir "$LOCALAPPDATA\Programs\Velmora"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "Velmora"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "Velmora screen saver setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${COPYRIGHT}"

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The first language is the one used where the system's is neither.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

Function .onInit
    SetShellVarContext current
FunctionEnd

Function un.onInit
    SetShellVarContext current
FunctionEnd

; The path the user's screen-saver setting names the saver by: its short form
; where the volume has one, since the system starts the saver from the setting
; as it stands, blanks and all.
!macro SaverSettingPath result
    GetFullPathName /SHORT ${result} "$INSTDIR\Velmora.scr"
    ${If} ${result} == ""
        StrCpy ${result} "$INSTDIR\Velmora.scr"
    ${EndIf}
!macroend

Section "Velmora"
    SetOutPath "$INSTDIR"
    ; Velmora.ini is never written here, so an update keeps the user's choice.
    ${If} ${RunningX64}
        File "/oname=Velmora.scr" "${BIN64}/Velmora.scr"
        File "/oname=Velmora.dll" "${BIN64}/Velmora.dll"
    ${Else}
        File "/oname=Velmora.scr" "${BIN32}/Velmora.scr"
        File "/oname=Velmora.dll" "${BIN32}/Velmora.dll"
    ${EndIf}
    File "/oname=Readme.txt" "${README}"
    File "/oname=License.txt" "${LICENSE}"
    WriteUninstaller "$INSTDIR\Uninstall.exe"

    !insertmacro SaverSettingPath $0
    WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$0"
    WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"
    System::Call "user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i 1, p 0, i ${SPIF_UPDATE_AND_SEND})"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Velmora"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Velmora.dll,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    ; The setting is cleared only while it still names this saver, in either
    ; form: the user may have chosen another one since.
    ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    !insertmacro SaverSettingPath $1
    ${If} $0 == $1
    ${OrIf} $0 == "$INSTDIR\Velmora.scr"
        DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${EndIf}

    Delete "$INSTDIR\Velmora.scr"
    Delete "$INSTDIR\Velmora.dll"
    Delete "$INSTDIR\Velmora.ini"
    Delete "$INSTDIR\Readme.txt"
    Delete "$INSTDIR\License.txt"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
