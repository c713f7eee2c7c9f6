#!/usr/bin/env bash
# Start-up, memory and idle figures of ZT-VOLTRAIL-V1 on this machine, side by
# side with a bare Qt Widgets window built the same way, and the cost of one
# keeper tick. Builds what it needs into its own folder; runs the programs on
# a private Xvfb display with no window manager (so that their windows are
# children of the root), with recording stand-ins for shutdown, systemctl,
# loginctl and net first on PATH. Both are started as from an X11 session,
# with no platform named to Qt (the bar asks the X server itself, as it does
# for a person) and with a session bus of their own (without one, every Qt
# program starts dbus-launch to look for one). A window counts as shown when
# it is first drawn into.
#
#   bench/startup/run.sh [runs (11)] [idle seconds (3)]
#   BENCH_BUILD_DIR=... to build elsewhere than build-bench-startup/
#   BENCH_COMPARE=<name>=<program> to time another build in the same runs
set -euo pipefail

runs=${1:-11}
idle=${2:-3}
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${BENCH_BUILD_DIR:-$root/build-bench-startup}

for tool in cmake Xvfb dbus-daemon; do
    command -v "$tool" > /dev/null || { echo "needs $tool" >&2; exit 1; }
done

echo "== building (Release) in $build"
mkdir -p "$build"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release > "$build/configure.log" 2>&1 ||
    { cat "$build/configure.log" >&2; exit 1; }
cmake --build "$build" -j2 --target ZT-VOLTRAIL-V1 bare_window startup_probe keeper_tick_bench |
    tail -n 1

work=$(mktemp -d)
xvfb_pid=""
bus_pid=""
cleanup()
{
    [ -z "$bus_pid" ] || kill "$bus_pid" 2> /dev/null || true
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2> /dev/null || true
        wait "$xvfb_pid" 2> /dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# Nothing here presses a button; the stand-ins are there all the same.
mkdir -p "$work/bin" "$work/config" "$work/runtime" "$work/recorded"
chmod 0700 "$work/runtime"
for name in shutdown shutdown.exe systemctl loginctl net; do
    printf '#!/bin/sh\nprintf "%%s\\n" "$*" >> "%s/%s.log"\n' "$work/recorded" "$name" > "$work/bin/$name"
    chmod 0755 "$work/bin/$name"
done

mkfifo "$work/displayfd"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3> "$work/displayfd" > "$work/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 15 display < "$work/displayfd" || { echo "Xvfb did not start" >&2; exit 1; }

export DISPLAY=":$display"
export XDG_SESSION_TYPE=x11
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
export XDG_CONFIG_HOME="$work/config"
export XDG_RUNTIME_DIR="$work/runtime"
export PATH="$work/bin:$PATH"
unset SESSION_MANAGER
dbus-daemon --session --fork --print-address=3 --print-pid=4 3> "$work/bus.address" 4> "$work/bus.pid"
read -r DBUS_SESSION_BUS_ADDRESS < "$work/bus.address"
read -r bus_pid < "$work/bus.pid"
export DBUS_SESSION_BUS_ADDRESS

echo
echo "== machine"
echo "  $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//'), $(nproc) cores," \
    "load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "  Qt $(pkg-config --modversion Qt6Widgets 2> /dev/null || echo '?'), X display $DISPLAY (Xvfb, no window manager)"
echo
echo "== start to window mapped and shown, memory, idle CPU ($runs runs each, in turn)"
"$build/startup_probe" "$runs" "$idle" \
    "ZT-VOLTRAIL-V1=$build/voltrail/src/app/ZT-VOLTRAIL-V1" "bare-window=$build/bare_window" \
    ${BENCH_COMPARE:+"$BENCH_COMPARE"}
echo
echo "== keeper tick"
"$build/keeper_tick_bench" 2> /dev/null

if compgen -G "$work/recorded/*.log" > /dev/null; then
    echo "unexpected: something was launched: $(cat "$work"/recorded/*.log)" >&2
    exit 1
fi
