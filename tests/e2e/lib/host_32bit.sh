# Whether this host can run the shipped 32-bit Windows programs under 32-bit
# Wine. Many virtual machines have no 32-bit user mode at all; there the 32-bit
# end-to-end tests skip and the 64-bit build is tested in their place.
# VELMORA_32BIT_LOADER names another loader to try, for the tests of this file.

# Prints why the host cannot run 32-bit x86 code, or nothing when it can.
velmora_32bit_blocker() {
    local loader=${VELMORA_32BIT_LOADER:-/lib/ld-linux.so.2}
    if [ ! -e "$loader" ]; then
        echo "it has no 32-bit loader ($loader is missing; scripts/setup.sh installs 32-bit Wine)"
        return 0
    fi
    local answer
    if answer=$({ "$loader" --version >/dev/null; } 2>&1); then
        return 0
    fi
    # The shell says "...: cannot execute binary file: Exec format error"; its
    # last part is the reason.
    answer=${answer##*: }
    echo "it cannot execute 32-bit x86 code ($loader: ${answer:-failed})"
}

# The one line that ends a test run where the 32-bit programs could not run,
# or nothing.
velmora_32bit_summary() {
    local blocker
    blocker=$(velmora_32bit_blocker)
    [ -n "$blocker" ] || return 0
    echo "The 32-bit programs were not run end to end on this host: $blocker;" \
        "their end-to-end tests were skipped and the 64-bit build ran them under 64-bit Wine."
}
