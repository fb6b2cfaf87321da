#!/usr/bin/env bash
# Draws every picture and icon into a resources folder:  draw.sh GENERATOR RESOURCES-DIR
set -euo pipefail
generator=$1 resources=$2
pictures=$(mktemp -d)
trap 'rm -rf "$pictures"' EXIT
QT_QPA_PLATFORM=offscreen "$generator" "$resources" "$pictures" 2>/dev/null
icotool --create --bit-depth=8 --output="$resources/icons/hueprev.ico" "$pictures/hueprev-16.png" \
  "$pictures/hueprev-32.png"
