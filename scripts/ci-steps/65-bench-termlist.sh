#!/usr/bin/env bash
# Play-terminal list parse-and-cache benchmark against bare TinyXML (prints ratios).
set -euo pipefail
"${KY_BUILD_DIR:-build}/bench/bench_termlist"
