#!/usr/bin/env bash
# Each libFuzzer target for 60 s.
set -euo pipefail
exec scripts/fuzz 60
