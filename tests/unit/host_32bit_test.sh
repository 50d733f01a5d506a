#!/usr/bin/env bash
# Checks what the test command says about a host that cannot run the 32-bit
# programs: nothing where a loader works, the reason where it is missing or
# cannot be executed.
set -euo pipefail
# shellcheck source=../e2e/lib/host_32bit.sh
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib/host_32bit.sh"
fail() { echo "FAIL: $*" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
printf '#!/bin/sh\nexit 0\n' >"$scratch/working"
# Bytes the kernel recognises as no executable format at all.
printf '\177ELF\001\001\001\000garbage' >"$scratch/foreign"
chmod +x "$scratch/working" "$scratch/foreign"

[ -z "$(VELMORA_32BIT_LOADER=$scratch/working velmora_32bit_summary)" ] ||
    fail "a host with a working loader was reported"

line=$(VELMORA_32BIT_LOADER=$scratch/missing velmora_32bit_summary)
[[ $line == "The 32-bit programs were not run end to end on this host: it has no 32-bit loader ($scratch/missing is missing;"* ]] ||
    fail "missing loader: '$line'"

line=$(VELMORA_32BIT_LOADER=$scratch/foreign velmora_32bit_summary)
[[ $line == *"it cannot execute 32-bit x86 code ($scratch/foreign: Exec format error);"* ]] ||
    fail "foreign loader: '$line'"
[ "$(printf '%s\n' "$line" | wc -l)" -eq 1 ] || fail "more than one line: '$line'"
echo "host_32bit: reasons as expected"
