#!/usr/bin/env bash
# The committed pictures and icons are exactly what the generator draws, so
# they can always be remade from source and reviewed as a change to it.
set -euo pipefail
generator=$1 resources=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$(dirname "$0")/../../scripts/artwork/draw.sh" "$generator" "$scratch"
failed=0 count=0
while IFS= read -r file; do
  count=$((count + 1))
  if ! cmp -s "$scratch/$file" "$resources/$file"; then
    echo "FAIL: $file differs from what scripts/make-artwork.sh draws"
    failed=$((failed + 1))
  fi
done < <(cd "$scratch" && find . -type f | sort)
echo "$((count - failed)) passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$count" -gt 0 ]
