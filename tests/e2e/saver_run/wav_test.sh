#!/usr/bin/env bash
# Kind 2 with a file whose name ends in "Wav" (and holds a Japanese
# character): the front-end loops it with PlaySoundA (flags 9, asynchronous
# and looping), sends no multimedia commands and runs no repeat timer, and
# stops the sound when the renderer is gone. A file ending in "mid" plays
# nothing.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
SAVER_TRACE=trace+mci,trace+cursor,trace+winmm
# shellcheck source=../lib/wine_session.sh
source "$here/../lib/wine_session.sh"
# shellcheck source=saver_run_steps.sh
source "$here/saver_run_steps.sh"
e2e_begin
saver_app
saver_media
wav="$SAVER_MUSIC/ame 雨.Wav"

# PlaySound calls of the front-end's thread as "POINTER FLAGS" (a pointer of
# zeros is no sound: the stop).
play_sound_calls() {
    sed -nE "s/^ *[0-9.]+:$SAVER_THREAD:trace:winmm:MULTIMEDIA_PlaySound pszSound='([0-9A-F]+)' hmod=0+ fdwSound=([0-9A-F]+)$/\1 \2/p" \
        "$(e2e_stderr "$1")" | sed -E 's/^0+ /null /; s/^[0-9A-F]+ /name /'
}
# The file the sound thread opened, unescaped.
sound_name() {
    perl -CSD -ne "$SAVER_UNESCAPE"'
        next unless /trace:winmm:proc_PlaySound SoundName=L"(.*)" !$/;
        print unescape($1), "\n";' "$(e2e_stderr "$1")"
}
wave_writes() { grep -c 'trace:winmm:waveOutWrite' "$(e2e_stderr "$1")" || true; }
sound_done() { grep -q 'trace:winmm:proc_PlaySound Done playing' "$(e2e_stderr "$1")"; }
sound_writing() { [ "$(wave_writes "$1")" -gt 0 ]; }

saver_settings 2 0 "$wav"
saver_start wav /s
saver_wait_run
e2e_poll 5 sound_writing wav || e2e_fail "no sound reached the wave device"
saver_expect_lines "PlaySound calls at the start" "$(play_sound_calls wav)" "name 00000009"
saver_expect_lines "the sound played" "$(sound_name wav)" "$(e2e_windows_path "$wav")"
# Longer than the 2-second file: a sound that did not loop would be done.
writes=$(wave_writes wav)
e2e_expect_running wav 3
! sound_done wav || e2e_fail "the sound ended by itself: it was not looped"
[ "$(wave_writes wav)" -gt "$writes" ] || e2e_fail "no sound was written after 3 s"
e2e_log "wave writes: $writes at first, $(wave_writes wav) 3 s later"
saver_key_ends_run wav
saver_expect_lines "PlaySound calls" "$(play_sound_calls wav)" "name 00000009
null 00000000"
sound_done wav || e2e_fail "the looped sound was not stopped"
[ -z "$(saver_command_list wav)" ] || e2e_fail "multimedia commands for a WAV file"
saver_expect_cursor_hidden_then_shown wav

saver_settings 2 0 "$SAVER_MUSIC/tune.mid"
saver_start mid /s
saver_wait_run
e2e_expect_running mid 1.5
saver_key_ends_run mid
[ -z "$(play_sound_calls mid)$(saver_command_list mid)" ] || e2e_fail "a mid file was played"
e2e_log "wav looped and stopped; mid played nothing"
