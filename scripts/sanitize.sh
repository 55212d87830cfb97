#!/usr/bin/env bash
# Builds into ./build-san with address and undefined-behaviour sanitizers and
# runs every test headless. Any sanitizer report fails its test; leaks inside
# third-party libraries' process-long caches are suppressed by fuzz/lsan.supp.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="${JOBS:-$(nproc)}"
cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DBC_SANITIZE=ON -DBC_BUILD_BENCH=OFF "$@" >/dev/null
cmake --build build-san --parallel "$jobs"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp"
cd build-san
ctest --output-on-failure --parallel "$jobs" --timeout 1200
