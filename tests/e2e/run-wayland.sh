#!/usr/bin/env bash
# The real program on a Wayland session: kwin_wayland on a virtual output
# with XWayland, started headless here. With XWayland there the bar is an X11
# client (its place and the keeper work as on X11); without an X server it
# runs natively and says that the compositor decides. Recording stand-ins for
# `shutdown` and the local tools come first on PATH.
#
#   run-wayland.sh <path of ZT-VOLTRAIL-V1> <path of the X11 keeper test> <output folder>
#
# Exits 77 (skipped) without kwin_wayland, XWayland or Qt's Wayland platform,
# or where kwin_wayland cannot start on this machine.
set -uo pipefail

E2E_PROGRAM=${1:?path of the program}
E2E_KEEPER_TEST=${2:?path of the X11 keeper test}
E2E_OUT=${3:?output folder}
E2E_HERE=$(cd "$(dirname "$0")" && pwd)
E2E_STEPS=()

# shellcheck source-path=SCRIPTDIR source=desktop.sh
. "$E2E_HERE/desktop.sh"

require_tools kwin_wayland Xwayland xdotool xwininfo xprop wmctrl awk ldd
[ -x "$E2E_PROGRAM" ] || fail "no program at $E2E_PROGRAM"
[ -x "$E2E_KEEPER_TEST" ] || fail "no keeper test at $E2E_KEEPER_TEST"

# Qt's Wayland platform must be there to be passed over: otherwise XWayland
# would win only because nothing else could.
qt_plugins="$(dirname "$(ldd "$E2E_PROGRAM" | awk '/libQt6Gui/ { print $3 }')")/qt6/plugins/platforms"
if ! compgen -G "$qt_plugins/libqwayland-*.so" > /dev/null; then
    echo "SKIP: Qt's Wayland platform is not installed (no $qt_plugins/libqwayland-*.so)"
    exit "$E2E_SKIP"
fi

rm -rf "$E2E_OUT"
mkdir -p "$E2E_OUT/shots" "$E2E_OUT/steps" "$E2E_OUT/logs" "$E2E_OUT/kwin"
# The compositor's socket lives here: a short path, as a socket's name is
# limited to 107 bytes and a build folder may be deep.
E2E_RUNTIME_DIR=$(mktemp -d /tmp/voltrail-wayland.XXXXXX) || fail "no runtime folder"

trap 'stop_all; rm -rf "$E2E_RUNTIME_DIR"' EXIT
trap 'exit 1' INT TERM HUP

E2E_WAYLAND_SOCKET="wayland-voltrail-$$"

kwin_has_display() { [ -s "$E2E_OUT/kwin/display" ] || ! process_running "$E2E_WM_PID"; }

kwin_manages_x()
{
    xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q 'window id'
}

# kwin names its XWayland display only to the programs it starts: one of
# them writes it down and ends.
start_compositor()
{
    local kwin="$E2E_OUT/kwin/kwin_wayland"
    # kwin_wayland carries file capabilities, which a container may refuse
    # to execute; a copy (cp leaves them behind) starts the same.
    cp "$(command -v kwin_wayland)" "$kwin" || fail "cannot copy kwin_wayland"
    cat > "$E2E_OUT/kwin/tell-display" << EOF2
#!/bin/sh
printf '%s\n' "\$DISPLAY" > "$E2E_OUT/kwin/display.new" && mv "$E2E_OUT/kwin/display.new" "$E2E_OUT/kwin/display"
EOF2
    chmod 0755 "$E2E_OUT/kwin/tell-display"
    # An X server makes this folder itself; kwin expects it for XWayland.
    if [ ! -d /tmp/.X11-unix ]; then
        { mkdir -p /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix; } || fail "cannot make /tmp/.X11-unix"
    fi
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u DBUS_SESSION_BUS_ADDRESS -u SESSION_MANAGER \
        XDG_RUNTIME_DIR="$E2E_RUNTIME_DIR" HOME="$E2E_OUT/kwin" XDG_CONFIG_HOME="$E2E_OUT/kwin/config" \
        "$kwin" --virtual --xwayland --socket "$E2E_WAYLAND_SOCKET" --width 1024 --height 768 \
        --no-lockscreen --no-global-shortcuts --no-kactivities "$E2E_OUT/kwin/tell-display" \
        > "$E2E_OUT/logs/kwin.log" 2>&1 &
    E2E_WM_PID=$!
    track_pid "$E2E_WM_PID"
    wait_until 30 kwin_has_display
    if ! process_running "$E2E_WM_PID" || [ ! -s "$E2E_OUT/kwin/display" ]; then
        echo "SKIP: kwin_wayland cannot start on this machine:"
        tail -n 5 "$E2E_OUT/logs/kwin.log"
        exit "$E2E_SKIP"
    fi
    DISPLAY=$(cat "$E2E_OUT/kwin/display")
    export DISPLAY
    wait_until 15 kwin_manages_x || fail "kwin does not manage XWayland's display $DISPLAY"
    e2e_log "kwin_wayland on $E2E_WAYLAND_SOCKET, XWayland on $DISPLAY"
}

# Steps call this when the manager has gone: there is no second chance here.
start_window_manager() { fail "kwin_wayland has gone (see logs/kwin.log)"; }

# Keys typed with xdotool reach XWayland's clients only, never kwin's own
# shortcuts: the bar is closed as its frame's close box does, through kwin.
ask_to_close() { timeout 5 wmctrl -i -c "$1" || e2e_log "wmctrl could not ask kwin to close window $1"; }

start_compositor
make_recording_programs shutdown shutdown.exe systemctl loginctl net

# The bar sees a Wayland session with XWayland, as on a Plasma or GNOME
# desktop, and is left to choose its platform itself.
E2E_BAR_DESKTOP=(XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY="$E2E_WAYLAND_SOCKET")

# shellcheck source=wayland-steps.sh
. "$E2E_HERE/wayland-steps.sh"
run_steps . '^$'
