#!/usr/bin/env bash
# The installed hack under the real XScreenSaver. XScreenSaver refuses to run
# as root, so an ordinary user of the test's own runs it, with a
# ~/.xscreensaver that names the installed velmora by its full path.
# `xscreensaver-command -activate` must bring the painting onto the screen and
# `-deactivate` must end the hack.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/hack_session.sh"

readonly SAVER_USER=velmora-saver

[ "$(id -u)" -eq 0 ] || e2e_skip "creating the test's user needs root"
for tool in xscreensaver xscreensaver-command useradd userdel setpriv pgrep; do
    command -v "$tool" >/dev/null || e2e_fail "$tool is not installed: run scripts/setup.sh"
done

# The user's processes, by id; the user exists only for this test.
stop_user_processes() {
    local pid
    for pid in $(pgrep -u "$SAVER_USER" 2>/dev/null); do
        e2e_stop_pid "$pid"
    done
}

remove_user() {
    id "$SAVER_USER" >/dev/null 2>&1 || return 0
    stop_user_processes
    userdel "$SAVER_USER" >/dev/null 2>&1 || true
}

hack_running() {
    pgrep -u "$SAVER_USER" -x velmora >/dev/null
}

no_hack_running() {
    ! hack_running
}

saver_answers() {
    xscreensaver-command -time >/dev/null 2>&1
}

e2e_begin

# Everything the user reads lies in a folder of the test's own that any user
# may enter: the build folder may not be.
scratch=$(mktemp -d /tmp/velmora-saver.XXXXXX)
e2e_on_exit rm -rf "$scratch"
chmod 755 "$scratch"
prefix="$scratch/prefix"
cmake --install "$VELMORA_BUILD_DIR" --prefix "$prefix" >"$E2E_RUN_DIR/install.log" ||
    e2e_fail "cmake --install failed: $(cat "$E2E_RUN_DIR/install.log")"
hack="$prefix/libexec/xscreensaver/velmora"
[ -x "$hack" ] || e2e_fail "the install gave no $hack"
grep -q '<screensaver name="velmora" _label="Velmora">' \
    "$prefix/share/xscreensaver/config/velmora.xml" ||
    e2e_fail "the install gave no description for XScreenSaver's settings"

# A user left behind by a run that was killed goes first.
remove_user
e2e_on_exit remove_user
home="$scratch/home"
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
programs: GL: $hack --root \\n
SETTINGS
chown -R "$SAVER_USER:$SAVER_USER" "$home"

e2e_start saver "$(command -v setpriv)" --reuid="$SAVER_USER" --regid="$SAVER_USER" --init-groups \
    env -i HOME="$home" USER="$SAVER_USER" LOGNAME="$SAVER_USER" PATH=/usr/bin:/bin \
    DISPLAY="$DISPLAY" xscreensaver --no-splash --verbose
e2e_poll 15 saver_answers || e2e_fail "xscreensaver did not answer within 15 s"
e2e_log "xscreensaver answers after $E2E_ELAPSED_MS ms"

xscreensaver-command -activate >/dev/null
e2e_poll 10 hack_running || e2e_fail "-activate started no velmora within 10 s"
e2e_log "velmora runs $E2E_ELAPSED_MS ms after -activate"
whole="${E2E_WIDTH}x${E2E_HEIGHT}+0+0"
e2e_wait_lit lit.png "$whole" 15
e2e_expect_painting saver "$whole" >/dev/null

xscreensaver-command -deactivate >/dev/null
e2e_poll 5 no_hack_running || e2e_fail "velmora still runs 5 s after -deactivate"
e2e_log "velmora ended $E2E_ELAPSED_MS ms after -deactivate"
