#!/usr/bin/env bash
# Builds the Debian package of the program alone (Release, hardened as Debian
# builds its own) into build-package/ (or $BUILD_DIR) and prints its path.
#
#   package-deb.sh [version]     the version defaults to the project's
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build-package}"
version=${1:-}

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
args=(-DCMAKE_BUILD_TYPE=Release -DVOLTRAIL_BUILD_TESTS=OFF -DVOLTRAIL_BUILD_BENCH=OFF
  -DCMAKE_INSTALL_PREFIX=/usr "-DCMAKE_CXX_FLAGS=$cxxflags" "-DCMAKE_EXE_LINKER_FLAGS=$ldflags")
# Without a version, forget one given before.
if [ -n "$version" ]; then args+=("-DVOLTRAIL_PACKAGE_VERSION=$version"); else args+=(-UVOLTRAIL_PACKAGE_VERSION); fi

cmake -S "$root" -B "$build" -G Ninja "${args[@]}" > /dev/null
cmake --build "$build" --target ZT-VOLTRAIL-V1
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB > cpack.log) || { cat "$build/cpack.log" >&2; exit 1; }
ls "$build"/*.deb
