#!/usr/bin/env bash
# The painting's pace at 1280x1024 where the swap paces nothing (Wine on a
# virtual display): 54 to 66 frames a second, never more, and no slower than
# the machine can draw; no frames at all while the display is off, as Windows
# tells the renderer, and the pace again once it is back on; a key still
# closes at once. And the renderer's own line of its set-up: the format whose
# swap keeps the picture, so no copy of each frame.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=../lib/wine_session.sh
source "$here/../lib/wine_session.sh"
# shellcheck source=../lib/setup_line.sh
source "$here/../lib/setup_line.sh"
# shellcheck source=renderer_steps.sh
source "$here/renderer_steps.sh"

readonly MEASURE_SECONDS=8

# thread_times PID: a line for each thread of the process: its id, and the
# nanoseconds it ran and waited to run.
thread_times() {
    local task
    for task in /proc/"$1"/task/*; do
        # A thread may end between the listing and the reading.
        echo "${task##*/} $(cat "$task/schedstat" 2>/dev/null)"
    done
}

# busiest_thread BEFORE AFTER SECONDS: the percentages of the time that the
# busiest thread of both listings ran and waited to run, which is the thread
# that draws: the others only help it.
busiest_thread() {
    awk -v s="$3" '
        FNR == NR { ran[$1] = $2; waited[$1] = $3; next }
        ($1 in ran) && NF >= 3 {
            r = $2 - ran[$1]; w = $3 - waited[$1]
            if (r + w > best) { best = r + w; bestRan = r; bestWaited = w }
        }
        END { printf "%.0f %.0f\n", 100 * bestRan / (s * 1e9), 100 * bestWaited / (s * 1e9) }
    ' "$1" "$2"
}

check_setup_line() {
    local line
    line=$(e2e_wait_setup_line renderer)
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

# fps_lines: how many of Wine's once-a-second frame rates the renderer wrote.
fps_lines() {
    grep -c 'approx' "$(e2e_stderr renderer)" || true
}

# The display off for three seconds: after the last rate of the frames before,
# Wine writes none, since no frame is swapped; once it is on, they come again.
check_display_power() {
    local pid before dark back cpu0 cpu1
    pid=$(renderer_process renderer) || e2e_fail "no process runs Velmora.dll"
    e2e_run dark saver_probe.exe display-power "$RENDERER_TITLE" off
    e2e_assert_equal "$E2E_EXIT_CODE" 0 "display-off notice sent"
    sleep 1.5
    before=$(fps_lines)
    cpu0=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
    sleep 3
    dark=$(fps_lines)
    cpu1=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
    [ "$dark" = "$before" ] ||
        e2e_fail "$((dark - before)) frame rates written while the display was off: frames went on"
    e2e_log "display off: no frames in 3 s, $(((cpu1 - cpu0) * 1000 / $(getconf CLK_TCK))) ms" \
        "of processor time"
    e2e_run light saver_probe.exe display-power "$RENDERER_TITLE" on
    e2e_assert_equal "$E2E_EXIT_CODE" 0 "display-on notice sent"
    sleep 2.5
    back=$(fps_lines)
    [ "$back" -gt "$dark" ] || e2e_fail "no frames again after the display came back on"
    e2e_log "display on: $((back - dark)) frame rates in 2.5 s"
}

check_pace() {
    local pid fps ran waited
    pid=$(renderer_process renderer) || e2e_fail "no process runs Velmora.dll"
    # The first frames set up the context and the pace's watch.
    sleep 2
    thread_times "$pid" >"$E2E_RUN_DIR/threads-before.txt"
    sleep "$MEASURE_SECONDS"
    thread_times "$pid" >"$E2E_RUN_DIR/threads-after.txt"
    fps=$(renderer_fps renderer)
    [ -n "$fps" ] || e2e_fail "Wine's fps trace gave no frame rate"
    read -r ran waited < <(busiest_thread "$E2E_RUN_DIR/threads-before.txt" \
        "$E2E_RUN_DIR/threads-after.txt" "$MEASURE_SECONDS")
    e2e_log "$fps frames per second at ${E2E_WIDTH}x$E2E_HEIGHT; the drawing thread ran" \
        "$ran% of the time and waited for a processor $waited%"
    awk -v f="$fps" 'BEGIN { exit !(f <= 66) }' ||
        e2e_fail "$fps frames per second: faster than the painting's pace"
    awk -v f="$fps" 'BEGIN { exit !(f >= 54) }' && return 0
    # Slower than the pace is right only where the machine cannot go faster:
    # then the drawing thread draws, or waits for a processor, most of the time
    # (the rest it waits for Mesa's threads and the X server, about a seventh
    # here), and a slow frame never waits for the pace's tick.
    [ $((ran + waited)) -ge 70 ] ||
        e2e_fail "$fps frames per second while the drawing thread was idle" \
            "$((100 - ran - waited))% of the time: the pace slowed a slow machine"
    e2e_log "slower than the pace: this machine could draw no faster"
}

e2e_begin 1280x1024x24
WINEDEBUG=+fps,+debugstr renderer_start renderer
check_pace
check_display_power
e2e_key Escape
renderer_expect_closed renderer "Escape after the display came back"
check_setup_line
