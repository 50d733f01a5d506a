#!/usr/bin/env bash
# The hack's own window under a real window manager that resizes it as it maps
# it (matchbox gives every window the whole screen), as -fullscreen meets on
# every desktop: the painting must follow the new size at once and fill the
# whole window, its top rows included, however the resize falls against the
# hack's start. Several starts, since that moment varies from run to run.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/hack_session.sh"

command -v matchbox-window-manager >/dev/null ||
    e2e_fail "matchbox-window-manager is not installed: run scripts/setup.sh"

manager_ready() {
    # A window manager owns the selection of the screen's window manager.
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

fills_screen() {
    [ "$(e2e_window_geometry "$1" | cut -d' ' -f3-)" = "$E2E_WIDTH $E2E_HEIGHT" ]
}

e2e_begin

e2e_start manager "$(command -v matchbox-window-manager)" -use_titlebar no
e2e_poll 10 manager_ready || e2e_fail "matchbox-window-manager did not start within 10 s"

whole="${E2E_WIDTH}x$E2E_HEIGHT"
top="${E2E_WIDTH}x200+0+0"
bottom="${E2E_WIDTH}x200+0+$((E2E_HEIGHT - 200))"
run=0
for options in "" "" "" "-fullscreen"; do
    run=$((run + 1))
    # shellcheck disable=SC2086 # no options or one
    e2e_start hack velmora -fps $options
    window=$(e2e_wait_window Velmora 10)
    e2e_poll 10 fills_screen "$window" ||
        e2e_fail "the window manager did not resize the window (run $run)"
    e2e_wait_lit "bottom-$run.png" "$bottom" 15
    e2e_wait_lit "top-$run.png" "$top" 15
    grep -q "^velmora: ${E2E_WIDTH}x$E2E_HEIGHT, \|^velmora: 1280x720, " "$(e2e_stderr hack)" ||
        e2e_fail "-fps gave no size (run $run)"
    e2e_log "run $run ($([ -n "$options" ] && echo "$options" || echo "1280x720 asked")): the whole ${whole} window paints"
    e2e_signal hack TERM
    e2e_wait_exit hack 2
    e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code after SIGTERM (run $run)"
done
