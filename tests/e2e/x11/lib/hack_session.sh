# shellcheck shell=bash
# Runs the native XScreenSaver hack and the test's helper programs on a private
# virtual display (x_session.sh). Every program a test starts is ended when the
# script exits, however it exits.
#
# Besides what x_session.sh reads, the test registration (velmora_hack_test in
# tests/e2e/x11/CMakeLists.txt) provides VELMORA_BUILD_DIR, the build folder
# that `cmake --install` installs from.

# shellcheck source=../../lib/x_session.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../lib/x_session.sh"

# Runs one program as a child of its own, so that its process id is known to
# e2e_program_pid and to the teardown.
_e2e_launch() {
    "$@" &
    local pid=$!
    echo "$pid" >"$_E2E_LAUNCH_BASE.program-pid"
    wait "$pid"
}

_e2e_program_gone() {
    ! kill -0 "$1" 2>/dev/null
}

# e2e_stop_pid PID: ends one process by its id, politely first.
e2e_stop_pid() {
    kill -0 "$1" 2>/dev/null || return 0
    kill -TERM "$1" 2>/dev/null
    e2e_poll 2 _e2e_program_gone "$1" || kill -KILL "$1" 2>/dev/null
    return 0
}

_E2E_CLEANUPS=()

# e2e_on_exit COMMAND [ARGS...]: runs the command when the test ends, however
# it ends, after its programs have been stopped; the last one given runs first.
e2e_on_exit() {
    _E2E_CLEANUPS=("$(printf '%q ' "$@")" "${_E2E_CLEANUPS[@]}")
}

# Ends every program of the test that still runs, then runs the cleanups.
_e2e_stop_programs() {
    local file cleanup
    for file in "$E2E_RUN_DIR"/*.program-pid; do
        [ -f "$file" ] && e2e_stop_pid "$(cat "$file")"
    done
    for cleanup in "${_E2E_CLEANUPS[@]}"; do
        eval "$cleanup"
    done
    return 0
}

_e2e_prepare_hack() {
    _e2e_require_variables VELMORA_E2E_BIN_DIR VELMORA_E2E_PROGRAMS_DIR VELMORA_BUILD_DIR
    local tool
    for tool in xdotool import convert compare; do
        command -v "$tool" >/dev/null || e2e_fail "$tool is not installed: run scripts/setup.sh"
    done
}

# e2e_begin [WxHxD | WxH+X+Y...]: starts the test's session on a new virtual
# display: one screen, or monitors at their places (see x_session.sh).
# shellcheck disable=SC2120
e2e_begin() {
    if [ "$#" -eq 0 ]; then
        set -- "${VELMORA_E2E_SCREEN:-1280x1024x24}"
    fi
    _e2e_open_display_session _e2e_prepare_hack "$@"
    e2e_log "display $E2E_DISPLAY (${E2E_WIDTH}x$E2E_HEIGHT)"
}

# e2e_program_pid NAME: the process id of a program started with e2e_start.
e2e_program_pid() {
    local file="$E2E_RUN_DIR/$1.program-pid"
    e2e_poll 5 test -s "$file" || e2e_fail "$1 has no process id"
    cat "$file"
}

# e2e_signal NAME SIGNAL: sends the signal to the program itself.
e2e_signal() {
    kill -s "$2" "$(e2e_program_pid "$1")" || e2e_fail "cannot send $2 to $1"
}
