#!/usr/bin/env bash
# Start-up of the Windows program under Wine, side by side with a bare Qt
# Widgets window of the bar's size built with the same Qt: both started in
# turn with "wine" on a private Xvfb display with no window manager, in a
# throw-away Wine prefix whose server stays up (so no run pays for starting
# Wine's services). A window counts as shown when it is first drawn into.
#
#   bench/startup/wine.sh [runs (11)] [idle seconds (3)]
#   BENCH_BUILD_DIR=... for the Windows build (build-bench-wine/)
#   BENCH_COMPARE=<name>=<exe> to time another build of the program in the same runs
set -euo pipefail

runs=${1:-11}
idle=${2:-3}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${BENCH_BUILD_DIR:-$root/build-bench-wine}
probe_build=$root/build-bench-startup

for tool in cmake Xvfb wine wineboot wineserver; do
    command -v "$tool" > /dev/null || { echo "needs $tool" >&2; exit 1; }
done

echo "== building the Windows program and the bare window (Release) in $build"
"$root/scripts/configure-windows.sh" "$build" -DVOLTRAIL_BUILD_TESTS=OFF -DVOLTRAIL_BUILD_BENCH=ON
cmake --build "$build" -j2 --target ZT-VOLTRAIL-V1 bare_window | tail -n 1
echo "== building the probe in $probe_build"
cmake -S "$here" -B "$probe_build" -G Ninja -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build "$probe_build" -j2 --target startup_probe | tail -n 1

work=$(mktemp -d)
xvfb_pid=""
cleanup()
{
    timeout 30 wineserver -k > /dev/null 2>&1 || true
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2> /dev/null || true
        wait "$xvfb_pid" 2> /dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko prompts; nothing here presses a button.
export WINEDLLOVERRIDES="mscoree,mshtml="
mkfifo "$work/displayfd"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3> "$work/displayfd" > "$work/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 15 display < "$work/displayfd" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display"

mkdir -p "$WINEPREFIX"
timeout 30 wineserver -p < /dev/null > /dev/null 2>&1
timeout 300 wineboot -i < /dev/null > "$work/wineboot.log" 2>&1 || { cat "$work/wineboot.log" >&2; exit 1; }

# Each program behind a wrapper that execs wine: the probe's pid is the one
# that Wine's window names (_NET_WM_PID).
wrap()
{
    printf '#!/bin/sh\nexec wine "%s" < /dev/null > /dev/null 2>&1\n' "$2" > "$work/$1"
    chmod 0755 "$work/$1"
    echo "$1=$work/$1"
}
programs=("$(wrap ZT-VOLTRAIL-V1 "$build/src/app/ZT-VOLTRAIL-V1.exe")" "$(wrap bare-window "$build/bench/bare_window.exe")")
if [ -n "${BENCH_COMPARE:-}" ]; then
    programs+=("$(wrap "${BENCH_COMPARE%%=*}" "${BENCH_COMPARE#*=}")")
fi

echo
echo "== machine"
echo "  $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//'), $(nproc) cores," \
    "load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "  $(wine --version), X display $DISPLAY (Xvfb, no window manager)"
for p in "$build/src/app/ZT-VOLTRAIL-V1.exe" "$build/bench/bare_window.exe" ${BENCH_COMPARE:+"${BENCH_COMPARE#*=}"}; do
    echo "  $(basename "$p"): $(stat -c %s "$p") bytes"
done
echo
echo "== start to window mapped and shown ($runs runs each, in turn; memory and idle CPU are Wine's process)"
"$probe_build/startup_probe" "$runs" "$idle" "${programs[@]}"
