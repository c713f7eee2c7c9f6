#!/usr/bin/env bash
# What the Windows program must be as a file: a stripped, 64-bit GUI program
# (no console window) that needs no DLL beyond those every Windows has, that
# carries its icon, version record and manifest, and that fits in 12 MiB.
set -euo pipefail
exe="$1"
objdump=x86_64-w64-mingw32-objdump
[ -f "$exe" ] || { echo "check-windows-exe.sh: no $exe" >&2; exit 1; }
fail() {
  echo "check-windows-exe.sh: $exe: $*" >&2
  exit 1
}

headers=$($objdump -p "$exe")
grep -q '^Magic.*PE32+' <<<"$headers" || fail "not a 64-bit program"
grep -qE '^Subsystem\s+0+2\s' <<<"$headers" || fail "not a GUI program (it would open a console window)"
$objdump -h "$exe" | grep -q '\.debug_' && fail "not stripped"

# Only DLLs that ship with Windows; Qt and the C++ runtime are linked in.
system='^(advapi32|comdlg32|d2d1|d3d11|d3d9|dwmapi|dwrite|dxgi|gdi32|imm32|kernel32|msvcrt|netapi32|ole32|oleaut32|setupapi|shcore|shell32|shlwapi|user32|userenv|uxtheme|version|winmm|ws2_32|wtsapi32|authz|mpr|dnsapi|iphlpapi|crypt32|bcrypt|ntdll|comctl32|winspool\.drv|api-ms-win-[a-z0-9-]+)(\.dll)?$'
while read -r dll; do
  lower=$(tr '[:upper:]' '[:lower:]' <<<"$dll")
  grep -qE "$system" <<<"$lower" || fail "needs $dll, which Windows does not ship"
  echo "  imports $dll"
done < <(sed -n 's/^\s*DLL Name: //p' <<<"$headers")

wrestool -l "$exe" | grep -q -- '--type=14' || fail "carries no icon"
wrestool -l "$exe" | grep -q -- '--type=16' || fail "carries no version record"
strings -el "$exe" | grep -qx 'ZT-VOLTRAIL power actions toolbar' || fail "no version record"
# The manifest Windows reads at start: without it the program runs with
# Vista-era compatibility, unaware of the monitor's DPI, with old controls.
manifest=$(wrestool -x --raw --type=24 --name=1 "$exe" 2>/dev/null | tr -d '\r') || true
[ -n "$manifest" ] || fail "carries no manifest"
for want in \
  'supportedOS Id="{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"' \
  'supportedOS Id="{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}"' \
  'supportedOS Id="{1f676c76-80e1-4239-95bb-83d0f6d0da78}"' \
  'supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"' \
  'requestedExecutionLevel level="asInvoker"' \
  '>PerMonitorV2</dpiAwareness>' \
  '>true/pm</dpiAware>' \
  'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"'; do
  grep -qF "$want" <<<"$manifest" || fail "its manifest lacks $want"
done

size=$(stat -c %s "$exe")
limit=$((12 * 1024 * 1024))
[ "$size" -le "$limit" ] || fail "$size bytes, over its $limit"
echo "  $size bytes, GUI, stripped, icon, version record and manifest present"
