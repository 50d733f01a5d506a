#!/usr/bin/env bash
# Sets up a Debian machine, builds the Windows programs and runs the real
# screen saver under Wine: Velmora.scr /s, with Velmora.dll beside it. On the
# user's display when there is one that answers, where it runs until a key
# press, a click or a mouse movement; otherwise on a virtual display, where it
# takes a screenshot, ends the saver with a key press and says where the
# picture is.
#
# With --settings it opens the settings dialog (Velmora.scr /c) instead: on
# the user's display until it is closed, on a virtual display for a
# screenshot.
#
# With --preview it shows the preview (Velmora.scr /p) in a 152 x 112 host of
# its own for ten seconds and keeps a short animated picture of the painting
# moving there in docs/live-preview.gif. Wine puts no OpenGL child window on
# the screen (not even one of the host's own process), so the picture is made
# from what the preview's painting drew, read back from its context in a host
# of the helper's own process, a tenth of a second apart.
# shellcheck source-path=SCRIPTDIR
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

switch=/s
case "${1:-}" in
    "") ;;
    --settings) switch=/c ;;
    --preview) switch=/p ;;
    *)
        echo "usage: bash scripts/run.sh [--settings | --preview]" >&2
        exit 2
        ;;
esac

bash scripts/setup.sh

# The shipped 32-bit programs where the host can run 32-bit code, which
# 32-bit Wine needs; elsewhere the same sources built for 64-bit Windows.
if /lib/ld-linux.so.2 --version >/dev/null 2>&1 && [ -x /usr/lib/wine/wine ]; then
    preset=windows arch=win32 wine=/usr/lib/wine/wine
else
    preset=windows-x64 arch=win64 wine=/usr/lib/wine/wine64
fi
build="$root/build/$preset"
cmake --preset "$preset" >/dev/null
targets=(velmora_scr velmora_renderer)
[ "$switch" = /p ] && targets+=(frontend_probe)
cmake --build --preset "$preset" -j "$(nproc)" --target "${targets[@]}"

# The Wine prefix of the end-to-end tests (code page 932, a wave device
# without a sound card, no window manager needed), made once per build.
export VELMORA_E2E_BIN_DIR="$build/bin"
export VELMORA_E2E_PROGRAMS_DIR="$build/e2e-helpers"
export VELMORA_E2E_STATE_DIR="$build/e2e"
export VELMORA_E2E_WINE_ARCH=$arch
export VELMORA_E2E_WINE=$wine
export VELMORA_E2E_TEST_NAME=run
VELMORA_E2E_TEST_NAME=run-prefix bash tests/e2e/wine_prefix.sh >/dev/null

saver="$build/bin/Velmora.scr"

if [ "$switch" = /p ]; then
    # The tests' session on a virtual display: Wine would show the user no
    # more of the moving preview than it shows there.
    # shellcheck source=../tests/e2e/lib/wine_session.sh
    source "$root/tests/e2e/lib/wine_session.sh"
    e2e_begin
    echo "Velmora.scr /p runs in a 152 x 112 host for ten seconds."
    E2E_RUN_SECONDS=40 e2e_run host frontend_probe.exe live-host "$(e2e_windows_path "$saver")" \
        152 112 "$(e2e_windows_path "$E2E_RUN_DIR/host.ready")" 10
    sed 's/^/    /' "$(e2e_stdout host)"
    ready="$E2E_RUN_DIR/preview.ready"
    e2e_start live frontend_probe.exe live 152 112 "$(e2e_windows_path "$ready")" 30
    e2e_poll 30 test -s "$ready" || e2e_fail "the preview drew no pictures"
    touch "$ready.stop"
    e2e_wait_exit live 20
    sed 's/^/    /' "$(e2e_stdout live)"
    convert -delay 10 -loop 0 "$ready".{0,1,2,3,4,5,6,7,8,9,10,11}.ppm "$root/docs/live-preview.gif"
    echo "The preview's painting, a tenth of a second apart, is in docs/live-preview.gif"
    exit 0
fi

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    if [ "$switch" = /c ]; then
        echo "Velmora's settings dialog opens on display $DISPLAY; 設定 saves, ｷｬﾝｾﾙ closes."
    else
        echo "Velmora runs on display $DISPLAY: press a key, click or move the mouse to end it."
    fi
    # The user's own HOME, so that the music reaches the user's sound device.
    env -u LC_ALL -u LC_CTYPE -u LC_MESSAGES -u LANGUAGE \
        LANG=ja_JP.UTF-8 LOCPATH="$VELMORA_E2E_STATE_DIR/locale" \
        WINEPREFIX="$VELMORA_E2E_STATE_DIR/wineprefix" WINEARCH=$arch WINELOADER="$wine" \
        WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all "$wine" "$saver" "$switch"
    echo "Velmora has ended."
    exit 0
fi

# No display: a virtual one, driven as the end-to-end tests drive it.
# shellcheck source=../tests/e2e/lib/wine_session.sh
source "$root/tests/e2e/lib/wine_session.sh"
e2e_begin
if [ "$switch" = /c ]; then
    picture="$root/build/velmora-settings.png"
    e2e_start settings "$saver" /c
    e2e_wait_focus "$(e2e_wait_window "<Velmora>" 30)"
    # The shading and the buttons are drawn once the dialog has settled.
    sleep 1
    e2e_screenshot "$picture" >/dev/null
    echo "Velmora's settings dialog opened on a virtual display; the session's end closes it."
    echo "The screen it showed is in $picture"
    exit 0
fi
picture="$root/build/velmora-saver.png"
e2e_start saver "$saver" /s
window=$(e2e_wait_window VelmoraVC 30)
e2e_wait_focus "$window"
# A few seconds of painting, so that the streams have left their trails.
sleep 3
e2e_screenshot "$picture" >/dev/null
e2e_key space
e2e_wait_exit saver 10
e2e_wait_no_window VelmoraVC 5
echo "Velmora ran on a virtual display and ended on a key press."
echo "The screen it showed is in $picture"
