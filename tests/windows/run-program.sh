#!/usr/bin/env bash
# The real Windows program under Wine, on a private X display with openbox:
# the bar comes up where the registry says and on top, RUN NOW with the
# keyboard starts the system directory's shutdown.exe (a recorder) and never
# the decoy beside the program, a remote Run that shutdown.exe refuses shows a
# balloon with the advice, and closing the bar stores its new place.
#
#   run-program.sh <ZT-VOLTRAIL-V1.exe> <recording shutdown.exe> <decoy shutdown.exe> <output folder> <balloon reader.exe>
#
# VOLTRAIL_WINE_DPI (96 unless set) is the screen's DPI for Wine (LogPixels):
# every place and size below is its twips at that DPI.
#
# Exits 77 (skipped) when Wine, Xvfb, openbox or xdotool is not installed.
set -euo pipefail

[ $# -eq 5 ] || { echo "usage: $0 <program.exe> <recording shutdown.exe> <decoy shutdown.exe> <output folder> <balloon reader.exe>" >&2; exit 2; }
for tool in wine wineserver Xvfb openbox xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
for tool in xprop xwininfo wmctrl import; do
  command -v "$tool" >/dev/null || { echo "FAILED: $tool is not installed (x11-utils, wmctrl, imagemagick)"; exit 1; }
done
for file in "$1" "$2" "$3" "$5"; do [ -f "$file" ] || { echo "FAILED: no file $file"; exit 1; }; done
# Only the recorder may ever stand where the program looks for shutdown.exe.
for file in "$2" "$3"; do
  grep -qa 'VOLTRAIL RECORDING SHUTDOWN' "$file" || { echo "FAILED: $file is not the recorder"; exit 1; }
done

mkdir -p "$4"
out=$(cd "$4" && pwd)
rm -rf "$out/prefix" "$out"/*.log "$out"/*.png "$out/openbox-config"
export WINEPREFIX="$out/prefix" WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko prompts; shutdown.exe is always the file on disk, never Wine's own.
export WINEDLLOVERRIDES="mscoree,mshtml=;shutdown.exe=n"
reader="$5"
key='HKCU\Software\ZT_VOLTRAIL\ZT-VOLTRAIL-V1'
app="$WINEPREFIX/drive_c/voltrail"
system32="$WINEPREFIX/drive_c/windows/system32"
dpi=${VOLTRAIL_WINE_DPI:-96}
[[ $dpi =~ ^[0-9]+$ ]] && [ "$dpi" -ge 96 ] || { echo "FAILED: VOLTRAIL_WINE_DPI=$dpi"; exit 2; }
px() { echo $((($1 * dpi + 720) / 1440)); } # twips to pixels, rounded
# Wine's resize border (SM_CXSIZEFRAME): 4 px at 96 DPI, scaled with it.
border=$(((4 * dpi + 95) / 96))
pids=()
bar_pid=""

cleanup() {
  [ -n "$bar_pid" ] && kill "$bar_pid" 2>/dev/null
  [ -d "$WINEPREFIX" ] && timeout 30 wineserver -k >/dev/null 2>&1
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2>/dev/null && wait "${pids[i]}" 2>/dev/null
  done
  rm -rf "$WINEPREFIX"
  return 0
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

ok() { echo "ok: $*"; }
failed() {
  echo "FAILED: $*"
  [ -n "${DISPLAY:-}" ] && timeout 10 import -window root "$out/FAILED-screen.png" 2>/dev/null
  echo "(screen: $out/FAILED-screen.png; program log: $out/program.log)"
  tail -n 20 "$out/program.log" 2>/dev/null
  exit 1
}
# No step waits past the run's budget; a run normally takes some 15 s.
budget=$((SECONDS + 150))
within() {
  local left=$((budget - SECONDS))
  [ "$left" -lt "$1" ] || left=$1
  [ "$left" -gt 1 ] || left=1
  echo "$left"
}
# wait_for <seconds> <command...>: polls until the command succeeds.
wait_for() {
  local end=$((SECONDS + $(within "$1")))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.2
  done
}
running() { local s; s=$(ps -o stat= -p "$1" 2>/dev/null) && [[ $s != Z* ]]; }
find_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true; }
shown() { [ -n "$(find_window "$1")" ]; }
# "x y" of the X window Wine made; openbox's frame around it ("left right top bottom").
client_at() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF } END { print x, y }'
}
extents() { xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= *//p' | tr -d ,; }
balloons() { timeout "$(within 20)" wine "$reader" </dev/null 2>/dev/null | tr -d '\r' || true; }
registry() {
  timeout "$(within 20)" wine reg query "$key" /v "$1" </dev/null 2>/dev/null |
    tr -d '\r' | awk -v k="$1" '$1 == k { print $3 }' || true
}

# A private display (Xvfb picks a free number) and openbox on it.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$out/display" >"$out/xvfb.log" 2>&1 &
pids+=($!)
wait_for 15 grep -qs . "$out/display" || failed "Xvfb did not start (xvfb.log)"
DISPLAY=":$(cat "$out/display")"
export DISPLAY
rm -f "$out/display"
mkdir -p "$out/openbox-config"
XDG_CONFIG_HOME="$out/openbox-config" openbox --sm-disable >"$out/openbox.log" 2>&1 &
pids+=($!)
wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_for 15 wm_up || failed "openbox did not take the display (openbox.log)"

# The throw-away prefix. Wine's helpers start here, on the null device, so
# none of them holds the caller's output open.
mkdir -p "$WINEPREFIX"
timeout "$(within 30)" wineserver -p </dev/null >/dev/null 2>&1
timeout "$(within 120)" wineboot -i </dev/null >"$out/wineboot.log" 2>&1 || failed "wineboot failed (wineboot.log)"
[ -d "$system32" ] || failed "no system directory in the Wine prefix"
cp "$2" "$system32/shutdown.exe"
mkdir -p "$app"
cp "$1" "$app/ZT-VOLTRAIL-V1.exe"
cp "$3" "$app/shutdown.exe" # where a search of the program's folder or the current one would look
timeout "$(within 30)" wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
  </dev/null >/dev/null 2>&1 || failed "cannot set LogPixels to $dpi"
for value in MAIN_Left=3000 MAIN_Top=1500 SHUTDOWN_TICKBOX=1; do
  timeout "$(within 30)" wine reg add "$key" /v "${value%%=*}" /t REG_SZ /d "${value#*=}" /f </dev/null >/dev/null 2>&1 ||
    failed "cannot seed the registry with $value"
done

(cd "$app" && exec wine "$app/ZT-VOLTRAIL-V1.exe") </dev/null >"$out/program.log" 2>&1 &
bar_pid=$!
wait_for 60 shown ZT-VOLTRAIL || failed "the bar did not appear"
bar=$(find_window ZT-VOLTRAIL)
has_extents() { [ -n "$(extents "$bar")" ]; }
wait_for 10 has_extents || failed "openbox does not manage the bar"
sleep 1 # let it settle and paint
read -r cx cy < <(client_at "$bar")
read -r el er et eb < <(extents "$bar")
fx=$((cx - el)) fy=$((cy - et))
# Under Wine a tool window gets no openbox frame (extents 0,0,0,0): Wine draws
# its caption and a 4 px resize border itself. Qt 6 counts that border on the
# left, right and bottom as invisible, as it is on Windows 10, and keeps it
# outside the place it stores: so the X window starts up to that border left
# of the stored place, and exactly at its top.
want_x=$(px 3000) want_y=$(px 1500)
shift_x=$((want_x - fx))
if [ "$shift_x" -ge 0 ] && [ "$shift_x" -le "$border" ] && [ "$fy" -eq "$want_y" ]; then
  ok "at $dpi DPI the bar's frame is at the stored place $want_x,$want_y (X window $cx,$cy; openbox frame $el,$er,$et,$eb)"
else
  failed "at $dpi DPI the bar's frame is at $fx,$fy (X window $cx,$cy; openbox frame $el,$er,$et,$eb), stored $want_x,$want_y"
fi
# Its outer size is its default 2500 x 780 twips at this DPI, with the same
# border outside it (left, right and bottom).
read -r w h < <(xwininfo -id "$bar" | awk '/^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF } END { print w, h }')
outer_w=$(px 2500) outer_h=$(px 780)
extra_w=$((w - outer_w)) extra_h=$((h - outer_h))
[ "$extra_w" -ge 0 ] && [ "$extra_w" -le $((2 * border)) ] && [ "$extra_h" -ge 0 ] && [ "$extra_h" -le "$border" ] ||
  failed "at $dpi DPI the bar's X window is ${w}x${h}, its twips give ${outer_w}x${outer_h} and a border of $border"
ok "at $dpi DPI the bar is ${w}x${h} (${outer_w}x${outer_h} and Wine's border)"

above() { xprop -id "$bar" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
wait_for 5 above || failed "the bar is not kept on top: $(xprop -id "$bar" _NET_WM_STATE)"
ok "the bar is kept on top (_NET_WM_STATE_ABOVE)"

timeout "$(within 10)" import -window "$bar" -frame "$out/bar-wine.png" 2>/dev/null || failed "no picture of the bar"
ok "picture of the bar: $out/bar-wine.png"

# Keys through XTest go where the focus is, as a person's would. The first
# button (ZT) has the focus when the bar becomes active; Tab reaches RUN NOW.
timeout "$(within 5)" xdotool windowactivate --sync "$bar" >/dev/null 2>&1 || true
sleep 0.5
timeout "$(within 5)" xdotool key Tab space || failed "xdotool cannot press keys"
title='ZT-VOLTRAIL - !!! CONFIRM ACTION !!!'
wait_for 15 shown "$title" || failed "RUN NOW from the keyboard did not open \"$title\""
confirm=$(find_window "$title")
ok "RUN NOW from the keyboard opened the confirm window"
# Cancel has the focus and is the default button: Tab to OK, space presses it.
timeout "$(within 5)" xdotool windowactivate --sync "$confirm" >/dev/null 2>&1 || true
sleep 0.5
timeout "$(within 5)" xdotool key Tab space || failed "xdotool cannot press keys"
log="$system32/shutdown.log"
decoys() { find "$WINEPREFIX" "$out" -name decoy-shutdown.log; }
started() { [ -s "$log" ] || [ -n "$(decoys)" ]; }
wait_for 15 started || failed "no shutdown.exe was started"
sleep 1 # a second start, of the decoy, would land by now
[ -z "$(decoys)" ] || failed "the decoy was started: $(decoys)"
[ -s "$log" ] || failed "shutdown.exe in the system directory was not started"
line=$(sed -n 2p "$log" | tr -d '\r')
[[ $line == *" /s /t 0" ]] || failed "the recorded command line is \"$line\", expected it to end in \" /s /t 0\""
ok "OK started the system directory's shutdown.exe: \"$line\"; the decoy never ran"

no_confirm() { ! shown "$title"; }
wait_for 10 no_confirm || failed "the confirm window is still open"
sleep 1 # a balloon would be up by now
[ -z "$(balloons)" ] || failed "a line that succeeded showed a balloon: $(balloons)"
ok "the line that succeeded showed no balloon"

# The simple remote window (the bar's fifth button, three Tabs on from RUN
# NOW), a name, Shutdown ticked and Run: shutdown.exe refuses with access
# denied, and the balloon tells what to do.
printf 'err 5\nSRV07: Access is denied.(5)\r\n' >"$system32/shutdown.fail"
rm -f "$log"
timeout "$(within 5)" xdotool windowactivate --sync "$bar" >/dev/null 2>&1 || true
sleep 0.5
timeout "$(within 5)" xdotool key Tab Tab Tab space || failed "xdotool cannot press keys"
simple='ZT-VOLTRAIL - SHUTDOWN GUI - SIMPLE'
wait_for 15 shown "$simple" || failed "the bar's fifth button did not open \"$simple\""
simple_window=$(find_window "$simple")
timeout "$(within 5)" xdotool windowactivate --sync "$simple_window" >/dev/null 2>&1 || true
sleep 0.5
# The name box has the focus: the name, Tab twice to Shutdown, tick it (which
# locks Restart, so Tab skips it), Tab twice to Run.
timeout "$(within 5)" xdotool type --delay 50 SRV07 || failed "xdotool cannot type"
timeout "$(within 5)" xdotool key Tab Tab space Tab Tab space || failed "xdotool cannot press keys"
wait_for 15 started || failed "Run started no shutdown.exe"
line=$(sed -n 2p "$log" | tr -d '\r')
[ "$line" = 'shutdown /s /m \\SRV07 /t 30' ] || failed "Run started \"$line\""
advised() { balloons | grep -q 'Force shutdown from a remote system'; }
wait_for 20 advised || failed "no balloon with the advice; balloons: $(balloons)"
ok "a refused remote Run showed the balloon: $(balloons | head -n 1)"
timeout "$(within 10)" import -window root "$out/balloon-wine.png" 2>/dev/null || true
rm -f "$system32/shutdown.fail"
timeout "$(within 5)" wmctrl -i -c "$simple_window" || failed "wmctrl cannot close the simple window"
no_simple() { ! shown "$simple"; }
wait_for 10 no_simple || failed "the simple window is still open"
timeout "$(within 5)" xdotool windowmove "$bar" 300 200 || failed "xdotool cannot move the bar"
sleep 1
read -r mx my < <(client_at "$bar")
# Without an openbox frame the X window itself lands there; with one, either
# the client or the frame may, depending on the gravity asked for.
fx=$((mx - el)) fy=$((my - et))
[ "$mx,$my" = "300,200" ] || [ "$fx,$fy" = "300,200" ] ||
  failed "the bar did not move to 300,200: its X window is at $mx,$my"
ok "the bar moved to 300,200"
timeout "$(within 5)" wmctrl -i -c "$bar" || failed "wmctrl cannot close the bar"
ended() { ! running "$bar_pid"; }
wait_for 20 ended || failed "the program did not end when its bar was closed"
status=0
wait "$bar_pid" || status=$?
bar_pid=""
[ "$status" -eq 0 ] || failed "the program ended with status $status"
ok "closing the bar ended the program"
left=$(registry MAIN_Left) top=$(registry MAIN_Top)
[[ $left =~ ^[0-9]+$ && $top =~ ^[0-9]+$ ]] || failed "no place stored: MAIN_Left=\"$left\" MAIN_Top=\"$top\""
# The same border as at the start, no more.
# Qt gives a window's place in pixels of 96 DPI (15 twips): on a scaled
# screen a moved window is stored to that pixel, less than 15 twips off.
want_left=$(((fx + shift_x) * 1440 / dpi)) want_top=$((fy * 1440 / dpi))
slack=$((dpi == 96 ? 0 : 14))
off_left=$((left - want_left)) off_top=$((top - want_top))
[ "${off_left#-}" -le "$slack" ] && [ "${off_top#-}" -le "$slack" ] ||
  failed "stored place $left/$top after the move, expected $want_left/$want_top within $slack twips (frame at $fx,$fy)"
ok "the new place is stored: MAIN_Left=$left MAIN_Top=$top"
