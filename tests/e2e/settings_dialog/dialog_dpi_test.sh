#!/usr/bin/env bash
# At 144 dots per inch Velmora.scr, aware of the resolution, lays the dialog
# out half as large again from its twips: the client area 719 x 378, every
# control in its place at that resolution, the shading row by row over the
# larger height, the marks half as large again (18 pixels) and the buttons
# sharp, not stretched. The button
# for the maker's page asks the system to open the read-me beside
# Velmora.scr, as a build without a page of its own makes it do.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=../lib/wine_session.sh
source "$here/../lib/wine_session.sh"
# shellcheck source=../frontend/scr_checks.sh
source "$here/../frontend/scr_checks.sh"
# shellcheck source=../saver_run/saver_run_steps.sh
source "$here/../saver_run/saver_run_steps.sh"
# shellcheck source=dialog_steps.sh
source "$here/dialog_steps.sh"
e2e_begin
saver_app
saver_settings 1 7 ""
printf 'Velmora\r\n' >"$SAVER_APP/Readme.txt"
e2e_registry_set_dword 'HKCU\Control Panel\Desktop' LogPixels 144

e2e_mousemove 2 2
dialog_open first trace+exec
dialog_look look
e2e_assert_equal "$(dialog_fact dpi)" 144 "the system's resolution"
read -r width height <<<"$(dialog_fact client)"
# 718.5 pixels wide: either neighbour is right.
if [ $((width - 719)) -lt -1 ] || [ $((width - 719)) -gt 1 ] || [ "$height" != 378 ]; then
    e2e_fail "client area ${width}x$height at 144 dpi, not 719x378"
fi
e2e_assert_equal "$(dialog_fact repeat)" "enabled=1 text=7" "the combo box for kind 1, track 7"

dialog_activate
shot=$(dialog_shot dialog.png)
dialog_expect_gradients "$shot"
dialog_expect_marks "$shot" 1
dialog_expect_mark_size "$shot"
dialog_expect_face "$shot" Cmd_BGM disabled
dialog_expect_face "$shot" Cmd_Set enabled
e2e_keep_artefact "$(dialog_crop "$shot" "$E2E_RUN_DIR/dialog_144.png")" \
    settings-dialog-144dpi.png >/dev/null
# The painting page is laid out at the same resolution (the probe checked
# its places too), its moving picture as large as the page makes it.
dialog_click Cmd_Page1
dialog_wait_fact "page painting"
read -r x y w h <<<"${DIALOG_RECT[Pic_Look]}"
e2e_assert_equal "${w}x$h" "230x156" "the moving picture at 144 dpi"
e2e_wait_lit painting_lit.png "${w}x$h+$x+$y"
e2e_keep_artefact "$(dialog_crop "$(dialog_shot painting.png)" "$E2E_RUN_DIR/painting_144.png")" \
    settings-dialog-painting-144dpi.png >/dev/null

# The read-me, with no parameters and no folder, shown normally. (This
# prefix has no program for text files, so nothing more appears.)
readme=$(e2e_windows_path "$SAVER_APP/Readme.txt")
dialog_click Cmd_Etc
e2e_poll 5 grep -qF "verb=L\"open\" file=L\"${readme//\\/\\\\}\" parm=L\"\" dir=L\"\" show=0x00000001" \
    "$(e2e_stderr first)" ||
    e2e_fail "no ShellExecuteW open of $readme: $(grep SHELL_execute "$(e2e_stderr first)")"
e2e_expect_running first 0.5

dialog_click Cmd_Can
e2e_wait_exit first 10
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code after Cancel"
e2e_log "at 144 dpi: client ${width}x$height, layout, shading, marks and faces as designed"
