#!/usr/bin/env bash
# The Windows program: Qt for Windows (built once from Debian's source and
# cached), the whole program and its tests cross-built with MinGW-w64, the
# tests and the real program run under Wine in a throw-away prefix, with Xvfb
# for the tests that need real windows, then the zip and the installer made
# and checked. Skips, saying why, only where the tools cannot be had
# (scripts/packages/windows.txt lists them); in CI a skip is a failure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${WINDOWS_BUILD_DIR:-$root/build-windows}"

skip() {
  echo "== Windows tests under Wine: SKIPPED: $*"
  [ "${CI:-}" = "true" ] && { echo "CI installs every tool: a skip is a failure" >&2; exit 1; }
  exit 0
}
command -v x86_64-w64-mingw32-g++-posix >/dev/null ||
  skip "no MinGW-w64 compiler (Debian package g++-mingw-w64-x86-64-posix)"
command -v wine >/dev/null || skip "Wine is not installed (Debian packages wine, wine64)"
[ -f /usr/src/googletest/CMakeLists.txt ] || skip "no GoogleTest sources (Debian package googletest)"

echo "== Cross build for Windows (MinGW-w64, static Qt built once from Debian's source)"
"$root/scripts/configure-windows.sh" "$build" -DVOLTRAIL_WERROR=ON -DVOLTRAIL_BUILD_BENCH=OFF
cmake --build "$build"

echo "== The program's file"
"$root/scripts/check-windows-exe.sh" "$build/src/app/ZT-VOLTRAIL-V1.exe"

echo "== Windows tests under Wine"
work="$(mktemp -d "${TMPDIR:-/tmp}/voltrail-wine.XXXXXX")"
export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko installer prompts while the prefix is made; and shutdown.exe
# is the file in the system directory (the recorder put there below), never
# Wine's built-in one.
export WINEDLLOVERRIDES="mscoree,mshtml=;shutdown.exe=n"
xvfb_pid=""

cleanup() {
  timeout 30 wineserver -k >/dev/null 2>&1 || true
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# A display: Qt's programs make hidden windows even on the offscreen
# platform, and Wine makes no window without an X server. Xvfb on a free
# display number.
command -v Xvfb >/dev/null || { echo "Xvfb is missing (Debian package xvfb)" >&2; exit 1; }
for n in $(seq 90 140); do
  [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ -e "/tmp/.X11-unix/X$n" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
    export DISPLAY=":$n"
    break
  fi
  wait "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=""
done
[ -n "$xvfb_pid" ] || { echo "could not start Xvfb" >&2; cat "$work/xvfb.log" >&2; exit 1; }

# The server stays up between test programs so each starts quickly. Wine's
# helper processes are started here, on the null device: started by a test,
# they would inherit ctest's output pipe and hold it open.
mkdir -p "$WINEPREFIX"
timeout 30 wineserver -p </dev/null >/dev/null 2>&1
if ! timeout 300 wineboot -i </dev/null >"$work/wineboot.log" 2>&1; then
  echo "wineboot failed:" >&2
  cat "$work/wineboot.log" >&2
  exit 1
fi

# The launcher starts shutdown.exe from the system directory only: that is
# where the recorder goes (64-bit prefix, so system32 is the 64-bit one). The
# launcher tests check that what is there is the recorder before they start it.
system32="$WINEPREFIX/drive_c/windows/system32"
[ -d "$system32" ] || { echo "no system directory in the Wine prefix" >&2; exit 1; }
cp "$build/tests/windows/system32/shutdown.exe" "$system32/shutdown.exe"

# Each test program runs under "timeout ... wine" (the toolchain's emulator).
# The real program's run makes a prefix and a display of its own.
timeout 1500 ctest --test-dir "$build" --output-on-failure -j "$(nproc)" </dev/null

echo "== The zip and the installer"
version=$(sed -n 's/^project(ZT-VOLTRAIL VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
WINDOWS_PACKAGE_DIR="$build/package" \
  "$root/scripts/package-windows.sh" "$build/src/app/ZT-VOLTRAIL-V1.exe" >/dev/null
"$root/scripts/test-windows-package.sh" "$build/package/ZT-VOLTRAIL-$version-setup.exe" \
  "$build/package/ZT-VOLTRAIL-$version-windows-x64.zip"
