# shellcheck shell=bash
# Runs the Windows programs of a build under Wine on a private virtual display
# (x_session.sh), with real input from xdotool and screenshots from ImageMagick.
#
# A test script sources this file, calls e2e_begin, and then drives its
# programs with the e2e_* functions of x_session.sh and this file. The Wine
# server of the test prefix goes down with the programs when the script exits.
#
# Besides what x_session.sh reads, the test registration (velmora_e2e_test in
# tests/e2e/CMakeLists.txt) provides:
#   VELMORA_E2E_STATE_DIR     also holds the Wine prefix, its HOME and locale
#   VELMORA_E2E_WINE_ARCH     win32 (i686 build) or win64 (x86_64 build)
#   VELMORA_VERSION           the version the programs and the package carry
# and may set VELMORA_E2E_WINE to force a Wine loader, and VELMORA_E2E_LOCALE
# for a prefix of another language (its own state folder).

# shellcheck source=x_session.sh
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"
# shellcheck source=host_32bit.sh
source "$(dirname "${BASH_SOURCE[0]}")/host_32bit.sh"

# Japanese (ANSI code page 932) unless the test asks for another language:
# en_US.UTF-8 gives code page 1252 and an English user.
readonly E2E_LOCALE=${VELMORA_E2E_LOCALE:-ja_JP.UTF-8}

_E2E_REGISTRY_UNDO=()
_E2E_DRIVE_C_FOLDERS=()

# --- Wine and the host ----------------------------------------------------------

_e2e_require_environment() {
    _e2e_require_variables VELMORA_E2E_BIN_DIR VELMORA_E2E_PROGRAMS_DIR VELMORA_E2E_STATE_DIR \
        VELMORA_E2E_WINE_ARCH VELMORA_E2E_TEST_NAME
}

# Picks the Wine loader that runs this build's programs, or skips the test where
# the host cannot run them at all.
_e2e_choose_wine() {
    case $VELMORA_E2E_WINE_ARCH in
        win64)
            E2E_WINE=${VELMORA_E2E_WINE:-$(_e2e_first_executable wine64 /usr/lib/wine/wine64)} ||
                e2e_fail "64-bit Wine (wine64) is not installed: run scripts/setup.sh"
            ;;
        win32)
            local blocker
            blocker=$(velmora_32bit_blocker)
            [ -z "$blocker" ] ||
                e2e_skip "32-bit Wine cannot run the i686 build on this host: $blocker;" \
                    "the windows-x64 preset runs the same tests under 64-bit Wine"
            # Not the `wine` on the path: without wine32 it runs 64-bit Wine,
            # which cannot make a 32-bit prefix.
            E2E_WINE=${VELMORA_E2E_WINE:-$(_e2e_first_executable /usr/lib/wine/wine)} ||
                e2e_fail "32-bit Wine (wine32) is not installed: run scripts/setup.sh"
            ;;
        *)
            e2e_fail "unknown VELMORA_E2E_WINE_ARCH '$VELMORA_E2E_WINE_ARCH'"
            ;;
    esac
    E2E_WINESERVER=$(_e2e_first_executable "$(dirname "$E2E_WINE")/wineserver" wineserver) ||
        e2e_fail "wineserver is not installed: run scripts/setup.sh"
}

_e2e_export_wine_settings() {
    export WINEPREFIX="$VELMORA_E2E_STATE_DIR/wineprefix"
    export WINEARCH="$VELMORA_E2E_WINE_ARCH"
    export WINELOADER="$E2E_WINE"
    # No .NET or HTML engine: a fresh prefix would otherwise ask to download them.
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEDEBUG="${WINEDEBUG:--all}"
    # Wine's sound output needs an ALSA device; the private HOME's .asoundrc
    # makes the default one a sink that needs no sound card.
    export HOME="$VELMORA_E2E_STATE_DIR/home"
    export XDG_CACHE_HOME="$HOME/.cache"
    export XDG_CONFIG_HOME="$HOME/.config"
    unset XDG_RUNTIME_DIR PULSE_SERVER
}

# Runs a Wine command in the test's locale (ANSI code page 932 unless the test
# asks for another). The locale is built into the state folder, so the host
# need not have generated it, and only Wine sees it: the shell tools keep the
# caller's language.
_e2e_wine() {
    env -u LC_ALL -u LC_CTYPE -u LC_MESSAGES -u LANGUAGE \
        LANG="$E2E_LOCALE" LOCPATH="$VELMORA_E2E_STATE_DIR/locale" "$E2E_WINE" "$@"
}

_e2e_stop_wine() {
    "$E2E_WINESERVER" -k >/dev/null 2>&1 || true
    # A new program must not meet a server that is still going away.
    timeout 20 "$E2E_WINESERVER" -w >/dev/null 2>&1 || true
}

# Runs one program of the test under Wine.
_e2e_launch() {
    _e2e_wine "$@"
}

# Killing the prefix's server takes every program of the test with it. Then
# the registry changes and the folders on drive C: of the test are undone, for
# the next test.
_e2e_stop_programs() {
    [ -n "${E2E_WINESERVER:-}" ] && [ -n "${WINEPREFIX:-}" ] && _e2e_stop_wine
    _e2e_restore_registry
    if [ ${#_E2E_DRIVE_C_FOLDERS[@]} -gt 0 ]; then
        rm -rf "${_E2E_DRIVE_C_FOLDERS[@]}"
        _E2E_DRIVE_C_FOLDERS=()
    fi
    return 0
}

_e2e_prepare_wine() {
    _e2e_export_wine_settings
    # A run that was killed may have left its programs behind in the prefix.
    _e2e_stop_wine
}

# --- session ------------------------------------------------------------------

# The part of a session that the prefix set-up shares with every test.
_e2e_open_session() {
    _e2e_require_environment
    _e2e_choose_wine
    _e2e_open_display_session _e2e_prepare_wine "$@"
    e2e_log "display $E2E_DISPLAY ($*), $VELMORA_E2E_WINE_ARCH programs through $E2E_WINE"
}

# e2e_begin [WxHxD...|WxH+X+Y...]: starts the test's session on a new virtual
# display. More than one screen makes a desktop of as many monitors
# (Xinerama), all at the origin; monitors given with their places lie where
# they say (Xephyr). The first is the primary one.
# shellcheck disable=SC2120
e2e_begin() {
    if [ "$#" -eq 0 ]; then
        set -- "${VELMORA_E2E_SCREEN:-1280x1024x24}"
    fi
    _e2e_open_session "$@"
    [ -f "$VELMORA_E2E_STATE_DIR/wineprefix.stamp" ] ||
        e2e_fail "the Wine prefix is not set up: run the tests through ctest (fixture e2e.wine_prefix)"
}

# e2e_start_in_desktop NAME DESKTOP PROGRAM [ARGS...]: starts a program inside
# Wine's virtual desktop DESKTOP ("name,WxH" makes it of that size; one X
# window that holds the programs' windows and whose size can change, unlike
# the X screen's). Programs started into the same name share it.
e2e_start_in_desktop() {
    local name=$1 desktop=$2 program
    program=$(_e2e_resolve_program "$3")
    shift 3
    e2e_start "$name" "$WINEPREFIX/drive_c/windows/explorer.exe" "/desktop=$desktop" \
        "$(e2e_windows_path "$program")" "$@"
}

# e2e_drive_c_folder NAME: makes C:\NAME in the prefix, new and empty, for
# programs that must lie on the prefix's own drive rather than on Z:; it goes,
# with everything in it, when the test ends. Sets E2E_DRIVE_C_FOLDER to where
# it lies here. A program started from there sees its path on C:.
E2E_DRIVE_C_FOLDER=""
e2e_drive_c_folder() {
    E2E_DRIVE_C_FOLDER="$WINEPREFIX/drive_c/$1"
    rm -rf "$E2E_DRIVE_C_FOLDER"
    mkdir -p "$E2E_DRIVE_C_FOLDER" || e2e_fail "could not make C:\\$1"
    _E2E_DRIVE_C_FOLDERS+=("$E2E_DRIVE_C_FOLDER")
}

# e2e_windows_path PATH: the path as a Windows program sees it (drive Z: is /).
e2e_windows_path() {
    local path
    path=$(realpath -m "$1")
    echo "Z:${path//\//\\}"
}

# e2e_unix_path WINDOWS_PATH: where a Windows path of the prefix lies here.
e2e_unix_path() {
    _e2e_wine winepath -u "$1" 2>/dev/null | tr -d '\r'
}

# e2e_registry_value KEY NAME: the value as reg.exe shows it, or nothing when
# the key or the value does not exist (reg.exe then fails, which is no
# failure here).
e2e_registry_value() {
    local shown
    shown=$(_e2e_wine reg query "$1" /v "$2" 2>/dev/null) || return 0
    tr -d '\r' <<<"$shown" |
        sed -n "s/^ *$(printf '%s' "$2" | sed 's/[.[\*^$]/\\&/g') *REG_[A-Z_]* *//p"
}

_e2e_reg() {
    _e2e_wine reg "$@" >>"$E2E_RUN_DIR/registry.log" 2>&1
}

# e2e_registry_set_dword KEY NAME VALUE: sets a DWORD value in the prefix's
# registry for this test only; what the value was (or that it was absent) is
# put back when the test ends, however it ends. Programs started afterwards
# see the new value.
e2e_registry_set_dword() {
    local key=$1 name=$2 value=$3 old
    old=$(e2e_registry_value "$key" "$name")
    if [ -n "$old" ]; then
        _E2E_REGISTRY_UNDO+=("add|$key|$name|$((old))")
    else
        _E2E_REGISTRY_UNDO+=("delete|$key|$name|")
    fi
    _e2e_reg add "$key" /v "$name" /t REG_DWORD /d "$value" /f ||
        e2e_fail "could not set $key\\$name to $value"
    e2e_log "registry: $key\\$name = $value for this test"
}

_e2e_restore_registry() {
    [ ${#_E2E_REGISTRY_UNDO[@]} -gt 0 ] || return 0
    local index action key name value
    # Last change first, so that a value set twice gets its first value back.
    for ((index = ${#_E2E_REGISTRY_UNDO[@]} - 1; index >= 0; index--)); do
        IFS='|' read -r action key name value <<<"${_E2E_REGISTRY_UNDO[index]}"
        if [ "$action" = add ]; then
            _e2e_reg add "$key" /v "$name" /t REG_DWORD /d "$value" /f
        else
            _e2e_reg delete "$key" /v "$name" /f
        fi || echo "[e2e] could not put back $key\\$name" >&2
    done
    _E2E_REGISTRY_UNDO=()
    # The server writes the registry to the prefix's files when it ends.
    _e2e_stop_wine
}
