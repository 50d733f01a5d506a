#!/usr/bin/env bash
# Two monitors side by side, the second smaller, lower and left of the
# primary, so that Windows puts it at negative coordinates. Every monitor
# shows a painting of its own, sized for that monitor, moving in one window
# over both; a mouse move on the second monitor closes the run. (The main
# monitor only, chosen in the settings dialog, is settings_dialog_monitors'.)
# shellcheck source-path=SCRIPTDIR
set -euo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=../lib/wine_session.sh
source "$here/../lib/wine_session.sh"
# shellcheck source=renderer_steps.sh
source "$here/renderer_steps.sh"

# In X's pixels, which screenshots use; Windows counts from the primary's
# corner, so the second monitor lies at -1024,256 there.
readonly PRIMARY=1280x1024+1024+0
readonly SECOND=1024x768+0+256

check_monitors() {
    e2e_run monitors saver_probe.exe monitors
    local listed
    listed=$(tr -d '\r' <"$(e2e_stdout monitors)")
    grep -qx "monitor=0,0,1280,1024 primary=1" <<<"$listed" &&
        grep -qx "monitor=-1024,256,0,1024 primary=0" <<<"$listed" ||
        e2e_fail "Wine does not list the two monitors: $listed"
}

# Lit to every corner and moving, on each monitor.
check_both_painted() {
    e2e_wait_lit lit.png "$PRIMARY" "$SECOND" 15
    local first second monitor
    first=$(e2e_screenshot first.png)
    sleep 0.5
    second=$(e2e_screenshot second.png)
    for monitor in "$PRIMARY" "$SECOND"; do
        e2e_assert_region_moved "$first" "$second" "$monitor" 5000
        e2e_assert_quarters_lit "$second" "$monitor"
        e2e_log "monitor $monitor: mean brightness $(e2e_image_mean "$second" "$monitor")"
    done
    e2e_keep_artefact "$second" two-monitors.png >/dev/null
}

# Each painting where its monitor is, at that monitor's size.
check_paintings_logged() {
    local log
    log=$(grep -a -o 'Velmora: painting [^"\\]*' "$(e2e_stderr renderer)" || true)
    grep -qx "Velmora: painting 1 of 2 at 0,0, 1280x1024, sizes x1.00" <<<"$log" &&
        grep -qx "Velmora: painting 2 of 2 at -1024,256, 1024x768, sizes x1.00" <<<"$log" ||
        e2e_fail "the paintings are not where the monitors are: $log"
}

e2e_begin "$PRIMARY" "$SECOND"
check_monitors

# The cursor rests on the second monitor as the run starts.
e2e_mousemove 500 600
WINEDEBUG=+debugstr renderer_start renderer
e2e_assert_equal "$(e2e_window_geometry "$RENDERER_WINDOW")" "0 0 2304 1024" \
    "the window over both monitors"
check_both_painted
check_paintings_logged
e2e_run covers saver_probe.exe covers
e2e_assert_equal "$(probe_value covers covers)" 0 "covers with every monitor painted"
e2e_mousemove 510 610
renderer_expect_closed renderer "a mouse move on the second monitor"
