#!/usr/bin/env bash
# With a saver run ("Torvi_Main", a hidden window) or a settings dialog
# ("<Velmora>") present, every start of Velmora.scr ends at once without a
# message. Velmora.dll is missing, so a start that went on would show one;
# the preview is asked for a real window, which it would otherwise stay in.
# Then two /s started together, as an echo of the idle timer may start them
# (with a stand-in renderer and an MP3 file): one of them runs the renderer
# and plays the music, the other ends at once and plays nothing.
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
SAVER_TRACE=trace+mci
source "$here/../lib/wine_session.sh"
source "$here/scr_checks.sh"
source "$here/../saver_run/saver_run_steps.sh"
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

saver_app renderer_stand_in.exe
saver_media
saver_settings 2 0 "$SAVER_MUSIC/night song.mp3"
report="$SAVER_APP/stand-in.txt"
ended() { ! e2e_is_running "$1"; }
one_ended() { ended "$1" || ended "$2"; }
# The echo does not come every time: a few pairs.
for pair in 1 2 3; do
    rm -f "$report" "$SAVER_APP/stand-in.stop"
    saver_start "first$pair" /s
    saver_start "second$pair" /s
    e2e_wait_window "$SAVER_RENDERER_TITLE" >/dev/null
    e2e_poll 5 one_ended "first$pair" "second$pair" || e2e_fail "pair $pair: both runs went on"
    running=""
    for run in "first$pair" "second$pair"; do
        ended "$run" || running=$run
    done
    [ -n "$running" ] || e2e_fail "pair $pair: neither run went on"
    e2e_expect_running "$running" 1
    e2e_assert_equal "$(grep -c '^command-line=' "$report")" 1 "pair $pair: renderers started"
    plays=$(cat "$(e2e_stderr "first$pair")" "$(e2e_stderr "second$pair")" |
        grep -c 'trace:mci:mciSendStringW (L"play MP3Play"' || true)
    e2e_assert_equal "$plays" 1 "pair $pair: runs that played the music"
    touch "$SAVER_APP/stand-in.stop"
    e2e_wait_exit "$running" 5
    e2e_log "pair $pair: $running ran, the other ended"
done
e2e_log "instance check: of two runs started together only one ran"
