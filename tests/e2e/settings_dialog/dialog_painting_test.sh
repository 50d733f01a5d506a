#!/usr/bin/env bash
# The painting page of the settings dialog, used with real keys and clicks.
# It opens on the music page with the designed look chosen; Tab reaches the
# button to the painting page and Space shows it, where the moving picture
# is lit and moves. A preset chosen from the keyboard sets every list, an
# amount chosen with the mouse from the dropped-down list makes the look the
# user's own, and each choice starts the picture afresh. Return saves the
# look in Velmora.ini's painting section, after the music's keys, which stay
# as they were. Opened again, the dialog shows the saved look; a random
# preset greys the lists out, and Cancel leaves the file byte for byte. A run
# of Velmora.scr /s then paints that look: its set-up line names the
# settings.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=../lib/wine_session.sh
source "$here/../lib/wine_session.sh"
# shellcheck source=../lib/setup_line.sh
source "$here/../lib/setup_line.sh"
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

e2e_mousemove 2 2
dialog_open first
dialog_look look_first
e2e_assert_equal "$(dialog_fact page)" music "the page it opens on"
e2e_assert_equal "$(dialog_fact look)" \
    "Preset=Velmora|DrawMode=点|Amount=100 %|Size=100 %|Speed=100 %|Trail=20|Flows=3|lists=enabled" \
    "the lists without a painting section"
e2e_key Tab Tab
dialog_wait_fact "focus Cmd_Page1"
e2e_key space
dialog_wait_fact "page painting"
dialog_look look_painting
shot=$(dialog_shot painting.png)
e2e_keep_artefact "$(dialog_crop "$shot" "$E2E_RUN_DIR/dialog.png")" settings-dialog-painting.png >/dev/null
dialog_wait_fact "focus Cmd_Page0"

# picture_part FILE OUT: Pic_Look cut out of a screenshot.
picture_part() {
    local x y width height
    read -r x y width height <<<"${DIALOG_RECT[Pic_Look]}"
    convert "$1" -crop "${width}x${height}+$x+$y" +repage "$2"
    echo "$2"
}

# expect_moving_picture NAME: Pic_Look is lit, and a moment later shows
# another picture.
expect_moving_picture() {
    local first second
    first=$(picture_part "$(e2e_screenshot "$1_a.png")" "$E2E_RUN_DIR/$1_picture_a.png")
    sleep 0.3
    second=$(picture_part "$(e2e_screenshot "$1_b.png")" "$E2E_RUN_DIR/$1_picture_b.png")
    e2e_assert_not_black "$first"
    e2e_assert_images_differ "$first" "$second" 200
    e2e_log "$1: the picture is lit ($(e2e_image_mean "$first")) and moves"
}
expect_moving_picture designed

# From the page button back past the monitors' list to the preset list, and
# Down to the next preset: every list follows it.
e2e_key shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
dialog_wait_fact "focus Look0"
e2e_key Down
dialog_wait_fact "look Preset=静かな線|DrawMode=線|Amount=100 %|Size=140 %|Speed=50 %|Trail=60|Flows=3|lists=enabled"
expect_moving_picture calm_lines

# The amount from its list with the mouse: 150 % is item 14 (10 % to 200 %).
dialog_click Look2
e2e_poll 3 e2e_run item settings_dialog_probe.exe list-item 14 ||
    e2e_fail "the amount's list did not drop down"
read -r _ item_x item_y < <(tr -d '\r' <"$(e2e_stdout item)")
e2e_mousemove "$item_x" "$item_y"
sleep 0.3
e2e_mousemove $((item_x + 1)) "$item_y"
sleep 0.15
e2e_click 1
dialog_wait_fact "look Preset=自分の設定|DrawMode=線|Amount=150 %|Size=140 %|Speed=50 %|Trail=60|Flows=3|lists=enabled"
expect_moving_picture own

# Return in a list that is not dropped down saves, as Set does.
e2e_wait_focus "$DIALOG_WINDOW"
e2e_key Return
e2e_wait_exit first 10
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code after Return"
saver_expect_lines "the music's section" "$(dialog_ini_lines)" "[Section]
BGM区分=2
BGMﾘﾋﾟｰﾄ=0
BGMﾌｧｲﾙ=$(e2e_windows_path "$mp3")
ﾓﾆﾀｰ区分=0"
saver_expect_lines "the painting's section" "$(dialog_ini_lines Painting)" "[Painting]
DrawMode=2
Amount=150
Size=140
Speed=50
Trail=60
Flows=3
RandomPreset=0"
[[ $(iconv -f CP932 -t UTF-8 "$SAVER_APP/Velmora.ini" | tr -d '\r' | grep -m 1 '^\[') == "[Section]" ]] ||
    e2e_fail "the painting's section does not come after the music's"
e2e_log "saved the look after the music's keys"

# Opened again: the saved look; the random preset greys the other lists out,
# and Cancel leaves the file as it was.
cp "$SAVER_APP/Velmora.ini" "$E2E_RUN_DIR/saved.ini"
dialog_open second
dialog_look look_second
e2e_assert_equal "$(dialog_fact look)" \
    "Preset=自分の設定|DrawMode=線|Amount=150 %|Size=140 %|Speed=50 %|Trail=60|Flows=3|lists=enabled" \
    "the lists as saved"
dialog_click Cmd_Page1
dialog_wait_fact "page painting"
dialog_click Look0 
sleep 0.3
e2e_key End Return
dialog_wait_fact "look Preset=毎回ﾗﾝﾀﾞﾑに選ぶ|DrawMode=線|Amount=150 %|Size=140 %|Speed=50 %|Trail=60|Flows=3|lists=disabled"
expect_moving_picture random
dialog_click Cmd_Can
e2e_wait_exit second 10
cmp "$E2E_RUN_DIR/saved.ini" "$SAVER_APP/Velmora.ini" || e2e_fail "Cancel changed Velmora.ini"
[ -z "$(dialog_profile_writes second)" ] || e2e_fail "Cancel wrote: $(dialog_profile_writes second)"
e2e_log "Cancel after a random preset left Velmora.ini byte for byte"

# The run paints the saved look: 150 % of 60 emitters, each of 20 particles;
# 140 % of the size 15; half the speeds 20 and 4.
WINEDEBUG=+debugstr e2e_start run "$SAVER_APP/Velmora.scr" /s
window=$(e2e_wait_window "$SAVER_RENDERER_TITLE")
line=$(e2e_wait_setup_line run)
case $line in
    *"; draw mode 2, flows 3, emitters 90, particles 1800, size 21, emitter speed 10, particle speed 2, oscillator rate 100, trail 60") ;;
    *) e2e_fail "the run's set-up line names other settings: $line" ;;
esac
e2e_wait_focus "$window"
e2e_wait_lit run.png "${E2E_WIDTH}x${E2E_HEIGHT}+0+0"
e2e_key space
e2e_wait_exit run 10
e2e_log "the run painted the saved look: $line"
