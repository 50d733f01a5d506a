#!/usr/bin/env bash
# Two monitors, the second a smaller clone of the first: Xvfb's two screens
# under Xinerama both lie at the origin. A cover over the clone would hide the
# top left of the painting, so it gets none: the painting shows there as
# everywhere, and a key still closes the run.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=../lib/wine_session.sh
source "$here/../lib/wine_session.sh"
# shellcheck source=renderer_steps.sh
source "$here/renderer_steps.sh"

readonly SECOND=640x480

check_monitors() {
    e2e_run monitors saver_probe.exe monitors
    local listed
    listed=$(grep -c '^monitor=' "$(e2e_stdout monitors)" || true)
    e2e_assert_equal "$listed" 2 "monitors Wine lists"
    grep -q "^monitor=0,0,$E2E_WIDTH,$E2E_HEIGHT primary=1" "$(e2e_stdout monitors)" ||
        e2e_fail "the first screen is not the primary monitor: $(cat "$(e2e_stdout monitors)")"
    grep -q "^monitor=0,0,${SECOND/x/,} primary=0" "$(e2e_stdout monitors)" ||
        e2e_fail "the second screen is not a clone at the origin: $(cat "$(e2e_stdout monitors)")"
}

# True once the painting lights the clone's part of the screen as well as
# the rest.
painting_over_the_clone() {
    local shot
    shot=$(e2e_screenshot clone.png)
    awk -v clone="$(e2e_image_mean "$shot" "$SECOND+0+0")" \
        -v rest="$(e2e_image_mean "$shot" "640x544+640+480")" \
        'BEGIN { exit !(clone > 0.01 && rest > 0.01) }'
}

e2e_begin 1280x1024x24 "${SECOND}x24"
check_monitors
renderer_start renderer
e2e_run covers saver_probe.exe covers
e2e_assert_equal "$(probe_value covers covers)" 0 "cover windows over a clone"
e2e_poll 15 painting_over_the_clone ||
    e2e_fail "the painting did not show over the clone within 15 s (clone mean" \
        "$(e2e_image_mean "$E2E_RUN_DIR/clone.png" "$SECOND+0+0"), rest mean" \
        "$(e2e_image_mean "$E2E_RUN_DIR/clone.png" "640x544+640+480"))"
e2e_key a
renderer_expect_closed renderer "a key with two monitors"
