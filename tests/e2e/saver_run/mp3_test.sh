#!/usr/bin/env bash
# Kind 2 with a file whose name ends in lower-case "mp3", in a folder with a
# blank: the front-end opens it by its quoted path and plays it, asks for its
# mode every second, starts it again from 0 once the 2-second file has ended,
# pauses it while the display is off (as Windows tells the saver-run window),
# asking nothing meanwhile, and plays it on from where it was once the display
# is back, and stops and closes it when the renderer is gone.
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
mp3="$SAVER_MUSIC/night song.mp3"
saver_settings 2 0 "$mp3"

restarted() {
    saver_command_list saver | tr '\n' '|' | grep -qF "status MP3Play mode|stop MP3Play|play MP3Play from 0|"
}

polled_after_restart() {
    saver_command_list saver | sed -n '/^play MP3Play from 0$/,$p' | grep -qx 'status MP3Play mode'
}

saver_start saver /s
saver_wait_run
e2e_poll 10 restarted || e2e_fail "the file was not started again: $(saver_command_list saver)"
# One more status after the restart, so the spacing shows across it.
e2e_poll 3 polled_after_restart || e2e_fail "no status poll after the restart"

paused() { saver_command_list saver | tail -n 1 | grep -qx 'pause MP3Play'; }
e2e_run dark saver_run_probe.exe display-power "$SAVER_RUN_TITLE" off
e2e_assert_equal "$E2E_EXIT_CODE" 0 "display-off notice to the saver-run window"
e2e_poll 3 paused || e2e_fail "the file was not paused: $(saver_command_list saver | tail -n 3)"
# Two repeat periods: a paused file must not be taken for an ended one.
sleep 2.5
paused || e2e_fail "commands while the display was off: $(saver_command_list saver | tail -n 3)"
e2e_run light saver_run_probe.exe display-power "$SAVER_RUN_TITLE" on
e2e_assert_equal "$E2E_EXIT_CODE" 0 "display-on notice to the saver-run window"
resumed() { saver_command_list saver | tr '\n' '|' | grep -qF "|pause MP3Play|play MP3Play|"; }
e2e_poll 3 resumed || e2e_fail "the file did not play on: $(saver_command_list saver | tail -n 3)"
saver_key_ends_run saver
saver_expect_cursor_hidden_then_shown saver

saver_expect_mp3_commands saver "$mp3"

# The status polls come a second apart (the repeat timer's period), except
# across the pause, when nothing is asked.
intervals=$(saver_commands saver |
    awk '$2 == "pause" { last = 0 } $2 == "status" { if (last) print $1 - last; last = $1 }')
e2e_log "status poll intervals (ms): $(tr '\n' ' ' <<<"$intervals")"
while read -r interval; do
    if [ "$interval" -lt 800 ] || [ "$interval" -gt 1500 ]; then
        e2e_fail "a status poll came $interval ms after the one before"
    fi
done <<<"$intervals"
e2e_log "mp3: opened quoted, played, polled every second, restarted from 0, stopped and closed"
