#!/usr/bin/env bash
# Runs every benchmark of a build folder (default: build) and prints Google Benchmark's report.
set -euo pipefail
build=${1:-build}
status=0
for bench in "$build"/benchmarks/*_bench; do
    [ -x "$bench" ] || continue
    echo "== $(basename "$bench")"
    "$bench" --benchmark_min_time=0.2 || status=1
done
exit $status
