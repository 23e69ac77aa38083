#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELORAST_BUILD_DIR:-$root/build}

bash "$root/scripts/install-deps.sh"
# The first command builds without tests in the same folder: turn them on again.
bash "$root/scripts/build.sh" -DVELORAST_TESTS=ON -DVELORAST_BENCHMARKS=ON

# The printing tests print through a CUPS server of their own (scripts/test-print-server.sh).
source "$root/scripts/test-print-server.sh"
trap stop_test_print_server EXIT
start_test_print_server

export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure -j "$(nproc)" --timeout 300

# The fuzz targets: built with clang and run briefly over their seed corpora.
bash "$root/scripts/fuzz.sh"
