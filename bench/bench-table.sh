#!/usr/bin/env bash
# Runs every benchmark executable (bench_NAME) of a build in turn, inside a virtual X server for
# the ones that draw, shows their own output, then prints one table of the figures they report:
# each row a ratio or time measured side by side in the same run, its goal and whether it is met.
# Benchmarks report through "ROW" lines (bench/BenchRow.h); the few that print only prose are
# read from their summary lines below. Usage: bench-table.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: bench-table.sh BUILD_DIR}
logs=$build/bench-logs
mkdir -p "$logs"
rows=$logs/rows.tsv
: > "$rows"
status=0
for b in $(find "$build/bench" -type f -name 'bench_*' -perm -u+x | sort); do
    name=$(basename "$b")
    echo "== $name"
    if ! xvfb-run -a "$b" 2>&1 | tee "$logs/$name.txt"; then
        echo "bench-table: $name failed" >&2
        status=1
    fi
    grep -P '^ROW\t' "$logs/$name.txt" | cut -f2- >> "$rows" || true
    case $name in
    bench_thumbnail)
        sed -nE 's/^process time beyond \/bin\/true: ([0-9.]+) ms.*/thumbnail process time beyond \/bin\/true\t\1\tms\t<\t10\tsample at 128 x 128/p' \
            "$logs/$name.txt" >> "$rows" ;;
    bench_startup)
        sed -nE 's/^batch --export-image 1600x1200 PNG, sample +median +([0-9]+) ms.*/batch PNG export of the sample, 1600 x 1200\t\1\tms\t-\t0\tstart to exit, median/p' \
            "$logs/$name.txt" >> "$rows" ;;
    esac
done

echo
awk -F'\t' '
    BEGIN { printf "%-50s %12s  %-9s %-4s %s\n", "figure", "measured", "goal", "met", "detail"
            printf "%-50s %12s  %-9s %-4s %s\n", "------", "--------", "----", "---", "------" }
    {
        value = $2 + 0; goal = $5 + 0; op = $4
        if (op == "<=") met = value <= goal; else if (op == ">=") met = value >= goal
        else if (op == "<") met = value < goal; else if (op == ">") met = value > goal; else met = -1
        goalText = op == "-" ? "-" : op " " $5 " " $3
        printf "%-50s %9s %-2s  %-9s %-4s %s\n", $1, $2, $3, goalText, met < 0 ? "-" : (met ? "yes" : "NO"), $6
    }' "$rows"
exit $status
