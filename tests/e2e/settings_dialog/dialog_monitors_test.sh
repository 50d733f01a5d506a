#!/usr/bin/env bash
# The monitors' list of the painting page on two monitors side by side, from
# the keyboard: Tab reaches the page button, Space shows the page, Shift+Tab
# the monitors' list, which shows every monitor for a file without its key;
# Down chooses the main monitor only, and Return saves it beside the music's
# keys, which stay as they were. The next run of Velmora.scr /s paints the
# primary monitor and puts a black cover over the other.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=../lib/wine_session.sh
source "$here/../lib/wine_session.sh"
# shellcheck source=../frontend/scr_checks.sh
source "$here/../frontend/scr_checks.sh"
# shellcheck source=../saver_run/saver_run_steps.sh
source "$here/../saver_run/saver_run_steps.sh"
# shellcheck source=dialog_steps.sh
source "$here/dialog_steps.sh"

readonly PRIMARY=1280x1024+0+0
readonly SECOND=1024x768+1280+0

e2e_begin "$PRIMARY" "$SECOND"
saver_app
saver_settings 0 0

e2e_mousemove 2 2
dialog_open first
e2e_key Tab
dialog_wait_fact "focus Cmd_Page1"
e2e_key space
dialog_wait_fact "page painting"
e2e_key shift+Tab
dialog_wait_fact "focus Look7"
dialog_wait_fact "monitors 全てのﾓﾆﾀｰ|enabled"
e2e_key Down
dialog_wait_fact "monitors ﾒｲﾝﾓﾆﾀｰのみ|enabled"
e2e_key Return
e2e_wait_exit first 10
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code after Return"
saver_expect_lines "the music's section" "$(dialog_ini_lines)" "[Section]
BGM区分=0
BGMﾘﾋﾟｰﾄ=0
BGMﾌｧｲﾙ=
ﾓﾆﾀｰ区分=1"
e2e_log "saved the main monitor only after the music's keys"

# The next run: the window and its painting over the primary, a cover over
# the other monitor.
e2e_mousemove 600 500
e2e_start run "$SAVER_APP/Velmora.scr" /s
window=$(e2e_wait_window "$SAVER_RENDERER_TITLE")
e2e_wait_focus "$window"
e2e_assert_equal "$(e2e_window_geometry "$window")" "0 0 1280 1024" "the window over the primary"
e2e_run covers saver_probe.exe covers
grep -q "^covers=1" "$(e2e_stdout covers)" && grep -q "rect=1280,0,2304,768 " "$(e2e_stdout covers)" ||
    e2e_fail "no cover over the second monitor: $(cat "$(e2e_stdout covers)")"
e2e_wait_lit run.png "$PRIMARY" 15
e2e_assert_equal "$(e2e_image_mean "$(e2e_screenshot run.png)" "$SECOND")" 0 \
    "mean brightness under the cover"
e2e_key space
e2e_wait_exit run 10
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code after a key"
