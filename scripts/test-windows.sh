#!/usr/bin/env bash
# Cross-builds the Qt-free core and the Windows platform code with MinGW-w64
# and runs their tests under Wine, in a throw-away Wine prefix, with Xvfb for
# the tests that need real windows. Skips, saying why, only where the tools
# cannot be had (scripts/packages/windows.txt lists them).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${WINDOWS_BUILD_DIR:-$root/build-windows}"

skip() {
  echo "== Windows tests under Wine: SKIPPED: $*"
  exit 0
}
command -v x86_64-w64-mingw32-g++-posix >/dev/null ||
  skip "no MinGW-w64 compiler (Debian package g++-mingw-w64-x86-64-posix)"
command -v wine >/dev/null || skip "Wine is not installed (Debian packages wine, wine64)"
[ -f /usr/src/googletest/CMakeLists.txt ] || skip "no GoogleTest sources (Debian package googletest)"

echo "== Cross build for Windows (MinGW-w64, Qt-free core and Windows platform code)"
# Unoptimised: GCC 12 gives false -Wrestrict warnings on std::string at -O2/-O3.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE= \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DVOLTRAIL_CORE_ONLY=ON -DVOLTRAIL_WERROR=ON >/dev/null
cmake --build "$build"

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

# A display only where a test needs real windows: Xvfb on a free display number.
display_tests=$(ctest --test-dir "$build" -N -L display | sed -n 's/^Total Tests: *//p')
if [ "${display_tests:-0}" -gt 0 ]; then
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
else
  echo "(no test here needs real windows: the user32 stacking backend is not in this tree)"
fi

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
timeout 900 ctest --test-dir "$build" --output-on-failure -j "$(nproc)" </dev/null
