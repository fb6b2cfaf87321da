#!/usr/bin/env bash
# A bounded fuzz run over the committed seeds; new inputs go to a scratch
# folder so the seeds stay as committed. Any finding fails the test.
set -euo pipefail
fuzzer=$1 seeds=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$fuzzer" -runs="${FUZZ_RUNS:-2000000}" -max_total_time="${FUZZ_SECONDS:-25}" -max_len=2048 \
  -print_final_stats=1 -artifact_prefix="$scratch/" "$scratch" "$seeds"
