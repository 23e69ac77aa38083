#!/usr/bin/env bash
# Installs what building the package needs and is missing, builds what the package ships
# and makes its Debian package in build/ (or $VELORAST_BUILD_DIR):
# velorast_<version>_<architecture>.deb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELORAST_BUILD_DIR:-$root/build}

bash "$root/scripts/install-deps.sh" package
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELORAST_TESTS=OFF -DVELORAST_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target velorast-package-contents
cd "$build"
cpack -G DEB
