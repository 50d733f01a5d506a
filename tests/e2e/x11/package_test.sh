#!/usr/bin/env bash
# The Debian package of the hack, as a Linux user meets it: its files and
# fields, what lintian says of it (no error, no warning),
# `apt-get install ./velmora_<version>_<arch>.deb` with what it recommends
# (XScreenSaver and its GL visual finder, which "GL:" entries need), the installed hack
# chosen by an ordinary user's ~/.xscreensaver by its name alone and shown by
# the real XScreenSaver, and `apt-get remove`, which must leave none of the
# package's files. The package is removed when the test ends, however it ends.
# Needs root; the build's deb target makes the package.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/hack_session.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/saver_user.sh"

saver_require
_e2e_require_variables VELMORA_DEB_FILE VELMORA_E2E_STATE_DIR
for tool in apt-get dpkg dpkg-deb dpkg-query lintian; do
    command -v "$tool" >/dev/null || e2e_fail "$tool is not installed"
done
deb=$VELMORA_DEB_FILE
[ -f "$deb" ] || e2e_fail "no $deb: cmake --build --preset native --target deb"

readonly FILES="/usr/libexec/xscreensaver/velmora
/usr/share/doc/velmora/changelog.gz
/usr/share/doc/velmora/copyright
/usr/share/xscreensaver/config/velmora.xml"

# What a run of this test installed, so that a run that was killed is
# cleaned up by the next, and a velmora installed by someone else is not
# touched.
marker="$VELMORA_E2E_STATE_DIR/package-installed-by-test"

apt_get() {
    DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=120 "$@"
}

installed() {
    dpkg-query -W -f='${Status}\n' velmora 2>/dev/null | grep -qx 'install ok installed'
}

remove_package() {
    if installed && [ -f "$marker" ]; then
        apt_get remove velmora >"$E2E_RUN_DIR/remove-at-exit.log" 2>&1 || true
    fi
    installed || rm -f "$marker"
}

# The package itself: exactly these files, the fields, and the libraries
# that dpkg-shlibdeps found the hack to need.
listed=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }' | sort)
e2e_assert_equal "$listed" "$FILES" "files of the package"
field() {
    dpkg-deb -f "$deb" "$1"
}
name=$(basename "$deb")
e2e_assert_equal "$(field Package)_$(field Version)_$(field Architecture).deb" "$name" \
    "the file's name from the package's fields"
e2e_assert_equal "$(field Architecture)" "$(dpkg --print-architecture)" "architecture"
e2e_assert_equal "$(field Recommends)" "xscreensaver, xscreensaver-gl" "Recommends"
depends=$(field Depends)
for library in libc6 libx11-6 libgl1 libstdc++6; do
    [[ ", $depends," =~ [,|]\ "$library"[\ ,] ]] || e2e_fail "Depends lacks $library: $depends"
done
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^@\>]+@[^@\>]+\>$ ]] ||
    e2e_fail "the maintainer is not a name and an address: $(field Maintainer)"
[[ $(field Description) == *XScreenSaver* ]] || e2e_fail "description: $(field Description)"
changelog=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/velmora/changelog.gz | zcat)
[[ $(head -n 1 <<<"$changelog") == "velmora ($(field Version)) "* ]] ||
    e2e_fail "the changelog's last entry is not this version's: $(head -n 1 <<<"$changelog")"
lintian_says=$(lintian --fail-on error,warning "$deb" 2>&1) || e2e_fail "lintian: $lintian_says"

e2e_begin
e2e_log "$name: $(echo "$FILES" | tr '\n' ' '); Depends: $depends"

if installed; then
    [ -f "$marker" ] || e2e_skip "velmora is installed on this machine already; the test would replace it"
    remove_package
fi
e2e_on_exit remove_package
touch "$marker"
(cd "$(dirname "$deb")" && apt_get install "./$name") >"$E2E_RUN_DIR/install.log" 2>&1 ||
    e2e_fail "apt-get install ./$name failed: $(tail -n 5 "$E2E_RUN_DIR/install.log")"
installed || e2e_fail "apt-get install ./$name left velmora not installed"
e2e_assert_equal "$(dpkg-query -L velmora | while read -r f; do [ -d "$f" ] || echo "$f"; done | sort)" \
    "$FILES" "files that dpkg lists for the installed package"
[ -x /usr/libexec/xscreensaver/velmora ] || e2e_fail "the installed hack is not executable"
for recommended in xscreensaver xscreensaver-gl; do
    dpkg-query -W -f='${Status}\n' "$recommended" 2>/dev/null | grep -qx 'install ok installed' ||
        e2e_fail "$recommended was not installed with the package"
done
e2e_log "installed with apt-get install ./$name"

# By its name alone: XScreenSaver looks for its hacks where the package put it.
scratch=$(mktemp -d /tmp/velmora-saver.XXXXXX)
e2e_on_exit rm -rf "$scratch"
chmod 755 "$scratch"
saver_start "$scratch/home" "velmora --root"
saver_activate
e2e_assert_equal "$(readlink "/proc/$(saver_hack_pid)/exe")" /usr/libexec/xscreensaver/velmora \
    "the hack that XScreenSaver runs"
saver_deactivate
saver_remove_user

apt_get remove velmora >"$E2E_RUN_DIR/remove.log" 2>&1 ||
    e2e_fail "apt-get remove velmora failed: $(tail -n 5 "$E2E_RUN_DIR/remove.log")"
! installed || e2e_fail "apt-get remove left velmora installed"
rm -f "$marker"
for file in $FILES /usr/share/doc/velmora; do
    [ ! -e "$file" ] || e2e_fail "apt-get remove left $file"
done
e2e_log "apt-get remove velmora left none of its files"
