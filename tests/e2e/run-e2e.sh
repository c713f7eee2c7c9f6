#!/usr/bin/env bash
# End-to-end run of the real program on a private X display under openbox,
# driven with xdotool through its real windows. Recording stand-ins for
# `shutdown` and `shutdown.exe` come first on PATH, so nothing real is started.
#
#   run-e2e.sh <path of ZT-VOLTRAIL-V1> <output folder> [include] [exclude]
#
# include and exclude are extended regular expressions over the step names
# (all steps, none excluded by default).
#
# Steps live in steps/*.sh, one file per window; each file appends the names
# of its step functions to E2E_STEPS. Exits 77 (skipped) without the tools.
set -uo pipefail

E2E_PROGRAM=${1:?path of the program}
E2E_OUT=${2:?output folder}
E2E_INCLUDE=${3:-.}
E2E_EXCLUDE=${4:-^$}
E2E_HERE=$(cd "$(dirname "$0")" && pwd)
E2E_STEPS=()

# shellcheck source-path=SCRIPTDIR source=desktop.sh
. "$E2E_HERE/desktop.sh"

require_tools Xvfb openbox xdotool xwininfo xprop awk
[ -x "$E2E_PROGRAM" ] || fail "no program at $E2E_PROGRAM"

rm -rf "$E2E_OUT"
mkdir -p "$E2E_OUT/shots" "$E2E_OUT/steps" "$E2E_OUT/logs" "$E2E_OUT/runtime"
chmod 0700 "$E2E_OUT/runtime"
command -v import > /dev/null || e2e_log "no ImageMagick import: no screenshots"

trap stop_all EXIT
trap 'exit 1' INT TERM HUP

start_display
start_window_manager
# The program carries out Windows' shutdown lines with the local tools;
# shutdown itself is recorded too, so that a line that slips through shows.
make_recording_programs shutdown shutdown.exe systemctl loginctl net

for steps in "$E2E_HERE"/steps/*.sh; do
    # shellcheck source=/dev/null
    . "$steps"
done

run_steps "$E2E_INCLUDE" "$E2E_EXCLUDE"
