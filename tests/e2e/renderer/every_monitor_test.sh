#!/usr/bin/env bash
# Two monitors side by side, the second smaller, lower and left of the
# primary, so that Windows puts it at negative coordinates. Every monitor
# shows a painting of its own, sized for that monitor, moving in one window
# over both; a mouse move on the second monitor closes the run. With the main
# monitor only chosen in Velmora.ini, the painting is on the primary and a
# black cover over the other, as before there was a choice.
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
readonly MONITORS_KEY=$'\xd3\xc6\xc0\xb0\x8b\xe6\x95\xaa' # ﾓﾆﾀｰ区分

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

# The main monitor only, as the settings dialog saves it beside the programs.
folder="$E2E_RUN_DIR/main-only"
e2e_copy_programs "$folder" Velmora.dll
printf '[Section]\r\n%s= 1\r\n' "$MONITORS_KEY" >"$folder/Velmora.ini"
e2e_mousemove 1600 500
e2e_start main-only "$folder/Velmora.dll"
RENDERER_WINDOW=$(e2e_wait_window "$RENDERER_TITLE")
e2e_wait_focus "$RENDERER_WINDOW"
e2e_assert_equal "$(e2e_window_geometry "$RENDERER_WINDOW")" "1024 0 1280 1024" \
    "the window over the primary"
e2e_run main-covers saver_probe.exe covers
e2e_assert_equal "$(probe_value main-covers covers)" 1 "covers with the main monitor only"
grep -q "rect=-1024,256,0,1024 " "$(e2e_stdout main-covers)" ||
    e2e_fail "the cover is not over the second monitor: $(cat "$(e2e_stdout main-covers)")"
e2e_wait_lit main-only.png "$PRIMARY" 15
shot=$(e2e_screenshot main-only.png)
e2e_assert_equal "$(e2e_image_mean "$shot" "$SECOND")" 0 "mean brightness under the cover"
e2e_key a
renderer_expect_closed main-only "a key with the main monitor only"
