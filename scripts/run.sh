#!/usr/bin/env bash
# Sets up only what running the bar needs (packages/run.txt), builds the
# program alone in Release into build-run/ (or $BUILD_DIR) and starts it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup-debian.sh" run
program=$("$root/scripts/build-program.sh")
exec "$program"
