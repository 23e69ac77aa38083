#!/usr/bin/env bash
# Installs what is missing (what running needs and the test tools: scripts/install-deps.sh),
# builds everything and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELORAST_BUILD_DIR:-$root/build}

bash "$root/scripts/install-deps.sh"
# The first command builds without tests in the same folder: turn them on again.
bash "$root/scripts/build.sh" -DVELORAST_TESTS=ON -DVELORAST_BENCHMARKS=ON

# The printing tests print through a CUPS server of their own (scripts/test-print-server.sh).
source "$root/scripts/test-print-server.sh"
ctest_log=$(mktemp)
trap 'stop_test_print_server; rm -f "$ctest_log"' EXIT
start_test_print_server

export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure -j "$(nproc)" --timeout 300 | tee "$ctest_log"

# CI (and VELORAST_NO_SKIP=1) installs every tool a test needs: a test that skipped there
# points at a missing install step, and fails the run.
if [ -n "${CI:-}" ] || [ "${VELORAST_NO_SKIP:-}" = 1 ]; then
  skipped=$(grep -E '^[[:space:]]*[0-9]+ - .* \(Skipped\)$' "$ctest_log" || true)
  if [ -n "$skipped" ]; then
    echo "These tests skipped, which counts as a failure here (a tool they need is missing):" >&2
    echo "$skipped" >&2
    exit 1
  fi
fi

# The fuzz targets: built with clang and run briefly over their seed corpora.
bash "$root/scripts/fuzz.sh"
