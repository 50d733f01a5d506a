#!/usr/bin/env bash
# Mouse movement: the window's appearance under the cursor spends the ignored
# first move. Small moves (4 pixels or less, both axes summed) carry the
# reference along and do not close; one of 5 does, within a second.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=../lib/wine_session.sh
source "$here/../lib/wine_session.sh"
# shellcheck source=renderer_steps.sh
source "$here/renderer_steps.sh"

e2e_begin
x=$((E2E_WIDTH / 2))
y=$((E2E_HEIGHT / 2))
e2e_mousemove "$x" "$y"
renderer_start renderer

e2e_mousemove $((x + 2)) $((y + 2))
renderer_expect_staying renderer 1 "a move of 2 + 2 pixels"
# 3 from the last position but 7 from the first: the reference moved along.
e2e_mousemove $((x + 5)) $((y + 2))
renderer_expect_staying renderer 1 "a further move of 3 pixels"
e2e_mousemove $((x + 10)) $((y + 2))
renderer_expect_closed renderer "a move of 5 pixels"
