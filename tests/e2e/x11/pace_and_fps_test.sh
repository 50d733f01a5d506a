#!/usr/bin/env bash
# The hack's pace and its frame rate on the picture, on a small root window
# where the drawing takes little of each frame: -delay 50000 draws about 20
# frames a second and never more, the default keeps the painting's pace of
# about 60 and never more than 66, -delay 0 waits for nothing; -fps writes the
# rate in the lower left corner, white on a black box that stays put, which
# the painting alone does not show there.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/hack_session.sh"

e2e_begin 320x240x24

# The box of "FPS: 20.0" in the server's "fixed" font, 8 pixels in from the
# corner, and the strip of it that holds the constant "FPS:".
box="70x22+6+$((E2E_HEIGHT - 28))"
label="26x13+11+$((E2E_HEIGHT - 25))"

rate_lines() {
    grep -cE '^velmora: [0-9]+\.[0-9] frames/s$' "$(e2e_stderr "$1")" || true
}

has_rates() {
    [ "$(rate_lines "$1")" -ge "$2" ]
}

# rates NAME: the frame rates the program printed, one a line, but the
# first, which covers the start.
rates() {
    sed -nE 's/^velmora: ([0-9]+\.[0-9]) frames\/s$/\1/p' "$(e2e_stderr "$1")" | tail -n +2
}

# corner_signature PREFIX: three screenshots half a second apart; prints how
# many pixels of the label are white in all three and which share of the box
# is dark in all three.
corner_signature() {
    local shots=() i
    for i in 1 2 3; do
        shots+=("$(e2e_screenshot "$1-$i.png")")
        [ "$i" -lt 3 ] && sleep 0.5
    done
    local white dark
    white=$(convert "${shots[@]}" -crop "$label" +repage -evaluate-sequence min \
        -colorspace Gray -threshold 90% -format '%[fx:round(mean*w*h)]' info:)
    dark=$(convert "${shots[@]}" -crop "$box" +repage -evaluate-sequence max \
        -colorspace Gray -threshold 5% -format '%[fx:1-mean]' info:)
    echo "$white $dark"
}

is_overlay() {
    awk -v white="$1" -v dark="$2" 'BEGIN { exit !(white >= 20 && dark >= 0.4) }'
}

best_of() {
    awk -v list="$1" 'BEGIN { n = split(list, r, " "); best = 0; for (i = 1; i <= n; i++) if (r[i] > best) best = r[i]; print best }'
}

# assert_at_most LIST LIMIT WHAT
assert_at_most() {
    awk -v best="$(best_of "$1")" -v limit="$2" 'BEGIN { exit !(best <= limit) }' ||
        e2e_fail "$3 drew more than $2 frames a second: $1"
}

# As fast as it goes, with the rate on the picture: what this machine can
# draw at the moment, against which the paced runs are measured.
e2e_start unpaced velmora -root -fps -delay 0
e2e_poll 20 has_rates unpaced 4 || e2e_fail "-fps printed fewer than 4 rates within 20 s"
read -r white dark < <(corner_signature with-fps)
e2e_log "-fps: $white steady white pixels in the label, $dark of the box steadily dark"
is_overlay "$white" "$dark" || e2e_fail "-fps shows no rate in the lower left corner"
unpaced=$(rates unpaced | tr '\n' ' ')
e2e_log "-delay 0: $unpaced frames/s"
e2e_signal unpaced TERM
e2e_wait_exit unpaced 2
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code after SIGTERM"

# Without -fps the corner shows the painting only.
e2e_start plain velmora -root
e2e_wait_lit lit.png "${E2E_WIDTH}x${E2E_HEIGHT}+0+0"
read -r white dark < <(corner_signature without-fps)
e2e_log "without -fps: $white steady white pixels in the label, $dark of the box steadily dark"
! is_overlay "$white" "$dark" || e2e_fail "the corner shows a steady box without -fps"
e2e_signal plain TERM
e2e_wait_exit plain 2

# Never faster than the delay allows, and about 20 frames a second where the
# machine draws 45 unpaced. A machine busy with other work draws fewer, and
# its speed swings threefold from one second to the next: there the paced run
# must reach a third of the best unpaced second, which a delay misread tenfold
# would not.
e2e_start slow velmora -root -fps -delay 50000
e2e_poll 20 has_rates slow 5 || e2e_fail "-fps printed fewer than 5 rates within 20 s"
slow=$(rates slow | tr '\n' ' ')
e2e_log "-delay 50000: $slow frames/s"
e2e_signal slow TERM
e2e_wait_exit slow 2
assert_at_most "$slow" 21.0 "-delay 50000"
awk -v best="$(best_of "$slow")" -v unpaced="$(best_of "$unpaced")" \
    'BEGIN { want = unpaced / 3; if (want > 15) want = 15; exit !(best >= want) }' ||
    e2e_fail "-delay 50000 drew $slow frames a second where -delay 0 drew $unpaced"

# The painting's own pace.
e2e_start paced velmora -root -fps
e2e_poll 20 has_rates paced 4 || e2e_fail "-fps printed fewer than 4 rates within 20 s"
paced=$(rates paced | tr '\n' ' ')
e2e_log "default pace: $paced frames/s"
e2e_signal paced TERM
e2e_wait_exit paced 2
assert_at_most "$paced" 66.0 "the default pace"
