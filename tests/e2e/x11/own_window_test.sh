#!/usr/bin/env bash
# The hack in a window of its own: the command line, the 1280x720 window
# titled Velmora with the painting moving in it and the frame rate on stderr,
# a resize that the view follows, q, a preset and a setting of the look given
# as switches and Escape, the close button, and -fullscreen ended with SIGINT.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/hack_session.sh"

e2e_begin

# The command line, before anything is drawn.
e2e_run help velmora --help
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code of --help"
grep -q '^usage: velmora ' "$(e2e_stdout help)" || e2e_fail "--help printed no usage"
e2e_run unknown velmora -bogus
e2e_assert_equal "$E2E_EXIT_CODE" 1 "exit code of an unknown option"
e2e_assert_equal "$(head -n 1 "$(e2e_stderr unknown)")" "velmora: unknown option '-bogus'" \
    "first line for an unknown option"
grep -q '^usage: velmora ' "$(e2e_stderr unknown)" || e2e_fail "an unknown option printed no usage"
[ ! -s "$(e2e_stdout unknown)" ] || e2e_fail "an unknown option printed to stdout"

e2e_start hack velmora -fps
window=$(e2e_wait_window Velmora 10)
e2e_assert_equal "$(e2e_window_geometry "$window")" "0 0 1280 720" "own window's geometry"
e2e_wait_lit lit.png 1280x720+0+0
e2e_expect_painting window 1280x720+0+0 >/dev/null
e2e_wait_for_text "$(e2e_stderr hack)" '^velmora: [0-9]+\.[0-9] frames/s$' 5
# Mesa offers our own window a configuration whose swap copies.
designed="draw mode 1, flows 3, emitters 60, particles 1200, size 15, emitter speed 20, particle speed 4, oscillator rate 100, trail 20"
e2e_assert_equal "$(head -n 1 "$(e2e_stderr hack)")" \
    "velmora: 1280x720, the swap keeps the picture; $designed" "what -fps says first"
below=$(e2e_image_mean "$(e2e_screenshot below.png)" 1280x290+0+730)
awk -v mean="$below" 'BEGIN { exit !(mean < 0.005) }' ||
    e2e_fail "the screen below the 1280x720 window is lit ($below)"

# GL counts rows from the bottom: a view that kept the old size would leave the
# grown window's top rows black and light only its lowest 720.
xdotool windowsize "$window" 1280 1024
e2e_wait_lit grown-bottom.png 1280x280+0+740
e2e_expect_painting grown-top 1280x280+0+0 >/dev/null
e2e_log "the view followed the resize to 1280x1024"

# No window manager here: keys go to the window under the pointer.
e2e_mousemove 640 360
e2e_key q
e2e_wait_exit hack 2
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code after q"
e2e_wait_no_window Velmora 2

# The calm lines at twice their speed: the emitters' 10 and the particles' 2
# doubled.
e2e_start hack velmora -fps -preset calm-lines --speed 100
window=$(e2e_wait_window Velmora 10)
e2e_wait_lit lit-again.png 1280x720+0+0
e2e_wait_for_text "$(e2e_stderr hack)" '^velmora: 1280x720' 5
e2e_assert_equal "$(head -n 1 "$(e2e_stderr hack)" | sed 's/^[^;]*; //')" \
    "draw mode 2, flows 3, emitters 60, particles 1200, size 21, emitter speed 20, particle speed 4, oscillator rate 100, trail 60" \
    "the look of -preset calm-lines --speed 100"
e2e_key Escape
e2e_wait_exit hack 2
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code after Escape"

e2e_start hack velmora
window=$(e2e_wait_window Velmora 10)
e2e_run close x_window_helper close "$window"
e2e_wait_exit hack 2
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code after the close button"

e2e_start hack velmora -fullscreen
window=$(e2e_wait_window Velmora 10)
e2e_assert_equal "$(e2e_window_geometry "$window")" "0 0 $E2E_WIDTH $E2E_HEIGHT" \
    "fullscreen window's geometry"
e2e_wait_lit lit-fullscreen.png "${E2E_WIDTH}x200+0+$((E2E_HEIGHT - 200))"
e2e_signal hack INT
e2e_wait_exit hack 2
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code after SIGINT"
[ "$E2E_ELAPSED_MS" -le 500 ] || e2e_fail "SIGINT took $E2E_ELAPSED_MS ms to end the hack"
e2e_log "SIGINT ended the hack in $E2E_ELAPSED_MS ms"
