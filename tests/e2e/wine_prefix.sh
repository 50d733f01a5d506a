#!/usr/bin/env bash
# Makes the Wine prefix for the e2e tests of this build (a ctest fixture).
# shellcheck source-path=SCRIPTDIR
set -euo pipefail

here=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=lib/wine_session.sh
source "$here/lib/wine_session.sh"
# shellcheck source=lib/wine_prefix.sh
source "$here/lib/wine_prefix.sh"

e2e_make_prefix
