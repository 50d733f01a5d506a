# shellcheck shell=bash
# The line in which Velmora.dll (or a preview) says what its set-up took: the
# pixel format, the pace, the sizes and the painting's settings. It goes to
# OutputDebugString, which Wine writes to the program's stderr under
# WINEDEBUG=+debugstr. Source after lib/wine_session.sh.

# e2e_setup_line NAME: the first such line that the program started as NAME
# wrote, without Wine's quoting; empty when there is none yet.
e2e_setup_line() {
    grep -a -o 'Velmora: pixel format[^"]*' "$(e2e_stderr "$1")" | head -n 1 | sed 's/\\n$//'
}

_e2e_has_setup_line() {
    [ -n "$(e2e_setup_line "$1")" ]
}

# e2e_wait_setup_line NAME [SECONDS=10]: waits for it and prints it.
e2e_wait_setup_line() {
    e2e_poll "${2:-10}" _e2e_has_setup_line "$1" ||
        e2e_fail "$1 wrote no line of its set-up (is WINEDEBUG=+debugstr set?)"
    e2e_setup_line "$1"
}
