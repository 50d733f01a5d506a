#!/usr/bin/env bash
# A click of any mouse button ends the run.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=../lib/wine_session.sh
source "$here/../lib/wine_session.sh"
# shellcheck source=renderer_steps.sh
source "$here/renderer_steps.sh"

e2e_begin
for button in 1 3 2; do
    renderer_start "renderer$button"
    e2e_click "$button"
    renderer_expect_closed "renderer$button" "click of button $button"
done
