#!/usr/bin/env bash
# File-service transfer benchmark over loopback (prints ratios; fails only when a transfer fails).
set -euo pipefail
"${KY_BUILD_DIR:-build}/bench/bench_filetransfer"
