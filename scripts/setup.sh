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
  libgtest-dev libgmock-dev libbenchmark-dev
  libosmesa6-dev libglu1-mesa-dev libpng-dev libjpeg-dev
  wine wine32:i386 xvfb xdotool x11-utils imagemagick
  fonts-ipafont-gothic sox lame libasound2-plugins:i386
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
  status=$(dpkg-query -W -f='${Status}' "$q" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
else
  echo "setup: everything is installed"
fi
