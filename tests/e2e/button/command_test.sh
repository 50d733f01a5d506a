#!/usr/bin/env bash
# The button control with real input: hover, press and release give exactly
# one Click; a press that leaves for a tick and comes back gives none; a right
# release over a hovered button clicks, also after leaving and coming back; a
# press elsewhere released over a button does not; a disabled button never
# clicks and takes no focus from a press; Space and Return click the focused
# button. Each face on the screen is
# compared with the same face from the native software canvas (velmora-face):
# the gradient and every stretched edge, all but the caption.
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
source "$here/../lib/wine_session.sh"
e2e_begin

face_tool=${VELMORA_FACE_TOOL:-}
[ -x "$face_tool" ] ||
    e2e_fail "velmora-face of the native build '$face_tool' is missing: build the native preset first"

# expect NAME [--width TWIPS] STEP...: the face that velmora-face paints.
expect() {
    local name=$1
    shift
    "$face_tool" "$@" -o "$E2E_RUN_DIR/expected-$name.png" || e2e_fail "velmora-face $*"
}
one_size=(--width 1095 --height 450)
expect normal "${one_size[@]}" 1:Normal
expect hover "${one_size[@]}" 1:Normal 2:HighLight
expect pressed-hovered "${one_size[@]}" 2:HighLight 2:Pressed 4:Pressed
expect selected-hovered "${one_size[@]}" 2:HighLight 4:HighLightSelect
expect selected "${one_size[@]}" 3:Selected
expect selected-hovered-again "${one_size[@]}" 3:Selected 4:HighLightSelect
expect pressed-again "${one_size[@]}" 3:Selected 4:Pressed
expect pressed-keyed "${one_size[@]}" 3:Selected 3:Pressed
expect disabled --width 1875 --height 375 0:Disable

# Where each button lies on the screen (the host's client area starts at the
# origin) and the columns of its caption, which the comparison leaves out.
cmd_one=(20 20 73 30 14 59)
cmd_two=(20 60 125 25 40 86)
one_centre=(56 35)
two_centre=(82 72)
outside=(200 100)

# face_difference SHOT BUTTON EXPECTED: how many pixels of the button's face
# differ from the expected picture by more than 2%, outside the caption's box.
face_difference() {
    local shot=$1 expected=$3
    local -n place=$2
    local box="rectangle ${place[4]},4 $((place[5] - 1)),$((place[3] - 5))"
    convert "$shot" -crop "${place[2]}x${place[3]}+${place[0]}+${place[1]}" +repage \
        +antialias -fill magenta -draw "$box" "$E2E_RUN_DIR/seen.png"
    convert "$expected" +antialias -fill magenta -draw "$box" "$E2E_RUN_DIR/wanted.png"
    e2e_image_difference "$E2E_RUN_DIR/seen.png" "$E2E_RUN_DIR/wanted.png" 2
}

_shows() {
    local shot
    shot=$(e2e_screenshot "now.png")
    last_difference=$(face_difference "$shot" "$1" "$E2E_RUN_DIR/expected-$2.png")
    [ "$last_difference" -eq 0 ]
}

# wait_face BUTTON NAME: waits until the button shows the expected face.
wait_face() {
    last_difference=""
    e2e_poll 5 _shows "$1" "$2" || {
        cp "$E2E_RUN_DIR/now.png" "$E2E_RUN_DIR/failed-$1-$2.png"
        e2e_fail "$1 does not show $2: $last_difference pixels differ (failed-$1-$2.png)"
    }
    e2e_log "$1 shows $2"
}

_shows_another() { ! _shows "$@"; }

# keeps_face BUTTON NAME SECONDS: the button shows the face and goes on
# showing it for that long.
keeps_face() {
    wait_face "$1" "$2"
    if e2e_poll "$3" _shows_another "$1" "$2"; then
        cp "$E2E_RUN_DIR/now.png" "$E2E_RUN_DIR/failed-$1-$2.png"
        e2e_fail "$1 stopped showing $2 (failed-$1-$2.png)"
    fi
}

# A console program's lines end in CR LF under Wine.
clicks() {
    tr -d '\r' <"$(e2e_stdout host)" | grep -cx "Click $1" || true
}

_clicks_are() { [ "$(clicks "$1")" -eq "$2" ]; }
_clicks_beyond() { [ "$(clicks "$1")" -gt "$2" ]; }

# expect_clicks BUTTON N: waits for the Nth Click, then watches a while that
# no other follows.
expect_clicks() {
    e2e_poll 3 _clicks_are "$1" "$2" || e2e_fail "$1: $(clicks "$1") Clicks, expected $2"
    if e2e_poll 0.6 _clicks_beyond "$1" "$2"; then
        e2e_fail "$1: $(clicks "$1") Clicks, expected $2"
    fi
}

move() { e2e_mousemove "$1" "$2"; }

ready="$E2E_RUN_DIR/host.ready"
e2e_start host command_host.exe "$(e2e_windows_path "$ready")" 90
e2e_poll 20 test -e "$ready" || e2e_fail "the host did not get ready"
host_window=$(e2e_wait_window "Velmora Command Host")
if grep -q "property sets:" "$(e2e_stdout host)"; then
    e2e_fail "the stored property sets did not read cleanly: $(cat "$(e2e_stdout host)")"
fi

# As loaded: Cmd_One enabled, Cmd_Two disabled, each with its caption, the
# disabled one grey.
wait_face cmd_one normal
wait_face cmd_two disabled
shot=$(e2e_screenshot loaded.png)
darkest() {
    local -n place=$1
    convert "$shot" -crop "$((place[5] - place[4]))x15+$((place[0] + place[4]))+$((place[1] + 5))" \
        -colorspace Gray -format '%[fx:minima]' info:
}
one_ink=$(darkest cmd_one)
two_ink=$(darkest cmd_two)
awk -v d="$one_ink" 'BEGIN { exit !(d < 0.3) }' || e2e_fail "no dark caption on Cmd_One ($one_ink)"
awk -v d="$two_ink" 'BEGIN { exit !(d > 0.3 && d < 0.8) }' ||
    e2e_fail "the disabled caption is not grey ($two_ink)"
e2e_log "captions: darkest $one_ink on Cmd_One, $two_ink on the disabled Cmd_Two"

# Hover, press, release without leaving: one Click.
move "${one_centre[@]}"
wait_face cmd_one hover
xdotool mousedown 1
wait_face cmd_one pressed-hovered
xdotool mouseup 1
wait_face cmd_one selected-hovered
expect_clicks Cmd_One 1

# The cursor leaves: the timer turns the hover off, the focus stays.
move "${outside[@]}"
wait_face cmd_one selected

# Press, leave for a tick, come back, release: no Click.
move "${one_centre[@]}"
wait_face cmd_one selected-hovered-again
xdotool mousedown 1
wait_face cmd_one pressed-again
move "${outside[@]}"
wait_face cmd_one selected
move "${one_centre[@]}"
keeps_face cmd_one selected 0.6
xdotool mouseup 1
expect_clicks Cmd_One 1
# The next move without a button brings the hover back (the end of the
# mouse capture already makes the platform send one).
move $((one_centre[0] + 1)) "${one_centre[1]}"
wait_face cmd_one selected-hovered-again

# A right-button release over the hovered button clicks and changes nothing.
e2e_click 3
expect_clicks Cmd_One 2
wait_face cmd_one selected-hovered-again

# The disabled button takes no focus from a press and never clicks: the
# keyboard stays on Cmd_One.
move "${two_centre[@]}"
e2e_click 1
e2e_click 3
expect_clicks Cmd_Two 0
wait_face cmd_two disabled
wait_face cmd_one selected

# The keyboard: Tab takes the focus to the disabled button, where Space and
# Return click nothing; Tab brings it back to Cmd_One, where Space shows
# Pressed while it is held and clicks when it comes up, and Return clicks.
e2e_wait_focus "$host_window"
e2e_key Tab
wait_face cmd_one normal
e2e_key space Return
e2e_key Tab
wait_face cmd_one selected
xdotool keydown space
wait_face cmd_one pressed-keyed
expect_clicks Cmd_One 2
xdotool keyup space
wait_face cmd_one selected
expect_clicks Cmd_One 3
e2e_key Return
expect_clicks Cmd_One 4
expect_clicks Cmd_Two 0

# A press elsewhere released over a button clicks nothing, with either
# mouse button.
for button in 1 3; do
    move "${outside[@]}"
    xdotool mousedown "$button"
    move "${one_centre[@]}"
    move $((one_centre[0] + 1)) "${one_centre[1]}"
    xdotool mouseup "$button"
    expect_clicks Cmd_One 4
done

# A right press that leaves and comes back before its release still clicks:
# it takes no focus, so the hover simply ends and starts again.
move "${outside[@]}"
wait_face cmd_one selected
e2e_key Tab
wait_face cmd_one normal
move "${one_centre[@]}"
wait_face cmd_one hover
xdotool mousedown 3
move "${outside[@]}"
wait_face cmd_one normal
move "${one_centre[@]}"
wait_face cmd_one hover
xdotool mouseup 3
expect_clicks Cmd_One 5

# And a last real click still counts.
move "${outside[@]}"
move "${one_centre[@]}"
e2e_click 1
expect_clicks Cmd_One 6

touch "$ready.stop"
e2e_wait_exit host 10
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code of the host"
