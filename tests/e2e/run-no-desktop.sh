#!/usr/bin/env bash
# The real program where there is nothing to show the bar on: no X server and
# no Wayland compositor, or an X server that has stopped answering. Each
# start must end by itself, soon, with a non-zero status and a message that
# says why (Qt's own, or ours for the server that does not answer).
#
#   run-no-desktop.sh <path of ZT-VOLTRAIL-V1> <output folder>
set -uo pipefail

E2E_PROGRAM=${1:?path of the program}
E2E_OUT=${2:?output folder}
E2E_HERE=$(cd "$(dirname "$0")" && pwd)

# shellcheck source-path=SCRIPTDIR source=desktop.sh
. "$E2E_HERE/desktop.sh"

require_tools Xvfb timeout
[ -x "$E2E_PROGRAM" ] || fail "no program at $E2E_PROGRAM"
rm -rf "$E2E_OUT"
mkdir -p "$E2E_OUT/logs" "$E2E_OUT/runtime" "$E2E_OUT/config" "$E2E_OUT/home"
chmod 0700 "$E2E_OUT/runtime"
trap stop_all EXIT
trap 'exit 1' INT TERM HUP

# A display number with no server: no socket, no lock.
unused_display()
{
    local n
    for n in $(seq 4200 4299); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || {
            echo ":$n"
            return
        }
    done
    fail "no unused display number"
}

# A real X server that takes connections and never answers them.
start_display
HUNG_PID=${E2E_PIDS[-1]}
kill -STOP "$HUNG_PID"
HUNG=$DISPLAY
NONE=$(unused_display)
QT_FAILED="no Qt platform plugin could be initialized"
e2e_log "no server on $NONE; $HUNG stopped"

# One row per start: a name, the environment (variables separated by
# spaces), and what the output must say.
ROWS=(
    "nothing at all||$QT_FAILED"
    "x11 session, no server|XDG_SESSION_TYPE=x11 DISPLAY=$NONE|could not connect to display"
    "no session type, no server|DISPLAY=$NONE|$QT_FAILED"
    "wayland session, no compositor|XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=wayland-none|Failed to create wl_display"
    "wayland session type only|XDG_SESSION_TYPE=wayland|$QT_FAILED"
    "wayland socket only, no server|WAYLAND_DISPLAY=wayland-none DISPLAY=$NONE|$QT_FAILED"
    "platform named, no server|QT_QPA_PLATFORM=xcb DISPLAY=$NONE|could not connect to display"
    "x11 session, server hung|XDG_SESSION_TYPE=x11 DISPLAY=$HUNG|the X server on display $HUNG does not answer"
    "wayland session, X hung, no compositor|XDG_SESSION_TYPE=wayland DISPLAY=$HUNG|$QT_FAILED"
)

for row in "${ROWS[@]}"; do
    IFS='|' read -r E2E_STEP variables expected <<< "$row"
    log="$E2E_OUT/logs/${E2E_STEP// /_}.log"
    # Braces: Qt aborts, and the shell's own word about it is not wanted.
    # shellcheck disable=SC2086 # the variables are words
    { env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE -u QT_QPA_PLATFORM \
        -u DBUS_SESSION_BUS_ADDRESS -u SESSION_MANAGER \
        XDG_RUNTIME_DIR="$E2E_OUT/runtime" XDG_CONFIG_HOME="$E2E_OUT/config" HOME="$E2E_OUT/home" \
        $variables \
        timeout -k 5 30 "$E2E_PROGRAM" > "$log" 2>&1 < /dev/null; } 2> /dev/null
    status=$?
    e2e_log "$E2E_STEP: status $status"
    case $status in
    0) fail "the program started (status 0)" ;;
    124 | 137) fail "the program did not end by itself" ;;
    esac
    grep -qF -- "$expected" "$log" || fail "the program did not say \"$expected\": $(cat "$log")"
done
E2E_STEP=""
kill -CONT "$HUNG_PID"
[ -z "$(ls -A "$E2E_OUT/config")" ] || fail "a start that failed stored settings"
e2e_log "all ${#ROWS[@]} starts failed as they should"
