#!/usr/bin/env bash
# Runs a command in a copy of the test run's Wine prefix and a virtual X server,
# both its own, and ends both afterwards:  run.sh DIR COMMAND...
# COMMAND is the Wine loader and a test program, or a driver such as the
# end-to-end tests, which start the program as HUEPREV_COMMAND says.
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
