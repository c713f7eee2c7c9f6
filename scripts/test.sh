#!/usr/bin/env bash
# Sets up, builds and runs every test: once in a normal build with warnings as
# errors, once with AddressSanitizer and UndefinedBehaviorSanitizer; then the
# Windows tests under Wine and the fuzz targets.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup-debian.sh"
jobs=$(nproc)

# CI installs every tool the suites need: there a suite that skips for want
# of one (exit code 77) fails the run. Qt Test and GoogleTest suites fail
# themselves in CI.
run_ctest() {
  local log
  log=$(mktemp)
  local status=0
  ctest "$@" 2>&1 | tee "$log" || status=$?
  if [ "${CI:-}" = "true" ] && grep -q "(Skipped)" "$log"; then
    echo "CI installs every tool: a skipped suite is a failure" >&2
    status=1
  fi
  rm -f "$log"
  return "$status"
}

echo "== Build and test (warnings as errors)"
BUILD_DIR="$root/build" "$root/scripts/build.sh" -DVOLTRAIL_WERROR=ON
run_ctest --test-dir "$root/build" --output-on-failure -j "$jobs"

if [ "${VOLTRAIL_SKIP_SANITIZERS:-0}" != "1" ]; then
  echo "== Build and test with sanitizers"
  BUILD_DIR="$root/build-sanitize" BUILD_TYPE=Debug "$root/scripts/build.sh" \
    -DVOLTRAIL_WERROR=ON -DVOLTRAIL_SANITIZE=ON
  ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" \
  LSAN_OPTIONS="suppressions=$root/scripts/lsan-suppressions.txt:print_suppressions=0" \
  UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
    run_ctest --test-dir "$root/build-sanitize" --output-on-failure -j "$jobs" -LE nosanitize
fi

# The Debian package: built, validated, installed, run, upgraded and purged.
echo "== The Debian package"
"$root/scripts/test-package.sh"

# The Windows build of the core and the Windows platform code, run under Wine.
"$root/scripts/test-windows.sh"

# The fuzz targets, a minute each, in a clang build of their own.
"$root/scripts/test-fuzz.sh"
