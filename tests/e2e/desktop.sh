# shellcheck shell=bash
# Drives the real program on a private X display as a person would.
# Sourced by run-e2e.sh; every function here is shared by the step files.
#
# Layout of one run under $E2E_OUT:
#   shots/<step>-<window>.png   a picture of every window reached
#   steps/<step>/config/        the step's private XDG_CONFIG_HOME
#   steps/<step>/recorded/      what the recording programs were handed
#   logs/                       X server, window manager and program output

E2E_SKIP=77 # ctest's SKIP_RETURN_CODE
E2E_STARTED=$(date +%s.%N)
E2E_TWIPS_PER_PIXEL=15
E2E_SETTINGS_SUBPATH="ZT_VOLTRAIL/ZT-VOLTRAIL-V1.conf"

# Every process this run started, so that each one is stopped by its pid.
E2E_PIDS=()
E2E_BAR_PID=""
E2E_WM_PID=""
E2E_STEP=""
E2E_STEP_DIR=""

e2e_log() { printf '[e2e %5.1fs] %s\n' "$(e2e_elapsed)" "$*"; }

e2e_elapsed()
{
    local now
    now=$(date +%s.%N)
    awk -v a="$E2E_STARTED" -v b="$now" 'BEGIN { printf "%.1f", b - a }'
}

fail()
{
    printf '[e2e] FAIL in %s: %s\n' "${E2E_STEP:-setup}" "$*" >&2
    if [ -n "${DISPLAY:-}" ] && command -v import > /dev/null; then
        timeout 5 import -window root "$E2E_OUT/shots/FAILED-${E2E_STEP:-setup}.png" 2> /dev/null || true
    fi
    if [ -n "${DISPLAY:-}" ]; then
        xwininfo -root -tree > "$E2E_OUT/logs/FAILED-windows.txt" 2>&1 || true
    fi
    exit 1
}

# ---------------------------------------------------------------- processes

track_pid() { E2E_PIDS+=("$1"); }

# Alive and not yet a zombie waiting for us to collect it.
process_running()
{
    local state
    state=$(ps -o stat= -p "$1" 2> /dev/null)
    [ -n "$state" ] && [[ $state != Z* ]]
}

stop_pid()
{
    local pid=$1 i
    if process_running "$pid"; then
        kill -TERM "$pid" 2> /dev/null
    fi
    for i in $(seq 20); do
        process_running "$pid" || break
        sleep 0.1
    done
    kill -KILL "$pid" 2> /dev/null
    wait "$pid" 2> /dev/null
    return 0
}

stop_all()
{
    local i
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
        stop_pid "${E2E_PIDS[i]}"
    done
    E2E_PIDS=()
}

# Polls a command until it succeeds or the limit (seconds) passes.
wait_until()
{
    local limit=$1 deadline
    shift
    deadline=$(awk -v s="$(date +%s.%N)" -v l="$limit" 'BEGIN { printf "%.3f", s + l }')
    while ! "$@"; do
        if awk -v d="$deadline" -v n="$(date +%s.%N)" 'BEGIN { exit !(n > d) }'; then
            return 1
        fi
        sleep 0.1
    done
}

# ---------------------------------------------------------------- the desktop

require_tools()
{
    local missing="" tool
    for tool in "$@"; do
        command -v "$tool" > /dev/null || missing="$missing $tool"
    done
    if [ -n "$missing" ]; then
        echo "SKIP: not installed:$missing"
        exit "$E2E_SKIP"
    fi
}

# Xvfb picks a free display number itself and tells it through a pipe.
start_display()
{
    local fifo="$E2E_OUT/logs/displayfd" number=""
    rm -f "$fifo"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-1024x768}x24" -nolisten tcp -noreset \
        3> "$fifo" > "$E2E_OUT/logs/xvfb.log" 2>&1 &
    track_pid $!
    read -r -t 15 number < "$fifo" || true
    rm -f "$fifo"
    [ -n "$number" ] || fail "Xvfb did not start (see logs/xvfb.log)"
    export DISPLAY=":$number"
    e2e_log "X display $DISPLAY"
}

# openbox sets the work area once it has read its theme and configuration,
# shortly before it starts framing windows.
wm_is_running()
{
    process_running "$E2E_WM_PID" && xprop -root _NET_WORKAREA 2> /dev/null | grep -q ' = '
}

start_window_manager()
{
    mkdir -p "$E2E_OUT/wm-config"
    XDG_CONFIG_HOME="$E2E_OUT/wm-config" openbox --sm-disable >> "$E2E_OUT/logs/openbox.log" 2>&1 &
    E2E_WM_PID=$!
    track_pid "$E2E_WM_PID"
    wait_until 10 wm_is_running || fail "openbox did not take the display"
    e2e_log "openbox manages $DISPLAY"
}

# Stand-ins for the programs the bar launches: each appends one line per call,
# its arguments joined by single spaces, to $E2E_RECORD_DIR/<name>.log.
make_recording_programs()
{
    local name
    mkdir -p "$E2E_OUT/recording-bin"
    for name in "$@"; do
        cat > "$E2E_OUT/recording-bin/$name" << 'EOF'
#!/bin/sh
log="${E2E_RECORD_DIR:?}/$(basename "$0").log"
printf '%s\n' "$*" >> "$log"
EOF
        chmod 0755 "$E2E_OUT/recording-bin/$name"
    done
}

# ---------------------------------------------------------------- steps

# run_steps <include> <exclude>: every step of E2E_STEPS whose name matches
# include and not exclude (extended regular expressions), in order.
run_steps()
{
    local include=$1 exclude=$2 step ran=0
    for step in "${E2E_STEPS[@]}"; do
        [[ $step =~ $include ]] || continue
        [[ $step =~ $exclude ]] && continue
        ran=$((ran + 1))
        "$step" || fail "step $step returned $?"
        # A step that left the bar running has not closed it: stop it here so
        # the next step starts alone.
        if [ -n "$E2E_BAR_PID" ]; then
            stop_pid "$E2E_BAR_PID"
            E2E_BAR_PID=""
        fi
    done
    E2E_STEP="" # the summary belongs to no step
    [ "$ran" -gt 0 ] || fail "no step matches \"$include\" without \"$exclude\""
    e2e_log "all $ran steps passed; pictures in $E2E_OUT/shots"
}

# begin_step <name> [settings line...]: a fresh config directory (holding the
# given INI lines, if any) and an empty record of launches.
begin_step()
{
    E2E_STEP=$1
    shift
    E2E_STEP_DIR="$E2E_OUT/steps/$E2E_STEP"
    rm -rf "$E2E_STEP_DIR"
    mkdir -p "$E2E_STEP_DIR/config/ZT_VOLTRAIL" "$E2E_STEP_DIR/recorded" "$E2E_STEP_DIR/home"
    if [ $# -gt 0 ]; then
        printf '%s\n' "[General]" "$@" > "$E2E_STEP_DIR/config/$E2E_SETTINGS_SUBPATH"
    fi
    e2e_log "step $E2E_STEP"
    # On a shared machine something outside may have ended the manager.
    if ! process_running "$E2E_WM_PID"; then
        e2e_log "openbox has gone: starting it again"
        start_window_manager
    fi
}

settings_file() { echo "$E2E_STEP_DIR/config/$E2E_SETTINGS_SUBPATH"; }

# ---------------------------------------------------------------- the program

# Under LeakSanitizer the window system's libraries, loaded only here, keep
# allocations for the life of the process just as the toolkit's own do: add
# them to whatever suppressions the caller gave.
lsan_options()
{
    local given="" rest="" option file="$E2E_OUT/lsan-suppressions.txt"
    local -a options
    IFS=: read -r -a options <<< "${LSAN_OPTIONS:-}"
    for option in "${options[@]}"; do
        case $option in
        suppressions=*) given=${option#suppressions=} ;;
        ?*) rest="$rest:$option" ;;
        esac
    done
    {
        if [ -n "$given" ]; then cat "$given"; fi
        printf 'leak:%s\n' libxcb libX11 libxkbcommon libEGL libGLX libGLdispatch libgallium \
            libQt6XcbQpa libQt6DBus libQt6OpenGL libQt6Svg
    } > "$file"
    echo "suppressions=$file$rest"
}

# What the bar's environment says about the desktop, on top of DISPLAY. By
# default the platform is named, as a test of one window system should; the
# steps that test the program's own choice leave it out.
E2E_BAR_DESKTOP=(QT_QPA_PLATFORM=xcb)

# start_bar [argument...]: the program (or whatever E2E_START_AS names, a link
# to it), started with these arguments, and its bar shown.
start_bar()
{
    env -u DBUS_SESSION_BUS_ADDRESS -u SESSION_MANAGER \
        -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE \
        "${E2E_BAR_DESKTOP[@]}" \
        LSAN_OPTIONS="$(lsan_options)" \
        XDG_CONFIG_HOME="$E2E_STEP_DIR/config" \
        XDG_RUNTIME_DIR="${E2E_RUNTIME_DIR:-$E2E_OUT/runtime}" \
        HOME="$E2E_STEP_DIR/home" \
        PATH="$E2E_OUT/recording-bin:$PATH" \
        E2E_RECORD_DIR="$E2E_STEP_DIR/recorded" \
        XDG_SESSION_ID=7 \
        "${E2E_START_AS:-$E2E_PROGRAM}" "$@" > "$E2E_OUT/logs/$E2E_STEP.program.log" 2>&1 &
    E2E_BAR_PID=$!
    track_pid "$E2E_BAR_PID"
    BAR=$(wait_window "ZT-VOLTRAIL") || fail "the bar did not appear"
}

bar_has_ended() { ! process_running "$E2E_BAR_PID"; }

# A person's way of closing a window: alt+F4 under openbox.
ask_to_close() { press_keys "$1" alt+F4; }

# Closes the bar as a person would and expects the process to end by itself,
# with success.
close_bar()
{
    local status
    ask_to_close "$BAR"
    # On a busy machine a key pressed through XTest is now and then lost on
    # its way to the manager: ask once more, and say so.
    if ! wait_until 5 bar_has_ended; then
        e2e_log "the bar is still open 5 s after it was asked to close: asking again"
        ask_to_close "$BAR"
        wait_until 10 bar_has_ended || fail "the bar did not end when asked to close"
    fi
    wait "$E2E_BAR_PID"
    status=$?
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
    E2E_BAR_PID=""
}

# The bar's six picture buttons: left edge in twips; all 375 square at top 0.
declare -A E2E_BAR_BUTTON_LEFT=(
    [ZT_BUTTON]=120 [RUN_NOW_BUTTON]=480 [POWER_BUTTON]=840 [AUTOTIMER_BUTTON]=1200
    [ZT_SHUTDOWN_GUI_BUTTON]=1560 [MS_SHUTDOWN_GUI_BUTTON]=1920
)

click_bar_button()
{
    local left=${E2E_BAR_BUTTON_LEFT[$1]:-}
    [ -n "$left" ] || fail "no bar button $1"
    click_control "$BAR" "$left" 0 375 375
}

# ---------------------------------------------------------------- windows

title_pattern() { printf '^%s$' "$(printf '%s' "$1" | sed 's/[][\\.*^$?+(){}|]/\\&/g')"; }

find_window() { xdotool search --onlyvisible --name "$(title_pattern "$1")" 2> /dev/null | head -n 1; }

window_shown() { [ -n "$(find_window "$1")" ]; }

window_gone() { ! xwininfo -id "$1" 2> /dev/null | grep -q 'Map State: IsViewable'; }

# Reparented into the manager's frame.
window_framed()
{
    local parent root
    parent=$(xwininfo -children -id "$1" 2> /dev/null | awk '/Parent window id/ { print $4 }')
    root=$(xwininfo -root | awk '/Window id/ { print $4 }')
    [ -n "$parent" ] && [ "$parent" != "$root" ]
}

# The frame stays where it is for a moment.
window_settled()
{
    local before after
    before=$(frame_origin "$1")
    sleep 0.15
    after=$(frame_origin "$1")
    [ "$before" = "$after" ]
}

# Prints the id of the visible window with exactly this title, once it is
# framed, placed and painted.
wait_window()
{
    local title=$1 window
    wait_until 10 window_shown "$title" || return 1
    window=$(find_window "$title")
    wait_until 10 window_framed "$window" || return 1
    wait_until 5 window_settled "$window" || return 1
    sleep 0.2 # let the toolkit paint before anyone looks
    echo "$window"
}

expect_window_closes()
{
    wait_until 10 window_gone "$1" || fail "window $1 ($2) is still open"
}

# The absolute position of a window's client area, as "x y". (This xdotool's
# getwindowgeometry counts the frame twice under a reparenting manager, so the
# position comes from xwininfo.)
client_origin()
{
    xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
                              END { print x, y }'
}

# The outer frame's position: client origin less the frame's own margins.
frame_origin()
{
    xwininfo -id "$1" > /dev/null 2>&1 || fail "window $1 has gone"
    process_running "$E2E_WM_PID" || fail "openbox has gone: no frame to measure"
    xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
                              /Relative upper-left X/ { rx = $NF } /Relative upper-left Y/ { ry = $NF }
                              END { print x - rx, y - ry }'
}

expect_frame_at()
{
    local window=$1 expected=$2 what=$3 at
    at=$(frame_origin "$window")
    [ "$at" = "$expected" ] || fail "$what: the frame is at $at, expected $expected"
}

# click_control <window> <left> <top> <width> <height>: clicks the middle of
# a control given by its position in twips inside the window.
click_control()
{
    local window=$1 left=$2 top=$3 width=$4 height=$5 ox oy x y
    read -r ox oy < <(client_origin "$window")
    [ -n "$ox" ] || fail "window $window has no position"
    x=$((ox + (left + width / 2) / E2E_TWIPS_PER_PIXEL))
    y=$((oy + (top + height / 2) / E2E_TWIPS_PER_PIXEL))
    # No --sync: it waits for ever when the pointer is already there. The
    # server keeps the order of the motion and the click all the same.
    timeout 5 xdotool mousemove "$x" "$y" sleep 0.05 click 1 || fail "cannot click at $x,$y"
}

activate() { timeout 5 xdotool windowactivate --sync "$1" > /dev/null 2>&1 || true; }

# Keys go to whatever has the focus, as for a person: the window first.
press_keys()
{
    local window=$1
    shift
    activate "$window"
    timeout 5 xdotool key --clearmodifiers "$@" || fail "cannot press $*"
}

type_text()
{
    local window=$1
    shift
    activate "$window"
    timeout 20 xdotool type --clearmodifiers --delay 20 -- "$*" || fail "cannot type $*"
}

# A picture of a window with its frame, for people to look at.
screenshot()
{
    local window=$1 name=$2
    command -v import > /dev/null || return 0
    # import waits for ever on a window that vanishes under it.
    timeout 5 import -window "$window" -frame "$E2E_OUT/shots/$name.png" 2> /dev/null ||
        e2e_log "no picture of $name"
}

# No window of the system apart from the bar is open.
expect_no_dialog()
{
    local others
    others=$(xdotool search --onlyvisible --name '^ZT-VOLTRAIL - ' 2> /dev/null || true)
    [ -z "$others" ] || fail "an unexpected window is open: $(xdotool getwindowname "$others")"
}

# ---------------------------------------------------------------- checks

recorded_lines() { cat "$E2E_STEP_DIR/recorded/$1.log" 2> /dev/null; }

has_recorded() { [ -s "$E2E_STEP_DIR/recorded/$1.log" ]; }

# expect_recorded <program> <arguments>: the program was started exactly once
# in this step, with exactly these arguments.
expect_recorded()
{
    local program=$1 expected=$2 got
    wait_until 5 has_recorded "$program" || fail "$program was never started (expected \"$expected\")"
    sleep 0.2 # a second, unwanted start would land now
    got=$(recorded_lines "$program")
    [ "$got" = "$expected" ] || fail "$program got \"$got\", expected \"$expected\""
}

# Nothing at all was started in this step. Starts are detached, so give a
# stray one a moment to arrive first.
expect_nothing_recorded()
{
    local log
    sleep 0.5
    for log in "$E2E_STEP_DIR"/recorded/*.log; do
        [ -e "$log" ] || continue
        fail "$(basename "$log" .log) was started: $(tr '\n' ';' < "$log")"
    done
}

setting() { sed -n "s/^$1=//p" "$(settings_file)" 2> /dev/null | head -n 1; }

expect_setting()
{
    local got
    got=$(setting "$1")
    [ "$got" = "$2" ] || fail "setting $1 is \"$got\", expected \"$2\""
}

expect_setting_present()
{
    local key
    for key in "$@"; do
        grep -q "^$key=" "$(settings_file)" 2> /dev/null || fail "setting $key was not written"
    done
}

expect_setting_absent()
{
    local key
    for key in "$@"; do
        ! grep -q "^$key=" "$(settings_file)" 2> /dev/null || fail "setting $key was written"
    done
}
