#!/usr/bin/env bash
# Builds the Debian package twice (an older version and this one) and checks
# it the way a user meets it: the menu entry and metainfo validate, lintian
# finds no error, it installs with apt-get, the installed program shows the
# bar on a private X display, an upgrade leaves the user's settings alone,
# and purging leaves no file of the package behind.
#
# Installs and removes the package on this machine (as root, or through sudo).
# Recording stand-ins for shutdown, systemctl, loginctl and net come first
# on PATH whenever the program runs.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build-package}"
package=zt-voltrail
old_version=0.9

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive

E2E_OUT=$(mktemp -d)
# shellcheck source-path=SCRIPTDIR/.. source=tests/e2e/desktop.sh
. "$root/tests/e2e/desktop.sh"
require_tools Xvfb openbox xdotool xwininfo xprop dpkg-deb dpkg-shlibdeps lintian \
  desktop-file-validate appstreamcli fakeroot
mkdir -p "$E2E_OUT/shots" "$E2E_OUT/steps" "$E2E_OUT/logs" "$E2E_OUT/runtime" "$E2E_OUT/debs"
chmod 0700 "$E2E_OUT/runtime"

installed_version() { dpkg-query -W -f='${Status} ${Version}' "$package" 2> /dev/null | sed -n 's/^install ok installed //p'; }

purge_package()
{
    if dpkg-query -W "$package" > /dev/null 2>&1; then
        $sudo apt-get -o DPkg::Lock::Timeout=900 purge -y -qq "$package" > "$E2E_OUT/logs/purge.log" 2>&1
    fi
}

finish()
{
    local status=$?
    stop_all
    purge_package
    if [ "$status" -eq 0 ]; then rm -rf "$E2E_OUT"; else echo "package test: files kept in $E2E_OUT" >&2; fi
}
trap finish EXIT
trap 'exit 1' INT TERM HUP

# ---------------------------------------------------------------- build
e2e_log "building version $old_version and this version"
BUILD_DIR="$build" "$root/scripts/package-deb.sh" "$old_version" > "$E2E_OUT/logs/build-old.log" 2>&1 ||
    { cat "$E2E_OUT/logs/build-old.log"; fail "the older package did not build"; }
mv "$build/${package}_${old_version}_"*.deb "$E2E_OUT/debs/"
BUILD_DIR="$build" "$root/scripts/package-deb.sh" > "$E2E_OUT/logs/build.log" 2>&1 ||
    { cat "$E2E_OUT/logs/build.log"; fail "the package did not build"; }
# The program alone was built: no tests, no benchmarks.
for part in tests bench; do
    [ ! -e "$build/$part" ] || fail "the package build configured $part/"
done
old_deb=$(ls "$E2E_OUT"/debs/*.deb)
deb=$(ls "$build"/"${package}"_*.deb)
version=$(dpkg-deb -f "$deb" Version)
e2e_log "built $(basename "$old_deb") and $(basename "$deb")"

# ---------------------------------------------------------------- the files
E2E_STEP=contents
contents="$E2E_OUT/contents"
dpkg-deb -x "$deb" "$contents"
for path in usr/bin/ZT-VOLTRAIL-V1 usr/share/doc/$package/copyright usr/share/doc/$package/changelog.gz; do
    [ -f "$contents/$path" ] || fail "the package has no $path"
done
desktop=$(ls "$contents"/usr/share/applications/*.desktop) || fail "no desktop entry"
metainfo=$(ls "$contents"/usr/share/metainfo/*.metainfo.xml) || fail "no metainfo"
id=$(basename "$desktop" .desktop)
[ -f "$contents/usr/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no icon named $id.svg"
cmp -s "$contents/usr/share/icons/hicolor/scalable/apps/$id.svg" "$root/resources/icons/app.svg" ||
    fail "the icon is not the program's own"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon $id"
grep -qx "Exec=ZT-VOLTRAIL-V1" "$desktop" || fail "the desktop entry does not start ZT-VOLTRAIL-V1"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"
while IFS= read -r shot; do
    [ -f "$root/docs/screenshots/$shot" ] || fail "the metainfo shows $shot, which docs/screenshots/ lacks"
done < <(sed -n 's|.*<image>.*/screenshots/\(.*\)</image>.*|\1|p' "$metainfo")
[ "$(grep -c '<image>' "$metainfo")" -ge 4 ] || fail "the metainfo lists fewer than four screenshots"

E2E_STEP=validate
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
lintian --fail-on error "$deb" > "$E2E_OUT/logs/lintian.log" 2>&1
status=$?
grep -v 'running with root privileges' "$E2E_OUT/logs/lintian.log"
[ "$status" -eq 0 ] || fail "lintian reports errors"

E2E_STEP=control
depends=$(dpkg-deb -f "$deb" Depends)
# From the libraries the program links (dpkg-shlibdeps), not from a list.
for library in libqt6widgets6 libqt6core6 libc6 libstdc++6; do
    [[ ", $depends," == *", $library "* ]] || fail "Depends lacks $library: $depends"
done
[[ "$(dpkg-deb -f "$deb" Recommends)" == *samba-common-bin* ]] || fail "samba-common-bin is not recommended"
# No configuration files and no maintainer scripts: nothing of the package
# can reach a user's settings.
control_files=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | sed 's|^\./||' | grep -v '^$' | sort | tr '\n' ' ')
[ "$control_files" = "control md5sums " ] || fail "the control archive holds: $control_files"

# ---------------------------------------------------------------- install, run, upgrade
start_display
start_window_manager
make_recording_programs shutdown shutdown.exe systemctl loginctl net
E2E_PROGRAM=/usr/bin/ZT-VOLTRAIL-V1

E2E_STEP=install
purge_package
$sudo apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends "$old_deb" \
    > "$E2E_OUT/logs/install-old.log" 2>&1 || { cat "$E2E_OUT/logs/install-old.log"; fail "apt-get install $old_deb"; }
[ "$(installed_version)" = "$old_version" ] || fail "version $old_version is not installed"

begin_step older_version_writes_settings "MAIN_Left=3000" "MAIN_Top=1500" "RESTART_TICKBOX=1" \
    "AlwaysOnTop_TICKBOX=0"
start_bar
expect_frame_at "$BAR" "200 100" "the older version's bar at its stored place"
close_bar
expect_nothing_recorded
settings=$(settings_file)
before=$(sha256sum "$settings")
before_time=$(stat -c "%y %i" "$settings")

E2E_STEP=upgrade
$sudo apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends "$deb" \
    > "$E2E_OUT/logs/install.log" 2>&1 || { cat "$E2E_OUT/logs/install.log"; fail "apt-get install $deb"; }
[ "$(installed_version)" = "$version" ] || fail "version $version is not installed over $old_version"
[ "$(sha256sum "$settings")" = "$before" ] || fail "the upgrade changed the user's settings file"
[ "$(stat -c "%y %i" "$settings")" = "$before_time" ] || fail "the upgrade touched the user's settings file"

# The same user's settings, read by the new version: the same section.
E2E_STEP=new_version_reads_settings
start_bar
expect_frame_at "$BAR" "200 100" "the new version's bar at the place the older one stored"
close_bar
expect_setting RESTART_TICKBOX 1
expect_setting AlwaysOnTop_TICKBOX 0
expect_nothing_recorded

# ---------------------------------------------------------------- removal
E2E_STEP=purge
dpkg -L "$package" > "$E2E_OUT/logs/files.txt" || fail "dpkg -L $package"
$sudo apt-get -o DPkg::Lock::Timeout=900 purge -y -qq "$package" > "$E2E_OUT/logs/purge.log" 2>&1 ||
    { cat "$E2E_OUT/logs/purge.log"; fail "apt-get purge"; }
dpkg-query -W "$package" > /dev/null 2>&1 && fail "$package is still known to dpkg after purge"
left=""
while IFS= read -r path; do
    [ "$path" = "/." ] && continue
    if [ -d "$path" ] && ! [ -L "$path" ]; then
        # A folder may stay when another package owns it or keeps files in it.
        dpkg-query -S "$path" > /dev/null 2>&1 && continue
        [ -n "$(ls -A "$path")" ] && continue
        left="$left $path"
    elif [ -e "$path" ] || [ -L "$path" ]; then
        left="$left $path"
    fi
done < "$E2E_OUT/logs/files.txt"
[ -z "$left" ] || fail "left behind after purge:$left"
[ "$(sha256sum "$settings")" = "$before" ] || fail "removing the package changed the user's settings"

E2E_STEP=""
e2e_log "package $version: validated, installed over $old_version, ran, purged clean"
