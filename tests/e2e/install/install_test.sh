#!/usr/bin/env bash
# The installer of the Windows package, silently, as a user without
# administrator rights runs it: the programs that suit the system land in the
# user's own program folder with the read-me, the licence and an uninstaller;
# Velmora becomes the user's screen saver and appears among the user's
# programs; the installed saver runs from there and its settings dialog saves
# beside it; an update keeps the user's Velmora.ini and replaces a running
# saver's programs; the uninstaller removes everything, gives back the saver
# the user had before while the setting still names Velmora, and keeps the
# entry among the user's programs as long as a file in use is left, until the
# next logon, whose step (a command of less than 260 characters, in RunOnce)
# removes the rest, as it removes the copy that an update during the preview
# set aside: nothing waits for the restart, which a user cannot ask for. The
# Start menu has an entry that makes Velmora the screen saver again; the
# finish page offers the screen saver settings; an update goes where an
# install with /D= went. What needs no Windows program is checked
# first, on every host: the shipped programs carry no debugging sections, and
# their manifests are complete.
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
readonly RUNONCE='HKCU\Software\Microsoft\Windows\CurrentVersion\RunOnce'
readonly LOGON_STEP=Velmora
# What Windows runs of a RunOnce value.
readonly RUNONCE_LONGEST=260
readonly SESSION_MANAGER='HKLM\System\CurrentControlSet\Control\Session Manager'
readonly OTHER_SAVER='C:\windows\system32\other.scr'
readonly THIRD_SAVER='C:\windows\system32\third.scr'
readonly ICON_SIZES='16x16 24x24 32x32 48x48 256x256'
readonly FINISH_OFFER='box=.* text=(Open the screen saver settings|スクリーンセーバーの設定を開く)$'

# The programs of the zip and of the installer (both architectures) as they
# ship: no debugging sections, and a manifest that runs them as the user, names
# Windows 10 and carries the project's version.
check_shipped_program() {
    local program=$1 objdump sections
    case $(od -An -tx1 -j "$(($(od -An -tu4 -j60 -N4 "$program") + 4))" -N2 "$program" | tr -d ' ') in
    4c01) objdump=i686-w64-mingw32-objdump ;;
    6486) objdump=x86_64-w64-mingw32-objdump ;;
    *) e2e_fail "$program is not a 32-bit or 64-bit Windows program" ;;
    esac
    sections=$("$objdump" -h "$program") || e2e_fail "$objdump cannot read $program"
    grep -q '\.text' <<<"$sections" || e2e_fail "$objdump shows no sections of $program"
    ! grep -qE '\.debug_|DEBUGGING' <<<"$sections" ||
        e2e_fail "$program carries debugging sections: $(grep -oE '\.debug_[a-z_]+' <<<"$sections" | tr '\n' ' ')"
    local manifest
    manifest=$(strings -n 6 "$program" | sed -n '/<assembly /,/<\/assembly>/p')
    grep -q 'requestedExecutionLevel level="asInvoker"' <<<"$manifest" ||
        e2e_fail "the manifest of $program does not run it as the user"
    grep -q '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}' <<<"$manifest" ||
        e2e_fail "the manifest of $program does not name Windows 10"
    grep -q "version=\"$VELMORA_VERSION.0\"" <<<"$manifest" ||
        e2e_fail "the manifest of $program does not carry version $VELMORA_VERSION.0"
}

check_shipped_programs() {
    local unpacked
    unpacked=$(mktemp -d)
    (cd "$unpacked" && cmake -E tar xf "${VELMORA_PACKAGE_ZIP:?}") || e2e_fail "cannot unpack the zip"
    local program count=0
    for program in "$unpacked"/*/Velmora.scr "$unpacked"/*/Velmora.dll \
        "${VELMORA_PACKAGE_BIN32:?}"/Velmora.{scr,dll} "${VELMORA_PACKAGE_BIN64:?}"/Velmora.{scr,dll}; do
        [ -f "$program" ] || e2e_fail "$program is missing"
        check_shipped_program "$program"
        count=$((count + 1))
    done
    rm -rf "$unpacked"
    # Before the session starts, so without its clock.
    echo "[e2e] $count shipped programs: no debugging sections, asInvoker, Windows 10, version $VELMORA_VERSION.0"
}

check_shipped_programs

# The installer is a 32-bit program, whichever programs it installs.
blocker=$(velmora_32bit_blocker)
[ -z "$blocker" ] || e2e_skip "the installer is a 32-bit program and this host cannot run it: $blocker"

e2e_begin
setup=${VELMORA_PACKAGE_SETUP:?}

install_silently() {
    e2e_run "$1" "$setup" /S
    e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code of the installer ($1)"
}

set_saver() {
    if [ -n "$1" ]; then
        _e2e_wine reg add "$DESKTOP" /v SCRNSAVE.EXE /d "$1" /f >/dev/null 2>&1
    else
        _e2e_wine reg delete "$DESKTOP" /v SCRNSAVE.EXE /f >/dev/null 2>&1 || true
    fi
    _e2e_wine reg add "$DESKTOP" /v ScreenSaveActive /d "$2" /f >/dev/null 2>&1
}

# The installed program's resources, as saver_probe reads them from the file.
probe_resources() {
    e2e_run "$1" saver_probe.exe resources "$2"
    tr -d '\r' <"$(e2e_stdout "$1")"
}

resource_value() {
    sed -n "s/^$2=//p" <<<"$1"
}

check_installed_program() {
    local file=$1 resources icons
    resources=$(probe_resources "resources-$file" "$location\\$file")
    e2e_assert_equal "$(resource_value "$resources" 'version ProductVersion')" "$VELMORA_VERSION" \
        "version of the installed $file"
    e2e_assert_equal "$(resource_value "$resources" 'manifest level')" asInvoker \
        "execution level in the manifest of $file"
    e2e_assert_equal "$(resource_value "$resources" 'manifest windows10')" 1 \
        "Windows 10 in the manifest of $file"
    e2e_assert_equal "$(resource_value "$resources" 'manifest version')" "$VELMORA_VERSION.0" \
        "version in the manifest of $file"
    icons=$(sed -n 's/^icon [^=]*=\([0-9x]*\) bits=32$/\1/p' <<<"$resources" | sort -n | xargs)
    e2e_assert_equal "$icons" "$ICON_SIZES" "32-bit icon images of $file"
}

# check_installed [FOLDER]: what an install into the user's program folder, or
# into the Windows FOLDER given, leaves.
check_installed() {
    location=$(e2e_registry_value "$UNINSTALL" InstallLocation)
    if [ -n "${1:-}" ]; then
        e2e_assert_equal "$location" "$1" "the folder of the install"
    else
        [[ $location == *'\AppData\Local\Programs\Velmora' ]] ||
            e2e_fail "installed into '$location', not the user's program folder"
    fi
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
    e2e_assert_equal "$(e2e_registry_value "$UNINSTALL" DisplayIcon)" "$location\\Velmora.scr" \
        "DisplayIcon"
    # The maker's page where the build names one, else none.
    e2e_assert_equal "$(e2e_registry_value "$UNINSTALL" URLInfoAbout)" "${VELMORA_MAKER_URL:-}" \
        "URLInfoAbout"
    # Windows shows the size in KiB; the folder holds two programs and the
    # uninstaller, so it cannot be small; copies set aside, which go at the
    # next logon, are not counted.
    local size kib
    size=$(e2e_registry_value "$UNINSTALL" EstimatedSize)
    kib=$(du -sk --apparent-size --exclude='*.old' "$folder" | cut -f1)
    ((size > 0 && size >= kib - 8 && size <= kib + 8)) ||
        e2e_fail "EstimatedSize is '$size', the folder holds $kib KiB"
    check_installed_program Velmora.scr
    check_installed_program Velmora.dll
    # The Start-menu entry does what Install on the saver's menu does.
    local entry
    entry=$(start_menu_entry)
    [[ ${entry,,} == 'target=c:\windows\system32\rundll32.exe arguments=desk.cpl,installscreensaver '* ]] &&
        [ "${entry#*InstallScreenSaver }" = "$saver" ] || e2e_fail "the Start-menu entry: $entry"
    e2e_log "installed into $location, the screen saver is $saver, $((size)) KiB"
}

start_menu_entry() {
    e2e_run start-menu frontend_probe.exe start-menu Velmora >/dev/null
    tr -d '\r' <"$(e2e_stdout start-menu)"
}

# The earlier saver the uninstall key keeps, as NAME|ACTIVE.
kept_saver() {
    echo "$(e2e_registry_value "$UNINSTALL" PreviousScreenSaver)|$(e2e_registry_value \
        "$UNINSTALL" PreviousScreenSaveActive)"
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
    e2e_assert_equal "$(start_menu_entry)" none "the Start-menu entry after the uninstall"
}

expect_saver_setting() {
    e2e_assert_equal "$(e2e_registry_value "$DESKTOP" SCRNSAVE.EXE)|$(e2e_registry_value \
        "$DESKTOP" ScreenSaveActive)" "$1" "the screen-saver setting and ScreenSaveActive ($2)"
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

# Makes the installed programs an older build: the same programs whose
# version texts say 0.9.9 instead of this version (of the same length).
make_installed_build_older() {
    local file
    for file in Velmora.scr Velmora.dll; do
        FROM=$VELMORA_VERSION TO=0.9.9 perl -0777 -pi -e '
            BEGIN { $f = join("\0", split //, $ENV{FROM}) . "\0\0\0";
                    $t = join("\0", split //, $ENV{TO}) . "\0\0\0"; }
            s/\Q$f\E/$t/g' "$folder/$file"
        e2e_assert_equal "$(resource_value "$(probe_resources "older-$file" "$location\\$file")" \
            'version ProductVersion')" 0.9.9 "version of the older $file"
    done
}

velmora_processes() {
    e2e_run processes saver_probe.exe processes >/dev/null
    tr -d '\r' <"$(e2e_stdout processes)" | grep -iE '^process=Velmora\.(scr|dll)$' || true
}

no_velmora_process() {
    [ -z "$(velmora_processes)" ]
}

# An update while the older build's saver runs from the installed folder: the
# installer ends it, both programs are the new build and no saver is left.
update_while_saver_runs() {
    make_installed_build_older
    e2e_start running-saver "$folder/Velmora.scr" /s
    e2e_wait_window VelmoraVC >/dev/null
    [ -n "$(velmora_processes)" ] || e2e_fail "tasklist does not show the running saver"
    install_silently update-while-running
    e2e_wait_exit running-saver 10
    e2e_wait_no_window VelmoraVC 10
    e2e_poll 10 no_velmora_process || e2e_fail "still running after the update: $(velmora_processes)"
    check_installed
    e2e_log "the update ended the running saver and replaced both programs"
}

pending_renames() {
    _e2e_wine reg query "$SESSION_MANAGER" /v PendingFileRenameOperations 2>/dev/null | tr -d '\r'
}

# expect_logon_step KIND: the next logon runs a copy of the uninstaller with
# /LOGON=KIND, by a command short enough for Windows, and nothing of the
# folder waits for the restart, which only an administrator can ask for.
expect_logon_step() {
    local command program
    command=$(e2e_registry_value "$RUNONCE" "$LOGON_STEP")
    [ "${#command}" -lt "$RUNONCE_LONGEST" ] ||
        e2e_fail "the logon step is ${#command} characters long: $command"
    [[ $command =~ ^\"([^\"]+)\"\ /S\ /LOGON=$1$ ]] || e2e_fail "the logon step: '$command'"
    program=$(e2e_unix_path "${BASH_REMATCH[1]}")
    [ -f "$program" ] || e2e_fail "the logon step's program $program is missing"
    LOGON_PROGRAM_FILE=$program
    ! grep -qiE 'Velmora\.(scr|dll)' <<<"$(pending_renames)" ||
        e2e_fail "files wait for the restart: $(pending_renames)"
    e2e_log "the logon step, ${#command} characters: $command"
}

# Velmora.scr of the installed folder as the preview shows it in a host
# window (HOST, of frontend_probe), which keeps the program in use.
start_installed_preview() {
    local ready="$E2E_RUN_DIR/host.ready" host
    rm -f "$ready" "$ready.stop"
    e2e_start host frontend_probe.exe window "Preview host" "$(e2e_windows_path "$ready")" 60
    e2e_poll 10 test -s "$ready" || e2e_fail "the preview host made no window"
    host=$(tr -d '\r\n' <"$ready")
    e2e_start preview "$folder/Velmora.scr" /p "$host"
    e2e_expect_running preview 2
}

stop_installed_preview() {
    touch "$E2E_RUN_DIR/host.ready.stop"
    e2e_wait_exit host 15
    e2e_wait_exit preview 15
}

# An update while the preview shows from the installed folder: the programs
# are the new ones at once; the copy set aside goes at the next logon.
update_during_preview() {
    start_installed_preview
    install_silently update-during-preview
    check_installed
    if [ -e "$folder/Velmora.scr.old" ]; then
        expect_logon_step tidy
    else
        e2e_log "the update replaced the program in use at once"
    fi
    stop_installed_preview
}

# The logon step's program removes itself when it is done.
LOGON_PROGRAM_FILE=""
logon_program_gone() {
    [ -z "$LOGON_PROGRAM_FILE" ] || [ ! -e "$LOGON_PROGRAM_FILE" ]
}

no_copy_set_aside() {
    [ ! -e "$folder/Velmora.scr.old" ] && [ ! -e "$folder/Velmora.dll.old" ] &&
        [ -z "$(e2e_registry_value "$RUNONCE" "$LOGON_STEP")" ] && logon_program_gone
}
# Uninstalling while the preview shows from the installed folder: every file is
# removed or left for the next logon's step, and the entry among the user's
# programs goes only with the last file.
uninstall_during_preview() {
    start_installed_preview
    e2e_run uninstall-preview "$folder/Uninstall.exe" /S
    e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code of the uninstaller during the preview"
    wait_uninstalled() {
        [ ! -e "$folder/Uninstall.exe" ] || [ -n "$(e2e_registry_value "$RUNONCE" "$LOGON_STEP")" ]
    }
    e2e_poll 20 wait_uninstalled || e2e_fail "the uninstaller did not finish"
    local left=()
    [ ! -d "$folder" ] || mapfile -t left < <(ls -A "$folder")
    if [ ${#left[@]} -eq 0 ]; then
        [ -z "$(e2e_registry_value "$UNINSTALL" DisplayName)" ] ||
            e2e_fail "the entry stays though every file has gone"
        e2e_log "uninstalled during the preview: every file went at once, and the entry with them"
    else
        # A program waits for the next logon, and the uninstaller, which the
        # entry needs until then, for its step.
        expect_logon_step finish
        e2e_assert_equal "$(e2e_registry_value "$UNINSTALL" DisplayName)" Velmora \
            "the entry while files are left for the next logon"
        e2e_log "uninstalled during the preview: ${left[*]} left for the next logon, the entry" \
            "stays till then"
    fi
    stop_installed_preview
}

# Installing again before the restart: the new programs are not among what the
# restart removes, and the uninstall's last step is called off.
reinstall_before_restart() {
    install_silently reinstall-before-restart
    check_installed
    [[ $(e2e_registry_value "$RUNONCE" "$LOGON_STEP") != *' /LOGON=finish' ]] ||
        e2e_fail "the last step of the earlier uninstall would remove the new install"
    ! grep -qiE 'Velmora\.(scr|dll)(\\0|$)' <<<"$(pending_renames)" ||
        e2e_fail "the restart would remove the new programs: $(pending_renames)"
    local aside
    for aside in "$folder"/*.old; do
        [ ! -e "$aside" ] || e2e_fail "copies set aside are left: $(ls "$folder")"
    done
}

# A restart: Wine's restart carries out the pending renames and deletions;
# then the user's RunOnce command runs as at the next logon, which Wine's
# restart leaves out: the value is removed and its command run, as Windows
# does. The step's program starts a copy of itself and returns.
restart_session() {
    _e2e_wine wineboot -r >>"$E2E_RUN_DIR/wineboot.log" 2>&1 || e2e_fail "wineboot -r failed"
    local command
    command=$(e2e_registry_value "$RUNONCE" "$LOGON_STEP")
    if [ -n "$command" ]; then
        _e2e_wine reg delete "$RUNONCE" /v "$LOGON_STEP" /f >/dev/null 2>&1
        # Word for word as a batch line: handed over as one argument, Wine
        # would quote it anew.
        printf '%s\r\n' "$command" >"$E2E_RUN_DIR/logon.cmd"
        _e2e_wine cmd.exe /d /c "$(e2e_windows_path "$E2E_RUN_DIR/logon.cmd")" \
            >>"$E2E_RUN_DIR/logon.log" 2>&1 ||
            e2e_fail "the logon's step failed: $(iconv -f CP932 -t UTF-8 "$E2E_RUN_DIR/logon.log")"
    fi
    e2e_log "restarted the session${command:+, and ran at the logon: $command}"
}

uninstalled_by_restart() {
    folder_gone && [ -z "$(e2e_registry_value "$UNINSTALL" DisplayName)" ] &&
        [ -z "$(e2e_registry_value "$RUNONCE" "$LOGON_STEP")" ] && logon_program_gone
}


# The installer itself: the programs' icon, drawn sharp at the system's
# resolution.
installer=$(probe_resources installer "$(e2e_windows_path "$setup")")
e2e_assert_equal "$(sed -n 's/^icon [^=]*=\([0-9x]*\) bits=32$/\1/p' <<<"$installer" | sort -n | xargs)" \
    "$ICON_SIZES" "32-bit icon images of the installer"
# Whole, since grep -q would cut strings short and fail the pipe.
installer_texts=$(strings -n 6 "$setup")
grep -q '<dpiAware[^>]*>true</dpiAware>' <<<"$installer_texts" ||
    e2e_fail "the installer's manifest does not declare it DPI-aware"

# The installer's own window (its title is the installer's language's), and
# its page's controls as saver_probe lists them.
setup_window() {
    xdotool search --name '^Velmora ' 2>/dev/null | head -n 1 || true
}

setup_window_shown() {
    [ -n "$(setup_window)" ]
}

setup_page() {
    e2e_run page saver_probe.exe page Velmora >/dev/null
    tr -d '\r' <"$(e2e_stdout page)"
}

finish_page_shown() {
    grep -qE "$FINISH_OFFER" <<<"$(setup_page)"
}

# Installed as a person does it, through the pages: the finish page offers to
# open the screen saver settings, ticked; left unticked, finishing starts
# nothing (Wine has no screen saver settings to open).
install_with_pages() {
    e2e_start pages "$setup"
    e2e_poll 20 setup_window_shown ||
        e2e_fail "the installer shows no window: $(xdotool search --name . getwindowname %@ 2>&1 | xargs)"
    local window
    window=$(setup_window)
    e2e_wait_focus "$window"
    # The licence page: its default button agrees.
    e2e_key Return
    e2e_poll 20 finish_page_shown || e2e_fail "no finish page that offers the settings: $(setup_page)"
    grep -E "$FINISH_OFFER" <<<"$(setup_page)" | grep -q 'box=1 checked=1' ||
        e2e_fail "the offer to open the settings is not a ticked box: $(setup_page)"
    e2e_run untick saver_probe.exe page Velmora untick
    e2e_wait_focus "$(setup_window)"
    e2e_key Return
    e2e_wait_exit pages 20
    e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code of the installer with its pages"
    check_installed
    e2e_log "the finish page offered to open the screen saver settings"
}

# An earlier saver, switched off: kept by the install, given back by the
# uninstall.
set_saver "$OTHER_SAVER" 0
install_silently install
check_installed
default_folder=$folder
e2e_assert_equal "$(kept_saver)" "$OTHER_SAVER|0" "the earlier saver in the uninstall key"
run_installed_saver
save_from_installed_dialog

# An update over the installed one leaves the user's settings and the earlier
# saver alone, even while the saver runs.
cp "$folder/Velmora.ini" "$E2E_RUN_DIR/before.ini"
update_while_saver_runs
cmp -s "$folder/Velmora.ini" "$E2E_RUN_DIR/before.ini" || e2e_fail "the update changed Velmora.ini"
e2e_assert_equal "$(kept_saver)" "$OTHER_SAVER|0" "the earlier saver after the update"

uninstall_silently uninstall
expect_saver_setting "$OTHER_SAVER|0" "the earlier saver given back"

# No saver before: none after, and none active.
set_saver "" 1
install_silently reinstall
check_installed
e2e_assert_equal "$(kept_saver)" "|1" "no earlier saver in the uninstall key"
uninstall_silently uninstall-none
expect_saver_setting "|0" "no earlier saver"

# A third saver chosen since the install keeps its setting.
set_saver "$OTHER_SAVER" 1
install_silently reinstall-third
check_installed
set_saver "$THIRD_SAVER" 1
uninstall_silently uninstall-third
expect_saver_setting "$THIRD_SAVER|1" "a saver chosen after the install"

install_with_pages
update_during_preview
restart_session
e2e_poll 20 no_copy_set_aside || e2e_fail "after the restart: $(ls -A "$folder")"
check_installed
uninstall_during_preview
reinstall_before_restart
restart_session
check_installed
uninstall_during_preview
restart_session
e2e_poll 20 uninstalled_by_restart ||
    e2e_fail "after the restart: $(ls -A "$folder" 2>&1), entry '$(e2e_registry_value \
        "$UNINSTALL" DisplayName)', RunOnce '$(e2e_registry_value "$RUNONCE" "$LOGON_STEP")'"
e2e_log "the restart finished the uninstall: no folder, no entry"

# An install into a folder of the user's choice (/D=), then an update without
# one: the update goes where the first install went.
# (NSIS takes /D= only unquoted, so the folder has no blank.)
readonly CHOSEN='C:\users\Public\VelmoraElsewhere'
e2e_run chosen "$setup" /S "/D=$CHOSEN"
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code of the installer into a chosen folder"
check_installed "$CHOSEN"
install_silently update-chosen
check_installed "$CHOSEN"
[ ! -e "$default_folder" ] || e2e_fail "the update went into $default_folder, not the chosen folder"
uninstall_silently uninstall-chosen
set_saver "" 0
