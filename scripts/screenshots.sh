#!/usr/bin/env bash
# Regenerates the pictures in docs/screenshots/ from the real program, on a
# private X display under openbox, driven like the end-to-end run (whose
# helpers and window steps it uses).
#
#   screenshots.sh [program] [output folder]
#   SHOTS_SCALE=1.5 screenshots.sh ...   as on a screen scaled 150%
#
# Without a program it builds one as scripts/run.sh does. The pictures change
# only when a window does: a fixed screen, one font (Liberation Sans, with
# Arial's metrics) through a private fontconfig, fixed stored places, the
# countdown caught at a fixed value, the pointer out of the way, a text cursor's
# blink filtered out, and no time stamps in the files. Nothing is started:
# recording stand-ins for shutdown, systemctl, loginctl and net come first on
# PATH, and the run fails if anything reached them.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
program=${1:-}
shots=${2:-$root/docs/screenshots}
fonts=/usr/share/fonts/truetype/liberation2

"$root/scripts/setup-debian.sh" run e2e || exit 1
if [ -z "$program" ]; then
    program=$("$root/scripts/build-program.sh") || exit 1
fi

E2E_PROGRAM=$(realpath "$program")
E2E_OUT=$(mktemp -d)
# shellcheck disable=SC2034 # the step files append to it
E2E_STEPS=()
# shellcheck source-path=SCRIPTDIR/.. source=tests/e2e/desktop.sh
. "$root/tests/e2e/desktop.sh"
for steps in "$root"/tests/e2e/steps/*.sh; do
    # shellcheck source=/dev/null
    . "$steps" # window titles and the helpers that reach each window
done

require_tools Xvfb openbox xdotool xwininfo xprop import convert
[ -d "$fonts" ] || { echo "screenshots: no $fonts (install fonts-liberation2)" >&2; exit 1; }
mkdir -p "$E2E_OUT/shots" "$E2E_OUT/steps" "$E2E_OUT/logs" "$E2E_OUT/runtime" "$E2E_OUT/raw" "$E2E_OUT/done" "$shots"
chmod 0700 "$E2E_OUT/runtime"

finish()
{
    local status=$?
    stop_all
    if [ "$status" -eq 0 ]; then rm -rf "$E2E_OUT"; else echo "screenshots: files kept in $E2E_OUT" >&2; fi
}
trap finish EXIT
trap 'exit 1' INT TERM HUP

# Every family asked for, by the program or by openbox, is Liberation Sans,
# rendered the same way whatever the machine's own font set-up says.
cat > "$E2E_OUT/fonts.conf" << EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>$fonts</dir>
  <cachedir>$E2E_OUT/fontcache</cachedir>
  <match target="pattern">
    <edit name="family" mode="assign_replace"><string>Liberation Sans</string></edit>
  </match>
  <match target="font">
    <edit name="antialias" mode="assign"><bool>true</bool></edit>
    <edit name="hinting" mode="assign"><bool>true</bool></edit>
    <edit name="hintstyle" mode="assign"><const>hintslight</const></edit>
    <edit name="rgba" mode="assign"><const>none</const></edit>
    <edit name="lcdfilter" mode="assign"><const>lcddefault</const></edit>
  </match>
</fontconfig>
EOF
export FONTCONFIG_FILE="$E2E_OUT/fonts.conf"
# Qt's own look, not one a desktop session would choose.
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID
export QT_QPA_PLATFORMTHEME=generic QT_STYLE_OVERRIDE=Fusion
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI QT_AUTO_SCREEN_SCALE_FACTOR
if [ -n "${SHOTS_SCALE:-}" ]; then
    export QT_SCALE_FACTOR="$SHOTS_SCALE"
    # Where the steps click: twips per pixel of the scaled screen (10 at 150%).
    E2E_TWIPS_PER_PIXEL=$(awk -v s="$SHOTS_SCALE" 'BEGIN { print int(15 / s + 0.5) }')
    # A screen that size: 1024 x 768 at 150% is 1536 x 1152.
    E2E_SCREEN=$(awk -v s="$SHOTS_SCALE" 'BEGIN { printf "%dx%d", 1024 * s, 768 * s }')
fi
export LANG=C.UTF-8 LC_ALL=C.UTF-8

start_display
start_window_manager
make_recording_programs shutdown shutdown.exe systemctl loginctl net

# Brightness of a picture, for choosing between frames.
brightness() { convert "$1" -colorspace Gray -format '%[fx:mean]' info:; }

# picture <window> <name> [frames]: the window with its frame, cropped to it.
# A text box with the focus blinks its cursor twice a second: of frames
# taken 0.35 s apart (spanning both phases) the brightest is the one
# without it. One frame where the window must be caught at once.
picture()
{
    local window=$1 name=$2 frames=${3:-3} i best="" best_level=-1 level raw
    timeout 5 xdotool mousemove 1020 764 || fail "cannot move the pointer away"
    # Hover highlights fade; a window caught at once has no time for it.
    if [ "$frames" -gt 1 ]; then sleep 0.3; else sleep 0.05; fi
    for ((i = 1; i <= frames; i++)); do
        raw="$E2E_OUT/raw/$name-$i.png"
        timeout 5 import -window "$window" -frame "$raw" 2> /dev/null || fail "no picture of $name"
        level=$(brightness "$raw")
        if awk -v a="$level" -v b="$best_level" 'BEGIN { exit !(a > b) }'; then
            best=$raw
            best_level=$level
        fi
        [ "$i" -lt "$frames" ] && sleep 0.35
    done
    convert "$best" -strip -define png:exclude-chunks=date,time "$E2E_OUT/done/$name.png" ||
        fail "cannot write $name.png"
    e2e_log "$name.png"
}

# Every window at a place of its own, the bar's choices as a user left them,
# and inputs in the remote windows.
begin_step screenshots "MAIN_Left=1500" "MAIN_Top=750" "AlwaysOnTop_TICKBOX=1" "RESTART_TICKBOX=1" \
    "RUN_OPTIONS_Left=1500" "RUN_OPTIONS_Top=1800" \
    "ACTION_WINDOW_Left=1500" "ACTION_WINDOW_Top=1800" \
    "ABOUT_Left=1500" "ABOUT_Top=1800" \
    "AUTOTIMER_Left=1500" "AUTOTIMER_Top=1800" \
    "SGUI_SIM_Left=1500" "SGUI_SIM_Top=1800" \
    "SGUI_ADV_Left=300" "SGUI_ADV_Top=300" \
    "PC_NAME_SSS_TEXTBOX=WORKSTATION-07" "SHUTDOWN_SSS_TICKBOX=1" "FORCE_SSS_TICKBOX=1" \
    "SHUTDOWN_TIMEOUT_TEXTBOX=60" \
    "PC_NAME_1_TEXTBOX=LAB-PC-01" "BATCH_RUN_1_TICKBOX=1" "SHUTDOWN_1_TICKBOX=1" \
    "PC_NAME_2_TEXTBOX=LAB-PC-02" "BATCH_RUN_2_TICKBOX=1" "SHUTDOWN_2_TICKBOX=1" \
    "PC_NAME_3_TEXTBOX=PRINT-SERVER" "RESTART_3_TICKBOX=1" "FORCE_3_TICKBOX=1"
start_bar
picture "$BAR" bar

click_bar_button POWER_BUTTON
window=$(wait_window "$RUN_OPTION_TITLE") || fail "POWER did not open the run option window"
picture "$window" run-option
press_keys "$window" Escape
expect_window_closes "$window" "run option"

click_bar_button RUN_NOW_BUTTON
window=$(wait_window "$CONFIRM_TITLE") || fail "RUN NOW did not open the confirm window"
picture "$window" confirm-action
press_keys "$window" Escape
expect_window_closes "$window" "confirm action"

click_bar_button ZT_BUTTON
window=$(wait_window "ZT-VOLTRAIL - ABOUT") || fail "ZT did not open the settings window"
picture "$window" settings
press_keys "$window" Escape
expect_window_closes "$window" "settings"

# Caught between the first tick and the second (at 1:29:59): the program is
# held still while the picture is taken, so no tick lands during it.
click_bar_button AUTOTIMER_BUTTON
window=$(wait_window "$AUTOTIMER_TITLE") || fail "AUTOTIMER did not open its window"
start_countdown "$window" "1:30:00"
sleep 1.5
kill -STOP "$E2E_BAR_PID"
picture "$window" autotimer-counting 1
kill -CONT "$E2E_BAR_PID"
press_keys "$window" Escape
expect_window_closes "$window" "auto-timer"

simple=$(open_simple_window)
picture "$simple" remote-simple
click_control "$simple" 3600 1140 1215 855 # SGUI_ADVANCED_BUTTON
window=$(wait_window "$CONSOLE_TITLE") || fail "SGUI Advanced did not open the console"
picture "$window" remote-console
press_keys "$window" Escape
expect_window_closes "$window" "console"
press_keys "$simple" Escape
expect_window_closes "$simple" "simple remote"

close_bar
expect_nothing_recorded
# Only a run that reached every window replaces the pictures.
cp "$E2E_OUT"/done/*.png "$shots/" || fail "cannot copy the pictures to $shots"
E2E_STEP=""
e2e_log "pictures in $shots"
