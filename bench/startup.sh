#!/usr/bin/env bash
# Start-up to the first shown frame and peak memory of the real binary under
# Xvfb, over several runs:  bench/startup.sh [runs]   (after a default build)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
probe=build/default/bench/startup_probe
binary=build/default/window/qt/hueprev
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
# The first run only warms the caches.
results=$(scripts/with-display.sh bash -c '"$0" "$1" >/dev/null; for _ in $(seq "$2"); do "$0" "$1"; done' \
  "$probe" "$binary" "$runs")
echo "$results" | python3 -c '
import statistics, sys
rows = [dict(f.split("=") for f in line.split()) for line in sys.stdin if line.strip()]
frame = sorted(float(r["first_frame_ms"]) for r in rows)
rss = [float(r["peak_rss_mib"]) for r in rows]
print("runs=%d first_frame_ms median=%.1f min=%.1f max=%.1f peak_rss_mib max=%.1f" % (
    len(rows), statistics.median(frame), frame[0], frame[-1], max(rss)))'
