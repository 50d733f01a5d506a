#!/usr/bin/env bash
# The painting's pace where the swap paces nothing (Wine on a virtual display):
# about 60 frames a second, never more, and no slower than the machine can
# draw, while a key still closes at once; and
# the renderer's own line of its set-up: the format whose swap keeps the
# picture, so no copy of each frame.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=../lib/wine_session.sh
source "$here/../lib/wine_session.sh"
# shellcheck source=renderer_steps.sh
source "$here/renderer_steps.sh"

readonly MEASURE_SECONDS=8

# main_thread_times PID: nanoseconds its main thread ran, and waited to run.
main_thread_times() {
    awk '{ print $1, $2 }' "/proc/$1/task/$1/schedstat"
}

check_setup_line() {
    local line
    line=$(grep -a -o 'Velmora: pixel format[^"]*' "$(e2e_stderr renderer)" | head -n 1 |
        sed 's/\\n$//')
    [ -n "$line" ] || e2e_fail "the renderer wrote no line of its set-up"
    e2e_log "set-up: $line"
    case $line in
        *"swap copies"*"no copy of the frame"*) ;;
        *) e2e_fail "the renderer did not take a format whose swap keeps the picture: $line" ;;
    esac
    case $line in
        *"nearest "*" px of at most "*) ;;
        *) e2e_fail "the set-up line gives no point sizes: $line" ;;
    esac
}

check_pace() {
    local pid before after fps ran waited
    pid=$(renderer_process renderer) || e2e_fail "no process runs Velmora.dll"
    # The first frames set up the context and the pace's watch.
    sleep 2
    before=$(main_thread_times "$pid")
    sleep "$MEASURE_SECONDS"
    after=$(main_thread_times "$pid")
    e2e_key Escape
    renderer_expect_closed renderer "Escape while paced"
    fps=$(renderer_fps renderer)
    [ -n "$fps" ] || e2e_fail "Wine's fps trace gave no frame rate"
    read -r ran waited < <(echo "$before $after" |
        awk -v s="$MEASURE_SECONDS" '{ printf "%.0f %.0f\n", 100 * ($3 - $1) / (s * 1e9), 100 * ($4 - $2) / (s * 1e9) }')
    e2e_log "$fps frames per second at ${E2E_WIDTH}x$E2E_HEIGHT; the main thread ran" \
        "$ran% of the time and waited for a processor $waited%"
    awk -v f="$fps" 'BEGIN { exit !(f <= 66) }' ||
        e2e_fail "$fps frames per second: faster than the painting's pace"
    awk -v f="$fps" 'BEGIN { exit !(f >= 54) }' && return 0
    # Slower than the pace is right only where the machine cannot go faster:
    # then the main thread draws, or waits for a processor, most of the time
    # (the rest it waits for Mesa's threads and the X server, about a seventh
    # here), and a slow frame never waits for the pace's tick.
    [ $((ran + waited)) -ge 70 ] ||
        e2e_fail "$fps frames per second while the main thread was idle" \
            "$((100 - ran - waited))% of the time: the pace slowed a slow machine"
    e2e_log "slower than the pace: this machine could draw no faster"
}

e2e_begin 640x480x24
WINEDEBUG=+fps,+debugstr renderer_start renderer
check_pace
check_setup_line
