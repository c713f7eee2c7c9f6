#!/usr/bin/env bash
# Builds the benchmarks in release mode and prints their figures: the remote
# console's presses, then opening and closing every window and the two ticks.
# Start-up and memory against a bare window: bench/startup/run.sh.
#
#   BUILD_DIR=... to build elsewhere than build-bench/
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build-bench}"
# The benchmarks without the tests: asked for by name, since they are built
# with the tests unless said otherwise.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVOLTRAIL_BUILD_TESTS=OFF \
    -DVOLTRAIL_BUILD_BENCH=ON > /dev/null
cmake --build "$build" --target remote_bench windows_bench -j2

# The benchmarks put their own recording shutdown first on PATH; whatever else
# might be started finds recording stand-ins before the real tools.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin"
for name in shutdown shutdown.exe systemctl loginctl net; do
    printf '#!/bin/sh\nprintf "%%s\\n" "$*" >> "%s/%s.log"\n' "$work" "$name" > "$work/bin/$name"
    chmod 0755 "$work/bin/$name"
done
export PATH="$work/bin:$PATH"

QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$build/bench/remote_bench"
echo
QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" "$build/bench/windows_bench"

if compgen -G "$work/*.log" > /dev/null; then
    echo "unexpected: something reached a stand-in: $(cat "$work"/*.log)" >&2
    exit 1
fi
