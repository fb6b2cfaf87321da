#!/usr/bin/env bash
# Redraws the button pictures and the icons in resources/ from scripts/artwork.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target hueprev_artwork
bash scripts/artwork/draw.sh build/default/scripts/hueprev_artwork resources
echo "Redrawn into resources/; review with: git diff --stat resources"
