# shellcheck shell=bash
# A private virtual X display for end-to-end tests: the programs under test
# started in the background, real input from xdotool, screenshots from
# ImageMagick. The session of a kind of program (wine_session.sh for the
# Windows programs under Wine, x11/lib/hack_session.sh for the native
# XScreenSaver hack) sources this file and defines:
#   _e2e_launch PROGRAM [ARGS...]   runs one program in the foreground; it may
#                                   keep files of its own beside $_E2E_LAUNCH_BASE
#   _e2e_stop_programs              ends whatever the test left running
# and its e2e_begin opens the session with _e2e_open_display_session.
#
# Everything a test starts (its programs, the X server) is torn down when the
# script exits, however it exits. Waiting is always polling against a deadline.
#
# The test registration provides:
#   VELMORA_E2E_BIN_DIR       the build's shipped programs
#   VELMORA_E2E_PROGRAMS_DIR  the helper programs of the tests
#   VELMORA_E2E_STATE_DIR     whatever the tests keep between runs, and the runs
#   VELMORA_E2E_TEST_NAME     names the test's own folder under runs/
#   VELMORA_E2E_SCREEN        default screen of the virtual display, WxHxD
#
# After e2e_begin a test can use:
#   E2E_RUN_DIR   its own folder for files it makes (kept when it fails)
#   E2E_DISPLAY   the virtual display, also exported as DISPLAY
#   E2E_WIDTH, E2E_HEIGHT   the (first) screen's size in pixels
#   E2E_SCREEN_COUNT        how many screens, and so monitors, the display has
#   E2E_MONITORS            for monitors given by their places, each one's
#                           WxH+X+Y in the display's (and screenshots') pixels
#
# The functions keep their working variables local under plain names (title,
# window, seconds...), so a test script must not make such names readonly.

readonly E2E_SKIP=77
readonly E2E_POLL_INTERVAL=0.05

E2E_RUN_DIR=""
E2E_DISPLAY=""
E2E_WIDTH=0
E2E_HEIGHT=0
E2E_SCREEN_COUNT=0
E2E_EXIT_CODE=""
E2E_ELAPSED_MS=""
E2E_MONITORS=()
_E2E_SERVER_PIDS=()
_E2E_STARTED_AT_MS=0

# --- reporting ----------------------------------------------------------------

_e2e_now_ms() {
    local now=${EPOCHREALTIME//[.,]/}
    echo $((now / 1000))
}

e2e_log() {
    echo "[e2e +$(($(_e2e_now_ms) - _E2E_STARTED_AT_MS)) ms] $*"
}

e2e_fail() {
    echo "[e2e] FAIL: $*" >&2
    exit 1
}

e2e_skip() {
    echo "[e2e] SKIP: $*"
    exit "$E2E_SKIP"
}

# _e2e_require_variables NAME...: the settings that ctest's registration of the
# test passes in the environment.
_e2e_require_variables() {
    local name
    for name in "$@"; do
        [ -n "${!name:-}" ] || e2e_fail "$name is not set: run the e2e tests through ctest"
    done
}

# e2e_assert_equal ACTUAL EXPECTED WHAT
e2e_assert_equal() {
    [ "$1" = "$2" ] || e2e_fail "$3: expected '$2', got '$1'"
}

# e2e_poll SECONDS COMMAND [ARGS...]: true as soon as COMMAND succeeds, false
# when the deadline passes first. E2E_ELAPSED_MS says how long it took.
e2e_poll() {
    local deadline
    deadline=$(($(_e2e_now_ms) + $(_e2e_seconds_to_ms "$1")))
    shift
    local start
    start=$(_e2e_now_ms)
    while true; do
        if "$@"; then
            E2E_ELAPSED_MS=$(($(_e2e_now_ms) - start))
            return 0
        fi
        if [ "$(_e2e_now_ms)" -ge "$deadline" ]; then
            E2E_ELAPSED_MS=$(($(_e2e_now_ms) - start))
            return 1
        fi
        sleep "$E2E_POLL_INTERVAL"
    done
}

_e2e_seconds_to_ms() {
    [[ $1 =~ ^([0-9]*)(\.([0-9]*))?$ ]] || e2e_fail "bad number of seconds '$1'"
    local whole=${BASH_REMATCH[1]:-0} fraction=${BASH_REMATCH[3]}000
    echo $((10#$whole * 1000 + 10#${fraction:0:3}))
}

# --- the host -------------------------------------------------------------------

_e2e_first_executable() {
    local candidate
    for candidate in "$@"; do
        if [[ $candidate == */* ]]; then
            [ -x "$candidate" ] && { echo "$candidate"; return 0; }
        else
            command -v "$candidate" 2>/dev/null && return 0
        fi
    done
    return 1
}

# --- the virtual display --------------------------------------------------------

_e2e_stop_stale_servers() {
    local pid_file pid
    for pid_file in "$VELMORA_E2E_STATE_DIR/runs/$VELMORA_E2E_TEST_NAME".*.pid; do
        [ -f "$pid_file" ] || continue
        pid=$(cat "$pid_file")
        case "$(cat "/proc/$pid/comm" 2>/dev/null)" in
            Xvfb | Xephyr) kill "$pid" 2>/dev/null || true ;;
        esac
        rm -f "$pid_file"
    done
}

_e2e_server_ready() {
    local name=$1 pid=$2
    [ -s "$E2E_RUN_DIR/$name.display" ] || {
        kill -0 "$pid" 2>/dev/null || e2e_fail "$name ended: $(cat "$E2E_RUN_DIR/$name.log")"
        return 1
    }
}

# _e2e_start_server NAME PROGRAM [ARGS...]: starts an X server that picks a
# free display number (-displayfd, which it writes once it accepts clients),
# keeps the root black (-br, so that any colour is a window's), and goes when
# the test ends; exports its display as DISPLAY.
_e2e_start_server() {
    local name=$1 program=$2 pid
    shift 2
    command -v "$program" >/dev/null || e2e_fail "$program is not installed: run scripts/setup.sh"
    "$program" -displayfd 3 "$@" -br -noreset -nolisten tcp \
        3>"$E2E_RUN_DIR/$name.display" </dev/null >"$E2E_RUN_DIR/$name.log" 2>&1 &
    pid=$!
    _E2E_SERVER_PIDS=("$pid" "${_E2E_SERVER_PIDS[@]}")
    echo "$pid" >"$VELMORA_E2E_STATE_DIR/runs/$VELMORA_E2E_TEST_NAME.$name.pid"
    e2e_poll 15 _e2e_server_ready "$name" "$pid" || e2e_fail "$program gave no display within 15 s"
    E2E_DISPLAY=":$(head -n 1 "$E2E_RUN_DIR/$name.display")"
    export DISPLAY="$E2E_DISPLAY"
}

_e2e_stop_servers() {
    local pid
    # The nested server first, then the one it shows on.
    for pid in "${_E2E_SERVER_PIDS[@]}"; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    _E2E_SERVER_PIDS=()
    rm -f "$VELMORA_E2E_STATE_DIR/runs/$VELMORA_E2E_TEST_NAME".*.pid
}

# Screens WxHxD, each a screen of Xvfb: one, or several that Xinerama makes
# monitors of one desktop, from which Wine takes its monitors when there is no
# RANDR. Xvfb lays every screen at the origin, so they overlap.
# shellcheck disable=SC2034 # the screen's size and count are for the tests
_e2e_start_xvfb() {
    local screen screens=() number=0
    for screen in "$@"; do
        [[ $screen =~ ^([0-9]+)x([0-9]+)x([0-9]+)$ ]] || e2e_fail "bad screen '$screen', want WxHxD"
        if [ "$number" -eq 0 ]; then
            E2E_WIDTH=${BASH_REMATCH[1]}
            E2E_HEIGHT=${BASH_REMATCH[2]}
        fi
        screens+=(-screen "$number" "$screen")
        number=$((number + 1))
    done
    E2E_SCREEN_COUNT=$number
    if [ "$number" -gt 1 ]; then
        screens+=(+xinerama -extension RANDR)
    fi
    _e2e_start_server xvfb Xvfb "${screens[@]}"
}

# Monitors WxH+X+Y side by side, above or below one another, as Xvfb cannot
# lay them: Xephyr, a nested X server shown on an Xvfb as large as all of
# them, with one screen per monitor at its place under Xinerama and without
# RANDR, so that Wine takes its monitors from Xinerama. Wine makes the first
# monitor its primary and puts it at its origin, so the others may lie at
# negative coordinates for Windows programs; E2E_MONITORS keeps each one's
# place in X's coordinates, which are those of screenshots.
# shellcheck disable=SC2034 # the monitors are for the tests
_e2e_start_monitors() {
    local monitor screens=() right=0 bottom=0 number=0
    E2E_MONITORS=()
    for monitor in "$@"; do
        [[ $monitor =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] ||
            e2e_fail "bad monitor '$monitor', want WxH+X+Y"
        local width=${BASH_REMATCH[1]} height=${BASH_REMATCH[2]}
        local x=${BASH_REMATCH[3]} y=${BASH_REMATCH[4]}
        if [ "$number" -eq 0 ]; then
            E2E_WIDTH=$width
            E2E_HEIGHT=$height
        fi
        screens+=(-origin "$x,$y" -screen "${width}x${height}x24")
        E2E_MONITORS+=("$monitor")
        right=$((x + width > right ? x + width : right))
        bottom=$((y + height > bottom ? y + height : bottom))
        number=$((number + 1))
    done
    E2E_SCREEN_COUNT=$number
    _e2e_start_server xvfb Xvfb -screen 0 "${right}x${bottom}x24"
    _e2e_start_server xephyr Xephyr +xinerama -extension RANDR -no-host-grab "${screens[@]}"
}

# --- session ------------------------------------------------------------------

_e2e_no_launcher_left() {
    [ -z "$(jobs -pr)" ]
}

# e2e_at_end COMMAND...: runs the command when the test ends, however it ends,
# before its folder is cleared (to undo what rm -rf cannot get past).
_E2E_AT_END=()
e2e_at_end() {
    _E2E_AT_END+=("$(printf '%q ' "$@")")
}

_e2e_teardown() {
    local status=$? command
    set +e
    trap - EXIT INT TERM
    _e2e_stop_programs
    for command in "${_E2E_AT_END[@]}"; do
        eval "$command"
    done
    _e2e_stop_servers
    e2e_poll 5 _e2e_no_launcher_left || echo "[e2e] launchers still running: $(jobs -pr)" >&2
    if [ -n "$E2E_RUN_DIR" ] && [ -d "$E2E_RUN_DIR" ]; then
        if [ "$status" -eq 0 ] || [ "$status" -eq "$E2E_SKIP" ]; then
            rm -rf "$E2E_RUN_DIR"
        else
            _e2e_show_program_logs
            echo "[e2e] logs and screenshots kept in $E2E_RUN_DIR" >&2
        fi
    fi
    exit "$status"
}

_e2e_show_program_logs() {
    local log
    for log in "$E2E_RUN_DIR"/*.out "$E2E_RUN_DIR"/*.err; do
        [ -s "$log" ] || continue
        echo "[e2e] --- last lines of $(basename "$log")" >&2
        tail -n 20 "$log" >&2
    done
}

# _e2e_open_display_session PREPARE WxHxD...|WxH+X+Y...: the run folder, the
# teardown and the virtual display with these screens or these monitors. PREPARE runs once the teardown is in
# place and before the display starts, for whatever the kind of program needs
# first.
_e2e_open_display_session() {
    local prepare=$1
    shift
    _e2e_require_variables VELMORA_E2E_STATE_DIR VELMORA_E2E_TEST_NAME
    _E2E_STARTED_AT_MS=$(_e2e_now_ms)
    mkdir -p "$VELMORA_E2E_STATE_DIR/runs"
    _e2e_stop_stale_servers
    E2E_RUN_DIR="$VELMORA_E2E_STATE_DIR/runs/$VELMORA_E2E_TEST_NAME"
    rm -rf "$E2E_RUN_DIR"
    mkdir -p "$E2E_RUN_DIR"
    trap _e2e_teardown EXIT
    trap 'exit 130' INT
    trap 'exit 143' TERM
    "$prepare"
    if [[ ${1:-} == *+*+* ]]; then
        _e2e_start_monitors "$@"
    else
        _e2e_start_xvfb "$@"
    fi
}

# --- programs -----------------------------------------------------------------

_e2e_resolve_program() {
    local program=$1 folder
    if [[ $program == */* ]]; then
        [ -f "$program" ] && { realpath "$program"; return 0; }
    else
        for folder in "$VELMORA_E2E_BIN_DIR" "$VELMORA_E2E_PROGRAMS_DIR"; do
            [ -f "$folder/$program" ] && { echo "$folder/$program"; return 0; }
        done
    fi
    e2e_fail "program '$program' not found (built? looked in the bin and test program folders)"
}

# e2e_start NAME PROGRAM [ARGS...]: starts a program without waiting.
# PROGRAM is a path, or a file name in the build's bin folder or among the test
# programs. Its stdout and stderr go to $(e2e_stdout NAME) and $(e2e_stderr NAME).
# Variables set on the call (WINEDEBUG=trace+mci e2e_start ...) reach it.
e2e_start() {
    local name=$1 program
    program=$(_e2e_resolve_program "$2")
    shift 2
    local base="$E2E_RUN_DIR/$name"
    if [ -e "$base.pid" ] && [ ! -e "$base.rc" ]; then
        e2e_fail "a program named '$name' is still running"
    fi
    rm -f "$base.rc" "$base.out" "$base.err"
    (
        set +e
        cd "$E2E_RUN_DIR" || exit 1
        _E2E_LAUNCH_BASE=$base _e2e_launch "$program" "$@" </dev/null >"$base.out" 2>"$base.err"
        echo $? >"$base.rc.new"
        mv "$base.rc.new" "$base.rc"
    ) </dev/null >/dev/null 2>&1 &
    echo $! >"$base.pid"
    e2e_log "started $name: $(basename "$program") $*"
}

# e2e_run NAME PROGRAM [ARGS...]: runs a program to its end (at most
# E2E_RUN_SECONDS, 20) and sets E2E_EXIT_CODE; for helpers that answer and quit.
e2e_run() {
    e2e_start "$@"
    e2e_wait_exit "$1" "${E2E_RUN_SECONDS:-20}"
}

e2e_stdout() { echo "$E2E_RUN_DIR/$1.out"; }
e2e_stderr() { echo "$E2E_RUN_DIR/$1.err"; }

_e2e_require_started() {
    [ -e "$E2E_RUN_DIR/$1.pid" ] || e2e_fail "no program named '$1' was started"
}

# e2e_is_running NAME: true while the program has not ended.
e2e_is_running() {
    _e2e_require_started "$1"
    [ ! -e "$E2E_RUN_DIR/$1.rc" ]
}

_e2e_has_ended() { [ -e "$E2E_RUN_DIR/$1.rc" ]; }

# e2e_wait_exit NAME [SECONDS=10]: waits for the program to end; sets
# E2E_EXIT_CODE and E2E_ELAPSED_MS (time from this call to the end).
e2e_wait_exit() {
    local name=$1 seconds=${2:-10}
    _e2e_require_started "$name"
    e2e_poll "$seconds" _e2e_has_ended "$name" ||
        e2e_fail "$name still running after $seconds s"
    E2E_EXIT_CODE=$(cat "$E2E_RUN_DIR/$name.rc")
    e2e_log "$name ended with exit code $E2E_EXIT_CODE after $E2E_ELAPSED_MS ms"
}

# e2e_expect_running NAME SECONDS: watches the program for SECONDS and fails if
# it ends meanwhile (for "this must not close it").
e2e_expect_running() {
    local name=$1 seconds=$2
    _e2e_require_started "$name"
    if e2e_poll "$seconds" _e2e_has_ended "$name"; then
        e2e_fail "$name ended (exit code $(cat "$E2E_RUN_DIR/$name.rc")) within $seconds s"
    fi
}

# e2e_wait_for_text FILE REGEX [SECONDS=10]: waits until a line of FILE (a
# program's output or a trace) matches the extended REGEX.
e2e_wait_for_text() {
    local file=$1 pattern=$2 seconds=${3:-10}
    e2e_poll "$seconds" grep -qE -- "$pattern" "$file" ||
        e2e_fail "no line matching '$pattern' in $(basename "$file") within $seconds s"
}

# e2e_copy_programs FOLDER FILE...: puts copies of built programs into a folder
# of the test's own, for tests that change what lies beside a program.
e2e_copy_programs() {
    local folder=$1 program
    shift
    mkdir -p "$folder"
    for program in "$@"; do
        cp "$(_e2e_resolve_program "$program")" "$folder/"
    done
}

# --- windows and input ----------------------------------------------------------

_e2e_title_pattern() {
    # xdotool matches names as extended regular expressions; the $ in the sed
    # expression is a literal character to escape.
    local escaped
    # shellcheck disable=SC2016
    escaped=$(printf '%s' "$1" | sed 's/[][\.*^$()+?{}|]/\\&/g')
    echo "^${escaped}\$"
}

_e2e_find_window() {
    # xdotool fails when nothing matches, which here just means no window.
    xdotool search --name "$(_e2e_title_pattern "$1")" 2>/dev/null | head -n 1 || true
}

_e2e_window_exists() {
    [ -n "$(_e2e_find_window "$1")" ]
}

_e2e_window_gone() {
    ! _e2e_window_exists "$1"
}

# e2e_find_window TITLE: prints the X id of a window with exactly this title, or
# nothing.
e2e_find_window() {
    _e2e_find_window "$1"
}

# e2e_wait_window TITLE [SECONDS=20]: waits for a window with exactly this title
# and prints its X id. Under Wine the first program of a session also starts its own
# services, which takes a few seconds.
e2e_wait_window() {
    local title=$1 seconds=${2:-20}
    _E2E_FOUND_WINDOW=""
    e2e_poll "$seconds" _e2e_window_found "$title" ||
        e2e_fail "no window titled '$title' within $seconds s"
    e2e_log "window '$title' appeared after $E2E_ELAPSED_MS ms" >&2
    # The id seen while polling: a second search right after it came back
    # empty now and then under Wine, and the test then waited on no window.
    echo "$_E2E_FOUND_WINDOW"
}

_e2e_window_found() {
    _E2E_FOUND_WINDOW=$(_e2e_find_window "$1")
    [ -n "$_E2E_FOUND_WINDOW" ]
}

# e2e_wait_no_window TITLE [SECONDS=10]: waits until no window has this title;
# E2E_ELAPSED_MS says how long that took.
e2e_wait_no_window() {
    local title=$1 seconds=${2:-10}
    e2e_poll "$seconds" _e2e_window_gone "$title" ||
        e2e_fail "window '$title' still there after $seconds s"
    e2e_log "window '$title' gone after $E2E_ELAPSED_MS ms"
}

_e2e_has_focus() {
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]
}

# e2e_wait_focus WINDOW [SECONDS=10]: waits until the window has the keyboard
# focus. Wine's windows take it a little after they appear, and keys sent
# before that go nowhere; focusing them from outside does not work either.
e2e_wait_focus() {
    local window=$1 seconds=${2:-10}
    e2e_poll "$seconds" _e2e_has_focus "$window" ||
        e2e_fail "window $window did not take the focus within $seconds s"
}

# e2e_window_geometry WINDOW: prints "X Y WIDTH HEIGHT" in screen pixels.
e2e_window_geometry() {
    local key value x="" y="" width="" height=""
    while IFS='=' read -r key value; do
        case $key in
            X) x=$value ;;
            Y) y=$value ;;
            WIDTH) width=$value ;;
            HEIGHT) height=$value ;;
        esac
    done < <(xdotool getwindowgeometry --shell "$1")
    [ -n "$height" ] || e2e_fail "no geometry for window $1"
    echo "$x $y $width $height"
}

# e2e_key KEY...: presses and releases keys (xdotool names: Escape, a, ctrl+c)
# in the window that has the focus.
e2e_key() {
    xdotool key "$@"
}

# e2e_click [BUTTON=1]: clicks where the pointer is.
e2e_click() {
    xdotool click "${1:-1}"
}

# e2e_mousemove X Y: moves the pointer to screen pixel X, Y.
e2e_mousemove() {
    xdotool mousemove "$1" "$2"
}

# --- screenshots ------------------------------------------------------------------

_e2e_in_run_dir() {
    if [[ $1 == /* ]]; then echo "$1"; else echo "$E2E_RUN_DIR/$1"; fi
}

# e2e_screenshot FILE: saves the whole virtual screen, GL output included, as a
# PNG (relative names land in the test's folder) and prints its path.
e2e_screenshot() {
    local file
    file=$(_e2e_in_run_dir "$1")
    import -window root "png:$file" || e2e_fail "screenshot $file failed"
    echo "$file"
}

_e2e_region() {
    if [ -n "${2:-}" ]; then
        echo "$1[$2]"
    else
        echo "$1"
    fi
}

# e2e_keep_artefact FILE [NAME]: copies a file (a screenshot) into the build's
# artefacts folder, <build>/e2e/artefacts/, where it stays after the test,
# passed or failed; prints the copy's path.
e2e_keep_artefact() {
    local folder="$VELMORA_E2E_STATE_DIR/artefacts" kept
    mkdir -p "$folder"
    kept="$folder/${2:-$(basename "$1")}"
    cp "$1" "$kept" || e2e_fail "could not keep $1"
    e2e_log "kept $kept" >&2
    echo "$kept"
}

# e2e_image_mean FILE [WxH+X+Y]: prints the mean brightness, 0 (black) to 1.
e2e_image_mean() {
    convert "$(_e2e_region "$@")" -colorspace Gray -format '%[fx:mean]\n' info:
}

# e2e_image_colour FILE [WxH+X+Y]: prints the mean "RED GREEN BLUE", 0 to 255.
e2e_image_colour() {
    convert "$(_e2e_region "$@")" -scale '1x1!' \
        -format '%[fx:round(255*r)] %[fx:round(255*g)] %[fx:round(255*b)]\n' info:
}

# e2e_assert_not_black FILE [WxH+X+Y]: fails if the picture (or the region) is
# black or nearly so.
e2e_assert_not_black() {
    local mean
    mean=$(e2e_image_mean "$@")
    awk -v mean="$mean" 'BEGIN { exit !(mean > 0.01) }' ||
        e2e_fail "$(basename "$1")${2:+ [$2]} is black (mean brightness $mean)"
}

# e2e_image_difference A B [FUZZ_PERCENT=0]: prints how many pixels differ.
e2e_image_difference() {
    local count
    # compare answers 0 for alike, 1 for different and 2 for an error.
    count=$(compare -metric AE -fuzz "${3:-0}%" "$1" "$2" null: 2>&1) || [ $? -eq 1 ] ||
        e2e_fail "cannot compare $1 and $2: $count"
    awk -v count="$count" 'BEGIN { printf "%d\n", count }'
}

# e2e_assert_images_differ A B [MIN_PIXELS=1]
e2e_assert_images_differ() {
    local count
    count=$(e2e_image_difference "$1" "$2")
    [ "$count" -ge "${3:-1}" ] ||
        e2e_fail "$(basename "$1") and $(basename "$2") differ in $count pixels only"
}

# e2e_expect_painting FILE_PREFIX [WxH+X+Y]: takes two screenshots a moment
# apart and fails unless the region shows a lit picture in both that moved in
# between. Prints the second screenshot's path.
e2e_expect_painting() {
    local prefix=$1 region=${2:-} first second
    first=$(e2e_screenshot "$prefix-1.png")
    sleep 0.3
    second=$(e2e_screenshot "$prefix-2.png")
    if [ -n "$region" ]; then
        convert "$first" -crop "$region" +repage "$first"
        convert "$second" -crop "$region" +repage "$second"
    fi
    e2e_assert_not_black "$first"
    e2e_assert_not_black "$second"
    e2e_assert_images_differ "$first" "$second" 1000
    echo "$second"
}

# e2e_wait_lit FILE REGION... [SECONDS=10]: waits until a screenshot lights
# every region; the painting starts on black and needs some frames to fill.
e2e_wait_lit() {
    local file=$1 regions=() seconds=10
    shift
    while [ "$#" -gt 0 ]; do
        if [[ $1 =~ ^[0-9.]+$ ]]; then seconds=$1; else regions+=("$1"); fi
        shift
    done
    e2e_poll "$seconds" e2e_regions_lit "$file" "${regions[@]}" ||
        e2e_fail "${regions[*]} of the screen stayed black for $seconds s"
}

# e2e_regions_lit FILE REGION...: takes a screenshot; true when every region
# of it is lit.
e2e_regions_lit() {
    local shot region
    shot=$(e2e_screenshot "$1")
    shift
    for region in "$@"; do
        awk -v mean="$(e2e_image_mean "$shot" "$region")" 'BEGIN { exit !(mean > 0.01) }' ||
            return 1
    done
}

# e2e_assert_quarters_lit FILE WxH+X+Y: fails unless each quarter of the
# region is lit, so that a picture fills it to every corner.
e2e_assert_quarters_lit() {
    local file=$1 w h x y part
    [[ $2 =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || e2e_fail "bad region '$2'"
    w=$((BASH_REMATCH[1] / 2)) h=$((BASH_REMATCH[2] / 2))
    x=${BASH_REMATCH[3]} y=${BASH_REMATCH[4]}
    for part in "+$x+$y" "+$((x + w))+$y" "+$x+$((y + h))" "+$((x + w))+$((y + h))"; do
        e2e_assert_not_black "$file" "${w}x$h$part"
    done
}

# e2e_assert_region_moved A B WxH+X+Y [MIN_PIXELS=1]: fails unless the region
# differs between two screenshots.
e2e_assert_region_moved() {
    local name
    name=${3//[x+]/-}
    convert "$1" -crop "$3" +repage "$1.$name.png"
    convert "$2" -crop "$3" +repage "$2.$name.png"
    e2e_assert_images_differ "$1.$name.png" "$2.$name.png" "${4:-1}"
}
