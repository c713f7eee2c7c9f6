#!/usr/bin/env bash
# Sets up, builds and starts the bar.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup-debian.sh"
"$root/scripts/build.sh"
exec "${BUILD_DIR:-$root/build}/src/app/ZT-VOLTRAIL-V1"
