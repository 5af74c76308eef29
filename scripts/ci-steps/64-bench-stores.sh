#!/usr/bin/env bash
# Stores: one pushed change at 100,000 records against 1,000 (prints ratios).
set -euo pipefail
"${KY_BUILD_DIR:-build}/bench/bench_stores"
