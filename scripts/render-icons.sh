#!/usr/bin/env bash
# Renders assets/icons/ordel.svg into the PNGs of the hicolor icon theme that
# the package installs, assets/icons/hicolor/<N>x<N>/org.example.Ordel.png,
# and gathers them into assets/icons/ordel.ico, the Windows program's icon.
# They are committed: the build and the package do not need this tool.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
ordel_install_missing librsvg2-bin imagemagick

for size in 16 32 48 64 128 256; do
    dir="assets/icons/hicolor/${size}x${size}"
    mkdir -p "$dir"
    rsvg-convert --width "$size" --height "$size" --format png \
        --output "$dir/org.example.Ordel.png" assets/icons/ordel.svg
done
# Every size in one icon file, from which Windows takes the one it shows.
convert assets/icons/hicolor/{16,32,48,64,128,256}x*/org.example.Ordel.png assets/icons/ordel.ico
echo "icons written to assets/icons/hicolor and assets/icons/ordel.ico"
