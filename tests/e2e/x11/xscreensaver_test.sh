#!/usr/bin/env bash
# The installed hack under the real XScreenSaver, run by an ordinary user of
# the test's own (lib/saver_user.sh) whose ~/.xscreensaver names the hack,
# installed by `cmake --install` into a scratch prefix, by its full path.
# `xscreensaver-command -activate` must bring the painting onto the screen and
# `-deactivate` must end the hack.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/hack_session.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/saver_user.sh"

saver_require
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

saver_start "$scratch/home" "$hack --root"
saver_activate
saver_deactivate
