#!/usr/bin/env bash
# Started while another saver's window (class WindowsScreenSaverClass, title
# "Screensaver") exists, the renderer brings that window to the front and ends
# at once with exit code 0, without a window of its own.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=../lib/wine_session.sh
source "$here/../lib/wine_session.sh"
# shellcheck source=renderer_steps.sh
source "$here/renderer_steps.sh"

e2e_begin
# The rival reports "ready" once another window of its own is in front of it,
# and "activated" whenever it is brought to the front after that.
e2e_start rival saver_probe.exe rival 30
e2e_wait_for_text "$(e2e_stdout rival)" '^ready' 20
e2e_wait_window Screensaver 5 >/dev/null

e2e_start renderer Velmora.dll /s
e2e_wait_exit renderer 10
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code beside another saver"
[ -z "$(e2e_find_window "$RENDERER_TITLE")" ] || e2e_fail "a $RENDERER_TITLE window is up"
e2e_wait_for_text "$(e2e_stdout rival)" '^activated' 5
e2e_log "the other saver's window was brought to the front"
