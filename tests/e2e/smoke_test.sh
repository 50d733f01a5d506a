#!/usr/bin/env bash
# A Windows program runs on the virtual display as the Velmora programs need:
# code page 932, a wave output device, the Japanese dialog fonts, OpenGL drawing
# that a screenshot sees, and real keys that reach it and end it.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=lib/wine_session.sh
source "$here/lib/wine_session.sh"

title="Velmora smoke window"
exit_code_on_key=42
# The window's OpenGL fill colour (0.2, 0.6, 1.0), and how far llvmpipe's
# rounding may take the screenshot from it.
fill=(51 153 255)
tolerance=3

expect_line() {
    grep -qxE -- "$1" "$(e2e_stdout smoke)" ||
        e2e_fail "the program did not report '$1'; it said: $(cat "$(e2e_stdout smoke)")"
}

check_environment_report() {
    expect_line 'acp 932'
    expect_line 'wave-out-devices [1-9][0-9]*'
    expect_line 'font ＭＳ Ｐゴシック = IPA Pゴシック'
    expect_line 'font ＭＳ ゴシック = IPAゴシック'
    expect_line 'font MS UI Gothic = IPA Pゴシック'
    expect_line 'gl-renderer [^(].*'
}

check_fill_colour() {
    local window=$1 x y width height shot
    read -r x y width height < <(e2e_window_geometry "$window")
    shot=$(e2e_screenshot window.png)
    e2e_assert_not_black "$shot"
    local colour
    read -r -a colour < <(e2e_image_colour "$shot" "${width}x${height}+${x}+${y}")
    local channel
    for channel in 0 1 2; do
        local difference=$((colour[channel] - fill[channel]))
        [ "${difference#-}" -le "$tolerance" ] ||
            e2e_fail "window shows ${colour[*]}, drew ${fill[*]}"
    done
    e2e_log "window at $x,$y ${width}x$height shows ${colour[*]}"
}

e2e_begin
e2e_start smoke smoke_window.exe
window=$(e2e_wait_window "$title")
e2e_wait_focus "$window"
check_environment_report
check_fill_colour "$window"

e2e_key Escape
e2e_wait_exit smoke 10
e2e_assert_equal "$E2E_EXIT_CODE" "$exit_code_on_key" "exit code after a key"
expect_line 'key 27'
e2e_log "key press to process gone: $E2E_ELAPSED_MS ms"
