#!/usr/bin/env bash
# On a Windows whose user reads English (the English prefix: code page 1252,
# an English UI language), a missing Velmora.dll shows the message in English,
# under the caption it has everywhere, with its one OK button; the box waits
# for the user, and the program ends once it is closed. A Polish folder name,
# which code page 1252 cannot write either, finds the renderer.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=../lib/wine_session.sh
source "$here/../lib/wine_session.sh"
# shellcheck source=scr_checks.sh
source "$here/scr_checks.sh"
# shellcheck source=../saver_run/saver_run_steps.sh
source "$here/../saver_run/saver_run_steps.sh"
e2e_begin

# The prefix's ANSI code page is 1252: é has a byte of its own there (E9),
# which code page 932 lacks.
e2e_run code_page frontend_probe.exe path-bytes 'C:\Velmora café'
e2e_assert_equal "$(sed -n 1p "$(e2e_stdout code_page)" | tr -d '\r')" 433a5c56656c6d6f726120636166e9 \
    "the bytes of C:\Velmora café"

folder=$(scr_folder app)
e2e_start scr "$folder/Velmora.scr" /s
box=$(e2e_wait_window "$SCR_MESSAGE_TITLE")
e2e_run box frontend_probe.exe message-box "$SCR_MESSAGE_TITLE" english
scr_expect_pass box
text=$(sed -n 's/^text //p' "$(e2e_stdout box)" | tr -d '\r\n' | perl -ne 'print pack("H*", $_)')
e2e_assert_equal "$text" "Velmora.dll was not found in the same folder as Velmora.scr." \
    "the message box's text"
e2e_expect_running scr 1
e2e_wait_focus "$box"
e2e_key Return
e2e_wait_exit scr 5
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code of Velmora.scr /s"
e2e_wait_no_window "$SCR_MESSAGE_TITLE"

saver_app_on_drive_c "Velmora Łódź"
saver_start saver /s
saver_wait_run
[ -z "$(e2e_find_window "$SCR_MESSAGE_TITLE")" ] || e2e_fail "a message box is open"
saver_key_ends_run saver

e2e_log "English user: the missing-renderer message in English, ended when closed;" \
    "the renderer found in C:\\Velmora Łódź"
