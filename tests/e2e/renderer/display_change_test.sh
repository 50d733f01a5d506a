#!/usr/bin/env bash
# A new resolution while the renderer runs: its window follows the display to
# the new size, the painting fills it, and input still ends the run. Wine's
# virtual desktop is a display whose resolution a program can change, which
# the X screen under the tests cannot.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=../lib/wine_session.sh
source "$here/../lib/wine_session.sh"
# shellcheck source=renderer_steps.sh
source "$here/renderer_steps.sh"

readonly DESKTOP=velmora

geometry_is() {
    [ "$(e2e_window_geometry "$RENDERER_WINDOW")" = "$1" ]
}

# True once the painting lights the new display and nothing shows beyond it.
painting_fills() {
    local shot
    shot=$(e2e_screenshot resized.png)
    awk -v inside="$(e2e_image_mean "$shot" "800x600+0+0")" \
        -v right="$(e2e_image_mean "$shot" "224x600+800+0")" \
        -v below="$(e2e_image_mean "$shot" "1024x168+0+600")" \
        'BEGIN { exit !(inside > 0.01 && right == 0 && below == 0) }'
}

e2e_begin
e2e_start_in_desktop renderer "$DESKTOP,1024x768" Velmora.dll
RENDERER_WINDOW=$(e2e_wait_window "$RENDERER_TITLE")
e2e_poll 10 geometry_is "0 0 1024 768" || e2e_fail "the window does not cover the 1024x768 desktop"

e2e_start_in_desktop resolution "$DESKTOP" display_changer.exe 800 600
e2e_poll 10 geometry_is "0 0 800 600" ||
    e2e_fail "the window stayed at $(e2e_window_geometry "$RENDERER_WINDOW") after the change to 800x600"
e2e_log "window followed the display to 800x600 after $E2E_ELAPSED_MS ms"
e2e_poll 15 painting_fills || e2e_fail "the painting does not fill the 800x600 display"
# The screenshot's means: inside the new display and beyond it.
e2e_log "mean brightness $(e2e_image_mean "$E2E_RUN_DIR/resized.png" 800x600+0+0) inside," \
    "$(e2e_image_mean "$E2E_RUN_DIR/resized.png" 224x600+800+0) beyond"
[ -n "$(e2e_find_window "$RENDERER_TITLE")" ] || e2e_fail "the display change ended the run"

e2e_key Escape
e2e_wait_no_window "$RENDERER_TITLE" 2
