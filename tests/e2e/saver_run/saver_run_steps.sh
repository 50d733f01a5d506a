# shellcheck shell=bash
# Steps the saver-run tests share. Source after lib/wine_session.sh and call
# after e2e_begin. The front-end is watched through Wine's traces: with
# +timestamp every line starts with Wine's tick count in seconds and
# milliseconds and the id of the thread that wrote it; trace+mci shows each
# command string as it arrives, trace+cursor each ShowCursor call with the
# count it left, trace+winmm the wave sounds.

readonly SAVER_RENDERER_TITLE=VelmoraVC
readonly SAVER_RUN_TITLE=Torvi_Main
SAVER_TRACE=${SAVER_TRACE:-trace+mci,trace+cursor}
SAVER_APP=""
# The folder of the programs as they see it, where that is not its Z: path.
SAVER_APP_WINDOWS=""
SAVER_MUSIC=""
SAVER_THREAD=""
RENDERER_WINDOW=""

# saver_app [RENDERER]: Velmora.scr and, as Velmora.dll beside it, the real
# renderer or a program named RENDERER, in a folder whose name has a blank.
# shellcheck disable=SC2120 # most tests want the real renderer
saver_app() {
    SAVER_APP="$E2E_RUN_DIR/Velmora Saver"
    e2e_copy_programs "$SAVER_APP" Velmora.scr "${1:-Velmora.dll}"
    if [ -n "${1:-}" ]; then
        mv "$SAVER_APP/$1" "$SAVER_APP/Velmora.dll"
    fi
}

# saver_app_on_drive_c NAME: Velmora.scr and the real renderer in C:\NAME of
# the prefix, which goes when the test ends.
saver_app_on_drive_c() {
    e2e_drive_c_folder "$1"
    SAVER_APP=$E2E_DRIVE_C_FOLDER
    SAVER_APP_WINDOWS="C:\\$1"
    e2e_copy_programs "$SAVER_APP" Velmora.scr Velmora.dll
}

# saver_media: a 2-second tone as "night song.mp3" and "ame 雨.Wav", and a
# "tune.mid" that is never played, in a folder whose name has a blank.
saver_media() {
    SAVER_MUSIC="$E2E_RUN_DIR/My Music"
    mkdir -p "$SAVER_MUSIC"
    sox -q -n -r 22050 -c 1 -b 16 -t wav "$SAVER_MUSIC/ame 雨.Wav" synth 2 sine 440
    lame --quiet -b 64 "$SAVER_MUSIC/ame 雨.Wav" "$SAVER_MUSIC/night song.mp3"
    printf 'MThd' >"$SAVER_MUSIC/tune.mid"
}

# saver_settings KIND TRACK [FILE]: Velmora.ini beside Velmora.scr in
# Shift-JIS, as the settings dialog saves it.
saver_settings() {
    local file=""
    [ -z "${3:-}" ] || file=$(e2e_windows_path "$3")
    printf '[Section]\r\nBGM区分= %s\r\nBGMﾘﾋﾟｰﾄ= %s\r\nBGMﾌｧｲﾙ=%s\r\n' "$1" "$2" "$file" |
        iconv -f UTF-8 -t CP932 >"$SAVER_APP/Velmora.ini"
}

# saver_start NAME [ARGS...]: Velmora.scr with its traces on.
saver_start() {
    local name=$1
    shift
    WINEDEBUG="+timestamp,$SAVER_TRACE" e2e_start "$name" "$SAVER_APP/Velmora.scr" "$@"
}

# saver_wait_run: the renderer's window has the focus, and the hidden
# saver-run window exists; SAVER_THREAD is the front-end's thread.
saver_wait_run() {
    RENDERER_WINDOW=$(e2e_wait_window "$SAVER_RENDERER_TITLE")
    e2e_wait_focus "$RENDERER_WINDOW"
    saver_look_at_run_window
}

# saver_look_at_run_window: "Torvi_Main" is there and hidden; sets
# SAVER_THREAD to the id of the thread that owns it.
saver_look_at_run_window() {
    local answer
    e2e_run look saver_run_probe.exe window "$SAVER_RUN_TITLE"
    answer=$(tr -d '\r' <"$(e2e_stdout look)")
    [[ $answer =~ ^found=1\ visible=0\ thread=([0-9a-f]+)$ ]] ||
        e2e_fail "the saver-run window: $answer"
    SAVER_THREAD=${BASH_REMATCH[1]}
}

# saver_thread_from_trace NAME: for a run too short to look at its window:
# the thread that hid the cursor at the start, before the renderer existed,
# is the front-end's.
saver_thread_from_trace() {
    SAVER_THREAD=$(sed -nE 's/^ *[0-9.]+:([0-9a-f]+):trace:cursor:NtUserShowCursor 0, .*/\1/p' \
        "$(e2e_stderr "$1")" | head -n 1)
    [ -n "$SAVER_THREAD" ] || e2e_fail "$1 did not hide the cursor"
}

# Perl that undoes the escapes of a wide string in a trace: a backslash before
# four hex digits is that character, before anything else the character itself.
# shellcheck disable=SC2016 # Perl's own variables
readonly SAVER_UNESCAPE='sub unescape { my $t = shift; $t =~ s/\\([0-9a-f]{4}|.)/length $1 == 4 ? chr(hex $1) : $1/ge; $t }'

# saver_commands NAME: the command strings that the front-end's thread sent,
# one a line as "MS COMMAND" (MS: Wine's tick count), unescaped.
saver_commands() {
    perl -CSD -ne "$SAVER_UNESCAPE"'
        next unless /^\s*(\d+)\.(\d{3}):'"$SAVER_THREAD"':trace:mci:mciSendStringW \(L"(.*)", [0-9A-F]+, \d+, [0-9A-F]+\)$/;
        print "$1$2 ", unescape($3), "\n";' "$(e2e_stderr "$1")"
}

# saver_command_list NAME: the same without the times.
saver_command_list() {
    saver_commands "$1" | cut -d ' ' -f 2-
}

# saver_cursor_calls NAME: the front-end's ShowCursor calls as "MS FLAG COUNT".
saver_cursor_calls() {
    sed -nE "s/^ *([0-9]+)\.([0-9]{3}):$SAVER_THREAD:trace:cursor:NtUserShowCursor (-?[0-9]+), count=(-?[0-9]+)$/\1\2 \3 \4/p" \
        "$(e2e_stderr "$1")"
}

# saver_expect_lines WHAT ACTUAL EXPECTED: multi-line texts must be equal.
saver_expect_lines() {
    [ "$2" = "$3" ] || e2e_fail "$1: expected
$3
got
$2"
}

_saver_processes_alive() {
    local renderer scr
    renderer="${SAVER_APP_WINDOWS:-$(e2e_windows_path "$SAVER_APP")}\\Velmora.dll"
    scr="$SAVER_APP/Velmora.scr"
    grep -qsaF -e "$renderer" -e "$scr" /proc/[0-9]*/cmdline
}

# saver_processes_gone: true when neither program runs any more.
saver_processes_gone() {
    ! _saver_processes_alive
}

# saver_expect_no_process: neither program is left, as Linux and as Wine see
# it.
saver_expect_no_process() {
    saver_processes_gone || e2e_fail "a Velmora process is still running"
    e2e_run processes saver_run_probe.exe processes
    ! grep -qi '^velmora\.' "$(e2e_stdout processes)" ||
        e2e_fail "Wine still lists $(grep -i '^velmora\.' "$(e2e_stdout processes)")"
}

# saver_key_ends_run NAME: a key press in the renderer's window ends the
# renderer and then the front-end, which leaves no process behind. Sets
# SAVER_KEY_TO_END_MS, the time from the key to both processes gone (polled
# every 10 ms).
saver_key_ends_run() {
    local name=$1 start deadline
    start=$(_e2e_now_ms)
    deadline=$((start + 5000))
    e2e_key space
    while ! saver_processes_gone; do
        [ "$(_e2e_now_ms)" -lt "$deadline" ] || e2e_fail "still running 5 s after the key press"
        sleep 0.01
    done
    SAVER_KEY_TO_END_MS=$(($(_e2e_now_ms) - start))
    e2e_wait_exit "$name" 2
    e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code of Velmora.scr"
    saver_expect_no_process
    e2e_log "key press to both processes gone: $SAVER_KEY_TO_END_MS ms"
}

# saver_expect_mp3_commands NAME FILE [AS]: FILE was opened by its quoted path
# (or by the Windows path AS) and played, then only the repeat timer's
# commands came, and at the end the file was stopped and closed.
saver_expect_mp3_commands() {
    local commands between
    commands=$(saver_command_list "$1")
    saver_expect_lines "$1: opening commands" "$(head -n 2 <<<"$commands")" \
        "open \"${3:-$(e2e_windows_path "$2")}\" type MPEGVideo Alias MP3Play
play MP3Play"
    saver_expect_lines "$1: closing commands" "$(tail -n 2 <<<"$commands")" "stop MP3Play
close MP3Play"
    between=$(sed '1,2d' <<<"$commands" | head -n -2 |
        grep -vxE 'status MP3Play mode|stop MP3Play|play MP3Play from 0|pause MP3Play|play MP3Play' ||
        true)
    [ -z "$between" ] || e2e_fail "$1: unexpected commands: $between"
}

# saver_expect_cursor_hidden_then_shown NAME: ShowCursor(FALSE) left the count
# at -1 when the run began, and the end handed that -1 back as the flag.
saver_expect_cursor_hidden_then_shown() {
    saver_expect_lines "ShowCursor calls (flag, count)" \
        "$(saver_cursor_calls "$1" | cut -d ' ' -f 2-)" "0 -1
-1 0"
}
