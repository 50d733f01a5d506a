#!/usr/bin/env bash
# Where the user's Windows speaks English and the designed Japanese face is
# neither installed nor substituted, /c shows the dialog in English in the
# system's message font: every caption is its control's window text, each one
# fits its control, and the layout, shading, marks and faces are those of the
# Japanese dialog.
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

e2e_mousemove 2 2
dialog_open first
# The probe checks every caption against the table of the prefix's language
# and that its extent in the chosen font fits its control; the English
# captions are named here too, so that a dialog and a probe that both took
# the wrong language cannot pass.
dialog_look look
for said in "lbl_15 says Music" "lbl_BGM0 says None" "lbl_BGM1 says Audio CD" \
    "lbl_BGM2 says MP3, WAV" "lbl_14 says Repeat track" "Cmd_BGM says ..." \
    "Cmd_Etc says More works" "Cmd_Set says OK" "Cmd_Can says Cancel" \
    "Cmd_Page1 says Painting >>" "Cmd_Page0 says << Music" "lbl_16 says Painting" \
    "lbl_Look0 says Preset" "lbl_Look1 says Style" "lbl_Look6 says Flows"; do
    grep -qxF "ok $said" <<<"$DIALOG_LOOK" || e2e_fail "not \"ok $said\" in the probe's look"
done
grep -qE '^ok lbl_7 says Designed by .* Ver\.' <<<"$DIALOG_LOOK" ||
    e2e_fail "no maker line in the probe's look"
# The Japanese dialog keeps every control where it was designed; the wider
# English caption of the audio CD moves the repeat list right instead of
# running under it.
e2e_log "the repeat list moved $(dialog_fact repeat-shift) pixels right"
font=$(dialog_fact font | head -n 1)
case "$font" in
    "" | *ゴシック*) e2e_fail "the captions' font is '$font', not the system's message font" ;;
esac
e2e_log "English captions in $font, each within its control"

dialog_activate
shot=$(dialog_shot dialog.png)
dialog_expect_gradients "$shot"
dialog_expect_marks "$shot" 1
dialog_expect_face "$shot" Cmd_BGM disabled
for button in Cmd_Etc Cmd_Set Cmd_Can; do
    dialog_expect_face "$shot" "$button" enabled
done
e2e_keep_artefact "$(dialog_crop "$shot" "$E2E_RUN_DIR/dialog.png")" \
    settings-dialog-english.png >/dev/null

# The painting page in English, and back.
dialog_click Cmd_Page1
dialog_wait_fact "look Preset=Velmora|DrawMode=Points|Amount=100 %|Size=100 %|Speed=100 %|Trail=20|Flows=3|lists=enabled"
dialog_wait_fact "page painting"
shot=$(dialog_shot painting.png)
e2e_keep_artefact "$(dialog_crop "$shot" "$E2E_RUN_DIR/painting.png")" \
    settings-dialog-painting-english.png >/dev/null
dialog_click Cmd_Page0
dialog_wait_fact "page music"

# The open-file dialog speaks English too: its title and its filter.
dialog_click lbl_BGM2
dialog_wait_fact "repeat enabled=0 text=7"
dialog_open_chooser "Open" dialog_click Cmd_BGM
e2e_run filter settings_dialog_probe.exe chooser-filter
e2e_assert_equal "$(tr -d '\r' <"$(e2e_stdout filter)")" "filter Music files (MP3 WAV)" \
    "the open-file dialog's filter"
e2e_run cancel settings_dialog_probe.exe cancel-chooser
e2e_wait_no_window "Open"
e2e_log "the open-file dialog: Open, Music files (MP3 WAV)"

dialog_click Cmd_Can
e2e_wait_exit first 10
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code after Cancel"
