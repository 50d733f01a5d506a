#!/usr/bin/env bash
# Figures for the renderer program itself, under Wine on a virtual display:
# the frames per second Velmora.dll draws full screen (Wine's fps trace), the
# processor time its process takes per frame and per second (the process's own
# counters in /proc, all its threads, Mesa's included), and the time from a
# key press to its process being gone, beside the same time for a bare window
# that ends on a key (most of either is Wine's teardown).
#
#   bash bench/renderer_under_wine.sh [BUILD_DIR] [SECONDS] [RUNS] [SCREEN]
#
# BUILD_DIR is a built windows-x64 (or, where 32-bit Wine runs, windows) tree,
# build/windows-x64 by default; the benchmark makes a Wine prefix of its own
# there (not the tests', whose runs would end its programs). SCREEN is
# the virtual display's WxHxD, 1280x1024x24 by default.
set -euo pipefail

source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=$(realpath "${1:-$source_dir/build/windows-x64}")
seconds=${2:-15}
runs=${3:-5}
screen=${4:-1280x1024x24}

# shellcheck source=wine_bench_session.sh
source "$source_dir/bench/wine_bench_session.sh" "$build_dir" bench_renderer_under_wine "$screen"
# shellcheck source=../tests/e2e/renderer/renderer_steps.sh
source "$source_dir/tests/e2e/renderer/renderer_steps.sh"

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

frames_per_second() {
    local trace pid cpu_start cpu_end wall_start wall_end fps
    WINEDEBUG=fps e2e_start fps Velmora.dll >&2
    window=$(e2e_wait_window VelmoraVC)
    e2e_wait_focus "$window"
    pid=$(renderer_process fps) || e2e_fail "no process runs Velmora.dll"
    # The first seconds set up the context and fill the screen.
    sleep 2
    cpu_start=$(cpu_seconds "$pid")
    wall_start=${EPOCHREALTIME/,/.}
    sleep "$seconds"
    cpu_end=$(cpu_seconds "$pid")
    wall_end=${EPOCHREALTIME/,/.}
    e2e_key Escape
    e2e_wait_exit fps 10 >&2
    trace=$(e2e_stderr fps)
    # Wine prints "@ approx N fps, total M fps" about once a second; the
    # running total after the first seconds covers the whole run.
    echo "fps lines: $(grep -c 'approx' "$trace")"
    echo "last line: $(grep 'approx' "$trace" | tail -n 1 | sed 's/^.*@ //')"
    fps=$(renderer_fps fps)
    echo "median of the per-second figures: $fps fps"
    # The frames of the measured seconds are taken at the median pace.
    awk -v cpu0="$cpu_start" -v cpu1="$cpu_end" -v wall0="$wall_start" -v wall1="$wall_end" \
        -v fps="$fps" 'BEGIN {
            cpu = cpu1 - cpu0; wall = wall1 - wall0
            perFrame = fps > 0 ? 1000 * cpu / (fps * wall) : 0
            printf "processor time: %.2f s in %.2f s (%.0f%% of one core), %.2f ms per frame\n",
                cpu, wall, 100 * cpu / wall, perFrame }'
}

# key_to_gone NAME PROGRAM TITLE: milliseconds from the key press to the end of
# the process, one line per run.
key_to_gone() {
    local name=$1 program=$2 title=$3 run window
    for run in $(seq "$runs"); do
        e2e_start "$name$run" "$program" >&2
        window=$(e2e_wait_window "$title")
        e2e_wait_focus "$window"
        sleep 1
        e2e_key a
        e2e_wait_exit "$name$run" 10 >&2
        echo "$E2E_ELAPSED_MS"
    done
}

e2e_begin "$screen"
echo "== Velmora.dll frames per second at ${E2E_WIDTH}x$E2E_HEIGHT over $seconds s ($VELMORA_E2E_WINE_ARCH)"
frames_per_second
echo "== key press to process gone, $runs runs each (ms)"
renderer_times=$(key_to_gone renderer Velmora.dll VelmoraVC | tr '\n' ' ')
bare_times=$(key_to_gone bare bare_window.exe BareWindow | tr '\n' ' ')
echo "Velmora.dll: $renderer_times-> median $(echo "$renderer_times" | tr ' ' '\n' | grep . | median)"
echo "bare window: $bare_times-> median $(echo "$bare_times" | tr ' ' '\n' | grep . | median)"
