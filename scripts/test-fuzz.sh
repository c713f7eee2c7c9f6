#!/usr/bin/env bash
# Builds the libFuzzer targets (tests/fuzz) with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer in a build of their own, and runs each for a
# bounded time from its committed seed corpus (copied aside, so the tree does
# not grow). A finding fails the run; its input is kept under
# <build>/findings/<target>/ and shown in the log.
#   VOLTRAIL_FUZZ_SECONDS  time per target (default 60)
#   FUZZ_BUILD_DIR         build folder (default build-fuzz)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${FUZZ_BUILD_DIR:-$root/build-fuzz}"
seconds="${VOLTRAIL_FUZZ_SECONDS:-60}"

skip() {
  echo "== Fuzzing: SKIPPED: $*"
  exit 0
}
cxx="$(command -v clang++-14 || command -v clang++ || true)"
[ -n "$cxx" ] || skip "no clang++ (Debian package clang-14)"
[ -n "$(find /usr/lib/llvm-*/lib/clang -name 'libclang_rt.fuzzer-x86_64.a' 2>/dev/null | head -1)" ] ||
  skip "no libFuzzer runtime (Debian package libclang-rt-14-dev)"

echo "== Fuzz targets (clang, libFuzzer, ASan, UBSan)"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER="$cxx" -DVOLTRAIL_FUZZ=ON -DVOLTRAIL_CORE_ONLY=ON -DVOLTRAIL_WERROR=ON >/dev/null
cmake --build "$build" --target voltrail_fuzz_targets

work="$(mktemp -d "${TMPDIR:-/tmp}/voltrail-fuzz.XXXXXX")"
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

failed=""
for corpus in "$root"/tests/fuzz/corpus/*/; do
  target="$(basename "$corpus")"
  findings="$build/findings/$target"
  rm -rf "$findings"
  mkdir -p "$findings" "$work/$target"
  cp "$corpus"* "$work/$target/"
  log="$findings/fuzz.log"
  echo "== $target: ${seconds}s"
  if "$build/tests/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$findings/" "$work/$target" >"$log" 2>&1 </dev/null; then
    grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
    rm -f "$log"
  else
    failed="$failed $target"
    echo "!! $target: a finding (log: $log)"
    tail -n 60 "$log"
    for input in "$findings"/*; do
      [ "$input" = "$log" ] && continue
      echo "-- input kept at $input ($(stat -c %s "$input") bytes):"
      od -A d -t x1z -v "$input" | head -n 64
      echo "-- base64:"
      base64 "$input" | head -n 64
      echo "-- again: $build/tests/fuzz/$target $input"
    done
  fi
done
rmdir "$build/findings"/* 2>/dev/null || true

if [ -n "$failed" ]; then
  echo "== Fuzzing: findings in:$failed"
  exit 1
fi
echo "== Fuzzing: no findings"
