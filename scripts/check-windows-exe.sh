#!/usr/bin/env bash
# What the Windows program must be as a file: a stripped, 64-bit GUI program
# (no console window) that needs no DLL beyond those every Windows has, and
# that carries its icon and version record.
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
echo "  $(stat -c %s "$exe") bytes, GUI, stripped, icon and version record present"
