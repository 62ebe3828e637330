#!/usr/bin/env bash
# Checks beyond the main test run: every tools/checks/*.sh, in name order. Each
# prints what it did and exits non-zero on failure.
set -euo pipefail
cd "$(dirname "$0")/.."
shopt -s nullglob
for check in tools/checks/*.sh; do
    echo "== $check"
    bash "$check"
done
