#!/usr/bin/env bash
# Dialog lists and media views: fill and first paint at 1,000, 10,000 and 100,000 rows against a bare table (prints ratios).
set -euo pipefail
"${KY_BUILD_DIR:-build}/bench/bench_listdialogs"
