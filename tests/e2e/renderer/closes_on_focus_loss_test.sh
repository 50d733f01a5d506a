#!/usr/bin/env bash
# Another program taking the foreground ends the run.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=../lib/wine_session.sh
source "$here/../lib/wine_session.sh"
# shellcheck source=renderer_steps.sh
source "$here/renderer_steps.sh"

e2e_begin
renderer_start renderer
e2e_start focus saver_probe.exe take-focus
e2e_wait_for_text "$(e2e_stdout focus)" '^focus taken' 10
renderer_expect_closed renderer "another window taking the foreground"
