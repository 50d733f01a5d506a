#!/usr/bin/env bash
# The settings dialog from the keyboard alone, from its opening: the focus
# starts on the chosen kind with its dotted rectangle; Tab and Shift+Tab go
# round the kind, the track list while audio CD is chosen, "..." while a file
# is chosen, the button to the painting page and the three buttons; a click
# on the greyed "..." leaves the keyboard where it was; Up chooses audio CD
# and Return saves it.
# Opened again: Escape closes the dropped-down track list first; Down Down
# chooses the file row, Tab reaches "..." and Space opens the open-file
# dialog; Escape closes it and then the dialog, which leaves Velmora.ini byte
# for byte.
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
readonly OPEN_TITLE="ﾌｧｲﾙを開く"
e2e_begin
saver_app
saver_media
mp3="$SAVER_MUSIC/night song.mp3"
saver_settings 0 0 "$mp3"

# expect_focus NAME: the probe finds the keyboard on that control; then the
# dialog is made the active window again, which gives the keyboard back to
# the same control.
expect_focus() {
    dialog_wait_fact "focus $1"
    dialog_activate
}

# keys KEY...: each key in turn into the dialog, which has the focus.
keys() {
    e2e_wait_focus "$DIALOG_WINDOW"
    e2e_key "$@"
}

e2e_mousemove 2 2
dialog_open first
dialog_look look_first
shot_kind=$(dialog_shot focus_kind.png)
expect_focus lbl_BGM0

# Round and back with kind 0: no track list, no "...".
for stop in Cmd_Page1 Cmd_Etc Cmd_Set Cmd_Can lbl_BGM0; do
    keys Tab
    expect_focus "$stop"
done
keys shift+Tab
expect_focus Cmd_Can
shot_other=$(dialog_shot focus_elsewhere.png)
keys Tab
expect_focus lbl_BGM0

# The dotted rectangle round the focused label, and only there.
crop_label() {
    local x y width height
    read -r x y width height <<<"${DIALOG_RECT[lbl_BGM0]}"
    convert "$1" -crop "$((width + 4))x$((height + 4))+$((x - 2))+$((y - 2))" +repage "$2"
}
crop_label "$shot_kind" "$E2E_RUN_DIR/label_focused.png"
crop_label "$shot_other" "$E2E_RUN_DIR/label_unfocused.png"
e2e_assert_images_differ "$E2E_RUN_DIR/label_focused.png" "$E2E_RUN_DIR/label_unfocused.png" 10
convert "$shot_kind" -fill black -draw "rectangle $(
    read -r x y width height <<<"${DIALOG_RECT[lbl_BGM0]}"
    echo "$((x - 2)),$((y - 2)) $((x + width + 1)),$((y + height + 1))"
)" "$E2E_RUN_DIR/kind_masked.png"
convert "$shot_other" -fill black -draw "rectangle $(
    read -r x y width height <<<"${DIALOG_RECT[lbl_BGM0]}"
    echo "$((x - 2)),$((y - 2)) $((x + width + 1)),$((y + height + 1))"
)" "$E2E_RUN_DIR/other_masked.png"
# Elsewhere only the focused button's face (Cmd_Can's, gone from the second
# shot) tells the two apart.
read -r cx cy cw ch <<<"${DIALOG_RECT[Cmd_Can]}"
for shot in kind other; do
    convert "$E2E_RUN_DIR/${shot}_masked.png" -fill black \
        -draw "rectangle $cx,$cy $((cx + cw)),$((cy + ch))" "$E2E_RUN_DIR/${shot}_masked.png"
done
e2e_assert_equal "$(e2e_image_difference "$E2E_RUN_DIR/kind_masked.png" \
    "$E2E_RUN_DIR/other_masked.png")" 0 "pixels that differ beside the focused label"
e2e_log "the focus starts on the kind, with its dotted rectangle; Tab goes round"

# A click on the greyed "..." leaves the keyboard on the kind, where the
# arrow keys go on choosing.
dialog_click Cmd_BGM
sleep 0.3
dialog_wait_fact "focus lbl_BGM0"

# Up: audio CD, with the track list in the round; Up again stays there.
keys Up
dialog_wait_fact "repeat enabled=1 text="
expect_focus lbl_BGM1
keys Up Tab
expect_focus BGM_Repeat
keys Tab
expect_focus Cmd_Page1
keys shift+Tab shift+Tab
expect_focus lbl_BGM1
dialog_expect_marks "$(dialog_shot cd.png)" 1

# Return on the kind saves as Set does.
keys Return
e2e_wait_exit first 10
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code after Return"
saver_expect_lines "Velmora.ini" "$(dialog_ini_lines)" "[Section]
BGM区分=1
BGMﾘﾋﾟｰﾄ=0
BGMﾌｧｲﾙ=$(e2e_windows_path "$mp3")
ﾓﾆﾀｰ区分=0"
e2e_log "Up and Return saved kind 1"

# Opened again: Escape closes the dropped-down list, not the dialog.
cp "$SAVER_APP/Velmora.ini" "$E2E_RUN_DIR/saved.ini"
dialog_open second
dialog_look look_second
expect_focus lbl_BGM1
keys Tab F4
sleep 0.5
keys Escape
e2e_expect_running second 1
expect_focus BGM_Repeat

# Down Down: the file row; Tab reaches "..." and Space opens the chooser.
keys shift+Tab Down Down Down
dialog_wait_fact "repeat enabled=0 text="
expect_focus lbl_BGM2
dialog_expect_marks "$(dialog_shot file.png)" 2
keys Tab
expect_focus Cmd_BGM
dialog_open_chooser "$OPEN_TITLE" keys space
e2e_key Escape
e2e_wait_no_window "$OPEN_TITLE"
e2e_expect_running second 1
keys Escape
e2e_wait_exit second 10
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code after Escape"
cmp "$E2E_RUN_DIR/saved.ini" "$SAVER_APP/Velmora.ini" || e2e_fail "Escape changed Velmora.ini"
[ -z "$(dialog_profile_writes second)" ] || e2e_fail "Escape wrote: $(dialog_profile_writes second)"
e2e_log "Escape closed the list, then the chooser, then the dialog, writing nothing"
