# shellcheck shell=bash
# Makes the Wine prefix that the e2e tests of a build run in, once, and again
# only when the Wine installation or the prefix's settings change. Each locale
# has a prefix of its own in its own state folder: the Japanese one that most
# tests use, and an English one for what a user elsewhere sees. Source after
# wine_session.sh.

_E2E_PREFIX_SETTINGS=("$(dirname "${BASH_SOURCE[0]}")/prefix_settings.reg")
# The Japanese prefix maps the dialog's fonts to faces with their metrics; a
# prefix of another language has no such entries, as a Windows without
# Japanese fonts has none.
if [[ $E2E_LOCALE == ja_* ]]; then
    _E2E_PREFIX_SETTINGS+=("$(dirname "${BASH_SOURCE[0]}")/prefix_fonts_ja.reg")
fi

_e2e_prefix_fingerprint() {
    {
        echo "$E2E_WINE $VELMORA_E2E_WINE_ARCH $E2E_LOCALE"
        "$E2E_WINE" --version
        cat "${_E2E_PREFIX_SETTINGS[@]}" "${BASH_SOURCE[0]}"
    } | sha256sum | cut -d ' ' -f 1
}

# ALSA's null plugin takes any sound and plays nothing, which gives Wine a wave
# output device on a machine without a sound card.
_e2e_write_alsa_settings() {
    mkdir -p "$HOME"
    cat >"$HOME/.asoundrc" <<'ALSA'
pcm.!default {
    type null
}
ALSA
}

# Wine takes its ANSI code page and the user's UI language from the C library's
# locale, which must exist; building it here spares the host from generating
# it system-wide.
_e2e_build_locale() {
    local locales="$VELMORA_E2E_STATE_DIR/locale" source=${E2E_LOCALE%%.*}
    [ -f "/usr/share/i18n/locales/$source" ] ||
        e2e_fail "the locale sources are missing (package locales): run scripts/setup.sh"
    mkdir -p "$locales"
    localedef -i "$source" -f UTF-8 "$locales/$E2E_LOCALE" ||
        e2e_fail "localedef could not build $E2E_LOCALE"
}

_e2e_import_prefix_settings() {
    local settings utf16
    for settings in "${_E2E_PREFIX_SETTINGS[@]}"; do
        utf16="$E2E_RUN_DIR/$(basename "$settings")"
        # regedit reads Unicode .reg files as UTF-16 with a byte-order mark.
        {
            printf '\xff\xfe'
            iconv -f UTF-8 -t UTF-16LE "$settings"
        } >"$utf16"
        _e2e_wine regedit /S "$(e2e_windows_path "$utf16")" >>"$E2E_RUN_DIR/wineboot.log" 2>&1 ||
            e2e_fail "regedit could not import $(basename "$settings")"
    done
}

# Wine draws the caption bar's buttons with its own Marlett font, which this
# Wine does not find where it installed it; without it the close box shows a
# letter "r". In the prefix's font folder it is found.
_e2e_install_caption_font() {
    local font
    for font in "$(dirname "$E2E_WINE")/../../share/wine/fonts/marlett.ttf" \
        /usr/share/wine/fonts/marlett.ttf; do
        if [ -f "$font" ]; then
            cp "$font" "$WINEPREFIX/drive_c/windows/Fonts/" ||
                e2e_fail "could not copy $font into the prefix"
            return 0
        fi
    done
    e2e_log "Wine's Marlett font was not found: caption buttons will show letters"
}

_e2e_check_prefix_settings() {
    # The server writes the registry to the prefix's files when it ends.
    grep -q '^"Managed"="N"' "$WINEPREFIX/user.reg" ||
        e2e_fail "the prefix settings did not reach $WINEPREFIX/user.reg"
}

# --- what the prefix must give every program ---------------------------------

# A Windows program of the tests' own (smoke_window.exe) reports what it finds
# and draws a known colour with OpenGL; the check needs none of the Velmora
# programs, which is why it belongs to the prefix and not among their tests.
readonly _E2E_SMOKE_TITLE="Velmora smoke window"
readonly _E2E_SMOKE_EXIT_ON_KEY=42
# The window's OpenGL fill colour (0.2, 0.6, 1.0), and how far llvmpipe's
# rounding may take the screenshot from it.
readonly _E2E_SMOKE_FILL="51 153 255"
readonly _E2E_SMOKE_TOLERANCE=3

_e2e_smoke_says() {
    grep -qxE -- "$1" "$(e2e_stdout smoke)" ||
        e2e_fail "the prefix's smoke window did not report '$1'; it said: $(cat "$(e2e_stdout smoke)")"
}

_e2e_smoke_fill_shown() {
    local x y width height shot colour fill channel difference
    read -r x y width height < <(e2e_window_geometry "$1")
    shot=$(e2e_screenshot smoke.png)
    read -r -a colour < <(e2e_image_colour "$shot" "${width}x${height}+${x}+${y}")
    read -r -a fill <<<"$_E2E_SMOKE_FILL"
    for channel in 0 1 2; do
        difference=$((colour[channel] - fill[channel]))
        [ "${difference#-}" -le "$_E2E_SMOKE_TOLERANCE" ] ||
            e2e_fail "the smoke window shows ${colour[*]}, drew ${fill[*]}"
    done
}

# In this prefix a program gets its code page, a wave output device, in the
# Japanese prefix the dialog's fonts on faces with their metrics, OpenGL
# drawing that a screenshot sees, and real keys that reach it and end it.
_e2e_check_prefix_runs_programs() {
    e2e_start smoke smoke_window.exe
    local window
    window=$(e2e_wait_window "$_E2E_SMOKE_TITLE")
    e2e_wait_focus "$window"
    if [[ $E2E_LOCALE == ja_* ]]; then
        _e2e_smoke_says 'acp 932'
        _e2e_smoke_says 'font ＭＳ Ｐゴシック = IPA Pゴシック'
        _e2e_smoke_says 'font ＭＳ ゴシック = IPAゴシック'
        _e2e_smoke_says 'font MS UI Gothic = IPA Pゴシック'
    else
        _e2e_smoke_says 'acp 1252'
    fi
    _e2e_smoke_says 'wave-out-devices [1-9][0-9]*'
    _e2e_smoke_says 'gl-renderer [^(].*'
    _e2e_smoke_fill_shown "$window"
    e2e_key Escape
    e2e_wait_exit smoke 10
    e2e_assert_equal "$E2E_EXIT_CODE" "$_E2E_SMOKE_EXIT_ON_KEY" "the smoke window's exit code after a key"
    _e2e_smoke_says 'key 27'
    e2e_log "the prefix runs programs: code page, sound, fonts, OpenGL and keys"
}

# e2e_make_prefix: makes the prefix where it is missing or out of date, and
# checks that programs run in it as the tests need.
e2e_make_prefix() {
    _e2e_make_prefix_once
    _e2e_check_prefix_runs_programs
}

_e2e_make_prefix_once() {
    _e2e_open_session "${VELMORA_E2E_SCREEN:-1280x1024x24}"
    local stamp="$VELMORA_E2E_STATE_DIR/wineprefix.stamp" fingerprint
    fingerprint=$(_e2e_prefix_fingerprint)
    if [ -d "$WINEPREFIX" ] && [ "$(cat "$stamp" 2>/dev/null)" = "$fingerprint" ]; then
        e2e_log "prefix $WINEPREFIX is up to date"
        return 0
    fi
    rm -rf "$WINEPREFIX" "$HOME" "$VELMORA_E2E_STATE_DIR/locale" "$stamp"
    _e2e_write_alsa_settings
    _e2e_build_locale
    e2e_log "locale built"
    _e2e_wine wineboot -i >"$E2E_RUN_DIR/wineboot.log" 2>&1 ||
        e2e_fail "wineboot failed: $(tail -n 20 "$E2E_RUN_DIR/wineboot.log")"
    e2e_log "prefix booted"
    _e2e_import_prefix_settings
    _e2e_install_caption_font
    _e2e_stop_wine
    _e2e_check_prefix_settings
    echo "$fingerprint" >"$stamp"
    e2e_log "prefix $WINEPREFIX is ready"
}
