#!/usr/bin/env bash
# A close request from outside before any user input leaves the run going;
# after a key press the run ends.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=../lib/wine_session.sh
source "$here/../lib/wine_session.sh"
# shellcheck source=renderer_steps.sh
source "$here/renderer_steps.sh"

e2e_begin
renderer_start renderer
e2e_run close saver_probe.exe post-close
e2e_assert_equal "$E2E_EXIT_CODE" 0 "WM_CLOSE posted to the window"
renderer_expect_staying renderer 2 "WM_CLOSE from outside"
e2e_wait_focus "$RENDERER_WINDOW"
e2e_key space
renderer_expect_closed renderer "key press after WM_CLOSE from outside"
