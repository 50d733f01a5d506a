#!/usr/bin/env bash
# The music file chosen through the real open-file dialog: the file row is
# taken by its label; presses elsewhere released over the buttons click none
# of them; "..." asks for the file under the dialog's own title; a
# double-click on a file lying over Set takes it and does not save; then a
# typed path, the dialog's shading comes back where the chooser lay, and Set
# saves kind 2 with the path. Opened again with /c:5678, the dialog shows what
# was saved, and its close box ends it without writing.
# Then a saver run plays the saved MP3 file.
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
mp3_path=$(e2e_windows_path "$mp3")
saver_settings 1 12 ""

e2e_mousemove 2 2
dialog_open first trace+exec
dialog_look look_first
e2e_assert_equal "$(dialog_fact repeat)" "enabled=1 text=12" "the combo box for kind 1, track 12"
e2e_assert_equal "$(dialog_fact file)" "" "lbl_Fname without a file"

dialog_click lbl_BGM2
dialog_wait_fact "repeat enabled=0 text=12"
shot=$(dialog_shot file_row.png)
dialog_expect_marks "$shot" 2
dialog_expect_face "$shot" Cmd_BGM enabled

# A press on the file row's label or mark, on the panel or outside the
# dialog, released over any of the four buttons, clicks none of them: the
# dialog stays, no chooser opens, the maker's page does not open, nothing is
# written.
drag_to() {
    local x y
    # shellcheck disable=SC2086 # X and Y
    e2e_mousemove $1
    sleep 0.1
    xdotool mousedown 1
    read -r x y <<<"$(dialog_point "$2")"
    e2e_mousemove "$x" "$y"
    e2e_mousemove $((x + 1)) "$y"
    sleep 0.2
    xdotool mouseup 1
}
for from in "$(dialog_point lbl_BGM2)" "$(dialog_point Img_BGM2)" "$(dialog_point Pic_C 8 8)" \
    "2 2"; do
    for button in Cmd_BGM Cmd_Etc Cmd_Set Cmd_Can; do
        drag_to "$from" "$button"
    done
done
e2e_expect_running first 1
[ -z "$(e2e_find_window "$OPEN_TITLE")" ] || e2e_fail "a release without its press opened the chooser"
! grep -q "trace:exec:ShellExecute" "$(e2e_stderr first)" ||
    e2e_fail "a release without its press opened the maker's page"
[ -z "$(dialog_profile_writes first)" ] || e2e_fail "a release without its press saved"
e2e_log "presses elsewhere released over the buttons clicked none of them"
# The press outside went to the display's root window, which leaves the
# dialog without the keyboard until it is clicked.
dialog_activate

# A double-click on a file in the chooser that lies over Set takes the file:
# the chooser closes on the second press, whose release lands on Set and
# must not save.
dialog_open_chooser "$OPEN_TITLE" dialog_click Cmd_BGM
xdotool type --delay 20 "$(e2e_windows_path "$SAVER_MUSIC")"
e2e_key Return
sleep 0.5
read -r set_x set_y <<<"$(dialog_point Cmd_Set)"
e2e_run place settings_dialog_probe.exe place-chooser "$set_x" "$set_y"
e2e_assert_equal "$(tr -d '\r' <"$(e2e_stdout place)")" "item $set_x $set_y" "the chooser's first file"
e2e_mousemove "$set_x" "$set_y"
sleep 0.3
xdotool click --repeat 2 --delay 80 1
e2e_wait_no_window "$OPEN_TITLE"
dialog_wait_fact "file $(e2e_windows_path "$SAVER_MUSIC/ame 雨.Wav")"
e2e_expect_running first 1
[ -z "$(dialog_profile_writes first)" ] || e2e_fail "the double-click's release saved"
e2e_log "a double-click over Set took the file and left the dialog open"

dialog_open_chooser "$OPEN_TITLE" dialog_click Cmd_BGM
xdotool type --delay 20 "$mp3_path"
e2e_key Return
e2e_wait_no_window "$OPEN_TITLE"
dialog_wait_fact "file $mp3_path"
# The open-file dialog lay right over the dialog: its shading is back.
dialog_expect_gradients "$(dialog_shot after_open.png)"

dialog_click Cmd_Set
e2e_wait_exit first 10
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code after Set"
saver_expect_lines "the writes, in order" "$(dialog_profile_writes first | sed 's/= /=/')" \
    "BGM区分=2
BGMﾘﾋﾟｰﾄ=12
BGMﾌｧｲﾙ=$mp3_path"
e2e_log "the file chosen in the open-file dialog was saved with kind 2"

# Opened again, by the switch with a window number after it, which the
# dialog does not use: what was saved.
cp "$SAVER_APP/Velmora.ini" "$E2E_RUN_DIR/saved.ini"
dialog_open second "" /c:5678
dialog_look look_second
e2e_assert_equal "$(dialog_fact repeat)" "enabled=0 text=12" "the combo box as saved"
e2e_assert_equal "$(dialog_fact file)" "$mp3_path" "lbl_Fname as saved"
dialog_activate
shot=$(dialog_shot reopened.png)
dialog_expect_marks "$shot" 2
dialog_expect_face "$shot" Cmd_BGM enabled
e2e_keep_artefact "$(dialog_crop "$shot" "$E2E_RUN_DIR/reopened_dialog.png")" \
    settings-dialog-file.png >/dev/null

# The close box sits at the right end of the caption bar.
read -r left top width _ <<<"$(dialog_fact window)"
e2e_mousemove $((left + width - 12)) $(((top + DIALOG_ORIGIN_Y) / 2))
sleep 0.1
e2e_click 1
e2e_wait_exit second 10
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code after the close box"
cmp "$E2E_RUN_DIR/saved.ini" "$SAVER_APP/Velmora.ini" || e2e_fail "the close box changed Velmora.ini"
e2e_log "reopened as saved; the close box wrote nothing"

# The saved choice plays.
saver_start saver /s
saver_wait_run
saver_key_ends_run saver
saver_expect_mp3_commands saver "$mp3"
e2e_log "the saved MP3 file played in a saver run"
