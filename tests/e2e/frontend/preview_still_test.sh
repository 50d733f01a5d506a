#!/usr/bin/env bash
# The still's pixels, in a host window of the probe's own process (Wine does
# not draw a child window that belongs to another process), where the preview
# gets no pixel format and so cannot move: the picture the system decodes from
# the program's JPEG, at its natural size from the top-left corner, black
# beside and below it in a larger host, cut in a smaller one.
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
source "$here/../lib/wine_session.sh"
source "$here/scr_checks.sh"
e2e_begin

still="$VELMORA_SOURCE_DIR/frontend/still/preview_still.jpg"

# check_host WIDTH HEIGHT
check_host() {
    local width=$1 height=$2 name="still${1}x$2"
    local ready="$E2E_RUN_DIR/$name.ready"
    # The host lies at the screen's top-left corner, white where nothing covers it.
    e2e_start "$name" frontend_probe.exe still "$width" "$height" "$(e2e_windows_path "$ready")" 60
    scr_wait_ready "$ready" >/dev/null
    local shot
    shot=$(e2e_screenshot "$name.png")

    local seen_w=$((width < 152 ? width : 152)) seen_h=$((height < 112 ? height : 112))
    local region="${seen_w}x${seen_h}+0+0"
    convert "$shot" -crop "$region" +repage "$E2E_RUN_DIR/$name-seen.png"
    convert "$still" -crop "$region" +repage "$E2E_RUN_DIR/$name-expected.png"
    # Decoders may round a colour differently; a wrong, shifted or scaled
    # picture differs by far more.
    local error
    error=$(compare -metric RMSE "$E2E_RUN_DIR/$name-seen.png" "$E2E_RUN_DIR/$name-expected.png" \
        null: 2>&1 | sed -E 's/.*\((.*)\)/\1/') || true
    awk -v e="$error" 'BEGIN { exit !(e + 0 < 0.02) }' ||
        e2e_fail "$name: the still differs from the JPEG (normalised RMSE $error)"
    e2e_assert_not_black "$shot" "$region"

    # Beside and below the picture: the preview window's black, not the host's white.
    local strip
    for strip in "$((width - seen_w))x${height}+${seen_w}+0" "${width}x$((height - seen_h))+0+${seen_h}"; do
        [[ $strip == 0x* || $strip == *x0+* ]] && continue
        local brightest
        brightest=$(convert "${shot}[$strip]" -format '%[fx:maxima]' info:)
        awk -v m="$brightest" 'BEGIN { exit !(m + 0 < 0.02) }' ||
            e2e_fail "$name: not black at $strip (brightest $brightest)"
    done
    touch "$ready.stop"
    e2e_wait_exit "$name"
    e2e_log "$name: RMSE $error against the JPEG, black around it"
}

check_host 152 112
check_host 200 150
check_host 100 80
