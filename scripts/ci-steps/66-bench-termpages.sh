#!/usr/bin/env bash
# Terminal list pages: fill and first paint at 1,000, 10,000 and 100,000 rows against a bare table,
# a pushed change at 100,000 rows and bursts of 10,000 changes, 200 new terminals and 2,000 mixed
# adds, changes and deletions (prints ratios and pauses).
set -euo pipefail
"${KY_BUILD_DIR:-build}/bench/bench_termpages"
