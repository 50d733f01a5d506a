#!/usr/bin/env bash
# The run ends within one watch period of the renderer's window going away,
# however it goes, and always stops the music. With a stand-in renderer that
# reports how it was started: its path alone, quoted, as the command line, and
# the show command SW_SHOWNORMAL. Then: the stand-in closes its window by
# itself; the system's end of session reaches the hidden window; a renderer
# that ends before it makes a window; a Velmora.dll that is not a program.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=../lib/wine_session.sh
source "$here/../lib/wine_session.sh"
# shellcheck source=saver_run_steps.sh
source "$here/saver_run_steps.sh"
e2e_begin
saver_app renderer_stand_in.exe
saver_media
mp3="$SAVER_MUSIC/night song.mp3"
saver_settings 2 0 "$mp3"
report="$SAVER_APP/stand-in.txt"
# Within one 50 ms watch period, with room for a busy machine.
readonly WATCH_LIMIT_MS=250

report_value() { sed -n "s/^$1=//p" "$report" | tr -d '\r'; }
playing() { saver_command_list "$1" | grep -qx 'play MP3Play'; }
# The time of the command before the last "close MP3Play": the close
# handler's stop, not a repeat's.
close_handler_ms() {
    saver_commands "$1" | grep -B 1 ' close MP3Play$' | head -n 1 | cut -d ' ' -f 1
}
stand_in() {
    rm -f "$report" "$SAVER_APP/stand-in.stop"
    echo "$1" >"$SAVER_APP/stand-in.mode"
}
expect_music_stopped_and_cursor_back() {
    saver_expect_mp3_commands "$1" "$mp3"
    saver_expect_cursor_hidden_then_shown "$1"
}

# The stand-in closes its window without any input.
stand_in window
saver_start closes /s
e2e_wait_window "$SAVER_RENDERER_TITLE" >/dev/null
saver_look_at_run_window
e2e_poll 5 playing closes || e2e_fail "the music did not start"
e2e_assert_equal "$(report_value command-line)" "\"$(e2e_windows_path "$SAVER_APP/Velmora.dll")\"" \
    "the renderer's command line"
e2e_assert_equal "$(report_value show)" "1 1" "STARTF_USESHOWWINDOW and SW_SHOWNORMAL"
touch "$SAVER_APP/stand-in.stop"
e2e_wait_exit closes 5
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code of Velmora.scr"
gap=$(($(close_handler_ms closes) - $(report_value closed-at)))
e2e_log "window gone to close handler: $gap ms"
[ "$gap" -le "$WATCH_LIMIT_MS" ] || e2e_fail "the run ended $gap ms after the renderer's window"
expect_music_stopped_and_cursor_back closes

# The system ends the session: the run ends, the renderer is left alone.
stand_in window
saver_start session /s
e2e_wait_window "$SAVER_RENDERER_TITLE" >/dev/null
saver_look_at_run_window
e2e_poll 5 playing session || e2e_fail "the music did not start"
e2e_run post saver_run_probe.exe post "$SAVER_RUN_TITLE" endsession
e2e_wait_exit session 5
expect_music_stopped_and_cursor_back session
[ -n "$(e2e_find_window "$SAVER_RENDERER_TITLE")" ] || e2e_fail "the stand-in went with the session"
touch "$SAVER_APP/stand-in.stop"
e2e_wait_no_window "$SAVER_RENDERER_TITLE" 5

# A renderer that ends before it makes its window, and one that cannot start.
for kind in ends-early not-a-program; do
    if [ "$kind" = ends-early ]; then
        stand_in no-window
    else
        echo "not a program" >"$SAVER_APP/Velmora.dll"
    fi
    saver_start "$kind" /s
    e2e_wait_exit "$kind" 15
    e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code of Velmora.scr, $kind"
    saver_thread_from_trace "$kind"
    expect_music_stopped_and_cursor_back "$kind"
    started=$(saver_commands "$kind" | grep ' play MP3Play$' | cut -d ' ' -f 1)
    gap=$(($(close_handler_ms "$kind") - started))
    e2e_log "$kind: music started to close handler: $gap ms"
    [ "$gap" -le "$WATCH_LIMIT_MS" ] || e2e_fail "$kind: the run went on $gap ms"
done
[ "$(report_value closed-at)" != "" ] || e2e_fail "the stand-in that ends early never ran"
saver_expect_no_process
