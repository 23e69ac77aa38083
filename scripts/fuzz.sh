#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz/ (or $VELORAST_FUZZ_BUILD_DIR) and runs
# each over its seed corpus under fuzz/corpus/<target>/ for a minute
# ($VELORAST_FUZZ_SECONDS). New inputs go to a scratch folder, never into the corpus.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${VELORAST_FUZZ_BUILD_DIR:-$root/build-fuzz}
seconds=${VELORAST_FUZZ_SECONDS:-60}

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELORAST_FUZZ=ON -DVELORAST_TESTS=OFF -DVELORAST_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target rtf_reader_fuzz like_fuzz

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for target in rtf_reader_fuzz like_fuzz; do
  mkdir -p "$scratch/$target"
  dict=()
  [ -f "$root/fuzz/${target%_fuzz}.dict" ] && dict=(-dict="$root/fuzz/${target%_fuzz}.dict")
  # The value profile leads the search towards the values that comparisons look for.
  ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen "$build/bin/$target" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=2048 -detect_leaks=0 -use_value_profile=1 -artifact_prefix="$scratch/" "${dict[@]}" \
    "$scratch/$target" "$root/fuzz/corpus/${target%_fuzz}"
done
