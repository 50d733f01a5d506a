#!/usr/bin/env bash
# Kind 1 under Wine, which has no CD drive: the front-end opens the CD device
# and polls it; the first poll fails, after which the poll stays off, and the
# close handler does not close the device that was never there.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=../lib/wine_session.sh
source "$here/../lib/wine_session.sh"
# shellcheck source=saver_run_steps.sh
source "$here/saver_run_steps.sh"
e2e_begin
saver_app
saver_settings 1 3

polled() { saver_command_list saver | grep -qx 'status cdaudio current track'; }

saver_start saver /s
saver_wait_run
e2e_poll 5 polled || e2e_fail "the CD was never polled: $(saver_command_list saver)"
# Five poll periods more.
e2e_expect_running saver 1
saver_key_ends_run saver
saver_expect_cursor_hidden_then_shown saver

# Wine opens a device by itself ("open cdaudio wait") before a status to a
# device that is not open; that is its own command, not the front-end's.
commands=$(saver_command_list saver | grep -vx 'open cdaudio wait')
saver_expect_lines "CD commands" "$commands" "open cdaudio
set cdaudio time format tmsf
status cdaudio current track"
e2e_log "cd: opened, polled once, poll stopped, device not closed"
