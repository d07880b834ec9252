#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer (and AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for SECONDS, starting from the
# seed corpus in fuzz/corpus (which is not changed). Prints the executions.
# FUZZ_TARGETS picks some of the targets (default: all); FUZZ_ARGS adds
# libFuzzer options (for example -max_len=512).
set -euo pipefail
seconds=${1:-30}
top=$(cd "$(dirname "$0")/.." && pwd)
out=${FUZZ_BUILD_DIR:-$top/build-fuzz}
mkdir -p "$out"

cmake -S "$top" -B "$out" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DORDKAMP_FUZZ=ON -DORDKAMP_SANITIZE=ON -DORDKAMP_WERROR=ON > "$out/configure.log"
cmake --build "$out" -j2 > "$out/build.log" || { tail -n 40 "$out/build.log"; exit 1; }

total=0
for name in ${FUZZ_TARGETS:-profile wordlist turn vocabulary}; do
  corpus=$(mktemp -d)
  cp "$top/fuzz/corpus/$name/"* "$corpus/" 2>/dev/null || true
  log=$out/fuzz-$name.log
  if ! "$out/fuzz-$name" "$corpus" -max_total_time="$seconds" -print_final_stats=1 -rss_limit_mb=4096 ${FUZZ_ARGS:-} > "$log" 2>&1; then
    tail -n 40 "$log"
    rm -rf "$corpus"
    echo "fuzz-$name: FAILED"
    exit 1
  fi
  runs=$(awk '/stat::number_of_executed_units/ { print $2 }' "$log")
  rm -rf "$corpus"
  total=$((total + runs))
  printf 'fuzz-%-10s %12d executions in %ss\n' "$name" "$runs" "$seconds"
done
printf 'fuzz total       %12d executions\n' "$total"
