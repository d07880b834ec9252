#!/usr/bin/env bash
# Times loading a shuffled copy of the default word list into the engine
# (read, clean, validate, sort by length, remove duplicates) against
# `LC_ALL=C sort -u` on the same file, and prints the ratio (engine / sort;
# lower is better). Also prints how loading scales from 121 000 to
# 2 000 000 synthetic words. Run from anywhere after a normal build.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$top/build}
bench=$build/wordlist_bench
[ -x "$bench" ] || { echo "build first: cmake --build $build --target wordlist_bench" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
shuf --random-source=<(yes) "$build/ordkamp-alla.se" > "$work/shuffled.se"

ms_of() { # benchmark name (without its arguments' suffixes) -> median real time in ms
  awk -F, -v name="$1" 'index($1, "\"" name) == 1 && $1 ~ /_median"$/ { print $3 }' "$work/report.csv"
}

ORDKAMP_BENCH_WORDLIST="$work/shuffled.se" "$bench" \
  --benchmark_filter='BM_Load' --benchmark_format=csv --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true 2>/dev/null > "$work/report.csv"
engine_ms=$(ms_of BM_LoadWordList)
small_ms=$(ms_of BM_LoadSynthetic/121000/)
large_ms=$(ms_of BM_LoadSynthetic/2000000/)

runs=21
for i in $(seq $runs); do
  start=$(date +%s%N)
  LC_ALL=C sort -u "$work/shuffled.se" > /dev/null
  echo $(( $(date +%s%N) - start ))
done | sort -n | awk -v runs=$runs 'NR == int(runs / 2) + 1 { printf "%.3f\n", $1 / 1e6 }' > "$work/sort.ms"
sort_ms=$(cat "$work/sort.ms")

lines=$(wc -l < "$work/shuffled.se")
printf 'shuffled list of all words: %d lines\n' "$lines"
printf 'engine LoadWordList (median of 5): %8.3f ms\n' "$engine_ms"
printf 'LC_ALL=C sort -u (median of %d):   %8.3f ms\n' "$runs" "$sort_ms"
awk -v a="$engine_ms" -v b="$sort_ms" 'BEGIN { printf "ratio engine/sort: %.2f\n", a / b }'
awk -v a="$large_ms" -v b="$small_ms" \
  'BEGIN { printf "synthetic 2000000 vs 121000 words: %.1f ms vs %.1f ms, %.1fx\n", a, b, a / b }'
