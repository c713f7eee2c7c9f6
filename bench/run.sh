#!/usr/bin/env bash
# Builds the remote console benchmark in release mode and prints its figures.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build-bench}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVOLTRAIL_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --target remote_bench -j2
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$build/bench/remote_bench"
