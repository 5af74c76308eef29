#!/usr/bin/env bash
# Terminal list pages: fill and first paint at 1,000, 10,000 and 100,000 rows against a bare table,
# a pushed change at 100,000 rows and a burst of 10,000 pushes (prints ratios and pauses).
set -euo pipefail
"${KY_BUILD_DIR:-build}/bench/bench_termpages"
