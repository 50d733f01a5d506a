#!/usr/bin/env bash
# Remakes preview_still.jpg, the still that the preview shows: a real frame of
# the painting drawn at a screen size (points are 15 to 33 pixels whatever the
# window's size, so a frame drawn at 152 x 112 itself is a white blur), then
# scaled down by 8 to the preview's 152 x 112.
#
#   frontend/still/make_preview_still.sh [path/to/velmora-still]
#
# velmora-still is built by the native preset (tools/).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
still=${1:-$here/../../build/native/tools/velmora-still}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$still" --width 1216 --height 896 --frames 200 --seed 7 -o "$work/frame.png"
convert "$work/frame.png" -resize '152x112!' -strip -quality 92 "$here/preview_still.jpg"
echo "wrote $here/preview_still.jpg"
