#!/usr/bin/env bash
# Framing and dispatch throughput against a bare memchr scan (prints the ratio).
set -euo pipefail
"${KY_BUILD_DIR:-build}/bench/bench_framing"
