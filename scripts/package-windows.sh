#!/usr/bin/env bash
# Packs the Windows program as a portable zip and a per-user installer
# (NSIS) and prints the paths of both.
#
#   package-windows.sh          sets up, builds the program alone (Qt for Windows
#                               first, once) into build-windows-program/, packs it
#   package-windows.sh EXE      packs a program built already
#
# The icon is $VOLTRAIL_ICO, else the .ico beside EXE, if there is one. Output
# goes to $WINDOWS_PACKAGE_DIR (default dist/).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${WINDOWS_PACKAGE_DIR:-$root/dist}"

die() {
  echo "package-windows.sh: $*" >&2
  exit 1
}

if [ $# -eq 0 ]; then
  build="${WINDOWS_BUILD_DIR:-$root/build-windows-program}"
  "$root/scripts/setup-debian.sh" windows >&2
  "$root/scripts/configure-windows.sh" "$build" -DVOLTRAIL_BUILD_TESTS=OFF -DVOLTRAIL_BUILD_BENCH=OFF
  cmake --build "$build" --target ZT-VOLTRAIL-V1 >&2
  exe="$build/src/app/ZT-VOLTRAIL-V1.exe"
else
  exe="$1"
fi
[ -f "$exe" ] || die "no program at $exe"
command -v zip >/dev/null || die "zip is missing (Debian package zip)"
command -v makensis >/dev/null || die "makensis is missing (Debian package nsis)"
ico="${VOLTRAIL_ICO:-$(dirname "$exe")/ZT-VOLTRAIL-V1.ico}"

version=$(sed -n 's/^project(ZT-VOLTRAIL VERSION \([0-9][0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
[ -n "$version" ] || die "no version in $root/CMakeLists.txt"

mkdir -p "$out"
out="$(cd "$out" && pwd)"
stage="$(mktemp -d "${TMPDIR:-/tmp}/voltrail-package.XXXXXX")"
trap 'rm -rf "$stage"' EXIT

# The settings section is the program's file name, so the copy keeps it
# whatever the build called its file. CRLF so Notepad of any age shows lines.
cp "$exe" "$stage/ZT-VOLTRAIL-V1.exe"
sed 's/\r*$/\r/' "$root/packaging/windows/README.txt" > "$stage/README.txt"
chmod 0755 "$stage/ZT-VOLTRAIL-V1.exe"
chmod 0644 "$stage/README.txt"

# Same inputs, same zip: fixed file times (the last commit's, in UTC) and no
# extra attributes.
epoch="${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct 2>/dev/null || echo 946684800)}"
touch -d "@$epoch" "$stage/ZT-VOLTRAIL-V1.exe" "$stage/README.txt"
zipfile="$out/ZT-VOLTRAIL-$version-windows-x64.zip"
rm -f "$zipfile"
(cd "$stage" && TZ=UTC zip -q -X -D "$zipfile" ZT-VOLTRAIL-V1.exe README.txt)

setup="$out/ZT-VOLTRAIL-$version-setup.exe"
defines=("-DVERSION=$version" "-DEXE=$stage/ZT-VOLTRAIL-V1.exe" "-DREADME=$stage/README.txt"
  "-DOUTFILE=$setup")
[ -f "$ico" ] && defines+=("-DICON=$ico")
rm -f "$setup"
makensis -V2 -WX "${defines[@]}" "$root/packaging/windows/installer.nsi" > "$stage/makensis.log" 2>&1 ||
  { cat "$stage/makensis.log" >&2; die "makensis failed"; }

echo "$zipfile"
echo "$setup"
