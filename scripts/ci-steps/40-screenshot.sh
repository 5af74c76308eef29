#!/usr/bin/env bash
# The console must come up logged in to the stand-in server and render its main window.
set -euo pipefail
bash scripts/screenshot "${KY_BUILD_DIR:-build}/screenshot.png"
