#!/usr/bin/env bash
# Two heads of different sizes side by side (Xephyr under Xinerama). On the
# root window the hack paints each head with a painting of its own, lit to
# every corner and moving. In a window the size of XScreenSaver's settings
# pane (725x407) it draws the head's painting in miniature: its mean
# brightness lies within a fifth of the full head's, where full-size points
# would light it about three times as much. A painting's brightness wanders
# by a tenth from moment to moment, so each mean is taken over shots a second
# apart.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/hack_session.sh"

readonly HEAD=1920x1080+0+0
readonly SECOND=1024x768+1920+0
readonly PANE=725x407

# shots_over_time NAME: six screenshots a second apart, their files in SHOTS.
shots_over_time() {
    local i
    SHOTS=()
    for i in 1 2 3 4 5 6; do
        SHOTS+=("$(e2e_screenshot "$1-$i.png")")
        sleep 1
    done
}

# mean_of REGION SHOT...: the mean brightness of the region over the shots.
mean_of() {
    local region=$1 shot
    shift
    for shot in "$@"; do
        e2e_image_mean "$shot" "$region"
    done | awk '{ sum += $1 } END { printf "%.4f\n", sum / NR }'
}

e2e_begin "$HEAD" "$SECOND"

e2e_start root velmora -root -fps
# Screenshots are slow beside a painting in software GL: the moving check and
# the measure share them.
e2e_wait_lit lit.png "$HEAD" "$SECOND" 20
case "$(head -n 1 "$(e2e_stderr root)")" in
    "velmora: 2944x1080 on 2 heads, "*) ;;
    *) e2e_fail "what -fps says first: $(head -n 1 "$(e2e_stderr root)")" ;;
esac
# Once the trails have filled in.
sleep 2
shots_over_time root
for head in "$HEAD" "$SECOND"; do
    e2e_assert_quarters_lit "${SHOTS[1]}" "$head"
    e2e_assert_region_moved "${SHOTS[0]}" "${SHOTS[1]}" "$head" 5000
done
full=$(mean_of "$HEAD" "${SHOTS[@]}")
e2e_signal root TERM
e2e_wait_exit root 2

e2e_start host x_window_helper host "Settings pane" "${PANE%x*}" "${PANE#*x}"
pane=$(e2e_wait_window "Settings pane" 5)
e2e_start hack velmora -window-id "$pane"
e2e_wait_lit lit-pane.png "$PANE+0+0"
sleep 2
shots_over_time pane
miniature=$(mean_of "$PANE+0+0" "${SHOTS[@]}")
e2e_log "mean brightness: $full on the whole 1920x1080 head, $miniature in the $PANE window"
awk -v full="$full" -v mini="$miniature" \
    'BEGIN { d = mini - full; if (d < 0) d = -d; exit !(d <= full / 5) }' ||
    e2e_fail "the $PANE window's mean brightness $miniature is not within a fifth of $full"
