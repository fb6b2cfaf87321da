#!/usr/bin/env bash
# Installs what is missing, then builds every configuration and runs its
# tests, each through its workflow preset: the sanitizer build's suite, a
# bounded fuzz run, the Windows builds' tests under Wine, the page's tests in
# Chromium, and last the default build with the whole-tree checks.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
for preset in sanitize fuzz windows windows-x64 web ci; do
  cmake --workflow --preset "$preset"
done
