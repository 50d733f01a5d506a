#!/usr/bin/env bash
# Checks the end-to-end library's own undo steps without Wine: reg.exe is
# played by a stand-in that keeps the values in a file and, like Wine's,
# fails on a query for a value that does not exist. A value set for a test
# that was absent before is removed again at the end, under the same
# set -euo pipefail as the tests; and the folders made on drive C: go, also
# when registry values were put back in the same teardown.
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }

if [ "${1:-}" = steps ]; then
    scratch=$2
else
    scratch=$(mktemp -d)
    trap 'rm -rf "$scratch"' EXIT
fi
export VELMORA_E2E_STATE_DIR=$scratch/state
mkdir -p "$VELMORA_E2E_STATE_DIR"
# shellcheck source=../e2e/lib/wine_session.sh
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib/wine_session.sh"

store=$scratch/registry
[ "${1:-}" = steps ] || : >"$store"
E2E_RUN_DIR=$scratch
E2E_WINESERVER=true
WINEPREFIX=$scratch/prefix
mkdir -p "$WINEPREFIX/drive_c"

# reg query KEY /v NAME, reg add KEY /v NAME /t TYPE /d VALUE /f and
# reg delete KEY /v NAME /f, one "KEY|NAME|VALUE" line a value.
_e2e_wine() {
    [ "$1" = reg ] || fail "only reg is played here, not $1"
    local line
    line=$(grep -F "$3|$5|" "$store" || true)
    case $2 in
        query)
            [ -n "$line" ] || { echo "reg: Unable to find the specified registry value" >&2; return 1; }
            printf '\r\n%s\r\n    %s    REG_DWORD    0x%x\r\n' "$3" "$5" "${line##*|}"
            ;;
        add)
            grep -vF "$3|$5|" "$store" >"$store.new" || true
            echo "$3|$5|$9" >>"$store.new"
            mv "$store.new" "$store"
            ;;
        delete)
            [ -n "$line" ] || return 1
            grep -vF "$3|$5|" "$store" >"$store.new" || true
            mv "$store.new" "$store"
            ;;
    esac
}

readonly KEY='HKCU\Control Panel\Desktop'
[ "${1:-}" = steps ] || _e2e_wine reg add "$KEY" /v LogPixels /t REG_DWORD /d 96 /f

# As a test script runs them, in a shell of their own where set -e holds (a
# command substitution tested with || would not end on a failing step): a
# silent end skips the last line.
steps() {
    e2e_registry_set_dword "$KEY" Fresh 7 >/dev/null
    e2e_registry_set_dword "$KEY" LogPixels 144 >/dev/null
    e2e_drive_c_folder "Velmora test"
    touch "$E2E_DRIVE_C_FOLDER/Velmora.scr"
    [ "$(e2e_registry_value "$KEY" Fresh)" = 0x7 ] || fail "Fresh was not set"
    _e2e_stop_programs
    echo reached
}
if [ "${1:-}" = steps ]; then
    steps
    exit 0
fi
reached=$(bash "${BASH_SOURCE[0]}" steps "$scratch") || true
[ "$reached" = reached ] || fail "the test ended silently while setting a value that did not exist"

[ -z "$(grep -F '|Fresh|' "$store")" ] || fail "the value that was absent before is left: $(cat "$store")"
grep -qxF "$KEY|LogPixels|96" "$store" || fail "LogPixels was not put back: $(cat "$store")"
[ ! -e "$WINEPREFIX/drive_c/Velmora test" ] || fail "the folder on drive C: was left in the prefix"
echo "wine_session: values put back, absent ones removed, folders on C: gone"
