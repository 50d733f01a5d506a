#!/usr/bin/env bash
# A key press ends the run, and the command line changes nothing: started bare,
# with the screen-saver switches or with garbage, it is the same full-screen
# run that a key ends.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=../lib/wine_session.sh
source "$here/../lib/wine_session.sh"
# shellcheck source=renderer_steps.sh
source "$here/renderer_steps.sh"

e2e_begin
run=0
for arguments in "" "/s" "/c" "/p 1234" "nonsense --x 7"; do
    run=$((run + 1))
    # shellcheck disable=SC2086 # the arguments are meant to split
    renderer_start "renderer$run" $arguments
    e2e_run "describe$run" saver_probe.exe describe
    e2e_assert_equal "$(probe_value "describe$run" class)" WindowsScreenSaverClass \
        "class when started with '$arguments'"
    e2e_assert_equal "$(probe_value "describe$run" rect)" "0,0,$E2E_WIDTH,$E2E_HEIGHT" \
        "window rectangle when started with '$arguments'"
    e2e_key a
    renderer_expect_closed "renderer$run" "key press, started with '$arguments'"
done
