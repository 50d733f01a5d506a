#!/usr/bin/env bash
# Checks the state dump's format and its answers to bad arguments.
set -euo pipefail
sim=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

out=$("$sim" --seed 7 --frames 25)
[ "$(printf '%s\n' "$out" | wc -l)" -eq $((3 * (1 + 9 + 60 + 1200))) ] || fail "line count"
[ "$(printf '%s\n' "$out" | grep -c '^flow [0-2] nextSlot 300$')" -eq 3 ] || fail "nextSlot after 25 frames"
num='-?[0-9.]+(e[-+][0-9]+)?'
bad=$(printf '%s\n' "$out" | grep -vE "^(flow [0-2] nextSlot [0-9]+|phase [0-8]( $num){3}|emitter [0-9]+( $num){3}|particle [0-9]+( $num){6})$" || true)
[ -z "$bad" ] || fail "unexpected lines: $(printf '%s\n' "$bad" | head -3)"
[ "$out" = "$("$sim" --frames 25 --seed 7)" ] || fail "same seed, different state"
[ "$out" != "$("$sim" --seed 8 --frames 25)" ] || fail "another seed, same state"

lines=$("$sim" --seed 7 --frames 2 --draw-mode 2 | grep -E '^particle ')
printf '%s\n' "$lines" | grep -qvE "^particle [0-9]+( $num){6} -?[0-9]+ -?[0-9]+$" && fail "line mode links"
# The second frame's particles hang on the first frame's (all but a jumped emitter's).
chained=$(printf '%s\n' "$lines" | awk '$2 >= 60 && $2 < 120 && $10 == $2 - 60' | wc -l)
[ "$chained" -ge 50 ] || fail "only $chained second-frame particles linked to the first frame"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for args in "" "--seed 1" "--frames 1" "--seed -1 --frames 1" "--seed 1 --frames x" \
            "--seed 1 --frames 1 --draw-mode 3" "--seed 1 --frames 1 --bogus 2" "--seed"; do
    set +e
    # shellcheck disable=SC2086
    "$sim" $args >"$scratch/out" 2>"$scratch/err"
    rc=$?
    set -e
    [ "$rc" -eq 2 ] || fail "'$args' exited $rc"
    [ ! -s "$scratch/out" ] || fail "'$args' printed on stdout"
    grep -q . "$scratch/err" || fail "'$args' gave no message"
done
echo "velmora-sim: format and arguments as expected"
