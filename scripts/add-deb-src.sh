#!/usr/bin/env bash
# Makes sure apt knows the source packages of the archive it installs from:
# where no deb-src entry is there, adds one for each deb entry (same address,
# suites and components) and updates the lists.
set -euo pipefail
sources=/etc/apt/sources.list.d/zt-voltrail-src.sources
legacy=/etc/apt/sources.list.d/zt-voltrail-src.list

has_deb_src() {
  grep -qrhsE '^\s*(deb-src\s|Types:.*\bdeb-src\b)' /etc/apt/sources.list /etc/apt/sources.list.d/ \
    >/dev/null
}
has_deb_src && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

# deb822 files: the same stanzas, of type deb-src.
deb822=$(for f in /etc/apt/sources.list.d/*.sources; do [ "$f" = "$sources" ] || { cat "$f"; echo; }; done 2>/dev/null | awk '
  BEGIN { RS = ""; ORS = "\n\n" }
  /(^|\n)Types:([^\n]* )?deb( |\n|$)/ && !/(^|\n)Enabled: *no/ {
    gsub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); sub(/^\n/, ""); print }' || true)
# One-line files: every deb line as a deb-src line.
oneline=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
  sed -n 's/^\s*deb\s/deb-src /p' || true)

[ -n "$deb822$oneline" ] || { echo "add-deb-src.sh: apt has no deb entry to copy" >&2; exit 1; }
echo "Adding deb-src entries for the archive (apt-get source)"
if [ -n "$deb822" ]; then printf '%s\n' "$deb822" | $sudo tee "$sources" >/dev/null; fi
if [ -n "$oneline" ]; then printf '%s\n' "$oneline" | $sudo tee "$legacy" >/dev/null; fi
$sudo apt-get -o DPkg::Lock::Timeout=900 update -qq
