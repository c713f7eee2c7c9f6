#!/usr/bin/env bash
# Installs what the build and the tests need on Debian or Ubuntu.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
# Every list under packages/ (one per concern: build, window system, Wine, ...).
packages=$(cat "$here"/packages/*.txt | grep -v -E '^\s*(#|$)' | sort -u | tr '\n' ' ')

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
