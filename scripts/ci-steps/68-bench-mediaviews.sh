#!/usr/bin/env bash
# Media views and transfer journal benchmark (prints ratios; fails only when a round fails).
set -euo pipefail
"${KY_BUILD_DIR:-build}/bench/bench_mediaviews"
