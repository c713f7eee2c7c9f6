#!/usr/bin/env bash
# Sets up what running the bar needs, builds the program alone (Release, no
# tests, no benchmarks) into build-run/ (or $BUILD_DIR) and starts it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build-run}"
"$root/scripts/setup-debian.sh" run
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DVOLTRAIL_BUILD_TESTS=OFF -DVOLTRAIL_BUILD_BENCH=OFF > /dev/null
cmake --build "$build" --target ZT-VOLTRAIL-V1
exec "$build/src/app/ZT-VOLTRAIL-V1"
