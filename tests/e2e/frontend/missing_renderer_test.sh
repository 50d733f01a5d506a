#!/usr/bin/env bash
# Without Velmora.dll beside it, a saver run, the settings and any other mode
# show the one message box (the Japanese text, an OK button, no icon), wait
# for it to be closed, then end. Closed by a key and by a click.
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
source "$here/../lib/wine_session.sh"
source "$here/scr_checks.sh"
e2e_begin

folder=$(scr_folder app)

close_with=(key click key key)
index=0
for arguments in "/s" "/c" "/a 1234" ""; do
    run="scr${arguments//[^a-z0-9]/_}"
    # shellcheck disable=SC2086 # the arguments are split as on a command line
    e2e_start "$run" "$folder/Velmora.scr" $arguments
    box=$(e2e_wait_window "$SCR_MESSAGE_TITLE")
    e2e_run "box$run" frontend_probe.exe message-box "$SCR_MESSAGE_TITLE"
    scr_expect_pass "box$run"
    # The box waits for the user.
    e2e_expect_running "$run" 1
    case ${close_with[index]} in
        key)
            e2e_wait_focus "$box"
            e2e_key Return
            ;;
        click)
            read -r _ _ x y < <(grep '^button centre' "$(e2e_stdout "box$run")")
            e2e_mousemove "$x" "$y"
            e2e_click 1
            ;;
    esac
    e2e_wait_exit "$run" 5
    e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code of Velmora.scr $arguments"
    e2e_wait_no_window "$SCR_MESSAGE_TITLE"
    index=$((index + 1))
done

e2e_log "missing renderer: the message for /s, /c, /a and no arguments, each ended when closed"
