#!/usr/bin/env bash
# Builds with AddressSanitizer and UBSan in its own build folder and runs the
# task-editor tests under it: editors closed while the file worker still
# answers, tables and play lists changed row by row.
# KY_ASAN_TESTS (a ctest regex) widens the set.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${KY_ASAN_BUILD_DIR:-build-asan}
tests=${KY_ASAN_TESTS:-^test_task_(exectime|planedit|timeredit)$}

cmake -S . -B "$build" -G Ninja -DKY_ASAN=ON -DKY_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=$(ctest --test-dir "$build" -N -R "$tests" | sed -n 's/^ *Test *#[0-9]*: *//p')
cmake --build "$build" --target $targets
export QT_QPA_PLATFORM=offscreen
# Qt's own start-up allocations are not ours to chase.
export ASAN_OPTIONS="detect_leaks=0:halt_on_error=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
ctest --test-dir "$build" -R "$tests" --output-on-failure -j 2
