#!/usr/bin/env bash
# Task page: fill from 10,000 tasks against a bare QTableWidget fill, and 1,000 pushed changes (prints ratios).
set -euo pipefail
"${KY_BUILD_DIR:-build}/bench/bench_taskpage"
