#!/usr/bin/env bash
# Installs what is missing, builds the program and makes its Debian package in build/
# (or $VELORAST_BUILD_DIR): velorast_<version>_<architecture>.deb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELORAST_BUILD_DIR:-$root/build}

bash "$root/scripts/install-deps.sh"
bash "$root/scripts/build.sh" -DVELORAST_TESTS=OFF -DVELORAST_BENCHMARKS=OFF
cd "$build"
cpack -G DEB
