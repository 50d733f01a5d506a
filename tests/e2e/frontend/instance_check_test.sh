#!/usr/bin/env bash
# With a saver run ("Torvi_Main", a hidden window) or a settings dialog
# ("<Velmora>") present, every start of Velmora.scr ends at once without a
# message. Velmora.dll is missing, so a start that went on would show one;
# the preview is asked for a real window, which it would otherwise stay in.
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
source "$here/../lib/wine_session.sh"
source "$here/scr_checks.sh"
e2e_begin

folder=$(scr_folder app)

for title in "Torvi_Main" "<Velmora>"; do
    name=${title//[<>]/}
    ready="$E2E_RUN_DIR/$name.ready"
    e2e_start "window$name" frontend_probe.exe window "$title" "$(e2e_windows_path "$ready")" 60
    handle=$(scr_wait_ready "$ready")
    for arguments in "/s" "" "/c" "/a 1234" "/p $handle" "/p:$handle"; do
        run="scr$name${arguments//[^a-z0-9]/_}"
        # shellcheck disable=SC2086 # the arguments are split as on a command line
        e2e_start "$run" "$folder/Velmora.scr" $arguments
        scr_expect_silent_end "$run"
    done
    touch "$ready.stop"
    e2e_wait_exit "window$name"
done

e2e_log "instance check: every start ended silently beside a run or a dialog"
