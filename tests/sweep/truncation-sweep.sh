#!/usr/bin/env bash
# The full truncation sweep: every prefix of every fixture kind and of the bundled sample (its
# bulk regions strided), plus the header-field and footer-tail changes, opened by each
# command-line tool of a build. Usage: truncation-sweep.sh [BUILD_DIR]   (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-build}
sweep=$build/tests/sweep/truncation_sweep
if [ ! -x "$sweep" ]; then
    echo "truncation-sweep: build $sweep first (cmake --build $build --target truncation_sweep)" >&2
    exit 1
fi
tools=(--tool "$build/tools/ibwdump/ibwdump {}")
if [ -x "$build/shellext/linux/qvibw-thumbnailer" ]; then
    tools+=(--tool "$build/shellext/linux/qvibw-thumbnailer -s 64 {} {out}.png")
fi
if [ -x "$build/shellext/linux/qvibw-info" ]; then
    tools+=(--tool "$build/shellext/linux/qvibw-info {}")
fi
files=("$root/data/sample.ibw")
# QVDF fixtures, when the build has their writer.
if [ -x "$build/tools/qvdfgen/qvdfgen" ]; then
    mkdir -p "$build/sweep-full/qvdf"
    "$build/tools/qvdfgen/qvdfgen" "$build/sweep-full/qvdf/sample.qvdf"
    files+=("$build/sweep-full/qvdf/sample.qvdf")
fi
exec "$sweep" --full --work "$build/sweep-full" "${tools[@]}" "${files[@]}"
