# shellcheck shell=bash
# Steps the settings-dialog tests share. Source after lib/wine_session.sh,
# frontend/scr_checks.sh and saver_run/saver_run_steps.sh, and call after
# e2e_begin and saver_app (the dialog's Velmora.scr is $SAVER_APP's).

readonly DIALOG_TITLE="<Velmora>"
# The face outline of an enabled button and of a disabled one.
readonly DIALOG_OUTLINE_RGB="0 60 116"
readonly DIALOG_DISABLED_OUTLINE_RGB="201 199 186"
DIALOG_WINDOW=""
DIALOG_LOOK=""
declare -A DIALOG_RECT=()
DIALOG_ORIGIN_X=0
DIALOG_ORIGIN_Y=0

# dialog_open NAME [CHANNELS [SWITCH]]: Velmora.scr /c (or SWITCH, such as
# /c:5678), with the settings-file writes traced (and Wine's other CHANNELS,
# as in trace+exec); waits until the dialog has the keyboard.
dialog_open() {
    WINEDEBUG="trace+profile${2:+,$2}" e2e_start "$1" "$SAVER_APP/Velmora.scr" "${3:-/c}"
    DIALOG_WINDOW=$(e2e_wait_window "$DIALOG_TITLE")
    e2e_wait_focus "$DIALOG_WINDOW"
}

# dialog_look NAME: the probe's checks of the window and its controls must
# pass; fills DIALOG_RECT (screen X Y WIDTH HEIGHT by control name),
# DIALOG_ORIGIN_X/Y and DIALOG_LOOK (the probe's output).
dialog_look() {
    local line name
    e2e_run "$1" settings_dialog_probe.exe look
    scr_expect_pass "$1"
    DIALOG_LOOK=$(tr -d '\r' <"$(e2e_stdout "$1")")
    DIALOG_RECT=()
    while read -r _ name line; do
        DIALOG_RECT[$name]=$line
    done < <(grep '^rect ' <<<"$DIALOG_LOOK")
    read -r _ DIALOG_ORIGIN_X DIALOG_ORIGIN_Y < <(grep '^origin ' <<<"$DIALOG_LOOK")
}

# dialog_fact KEY: the rest of the probe's line that starts with KEY.
dialog_fact() {
    sed -n "s/^$1 //p" <<<"$DIALOG_LOOK"
}

_dialog_probe_says() {
    e2e_run look settings_dialog_probe.exe look >/dev/null
    DIALOG_LOOK=$(tr -d '\r' <"$(e2e_stdout look)")
    grep -qxF -- "$1" <<<"$DIALOG_LOOK"
}

# dialog_wait_fact LINE [SECONDS=5]: waits until the probe prints this line.
dialog_wait_fact() {
    e2e_poll "${2:-5}" _dialog_probe_says "$1" ||
        e2e_fail "the dialog never showed '$1'; last look: $(grep -E '^(repeat|file) ' <<<"$DIALOG_LOOK")"
}

# dialog_point NAME [DX DY]: the screen point at the control's centre, or
# DX, DY from its top-left corner.
dialog_point() {
    local x y width height
    [ -n "${DIALOG_RECT[$1]:-}" ] || e2e_fail "no control named $1 in the probe's look"
    read -r x y width height <<<"${DIALOG_RECT[$1]}"
    if [ $# -ge 3 ]; then
        echo "$((x + $2)) $((y + $3))"
    else
        echo "$((x + width / 2)) $((y + height / 2))"
    fi
}

# dialog_click NAME [DX DY]: moves the pointer onto the control, then clicks
# there with the left button. The pointer jumps there; this Wine may answer
# GetCursorPos with where it was for a moment afterwards, which a focused
# button's hover check takes for the cursor having left (and then a release
# does not click, as after a press that left). A second, small move after a
# while makes it current, as a hand's movement would.
dialog_click() {
    local x y
    read -r x y <<<"$(dialog_point "$@")"
    e2e_mousemove "$x" "$y"
    sleep 0.3
    e2e_mousemove $((x + 1)) "$y"
    sleep 0.15
    e2e_click 1
}

# dialog_pixel FILE X Y: "R G B" of one pixel of a screenshot.
dialog_pixel() {
    convert "$1" -crop "1x1+$2+$3" +repage -format '%[fx:round(255*r)] %[fx:round(255*g)] %[fx:round(255*b)]\n' info:
}

# dialog_expect_rgb FILE X Y "R G B" TOLERANCE WHAT
dialog_expect_rgb() {
    local actual
    actual=$(dialog_pixel "$1" "$2" "$3")
    awk -v a="$actual" -v e="$4" -v t="$5" 'BEGIN {
        split(a, x, " "); split(e, y, " ");
        for (i = 1; i <= 3; i++) { d = x[i] - y[i]; if (d < -t || d > t) exit 1 }
    }' || e2e_fail "$6 at $2,$3: expected $4 (within $5), got $actual"
}

# The shade of row Y of a gradient HEIGHT pixels high.
_dialog_shade() {
    awk -v y="$1" -v h="$2" 'BEGIN {
        v = sin(y / (h / 3.142)); if (v < 0) v = -v; v *= 220;
        f = int(v); r = v - f;
        if (r > 0.5 || (r == 0.5 && f % 2 == 1)) f++;
        print f }'
}

# dialog_expect_gradients FILE: the dialog's blue shading at its left margin
# and the panel's grey shading at its right end, row by row as designed.
dialog_expect_gradients() {
    local file=$1 client_height panel_x panel_y panel_width panel_height y v
    read -r _ client_height < <(dialog_fact client)
    for y in 0 12 63 126 190 $((client_height - 1)); do
        v=$(_dialog_shade "$y" "$client_height")
        dialog_expect_rgb "$file" $((DIALOG_ORIGIN_X + 4)) $((DIALOG_ORIGIN_Y + y)) \
            "$v $v $((v + 30))" 2 "the dialog's shading, row $y"
    done
    read -r panel_x panel_y panel_width panel_height <<<"${DIALOG_RECT[Pic_C]}"
    for y in 0 20 84 140 $((panel_height - 1)); do
        v=$(($(_dialog_shade "$y" "$panel_height") + 30))
        dialog_expect_rgb "$file" $((panel_x + panel_width - 8)) $((panel_y + y)) \
            "$v $v $v" 2 "the panel's shading, row $y"
    done
}

# dialog_expect_heading_frame FILE: the outline around "BGM" (Shape3), black,
# its left side running down past the heading's label.
dialog_expect_heading_frame() {
    local panel_x panel_y dpi
    read -r panel_x panel_y _ <<<"${DIALOG_RECT[Pic_C]}"
    dpi=$(dialog_fact dpi)
    # Shape3 starts 300 twips into the panel; the heading's label covers rows
    # 360 to 555 twips, row 450 lies within it.
    dialog_expect_rgb "$1" $((panel_x + 300 * dpi / 1440)) $((panel_y + 450 * dpi / 1440)) \
        "0 0 0" 16 "the heading's frame"
}

# dialog_expect_face FILE BUTTON enabled|disabled: the button shows its face:
# its outline, the picture's second ring from the left edge, and inside the
# frame the white top of the face's gradient. The face pictures are drawn for
# 96 dpi and scaled with the resolution.
dialog_expect_face() {
    local file=$1 button=$2 x y width height outline dpi ring inside
    read -r x y width height <<<"${DIALOG_RECT[$button]}"
    dpi=$(dialog_fact dpi)
    ring=$((3 * dpi / 96 / 2))
    inside=$((4 * dpi / 96 + 1))
    outline=$DIALOG_OUTLINE_RGB
    [ "$3" = enabled ] || outline=$DIALOG_DISABLED_OUTLINE_RGB
    dialog_expect_rgb "$file" $((x + ring)) $((y + height / 2)) "$outline" 12 "$button's outline"
    dialog_expect_rgb "$file" $((x + inside)) $((y + inside)) "245 245 248" 6 "$button's face"
}

# dialog_mark FILE KIND: "selected" when Img_BGM(KIND) shows the blue mark,
# "unselected" for the light one, "none" otherwise.
dialog_mark() {
    local point rgb
    point=$(dialog_point "Img_BGM$2" 6 6)
    # shellcheck disable=SC2086 # X and Y
    rgb=$(dialog_pixel "$1" $point)
    awk -v c="$rgb" 'BEGIN {
        split(c, x, " ");
        if (x[3] > x[1] + 100) print "selected";
        else if (x[1] > 200 && x[2] > 200 && x[3] > 200) print "unselected";
        else print "none" }'
}

# dialog_expect_mark_size FILE: each mark is as large as its 180 twips at the
# dialog's resolution: its last column, halfway down, still shows the mark's
# blue-grey border, the column after it the panel's grey.
dialog_expect_mark_size() {
    local dpi size kind point rgb
    dpi=$(dialog_fact dpi)
    size=$(((180 * dpi + 720) / 1440))
    for kind in 0 1 2; do
        for column in $((size - 1)) "$size"; do
            point=$(dialog_point "Img_BGM$kind" "$column" $((size / 2)))
            # shellcheck disable=SC2086 # X and Y
            rgb=$(dialog_pixel "$1" $point)
            awk -v c="$rgb" -v mark=$((column < size)) 'BEGIN {
                split(c, x, " "); exit !((x[3] - x[1] > 25) == mark) }' ||
                e2e_fail "the mark of kind $kind at $dpi dpi is not $size pixels wide: column $column shows $rgb"
        done
    done
}

# dialog_expect_marks FILE KIND: only Img_BGM(KIND) is selected.
dialog_expect_marks() {
    local kind expected
    for kind in 0 1 2; do
        expected=unselected
        [ "$kind" != "$2" ] || expected=selected
        e2e_assert_equal "$(dialog_mark "$1" "$kind")" "$expected" "the mark of kind $kind"
    done
}

# dialog_activate: a click on the caption bar makes the dialog the active
# window again (a console probe may have taken that from it), as a screenshot
# for people should show it.
dialog_activate() {
    local left top width
    read -r left top width _ <<<"$(dialog_fact window)"
    e2e_mousemove $((left + width / 2)) $(((top + DIALOG_ORIGIN_Y) / 2))
    sleep 0.1
    e2e_click 1
    e2e_wait_focus "$DIALOG_WINDOW"
}

# dialog_shot NAME: a screenshot with the pointer out of the way.
dialog_shot() {
    e2e_mousemove 2 2
    # The buttons give up their hover on their next 100 ms check.
    sleep 0.3
    e2e_screenshot "$1"
}

# dialog_crop FILE OUT: the dialog's window cut out of a screenshot.
dialog_crop() {
    local x y width height
    read -r x y width height < <(e2e_window_geometry "$DIALOG_WINDOW")
    convert "$1" -crop "${width}x${height}+$x+$y" +repage "$2"
    echo "$2"
}

# dialog_profile_writes NAME: the settings-file writes of the program that ran
# as NAME, one a line as KEY=VALUE, in order.
dialog_profile_writes() {
    perl -CSD -ne "$SAVER_UNESCAPE"'
        next unless /trace:profile:WritePrivateProfileStringW \(L"Section", L"((?:[^"\\]|\\.)*)", L"((?:[^"\\]|\\.)*)", /;
        print unescape($1), "=", unescape($2), "\n";' "$(e2e_stderr "$1")"
}

# dialog_ini_lines [SECTION=Section]: that section of Velmora.ini beside
# Velmora.scr in UTF-8, its header and its lines, with the blank that Wine's
# writer may trim before a value taken out and without empty lines.
dialog_ini_lines() {
    iconv -f CP932 -t UTF-8 "$SAVER_APP/Velmora.ini" | tr -d '\r' | sed 's/= /=/' |
        awk -v section="[${1:-Section}]" '/^\[/ { in_section = ($0 == section) } in_section && NF'
}

_dialog_chooser_focused() {
    _e2e_has_focus "$(_e2e_find_window "$1")"
}

# dialog_open_chooser TITLE COMMAND...: runs the command that opens the
# open-file dialog (a click on "...", Space on it) until the chooser has the
# keyboard. On a loaded machine Wine's unmanaged windows sometimes leave the
# keyboard with the dialog when the chooser opens, and no click moves it
# there; the chooser is then cancelled from outside and opened again.
dialog_open_chooser() {
    local title=$1 attempt
    shift
    for attempt in 1 2 3; do
        "$@"
        e2e_wait_window "$title" >/dev/null
        if e2e_poll 4 _dialog_chooser_focused "$title"; then
            return
        fi
        e2e_log "the open-file dialog did not take the keyboard (attempt $attempt)"
        e2e_run cancel settings_dialog_probe.exe cancel-chooser
        e2e_wait_no_window "$title"
        dialog_activate
    done
    e2e_fail "the open-file dialog never took the keyboard"
}
