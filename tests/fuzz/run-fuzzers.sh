#!/usr/bin/env bash
# Runs every fuzz target of a QV_FUZZ build for a bounded time; fails on the first finding.
# Usage: run-fuzzers.sh BUILD_DIR SECONDS
set -euo pipefail
build=$1
seconds=$2
shopt -s nullglob
targets=("$build"/tests/fuzz/fuzz_*)
if [ ${#targets[@]} -eq 0 ]; then
    echo "run-fuzzers: no fuzz targets in $build/tests/fuzz" >&2
    exit 1
fi
for target in "${targets[@]}"; do
    [ -x "$target" ] || continue
    name=$(basename "$target")
    corpus="$build/fuzz-corpus/$name"
    mkdir -p "$corpus"
    # A target's seed generator, when it has one, fills the corpus first.
    if [ -x "$build/tests/fuzz/seeds_$name" ]; then
        "$build/tests/fuzz/seeds_$name" "$corpus"
    fi
    echo "== $name: ${seconds}s"
    # Inputs are at most 4 KB: any single allocation past 64 MB is a size taken from the input
    # on trust, and is reported as a finding.
    "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -malloc_limit_mb=64 -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$build/fuzz-corpus/${name}-" "$corpus"
done
