#!/usr/bin/env bash
# Task page: fill and first paint at 1,000, 10,000 and 100,000 tasks against a bare table, and pushed changes (prints ratios).
set -euo pipefail
"${KY_BUILD_DIR:-build}/bench/bench_taskpage"
