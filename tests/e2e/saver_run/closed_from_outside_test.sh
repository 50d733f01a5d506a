#!/usr/bin/env bash
# WM_CLOSE posted to the hidden "Torvi_Main" window by another program ends
# the run as the watch would: the music is stopped and closed, the cursor is
# handed back and the front-end ends, while the renderer keeps running until
# its own input rule closes it.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=../lib/wine_session.sh
source "$here/../lib/wine_session.sh"
# shellcheck source=saver_run_steps.sh
source "$here/saver_run_steps.sh"
e2e_begin
saver_app
saver_media
saver_settings 2 0 "$SAVER_MUSIC/night song.mp3"

playing() { saver_command_list saver | grep -qx 'play MP3Play'; }

saver_start saver /s
saver_wait_run
e2e_poll 5 playing || e2e_fail "the music did not start"
e2e_run post saver_run_probe.exe post "$SAVER_RUN_TITLE" close
e2e_assert_equal "$E2E_EXIT_CODE" 0 "WM_CLOSE posted to $SAVER_RUN_TITLE"
e2e_wait_exit saver 5
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code of Velmora.scr"
saver_expect_lines "last commands" "$(saver_command_list saver | tail -n 2)" "stop MP3Play
close MP3Play"
saver_expect_cursor_hidden_then_shown saver

# The renderer was not asked to close: it stays until its input comes.
renderer_gone() { [ -z "$(e2e_find_window "$SAVER_RENDERER_TITLE")" ]; }
! e2e_poll 1.5 renderer_gone || e2e_fail "the renderer went too"
e2e_wait_focus "$RENDERER_WINDOW"
e2e_key space
e2e_wait_no_window "$SAVER_RENDERER_TITLE" 5
e2e_poll 5 saver_processes_gone || e2e_fail "the renderer did not end"
saver_expect_no_process
e2e_log "closed from outside: music stopped, cursor handed back, renderer left to its input"
