#!/usr/bin/env bash
# Velmora.scr in a drive's root folder: the root keeps its backslash, so the
# renderer's path has two in a row (R:\\Velmora.dll), and that path still names
# the file: with Velmora.dll there, /a ends silently; without it, the message.
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
source "$here/../lib/wine_session.sh"
source "$here/scr_checks.sh"
e2e_begin

folder=$(scr_folder root)
drive="$WINEPREFIX/dosdevices/r:"
rm -f "$drive"
ln -s "$folder" "$drive"

# Any readable file will do as the renderer here: only its presence is checked.
cp "$folder/Velmora.scr" "$folder/Velmora.dll"
WINEDEBUG=trace+file e2e_start present "$folder/Velmora.scr" /a 1234
# The first program of a session also starts Wine's services, slower still with a trace.
scr_expect_silent_end present 30
grep -qE 'CreateFileW L"R:\\{4}Velmora\.dll"' "$(e2e_stderr present)" ||
    e2e_fail "Velmora.scr did not look for R:\\\\Velmora.dll: $(grep -m 3 Velmora "$(e2e_stderr present)")"

rm "$folder/Velmora.dll"
e2e_start missing "$folder/Velmora.scr" /a 1234
box=$(e2e_wait_window "$SCR_MESSAGE_TITLE")
e2e_wait_focus "$box"
e2e_key Return
e2e_wait_exit missing 5

rm -f "$drive"
e2e_log "drive root: R:\\\\Velmora.dll found when there, the message when not"
