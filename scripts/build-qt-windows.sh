#!/usr/bin/env bash
# Builds the small static Qt that the Windows program links, from Debian's own
# qt6-base source, with MinGW-w64, once. The result is cached under
#   ${XDG_CACHE_HOME:-~/.cache}/zt-voltrail/qt-<version>-<hash of the configure line>
# and only a folder carrying the finished stamp counts as a Qt. An interrupted
# build leaves a ".partial" folder that the next run goes on with (the checked
# source and the build tree are kept); delete it to start afresh. A lock on the
# cache entry makes a second run wait for the first, then take its result.
#
# Prints the Qt prefix on the last line of stdout; everything else goes to stderr.
# Any failure ends the script with one line saying which step failed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
jobs=$(nproc)

fail() {
  trap - ERR
  echo "build-qt-windows.sh: $*" >&2
  exit 1
}
# Whatever else fails still says which step it was.
trap 'fail "line $LINENO: \"$BASH_COMMAND\" failed"' ERR

# apt-get source needs a deb-src entry for the archive the packages come from.
"$root/scripts/add-deb-src.sh" >&2 || fail "no deb-src entry for the archive could be added"

# Source lists that were added but never fetched make apt-cache fail outright.
sources=$(apt-cache showsrc qt6-base 2>&1) ||
  fail "apt-cache showsrc qt6-base failed (source lists not fetched? run apt-get update): $(head -n 1 <<<"$sources")"
version=$(sed -n 's/^Version: //p' <<<"$sources" | sort -V | tail -n 1)
[ -n "$version" ] || fail "the archive lists no source for qt6-base (deb-src access)"

# Everything that shapes the built Qt: a change here is a new cache folder.
configure_args=(
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=OFF
  -DFEATURE_static_runtime=ON
  -DQT_HOST_PATH=/usr
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  # No OpenGL, so none loaded at run time either (qwindowswindow.cpp needs both off).
  -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_icu=OFF -DFEATURE_zstd=OFF
  -DFEATURE_tabletevent=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_pdf=OFF
  -DFEATURE_textmarkdownwriter=OFF -DFEATURE_textmarkdownreader=OFF -DFEATURE_textodfwriter=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
  -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_harfbuzz=OFF
  # The qwindows plugin needs the DirectWrite font database that comes with
  # direct2d; Direct2D 1.1 is not needed.
  -DFEATURE_direct2d=ON -DFEATURE_direct2d1_1=OFF
  # The offscreen plugin, which the window tests run on, needs FreeType.
  -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF
  # Smaller code: the bar starts no slower for it (see docs/windows.md).
  -DFEATURE_optimize_size=ON
  # Widgets the windows never use; without the file system model there is no
  # file dialog. (Item views, the combo box and tabs stay: 6.4's styles do not
  # build without them.)
  -DFEATURE_calendarwidget=OFF -DFEATURE_mdiarea=OFF -DFEATURE_colordialog=OFF
  -DFEATURE_fontdialog=OFF -DFEATURE_wizard=OFF -DFEATURE_undoview=OFF
  -DFEATURE_printpreviewwidget=OFF -DFEATURE_dial=OFF -DFEATURE_lcdnumber=OFF
  -DFEATURE_graphicsview=OFF -DFEATURE_graphicseffect=OFF -DFEATURE_dockwidget=OFF
  -DFEATURE_splitter=OFF -DFEATURE_toolbox=OFF -DFEATURE_statusbar=OFF -DFEATURE_datetimeedit=OFF
  -DFEATURE_textbrowser=OFF -DFEATURE_splashscreen=OFF -DFEATURE_keysequenceedit=OFF
  -DFEATURE_progressdialog=OFF -DFEATURE_errormessage=OFF -DFEATURE_scroller=OFF
  -DFEATURE_syntaxhighlighter=OFF -DFEATURE_filesystemmodel=OFF
  # Core and Gui parts nothing here reaches: the MIME database (2.4 MB of XML)
  # and its XML reader, shared memory, QPicture, QMovie, undo stacks.
  -DFEATURE_mimetype=OFF -DFEATURE_xmlstream=OFF -DFEATURE_sharedmemory=OFF
  -DFEATURE_systemsemaphore=OFF -DFEATURE_picture=OFF -DFEATURE_movie=OFF
  -DFEATURE_undocommand=OFF -DFEATURE_undostack=OFF -DFEATURE_undogroup=OFF
)
key=$(printf '%s\n' "$version" "${configure_args[@]}" | cat - "$root/cmake/mingw-w64-x86_64.cmake" |
  sha256sum | cut -c1-12)
cache="${XDG_CACHE_HOME:-$HOME/.cache}/zt-voltrail"
prefix="$cache/qt-${version//[^A-Za-z0-9.+-]/_}-$key"
stamp="$prefix/.voltrail-finished"

mkdir -p "$cache"

cached() {
  [ -f "$stamp" ] || return 1
  echo "Qt for Windows: cached in $prefix" >&2
  echo "$prefix"
}
cached && exit 0

# One build per cache entry at a time: a second ninja in the same tree breaks
# the first's precompiled headers. The lock goes with the process.
exec 9>"$prefix.lock"
if ! flock -n 9; then
  echo "== Qt $version for Windows: another run is building it; waiting ($prefix.lock)" >&2
  flock 9
fi
cached && exit 0

# The unpacked source and the build tree: an interrupted build goes on from
# where it stopped, but nothing in here is ever taken as a finished Qt.
work="$prefix.partial"
unpacked="$work/src/.voltrail-unpacked"
if [ ! -f "$unpacked" ]; then
  rm -rf "$work"
  mkdir -p "$work/src"
  cd "$work/src"

  echo "== Qt $version for Windows: fetching Debian's source" >&2
  apt-get source --download-only -qq "qt6-base=$version" >&2 ||
    fail "apt-get source qt6-base=$version failed (no deb-src access?)"

  # Each file against the checksum the archive's index gives for it.
  expected=$(awk -v version="$version" '
    /^Package:/ { mine = 0 } /^Version:/ { mine = ($2 == version) }
    /^Checksums-Sha256:/ { on = mine; next } /^[^ ]/ { on = 0 }
    on && NF == 3 { print $1 "  " $3 }' <<<"$sources" | sort -u)
  [ -n "$expected" ] || fail "the archive gives no SHA-256 checksums for qt6-base $version"
  echo "$expected" | sha256sum --check --quiet >&2 ||
    fail "checksum mismatch in the qt6-base $version source"

  dsc=$(ls ./*.dsc 2>/dev/null | head -n 1)
  [ -n "$dsc" ] || fail "apt-get source fetched no .dsc for qt6-base $version"
  dpkg-source --no-check -x "$dsc" qtbase >/dev/null 2>&1 || fail "could not unpack $dsc"
  touch "$unpacked"
fi
cd "$work/src"

echo "== Qt $version for Windows: configuring" >&2
cmake -S qtbase -B build -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_CROSSCOMPILING_EMULATOR= \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  "${configure_args[@]}" >"$work/configure.log" 2>&1 ||
  { tail -n 30 "$work/configure.log" >&2; fail "configuring Qt failed (log: $work/configure.log)"; }

echo "== Qt $version for Windows: building ($jobs jobs)" >&2
cmake --build build --parallel "$jobs" >"$work/build.log" 2>&1 ||
  { tail -n 30 "$work/build.log" >&2; fail "building Qt failed (log: $work/build.log)"; }

# Installed into the final folder, then stamped: only a complete install
# carries the stamp.
rm -rf "$prefix"
cmake --install build >"$work/install.log" 2>&1 ||
  { rm -rf "$prefix"; tail -n 30 "$work/install.log" >&2; fail "installing Qt failed"; }
printf '%s\n' "$version" "${configure_args[@]}" >"$stamp"
rm -rf "$work"
echo "Qt for Windows: built into $prefix" >&2
echo "$prefix"
