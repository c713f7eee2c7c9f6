#!/usr/bin/env bash
# Configures a cross build of the program for Windows in the given folder,
# through the toolchain file of the Qt for Windows that build-qt-windows.sh
# builds (once) and ours chain-loaded behind it. Extra arguments go to CMake.
#
#   configure-windows.sh <build folder> [cmake argument...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$1"
shift
qt=$("$root/scripts/build-qt-windows.sh" | tail -n 1)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  "$@" >/dev/null
