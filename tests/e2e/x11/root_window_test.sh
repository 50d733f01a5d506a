#!/usr/bin/env bash
# The hack on the root window: the painting fills and moves over the whole
# screen, kept by its own copy since the root's configuration promises no
# swap method, and SIGTERM, as XScreenSaver sends it, ends the hack within
# half a second with exit code 0.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/hack_session.sh"

e2e_begin

e2e_start hack velmora -root -fps
whole="${E2E_WIDTH}x${E2E_HEIGHT}+0+0"
e2e_wait_lit lit.png "$whole"
e2e_expect_painting root "$whole" >/dev/null
# The whole screen, not a corner of it: every quarter is lit.
shot=$(e2e_screenshot quarters.png)
half_w=$((E2E_WIDTH / 2))
half_h=$((E2E_HEIGHT / 2))
for corner in "+0+0" "+$half_w+0" "+0+$half_h" "+$half_w+$half_h"; do
    e2e_assert_not_black "$shot" "${half_w}x$half_h$corner"
done
[ -z "$(e2e_find_window Velmora)" ] || e2e_fail "-root opened a window of its own"
e2e_assert_equal "$(head -n 1 "$(e2e_stderr hack)")" \
    "velmora: ${E2E_WIDTH}x$E2E_HEIGHT, the painting keeps a copy of each frame (the swap may lose it)" \
    "what -fps says first"

e2e_signal hack TERM
e2e_wait_exit hack 2
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code after SIGTERM"
[ "$E2E_ELAPSED_MS" -le 500 ] || e2e_fail "SIGTERM took $E2E_ELAPSED_MS ms to end the hack"
e2e_log "SIGTERM ended the hack in $E2E_ELAPSED_MS ms"
