#!/usr/bin/env bash
# CSV export benchmark: 1,000,000 talkback rows against mysql --batch | iconv (prints the ratio).
set -euo pipefail
"${KY_BUILD_DIR:-build}/bench/bench_csvexport"
