#!/usr/bin/env bash
# The music file chosen through the real open-file dialog: the file row is
# taken by its label; presses elsewhere released over the buttons click none
# of them; "..." asks for the file under the dialog's own title; a
# double-click on a file lying over Set takes it and does not save; then a
# typed path, the dialog's shading comes back where the chooser lay, and Set
# saves kind 2 with the path. The typed path is 258 characters long: the
# label shows its start and the file's name with "..." between them and the
# whole path as its tooltip, and Set keeps it by its short form. Opened again
# with /c:5678, the dialog shows what was saved, and its close box ends it
# without writing.
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

# The typed file lies deep in a music library: 258 characters as Windows
# names it, more than the settings file keeps (255 bytes) and more than the
# label's two lines hold.
readonly LONG_PATH_LENGTH=258
readonly FILE_NAME="night song.mp3"
library="$E2E_RUN_DIR/Music Library/The Artist/Album Title (Deluxe Edition)"
# The last folder takes what the path still needs after the folders above,
# two backslashes and the file's name.
above=$(e2e_windows_path "$library")
room=$((LONG_PATH_LENGTH - ${#above} - 2 - ${#FILE_NAME}))
[ "$room" -gt 8 ] || e2e_fail "the test's folder is too deep for a $LONG_PATH_LENGTH-character path"
disc=$(printf 'Disc One, Bonus Tracks and Live Recordings %.0s' {1..8} | cut -c "1-$((room - 1))")x
mkdir -p "$library/$disc"
mp3="$library/$disc/$FILE_NAME"
cp "$SAVER_MUSIC/$FILE_NAME" "$mp3"
mp3_path=$(e2e_windows_path "$mp3")
e2e_assert_equal "${#mp3_path}" "$LONG_PATH_LENGTH" "the typed path's length"
saver_settings 1 12 ""

# What lbl_Fname shows of the long path: its start, "...", and the file's
# name.
_file_shortened() {
    _dialog_probe_says "dpi 96" && [[ $(dialog_fact file) == 'Z:\'*'...\night song.mp3' ]]
}

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
xdotool type --delay 10 "$mp3_path"
e2e_key Return
e2e_wait_no_window "$OPEN_TITLE"
e2e_poll 5 _file_shortened || e2e_fail "lbl_Fname shows '$(dialog_fact file)'"
shown=$(dialog_fact file)
dialog_look look_chosen
e2e_log "the $LONG_PATH_LENGTH-character path shows as $shown"
# The open-file dialog lay right over the dialog: its shading is back.
dialog_expect_gradients "$(dialog_shot after_open.png)"

dialog_click Cmd_Set
e2e_wait_exit first 10
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code after Set"
saved=$(dialog_profile_writes first | sed -n 's/^BGMﾌｧｲﾙ=//p')
saver_expect_lines "the writes, in order" "$(dialog_profile_writes first | sed 's/= /=/')" \
    "BGM区分=2
BGMﾘﾋﾟｰﾄ=12
BGMﾌｧｲﾙ=$saved
ﾓﾆﾀｰ区分=0"
# Kept by its short form, which names the same file.
[ "${#saved}" -le 255 ] && [[ $saved == *~* ]] || e2e_fail "the path was saved as '$saved'"
[ "$(e2e_unix_path "$saved")" -ef "$mp3" ] || e2e_fail "'$saved' does not name $mp3_path"
e2e_log "the file chosen in the open-file dialog was saved with kind 2 as $saved"

# Opened again, by the switch with a window number after it, which the
# dialog does not use: what was saved.
cp "$SAVER_APP/Velmora.ini" "$E2E_RUN_DIR/saved.ini"
dialog_open second "" /c:5678
dialog_look look_second
e2e_assert_equal "$(dialog_fact repeat)" "enabled=0 text=12" "the combo box as saved"
e2e_assert_equal "$(dialog_fact file)" "$shown" "lbl_Fname as saved"
dialog_activate
shot=$(dialog_shot reopened.png)
dialog_expect_marks "$shot" 2
dialog_expect_face "$shot" Cmd_BGM enabled
e2e_keep_artefact "$(dialog_crop "$shot" "$E2E_RUN_DIR/reopened_dialog.png")" \
    settings-dialog-file.png >/dev/null

# The whole path is the label's tooltip.
_tip_shown() {
    e2e_run tip settings_dialog_probe.exe tip >/dev/null
    [ "$(tr -d '\r' <"$(e2e_stdout tip)")" = "tip $mp3_path" ]
}
read -r tip_x tip_y <<<"$(dialog_point lbl_Fname 20 6)"
e2e_mousemove "$tip_x" "$tip_y"
sleep 0.2
e2e_mousemove $((tip_x + 1)) "$tip_y"
e2e_poll 5 _tip_shown || e2e_fail "the label's tooltip: $(tr -d '\r' <"$(e2e_stdout tip)")"

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
saver_expect_mp3_commands saver "$mp3" "$saved"
e2e_log "the saved MP3 file played in a saver run"
