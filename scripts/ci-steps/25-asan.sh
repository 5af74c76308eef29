#!/usr/bin/env bash
# The whole ctest suite built with AddressSanitizer + UBSan, in the clang
# build folder that the fuzz step made (scripts/asan-build). Leak reports are
# on; only Qt's offscreen platform plugin's own leak at load is suppressed.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${KY_FUZZ_BUILD_DIR:-build-fuzz}
bash scripts/asan-build "$build"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
jobs=$(( $(nproc) > 2 ? $(nproc) / 2 : 1 ))
ctest --test-dir "$build" --output-on-failure -j "$jobs"
