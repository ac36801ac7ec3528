#!/usr/bin/env bash
# Renders the application icon's PNG sizes from its SVG into resources/icons/application/.
# The PNGs are kept in the repository (the build needs no SVG renderer): run this again
# after changing resources/icons/application.svg. Needs rsvg-convert (package librsvg2-bin).
set -euo pipefail

cd "$(dirname "$0")/../resources/icons"
mkdir -p application
for size in 16 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --output "application/$size.png" application.svg
done
