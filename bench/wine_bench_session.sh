# shellcheck shell=bash
# Sourced by the benchmarks of the Windows programs: a Wine session of the
# benchmark's own on a virtual display, for a built windows or windows-x64
# tree.
#
#   source bench/wine_bench_session.sh BUILD_DIR NAME [SCREEN]
#
# The prefix is the benchmarks' own (not the tests', whose runs would end
# their programs); NAME names the session's run folder.

_bench_build_dir=$1
_bench_name=$2
if grep -q 'CMAKE_SYSTEM_PROCESSOR:.*=x86_64' "$_bench_build_dir/CMakeCache.txt" 2>/dev/null ||
    grep -q 'x86_64-w64-mingw32' "$_bench_build_dir/CMakeCache.txt"; then
    export VELMORA_E2E_WINE_ARCH=win64
else
    export VELMORA_E2E_WINE_ARCH=win32
fi
export VELMORA_E2E_BIN_DIR="$_bench_build_dir/bin"
export VELMORA_E2E_PROGRAMS_DIR="$_bench_build_dir/e2e-helpers"
export VELMORA_E2E_STATE_DIR="$_bench_build_dir/bench-e2e"
[ -z "${3:-}" ] || export VELMORA_E2E_SCREEN=$3
export WINEDEBUG=-all

_bench_source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VELMORA_E2E_TEST_NAME=bench_prefix bash "$_bench_source_dir/tests/e2e/wine_prefix.sh" >/dev/null
export VELMORA_E2E_TEST_NAME=$_bench_name

# shellcheck source=../tests/e2e/lib/wine_session.sh
source "$_bench_source_dir/tests/e2e/lib/wine_session.sh"

# cpu_seconds PID: user and system time of the process and all its threads.
cpu_seconds() {
    awk -v tick="$(getconf CLK_TCK)" '{ sub(/^.*\) /, ""); print ($12 + $13) / tick }' \
        "/proc/$1/stat"
}
