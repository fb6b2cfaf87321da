#!/usr/bin/env bash
# Runs a command under Wine in a copy of the test run's prefix and a virtual X
# server, both its own, and ends both afterwards:
#   run.sh DIR COMMAND...     (WINE_PROGRAM names the Windows program for COMMAND)
# For a Windows program COMMAND is the program itself; for a driver such as the
# end-to-end tests, HUEPREV_COMMAND tells it how to start the program.
set -euo pipefail
dir=$1
shift
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX
WINEPREFIX=$(mktemp -d "$dir/run.XXXXXX")
cp -a "$dir/template/." "$WINEPREFIX/"
exec 3< <(exec Xvfb -displayfd 4 -screen 0 1280x800x24 -nolisten tcp 4>&1 2>/dev/null)
xvfb=$!
cleanup() {
  wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$WINEPREFIX"
}
trap cleanup EXIT
read -r number <&3
export DISPLAY=":$number"
status=0
"$@" || status=$?
exit "$status"
