#!/usr/bin/env bash
# Builds with ThreadSanitizer in its own build folder and runs the threaded
# tests under it: the core's (framer, hub, request wait, login, keep-alive),
# the model's thread tests (lists read while the receive thread writes) and
# the media browser (listings arriving while a view fills its table).
# KY_TSAN_TESTS (a ctest regex) widens the set.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${KY_TSAN_BUILD_DIR:-build-tsan}
tests=${KY_TSAN_TESTS:-^test_(framer|hmac|hub|bodies|net_.*|term_threads|org_threads|mediaview)$}

cmake -S . -B "$build" -G Ninja -DKY_TSAN=ON -DKY_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=$(ctest --test-dir "$build" -N -R "$tests" | sed -n 's/^ *Test *#[0-9]*: *//p')
cmake --build "$build" --target $targets
export QT_QPA_PLATFORM=offscreen
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$PWD/scripts/tsan.supp"
ctest --test-dir "$build" -R "$tests" --output-on-failure -j 2
