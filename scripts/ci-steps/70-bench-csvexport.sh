#!/usr/bin/env bash
# CSV export benchmark: 1,000,000 talkback rows against the same CSV written by mysql --batch (formatting in SQL) | iconv (prints the ratio).
set -euo pipefail
"${KY_BUILD_DIR:-build}/bench/bench_csvexport"
