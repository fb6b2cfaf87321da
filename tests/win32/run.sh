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
cleanup() {
  wineserver -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
}
trap cleanup EXIT
"$(dirname "$0")/../../scripts/with-display.sh" "$@"
