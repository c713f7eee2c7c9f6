#!/usr/bin/env bash
# Builds the program alone, in Release, with no tests and no benchmarks, into
# build-run/ (or $BUILD_DIR), and prints the program's path.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build-run}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DVOLTRAIL_BUILD_TESTS=OFF -DVOLTRAIL_BUILD_BENCH=OFF > /dev/null
cmake --build "$build" --target ZT-VOLTRAIL-V1 >&2
echo "$build/src/app/ZT-VOLTRAIL-V1"
