#!/usr/bin/env bash
# Installs what is missing, then builds every configuration and runs its
# tests, each through its workflow preset: the Windows builds' tests under
# Wine, the page's tests in Chromium, WebKitGTK and Firefox ESR, and the ci
# build's: the whole suite under the sanitizers, a bounded fuzz run and the
# whole-tree checks.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT

# Two lanes at once: much of the tests' time is spent waiting on Wine, the
# browsers and the X servers, which the other lane's work fills. The ci
# lane's output comes last, ending with its ctest summary.
lane() {
  for preset in "$@"; do
    local start=$SECONDS
    cmake --workflow --preset "$preset" || return 1
    echo "== $preset: $((SECONDS - start)) s"
  done
}
lane windows-x64 web >"$logs/others" 2>&1 &
others=$!
lane windows ci >"$logs/ci" 2>&1 &
ci=$!
status=0
wait "$others" || status=1
wait "$ci" || status=1
cat "$logs/others" "$logs/ci"
exit "$status"
