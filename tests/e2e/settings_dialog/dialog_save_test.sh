#!/usr/bin/env bash
# The settings dialog as Velmora.scr /c shows it, used with real clicks and
# keys: it opens centred a third from the top with the designed client area,
# every control in its place, the shading and the button faces drawn; a second
# /c meanwhile ends at once; the CD mark enables the combo box and disables
# "..."; track 12 chosen from the list and Set, clicked where the pointer
# rested while Tab took the keyboard past it, write the three keys in order,
# the remembered music file included, and the dialog zooms in and out. Then
# Cancel after a change leaves the file as it was, byte for byte. A Set that
# cannot write Velmora.ini (a folder of that name, an unchangeable file) shows
# a message box with its path and keeps the dialog open; Set then saves.
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
e2e_begin
saver_app
saver_media
mp3="$SAVER_MUSIC/night song.mp3"
saver_settings 2 0 "$mp3"

# Opened from where the pointer rests, which the closing zoom goes back to.
e2e_mousemove 2 2
dialog_open first
dialog_look look_first
e2e_assert_equal "$(dialog_fact client)" "479 252" "client area at 96 dpi"
e2e_assert_equal "$(dialog_fact repeat)" "enabled=0 text=" "the combo box for kind 2, track 0"
e2e_assert_equal "$(dialog_fact file)" "$(e2e_windows_path "$mp3")" "lbl_Fname"

dialog_activate
shot=$(dialog_shot opened.png)
dialog_expect_gradients "$shot"
dialog_expect_heading_frame "$shot"
dialog_expect_marks "$shot" 2
for button in Cmd_BGM Cmd_Etc Cmd_Set Cmd_Can; do
    dialog_expect_face "$shot" "$button" enabled
done
e2e_keep_artefact "$(dialog_crop "$shot" "$E2E_RUN_DIR/dialog.png")" settings-dialog.png >/dev/null
e2e_log "opened: layout, shading, marks and faces as designed"

# The dialog's title is what a second start looks for.
e2e_start again "$SAVER_APP/Velmora.scr" /c
scr_expect_silent_end again
e2e_log "a second /c ended at once"

# The CD row: its mark, the combo box on, the file button off.
dialog_click Img_BGM1
dialog_wait_fact "repeat enabled=1 text="
shot=$(dialog_shot cd.png)
dialog_expect_marks "$shot" 1
dialog_expect_face "$shot" Cmd_BGM disabled

# Track 12 from the combo box's list: open it, type its number, take it.
read -r _ _ width height <<<"${DIALOG_RECT[BGM_Repeat]}"
dialog_click BGM_Repeat $((width - 8)) $((height / 2))
sleep 0.3
e2e_key 1 2 Return
dialog_wait_fact "repeat enabled=1 text=12"

# The pointer rests on Set while Tab takes the keyboard past it; a click
# there without a move still saves.
read -r set_x set_y <<<"$(dialog_point Cmd_Set)"
e2e_mousemove "$set_x" "$set_y"
sleep 0.3
e2e_mousemove $((set_x + 1)) "$set_y"
sleep 0.3
e2e_wait_focus "$DIALOG_WINDOW"
e2e_key Tab Tab Tab Tab
dialog_wait_fact "focus Cmd_Can"
e2e_click 1
e2e_wait_exit first 10
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code after Set"
e2e_wait_no_window "$DIALOG_TITLE"
# Wine's writer may drop the blank before a number.
saver_expect_lines "the writes, in order" "$(dialog_profile_writes first | sed 's/= /=/')" \
    "BGM区分=1
BGMﾘﾋﾟｰﾄ=12
BGMﾌｧｲﾙ=$(e2e_windows_path "$mp3")
ﾓﾆﾀｰ区分=0"
saver_expect_lines "Velmora.ini" "$(dialog_ini_lines)" "[Section]
BGM区分=1
BGMﾘﾋﾟｰﾄ=12
BGMﾌｧｲﾙ=$(e2e_windows_path "$mp3")
ﾓﾆﾀｰ区分=0"
e2e_log "Set wrote kind 1, track 12 and the remembered file, in that order"
# The zoom in when it opened and out when it closed: this Wine's
# DrawAnimatedRects only reports its calls, with the caption animation (3).
zooms=$(grep -cE 'DrawAnimatedRects \([0-9A-Fa-f]+,3,' "$(e2e_stderr first)" || true)
if grep -q 'DrawAnimatedRects' "$(e2e_stderr first)"; then
    e2e_assert_equal "$zooms" 2 "caption zooms (in and out)"
else
    e2e_log "this Wine does not report DrawAnimatedRects: the zooms are not checked"
fi

# Cancel after choosing "none" by its label.
cp "$SAVER_APP/Velmora.ini" "$E2E_RUN_DIR/saved.ini"
dialog_open second
dialog_look look_second
e2e_assert_equal "$(dialog_fact repeat)" "enabled=1 text=12" "the combo box as saved"
dialog_click lbl_BGM0
dialog_wait_fact "repeat enabled=0 text=12"
dialog_expect_marks "$(dialog_shot none.png)" 0
dialog_click Cmd_Can
e2e_wait_exit second 10
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code after Cancel"
cmp "$E2E_RUN_DIR/saved.ini" "$SAVER_APP/Velmora.ini" ||
    e2e_fail "Cancel changed Velmora.ini"
[ -z "$(dialog_profile_writes second)" ] || e2e_fail "Cancel wrote: $(dialog_profile_writes second)"
e2e_log "Cancel left Velmora.ini byte for byte"

# A save that cannot reach the file says so with the file's path, in a
# message box over the dialog, and leaves the dialog open with the choice in
# it; once the cause is gone, Set saves. First Velmora.ini as a folder, then
# (where the file system lets even root be refused) an unchangeable file.
readonly MESSAGE_TITLE="Velmora (ScreenSaver)"
ini="$SAVER_APP/Velmora.ini"
ini_path=$(e2e_windows_path "$ini")

# set_fails NAME: Set brings the message box, which names Velmora.ini; once
# it is closed the dialog stays, with the CD row still chosen.
set_fails() {
    local text
    dialog_click Cmd_Set
    e2e_wait_window "$MESSAGE_TITLE" >/dev/null
    e2e_run "message_$1" settings_dialog_probe.exe message
    text=$(tr -d '\r' <"$(e2e_stdout "message_$1")")
    [[ $text == "message 設定を保存できませんでした。"*" / "*"$ini_path" ]] ||
        e2e_fail "the message box says: $text"
    # Closed through its button: this Wine does not always give the keyboard
    # to a window that a click opened.
    e2e_run "close_$1" settings_dialog_probe.exe close-message
    e2e_wait_no_window "$MESSAGE_TITLE"
    e2e_expect_running "$1" 1
    dialog_wait_fact "repeat enabled=1 text="
    dialog_expect_marks "$(dialog_shot "failed_$1.png")" 1
    e2e_log "$1: the message box named $ini_path; the dialog stayed with its choice"
}

rm "$ini"
mkdir "$ini"
dialog_open folder
dialog_look look_folder
dialog_click Img_BGM1
set_fails folder
[ -z "$(ls -A "$ini")" ] || e2e_fail "something was written into the folder: $(ls -A "$ini")"
rmdir "$ini"
dialog_click Cmd_Set
e2e_wait_exit folder 10
saver_expect_lines "Velmora.ini after the folder went" "$(dialog_ini_lines)" "[Section]
BGM区分=1
BGMﾘﾋﾟｰﾄ=0
BGMﾌｧｲﾙ=
ﾓﾆﾀｰ区分=0"

saver_settings 0 0 "$mp3"
cp "$ini" "$E2E_RUN_DIR/unchangeable.ini"
if chattr +i "$ini" 2>/dev/null; then
    e2e_at_end chattr -i "$ini"
    dialog_open locked
    dialog_look look_locked
    dialog_click lbl_BGM1
    set_fails locked
    chattr -i "$ini"
    cmp "$E2E_RUN_DIR/unchangeable.ini" "$ini" || e2e_fail "the unchangeable file changed"
    dialog_click Cmd_Set
    e2e_wait_exit locked 10
    saver_expect_lines "Velmora.ini once it could be changed" "$(dialog_ini_lines)" "[Section]
BGM区分=1
BGMﾘﾋﾟｰﾄ=0
BGMﾌｧｲﾙ=$(e2e_windows_path "$mp3")
ﾓﾆﾀｰ区分=0"
else
    e2e_log "this file system cannot make a file unchangeable (chattr +i): that case is not run"
fi
