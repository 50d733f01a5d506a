#!/usr/bin/env bash
# The hack on the root window: the painting fills and moves over the whole
# screen, and SIGTERM, as XScreenSaver sends it, ends the hack within half a
# second with exit code 0. The root's configuration promises no swap method:
# the painting keeps its own copy of each frame unless the driver tells the
# back buffer's age. Where it tells age 1 after every swap, the painting
# takes no copy; at the first other age it takes one from then on and goes on
# painting. A stand-in for such a driver (buffer_age_driver) answers the ages
# where the real one tells none.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/hack_session.sh"

e2e_begin

readonly COPY="the painting keeps a copy of each frame (the swap may lose it)"
readonly AGE="the swap keeps the picture while the back buffer's age is 1"
readonly SWITCH="^velmora: the back buffer came back with age [0-9]+: the painting keeps a copy of each frame from now on$"
whole="${E2E_WIDTH}x${E2E_HEIGHT}+0+0"
driver=$VELMORA_E2E_PROGRAMS_DIR/libbuffer_age_driver.so
[ -f "$driver" ] || e2e_fail "no $driver: build the e2e helpers"

# first_line NAME: what -fps says first, without the settings it names last.
first_line() {
    head -n 1 "$(e2e_stderr "$1")" | sed 's/; draw mode .*$//'
}

switched() {
    grep -qE "$SWITCH" "$(e2e_stderr "$1")"
}

e2e_start hack velmora -root -fps
e2e_wait_lit lit.png "$whole"
e2e_expect_painting root "$whole" >/dev/null
# The whole screen, not a corner of it: every quarter is lit.
e2e_assert_quarters_lit "$(e2e_screenshot quarters.png)" "$whole"
[ -z "$(e2e_find_window Velmora)" ] || e2e_fail "-root opened a window of its own"
case "$(first_line hack)" in
    "velmora: ${E2E_WIDTH}x$E2E_HEIGHT, $COPY") e2e_log "this driver tells no buffer age" ;;
    "velmora: ${E2E_WIDTH}x$E2E_HEIGHT, $AGE") e2e_log "this driver tells the buffer age" ;;
    *) e2e_fail "what -fps says first: $(first_line hack)" ;;
esac

e2e_signal hack TERM
e2e_wait_exit hack 2
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code after SIGTERM"
[ "$E2E_ELAPSED_MS" -le 500 ] || e2e_fail "SIGTERM took $E2E_ELAPSED_MS ms to end the hack"
e2e_log "SIGTERM ended the hack in $E2E_ELAPSED_MS ms"

# Age 1 after every swap: no copy, for the whole run.
LD_PRELOAD=$driver VELMORA_TEST_BUFFER_AGES=1 e2e_start aged velmora -root -fps
e2e_wait_lit aged-lit.png "$whole"
e2e_expect_painting aged "$whole" >/dev/null
e2e_wait_for_text "$(e2e_stderr aged)" 'frames/s$' 10
e2e_assert_equal "$(first_line aged)" "velmora: ${E2E_WIDTH}x$E2E_HEIGHT, $AGE" \
    "what -fps says first where every age is 1"
! switched aged || e2e_fail "the painting took a copy where every age was 1"
e2e_log "age 1: no copy; $(grep -c 'frames/s$' "$(e2e_stderr aged)") rates, none switched"
e2e_signal aged TERM
e2e_wait_exit aged 2

# Age 1 for a while, then 2 as from a driver that now flips its buffers: the
# copy from then on, and the painting goes on from black.
LD_PRELOAD=$driver VELMORA_TEST_BUFFER_AGES=1,1,1,1,1,1,1,1,1,1,2,1 e2e_start flipped velmora -root -fps
e2e_wait_for_text "$(e2e_stderr flipped)" "$SWITCH" 10
grep -qE '^velmora: the back buffer came back with age 2:' "$(e2e_stderr flipped)" ||
    e2e_fail "the switch names another age: $(grep -E "$SWITCH" "$(e2e_stderr flipped)")"
e2e_assert_equal "$(grep -cE "$SWITCH" "$(e2e_stderr flipped)")" 1 "switches to the copy"
e2e_wait_lit flipped-lit.png "$whole"
e2e_expect_painting flipped "$whole" >/dev/null
e2e_log "age 2 after ten swaps: the painting keeps a copy from then on and goes on"
e2e_signal flipped TERM
e2e_wait_exit flipped 2
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code after SIGTERM"
