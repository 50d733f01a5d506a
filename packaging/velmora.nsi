; The per-user installer of Velmora, made with makensis by the package
; target. It needs no administrator rights: everything it writes lies in the
; user's own profile and under HKCU.
;
; Defines given by the build: VERSION (x.y.z), PUBLISHER, COPYRIGHT, BIN32 and
; BIN64 (the folders of the 32-bit and 64-bit programs), README, LICENSE,
; ICON, OUTFILE, and MAKER_URL where the build names the maker's page.

Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include LogicLib.nsh
!include x64.nsh
!include FileFunc.nsh
!include MUI2.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora"
!define DESKTOP_KEY "Control Panel\Desktop"
!define RUNONCE_KEY "Software\Microsoft\Windows\CurrentVersion\RunOnce"
; What is left for the next logon: a copy of the uninstaller in the user's
; temporary folder, started by this value of RunOnce, finishes an uninstall or
; removes the copies that an update set aside. The user cannot mark files to
; go at the restart (that needs administrator rights), and the command stays
; short for any user and any folder: Windows takes at most 260 characters.
!define LOGON_STEP "Velmora"
!define LOGON_PROGRAM "Velmora-logon.exe"
; Where the uninstall key keeps the user's screen saver from before Velmora.
!define PREVIOUS_SAVER "PreviousScreenSaver"
!define PREVIOUS_ACTIVE "PreviousScreenSaveActive"
; SystemParametersInfo: switch the screen saver on or off, write it to the
; profile and tell the running programs.
!define SPI_SETSCREENSAVEACTIVE 17
!define SPIF_UPDATE_AND_SEND 3
; OpenProcess: end it and wait for it.
!define PROCESS_TERMINATE_AND_WAIT 0x100001

Name "Velmora"
OutFile "${OUTFILE}"
; A folder of the user's own, so that Velmora.ini beside the programs stays
; writable; an update goes where the last install went, /D= included.
InstallDir "$LOCALAPPDATA\Programs\Velmora"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "Velmora"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "Velmora screen saver setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${COPYRIGHT}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "$(OpenSaverSettings)"
!define MUI_FINISHPAGE_RUN_FUNCTION OpenSaverSettings
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The first language is the one used where the system's is neither.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

LangString OpenSaverSettings ${LANG_ENGLISH} "Open the screen saver settings"
LangString OpenSaverSettings ${LANG_JAPANESE} "スクリーンセーバーの設定を開く"
LangString ChooseVelmora ${LANG_ENGLISH} "Make Velmora the screen saver and open its settings"
LangString ChooseVelmora ${LANG_JAPANESE} "Velmora をスクリーンセーバーにして設定を開く"

; The Start-menu entry that chooses Velmora again: the system's list of
; savers shows only those of the system's folders and the current one.
!define START_MENU_ENTRY "$SMPROGRAMS\Velmora.lnk"

; "finish" or "tidy" when the uninstaller runs as the logon step.
Var LogonStep

Function .onInit
    SetShellVarContext current
FunctionEnd

Function un.onInit
    SetShellVarContext current
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/LOGON=" $LogonStep
    ${If} ${Errors}
        StrCpy $LogonStep ""
    ${Else}
        SetSilent silent
        ; Started from the temporary folder: the install is where the entry
        ; says.
        ReadRegStr $INSTDIR HKCU "${UNINSTALL_KEY}" "InstallLocation"
        ${If} $INSTDIR == ""
            Quit
        ${EndIf}
    ${EndIf}
FunctionEnd

Function OpenSaverSettings
    Exec '"$SYSDIR\control.exe" desk.cpl,,@screensaver'
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

; Ends the process that owns the top-level window with this title. A window
; that can close itself is asked first; the renderer ignores a close request
; until it has seen the user, so it is ended outright.
!macro EndWindowOwner title ask
    System::Call 'user32::FindWindowW(p 0, w "${title}") p .r0'
    ${If} $0 P<> 0
        System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1)'
        System::Call 'kernel32::OpenProcess(i ${PROCESS_TERMINATE_AND_WAIT}, i 0, i r1) p .r2'
        ${If} $2 P<> 0
            StrCpy $3 258 ; WAIT_TIMEOUT
            ${If} ${ask} == 1
                System::Call 'user32::PostMessageW(p r0, i ${WM_CLOSE}, p 0, p 0)'
                System::Call 'kernel32::WaitForSingleObject(p r2, i 3000) i .r3'
            ${EndIf}
            ${If} $3 <> 0
                System::Call 'kernel32::TerminateProcess(p r2, i 0)'
                System::Call 'kernel32::WaitForSingleObject(p r2, i 5000)'
            ${EndIf}
            System::Call 'kernel32::CloseHandle(p r2)'
        ${EndIf}
    ${EndIf}
!macroend

; Our running saver, its renderer and an open settings dialog hold the
; programs open. The renderer goes first: the saver run then ends by itself,
; as it does when the user ends the picture, and stops its music.
!macro EndRunningVelmora un
    Function ${un}EndRunningVelmora
        Push $0
        Push $1
        Push $2
        Push $3
        !insertmacro EndWindowOwner "VelmoraVC" 0
        !insertmacro EndWindowOwner "Torvi_Main" 1
        !insertmacro EndWindowOwner "<Velmora>" 1
        Pop $3
        Pop $2
        Pop $1
        Pop $0
    FunctionEnd
!macroend
!insertmacro EndRunningVelmora ""
!insertmacro EndRunningVelmora "un."

; Deletes a file of the folder, ending our running programs and trying again
; while it is in use. The file may still be there afterwards.
!macro DeleteInUse un path
    StrCpy $R9 0
    ${Do}
        Delete "${path}"
        ${IfNot} ${FileExists} "${path}"
        ${OrIf} $R9 >= 10
            ${Break}
        ${EndIf}
        IntOp $R9 $R9 + 1
        Call ${un}EndRunningVelmora
        Sleep 300
    ${Loop}
!macroend

; Puts a program in place. One that stays in use (a preview that the display
; settings hold open) is renamed aside, which Windows allows for a running
; program, so the new one still takes its name now; the old copy goes at the
; next logon.
!macro PutProgram source name
    !insertmacro DeleteInUse "" "$INSTDIR\${name}"
    ${If} ${FileExists} "$INSTDIR\${name}"
        Delete "$INSTDIR\${name}.old"
        Rename "$INSTDIR\${name}" "$INSTDIR\${name}.old"
    ${EndIf}
    ; Where even that failed (an aside copy still running too), the program
    ; stays as it is rather than ask a question that /S cannot answer.
    SetOverwrite try
    File "/oname=${name}" "${source}"
    SetOverwrite on
!macroend

; Removes a program of the folder. One that stays in use is renamed aside,
; which Windows allows for a running program, so that a new install before
; the next logon finds its name free; $5 says that something is left.
!macro RemoveInUse name
    !insertmacro DeleteInUse "un." "$INSTDIR\${name}"
    ${If} ${FileExists} "$INSTDIR\${name}"
        Delete "$INSTDIR\${name}.old"
        Rename "$INSTDIR\${name}" "$INSTDIR\${name}.old"
        StrCpy $5 1
    ${EndIf}
!macroend

; Leaves the logon step of the given kind: the uninstaller at `source`,
; copied into the temporary folder (by its short name, where the volume has
; one), and the RunOnce value that starts it.
!macro LeaveLogonStep source kind
    GetFullPathName /SHORT $R8 "$TEMP"
    ${If} $R8 == ""
        StrCpy $R8 "$TEMP"
    ${EndIf}
    CopyFiles /SILENT /FILESONLY "${source}" "$R8\${LOGON_PROGRAM}"
    WriteRegStr HKCU "${RUNONCE_KEY}" "${LOGON_STEP}" '"$R8\${LOGON_PROGRAM}" /S /LOGON=${kind}'
!macroend

Section "Velmora"
    SetOutPath "$INSTDIR"
    ; An uninstall that waited for the next logon is over: its last step must
    ; not remove this install then.
    DeleteRegValue HKCU "${RUNONCE_KEY}" "${LOGON_STEP}"
    Delete "$TEMP\${LOGON_PROGRAM}"
    Call EndRunningVelmora
    Delete "$INSTDIR\Velmora.scr.old"
    Delete "$INSTDIR\Velmora.dll.old"
    ; Velmora.ini is never written here, so an update keeps the user's choice.
    ; Windows on ARM runs this installer under emulation and reports a 64-bit
    ; system there too, yet cannot run x64 programs before Windows 11: the
    ; x64 programs go only onto a native x64 system.
    ${If} ${IsNativeAMD64}
        !insertmacro PutProgram "${BIN64}/Velmora.scr" Velmora.scr
        !insertmacro PutProgram "${BIN64}/Velmora.dll" Velmora.dll
    ${Else}
        !insertmacro PutProgram "${BIN32}/Velmora.scr" Velmora.scr
        !insertmacro PutProgram "${BIN32}/Velmora.dll" Velmora.dll
    ${EndIf}
    File "/oname=Readme.txt" "${README}"
    File "/oname=License.txt" "${LICENSE}"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    ; A copy set aside because it was in use goes at the next logon.
    ${If} ${FileExists} "$INSTDIR\Velmora.???.old"
        !insertmacro LeaveLogonStep "$INSTDIR\Uninstall.exe" tidy
    ${EndIf}

    ; The saver chosen before is kept for the uninstaller, unless it is this
    ; one: an update must not make Velmora its own predecessor.
    !insertmacro SaverSettingPath $0
    ReadRegStr $1 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${If} $1 != $0
    ${AndIf} $1 != "$INSTDIR\Velmora.scr"
        DeleteRegValue HKCU "${UNINSTALL_KEY}" "${PREVIOUS_SAVER}"
        DeleteRegValue HKCU "${UNINSTALL_KEY}" "${PREVIOUS_ACTIVE}"
        ${If} $1 != ""
            WriteRegStr HKCU "${UNINSTALL_KEY}" "${PREVIOUS_SAVER}" "$1"
        ${EndIf}
        ClearErrors
        ReadRegStr $2 HKCU "${DESKTOP_KEY}" "ScreenSaveActive"
        ${IfNot} ${Errors}
            WriteRegStr HKCU "${UNINSTALL_KEY}" "${PREVIOUS_ACTIVE}" "$2"
        ${EndIf}
    ${EndIf}
    WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$0"
    WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"
    System::Call "user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i 1, p 0, i ${SPIF_UPDATE_AND_SEND})"
    ; What a right-click on the saver and Install do, by the path the
    ; setting names it by (the rest of the line, unquoted, as Explorer gives
    ; it).
    CreateShortcut "${START_MENU_ENTRY}" "$SYSDIR\rundll32.exe" \
        "desk.cpl,InstallScreenSaver $0" "$INSTDIR\Velmora.scr" 0 SW_SHOWNORMAL "" \
        "$(ChooseVelmora)"

    ; Without the copies set aside, which go at the next logon.
    ${GetSize} "$INSTDIR" "/S=0K" $3 $4 $5
    ${GetSize} "$INSTDIR" "/M=Velmora.???.old /S=0K" $6 $4 $5
    IntOp $3 $3 - $6
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Velmora"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Velmora.scr"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $3
    !ifdef MAKER_URL
        WriteRegStr HKCU "${UNINSTALL_KEY}" "URLInfoAbout" "${MAKER_URL}"
    !endif
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Gives the user's screen saver back as it was before Velmora, while the
; setting still names this saver, in either form: where another one has been
; chosen since, it stays.
!macro RestorePreviousSaver
    ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    !insertmacro SaverSettingPath $1
    ${If} $0 == $1
    ${OrIf} $0 == "$INSTDIR\Velmora.scr"
        ReadRegStr $2 HKCU "${UNINSTALL_KEY}" "${PREVIOUS_SAVER}"
        ReadRegStr $3 HKCU "${UNINSTALL_KEY}" "${PREVIOUS_ACTIVE}"
        ${If} $2 == ""
            ; There was none: no saver, and none active.
            DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
            StrCpy $3 0
        ${Else}
            WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$2"
            ; A saver without the switch was active, as Windows takes it.
            ${If} $3 == ""
                StrCpy $3 1
            ${EndIf}
        ${EndIf}
        WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "$3"
        ; The running session learns it too, so that a lock that came with
        ; the saver's timeout works again without a new logon.
        IntOp $4 $3 + 0
        System::Call "user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i r4, p 0, i ${SPIF_UPDATE_AND_SEND})"
    ${EndIf}
!macroend

; The logon step: the copies set aside go; after an uninstall the rest of the
; folder, the folder and the entry go too. Then the copy of the uninstaller
; that the step was started from.
Function un.LogonStep
    Delete "$INSTDIR\Velmora.scr.old"
    Delete "$INSTDIR\Velmora.dll.old"
    ${If} $LogonStep == "finish"
        Delete "$INSTDIR\Velmora.scr"
        Delete "$INSTDIR\Velmora.dll"
        Delete "$INSTDIR\Velmora.ini"
        Delete "$INSTDIR\Readme.txt"
        Delete "$INSTDIR\License.txt"
        Delete "$INSTDIR\Uninstall.exe"
        RMDir "$INSTDIR"
        ${IfNot} ${FileExists} "$INSTDIR\*.*"
            DeleteRegKey HKCU "${UNINSTALL_KEY}"
        ${EndIf}
    ${EndIf}
    ; The copy ends as soon as it has started this one.
    StrCpy $R9 0
    ${Do}
        Delete "$TEMP\${LOGON_PROGRAM}"
        ${IfNot} ${FileExists} "$TEMP\${LOGON_PROGRAM}"
        ${OrIf} $R9 >= 20
            ${Break}
        ${EndIf}
        IntOp $R9 $R9 + 1
        Sleep 250
    ${Loop}
FunctionEnd

Section "Uninstall"
    ${If} $LogonStep != ""
        Call un.LogonStep
        Return
    ${EndIf}
    Call un.EndRunningVelmora
    !insertmacro RestorePreviousSaver
    Delete "${START_MENU_ENTRY}"

    StrCpy $5 ""
    ; Copies that an update or an earlier uninstall renamed aside.
    Delete "$INSTDIR\Velmora.scr.old"
    Delete "$INSTDIR\Velmora.dll.old"
    ${If} ${FileExists} "$INSTDIR\Velmora.???.old"
        StrCpy $5 1
    ${EndIf}
    !insertmacro RemoveInUse "Velmora.scr"
    !insertmacro RemoveInUse "Velmora.dll"
    Delete "$INSTDIR\Velmora.ini"
    Delete "$INSTDIR\Readme.txt"
    Delete "$INSTDIR\License.txt"
    ${If} $5 == ""
        Delete "$INSTDIR\Uninstall.exe"
        RMDir "$INSTDIR"
        DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ${Else}
        ; A program is still in use (a preview, say) and goes at the next
        ; logon. Until then Velmora stays among the user's programs with its
        ; uninstaller, so that nothing is left without an entry; at the next
        ; logon the programs, the uninstaller, the folder and the entry go
        ; together. A new install before then calls this off and keeps its
        ; uninstaller.
        !insertmacro LeaveLogonStep "$EXEPATH" finish
    ${EndIf}
SectionEnd
