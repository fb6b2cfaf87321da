#!/usr/bin/env bash
# Installs what is missing, builds hueprev and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake --preset default >/dev/null
# The program alone: the tests are the test command's.
cmake --build --preset default --target hueprev
exec build/default/window/qt/hueprev
