#!/usr/bin/env bash
# The flows must come out the same from the Windows build as from the native
# one: same random draws, same single-precision arithmetic. Only the C
# library's cosine may differ in its last bit, so numbers are compared with a
# tight relative tolerance and everything else must match exactly.
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
source "$here/../lib/wine_session.sh"
e2e_begin

native=${VELMORA_SIM_NATIVE:-}
[ -x "$native" ] ||
    e2e_fail "the native velmora-sim '$native' is missing: build the native preset first"

# compare NATIVE WINDOWS: the first line where they differ beyond the
# tolerance, or nothing.
compare() {
    awk -v tolerance=1e-4 '
        function differs(a, b,   scale) {
            if (a == b) return 0
            if (a !~ /^-?[0-9.]/ || b !~ /^-?[0-9.]/) return 1
            scale = (a < 0 ? -a : a) > (b < 0 ? -b : b) ? (a < 0 ? -a : a) : (b < 0 ? -b : b)
            if (scale < 1) scale = 1
            return (a - b > tolerance * scale || b - a > tolerance * scale)
        }
        NR == FNR { native[FNR] = $0; count = FNR; next }
        {
            seen = FNR
            split(native[FNR], n, " ")
            if (NF != length(n)) { print FNR ": " native[FNR] " | " $0; exit }
            for (i = 1; i <= NF; ++i) {
                if (differs(n[i], $i)) { print FNR ": " native[FNR] " | " $0; exit }
            }
        }
        END { if (seen != count) print "line count " count " against " seen }
    ' "$1" "$2"
}

for run in "1234 200 1" "99 60 2" "7 40 0"; do
    read -r seed frames mode <<<"$run"
    name="sim-$seed-$mode"
    "$native" --seed "$seed" --frames "$frames" --draw-mode "$mode" >"$E2E_RUN_DIR/$name.native"
    e2e_run "$name" velmora_sim_windows.exe --seed "$seed" --frames "$frames" --draw-mode "$mode"
    e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code of the Windows velmora-sim"
    windows="$E2E_RUN_DIR/$name.windows"
    tr -d '\r' <"$(e2e_stdout "$name")" >"$windows"
    lines=$(wc -l <"$windows")
    [ "$lines" -gt 3000 ] || e2e_fail "the Windows build printed only $lines lines"
    difference=$(compare "$E2E_RUN_DIR/$name.native" "$windows")
    [ -z "$difference" ] ||
        e2e_fail "seed $seed, $frames frames, draw mode $mode: the builds differ at line $difference"
    exact=$(cmp -s "$E2E_RUN_DIR/$name.native" "$windows" && echo "identical" || echo "within 1e-4")
    e2e_log "seed $seed, $frames frames, draw mode $mode: $lines lines, $exact"
done
e2e_log "the Windows build steps the flows as the native build does"
