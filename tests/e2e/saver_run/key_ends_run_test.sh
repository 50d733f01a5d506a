#!/usr/bin/env bash
# A saver run without music: Velmora.scr /s hides the cursor, starts the
# renderer from a folder with a blank in its name and keeps its hidden
# "Torvi_Main" window; a key press ends the renderer, the front-end follows
# within about one watch period, shows the cursor again and leaves no
# process. Started without arguments, the run is the same but never touches
# the cursor.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=../lib/wine_session.sh
source "$here/../lib/wine_session.sh"
# shellcheck source=saver_run_steps.sh
source "$here/saver_run_steps.sh"
e2e_begin
saver_app

saver_start saver /s
saver_wait_run
saver_expect_lines "ShowCursor calls before the key" \
    "$(saver_cursor_calls saver | cut -d ' ' -f 2-)" "0 -1"
saver_key_ends_run saver
saver_expect_cursor_hidden_then_shown saver
[ -z "$(saver_command_list saver)" ] || e2e_fail "music commands without music"
slash_s_ms=$SAVER_KEY_TO_END_MS

saver_start bare
saver_wait_run
saver_key_ends_run bare
[ -z "$(saver_cursor_calls bare)" ] || e2e_fail "the cursor was touched without /s"

e2e_log "key press to both processes gone: $slash_s_ms ms (/s), $SAVER_KEY_TO_END_MS ms (no arguments)"
