#!/usr/bin/env bash
# The renderer's window: its class and title, topmost and borderless over the
# whole screen, no cover on a single monitor, frames that change and are not
# black, the icon and manifest the program carries; and the pixel format the
# renderer's choice takes here, with the swap it promises.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=../lib/wine_session.sh
source "$here/../lib/wine_session.sh"
# shellcheck source=renderer_steps.sh
source "$here/renderer_steps.sh"

# The format tells whether the painting keeps its own picture: a format that
# promises to copy at the swap, by its descriptor (PFD_SWAP_COPY) or by the
# driver's WGL_SWAP_METHOD_ARB, leaves it in the back buffer. Among the formats
# of the best score the renderer takes one with that promise; Wine on Mesa has
# them, so here the painting must trust the swap.
check_pixel_format() {
    e2e_run pixels saver_probe.exe pixel-format
    e2e_assert_equal "$E2E_EXIT_CODE" 0 "a pixel format was set"
    e2e_assert_equal "$(probe_value pixels double-buffer)" 1 "double-buffered format"
    e2e_assert_equal "$(probe_value pixels score)" "$(probe_value pixels best-score)" \
        "the chosen format's score"
    [ "$(probe_value pixels best-scored-keeping-picture)" -gt 0 ] ||
        e2e_fail "no format of the best score promises to keep the picture here"
    e2e_assert_equal "$(probe_value pixels copy-path)" 0 "copy path"
    e2e_log "pixel format $(probe_value pixels chosen) of $(probe_value pixels formats)" \
        "($(probe_value pixels qualifying) qualify, $(probe_value pixels qualifying-with-swap-copy)" \
        "of them with swap-copy and $(probe_value pixels qualifying-with-swap-exchange) with" \
        "swap-exchange by the descriptor, $(probe_value pixels qualifying-with-driver-swap-copy)" \
        "with WGL_SWAP_COPY_ARB; $(probe_value pixels best-scored-keeping-picture) of the best" \
        "score $(probe_value pixels best-score) keep the picture), flags" \
        "$(probe_value pixels flags), swap method $(probe_value pixels swap-method): the" \
        "painting $([ "$(probe_value pixels copy-path)" = 0 ] && echo "trusts the swap" ||
            echo "keeps its own picture")"
}

check_window_record() {
    e2e_run describe saver_probe.exe describe
    e2e_assert_equal "$E2E_EXIT_CODE" 0 "probe found the window"
    e2e_assert_equal "$(probe_value describe class)" WindowsScreenSaverClass "window class"
    e2e_assert_equal "$(probe_value describe title)" "$RENDERER_TITLE" "title"
    e2e_assert_equal "$(probe_value describe topmost)" 1 "topmost"
    e2e_assert_equal "$(probe_value describe popup)" 1 "popup window"
    e2e_assert_equal "$(probe_value describe caption)" 0 "caption"
    e2e_assert_equal "$(probe_value describe visible)" 1 "visible"
    e2e_assert_equal "$(probe_value describe rect)" "0,0,$E2E_WIDTH,$E2E_HEIGHT" "window rectangle"
    e2e_assert_equal "$(e2e_window_geometry "$RENDERER_WINDOW")" "0 0 $E2E_WIDTH $E2E_HEIGHT" \
        "X window geometry"
    e2e_run covers saver_probe.exe covers
    e2e_assert_equal "$(probe_value covers covers)" 0 "cover windows on one monitor"
}

# True once the screen is lit: the first frames hold only a few particles, and
# a busy machine draws them slowly.
screen_lit() {
    awk -v mean="$(e2e_image_mean "$(e2e_screenshot lit.png)")" 'BEGIN { exit !(mean > 0.01) }'
}

check_frames() {
    local first second
    e2e_poll 10 screen_lit || e2e_fail "the screen stayed black for 10 s"
    first=$(e2e_screenshot first.png)
    sleep 0.5
    second=$(e2e_screenshot second.png)
    e2e_assert_not_black "$first"
    e2e_assert_not_black "$second"
    # The painting moves on every frame: a large part of the screen changes.
    e2e_assert_images_differ "$first" "$second" 10000
    e2e_log "mean brightness $(e2e_image_mean "$second"), $(e2e_image_difference "$first" \
        "$second") pixels changed in 0.5 s"
}

check_resources() {
    e2e_run resources saver_probe.exe resources "$(e2e_windows_path "$VELMORA_E2E_BIN_DIR/Velmora.dll")"
    local icons
    icons=$(tr -d '\r' <"$(e2e_stdout resources)" |
        sed -n 's/^icon 7002=\([0-9x]*\) bits=32$/\1/p' | sort -n | xargs)
    e2e_assert_equal "$icons" "16x16 24x24 32x32 48x48 256x256" "32-bit images of icon 7002"
    e2e_assert_equal "$(probe_value resources 'manifest dpi-aware')" 1 "DPI-aware manifest"
    # Each monitor's own pixels, so that a painting fits a monitor of any scale.
    e2e_assert_equal "$(probe_value resources 'manifest dpi-awareness')" \
        "PerMonitorV2, PerMonitor" "awareness of each monitor's resolution"
    e2e_assert_equal "$(probe_value resources 'version ProductVersion')" "$VELMORA_VERSION" \
        "product version"
    e2e_assert_equal "$(probe_value resources 'version OriginalFilename')" Velmora.dll \
        "original file name"
}

e2e_begin
check_pixel_format
renderer_start renderer
check_window_record
check_frames
check_resources
e2e_key Escape
renderer_expect_closed renderer "Escape"
