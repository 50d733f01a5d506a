#!/usr/bin/env bash
# Processor time of the moving preview under Wine on a virtual display:
# Velmora.scr /p in a 152 x 112 host (and a 640 x 480 one) that the tests'
# helper makes, measured from the process's own counters in /proc (all its
# threads, Mesa's included). Set beside the renderer's figures at full screen
# from bench/renderer_under_wine.sh.
#
#   bash bench/preview_under_wine.sh [BUILD_DIR] [SECONDS] [RUNS]
#
# BUILD_DIR is a built windows (or windows-x64) tree, build/windows by default;
# the benchmark makes a Wine prefix of its own there.
set -euo pipefail

source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=$(realpath "${1:-$source_dir/build/windows}")
seconds=${2:-10}
runs=${3:-3}

# shellcheck source=wine_bench_session.sh
source "$source_dir/bench/wine_bench_session.sh" "$build_dir" bench_preview_under_wine
# shellcheck source=../tests/e2e/frontend/scr_checks.sh
source "$source_dir/tests/e2e/frontend/scr_checks.sh"

# measure WIDTH HEIGHT RUN: one line, the share of one core Velmora.scr takes.
measure() {
    local width=$1 height=$2 name="preview${1}x$2-$3" pid cpu0 cpu1 wall0 wall1
    local ready="$E2E_RUN_DIR/$name.ready"
    e2e_start "$name" frontend_probe.exe live-host "$(e2e_windows_path "$VELMORA_E2E_BIN_DIR/Velmora.scr")" \
        "$width" "$height" "$(e2e_windows_path "$ready")" $((seconds + 30)) >&2
    e2e_poll 30 test -s "$ready" || e2e_fail "no preview in $name"
    e2e_poll 10 scr_process 'Velmora\.scr /p' >/dev/null || e2e_fail "no process runs Velmora.scr"
    pid=$(scr_process 'Velmora\.scr /p')
    # The first seconds set up the context.
    sleep 2
    cpu0=$(cpu_seconds "$pid")
    wall0=${EPOCHREALTIME/,/.}
    sleep "$seconds"
    cpu1=$(cpu_seconds "$pid")
    wall1=${EPOCHREALTIME/,/.}
    touch "$ready.stop"
    e2e_wait_exit "$name" 20 >&2
    awk -v c0="$cpu0" -v c1="$cpu1" -v w0="$wall0" -v w1="$wall1" \
        'BEGIN { printf "%.0f\n", 100 * (c1 - c0) / (w1 - w0) }'
}

e2e_begin
for size in "152 112" "640 480"; do
    shares=()
    for run in $(seq "$runs"); do
        # shellcheck disable=SC2086 # two numbers
        shares+=("$(measure $size "$run")")
    done
    echo "Velmora.scr /p in a ${size/ /x} host ($VELMORA_E2E_WINE_ARCH): ${shares[*]} % of one core over $seconds s"
done
