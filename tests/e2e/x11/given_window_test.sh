#!/usr/bin/env bash
# The hack in another program's window, named by -window-id or by
# XSCREENSAVER_WINDOW: it draws there and nowhere else, follows that window's
# resize, and ends quietly when the window goes away.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/hack_session.sh"

e2e_begin

e2e_start host x_window_helper host "Velmora host" 640 480
host=$(e2e_wait_window "Velmora host" 5)
e2e_wait_for_text "$(e2e_stdout host)" '^0x[0-9a-f]+$' 5
e2e_assert_equal "$(head -n 1 "$(e2e_stdout host)")" "$(printf '0x%x' "$host")" "host window id"

e2e_run missing velmora -window-id 0x7ffffff
e2e_assert_equal "$E2E_EXIT_CODE" 1 "exit code for a window that does not exist"
grep -q '^velmora: no window 0x7ffffff$' "$(e2e_stderr missing)" ||
    e2e_fail "no message for a window that does not exist"

outside=1280x500+0+520
assert_outside_black() {
    local mean
    mean=$(e2e_image_mean "$(e2e_screenshot "$1")" "$outside")
    awk -v mean="$mean" 'BEGIN { exit !(mean < 0.005) }' ||
        e2e_fail "the hack drew outside the host window ($mean)"
}

# By id, in decimal.
e2e_start hack velmora -window-id "$host"
e2e_wait_lit lit.png 640x480+0+0
e2e_expect_painting by-id 640x480+0+0 >/dev/null
assert_outside_black outside-by-id.png
[ -z "$(e2e_find_window Velmora)" ] || e2e_fail "-window-id opened a window of its own"
e2e_signal hack TERM
e2e_wait_exit hack 2
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code after SIGTERM"

# By the environment, which wins over -root as XScreenSaver passes both.
XSCREENSAVER_WINDOW=$(printf '0x%x' "$host") e2e_start hack velmora --root
e2e_wait_lit lit-env.png 640x480+0+0
assert_outside_black outside-by-env.png

# The host grows downwards; GL's rows start at the bottom, so only a view that
# follows lights the new rows at the top as well as those at the bottom.
xdotool windowsize "$host" 640 960
e2e_wait_lit grown-bottom.png 640x200+0+740
e2e_expect_painting grown-top 640x200+0+0 >/dev/null

e2e_signal host TERM
e2e_wait_exit hack 3
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code when the window went away"
