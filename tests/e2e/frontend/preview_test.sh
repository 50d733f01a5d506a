#!/usr/bin/env bash
# The preview in a host window of another process: Torvi_R becomes the host's
# child at (0, 0) with the host's size, Img_Prev fills it, and Velmora.scr ends
# when the host goes. Velmora.dll is missing: the preview does not need it. A
# handle that names no window ends the program at once.
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
source "$here/../lib/wine_session.sh"
source "$here/scr_checks.sh"
e2e_begin

folder=$(scr_folder app)
scr=$(e2e_windows_path "$folder/Velmora.scr")

# The probe makes the host, starts Velmora.scr with its handle, looks at the
# windows, destroys the host and waits for the end.
e2e_run usual frontend_probe.exe preview "$scr" "/p %d" 152 112
scr_expect_pass usual
e2e_run colon frontend_probe.exe preview "$scr" "/p:%d" 200 150
scr_expect_pass colon
e2e_run upper frontend_probe.exe preview "$scr" "-P %d" 100 80
scr_expect_pass upper

for handle in 0 2147483646; do
    e2e_start "none$handle" "$folder/Velmora.scr" /p "$handle"
    scr_expect_silent_end "none$handle"
done

e2e_log "preview: child of the host, ends with it; no window, no preview"
