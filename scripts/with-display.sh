#!/usr/bin/env bash
# Runs a command under an X server of its own, and ends that server by its id:
#   with-display.sh COMMAND...
# Xvfb picks a free display number itself (-displayfd), so runs side by side never collide.
set -euo pipefail
exec 3< <(exec Xvfb -displayfd 4 -screen 0 1280x800x24 -nolisten tcp 4>&1 2>/dev/null)
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
read -r number <&3
DISPLAY=":$number" "$@"
