#!/usr/bin/env bash
# Sets up a Debian machine, builds Velmora and shows the painting: a frame of
# the real drawing code, rendered offscreen into a picture.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset native >/dev/null
cmake --build --preset native -j "$(nproc)" --target velmora-still

picture=build/velmora.png
build/native/tools/velmora-still --width 1280 --height 720 --frames 120 \
    --seed "$(date +%s)" -o "$picture"
echo "The painting after 120 frames is in $(pwd)/$picture"
