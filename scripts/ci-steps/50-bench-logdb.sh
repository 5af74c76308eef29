#!/usr/bin/env bash
# Paging benchmark of the log database against the mysql client (prints ratios).
set -euo pipefail
"${KY_BUILD_DIR:-build}/bench/bench_logdb"
