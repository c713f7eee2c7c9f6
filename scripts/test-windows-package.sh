#!/usr/bin/env bash
# Checks the Windows packages under Wine, in a throw-away Wine prefix: the
# zip's contents, and the installer's silent install, reinstall and uninstall
# as a user without administrator rights meets them.
#
#   test-windows-package.sh <setup.exe> <zip>
set -euo pipefail

[ $# -eq 2 ] || { echo "usage: $0 <setup.exe> <zip>" >&2; exit 2; }
setup="$(realpath "$1")"
zipfile="$(realpath "$2")"
[ -f "$setup" ] || { echo "FAIL: no installer at $1" >&2; exit 1; }
[ -f "$zipfile" ] || { echo "FAIL: no zip at $2" >&2; exit 1; }
for tool in wine wineboot wineserver winepath unzip cmp timeout; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing" >&2; exit 1; }
done

ok() { echo "ok   $*"; }
fail() {
  echo "FAIL $*" >&2
  exit 1
}

work="$(mktemp -d "${TMPDIR:-/tmp}/voltrail-wine-package.XXXXXX")"
export WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko installer prompts while the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="
# A silent install shows no window, so no display is needed.
unset DISPLAY WAYLAND_DISPLAY

cleanup() {
  timeout 30 wineserver -k >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT

# Every Windows program gets the null device as input and a time limit.
w() { timeout 120 wine "$@" </dev/null 2>>"$work/wine.log"; }

# --- the zip
names=$(unzip -Z1 "$zipfile" | LC_ALL=C sort | tr '\n' ' ')
[ "$names" = "README.txt ZT-VOLTRAIL-V1.exe " ] || fail "zip holds: $names"
ok "zip holds exactly ZT-VOLTRAIL-V1.exe and README.txt"
mkdir "$work/unzipped"
unzip -q "$zipfile" -d "$work/unzipped"

# --- the prefix; the server stays up so each program starts quickly
mkdir -p "$WINEPREFIX"
timeout 30 wineserver -p </dev/null >/dev/null 2>&1
timeout 300 wineboot -i </dev/null >"$work/wineboot.log" 2>&1 || {
  cat "$work/wineboot.log" >&2
  fail "wineboot could not make the prefix"
}

winvar() { w cmd /c echo "%$1%" | tr -d '\r\n'; }
localappdata=$(winvar LOCALAPPDATA)
appdata=$(winvar APPDATA)
[[ "$localappdata" == [A-Z]:\\* && "$appdata" == [A-Z]:\\* ]] ||
  fail "no user folders in the prefix (LOCALAPPDATA=$localappdata APPDATA=$appdata)"
instdir_win="$localappdata\\Programs\\ZT-VOLTRAIL"
instdir="$(winepath -u "$localappdata" 2>/dev/null)/Programs/ZT-VOLTRAIL"
startmenu="$(winepath -u "$appdata" 2>/dev/null)/Microsoft/Windows/Start Menu/Programs"
lnk="$startmenu/ZT-VOLTRAIL.lnk"
drive_c="$WINEPREFIX/drive_c"
uninst_parent='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall'
uninst_key="$uninst_parent\\ZT-VOLTRAIL"
settings_key='HKCU\Software\ZT_VOLTRAIL\ZT-VOLTRAIL-V1'

# The data of one registry value, empty when there is none.
regval() {
  { w reg query "$1" /v "$2" || true; } | tr -d '\r' |
    sed -n "s/^ *$2 \{2,\}REG_[A-Z_]* \{2,\}//p"
}
count_files() { find "$drive_c" -iname "$1" | wc -l; }
count_uninst_keys() {
  { w reg query "$uninst_parent" || true; } | tr -d '\r' | grep -ci 'VOLTRAIL' || true
}

check_setting() {
  local value
  value=$(regval "$settings_key" ZT_VOLTRAIL_MAIN_Left)
  [ "$value" = 1234 ] || fail "the user's setting is gone or changed ($1): '$value'"
  ok "the user's setting is still 1234 ($1)"
}

install() {
  local rc=0
  w "$setup" /S "${@:2}" || rc=$?
  [ "$rc" -eq 0 ] || fail "setup.exe /S ($1) exited with $rc"
  ok "setup.exe /S ($1) exits 0"
}

# An NSIS uninstaller started as Apps & features starts it copies itself to
# the temporary folder, runs the copy with _?= and returns at once. Doing the
# same here, but waiting for the copy, gives its exit code; run in place, it
# could not delete itself.
uninstall() {
  local rc=0 dir="${2:-$instdir}" dir_win="${3:-$instdir_win}"
  rm -rf "$work/un"
  mkdir "$work/un"
  cp "$dir/Uninstall.exe" "$work/un/Uninstall.exe" || fail "no Uninstall.exe to run ($1)"
  w "$work/un/Uninstall.exe" /S "_?=$dir_win" || rc=$?
  rm -rf "$work/un"
  [ "$rc" -eq 0 ] || fail "Uninstall.exe /S ($1) exited with $rc"
  ok "Uninstall.exe /S ($1) exits 0"
}

check_all_gone() {
  local left
  [ ! -e "$instdir" ] || fail "the install folder is still there ($1): $(ls -A "$instdir" | tr '\n' ' ')"
  left=$(find "$drive_c" -iname '*voltrail*')
  [ -z "$left" ] || fail "files left after uninstalling ($1): $left"
  ok "no file, folder or shortcut of the install is left ($1)"
  w reg query "$uninst_key" >/dev/null && fail "the Apps & features entry is still there ($1)"
  ok "the Apps & features entry is gone ($1)"
}

# --- a setting the program wrote before any install
w reg add "$settings_key" /v ZT_VOLTRAIL_MAIN_Left /t REG_SZ /d 1234 /f >/dev/null ||
  fail "could not write the user's setting"

# --- first install
install "first run"
for f in ZT-VOLTRAIL-V1.exe README.txt Uninstall.exe; do
  [ -f "$instdir/$f" ] || fail "$f is not in $instdir"
done
ok "the exe, README.txt and Uninstall.exe are in AppData/Local/Programs/ZT-VOLTRAIL"
cmp -s "$instdir/ZT-VOLTRAIL-V1.exe" "$work/unzipped/ZT-VOLTRAIL-V1.exe" ||
  fail "the installed exe differs from the zip's"
cmp -s "$instdir/README.txt" "$work/unzipped/README.txt" || fail "the installed README.txt differs from the zip's"
ok "the installed exe and README.txt are the zip's, byte for byte"
[ -f "$lnk" ] || fail "no Start menu shortcut at $lnk"
ok "the Start menu has ZT-VOLTRAIL.lnk"

version=$(basename "$setup" | sed -n 's/^ZT-VOLTRAIL-\(.*\)-setup\.exe$/\1/p')
[ "$(regval "$uninst_key" DisplayName)" = ZT-VOLTRAIL ] || fail "DisplayName of $uninst_key is wrong or missing"
[ -z "$version" ] || [ "$(regval "$uninst_key" DisplayVersion)" = "$version" ] ||
  fail "DisplayVersion is '$(regval "$uninst_key" DisplayVersion)', not '$version'"
expected="\"$instdir_win\\Uninstall.exe\""
[ "$(regval "$uninst_key" UninstallString)" = "$expected" ] ||
  fail "UninstallString is '$(regval "$uninst_key" UninstallString)', not '$expected'"
[ "$(regval "$uninst_key" QuietUninstallString)" = "$expected /S" ] || fail "QuietUninstallString is wrong"
ok "the Apps & features entry has DisplayName, DisplayVersion ${version:-?} and both uninstall strings"
check_setting "after installing"

# --- second install over the first
install "second run"
[ "$(count_files ZT-VOLTRAIL-V1.exe)" -eq 1 ] || fail "more than one installed exe: $(find "$drive_c" -iname ZT-VOLTRAIL-V1.exe)"
[ "$(count_files '*VOLTRAIL*.lnk')" -eq 1 ] || fail "not one shortcut: $(find "$drive_c" -iname '*VOLTRAIL*.lnk')"
[ "$(count_uninst_keys)" -eq 1 ] || fail "not one Apps & features entry"
[ -f "$instdir/Uninstall.exe" ] || fail "Uninstall.exe is gone after the second run"
ok "after a second run: one install folder, one shortcut, one Apps & features entry"

# --- uninstall
uninstall "after two installs"
check_all_gone "after two installs"
check_setting "after uninstalling"

# --- a copy whose program and readme were deleted by hand
install "third run"
rm -f "$instdir/ZT-VOLTRAIL-V1.exe" "$instdir/README.txt"
uninstall "exe and README.txt deleted by hand"
check_all_gone "exe and README.txt deleted by hand"
check_setting "at the end"

# --- a folder of a person's own, chosen with /D=: the install goes into a
# folder of its own inside it, and neither it nor the uninstaller touches
# the person's README.txt, Uninstall.exe or data
mine="$drive_c/Mine"
mkdir -p "$mine"
for f in README.txt Uninstall.exe data.txt; do echo "a person's $f" >"$mine/$f"; done
(cd "$mine" && sha256sum README.txt Uninstall.exe data.txt) >"$work/mine.sums"
install "into C:\\Mine, which holds a person's files" '/D=C:\Mine'
[ -f "$mine/ZT-VOLTRAIL/ZT-VOLTRAIL-V1.exe" ] && [ -f "$mine/ZT-VOLTRAIL/Uninstall.exe" ] ||
  fail "the install did not go into C:\\Mine\\ZT-VOLTRAIL: $(find "$mine" | tr '\n' ' ')"
(cd "$mine" && sha256sum --quiet -c "$work/mine.sums") || fail "the install changed a person's file in C:\\Mine"
ok "an install into a person's folder goes into its own ZT-VOLTRAIL folder and leaves their files as they were"
uninstall "from C:\\Mine\\ZT-VOLTRAIL" "$mine/ZT-VOLTRAIL" 'C:\Mine\ZT-VOLTRAIL'
[ ! -e "$mine/ZT-VOLTRAIL" ] || fail "C:\\Mine\\ZT-VOLTRAIL is still there"
(cd "$mine" && sha256sum --quiet -c "$work/mine.sums") || fail "the uninstaller changed a person's file in C:\\Mine"
[ "$(ls -A "$mine" | LC_ALL=C sort | tr '\n' ' ')" = "README.txt Uninstall.exe data.txt " ] ||
  fail "C:\\Mine holds $(ls -A "$mine" | tr '\n' ' ')"
ok "the uninstaller removed its own folder and left the person's three files as they were"

# ... and where that folder is a person's too, a silent install is refused
mkdir "$mine/ZT-VOLTRAIL"
echo "a person's notes" >"$mine/ZT-VOLTRAIL/notes.txt"
rc=0
w "$setup" /S '/D=C:\Mine' || rc=$?
[ "$rc" -ne 0 ] || fail "a silent install into a taken folder exited 0"
[ "$(ls -A "$mine/ZT-VOLTRAIL")" = notes.txt ] || fail "a refused install wrote into C:\\Mine\\ZT-VOLTRAIL"
(cd "$mine" && sha256sum --quiet -c "$work/mine.sums") || fail "a refused install changed a person's file"
ok "a silent install into a folder whose ZT-VOLTRAIL folder is taken exits $rc and writes nothing"

echo "all Windows package checks passed"
