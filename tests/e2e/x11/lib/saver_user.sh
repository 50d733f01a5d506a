# shellcheck shell=bash
# The real XScreenSaver on the test's display. XScreenSaver refuses to run as
# root, so an ordinary user that exists only for the test runs it, with a
# ~/.xscreensaver that names one hack. Creating the user needs root; without
# it the test skips. Source after hack_session.sh; the user and its processes
# go when the test ends.

readonly SAVER_USER=velmora-saver

# saver_require: skips without root, fails when a tool is missing.
saver_require() {
    [ "$(id -u)" -eq 0 ] || e2e_skip "creating the test's user needs root"
    local tool
    for tool in xscreensaver xscreensaver-command useradd userdel setpriv pgrep; do
        command -v "$tool" >/dev/null || e2e_fail "$tool is not installed: run scripts/setup.sh"
    done
}

_saver_stop_user_processes() {
    local pid
    for pid in $(pgrep -u "$SAVER_USER" 2>/dev/null); do
        e2e_stop_pid "$pid"
    done
}

# saver_remove_user: ends the user's processes and removes the user.
saver_remove_user() {
    id "$SAVER_USER" >/dev/null 2>&1 || return 0
    _saver_stop_user_processes
    userdel "$SAVER_USER" >/dev/null 2>&1 || true
}

# saver_hack_pid: the process id of the user's velmora, or nothing.
saver_hack_pid() {
    pgrep -u "$SAVER_USER" -x velmora | head -n 1 || true
}

_saver_hack_running() {
    [ -n "$(saver_hack_pid)" ]
}

_saver_no_hack_running() {
    ! _saver_hack_running
}

_saver_answers() {
    xscreensaver-command -time >/dev/null 2>&1
}

# saver_start HOME PROGRAM: makes the user with this home (a folder any user
# may enter, which the build folder may not be), whose ~/.xscreensaver runs
# PROGRAM as its only hack, starts XScreenSaver as that user and waits until
# it answers.
saver_start() {
    local home=$1 program=$2
    # A user left behind by a run that was killed goes first.
    saver_remove_user
    e2e_on_exit saver_remove_user
    useradd --no-create-home --home-dir "$home" --shell /bin/sh --user-group "$SAVER_USER"
    mkdir -p "$home"
    cat >"$home/.xscreensaver" <<SETTINGS
mode: one
selected: 0
lock: False
splash: False
fade: False
unfade: False
dpmsEnabled: False
timeout: 1:00:00
cycle: 0:00:00
programs: GL: $program \\n
SETTINGS
    chown -R "$SAVER_USER:$SAVER_USER" "$home"

    e2e_start saver "$(command -v setpriv)" --reuid="$SAVER_USER" --regid="$SAVER_USER" \
        --init-groups env -i HOME="$home" USER="$SAVER_USER" LOGNAME="$SAVER_USER" \
        PATH=/usr/bin:/bin DISPLAY="$DISPLAY" xscreensaver --no-splash --verbose
    e2e_poll 15 _saver_answers || e2e_fail "xscreensaver did not answer within 15 s"
    e2e_log "xscreensaver answers after $E2E_ELAPSED_MS ms"
}

# saver_activate: `xscreensaver-command -activate` must start velmora and
# bring the moving painting onto the whole screen.
saver_activate() {
    xscreensaver-command -activate >/dev/null
    e2e_poll 10 _saver_hack_running || e2e_fail "-activate started no velmora within 10 s"
    e2e_log "velmora runs $E2E_ELAPSED_MS ms after -activate"
    local whole="${E2E_WIDTH}x${E2E_HEIGHT}+0+0"
    e2e_wait_lit saver-lit.png "$whole" 15
    e2e_expect_painting saver "$whole" >/dev/null
}

# saver_deactivate: `xscreensaver-command -deactivate` must end velmora.
saver_deactivate() {
    xscreensaver-command -deactivate >/dev/null
    e2e_poll 5 _saver_no_hack_running || e2e_fail "velmora still runs 5 s after -deactivate"
    e2e_log "velmora ended $E2E_ELAPSED_MS ms after -deactivate"
}
