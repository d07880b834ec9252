#!/usr/bin/env bash
# Builds Ordkamp twice, plainly with g++ and with clang++ under
# AddressSanitizer and UndefinedBehaviorSanitizer, warnings as errors in
# both, and runs every test in both builds; between the two, each fuzz
# target runs for FUZZ_SECONDS (30 unless set).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORDKAMP_WERROR=ON
cmake --build build -j2
(cd build && ctest -j2 --output-on-failure)

bash fuzz/run.sh "${FUZZ_SECONDS:-30}"

cmake -S . -B build-sanitize -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
  -DORDKAMP_SANITIZE=ON -DORDKAMP_BENCHMARKS=OFF -DORDKAMP_WERROR=ON
cmake --build build-sanitize -j2
(cd build-sanitize && ctest -j2 --output-on-failure)
