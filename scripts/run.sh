#!/usr/bin/env bash
# Installs what building and running need and is missing (scripts/install-deps.sh run;
# the test tools are scripts/test.sh's), builds the program, creates a database on the
# first run, and starts the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELORAST_BUILD_DIR:-$root/build}

bash "$root/scripts/install-deps.sh" run
bash "$root/scripts/build.sh" -DVELORAST_TESTS=OFF -DVELORAST_BENCHMARKS=OFF

# First run: a new database with sample data, its folder stored in the settings.
bash "$root/scripts/first-run.sh" "$build/bin"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting the program on a virtual display (xvfb-run)."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bin/velorast"
fi
exec "$build/bin/velorast"
