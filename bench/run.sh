#!/usr/bin/env bash
# Builds the benchmarks in release mode and prints their figures: the remote
# console's presses, then opening and closing every window and the two ticks.
# Start-up and memory against a bare window: bench/startup/run.sh.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build-bench}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVOLTRAIL_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target remote_bench windows_bench -j2
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$build/bench/remote_bench"
echo
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$build/bench/windows_bench"
