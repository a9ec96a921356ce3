#!/bin/sh
# Rebuilds Pellucors' pictures (emblem.png, emblem-256.png, logo.jpg and the
# Windows icon pellucors.ico) in resources/.
# The generator draws them with Qt; its output is the same on every run.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
out=$(cd "$here/.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# shellcheck disable=SC2046 # pkg-config output is meant to be split into words
g++ -std=c++20 -O2 -fPIC -o "$tmp/make_pictures" "$here/make_pictures.cpp" \
    $(pkg-config --cflags --libs Qt6Gui)

# No display is needed: Qt draws into memory only.
QT_QPA_PLATFORM=offscreen "$tmp/make_pictures" "$out"
echo "wrote $out/emblem.png $out/emblem-256.png $out/logo.jpg $out/pellucors.ico"
