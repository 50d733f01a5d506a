#!/usr/bin/env bash
# Velmora in a folder whose name code page 932 cannot write, C:\Velmora Łódź,
# with a music file named the same way, "Zoë Łoś.mp3": chosen in the real
# open-file dialog of /c, the file is shown by its long name and saved into
# that folder's Velmora.ini by its short path (a short path that reads back as
# the long name it came from); /s finds the renderer, the painting appears
# and the file opens and plays by its short path; /c opened again shows the
# long name and saves that folder's Velmora.ini again (a click on the CD mark,
# then Set); /p shows the still in the host's window.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=../lib/wine_session.sh
source "$here/../lib/wine_session.sh"
# shellcheck source=scr_checks.sh
source "$here/scr_checks.sh"
# shellcheck source=../saver_run/saver_run_steps.sh
source "$here/../saver_run/saver_run_steps.sh"
# shellcheck source=../settings_dialog/dialog_steps.sh
source "$here/../settings_dialog/dialog_steps.sh"
e2e_begin

saver_app_on_drive_c "Velmora Łódź"
music="$E2E_RUN_DIR/Zoë Łoś music"
mkdir -p "$music"
sox -q -n -r 22050 -c 1 -b 16 -t wav "$E2E_RUN_DIR/tone.wav" synth 2 sine 440
lame --quiet -b 64 "$E2E_RUN_DIR/tone.wav" "$music/Zoë Łoś.mp3"

# The bytes that Velmora gives a byte interface for the music file, and the
# path that those bytes name when read back.
mp3_path=$(e2e_windows_path "$music/Zoë Łoś.mp3")
e2e_run short frontend_probe.exe path-bytes "$mp3_path"
_probe_line() {
    sed -n "$1p" "$(e2e_stdout short)" | tr -d '\r\n' | perl -ne 'print pack("H*", $_)'
}
short=$(_probe_line 1)
e2e_log "the music file's short path: $short"
if [[ ! $short =~ ^Z:\\.*~.*\.MP3$ ]] || LC_ALL=C grep -q '[^ -~]' <<<"$short"; then
    e2e_fail "the music file has no plain ASCII short path: '$short'"
fi
e2e_assert_equal "$(_probe_line 2)" "$mp3_path" "the long name of the short path"
saver_settings 0 0 ""

# The file chosen by its long name in the open-file dialog.
readonly OPEN_TITLE="ﾌｧｲﾙを開く"
e2e_mousemove 2 2
dialog_open choose
dialog_look look_choose
dialog_click lbl_BGM2
dialog_wait_fact "repeat enabled=0 text="
# The keyboard cannot type these names here, so the folder and the file are
# opened from the chooser's list, where each is the first item.
_open_first_item() {
    e2e_run "$1" settings_dialog_probe.exe place-chooser 640 400
    e2e_assert_equal "$(tr -d '\r' <"$(e2e_stdout "$1")")" "item 640 400" "the chooser's first item"
    e2e_mousemove 640 400
    sleep 0.3
    xdotool click --repeat 2 --delay 80 1
}
dialog_open_chooser "$OPEN_TITLE" dialog_click Cmd_BGM
xdotool type --delay 20 "$(e2e_windows_path "$E2E_RUN_DIR")"
e2e_key Return
sleep 0.5
_open_first_item place_folder
sleep 0.5
_open_first_item place_file
e2e_wait_no_window "$OPEN_TITLE"
dialog_wait_fact "file $mp3_path"
dialog_click Cmd_Set
e2e_wait_exit choose 10
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code after Set"
saver_expect_lines "Velmora.ini after the choice" "$(dialog_ini_lines)" "[Section]
BGM区分=2
BGMﾘﾋﾟｰﾄ=0
BGMﾌｧｲﾙ=$short
ﾓﾆﾀｰ区分=0"
e2e_log "/c: the file chosen as $mp3_path, shown by that name, saved as $short"

_painted() {
    local shot
    shot=$(e2e_screenshot painting.png)
    awk -v mean="$(e2e_image_mean "$shot")" 'BEGIN { exit !(mean > 0.01) }'
}

_played() {
    saver_command_list saver | grep -qx 'play MP3Play'
}

saver_start saver /s
saver_wait_run
e2e_poll 15 _painted || e2e_fail "the screen stayed black: no painting"
e2e_poll 10 _played || e2e_fail "the music file was not played: $(saver_command_list saver)"
saver_key_ends_run saver
saver_expect_cursor_hidden_then_shown saver
# "play" follows "open" only when the file opened.
saver_expect_lines "the music's first commands" "$(saver_command_list saver | head -n 2)" \
    "open \"$short\" type MPEGVideo Alias MP3Play
play MP3Play"
saver_expect_lines "the music's last commands" "$(saver_command_list saver | tail -n 2)" \
    "stop MP3Play
close MP3Play"
[ -z "$(e2e_find_window "$SCR_MESSAGE_TITLE")" ] || e2e_fail "a message box is open"
e2e_log "/s: the renderer found, the painting shown, the music opened and played by its short path"

# The dialog reads this folder's settings and saves into them.
e2e_mousemove 2 2
dialog_open config
dialog_look look_config
e2e_assert_equal "$(dialog_fact repeat)" "enabled=0 text=" "the combo box for kind 2, track 0"
e2e_assert_equal "$(dialog_fact file)" "$mp3_path" "lbl_Fname shows the long name"
dialog_click Img_BGM1
dialog_wait_fact "repeat enabled=1 text="
dialog_click Cmd_Set
e2e_wait_exit config 10
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code after Set"
saver_expect_lines "Velmora.ini in C:\\Velmora Łódź" "$(dialog_ini_lines)" "[Section]
BGM区分=1
BGMﾘﾋﾟｰﾄ=0
BGMﾌｧｲﾙ=$short
ﾓﾆﾀｰ区分=0"
e2e_log "/c: saved into $(sed -nE 's/.*WritePrivateProfileStringW \(.*, L"([^"]*)"\)$/\1/p' \
    "$(e2e_stderr config)" | head -n 1)"

# The preview needs no path of its own; started from this folder it still
# becomes the host's child.
e2e_run preview frontend_probe.exe preview "$SAVER_APP_WINDOWS\\Velmora.scr" "/p %d" 152 112
scr_expect_pass preview

e2e_log "named in any script: /s, /c and /p from C:\\Velmora Łódź, the music by its short path"
