#!/usr/bin/env bash
# Installs what is missing, builds every configuration and runs the whole test
# suite through ctest: unit, widget and end-to-end tests, plus the sanitizer
# run, the fuzz run, static analysis, the packaging checks, the Windows
# builds' tests under Wine and the web page's tests in Chromium.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
# The builds whose tests and checks the ci suite runs, then the suite itself.
cmake --workflow --preset sanitize
cmake --workflow --preset fuzz
cmake --workflow --preset windows
cmake --workflow --preset windows-x64
cmake --workflow --preset web
cmake --workflow --preset ci
