#!/usr/bin/env bash
# The installer of the Windows package, silently, as a user without
# administrator rights runs it: the programs that suit the system land in the
# user's own program folder with the read-me, the licence and an uninstaller;
# Velmora becomes the user's screen saver and appears among the user's
# programs; the installed saver runs from there and its settings dialog saves
# beside it; an update keeps the user's Velmora.ini; the uninstaller removes everything, and clears the screen-saver
# setting only while it still names Velmora.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=../lib/wine_session.sh
source "$here/../lib/wine_session.sh"
# shellcheck source=../frontend/scr_checks.sh
source "$here/../frontend/scr_checks.sh"
# shellcheck source=../settings_dialog/dialog_steps.sh
source "$here/../settings_dialog/dialog_steps.sh"

readonly DESKTOP='HKCU\Control Panel\Desktop'
readonly UNINSTALL='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora'

# The installer is a 32-bit program, whichever programs it installs.
blocker=$(velmora_32bit_blocker)
[ -z "$blocker" ] || e2e_skip "the installer is a 32-bit program and this host cannot run it: $blocker"

e2e_begin
setup=${VELMORA_PACKAGE_SETUP:?}

install_silently() {
    e2e_run "$1" "$setup" /S
    e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code of the installer ($1)"
}

check_installed() {
    location=$(e2e_registry_value "$UNINSTALL" InstallLocation)
    [[ $location == *'\AppData\Local\Programs\Velmora' ]] ||
        e2e_fail "installed into '$location', not the user's program folder"
    folder=$(e2e_unix_path "$location")
    local file
    for file in Velmora.scr Velmora.dll Readme.txt License.txt Uninstall.exe; do
        [ -f "$folder/$file" ] || e2e_fail "$file is not in $location"
    done
    # This prefix's architecture is the build's: its programs, byte for byte.
    cmp -s "$folder/Velmora.scr" "$VELMORA_E2E_BIN_DIR/Velmora.scr" ||
        e2e_fail "Velmora.scr is not the $VELMORA_E2E_WINE_ARCH build's"
    cmp -s "$folder/Velmora.dll" "$VELMORA_E2E_BIN_DIR/Velmora.dll" ||
        e2e_fail "Velmora.dll is not the $VELMORA_E2E_WINE_ARCH build's"

    local saver
    saver=$(e2e_registry_value "$DESKTOP" SCRNSAVE.EXE)
    [ "$(e2e_unix_path "$saver")" -ef "$folder/Velmora.scr" ] ||
        e2e_fail "the screen-saver setting names '$saver'"
    e2e_assert_equal "$(e2e_registry_value "$DESKTOP" ScreenSaveActive)" 1 "ScreenSaveActive"
    e2e_assert_equal "$(e2e_registry_value "$UNINSTALL" DisplayName)" Velmora "DisplayName"
    e2e_assert_equal "$(e2e_registry_value "$UNINSTALL" DisplayVersion)" "$VELMORA_VERSION" \
        "DisplayVersion"
    e2e_assert_equal "$(e2e_registry_value "$UNINSTALL" QuietUninstallString)" \
        "\"$location\\Uninstall.exe\" /S" "QuietUninstallString"

    e2e_run version saver_probe.exe resources "$location\\Velmora.scr"
    e2e_assert_equal "$(sed -n 's/^version ProductVersion=//p' "$(e2e_stdout version)" | tr -d '\r')" \
        "$VELMORA_VERSION" "version of the installed Velmora.scr"
    e2e_log "installed into $location, the screen saver is $saver"
}

folder_gone() {
    [ ! -e "$folder" ]
}

# The uninstaller copies itself away and returns at once; its copy then
# removes the folder.
uninstall_silently() {
    e2e_run "$1" "$folder/Uninstall.exe" /S
    e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code of the uninstaller ($1)"
    e2e_poll 20 folder_gone || e2e_fail "the folder is still there: $(ls "$folder")"
    [ -z "$(e2e_registry_value "$UNINSTALL" DisplayName)" ] ||
        e2e_fail "Velmora is still among the user's programs"
}

run_installed_saver() {
    e2e_start saver "$folder/Velmora.scr" /s
    local window
    window=$(e2e_wait_window VelmoraVC)
    e2e_wait_focus "$window"
    e2e_key space
    e2e_wait_exit saver 10
    e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code of the installed saver"
}

# The installed folder is the user's own, so the dialog's Set can write there.
save_from_installed_dialog() {
    e2e_start settings "$folder/Velmora.scr" /c
    DIALOG_WINDOW=$(e2e_wait_window "$DIALOG_TITLE")
    e2e_wait_focus "$DIALOG_WINDOW"
    dialog_look look
    dialog_click Img_BGM1
    dialog_wait_fact "repeat enabled=1 text="
    dialog_click Cmd_Set
    e2e_wait_exit settings 10
    e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code of the installed settings dialog"
    [ -f "$folder/Velmora.ini" ] || e2e_fail "Set wrote no Velmora.ini beside the installed saver"
    # Wine's writer may drop the blank before a number.
    iconv -f CP932 -t UTF-8 "$folder/Velmora.ini" | tr -d '\r' | grep -qE '^BGM区分= ?1$' ||
        e2e_fail "Velmora.ini does not hold the CD kind: $(iconv -f CP932 -t UTF-8 "$folder/Velmora.ini")"
    e2e_log "the installed settings dialog saved the CD kind beside the saver"
}

install_silently install
check_installed
run_installed_saver
save_from_installed_dialog

# An update over the installed one leaves the user's settings alone.
cp "$folder/Velmora.ini" "$E2E_RUN_DIR/before.ini"
install_silently update
check_installed
cmp -s "$folder/Velmora.ini" "$E2E_RUN_DIR/before.ini" || e2e_fail "the update changed Velmora.ini"

uninstall_silently uninstall
[ -z "$(e2e_registry_value "$DESKTOP" SCRNSAVE.EXE)" ] ||
    e2e_fail "the screen-saver setting still names a saver after the uninstall"

# Another saver chosen since the install keeps its setting.
install_silently reinstall
check_installed
_e2e_wine reg add "$DESKTOP" /v SCRNSAVE.EXE /d 'C:\windows\system32\other.scr' /f >/dev/null 2>&1
uninstall_silently uninstall-other
e2e_assert_equal "$(e2e_registry_value "$DESKTOP" SCRNSAVE.EXE)" 'C:\windows\system32\other.scr' \
    "another saver's setting after the uninstall"
_e2e_wine reg delete "$DESKTOP" /v SCRNSAVE.EXE /f >/dev/null 2>&1
