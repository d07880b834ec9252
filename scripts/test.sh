#!/usr/bin/env bash
# Checks the formatting, then builds Ordkamp twice, plainly with g++ and with clang++ under
# AddressSanitizer and UndefinedBehaviorSanitizer, warnings as errors in
# both, and runs every test in both builds; between the two, each fuzz
# target runs for FUZZ_SECONDS (30 unless set).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

# Every C++ file as .clang-format says.
unformatted=$(git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run 2>&1 | grep 'warning:' | cut -d: -f1 | sort -u || true)
if [ -n "$unformatted" ]; then
  echo "not formatted (clang-format -i FILE):"; echo "$unformatted"; exit 1
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORDKAMP_WERROR=ON
cmake --build build -j2
(cd build && ctest -j2 --output-on-failure)

bash fuzz/run.sh "${FUZZ_SECONDS:-30}"

cmake -S . -B build-sanitize -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
  -DORDKAMP_SANITIZE=ON -DORDKAMP_BENCHMARKS=OFF -DORDKAMP_WERROR=ON
cmake --build build-sanitize -j2
(cd build-sanitize && ctest -j2 --output-on-failure)
