# shellcheck shell=bash
# Steps the renderer's end-to-end tests share. Source after lib/wine_session.sh.

readonly RENDERER_TITLE=VelmoraVC
RENDERER_WINDOW=""

# renderer_start NAME [ARGS...]: starts Velmora.dll and waits until its window
# has taken the focus, so that keys reach it.
renderer_start() {
    local name=$1
    shift
    e2e_start "$name" Velmora.dll "$@"
    RENDERER_WINDOW=$(e2e_wait_window "$RENDERER_TITLE")
    e2e_wait_focus "$RENDERER_WINDOW"
}

# renderer_expect_closed NAME WHAT: right after the input, the window must go
# within a second and the process end with exit code 0. Wine's own teardown
# comes on top of the window's end; it is measured and logged, not hidden.
renderer_expect_closed() {
    local name=$1 what=$2 window_ms
    e2e_wait_no_window "$RENDERER_TITLE" 1
    window_ms=$E2E_ELAPSED_MS
    e2e_wait_exit "$name" 10
    e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code after $what"
    e2e_log "$what: window gone after $window_ms ms, process after" \
        "$((window_ms + E2E_ELAPSED_MS)) ms"
}

# renderer_expect_staying NAME SECONDS WHAT: neither the process nor its window
# may end meanwhile.
renderer_expect_staying() {
    local name=$1 seconds=$2 what=$3
    e2e_expect_running "$name" "$seconds"
    [ -n "$(e2e_find_window "$RENDERER_TITLE")" ] || e2e_fail "the window went after $what"
    e2e_log "still running $seconds s after $what"
}

# probe_value NAME KEY: the value of a key=value line of a probe's answer.
probe_value() {
    sed -n "s/^$2=//p" "$(e2e_stdout "$1")" | tr -d '\r'
}

# renderer_process NAME: the Linux process that runs Velmora.dll, started as
# NAME (Wine runs it in a descendant of the shell that started it).
renderer_process() {
    local root candidate ancestor
    root=$(cat "$E2E_RUN_DIR/$1.pid")
    for candidate in $(pgrep -f 'Velmora\.dll'); do
        ancestor=$candidate
        while [ -n "$ancestor" ] && [ "$ancestor" -gt 1 ]; do
            if [ "$ancestor" = "$root" ]; then
                echo "$candidate"
                return 0
            fi
            # The parent is the second field after the command's name, which
            # may hold blanks.
            ancestor=$(sed 's/^.*) [A-Za-z] \([0-9]*\) .*$/\1/' "/proc/$ancestor/stat" 2>/dev/null) ||
                break
        done
    done
    return 1
}

# renderer_fps NAME: the median of Wine's per-second frame rates (WINEDEBUG
# with fps) of the run, leaving out the first two, which span the set-up.
renderer_fps() {
    grep -o 'approx [0-9.]*' "$(e2e_stderr "$1")" | awk '{ print $2 }' | tail -n +3 | sort -n |
        awk '{ v[NR] = $1 } END { if (NR) print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
