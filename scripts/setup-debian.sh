#!/usr/bin/env bash
# Installs packages on Debian or Ubuntu from the lists under packages/.
#
#   setup-debian.sh             every list: what the build and all the tests need
#   setup-debian.sh run [...]   only the named lists (packages/run.txt, ...)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
lists=()
if [ $# -eq 0 ]; then
  lists=("$here"/packages/*.txt)
else
  for name in "$@"; do
    [ -f "$here/packages/$name.txt" ] || {
      echo "setup-debian.sh: no package list $name (packages/$name.txt)" >&2
      exit 2
    }
    lists+=("$here/packages/$name.txt")
  done
fi
packages=$(cat "${lists[@]}" | grep -v -E '^\s*(#|$)' | sort -u | tr '\n' ' ')

missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get -o DPkg::Lock::Timeout=900 update -qq
# shellcheck disable=SC2086
$sudo apt-get -o DPkg::Lock::Timeout=900 install -y -qq --no-install-recommends $missing
