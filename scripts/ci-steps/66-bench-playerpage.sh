#!/usr/bin/env bash
# Play-terminal page: full redraw of 10,000 rows against a bare table fill, and one pushed change (prints ratios).
set -euo pipefail
"${KY_BUILD_DIR:-build}/bench/bench_playerpage"
