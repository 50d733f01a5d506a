#!/usr/bin/env bash
# The music file chosen through the real open-file dialog, its path typed:
# the file row is taken by its label, "..." asks for the file under the
# dialog's own title, the dialog's shading comes back where it lay, and Set
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
dialog_open first
dialog_look look_first
e2e_assert_equal "$(dialog_fact repeat)" "enabled=1 text=12" "the combo box for kind 1, track 12"
e2e_assert_equal "$(dialog_fact file)" "" "lbl_Fname without a file"

dialog_click lbl_BGM2
dialog_wait_fact "repeat enabled=0 text=12"
shot=$(dialog_shot file_row.png)
dialog_expect_marks "$shot" 2
dialog_expect_face "$shot" Cmd_BGM enabled

dialog_click Cmd_BGM
open=$(e2e_wait_window "$OPEN_TITLE")
e2e_wait_focus "$open"
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
