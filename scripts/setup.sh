#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks to build, run and test Velmora.
# Safe to run again: packages already present are left as they are.
set -euo pipefail

if [ "$(id -u)" -ne 0 ]; then
  exec sudo "$0" "$@"
fi

export DEBIAN_FRONTEND=noninteractive

# 32-bit Wine runs the 32-bit Windows programs; it needs the i386 architecture.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  rm -f /var/lib/apt/periodic/velmora-updated
fi

packages=(
  cmake ninja-build g++ pkg-config clang clang-format
  g++-mingw-w64-i686 binutils-mingw-w64-i686 mingw-w64-i686-dev
  g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libosmesa6-dev libglu1-mesa-dev libpng-dev libjpeg-dev
  # The XScreenSaver hack draws with the system's GL through GLX on X11; its
  # tests run it under the real XScreenSaver as a user they make, and look
  # for its process with pgrep.
  libgl-dev libx11-dev xscreensaver procps
  # A small window manager that gives every window the whole screen as it
  # maps it, for the hack's own window; dpkg-shlibdeps (in dpkg-dev) works
  # out the library dependencies of the hack's Debian package, which lintian
  # checks.
  matchbox-window-manager dpkg-dev lintian
  # Wine runs the Windows programs on a virtual X display: 64-bit Wine runs the
  # x86_64 build anywhere, 32-bit Wine the i686 build where the host executes
  # 32-bit code. Wine only recommends its GL, X extension libraries and fonts,
  # and recommendations are not installed, so they are named here.
  wine wine64 wine32:i386 fonts-wine
  libgl1 libglx-mesa0 libgl1-mesa-dri libgl1:i386 libglx-mesa0:i386 libgl1-mesa-dri:i386
  libxrandr2 libxi6 libxrender1 libxcursor1 libxfixes3 libxinerama1 libxxf86vm1 libxcomposite1
  libxrandr2:i386 libxi6:i386 libxrender1:i386 libxcursor1:i386 libxfixes3:i386
  libxinerama1:i386 libxxf86vm1:i386 libxcomposite1:i386
  # Wine draws OpenGL into a picture in memory (the settings dialog's moving
  # picture of the painting) with OSMesa, which it loads when asked.
  libosmesa6 libosmesa6:i386
  # The virtual display, real input, screenshots, and the Japanese locale
  # sources from which the tests build the locale that gives Wine code page 932.
  # Xephyr, a nested X server shown on Xvfb, lays monitors side by side, which
  # Xvfb cannot; the hack asks Xinerama where the monitors are.
  xvfb xserver-xephyr libxinerama-dev xdotool x11-utils imagemagick locales
  fonts-ipafont-gothic sox lame libasound2-plugins:i386
  # Wine plays MP3 files through GStreamer, whose decoders live in these plugin
  # sets; 32-bit Wine needs their i386 builds. The tests make their music with
  # sox and lame.
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  gstreamer1.0-plugins-base:i386 gstreamer1.0-plugins-good:i386
  # The Windows package: the per-user installer is made with NSIS.
  nsis
)

missing=()
for p in "${packages[@]}"; do
  name=${p%%:*}
  arch=${p#*:}
  [ "$arch" = "$p" ] && arch=""
  if [ -n "$arch" ]; then
    q="$name:$arch"
  else
    q="$name"
  fi
  # A package installed for two architectures answers with one line for each.
  dpkg-query -W -f='${Status}\n' "$q" 2>/dev/null | grep -qx 'install ok installed' ||
    missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  # A mirror in the middle of a sync refuses an index now and then and is
  # whole again a little later; lists that did not all update may still hold
  # every package named here, so the install has the last word.
  for attempt in 1 2 3; do
    apt-get update -q && break
    echo "setup: the package lists did not all update (try $attempt of 3)"
    sleep $((attempt * 15))
  done
  if ! apt-get install -y -q --no-install-recommends "${missing[@]}"; then
    # Where the mirror's i386 lists are what failed, the 64-bit build can
    # still be built, run and tested; the 32-bit tests then fail, saying that
    # 32-bit Wine is not installed, or skip where the host runs no 32-bit code.
    native=()
    for p in "${missing[@]}"; do
      [[ $p == *:i386 ]] || native+=("$p")
    done
    [ ${#native[@]} -lt ${#missing[@]} ] || exit 1
    echo "setup: the i386 packages could not be installed; installing the rest without 32-bit Wine"
    apt-get install -y -q --no-install-recommends "${native[@]}"
  fi
else
  echo "setup: everything is installed"
fi
