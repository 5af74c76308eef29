#!/usr/bin/env bash
# Resident memory of the console logged in to a demo site and to one of 10,000 terminals and 10,000 tasks (prints both).
set -euo pipefail
"${KY_BUILD_DIR:-build}/bench/bench_memory"
