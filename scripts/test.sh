#!/usr/bin/env bash
# Installs what is missing, then builds every configuration and runs its
# tests, each through its workflow preset: the sanitizer build's suite, a
# bounded fuzz run, the Windows builds' tests under Wine, the page's tests in
# Chromium and WebKitGTK, and last the default build with the whole-tree checks.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT

# Two lanes at a time: much of the tests' time is spent waiting on Wine, the
# browsers and the X servers, which the other lane's build fills.
lane() {
  for preset in "$@"; do
    cmake --workflow --preset "$preset" || return 1
  done
}
lane sanitize windows windows-x64 >"$logs/a" 2>&1 &
a=$!
lane fuzz web >"$logs/b" 2>&1 &
b=$!
status=0
wait "$a" || status=1
cat "$logs/a"
wait "$b" || status=1
cat "$logs/b"
[ "$status" -eq 0 ] || { echo "test.sh: a workflow above failed" >&2; exit 1; }
cmake --workflow --preset ci
