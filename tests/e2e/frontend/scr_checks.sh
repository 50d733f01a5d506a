# shellcheck shell=bash
# What the Velmora.scr tests share, on top of lib/wine_session.sh. Source after
# lib/wine_session.sh and e2e_begin.

readonly SCR_MESSAGE_TITLE="Velmora (ScreenSaver)"

# scr_folder NAME: a folder of the test's own holding Velmora.scr and nothing
# else, so that Velmora.dll is missing; prints its path.
scr_folder() {
    local folder="$E2E_RUN_DIR/$1"
    e2e_copy_programs "$folder" Velmora.scr
    echo "$folder"
}

# scr_expect_pass NAME: the probe that ran as NAME ended with exit code 0 and
# its last line is "N passed, 0 failed".
scr_expect_pass() {
    local out
    out=$(e2e_stdout "$1")
    sed 's/^/    /' "$out"
    [ "$E2E_EXIT_CODE" = 0 ] || e2e_fail "$1 exited with $E2E_EXIT_CODE"
    tail -n 1 "$out" | grep -qE '^[1-9][0-9]* passed, 0 failed' ||
        e2e_fail "$1 did not pass: $(tail -n 1 "$out")"
}

_scr_ended_without_message() {
    [ -z "$(e2e_find_window "$SCR_MESSAGE_TITLE")" ] || e2e_fail "$_scr_name showed a message box"
    ! e2e_is_running "$_scr_name"
}

# scr_expect_silent_end NAME [SECONDS=5]: the program ends within SECONDS, with
# exit code 0, and no message box appears meanwhile (it would wait for a click).
scr_expect_silent_end() {
    _scr_name=$1
    e2e_poll "${2:-5}" _scr_ended_without_message || e2e_fail "$1 still running after ${2:-5} s"
    e2e_wait_exit "$1" 1
    e2e_assert_equal "$E2E_EXIT_CODE" 0 "exit code of $1"
}

# scr_wait_ready FILE [SECONDS=20]: waits for a probe's ready file and prints it.
scr_wait_ready() {
    e2e_poll "${2:-20}" test -s "$1" || e2e_fail "no $(basename "$1") within ${2:-20} s"
    tr -d "\r" <"$1"
}

# scr_process PATTERN: the Linux process of this session's Wine prefix whose
# command line matches PATTERN (a program started by another Windows program
# is no descendant of the test's shell).
scr_process() {
    local candidate
    for candidate in $(pgrep -f "$1"); do
        if tr '\0' '\n' 2>/dev/null <"/proc/$candidate/environ" |
            grep -qx "WINEPREFIX=$WINEPREFIX"; then
            echo "$candidate"
            return 0
        fi
    done
    return 1
}

# scr_cpu_share PID SECONDS: the percentage of one core the process and its
# threads take over the coming SECONDS.
scr_cpu_share() {
    local tick cpu0 cpu1 wall0 wall1
    tick=$(getconf CLK_TCK)
    cpu0=$(awk '{ sub(/^.*\) /, ""); print $12 + $13 }' "/proc/$1/stat")
    wall0=${EPOCHREALTIME/,/.}
    sleep "$2"
    cpu1=$(awk '{ sub(/^.*\) /, ""); print $12 + $13 }' "/proc/$1/stat")
    wall1=${EPOCHREALTIME/,/.}
    awk -v c0="$cpu0" -v c1="$cpu1" -v w0="$wall0" -v w1="$wall1" -v t="$tick" \
        'BEGIN { printf "%.0f\n", 100 * (c1 - c0) / t / (w1 - w0) }'
}

# scr_process_ended PID: the process has ended. One whose parent is gone waits
# as a zombie until whoever adopted it collects it, which may take a while.
scr_process_ended() {
    [ ! -e "/proc/$1" ] || [ "$(sed 's/^.*) \([A-Za-z]\) .*$/\1/' "/proc/$1/stat" 2>/dev/null)" = Z ]
}
