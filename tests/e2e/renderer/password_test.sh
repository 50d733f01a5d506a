#!/usr/bin/env bash
# The password step on a system that reports the Windows 9x family (Wine told
# so for a copy of the program under a name of its own), with a test-only
# PASSWORD.CPL beside it: no frames and no reaction to input while the dialog
# is open, a refusal keeps the run going with movement measured afresh from
# the cursor at the refusal, an acceptance ends it.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=../lib/wine_session.sh
source "$here/../lib/wine_session.sh"
# shellcheck source=renderer_steps.sh
source "$here/renderer_steps.sh"

readonly DIALOG_TITLE="Velmora test password"
readonly PROGRAM=VelmoraOnNine.dll

dialog_count() {
    xdotool search --name "^$DIALOG_TITLE\$" 2>/dev/null | wc -l
}

no_dialog() { [ "$(dialog_count)" -eq 0 ]; }
some_dialog() { [ "$(dialog_count)" -ne 0 ]; }
not_one_dialog() { [ "$(dialog_count)" -ne 1 ]; }

# wait_dialog: waits for the dialog and for its focus, so that keys reach it.
wait_dialog() {
    local dialog
    dialog=$(e2e_wait_window "$DIALOG_TITLE" 5)
    e2e_wait_focus "$dialog"
}

frames_stopped() {
    local first second
    first=$(e2e_screenshot "$1-a.png")
    sleep 0.5
    second=$(e2e_screenshot "$1-b.png")
    e2e_assert_equal "$(e2e_image_difference "$first" "$second")" 0 "pixels changed while asking"
}

frames_running() {
    local first second
    first=$(e2e_screenshot "$1-a.png")
    sleep 0.5
    second=$(e2e_screenshot "$1-b.png")
    e2e_assert_images_differ "$first" "$second" 10000
}

e2e_begin
folder="$E2E_RUN_DIR/nine"
e2e_copy_programs "$folder" Velmora.dll PASSWORD.CPL
mv "$folder/Velmora.dll" "$folder/$PROGRAM"
e2e_run version "$WINEPREFIX/drive_c/windows/system32/reg.exe" add \
    "HKCU\\Software\\Wine\\AppDefaults\\$PROGRAM" /v Version /d win98 /f
e2e_assert_equal "$E2E_EXIT_CODE" 0 "Windows 98 set for $PROGRAM"

x=$((E2E_WIDTH / 2))
y=$((E2E_HEIGHT / 4))
e2e_mousemove "$x" "$y"
e2e_start renderer "$folder/$PROGRAM"
RENDERER_WINDOW=$(e2e_wait_window "$RENDERER_TITLE")
e2e_wait_focus "$RENDERER_WINDOW"

e2e_key a
wait_dialog
frames_stopped asking
# Movement, and a close request from outside, while the dialog is open.
e2e_mousemove $((x + 60)) $((y + 40))
e2e_run close saver_probe.exe post-close
e2e_assert_equal "$E2E_EXIT_CODE" 0 "WM_CLOSE posted during the dialog"
if e2e_poll 1 not_one_dialog; then
    e2e_fail "$(dialog_count) dialogs after input during the dialog"
fi

e2e_key n
e2e_poll 2 no_dialog || e2e_fail "the dialog stayed after its answer"
renderer_expect_staying renderer 1 "a refused password"
frames_running refused

# 3 pixels from where the cursor was at the refusal, far from where it was
# before: no question.
e2e_mousemove $((x + 63)) $((y + 40))
if e2e_poll 1 some_dialog; then
    e2e_fail "a move of 3 pixels after the refusal asked again"
fi
e2e_mousemove $((x + 68)) $((y + 40))
wait_dialog
e2e_key y
renderer_expect_closed renderer "an accepted password"
e2e_assert_equal "$(tr -d '\r' <"$(e2e_stdout renderer)" | paste -sd ' ')" \
    "asked refused asked accepted" "questions and answers"
