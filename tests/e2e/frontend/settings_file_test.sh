#!/usr/bin/env bash
# The settings file through the Windows profile functions: the table of cases
# that the native reader passes in the unit tests, and a file written by each
# side read back by the other, byte for byte in the keys.
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
source "$here/../lib/wine_session.sh"
source "$here/scr_checks.sh"
e2e_begin

e2e_run table frontend_probe.exe ini-table
scr_expect_pass table

native=${VELMORA_INI_NATIVE:-}
[ -x "$native" ] ||
    e2e_fail "the native settings tool '$native' is missing: build the native preset first"

# C:\ソフト\曲.mp3 in Shift-JIS; the second byte of ソ is a backslash.
path_hex=433a5c835c837483675c8bc82e6d7033
# BGM区分, BGMﾘﾋﾟｰﾄ, BGMﾌｧｲﾙ
keys_hex=(42474d8be695aa 42474dd8cbdfb0c4 42474dcca7b2d9)

# Lines of FILE as hex, one per line, without their line breaks.
lines_hex() {
    while IFS= read -r line || [ -n "$line" ]; do
        printf '%s' "${line%$'\r'}" | od -An -tx1 -v | tr -d ' \n'
        echo
    done <"$1"
}

# Written by the Windows build, read natively.
windows_ini="$E2E_RUN_DIR/windows.ini"
e2e_run write frontend_probe.exe ini-write "$(e2e_windows_path "$windows_ini")" 1 0 "$path_hex"
e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code of the Windows writer"
e2e_assert_equal "$("$native" read "$windows_ini")" \
    "$(printf 'kind=31\ntrack=30\nfile=%s' "$path_hex")" "what the native reader reads"
mapfile -t written < <(LC_ALL=C lines_hex "$windows_ini")
e2e_assert_equal "${written[0]}" 5b53656374696f6e5d "the section line [Section]"
for i in 0 1 2; do
    # The key, the equals sign, and the value with or without the blank that
    # the Windows writer may trim.
    [[ ${written[i + 1]} == "${keys_hex[i]}"3d* ]] ||
        e2e_fail "line $((i + 2)) of the Windows file is ${written[i + 1]}, not key ${keys_hex[i]}="
done

# Written natively, read by the Windows build.
native_ini="$E2E_RUN_DIR/native.ini"
"$native" write "$native_ini" 2 12 "$path_hex" || e2e_fail "the native writer failed"
e2e_run read frontend_probe.exe ini-read "$(e2e_windows_path "$native_ini")"
e2e_assert_equal "$(tr -d '\r' <"$(e2e_stdout read)")" \
    "$(printf 'kind=32\ntrack=3132\nfile=%s' "$path_hex")" "what the Windows build reads"

e2e_log "settings file: table passed, both sides read what the other wrote"
